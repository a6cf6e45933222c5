#ifndef TICKPROBE_H
#define TICKPROBE_H

#include <QObject>
#include <QTimer>

#include <functional>

// Runs `probe` on every tick of a real timer, after everything that was connected to the timer before it,
// with the number of the tick (1 for the first). A test reads in it what each tick did, or acts at a given
// tick, whatever the timer's speed, so that timers that step state can run at tens of milliseconds.
class TickProbe : public QObject
{
public:
    TickProbe(QTimer *timer, const std::function<void(int tick)> &probe)
    {
        connect(timer, &QTimer::timeout, this, [this, probe]() { probe(++m_ticks); });
    }

    int ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
};

// Gives a process-wide timer another interval for the life of this object.
class ScopedTimerInterval
{
public:
    ScopedTimerInterval(QTimer *timer, int msec)
        : m_timer(timer)
        , m_previous(timer->interval())
    {
        m_timer->setInterval(msec);
    }
    ~ScopedTimerInterval() { m_timer->setInterval(m_previous); }

    ScopedTimerInterval(const ScopedTimerInterval &) = delete;
    ScopedTimerInterval &operator=(const ScopedTimerInterval &) = delete;

private:
    QTimer *m_timer;
    int m_previous;
};

#endif // TICKPROBE_H
