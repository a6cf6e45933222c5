#include "sentences/SatelliteHandlers.h"

#include "nmea/NmeaData.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/SatelliteSentences.h"

HandlerGsa::HandlerGsa(QObject *parent)
    : NmeaMultiSentenceHandler(NmeaData::instance(), QStringLiteral("GSA"), true, parent)
{
    enableRelay();
}

QString HandlerGsa::sentenceKey(const NmeaMessage *message) const
{
    // The second identifier decides, so that a GSA of one system is replaced only by the next GSA of the
    // same system. It is the fourth part of the field text; a stored message has no raw text and writes
    // that part from its field, so the field is read directly (empty, when invalid, reads as 0).
    int identifier = 0;
    const auto *gsa = qobject_cast<const MsgGsa *>(message);
    if (message->hasRawParameters() || !gsa) {
        const QString text = message->parameters();
        identifier = text.splitRef(QLatin1Char(',')).value(3).toInt(nullptr, 10);
    } else if (gsa->GSA_SatelliteID_2()->isValid()) {
        identifier = gsa->GSA_SatelliteID_2()->value();
    }
    if (identifier <= 32)
        return QStringLiteral("GPS");
    if (identifier <= 65)
        return QStringLiteral("GLONASS");
    return QStringLiteral("Galileo");
}

MsgGsa *HandlerGsa::storedGsaMessage(const QString &key) const
{
    return qobject_cast<MsgGsa *>(storedMessage(key));
}

HandlerGst::HandlerGst(QObject *parent)
    : NmeaMultiSentenceHandler(NmeaData::instance(), QStringLiteral("GST"), true, parent)
{
    enableRelay();
}

void HandlerGst::handleReceivedMessage(NmeaMessage *message)
{
    NmeaMultiSentenceHandler::handleReceivedMessage(message);
    m_lastMessageValid = true;
    copyMessageToData(message);
}

QString HandlerGst::sentenceKey(const NmeaMessage *message) const
{
    return message->talker();
}

MsgGst *HandlerGst::storedGstMessage(const QString &key) const
{
    return qobject_cast<MsgGst *>(storedMessage(key));
}

HandlerGsv::HandlerGsv(QObject *parent)
    : NmeaMultiSentenceHandler(NmeaData::instance(), QStringLiteral("GSV"), true, parent)
{
    setAgeLimit(40);
    setUseCompletedList(true);
    enableRelay();
}

void HandlerGsv::handleReceivedMessage(NmeaMessage *message)
{
    NmeaMultiSentenceHandler::handleReceivedMessage(message);
    m_lastMessageValid = true;
    copyMessageToData(message);
}

namespace {

QString totalMessagesText(const NmeaMessage *message)
{
    const auto *gsv = qobject_cast<const MsgGsv *>(message);
    return gsv ? QString::number(gsv->GSV_TotalMessages()->value()) : QString();
}

} // namespace

QString HandlerGsv::sentenceKey(const NmeaMessage *message) const
{
    const auto *gsv = qobject_cast<const MsgGsv *>(message);
    if (!gsv)
        return QString();
    return totalMessagesText(gsv) + QLatin1Char(',') + QString::number(gsv->GSV_MessageNumber()->value());
}

QString HandlerGsv::groupKey(const NmeaMessage *message) const
{
    return totalMessagesText(message);
}

bool HandlerGsv::isComplete() const
{
    bool ok = false;
    const int total = storedGroupKey().toInt(&ok, 10);
    return ok && sentenceCount() == total;
}

MsgGsv *HandlerGsv::storedGsvMessage(const QString &key) const
{
    return qobject_cast<MsgGsv *>(storedMessage(key));
}

QList<int> HandlerGsv::satellites() const
{
    QList<int> result;
    for (NmeaMessage *message : readOutMessages()) {
        if (auto *gsv = qobject_cast<MsgGsv *>(message))
            result += gsv->satellites();
    }
    return result;
}
