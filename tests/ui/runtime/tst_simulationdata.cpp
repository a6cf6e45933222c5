// Demo record and replay: text chunks, text lists and byte blocks recorded tick by tick into files of a
// temporary platform root and replayed at the same pace; the manager's modes, registration, enabling
// and the failures it logs.

#include "DebugCapture.h"
#include "platform/PlatformPaths.h"
#include "ui/runtime/SimulationDataFile.h"
#include "ui/runtime/SimulationDataManager.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray separator = QByteArray(72, '#');
const QByteArray marker = QByteArray(13, '+');

// A manager ticking every 20 ms over recordings in a temporary platform root, and its tick counter.
struct Demo
{
    Demo()
        : root(dir.path())
        , ticks(manager.findChild<QTimer *>(), &QTimer::timeout)
    {
        QDir(dir.path()).mkpath(QStringLiteral("opt"));
        manager.setTickInterval(20);
    }
    QString path(const QString &name) const { return dir.path() + QStringLiteral("/opt/sim_data/") + name; }
    QByteArray contents(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QDir(dir.path()).mkpath(QStringLiteral("opt/sim_data"));
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Records what a replaying file emits, each with the tick it came in: a chunk as its text, a list
    // as its items joined by "|" in brackets, a record as info/channel, the end as "end".
    void watch(SimulationDataFile *file)
    {
        auto add = [this](const QString &event) {
            events.append(event);
            eventTicks.append(ticks.count());
        };
        QObject::connect(file, &SimulationDataFile::textChunkData, file, add);
        QObject::connect(file, &SimulationDataFile::textListData, file, [add](const QList<QString> &list) {
            add(QLatin1Char('[') + QStringList(list).join(QLatin1Char('|')) + QLatin1Char(']'));
        });
        QObject::connect(file, &SimulationDataFile::binaryData, file,
            [add](const QByteArray &, const QString &info, int channel) {
                add(info + QLatin1Char('/') + QString::number(channel));
            });
        QObject::connect(
            file, &SimulationDataFile::endOfFileReached, file, [add]() { add(QStringLiteral("end")); });
    }
    // The first n events, and the ticks they came in counted from the first one's.
    QStringList firstEvents(int n) const { return events.mid(0, n); }
    QList<int> firstTicks(int n) const
    {
        QList<int> result;
        for (int i = 0; i < n && i < eventTicks.size(); ++i)
            result.append(eventTicks.at(i) - eventTicks.at(0));
        return result;
    }
    // Waits until n more ticks have passed.
    bool waitTicks(int n)
    {
        const int until = ticks.count() + n;
        return QTest::qWaitFor([&]() { return ticks.count() >= until; }, 5000);
    }
    QTemporaryDir dir;
    PlatformPaths::TestOverride root;
    SimulationDataManager manager;
    QSignalSpy ticks;
    QStringList events;
    QList<int> eventTicks;
};

QByteArray chunkLines(const QByteArray &text)
{
    return text + "\r\n" + separator + "\r\n";
}

QByteArray tickEnd()
{
    return "\r\n" + marker + "\r\n";
}

} // namespace

class tst_SimulationData : public QObject
{
    Q_OBJECT

private slots:
    void realTickInterval();
    void textRecordedPerTick();
    void textReplayedPerTick();
    void crLfInsideAChunk_data();
    void crLfInsideAChunk();
    void recordingCutShort();
    void listsRecordedAndReplayed();
    void missingListFileGivesOneEmptyText();
    void blocksRecordedAndReplayed();
    void damagedBlockFile();
    void writingWhileReplayingChangesNothing();
    void switchingModes();
    void registrationWhileRecordingKeepsRecording();
    void registrationWhileReplayingRewinds();
    void disablingStopsTheClockAndEnablingRestartsIt();
    void missingParentFolder();
    void fileDeletedByItsParent();
};

void tst_SimulationData::realTickInterval()
{
    SimulationDataManager manager;
    QCOMPARE(manager.tickInterval(), 1000);
    QVERIFY(manager.isTicking());
    QVERIFY(manager.isEnabled());
    QVERIFY(manager.isReading());
}

