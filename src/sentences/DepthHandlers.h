#ifndef DEPTHHANDLERS_H
#define DEPTHHANDLERS_H

#include "nmea/NmeaHandler.h"
#include "sentences/NmeaMultiObjectHandler.h"

#include <QString>

// Handlers of the depth sentences, of the transducer measurements (XDR) and of DAT, which carries runtime
// values under their settings names. DAT, DBT, DBS and DBK keep the base reception: every valid field is
// written into the property of the same name of their data object.

// DAT: the runtime values go to ESRuntime (input and output).
class HandlerDat : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDat(QObject *parent = nullptr);
};

class HandlerDbt : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDbt(QObject *parent = nullptr);
};

class HandlerDbs : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDbs(QObject *parent = nullptr);
};

class HandlerDbk : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDbk(QObject *parent = nullptr);
};

// DPT: only the depth of the speed log (talker "II") is taken, into DepthBlwTransducerMetersFromLOG of
// NmeaData; DPT of any other talker is ignored.
class HandlerDpt : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDpt(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// XDR: the side of the vessel a depth transducer sits on can be told from its name; a received XDR changes
// nothing yet.
class HandlerXdr : public NmeaHandler
{
    Q_OBJECT
public:
    enum TransducerSide { UnknownSide, ForwardSide, AfterSide, PortSide, StarboardSide };

    explicit HandlerXdr(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;

    // The side a transducer name names, tested without regard to case in the order "fwd", "forward",
    // "aft", "after", "prt", "port", "str", "starboard"; the first name part found wins.
    static TransducerSide transducerSide(const QString &name);
};

// Proprietary DPT: one outgoing sentence per transducer channel of NmeaData, channel 1 first, each filled
// by field name from its channel. The sentence names no channel, so a received one goes to channel 1 by
// field name; channel 2 is only sent.
class HandlerPqrvDpt : public NmeaMultiObjectHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvDpt(QObject *parent = nullptr);
};

#endif // DEPTHHANDLERS_H
