// Enumerated settings: reading the list and the flags, the texts of the list, choosing and stepping with
// invalid indexes and a last index, writing the choice back (sent for a shared setting, saved for a local
// one), following the source property, the bound button and the hub; and the choices that follow the
// depth scale. Descriptions are bound to settings objects built for each test.

#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESOtherLocalSettings.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumWithDifferentUnitsPropertyInfo.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString groups = QStringLiteral("MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP");

QString enumText(const QString &list, const QString &more = QString())
{
    return QStringLiteral("name=VesselImage enumList=") + list
        + (more.isEmpty() ? QString() : QLatin1Char(' ') + more);
}

} // namespace

class tst_EnumPropertyInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void construction_data();
    void construction();
    void flags_data();
    void flags();
    void flagFaults_data();
    void flagFaults();

    void displayTexts_data();
    void displayTexts();
    void choiceLists();

    void stepping_data();
    void stepping();
    void everyIndexInvalid();
    void choosingWritesAndSends();
    void choosingTheCurrentIndexDoesNothing();
    void stepToTheOnlyChoiceWritesEachTime();
    void localChoiceIsSaved();

    void followsSource();
    void invalidSourceShowsPlaceholder();
    void buttonAndHub();

    void unitLists_data();
    void unitLists();
    void unitListShorterThanValues();

private:
    std::unique_ptr<ESDataInfoClass::TestOverride> m_registry;
    std::unique_ptr<ESOptionsSetup> m_options;
};

void tst_EnumPropertyInfo::init()
{
    m_registry.reset(new ESDataInfoClass::TestOverride);
    m_options.reset(new ESOptionsSetup(nullptr, QStringLiteral("OptionsSetup")));
    m_options->initializeValidity(true);
}

void tst_EnumPropertyInfo::cleanup()
{
    m_options.reset();
    m_registry.reset();
    ESOptionsSetup *shared = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    shared->setScalesDepth(0);
}

// ---------------------------------------------------------------------------------------------------------
// Reading the description

void tst_EnumPropertyInfo::construction_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("displayed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lastIndex");

    QTest::newRow("index in the list") << enumText("kn;m/s;mi/h") << 2 << 2 << "mi/h"
                                       << "mi/h " << 2;
    QTest::newRow("index past the list") << enumText("kn;m/s;mi/h") << 5 << 0 << "kn"
                                         << "kn " << 2;
    QTest::newRow("negative index") << enumText("kn;m/s;mi/h") << -1 << 0 << "kn"
                                    << "kn " << 2;
    QTest::newRow("with unit") << enumText("1;2;3;4;5", "unit=min") << 2 << 2 << "3"
                               << "3 min" << 4;
    QTest::newRow("no list item: one empty choice") << "name=VesselImage" << 0 << 0 << ""
                                                    << " " << 0;
    QTest::newRow("display list") << enumText("Platform;Tanker", "enumListToDisplay=Oil_Platform;Tanker") << 0
                                  << 0 << "Oil Platform"
                                  << "Oil Platform " << 1;
}

void tst_EnumPropertyInfo::construction()
{
    QFETCH(QString, description);
    QFETCH(int, stored);
    m_options->setVesselImage(stored);
    EnumPropertyInfo info(description, m_options.get());
    QTEST(info.currentIndex(), "index");
    QTEST(info.currentDisplayedValue(), "displayed");
    QTEST(info.text(), "text");
    QTEST(info.lastIndex(), "lastIndex");
    QCOMPARE(info.shownList(), info.enumList());
    // Reading the index writes nothing back.
    QCOMPARE(m_options->VesselImage(), stored);
}

