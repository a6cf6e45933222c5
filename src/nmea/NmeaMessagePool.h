#ifndef NMEAMESSAGEPOOL_H
#define NMEAMESSAGEPOOL_H

#include <QHash>
#include <QString>
#include <QVector>

#include <memory>

class NmeaMessage;
struct QMetaObject;

// The messages of the receive path, reused. Every received sentence needs a message of its class only
// until its handler returns; building one (a field object and a validator per field) costs more than
// parsing the sentence. The pool keeps messages that were given back, reset to their class's defaults,
// per class and talker, and hands them out again in place of new ones.
//
// Nothing can tell a reused message from a new one: take() gives a message in the state in which
// NmeaMessage::create leaves it (NmeaMessage::resetToDefaults). A message that someone keeps after its
// handler returned is one with a Qt parent (a handler that stores a received message takes it as its
// child): give() leaves it to that parent and never reuses it.
//
// Process-wide, GUI thread only, like the sentence registries.
class NmeaMessagePool
{
public:
    static NmeaMessagePool *instance();

    // The most free messages kept per class and talker; more are deleted when given back. A group of
    // sentences holds one message per sentence until its last sentence is handled.
    static const int maxFreePerClass = 32;

    // A message of the class NmeaMessage::create(talker, formatter) makes, owned by the caller until it is
    // given back; null when no class is registered under that key.
    NmeaMessage *take(const QString &talker, const QString &formatter);
    // Takes back a message made by take() or NmeaMessage::create. A message with a parent is left alone.
    void give(NmeaMessage *message);

    // Without reuse take() builds every message and give() deletes it: the tests compare both ways.
    void setEnabled(bool enabled);
    bool isEnabled() const;
    // Free messages held, of every class.
    int freeCount() const;

    // Gives its message back to the pool when it goes out of scope.
    struct GiveBack
    {
        void operator()(NmeaMessage *message) const;
    };
    using Handle = std::unique_ptr<NmeaMessage, GiveBack>;

private:
    NmeaMessagePool() = default;

    // The free messages of one class and talker.
    struct FreeList
    {
        QString talker;
        const QMetaObject *meta = nullptr;
        QVector<NmeaMessage *> messages;
    };
    FreeList *freeList(bool proprietary, const QString &formatter, const QString &talker);
    void clear();

    // Per registry (standard, proprietary) and key, the lists of the talkers seen.
    QHash<QString, QVector<FreeList>> m_free[2];
    bool m_enabled = true;
    int m_freeCount = 0;
};

#endif // NMEAMESSAGEPOOL_H
