// The atomic file writer: a new file, a replaced file, and failed writes that leave the old file (or its
// absence) and no temporary file behind: a folder where the file should be, a plain file where its folder
// should be, and a device that fills up while the file is written.

#include "common/AtomicFile.h"

#include "DebugCapture.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

} // namespace

class tst_AtomicFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writes_data();
    void writes();
    void failedWriteKeepsThePreviousFile_data();
    void failedWriteKeepsThePreviousFile();
    void failureIsLoggedUnlessTheCallerTakesTheReason();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_AtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_AtomicFile::cleanup()
{
    m_dir.reset();
}

void tst_AtomicFile::writes_data()
{
    QTest::addColumn<QByteArray>("previous"); // null: no file before
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray large(256 * 1024, 'x');
    QTest::newRow("new file") << QByteArray() << QByteArray("AlarmShallow=10.00,AlertType=1");
    QTest::newRow("new empty file") << QByteArray() << QByteArray("");
    QTest::newRow("longer replaces shorter") << QByteArray("old") << QByteArray("new and longer\n");
    QTest::newRow("shorter replaces longer") << QByteArray("a much longer old text\n") << QByteArray("new");
    QTest::newRow("emptied") << QByteArray("old") << QByteArray("");
    QTest::newRow("large, with NUL and Latin-1 bytes")
        << QByteArray("old") << large + QByteArray("\0\xe9\xff", 3) + large;
}

void tst_AtomicFile::writes()
{
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, bytes);
    const QString file = path(QStringLiteral("settings.txt"));
    if (!previous.isNull())
        QVERIFY(writeFileBytes(file, previous));

    QString error;
    QVERIFY2(writeFileAtomically(file, bytes, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(readFileBytes(file), bytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { QStringLiteral("settings.txt") });
}

void tst_AtomicFile::failedWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("a folder in the way") << QStringLiteral("folder");
    QTest::newRow("a plain file where the folder should be") << QStringLiteral("plain file");
    QTest::newRow("the device fills up") << QStringLiteral("full");
}

void tst_AtomicFile::failedWriteKeepsThePreviousFile()
{
    QFETCH(QString, failure);
    const QByteArray previous("the previous file, complete\n");
    const QByteArray bytes(4096, 'n');

    QString file = path(QStringLiteral("interfaces"));
    QString error;
    bool written = true;
    if (failure == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
        written = writeFileAtomically(file, bytes, &error);
        QVERIFY(QFileInfo(file).isDir());
    } else if (failure == QLatin1String("plain file")) {
        QVERIFY(writeFileBytes(path(QStringLiteral("network")), previous));
        file = path(QStringLiteral("network/interfaces"));
        written = writeFileAtomically(file, bytes, &error);
        QCOMPARE(readFileBytes(path(QStringLiteral("network"))), previous);
    } else {
        QVERIFY(writeFileBytes(file, previous));
        FileSizeLimit full(100);
        QVERIFY(full.isActive());
        written = writeFileAtomically(file, bytes, &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    if (failure == QLatin1String("full"))
        QCOMPARE(readFileBytes(file), previous);
    // Nothing else is left in the folder: no temporary file of the save.
    const QStringList expected { QFileInfo(file).fileName() };
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        failure == QLatin1String("plain file") ? QStringList { QStringLiteral("network") } : expected);
}

void tst_AtomicFile::failureIsLoggedUnlessTheCallerTakesTheReason()
{
    const QString folder = path(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(folder));
    QTest::ignoreMessage(
        QtDebugMsg, qPrintable(QStringLiteral("Problem opening file for writing: ") + folder));
    QVERIFY(!writeFileAtomically(folder, "x"));

    const QString file = path(QStringLiteral("file"));
    QVERIFY(writeFileBytes(file, "old"));
    {
        FileSizeLimit full(100);
        QVERIFY(full.isActive());
        QTest::ignoreMessage(QtDebugMsg,
            QRegularExpression(QStringLiteral("^Problem writing file: ") + QRegularExpression::escape(file)
                + QStringLiteral(": \\d+ of 4096 bytes written")));
        QVERIFY(!writeFileAtomically(file, QByteArray(4096, 'n')));
    }
    QCOMPARE(readFileBytes(file), QByteArray("old"));

    // With the reason taken, the caller reports it: nothing is logged here.
    DebugCapture capture;
    QString error;
    QVERIFY(!writeFileAtomically(folder, "x", &error));
    QVERIFY(!error.isEmpty());
    {
        FileSizeLimit full(100);
        QVERIFY(full.isActive());
        error.clear();
        QVERIFY(!writeFileAtomically(file, QByteArray(4096, 'n'), &error));
    }
    QVERIFY2(error.contains(QLatin1String(" of 4096 bytes written")), qPrintable(error));
    QCOMPARE(capture.messages(), QStringList());
    QCOMPARE(readFileBytes(file), QByteArray("old"));
}

QTEST_GUILESS_MAIN(tst_AtomicFile)
#include "tst_atomicfile.moc"
