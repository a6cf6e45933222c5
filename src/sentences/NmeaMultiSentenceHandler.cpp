#include "sentences/NmeaMultiSentenceHandler.h"

#include "common/LogLineLimiter.h"
#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

#include <QDebug>
#include <QTimer>

NmeaMultiSentenceHandler::NmeaMultiSentenceHandler(
    QObject *dataObject, const QString &formatter, bool periodic, QObject *parent, bool proprietary)
    : NmeaHandler(dataObject, formatter, periodic, parent, proprietary)
{
    m_multiSentence = true;
    // The shared timer exists once any validated property does; the handler's own message has made some.
    if (QTimer *timer = ValidatedProperty::validityTimer())
        connect(timer, &QTimer::timeout, this, &NmeaMultiSentenceHandler::incrementValidityCounters);
    else
        qDebug() << "NmeaMultiSentenceHandler: no validity timer yet, stored" << formatter
                 << "sentences will not expire";
}

NmeaMultiSentenceHandler::~NmeaMultiSentenceHandler()
{
    // The messages are children of the handler; the lists are emptied before they go.
    for (const QVector<StoredSentence> *list : { &m_workingList, &m_completedList }) {
        for (const StoredSentence &stored : *list)
            delete stored.message;
    }
    qDeleteAll(m_spares);
}

void NmeaMultiSentenceHandler::handleReceivedMessage(NmeaMessage *message)
{
    if (!message)
        return;
    if (NmeaMessage *copy = copyOf(message))
        addSentence(copy);
}

NmeaMessage *NmeaMultiSentenceHandler::copyOf(const NmeaMessage *message)
{
    for (int i = m_spares.size() - 1; i >= 0; --i) {
        if (m_spares.at(i)->metaObject() == message->metaObject()) {
            NmeaMessage *copy = m_spares.takeAt(i);
            copy->becomeCopyOf(message);
            return copy;
        }
    }
    NmeaMessage *copy = NmeaMessage::create(message->talker(), message->formatter());
    // Fields are copied by index, which means the same thing only within one class.
    if (!copy || copy->metaObject() != message->metaObject()) {
        if (admitLogLine("Received sentence not stored"))
            qDebug() << "NmeaMultiSentenceHandler: no message of the same class for" << message->talker()
                     << message->formatter();
        delete copy;
        return nullptr;
    }
    copy->copyFieldsFrom(message);
    copy->setParent(this);
    return copy;
}

void NmeaMultiSentenceHandler::recycle(NmeaMessage *message)
{
    if (!message)
        return;
    if (m_spares.size() < maxStoredSentences)
        m_spares.append(message);
    else
        delete message;
}

void NmeaMultiSentenceHandler::recycleEntries(QVector<StoredSentence> &list)
{
    for (const StoredSentence &stored : qAsConst(list))
        recycle(stored.message);
    list.clear();
}

