#include "comms/iec450/UdpSentenceGroup.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/Port.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/NmeaOverUdpErrorType.h"
#include "nmea/NmeaChecksum.h"

#include <QDebug>

#include <algorithm>

UdpSentenceGroup::UdpSentenceGroup() = default;

QList<UdpDatagramRecord> &UdpSentenceGroup::records()
{
    return m_records;
}

QList<UdpDatagramRecord> UdpSentenceGroup::records() const
{
    return m_records;
}

void UdpSentenceGroup::setRecords(const QList<UdpDatagramRecord> &records)
{
    m_records = records;
}

QString UdpSentenceGroup::sourceSfi() const
{
    return m_sourceSfi;
}

void UdpSentenceGroup::setSourceSfi(const QString &sfi)
{
    m_sourceSfi = sfi;
}

QStringList UdpSentenceGroup::destinationSfis() const
{
    return m_destinationSfis;
}

void UdpSentenceGroup::setDestinationSfis(const QStringList &sfis)
{
    m_destinationSfis = sfis;
}

QString UdpSentenceGroup::groupId() const
{
    return m_groupId;
}

void UdpSentenceGroup::setGroupId(const QString &group_id)
{
    m_groupId = group_id;
}

int UdpSentenceGroup::numberOfSentences() const
{
    return m_numberOfSentences;
}

int UdpSentenceGroup::sentencesReceived() const
{
    return m_sentencesReceived;
}

int UdpSentenceGroup::startLineCount() const
{
    return m_startLineCount;
}

bool UdpSentenceGroup::isComplete() const
{
    return m_complete;
}

void UdpSentenceGroup::setComplete(bool complete)
{
    m_complete = complete;
}

bool UdpSentenceGroup::isDelivered() const
{
    return m_delivered;
}

void UdpSentenceGroup::setDelivered(bool delivered)
{
    m_delivered = delivered;
}

void UdpSentenceGroup::setFromKey(const QString &key)
{
    const QStringList parts = key.split(QLatin1Char('-'));
    if (parts.size() < 4)
        return;
    m_groupId = parts.at(2);
    bool ok = false;
    const int count = parts.at(1).toInt(&ok);
    m_numberOfSentences = ok ? count : 0;
}

bool UdpSentenceGroup::matchesKey(const QString &key) const
{
    const QStringList parts = key.split(QLatin1Char('-'));
    if (parts.size() < 3)
        return false;
    bool ok = false;
    const int count = parts.at(1).toInt(&ok);
    return parts.at(2) == m_groupId && ok && count == m_numberOfSentences;
}

bool UdpSentenceGroup::matchesRecord(const UdpDatagramRecord &record) const
{
    return !m_records.isEmpty() && record.groupId() == m_groupId && record.groupSize() == m_numberOfSentences
        && record.groupStartLineCount() == m_startLineCount;
}

bool UdpSentenceGroup::containsDatagram(const QString &key) const
{
    for (const UdpDatagramRecord &record : m_records) {
        if (record.key() == key)
            return true;
    }
    return false;
}

UdpDatagramRecord *UdpSentenceGroup::findDatagram(const QString &key)
{
    for (UdpDatagramRecord &record : m_records) {
        if (record.key() == key)
            return &record;
    }
    return nullptr;
}

void UdpSentenceGroup::addDatagram(const UdpDatagramRecord &record)
{
    if (!containsDatagram(record.key())) {
        const int sentences = record.sentenceCount();
        if (sentences == 0) {
            // Lines without a complete sentence: a framing error on the network port.
            ErrorLogger::instance()->logNmeaError(NmeaFramingError, UDP);
            QByteArray text = record.datagram();
            text.remove(5, 1);
            if (CommunicationsLogging *logging = CommunicationsLogging::instance())
                logging->inputErrorLogger()->logUdpDatagramErrorToFile(
                    UdpSentenceError, QString::fromLatin1(text));
        } else if (!m_records.isEmpty() && m_sentencesReceived + sentences > m_numberOfSentences) {
            // More sentences than the group announced: the datagram cannot belong to it as it stands.
            ErrorLogger::instance()->logUdpError(TagBlockParameterError);
            if (admitLogLine("Datagram exceeds its sentence group"))
                qDebug().noquote() << "Datagram exceeds its sentence group, dropped: "
                        + logExcerpt(record.key());
        } else {
            if (m_records.isEmpty()) {
                m_groupId = record.groupId();
                m_numberOfSentences = record.groupSize();
                m_startLineCount = record.groupStartLineCount();
            }
            if (!record.sourceSfi().isEmpty())
                m_sourceSfi = record.sourceSfi();
            m_destinationSfis = record.destinationSfis();
            m_records.append(record);
            m_sentencesReceived += sentences;
        }
    }
    if (m_sentencesReceived == m_numberOfSentences && !m_sourceSfi.isEmpty())
        m_complete = true;
}

void UdpSentenceGroup::appendSentDatagram(const UdpDatagramRecord &record)
{
    if (m_records.isEmpty()) {
        m_groupId = record.groupId();
        m_numberOfSentences = record.groupSize();
        m_startLineCount = record.groupStartLineCount();
        m_sourceSfi = record.sourceSfi();
        m_destinationSfis = record.destinationSfis();
    }
    m_records.append(record);
    m_sentencesReceived += record.sentenceCount();
}

void UdpSentenceGroup::removeDatagram(const UdpDatagramRecord *record)
{
    // Compared through the const list so that a shared list is not copied before the comparison.
    const QList<UdpDatagramRecord> &held = m_records;
    for (int i = 0; i < held.size(); ++i) {
        if (&held.at(i) == record) {
            m_records.removeAt(i);
            return;
        }
    }
}

bool UdpSentenceGroup::allAcknowledged() const
{
    for (const UdpDatagramRecord &record : m_records) {
        if (!record.isAcknowledged())
            return false;
    }
    return true;
}

bool UdpSentenceGroup::acknowledgeDatagram(const QString &key, const QString &sfi)
{
    UdpDatagramRecord *record = findDatagram(key);
    if (!record)
        return false;
    record->acknowledge(sfi);
    return allAcknowledged();
}

QStringList UdpSentenceGroup::sentences() const
{
    // In the order of the group, whatever order the datagrams arrived in (a resent datagram may come last).
    QList<const UdpDatagramRecord *> ordered;
    for (const UdpDatagramRecord &record : m_records)
        ordered.append(&record);
    std::stable_sort(
        ordered.begin(), ordered.end(), [](const UdpDatagramRecord *a, const UdpDatagramRecord *b) {
            return a->firstPosition() < b->firstPosition();
        });
    QStringList result;
    for (const UdpDatagramRecord *record : ordered)
        result += record->sentences();
    return result;
}