void tst_EnumPropertyInfo::flags_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("isProtected");
    QTest::addColumn<bool>("isLocal");
    QTest::addColumn<bool>("bidirectional");
    QTest::addColumn<bool>("inverted");

    QTest::newRow("defaults") << "" << false << false << true << false;
    QTest::newRow("protected, any case") << "isProtected=TRUE" << true << false << true << false;
    QTest::newRow("true looked for first")
        << "isLocal=untrue isProtected=false" << false << true << true << false;
    QTest::newRow("exact switches") << "bidirectionalChange=false invertedNextAndPrevious=true" << false
                                    << false << false << true;
    QTest::newRow("switches in other case do nothing")
        << "bidirectionalChange=False invertedNextAndPrevious=TRUE" << false << false << true << false;
}

void tst_EnumPropertyInfo::flags()
{
    QFETCH(QString, items);
    EnumPropertyInfo info(enumText("A;B;C", items), m_options.get());
    QTEST(info.isProtected(), "isProtected");
    QTEST(info.isLocal(), "isLocal");
    QTEST(info.isBidirectionalChange(), "bidirectional");
    QTEST(info.isInvertedNextAndPrevious(), "inverted");
}

void tst_EnumPropertyInfo::flagFaults_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("fault");
    QTest::newRow("protected yes") << "isProtected=yes"
                                   << "wrong isProtected parameter";
    QTest::newRow("local empty") << "isLocal="
                                 << "wrong isLocal parameter";
}

void tst_EnumPropertyInfo::flagFaults()
{
    QFETCH(QString, items);
    try {
        EnumPropertyInfo info(enumText("A;B", items), m_options.get());
        QFAIL("no exception");
    } catch (const char *text) {
        QTEST(QString::fromLatin1(text), "fault");
    }
}

// ---------------------------------------------------------------------------------------------------------
// Texts of the list

void tst_EnumPropertyInfo::displayTexts_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("chosenText");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<QStringList>("displayTexts");

    QTest::newRow("underscores") << enumText("Fwd;Not_Connected;A__B") << "Not Connected" << 1
                                 << QStringList({ "Fwd", "Not Connected", "A_B" });
    QTest::newRow("display list") << enumText("A;B", "enumListToDisplay=Long_Name;B") << "Long Name" << 0
                                  << QStringList({ "Long Name", "B" });
    // A display list shorter than the values is never read past its end: the further items show
    // themselves.
    QTest::newRow("short display list") << enumText("A;B;Not_Set", "enumListToDisplay=First") << "Not Set"
                                        << 2 << QStringList({ "First", "B", "Not Set" });
    QTest::newRow("unknown text selects 0")
        << enumText("A;B;C") << "D" << 0 << QStringList({ "A", "B", "C" });
}

void tst_EnumPropertyInfo::displayTexts()
{
    QFETCH(QString, description);
    QFETCH(QString, chosenText);
    QFETCH(QStringList, displayTexts);
    m_options->setVesselImage(1);
    EnumPropertyInfo info(description, m_options.get());
    QStringList shown;
    for (int i = 0; i < info.enumList().size(); ++i)
        shown << info.displayTextAt(i);
    QCOMPARE(shown, displayTexts);
    QCOMPARE(info.selectableDisplayedValues(), displayTexts);
    info.setCurrentDisplayText(chosenText);
    QTEST(info.currentIndex(), "chosenIndex");
    QCOMPARE(info.currentDisplayText(), displayTexts.at(info.currentIndex()));
    info.setCurrentDisplayedValue(displayTexts.last());
    QCOMPARE(info.currentIndex(), displayTexts.size() - 1);
    QCOMPARE(info.displayTextAt(99), QString());
    QCOMPARE(info.valueAt(-1), QString());
}

void tst_EnumPropertyInfo::choiceLists()
{
    EnumPropertyInfo info(enumText(groups), m_options.get());
    info.setInvalidIndexes({ 0, 1, 3, 4, 6 });
    QCOMPARE(info.selectableValues(), QStringList({ "SATD", "RCOM", "PROP" }));
    info.setLastIndex(3);
    QCOMPARE(info.selectableValues(), QStringList({ "SATD" }));
    info.setInvalidIndexes({});
    QCOMPARE(info.selectableShownValues(), QStringList({ "MISC", "TGTD", "SATD", "NAVD" }));
    // A last index past the list means the list's end, like a negative one.
    info.setLastIndex(20);
    QCOMPARE(info.lastIndex(), 7);
    QCOMPARE(info.selectableDisplayTexts().size(), 8);
    info.setLastIndex(-1);
    QCOMPARE(info.lastIndex(), 7);
    QCOMPARE(info.indexOfValue("RCOM"), 5);
    QCOMPARE(info.indexOfShownValue("rcom"), -1);
}

