// The configuration sentences: GCF answered by the two-part CFGR report, SCF and MACA applied to the
// settings of the role ("DisplaySetup" on a display, "TQ55Setup" on a junction box).

#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvConfigurationHandlers.h"
#include "sentences/PqrvPairingHandlers.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace SentenceExchange;

class TestPqrvConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportedSoftwareVersion_data();
    void reportedSoftwareVersion();
    void displayReport_data();
    void displayReport();
    void junctionBoxReport();
    void receivedReportChangesNothing();
    void displaySetConfiguration_data();
    void displaySetConfiguration();
    void junctionBoxSetConfiguration();
    void macAddress_data();
    void macAddress();
    void junctionBoxMacAddress();

private:
    static QString fileText(SerializableClass *object);

    CU_R207_Setup *m_display = nullptr;
    ESTQ55Setup *m_box = nullptr;
    NmeaHandlerContainer *m_container = nullptr;
};

void TestPqrvConfiguration::initTestCase()
{
    registerTypes();
    m_display = ESDataClass::instance()->localSetup()->DisplaySetup();
    m_box = ESDataClass::instance()->setup()->TQ55Setup();
    m_container = NmeaHandlerContainer::instance();
}

void TestPqrvConfiguration::init()
{
    m_display->setSystemName("ES1111");
    m_display->setIP("192.168.1.20");
    m_display->setMacAddress("00:1A:2B:3C:4D:5E");
    m_display->setLocalSFI("GN1000");
    m_display->setPairedSFI("GN1001");
    m_display->setGroup(0);
    m_box->setSystemName("MIRLOX");
    m_box->setIP("10.0.0.7");
    m_box->setMacAddress("00:1A:2B:3C:4D:5F");
    m_box->setLocalSFI("GN1001");
    m_box->setGroup(2);
}

// A changed partner starts a pairing; it is acknowledged so that no repetition outlives the test.
void TestPqrvConfiguration::cleanup()
{
    auto *pair = qobject_cast<HandlerPqrvPair *>(m_container->handler("PQRV", "PAIR"));
    pair->pairAcknowledged();
    pair->unpairAcknowledged();
}

QString TestPqrvConfiguration::fileText(SerializableClass *object)
{
    QFile file(object->directory() + object->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void TestPqrvConfiguration::reportedSoftwareVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("reported");
    QTest::newRow("long last part dropped") << "SW_A-1.2.345"
                                            << "A-1.2";
    QTest::newRow("short last part kept") << "SW_A-1.2.3"
                                          << "A-1.2.3";
    QTest::newRow("no underscore") << "SW-R219-0.2.0"
                                   << "SW-R219-0.2.0";
    QTest::newRow("dot right after underscore") << "X_.123"
                                                << "";
    QTest::newRow("no dot") << "SW_A"
                            << "A";
    QTest::newRow("dot before underscore") << "V1.234_B"
                                           << "B";
}

void TestPqrvConfiguration::reportedSoftwareVersion()
{
    QFETCH(QString, version);
    QFETCH(QString, reported);
    QCOMPARE(HandlerPqrvGcf::reportedSoftwareVersion(version), reported);
}

void TestPqrvConfiguration::displayReport_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("secondPart");
    QTest::newRow("address") << "192.168.1.20"
                             << "2:$PQRVCFGR,2,192,168,1,20,00:1A:2B:3C:4D:5E,1000,1001,3*45";
    // An address not yet set sends what parts it has.
    QTest::newRow("no address") << ""
                                << "2:$PQRVCFGR,2,,,,,00:1A:2B:3C:4D:5E,1000,1001,3*73";
    QTest::newRow("two parts") << "10.0"
                               << "2:$PQRVCFGR,2,10,0,,,00:1A:2B:3C:4D:5E,1000,1001,3*42";
}

