#ifndef NMEAMULTIOBJECTHANDLER_H
#define NMEAMULTIOBJECTHANDLER_H

#include "nmea/NmeaHandler.h"

#include <QList>
#include <QPointer>
#include <QStringList>

// A handler that sends one sentence per data object of a list, each filled by field name from its object.
// Received sentences go to the first object of the list (the base's data object).
class NmeaMultiObjectHandler : public NmeaHandler
{
    Q_OBJECT
public:
    // The data objects are not owned; the first one is the base's data and output data object. An empty
    // list gives a handler without data object that sends nothing.
    NmeaMultiObjectHandler(const QList<QObject *> &dataObjects, const QString &formatter, bool periodic,
        QObject *parent = nullptr, bool proprietary = false);

    // One complete sentence per data object, in list order. A null object gives the sentence with the
    // fields as a new message has them.
    QStringList outgoingSentences() override;

    int dataObjectCount() const;

private:
    QList<QPointer<QObject>> m_dataObjects;
};

#endif // NMEAMULTIOBJECTHANDLER_H
