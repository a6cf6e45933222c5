#include "nmea/NmeaHandlerContainer.h"

#include "nmea/NmeaHandler.h"

namespace {

// Constant-initialised, so a factory installed by any static initializer is never overwritten later.
NmeaHandlerContainer::HandlerSetFactory s_handlerSetFactory = nullptr;

} // namespace

bool NmeaHandlerContainer::setHandlerSetFactory(HandlerSetFactory factory)
{
    s_handlerSetFactory = factory;
    return true;
}

NmeaHandlerContainer *NmeaHandlerContainer::instance()
{
    static NmeaHandlerContainer *const container = new NmeaHandlerContainer(nullptr);
    return container;
}

NmeaHandlerContainer::NmeaHandlerContainer(QObject *parent)
    : QObject(parent)
{
    if (s_handlerSetFactory) {
        const QList<Registration> handlers = s_handlerSetFactory(this);
        for (const Registration &entry : handlers)
            (entry.proprietary ? m_proprietaryHandlers : m_standardHandlers)
                .insert(entry.name, entry.handler);
    }
    m_allHandlers = m_standardHandlers.values();
    m_allHandlers.append(m_proprietaryHandlers.values());
}

NmeaHandlerContainer *NmeaHandlerContainer::containerOf(const QObject *handler)
{
    if (handler) {
        if (auto *container = qobject_cast<NmeaHandlerContainer *>(handler->parent()))
            return container;
    }
    return instance();
}

NmeaHandler *NmeaHandlerContainer::handler(const QString &talker, const QString &name) const
{
    const QHash<QString, NmeaHandler *> &handlers
        = talker == QLatin1String("PQRV") ? m_proprietaryHandlers : m_standardHandlers;
    return handlers.value(name, nullptr);
}

QList<NmeaHandler *> NmeaHandlerContainer::handlers() const
{
    return m_allHandlers;
}
