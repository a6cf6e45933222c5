#ifndef SIGNALEXTENDER_H
#define SIGNALEXTENDER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

// One queued string-based connection between two registered names.
struct PendingConnection
{
    QString sourceName;
    QString signal; // "2" + signature, as SIGNAL() writes it
    QString slotOwnerName;
    QString slot; // "1" + signature, as SLOT() writes it
    int connectionType; // a Qt::ConnectionType value
};

// A registry of named objects and a queue of connections between names, for objects that do not know each
// other: each registers itself and queues the connections it wants; once all exist, connectPending() makes
// them. Not an owner of the registered objects.
class SignalExtender : public QObject
{
    Q_OBJECT

public:
    // The process-wide registry, created without parent on first use and never destroyed.
    static SignalExtender *instance();

    explicit SignalExtender(QObject *parent = nullptr);

    // Inserts or replaces the object under the name; connections already made stay.
    void registerObject(const QString &name, QObject *object);
    // The object registered under the name, or null (also when the object has since been destroyed).
    QObject *findObject(const QString &name) const;

    // Queues a connection; nothing is resolved until connectPending().
    void addPendingConnection(const QString &source_name, const QString &signal,
        const QString &slot_owner_name, const QString &slot, int connection_type = Qt::AutoConnection);
    // Makes the connections queued since the last call. A record whose source or slot owner is not
    // registered is reported on the debug log and never retried.
    void connectPending();
    // How many queued records have been looked at so far.
    int connectedCount() const;

private:
    QHash<QString, QPointer<QObject>> m_registry;
    QVector<PendingConnection> m_pending;
    int m_processedIndex = 0;
};

#endif // SIGNALEXTENDER_H
