#include "AlarmPorts.h"
#include "SentenceExchange.h"
#include "SpyTexts.h"

#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/AlrController.h"
#include "alerts/BasicAlert.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"
#include "sentences/AlertHandlers.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The ALR producer: ALR contents at the changes that matter to them, the periodic list, and the ACK
// acknowledgements of other stations.

namespace {

const QStringList definitions { "AlarmShallow,Shallow Water,230,Alarm,CatA,AlarmToAlarm",
    "AlertDeep,Deep Water,10456,Alert,CatB,WarningToAlarm", "AlertInfo,Info,10461,Alert,CatC,None",
    "AlertQuiet,Quiet,10462,Alert,CatB,None,0,false" };

} // namespace

class tst_AlrController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void construction();
    void alrContents();
    void alrList();
    void alrListShowsFirstOfTwins();
    void listTimer();
    void acknowledgements_data();
    void acknowledgements();
    void disabled();
    void framedSentences();

private:
    SingleAlertTypeController *alert(const char *name) const { return m_list->findByName(name); }

    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
    std::unique_ptr<AlertsController> m_list;
    std::unique_ptr<AlrController> m_alr;
};

void tst_AlrController::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
    SentenceExchange::registerTypes();
}

void tst_AlrController::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_AlrController::init()
{
    m_list.reset(new AlertsController(definitions));
    m_alr.reset(new AlrController(m_list.get()));
    m_alr->setAlrEnabled(true);
    SignalExtender::instance()->connectPending();
}

void tst_AlrController::cleanup()
{
    m_alr.reset();
    m_list.reset();
}

void tst_AlrController::construction()
{
    AlrController fresh(m_list.get());
    QVERIFY(!fresh.alrEnabled());
    QCOMPARE(fresh.alrListInterval(), 60000);
    QCOMPARE(SignalExtender::instance()->findObject("AlrController"), &fresh);
    QCOMPARE(fresh.alrContent(230), QStringLiteral(",,230,V,A,Shallow Water"));
    QCOMPARE(fresh.alrContent(4711), QString());
    fresh.setAlrListInterval(-5);
    QCOMPARE(fresh.alrListInterval(), 60000);
}

void tst_AlrController::alrContents()
{
    QSignalSpy alr(m_alr.get(), &AlrController::alrSentenceContents);
    alert("AlarmShallow")->raiseAlert("Sensor");
    alert("AlarmShallow")->silenceAlert("Bridge"); // no ALR: the ALR view does not change
    alert("AlarmShallow")->acknowledgeAlert("Bridge");
    alert("AlarmShallow")->clearAlert("Sensor");
    alert("AlertDeep")->raiseAlert("Sensor");
    alert("AlertDeep")->transferResponsibility("Bridge"); // no ALR
    alert("AlertDeep")->clearAlert("Sensor");
    alert("AlertDeep")->raiseAlert("Sensor");
    alert("AlertDeep")->clearAlert("Sensor");
    alert("AlertDeep")->acknowledgeAlert("Bridge");
    alert("AlertQuiet")->raiseAlert("Sensor");
    alert("AlertQuiet")->clearAlert("Sensor"); // straight to Normal
    const QStringList expected {
        ",,230,A,V,Shallow Water",
        ",,230,A,A,Shallow Water",
        ",,230,V,A,Shallow Water",
        ",,10456,A,V,Deep Water",
        ",,10456,V,A,Deep Water",
        ",,10456,A,V,Deep Water",
        ",,10456,V,V,Deep Water",
        ",,10456,V,A,Deep Water",
        ",,10462,A,V,Quiet",
        ",,10462,V,A,Quiet",
    };
    QCOMPARE(firstArgumentTexts(alr), expected);
    QVERIFY(!alert("AlertDeep")->alert()->alrChangePresent());
    m_alr->createAlrMessage(4711);
    QCOMPARE(alr.count(), expected.size());
}

void tst_AlrController::alrList()
{
    QSignalSpy lists(m_alr.get(), &AlrController::alrListContents);
    m_alr->createAlrList();
    alert("AlarmShallow")->raiseAlert("Sensor");
    alert("AlertDeep")->raiseAlert("Sensor");
    alert("AlertDeep")->acknowledgeAlert("Bridge");
    alert("AlertInfo")->raiseAlert("Sensor");
    alert("AlertInfo")->clearAlert("Sensor");
    m_alr->createAlrList();
    QCOMPARE(lists.count(), 2);
    QCOMPARE(lists.at(0).at(0).value<QList<QString>>(), QList<QString> { ",,,V,V," });
    const QList<QString> expected { ",,230,A,V,Shallow Water", ",,10456,A,A,Deep Water", ",,10461,V,V,Info" };
    QCOMPARE(lists.at(1).at(0).value<QList<QString>>(), expected);
}

void tst_AlrController::alrListShowsFirstOfTwins()
{
    AlertsController twins({ "TwinOne,First,500", "TwinTwo,Second,500" });
    AlrController alr(&twins);
    alr.setAlrEnabled(true);
    twins.controllerAt(0)->raiseAlert("S");
    twins.controllerAt(1)->raiseAlert("S");
    twins.controllerAt(1)->acknowledgeAlert("S");
    QSignalSpy lists(&alr, &AlrController::alrListContents);
    alr.createAlrList();
    const QList<QString> expected { ",,500,A,V,First", ",,500,A,V,First" };
    QCOMPARE(lists.at(0).at(0).value<QList<QString>>(), expected);
}

