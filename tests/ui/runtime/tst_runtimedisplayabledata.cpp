// The runtime value feed over the real descriptions of the runtime values: one change signal per change
// of the bound description, rebinding, the unbound feed, the colour by class, integrity and validity in
// the current palette, the speed class, and the title and unit shown.

#include "DebugCapture.h"
#include "FreshStores.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <optional>

class tst_RuntimeDisplayableData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneSignalPerChange_data();
    void oneSignalPerChange();
    void rebindingLeavesTheOldDescription();
    void hiddenLineWithoutDescription();
    void shownLineWithoutDescriptionIsAnError();
    void unboundAtConstruction();
    void colour_data();
    void colour();
    void colourFollowsThePalette();
    void fieldValue_data();
    void fieldValue();
    void speedClass_data();
    void speedClass();
    void titleAndUnit_data();
    void titleAndUnit();

private:
    static RuntimePropertyInfo *description(const QString &name)
    {
        return qobject_cast<RuntimePropertyInfo *>(ESDataInfoClass::instance()->runtimePropertyInfo(name));
    }
    // A value as it arrives in a runtime text; `sourceValid` false sends it marked "F".
    static void receive(const QString &name, const QString &value, bool sourceValid = true)
    {
        ESRuntime *runtime = ESDataClass::instance()->runtime();
        runtime->setSourceValid(name, sourceValid);
        bool ok = false;
        runtime->applySingleProperty(QStringLiteral("Type_Runtime,") + name + QLatin1Char('=') + value, &ok);
        QVERIFY(ok);
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
};

void tst_RuntimeDisplayableData::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Green"));
}

void tst_RuntimeDisplayableData::cleanup()
{
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_RuntimeDisplayableData::oneSignalPerChange_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("companion");
    QTest::newRow("plain value") << "Trip"
                                 << "";
    QTest::newRow("speed with its angle") << "SpeedGPS"
                                          << "AngleSpeedGPS";
}

void tst_RuntimeDisplayableData::oneSignalPerChange()
{
    QFETCH(QString, name);
    QFETCH(QString, companion);
    RuntimePropertyInfo *info = description(name);
    QVERIFY(info);
    RuntimeDisplayableData feed(info);
    QCOMPARE(feed.propertyInfo(), info);
    QSignalSpy changes(&feed, &RuntimeDisplayableData::informationChangeSignal);
    QSignalSpy layout(&feed, &RuntimeDisplayableData::changeLayoutDirection);
    QSignalSpy values(info, &PropertyInfo::valueChanged);
    QSignalSpy integrity(info, &PropertyInfo::integrityChanged);

    receive(name, QStringLiteral("1.5")); // value and integrity change
    QCOMPARE(values.count(), 1);
    QCOMPARE(integrity.count(), 1);
    QCOMPARE(changes.count(), 2);
    receive(name, QStringLiteral("2.5")); // value only
    QCOMPARE(changes.count(), 3);
    receive(name, QStringLiteral("2.5"), false); // integrity only
    QCOMPARE(values.count(), 2);
    QCOMPARE(integrity.count(), 2);
    QCOMPARE(changes.count(), 4);
    receive(name, QStringLiteral("2.5"), false); // nothing
    QCOMPARE(changes.count(), 4);
    if (!companion.isEmpty()) {
        receive(companion, QStringLiteral("45"));
        QCOMPARE(changes.count(), values.count() + integrity.count());
        QVERIFY(changes.count() > 4);
    }
    QCOMPARE(layout.count(), 0);
}

void tst_RuntimeDisplayableData::rebindingLeavesTheOldDescription()
{
    RuntimeDisplayableData feed(description(QStringLiteral("Trip")));
    QSignalSpy changes(&feed, &RuntimeDisplayableData::informationChangeSignal);
    QSignalSpy layout(&feed, &RuntimeDisplayableData::changeLayoutDirection);
    feed.setPropertyInfo(description(QStringLiteral("Total")), false);
    QCOMPARE(feed.propertyInfo(), description(QStringLiteral("Total")));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(layout.count(), 1);
    receive(QStringLiteral("Trip"), QStringLiteral("3"));
    receive(QStringLiteral("Trip"), QStringLiteral("3"), false);
    QCOMPARE(changes.count(), 1);
    receive(QStringLiteral("Total"), QStringLiteral("3"));
    QCOMPARE(changes.count(), 3);
}

