#ifndef ES_PINGPULSEGENERATOR_H
#define ES_PINGPULSEGENERATOR_H

#include <QObject>

#include <memory>

class QTimer;

// A timed pulse around each transceiver ping: it comes on the lead time after a ping request and stays
// on for the ping length plus the extra on-time; a request while the pulse is on stretches it.
class ES_pingPulseGenerator : public QObject
{
    Q_OBJECT

public:
    static constexpr int LeadTimeMs = 20;
    static constexpr int ExtraOnTimeMs = 20;

    explicit ES_pingPulseGenerator(QObject *parent = nullptr);
    ~ES_pingPulseGenerator() override;

    // The pulse timer has no parent: whoever moves the generator to another thread moves the timer too.
    QTimer *pulseTimer() const { return m_pulseTimer.get(); }
    bool isPulseOn() const { return m_pulseOn; }
    int pingLength() const { return m_pingLength; }
    // Stops both timers without a signal; for shutting the generator's thread down.
    void stopTimers();

signals:
    void pingPulseStateChanged(bool state);

public slots:
    // pingLength in microseconds.
    void pingRequestSent(int pingLength);

private slots:
    void pingTimerTimeout();

private:
    std::unique_ptr<QTimer> m_pulseTimer;
    // The extra timeout scheduled when a request arrives near the end of a pulse.
    QTimer *m_extraTimer;
    int m_pingLength = 100;
    bool m_pulseOn = false;
};

#endif // ES_PINGPULSEGENERATOR_H
