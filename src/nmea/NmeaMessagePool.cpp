#include "nmea/NmeaMessagePool.h"

#include "nmea/NmeaMessage.h"

namespace {

const QLatin1String pooledProprietaryTalker("PQRV");

} // namespace

NmeaMessagePool *NmeaMessagePool::instance()
{
    // Never destroyed: messages may be given back until the process ends.
    static NmeaMessagePool *const pool = new NmeaMessagePool;
    return pool;
}

NmeaMessagePool::FreeList *NmeaMessagePool::freeList(
    bool proprietary, const QString &formatter, const QString &talker)
{
    auto found = m_free[proprietary ? 1 : 0].find(formatter);
    if (found == m_free[proprietary ? 1 : 0].end())
        return nullptr;
    for (FreeList &list : *found) {
        if (list.talker == talker)
            return &list;
    }
    return nullptr;
}

NmeaMessage *NmeaMessagePool::take(const QString &talker, const QString &formatter)
{
    if (m_enabled) {
        // The registry is chosen by the talker, as NmeaMessage::create chooses it.
        FreeList *list = freeList(talker == pooledProprietaryTalker, formatter, talker);
        if (list && !list->messages.isEmpty()) {
            --m_freeCount;
            return list->messages.takeLast();
        }
    }
    return NmeaMessage::create(talker, formatter);
}

void NmeaMessagePool::give(NmeaMessage *message)
{
    if (!message || message->parent())
        return;
    if (!m_enabled) {
        delete message;
        return;
    }
    // A message is filed under the key take() was asked for: for a standard class its talker and
    // formatter are the arguments it was made with, a proprietary class has the talker "PQRV". A message
    // whose class filed there is another one (a class that does not keep its talker) is not reused.
    const QString talker = message->talker();
    const QString formatter = message->formatter();
    const bool proprietary = talker == pooledProprietaryTalker;
    FreeList *list = freeList(proprietary, formatter, talker);
    if (!list) {
        // The class that take() builds for this key decides, once per key.
        const std::unique_ptr<NmeaMessage> reference(NmeaMessage::create(talker, formatter));
        FreeList added;
        added.talker = talker;
        added.meta = reference ? reference->metaObject() : nullptr;
        m_free[proprietary ? 1 : 0][formatter].append(added);
        list = freeList(proprietary, formatter, talker);
    }
    if (list->meta != message->metaObject() || list->messages.size() >= maxFreePerClass) {
        delete message;
        return;
    }
    message->resetToDefaults();
    list->messages.append(message);
    ++m_freeCount;
}

void NmeaMessagePool::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        clear();
}

bool NmeaMessagePool::isEnabled() const
{
    return m_enabled;
}

int NmeaMessagePool::freeCount() const
{
    return m_freeCount;
}

void NmeaMessagePool::clear()
{
    for (auto &registry : m_free) {
        for (QVector<FreeList> &lists : registry) {
            for (FreeList &list : lists)
                qDeleteAll(list.messages);
        }
        registry.clear();
    }
    m_freeCount = 0;
}

void NmeaMessagePool::GiveBack::operator()(NmeaMessage *message) const
{
    NmeaMessagePool::instance()->give(message);
}
