#ifndef NMEAPERIODICALSENDER_H
#define NMEAPERIODICALSENDER_H

#include <QList>
#include <QObject>
#include <QTimer>

class NmeaHandler;
class SignalEmitter;
class TmpPortsSetupAdapter;

// Sends, on a timer, the sentences of every handler that is periodic and has extra output ports, each
// handler every sendInterval() cycles. Per cycle and port the due sentences are collected; heartbeat and
// depth sentences go out one by one, everything else as one group. The timer is single-shot and armed
// again at the end of each cycle, so cycles never overlap.
class NmeaPeriodicalSender : public QObject
{
    Q_OBJECT
public:
    // Takes the handlers of the process-wide container (creating it when it does not exist yet).
    explicit NmeaPeriodicalSender(QObject *parent = nullptr);
    // The given handlers instead (not owned).
    NmeaPeriodicalSender(const QList<NmeaHandler *> &handlers, QObject *parent = nullptr);

    // Keeps the adapter (not owned) and starts the cycles.
    void start(TmpPortsSetupAdapter *adapter);
    int interval() const;
    void setInterval(int milliseconds);
    bool isRunning() const { return m_timer.isActive(); }

public slots:
    void sendPeriodicalFromTimeout();
    // One cycle at once; then the next after the interval (id 0) or twice the interval (any other id).
    void sendPeriodicalMessages(int id);
    // Postpones the next cycle to twice the interval from now.
    void restartTimer();

private:
    QTimer m_timer;
    int m_interval = 1000;
    QList<NmeaHandler *> m_handlers;
    SignalEmitter *m_signalHub;
    TmpPortsSetupAdapter *m_portsAdapter = nullptr;
};

#endif // NMEAPERIODICALSENDER_H
