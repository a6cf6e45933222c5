#include "comms/iec450/UdpDatagramRecord.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "comms/NmeaOverUdpErrorType.h"
#include "comms/iec450/UdpParserClass.h"

#include <QDebug>

#include <deque>

namespace {

const int lineCountCycle = 999;

// The line count n steps back from the given one, in the cycle 1 to 999 of the sender's counter.
int lineCountBefore(int count, int steps)
{
    return ((count - 1 - steps) % lineCountCycle + lineCountCycle) % lineCountCycle + 1;
}

} // namespace

UdpDatagramRecord::UdpDatagramRecord() = default;

UdpDatagramRecord::UdpDatagramRecord(const QByteArray &datagram, const QStringList &pending_destinations)
    : m_datagram(datagram)
    , m_pendingDestinations(pending_destinations)
{
    read(UdpParserClass::read(m_datagram));
}

UdpDatagramRecord::UdpDatagramRecord(const QByteArray &datagram, const UdpParserClass::Reading &reading)
    : m_datagram(datagram)
{
    read(reading);
}

namespace {

std::deque<UdpDatagramRecord> &keptRecords()
{
    static std::deque<UdpDatagramRecord> kept;
    return kept;
}

} // namespace

void UdpDatagramRecord::keepReceived(const UdpDatagramRecord &record)
{
    std::deque<UdpDatagramRecord> &kept = keptRecords();
    if (int(kept.size()) >= maxKeptRecords)
        kept.pop_front();
    kept.push_back(record);
}

UdpDatagramRecord UdpDatagramRecord::received(const QByteArray &datagram)
{
    // Records are taken in the order they were kept, so the first one is nearly always the one. The same
    // bytes are known by their shared data; the bytes are compared too, so that a match is certain.
    std::deque<UdpDatagramRecord> &kept = keptRecords();
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        const QByteArray &bytes = it->m_datagram;
        if (bytes.constData() == datagram.constData() && bytes == datagram) {
            UdpDatagramRecord record = *it;
            kept.erase(it);
            return record;
        }
    }
    return UdpDatagramRecord(datagram);
}

void UdpDatagramRecord::read(const UdpParserClass::Reading &reading)
{
    m_faultCode = 0;
    m_checksumsValid = true;
    m_sourceSfi.clear();
    m_destinationSfis.clear();
    m_textTag.clear();
    m_groupId.clear();
    m_groupSize = -1;
    m_groupStartLineCount = 0;
    m_firstPosition = 1;
    m_sentences.clear();

    // Key, identity and flags come from the tag blocks of the one reading.
    if (!m_datagram.startsWith(UdpParserClass::headerBytes()))
        m_faultCode = DatagramHeaderError;
    else if (reading.result != UdpParserClass::LinesOk)
        m_faultCode = reading.result;
    else if (reading.lines.isEmpty())
        m_faultCode = TagBlockFormatError;

    QList<UdpParserClass::TagValues> tags;
    for (int i = 0; i < reading.lines.size() && m_faultCode == 0; ++i) {
        const UdpParserClass::ReadLine &line = reading.lines.at(i);
        if (line.tagFault == TagBlockChecksumError)
            m_checksumsValid = false;
        m_faultCode = line.tagFault;
        tags.append(line.values);
    }

    // The lines of one datagram belong to one group and follow its order: one source, and either no g: at
    // all or g: values of the same group with consecutive positions.
    if (m_faultCode == 0) {
        const UdpParserClass::TagValues &first = tags.first();
        for (int i = 1; i < tags.size() && m_faultCode == 0; ++i) {
            const UdpParserClass::TagValues &tag = tags.at(i);
            const bool sameGroup = tag.hasGroup == first.hasGroup
                && (!first.hasGroup
                    || (tag.groupId == first.groupId && tag.groupSize == first.groupSize
                        && tag.position == first.position + i));
            if (tag.source != first.source || !sameGroup)
                m_faultCode = TagBlockParameterError;
        }
    }
    m_valid = m_faultCode == 0;

    if (!m_valid) {
        // Kept for what a caller may still ask of a datagram that is not used.
        m_key = UdpParserClass::groupKey(reading);
        m_needsAcknowledgement = UdpParserClass::textTag(reading).startsWith(QLatin1String("pqrvsetup"));
        if (m_checksumsValid && reading.result == UdpParserClass::LinesOk) {
            for (const UdpParserClass::ReadLine &line : reading.lines)
                m_sentences.append(line.line.sentence);
        }
        return;
    }

    const UdpParserClass::TagValues &first = tags.first();
    const UdpParserClass::TagValues &last = tags.last();
    m_key
        = (last.hasGroup ? last.groupText : QStringLiteral("1-1-1")) + QLatin1Char('-') + first.lineCountText;
    for (const UdpParserClass::TagValues &tag : tags) {
        if (tag.hasTextTag) {
            m_textTag = tag.textTag;
            break;
        }
    }
    m_needsAcknowledgement = m_textTag.startsWith(QLatin1String("pqrvsetup"));
    m_sourceSfi = first.source;
    m_destinationSfis = first.destinations;
    for (const UdpParserClass::ReadLine &line : reading.lines)
        m_sentences.append(line.line.sentence);
    if (first.hasGroup) {
        m_groupId = first.groupId;
        m_groupSize = first.groupSize;
        m_firstPosition = first.position;
    } else {
        // Sentences without g: are a group of the datagram's own lines.
        m_groupId = QStringLiteral("1");
        m_groupSize = reading.lines.size();
        m_firstPosition = 1;
    }
    m_groupStartLineCount = lineCountBefore(first.lineCount, m_firstPosition - 1);
}

