// Runtime values: the text and title, received values and their validity, the limits of the validator,
// integrity, positions in degrees and minutes, the speed scale, the values sent back, and the companion
// angle. Descriptions are bound to a runtime values object built for each test; values arrive as they do
// in a received runtime text.

#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimePropertyWithAngleInfo.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_RuntimePropertyInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keys();
    void textAndTitle_data();
    void textAndTitle();
    void positions_data();
    void positions();
    void speedInAnotherUnit();

    void sameValueTwice();
    void validityChangeAnnouncesAgain();
    void limits();
    void integrity();

    void valuesSentBack();
    void companionAngle();
    void angleFault();

private:
    // A value as it arrives in a runtime text: stored and marked valid.
    void receive(const QString &name, const QString &value);

    std::unique_ptr<ESDataInfoClass::TestOverride> m_registry;
    std::unique_ptr<ESRuntime> m_runtime;
};

void tst_RuntimePropertyInfo::init()
{
    m_registry.reset(new ESDataInfoClass::TestOverride);
    m_runtime.reset(new ESRuntime(nullptr, QStringLiteral("ESRuntime")));
}

void tst_RuntimePropertyInfo::cleanup()
{
    m_runtime.reset();
    m_registry.reset();
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setScalesSpeed(0);
}

void tst_RuntimePropertyInfo::receive(const QString &name, const QString &value)
{
    bool ok = false;
    m_runtime->applySingleProperty(QStringLiteral("Type_Runtime,") + name + QLatin1Char('=') + value, &ok);
    QVERIFY(ok);
}

void tst_RuntimePropertyInfo::keys()
{
    RuntimePropertyInfo plain(QStringLiteral("name=Trip"), m_runtime.get());
    QCOMPARE(plain.colorClass(), QStringLiteral("DEFAULT"));
    QCOMPARE(plain.speedClass(), QStringLiteral("NONE"));
    QVERIFY(!plain.unitInTitle());
    QCOMPARE(plain.text(), QStringLiteral("-/-"));
    QCOMPARE(plain.sourceValue(), QStringLiteral("-/-"));
    QCOMPARE(plain.displayedValue(), QStringLiteral("-/-"));
    QVERIFY(!plain.integrity());
    QVERIFY(plain.isInsideLimits());

    RuntimePropertyInfo classes(
        QStringLiteral("name=SpeedGPS COLORCLASS=GPS speedClass=RES unitInTitle=TRUE"), m_runtime.get());
    QCOMPARE(classes.colorClass(), QStringLiteral("GPS"));
    QCOMPARE(classes.speedClass(), QStringLiteral("RES"));
    QVERIFY(classes.unitInTitle());
    // With a validator the value is outside its limits until one has been checked.
    RuntimePropertyInfo limited(QStringLiteral("name=Cu24V validator=float;21.0;28"), m_runtime.get());
    QVERIFY(!limited.isInsideLimits());
}

void tst_RuntimePropertyInfo::textAndTitle_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    QTest::newRow("unit in the title") << "name=Trip unit=NM measurement=distance changeable=true "
                                          "numberOfDecimals=2 unitInTitle=true colorClass=SOG"
                                       << "12.3456"
                                       << "12.35"
                                       << "Trip  NM";
    QTest::newRow("unit after the value") << "name=Cu24V nameToDisplay=Display_24V unit=V"
                                          << "24.5"
                                          << "24.5 V"
                                          << "Display 24V ";
    QTest::newRow("integer with the default decimals") << "name=UtcToLocalDateTimeSecsOffset"
                                                       << "3600"
                                                       << "3600.0 "
                                                       << "UtcToLocalDateTimeSecsOffset ";
    QTest::newRow("text that is no number") << "name=UtcDateTime"
                                            << "2024-01-02T03:04:05"
                                            << "2024-01-02T03:04:05 "
                                            << "UtcDateTime ";
    // The rule of no decimals from 100 does not apply to received values.
    QTest::newRow("hundreds keep decimals") << "name=Heading nameToDisplay=Heading_°"
                                            << "123.45"
                                            << "123.5 "
                                            << "Heading ° ";
}

void tst_RuntimePropertyInfo::textAndTitle()
{
    QFETCH(QString, description);
    QFETCH(QString, received);
    RuntimePropertyInfo info(description, m_runtime.get());
    receive(info.name(), received);
    QTEST(info.text(), "text");
    QTEST(info.title(true), "title");
    QCOMPARE(info.title(false), info.displayedName());
}