// ---------------------------------------------------------------------------------------------------------
// Choosing and stepping

void tst_EnumPropertyInfo::stepping_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<QList<int>>("invalid");
    QTest::addColumn<int>("lastIndex");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("steps"); // n next, p previous, N next ignoring inversion, P the same
    QTest::addColumn<QList<int>>("indexes");

    const QList<int> groupRule = { 0, 1, 3, 4, 6 };
    QTest::newRow("next past invalid") << "" << groupRule << -1 << 2 << "nnn" << QList<int>({ 5, 7, 2 });
    QTest::newRow("previous past invalid") << "" << groupRule << -1 << 2 << "pp" << QList<int>({ 7, 5 });
    QTest::newRow("wrap at the last index")
        << "" << QList<int>() << 3 << 2 << "nnp" << QList<int>({ 3, 0, 3 });
    QTest::newRow("inverted") << "invertedNextAndPrevious=true" << QList<int>() << -1 << 2 << "npNP"
                              << QList<int>({ 1, 2, 3, 2 });
    QTest::newRow("above the last index") << "" << QList<int>() << 3 << 6 << "p" << QList<int>({ 3 });
}

void tst_EnumPropertyInfo::stepping()
{
    QFETCH(QString, items);
    QFETCH(QList<int>, invalid);
    QFETCH(int, lastIndex);
    QFETCH(int, start);
    QFETCH(QString, steps);
    QFETCH(QList<int>, indexes);
    m_options->setVesselImage(start);
    EnumPropertyInfo info(enumText(groups, items), m_options.get());
    info.setInvalidIndexes(invalid);
    info.setLastIndex(lastIndex);
    QList<int> visited;
    for (const QChar step : steps) {
        if (step == QLatin1Char('n'))
            info.next();
        else if (step == QLatin1Char('p'))
            info.previous();
        else if (step == QLatin1Char('N'))
            info.next(true);
        else
            info.previous(true);
        visited << info.currentIndex();
        QCOMPARE(m_options->VesselImage(), info.currentIndex());
    }
    QCOMPARE(visited, indexes);
}

void tst_EnumPropertyInfo::everyIndexInvalid()
{
    m_options->setVesselImage(1);
    EnumPropertyInfo info(enumText("A;B;C"), m_options.get());
    info.setInvalidIndexes({ 0, 1, 2 });
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy writes(m_options.get(), &ESOptionsSetup::VesselImageChanged);
    info.next();
    info.previous();
    QCOMPARE(info.currentIndex(), 1);
    QCOMPARE(texts.count(), 0);
    QCOMPARE(values.count(), 0);
    QCOMPARE(writes.count(), 0);
}

void tst_EnumPropertyInfo::choosingWritesAndSends()
{
    EnumPropertyInfo info(enumText("kn;m/s;mi/h"), m_options.get());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy shownTexts(&info, &PropertyInfo::textChanged);
    info.setCurrentValue(QStringLiteral("mi/h"));
    QCOMPARE(m_options->VesselImage(), 2);
    QCOMPARE(texts.count(), 1);
    QCOMPARE(
        texts.at(0).at(0).toString(), QStringLiteral("Type_Setup,SingleProperty,OptionsSetup,VesselImage=2"));
    // The write comes back through the property's signal and is recognised: one announcement.
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("mi/h"));
    QCOMPARE(shownTexts.count(), 1);
    QCOMPARE(shownTexts.at(0).at(0).toString(), QStringLiteral("mi/h "));
    // An index outside the list selects the first choice.
    info.setCurrentIndex(9);
    QCOMPARE(info.currentIndex(), 0);
    QCOMPARE(texts.last().at(0).toString(),
        QStringLiteral("Type_Setup,SingleProperty,OptionsSetup,VesselImage=0"));
}

