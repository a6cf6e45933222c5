#ifndef SIMULATIONDATAFILE_H
#define SIMULATIONDATAFILE_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QObject>
#include <QString>

// One recording of the demonstration aid: data handed to it while recording is buffered and appended to
// its file once per tick of the SimulationDataManager; while replaying, every tick reads back what one
// recorded tick wrote and emits it. Three kinds:
// - a block file: records of (bytes, info text, channel), one length-prefixed block per recorded tick;
// - a text list file: lists of texts, each joined with "~" into one chunk;
// - a plain text file: text chunks, every recorded tick ended by a line of 13 "+".
// Every text chunk is followed by a line of 72 "#". Switching to recording deletes the file, so a
// recording always starts empty; switching to replay starts again at the beginning.
class SimulationDataFile : public QObject
{
    Q_OBJECT
public:
    SimulationDataFile(const QString &name, bool blocks, bool list, qint32 tag, QObject *parent = nullptr);

    // The folder of every recording (under the platform root), with its trailing slash.
    static QString directory();
    static QString tickMarker();
    static QString chunkSeparator();

    QString name() const { return m_name; }
    bool isBinary() const { return m_blocks; }
    bool isList() const { return m_list; }
    qint32 tag() const { return m_tag; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isReading() const { return m_reading; }
    // Closes the file, rewinds replay to the start, and on switching to recording deletes the file.
    void setReading(bool reading);

    // One record tick: appends what was buffered since the last tick (nothing when nothing was).
    void flush();

signals:
    void textChunkData(QString data);
    void textListData(QList<QString> data);
    void binaryData(QByteArray data, QString info, int channel);
    void endOfFileReached();

public slots:
    // One replay tick.
    void readData();
    void writeTextChunk(QString data);
    void writeTextList(QList<QString> data);
    void writeBinaryChunk(QByteArray data, QString info, int channel);

private:
    void flushText();
    void flushBinary();
    bool openForAppending();
    void readBlock();
    void readTextTick();
    void readList();
    // One chunk from the replay position: its lines with separators and CR LF removed. With the file
    // already open (a plain text tick) a tick-marker line ends the chunk and stays unread; with the file
    // closed (a list) it is opened for this read, and tick-marker lines are skipped.
    QString readTextChunk(bool *endReached);
    void reachEnd(bool *endReached);

    const QString m_name;
    const bool m_blocks;
    const bool m_list;
    const qint32 m_tag;
    bool m_enabled = true;
    bool m_reading = true;
    QFile m_file;
    qint64 m_position = 0;
    QString m_textBuffer;
    QByteArray m_blockBuffer;
};

#endif // SIMULATIONDATAFILE_H
