#ifndef PQRVDIAGNOSTICSHANDLERS_H
#define PQRVDIAGNOSTICSHANDLERS_H

#include "nmea/NmeaHandler.h"

// Handlers of the diagnostics sentences: the request VMPCGTER is answered from the network error
// counters with ERRORCODE (the last error and its count) or ERRORTABLE (every code with its count).

// VMPCGTER: Command 0 sends ERRORCODE, 1 the ERRORTABLE sentences, 9 the table and then clears the
// counters; any other command is ignored.
class HandlerPqrvVmpcgter : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvVmpcgter(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;
    void sendErrorCode();
    // The table in sentences of at most 8 codes with their counts.
    void sendErrorTable();
    // The ERRORTABLE sentences of a table: chunks of 8 codes with their counts, in order, the last with
    // the rest. A chunk whose sentence would be longer than 82 characters (large counts) is split into
    // as few sentences as fit, in order, so that every pair reaches the peer.
    static QStringList errorTableSentences(const QList<int> &codes, const QList<int> &counts);
};

// ERRORCODE: only sent (on UDP); a received one changes nothing.
class HandlerPqrvErrorcode : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvErrorcode(QObject *parent = nullptr);
};

// ERRORTABLE: only sent (on UDP); a received one changes nothing.
class HandlerPqrvErrortable : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvErrortable(QObject *parent = nullptr);
};

#endif // PQRVDIAGNOSTICSHANDLERS_H
