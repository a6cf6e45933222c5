// The settings root: the tree it builds, the texts it passes on for sending, the restores of defaults
// that keep the identity settings, and the whole real trees through text and files.

#include "common/SignalEmitter.h"
#include "data/DataSingleton.h"
#include "data/ESBottomBars.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/MarkClass.h"
#include "data/SatelliteInfoSerializableData.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<SerializableClass *> leavesOf(SerializableClass *object)
{
    const QList<SerializableClass *> children = object->settingsChildren();
    if (children.isEmpty())
        return { object };
    QList<SerializableClass *> leaves;
    for (SerializableClass *child : children)
        leaves += leavesOf(child);
    return leaves;
}

QString fileText(SerializableClass *object)
{
    QFile file(object->directory() + object->fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

struct Identity
{
    const char *property;
    QVariant value;
};

// Identity and port-test values that survive a restore, with values that differ from every default.
const QList<Identity> &displayIdentity()
{
    static const QList<Identity> identity = {
        { "DisplaySerialNumber", 123456u },
        { "LocalSFI", QStringLiteral("GN4242") },
        { "PairedSFI", QStringLiteral("GN4343") },
        { "IP", QStringLiteral("10.1.2.3") },
        { "MacAddress", QStringLiteral("00:11:22:33:44:55") },
        { "SystemName", QStringLiteral("Bridge_2") },
        { "Group", 5 },
    };
    return identity;
}

const QList<Identity> &junctionBoxIdentity()
{
    static const QList<Identity> identity = {
        { "TQ55SerialNumber", 654321u },
        { "LocalSFI", QStringLiteral("GN5151") },
        { "IP", QStringLiteral("10.9.8.7") },
        { "MacAddress", QStringLiteral("66:77:88:99:AA:BB") },
        { "SystemName", QStringLiteral("Mast_1") },
        { "Group", 6 },
    };
    return identity;
}

const char *const portStatus[] = { "NmeaPort1Status", "NmeaPort2Status", "NmeaPort3Status" };

} // namespace

class tst_ESDataClass : public QObject
{
    Q_OBJECT

private slots:
    void tree();
    void textsLeaveThroughParseData();
    void dataSingleton();
    void restoreLocalSetupDefaults();
    void restoreSetupDefaults();
    void restoreSetupDefaultsExceptIO();
    void sharedSetupThroughText();
    void runtimeThroughText();
    void treeFromFiles();
    void receivedTextsNotApplied_data();
    void receivedTextsNotApplied();
    void monitorTextsTakeBlanks();
};

void tst_ESDataClass::tree()
{
    ESDataClass *data = ESDataClass::instance();
    QVERIFY(data);
    QCOMPARE(ESDataClass::instance(), data);

    struct Root
    {
        SerializableClass *object;
        const char *name;
        bool ownedByData;
    };
    const QList<Root> roots = {
        { data->setup(), "ESSetup", false },
        { data->runtime(), "ESRuntime", false },
        { data->localSetup(), "ESLocalSetup", false },
        { data->bottomBars(), "ESBottomBars", false },
        { data->alerts(), "ESAlerts", true },
        { data->markObject(), "MarkObject", false },
        { data->communicationInformation(), "ComminicationInformation", true },
        { data->satelliteInfo(), "SatelliteInfoSerializableData", true },
    };
    for (const Root &root : roots) {
        QVERIFY2(root.object, root.name);
        QCOMPARE(root.object->objectName(), QString::fromLatin1(root.name));
        QCOMPARE(root.object->parent() == data, root.ownedByData);
        QVERIFY(root.object->isRoot());
    }
    QCOMPARE(data->setupObject(), static_cast<SerializableClass *>(data->setup()));
    QCOMPARE(data->runtimeObject(), static_cast<SerializableClass *>(data->runtime()));
    QCOMPARE(data->localSetupObject(), static_cast<SerializableClass *>(data->localSetup()));

    // The ids of a kind count constructions, so they show the order in which the roots were made.
    QVERIFY(data->runtime()->id() < data->bottomBars()->id());
    QCOMPARE(data->alerts()->id() - 4000, data->bottomBars()->id() + 1);
    QVERIFY(data->setup()->id() < data->communicationInformation()->id());
    QCOMPARE(data->satelliteInfo()->id(), data->communicationInformation()->id() + 1);
    for (SerializableClass *leaf : leavesOf(data->setup()))
        QVERIFY(leaf->id() < data->communicationInformation()->id());
    QCOMPARE(data->communicationInformation()->type(), QStringLiteral("Type_SetupCommsInfo"));
    QCOMPARE(data->satelliteInfo()->type(), QStringLiteral("Type_SatelliteInfo"));

    QCOMPARE(data->setupExclusionMap().size(), 2);
    QCOMPARE(data->localExclusionMap().size(), 2);
}

void tst_ESDataClass::textsLeaveThroughParseData()
{
    ESDataClass *data = ESDataClass::instance();
    QSignalSpy sent(data, &AbstractDataClass::parseData);
    emit serializableSignalEmitter()->signalEmitString(QStringLiteral("text"));
    QCOMPARE(sent.count(), 1);
    QCOMPARE(
        sent.at(0), QList<QVariant>({ QStringLiteral("text"), QStringLiteral("PQRVAVG"), QStringList() }));
    emit serializableSignalEmitter()->signalSerializedSetupAndDestinationSfis(
        QStringLiteral("whole"), { QStringLiteral("GN1001") });
    QCOMPARE(sent.count(), 2);
    QCOMPARE(sent.at(1),
        QList<QVariant>({ QStringLiteral("whole"), QStringLiteral("PQRVAVG"), QStringList({ "GN1001" }) }));

    // A change made on this unit reaches parseData before the call returns.
    const QString text = data->setup()->AlertSetup()->serializeSingleProperty(QStringLiteral("AlertType"), 2);
    QCOMPARE(sent.count(), 3);
    QCOMPARE(sent.at(2).at(0).toString(), text);
    QCOMPARE(text, QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlertType=2"));
}

void tst_ESDataClass::dataSingleton()
{
    DataSingleton *holder = DataSingleton::instance();
    QCOMPARE(DataSingleton::instance(), holder);
    QCOMPARE(holder->dataClass(), ESDataClass::instance());
    holder->selectDataClass(QStringLiteral("xyz"));
    QCOMPARE(holder->dataClass(), ESDataClass::instance());
    holder->selectDataClass(QStringLiteral("ES"));
    QCOMPARE(holder->dataClass(), ESDataClass::instance());
}

void tst_ESDataClass::restoreLocalSetupDefaults()
{
    ESDataClass *data = ESDataClass::instance();
    ESLocalSetup *local = data->localSetup();
    CU_R207_Setup *display = local->DisplaySetup();
    SerializableClass *other = local->OtherLocalSettings();

    // Restore once so that every value is at its default whatever the constructors left.
    data->restoreLocalSetupDefaults();
    const QString defaults = local->serialize();
    QList<QVariant> originals;
    for (const Identity &identity : displayIdentity())
        originals.append(display->property(identity.property));

    for (const Identity &identity : displayIdentity())
        QVERIFY2(display->setProperty(identity.property, identity.value), identity.property);
    for (const char *status : portStatus)
        QVERIFY(other->setProperty(status, 2));
    QVERIFY(display->setProperty("ButtonBeep", display->property("ButtonBeep").toInt() == 0 ? 1 : 0));
    QVERIFY(local->RuntimeScreenSetupA()->setProperty("ShowPage", 1));
    QVERIFY(local->serialize() != defaults);

    for (SerializableClass *leaf : leavesOf(local))
        QFile::remove(leaf->directory() + leaf->fileName());
    data->restoreLocalSetupDefaults();

    for (const Identity &identity : displayIdentity())
        QCOMPARE(display->property(identity.property), identity.value);
    for (const char *status : portStatus)
        QCOMPARE(other->property(status).toInt(), 2);
    QCOMPARE(local->RuntimeScreenSetupA()->property("ShowPage").toInt(), 0);
    // Every local file rewritten with what the tree now holds.
    for (SerializableClass *leaf : leavesOf(local))
        QCOMPARE(fileText(leaf), leaf->serialize());

    // Apart from the kept values, exactly the defaults.
    for (int i = 0; i < displayIdentity().size(); ++i)
        display->setProperty(displayIdentity().at(i).property, originals.at(i));
    for (const char *status : portStatus)
        other->setProperty(status, 0);
    QCOMPARE(local->serialize(), defaults);
}

void tst_ESDataClass::restoreSetupDefaults()
{
    ESDataClass *data = ESDataClass::instance();
    ESSetup *setup = data->setup();
    data->restoreSetupDefaults();
    const QString defaults = setup->serialize();
    SerializableClass *tq55 = setup->TQ55Setup();
    SerializableClass *other = setup->OtherSettings();
    QList<QVariant> originals;
    for (const Identity &identity : junctionBoxIdentity())
        originals.append(tq55->property(identity.property));

    for (const Identity &identity : junctionBoxIdentity())
        QVERIFY2(tq55->setProperty(identity.property, identity.value), identity.property);
    for (const char *status : portStatus)
        QVERIFY(other->setProperty(status, 2));
    QVERIFY(other->setProperty("TransceiverPortStatus", 2));
    QVERIFY(other->setProperty("Mark", 1));
    QVERIFY(setup->AlertSetup()->setProperty("AlertType", 3));

    for (SerializableClass *leaf : leavesOf(setup))
        QFile::remove(leaf->directory() + leaf->fileName());
    QSignalSpy sent(data, &AbstractDataClass::parseData);
    data->restoreSetupDefaults();

    for (const Identity &identity : junctionBoxIdentity())
        QCOMPARE(tq55->property(identity.property), identity.value);
    for (const char *status : portStatus)
        QCOMPARE(other->property(status).toInt(), 2);
    QCOMPARE(other->property("TransceiverPortStatus").toInt(), 2);
    QCOMPARE(other->property("Mark").toInt(), 1);
    QCOMPARE(setup->AlertSetup()->property("AlertType").toInt(), 1);
    // The whole setup is sent once; no file is written.
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toString(), setup->serialize());
    QVERIFY(sent.at(0).at(2).toStringList().isEmpty());
    for (SerializableClass *leaf : leavesOf(setup))
        QVERIFY(!QFile::exists(leaf->directory() + leaf->fileName()));

    for (int i = 0; i < junctionBoxIdentity().size(); ++i)
        tq55->setProperty(junctionBoxIdentity().at(i).property, originals.at(i));
    for (const char *status : portStatus)
        other->setProperty(status, 0);
    other->setProperty("TransceiverPortStatus", 0);
    other->setProperty("Mark", 0);
    QCOMPARE(setup->serialize(), defaults);
}

void tst_ESDataClass::restoreSetupDefaultsExceptIO()
{
    ESDataClass *data = ESDataClass::instance();
    ESSetup *setup = data->setup();
    data->restoreSetupDefaults();
    SerializableClass *port
        = setup->CommunicationsSetup()->findChild<SerializableClass *>(QStringLiteral("NmeaPort1Setup"));
    QVERIFY(port);
    const int baud = port->property("Baud").toInt();
    QVERIFY(port->setProperty("Baud", baud == 2 ? 1 : 2));
    const QVariant changed = port->property("Baud");
    QVERIFY(setup->AlertSetup()->setProperty("AlertType", 3));

    data->restoreSetupDefaultsExceptIO();
    QCOMPARE(port->property("Baud"), changed);
    QCOMPARE(setup->AlertSetup()->property("AlertType").toInt(), 1);
    QCOMPARE(data->setupExclusionMap().size(), 2);

    data->restoreSetupDefaults();
    QCOMPARE(port->property("Baud").toInt(), baud);
}

// The whole shared setup, written as text and read by a second tree, comes back identical.
void tst_ESDataClass::sharedSetupThroughText()
{
    ESSetup *setup = ESDataClass::instance()->setup();
    QVERIFY(setup->AlertSetup()->setProperty("AlarmShallow", 42.5));
    QVERIFY(setup->AlertSetup()->setProperty("AlertType", 2));
    const QString text = setup->serialize();
    QVERIFY(text.startsWith(QStringLiteral("Type_Setup,SerializableClass1=AlertSetup,AlarmShallow=42.50,")));
    QVERIFY(text.contains(QStringLiteral(",SerializableClass1=SetupSetup,SerializableClass2=OptionsSetup,")));

    ESSetup receiver(nullptr, QStringLiteral("ESSetup"));
    QVERIFY(receiver.serialize() != text);
    QVERIFY(receiver.deserializeAll(text));
    QCOMPARE(receiver.serialize(), text);
    ESDataClass::instance()->restoreSetupDefaults();
}

void tst_ESDataClass::runtimeThroughText()
{
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    QVERIFY(
        runtime->deserializeSingleProperty(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0")));
    QCOMPARE(runtime->property("Trip").toDouble(), 0.0);
    QVERIFY(runtime->isValid(QStringLiteral("Trip")));
    QVERIFY(runtime->deserializeAll(
        QStringLiteral("Type_Runtime,SpeedGPS=12.34=T,PositionNS=5430.123N=F,Heading==T")));
    const QString text = runtime->serialize();
    QVERIFY(text.startsWith(QStringLiteral("Type_Runtime,")));
    QVERIFY(text.contains(QStringLiteral(",SpeedGPS=12.34=T,")));
    QVERIFY(text.contains(QStringLiteral(",PositionNS=5430.123N=F,")));
    QVERIFY(text.contains(QStringLiteral(",Trip=0.00=T,")));
    QVERIFY(text.contains(QStringLiteral(",Heading==T,")));

    ESRuntime receiver(nullptr, QStringLiteral("ESRuntime"));
    QVERIFY(receiver.deserializeAll(text));
    QCOMPARE(receiver.serialize(), text);
}

// Trees built while every file is present take their values from the files.
void tst_ESDataClass::treeFromFiles()
{
    ESDataClass *data = ESDataClass::instance();
    ESSetup *setup = data->setup();
    ESLocalSetup *local = data->localSetup();
    QVERIFY(setup->AlertSetup()->setProperty("AlarmShallow", 33.25));
    QVERIFY(setup->AlertSetup()->setProperty("AlertType", 3));
    QVERIFY(local->RuntimeScreenSetupC()->setProperty("BottomBar2", 5));
    setup->saveAllChildrenToFiles();
    local->saveAllChildrenToFiles();

    ESSetup setupFromFiles(nullptr, QStringLiteral("ESSetup"));
    QCOMPARE(setupFromFiles.serialize(), setup->serialize());
    ESLocalSetup localFromFiles(nullptr, QStringLiteral("ESLocalSetup"));
    QCOMPARE(localFromFiles.serialize(), local->serialize());

    data->restoreSetupDefaults();
    data->restoreLocalSetupDefaults();
}

void tst_ESDataClass::receivedTextsNotApplied_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("another root") << "Type_Setup,SingleProperty,ESRuntime,Trip=0";
    QTest::newRow("no such object") << "Type_Setup,SingleProperty,ESSetup,Nothing,AlertType=2";
    QTest::newRow("refused by the validator")
        << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=1.0";
    QTest::newRow("not a number") << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlertType=two";
    QTest::newRow("blank in an SFI") << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmSFI=ZQ 123";
}

void tst_ESDataClass::receivedTextsNotApplied()
{
    QFETCH(QString, text);
    ESSetup *setup = ESDataClass::instance()->setup();
    const QString before = setup->serialize();
    QVERIFY(!setup->deserializeSingleProperty(text));
    QCOMPARE(setup->serialize(), before);
}

// The communication monitor's texts are never stored: a blank in them is taken.
void tst_ESDataClass::monitorTextsTakeBlanks()
{
    ESCommunicationInformation *monitor = ESDataClass::instance()->communicationInformation();
    QVERIFY(monitor->deserializeSingleProperty(QStringLiteral(
        "Type_SetupCommsInfo,SingleProperty,ComminicationInformation,CommsData=12:00:01 $GPZDA;1")));
    QCOMPARE(monitor->property("CommsData").toString(), QStringLiteral("12:00:01 $GPZDA;1"));
}

QTEST_GUILESS_MAIN(tst_ESDataClass)
#include "tst_esdataclass.moc"
