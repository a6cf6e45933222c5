// What every description shares: reading the description text, the validators it builds, the faults it
// throws, decimals, the displayed name, unit conversion and the following of the speed and depth scales,
// and the binding to the source property. Descriptions are bound to settings objects built for each test
// (the runtime values, the options setup); the scales are those of the process-wide settings tree, read
// through a registry of the test's own.

#include "comms/ListOfSfisOnNetwork.h"
#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/SatelliteInfoSerializableData.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

ESOptionsSetup *sharedOptions()
{
    return ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
}

// Puts the process-wide scales back to their first choices (kn, m) however a test left them.
struct ScalesReset
{
    ~ScalesReset()
    {
        sharedOptions()->setScalesSpeed(0);
        sharedOptions()->setScalesDepth(0);
    }
};

} // namespace

class tst_PropertyInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void grammar_data();
    void grammar();
    void autoModeItems_data();
    void autoModeItems();
    void faults_data();
    void faults();
    void validators_data();
    void validators();

    void decimals_data();
    void decimals();

    void displayedNameAndSuffix();
    void alternativeText();

    void unitFollowing_data();
    void unitFollowing();
    void scaleIndexOutsideItsList();
    void scaleChangeIsNeitherWrittenNorSent();

    void bindingByPropertyType_data();
    void bindingByPropertyType();
    void serializesThroughSourceObject();

private:
    std::unique_ptr<ESRuntime> m_runtime;
    std::unique_ptr<ESDataInfoClass::TestOverride> m_registry;
};

void tst_PropertyInfo::init()
{
    m_registry.reset(new ESDataInfoClass::TestOverride);
    m_runtime.reset(new ESRuntime(nullptr, QStringLiteral("ESRuntime")));
    m_runtime->initializeValidity(true);
    PropertyInfo::setNoDecimalsFrom100(true);
}

void tst_PropertyInfo::cleanup()
{
    m_runtime.reset();
    m_registry.reset();
    PropertyInfo::setNoDecimalsFrom100(true);
}

// ---------------------------------------------------------------------------------------------------------
// The description text

void tst_PropertyInfo::grammar_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("displayedName");
    QTest::addColumn<QString>("longPress");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("measurement");
    QTest::addColumn<QString>("changeable");
    QTest::addColumn<QString>("alternativeText");
    QTest::addColumn<int>("decimals");

    QTest::newRow("every common key")
        << "name=Trip nameToDisplay=Trip_Distance longPress=Change;Default:0.0 unit=NM measurement=distance "
           "changeable=true alternativeText=off numberOfDecimals=2"
        << "Trip"
        << "Trip Distance "
        << "Change;Default:0.0"
        << "NM"
        << "distance"
        << "true"
        << "off" << 2;
    QTest::newRow("defaults") << "name=Trip"
                              << "Trip"
                              << "Trip "
                              << ""
                              << ""
                              << "other"
                              << "false"
                              << "" << 1;
    QTest::newRow("key contained, not leading") << "XYname=Trip"
                                                << "Trip"
                                                << "Trip "
                                                << ""
                                                << ""
                                                << "other"
                                                << "false"
                                                << "" << 1;
    // "unit=" is tested before "alternativeText=".
    QTest::newRow("first key in table order") << "name=Trip alternativeText=Unit=x"
                                              << "Trip"
                                              << "Trip "
                                              << ""
                                              << "Unit"
                                              << "other"
                                              << "false"
                                              << "" << 1;
    QTest::newRow("last item wins") << "name=Speed name=Trip unit=kn unit=NM"
                                    << "Trip"
                                    << "Trip "
                                    << ""
                                    << "NM"
                                    << "other"
                                    << "false"
                                    << "" << 1;
    QTest::newRow("keys in any case") << "NAME=Trip NAMETODISPLAY=T_1 UNIT=NM"
                                      << "Trip"
                                      << "T 1 "
                                      << ""
                                      << "NM"
                                      << "other"
                                      << "false"
                                      << "" << 1;
    QTest::newRow("adjacent blanks and items without =") << "name=Trip  nameToDisplay=Heading_° showStatus  "
                                                         << "Trip"
                                                         << "Heading ° "
                                                         << ""
                                                         << ""
                                                         << "other"
                                                         << "false"
                                                         << "" << 1;
    QTest::newRow("underscores kept without nameToDisplay") << "name=GPS_StatusHdop"
                                                            << "GPS_StatusHdop"
                                                            << "GPS_StatusHdop "
                                                            << ""
                                                            << ""
                                                            << "other"
                                                            << "false"
                                                            << "" << 1;
    QTest::newRow("unitInTitle is not unit") << "name=Trip unitInTitle=true"
                                             << "Trip"
                                             << "Trip "
                                             << ""
                                             << ""
                                             << "other"
                                             << "false"
                                             << "" << 1;
    QTest::newRow("decimals that are no number") << "name=Trip numberOfDecimals=abc"
                                                 << "Trip"
                                                 << "Trip "
                                                 << ""
                                                 << ""
                                                 << "other"
                                                 << "false"
                                                 << "" << 0;
}

