#include "data/MarkClass.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/SignalEmitter.h"
#include "common/TextChecks.h"
#include "data/ClockOffsets.h"
#include "data/MarkParser.h"

#include <QDebug>

MarkClass::MarkClass(QObject *parent, const QString &name)
    : SerializableClass(parent, name)
{
    setType(QStringLiteral("Type_Mark"));
}

void MarkClass::setDate(const QString &value)
{
    m_Date = value;
    emit DateChanged(value);
}

void MarkClass::setTime(const QString &value)
{
    m_Time = value;
    emit TimeChanged(value);
}

void MarkClass::setDepth(const QString &value)
{
    m_Depth = value;
    emit DepthChanged(value);
}

void MarkClass::setMarkData(const QString &value)
{
    m_MarkData = value;
    emit MarkDataChanged(value);
}

QString MarkClass::serializeAndSend(const QStringList &destinationSfis)
{
    const QDateTime now = systemDateTimeLocalOrUtc();
    m_Date = now.toString(QStringLiteral("dd-MM-yyyy"));
    m_Time = now.toString(QStringLiteral("hh-mm-ss"));
    const QString text = SerializableClass::serializeAndSend(destinationSfis);
    emit signalEmitter()->signalSerializedSetupAndDestinationSfis(text, destinationSfis);
    return text;
}

bool MarkClass::deserializeAll(const QString &text)
{
    int channel = -1;
    bool decoded = false;
    const bool applied = applyAndDecode(text, &channel, &decoded);
    if (!decoded)
        return false;
    emit markReceived(channel, m_MarkData, systemDateTimeLocalOrUtc(), m_Depth);
    return applied;
}

bool MarkClass::parseMarkData(const QString &text, int *channel)
{
    bool decoded = false;
    const bool applied = applyAndDecode(text, channel, &decoded);
    return applied && decoded;
}

bool MarkClass::applyAndDecode(const QString &text, int *channel, bool *decoded)
{
    const bool applied = SerializableClass::deserializeAll(text);
    QString label;
    int markChannel = -1;
    *decoded = decodeMarkData(m_MarkData, &label, &markChannel);
    if (!*decoded) {
        if (admitLogLine("Event mark refused"))
            qDebug() << "Event mark dropped, its data cannot be decoded:" << logExcerpt(m_MarkData);
        return applied;
    }
    // The label replaces the received data directly: no change signal follows the decoding.
    m_MarkData = label;
    if (channel)
        *channel = markChannel;
    return applied;
}

bool MarkClass::decodeMarkData(const QString &markData, QString *label, int *channel)
{
    const QString separator = QStringLiteral("//");
    *channel = -1;

    if (markData.contains(QLatin1String("AlarmMark"))) {
        const QStringList pieces = markData.split(separator);
        if (pieces.size() < 2)
            return false;
        *label = QString(pieces.at(1)).replace(QLatin1Char('_'), QLatin1Char(' '));
        return true;
    }
    if (markData.contains(QLatin1String("ManualMark"))) {
        *label = QStringLiteral("Manual Mark");
        return true;
    }

    // Parameter mark: the single-change text of the setting with "," written as "##" and "=" as "//", for
    // example "TransducerSetup1##Range//4" or "TransducerSetup2##CombinedGain//5_auto".
    const QStringList parts
        = QString(markData).replace(separator, QStringLiteral("=")).split(QLatin1Char('='));
    if (parts.size() < 2)
        return false;
    const QStringList valueParts = parts.at(1).split(QLatin1Char('_'));
    const QString value = valueParts.at(0);
    const QString suffix = valueParts.size() == 2 ? QStringLiteral(" auto") : QString();

    const QStringList names = parts.at(0).split(QStringLiteral("##"));
    if (names.size() < 2)
        return false;
    auto digitAtEnd = [](const QString &name) {
        const QChar last = name.isEmpty() ? QChar() : name.at(name.size() - 1);
        return isAsciiDigit(last) ? last.unicode() - '0' : -1;
    };
    int digit = digitAtEnd(names.at(names.size() - 2));
    if (digit < 0)
        digit = digitAtEnd(names.last());

    const QString parsed = MarkParser::instance().parseProperty(names.last(), value, suffix);
    if (parsed.isEmpty())
        return false;
    *label = parsed;
    *channel = digit >= 0 ? digit - 1 : -1;
    return true;
}
