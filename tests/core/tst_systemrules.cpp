// The rules of the system object that need no built system: which paths each build configuration
// connects, the program's exit status after a programming error, and the optional debug-message format.

#include "common/BuildConfiguration.h"
#include "core/CentralBaseClass.h"
#include "core/LogMessageHandler.h"
#include "core/SystemWiring.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

class tst_SystemRules : public QObject
{
    Q_OBJECT

private slots:
    void paths_data();
    void paths();

    void programmingErrorEndsWithFailureStatus();
    void programmingErrorInsideEventLoop();
    void resultOfOrdinaryRun();

    void logMessageFormat_data();
    void logMessageFormat();
    void logMessageKeepsText();
};

void tst_SystemRules::paths_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("displayNetworkSettings");
    QTest::addColumn<bool>("serialPaths");
    QTest::addColumn<bool>("followsJunctionBoxGroup");
    QTest::addColumn<bool>("srp");

    // clang-format off
    QTest::newRow("this build") << "CU" << "WINDOWS" << "MIR_LOX1000" << false << false << true << false;
    QTest::newRow("embedded display") << "CU" << "LINUX" << "MIR_LOX1000" << false << false << false << false;
    QTest::newRow("embedded junction box") << "JB" << "LINUX" << "MIR_LOX1000" << false << true << false << true;
    QTest::newRow("junction box on WINDOWS") << "JB" << "WINDOWS" << "TVR200" << false << false << true << true;
    QTest::newRow("echo sounder display") << "CU" << "LINUX" << "TVR300" << false << false << false << false;
    // clang-format on
}

void tst_SystemRules::paths()
{
    QFETCH(QString, device);
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(bool, displayNetworkSettings);
    QFETCH(bool, serialPaths);
    QFETCH(bool, followsJunctionBoxGroup);
    QFETCH(bool, srp);

    const BuildConfiguration build(device, platform, product);
    QCOMPARE(SystemWiring::connectsDisplayNetworkSettings(&build), displayNetworkSettings);
    QCOMPARE(SystemWiring::connectsSerialPaths(&build), serialPaths);
    QCOMPARE(SystemWiring::followsJunctionBoxGroup(&build), followsJunctionBoxGroup);
    QCOMPARE(SystemWiring::startsSrpAnnouncements(&build), srp);
}

void tst_SystemRules::programmingErrorEndsWithFailureStatus()
{
    QTest::ignoreMessage(QtDebugMsg, "Incorrect defaultValue for serializable class property");
    const int status = CentralBaseClass::runGuarded(
        []() -> int { throw "Incorrect defaultValue for serializable class property"; });
    QVERIFY(status != 0);
}

void tst_SystemRules::programmingErrorInsideEventLoop()
{
    // The system is built and runs inside the event loop; an error there unwinds through it.
    QTest::ignoreMessage(QtDebugMsg, "Serialization is not possible!");
    const int status = CentralBaseClass::runGuarded([]() -> int {
        QEventLoop loop;
        QTimer::singleShot(0, []() { throw "Serialization is not possible!"; });
        return loop.exec();
    });
    QVERIFY(status != 0);
}

void tst_SystemRules::resultOfOrdinaryRun()
{
    QCOMPARE(CentralBaseClass::runGuarded([]() { return 0; }), 0);
    QCOMPARE(CentralBaseClass::runGuarded([]() { return 3; }), 3);
}

void tst_SystemRules::logMessageFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("debug") << int(QtDebugMsg) << "Debug: ";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning: ";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical: ";
    QTest::newRow("fatal") << int(QtFatalMsg) << "Fatal: ";
    QTest::newRow("info") << int(QtInfoMsg) << "Info: ";
}

void tst_SystemRules::logMessageFormat()
{
    QFETCH(int, type);
    QFETCH(QString, prefix);

    const QMessageLogContext context("Hardware.cpp", 42, "bool Hardware::init()", "default");
    const QString line = formatLogMessage(QtMsgType(type), context, QStringLiteral("Check Hardware!"));
    QCOMPARE(line,
        prefix
            + QStringLiteral("Check Hardware! File: Hardware.cpp Line: 42 Function: bool Hardware::init()"));
}

void tst_SystemRules::logMessageKeepsText()
{
    // Text outside ASCII stays as it was written.
    const QMessageLogContext context;
    const QString line = formatLogMessage(QtDebugMsg, context, QStringLiteral("Tiefe 12 m \u00fcber Kiel"));
    QVERIFY(line.startsWith(QStringLiteral("Debug: Tiefe 12 m \u00fcber Kiel File: ")));
}

QTEST_GUILESS_MAIN(tst_SystemRules)
#include "tst_systemrules.moc"