void tst_PropertyInfo::grammar()
{
    QFETCH(QString, description);
    RuntimePropertyInfo info(description, m_runtime.get());
    QTEST(info.name(), "name");
    QTEST(info.displayedName(), "displayedName");
    QTEST(info.longPress(), "longPress");
    QTEST(info.sourceUnit(), "unit");
    QTEST(info.displayedUnit(), "unit");
    QTEST(info.measurement(), "measurement");
    QTEST(info.changeable(), "changeable");
    QTEST(info.alternativeText(), "alternativeText");
    QTEST(info.numberOfDecimals(1.0), "decimals");
    QVERIFY(!info.autoMode());
}

void tst_PropertyInfo::autoModeItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("autoMode");
    QTest::newRow("exact") << "autoMode=true" << true;
    QTest::newRow("upper case") << "AUTOMODE=TRUE" << true;
    QTest::newRow("contained") << "autoMode=trueish" << true;
    QTest::newRow("false") << "autoMode=false" << false;
}

void tst_PropertyInfo::autoModeItems()
{
    QFETCH(QString, item);
    QFETCH(bool, autoMode);
    // The settings tree has no auto functions setting: Qt refuses the link and the mark never shows.
    if (autoMode) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such signal .*AutoFunctionsChanged"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sender name: .*OptionsSetup"));
    }
    RuntimePropertyInfo info(QStringLiteral("name=Trip nameToDisplay=Trip ") + item, m_runtime.get());
    QCOMPARE(info.autoMode(), autoMode);
    QCOMPARE(info.displayedName(), QStringLiteral("Trip "));
}

void tst_PropertyInfo::faults_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("fault");

    const QString noName = QStringLiteral("wrong property info parameters");
    QTest::newRow("empty") << "" << noName;
    QTest::newRow("empty name") << "name=" << noName;
    QTest::newRow("name without =") << "name nameToDisplay=Trip" << noName;
    QTest::newRow("float max") << "name=Trip validator=float;1;x"
                               << "wrong max parameter";
    QTest::newRow("float one bound") << "name=Trip validator=float;1"
                                     << "wrong float validator parameters";
    QTest::newRow("float no bound") << "name=Trip validator=float"
                                    << "wrong float validator parameters";
    QTest::newRow("float min read first") << "name=Trip validator=float;a;x"
                                          << "wrong min parameter";
    QTest::newRow("float too many") << "name=Trip validator=float;1;2;m;0;9"
                                    << "wrong float validator parameters";
    QTest::newRow("float additional") << "name=Trip validator=float;1;2;;x"
                                      << "wrong additional value parameter";
    QTest::newRow("int bounds before count") << "name=Trip validator=int;a;1;m;n"
                                             << "wrong min parameter";
    QTest::newRow("int too many") << "name=Trip validator=int;0;1;m;n"
                                  << "wrong int validator parameters";
    QTest::newRow("uint one bound") << "name=Trip validator=uint;0"
                                    << "wrong uint validator parameters";
    QTest::newRow("uint negative max") << "name=Trip validator=uint;0;-1"
                                       << "wrong max parameter";
    QTest::newRow("regex without pattern") << "name=Trip validator=regex"
                                           << "wrong regex validator parameters";
    QTest::newRow("regex too many") << "name=Trip validator=regex;a;b;c"
                                    << "wrong regex validator parameters";
    QTest::newRow("ip too many") << "name=Trip validator=ip;a;b"
                                 << "wrong ip validator parameters";
    QTest::newRow("sfi without pattern") << "name=Trip validator=sfi"
                                         << "wrong sfi validator parameters";
    QTest::newRow("sfi too many") << "name=Trip validator=sfi;a;b;c;d"
                                  << "wrong sfi validator parameters";
    // The converter knows only its own unit texts: found at start, not at the first scale change.
    QTest::newRow("speed unit the converter lacks")
        << "name=SpeedGPS unit=knots measurement=speed changeable=true"
        << "wrong unit of a changeable speed property info";
    QTest::newRow("depth unit the converter lacks")
        << "name=LOGDepth unit=M measurement=depth changeable=true"
        << "wrong unit of a changeable depth property info";
}

