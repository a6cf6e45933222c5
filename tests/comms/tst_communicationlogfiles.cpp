// The communication log files: the record format and ring of one log, loading logs that are missing,
// cut short, padded with NUL bytes or longer than the ring, writing them, and the per-port message and
// input error logs with their files and switches. Real files in temporary folders; the fixture logs
// are in tst_communicationlogfiles_data.

#include "comms/BufferedRecorder.h"
#include "comms/InputErrorLogger.h"
#include "comms/MessageLogger.h"
#include "data/ClockOffsets.h"

#include "DebugCapture.h"
#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_communicationlogfiles_data/") + name;
}

// A sentence that names its number, so a test can tell records apart.
QString sentence(int number)
{
    return QStringLiteral("$GPTXT,01,01,02,%1*00\r\n").arg(number);
}

// A log file of records `first` to `last`, as the unit writes them.
QByteArray logOf(int first, int last)
{
    QByteArray content;
    for (int i = first; i <= last; ++i)
        content += "07-Mar-2024_08:05:09 (UTC) >> " + sentence(i).toLatin1() + "<<";
    return content;
}

const QRegularExpression recordPattern(
    QStringLiteral("^(\\d{2}-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-\\d{4}_\\d{2}:\\d{2}:\\d{2}) "
                   "\\(UTC\\) >> (.*)<<$"),
    QRegularExpression::DotMatchesEverythingOption);

} // namespace

class tst_CommunicationLogFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void recordFormat();
    void errorRecordFormat();
    void ringDropsTheOldest();
    void innerMarkerDropsTheWholeRecord();
    void overlongTextIsCut();
    void loading_data();
    void loading();
    void oversizedFileKeepsTheNewest();
    void writeAndReload();
    void writeIfDirtyOnlyAfterChanges();
    void textIsWrittenAsLatin1();
    void lostDeviceIsLoggedAndRetried();

    void portFilesAndSwitches();
    void portSwitchOffKeepsRecords();
    void setDirPathRemovesLeftOvers();
    void noDirectoryWritesNothing();
    void firstDirectoryKeepsEarlierLog();
    void inputErrorLogs();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }
};

void tst_CommunicationLogFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_CommunicationLogFiles::recordFormat()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    QCOMPARE(recorder.recordCount(), 0);
    QVERIFY(!recorder.isDirty());

    const QDateTime before = systemDateTimeUtc();
    recorder.addRecord("$GPHDT,123.4,T*36\r\n");
    const QDateTime after = systemDateTimeUtc();

    QCOMPARE(recorder.recordCount(), 1);
    QVERIFY(recorder.isDirty());
    const QRegularExpressionMatch match = recordPattern.match(recorder.contents());
    QVERIFY2(match.hasMatch(), qPrintable(recorder.contents()));
    QCOMPARE(match.captured(3), QString("$GPHDT,123.4,T*36\r\n"));
    const QString stamp = match.captured(1);
    const QLocale english(QLocale::English);
    const QString format("dd-MMM-yyyy_hh:mm:ss");
    QVERIFY2(stamp == english.toString(before, format) || stamp == english.toString(after, format),
        qPrintable(stamp));
}

void tst_CommunicationLogFiles::errorRecordFormat()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    recorder.addErrorRecord(76, "$GPHDT,1*00\r\n");
    const QRegularExpressionMatch match = recordPattern.match(recorder.contents());
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(3), QString("76: $GPHDT,1*00\r\n"));
}

void tst_CommunicationLogFiles::ringDropsTheOldest()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    for (int i = 1; i <= 500; ++i)
        recorder.addRecord(sentence(i));
    QCOMPARE(recorder.recordCount(), 500);
    const QString full = recorder.contents();

    recorder.addRecord(sentence(501));
    QCOMPARE(recorder.recordCount(), 500);
    // The first record is gone; the rest follows it unchanged.
    const int firstEnd = full.indexOf("<<") + 2;
    QVERIFY(recorder.contents().startsWith(full.mid(firstEnd)));
    QVERIFY(!recorder.contents().contains(sentence(1)));
    QVERIFY(recorder.contents().contains(sentence(2)));
    QVERIFY(recorder.contents().endsWith(sentence(501) + "<<"));
}

