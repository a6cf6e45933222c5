#include "comms/BufferedRecorder.h"

#include "common/AtomicFile.h"
#include "data/ClockOffsets.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QString timeFormat = QStringLiteral("dd-MMM-yyyy_hh:mm:ss");
const QString recordEnd = QStringLiteral("<<");

// Bytes per record read back at most: the longest kept text and its frame. A file holding more than
// `capacity` such records is read from the end, where the newest records are.
const qint64 maxRecordBytes = BufferedRecorder::maxTextLength + 64;

// The time stamp of a record at the start of the text, right after the "<<" of the record before, or
// at the start of a line (after a damaged record that lost its "<<").
const QRegularExpression &recordStart()
{
    static const QRegularExpression pattern(QStringLiteral(
        "(?:\\A|(?<=<<)|(?<=\\n))\\d{2}-[^-\\s]{1,8}-\\d{4}_\\d{2}:\\d{2}:\\d{2} \\(UTC\\) >> "));
    return pattern;
}

// The record head for the current UTC second. Records arrive in bursts within the same second, so the
// formatted text is kept until the second changes.
QString recordHead()
{
    thread_local qint64 cachedSecond = -1;
    thread_local QString cachedHead;
    const QDateTime now = systemDateTimeUtc();
    const qint64 second = now.toMSecsSinceEpoch() / 1000;
    if (second != cachedSecond) {
        cachedSecond = second;
        cachedHead = QLocale(QLocale::English).toString(now, timeFormat) + QStringLiteral(" (UTC) >> ");
    }
    return cachedHead;
}

} // namespace

BufferedRecorder::BufferedRecorder(const QString &filePath, int capacity)
    : m_filePath(filePath)
    , m_capacity(qMax(1, capacity))
{
    m_records = loadFile();
    m_dirty = false;
}

BufferedRecorder::~BufferedRecorder()
{
    // Only what is not yet in the file; an unchanged log is not rewritten on the way out.
    writeIfDirty();
}

void BufferedRecorder::addRecord(const QString &text)
{
    m_dirty = true;
    QString record = recordHead();
    record.reserve(record.size() + qMin(text.size(), maxTextLength) + recordEnd.size());
    record += text.size() > maxTextLength ? text.left(maxTextLength) : text;
    record += recordEnd;
    m_records.append(record);
    while (m_records.size() > m_capacity)
        m_records.removeFirst();
}

void BufferedRecorder::addErrorRecord(int errorNumber, const QString &text)
{
    addRecord(QString::number(errorNumber) + QStringLiteral(": ") + text);
}

void BufferedRecorder::writeIfDirty()
{
    if (m_dirty)
        writeFile();
}

void BufferedRecorder::flush()
{
    writeFile();
}

void BufferedRecorder::setFilePath(const QString &filePath)
{
    const bool firstFile = m_filePath.isEmpty();
    m_filePath = filePath;
    if (!firstFile || filePath.isEmpty())
        return;
    QList<QString> earlier = loadFile();
    if (earlier.isEmpty())
        return;
    earlier.append(m_records);
    m_records = earlier;
    while (m_records.size() > m_capacity)
        m_records.removeFirst();
}

QString BufferedRecorder::contents() const
{
    return m_records.join(QString());
}

QList<QString> BufferedRecorder::loadFile() const
{
    if (m_filePath.isEmpty())
        return {};
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 limit = maxRecordBytes * m_capacity;
    const qint64 size = file.size();
    if (size > limit && !file.seek(size - limit))
        return {};
    const QByteArray data = file.read(limit);
    return parseRecords(data, m_capacity);
}

QList<QString> BufferedRecorder::parseRecords(const QByteArray &data, int capacity)
{
    QByteArray clean;
    clean.reserve(data.size());
    int from = 0;
    while (from < data.size()) {
        const int nul = data.indexOf('\0', from);
        if (nul < 0) {
            clean.append(data.constData() + from, data.size() - from);
            break;
        }
        clean.append(data.constData() + from, nul - from);
        const int lineEnd = data.indexOf('\n', nul);
        if (lineEnd < 0)
            break;
        from = lineEnd;
    }
    const QString text = QString::fromLatin1(clean);

    QList<int> starts;
    QRegularExpressionMatchIterator it = recordStart().globalMatch(text);
    while (it.hasNext())
        starts.append(it.next().capturedStart());

    const int first = qMax(0, starts.size() - qMax(1, capacity));
    QList<QString> records;
    int closed = 0;
    for (int i = first; i < starts.size(); ++i) {
        const int end = i + 1 < starts.size() ? starts.at(i + 1) : text.size();
        QString record = text.mid(starts.at(i), end - starts.at(i));
        if (!record.endsWith(recordEnd)) {
            // White space after the "<<", or a record cut short (the end of a file written in part,
            // a damaged block): such a record is closed with a "<<" of its own.
            const int last = record.lastIndexOf(recordEnd);
            if (last >= 0 && record.midRef(last + recordEnd.size()).trimmed().isEmpty()) {
                record.truncate(last + recordEnd.size());
            } else {
                ++closed;
                record += recordEnd;
            }
        }
        records.append(record);
    }
    if (closed > 0)
        qDebug() << "Communication log records without their end, closed:" << closed;
    return records;
}

bool BufferedRecorder::writeFile()
{
    if (m_filePath.isEmpty())
        return false;
    QByteArray bytes;
    for (const QString &record : qAsConst(m_records))
        bytes += record.toLatin1();
    QString error;
    if (!writeFileAtomically(m_filePath, bytes, &error)) {
        // The records stay in memory and dirty, so the next write tries again.
        if (!m_writeFailed)
            qDebug() << "Communication log not written:" << m_filePath << error;
        m_writeFailed = true;
        return false;
    }
    if (m_writeFailed)
        qDebug() << "Communication log written again:" << m_filePath;
    m_writeFailed = false;
    m_dirty = false;
    return true;
}