void tst_PropertyInfo::faults()
{
    QFETCH(QString, description);
    QFETCH(QString, fault);
    try {
        RuntimePropertyInfo info(description, m_runtime.get());
        QFAIL("no exception");
    } catch (const char *text) {
        QCOMPARE(QString::fromLatin1(text), fault);
    }
}

void tst_PropertyInfo::validators_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");

    const QString real = QStringLiteral("value must be a real number between %1 and %2!");
    QTest::newRow("float, default message") << "float;0.0;100.0"
                                            << "100" << true << real.arg(0).arg(100);
    QTest::newRow("float, additional value accepted") << "float;120.0;6000.0;;0.0"
                                                      << "0" << true << real.arg(120).arg(6000);
    QTest::newRow("float, below range") << "float;120.0;6000.0;;0.0"
                                        << "100" << false << real.arg(120).arg(6000);
    QTest::newRow("float, own message") << "float;1;2;Out_of_range"
                                        << "3" << false << "Out_of_range";
    QTest::newRow("uint, full range")
        << "uint;0;4294967295"
        << "4294967295" << true << "value must be an integer between 0 and 4294967295!";
    QTest::newRow("int") << "int;0;20000"
                         << "20001" << false << "value must be an integer between 0 and 20000!";
    QTest::newRow("uint before int") << "UINT;1;5"
                                     << "-1" << false << "value must be an integer between 1 and 5!";
    QTest::newRow("regex") << "regex;[a-zA-Z0-9]{2,10}"
                           << "a" << false << "- Invalid input!";
    QTest::newRow("regex cut at second =") << "regex;a=b"
                                           << "a" << true << "- Invalid input!";
    QTest::newRow("ip, underscores kept") << "ip;Wrong_message"
                                          << "10.0.0.1" << true << "Wrong_message";
    QTest::newRow("ip in capitals") << "IP"
                                    << "300.1.1.1" << false << "- Invalid value!";
    QTest::newRow("sfi, free") << "sfi;[a-zA-Z]{2}\\d{4}"
                               << "ZQ9999" << true << "- Invalid input!";
    QTest::newRow("sfi, seen on the network")
        << "sfi;[a-zA-Z]{2}\\d{4}"
        << "ZQ0001" << false << "- SFI is taken by another device on the network!";
    QTest::newRow("sfi, malformed") << "sfi;[a-zA-Z]{2}\\d{4}"
                                    << "Z1" << false << "- Invalid input!";
}

void tst_PropertyInfo::validators()
{
    QFETCH(QString, validator);
    QFETCH(QString, probe);
    RuntimePropertyInfo info(QStringLiteral("name=Trip validator=") + validator, m_runtime.get());
    QVERIFY(info.validator());
    // The SFI validator reads the live list of the network.
    QStringList *network = ListOfSfisOnNetwork::instance()->sfisOnNetwork();
    network->append(QStringLiteral("ZQ0001"));
    const bool accepted = info.validator()->validate(probe);
    network->removeAll(QStringLiteral("ZQ0001"));
    QTEST(accepted, "accepted");
    QTEST(info.validator()->message(), "message");
    // A kind the descriptions do not know builds none and is no fault.
    RuntimePropertyInfo none(QStringLiteral("name=Trip validator=date;x"), m_runtime.get());
    QVERIFY(!none.validator());
}

// ---------------------------------------------------------------------------------------------------------
// Decimals

void tst_PropertyInfo::decimals_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("processWide");
    QTest::addColumn<bool>("ownFlag");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");

    QTest::newRow("default") << "name=Trip" << false << false << 123.456 << 1;
    QTest::newRow("own count") << "name=Trip numberOfDecimals=3" << false << false << 123.456 << 3;
    QTest::newRow("process-wide from 100") << "name=Trip numberOfDecimals=3" << true << false << 123.456 << 0;
    QTest::newRow("process-wide, 100 inclusive") << "name=Trip" << true << false << 100.0 << 0;
    QTest::newRow("process-wide, below 100") << "name=Trip" << true << false << 99.95 << 1;
    QTest::newRow("process-wide, negative") << "name=Trip" << true << false << -123.4 << 1;
    QTest::newRow("own flag") << "name=Trip numberOfDecimals=2" << false << true << 150.0 << 0;
    QTest::newRow("negative count is no count")
        << "name=Trip numberOfDecimals=-3" << false << false << 1.0 << 1;
}

