#ifndef LOGTEXT_H
#define LOGTEXT_H

#include <QByteArray>
#include <QString>

// Text that came from outside (a peer on the network or a serial line, a received settings text) goes
// into a debug line cut to this many characters, so that a faulty or hostile peer cannot fill the log
// with lines of its own length.
constexpr int maxLoggedTextLength = 80;

inline QString logExcerpt(const QString &text)
{
    return text.left(maxLoggedTextLength);
}

// Bytes as Latin-1 text, cut the same way.
inline QString logExcerpt(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.left(maxLoggedTextLength));
}

#endif // LOGTEXT_H
