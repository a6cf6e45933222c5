#include "SettingsListing.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESAUXSetup.h"
#include "data/ESOtherSettings.h"
#include "data/ESPortMessagesSetup.h"
#include "data/ESPortsSetup.h"
#include "data/ESSetup.h"
#include "data/EsPredefinedParameterSets.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace SettingsListing;

// The shared setup tree, built in a temporary working directory (the settings folder is relative
// to it): its objects, settings, defaults and descriptions, the setters, the files and what it does
// with bad input.
class tst_SetupTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listingMatchesGolden();
    void metaObjectShape();
    void setterAnnouncements();
    void specialWrites();
    void localSfiKeepsPrevious();
    void sensorMuteReannouncesPinging();
    void auxOptionLists();
    void treeTextNamesChildrenInOrder();
    void leafFiles();
    void softwareVersionIsForcedOverFile();
    void fileValuesReplaceDefaults();
    void badValuesAreRefused_data();
    void badValuesAreRefused();
    void badFileValuesAreRefused();
    void ownerValuesAreTaken_data();
    void ownerValuesAreTaken();
    void classesOutsideTheTree();

private:
    QString settingsFolder() const;
    void writeSettingsFile(const QString &name, const QByteArray &text);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void tst_SetupTree::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_SetupTree::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

QString tst_SetupTree::settingsFolder() const
{
    return QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName() + QLatin1Char('/');
}

void tst_SetupTree::writeSettingsFile(const QString &name, const QByteArray &text)
{
    QDir().mkpath(settingsFolder());
    QFile file(settingsFolder() + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), qint64(text.size()));
}

// Every object, setting, type, default and description of a tree built without files.
void tst_SetupTree::listingMatchesGolden()
{
    const QStringList golden
        = readGolden(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_setuptree_data/setup_tree.txt"), nullptr);
    QVERIFY(!golden.isEmpty());
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    const QStringList actual = list(&setup);
    for (int i = 0; i < qMin(golden.size(), actual.size()); ++i)
        QCOMPARE(actual.at(i), golden.at(i));
    QCOMPARE(actual.size(), golden.size());
}

void tst_SetupTree::metaObjectShape()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    const QStringList faults = shapeFaults(&setup);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY(setup.isRoot());
    QCOMPARE(setup.type(), QStringLiteral("Type_Setup"));
}

// Each setter announces every write, or only a change where the golden file says "onchange"; a
// different value is stored and announced with that value.
void tst_SetupTree::setterAnnouncements()
{
    QList<GoldenSetting> settings;
    readGolden(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_setuptree_data/setup_tree.txt"), &settings);
    QVERIFY(settings.size() > 100);
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    for (const GoldenSetting &setting : qAsConst(settings)) {
        SerializableClass *object = findObject(&setup, setting.object);
        QVERIFY2(object, qPrintable(setting.object));
        const QMetaProperty property = object->metaObject()->property(
            object->metaObject()->indexOfProperty(qPrintable(setting.property)));
        QVERIFY2(property.isValid(), qPrintable(setting.property));
        QSignalSpy spy(object, property.notifySignal());
        const QVariant before = property.read(object);
        QVERIFY(property.write(object, before));
        QVERIFY2(spy.count() == (setting.mode == QLatin1String("always") ? 1 : 0),
            qPrintable(setting.object + QLatin1Char('.') + setting.property));
        spy.clear();
        const QVariant other = otherValue(before);
        QVERIFY(property.write(object, other));
        QCOMPARE(property.read(object), other);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0), other);
        property.write(object, before);
    }
}

