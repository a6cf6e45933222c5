#include "common/BuildConfiguration.h"
#include "hardware/GpioContainer.h"
#include "hardware/GpioInterrupt.h"
#include "platform/PlatformPaths.h"
#include "platform/SysfsGpio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The GPIO lines run against a copy of the kernel's GPIO folder in a temporary folder: "export" and one
// folder per exported line with "direction", "edge" and "value".
class tst_GpioContainer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void interruptThreadEndsAtOnce();

    void valuesAfterConstruction();
    void pinLookup_data();
    void pinLookup();
    void noLineHasAnAuxSource();
    void constructionConfiguresTheLines();
    void missingLineIsExported();
    void buzzer();
    void touchBeepIsAClick();
    void touchBeepDoesNotCutTheAlarm();
    void inputState_data();
    void inputState();
    void unreadableInputGivesZero();
    void windowsLeavesTheLinesAlone();
    void invalidLineNumbersAreRefused_data();
    void invalidLineNumbersAreRefused();

private:
    QString gpioFile(const QString &file) const { return m_root->path() + "/sys/class/gpio/" + file; }
    QString text(const QString &file) const;
    void write(const QString &file, const QByteArray &content);
    // The state of every file of the folder, for "nothing changed".
    QStringList snapshot() const;

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
    std::unique_ptr<BuildConfiguration::TestOverride> m_linux;
};

void tst_GpioContainer::init()
{
    m_root.reset(new QTemporaryDir);
    QVERIFY(m_root->isValid());
    m_paths.reset(new PlatformPaths::TestOverride(m_root->path()));
    QVERIFY(QDir().mkpath(gpioFile("")));
    write("export", "");
    for (const char *number : { "152", "151", "114" }) {
        QVERIFY(QDir().mkpath(gpioFile(QString("gpio") + number)));
        write(QString("gpio%1/direction").arg(number), "in\n");
        write(QString("gpio%1/edge").arg(number), "none\n");
        write(QString("gpio%1/value").arg(number), "0\n");
    }
    m_linux.reset(new BuildConfiguration::TestOverride("CU", "LINUX", "TVR100"));
}

void tst_GpioContainer::cleanup()
{
    m_linux.reset();
    m_paths.reset();
    m_root.reset();
}

QString tst_GpioContainer::text(const QString &file) const
{
    QFile f(gpioFile(file));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromLatin1(f.readAll());
}

void tst_GpioContainer::write(const QString &file, const QByteArray &content)
{
    QFile f(gpioFile(file));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QStringList tst_GpioContainer::snapshot() const
{
    QStringList state;
    for (const char *file :
        { "export", "gpio152/direction", "gpio152/edge", "gpio152/value", "gpio151/direction", "gpio151/edge",
            "gpio151/value", "gpio114/direction", "gpio114/edge", "gpio114/value" })
        state << QString(file) + "=" + text(file);
    return state;
}

void tst_GpioContainer::valuesAfterConstruction()
{
    GpioContainer gpio;
    QCOMPARE(gpio.pinE24().name(), QString("E24"));
    QCOMPARE(gpio.pinE24().number(), QString("152"));
    QCOMPARE(gpio.pinE23().name(), QString("E23"));
    QCOMPARE(gpio.pinE23().number(), QString("151"));
    QCOMPARE(gpio.pinD18().name(), QString("D18"));
    QCOMPARE(gpio.pinD18().number(), QString("114"));
    QCOMPARE(gpio.pinD18().value(), QString());
    QVERIFY(gpio.pinD18().flag());
    QCOMPARE(gpio.extraLineCount(), 0);
    QCOMPARE(gpio.flag1(), true);
    QCOMPARE(gpio.flag2(), false);
    QCOMPARE(gpio.flag3(), false);
    QCOMPARE(gpio.timeValue1(), 500);
    QCOMPARE(gpio.timeValue2(), 600);
    QCOMPARE(gpio.timeValue3(), 400);
    QCOMPARE(gpio.timeValue4(), 7000);
    QCOMPARE(gpio.value5(), 0);
}

void tst_GpioContainer::noLineHasAnAuxSource()
{
    GpioContainer gpio;
    for (GpioPin *line : { &gpio.pinE24(), &gpio.pinE23(), &gpio.pinD18() }) {
        QCOMPARE(gpio.auxSourceOfName(line->name()), QStringLiteral("No_Aux"));
        QCOMPARE(gpio.auxSourceOfNumber(line->number().toInt()), QStringLiteral("No_Aux"));
    }
    QCOMPARE(gpio.auxSourceOfName(QString()), QStringLiteral("No_Aux"));
    QCOMPARE(gpio.auxSourceOfNumber(-1), QStringLiteral("No_Aux"));
}

void tst_GpioContainer::pinLookup_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name"); // empty: none
    QTest::newRow("by name") << "E23"
                             << "E23";
    QTest::newRow("by number") << "114"
                               << "D18";
    QTest::newRow("unknown") << "E25"
                             << "";
    QTest::newRow("case matters") << "e24"
                                  << "";
}

void tst_GpioContainer::pinLookup()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    GpioContainer gpio;
    GpioPin *line = gpio.pin(key);
    QCOMPARE(line ? line->name() : QString(), name);
}

void tst_GpioContainer::constructionConfiguresTheLines()
{
    GpioContainer gpio;
    for (const char *number : { "152", "151", "114" })
        QCOMPARE(text(QString("gpio%1/edge").arg(number)), QString("both"));
    QCOMPARE(text("gpio114/direction"), QString("out"));
    QCOMPARE(text("gpio152/direction"), QString("in"));
    QCOMPARE(text("gpio151/direction"), QString("in"));
    // Lines whose folder exists are exported already; exporting again would be refused by the kernel.
    QCOMPARE(text("export"), QString());
}

