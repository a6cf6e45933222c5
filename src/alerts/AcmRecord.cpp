#include "alerts/AcmRecord.h"

#include "common/LogLineLimiter.h"
#include "nmea/NmeaChecksum.h"
#include "sentences/AlertSentences.h"

#include <QDebug>
#include <QStringList>

namespace {

const int acnFieldCount = 6;

} // namespace

bool AcmRecord::parse(const QString &text)
{
    const QStringList fields
        = text.size() <= maxBodyLength ? text.split(QLatin1Char(','), Qt::KeepEmptyParts) : QStringList();
    if (fields.size() != acnFieldCount) {
        if (admitLogLine("Wrong ACM format"))
            qDebug() << "Wrong ACM format!";
        m_handled = true;
        return false;
    }
    // The sentence class holds the rules of every field: lengths, ranges, the command letters.
    MsgAcn acn(QStringLiteral("II"));
    if (acn.deserializeParamaters(text) != NmeaNoError) {
        if (admitLogLine("Wrong ACM format"))
            qDebug() << "Wrong ACM format!";
        m_handled = true;
        return false;
    }
    m_rawBody = text;
    m_time = fields.at(0);
    m_manufacturerMnemonicCode = fields.at(1);
    m_alertIdentifier = acn.AlertIdentifier()->value();
    m_alertInstance = fields.at(3).isEmpty() ? -1 : acn.AlertInstance()->value();
    m_alertCommand = fields.at(4);
    m_sentenceStatus = fields.at(5);
    m_sourceSfi.clear();
    m_handled = false;
    return true;
}

void AcmRecord::set(const QString &time, const QString &manufacturerMnemonicCode, int alertIdentifier,
    int alertInstance, const QString &alertCommand, const QString &sentenceStatus, const QString &rawBody,
    const QString &sourceSfi)
{
    m_time = time;
    m_manufacturerMnemonicCode = manufacturerMnemonicCode;
    m_alertIdentifier = alertIdentifier;
    m_alertInstance = alertInstance;
    m_alertCommand = alertCommand;
    m_sentenceStatus = sentenceStatus;
    m_rawBody = rawBody;
    m_sourceSfi = sourceSfi;
    m_handled = false;
}