void tst_RuntimeDisplayableData::hiddenLineWithoutDescription()
{
    RuntimeDisplayableData feed(description(QStringLiteral("SpeedGPS")));
    QStringList order;
    connect(&feed, &RuntimeDisplayableData::informationChangeSignal, this,
        [&order]() { order << QStringLiteral("information"); });
    connect(&feed, &RuntimeDisplayableData::changeLayoutDirection, this,
        [&order]() { order << QStringLiteral("layout"); });
    feed.setPropertyInfo(nullptr, true);
    QCOMPARE(order, QStringList({ QStringLiteral("information"), QStringLiteral("layout") }));
    QVERIFY(!feed.propertyInfo());
    QVERIFY(!feed.color().isValid());
    QCOMPARE(feed.speedClass(), QStringLiteral("NONE"));
    // The old description is no longer heard.
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("4"));
    QCOMPARE(order.size(), 2);
}

void tst_RuntimeDisplayableData::shownLineWithoutDescriptionIsAnError()
{
    RuntimeDisplayableData feed(description(QStringLiteral("SpeedGPS")));
    QSignalSpy changes(&feed, &RuntimeDisplayableData::informationChangeSignal);
    DebugCapture log;
    try {
        feed.setPropertyInfo(nullptr, false);
        QFAIL("no exception");
    } catch (const char *text) {
        QCOMPARE(QString::fromLatin1(text),
            QStringLiteral("Angle property not defined in RuntimeDisplayableData, line 25."));
    }
    QCOMPARE(log.count(QStringLiteral("Value not hidden and source property info invalid!")), 1);
    QCOMPARE(changes.count(), 0);
}

void tst_RuntimeDisplayableData::unboundAtConstruction()
{
    DebugCapture log;
    RuntimeDisplayableData feed(nullptr);
    QCOMPARE(log.count(QStringLiteral("Info pair invalid!")), 1);
    QVERIFY(!feed.propertyInfo());
    QVERIFY(!feed.color().isValid());
    QCOMPARE(feed.speedClass(), QStringLiteral("NONE"));
    QCOMPARE(feed.titleText(), QString());
    // Binding later works as for any feed.
    QSignalSpy changes(&feed, &RuntimeDisplayableData::informationChangeSignal);
    feed.setPropertyInfo(description(QStringLiteral("Trip")), false);
    receive(QStringLiteral("Trip"), QStringLiteral("1"));
    QCOMPARE(changes.count(), 3);
}

void tst_RuntimeDisplayableData::colour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value"); // empty: no value received (not valid)
    QTest::addColumn<bool>("sourceValid");
    QTest::addColumn<QColor>("expected");

    const QColor sog(0x33, 0xba, 0x38), stw(0x10, 0x48, 0xff), low(0xff, 0xe2, 0x3a), fallback(204, 102, 0);
    QTest::newRow("GPS drawn as SOG") << "SpeedGPS"
                                      << "5" << true << sog;
    QTest::newRow("SOG") << "SpeedSOGGpsLong"
                         << "5" << true << sog;
    QTest::newRow("trip in SOG") << "Trip"
                                 << "5" << true << sog;
    QTest::newRow("STW") << "SpeedSTWLog"
                         << "5" << true << stw;
    QTest::newRow("water trip in STW") << "WaterTrip"
                                       << "5" << true << stw;
    QTest::newRow("CUR") << "WaterCurrent"
                         << "5" << true << QColor(0x10, 0x48, 0xff);
    QTest::newRow("no colour class") << "Heading"
                                     << "5" << true << fallback;
    QTest::newRow("position without class") << "PositionNS"
                                            << "5530.1" << true << fallback;
    QTest::newRow("marked F by the sender") << "SpeedGPS"
                                            << "5" << false << low;
    QTest::newRow("marked F without class") << "Heading"
                                            << "5" << false << low;
    QTest::newRow("never received") << "SpeedSTWLog"
                                    << "" << true << low;
    QTest::newRow("received empty") << "Trip"
                                    << "-" << true << low;
}

void tst_RuntimeDisplayableData::colour()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, sourceValid);
    RuntimeDisplayableData feed(description(name));
    if (value == QLatin1String("-")) {
        receive(name, QStringLiteral("1"));
        receive(name, QString());
    } else if (!value.isEmpty()) {
        receive(name, value, sourceValid);
    }
    QTEST(feed.color(), "expected");
}