void tst_CommunicationLogFiles::innerMarkerDropsTheWholeRecord()
{
    // A logged text may hold the record end marker; dropping the oldest still removes exactly one
    // record, so the log never starts inside a record.
    BufferedRecorder recorder(path("log.txt"), 3);
    recorder.addRecord("a<<b\r\n");
    recorder.addRecord(sentence(2));
    recorder.addRecord(sentence(3));
    recorder.addRecord(sentence(4));
    QCOMPARE(recorder.recordCount(), 3);
    QVERIFY(!recorder.contents().contains("b\r\n"));
    QVERIFY(recordPattern.match(recorder.contents().left(recorder.contents().indexOf("<<") + 2)).hasMatch());
    QVERIFY(recorder.contents().contains(sentence(2)));
}

void tst_CommunicationLogFiles::overlongTextIsCut()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    recorder.addRecord(QString(100000, 'x'));
    const QRegularExpressionMatch match = recordPattern.match(recorder.contents());
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(3), QString(BufferedRecorder::maxTextLength, 'x'));
}

void tst_CommunicationLogFiles::loading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // written to the file when `file` is empty
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    const QString three = QString::fromLatin1(readFileBytes(fixture("three_records.txt")));
    const QString cut = QString::fromLatin1(readFileBytes(fixture("cut_short.txt")));

    QTest::newRow("missing file") << "" << QByteArray() << 500 << 0 << QString();
    QTest::newRow("empty file") << "" << QByteArray("") << 500 << 0 << QString();
    QTest::newRow("three records") << fixture("three_records.txt") << QByteArray() << 500 << 3 << three;
    QTest::newRow("cut inside the last record")
        << fixture("cut_short.txt") << QByteArray() << 500 << 3 << cut + "<<";
    QTest::newRow("more records than the ring keeps the newest")
        << "" << logOf(1, 700) << 500 << 500 << QString::fromLatin1(logOf(201, 700));
    QTest::newRow("NUL tail of a device that lost power")
        << "" << logOf(1, 4) + QByteArray(4096, '\0') << 500 << 4 << QString::fromLatin1(logOf(1, 4));
    QTest::newRow("NUL block inside a line")
        << "" << logOf(1, 2) + QByteArray(100, '\0') + "junk\r\n" + logOf(3, 3) << 500 << 3
        << QString::fromLatin1(logOf(1, 3));
    QTest::newRow("text before the first record")
        << ""
        << "garbage\r\n" + logOf(1, 2) << 500 << 2 << QString::fromLatin1(logOf(1, 2));
    QTest::newRow("no record at all")
        << "" << QByteArray("just\r\nsome\r\nlines\r\n") << 500 << 0 << QString();
    QTest::newRow("line end after the last record") << "" << logOf(1, 2) + "\r\n"
                                                    << 500 << 2 << QString::fromLatin1(logOf(1, 2));
}

void tst_CommunicationLogFiles::loading()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(QString, expected);

    if (file.isEmpty()) {
        file = path("log.txt");
        if (!content.isNull())
            QVERIFY(writeFileBytes(file, content));
    }
    BufferedRecorder recorder(file, capacity);
    QCOMPARE(recorder.recordCount(), count);
    QCOMPARE(recorder.contents(), expected);
    QVERIFY(!recorder.isDirty());
}

void tst_CommunicationLogFiles::oversizedFileKeepsTheNewest()
{
    // Far larger than the ring could hold: only the end of the file is read.
    QByteArray content;
    const QByteArray longText(2000, 'z');
    for (int i = 1; i <= 400; ++i)
        content += "07-Mar-2024_08:05:09 (UTC) >> " + QByteArray::number(i) + longText + "<<";
    QVERIFY(writeFileBytes(path("log.txt"), content));

    BufferedRecorder recorder(path("log.txt"), 10);
    QCOMPARE(recorder.recordCount(), 10);
    const QString contents = recorder.contents();
    QVERIFY(contents.startsWith("07-Mar-2024_08:05:09 (UTC) >> 391zz"));
    QVERIFY(contents.endsWith("07-Mar-2024_08:05:09 (UTC) >> 400" + QString(longText) + "<<"));
}

