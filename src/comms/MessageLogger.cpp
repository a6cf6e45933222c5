#include "comms/MessageLogger.h"

#include "comms/BufferedRecorder.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

MessageLogger::MessageLogger(const QString &dirPath, int capacity, QObject *parent)
    : QObject(parent)
    , m_dirPath(dirPath)
    , m_capacity(capacity)
{
    m_fileNames.insert(Serial_1, QStringLiteral("NMEA_1.txt"));
    m_fileNames.insert(Serial_2, QStringLiteral("NMEA_2.txt"));
    m_fileNames.insert(Serial_3, QStringLiteral("NMEA_3.txt"));
    m_fileNames.insert(UDP, QStringLiteral("NMEA_UDP.txt"));
    for (auto it = m_fileNames.cbegin(); it != m_fileNames.cend(); ++it) {
        m_portLogging.insert(it.key(), true);
        m_recorders.insert(it.key(), createRecorder(it.value()));
    }
}

MessageLogger::~MessageLogger()
{
    qDeleteAll(m_allRecorders);
}

BufferedRecorder *MessageLogger::createRecorder(const QString &fileName)
{
    auto *recorder = new BufferedRecorder(m_dirPath.isEmpty() ? QString() : m_dirPath + fileName, m_capacity);
    m_allRecorders.append(recorder);
    m_recorderFileNames.insert(recorder, fileName);
    return recorder;
}

BufferedRecorder *MessageLogger::recorder(Port port) const
{
    return m_recorders.value(port, nullptr);
}

bool MessageLogger::isPortLogging(Port port) const
{
    return m_portLogging.value(port, false);
}

void MessageLogger::logMessageToFile(Port port, QString text)
{
    if (!isPortLogging(port))
        return;
    if (BufferedRecorder *portRecorder = recorder(port))
        portRecorder->addRecord(text);
}

void MessageLogger::setPortLogging(Port port, bool enabled)
{
    m_portLogging.insert(port, enabled);
}

void MessageLogger::writeToFiles()
{
    for (BufferedRecorder *each : qAsConst(m_allRecorders))
        each->writeIfDirty();
}

void MessageLogger::flushToFiles()
{
    for (BufferedRecorder *each : qAsConst(m_allRecorders))
        each->flush();
}

void MessageLogger::setDirPath(QString dirPath)
{
    removeNonTextFiles(dirPath);
    m_dirPath = dirPath;
    for (BufferedRecorder *each : qAsConst(m_allRecorders))
        each->setFilePath(dirPath.isEmpty() ? QString() : dirPath + m_recorderFileNames.value(each));
}

void MessageLogger::removeNonTextFiles(const QString &dirPath, const QString &suffix)
{
    if (dirPath.isEmpty())
        return;
    const QDir directory(dirPath);
    const QFileInfoList files = directory.entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        QString rest = file.completeSuffix();
        rest.remove(suffix);
        if (rest.isEmpty())
            continue;
        if (!QFile::remove(file.absoluteFilePath()))
            qDebug() << "Left-over log file not removed:" << file.absoluteFilePath();
    }
}
