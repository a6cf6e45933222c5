#ifndef NAVIGATIONHANDLERS_H
#define NAVIGATIONHANDLERS_H

#include "nmea/NmeaHandler.h"

// Handlers of the standard navigation sentences. Each decides whether a received sentence is taken, which
// it reports through isLastMessageValid(), and writes the fields of a taken sentence into the received
// navigation data (NmeaData, or its ZdaData for ZDA) by name. GGA, GLL and VTG relay: an outgoing sentence
// of theirs repeats the field text of the last one taken. The others fill outgoing sentences by name from
// their output data object (NmeaOutputData for HDT, THS, VBW, ROT and VLW).
//
// A message of a class other than the handler's own (possible only when the registry was changed) is
// rejected without being looked at.

// GGA: taken for a GPS quality indicator of 1 to 5; no fix (0) and estimated, manual or simulated
// positions (6 to 8) are rejected.
class HandlerGga : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerGga(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// GLL: taken with status "A" and mode "A" (autonomous) or "D" (differential).
class HandlerGll : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerGll(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// VTG: course and speed are copied whatever the mode; the sentence counts as taken only for the modes "A",
// "D" and "P".
class HandlerVtg : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerVtg(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// HDT: always taken.
class HandlerHdt : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerHdt(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// THS: taken only in mode "A" (autonomous).
class HandlerThs : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerThs(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// VBW: each speed pair is dropped when its own status is "V"; the sentence counts as taken only when no
// pair was dropped.
class HandlerVbw : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerVbw(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// ROT: taken unless its status is "V".
class HandlerRot : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerRot(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// RMC: taken with status "A", a navigational status other than "V" and a mode of "A", "D", "F", "P" or
// "R"; its values are marked safe only for the navigational status "S".
class HandlerRmc : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerRmc(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// ZDA: the date and time go to the ZdaData of NmeaData, which then signals the update.
class HandlerZda : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerZda(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// VLW: the distances are copied as they come (the base reception).
class HandlerVlw : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerVlw(QObject *parent = nullptr);
};

#endif // NAVIGATIONHANDLERS_H
