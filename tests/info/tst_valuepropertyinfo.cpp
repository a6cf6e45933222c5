// Typed-in settings: the number forms by validator kind, the value written in the displayed unit and
// stored in the source unit, the checks of typed input in the unit shown, following the source, the hub,
// and the value that follows an enumeration. Descriptions are bound to settings objects built for each test;
// the speed scale is the process-wide one, read through a registry of the test's own.

#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/ValueFromEnumPropertyInfo.h"
#include "nmea/Validators.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

ESOptionsSetup *sharedOptions()
{
    return ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
}

const QString maxSpeed
    = QStringLiteral("name=MaxSpeed nameToDisplay=Max_Speed showStatus=true "
                     "longPress=Change;Default:10 unit=kn measurement=speed changeable=true "
                     "validator=float;0.0;100.0 defaultValue=20.0");

} // namespace

class tst_ValuePropertyInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keys_data();
    void keys();
    void faults_data();
    void faults();

    void numberForms_data();
    void numberForms();
    void displayedValueInAnotherUnit();
    void sourceValueInAnotherUnit();
    void sameValueIsWrittenAgain();
    void localValueIsSaved();
    void typedInputCheckedInUnitShown();

    void followsSource();
    void hub();

    void followsItsEnumeration();

private:
    std::unique_ptr<ESDataInfoClass::TestOverride> m_registry;
    std::unique_ptr<ESOptionsSetup> m_options;
    std::unique_ptr<ESAlertSetup> m_alerts;
};

void tst_ValuePropertyInfo::init()
{
    m_registry.reset(new ESDataInfoClass::TestOverride);
    m_options.reset(new ESOptionsSetup(nullptr, QStringLiteral("OptionsSetup")));
    m_options->initializeValidity(true);
    m_alerts.reset(new ESAlertSetup(nullptr, QStringLiteral("AlertSetup")));
    m_alerts->initializeValidity(true);
}

void tst_ValuePropertyInfo::cleanup()
{
    m_alerts.reset();
    m_options.reset();
    m_registry.reset();
    sharedOptions()->setScalesSpeed(0);
}

void tst_ValuePropertyInfo::keys_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<bool>("ip");
    QTest::newRow("defaults") << "" << true << false;
    QTest::newRow("text value") << "isNumeric=false" << false << false;
    QTest::newRow("true looked for first") << "isNumeric=TrueOrFalse" << true << false;
    QTest::newRow("address") << "isNumeric=false isIp=true" << false << true;
}

void tst_ValuePropertyInfo::keys()
{
    QFETCH(QString, items);
    ValuePropertyInfo info(QStringLiteral("name=SetupSave validator=regex;x ") + items, m_options.get());
    QTEST(info.isNumeric(), "numeric");
    QTEST(info.isIp(), "ip");
}

void tst_ValuePropertyInfo::faults_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("fault");
    QTest::newRow("no validator") << "name=MaxSpeed"
                                  << "wrong value property info parameters";
    QTest::newRow("validator of no kind") << "name=MaxSpeed validator=date"
                                          << "wrong value property info parameters";
    QTest::newRow("isNumeric neither") << "name=MaxSpeed validator=float;0;1 isNumeric=yes"
                                       << "wrong isNumeric parameter";
}

void tst_ValuePropertyInfo::faults()
{
    QFETCH(QString, description);
    QFETCH(QString, fault);
    if (fault == QLatin1String("wrong value property info parameters"))
        QTest::ignoreMessage(QtDebugMsg, "\"MaxSpeed\"  validator nulltpr!");
    try {
        ValuePropertyInfo info(description, m_options.get());
        QFAIL("no exception");
    } catch (const char *text) {
        QCOMPARE(QString::fromLatin1(text), fault);
    }
}

