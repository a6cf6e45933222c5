#ifndef ALERTHANDLERS_H
#define ALERTHANDLERS_H

#include "nmea/NmeaHandler.h"

// Handlers of the alert sentences: they do not interpret a received sentence but forward it as text with
// forwardMessage (an ACN whole with its sender's SFI, the others as their field text with the port name).

class HandlerAck : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerAck(QObject *parent = nullptr);
};

class HandlerAcn : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerAcn(QObject *parent = nullptr);
};

class HandlerAlc : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerAlc(QObject *parent = nullptr);
};

class HandlerAlf : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerAlf(QObject *parent = nullptr);
};

class HandlerAlr : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerAlr(QObject *parent = nullptr);
};

class HandlerArc : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerArc(QObject *parent = nullptr);
};

// HBT: the unit's heartbeat, sent every 30 periodic ticks and always on UDP. A received heartbeat reaches
// the heartbeat receiver through the receiving controller, not through this handler.
class HandlerHbt : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerHbt(QObject *parent = nullptr);

    // Repeat interval, status "A" and the sequence identifier, which runs 9, 0, 1, ..., 9, 0, ...
    void fillOutgoingMessage(NmeaMessage *message) override;

private:
    int m_sequenceCounter = 9;
};

#endif // ALERTHANDLERS_H
