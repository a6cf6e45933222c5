// The register of SFIs on the network, in the configuration of this build and, through configuration
// overrides, as a display on "LINUX" and as junction boxes of the products that keep connections
// differently.

#include "common/BuildConfiguration.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"

#include <QtTest>

class tst_ListOfSfisOnNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void processWideRegister();
    void displayTakesItsSfiFromTheDisplaySetup();
    void displayKeepsOnePartner();
    void sfiChangeOfAConnectedDevice();
    void removeAndDisconnect();
    void embeddedDisplayUsesTheInternalLink();
    void junctionBoxCollectsDisplays_data();
    void junctionBoxCollectsDisplays();
    void tvr200ReportsItsDisplays();
    void tvr200ForgetsTheAnyDisplayPlaceholder();
    void windowsJunctionBoxKeepsItsLastDisplay();

private:
    CU_R207_Setup *display() const { return ESDataClass::instance()->localSetup()->DisplaySetup(); }
    ESTQ55Setup *junctionBox() const { return ESDataClass::instance()->setup()->TQ55Setup(); }
};

void tst_ListOfSfisOnNetwork::initTestCase()
{
    // The settings tree of this build (a display) exists before any register reads it.
    QVERIFY(ESDataClass::instance()->localSetup());
    QVERIFY(BuildConfiguration::instance()->isSoftwareCu);
}

void tst_ListOfSfisOnNetwork::processWideRegister()
{
    ListOfSfisOnNetwork *list = ListOfSfisOnNetwork::instance();
    QCOMPARE(ListOfSfisOnNetwork::instance(), list);
    QCOMPARE(list->sfisOnNetwork(), list->sfisOnNetwork());
    QCOMPARE(list->errorSfi(), QStringLiteral("ERROR"));
    list->initialize();
}

void tst_ListOfSfisOnNetwork::displayTakesItsSfiFromTheDisplaySetup()
{
    const QString original = display()->LocalSFI();
    ListOfSfisOnNetwork list;
    QCOMPARE(list.localSfi(), original);
    QCOMPARE(list.externalLocalSfi(), original);
    QVERIFY(list.connectedSfis().isEmpty());
    QCOMPARE(list.firstConnectedSfi(), QString());

    display()->setLocalSFI("AB1234");
    QCOMPARE(list.externalLocalSfi(), QStringLiteral("AB1234"));
    // The product keeps its internal SFI as read at start.
    QCOMPARE(list.localSfi(), original);

    const QString partner = display()->PairedSFI();
    display()->setPairedSFI("ZQ4321");
    QCOMPARE(list.connectedSfis(), QStringList { "ZQ4321" });
    display()->setPairedSFI(partner);
    display()->setLocalSFI(original);
}

void tst_ListOfSfisOnNetwork::displayKeepsOnePartner()
{
    ListOfSfisOnNetwork list;
    list.connectSfi("AB0001");
    list.connectSfi("CD0002");
    QCOMPARE(list.connectedSfis(), QStringList { "CD0002" });
    QCOMPARE(list.externalConnectedSfis(), QStringList { "CD0002" });
    QCOMPARE(*list.sfisOnNetwork(), QStringList({ "AB0001", "CD0002" }));
    QCOMPARE(list.firstConnectedSfi(), QStringLiteral("CD0002"));
    list.addSfi("CD0002");
    QCOMPARE(list.sfisOnNetwork()->size(), 2);
}

void tst_ListOfSfisOnNetwork::sfiChangeOfAConnectedDevice()
{
    ListOfSfisOnNetwork list;
    list.connectSfi("AB0001");
    list.deviceOnNetworkChangedLocalSfi("CD0002", "AB0001");
    QCOMPARE(list.connectedSfis(), QStringList { "CD0002" });
    QCOMPARE(*list.sfisOnNetwork(), QStringList { "CD0002" });

    // Not connected: only known; the same SFI twice changes nothing.
    list.addSfi("EF0003");
    list.deviceOnNetworkChangedLocalSfi("GH0004", "EF0003");
    QCOMPARE(*list.sfisOnNetwork(), QStringList({ "CD0002", "GH0004" }));
    QCOMPARE(list.connectedSfis(), QStringList { "CD0002" });
    list.deviceOnNetworkChangedLocalSfi("GH0004", "GH0004");
    QCOMPARE(list.sfisOnNetwork()->size(), 2);
}

void tst_ListOfSfisOnNetwork::removeAndDisconnect()
{
    ListOfSfisOnNetwork list;
    list.connectSfi("AB0001");
    QTest::ignoreMessage(QtDebugMsg, "Disconnect SFI: ZZ0000");
    list.disconnectSfi("ZZ0000");
    QCOMPARE(list.connectedSfis(), QStringList { "AB0001" });

    QTest::ignoreMessage(QtDebugMsg, "Disconnect SFI: AB0001");
    list.disconnectSfi("AB0001");
    QVERIFY(list.connectedSfis().isEmpty());
    QCOMPARE(*list.sfisOnNetwork(), QStringList { "AB0001" });

    list.connectSfi("AB0001");
    list.removeSfi("AB0001");
    QVERIFY(list.connectedSfis().isEmpty());
    QVERIFY(list.sfisOnNetwork()->isEmpty());
}