QByteArray UdpDatagramRecord::datagram() const
{
    return m_datagram;
}

void UdpDatagramRecord::setDatagram(const QByteArray &datagram)
{
    m_datagram = datagram;
    read(UdpParserClass::read(m_datagram));
}

QString UdpDatagramRecord::key() const
{
    return m_key;
}

bool UdpDatagramRecord::isAcknowledged() const
{
    return m_acknowledged;
}

void UdpDatagramRecord::setAcknowledged(bool acknowledged)
{
    m_acknowledged = acknowledged;
}

bool UdpDatagramRecord::needsAcknowledgement() const
{
    return m_needsAcknowledgement;
}

void UdpDatagramRecord::setNeedsAcknowledgement(bool needs)
{
    m_needsAcknowledgement = needs;
}

bool UdpDatagramRecord::isInternalInterface() const
{
    return m_internalInterface;
}

void UdpDatagramRecord::setInternalInterface(bool internal)
{
    m_internalInterface = internal;
}

bool UdpDatagramRecord::isValid() const
{
    return m_valid;
}

void UdpDatagramRecord::setValid(bool valid)
{
    m_valid = valid;
}

int UdpDatagramRecord::faultCode() const
{
    return m_faultCode;
}

int UdpDatagramRecord::age() const
{
    return m_age;
}

int UdpDatagramRecord::incrementAge()
{
    return ++m_age;
}

QStringList UdpDatagramRecord::pendingDestinations() const
{
    return m_pendingDestinations;
}

void UdpDatagramRecord::acknowledge(const QString &sfi)
{
    const int index = m_pendingDestinations.indexOf(sfi);
    if (index < 0) {
        // A datagram sent without destinations is acknowledged by the first answer from anyone.
        if (m_pendingDestinations.isEmpty())
            m_acknowledged = true;
        return;
    }
    m_pendingDestinations.removeAt(index);
    if (m_pendingDestinations.isEmpty()) {
        m_acknowledged = true;
        return;
    }
    // The resends go only to the SFIs that still owe an acknowledgement; the group key stays the same.
    UdpParserClass::removeDestination(m_datagram, sfi);
    m_destinationSfis.removeAll(sfi);
}

QString UdpDatagramRecord::sourceSfi() const
{
    return m_sourceSfi;
}

QStringList UdpDatagramRecord::destinationSfis() const
{
    return m_destinationSfis;
}

QString UdpDatagramRecord::textTag() const
{
    return m_textTag;
}

QString UdpDatagramRecord::groupId() const
{
    return m_groupId;
}

int UdpDatagramRecord::groupSize() const
{
    return m_groupSize;
}

int UdpDatagramRecord::groupStartLineCount() const
{
    return m_groupStartLineCount;
}

int UdpDatagramRecord::firstPosition() const
{
    return m_firstPosition;
}

int UdpDatagramRecord::sentenceCount() const
{
    int count = 0;
    for (const QString &sentence : m_sentences) {
        if (sentence.contains(QLatin1Char('$')) && sentence.endsWith(QLatin1String("\r\n")))
            ++count;
    }
    return count;
}

QStringList UdpDatagramRecord::sentences() const
{
    if (!m_checksumsValid && admitLogLine("Corrupt datagram header"))
        qDebug().noquote() << "Corrupt Header! " + logExcerpt(m_datagram.mid(6));
    return m_sentences;
}