void tst_AlrController::listTimer()
{
    QSignalSpy lists(m_alr.get(), &AlrController::alrListContents);
    alert("AlertDeep")->raiseAlert("Sensor");
    m_alr->setAlrListInterval(30);
    QTRY_VERIFY(lists.count() >= 2);
    m_alr->setAlrListInterval(60000);
    QCOMPARE(lists.at(1).at(0).value<QList<QString>>(), QList<QString> { ",,10456,A,V,Deep Water" });
}

void tst_AlrController::acknowledgements_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("alert");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("invalid");

    QTest::newRow("CatB") << "10456"
                          << "AlertDeep"
                          << "ActiveAcknowledged" << 0;
    QTest::newRow("leading zeros") << "0010456"
                                   << "AlertDeep"
                                   << "ActiveAcknowledged" << 0;
    QTest::newRow("CatA") << "230"
                          << "AlarmShallow"
                          << "ActiveUnacknowledged" << 0;
    QTest::newRow("CatC") << "10461"
                          << "AlertInfo"
                          << "ActiveUnacknowledged" << 0;
    QTest::newRow("no such alert") << "4711"
                                   << "AlertDeep"
                                   << "ActiveUnacknowledged" << 0;
    QTest::newRow("no number") << "10456x"
                               << "AlertDeep"
                               << "ActiveUnacknowledged" << 1;
    QTest::newRow("empty") << QString() << "AlertDeep"
                           << "ActiveUnacknowledged" << 1;
    QTest::newRow("negative") << "-10456"
                              << "AlertDeep"
                              << "ActiveUnacknowledged" << 1;
    QTest::newRow("eight digits") << "10010456"
                                  << "AlertDeep"
                                  << "ActiveUnacknowledged" << 1;
    QTest::newRow("blank") << " 10456"
                           << "AlertDeep"
                           << "ActiveUnacknowledged" << 1;
    QTest::newRow("two fields") << "10456,1"
                                << "AlertDeep"
                                << "ActiveUnacknowledged" << 1;
}

void tst_AlrController::acknowledgements()
{
    QFETCH(QString, body);
    QFETCH(QString, alert);
    QFETCH(QString, state);
    QFETCH(int, invalid);

    for (int i = 0; i < m_list->count(); ++i)
        m_list->controllerAt(i)->raiseAlert("Sensor");
    m_alr->handleAck(body, "II0001");
    SingleAlertTypeController *controller = m_list->findByName(alert);
    QCOMPARE(alertStateName(controller->alert()->alertState()), state);
    QCOMPARE(m_alr->invalidAckCount(), invalid);
    if (state == QLatin1String("ActiveAcknowledged"))
        QCOMPARE(controller->actionSource(), QStringLiteral("II0001"));
}

void tst_AlrController::disabled()
{
    alert("AlertDeep")->raiseAlert("Sensor");
    m_alr->setAlrEnabled(false);
    QSignalSpy alr(m_alr.get(), &AlrController::alrSentenceContents);
    QSignalSpy lists(m_alr.get(), &AlrController::alrListContents);
    alert("AlertDeep")->clearAlert("Sensor");
    m_alr->createAlrMessage(10456);
    m_alr->createAlrList();
    alert("AlertDeep")->raiseAlert("Sensor");
    m_alr->handleAck("10456", "II0001");
    m_alr->handleAck(10456, "II0001");
    m_alr->handleAck("bad", "II0001");
    QCOMPARE(alr.count(), 0);
    QCOMPARE(lists.count(), 0);
    QCOMPARE(m_alr->invalidAckCount(), 0);
    QCOMPARE(alert("AlertDeep")->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
}

void tst_AlrController::framedSentences()
{
    AlarmPorts ports({ UDP });
    HandlerAlr alrHandler;
    connect(m_alr.get(), &AlrController::alrSentenceContents, &alrHandler,
        [&](const QString &content) { alrHandler.sendAlertMessageContents({ content }, QString()); });
    connect(m_alr.get(), &AlrController::alrListContents, &alrHandler,
        [&](const QList<QString> &contents) { alrHandler.sendAlertMessageContents(contents, QString()); });
    // One list soon, then back to the long period as soon as it is out.
    connect(m_alr.get(), &AlrController::alrListContents, this, [this] { m_alr->setAlrListInterval(60000); });
    SentenceExchange::Recorder recorder;

    alert("AlarmShallow")->raiseAlert("Sensor");
    alert("AlertDeep")->raiseAlert("Sensor");
    m_alr->handleAck("10456", "II0001");
    m_alr->setAlrListInterval(20);
    QTRY_COMPARE(recorder.groupCount(), 4);
    alert("AlarmShallow")->clearAlert("Sensor");

    QFile golden(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_alrcontroller_data/framed.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList expected
        = QString::fromLatin1(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(recorder.groups(), expected);
    QCOMPARE(recorder.groupSizes(), (QList<int> { 1, 1, 1, 2, 1 }));
}

QTEST_GUILESS_MAIN(tst_AlrController)
#include "tst_alrcontroller.moc"
