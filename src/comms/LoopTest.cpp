#include "comms/LoopTest.h"

#include "common/SaturatingCount.h"
#include <QTimer>

namespace {

constexpr int sentencesPerTest = 20;
// A port passes when at most this many of the test's send ticks (the twenty sends and the closing
// tick) had no matching sentence: at least 19 of 20 came back.
constexpr int allowedMisses = 2;

} // namespace

LoopTest::LoopTest(int receive_port1, int receive_port2, int receive_port3, int send_port, QObject *parent)
    : QObject(parent)
    , m_testSentence(QStringLiteral("$PQRVTEST,0,1,2,3,4,5,6,7,8,9\r\n"))
    , m_receivePorts { receive_port1, receive_port2, receive_port3 }
    , m_sendPort(send_port)
    , m_sendTimer(new QTimer(this))
{
    m_sendTimer->setSingleShot(true);
    m_sendTimer->setInterval(defaultSendInterval);
    connect(m_sendTimer, &QTimer::timeout, this, &LoopTest::sendTestMessage);
}

int LoopTest::sendInterval() const
{
    return m_sendTimer->interval();
}

void LoopTest::setSendInterval(int msec)
{
    m_sendTimer->setInterval(msec);
}

void LoopTest::runTest()
{
    if (m_running)
        return;
    m_running = true;
    m_sendCounter = 0;
    for (int i = 0; i < 3; ++i) {
        m_linesReceived[i] = 0;
        m_sentencesMatched[i] = 0;
    }
    sendTestMessage();
}

void LoopTest::sendTestMessage()
{
    ++m_sendCounter;
    if (m_sendCounter > sentencesPerTest) {
        finishTest();
        return;
    }
    emit sendMessage(m_testSentence, m_sendPort);
    m_sendTimer->start();
}

void LoopTest::finishTest()
{
    m_running = false;
    m_finished = true;
    for (int i = 0; i < 3; ++i)
        m_passed[i] = m_sendCounter - m_sentencesMatched[i] <= allowedMisses;
    emit finishedTesting();
}

void LoopTest::messageReceived(QString line, int port)
{
    for (int i = 0; i < 3; ++i) {
        if (m_receivePorts[i] != port)
            continue;
        countOne(m_linesReceived[i]);
        if (line == m_testSentence)
            countOne(m_sentencesMatched[i]);
        return;
    }
}

bool LoopTest::isRunning() const
{
    return m_running;
}

bool LoopTest::isFinished() const
{
    return m_finished;
}

bool LoopTest::port1Passed() const
{
    return m_passed[0];
}

bool LoopTest::port2Passed() const
{
    return m_passed[1];
}

bool LoopTest::port3Passed() const
{
    return m_passed[2];
}

int LoopTest::linesReceived1() const
{
    return m_linesReceived[0];
}

int LoopTest::linesReceived2() const
{
    return m_linesReceived[1];
}

int LoopTest::linesReceived3() const
{
    return m_linesReceived[2];
}

int LoopTest::sentencesMatched1() const
{
    return m_sentencesMatched[0];
}

int LoopTest::sentencesMatched2() const
{
    return m_sentencesMatched[1];
}

int LoopTest::sentencesMatched3() const
{
    return m_sentencesMatched[2];
}

int LoopTest::sendPort() const
{
    return m_sendPort;
}
