#include "sentences/NmeaMultiObjectHandler.h"

#include "nmea/NmeaMessage.h"

#include <memory>

NmeaMultiObjectHandler::NmeaMultiObjectHandler(const QList<QObject *> &dataObjects, const QString &formatter,
    bool periodic, QObject *parent, bool proprietary)
    : NmeaHandler(dataObjects.value(0), formatter, periodic, parent, proprietary)
{
    for (QObject *object : dataObjects)
        m_dataObjects.append(QPointer<QObject>(object));
}

QStringList NmeaMultiObjectHandler::outgoingSentences()
{
    QStringList sentences;
    const QPointer<QObject> output = outputDataObject();
    for (const QPointer<QObject> &object : qAsConst(m_dataObjects)) {
        // A fresh message per object, so that a field one object lacks does not carry the value of the
        // object before it.
        std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker(), formatter()));
        if (!message)
            break;
        if (object) {
            setOutputDataObject(object);
            copyDataToMessage(message.get());
        }
        sentences.append(message->toSentence());
    }
    setOutputDataObject(output);
    return sentences;
}

int NmeaMultiObjectHandler::dataObjectCount() const
{
    return m_dataObjects.size();
}
