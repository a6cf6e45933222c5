// The receiver of settings texts from the junction box and its supervision of the link.

#include "SentenceExchange.h"

#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ES_Alerts.h"
#include "data/SatelliteInfoSerializableData.h"
#include "data/SerializationController.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace SentenceExchange;

namespace {
const QString pairToPartner = "3:$PQRVPAIR,GN1000,GN1001,P*72";
}

class TestSerializationController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void singleChanges_data();
    void singleChanges();
    void refusedValuesAreIgnored_data();
    void refusedValuesAreIgnored();
    void wholeObjects();
    void textsThatAreDropped_data();
    void textsThatAreDropped();
    void acceptedSetupsReportNewConnections();
    void rejectedSetupTakesLinkDown();
    void unlinkedSupervisionOnlyAsksForPairing();
    void supervisionTicksEverySecond();
    void silentJunctionBoxIsNoticed();

private:
    ESDataClass *m_data = nullptr;
    ESTQ55Setup *m_box = nullptr;
    QString m_completeSetup;
};

void TestSerializationController::initTestCase()
{
    registerTypes();
    m_data = ESDataClass::instance();
    m_box = m_data->setup()->TQ55Setup();
    NmeaHandlerContainer::instance();
    m_completeSetup = m_data->setup()->serialize();
    QVERIFY(m_completeSetup.startsWith("Type_Setup,"));
}

void TestSerializationController::singleChanges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");

    QTest::newRow("setup") << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemName=Deck5"
                           << "TQ55Setup"
                           << "SystemName"
                           << "Deck5";
    QTest::newRow("setup without acknowledgement")
        << "Type_SetupNoAck,SingleProperty,ESSetup,TQ55Setup,SystemName=Deck6"
        << "TQ55Setup"
        << "SystemName"
        << "Deck6";
    QTest::newRow("runtime") << "Type_Runtime,SingleProperty,ESRuntime,UtcDateTime=2024-05-01T10:00:00Z"
                             << "ESRuntime"
                             << "UtcDateTime"
                             << "2024-05-01T10:00:00Z";
    QTest::newRow("alert") << "Type_Alert,SingleProperty,ESAlerts,AckFromDisplay=AlarmShallow"
                           << "ESAlerts"
                           << "AckFromDisplay"
                           << "AlarmShallow";
    QTest::newRow("communication information")
        << "Type_SetupCommsInfoNoAck,SingleProperty,ComminicationInformation,CommsData=GGA<1<2"
        << "ComminicationInformation"
        << "CommsData"
        << "GGA<1<2";
    QTest::newRow("satellite information")
        << "Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,ShowFlag=1"
        << "SatelliteInfoSerializableData"
        << "ShowFlag"
        << "1";
}

void TestSerializationController::singleChanges()
{
    QFETCH(QString, text);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QString, value);

    QObject *target = nullptr;
    for (QObject *root : QList<QObject *> { m_data->setup(), m_data->runtime(), m_data->alerts(),
             m_data->communicationInformation(), m_data->satelliteInfo() }) {
        target = root->objectName() == object ? root : root->findChild<QObject *>(object);
        if (target)
            break;
    }
    QVERIFY(target);
    SerializationController controller;
    controller.deserializeData(text);
    QCOMPARE(target->property(property.toLatin1()).toString(), value);
}

void TestSerializationController::refusedValuesAreIgnored_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("property");
    QTest::newRow("sfi") << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,LocalSFI=G1"
                         << "LocalSFI";
    QTest::newRow("address") << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,IP=10.0.0.255"
                             << "IP";
    QTest::newRow("not a number") << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,Group=abc"
                                  << "Group";
    QTest::newRow("no property") << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,Nothing=1"
                                 << "SystemName";
    QTest::newRow("no object") << "Type_Setup,SingleProperty,ESSetup,Nowhere,SystemName=X1"
                               << "SystemName";
    QTest::newRow("no path") << "Type_Setup,SingleProperty"
                             << "SystemName";
}