void tst_ValuePropertyInfo::numberForms_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QVariant>("stored");

    const QString alertDeepId = QStringLiteral("name=AlertDeepID validator=int;0;20000");
    QTest::newRow("int") << alertDeepId << "10456"
                         << "10456" << QVariant(10456);
    QTest::newRow("int from a text with a point") << alertDeepId << "12.7"
                                                  << "0" << QVariant(0);
    QTest::newRow("int from a text") << alertDeepId << "abc"
                                     << "0" << QVariant(0);
    QTest::newRow("float with default decimals") << "name=AlarmShallow validator=float;2.0;100.0"
                                                 << "12.346"
                                                 << "12.3" << QVariant(12.3);
    QTest::newRow("float with own decimals")
        << "name=AlarmShallow validator=float;2.0;100.0 numberOfDecimals=2"
        << "12.346"
        << "12.35" << QVariant(12.35);
    QTest::newRow("float from a text") << "name=AlarmShallow validator=float;2.0;100.0"
                                       << "x"
                                       << "0.0" << QVariant(0.0);
    QTest::newRow("other validator reads unsigned") << "name=AlertSystemID validator=sfi;\\d+"
                                                    << "-5"
                                                    << "0" << QVariant(0);
    QTest::newRow("text value kept as typed")
        << "name=AlarmSFI isNumeric=false validator=sfi;[a-zA-Z]{2}\\d{4}"
        << "any text"
        << "any text" << QVariant(QStringLiteral("any text"));
}

void tst_ValuePropertyInfo::numberForms()
{
    QFETCH(QString, description);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    ValuePropertyInfo info(description, m_alerts.get());
    info.setDisplayedValue(typed);
    QTEST(info.sourceValue(), "source");
    // No unit to convert: the two texts agree.
    QCOMPARE(info.displayedValue(), info.sourceValue());
    QCOMPARE(m_alerts->property(info.name().toLatin1().constData()), stored);
}

void tst_ValuePropertyInfo::displayedValueInAnotherUnit()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    sharedOptions()->setScalesSpeed(1);
    QCOMPARE(info.displayedUnit(), QStringLiteral("m/s"));
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    info.setDisplayedValue(QStringLiteral("5"));
    QCOMPARE(info.displayedValue(), QStringLiteral("5.0"));
    QCOMPARE(info.sourceValue(), QStringLiteral("9.7"));
    QCOMPARE(m_options->MaxSpeed(), 9.7);
    QCOMPARE(info.text(), QStringLiteral("5.0 m/s"));
    QCOMPARE(texts.count(), 1);
    QCOMPARE(
        texts.at(0).at(0).toString(), QStringLiteral("Type_Setup,SingleProperty,OptionsSetup,MaxSpeed=9.7"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("5.0"));
}

void tst_ValuePropertyInfo::sourceValueInAnotherUnit()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    sharedOptions()->setScalesSpeed(2);
    info.setSourceValue(QStringLiteral("10"));
    QCOMPARE(info.sourceValue(), QStringLiteral("10.0"));
    QCOMPARE(info.displayedValue(), QStringLiteral("11.5"));
    QCOMPARE(m_options->MaxSpeed(), 10.0);
}

void tst_ValuePropertyInfo::sameValueIsWrittenAgain()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy writes(m_options.get(), &ESOptionsSetup::MaxSpeedChanged);
    info.setDisplayedValue(QStringLiteral("30"));
    info.setDisplayedValue(QStringLiteral("30"));
    QCOMPARE(texts.count(), 2);
    QCOMPARE(values.count(), 2);
    QCOMPARE(writes.count(), 2);
}

void tst_ValuePropertyInfo::localValueIsSaved()
{
    CU_R207_Setup display(nullptr, QStringLiteral("DisplaySetup"));
    display.initializeValidity(true);
    ValuePropertyInfo info(QStringLiteral("name=PairedSFI nameToDisplay=Paired_SFI isNumeric=false "
                                          "validator=sfi;[a-zA-Z]{2}\\d{4}"),
        &display);
    QVERIFY(info.isLocal());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    info.setDisplayedValue(QStringLiteral("ZQ1234"));
    QCOMPARE(display.PairedSFI(), QStringLiteral("ZQ1234"));
    QCOMPARE(texts.count(), 0);
    QFile file(display.directory() + display.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLocal8Bit(file.readAll()).contains(QLatin1String("PairedSFI=ZQ1234")));
}