// A mark write publishes the manual mark on the settings hub every time.
void tst_SetupTree::specialWrites()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESOtherSettings *other = setup.OtherSettings();
    QSignalSpy markChanged(other, &ESOtherSettings::MarkChanged);
    QSignalSpy markString(serializableSignalEmitter(), &SignalEmitter::signalMarkString);
    QSignalSpy sent(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    other->setMark(0);
    other->setMark(0);
    QCOMPARE(markChanged.count(), 2);
    QCOMPARE(markChanged.at(1).at(0).toInt(), 0);
    QCOMPARE(markString.count(), 2);
    QCOMPARE(markString.at(0).at(0).toString(), QStringLiteral("ManualMark"));
    QCOMPARE(markString.at(1).at(0).toString(), QStringLiteral("ManualMark"));
    QCOMPARE(sent.count(), 0);
}

void tst_SetupTree::localSfiKeepsPrevious()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESTQ55Setup *tq55 = setup.TQ55Setup();
    QCOMPARE(tq55->previousLocalSFI(), QString(""));
    QVERIFY(!tq55->previousLocalSFI().isNull());
    QSignalSpy spy(tq55, &ESTQ55Setup::LocalSFIChanged);
    tq55->setLocalSFI(QStringLiteral("GN2002"));
    QCOMPARE(tq55->previousLocalSFI(), QStringLiteral("GN1001"));
    QCOMPARE(tq55->LocalSFI(), QStringLiteral("GN2002"));
    tq55->setLocalSFI(QStringLiteral("GN2002"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(tq55->previousLocalSFI(), QStringLiteral("GN1001"));
}

void tst_SetupTree::sensorMuteReannouncesPinging()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESTestScreenSetup *test = setup.TestScreenSetup();
    test->setCh1PingingOn(1);
    test->setCh2PingingOn(0);
    QStringList order;
    connect(test, &ESTestScreenSetup::SensorMuteChanged, this,
        [&](int v) { order << QStringLiteral("SensorMute=%1").arg(v); });
    connect(test, &ESTestScreenSetup::Ch1PingingOnChanged, this,
        [&](int v) { order << QStringLiteral("Ch1PingingOn=%1").arg(v); });
    connect(test, &ESTestScreenSetup::Ch2PingingOnChanged, this,
        [&](int v) { order << QStringLiteral("Ch2PingingOn=%1").arg(v); });
    test->setSensorMute(0);
    QCOMPARE(order, QStringList({ "SensorMute=0", "Ch1PingingOn=1", "Ch2PingingOn=0" }));
}

void tst_SetupTree::auxOptionLists()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESAUXSetup *aux = setup.AUXSetup();
    const QMetaObject *meta = aux->metaObject();
    auto enumList = [meta](const char *name) {
        const QString info = QString::fromUtf8(meta->classInfo(meta->indexOfClassInfo(name)).value());
        for (const QString &item : info.split(QLatin1Char(' ')))
            if (item.startsWith(QLatin1String("enumList=")))
                return item.mid(9).split(QLatin1Char(';'));
        return QStringList();
    };
    QCOMPARE(aux->auxInput4Options(), enumList("AuxInput4"));
    QCOMPARE(aux->auxOutput1Options(), enumList("AuxOutput1"));
    QCOMPARE(aux->auxOutput2Options(), enumList("AuxOutput2"));
    QCOMPARE(aux->auxOutput3RelayOptions(), enumList("AuxOutput3Relay"));
}

