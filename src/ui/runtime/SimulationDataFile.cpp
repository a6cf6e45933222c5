#include "ui/runtime/SimulationDataFile.h"

#include "platform/PlatformPaths.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QTextStream>

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString listSeparator = QStringLiteral("~");

// The stream format the recordings were first written in; fixed so that a newer Qt reads them alike.
const QDataStream::Version streamVersion = QDataStream::Qt_5_6;

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

SimulationDataFile::SimulationDataFile(
    const QString &name, bool blocks, bool list, qint32 tag, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_blocks(blocks)
    , m_list(list)
    , m_tag(tag)
    , m_file(directory() + name)
{
}

QString SimulationDataFile::directory()
{
    return PlatformPaths::path(PlatformPaths::demoDataFolder());
}

QString SimulationDataFile::tickMarker()
{
    return QString(13, QLatin1Char('+'));
}

QString SimulationDataFile::chunkSeparator()
{
    return QString(72, QLatin1Char('#'));
}

void SimulationDataFile::setReading(bool reading)
{
    if (m_file.isOpen())
        m_file.close();
    m_position = 0;
    qDebug().noquote() << "Reading changed to:  " + boolText(reading);
    m_reading = reading;
    if (!reading)
        m_file.remove();
}

void SimulationDataFile::flush()
{
    if (m_blocks)
        flushBinary();
    else
        flushText();
}

void SimulationDataFile::writeTextChunk(QString data)
{
    qDebug().noquote() << "Writing:  " + data;
    if (m_enabled && !m_reading)
        m_textBuffer += data + crlf + chunkSeparator() + crlf;
}

void SimulationDataFile::writeTextList(QList<QString> data)
{
    if (m_enabled && !m_reading && !data.isEmpty())
        writeTextChunk(QStringList(data).join(listSeparator));
}

void SimulationDataFile::writeBinaryChunk(QByteArray data, QString info, int channel)
{
    if (!m_enabled || m_reading)
        return;
    QDataStream out(&m_blockBuffer, QIODevice::Append);
    out.setVersion(streamVersion);
    out << data << info << qint32(channel);
}

bool SimulationDataFile::openForAppending()
{
    const QString folder = directory();
    if (!QDir(folder).exists())
        QDir().mkdir(folder);
    if (!m_file.open(QIODevice::Append)) {
        qDebug() << "Problem opening file for writing!!";
        return false;
    }
    return true;
}

void SimulationDataFile::flushText()
{
    if (m_textBuffer.isEmpty())
        return;
    if (openForAppending()) {
        QTextStream out(&m_file);
        // Replay reads UTF-8, whatever the locale's encoding is.
        out.setCodec("UTF-8");
        out << m_textBuffer << crlf << tickMarker() << crlf;
        out.flush();
        m_file.close();
    }
    m_textBuffer.clear();
}

void SimulationDataFile::flushBinary()
{
    if (m_blockBuffer.isEmpty())
        return;
    if (openForAppending()) {
        qDebug().noquote() << "Binary buffer size (write): " + QString::number(m_blockBuffer.size());
        QDataStream out(&m_file);
        out.setVersion(streamVersion);
        out << m_blockBuffer;
        m_file.close();
    }
    m_blockBuffer.clear();
}

void SimulationDataFile::readData()
{
    if (!m_enabled || !m_reading)
        return;
    if (m_blocks)
        readBlock();
    else if (m_list)
        readList();
    else
        readTextTick();
}

void SimulationDataFile::reachEnd(bool *endReached)
{
    m_position = 0;
    *endReached = true;
    emit endOfFileReached();
}

void SimulationDataFile::readBlock()
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        qDebug() << "Problem opening file for reading!!";
        return;
    }
    m_file.seek(m_position);
    QDataStream in(&m_file);
    in.setVersion(streamVersion);
    QByteArray block;
    in >> block;
    const bool damaged = in.status() != QDataStream::Ok;
    bool endReached = false;
    // A block that cannot be read whole counts as the end: replay starts again at the beginning.
    if (damaged || m_file.atEnd())
        reachEnd(&endReached);
    else
        m_position = m_file.pos();
    // The end handler may have closed the file already (every file rewinds).
    if (m_file.isOpen())
        m_file.close();
    if (damaged)
        return;

    QDataStream records(block);
    records.setVersion(streamVersion);
    while (!records.atEnd()) {
        QByteArray data;
        QString info;
        qint32 channel = 0;
        records >> data >> info >> channel;
        if (records.status() != QDataStream::Ok)
            break;
        emit binaryData(data, info, channel);
    }
}

void SimulationDataFile::readTextTick()
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        qDebug() << "Problem opening file for reading!!";
        return;
    }
    QStringList chunks;
    bool endReached = false;
    while (!endReached) {
        const QString chunk = readTextChunk(&endReached);
        if (!chunk.isEmpty() && chunk != crlf)
            chunks << chunk;
        if (endReached || !m_file.isOpen())
            break;
        // The line after a chunk is only looked at: the next chunk is read from the stored position.
        const QString line = QString::fromUtf8(m_file.readLine().constData());
        if (m_file.atEnd())
            reachEnd(&endReached);
        else if (line.contains(tickMarker()))
            m_position = m_file.pos();
        else
            continue;
        break;
    }
    if (m_file.isOpen())
        m_file.close();
    for (const QString &chunk : qAsConst(chunks))
        emit textChunkData(chunk);
}

void SimulationDataFile::readList()
{
    bool endReached = false;
    QString chunk = readTextChunk(&endReached);
    // What follows the last list is only its tick's end: the replay goes on with the first list.
    if (chunk.isEmpty() && endReached) {
        endReached = false;
        chunk = readTextChunk(&endReached);
    }
    emit textListData(chunk.split(listSeparator, Qt::KeepEmptyParts, Qt::CaseSensitive));
}

QString SimulationDataFile::readTextChunk(bool *endReached)
{
    const bool openedHere = !m_file.isOpen();
    if (openedHere && !m_file.open(QIODevice::ReadOnly)) {
        qDebug() << "Problem opening file for reading!!";
        return QString();
    }
    QString result;
    m_file.seek(m_position);
    while (m_file.isOpen()) {
        const qint64 lineStart = m_file.pos();
        const QByteArray bytes = m_file.readLine();
        if (bytes.isEmpty()) {
            // Nothing more can be read (the end, or a read error): the chunk ends with the file.
            reachEnd(endReached);
            break;
        }
        const QString line = QString::fromUtf8(bytes.constData());
        if (line.contains(tickMarker())) {
            if (!openedHere) {
                // A plain text tick ends here; the marker line is left for the tick to find.
                m_file.seek(lineStart);
                break;
            }
            // In a list file the marker belongs to no list.
            m_position = m_file.pos();
        } else {
            if (!line.isEmpty() && line != crlf)
                result += QString(line).remove(chunkSeparator()).remove(crlf);
            m_position = m_file.pos();
        }
        if (m_file.atEnd()) {
            reachEnd(endReached);
            break;
        }
        if (line.contains(chunkSeparator()))
            break;
    }
    if (openedHere && m_file.isOpen())
        m_file.close();
    return result;
}
