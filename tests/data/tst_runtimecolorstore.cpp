// The runtime colour store and its file: the defaults written at a first start, the lookups with their
// class renaming and fallback colour, the file form read and written, damaged files replaced by the
// defaults, single colours changed, and a file that cannot be written.

#include "DebugCapture.h"
#include "FileBytes.h"
#include "common/BuildConfiguration.h"
#include "data/RuntimeColorStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QColor fallback(204, 102, 0);

// The default table as the store writes it (classes and palettes in the order the table iterates).
const QByteArray defaultFile = "[CUR(Bright_Green=#ff10c8ff,Bright_Yellow=#ff67c2ff,Green=#ff1048ff,"
                               "Pale_Green=#ff4be7ff,Pale_Yellow=#ff8fdeff,Yellow=#ff7091ff)|\n"
                               "GPS(Bright_Green=#ff63ff4b,Bright_Yellow=#ffaeff00,Green=#ff33ba38,"
                               "Pale_Green=#ff52ffa9,Pale_Yellow=#ffdaff73,Yellow=#ff77ac31)|\n"
                               "Invalid_Color(Bright_Green=#ffff8f06,Bright_Yellow=#ffffd181,Green=#ffff9d3a,"
                               "Pale_Green=#ffffb853,Pale_Yellow=#ffffe7bd,Yellow=#ffffd997)|\n"
                               "LOW_integrity(Bright_Green=#ffffec15,Bright_Yellow=#ffffff5d,Green=#ffffe23a,"
                               "Pale_Green=#ffe9ff5a,Pale_Yellow=#fff9ff83,Yellow=#fff0ff49)|\n"
                               "SOG(Bright_Green=#ff63ff4b,Bright_Yellow=#ffaeff00,Green=#ff33ba38,"
                               "Pale_Green=#ff52ffa9,Pale_Yellow=#ffdaff73,Yellow=#ff77ac31)|\n"
                               "STW(Bright_Green=#ff10c8ff,Bright_Yellow=#ff67c2ff,Green=#ff1048ff,"
                               "Pale_Green=#ff4be7ff,Pale_Yellow=#ff8fdeff,Yellow=#ff7091ff]";

const QByteArray twoClasses = "[SOG(Green=#ff33ba38)|\nCUR(Green=#ff1048ff,Yellow=#ff7091ff]";

} // namespace

class tst_RuntimeColorStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartWritesTheDefaults();
    void lookups_data();
    void lookups();
    void workedExample_data();
    void workedExample();
    void damagedFileGivesTheDefaults_data();
    void damagedFileGivesTheDefaults();
    void damagedClassKeepsTheClassesBeforeIt();
    void setColor();
    void setColorOfAnUnknownClassWritesNothing();
    void fileThatCannotBeWritten();
    void presetsAreLogged();
    void instanceFollowsTheOverride();

private:
    static QString folder()
    {
        return QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName();
    }
    static QString path() { return folder() + QStringLiteral("/runtime_colors"); }
    static void writeColourFile(const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(writeFileBytes(path(), bytes));
    }

    std::unique_ptr<QTemporaryDir> m_directory;
    QString m_previousDirectory;
};

void tst_RuntimeColorStore::init()
{
    m_previousDirectory = QDir::currentPath();
    m_directory.reset(new QTemporaryDir);
    QVERIFY(m_directory->isValid());
    QVERIFY(QDir::setCurrent(m_directory->path()));
}

void tst_RuntimeColorStore::cleanup()
{
    QDir::setCurrent(m_previousDirectory);
    m_directory.reset();
}

void tst_RuntimeColorStore::firstStartWritesTheDefaults()
{
    QVERIFY(!QFileInfo::exists(folder()));
    DebugCapture log;
    RuntimeColorStore store;
    QCOMPARE(log.count(QStringLiteral("Problem opening file for reading!!")), 1);
    QCOMPARE(log.count(QFileInfo(path()).absoluteFilePath()), 1);
    QCOMPARE(store.filePath(), path());
    const QByteArray written = readFileBytes(path());
    QCOMPARE(written.size(), 793);
    QCOMPARE(written, defaultFile);
    QCOMPARE(store.table().size(), 6);

    // Nothing is chosen until the dimming page tells the palette.
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), fallback);
    store.setColorPreset(QStringLiteral("Green"));
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), QColor(QStringLiteral("#33ba38")));

    // A second start reads the file back unchanged.
    RuntimeColorStore again;
    QCOMPARE(again.table(), store.table());
    QCOMPARE(readFileBytes(path()), defaultFile);
}

