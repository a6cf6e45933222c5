#include "common/SignalExtender.h"

#include <QDebug>

SignalExtender *SignalExtender::instance()
{
    static SignalExtender *const registry = new SignalExtender;
    return registry;
}

SignalExtender::SignalExtender(QObject *parent)
    : QObject(parent)
{
}

void SignalExtender::registerObject(const QString &name, QObject *object)
{
    m_registry.insert(name, QPointer<QObject>(object));
}

QObject *SignalExtender::findObject(const QString &name) const
{
    return m_registry.value(name).data();
}

void SignalExtender::addPendingConnection(const QString &source_name, const QString &signal,
    const QString &slot_owner_name, const QString &slot, int connection_type)
{
    m_pending.append(PendingConnection { source_name, signal, slot_owner_name, slot, connection_type });
}

void SignalExtender::connectPending()
{
    // The length is read on every round: a connection made here may run code that queues further records,
    // and those are resolved in the same pass.
    for (int i = m_processedIndex; i < m_pending.size(); ++i) {
        // A copy: queuing during connect may reallocate the list.
        const PendingConnection record = m_pending.at(i);
        QObject *source = findObject(record.sourceName);
        QObject *owner = findObject(record.slotOwnerName);
        if (!source) {
            qDebug() << record.sourceName << " signal source"
                     << " has not been registerd within Signalextender.";
        } else if (!owner) {
            qDebug() << record.slotOwnerName << " slot owner"
                     << " has not been registerd within Signalextender.";
        } else {
            // A connection that Qt refuses is reported by Qt itself.
            QObject::connect(source, record.signal.toLatin1().constData(), owner,
                record.slot.toLatin1().constData(), static_cast<Qt::ConnectionType>(record.connectionType));
        }
    }
    m_processedIndex = m_pending.size();
}

int SignalExtender::connectedCount() const
{
    return m_processedIndex;
}
