#ifndef PQRVPAIRINGHANDLERS_H
#define PQRVPAIRINGHANDLERS_H

#include "nmea/NmeaHandler.h"

#include <QString>
#include <QTimer>

class SerializationController;

// Handlers of the identity sentences PAIR, SFIACK, SFICHANGE, DEVSTART, SFICHK and SFITKN. A display
// ("CU") pairs with its junction box by PAIR, repeated until the SFIACK comes; a junction box ("JB")
// answers a PAIR addressed to it with SFIACK and, for a pairing, its whole setup. Every sentence these
// handlers send goes out on UDP (an extra port of each).

// PAIR. Display role: every change of PairedSFI (and every DEVSTART from the partner) starts a new
// pairing: a "U" to the previous partner when it differs, then a "P" to the partner, each repeated
// once a second until acknowledged, at most 10 times.
class HandlerPqrvPair : public NmeaHandler
{
    Q_OBJECT
public:
    static constexpr int defaultRepeatInterval = 1000;

    explicit HandlerPqrvPair(QObject *parent = nullptr);

    // Junction-box role: a PAIR to this unit connects ("P") or disconnects its sender, is answered with
    // SFIACK and, for "P", with the whole setup to the sender. Display role: nothing.
    void handleReceivedMessage(NmeaMessage *message) override;

    // Called by the SFIACK handler: ends the running repetition of that kind at its next expiry.
    void pairAcknowledged();
    void unpairAcknowledged();
    // One "P" to the current partner, outside the repetition (the link supervision re-pairs with it).
    void resendPairMessage();

    // Links the settings receiver's supervision of the junction-box link to the PAIR handler of the
    // process-wide handler set: every "P" marks the next accepted setup as a new connection, and every
    // request of the supervision sends one "P". Linking the same receiver again changes nothing.
    static void connectSupervision(SerializationController *supervision);

    // Repetition state, for the link supervision and for tests.
    int pairSendCount() const { return m_pairSendCount; }
    int unpairSendCount() const { return m_unpairSendCount; }

    // The interval of both repetitions; the protocol's 1000 ms unless changed (tests shorten it).
    int repeatInterval() const { return m_pairTimer.interval(); }
    void setRepeatInterval(int msec);

signals:
    // Right before every "P" is sent (never before a "U").
    void aboutToSendPairMsg();

private slots:
    void pairedSfiChanged();
    void sendPairMessage();
    void sendUnpairMessage();

private:
    QString buildPairSentence(const QString &destination, const QString &pairDevices) const;

    bool m_pairAckReceived = false;
    int m_pairSendCount = 0;
    bool m_unpairAckReceived = false;
    int m_unpairSendCount = 0;
    QString m_pairSentence;
    QString m_unpairSentence;
    QTimer m_pairTimer;
    QTimer m_unpairTimer;
};

// SFIACK: an acknowledgement of a PAIR addressed to this unit stops the repetition of its kind.
class HandlerPqrvSfiAck : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvSfiAck(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// SFICHANGE: announces a change of this unit's SFI five times, one second apart; a received one renames
// the SFI in the list of SFIs on the network.
class HandlerPqrvSfiChange : public NmeaHandler
{
    Q_OBJECT
public:
    static constexpr int defaultRepeatInterval = 1000;

    explicit HandlerPqrvSfiChange(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;
    void sendSfiChange(const QString &new_sfi, const QString &old_sfi);

    // The time between the announcements; the protocol's 1000 ms unless changed (tests shorten it).
    int repeatInterval() const { return m_repeatInterval; }
    void setRepeatInterval(int msec) { m_repeatInterval = msec; }

private slots:
    void sendMessage_timeout();

private:
    QString m_changeSentence;
    int m_repeatCount = 0;
    int m_repeatLimit = 5;
    int m_repeatInterval = defaultRepeatInterval;
};

// DEVSTART: sent once at start-up with the display's LocalSFI; one received from the partner makes the
// display pair again.
class HandlerPqrvDevStart : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvDevStart(QObject *parent = nullptr);

    void fillOutgoingMessage(NmeaMessage *message) override;
    void handleReceivedMessage(NmeaMessage *message) override;
};

// SFICHK: understood, never sent; receiving it changes nothing.
class HandlerPqrvSfiChk : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvSfiChk(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// SFITKN: understood, never sent; the base reception without a data object changes nothing.
class HandlerPqrvSfiTkn : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvSfiTkn(QObject *parent = nullptr);
};

#endif // PQRVPAIRINGHANDLERS_H
