#include "comms/iec450/UdpParserClass.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/TextChecks.h"
#include "nmea/NmeaChecksum.h"

#include <QDebug>

namespace {

const char header[] = "UdPbC";
const int sentenceDatagramHeaderLength = 5;
const int sfiLength = 6;
const int maxReceivedLineCount = 999;
const int maxGroupSize = 999;
// Longest group id read from a g: parameter; the unit writes 1 to 99.
const int maxGroupIdDigits = 6;

// The comma-separated items of a tag block's content (before its "*"), for the operations that edit a
// tag block. A t: parameter runs to the "*", so the items after it belong to its text.
struct TagItems
{
    QStringList items;
    bool hasStar = false;
    QString textTag;
    bool hasTextTag = false;
};

TagItems readTagItems(const QString &tag_block)
{
    TagItems result;
    const int start = tag_block.startsWith(QLatin1Char('\\')) ? 1 : 0;
    const int star = tag_block.indexOf(QLatin1Char('*'), start);
    result.hasStar = star >= 0;
    const QString content = tag_block.mid(start, star < 0 ? -1 : star - start);
    int position = 0;
    while (position <= content.length()) {
        int comma = content.indexOf(QLatin1Char(','), position);
        if (content.midRef(position, 2) == QLatin1String("t:")) {
            result.hasTextTag = true;
            result.textTag = content.mid(position + 2);
            break;
        }
        if (comma < 0)
            comma = content.length();
        result.items.append(content.mid(position, comma - position));
        position = comma + 1;
    }
    return result;
}

using TagScan = UdpParserClass::TagScan;

QStringRef valueOf(const QString &tag_block, const TagScan::Value &value)
{
    return tag_block.midRef(value.position, value.length);
}

// A decimal number of at most nine digits; -1 for anything else.
int decimalValue(QStringView text)
{
    if (!isAsciiDigits(text) || text.length() > 9)
        return -1;
    return text.toString().toInt();
}

void logFailure(bool log, const char *message, const QString &tag_block)
{
    if (log && admitLogLine("Tag block refused"))
        qDebug().noquote() << QLatin1String(message) + logExcerpt(tag_block);
}

int sourceCheck(const TagScan &scan, const QString &tag_block, bool log)
{
    if (!scan.source.found()) {
        logFailure(log, "Source tag not found: ", tag_block);
        return -1;
    }
    if (!scan.source.hasEnd) {
        logFailure(log, "Missing end of tag: ", tag_block);
        return -2;
    }
    if (scan.source.length != sfiLength) {
        logFailure(log, "Wrong format of source tag: ", tag_block);
        return -3;
    }
    return 0;
}

int lineCheck(const TagScan &scan, const QString &tag_block, bool log)
{
    if (!scan.line.found()) {
        logFailure(log, "Line tag not found: ", tag_block);
        return -1;
    }
    if (!scan.line.hasEnd) {
        logFailure(log, "Missing end of tag: ", tag_block);
        return -2;
    }
    const QStringRef value = valueOf(tag_block, scan.line);
    if (!isAsciiDigits(value)) {
        logFailure(log, "Line number inside tag is not an integer: ", tag_block);
        return -3;
    }
    const int count = decimalValue(value);
    if (count < 1 || count > maxReceivedLineCount) {
        logFailure(log, "Line number inside tag is out of range (1 - 999): ", tag_block);
        return -4;
    }
    return 0;
}

int destinationCheck(const TagScan &scan, const QString &tag_block, bool log)
{
    if (scan.destinations.isEmpty())
        return 1;
    for (const TagScan::Value &destination : scan.destinations) {
        if (!destination.hasEnd) {
            logFailure(log, "Missing end of tag: ", tag_block);
            return -2;
        }
        if (destination.length != sfiLength) {
            logFailure(log, "Wrong format of destination tag: ", tag_block);
            return -3;
        }
    }
    return 0;
}

struct GroupValue
{
    int position = 0;
    int size = 0;
    QString id;
};

int groupCheck(const TagScan &scan, const QString &tag_block, bool log, GroupValue *value = nullptr)
{
    if (!scan.group.found())
        return 1;
    if (!scan.group.hasEnd) {
        logFailure(log, "Missing end of tag: ", tag_block);
        return -2;
    }
    const QVector<QStringRef> parts = valueOf(tag_block, scan.group).split(QLatin1Char('-'));
    if (parts.size() != 3 || !isAsciiDigits(parts.at(0)) || !isAsciiDigits(parts.at(1))
        || !isAsciiDigits(parts.at(2)) || parts.at(2).length() > maxGroupIdDigits) {
        logFailure(log, "Wrong format of group tag: ", tag_block);
        return -3;
    }
    const int position = decimalValue(parts.at(0));
    const int size = decimalValue(parts.at(1));
    if (size < 1 || size > maxGroupSize || position < 1 || position > size) {
        logFailure(log, "Group tag is out of range: ", tag_block);
        return -4;
    }
    if (value) {
        value->position = position;
        value->size = size;
        value->id = parts.at(2).toString();
    }
    return 0;
}

int sourceCheck(const QString &tag_block, bool log)
{
    return sourceCheck(UdpParserClass::scanTagBlock(tag_block), tag_block, log);
}

int lineCheck(const QString &tag_block, bool log)
{
    return lineCheck(UdpParserClass::scanTagBlock(tag_block), tag_block, log);
}

int destinationCheck(const QString &tag_block, bool log)
{
    return destinationCheck(UdpParserClass::scanTagBlock(tag_block), tag_block, log);
}

int groupCheck(const QString &tag_block, bool log)
{
    return groupCheck(UdpParserClass::scanTagBlock(tag_block), tag_block, log);
}

QString parameterValue(const QString &tag_block, const TagScan::Value &value)
{
    return value.found() ? valueOf(tag_block, value).toString() : QString();
}

// A tag block's content rebuilt from its items and text tag, with a fresh checksum when it had one.
QString rebuildTagBlock(const TagItems &parsed)
{
    QString content = parsed.items.join(QLatin1Char(','));
    if (parsed.hasTextTag) {
        if (!parsed.items.isEmpty())
            content += QLatin1Char(',');
        content += QLatin1String("t:") + parsed.textTag;
    }
    if (!parsed.hasStar)
        return content;
    return content + QLatin1Char('*') + nmeaStringChecksum(content);
}

QByteArray joinLines(const QByteArray &prefix, const QList<UdpParserClass::Line> &lines)
{
    QByteArray datagram = prefix;
    for (const UdpParserClass::Line &line : lines) {
        datagram += '\\';
        datagram += line.tagBlock.toLatin1();
        datagram += '\\';
        datagram += line.sentence.toLatin1();
    }
    return datagram;
}

// The bytes in front of the first line: the header, with its NUL byte when it had one.
QByteArray linePrefix(const QByteArray &datagram)
{
    if (!datagram.startsWith(header))
        return QByteArray();
    if (datagram.size() > sentenceDatagramHeaderLength && datagram.at(sentenceDatagramHeaderLength) == '\0')
        return datagram.left(sentenceDatagramHeaderLength + 1);
    return datagram.left(sentenceDatagramHeaderLength);
}

} // namespace

