#ifndef LOOPTEST_H
#define LOOPTEST_H

#include <QObject>
#include <QString>

class QTimer;

// Checks the serial wiring with a loop-back plug: sends "$PQRVTEST,0,1,2,3,4,5,6,7,8,9" CR LF twenty
// times, 100 ms apart, on the sending port, counts how many come back on each of three receiving ports
// and passes a port when at least 19 came back on it. The owner writes the test sentences (sendMessage)
// and, while the test runs, gives it every line received on the serial ports (messageReceived).
class LoopTest : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultSendInterval = 100;

    LoopTest(
        int receive_port1, int receive_port2, int receive_port3, int send_port, QObject *parent = nullptr);

    // The time between two test sentences; 100 ms unless changed (tests shorten it).
    int sendInterval() const;
    void setSendInterval(int msec);

    bool isRunning() const;
    bool isFinished() const;
    bool port1Passed() const;
    bool port2Passed() const;
    bool port3Passed() const;
    int linesReceived1() const;
    int linesReceived2() const;
    int linesReceived3() const;
    int sentencesMatched1() const;
    int sentencesMatched2() const;
    int sentencesMatched3() const;
    int sendPort() const;

signals:
    void sendMessage(QString msg, int port);
    void finishedTesting();

public slots:
    // Starts a test; ignored while one runs. The results of the previous test stay until this one ends.
    void runTest();
    // A line received on a port: counted for the first receiving port equal to it, and matched when it
    // is the test sentence exactly (CR LF included). Other ports are ignored.
    void messageReceived(QString line, int port);

private slots:
    void sendTestMessage();

private:
    void finishTest();

    const QString m_testSentence;
    int m_sendCounter = 0;
    int m_linesReceived[3] = { 0, 0, 0 };
    int m_sentencesMatched[3] = { 0, 0, 0 };
    int m_receivePorts[3];
    int m_sendPort;
    bool m_finished = false;
    bool m_passed[3] = { false, false, false };
    bool m_running = false;
    QTimer *m_sendTimer;
};

#endif // LOOPTEST_H