// Received values go through the checks of their settings: what they refuse changes nothing.
void TestSerializationController::refusedValuesAreIgnored()
{
    QFETCH(QString, text);
    QFETCH(QString, property);
    m_box->setLocalSFI("GN1001");
    m_box->setIP("10.0.0.7");
    const QVariant before = m_box->property(property.toLatin1());
    SerializationController controller;
    controller.deserializeData(text);
    QCOMPARE(m_box->property(property.toLatin1()), before);
    QVERIFY(m_box->isValid(property));
}

void TestSerializationController::wholeObjects()
{
    SerializationController controller;
    m_data->communicationInformation()->setCommsData("old");
    controller.deserializeData("Type_SetupCommsInfo,CommsData=new");
    QCOMPARE(m_data->communicationInformation()->CommsData(), QString("new"));

    QSignalSpy alertsReceived(m_data->alerts(), &ES_Alerts::dataReceivedFromCommunication);
    controller.deserializeData("Type_Alert,AckFromDisplay=AlertDeep");
    QCOMPARE(alertsReceived.count(), 1);
    QCOMPARE(m_data->alerts()->AckFromDisplay(), QString("AlertDeep"));
}

void TestSerializationController::textsThatAreDropped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one item") << "Type_Setup";
    QTest::newRow("empty") << "";
    QTest::newRow("whole satellite information") << "Type_SatelliteInfo,ShowFlag=1";
    QTest::newRow("whole local setup") << "Type_LocalSetup,SerializableClass1=DisplaySetup,SystemName=X9";
    QTest::newRow("unknown type") << "Type_Other,SingleProperty,ESSetup,TQ55Setup,SystemName=X9";
    QTest::newRow("NoAck not at the end") << "Type_NoAckSetup,SingleProperty,ESSetup,TQ55Setup,SystemName=X9";
    QTest::newRow("mark in a setup") << "Type_Setup,Set_Mark,TQ55Setup,SystemName=X9";
}

void TestSerializationController::textsThatAreDropped()
{
    QFETCH(QString, text);
    m_box->setSystemName("Keep1");
    m_data->satelliteInfo()->setShowFlag(0);
    SerializationController controller;
    QSignalSpy about(&controller, &SerializationController::aboutToDeserializeCompleteSetup);
    QSignalSpy finished(&controller, &SerializationController::finishedDeserializingCompleteSetup);
    QSignalSpy link(&controller, &SerializationController::commsToTQ55StateChanged);
    Recorder recorder;
    controller.deserializeData(text);
    QCOMPARE(m_box->SystemName(), QString("Keep1"));
    QCOMPARE(m_data->satelliteInfo()->ShowFlag(), 0);
    QCOMPARE(about.count() + finished.count() + link.count() + recorder.total(), 0);
}

void TestSerializationController::acceptedSetupsReportNewConnections()
{
    SerializationController controller;
    HandlerPqrvPair::connectSupervision(&controller);
    QSignalSpy about(&controller, &SerializationController::aboutToDeserializeCompleteSetup);
    QSignalSpy finished(&controller, &SerializationController::finishedDeserializingCompleteSetup);
    QSignalSpy link(&controller, &SerializationController::commsToTQ55StateChanged);

    controller.deserializeData(m_completeSetup);
    controller.deserializeData(m_completeSetup);
    QCOMPARE(about.count(), 2);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
    // The link was taken to be up from the start: nothing to report.
    QCOMPARE(link.count(), 0);

    // A PAIR request in between marks a new connection again.
    qobject_cast<HandlerPqrvPair *>(NmeaHandlerContainer::instance()->handler("PQRV", "PAIR"))
        ->resendPairMessage();
    controller.deserializeData(m_completeSetup);
    QCOMPARE(finished.at(2).at(0).toBool(), true);
}