QString UdpParserClass::headerText()
{
    return QString::fromLatin1(header);
}

QByteArray UdpParserClass::headerBytes()
{
    return QByteArray(header, sentenceDatagramHeaderLength + 1);
}

UdpParserClass::TagScan UdpParserClass::scanTagBlock(const QString &tag_block)
{
    // The items are the texts between the commas of the content; a t: item runs to the end of the content.
    // A value has an end when a "," or the "*" follows it: every item but the last is followed by a ",",
    // and so is the last when a text tag comes after it.
    TagScan scan;
    const int start = tag_block.startsWith(QLatin1Char('\\')) ? 1 : 0;
    const int star = tag_block.indexOf(QLatin1Char('*'), start);
    scan.hasStar = star >= 0;
    const int contentEnd = star < 0 ? tag_block.size() : star;
    int position = start;
    while (position <= contentEnd) {
        if (tag_block.midRef(position, qMin(2, contentEnd - position)) == QLatin1String("t:")) {
            scan.hasTextTag = true;
            scan.textTag.position = position + 2;
            scan.textTag.length = contentEnd - position - 2;
            scan.textTag.hasEnd = scan.hasStar;
            break;
        }
        int comma = tag_block.indexOf(QLatin1Char(','), position);
        if (comma < 0 || comma > contentEnd)
            comma = contentEnd;
        TagScan::Value value;
        value.position = position + 2;
        value.length = comma - position - 2;
        value.hasEnd = comma < contentEnd;
        if (value.length >= 0 && tag_block.at(position + 1) == QLatin1Char(':')) {
            const QChar key = tag_block.at(position);
            TagScan::Value *first = key == QLatin1Char('s') ? &scan.source
                : key == QLatin1Char('n')                   ? &scan.line
                : key == QLatin1Char('g')                   ? &scan.group
                                                            : nullptr;
            if (first && !first->found())
                *first = value;
            else if (key == QLatin1Char('d'))
                scan.destinations.append(value);
        }
        position = comma + 1;
    }
    if (scan.hasStar) {
        // With the "*" every value has its end.
        for (TagScan::Value *value : { &scan.source, &scan.line, &scan.group })
            value->hasEnd = value->found();
        for (TagScan::Value &value : scan.destinations)
            value.hasEnd = true;
    }
    return scan;
}

