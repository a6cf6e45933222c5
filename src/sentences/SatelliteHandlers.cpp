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

// The texts of the numbers 0 to 9 and the keys "total,number" made of them, built once: a report has at
// most 9 parts, and every received part needs its key and its group's several times.
struct GsvKeyTexts
{
    QString numbers[10];
    QString keys[10][10];

    GsvKeyTexts()
    {
        for (int total = 0; total < 10; ++total) {
            numbers[total] = QString::number(total);
            for (int number = 0; number < 10; ++number)
                keys[total][number] = QString::number(total) + QLatin1Char(',') + QString::number(number);
        }
    }
};

const GsvKeyTexts &gsvKeyTexts()
{
    static const GsvKeyTexts texts;
    return texts;
}

bool isDigitValue(int value)
{
    return value >= 0 && value <= 9;
}

// QString::number(value).
QString numberText(int value)
{
    return isDigitValue(value) ? gsvKeyTexts().numbers[value] : QString::number(value);
}

QString totalMessagesText(const NmeaMessage *message)
{
    const auto *gsv = qobject_cast<const MsgGsv *>(message);
    return gsv ? numberText(gsv->GSV_TotalMessages()->value()) : QString();
}

} // namespace

QString HandlerGsv::sentenceKey(const NmeaMessage *message) const
{
    const auto *gsv = qobject_cast<const MsgGsv *>(message);
    if (!gsv)
        return QString();
    const int total = gsv->GSV_TotalMessages()->value();
    const int number = gsv->GSV_MessageNumber()->value();
    if (isDigitValue(total) && isDigitValue(number))
        return gsvKeyTexts().keys[total][number];
    return numberText(total) + QLatin1Char(',') + numberText(number);
}

QString HandlerGsv::groupKey(const NmeaMessage *message) const
{
    return totalMessagesText(message);
}

bool HandlerGsv::isComplete() const
{
    const QString group = storedGroupKey();
    // A group key is a number as QString::number writes it, mostly of one digit.
    if (group.size() == 1 && group.at(0).unicode() >= '0' && group.at(0).unicode() <= '9')
        return sentenceCount() == group.at(0).unicode() - '0';
    bool ok = false;
    const int total = group.toInt(&ok, 10);
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