void tst_GpioContainer::missingLineIsExported()
{
    QVERIFY(QDir(gpioFile("gpio151")).removeRecursively());
    // Here no kernel makes the folder appear, so the line's own files stay missing.
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression("^Cannot open device file for writing: .*/gpio151/edge"));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression("^Cannot open device file for writing: .*/gpio151/direction"));
    GpioContainer gpio;
    QCOMPARE(text("export"), QString("151"));
    QCOMPARE(text("gpio152/edge"), QString("both"));
}

void tst_GpioContainer::buzzer()
{
    GpioContainer gpio;
    gpio.buzzerOn();
    QCOMPARE(text("gpio114/value"), QString("1"));
    QVERIFY(gpio.isBuzzerOn());
    gpio.buzzerOff();
    QCOMPARE(text("gpio114/value"), QString("0"));
    QVERIFY(!gpio.isBuzzerOn());
    gpio.sounderTestOn();
    QCOMPARE(text("gpio114/value"), QString("1"));
    gpio.buzzerOff();
    QCOMPARE(text("gpio114/value"), QString("0"));
}

void tst_GpioContainer::touchBeepIsAClick()
{
    GpioContainer gpio;
    gpio.touchBeep();
    QCOMPARE(text("gpio114/value"), QString("1"));
    QVERIFY(!gpio.isBuzzerOn());
    QTRY_COMPARE(text("gpio114/value"), QString("0"));
}

void tst_GpioContainer::touchBeepDoesNotCutTheAlarm()
{
    GpioContainer gpio;
    QSignalSpy clickEnded(gpio.findChild<QTimer *>(), &QTimer::timeout);
    gpio.touchBeep();
    gpio.buzzerOn();
    // A click that began before the alarm does not end it.
    gpio.touchBeep();
    QCOMPARE(text("gpio114/value"), QString("1"));
    // buzzerOn ended the click's timer; the buzzer stays on until buzzerOff.
    QCOMPARE(clickEnded.count(), 0);
    QVERIFY(!gpio.findChild<QTimer *>()->isActive());
    gpio.buzzerOff();
    QCOMPARE(text("gpio114/value"), QString("0"));
}

void tst_GpioContainer::inputState_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("state");
    QTest::newRow("E24 by name") << "E24" << 1;
    QTest::newRow("E24 by number") << "152" << 1;
    QTest::newRow("E23 low") << "E23" << 0;
    QTest::newRow("the buzzer output") << "D18" << 0;
    QTest::newRow("unknown line") << "E99" << 0;
}

void tst_GpioContainer::inputState()
{
    QFETCH(QString, line);
    QFETCH(int, state);
    GpioContainer gpio;
    write("gpio152/value", "1\n");
    write("gpio114/value", "1\n");
    QCOMPARE(gpio.inputState(line), state);
}

void tst_GpioContainer::unreadableInputGivesZero()
{
    GpioContainer gpio;
    QVERIFY(QFile::remove(gpioFile("gpio152/value")));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression("^Cannot open device file for reading: .*/gpio152/value"));
    QCOMPARE(gpio.inputState("E24"), 0);
}

void tst_GpioContainer::windowsLeavesTheLinesAlone()
{
    m_linux.reset();
    QVERIFY(QDir(gpioFile("gpio151")).removeRecursively());
    write("gpio152/value", "1\n");
    const QStringList before = snapshot();
    GpioContainer gpio;
    gpio.buzzerOn();
    gpio.touchBeep();
    gpio.sounderTestOn();
    QCOMPARE(gpio.inputState("E24"), 0);
    QCOMPARE(gpio.pinE24().readValue(), 0);
    gpio.buzzerOff();
    QCOMPARE(snapshot(), before);
}

void tst_GpioContainer::invalidLineNumbersAreRefused_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("empty") << "";
    QTest::newRow("path") << "../../../tmp/x";
    QTest::newRow("letters") << "15a";
    QTest::newRow("too long") << "12345";
    QTest::newRow("blank") << "15 2";
    QTest::newRow("trailing line break") << "15\n";
}

void tst_GpioContainer::invalidLineNumbersAreRefused()
{
    QFETCH(QString, number);
    const QString message = "Invalid GPIO line number: \"" + number + "\"";
    for (int i = 0; i < 5; ++i)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    QVERIFY(!SysfsGpio::exportLine(number));
    QVERIFY(!SysfsGpio::setEdge(number, "both"));
    QVERIFY(!SysfsGpio::setDirection(number, true));
    QVERIFY(!SysfsGpio::setValue(number, true));
    QCOMPARE(SysfsGpio::value(number), 0);
    QCOMPARE(text("export"), QString());
}

QTEST_GUILESS_MAIN(tst_GpioContainer)
// Nothing watches the auxiliary inputs yet: a started interrupt thread must end by itself, silently,
// so that a caller waiting for it never hangs.
void tst_GpioContainer::interruptThreadEndsAtOnce()
{
    GpioInterrupt thread;
    QSignalSpy interrupts(&thread, &GpioInterrupt::emitInterrupt);
    thread.start();
    QVERIFY(thread.wait(5000));
    QCOMPARE(interrupts.count(), 0);
    QVERIFY(thread.values().isEmpty());
    QVERIFY(thread.texts().isEmpty());
}

#include "tst_gpiocontainer.moc"
