#ifndef PQRVSTANDBYHANDLERS_H
#define PQRVSTANDBYHANDLERS_H

#include "nmea/NmeaHandler.h"

#include <QString>
#include <QTimer>

// Handlers of the standby and restart sentences. SLP and ICM switch SystemInNormalOrStandbyMode of
// "TQ55Setup" (the system object follows its change signal) and send the setting to the partner, so
// that both units follow; REBOOT carries restart requests ("C") and replies ("R") with their
// repetitions.

// SLP: put to sleep (1) or wake (0) the system it is addressed to: in the display role the partner's
// SFI, in the junction-box role the junction box's own.
class HandlerPqrvSlp : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvSlp(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// ICM: of the commands of version 0, only 98 (leave standby) is obeyed.
class HandlerPqrvIcm : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvIcm(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// REBOOT: sendReboot("C") sends a request at once and then once per timer expiry, ten more times. A
// REBOOT from the partner is answered with "R" and, one (longer) interval later, by a new series of ten
// requests; from then on every series runs at 2000 ms.
class HandlerPqrvReboot : public NmeaHandler
{
    Q_OBJECT
public:
    static constexpr int defaultRequestInterval = 1000;
    static constexpr int defaultReplyInterval = 2000;

    explicit HandlerPqrvReboot(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;
    // One REBOOT with the display's LocalSFI and the description; (re)starts the timer.
    void sendReboot(const QString &description);

    int repeatInterval() const { return m_rebootTimer->interval(); }
    bool isRepeating() const { return m_rebootTimer->isActive(); }
    // The interval of the series before and after the first reply; the protocol's 1000 and 2000 ms unless
    // changed (tests shorten them).
    void setRepeatIntervals(int request_msec, int reply_msec);

private slots:
    void timerTimeout();

private:
    bool m_replyMode = false;
    bool m_replied = false;
    int m_requestInterval = defaultRequestInterval;
    int m_replyInterval = defaultReplyInterval;
    int m_repeatCount = 0;
    int m_repeatLimit = 10;
    QTimer *m_rebootTimer;
};

#endif // PQRVSTANDBYHANDLERS_H
