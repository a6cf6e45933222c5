#ifndef RECEIVEDRUNTIME_H
#define RECEIVEDRUNTIME_H

#include "data/ESDataClass.h"
#include "data/ESRuntime.h"

#include <QString>
#include <QStringList>

// Runtime values as the junction box sends them: one runtime text ("Type_Runtime," and name=value=T items)
// applied to the process-wide runtime values object. "Name=" + "=F" with an empty value marks the value
// not valid (the old number stays, as after a value that was not received).
inline bool receiveRuntime(const QStringList &items)
{
    return ESDataClass::instance()->runtime()->deserializeAll(
        QStringLiteral("Type_Runtime,") + items.join(QLatin1Char(',')));
}

// A value that has not been refreshed and has expired: marked not valid and its change announced, as the
// validity ageing does.
inline void expireRuntime(const QString &name)
{
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    runtime->setValid(name, false);
    const QByteArray property = name.toLatin1();
    runtime->setProperty(property.constData(), runtime->property(property.constData()));
}

#endif // RECEIVEDRUNTIME_H