void TestSerializationController::rejectedSetupTakesLinkDown()
{
    ESRuntime *runtime = m_data->runtime();
    runtime->setValid("UtcDateTime", true);
    SerializationController controller;
    HandlerPqrvPair::connectSupervision(&controller);
    QSignalSpy link(&controller, &SerializationController::commsToTQ55StateChanged);
    QSignalSpy finished(&controller, &SerializationController::finishedDeserializingCompleteSetup);
    QSignalSpy refreshed(runtime, &ESRuntime::UtcDateTimeChanged);
    Recorder recorder;

    controller.deserializeData("Type_Setup,abc");
    QCOMPARE(link.count(), 1);
    QCOMPARE(link.at(0).at(0).toBool(), false);
    QVERIFY(!controller.isLinkUp());
    QVERIFY(!runtime->isValid("UtcDateTime"));
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(recorder.singles(), QStringList { pairToPartner });
    QCOMPARE(controller.tickCount(), 0);

    // Rejected again while down: one more PAIR, no second report.
    controller.deserializeData("Type_Setup,abc");
    QCOMPARE(link.count(), 1);
    QCOMPARE(recorder.singleCount(), 2);

    // An accepted setup brings the link up.
    controller.deserializeData(m_completeSetup);
    QCOMPARE(link.count(), 2);
    QCOMPARE(link.at(1).at(0).toBool(), true);
    QVERIFY(controller.isLinkUp());
}

// The receiver knows no handler: a lost link is a request, and only the link to the PAIR handler sends.
void TestSerializationController::unlinkedSupervisionOnlyAsksForPairing()
{
    SerializationController controller;
    QSignalSpy pairing(&controller, &SerializationController::pairingRequested);
    Recorder recorder;
    controller.deserializeData("Type_Setup,abc");
    QCOMPARE(pairing.count(), 1);
    QVERIFY(!controller.isLinkUp());
    QCOMPARE(recorder.total(), 0);

    HandlerPqrvPair::connectSupervision(&controller);
    HandlerPqrvPair::connectSupervision(&controller);
    controller.deserializeData("Type_Setup,abc");
    QCOMPARE(pairing.count(), 2);
    QCOMPARE(recorder.singles(), QStringList { pairToPartner });
}

// The supervision ticks at the protocol's 1000 ms.
void TestSerializationController::supervisionTicksEverySecond()
{
    SerializationController controller;
    QCOMPARE(controller.supervisionInterval(), 1000);
    controller.deserializeData(m_completeSetup);
    QElapsedTimer clock;
    clock.start();
    controller.startSupervision();
    QTRY_COMPARE_WITH_TIMEOUT(controller.tickCount(), 2, 3000);
    // Coarse timers may fire up to 5 % early.
    QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
}

// Once supervision runs, 11 ticks without a text after an accepted setup take the link down and send a
// PAIR.
void TestSerializationController::silentJunctionBoxIsNoticed()
{
    const int tick = 50;
    SerializationController controller;
    HandlerPqrvPair::connectSupervision(&controller);
    controller.setSupervisionInterval(tick);
    QSignalSpy link(&controller, &SerializationController::commsToTQ55StateChanged);
    Recorder recorder;
    controller.deserializeData(m_completeSetup);
    controller.startSupervision();
    QVERIFY(controller.isSupervising());

    // A text keeps the link up: the count starts again.
    QTRY_VERIFY(controller.tickCount() >= 2);
    controller.deserializeData("Type_Runtime,SingleProperty,ESRuntime,UtcDateTime=x");
    QCOMPARE(controller.tickCount(), 0);
    QElapsedTimer clock;
    clock.start();

    QTRY_COMPARE(link.count(), 1);
    QVERIFY2(clock.elapsed() >= 10 * tick * 95 / 100, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(link.at(0).at(0).toBool(), false);
    QCOMPARE(recorder.singles(), QStringList { pairToPartner });
    QVERIFY(!controller.isLinkUp());
    QCOMPARE(controller.tickCount(), 0);

    // The junction box answers the PAIR with its setup: the link is up again.
    controller.deserializeData(m_completeSetup);
    QCOMPARE(link.count(), 2);
    QCOMPARE(link.at(1).at(0).toBool(), true);
}

QTEST_GUILESS_MAIN(TestSerializationController)
#include "tst_serializationcontroller.moc"
