#include "sentences/DepthHandlers.h"

#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaData.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/DepthSentences.h"

HandlerDat::HandlerDat(QObject *parent)
    : NmeaHandler(ESDataClass::instance()->runtime(), QStringLiteral("DAT"), false, parent)
{
}

HandlerDbt::HandlerDbt(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("DBT"), true, parent)
{
}

HandlerDbs::HandlerDbs(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("DBS"), true, parent)
{
}

HandlerDbk::HandlerDbk(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("DBK"), true, parent)
{
}

HandlerDpt::HandlerDpt(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("DPT"), true, parent)
{
}

void HandlerDpt::handleReceivedMessage(NmeaMessage *message)
{
    // Only the speed log's depth is wanted here; the echo sounder's own depth reaches the unit by other
    // roads, so DPT never writes DepthBlwTransducerMeters.
    const auto *dpt = qobject_cast<MsgDpt *>(message);
    if (!dpt || dpt->talker() != QLatin1String("II") || !dpt->DepthBlwTransducerMeters()->isValid())
        return;
    if (ValidatedProperty *target = NmeaMessage::fieldOf(dataObject(), "DepthBlwTransducerMetersFromLOG"))
        target->assign(dpt->DepthBlwTransducerMeters());
}

HandlerXdr::HandlerXdr(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("XDR"), false, parent)
{
}

void HandlerXdr::handleReceivedMessage(NmeaMessage *message)
{
    // The side each depth transducer sits on can be told from its name (transducerSide), but what a depth
    // of a given side should change is not settled: a received XDR changes nothing.
    Q_UNUSED(message)
}

HandlerXdr::TransducerSide HandlerXdr::transducerSide(const QString &name)
{
    static const struct
    {
        const char *part;
        TransducerSide side;
    } parts[] = { { "fwd", ForwardSide }, { "forward", ForwardSide }, { "aft", AfterSide },
        { "after", AfterSide }, { "prt", PortSide }, { "port", PortSide }, { "str", StarboardSide },
        { "starboard", StarboardSide } };
    for (const auto &part : parts) {
        if (name.contains(QLatin1String(part.part), Qt::CaseInsensitive))
            return part.side;
    }
    return UnknownSide;
}

HandlerPqrvDpt::HandlerPqrvDpt(QObject *parent)
    : NmeaMultiObjectHandler({ NmeaData::instance()->pqrvDptData(1), NmeaData::instance()->pqrvDptData(2) },
        QStringLiteral("DPT"), true, parent, true)
{
}