UdpParserClass::Reading UdpParserClass::read(const QByteArray &datagram)
{
    Reading reading;
    if (datagram.size() > maxDatagramSize) {
        reading.result = LinesTooLong;
        return reading;
    }
    // The intake hands on datagrams with and without the NUL byte of the header; lines alone pass too.
    int start = 0;
    if (datagram.startsWith(header)) {
        start = sentenceDatagramHeaderLength;
        if (datagram.size() > sentenceDatagramHeaderLength
            && datagram.at(sentenceDatagramHeaderLength) == '\0')
            ++start;
    } else if (!datagram.startsWith('\\')) {
        reading.result = LinesBadHeader;
        return reading;
    }
    int end = datagram.indexOf('\0', start);
    if (end < 0)
        end = datagram.size();
    return readText(QString::fromLatin1(datagram.constData() + start, end - start));
}

namespace {

// One part of a text cut at CR LF; the sentence gets its CR LF back unless the part was the last one.
UdpParserClass::ReadLine readPart(const QStringRef &part, bool endedByLineEnd)
{
    UdpParserClass::ReadLine line;
    const int close = part.startsWith(QLatin1Char('\\')) ? part.indexOf(QLatin1Char('\\'), 1) : -1;
    if (close < 0 || close - 1 > UdpParserClass::maxTagBlockLength) {
        line.framingFault = UdpParserClass::LinesBadFraming;
        line.text = part.toString();
        return line;
    }
    line.line.tagBlock = part.mid(1, close - 1).toString();
    const QStringRef sentence = part.mid(close + 1);
    line.line.sentence.reserve(sentence.size() + 2);
    line.line.sentence.append(sentence);
    if (endedByLineEnd)
        line.line.sentence += QLatin1String("\r\n");
    line.tags = UdpParserClass::scanTagBlock(line.line.tagBlock);
    line.tagFault = UdpParserClass::readTagBlock(line.line.tagBlock, line.tags, &line.values);
    if (line.tagFault)
        line.text = part.toString();
    return line;
}

} // namespace

UdpParserClass::Reading UdpParserClass::readText(const QString &text)
{
    Reading reading;
    reading.text = text;
    const QVector<QStringRef> parts = reading.text.splitRef(QLatin1String("\r\n"));
    for (int i = 0; i < parts.size(); ++i) {
        if (parts.at(i).isEmpty())
            continue;
        reading.lines.append(readPart(parts.at(i), i + 1 < parts.size()));
        if (reading.lines.last().framingFault)
            reading.result = LinesBadFraming;
    }
    return reading;
}

UdpParserClass::ReadLine UdpParserClass::readLine(const QString &line)
{
    return readPart(QStringRef(&line), false);
}