void tst_EnumPropertyInfo::choosingTheCurrentIndexDoesNothing()
{
    m_options->setVesselImage(1);
    EnumPropertyInfo info(enumText("A;B;C"), m_options.get());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy writes(m_options.get(), &ESOptionsSetup::VesselImageChanged);
    info.setCurrentIndex(1);
    info.setCurrentValue(QStringLiteral("B"));
    QCOMPARE(texts.count(), 0);
    QCOMPARE(values.count(), 0);
    QCOMPARE(writes.count(), 0);
}

void tst_EnumPropertyInfo::stepToTheOnlyChoiceWritesEachTime()
{
    m_options->setVesselImage(1);
    EnumPropertyInfo info(enumText("A;B;C"), m_options.get());
    info.setInvalidIndexes({ 0, 2 });
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    info.next();
    info.previous();
    QCOMPARE(info.currentIndex(), 1);
    QCOMPARE(texts.count(), 2);
    QCOMPARE(values.count(), 2);
}

void tst_EnumPropertyInfo::localChoiceIsSaved()
{
    ESOtherLocalSettings local(nullptr, QStringLiteral("OtherLocalSettings"));
    local.initializeValidity(true);
    EnumPropertyInfo info(QStringLiteral("name=NmeaPort1Status enumList=Not_Tested;Ok;Error"), &local);
    QVERIFY(info.isLocal());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    info.setCurrentIndex(2);
    QCOMPARE(texts.count(), 0);
    QFile file(local.directory() + local.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLocal8Bit(file.readAll()).contains(QLatin1String("NmeaPort1Status=2")));
}

// ---------------------------------------------------------------------------------------------------------
// Following the source

void tst_EnumPropertyInfo::followsSource()
{
    EnumPropertyInfo info(enumText("kn;m/s;mi/h"), m_options.get());
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    m_options->setVesselImage(1);
    QCOMPARE(info.currentIndex(), 1);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("m/s"));
    m_options->setVesselImage(1);
    QCOMPARE(values.count(), 1);
    // A stored index past the list shows the first choice and is left as it is.
    m_options->setVesselImage(5);
    QCOMPARE(info.currentIndex(), 0);
    QCOMPARE(m_options->VesselImage(), 5);
    QCOMPARE(texts.count(), 0);
}

void tst_EnumPropertyInfo::invalidSourceShowsPlaceholder()
{
    EnumPropertyInfo info(enumText("kn;m/s;mi/h"), m_options.get());
    QPushButton button;
    info.setButton(&button);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    m_options->setVesselImage(0);
    QCOMPARE(values.count(), 1); // the first validity the description hears
    m_options->setValid(QStringLiteral("VesselImage"), false);
    m_options->setVesselImage(0);
    QCOMPARE(button.text(), QStringLiteral("-/-"));
    QCOMPARE(values.count(), 2);
    // Valid again with the same index: announced again, because the validity changed.
    m_options->setValid(QStringLiteral("VesselImage"), true);
    m_options->setVesselImage(0);
    QCOMPARE(values.count(), 3);
    QCOMPARE(button.text(), QStringLiteral("kn "));
}