void tst_ValuePropertyInfo::typedInputCheckedInUnitShown()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    Validator *validator = info.validator();
    QVERIFY(dynamic_cast<FloatValidator *>(validator));
    QVERIFY(validator->validate(QStringLiteral("90")));
    // 100 kn is 51.4 m/s.
    sharedOptions()->setScalesSpeed(1);
    QVERIFY(validator->validate(QStringLiteral("51")));
    QVERIFY(!validator->validate(QStringLiteral("52")));
    QCOMPARE(validator->message(), QStringLiteral("value must be a real number between 0 and 51!"));
    sharedOptions()->setScalesSpeed(0);
    QVERIFY(validator->validate(QStringLiteral("90")));
}

void tst_ValuePropertyInfo::followsSource()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    QPushButton button;
    info.setButton(&button);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    m_options->setMaxSpeed(25.26);
    QCOMPARE(values.count(), 1);
    QCOMPARE(info.sourceValue(), QStringLiteral("25.3"));
    QCOMPARE(button.text(), QStringLiteral("25.3 kn"));
    m_options->setMaxSpeed(25.26);
    QCOMPARE(values.count(), 1);
    m_options->setValid(QStringLiteral("MaxSpeed"), false);
    m_options->setMaxSpeed(25.26);
    QCOMPARE(values.count(), 2);
    QCOMPARE(button.text(), QStringLiteral("-/-"));
    // Nothing is written back or sent.
    QCOMPARE(texts.count(), 0);
}

void tst_ValuePropertyInfo::hub()
{
    ValuePropertyInfo info(maxSpeed, m_options.get());
    QSignalSpy pressed(propertyInfoSignalEmitter(), &SignalEmitter::signalButtonOfValuePropertyInfoPressed);
    QSignalSpy released(
        propertyInfoSignalEmitter(), &SignalEmitter::signalButtonOfValuePropertyInfoReleased);
    QPushButton button;
    button.show();
    info.setButton(&button);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<ValuePropertyInfo *>(), &info);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).value<ValuePropertyInfo *>(), &info);
}

void tst_ValuePropertyInfo::followsItsEnumeration()
{
    // A range chosen from a list, and the value that carries it: "RotFromValue" follows "RotFrom" (the two
    // names stand in for any pair; the pairing is the tree's, here it is made by hand).
    m_options->setRotFrom(0);
    EnumPropertyInfo ranges(QStringLiteral("name=RotFrom unit=m enumList=5;10;20.04"), m_options.get());
    ValueFromEnumPropertyInfo value(
        QStringLiteral("name=MaxSpeed unit=m validator=float;0;1000"), m_options.get());
    value.setEnumPropertyInfo(&ranges);
    QCOMPARE(value.enumPropertyInfo(), &ranges);
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    ranges.setCurrentIndex(1);
    // Taken over as shown, then formatted as the value comes back from the settings object.
    QCOMPARE(value.displayedValue(), QStringLiteral("10.0"));
    QCOMPARE(m_options->MaxSpeed(), 10.0);
    QCOMPARE(texts.count(), 2); // the range, then the value
    // Within 0.1 of the value nothing is taken over.
    value.setDisplayedValue(QStringLiteral("20"));
    texts.clear();
    ranges.setCurrentIndex(2);
    QCOMPARE(value.displayedValue(), QStringLiteral("20.0"));
    QCOMPARE(texts.count(), 1);
    // It follows the enumeration's unit changes, not its own.
    QSignalSpy values(&value, &PropertyInfo::valueChanged);
    value.updateGUI();
    QCOMPARE(values.count(), 0);
}

QTEST_MAIN(tst_ValuePropertyInfo)
#include "tst_valuepropertyinfo.moc"