void tst_RuntimePropertyInfo::positions_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("text");

    QTest::newRow("latitude") << "5130.1234"
                              << "51°30.1'";
    QTest::newRow("hundreds of degrees, whole minutes") << "12345.678"
                                                        << "123°46'";
    QTest::newRow("sign not shown") << "-12345.678"
                                    << "123°46'";
    QTest::newRow("single-digit degrees") << "930.27"
                                          << "9°30.3'";
    // Minutes are written without a leading zero.
    QTest::newRow("minutes below ten") << "5105.5"
                                       << "51°5.5'";
    QTest::newRow("zero") << "0"
                          << "0°0.0'";
    QTest::newRow("whole degrees") << "100"
                                   << "1°0.0'";
    QTest::newRow("just below the round-up") << "5159.94"
                                             << "51°59.9'";
    QTest::newRow("whole minutes just below the round-up") << "12359.4"
                                                           << "123°59'";
    // Rounding to 60 minutes is carried into the degrees.
    QTest::newRow("carry") << "5159.96"
                           << "52°0.0'";
    QTest::newRow("carry from the last digits") << "5159.9999"
                                                << "52°0.0'";
    QTest::newRow("carry, south") << "-5159.9999"
                                  << "52°0.0'";
    QTest::newRow("carry, whole minutes") << "12359.6"
                                          << "124°0'";
    QTest::newRow("carry to a hundred degrees") << "9959.99"
                                                << "100°0.0'";
    QTest::newRow("carry to the first degree") << "59.96"
                                               << "1°0.0'";
    // Sent minutes of 60 or more are the same angle with one degree more.
    QTest::newRow("sixty minutes sent") << "5160"
                                        << "52°0.0'";
    QTest::newRow("no number") << "abc"
                               << "-/-";
    QTest::newRow("not a number") << "nan"
                                  << "-/-";
    QTest::newRow("infinite") << "inf"
                              << "-/-";
}

void tst_RuntimePropertyInfo::positions()
{
    QFETCH(QString, received);
    RuntimePropertyInfo info(
        QStringLiteral("name=PositionEW nameToDisplay=Lon numberOfDecimals=3"), m_runtime.get());
    receive(QStringLiteral("PositionEW"), received);
    QTEST(info.text(), "text");
}

