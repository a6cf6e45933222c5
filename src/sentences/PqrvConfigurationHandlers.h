#ifndef PQRVCONFIGURATIONHANDLERS_H
#define PQRVCONFIGURATIONHANDLERS_H

#include "nmea/NmeaHandler.h"

#include <QString>

// Handlers of the configuration sentences: GCF asks for the configuration report CFGR, SCF sets the
// network identity, MACA the MAC address. The display role ("CU") reads and writes "DisplaySetup", the
// junction-box role ("JB") "TQ55Setup".

// GCF: every received GCF is answered with the two-part CFGR report.
class HandlerPqrvGcf : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvGcf(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;

    // The software version as the report carries it: the part before the first "_" dropped, and a last
    // dot-part of three or more characters dropped with its ".". A version without "_" is kept whole.
    static QString reportedSoftwareVersion(const QString &version);
};

// CFGR: only sent (on UDP); a received one changes nothing.
class HandlerPqrvCfgr : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvCfgr(QObject *parent = nullptr);
};

// SCF: applies system name, IP address, own SFI, partner's SFI (display role) and transmission group,
// each only when the sentence carries it and the setting's validator accepts it; then saves the object.
class HandlerPqrvScf : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvScf(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

// MACA: applies the MAC address and saves the object.
class HandlerPqrvMaca : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerPqrvMaca(QObject *parent = nullptr);
    void handleReceivedMessage(NmeaMessage *message) override;
};

#endif // PQRVCONFIGURATIONHANDLERS_H
