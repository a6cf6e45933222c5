#ifndef RECORDEDLOGS_H
#define RECORDEDLOGS_H

// Test helper: the recorded sentence logs of the shared data folder (gzip-compressed, one sentence a line
// behind a tag block, lines ended by LF only). Header only.

#include <QByteArray>
#include <QDebug>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QString>

namespace RecordedLogs {

inline QString path(const QString &name)
{
    return QStringLiteral(TESSARY_SHARED_DATA_DIR "/nmea-logs/") + name;
}

inline bool exists(const QString &name)
{
    return QFileInfo::exists(path(name));
}

// The lines of a log, in order, decompressed with gzip; empty when the log is absent or gzip fails.
inline QList<QByteArray> lines(const QString &name)
{
    if (!exists(name))
        return {};
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), { QStringLiteral("-dc"), path(name) });
    if (!gzip.waitForFinished(120000) || gzip.exitStatus() != QProcess::NormalExit || gzip.exitCode() != 0) {
        qWarning() << "gzip failed on" << path(name) << gzip.errorString();
        return {};
    }
    QByteArray text = gzip.readAllStandardOutput();
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

// The received sentence of a log line: the leading tag block "\...\" removed, CR LF added. A line that
// does not start with a whole tag block is taken as it is, NUL bytes included.
inline QString sentenceOfLine(const QByteArray &line)
{
    QByteArray sentence = line;
    if (sentence.startsWith('\\')) {
        const int end = sentence.indexOf('\\', 1);
        if (end > 0)
            sentence.remove(0, end + 1);
    }
    // Not fromLatin1(QByteArray), which would stop at the first NUL byte.
    return QString::fromLatin1(sentence.constData(), sentence.size()) + QLatin1String("\r\n");
}

} // namespace RecordedLogs

#endif // RECORDEDLOGS_H