void tst_CommunicationLogFiles::writeAndReload()
{
    {
        BufferedRecorder recorder(path("log.txt"), 500);
        recorder.addRecord(sentence(1));
        recorder.addErrorRecord(2, sentence(2));
        recorder.writeIfDirty();
        QVERIFY(!recorder.isDirty());
        QCOMPARE(readFileBytes(path("log.txt")), recorder.contents().toLatin1());
        recorder.addRecord(sentence(3));
        // Destroying the recorder writes what is not yet in the file.
    }
    BufferedRecorder reloaded(path("log.txt"), 500);
    QCOMPARE(reloaded.recordCount(), 3);
    QVERIFY(reloaded.contents().endsWith(sentence(3) + "<<"));
    reloaded.addRecord(sentence(4));
    reloaded.flush();
    BufferedRecorder again(path("log.txt"), 500);
    QCOMPARE(again.contents(), reloaded.contents());
}

void tst_CommunicationLogFiles::writeIfDirtyOnlyAfterChanges()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    recorder.addRecord(sentence(1));
    recorder.writeIfDirty();
    QVERIFY(QFile::remove(path("log.txt")));

    recorder.writeIfDirty();
    QVERIFY(!QFile::exists(path("log.txt")));
    recorder.flush();
    QCOMPARE(readFileBytes(path("log.txt")), recorder.contents().toLatin1());
    // No temporary file of the save is left beside the log.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "log.txt" });
}

void tst_CommunicationLogFiles::textIsWrittenAsLatin1()
{
    BufferedRecorder recorder(path("log.txt"), 500);
    recorder.addRecord(QString::fromUtf8("\xc3\xa9\xe2\x82\xac")); // e acute (Latin-1), euro sign (not)
    recorder.flush();
    const QByteArray written = readFileBytes(path("log.txt"));
    QVERIFY2(written.endsWith(" >> \xe9?<<"), written.constData());
}

void tst_CommunicationLogFiles::lostDeviceIsLoggedAndRetried()
{
    QVERIFY(QDir().mkpath(path("device")));
    BufferedRecorder recorder(path("device/log.txt"), 500);
    recorder.addRecord(sentence(1));
    recorder.writeIfDirty();
    QVERIFY(QFile::exists(path("device/log.txt")));

    // The device goes: its folder is no longer there. The failure is logged once per outage, the
    // records stay and every later write tries again.
    QVERIFY(QDir(path("device")).removeRecursively());
    recorder.addRecord(sentence(2));
    DebugCapture capture;
    recorder.writeIfDirty();
    recorder.writeIfDirty();
    QVERIFY(recorder.isDirty());
    QCOMPARE(capture.count("Communication log not written"), 1);

    QVERIFY(QDir().mkpath(path("device")));
    recorder.writeIfDirty();
    QVERIFY(!recorder.isDirty());
    QCOMPARE(capture.count("Communication log written again"), 1);
    QCOMPARE(readFileBytes(path("device/log.txt")), recorder.contents().toLatin1());
    QCOMPARE(recorder.recordCount(), 2);
}