// The whole-tree text nests the children in the tree's order, with their depths.
void tst_SetupTree::treeTextNamesChildrenInOrder()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    const QString text = setup.serialize();
    QVERIFY(text.startsWith(QLatin1String("Type_Setup,SerializableClass1=AlertSetup,AlarmShallow=10.00,")));
    QStringList markers;
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items)
        if (item.startsWith(QLatin1String("SerializableClass")))
            markers << item;
    const QStringList expected {
        "SerializableClass1=AlertSetup",
        "SerializableClass1=AUXSetup",
        "SerializableClass1=DiagnosticsSetup",
        "SerializableClass1=SetupSetup",
        "SerializableClass2=OptionsSetup",
        "SerializableClass1=CommunicationsSetup",
        "SerializableClass2=NmeaPort1Setup",
        "SerializableClass2=NmeaPort2Setup",
        "SerializableClass2=NmeaPort3Setup",
        "SerializableClass2=UdpPortSetup",
        "SerializableClass2=AdditionalNmeaPort1Setup",
        "SerializableClass2=AdditionalNmeaPort2Setup",
        "SerializableClass2=AdditionalNmeaPort3Setup",
        "SerializableClass1=HistorySetup",
        "SerializableClass1=TQ55Setup",
        "SerializableClass1=OtherSettings",
        "SerializableClass1=TestScreenSetup",
        "SerializableClass1=CommunicationsLoggingSetup",
        "SerializableClass2=CommonLoggingSetup",
        "SerializableClass2=InputLoggingSetup",
        "SerializableClass2=OutputLoggingSetup",
        "SerializableClass2=ErrorLoggingSetup",
    };
    QCOMPARE(markers, expected);

    // The text read back into a second tree gives the same values.
    setup.AlertSetup()->setAlarmShallow(42.5);
    setup.TQ55Setup()->setSystemName(QStringLiteral("BRIDGE2"));
    setup.CommunicationsLoggingSetup()->ErrorLoggingSetup()->setUdpBinaryDatagram(1);
    QDir(settingsFolder()).removeRecursively();
    ESSetup copy(nullptr, QStringLiteral("ESSetup"));
    QVERIFY(copy.deserializeAll(setup.serialize()));
    QCOMPARE(copy.AlertSetup()->AlarmShallow(), 42.5);
    QCOMPARE(copy.TQ55Setup()->SystemName(), QStringLiteral("BRIDGE2"));
    QCOMPARE(copy.CommunicationsLoggingSetup()->ErrorLoggingSetup()->UdpBinaryDatagram(), 1);
}

// One file per leaf, named after the object, none for the containers.
void tst_SetupTree::leafFiles()
{
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    QVERIFY(QDir(settingsFolder()).entryList(QDir::Files).isEmpty());
    setup.saveAllChildrenToFiles();
    QStringList expected;
    for (const char *name :
        { "AlertSetup", "AUXSetup", "DiagnosticsSetup", "OptionsSetup", "NmeaPort1Setup", "NmeaPort2Setup",
            "NmeaPort3Setup", "UdpPortSetup", "AdditionalNmeaPort1Setup", "AdditionalNmeaPort2Setup",
            "AdditionalNmeaPort3Setup", "HistorySetup", "TQ55Setup", "OtherSettings", "TestScreenSetup",
            "CommonLoggingSetup", "InputLoggingSetup", "OutputLoggingSetup", "ErrorLoggingSetup" })
        expected << QStringLiteral("JB_%1.txt").arg(QLatin1String(name));
    expected.sort();
    QStringList files = QDir(settingsFolder()).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, expected);
}

void tst_SetupTree::softwareVersionIsForcedOverFile()
{
    writeSettingsFile(QStringLiteral("JB_TQ55Setup.txt"), "SystemName=BRIDGE2,SoftwareVersion=SW-R219-9.9.9");
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    QCOMPARE(setup.TQ55Setup()->SystemName(), QStringLiteral("BRIDGE2"));
    QCOMPARE(setup.TQ55Setup()->SoftwareVersion(), QStringLiteral("SW-R219-0.2.0"));

    setup.TQ55Setup()->setSoftwareVersion(QStringLiteral("SW-R219-1.0.0"));
    QSignalSpy spy(setup.TQ55Setup(), &ESTQ55Setup::SoftwareVersionChanged);
    setup.applySoftwareVersionDefault();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("SW-R219-0.2.0"));
}

