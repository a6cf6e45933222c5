// The network interface chosen by name among known interfaces (never the host's) and the panel's network
// configuration file: its two templates, the file written for an interface with its own address, the
// checks of everything written into it, and an atomic write that leaves the previous file when it fails.

#include "common/BuildConfiguration.h"
#include "platform/EthInterfaceData.h"
#include "platform/EthernetInterfaces.h"
#include "platform/PlatformPaths.h"

#include "FileBytes.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(NetworkInterfaceList::Entry)

namespace {

QByteArray golden(const char *name)
{
    return readFileBytes(
        QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_ethernetinterfaces_data/") + QLatin1String(name));
}

} // namespace

class TestEthernetInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void templates();
    void interfaceChosenByName_data();
    void interfaceChosenByName();
    void writesTheFile();
    void nothingWrittenWithoutNetworkManagement();
    void interfaceNames_data();
    void interfaceNames();
    void addressesAreChecked_data();
    void addressesAreChecked();
    void failedWriteKeepsThePreviousFile();

private:
    QString filePath() const { return m_root->path() + QStringLiteral("/etc/network/interfaces"); }
    void makeLinux()
    {
        m_configuration = std::make_unique<BuildConfiguration::TestOverride>(
            QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
    }

    // The machine of every case that does not bring its own: a loopback and two Ethernet interfaces.
    NetworkInterfaceList m_machine { { { "lo", "lo", 1, true }, { "eth0", "eth0", 2, true },
        { "eth1", "eth1", 3, true } } };
    std::unique_ptr<NetworkInterfaceList::TestOverride> m_useMachine;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
    std::unique_ptr<BuildConfiguration::TestOverride> m_configuration;
};

void TestEthernetInterfaces::init()
{
    m_useMachine = std::make_unique<NetworkInterfaceList::TestOverride>(&m_machine);
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir().mkpath(m_root->path() + QStringLiteral("/etc/network")));
    m_paths = std::make_unique<PlatformPaths::TestOverride>(m_root->path());
}

void TestEthernetInterfaces::cleanup()
{
    m_configuration.reset();
    m_paths.reset();
    m_root.reset();
    m_useMachine.reset();
}

void TestEthernetInterfaces::templates()
{
    QCOMPARE(EthernetInterfaces::loopbackTemplate().size(), 209);
    QCOMPARE(EthernetInterfaces::fullTemplate().size(), 378);
    QCOMPARE(EthernetInterfaces::loopbackTemplate().toLatin1(), golden("loopback.txt"));
    QCOMPARE(EthernetInterfaces::fullTemplate().toLatin1(), golden("full.txt"));
    QVERIFY(EthernetInterfaces::fullTemplate().startsWith(
        EthernetInterfaces::loopbackTemplate() + "\n\nauto eth0\n"));
    const EthernetInterfaces interfaces(nullptr, QStringLiteral("lo"));
    QCOMPARE(interfaces.filePath(), QStringLiteral("/etc/network/interfaces"));
    QVERIFY(interfaces.interfaceData() == interfaces.localInterfaceData());
}

void TestEthernetInterfaces::interfaceChosenByName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QList<NetworkInterfaceList::Entry>>("machine");
    QTest::addColumn<QString>("interface"); // the system name of the interface taken, empty for none

    const NetworkInterfaceList::Entry lo { "lo", "lo", 1, true };
    const NetworkInterfaceList::Entry eth0 { "eth0", "Ethernet", 2, true };
    const NetworkInterfaceList::Entry eth1 { "eth1", "Ethernet 2", 3, true };
    const NetworkInterfaceList::Entry usb { "enx00e04c", "Ethernet", 4, false };
    const QList<NetworkInterfaceList::Entry> machine { lo, eth0, eth1, usb };

    QTest::newRow("by human-readable name") << "Ethernet 2" << machine << "eth1";
    QTest::newRow("loopback") << "lo" << machine << "lo";
    // The last of several interfaces with the name wins, whether up or not.
    QTest::newRow("last of two") << "Ethernet" << machine << "enx00e04c";
    QTest::newRow("system name is not the name") << "eth0" << machine << "eth1";
    // Without a match the interface with index 3 is taken; without one, none.
    QTest::newRow("unknown name") << "no such interface" << machine << "eth1";
    QTest::newRow("empty name") << "" << machine << "eth1";
    QTest::newRow("unknown, no index 3")
        << "no such interface" << QList<NetworkInterfaceList::Entry> { lo, eth0 } << "";
    QTest::newRow("no interfaces") << "lo" << QList<NetworkInterfaceList::Entry>() << "";
    QTest::newRow("case differs") << "ethernet 2" << QList<NetworkInterfaceList::Entry> { lo, eth0 } << "";
}