void tst_RuntimeColorStore::lookups_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("colorClass");
    QTest::addColumn<QColor>("colorFor");
    QTest::addColumn<QColor>("color");

    QTest::newRow("SOG") << "Green"
                         << "SOG" << QColor(0x33, 0xba, 0x38) << QColor(0x33, 0xba, 0x38);
    // The "GPS" entry (changed before each row) is read only when asked by name.
    QTest::newRow("GPS as SOG") << "Green"
                                << "GPS" << QColor(0x33, 0xba, 0x38) << QColor(1, 2, 3);
    QTest::newRow("WC as STW") << "Yellow"
                               << "WC" << QColor(0x70, 0x91, 0xff) << fallback;
    QTest::newRow("CUR") << "Bright_Green"
                         << "CUR" << QColor(0x10, 0xc8, 0xff) << QColor(0x10, 0xc8, 0xff);
    QTest::newRow("low integrity") << "Pale_Yellow"
                                   << "LOW_integrity" << QColor(0xf9, 0xff, 0x83) << QColor(0xf9, 0xff, 0x83);
    QTest::newRow("invalid values") << "Bright_Yellow"
                                    << "Invalid_Color" << QColor(0xff, 0xd1, 0x81)
                                    << QColor(0xff, 0xd1, 0x81);
    QTest::newRow("no colour class") << "Green"
                                     << "DEFAULT" << fallback << fallback;
    QTest::newRow("names are case-sensitive") << "Green"
                                              << "sog" << fallback << fallback;
    QTest::newRow("unknown palette") << "Blue"
                                     << "SOG" << fallback << fallback;
    QTest::newRow("no palette chosen") << ""
                                       << "STW" << fallback << fallback;
}

void tst_RuntimeColorStore::lookups()
{
    QFETCH(QString, palette);
    QFETCH(QString, colorClass);
    RuntimeColorStore store;
    store.setColor(QColor(1, 2, 3), QStringLiteral("GPS"), palette);
    if (!palette.isEmpty())
        store.setColorPreset(palette);
    QTEST(store.colorFor(colorClass), "colorFor");
    QTEST(store.color(colorClass, palette), "color");
}

void tst_RuntimeColorStore::workedExample_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("last class without its closing bracket") << twoClasses;
    QTest::newRow("last class with its closing bracket")
        << QByteArray("[SOG(Green=#ff33ba38)|\nCUR(Green=#ff1048ff,Yellow=#ff7091ff)]");
    QTest::newRow("six-digit colours")
        << QByteArray("[SOG(Green=#33ba38)|\nCUR(Green=#1048ff,Yellow=#7091ff]");
}

void tst_RuntimeColorStore::workedExample()
{
    QFETCH(QByteArray, file);
    writeColourFile(file);
    RuntimeColorStore store;
    RuntimeColorStore::Table expected;
    expected[QStringLiteral("SOG")][QStringLiteral("Green")] = QColor(0x33, 0xba, 0x38);
    expected[QStringLiteral("CUR")][QStringLiteral("Green")] = QColor(0x10, 0x48, 0xff);
    expected[QStringLiteral("CUR")][QStringLiteral("Yellow")] = QColor(0x70, 0x91, 0xff);
    QCOMPARE(store.table(), expected);
    // A readable file is left as it is.
    QCOMPARE(readFileBytes(path()), file);
    // Written back in the table's order, 60 bytes, the last class without ")|".
    const QByteArray serialized = store.serialize().toLatin1();
    QCOMPARE(serialized, QByteArray("[CUR(Green=#ff1048ff,Yellow=#ff7091ff)|\nSOG(Green=#ff33ba38]"));
    QCOMPARE(serialized.size(), 60);
}

void tst_RuntimeColorStore::damagedFileGivesTheDefaults_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("logged");

    QTest::newRow("empty file") << QByteArray() << "Runtime colour class without colours";
    QTest::newRow("line breaks with carriage returns")
        << QByteArray(twoClasses).replace("|\n", "|\r\n") << "";
    QTest::newRow("entry without a palette name") << QByteArray("[SOG(#ff33ba38]") << "";
    QTest::newRow("entry with two =") << QByteArray("[SOG(Green==#ff33ba38]") << "";
    QTest::newRow("class cut off before its colours")
        << QByteArray("[SOG") << "Runtime colour class without colours";
    // A line feed after "]" makes the last colour "#ff7091ff]", which is no colour: stored, it would draw
    // those values invisibly.
    QTest::newRow("line feed after the bracket") << twoClasses + "\n"
                                                 << "Runtime colour entry without a colour";
    QTest::newRow("colour that is no colour")
        << QByteArray("[SOG(Green=greenish]") << "Runtime colour entry without a colour";
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff(=\x7f,\x80", 9) << "";
    QTest::newRow("too large") << QByteArray("[SOG(Green=#ff33ba38") + QByteArray(70000, ' ') + "]"
                               << "Runtime colour file too large";
}

void tst_RuntimeColorStore::damagedFileGivesTheDefaults()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, logged);
    writeColourFile(file);
    DebugCapture log;
    RuntimeColorStore store;
    if (!logged.isEmpty())
        QCOMPARE(log.count(logged), 1);
    // The defaults are in use and written; the program goes on with them.
    QCOMPARE(readFileBytes(path()), defaultFile);
    store.setColorPreset(QStringLiteral("Green"));
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), QColor(0x33, 0xba, 0x38));
    QCOMPARE(store.colorFor(QStringLiteral("LOW_integrity")), QColor(0xff, 0xe2, 0x3a));
}