void tst_EnumPropertyInfo::buttonAndHub()
{
    EnumPropertyInfo info(enumText("kn;m/s;mi/h"), m_options.get());
    QSignalSpy pressed(propertyInfoSignalEmitter(), &SignalEmitter::signalButtonOfEnumPropertyInfoPressed);
    QSignalSpy released(
        propertyInfoSignalEmitter(), &SignalEmitter::signalButtonOfEnumPropertyInfoReleased);
    auto button = std::make_unique<QPushButton>();
    button->show();
    info.setButton(button.get());
    QCOMPARE(info.button(), button.get());
    QCOMPARE(button->text(), QStringLiteral("kn "));
    QTest::mousePress(button.get(), Qt::LeftButton);
    QTest::mouseRelease(button.get(), Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<EnumPropertyInfo *>(), &info);
    QCOMPARE(released.count(), 1);
    info.setCurrentIndex(1);
    QCOMPARE(button->text(), QStringLiteral("m/s "));

    // Another button takes over; the first one no longer reaches the hub.
    QPushButton other;
    other.show();
    info.setButton(&other);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QTest::mouseClick(&other, Qt::LeftButton);
    QCOMPARE(pressed.count(), 2);
    // A destroyed button is simply gone.
    info.setButton(button.get());
    button.reset();
    QCOMPARE(info.button(), nullptr);
    info.setCurrentIndex(2);
}

// ---------------------------------------------------------------------------------------------------------
// Choices in several units

void tst_EnumPropertyInfo::unitLists_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("depthScale");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");

    const QString ranges = QStringLiteral("name=VesselImage unit=m measurement=depth changeable=true "
                                          "enumList=5;10;20 enumListMeters=5;10;20 enumListFeet=15;30;60 "
                                          "enumListFathoms=2;5;10");
    QTest::newRow("metres") << ranges << 0 << QStringList({ "5", "10", "20" })
                            << QStringList({ "5", "10", "20" }) << "10 m";
    QTest::newRow("feet") << ranges << 1 << QStringList({ "15", "30", "60" })
                          << QStringList({ "4.6", "9.1", "18.3" }) << "30 ft";
    QTest::newRow("fathoms") << ranges << 2 << QStringList({ "2", "5", "10" })
                             << QStringList({ "3.7", "9.1", "18.3" }) << "5 fm";
    QString fixed = ranges;
    fixed.replace(QLatin1String("changeable=true"), QLatin1String("changeable=false"));
    QTest::newRow("not changeable") << fixed << 2 << QStringList({ "5", "10", "20" })
                                    << QStringList({ "5", "10", "20" }) << "10 m";
}

void tst_EnumPropertyInfo::unitLists()
{
    QFETCH(QString, description);
    QFETCH(int, depthScale);
    m_options->setVesselImage(1);
    EnumWithDifferentUnitsPropertyInfo info(description, m_options.get());
    QCOMPARE(info.metersList(), QStringList({ "5", "10", "20" }));
    QCOMPARE(info.feetList(), QStringList({ "15", "30", "60" }));
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setScalesDepth(depthScale);
    QTEST(info.shownList(), "shown");
    QTEST(info.enumList(), "values");
    QTEST(info.text(), "text");
    // The index, and the stored value, stay; nothing is written or sent.
    QCOMPARE(info.currentIndex(), 1);
    QCOMPARE(m_options->VesselImage(), 1);
    QCOMPARE(texts.count(), 0);
    QCOMPARE(info.currentFeetValue(), QStringLiteral("30"));
    QCOMPARE(info.indexInFathomsList(QStringLiteral("10")), 2);
    QCOMPARE(info.currentKnValue(), QString());
}

void tst_EnumPropertyInfo::unitListShorterThanValues()
{
    m_options->setVesselImage(2);
    EnumWithDifferentUnitsPropertyInfo info(
        QStringLiteral("name=VesselImage unit=m measurement=depth "
                       "changeable=true enumList=5;10;20 enumListMeters=5;10;20 "
                       "enumListFeet=15"),
        m_options.get());
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setScalesDepth(1);
    QCOMPARE(info.enumList(), QStringList({ "4.6", "10", "20" }));
    QCOMPARE(info.currentDisplayedValue(), QString());
    // A unit outside the six chooses nothing.
    info.setDisplayedUnit(QStringLiteral("NM"));
    info.updateGUI();
    QCOMPARE(info.shownList(), QStringList({ "15" }));
}

QTEST_MAIN(tst_EnumPropertyInfo)
#include "tst_enumpropertyinfo.moc"
