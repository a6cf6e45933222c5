#ifndef BEEPGENERATOR_H
#define BEEPGENERATOR_H

#include <QList>
#include <QObject>

class QTimer;

// Plays a buzzer pattern: a list of phase durations in milliseconds, alternately in the starting state
// and its opposite, repeated until stopped. Every change of the beep state is emitted; the system object
// turns it into buzzer on and off.
class BeepGenerator : public QObject
{
    Q_OBJECT

public:
    explicit BeepGenerator(QObject *parent = nullptr);

    // Replaces the pattern unless it equals the stored one. A running sequence goes on with the new list
    // from its current phase at the next phase end; startBeepFuction then restarts it from phase 0. An
    // empty list or a duration below 1 ms is refused with a debug line.
    void setBeepPattern(const QList<int> &pattern);
    QList<int> beepPattern() const { return m_pattern; }
    bool isRunning() const { return m_running; }

public slots:
    // (Re)starts from phase 0 in starting_state; while running on an unchanged pattern it does nothing.
    void startBeepFuction(bool starting_state);
    // Stops a running sequence and emits false; does nothing when stopped.
    void stopBeepFuction();
    // End of a phase: toggles the state and starts the next phase.
    void beepTimerTimeout();

signals:
    void beepStateChanged(bool new_state);

private:
    QTimer *m_timer;
    bool m_beepState = false;
    bool m_running = false;
    int m_phaseIndex = 0;
    QList<int> m_pattern;
    bool m_patternChanged = false;
};

#endif // BEEPGENERATOR_H
