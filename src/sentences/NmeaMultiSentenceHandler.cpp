#include "sentences/NmeaMultiSentenceHandler.h"

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
    for (const QList<StoredSentence> *list : { &m_workingList, &m_completedList }) {
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

void NmeaMultiSentenceHandler::recycleEntries(QList<StoredSentence> &list)
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
    // The completed list is rebuilt after every sentence of a complete group; its messages are reused
    // in place, each made again what a new copy would be.
    QList<StoredSentence> completed;
    int reused = 0;
    for (const StoredSentence &stored : qAsConst(m_workingList)) {
        if (!stored.message)
            continue;
        NmeaMessage *copy = nullptr;
        while (!copy && reused < m_completedList.size()) {
            NmeaMessage *old = m_completedList.at(reused++).message;
            if (old && old->metaObject() == stored.message->metaObject()) {
                old->becomeCopyOf(stored.message);
                copy = old;
            } else {
                recycle(old);
            }
        }
        if (!copy)
            copy = copyOf(stored.message);
        if (!copy)
            continue;
        StoredSentence entry;
        entry.message = copy;
        entry.key = sentenceKey(copy);
        entry.limit = m_ageLimit;
        completed.append(entry);
    }
    for (int i = reused; i < m_completedList.size(); ++i)
        recycle(m_completedList.at(i).message);
    m_completedList = completed;
}

QStringList NmeaMultiSentenceHandler::storedSentences()
{
    QStringList sentences;
    for (const NmeaMessage *message : readOutMessages())
        sentences.append(message->toSentence());
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
    const QList<StoredSentence> &list = m_useCompletedList ? m_completedList : m_workingList;
    for (const StoredSentence &stored : list) {
        if (stored.message && stored.key == key)
            return stored.message;
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
        if (stored.message && stored.age < stored.limit)
            messages.append(stored.message);
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
        if (stored.message)
            messages.append(stored.message);
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

void NmeaMultiSentenceHandler::ageEntries(QList<StoredSentence> &list)
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