void TestPqrvConfiguration::displayReport()
{
    QFETCH(QString, ip);
    QFETCH(QString, secondPart);
    m_display->setIP(ip);
    m_display->setGroup(2);
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVGCF,*6B\r\n"), Handled);
    QCOMPARE(recorder.groupSizes(), QList<int> { 2 });
    QCOMPARE(recorder.groupTypes(), QStringList { "CFGR" });
    secondPart.replace(0, 1, "3");
    QCOMPARE(recorder.groups(),
        QStringList({ "3:$PQRVCFGR,1,156,ES1111,99999,SW-R219-0.2.0,,,,*4B", secondPart }));
    QCOMPARE(recorder.total(), 1);
}

void TestPqrvConfiguration::junctionBoxReport()
{
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    Recorder recorder;
    // The content of the request plays no part.
    QCOMPARE(receive(&container, "$PQRVGCF,x*13\r\n"), Handled);
    QCOMPARE(recorder.groups(),
        QStringList({ "3:$PQRVCFGR,1,156,MIRLOX,99999,SW-R219-0.2.0,,,,*50",
            "3:$PQRVCFGR,2,10,0,0,7,00:1A:2B:3C:4D:5F,1001,,3*47" }));
}

void TestPqrvConfiguration::receivedReportChangesNothing()
{
    Recorder recorder;
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QCOMPARE(receive(m_container, "$PQRVCFGR,1,156,MIRLOX,99999,SW-R219-0.2.0,,,,*50\r\n"), Handled);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(texts.count(), 0);
}

void TestPqrvConfiguration::displaySetConfiguration_data()
{
    QTest::addColumn<QString>("scf");
    QTest::addColumn<int>("outcome");
    // SystemName, IP, LocalSFI, PairedSFI, Group after the sentence.
    QTest::addColumn<QStringList>("values");
    // Change signals of the same five settings.
    QTest::addColumn<QList<int>>("signalCounts");

    QTest::newRow("group only") << "$PQRVSCF,,,,,,,,3*60" << int(Handled)
                                << QStringList { "ES1111", "192.168.1.20", "GN1000", "GN1001", "2" }
                                << QList<int> { 0, 0, 0, 0, 1 };
    // The name is announced also when it is unchanged; the own SFI only when it changes.
    QTest::newRow("unchanged name and sfi")
        << "$PQRVSCF,ES1111,,,,,1000,,*44" << int(Handled)
        << QStringList { "ES1111", "192.168.1.20", "GN1000", "GN1001", "0" } << QList<int> { 1, 0, 0, 0, 0 };
    QTest::newRow("refused address") << "$PQRVSCF,Bridge2,192,168,1,255,,,4*6C" << int(Handled)
                                     << QStringList { "Bridge2", "192.168.1.20", "GN1000", "GN1001", "3" }
                                     << QList<int> { 1, 0, 0, 0, 1 };
    QTest::newRow("partner") << "$PQRVSCF,,,,,,,1234,*57" << int(Handled)
                             << QStringList { "ES1111", "192.168.1.20", "GN1000", "GN1234", "0" }
                             << QList<int> { 0, 0, 0, 1, 0 };
    // Values the settings' validators refuse are skipped one by one: a one-letter name, a five-digit SFI.
    QTest::newRow("refused by validators")
        << "$PQRVSCF,A,,,,,12345,,5*16" << int(Handled)
        << QStringList { "ES1111", "192.168.1.20", "GN1000", "GN1001", "4" } << QList<int> { 0, 0, 0, 0, 1 };
    QTest::newRow("group out of range")
        << "$PQRVSCF,,,,,,,,9*6A" << int(NotParsed)
        << QStringList { "ES1111", "192.168.1.20", "GN1000", "GN1001", "0" } << QList<int> { 0, 0, 0, 0, 0 };
}