void NmeaMultiSentenceHandler::addSentence(NmeaMessage *message)
{
    if (!message)
        return;
    if (message->parent() != this)
        message->setParent(this);
    StoredSentence entry;
    entry.message = message;
    entry.key = sentenceKey(message);
    entry.limit = m_ageLimit;
    entry.revision = ++m_lastRevision;

    const QString group = groupKey(message);
    if (group != m_groupKey)
        clearSentences();

    bool replaced = false;
    for (StoredSentence &stored : m_workingList) {
        if (stored.message && stored.key == entry.key) {
            recycle(stored.message);
            stored = entry;
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        if (m_workingList.size() >= maxStoredSentences) {
            if (admitLogLine("Received sentence not stored"))
                qDebug() << "NmeaMultiSentenceHandler: store of" << formatter() << "full, sentence dropped";
            recycle(message);
            return;
        }
        m_workingList.append(entry);
        m_groupKey = group;
    }

    if (isComplete()) {
        emit sentenceComplete();
        if (m_useCompletedList)
            moveToCompleted();
    }
}

void NmeaMultiSentenceHandler::clearSentences()
{
    recycleEntries(m_workingList);
}

void NmeaMultiSentenceHandler::moveToCompleted()
{
    // The completed list is made again after every sentence of a complete group: entry by entry the
    // copies of the working list, their messages reused in order, each made again what a new copy would
    // be. A message that already is the copy of the same stored sentence, and that nothing can have
    // changed since, would come out of copying exactly as it is; it is kept without copying, so that a
    // sentence that completes a group again costs one copy instead of one per part.
    m_nextCompletedList.clear();
    int reused = 0;
    for (const StoredSentence &stored : qAsConst(m_workingList)) {
        if (!stored.message)
            continue;
        StoredSentence entry;
        bool copied = true;
        while (!entry.message && reused < m_completedList.size()) {
            const StoredSentence &old = m_completedList.at(reused++);
            if (!old.message || old.message->metaObject() != stored.message->metaObject()) {
                recycle(old.message);
                continue;
            }
            entry.message = old.message;
            entry.handedOut = old.handedOut;
            if (isUpToDateCopy(old, stored)) {
                entry.key = old.key;
                entry.steady = old.steady;
                copied = false;
            } else {
                old.message->becomeCopyOf(stored.message);
            }
        }
        if (!entry.message)
            entry.message = copyOf(stored.message);
        if (!entry.message)
            continue;
        if (copied) {
            entry.key = sentenceKey(entry.message);
            entry.steady = hasSteadyFields(entry.message);
        }
        entry.limit = m_ageLimit;
        entry.revision = stored.revision;
        m_nextCompletedList.append(entry);
    }
    for (int i = reused; i < m_completedList.size(); ++i)
        recycle(m_completedList.at(i).message);
    m_completedList.swap(m_nextCompletedList);
    m_nextCompletedList.clear();
}

bool NmeaMultiSentenceHandler::isUpToDateCopy(const StoredSentence &copy, const StoredSentence &stored)
{
    // The same stored sentence, and neither message can have changed: a message whose fields age
    // (validity counts restart on copying) or one handed out for change is copied again.
    return copy.revision == stored.revision && copy.steady && !copy.handedOut && !stored.handedOut;
}

bool NmeaMultiSentenceHandler::hasSteadyFields(const NmeaMessage *message)
{
    // A copy has the validity limits its class gives (they are not copied and have no setter), so the
    // answer is one per class; a store holds one class, so the last answer is kept.
    if (message->metaObject() == m_steadyClass)
        return m_steadyClassAnswer;
    bool steady = true;
    for (int i = 0; i < message->fieldCount() && steady; ++i)
        steady = message->field(i)->validityLimit() < 0;
    m_steadyClass = message->metaObject();
    m_steadyClassAnswer = steady;
    return steady;
}

QStringList NmeaMultiSentenceHandler::storedSentences()
{
    // Only read: the messages are not handed out (see readOutMessages).
    QStringList sentences;
    for (const StoredSentence &stored : m_useCompletedList ? m_completedList : m_workingList) {
        if (stored.message)
            sentences.append(stored.message->toSentence());
    }
    return sentences;
}

bool NmeaMultiSentenceHandler::isComplete() const
{
    return false;
}

QString NmeaMultiSentenceHandler::groupKey(const NmeaMessage *message) const
{
    Q_UNUSED(message)
    return QString();
}

NmeaMessage *NmeaMultiSentenceHandler::storedMessage(const QString &key) const
{
    const QVector<StoredSentence> &list = m_useCompletedList ? m_completedList : m_workingList;
    for (const StoredSentence &stored : list) {
        if (stored.message && stored.key == key) {
            stored.handedOut = true;
            return stored.message;
        }
    }
    return nullptr;
}

int NmeaMultiSentenceHandler::sentenceCount() const
{
    return m_workingList.size();
}

QList<NmeaMessage *> NmeaMultiSentenceHandler::validMessages() const
{
    QList<NmeaMessage *> messages;
    for (const StoredSentence &stored : m_workingList) {
        if (stored.message && stored.age < stored.limit) {
            stored.handedOut = true;
            messages.append(stored.message);
        }
    }
    return messages;
}

int NmeaMultiSentenceHandler::ageLimit() const
{
    return m_ageLimit;
}

void NmeaMultiSentenceHandler::setAgeLimit(int limit)
{
    m_ageLimit = limit;
}

void NmeaMultiSentenceHandler::setUseCompletedList(bool useCompleted)
{
    m_useCompletedList = useCompleted;
}

QList<NmeaMessage *> NmeaMultiSentenceHandler::readOutMessages() const
{
    QList<NmeaMessage *> messages;
    for (const StoredSentence &stored : m_useCompletedList ? m_completedList : m_workingList) {
        if (stored.message) {
            stored.handedOut = true;
            messages.append(stored.message);
        }
    }
    return messages;
}

QString NmeaMultiSentenceHandler::storedGroupKey() const
{
    return m_groupKey;
}

void NmeaMultiSentenceHandler::incrementValidityCounters()
{
    ageEntries(m_workingList);
    ageEntries(m_completedList);
}

void NmeaMultiSentenceHandler::ageEntries(QVector<StoredSentence> &list)
{
    for (auto it = list.begin(); it != list.end();) {
        ++it->age;
        if (it->age >= it->limit) {
            recycle(it->message);
            it = list.erase(it);
        } else {
            ++it;
        }
    }
}