void tst_SimulationData::textRecordedPerTick()
{
    Demo demo;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("text"), false, false, 7);
    QCOMPARE(file->tag(), 7);
    demo.manager.setReading(false);
    file->writeTextChunk(QStringLiteral("A"));
    file->writeTextChunk(QStringLiteral("B"));
    QTRY_COMPARE(demo.contents(QStringLiteral("text")), chunkLines("A") + chunkLines("B") + tickEnd());

    // Ticks without data leave no trace; the next data is the next recorded tick.
    QVERIFY(demo.waitTicks(3));
    QCOMPARE(demo.contents(QStringLiteral("text")), chunkLines("A") + chunkLines("B") + tickEnd());
    file->writeTextChunk(QStringLiteral("C"));
    QTRY_COMPARE(demo.contents(QStringLiteral("text")),
        chunkLines("A") + chunkLines("B") + tickEnd() + chunkLines("C") + tickEnd());
}

void tst_SimulationData::textReplayedPerTick()
{
    Demo demo;
    demo.writeFile(QStringLiteral("text"),
        chunkLines("A") + chunkLines("B") + tickEnd() + chunkLines("C") + tickEnd() + chunkLines("D")
            + tickEnd());
    demo.watch(demo.manager.registerFile(QStringLiteral("text"), false, false, 0));

    // One recorded tick per tick: A and B together, then C, then D with the end of the file, then
    // from the beginning again.
    QTRY_VERIFY(demo.events.size() >= 7);
    QCOMPARE(demo.firstEvents(7), QStringList({ "A", "B", "C", "end", "D", "A", "B" }));
    QCOMPARE(demo.firstTicks(7), QList<int>({ 0, 0, 1, 2, 2, 3, 3 }));
}

void tst_SimulationData::crLfInsideAChunk_data()
{
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("replayed");
    QTest::newRow("CR LF removed") << "speed\r\n12.5"
                                   << "speed12.5";
    QTest::newRow("line feed kept") << "speed\n12.5"
                                    << "speed\n12.5";
    QTest::newRow("UTF-8") << "12.5\u00B0"
                           << "12.5\u00B0";
}

void tst_SimulationData::crLfInsideAChunk()
{
    QFETCH(QString, recorded);
    QFETCH(QString, replayed);
    Demo demo;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("text"), false, false, 0);
    demo.manager.setReading(false);
    file->writeTextChunk(recorded);
    QTRY_VERIFY(demo.contents(QStringLiteral("text")).contains(marker));
    demo.manager.setReading(true);
    QSignalSpy chunks(file, &SimulationDataFile::textChunkData);
    QTRY_VERIFY(!chunks.isEmpty());
    QCOMPARE(chunks.first().first().toString(), replayed);
}

void tst_SimulationData::recordingCutShort()
{
    // The last chunk has neither its separator nor the tick marker.
    Demo demo;
    demo.writeFile(QStringLiteral("text"), chunkLines("A") + tickEnd() + "B\r\n");
    demo.watch(demo.manager.registerFile(QStringLiteral("text"), false, false, 0));
    QTRY_VERIFY(demo.events.size() >= 4);
    QCOMPARE(demo.firstEvents(4), QStringList({ "A", "end", "B", "A" }));
    QCOMPARE(demo.firstTicks(4), QList<int>({ 0, 1, 1, 2 }));
}

void tst_SimulationData::listsRecordedAndReplayed()
{
    Demo demo;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("lists"), false, true, 0);
    QVERIFY(file->isList());
    demo.manager.setReading(false);
    file->writeTextList({ QStringLiteral("a"), QString(), QStringLiteral("b") });
    QTRY_VERIFY(demo.contents(QStringLiteral("lists")).contains(marker));
    file->writeTextList({});
    file->writeTextList({ QStringLiteral("c") });
    QTRY_COMPARE(demo.contents(QStringLiteral("lists")).count(marker), 2);
    QCOMPARE(
        demo.contents(QStringLiteral("lists")), chunkLines("a~~b") + tickEnd() + chunkLines("c") + tickEnd());

    // Replayed as recorded, one list per tick; the tick-marker lines are no items of any list.
    // After the last list the replay goes on with the first in the same tick.
    demo.watch(file);
    demo.manager.setReading(true);
    QTRY_VERIFY(demo.events.size() >= 4);
    QCOMPARE(demo.firstEvents(4), QStringList({ "[a||b]", "[c]", "end", "[a||b]" }));
    QCOMPARE(demo.firstTicks(4), QList<int>({ 0, 1, 2, 2 }));
}

void tst_SimulationData::missingListFileGivesOneEmptyText()
{
    Demo demo;
    DebugCapture log;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("absent"), false, true, 0);
    QSignalSpy lists(file, &SimulationDataFile::textListData);
    QTRY_VERIFY(lists.count() >= 2);
    QCOMPARE(lists.at(1).first().value<QList<QString>>(), QList<QString>({ QString() }));
    QVERIFY(log.count(QStringLiteral("Problem opening file for reading!!")) >= 2);
}