void tst_CommunicationLogFiles::portFilesAndSwitches()
{
    const QString dir = m_dir->path() + "/";
    MessageLogger logger(dir, 500);
    const QList<QPair<Port, QString>> files { { Serial_1, "NMEA_1.txt" }, { Serial_2, "NMEA_2.txt" },
        { Serial_3, "NMEA_3.txt" }, { UDP, "NMEA_UDP.txt" } };
    for (const auto &file : files) {
        QVERIFY(logger.isPortLogging(file.first));
        QCOMPARE(logger.recorder(file.first)->filePath(), dir + file.second);
        logger.logMessageToFile(file.first, sentence(file.first));
    }
    // Ports without a switch or a recorder record nothing.
    QVERIFY(!logger.isPortLogging(Add_Serial_1));
    QVERIFY(!logger.recorder(Add_Serial_1));
    logger.logMessageToFile(Add_Serial_1, sentence(9));
    logger.setPortLogging(Add_Serial_1, true);
    logger.logMessageToFile(Add_Serial_1, sentence(9));

    logger.writeToFiles();
    QStringList names = QDir(dir).entryList(QDir::Files);
    names.sort();
    QCOMPARE(names, QStringList({ "NMEA_1.txt", "NMEA_2.txt", "NMEA_3.txt", "NMEA_UDP.txt" }));
    for (const auto &file : files) {
        const QRegularExpressionMatch match
            = recordPattern.match(QString::fromLatin1(readFileBytes(dir + file.second)));
        QVERIFY(match.hasMatch());
        QCOMPARE(match.captured(3), sentence(file.first));
    }
}

void tst_CommunicationLogFiles::portSwitchOffKeepsRecords()
{
    MessageLogger logger(m_dir->path() + "/", 500);
    logger.logMessageToFile(Serial_3, sentence(1));
    logger.setPortLogging(Serial_3, false);
    logger.logMessageToFile(Serial_3, sentence(2));
    logger.logMessageToFile(Serial_2, sentence(3));
    QCOMPARE(logger.recorder(Serial_3)->recordCount(), 1);
    QVERIFY(logger.recorder(Serial_3)->contents().contains(sentence(1)));
    QCOMPARE(logger.recorder(Serial_2)->recordCount(), 1);
    logger.setPortLogging(Serial_3, true);
    logger.logMessageToFile(Serial_3, sentence(4));
    QCOMPARE(logger.recorder(Serial_3)->recordCount(), 2);
}

void tst_CommunicationLogFiles::setDirPathRemovesLeftOvers()
{
    const QString first = path("first/");
    const QString second = path("second/");
    QVERIFY(QDir().mkpath(first));
    QVERIFY(QDir().mkpath(second + "sub.dir"));
    QVERIFY(writeFileBytes(second + "NMEA_1.txt", logOf(1, 1)));
    QVERIFY(writeFileBytes(second + "readme", "keep"));
    QVERIFY(writeFileBytes(second + "NMEA_1.txt.a1b2", "left over"));
    QVERIFY(writeFileBytes(second + "notes.txt.bak", "not a log"));

    MessageLogger logger(first, 500);
    logger.logMessageToFile(Serial_1, sentence(5));
    logger.setDirPath(second);

    QStringList names = QDir(second).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    QCOMPARE(names, QStringList({ "NMEA_1.txt", "readme", "sub.dir" }));
    QCOMPARE(logger.recorder(Serial_1)->filePath(), second + "NMEA_1.txt");
    // The log moved: the records held stay, the file in the new folder is not read.
    QCOMPARE(logger.recorder(Serial_1)->recordCount(), 1);
    logger.writeToFiles();
    QVERIFY(readFileBytes(second + "NMEA_1.txt").contains(sentence(5).toLatin1()));
    QVERIFY(!readFileBytes(second + "NMEA_1.txt").contains(sentence(1).toLatin1()));
}

void tst_CommunicationLogFiles::noDirectoryWritesNothing()
{
    // A logger without a directory (the device was absent) neither reads nor writes, and a move to
    // no directory cleans nothing.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QVERIFY(writeFileBytes("NMEA_1.txt", logOf(1, 3)));
    QVERIFY(writeFileBytes("keep.dat", "not ours"));
    {
        InputErrorLogger logger(QString(), 500);
        QCOMPARE(logger.recorder(Serial_1)->recordCount(), 0);
        QCOMPARE(logger.recorder(Serial_1)->filePath(), QString());
        logger.logMessageToFile(Serial_2, sentence(1));
        logger.setUdpNmeaDatagramLogging(true);
        logger.logUdpDatagramErrorToFile(DatagramHeaderError, "UdPbX");
        logger.setDirPath(QString());
        logger.writeToFiles();
        logger.flushToFiles();
    }
    QStringList names = QDir().entryList(QDir::Files);
    names.sort();
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(names, QStringList({ "NMEA_1.txt", "keep.dat" }));
}