int UdpParserClass::checkLine(const ReadLine &line)
{
    if (line.framingFault)
        return line.framingFault;
    if (line.tagFault == 71)
        return 71;
    // The quiet reading found the checksum sound; the parameters are checked again here for their debug
    // lines (and without the g: check, which only the reassembly needs).
    const QString &tagBlock = line.line.tagBlock;
    if (sourceCheck(line.tags, tagBlock, true) < 0 || lineCheck(line.tags, tagBlock, true) < 0
        || destinationCheck(line.tags, tagBlock, true) < 0)
        return 72;
    return 0;
}

UdpParserClass::LineResult UdpParserClass::readLines(const QByteArray &datagram, QList<Line> *lines)
{
    lines->clear();
    const Reading reading = read(datagram);
    if (reading.result != LinesOk)
        return reading.result;
    for (const ReadLine &line : reading.lines)
        lines->append(line.line);
    return LinesOk;
}

QString UdpParserClass::buildTagBlock(const QString &source_sfi, const QStringList &dest_sfi, int position,
    int sentence_count, const QString &text_tag, int group_id, int line_count)
{
    const bool withTextTag = !text_tag.isEmpty() && text_tag != QLatin1String("noTag");
    QString tag
        = QStringLiteral("\\g:%1-%2-%3,s:%4").arg(position).arg(sentence_count).arg(group_id).arg(source_sfi);
    if (!dest_sfi.isEmpty())
        tag += QLatin1String(",d:") + dest_sfi.join(QLatin1String(",d:"));
    tag += QLatin1String(",n:") + QString::number(line_count);
    if (withTextTag)
        tag += QLatin1String(",t:") + text_tag;
    return tag;
}

int UdpParserClass::checkSourceTag(const QString &tag_block)
{
    return sourceCheck(tag_block, true);
}

int UdpParserClass::checkLineTag(const QString &tag_block)
{
    return lineCheck(tag_block, true);
}

int UdpParserClass::checkDestinationTags(const QString &tag_block)
{
    return destinationCheck(tag_block, true);
}

int UdpParserClass::checkGroupTag(const QString &tag_block)
{
    return groupCheck(tag_block, true);
}

int UdpParserClass::readTagBlock(const QString &tag_block, TagValues *values)
{
    return readTagBlock(tag_block, scanTagBlock(tag_block), values);
}

int UdpParserClass::readTagBlock(const QString &tag_block, const TagScan &scan, TagValues *values)
{
    if (isNmeaChecksumValid(tag_block) != 0)
        return 71;
    GroupValue group;
    const int groupResult = groupCheck(scan, tag_block, false, &group);
    if (sourceCheck(scan, tag_block, false) < 0 || lineCheck(scan, tag_block, false) < 0
        || destinationCheck(scan, tag_block, false) < 0 || groupResult < 0)
        return 72;
    *values = TagValues();
    values->source = parameterValue(tag_block, scan.source);
    values->lineCountText = parameterValue(tag_block, scan.line);
    values->lineCount = decimalValue(values->lineCountText);
    for (const TagScan::Value &destination : scan.destinations)
        values->destinations.append(parameterValue(tag_block, destination));
    values->hasGroup = groupResult == 0;
    if (values->hasGroup) {
        values->groupText = parameterValue(tag_block, scan.group);
        values->position = group.position;
        values->groupSize = group.size;
        values->groupId = group.id;
    }
    values->hasTextTag = scan.hasTextTag;
    if (scan.hasTextTag)
        values->textTag = valueOf(tag_block, scan.textTag).toString();
    return 0;
}

namespace {

// The first and the last line of a reading whose every line is framed; null when there is none.
bool endLines(const UdpParserClass::Reading &reading, const UdpParserClass::ReadLine **first,
    const UdpParserClass::ReadLine **last)
{
    if (reading.result != UdpParserClass::LinesOk || reading.lines.isEmpty())
        return false;
    *first = &reading.lines.first();
    *last = &reading.lines.last();
    return true;
}

} // namespace