void tst_RuntimeDisplayableData::fieldValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value"); // empty: no value received (not valid)
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("shown");

    const QColor sog(0x33, 0xba, 0x38), low(0xff, 0xe2, 0x3a), fallback(204, 102, 0);
    QTest::newRow("shown") << "SpeedGPS"
                           << "5" << true << "5.0" << sog << true;
    QTest::newRow("does not fit its field") << "SpeedGPS"
                                            << "5" << false << "-/-" << low << false;
    QTest::newRow("not valid") << "SpeedGPS"
                               << "" << true << "-/-" << low << false;
    // The 24 V supply of the display is described with the limits 21 to 28 V.
    QTest::newRow("inside its limits") << "Cu24V"
                                       << "24" << true << "24.0 V" << fallback << true;
    QTest::newRow("above its limits") << "Cu24V"
                                      << "30" << true << "-/-" << low << false;
    QTest::newRow("below its limits") << "Cu24V"
                                      << "20.9" << true << "-/-" << low << false;
}

// What a value field shows: the widget's text of the value in its colour, or "-/-" in the low-integrity
// colour for a value that is not valid, lies outside its description's limits or does not fit the field.
void tst_RuntimeDisplayableData::fieldValue()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, fits);
    RuntimeDisplayableData feed(description(name));
    if (!value.isEmpty())
        receive(name, value);
    const RuntimeDisplayableData::FieldValue shown = feed.fieldValue(description(name)->text(), fits);
    QTEST(shown.text, "text");
    QTEST(shown.color, "colour");
    QTEST(shown.shown, "shown");
    // Whether a text fits is a matter of one field; the value's own colour knows only validity and limits.
    if (fits)
        QTEST(feed.color(), "colour");
}

void tst_RuntimeDisplayableData::colourFollowsThePalette()
{
    RuntimeDisplayableData feed(description(QStringLiteral("SpeedGPS")));
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("5"));
    (*m_colors)->setColorPreset(QStringLiteral("Pale_Yellow"));
    QCOMPARE(feed.color(), QColor(0xda, 0xff, 0x73));
    // A changed "GPS" entry is not what a GPS speed is drawn in: it shares the SOG colour.
    (*m_colors)->setColor(QColor(1, 2, 3), QStringLiteral("GPS"), QStringLiteral("Pale_Yellow"));
    QCOMPARE(feed.color(), QColor(0xda, 0xff, 0x73));
    (*m_colors)->setColor(QColor(4, 5, 6), QStringLiteral("SOG"), QStringLiteral("Pale_Yellow"));
    QCOMPARE(feed.color(), QColor(4, 5, 6));
}

void tst_RuntimeDisplayableData::speedClass_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("resultant") << "SpeedGPS"
                               << "RES";
    QTest::newRow("resultant through water") << "SpeedSTWLog"
                                             << "RES";
    QTest::newRow("longitudinal") << "SpeedSOGGpsLong"
                                  << "LONG";
    QTest::newRow("transverse") << "SpeedSOGGpsTra"
                                << "TRA";
    QTest::newRow("none") << "Trip"
                          << "NONE";
}

void tst_RuntimeDisplayableData::speedClass()
{
    QFETCH(QString, name);
    RuntimeDisplayableData feed(description(name));
    QTEST(feed.speedClass(), "expected");
}

void tst_RuntimeDisplayableData::titleAndUnit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("speedScale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("unit");
    QTest::newRow("unit in the title") << "SpeedGPS" << 0 << "SOG kn"
                                       << "";
    QTest::newRow("unit follows the scale") << "SpeedGPS" << 1 << "SOG m/s"
                                            << "";
    QTest::newRow("unit after the value") << "SpeedSOGLogTra" << 2 << "SOG T Log"
                                          << "mi/h";
    QTest::newRow("distance") << "Trip" << 1 << "Trip NM"
                              << "";
    QTest::newRow("no unit") << "PositionNS" << 0 << "Lat"
                             << "";
    QTest::newRow("unit in the name") << "Heading" << 0 << "Heading °"
                                      << "";
}

void tst_RuntimeDisplayableData::titleAndUnit()
{
    QFETCH(QString, name);
    QFETCH(int, speedScale);
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setScalesSpeed(speedScale);
    RuntimeDisplayableData feed(description(name));
    QTEST(feed.titleText(), "title");
    QTEST(feed.valueUnit(), "unit");
}

QTEST_GUILESS_MAIN(tst_RuntimeDisplayableData)
#include "tst_runtimedisplayabledata.moc"