void tst_PropertyInfo::decimals()
{
    QFETCH(QString, description);
    QFETCH(bool, processWide);
    QFETCH(bool, ownFlag);
    QFETCH(double, value);
    PropertyInfo::setNoDecimalsFrom100(processWide);
    RuntimePropertyInfo info(description, m_runtime.get());
    info.setPropertyNoDecimalsFrom100(ownFlag);
    QTEST(info.numberOfDecimals(value), "decimals");
    QCOMPARE(PropertyInfo::defaultNumberOfDecimals(), 1);
    info.setNumberOfDecimals(4);
    QCOMPARE(info.numberOfDecimals(1.0), 4);
    info.setNumberOfDecimals(-1);
    QCOMPARE(info.numberOfDecimals(1.0), 1);
}

// ---------------------------------------------------------------------------------------------------------
// Name and alternative text

void tst_PropertyInfo::displayedNameAndSuffix()
{
    RuntimePropertyInfo info(QStringLiteral("name=PositionNS nameToDisplay=Lat"), m_runtime.get());
    QCOMPARE(info.displayedName(), QStringLiteral("Lat "));
    QSignalSpy names(&info, &PropertyInfo::displayedNameChanged);
    info.setNameSuffix(QStringLiteral("N/S"));
    QCOMPARE(info.nameSuffix(), QStringLiteral("N/S"));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toString(), QStringLiteral("Lat N/S"));
    QCOMPARE(info.displayedNameWithoutAuto(), QStringLiteral("Lat N/S"));
}

void tst_PropertyInfo::alternativeText()
{
    ESOptionsSetup options(nullptr, QStringLiteral("OptionsSetup"));
    options.initializeValidity(true);
    options.setMaxSpeed(0.0);
    ValuePropertyInfo info(
        QStringLiteral("name=MaxSpeed alternativeText=off validator=float;0;100"), &options);
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    info.setAlternativeTextShown(true);
    QVERIFY(info.isAlternativeTextShown());
    QCOMPARE(info.text(), QStringLiteral("off"));
    QCOMPARE(values.count(), 1);
    info.setAlternativeText(QStringLiteral("none"));
    QCOMPARE(info.text(), QStringLiteral("none"));
    info.setAlternativeTextShown(false);
    QCOMPARE(info.text(), QStringLiteral("0.0 "));
    QCOMPARE(values.count(), 3);
}

// ---------------------------------------------------------------------------------------------------------
// Units

void tst_PropertyInfo::unitFollowing_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("speedScale");
    QTest::addColumn<int>("depthScale");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("speed follows") << "name=SpeedGPS unit=kn measurement=speed changeable=true"
                                   << "10" << 1 << 0 << "m/s"
                                   << "5.1 m/s";
    QTest::newRow("speed to miles per hour") << "name=SpeedGPS unit=kn measurement=speed changeable=true"
                                             << "10" << 2 << 0 << "mi/h"
                                             << "11.5 mi/h";
    QTest::newRow("speed not changeable") << "name=SpeedGPS unit=kn measurement=speed changeable=false"
                                          << "10" << 1 << 0 << "kn"
                                          << "10.0 kn";
    QTest::newRow("speed, changeable not exactly true")
        << "name=SpeedGPS unit=kn measurement=speed changeable=TRUE"
        << "10" << 1 << 0 << "kn"
        << "10.0 kn";
    QTest::newRow("depth follows") << "name=LOGDepth unit=m measurement=depth changeable=true"
                                   << "10" << 0 << 1 << "ft"
                                   << "32.8 ft";
    QTest::newRow("depth ignores the speed scale") << "name=LOGDepth unit=m measurement=depth changeable=true"
                                                   << "10" << 2 << 0 << "m"
                                                   << "10.0 m";
    QTest::newRow("distance never follows") << "name=Trip unit=NM measurement=distance changeable=true"
                                            << "10" << 1 << 1 << "NM"
                                            << "10.0 NM";
    QTest::newRow("text that is no number") << "name=UtcDateTime unit=kn measurement=speed changeable=true"
                                            << "abc" << 1 << 0 << "m/s"
                                            << "abc m/s";
}

