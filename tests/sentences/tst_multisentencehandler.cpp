#include "DebugCapture.h"
#include "ParsedSentence.h"
#include "TickProbe.h"

#include "common/LogLineLimiter.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/NmeaMultiObjectHandler.h"
#include "sentences/NmeaMultiSentenceHandler.h"
#include "sentences/PqrvSentences.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

namespace {

// The shared validity timer ticks every 20 ms while entries age here.
const int fastTickMs = 20;

// A store of PAIR sentences keyed by their source SFI and grouped by their destination SFI; complete when it
// holds completeAt entries (0: never, the base's default).
class PairStore : public NmeaMultiSentenceHandler
{
public:
    PairStore(int ageLimit, bool useCompleted, int completeAt = 0)
        : NmeaMultiSentenceHandler(nullptr, QStringLiteral("PAIR"), false, nullptr, true)
        , m_completeAt(completeAt)
    {
        setAgeLimit(ageLimit);
        setUseCompletedList(useCompleted);
    }

    QString sentenceKey(const NmeaMessage *message) const override
    {
        return qobject_cast<const MsgPqrvPair *>(message)->SourceSfi()->value();
    }
    QString groupKey(const NmeaMessage *message) const override
    {
        return qobject_cast<const MsgPqrvPair *>(message)->DestinationSfi()->value();
    }
    bool isComplete() const override
    {
        return m_completeAt > 0 ? sentenceCount() == m_completeAt : NmeaMultiSentenceHandler::isComplete();
    }

    void receive(const QString &fields)
    {
        std::unique_ptr<NmeaMessage> message = parse(complete(QStringLiteral("PQRVPAIR,") + fields));
        QVERIFY(message);
        handleReceivedMessage(message.get());
    }

private:
    int m_completeAt;
};

QString pair(const QString &fields)
{
    return complete(QStringLiteral("PQRVPAIR,") + fields);
}

} // namespace

class TestMultiSentenceHandler : public QObject
{
    Q_OBJECT

private slots:
    void storeByKey_data();
    void storeByKey();
    void completedGroup();
    void defaultNeverComplete();
    void copiesAreOwnedAndRebuilt();
    void foreignMessageNotStored();
    void storeIsBounded();
    void droppedSentencesLogIsBounded();
    void entriesExpire();
    void replacementRestartsAge();
    void multiObjectSentences();
    void multiObjectWithoutObjects();
};

void TestMultiSentenceHandler::storeByKey_data()
{
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("distinct keys in arrival order")
        << QStringList { "A,G,P", "B,G,P" } << QStringList { pair("A,G,P"), pair("B,G,P") };
    QTest::newRow("same key replaced in place")
        << QStringList { "A,G,P", "B,G,P", "A,G,U" } << QStringList { pair("A,G,U"), pair("B,G,P") };
    QTest::newRow("new group empties the store")
        << QStringList { "A,G,P", "B,G,P", "C,H,P" } << QStringList { pair("C,H,P") };
    QTest::newRow("back to the first group")
        << QStringList { "A,G,P", "C,H,P", "B,G,P" } << QStringList { pair("B,G,P") };
}

void TestMultiSentenceHandler::storeByKey()
{
    QFETCH(QStringList, received);
    QFETCH(QStringList, stored);

    PairStore store(10, false);
    for (const QString &fields : received)
        store.receive(fields);
    QCOMPARE(store.storedSentences(), stored);
    QCOMPARE(store.sentenceCount(), stored.size());
    QCOMPARE(store.validMessages().size(), stored.size());
}