QString UdpParserClass::lastTagBlock(const Reading &reading)
{
    const ReadLine *first = nullptr;
    const ReadLine *last = nullptr;
    if (!endLines(reading, &first, &last))
        return QString();
    return last->tags.source.found() && last->tags.line.found() ? last->line.tagBlock : QString();
}

QString UdpParserClass::lastTagBlock(const QByteArray &datagram)
{
    return lastTagBlock(read(datagram));
}

int UdpParserClass::checkDatagramSourceTag(const QByteArray &datagram)
{
    return checkSourceTag(lastTagBlock(datagram));
}

int UdpParserClass::checkDatagramLineTag(const QByteArray &datagram)
{
    return checkLineTag(lastTagBlock(datagram));
}

int UdpParserClass::checkDatagramDestinationTags(const QByteArray &datagram)
{
    return checkDestinationTags(lastTagBlock(datagram));
}

int UdpParserClass::checkDatagramTags(const QByteArray &datagram)
{
    if (checkDatagramSourceTag(datagram) < 0)
        return -1;
    if (checkDatagramDestinationTags(datagram) < 0)
        return -2;
    if (checkDatagramLineTag(datagram) < 0)
        return -3;
    return 0;
}

QString UdpParserClass::sourceSfi(const Reading &reading)
{
    const ReadLine *first = nullptr;
    const ReadLine *last = nullptr;
    if (!endLines(reading, &first, &last))
        return QString();
    if (!last->tags.line.found() || sourceCheck(last->tags, last->line.tagBlock, false) < 0
        || sourceCheck(first->tags, first->line.tagBlock, false) < 0)
        return QString();
    return parameterValue(first->line.tagBlock, first->tags.source);
}

QString UdpParserClass::sourceSfi(const QByteArray &datagram)
{
    return sourceSfi(read(datagram));
}

bool UdpParserClass::isFromSfiIn(const QByteArray &datagram, const QStringList &sfis)
{
    const QString source = sourceSfi(datagram);
    return !source.isEmpty() && sfis.contains(source);
}

QString UdpParserClass::lineCountText(const Reading &reading)
{
    const ReadLine *first = nullptr;
    const ReadLine *last = nullptr;
    if (!endLines(reading, &first, &last))
        return QString();
    if (!last->tags.source.found() || lineCheck(last->tags, last->line.tagBlock, false) < 0
        || lineCheck(first->tags, first->line.tagBlock, false) < 0)
        return QString();
    return parameterValue(first->line.tagBlock, first->tags.line);
}

QString UdpParserClass::lineCountText(const QByteArray &datagram)
{
    return lineCountText(read(datagram));
}

QString UdpParserClass::groupKey(const Reading &reading)
{
    if (lastTagBlock(reading).isEmpty())
        return QString();
    const QString lineCount = lineCountText(reading);
    if (lineCount.isEmpty())
        return QString();
    const ReadLine &last = reading.lines.last();
    if (!last.tags.group.found())
        return QLatin1String("1-1-1-") + lineCount;
    if (!last.tags.group.hasEnd)
        return QString();
    return parameterValue(last.line.tagBlock, last.tags.group) + QLatin1Char('-') + lineCount;
}

QString UdpParserClass::groupKey(const QByteArray &datagram)
{
    return groupKey(read(datagram));
}

bool UdpParserClass::tagChecksumsValid(const Reading &reading)
{
    if (reading.result != LinesOk)
        return false;
    for (const ReadLine &line : reading.lines) {
        if (isNmeaChecksumValid(line.line.tagBlock) < 0)
            return false;
    }
    return true;
}

bool UdpParserClass::tagChecksumsValid(const QByteArray &datagram)
{
    return tagChecksumsValid(read(datagram));
}

QStringList UdpParserClass::destinationSfis(const Reading &reading)
{
    const ReadLine *first = nullptr;
    const ReadLine *last = nullptr;
    if (!endLines(reading, &first, &last))
        return QStringList();
    if (!last->tags.source.found() || !last->tags.line.found()
        || destinationCheck(last->tags, last->line.tagBlock, false) < 0)
        return QStringList();
    QStringList result;
    for (const TagScan::Value &destination : first->tags.destinations) {
        if (destination.hasEnd && destination.length == sfiLength)
            result.append(parameterValue(first->line.tagBlock, destination));
    }
    return result;
}

