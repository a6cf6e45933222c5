#ifndef SATELLITEHANDLERS_H
#define SATELLITEHANDLERS_H

#include "sentences/NmeaMultiSentenceHandler.h"

#include <QList>

class MsgGsa;
class MsgGst;
class MsgGsv;

// Handlers of the satellite sentences. They keep the latest sentence per key (see NmeaMultiSentenceHandler)
// and relay the stored sentences when the periodic sender asks for them.

// GSA: one stored sentence per satellite system, recognised by the second satellite identifier: 1 to 32
// "GPS" (also for an empty or unreadable identifier), 33 to 65 "GLONASS", 66 and above "Galileo".
class HandlerGsa : public NmeaMultiSentenceHandler
{
    Q_OBJECT
public:
    explicit HandlerGsa(QObject *parent = nullptr);

    QString sentenceKey(const NmeaMessage *message) const override;
    MsgGsa *storedGsaMessage(const QString &key) const;
};

// GST: one stored sentence per talker; the RMS value also goes to NmeaData.
class HandlerGst : public NmeaMultiSentenceHandler
{
    Q_OBJECT
public:
    explicit HandlerGst(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;
    QString sentenceKey(const NmeaMessage *message) const override;
    MsgGst *storedGstMessage(const QString &key) const;
};

// GSV: the parts of one report, keyed "total,number"; a part with another total starts a new report. Once
// every part of a report is there it is copied to the completed list, which is what is read out; entries
// live 40 ticks.
class HandlerGsv : public NmeaMultiSentenceHandler
{
    Q_OBJECT
public:
    explicit HandlerGsv(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;
    QString sentenceKey(const NmeaMessage *message) const override;
    QString groupKey(const NmeaMessage *message) const override;
    bool isComplete() const override;
    MsgGsv *storedGsvMessage(const QString &key) const;
    // Five values per satellite of the completed report (see MsgGsv::satellites).
    QList<int> satellites() const;
};

#endif // SATELLITEHANDLERS_H
