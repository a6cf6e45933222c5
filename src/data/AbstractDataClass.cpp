#include "data/AbstractDataClass.h"

#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/SerializableClass.h"

namespace {
const QString sendFormatter = QStringLiteral("PQRVAVG");
}

AbstractDataClass::AbstractDataClass(QObject *parent)
    : QObject(parent)
{
    registerBaseMetaTypes();
    SignalEmitter *hub = SerializableClass::signalEmitter();
    connect(hub, &SignalEmitter::signalEmitString, this, qOverload<QString>(&AbstractDataClass::testSlot));
    connect(hub, &SignalEmitter::signalSerializedSetupAndDestinationSfis, this,
        qOverload<QString, QStringList>(&AbstractDataClass::testSlot));
}

void AbstractDataClass::registerBaseMetaTypes()
{
    qRegisterMetaType<SerializableClass *>();
    qRegisterMetaType<RuntimeSerializableClass *>();
    qRegisterMetaType<LocalSerializableClass *>();
    qRegisterMetaType<SetupSerializableClass *>();
    qRegisterMetaType<CU_R207_Setup *>();
}

void AbstractDataClass::testSlot(QString string, QStringList destination_sfis)
{
    emit parseData(string, sendFormatter, destination_sfis);
}

void AbstractDataClass::testSlot(QString string)
{
    emit parseData(string, sendFormatter, QStringList());
}
