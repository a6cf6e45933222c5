// The identity exchange seen from a junction box: this whole test runs as a unit of the device kind
// "JB", so that the list of SFIs on the network and the handlers are those of a junction box.

#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaHandlerContainer.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace SentenceExchange;

class TestPqrvJunctionBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void answersPair_data();
    void answersPair();
    void connectsEveryDisplay();
    void devStartDoesNotPair();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_role;
    NmeaHandlerContainer *m_container = nullptr;
};

void TestPqrvJunctionBox::initTestCase()
{
    registerTypes();
    m_role.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
    m_container = NmeaHandlerContainer::instance();
    // The junction box's own SFI is its LocalSFI.
    QCOMPARE(ESDataClass::instance()->setup()->TQ55Setup()->LocalSFI(), QString("GN1001"));
    QCOMPARE(ListOfSfisOnNetwork::instance()->externalLocalSfi(), QString("GN1001"));
}

void TestPqrvJunctionBox::cleanupTestCase()
{
    m_role.reset();
}

void TestPqrvJunctionBox::answersPair_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("setupSent");

    QTest::newRow("pair") << "$PQRVPAIR,GN1000,GN1001,P*72\r\n"
                          << int(Handled) << QStringList { "3:$PQRVSFIACK,GN1001,GN1000,PAIR,P*4B" } << true;
    QTest::newRow("unpair") << "$PQRVPAIR,GN1000,GN1001,U*77\r\n"
                            << int(Handled) << QStringList { "3:$PQRVSFIACK,GN1001,GN1000,PAIR,U*4E" }
                            << false;
    QTest::newRow("empty") << "$PQRVPAIR,GN1000,GN1001,*22\r\n"
                           << int(Handled) << QStringList { "3:$PQRVSFIACK,GN1001,GN1000,PAIR,*1B" } << false;
    QTest::newRow("other text") << "$PQRVPAIR,GN1000,GN1001,X*7A\r\n"
                                << int(Handled) << QStringList { "3:$PQRVSFIACK,GN1001,GN1000,PAIR,X*43" }
                                << false;
    QTest::newRow("not for this unit") << "$PQRVPAIR,GN1000,GN5555,P*72\r\n"
                                       << int(Handled) << QStringList() << false;
    // Without a sender there is no one to answer, connect or send the setup to.
    QTest::newRow("no sender") << "$PQRVPAIR,,GN1001,P*7A\r\n" << int(Rejected) << QStringList() << false;
}

void TestPqrvJunctionBox::answersPair()
{
    QFETCH(QString, pair);
    QFETCH(int, outcome);
    QFETCH(QStringList, answers);
    QFETCH(bool, setupSent);

    Recorder recorder;
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    QCOMPARE(int(receive(m_container, pair)), outcome);
    QCOMPARE(recorder.singles(), answers);
    QCOMPARE(recorder.total(), answers.size());
    QCOMPARE(texts.count(), setupSent ? 1 : 0);
    if (setupSent) {
        QVERIFY(texts.at(0).at(0).toString().startsWith("Type_Setup,"));
        QCOMPARE(texts.at(0).at(1).toStringList(), QStringList { "GN1000" });
    }
    QVERIFY(!ListOfSfisOnNetwork::instance()->connectedSfis().contains(QString()));
}

// A junction box collects the displays that pair with it and lets go of one that unpairs.
void TestPqrvJunctionBox::connectsEveryDisplay()
{
    ListOfSfisOnNetwork *list = ListOfSfisOnNetwork::instance();
    QCOMPARE(receive(m_container, sentence("PQRVPAIR,GN2000,GN1001,P")), Handled);
    QCOMPARE(receive(m_container, sentence("PQRVPAIR,GN3000,GN1001,P")), Handled);
    QVERIFY(list->connectedSfis().contains("GN2000"));
    QVERIFY(list->connectedSfis().contains("GN3000"));
    QCOMPARE(receive(m_container, sentence("PQRVPAIR,GN3000,GN1001,U")), Handled);
    QVERIFY(list->connectedSfis().contains("GN2000"));
    QVERIFY(!list->connectedSfis().contains("GN3000"));
    // A PAIR for another junction box connects nothing.
    QCOMPARE(receive(m_container, sentence("PQRVPAIR,GN4000,GN5555,P")), Handled);
    QVERIFY(!list->connectedSfis().contains("GN4000"));
}

// Announced by the display setup whatever the role; a junction box does not pair on it.
void TestPqrvJunctionBox::devStartDoesNotPair()
{
    CU_R207_Setup *display = ESDataClass::instance()->localSetup()->DisplaySetup();
    QSignalSpy changed(display, &CU_R207_Setup::PairedSFIChanged);
    Recorder recorder;
    QCOMPARE(receive(m_container, sentence("PQRVDEVSTART," + display->PairedSFI())), Handled);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(recorder.total(), 0);
}

QTEST_GUILESS_MAIN(TestPqrvJunctionBox)
#include "tst_pqrvjunctionbox.moc"