void tst_RuntimeColorStore::damagedClassKeepsTheClassesBeforeIt()
{
    writeColourFile("[EXTRA(Green=#ff010203)|\nSOG(Green=#ff040506,Yellow]");
    RuntimeColorStore store;
    QCOMPARE(store.table().size(), 7);
    QCOMPARE(store.color(QStringLiteral("EXTRA"), QStringLiteral("Green")), QColor(1, 2, 3));
    QCOMPARE(store.color(QStringLiteral("SOG"), QStringLiteral("Green")), QColor(0x33, 0xba, 0x38));
    const QByteArray written = readFileBytes(path());
    QVERIFY(written.startsWith("[CUR("));
    QVERIFY(written.contains("|\nEXTRA(Green=#ff010203)|\nGPS("));
}

void tst_RuntimeColorStore::setColor()
{
    RuntimeColorStore store;
    store.setColorPreset(QStringLiteral("Yellow"));
    const QColor translucent(10, 20, 30, 128);
    store.setColor(translucent, QStringLiteral("STW"), QStringLiteral("Yellow"));
    QCOMPARE(store.colorFor(QStringLiteral("STW")), translucent);
    QCOMPARE(store.colorFor(QStringLiteral("WC")), translucent);
    QCOMPARE(store.color(QStringLiteral("STW"), QStringLiteral("Green")), QColor(0x10, 0x48, 0xff));
    QVERIFY(readFileBytes(path()).contains("Yellow=#800a141e"));
    // A new palette of an existing class is added.
    store.setColor(QColor(7, 8, 9), QStringLiteral("STW"), QStringLiteral("Night"));
    RuntimeColorStore reread;
    QCOMPARE(reread.color(QStringLiteral("STW"), QStringLiteral("Yellow")), translucent);
    QCOMPARE(reread.color(QStringLiteral("STW"), QStringLiteral("Night")), QColor(7, 8, 9));
    QCOMPARE(reread.table(), store.table());
}

void tst_RuntimeColorStore::setColorOfAnUnknownClassWritesNothing()
{
    RuntimeColorStore store;
    const RuntimeColorStore::Table before = store.table();
    QVERIFY(QFile::remove(path()));
    store.setColor(QColor(1, 2, 3), QStringLiteral("Depth"), QStringLiteral("Green"));
    store.setColor(QColor(1, 2, 3), QStringLiteral("sog"), QStringLiteral("Green"));
    QCOMPARE(store.table(), before);
    QVERIFY(!QFileInfo::exists(path()));
}

void tst_RuntimeColorStore::fileThatCannotBeWritten()
{
    // A folder in the file's place can be neither read nor replaced (also for root).
    QVERIFY(QDir().mkpath(path()));
    DebugCapture log;
    RuntimeColorStore store;
    QCOMPARE(log.count(QStringLiteral("Problem opening file for reading!!")), 1);
    QCOMPARE(log.count(QStringLiteral("Problem opening file for writing!!")), 1);
    QVERIFY(QFileInfo(path()).isDir());
    // The defaults in memory are used all the same.
    store.setColorPreset(QStringLiteral("Pale_Green"));
    QCOMPARE(store.colorFor(QStringLiteral("GPS")), QColor(0x52, 0xff, 0xa9));
    store.setColor(QColor(1, 2, 3), QStringLiteral("SOG"), QStringLiteral("Pale_Green"));
    QCOMPARE(log.count(QStringLiteral("Problem opening file for writing!!")), 2);
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), QColor(1, 2, 3));
}

void tst_RuntimeColorStore::presetsAreLogged()
{
    RuntimeColorStore store;
    DebugCapture log;
    const QString marker(101, QLatin1Char('X'));
    store.setColorPreset(QStringLiteral("Bright_Yellow"));
    store.setDimmingPreset(QStringLiteral("Night"));
    QCOMPARE(log.messages(),
        QStringList({ QStringLiteral("New color preset: Bright_Yellow") + marker,
            QStringLiteral("New dimming preset: Night") + marker }));
    QCOMPARE(store.colorPreset(), QStringLiteral("Bright_Yellow"));
    QCOMPARE(store.dimmingPreset(), QStringLiteral("Night"));
}

void tst_RuntimeColorStore::instanceFollowsTheOverride()
{
    RuntimeColorStore *processWide = RuntimeColorStore::instance();
    QCOMPARE(RuntimeColorStore::instance(), processWide);
    {
        RuntimeColorStore::TestOverride fresh(std::make_unique<RuntimeColorStore>());
        QVERIFY(RuntimeColorStore::instance() != processWide);
        QCOMPARE(RuntimeColorStore::instance(), fresh.current());
    }
    QCOMPARE(RuntimeColorStore::instance(), processWide);
}

QTEST_GUILESS_MAIN(tst_RuntimeColorStore)
#include "tst_runtimecolorstore.moc"