void tst_SetupTree::fileValuesReplaceDefaults()
{
    writeSettingsFile(QStringLiteral("JB_NmeaPort3Setup.txt"), "InputEnabled=1,Baud=2,GSV=0");
    writeSettingsFile(QStringLiteral("JB_ErrorLoggingSetup.txt"), "UdpNmeaDatagram=1");
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESPortSetup *port3 = setup.CommunicationsSetup()->NmeaPort3Setup();
    QCOMPARE(port3->InputEnabled(), 1);
    QCOMPARE(port3->Baud(), 2);
    QCOMPARE(port3->GSV(), 0);
    QCOMPARE(port3->GSA(), 1);
    QCOMPARE(setup.CommunicationsSetup()->NmeaPort1Setup()->Baud(), 0);
    QCOMPARE(setup.CommunicationsLoggingSetup()->ErrorLoggingSetup()->UdpNmeaDatagram(), 1);
    QCOMPARE(setup.CommunicationsLoggingSetup()->ErrorLoggingSetup()->Nmea1(), 0);
    QVERIFY(port3->isValid(QStringLiteral("Baud")));
}

// A received value that the property cannot take, or that its description's validator refuses,
// leaves the value and its validity as they were.
void tst_SetupTree::badValuesAreRefused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("kept");

    QTest::newRow("double not a number") << "AlertSetup"
                                         << "AlarmShallow=deep"
                                         << "AlarmShallow" << QVariant(10.0);
    QTest::newRow("double above validator") << "AlertSetup"
                                            << "AlarmShallow=500"
                                            << "AlarmShallow" << QVariant(10.0);
    QTest::newRow("double below validator") << "AlertSetup"
                                            << "AlarmShallow=1"
                                            << "AlarmShallow" << QVariant(10.0);
    QTest::newRow("sfi refused") << "AlertSetup"
                                 << "AlarmSFI=Z1235"
                                 << "AlarmSFI" << QVariant("ZQ1235");
    QTest::newRow("int with fraction") << "AlertSetup"
                                       << "AlarmShallowID=12.7"
                                       << "AlarmShallowID" << QVariant(230);
    QTest::newRow("int above validator") << "AlertSetup"
                                         << "AlarmShallowID=20001"
                                         << "AlarmShallowID" << QVariant(230);
    QTest::newRow("uint negative") << "TQ55Setup"
                                   << "TQ55SerialNumber=-5"
                                   << "TQ55SerialNumber" << QVariant(99999u);
    QTest::newRow("regex refused") << "TQ55Setup"
                                   << "SystemName=A"
                                   << "SystemName" << QVariant("MIRLOX");
    QTest::newRow("int below validator, nested leaf") << "SetupSetup,OptionsSetup"
                                                      << "RotAverage=0"
                                                      << "RotAverage" << QVariant(1);
    QTest::newRow("date text refused") << "TestScreenSetup"
                                       << "CounterResetDateTime=32-01-2015-00-00"
                                       << "CounterResetDateTime" << QVariant("01-01-2015-00-00");
    // An enumeration's index outside its list: the screen would show the first choice while the port
    // rules and the drawing act on the number.
    QTest::newRow("enum past its list") << "CommunicationsSetup,NmeaPort1Setup"
                                        << "VBW=99"
                                        << "VBW" << QVariant(1);
    QTest::newRow("enum, largest int") << "SetupSetup,OptionsSetup"
                                       << "VesselImage=2147483647"
                                       << "VesselImage" << QVariant(0);
    QTest::newRow("enum negative") << "SetupSetup,OptionsSetup"
                                   << "ScalesSpeed=-1"
                                   << "ScalesSpeed" << QVariant(0);
    QTest::newRow("enum one past its list") << "TQ55Setup"
                                            << "Group=8"
                                            << "Group" << QVariant(2);
}

