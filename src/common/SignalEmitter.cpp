#include "common/SignalEmitter.h"

SignalEmitter::SignalEmitter(QObject *parent)
    : QObject(parent)
{
}

// Each hub is made on first use, so a static initializer elsewhere that emits or connects before this file's
// own initializers have run still finds it; the initializer below makes sure all of them exist before main.

SignalEmitter *nmeaHandlerSignalEmitter()
{
    static SignalEmitter *const hub = new SignalEmitter;
    return hub;
}

SignalEmitter *serializableSignalEmitter()
{
    static SignalEmitter *const hub = new SignalEmitter;
    return hub;
}

SignalEmitter *settingsSignalEmitter()
{
    return serializableSignalEmitter();
}

SignalEmitter *propertyInfoSignalEmitter()
{
    static SignalEmitter *const hub = new SignalEmitter;
    return hub;
}

SignalEmitter *buttonSignalEmitter()
{
    static SignalEmitter *const hub = new SignalEmitter;
    return hub;
}

namespace {

const bool s_hubsCreated = nmeaHandlerSignalEmitter() && serializableSignalEmitter()
    && propertyInfoSignalEmitter() && buttonSignalEmitter();

// The list argument of the handler hub's group request, looked up by this name when a connection made by text
// is queued (the type Port is registered with the sentence group types).
const int s_listTypeRegistered = qRegisterMetaType<QList<QString>>("QList<QString>");

} // namespace