void tst_SimulationData::blocksRecordedAndReplayed()
{
    Demo demo;
    DebugCapture log;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("blocks"), true, false, 0);
    QVERIFY(file->isBinary());
    demo.manager.setReading(false);
    file->writeBinaryChunk(QByteArray("\x01\x02", 2), QStringLiteral("first"), 3);
    file->writeBinaryChunk(QByteArray(), QStringLiteral("second"), -1);
    QTRY_VERIFY(!demo.contents(QStringLiteral("blocks")).isEmpty());
    file->writeBinaryChunk(QByteArray("xyz"), QStringLiteral("third"), 0);
    QTRY_VERIFY(log.count(QStringLiteral("Binary buffer size (write): ")) == 2);

    // One length-prefixed block per recorded tick, each a run of (bytes, info, channel) records.
    QByteArray expected;
    {
        QByteArray block1;
        QDataStream one(&block1, QIODevice::WriteOnly);
        one.setVersion(QDataStream::Qt_5_6);
        one << QByteArray("\x01\x02", 2) << QStringLiteral("first") << qint32(3) << QByteArray()
            << QStringLiteral("second") << qint32(-1);
        QByteArray block2;
        QDataStream two(&block2, QIODevice::WriteOnly);
        two.setVersion(QDataStream::Qt_5_6);
        two << QByteArray("xyz") << QStringLiteral("third") << qint32(0);
        QDataStream out(&expected, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_6);
        out << block1 << block2;
    }
    QCOMPARE(demo.contents(QStringLiteral("blocks")), expected);

    // The last block ends the file and rewinds every file; its records still come in that tick.
    QSignalSpy records(file, &SimulationDataFile::binaryData);
    demo.watch(file);
    demo.manager.setReading(true);
    QTRY_VERIFY(demo.events.size() >= 5);
    QCOMPARE(demo.firstEvents(5), QStringList({ "first/3", "second/-1", "end", "third/0", "first/3" }));
    QCOMPARE(demo.firstTicks(5), QList<int>({ 0, 0, 1, 1, 2 }));
    QCOMPARE(records.at(0), QVariantList({ QByteArray("\x01\x02", 2), QStringLiteral("first"), 3 }));
    QCOMPARE(records.at(1).first().toByteArray(), QByteArray());
    QCOMPARE(records.at(2).first().toByteArray(), QByteArray("xyz"));
}

void tst_SimulationData::damagedBlockFile()
{
    // A block that claims more bytes than the file holds: nothing is emitted, replay starts over.
    Demo demo;
    demo.writeFile(QStringLiteral("blocks"),
        QByteArray("\x00\x10\x00\x00"
                   "abc",
            7));
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("blocks"), true, false, 0);
    QSignalSpy records(file, &SimulationDataFile::binaryData);
    QSignalSpy ends(file, &SimulationDataFile::endOfFileReached);
    QTRY_VERIFY(ends.count() >= 2);
    QCOMPARE(records.count(), 0);
}

void tst_SimulationData::writingWhileReplayingChangesNothing()
{
    Demo demo;
    DebugCapture log;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("text"), false, false, 0);
    file->writeTextChunk(QStringLiteral("ignored"));
    file->writeBinaryChunk(QByteArray("x"), QString(), 0);
    QCOMPARE(log.count(QStringLiteral("Writing:  ignored")), 1);
    demo.manager.setReading(false);
    QVERIFY(demo.waitTicks(2));
    QVERIFY(!QFile::exists(demo.path(QStringLiteral("text"))));

    // Nor while the file is disabled.
    file->setEnabled(false);
    file->writeTextChunk(QStringLiteral("also ignored"));
    QVERIFY(demo.waitTicks(2));
    QVERIFY(!QFile::exists(demo.path(QStringLiteral("text"))));
}

void tst_SimulationData::switchingModes()
{
    Demo demo;
    const QByteArray recording = chunkLines("old") + tickEnd();
    demo.writeFile(QStringLiteral("text"), recording);
    DebugCapture log;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("text"), false, false, 0);
    QVERIFY(file->isReading());

    // Replay keeps the recording and starts at its beginning.
    QSignalSpy chunks(file, &SimulationDataFile::textChunkData);
    QTRY_VERIFY(!chunks.isEmpty());
    QCOMPARE(chunks.first().first().toString(), QStringLiteral("old"));
    QCOMPARE(demo.contents(QStringLiteral("text")), recording);

    // Recording starts from an empty file.
    demo.manager.setReading(false);
    QVERIFY(!file->isReading());
    QVERIFY(!demo.manager.isReading());
    QVERIFY(!QFile::exists(demo.path(QStringLiteral("text"))));
    QCOMPARE(log.count(QStringLiteral("Reading changed to:  false")), 1);
}