void tst_ListOfSfisOnNetwork::embeddedDisplayUsesTheInternalLink()
{
    const QString local = display()->LocalSFI();
    const QString partner = display()->PairedSFI();
    {
        BuildConfiguration::TestOverride embedded(
            QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
        ListOfSfisOnNetwork list;
        QCOMPARE(list.localSfi(), QStringLiteral("XX9998"));
        QCOMPARE(list.externalLocalSfi(), QStringLiteral("XX9998"));
        QCOMPARE(list.connectedSfis(), QStringList { "ZQ9998" });
        QCOMPARE(*list.sfisOnNetwork(), QStringList { "ZQ9998" });
        QCOMPARE(display()->LocalSFI(), QStringLiteral("XX9998"));
        QCOMPARE(display()->PairedSFI(), QStringLiteral("ZQ9998"));
        QCOMPARE(display()->previousLocalSFI(), local);
        // No connection to the display setup is made.
        display()->setLocalSFI("AB1234");
        QCOMPARE(list.externalLocalSfi(), QStringLiteral("XX9998"));
    }
    display()->setLocalSFI(local);
    display()->setPairedSFI(partner);
}

void tst_ListOfSfisOnNetwork::junctionBoxCollectsDisplays_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("localSfi");
    QTest::addColumn<QStringList>("connectedAtStart");
    QTest::addColumn<bool>("keepsExternalConnection");

    QTest::newRow("TVR100 on LINUX") << "LINUX"
                                     << "TVR100"
                                     << "ZQ9998" << QStringList { "XX9998" } << true;
    QTest::newRow("MIR_LOX1000 on WINDOWS") << "WINDOWS"
                                            << "MIR_LOX1000"
                                            << "ZQ9998" << QStringList() << true;
    QTest::newRow("TVR300 on LINUX") << "LINUX"
                                     << "TVR300" << QString() << QStringList() << false;
}

void tst_ListOfSfisOnNetwork::junctionBoxCollectsDisplays()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QString, localSfi);
    QFETCH(QStringList, connectedAtStart);
    QFETCH(bool, keepsExternalConnection);

    const QString own = junctionBox()->LocalSFI();
    BuildConfiguration::TestOverride box(QStringLiteral("JB"), platform, product);
    ListOfSfisOnNetwork list;
    QCOMPARE(list.externalLocalSfi(), own);
    QCOMPARE(list.localSfi(), localSfi.isEmpty() ? own : localSfi);
    QCOMPARE(list.connectedSfis(), connectedAtStart);
    QSignalSpy connected(&list, &ListOfSfisOnNetwork::newDisplayConnected);

    list.connectSfi("XX9998");
    QVERIFY(list.connectedSfis().contains("XX9998"));
    QVERIFY(list.sfisOnNetwork()->contains("XX9998"));
    QVERIFY(list.externalConnectedSfis().isEmpty());
    QVERIFY(!list.hasExternalConnection());
    list.connectSfi("AB0001");
    list.connectSfi("AB0001");
    QCOMPARE(list.externalConnectedSfis(), QStringList { "AB0001" });
    QCOMPARE(list.connectedSfis().count("AB0001"), 1);
    QCOMPARE(list.hasExternalConnection(), keepsExternalConnection);
    QCOMPARE(connected.count(), 3);
    QCOMPARE(connected.last(), QVariantList { "AB0001" });

    // A changed own SFI moves the external one; where the internal link has its own, that one stays.
    junctionBox()->setLocalSFI("JB7777");
    QCOMPARE(list.externalLocalSfi(), QStringLiteral("JB7777"));
    QCOMPARE(list.localSfi(), localSfi.isEmpty() ? QStringLiteral("JB7777") : localSfi);
    junctionBox()->setLocalSFI(own);
}

void tst_ListOfSfisOnNetwork::tvr200ReportsItsDisplays()
{
    BuildConfiguration::TestOverride box(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("TVR200"));
    ListOfSfisOnNetwork list;
    QSignalSpy state(&list, &ListOfSfisOnNetwork::commsToDisplayStateChanged);
    list.connectSfi("AB0001");
    list.connectSfi("CD0002");
    QCOMPARE(state.count(), 1);
    QCOMPARE(state.first(), QVariantList { true });
    list.disconnectSfi("AB0001");
    QCOMPARE(state.count(), 1);
    list.disconnectSfi("CD0002");
    QCOMPARE(state.count(), 2);
    QCOMPARE(state.last(), QVariantList { false });
}

void tst_ListOfSfisOnNetwork::tvr200ForgetsTheAnyDisplayPlaceholder()
{
    BuildConfiguration::TestOverride box(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("TVR200"));
    ListOfSfisOnNetwork list;
    QSignalSpy state(&list, &ListOfSfisOnNetwork::commsToDisplayStateChanged);
    // Ten seconds after start, without a display, the state is reported once as lost.
    QTRY_COMPARE_WITH_TIMEOUT(state.count(), 1, 15000);
    QCOMPARE(state.first(), QVariantList { false });
}

void tst_ListOfSfisOnNetwork::windowsJunctionBoxKeepsItsLastDisplay()
{
    BuildConfiguration::TestOverride box(
        QStringLiteral("JB"), QStringLiteral("WINDOWS"), QStringLiteral("TVR100"));
    ListOfSfisOnNetwork list;
    list.connectSfi("AB0001");
    list.disconnectSfi("AB0001");
    QCOMPARE(list.connectedSfis(), QStringList { "AB0001" });
    list.connectSfi("CD0002");
    list.disconnectSfi("AB0001");
    QCOMPARE(list.connectedSfis(), QStringList { "CD0002" });
}

QTEST_GUILESS_MAIN(tst_ListOfSfisOnNetwork)
#include "tst_listofsfisonnetwork.moc"