void TestEthernetInterfaces::interfaceChosenByName()
{
    QFETCH(QString, chosen);
    QFETCH(QList<NetworkInterfaceList::Entry>, machine);
    QFETCH(QString, interface);

    NetworkInterfaceList list(machine);
    NetworkInterfaceList::TestOverride useList(&list);
    const EthInterfaceData data(chosen);
    QCOMPARE(data.name(), chosen);
    QCOMPARE(data.interfaceName(), interface);
    QCOMPARE(data.isValid(), !interface.isEmpty());
    QCOMPARE(data.interfaceIndex() > 0, !interface.isEmpty());
    QVERIFY(
        data.ip().isEmpty() && data.netmask().isEmpty() && data.gateway().isEmpty() && data.mac().isEmpty());
}

void TestEthernetInterfaces::writesTheFile()
{
    makeLinux();
    EthernetInterfaces interfaces(nullptr, QStringLiteral("eth1"));
    EthInterfaceData *data = interfaces.interfaceData();
    QSignalSpy changedIp(data, &EthInterfaceData::changedIP);

    // Without an address of its own the file is the full template.
    QVERIFY(interfaces.writeToInterfaces());
    QCOMPARE(readFileBytes(filePath()), golden("full.txt"));

    // Every address set rewrites the file.
    data->setIP(QStringLiteral("10.31.1.50"));
    QCOMPARE(changedIp.count(), 1);
    data->setNetmask(QStringLiteral("255.255.0.0"));
    data->setGateway(QStringLiteral("10.31.1.1"));
    QCOMPARE(readFileBytes(filePath()), golden("eth1_static.txt"));
    data->setIP(QStringLiteral("10.31.1.50"));
    QCOMPARE(changedIp.count(), 1);

    data->setMAC(QStringLiteral("00:1a:2b:3c:4d:5e"));
    QCOMPARE(data->mac(), QStringLiteral("00:1A:2B:3C:4D:5E"));
    QCOMPARE(readFileBytes(filePath()), golden("eth1_static.txt"));

    // The loopback chosen as the interface gets the loopback template alone.
    EthernetInterfaces loopback(nullptr, QStringLiteral("lo"));
    loopback.interfaceData()->setIP(QStringLiteral("127.0.0.1"));
    QCOMPARE(readFileBytes(filePath()), golden("loopback.txt"));
}

void TestEthernetInterfaces::nothingWrittenWithoutNetworkManagement()
{
    // This build's platform leaves its network to the system: the setters and the writer do nothing.
    BuildConfiguration::TestOverride windows(
        QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
    EthernetInterfaces interfaces(nullptr, QStringLiteral("eth0"));
    QSignalSpy changedIp(interfaces.interfaceData(), &EthInterfaceData::changedIP);
    QSignalSpy overwrite(interfaces.interfaceData(), &EthInterfaceData::owerwriteInterfacesFile);
    interfaces.interfaceData()->setIP(QStringLiteral("10.31.1.50"));
    interfaces.interfaceData()->setMAC(QStringLiteral("00:1A:2B:3C:4D:5E"));
    QVERIFY(!interfaces.writeToInterfaces());
    QVERIFY(interfaces.interfaceData()->ip().isEmpty());
    QVERIFY(interfaces.interfaceData()->mac().isEmpty());
    QCOMPARE(changedIp.count(), 0);
    QCOMPARE(overwrite.count(), 0);
    QVERIFY(!QFile::exists(filePath()));
    QVERIFY(interfaces.init());
}

void TestEthernetInterfaces::interfaceNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("eth0") << QStringLiteral("eth0") << true;
    QTest::newRow("enp3s0") << QStringLiteral("enp3s0") << true;
    QTest::newRow("VLAN") << QStringLiteral("eth0.100") << true;
    QTest::newRow("bridge") << QStringLiteral("br-lan") << true;
    QTest::newRow("15 characters") << QStringLiteral("abcdefghijklmno") << true;
    QTest::newRow("16 characters") << QStringLiteral("abcdefghijklmnop") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("line feed") << QStringLiteral("eth0\nauto evil\niface evil inet dhcp") << false;
    QTest::newRow("carriage return") << QStringLiteral("eth0\r") << false;
    QTest::newRow("blank and option") << QStringLiteral("eth0 up reboot") << false;
    QTest::newRow("comment") << QStringLiteral("eth0#x") << false;
    QTest::newRow("shell") << QStringLiteral("eth0;reboot") << false;
    QTest::newRow("substitution") << QStringLiteral("$(reboot)") << false;
    QTest::newRow("path") << QStringLiteral("../x") << false;
    QTest::newRow("not Latin-1") << QStringLiteral("eth\u00e9") << false;
}