void tst_PropertyInfo::unitFollowing()
{
    QFETCH(QString, description);
    QFETCH(QString, received);
    QFETCH(int, speedScale);
    QFETCH(int, depthScale);
    const ScalesReset reset;
    RuntimePropertyInfo info(description, m_runtime.get());
    m_runtime->setProperty(info.name().toLatin1().constData(), received);
    sharedOptions()->setScalesSpeed(speedScale);
    sharedOptions()->setScalesDepth(depthScale);
    QTEST(info.displayedUnit(), "unit");
    QTEST(info.text(), "text");
}

void tst_PropertyInfo::scaleIndexOutsideItsList()
{
    const ScalesReset reset;
    RuntimePropertyInfo info(
        QStringLiteral("name=SpeedGPS unit=kn measurement=speed changeable=true"), m_runtime.get());
    sharedOptions()->setScalesSpeed(1);
    QCOMPARE(info.displayedUnit(), QStringLiteral("m/s"));
    // Shown as the scale's own description shows it: its first choice.
    sharedOptions()->setScalesSpeed(7);
    QCOMPARE(info.displayedUnit(), QStringLiteral("kn"));
}

void tst_PropertyInfo::scaleChangeIsNeitherWrittenNorSent()
{
    const ScalesReset reset;
    RuntimePropertyInfo speed(
        QStringLiteral("name=SpeedGPS unit=kn measurement=speed changeable=true"), m_runtime.get());
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy writes(sharedOptions(), &ESOptionsSetup::ScalesSpeedChanged);
    sharedOptions()->setScalesSpeed(2);
    QCOMPARE(speed.displayedUnit(), QStringLiteral("mi/h"));
    QCOMPARE(writes.count(), 1); // the change itself, written by nobody else
    QCOMPARE(texts.count(), 0);
    auto *scale = qobject_cast<EnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo("es", "ScalesSpeed", "OptionsSetup"));
    QVERIFY(scale);
    QCOMPARE(scale->currentIndex(), 2);
}

// ---------------------------------------------------------------------------------------------------------
// Binding

void tst_PropertyInfo::bindingByPropertyType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("double") << "Trip"
                            << "12.24"
                            << "12.2";
    QTest::newRow("int") << "UtcToLocalDateTimeSecsOffset"
                         << "3600"
                         << "3600.0";
    QTest::newRow("QString") << "StatusSatsNr"
                             << "7"
                             << "7.0";
    QTest::newRow("QString, no number") << "UtcDateTime"
                                        << "2024-01-02T03:04:05"
                                        << "2024-01-02T03:04:05";
}

void tst_PropertyInfo::bindingByPropertyType()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    RuntimePropertyInfo info(QStringLiteral("name=") + name, m_runtime.get());
    QSignalSpy values(&info, &PropertyInfo::valueChanged);
    m_runtime->setProperty(name.toLatin1().constData(), value);
    QCOMPARE(values.count(), 1);
    QTEST(values.at(0).at(0).toString(), "shown");
}

void tst_PropertyInfo::serializesThroughSourceObject()
{
    ESOptionsSetup options(nullptr, QStringLiteral("OptionsSetup"));
    options.initializeValidity(true);
    ValuePropertyInfo info(QStringLiteral("name=MaxSpeed validator=float;0;100"), &options);
    QSignalSpy texts(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QCOMPARE(info.serializeSingleProperty(QVariant(12.5)),
        QStringLiteral("Type_Setup,SingleProperty,OptionsSetup,MaxSpeed=12.5"));
    QCOMPARE(texts.count(), 1);
    QCOMPARE(
        texts.at(0).at(0).toString(), QStringLiteral("Type_Setup,SingleProperty,OptionsSetup,MaxSpeed=12.5"));
    QCOMPARE(info.sourceObject(), &options);

    // A property the source object lacks, or of a type no slot takes, is never followed; Qt says so.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QObject::connect"));
    RuntimePropertyInfo missing(QStringLiteral("name=NoSuchValue"), m_runtime.get());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QObject::connect"));
    RuntimePropertyInfo list(
        QStringLiteral("name=SatellitePosInfo"), ESDataClass::instance()->satelliteInfo());
    QSignalSpy values(&list, &PropertyInfo::valueChanged);
    ESDataClass::instance()->satelliteInfo()->setProperty(
        "SatellitePosInfo", QVariant::fromValue(QList<int> { 1 }));
    QCOMPARE(values.count(), 0);
}

QTEST_MAIN(tst_PropertyInfo)
#include "tst_propertyinfo.moc"