void TestMultiSentenceHandler::completedGroup()
{
    PairStore store(10, true, 2);
    QSignalSpy complete(&store, &NmeaMultiSentenceHandler::sentenceComplete);

    store.receive("A,G,P");
    // Incomplete and nothing completed before: nothing to read out, though one sentence is stored.
    QCOMPARE(store.storedSentences(), QStringList());
    QVERIFY(!store.storedMessage("A"));
    QCOMPARE(store.sentenceCount(), 1);

    store.receive("B,G,P");
    QCOMPARE(complete.count(), 1);
    QCOMPARE(store.storedSentences(), (QStringList { pair("A,G,P"), pair("B,G,P") }));

    // A part of the same group again completes it again and rebuilds the completed list.
    store.receive("A,G,U");
    QCOMPARE(complete.count(), 2);
    QCOMPARE(store.storedSentences(), (QStringList { pair("A,G,U"), pair("B,G,P") }));

    // A new group starts an incomplete working list; the last complete group is still what is read out.
    store.receive("C,H,P");
    QCOMPARE(complete.count(), 2);
    QCOMPARE(store.sentenceCount(), 1);
    QCOMPARE(store.storedSentences(), (QStringList { pair("A,G,U"), pair("B,G,P") }));
    QVERIFY(store.storedMessage("B"));
    QVERIFY(!store.storedMessage("C"));
}

void TestMultiSentenceHandler::defaultNeverComplete()
{
    PairStore store(10, true);
    QSignalSpy complete(&store, &NmeaMultiSentenceHandler::sentenceComplete);
    store.receive("A,G,P");
    store.receive("B,G,P");
    QCOMPARE(complete.count(), 0);
    QCOMPARE(store.sentenceCount(), 2);
    QCOMPARE(store.storedSentences(), QStringList());
}

// The store keeps copies: the received message stays the caller's, and a stored sentence is written from
// its fields, not from the received text.
void TestMultiSentenceHandler::copiesAreOwnedAndRebuilt()
{
    PairStore store(10, false);
    {
        std::unique_ptr<NmeaMessage> received = parse(pair("A,G,P,extra,fields"));
        store.handleReceivedMessage(received.get());
        QVERIFY(store.storedMessage("A") != received.get());
    }
    QCOMPARE(store.storedSentences(), QStringList { pair("A,G,P") });
    QCOMPARE(store.storedMessage("A")->parameters(), QStringLiteral("A,G,P"));
}

// Fields are copied by index, which only means something within one class: when the registry makes a
// message of another class for the received key, the sentence is not stored (and nothing throws).
void TestMultiSentenceHandler::foreignMessageNotStored()
{
    PairStore store(10, false);
    std::unique_ptr<NmeaMessage> received = parse(pair("A,G,P"));
    registerProprietaryMessage<MsgPqrvSfiAck>(QStringLiteral("PAIR"));
    store.handleReceivedMessage(received.get());
    registerProprietaryMessage<MsgPqrvPair>(QStringLiteral("PAIR"));
    QCOMPARE(store.sentenceCount(), 0);
    store.handleReceivedMessage(received.get());
    QCOMPARE(store.sentenceCount(), 1);
}

void TestMultiSentenceHandler::storeIsBounded()
{
    PairStore store(10, false);
    for (int i = 0; i < NmeaMultiSentenceHandler::maxStoredSentences + 20; ++i)
        store.receive(QStringLiteral("K%1,G,P").arg(i));
    QCOMPARE(store.sentenceCount(), NmeaMultiSentenceHandler::maxStoredSentences);
    // A known key is still replaced while the store is full.
    store.receive("K0,G,U");
    QCOMPARE(store.storedMessage("K0")->parameters(), QStringLiteral("K0,G,U"));
    QVERIFY(!store.storedMessage(QStringLiteral("K%1").arg(NmeaMultiSentenceHandler::maxStoredSentences)));
}

// A peer that sends ever-new keys to a full store cannot fill the log: the lines of dropped sentences are
// summarised as the receiving path's other refusals are.
void TestMultiSentenceHandler::droppedSentencesLogIsBounded()
{
    PairStore store(10, false);
    for (int i = 0; i < NmeaMultiSentenceHandler::maxStoredSentences; ++i)
        store.receive(QStringLiteral("K%1,G,P").arg(i));
    LogLineLimiter *limiter = LogLineLimiter::of("Received sentence not stored");
    const int leftOutBefore = limiter->leftOut();
    const int dropped = 3 * limiter->linesPerPeriod();
    DebugCapture capture;
    for (int i = 0; i < dropped; ++i)
        store.receive(QStringLiteral("N%1,G,P").arg(i));
    QCOMPARE(store.sentenceCount(), NmeaMultiSentenceHandler::maxStoredSentences);
    const int written = capture.count(QStringLiteral("full, sentence dropped"));
    QVERIFY2(written <= limiter->linesPerPeriod(), qPrintable(QString::number(written)));
    QCOMPARE(written + limiter->leftOut() - leftOutBefore, dropped);
}