void tst_CommunicationLogFiles::firstDirectoryKeepsEarlierLog()
{
    // Records taken while no device was there join the log already on the device when it comes.
    const QString dir = path("stick/");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(writeFileBytes(dir + "NMEA_UDP.txt", logOf(1, 3)));

    MessageLogger logger(QString(), 500);
    logger.logMessageToFile(UDP, sentence(4));
    logger.logMessageToFile(UDP, sentence(5));
    logger.setDirPath(dir);
    QCOMPARE(logger.recorder(UDP)->recordCount(), 5);
    logger.writeToFiles();
    const QString written = QString::fromLatin1(readFileBytes(dir + "NMEA_UDP.txt"));
    QVERIFY(written.startsWith(QString::fromLatin1(logOf(1, 3))));
    QVERIFY(written.indexOf(sentence(4)) < written.indexOf(sentence(5)));
    QVERIFY(written.endsWith(sentence(5) + "<<"));
}

void tst_CommunicationLogFiles::inputErrorLogs()
{
    const QString dir = m_dir->path() + "/";
    InputErrorLogger logger(dir, 500);
    QCOMPARE(logger.udpNmeaRecorder()->filePath(), dir + "UDP_NMEA_Datagrams.txt");
    QCOMPARE(logger.udpBinaryRecorder()->filePath(), dir + "UDP_Binary_Datagrams.txt");
    QVERIFY(!logger.isUdpNmeaDatagramLogging());
    QVERIFY(!logger.isUdpBinaryDatagramLogging());

    logger.logNmeaMessageErrorToFile(NmeaChecksumError, Serial_2, "$GPHDT,1*FF\r\n");
    logger.logNmeaMessageErrorToFile(NmeaFramingError, Add_Serial_2, "$GPHDT,1*FF\r\n");
    // Off until switched on.
    logger.logUdpDatagramErrorToFile(DatagramHeaderError, "UdPbX");
    logger.logUdpDatagramErrorToFile(ImageHeaderError, "RaUdX");
    QCOMPARE(logger.udpNmeaRecorder()->recordCount(), 0);
    QCOMPARE(logger.udpBinaryRecorder()->recordCount(), 0);

    logger.setUdpNmeaDatagramLogging(true);
    logger.setUdpBinaryDatagramLogging(true);
    logger.logUdpDatagramErrorToFile(DatagramHeaderError, "UdPbX");
    logger.logUdpDatagramErrorToFile(ImageHeaderError, "RaUdX");
    logger.setPortLogging(Serial_2, false);
    logger.logNmeaMessageErrorToFile(NmeaChecksumError, Serial_2, "$GPHDT,2*FF\r\n");

    logger.writeToFiles();
    const auto recordText = [&](const QString &name) {
        return recordPattern.match(QString::fromLatin1(readFileBytes(dir + name))).captured(3);
    };
    QCOMPARE(recordText("NMEA_2.txt"), QString("1: $GPHDT,1*FF\r\n"));
    QCOMPARE(recordText("UDP_NMEA_Datagrams.txt"), QString("79: UdPbX"));
    QCOMPARE(recordText("UDP_Binary_Datagrams.txt"), QString("82: RaUdX"));
    QStringList names = QDir(dir).entryList(QDir::Files);
    names.sort();
    QCOMPARE(names, QStringList({ "NMEA_2.txt", "UDP_Binary_Datagrams.txt", "UDP_NMEA_Datagrams.txt" }));

    // A flush rewrites every file, the datagram logs included.
    logger.flushToFiles();
    names = QDir(dir).entryList(QDir::Files);
    QCOMPARE(names.size(), 6);
}

QTEST_GUILESS_MAIN(tst_CommunicationLogFiles)
#include "tst_communicationlogfiles.moc"
