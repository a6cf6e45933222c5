#ifndef NMEAMULTISENTENCEHANDLER_H
#define NMEAMULTISENTENCEHANDLER_H

#include "nmea/NmeaHandler.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class NmeaMessage;

// A handler that keeps a small store of received sentences of its formatter instead of only copying the
// last one into its data object. Every stored sentence has a key chosen by the concrete handler; a newer
// sentence with the same key replaces the older one in place; entries expire after a number of ticks of
// the shared 1000 ms validity timer. Sentences may belong to a group (the parts of one multi-sentence
// report): a sentence of another group empties the store, and the concrete handler says when the group is
// complete. The periodic sender sends the stored group (storedSentences) instead of a filled sentence.
class NmeaMultiSentenceHandler : public NmeaHandler
{
    Q_OBJECT
public:
    // One entry of the store. The entry owns its message; an entry without message is skipped.
    struct StoredSentence
    {
        NmeaMessage *message = nullptr;
        QString key;
        int age = 0;
        int limit = 10;
        // Which stored sentence the message is, or is a copy of: a number given to every sentence the
        // working list takes, so that the completed list can tell a copy that is still up to date.
        quint64 revision = 0;
        // Whether the message has been handed out for change (validMessages, storedMessage,
        // readOutMessages): from then on it may differ from what a copy would be.
        mutable bool handedOut = false;
        // Whether no field of the message ages on the validity timer, so that it stays as it is until
        // something writes to it.
        bool steady = false;
    };

    // The same arguments as NmeaHandler's.
    NmeaMultiSentenceHandler(QObject *dataObject, const QString &formatter, bool periodic,
        QObject *parent = nullptr, bool proprietary = false);
    ~NmeaMultiSentenceHandler() override;

    // Stores a copy of the received message (made through the factory, fields copied, so its field text is
    // rebuilt from its fields). Neither the data object nor the last-message flag is touched.
    void handleReceivedMessage(NmeaMessage *message) override;
    // The complete sentences of the read-out list: the completed list when the handler uses one, else
    // the working list.
    QStringList storedSentences() override;

    // Whether the working list holds a complete group; never by default.
    virtual bool isComplete() const;
    // The key under which a sentence is stored.
    virtual QString sentenceKey(const NmeaMessage *message) const = 0;
    // The group a sentence belongs to; "" by default (one group).
    virtual QString groupKey(const NmeaMessage *message) const;
    // The message stored under key in the read-out list, or null; it stays owned by the store.
    virtual NmeaMessage *storedMessage(const QString &key) const;

    // Takes ownership of message (it becomes the handler's Qt child) and stores it (see the class comment).
    void addSentence(NmeaMessage *message);
    // Deletes every entry of the working list.
    void clearSentences();
    // Replaces the completed list by copies of the working list.
    void moveToCompleted();

    int sentenceCount() const;
    // The messages of the working list that have not reached their age limit, in list order.
    QList<NmeaMessage *> validMessages() const;
    int ageLimit() const;

    // The working list never holds more entries than this: a sentence with a new key is dropped while the
    // list is full, so that a stream of ever-new keys cannot grow the store.
    static const int maxStoredSentences = 100;

signals:
    void sentenceComplete();

protected:
    // The limit given to new entries (10 ticks unless a concrete handler sets another).
    void setAgeLimit(int limit);
    // Whether the completed list is the read-out list.
    void setUseCompletedList(bool useCompleted);
    // The messages of the read-out list, in order.
    QList<NmeaMessage *> readOutMessages() const;
    // The group of the working list (set when an entry is appended).
    QString storedGroupKey() const;

private slots:
    void incrementValidityCounters();

private:
    // A message of the same class with the same field values, as the factory and copyFieldsFrom make it:
    // a spare one when there is one of that class, else a new one; null when the factory has no class of
    // that key or makes one of another class. Owned by the handler.
    NmeaMessage *copyOf(const NmeaMessage *message);
    // Messages that leave the store are kept as spares for the next copies (at most as many as the store
    // holds), so that a steady stream of sentences builds no message at all.
    void recycle(NmeaMessage *message);
    void recycleEntries(QVector<StoredSentence> &list);
    void ageEntries(QVector<StoredSentence> &list);
    // Whether the copy of a completed entry is still what copying its working entry again would make.
    static bool isUpToDateCopy(const StoredSentence &copy, const StoredSentence &stored);
    // Whether no field of a copy of the message ages on the validity timer.
    bool hasSteadyFields(const NmeaMessage *message);

    QString m_groupKey;
    bool m_useCompletedList = false;
    QVector<StoredSentence> m_workingList;
    QVector<StoredSentence> m_completedList;
    // The completed list being made again; kept between sentences so that its storage is reused.
    QVector<StoredSentence> m_nextCompletedList;
    quint64 m_lastRevision = 0;
    const QMetaObject *m_steadyClass = nullptr;
    bool m_steadyClassAnswer = false;
    QVector<NmeaMessage *> m_spares;
    int m_ageLimit = 10;
};

#endif // NMEAMULTISENTENCEHANDLER_H