// Entries age on the shared validity timer and are dropped on the tick that brings them to their limit.
void TestMultiSentenceHandler::entriesExpire()
{
    PairStore working(2, false);
    PairStore completed(2, true, 1);
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), fastTickMs);
    working.receive("A,G,P");
    completed.receive("A,G,P");
    QCOMPARE(completed.storedSentences().size(), 1);
    QList<int> workingCounts;
    QList<int> completedStored;
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int) {
        workingCounts << working.sentenceCount();
        completedStored << completed.storedSentences().size();
    });

    QTRY_VERIFY(probe.ticks() >= 2);
    QCOMPARE(workingCounts.mid(0, 2), QList<int>({ 1, 0 }));
    QCOMPARE(completedStored.at(1), 0);
    QCOMPARE(working.storedSentences(), QStringList());
    QVERIFY(!working.storedMessage("A"));
}

void TestMultiSentenceHandler::replacementRestartsAge()
{
    PairStore store(2, false);
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), fastTickMs);
    store.receive("A,G,P");
    store.receive("B,G,P");
    QList<QStringList> stored;
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int tick) {
        stored << store.storedSentences();
        if (tick == 1)
            store.receive("A,G,U");
    });
    QTRY_VERIFY(probe.ticks() >= 3);
    QCOMPARE(stored.at(1), QStringList { pair("A,G,U") });
    QCOMPARE(stored.at(2), QStringList());
}

void TestMultiSentenceHandler::multiObjectSentences()
{
    PqrvDptData first;
    PqrvDptData second;
    first.DepthBlwTransducerMeters()->setValue(12.5);
    first.TransducerPosition()->setValue("FWD");
    second.DepthBlwTransducerMeters()->setValue(30.0);
    second.TransducerFrequency()->setValue(50);
    NmeaMultiObjectHandler handler({ &first, &second, nullptr }, "DPT", true, nullptr, true);
    QCOMPARE(handler.dataObject(), &first);

    // One sentence per object in list order; a null object gives the fields of a new message.
    QCOMPARE(handler.outgoingSentences(),
        (QStringList {
            complete("PQRVDPT,12.5,,,,,FWD"), complete("PQRVDPT,30.0,,,,50,"), complete("PQRVDPT,,,,,,") }));
    QCOMPARE(handler.outputDataObject(), &first);

    // Received values go to the first object.
    std::unique_ptr<NmeaMessage> received = parse(complete("PQRVDPT,8.0,0.5,100.0,70,200,AFT"));
    handler.handleReceivedMessage(received.get());
    QCOMPARE(first.DepthBlwTransducerMeters()->value(), 8.0);
    QCOMPARE(first.TransducerPosition()->value(), QStringLiteral("AFT"));
    QCOMPARE(second.DepthBlwTransducerMeters()->value(), 30.0);
}

void TestMultiSentenceHandler::multiObjectWithoutObjects()
{
    NmeaMultiObjectHandler handler({}, "DPT", true, nullptr, true);
    QVERIFY(!handler.dataObject());
    QCOMPARE(handler.outgoingSentences(), QStringList());
    std::unique_ptr<NmeaMessage> received = parse(complete("PQRVDPT,8.0,0.5,100.0,70,200,AFT"));
    handler.handleReceivedMessage(received.get());
    QVERIFY(handler.isLastMessageValid());
}

QTEST_GUILESS_MAIN(TestMultiSentenceHandler)
#include "tst_multisentencehandler.moc"