void tst_SimulationData::registrationWhileRecordingKeepsRecording()
{
    Demo demo;
    SimulationDataFile *first = demo.manager.registerFile(QStringLiteral("first"), false, false, 0);
    demo.manager.setReading(false);
    first->writeTextChunk(QStringLiteral("A"));
    SimulationDataFile *second = demo.manager.registerFile(QStringLiteral("second"), false, false, 0);
    QVERIFY(!demo.manager.isReading());
    QVERIFY(!first->isReading());
    QVERIFY(!second->isReading());
    second->writeTextChunk(QStringLiteral("B"));
    QTRY_COMPARE(demo.contents(QStringLiteral("first")), chunkLines("A") + tickEnd());
    QTRY_COMPARE(demo.contents(QStringLiteral("second")), chunkLines("B") + tickEnd());
    QCOMPARE(demo.manager.fileByName(QStringLiteral("second")), second);
    QCOMPARE(demo.manager.fileByName(QStringLiteral("third")), nullptr);
}

void tst_SimulationData::registrationWhileReplayingRewinds()
{
    Demo demo;
    demo.writeFile(QStringLiteral("first"), chunkLines("A") + tickEnd() + chunkLines("B") + tickEnd());
    SimulationDataFile *first = demo.manager.registerFile(QStringLiteral("first"), false, false, 0);
    demo.watch(first);
    // A second file registered right after the first tick: the first file starts again.
    bool registered = false;
    connect(first, &SimulationDataFile::textChunkData, this, [&]() {
        if (!std::exchange(registered, true))
            demo.manager.registerFile(QStringLiteral("second"), false, false, 0);
    });
    QTRY_VERIFY(demo.events.size() >= 2);
    QCOMPARE(demo.firstEvents(2), QStringList({ "A", "A" }));
    QCOMPARE(demo.firstTicks(2), QList<int>({ 0, 1 }));
}

void tst_SimulationData::disablingStopsTheClockAndEnablingRestartsIt()
{
    Demo demo;
    SimulationDataFile *file = demo.manager.registerFile(QStringLiteral("text"), false, false, 0);
    demo.manager.setEnabled(false);
    QVERIFY(!file->isEnabled());
    QTRY_VERIFY(!demo.manager.isTicking());

    demo.manager.setEnabled(true);
    QVERIFY(file->isEnabled());
    QVERIFY(demo.manager.isTicking());
    demo.manager.setReading(false);
    file->writeTextChunk(QStringLiteral("A"));
    QTRY_COMPARE(demo.contents(QStringLiteral("text")), chunkLines("A") + tickEnd());
}

void tst_SimulationData::missingParentFolder()
{
    // Only the last folder is created: without "/opt" the tick's data is dropped with a log line.
    QTemporaryDir dir;
    PlatformPaths::TestOverride root(dir.path());
    SimulationDataManager manager;
    manager.setTickInterval(20);
    DebugCapture log;
    SimulationDataFile *file = manager.registerFile(QStringLiteral("text"), false, false, 0);
    manager.setReading(false);
    file->writeTextChunk(QStringLiteral("A"));
    QTRY_COMPARE(log.count(QStringLiteral("Problem opening file for writing!!")), 1);
    QDir(dir.path()).mkpath(QStringLiteral("opt"));
    file->writeTextChunk(QStringLiteral("B"));
    QTRY_VERIFY(QFile::exists(dir.path() + QStringLiteral("/opt/sim_data/text")));
    QFile written(dir.path() + QStringLiteral("/opt/sim_data/text"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), chunkLines("B") + tickEnd());
}

void tst_SimulationData::fileDeletedByItsParent()
{
    Demo demo;
    auto *owner = new QObject;
    demo.manager.registerFile(QStringLiteral("owned"), false, false, 0, owner);
    SimulationDataFile *kept = demo.manager.registerFile(QStringLiteral("kept"), false, false, 0);
    delete owner;
    QCOMPARE(demo.manager.fileByName(QStringLiteral("owned")), nullptr);
    QCOMPARE(demo.manager.files(), QList<SimulationDataFile *>({ kept }));
    QVERIFY(demo.waitTicks(2));
}

QTEST_MAIN(tst_SimulationData)
#include "tst_simulationdata.moc"
