#ifndef MESSAGELOGGER_H
#define MESSAGELOGGER_H

#include "common/Port.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class BufferedRecorder;

// The log of one direction of traffic: one recorder per port, each on its own file in the logger's
// directory ("NMEA_1.txt", "NMEA_2.txt", "NMEA_3.txt", "NMEA_UDP.txt" for ports 0 to 3), and an on/off
// switch per port. Records are only added in memory; the files are rewritten by writeToFiles and
// flushToFiles.
class MessageLogger : public QObject
{
    Q_OBJECT
public:
    // The directory path ends with "/" (or is empty: no files until setDirPath gives one). Each
    // recorder loads its existing file.
    MessageLogger(const QString &dirPath, int capacity, QObject *parent = nullptr);
    ~MessageLogger() override;

    // The recorder of a port, or null for a port without one.
    BufferedRecorder *recorder(Port port) const;
    // Whether the port's records are taken; false for a port whose switch was never set.
    bool isPortLogging(Port port) const;
    QString dirPath() const { return m_dirPath; }

    // Deletes every file of the directory whose complete suffix (everything after the first dot of its
    // name) holds anything besides `suffix`: left-over temporary files of interrupted writes
    // ("NMEA_1.txt.a1b2"). Files without a dot and sub-directories stay. An empty path names no
    // directory and deletes nothing.
    static void removeNonTextFiles(const QString &dirPath, const QString &suffix = QStringLiteral("txt"));

public slots:
    void logMessageToFile(Port port, QString text);
    void setPortLogging(Port port, bool enabled);
    void writeToFiles();
    void flushToFiles();
    // Moves the logs: cleans the new directory of left-over files and points every recorder at its
    // file there; the records held stay and go there with the next write.
    virtual void setDirPath(QString dirPath);

protected:
    // A recorder on the file of that name in the logger's directory (none while the directory is empty).
    BufferedRecorder *createRecorder(const QString &fileName);
    // Every recorder in writing order; a derived logger appends its own after the port recorders.
    QList<BufferedRecorder *> m_allRecorders;
    QMap<BufferedRecorder *, QString> m_recorderFileNames;

private:
    QString m_dirPath;
    int m_capacity;
    QMap<Port, QString> m_fileNames;
    QMap<Port, BufferedRecorder *> m_recorders;
    QMap<Port, bool> m_portLogging;
};

#endif // MESSAGELOGGER_H
