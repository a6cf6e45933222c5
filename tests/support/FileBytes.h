#ifndef FILEBYTES_H
#define FILEBYTES_H

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole content of a file; empty when it cannot be read.
inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file in place (not atomically), replacing what was there; false unless every byte was written.
inline bool writeFileBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

#endif // FILEBYTES_H