void TestPqrvConfiguration::displaySetConfiguration()
{
    QFETCH(QString, scf);
    QFETCH(int, outcome);
    QFETCH(QStringList, values);
    QFETCH(QList<int>, signalCounts);

    QFile::remove(m_display->directory() + m_display->fileName());
    QSignalSpy name(m_display, &CU_R207_Setup::SystemNameChanged);
    QSignalSpy ip(m_display, &CU_R207_Setup::IPChanged);
    QSignalSpy local(m_display, &CU_R207_Setup::LocalSFIChanged);
    QSignalSpy paired(m_display, &CU_R207_Setup::PairedSFIChanged);
    QSignalSpy group(m_display, &CU_R207_Setup::GroupChanged);
    Recorder recorder;

    QCOMPARE(int(receive(m_container, scf + "\r\n")), outcome);
    QCOMPARE(QStringList({ m_display->SystemName(), m_display->IP(), m_display->LocalSFI(),
                 m_display->PairedSFI(), QString::number(m_display->Group()) }),
        values);
    QCOMPARE(
        QList<int>({ name.count(), ip.count(), local.count(), paired.count(), group.count() }), signalCounts);

    if (outcome == Handled)
        QVERIFY(fileText(m_display).contains("Group=" + values.at(4)));
    else
        QVERIFY(fileText(m_display).isEmpty());
    // A new partner starts a pairing at once.
    if (signalCounts.at(3))
        QVERIFY(recorder.singles().contains(
            "3:" + sentence("PQRVPAIR,GN1000," + values.at(3) + ",P").chopped(2)));
    // A display sends nothing of its own settings to the partner.
    QCOMPARE(recorder.groupCount(), 0);
}

void TestPqrvConfiguration::junctionBoxSetConfiguration()
{
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    QFile::remove(m_box->directory() + m_box->fileName());
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);

    QCOMPARE(receive(&container, "$PQRVSCF,Box7,10,0,0,9,2002,,6*3F\r\n"), Handled);
    QCOMPARE(
        QStringList({ m_box->SystemName(), m_box->IP(), m_box->LocalSFI(), QString::number(m_box->Group()) }),
        QStringList({ "Box7", "10.0.0.9", "GN2002", "5" }));
    // The four settings go to the partner as single changes, in this order.
    QStringList sent;
    for (const QList<QVariant> &text : texts)
        sent << text.at(0).toString().section(',', -1);
    QCOMPARE(sent, QStringList({ "SystemName=Box7", "IP=10.0.0.9", "LocalSFI=GN2002", "Group=5" }));
    QVERIFY(fileText(m_box).contains("LocalSFI=GN2002"));
}

void TestPqrvConfiguration::macAddress_data()
{
    QTest::addColumn<QString>("maca");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("address");
    QTest::newRow("upper case") << "$PQRVMACA,00-1A-2B-3C-4D-5E*7A" << int(Handled) << "00-1A-2B-3C-4D-5E";
    QTest::newRow("lower case") << "$PQRVMACA,00-1a-2b-3c-4d-5e*5A" << int(NotParsed) << "00:1A:2B:3C:4D:5E";
    QTest::newRow("empty") << "$PQRVMACA,*27" << int(NotParsed) << "00:1A:2B:3C:4D:5E";
}

void TestPqrvConfiguration::macAddress()
{
    QFETCH(QString, maca);
    QFETCH(int, outcome);
    QFETCH(QString, address);
    QFile::remove(m_display->directory() + m_display->fileName());
    QSignalSpy changed(m_display, &CU_R207_Setup::MacAddressChanged);
    QCOMPARE(int(receive(m_container, maca + "\r\n")), outcome);
    QCOMPARE(m_display->MacAddress(), address);
    QCOMPARE(changed.count(), outcome == Handled ? 1 : 0);
    QCOMPARE(fileText(m_display).contains("MacAddress=" + address), outcome == Handled);
}

void TestPqrvConfiguration::junctionBoxMacAddress()
{
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QCOMPARE(receive(&container, "$PQRVMACA,00-1A-2B-3C-4D-5E*7A\r\n"), Handled);
    QCOMPARE(m_box->MacAddress(), QString("00-1A-2B-3C-4D-5E"));
    QCOMPARE(texts.count(), 1);
    QVERIFY(texts.at(0).at(0).toString().endsWith(",MacAddress=00-1A-2B-3C-4D-5E"));
}

QTEST_GUILESS_MAIN(TestPqrvConfiguration)
#include "tst_pqrvconfiguration.moc"
