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

namespace {

// The SFI of number n (0 to 6 759 999): two letters from n / 10000, four digits from the rest.
QString sfiNumber(int n)
{
    const int letters = n / 10000;
    return QString(QLatin1Char(char('A' + letters / 26))) + QLatin1Char(char('A' + letters % 26))
        + QStringLiteral("%1").arg(n % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

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
    void takesOnlySfis_data();
    void takesOnlySfis();
    void floodOfDistinctSfisKeepsTheConnectedOne();
    void floodOfRenamesKeepsOneEntry();
    void junctionBoxFullOfConnectedSfisRefusesNewOnes();

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

void tst_ListOfSfisOnNetwork::takesOnlySfis_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");

    QTest::newRow("letters and digits") << "AB1234" << true;
    QTest::newRow("lower-case letters") << "gn1000" << true;
    QTest::newRow("five characters") << "AB123" << false;
    QTest::newRow("seven characters") << "AB12345" << false;
    QTest::newRow("digit for a letter") << "A11234" << false;
    QTest::newRow("letter for a digit") << "AB12C4" << false;
    QTest::newRow("blank") << "AB 123" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter outside ASCII") << QStringLiteral("\u00C4B1234") << false;
    QTest::newRow("digits outside ASCII") << QStringLiteral("AB\u0661\u0662\u0663\u0664") << false;
    QTest::newRow("fifty characters") << QString(50, QLatin1Char('A')) << false;
}

void tst_ListOfSfisOnNetwork::takesOnlySfis()
{
    QFETCH(QString, text);
    QFETCH(bool, taken);
    QCOMPARE(ListOfSfisOnNetwork::isSfi(text), taken);

    ListOfSfisOnNetwork list;
    list.addSfi(text);
    QCOMPARE(list.sfisOnNetwork()->contains(text), taken);

    // A partner that renames itself to a text that is no SFI stays what it was.
    list.connectSfi("AB0001");
    list.deviceOnNetworkChangedLocalSfi(text, "AB0001");
    QCOMPARE(list.connectedSfis(), QStringList { taken ? text : QStringLiteral("AB0001") });
    QCOMPARE(list.sfisOnNetwork()->contains("AB0001"), !taken);

    ListOfSfisOnNetwork other;
    other.connectSfi(text);
    QCOMPARE(other.connectedSfis(), taken ? QStringList { text } : QStringList());
}

void tst_ListOfSfisOnNetwork::floodOfDistinctSfisKeepsTheConnectedOne()
{
    const int cap = ListOfSfisOnNetwork::maxSfisOnNetwork;
    const int flood = 100 * cap;
    ListOfSfisOnNetwork list;
    QStringList *seen = list.sfisOnNetwork();
    list.addSfi(sfiNumber(0));
    list.connectSfi(QStringLiteral("ZQ0001"));
    // Each new SFI announced by a renamed device that the register never saw.
    for (int n = 1; n <= flood; ++n)
        list.deviceOnNetworkChangedLocalSfi(sfiNumber(n), QStringLiteral("ZZ9999"));

    QCOMPARE(seen->size(), cap);
    QCOMPARE(list.sfisOnNetwork(), seen);
    // The partner stays, whatever its age; the oldest of the others went first.
    QCOMPARE(seen->first(), QStringLiteral("ZQ0001"));
    QCOMPARE(list.connectedSfis(), QStringList { "ZQ0001" });
    QCOMPARE(seen->at(1), sfiNumber(flood - cap + 2));
    QCOMPARE(seen->last(), sfiNumber(flood));
    QVERIFY(!seen->contains(sfiNumber(0)));

    // The register still follows renames and removals of what it holds.
    list.deviceOnNetworkChangedLocalSfi(QStringLiteral("ZQ0002"), QStringLiteral("ZQ0001"));
    QCOMPARE(list.connectedSfis(), QStringList { "ZQ0002" });
    QCOMPARE(seen->last(), QStringLiteral("ZQ0002"));
    QVERIFY(!seen->contains("ZQ0001"));
    // The new SFI came in while the old one was still held: one more went to make room.
    QCOMPARE(seen->size(), cap - 1);
    list.removeSfi(sfiNumber(flood));
    QCOMPARE(seen->size(), cap - 2);
    QVERIFY(!seen->contains(sfiNumber(flood)));
    list.addSfi(sfiNumber(flood));
    QCOMPARE(seen->size(), cap - 1);
    QCOMPARE(seen->last(), sfiNumber(flood));
}

void tst_ListOfSfisOnNetwork::floodOfRenamesKeepsOneEntry()
{
    ListOfSfisOnNetwork list;
    list.addSfi(sfiNumber(0));
    for (int n = 1; n <= 10 * ListOfSfisOnNetwork::maxSfisOnNetwork; ++n)
        list.deviceOnNetworkChangedLocalSfi(sfiNumber(n), sfiNumber(n - 1));
    QCOMPARE(*list.sfisOnNetwork(), QStringList { sfiNumber(10 * ListOfSfisOnNetwork::maxSfisOnNetwork) });
}

void tst_ListOfSfisOnNetwork::junctionBoxFullOfConnectedSfisRefusesNewOnes()
{
    BuildConfiguration::TestOverride box(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("TVR300"));
    const int cap = ListOfSfisOnNetwork::maxSfisOnNetwork;
    ListOfSfisOnNetwork list;
    for (int n = 0; n < cap; ++n)
        list.connectSfi(sfiNumber(n));
    QCOMPARE(list.connectedSfis().size(), cap);

    // No connected SFI makes room: the new one is neither seen nor connected.
    QSignalSpy connected(&list, &ListOfSfisOnNetwork::newDisplayConnected);
    list.connectSfi(sfiNumber(cap));
    list.addSfi(sfiNumber(cap + 1));
    QCOMPARE(connected.count(), 0);
    QCOMPARE(list.sfisOnNetwork()->size(), cap);
    QVERIFY(!list.sfisOnNetwork()->contains(sfiNumber(cap)));
    QVERIFY(!list.connectedSfis().contains(sfiNumber(cap)));

    // Once one is disconnected, it is the one that makes room.
    list.disconnectSfi(sfiNumber(7));
    list.connectSfi(sfiNumber(cap));
    QCOMPARE(connected.count(), 1);
    QVERIFY(!list.sfisOnNetwork()->contains(sfiNumber(7)));
    QCOMPARE(list.sfisOnNetwork()->last(), sfiNumber(cap));
    QCOMPARE(list.sfisOnNetwork()->size(), cap);
}

QTEST_GUILESS_MAIN(tst_ListOfSfisOnNetwork)
#include "tst_listofsfisonnetwork.moc"
