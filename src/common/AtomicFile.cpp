#include "common/AtomicFile.h"

#include <QDebug>
#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        else
            qDebug().noquote() << "Problem opening file for writing: " + path;
        return false;
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.commit()) {
        // A short write may leave errorString empty: the count says what happened.
        QString reason = file.errorString();
        if (written != bytes.size())
            reason = QStringLiteral("%1 of %2 bytes written: %3")
                         .arg(qMax<qint64>(written, 0))
                         .arg(bytes.size())
                         .arg(reason);
        file.cancelWriting();
        if (error)
            *error = reason;
        else
            qDebug().noquote() << "Problem writing file: " + path + ": " + reason;
        return false;
    }
    return true;
}