void TestEthernetInterfaces::interfaceNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    makeLinux();
    QVERIFY(writeFileBytes(filePath(), "previous\n"));
    EthernetInterfaces interfaces(nullptr, name);
    QCOMPARE(EthernetInterfaces::isValidInterfaceName(name), accepted);
    interfaces.interfaceData()->setIP(QStringLiteral("10.31.1.50"));
    if (accepted) {
        QVERIFY(
            readFileBytes(filePath()).contains("\nauto " + name.toLatin1() + "\niface " + name.toLatin1()));
    } else {
        QVERIFY(interfaces.interfacesFileText().isEmpty());
        QVERIFY(!interfaces.writeToInterfaces());
        QCOMPARE(readFileBytes(filePath()), QByteArray("previous\n"));
    }
}

void TestEthernetInterfaces::addressesAreChecked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty when refused

    QTest::newRow("plain") << QStringLiteral("192.168.1.20") << QStringLiteral("192.168.1.20");
    QTest::newRow("leading zeros") << QStringLiteral("010.001.1.1") << QStringLiteral("10.1.1.1");
    QTest::newRow("part above 255") << QStringLiteral("256.1.1.1") << QString();
    QTest::newRow("three parts") << QStringLiteral("10.1.1") << QString();
    QTest::newRow("line feed") << QStringLiteral("10.0.0.1\nup reboot") << QString();
    QTest::newRow("trailing blank") << QStringLiteral("10.0.0.1 ") << QString();
    QTest::newRow("host name") << QStringLiteral("gateway.local") << QString();
    QTest::newRow("IPv6") << QStringLiteral("::1") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestEthernetInterfaces::addressesAreChecked()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);

    makeLinux();
    EthernetInterfaces interfaces(nullptr, QStringLiteral("eth0"));
    EthInterfaceData *data = interfaces.interfaceData();
    QSignalSpy overwrite(data, &EthInterfaceData::owerwriteInterfacesFile);
    data->setIP(text);
    data->setNetmask(text);
    QCOMPARE(data->ip(), stored);
    QCOMPARE(data->netmask(), stored);
    QCOMPARE(overwrite.count(), stored.isEmpty() ? 0 : 2);
    if (!stored.isEmpty()) {
        const QByteArray file = readFileBytes(filePath());
        QVERIFY(file.endsWith("\naddress " + stored.toLatin1() + "\nnetmask " + stored.toLatin1()));
    } else {
        QVERIFY(!QFile::exists(filePath()));
    }
    // An empty gateway removes it; anything else must be an address.
    data->setGateway(text);
    QCOMPARE(data->gateway(), stored);
}

void TestEthernetInterfaces::failedWriteKeepsThePreviousFile()
{
    makeLinux();
    EthernetInterfaces interfaces(nullptr, QStringLiteral("eth0"));
    QVERIFY(interfaces.writeToInterfaces());
    const QByteArray previous = readFileBytes(filePath());
    QCOMPARE(previous, golden("full.txt"));

    // The device fills up while the new file is written.
    bool written = true;
    {
        FileSizeLimit full(100);
        QVERIFY(full.isActive());
        written = interfaces.writeToInterfaces();
    }
    QVERIFY(!written);
    QCOMPARE(readFileBytes(filePath()), previous);
    QCOMPARE(QDir(m_root->path() + QStringLiteral("/etc/network")).entryList(QDir::Files),
        QStringList { QStringLiteral("interfaces") });

    // A missing folder fails the same way.
    QVERIFY(QDir(m_root->path() + QStringLiteral("/etc/network")).removeRecursively());
    QVERIFY(!interfaces.writeToInterfaces());
}

QTEST_GUILESS_MAIN(TestEthernetInterfaces)
#include "tst_ethernetinterfaces.moc"
