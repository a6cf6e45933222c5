#include "common/BuildConfiguration.h"
#include "hardware/DimmingController.h"
#include "platform/CommandRunner.h"
#include "platform/PlatformPaths.h"

#include "RecordingRunner.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char *const brightnessFile = "/sys/class/backlight/backlight/brightness";

} // namespace

class tst_DimmingController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clamping_data();
    void clamping();
    void defaultBrightness();
    void linuxWritesTheLevelToTheBacklightFile_data();
    void linuxWritesTheLevelToTheBacklightFile();
    void missingBacklightLeavesALine();
    void windowsLeavesTheBacklightAlone();

private:
    QString fileText(const QString &systemPath) const;
    void writeFile(const QString &systemPath, const QByteArray &text);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
    RecordingRunner m_runner;
    std::unique_ptr<CommandRunner::TestOverride> m_runnerOverride;
};

void tst_DimmingController::init()
{
    m_root.reset(new QTemporaryDir);
    QVERIFY(m_root->isValid());
    m_paths.reset(new PlatformPaths::TestOverride(m_root->path()));
    m_runner.calls.clear();
    m_runnerOverride.reset(new CommandRunner::TestOverride(&m_runner));
    writeFile(brightnessFile, "0\n");
}

void tst_DimmingController::cleanup()
{
    m_runnerOverride.reset();
    m_paths.reset();
    m_root.reset();
}

QString tst_DimmingController::fileText(const QString &systemPath) const
{
    QFile file(m_root->path() + systemPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromLatin1(file.readAll());
}

void tst_DimmingController::writeFile(const QString &systemPath, const QByteArray &text)
{
    const QString path = m_root->path() + systemPath;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void tst_DimmingController::clamping_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("level");

    QTest::newRow("above 255") << 128 << "set" << 300 << 255;
    QTest::newRow("below 0") << 128 << "set" << -5 << 0;
    QTest::newRow("inside") << 128 << "set" << 77 << 77;
    QTest::newRow("increase at 255") << 255 << "increase" << 1 << 255;
    QTest::newRow("increase by 10") << 100 << "increase" << 10 << 110;
    QTest::newRow("increase by a huge delta") << 100 << "increase" << INT_MAX << 255;
    QTest::newRow("decrease by 10 at 5") << 5 << "decrease" << 10 << 0;
    QTest::newRow("decrease by one") << 5 << "decrease" << 1 << 4;
    QTest::newRow("decrease by a huge delta") << 5 << "decrease" << INT_MAX << 0;
    QTest::newRow("decrease by the most negative delta") << 5 << "decrease" << INT_MIN << 255;
}

void tst_DimmingController::clamping()
{
    QFETCH(int, start);
    QFETCH(QString, operation);
    QFETCH(int, argument);
    QFETCH(int, level);

    DimmingController dimming;
    dimming.setBrightness(start);
    QCOMPARE(dimming.brightness(), start);
    if (operation == "set")
        dimming.setBrightness(argument);
    else if (operation == "increase" && argument == 1)
        dimming.increaseBrightness();
    else if (operation == "increase")
        dimming.increaseBrightness(argument);
    else if (argument == 1)
        dimming.decreaseBrightness();
    else
        dimming.decreaseBrightness(argument);
    QCOMPARE(dimming.brightness(), level);
}

void tst_DimmingController::defaultBrightness()
{
    DimmingController dimming;
    QVERIFY(dimming.setDefaultBrightness());
    QCOMPARE(dimming.brightness(), 128);
}

void tst_DimmingController::linuxWritesTheLevelToTheBacklightFile_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("40") << 40 << "40\n";
    QTest::newRow("clamped") << 1000 << "255\n";
    QTest::newRow("off") << -1 << "0\n";
}

// On the panel the level goes straight into the backlight's file; no program runs for it.
void tst_DimmingController::linuxWritesTheLevelToTheBacklightFile()
{
    QFETCH(int, level);
    QFETCH(QString, text);
    BuildConfiguration::TestOverride onLinux("CU", "LINUX", "TVR100");
    DimmingController dimming;
    QVERIFY(dimming.setDefaultBrightness());
    QCOMPARE(fileText(brightnessFile), QString("128\n"));
    dimming.setBrightness(level);
    QCOMPARE(fileText(brightnessFile), text);
    QCOMPARE(m_runner.calls, QList<QStringList>());
}

void tst_DimmingController::missingBacklightLeavesALine()
{
    BuildConfiguration::TestOverride onLinux("CU", "LINUX", "TVR100");
    QVERIFY(QFile::remove(m_root->path() + brightnessFile));
    DimmingController dimming;
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression("^Cannot open device file for writing: .*brightness"));
    dimming.setBrightness(40);
    QCOMPARE(dimming.brightness(), 40);
    // The device file is never created where it is missing.
    QCOMPARE(fileText(brightnessFile), QString("<missing>"));
}

void tst_DimmingController::windowsLeavesTheBacklightAlone()
{
    DimmingController dimming;
    QVERIFY(dimming.setDefaultBrightness());
    dimming.setBrightness(40);
    dimming.applyBrightness();
    QCOMPARE(dimming.brightness(), 40);
    QCOMPARE(fileText(brightnessFile), QString("0\n"));
    QCOMPARE(m_runner.calls, QList<QStringList>());
}

QTEST_GUILESS_MAIN(tst_DimmingController)
#include "tst_dimmingcontroller.moc"