void tst_RuntimePropertyInfo::speedInAnotherUnit()
{
    RuntimePropertyInfo info(
        QStringLiteral("name=SpeedSTWLog nameToDisplay=STW_LOG unit=kn measurement=speed "
                       "changeable=true colorClass=STW speedClass=RES"),
        m_runtime.get());
    receive(QStringLiteral("SpeedSTWLog"), QStringLiteral("10"));
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setScalesSpeed(1);
    QCOMPARE(info.text(), QStringLiteral("5.1 m/s"));
    QCOMPARE(info.sourceValue(), QStringLiteral("10.0"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("5.1"));
}

void tst_RuntimePropertyInfo::sameValueTwice()
{
    RuntimePropertyInfo info(QStringLiteral("name=Trip"), m_runtime.get());
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy texts(&info, &PropertyInfo::textChanged);
    receive(QStringLiteral("Trip"), QStringLiteral("1.5"));
    receive(QStringLiteral("Trip"), QStringLiteral("1.5"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(texts.count(), 1);
    QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("1.5 "));
}

void tst_RuntimePropertyInfo::validityChangeAnnouncesAgain()
{
    RuntimePropertyInfo info(QStringLiteral("name=Trip"), m_runtime.get());
    receive(QStringLiteral("Trip"), QStringLiteral("1.5"));
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    QSignalSpy texts(&info, &PropertyInfo::textChanged);
    // An empty value marks the property invalid and keeps the value.
    receive(QStringLiteral("Trip"), QString());
    QCOMPARE(values.count(), 1);
    QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("-/-"));
    receive(QStringLiteral("Trip"), QStringLiteral("1.5"));
    QCOMPARE(values.count(), 2);
    QCOMPARE(texts.at(1).at(0).toString(), QStringLiteral("1.5 "));
}

void tst_RuntimePropertyInfo::limits()
{
    RuntimePropertyInfo info(QStringLiteral("name=Cu24V unit=V validator=float;21.0;28"), m_runtime.get());
    QSignalSpy inside(&info, &RuntimePropertyInfo::valueIsInsideLimitsChanged);
    receive(QStringLiteral("Cu24V"), QStringLiteral("24"));
    QCOMPARE(inside.count(), 1);
    QCOMPARE(inside.at(0).at(0).toBool(), true);
    receive(QStringLiteral("Cu24V"), QStringLiteral("30"));
    QCOMPARE(inside.count(), 2);
    QCOMPARE(inside.at(1).at(0).toBool(), false);
    QVERIFY(!info.isInsideLimits());
    receive(QStringLiteral("Cu24V"), QStringLiteral("30"));
    QCOMPARE(inside.count(), 2);
}

void tst_RuntimePropertyInfo::integrity()
{
    RuntimePropertyInfo info(QStringLiteral("name=Trip"), m_runtime.get());
    QSignalSpy integrity(&info, &PropertyInfo::integrityChanged);
    receive(QStringLiteral("Trip"), QStringLiteral("1"));
    QCOMPARE(integrity.count(), 1);
    QVERIFY(info.integrityOk());
    // Marked invalid by its sender ("=F"): valid here, but without integrity.
    m_runtime->setSourceValid(QStringLiteral("Trip"), false);
    receive(QStringLiteral("Trip"), QStringLiteral("2"));
    QVERIFY(info.isValid());
    QVERIFY(!info.integrityOk());
    QCOMPARE(integrity.count(), 2);
    QCOMPARE(integrity.at(1).at(0).toBool(), false);
    QCOMPARE(info.text(), QStringLiteral("2.0 "));
}

void tst_RuntimePropertyInfo::valuesSentBack()
{
    RuntimePropertyInfo info(QStringLiteral("name=Trip unit=NM measurement=distance changeable=true "
                                            "longPress=Change;Default:0.0 numberOfDecimals=2"),
        m_runtime.get());
    receive(QStringLiteral("Trip"), QStringLiteral("12.5"));
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    info.setSourceValue(QStringLiteral("0.0"));
    QCOMPARE(texts.count(), 1);
    QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0.0"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(info.displayedValue(), QStringLiteral("0.0"));
    // The property itself waits for the next runtime data.
    QCOMPARE(m_runtime->Trip(), 12.5);
    info.setDisplayedValue(QStringLiteral("3"));
    QCOMPARE(texts.last().at(0).toString(), QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=3"));
}

void tst_RuntimePropertyInfo::companionAngle()
{
    RuntimePropertyWithAngleInfo speed(
        QStringLiteral("name=SpeedGPS unit=kn angleProperty=AngleSpeedGPS"), m_runtime.get());
    QCOMPARE(speed.anglePropertyName(), QStringLiteral("AngleSpeedGPS"));
    RuntimePropertyInfo angle(
        QStringLiteral("name=AngleSpeedGPS unit=° numberOfDecimals=1"), m_runtime.get());
    speed.setAnglePropertyInfo(&angle);
    QCOMPARE(speed.anglePropertyInfo(), &angle);
    QSignalSpy values(&speed, &PropertyInfo::valueChanged);
    QSignalSpy integrity(&speed, &PropertyInfo::integrityChanged);
    receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("45"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("45.0"));
    QCOMPARE(integrity.count(), 1);
    // A companion replaced is no longer heard.
    RuntimePropertyInfo other(QStringLiteral("name=AngleSpeedSOGLog"), m_runtime.get());
    speed.setAnglePropertyInfo(&other);
    receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("46"));
    QCOMPARE(values.count(), 1);
    receive(QStringLiteral("AngleSpeedSOGLog"), QStringLiteral("10"));
    QCOMPARE(values.count(), 2);
}

void tst_RuntimePropertyInfo::angleFault()
{
    QTest::ignoreMessage(QtDebugMsg, "Angle property not defined for property:  \"SpeedGPS\"");
    try {
        RuntimePropertyWithAngleInfo info(QStringLiteral("name=SpeedGPS angleProperty="), m_runtime.get());
        QFAIL("no exception");
    } catch (const char *text) {
        QCOMPARE(QString::fromLatin1(text), QStringLiteral("Angle property not defined!"));
    }
}

QTEST_MAIN(tst_RuntimePropertyInfo)
#include "tst_runtimepropertyinfo.moc"