QStringList UdpParserClass::destinationSfis(const QByteArray &datagram)
{
    return destinationSfis(read(datagram));
}

bool UdpParserClass::isAddressedTo(const QByteArray &datagram, const QString &sfi)
{
    const QStringList destinations = destinationSfis(datagram);
    return destinations.isEmpty() || destinations.contains(sfi);
}

int UdpParserClass::checkAddressing(
    const QByteArray &datagram, const QString &own_sfi, const QStringList &accepted_sources)
{
    if (!isAddressedTo(datagram, own_sfi))
        return -1;
    return isFromSfiIn(datagram, accepted_sources) ? 0 : -2;
}

QString UdpParserClass::textTag(const Reading &reading)
{
    if (reading.result != LinesOk)
        return QString();
    for (const ReadLine &line : reading.lines) {
        if (line.tags.hasTextTag)
            return valueOf(line.line.tagBlock, line.tags.textTag).toString();
    }
    return QString();
}

QString UdpParserClass::textTag(const QByteArray &datagram)
{
    return textTag(read(datagram));
}

bool UdpParserClass::isInternalDatagram(const Reading &reading)
{
    return textTag(reading).startsWith(QLatin1String("pqrv"));
}

bool UdpParserClass::isInternalDatagram(const QByteArray &datagram)
{
    return isInternalDatagram(read(datagram));
}

bool UdpParserClass::isAcknowledgementDatagram(const QByteArray &datagram)
{
    return textTag(datagram).startsWith(QLatin1String("pqrvack"));
}

bool UdpParserClass::isSetupDatagram(const QByteArray &datagram)
{
    return textTag(datagram).startsWith(QLatin1String("pqrvsetup"));
}

QString UdpParserClass::acknowledgedKey(const QByteArray &datagram)
{
    const QString tag = textTag(datagram);
    if (!tag.startsWith(QLatin1String("pqrvack")))
        return QString();
    return tag.mid(int(qstrlen("pqrvack")));
}

void UdpParserClass::removeDestination(QByteArray &datagram, const QString &sfi)
{
    QList<Line> lines;
    if (readLines(datagram, &lines) != LinesOk)
        return;
    const QString item = QLatin1String("d:") + sfi;
    bool changed = false;
    for (Line &line : lines) {
        TagItems parsed = readTagItems(line.tagBlock);
        if (parsed.items.removeAll(item) == 0)
            continue;
        line.tagBlock = rebuildTagBlock(parsed);
        changed = true;
    }
    if (changed)
        datagram = joinLines(linePrefix(datagram), lines);
}

QByteArray UdpParserClass::addDestination(const QByteArray &datagram, const QString &sfi)
{
    if (!destinationSfis(datagram).isEmpty())
        return datagram;
    QList<Line> lines;
    if (readLines(datagram, &lines) != LinesOk)
        return QByteArray();
    for (Line &line : lines) {
        TagItems parsed = readTagItems(line.tagBlock);
        int lineItem = -1;
        for (int i = 0; i < parsed.items.size() && lineItem < 0; ++i) {
            if (parsed.items.at(i).startsWith(QLatin1String("n:")))
                lineItem = i;
        }
        if (lineItem < 0)
            return QByteArray();
        parsed.items.insert(lineItem, QLatin1String("d:") + sfi);
        parsed.hasStar = true;
        line.tagBlock = rebuildTagBlock(parsed);
    }
    QByteArray result = joinLines(QByteArray(), lines);
    prependHeader(result, headerText());
    return result;
}

void UdpParserClass::prependHeader(QByteArray &datagram, const QString &header_text)
{
    QByteArray prefix(sentenceDatagramHeaderLength + 1, '\0');
    for (int i = 0; i < sentenceDatagramHeaderLength && i < header_text.length(); ++i) {
        const ushort code = header_text.at(i).unicode();
        prefix[i] = code > 0xff ? '\0' : static_cast<char>(code);
    }
    datagram.prepend(prefix);
}