void tst_SetupTree::badValuesAreRefused()
{
    QFETCH(QString, path);
    QFETCH(QString, item);
    QFETCH(QString, property);
    QFETCH(QVariant, kept);

    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    const QString leafName = path.split(QLatin1Char(',')).last();
    SerializableClass *leaf = findObject(&setup, leafName);
    QVERIFY(leaf);
    // Marked invalid first, so that a refused value that set the flag would show.
    const QString prefix = QStringLiteral("Type_Setup,SingleProperty,ESSetup,") + path + QLatin1Char(',');
    bool ok = true;
    setup.applySingleProperty(prefix + property + QLatin1Char('='), &ok);
    QVERIFY(!leaf->isValid(property));
    QSignalSpy spy(leaf,
        leaf->metaObject()
            ->property(leaf->metaObject()->indexOfProperty(qPrintable(property)))
            .notifySignal());

    ok = true;
    setup.applySingleProperty(prefix + item, &ok);
    QVERIFY(!ok);
    QCOMPARE(leaf->property(qPrintable(property)), kept);
    QVERIFY(!leaf->isValid(property));
    QCOMPARE(spy.count(), 0);

    // The same through the whole-object text.
    const QStringList objects = path.split(QLatin1Char(','));
    QString text = QStringLiteral("Type_Setup");
    for (int depth = 0; depth < objects.size(); ++depth)
        text += QStringLiteral(",SerializableClass%1=").arg(depth + 1) + objects.at(depth);
    setup.deserializeAll(text + QLatin1Char(',') + item);
    QCOMPARE(leaf->property(qPrintable(property)), kept);
    QVERIFY(!leaf->isValid(property));
    QCOMPARE(spy.count(), 0);
}

// Files are checked like received texts: damaged values keep their defaults, good ones are read.
void tst_SetupTree::badFileValuesAreRefused()
{
    writeSettingsFile(QStringLiteral("JB_AlertSetup.txt"),
        "AlarmShallow=500.00,AlertType=2,AlarmSFI=bad,AlertDeepID=x,EscalationTime=4");
    writeSettingsFile(QStringLiteral("JB_OptionsSetup.txt"), "VesselImage=99,ScalesSpeed=2,ScalesDepth=3");
    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    ESAlertSetup *alert = setup.AlertSetup();
    QCOMPARE(alert->AlarmShallow(), 10.0);
    QCOMPARE(alert->AlarmSFI(), QStringLiteral("ZQ1235"));
    QCOMPARE(alert->AlertDeepID(), 10456);
    QCOMPARE(alert->AlertType(), 2);
    QCOMPARE(alert->EscalationTime(), 4);
    ESOptionsSetup *options = setup.SetupSetup()->OptionsSetup();
    QCOMPARE(options->VesselImage(), 0);
    QCOMPARE(options->ScalesSpeed(), 2);
    QCOMPARE(options->ScalesDepth(), 0);
}

// Values that only the junction box sets: the screen's entry rules for them (a read-only marker, a
// one-point "reset only" range, a sentinel default) must not throw real values away.
void tst_SetupTree::ownerValuesAreTaken_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("read-only MAC address") << "TQ55Setup"
                                           << "MacAddress=00:11:22:33:44:55"
                                           << "MacAddress" << QVariant("00:11:22:33:44:55");
    QTest::newRow("read-only software version") << "TQ55Setup"
                                                << "SoftwareVersion=SW-R219-0.3.1"
                                                << "SoftwareVersion" << QVariant("SW-R219-0.3.1");
    QTest::newRow("distance total, reset-only range") << "OtherSettings"
                                                      << "TotalSerializableValue=1234.5"
                                                      << "TotalSerializableValue" << QVariant(1234.5);
    QTest::newRow("sentinel default") << "TestScreenSetup"
                                      << "HoursSinceCounterReset=-1.0"
                                      << "HoursSinceCounterReset" << QVariant(-1.0);
    QTest::newRow("enum, last of its list") << "SetupSetup,OptionsSetup"
                                            << "VesselImage=3"
                                            << "VesselImage" << QVariant(3);
    QTest::newRow("enum, last group") << "TQ55Setup"
                                      << "Group=7"
                                      << "Group" << QVariant(7);
    QTest::newRow("enum, list of sixteen") << "TestScreenSetup"
                                           << "BitShift=15"
                                           << "BitShift" << QVariant(15);
}

