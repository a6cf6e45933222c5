#ifndef BUFFEREDRECORDER_H
#define BUFFEREDRECORDER_H

#include <QList>
#include <QString>

// One communication log: a bounded ring of time-stamped records kept in memory and written, whole, to
// its file when asked. A record is the UTC time ("dd-MMM-yyyy_hh:mm:ss", English month names),
// " (UTC)", " >> ", the logged text unchanged and "<<"; records follow each other in the file with
// nothing between them, oldest first, and a logged sentence brings its own CR LF.
//
// Records are kept one by one, so dropping the oldest removes exactly one whole record whatever its
// text holds, and the file is rewritten through a save file, so a write that is cut off (a storage
// device pulled out) leaves the previous file whole.
class BufferedRecorder
{
public:
    // Longest logged text kept in a record; longer texts are cut. Bounds the memory of a log whatever
    // arrives (a faulty datagram may be far longer than any valid one).
    static constexpr int maxTextLength = 2048;

    // Loads the records of the file, if there is one. An empty path means: no file yet; nothing is
    // loaded or written until a path is set.
    BufferedRecorder(const QString &filePath, int capacity);
    virtual ~BufferedRecorder();
    BufferedRecorder(const BufferedRecorder &) = delete;
    BufferedRecorder &operator=(const BufferedRecorder &) = delete;

    void addRecord(const QString &text);
    // A record whose text is the error number, ": " and the offending text.
    void addErrorRecord(int errorNumber, const QString &text);

    // Rewrites the file when records were added since the last successful write.
    void writeIfDirty();
    // Rewrites the file whether or not records were added.
    void flush();
    // The next write goes to the new path; the records held stay. When the recorder had no file until
    // now, the records already in the new file are taken in first, in front of the records held (which
    // are newer), so a device that appears after start keeps its earlier logs.
    void setFilePath(const QString &filePath);

    QString filePath() const { return m_filePath; }
    // All records, oldest first, as the file holds them.
    QString contents() const;
    int recordCount() const { return m_records.size(); }
    int capacity() const { return m_capacity; }
    bool isDirty() const { return m_dirty; }

    // The records found in a log file's text, oldest first; at most `capacity`, the newest ones. A
    // record begins with its time stamp at the start of the text, right after a "<<" or at the start of
    // a line, and ends with the "<<" before the next record or at the end. Text before the first record
    // is dropped, and so is white space after a "<<"; a record whose "<<" is missing (a file cut short)
    // is closed with one. What follows a NUL byte up to the end of its line (the unwritten tail of a
    // file on a device that lost power) is dropped.
    static QList<QString> parseRecords(const QByteArray &data, int capacity);

private:
    QList<QString> loadFile() const;
    bool writeFile();

    QString m_filePath;
    QList<QString> m_records;
    int m_capacity;
    bool m_dirty = false;
    // Whether the last write failed; the failure is written to the debug log once per outage.
    bool m_writeFailed = false;
};

#endif // BUFFEREDRECORDER_H
