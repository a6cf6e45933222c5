#ifndef SPYTEXTS_H
#define SPYTEXTS_H

#include <QSignalSpy>
#include <QStringList>

// The first argument of every emission a spy recorded, as text, in order.
inline QStringList firstArgumentTexts(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.at(0).toString();
    return texts;
}

#endif // SPYTEXTS_H