void tst_SetupTree::ownerValuesAreTaken()
{
    QFETCH(QString, path);
    QFETCH(QString, item);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    ESSetup setup(nullptr, QStringLiteral("ESSetup"));
    SerializableClass *leaf = findObject(&setup, path.split(QLatin1Char(',')).last());
    QVERIFY(leaf);
    QVERIFY(leaf->metaObject()->indexOfProperty(qPrintable(property)) >= 0);
    bool ok = false;
    setup.applySingleProperty(
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,") + path + QLatin1Char(',') + item, &ok);
    QVERIFY(ok);
    QCOMPARE(leaf->property(qPrintable(property)), expected);
    QVERIFY(leaf->isValid(property));
}

// Classes that nothing constructs still carry their settings and descriptions.
void tst_SetupTree::classesOutsideTheTree()
{
    auto settingsOf = [](SerializableClass *object) {
        QStringList lines;
        const QMetaObject *meta = object->metaObject();
        for (int i = 1; i < meta->propertyCount(); ++i)
            lines << QString::fromLatin1(meta->property(i).name()) + QLatin1Char(' ')
                    + QString::fromUtf8(meta->classInfo(i - 1).value());
        return lines;
    };
    ESPortsSetup ports(nullptr, QStringLiteral("PortsSetup"));
    QVERIFY(shapeFaults(&ports).isEmpty());
    ports.setDefaultValuesFromClassInfo_RecursivelyForAllChildren(SerializableExclusionMap());
    QCOMPARE(settingsOf(&ports),
        QStringList(
            { "Baud1 type=enum name=Baud1 nameToDisplay=Baud_1 enumList=4800;38400;115200 isProtected=true",
                "Baud2 type=enum name=Baud2 nameToDisplay=Baud_2 enumList=4800;38400;115200 isProtected=true",
                "Baud3 type=enum name=Baud3 nameToDisplay=Baud_3 enumList=4800;38400;115200 "
                "isProtected=true" }));
    QCOMPARE(ports.Baud2(), 0);

    const QStringList formatters { "VBW", "VTG", "GGA", "GLL", "VLW", "GSA", "GSV", "ROT", "THS", "HDT" };
    ESPort1MessagesSetup port1(nullptr, QStringLiteral("Port1MessagesSetup"));
    ESPort2MessagesSetup port2(nullptr, QStringLiteral("Port2MessagesSetup"));
    ESPort3MessagesSetup port3(nullptr, QStringLiteral("Port3MessagesSetup"));
    ESPortUDPMessagesSetup portUdp(nullptr, QStringLiteral("PortUDPMessagesSetup"));
    const QList<QPair<SerializableClass *, int>> messageSetups { { &port1, 1 }, { &port2, 2 }, { &port3, 3 },
        { &portUdp, 4 } };
    for (const auto &entry : messageSetups) {
        QVERIFY(shapeFaults(entry.first).isEmpty());
        QStringList expected;
        for (const QString &formatter : formatters)
            expected << QStringLiteral(
                "%1%2 type=enum name=%1%2 nameToDisplay=%1 enumList=ON;off isProtected=true")
                            .arg(formatter)
                            .arg(entry.second);
        QCOMPARE(settingsOf(entry.first), expected);
    }

    EsPredefinedParameterSets sets(nullptr, QStringLiteral("PredefinedParameterSets"));
    QVERIFY(shapeFaults(&sets).isEmpty());
    QStringList names;
    for (EsParameterSet *set : sets.parameterSets())
        names << set->objectName();
    QCOMPARE(names,
        QStringList(
            { "ParametersForRange10", "ParametersForRange20", "ParametersForRange50", "ParametersForRange100",
                "ParametersForRange200", "ParametersForRange400", "ParametersForRange500",
                "ParametersForRange1000", "ParametersForRange2000", "ParametersForRange3000",
                "ParametersForRange4000", "ParametersForRange5000", "ParametersForRange6000" }));
    QCOMPARE(sets.ParametersForRange400(), sets.parameterSets().at(5));
}

QTEST_GUILESS_MAIN(tst_SetupTree)
#include "tst_setuptree.moc"
