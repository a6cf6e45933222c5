// The demonstration launcher: its form, the system choice and the three things "Simulate" does (replay,
// start the demonstration script through the command runner, or report that it could not).

#include "DebugCapture.h"
#include "RecordingRunner.h"
#include "ScreenPictures.h"
#include "platform/PlatformPaths.h"
#include "ui/runtime/DemoSystemSelect.h"
#include "ui/runtime/SimulationDataFile.h"
#include "ui/runtime/SimulationDataManager.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A runner whose programs never start.
class FailingRunner : public CommandRunner
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls << (QStringList(program) + arguments);
        return false;
    }
    QList<QStringList> calls;
};

struct Launcher
{
    Launcher()
        : root(dir.path())
        , managerOverride(&manager)
        , runnerOverride(&runner)
    {
        widget.resize(378, 302);
        widget.show();
    }
    QPushButton *button(const QString &name) const { return widget.findChild<QPushButton *>(name); }
    QTemporaryDir dir;
    PlatformPaths::TestOverride root;
    SimulationDataManager manager;
    SimulationDataManager::TestOverride managerOverride;
    RecordingRunner runner;
    CommandRunner::TestOverride runnerOverride;
    DemoSystemSelect widget;
};

} // namespace

class tst_DemoSystemSelect : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void simulateWithoutSystemReplays();
    void simulateStartsTheChosenSystem_data();
    void simulateStartsTheChosenSystem();
    void scriptThatCannotStart();
    void pictures();
};

void tst_DemoSystemSelect::form()
{
    Launcher launcher;
    QVERIFY(QTest::qWaitForWindowExposed(&launcher.widget));
    const QStringList names { "kw21SelectedButton", "tvr200SelectedButton", "tvr100SelectedButton",
        "rt63SelectedButton", "rn4400SelectedButton" };
    const QStringList texts { "KW21", "TVR200", "TVR100", "RT63", "RN4400" };
    auto *group = launcher.widget.findChild<QButtonGroup *>(QStringLiteral("systemSelectButtonGroup"));
    QVERIFY(group);
    QVERIFY(group->exclusive());
    for (int i = 0; i < names.size(); ++i) {
        QPushButton *button = launcher.button(names.at(i));
        QVERIFY2(button, qPrintable(names.at(i)));
        QCOMPARE(button->text(), texts.at(i));
        QCOMPARE(group->buttons().indexOf(button), i);
        QVERIFY(button->isVisible());
        QVERIFY(button->width() >= 150 && button->height() >= 70);
    }
    QCOMPARE(group->checkedButton(), launcher.button(QStringLiteral("tvr100SelectedButton")));
    QCOMPARE(launcher.widget.systemName(), QString());

    // Recording cannot be chosen here, and the selected-system display is not shown.
    auto *saveData = launcher.widget.findChild<QCheckBox *>(QStringLiteral("checkBox"));
    QVERIFY(!saveData->isVisible());
    QVERIFY(!saveData->isEnabled());
    QVERIFY(!launcher.widget.findChild<QLabel *>(QStringLiteral("selectedSystem_lbl"))->isVisible());
    QVERIFY(!launcher.button(QStringLiteral("selectedSystem_btn"))->isVisible());
    QCOMPARE(
        launcher.widget.findChild<QScrollArea *>(QStringLiteral("scrollArea"))->focusPolicy(), Qt::NoFocus);

    // A click moves the exclusive choice.
    QTest::mouseClick(launcher.button(QStringLiteral("rt63SelectedButton")), Qt::LeftButton);
    QCOMPARE(group->checkedButton(), launcher.button(QStringLiteral("rt63SelectedButton")));
}

void tst_DemoSystemSelect::simulateWithoutSystemReplays()
{
    Launcher launcher;
    QVERIFY(QTest::qWaitForWindowExposed(&launcher.widget));
    SimulationDataFile *file = launcher.manager.registerFile(QStringLiteral("text"), false, false, 0);
    launcher.manager.setReading(false);
    QTest::mouseClick(launcher.button(QStringLiteral("pushButton")), Qt::LeftButton);
    QVERIFY(launcher.manager.isReading());
    QVERIFY(file->isReading());
    QVERIFY(launcher.runner.calls.isEmpty());
}

void tst_DemoSystemSelect::simulateStartsTheChosenSystem_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("generation");
    QTest::addColumn<QString>("system");
    QTest::newRow("KW21") << "kw21SelectedButton"
                          << "Qt4"
                          << "SW_R215";
    QTest::newRow("TVR100") << "tvr100SelectedButton"
                            << "Qt5"
                            << "TVR100_multi_screen";
    QTest::newRow("TVR200") << "tvr200SelectedButton"
                            << "Qt5"
                            << "TVR200_multi_screen";
    QTest::newRow("RN4400") << "rn4400SelectedButton"
                            << "Qt5"
                            << "MIRLOX1000_multi_screen";
    QTest::newRow("RT63") << "rt63SelectedButton"
                          << "Qt5"
                          << "MIRLOX2000_multi_screen";
}

void tst_DemoSystemSelect::simulateStartsTheChosenSystem()
{
    QFETCH(QString, button);
    QFETCH(QString, generation);
    QFETCH(QString, system);
    Launcher launcher;
    QVERIFY(QTest::qWaitForWindowExposed(&launcher.widget));
    launcher.manager.setReading(false);
    QTest::mouseClick(launcher.button(button), Qt::LeftButton);
    QCOMPARE(launcher.widget.systemName(), system);
    QCOMPARE(launcher.widget.qtGeneration(), generation);
    QTest::mouseClick(launcher.button(QStringLiteral("pushButton")), Qt::LeftButton);
    // The shell runs the script with this program's process id, the generation and the system name.
    QCOMPARE(launcher.runner.calls,
        QList<QStringList>({ { "/bin/sh", launcher.dir.path() + "/opt/run_demo.sh",
            QString::number(QCoreApplication::applicationPid()), generation, system } }));
    QVERIFY(!launcher.manager.isReading());
}

void tst_DemoSystemSelect::scriptThatCannotStart()
{
    Launcher launcher;
    FailingRunner failing;
    CommandRunner::TestOverride override(&failing);
    QVERIFY(QTest::qWaitForWindowExposed(&launcher.widget));
    DebugCapture log;
    QTest::mouseClick(launcher.button(QStringLiteral("kw21SelectedButton")), Qt::LeftButton);
    QTest::mouseClick(launcher.button(QStringLiteral("pushButton")), Qt::LeftButton);
    QCOMPARE(failing.calls.size(), 1);
    QCOMPARE(log.count(QStringLiteral("Failed to run")), 1);
}

void tst_DemoSystemSelect::pictures()
{
    Launcher launcher;
    QVERIFY(QTest::qWaitForWindowExposed(&launcher.widget));
    ScreenPictures::save(&launcher.widget, QStringLiteral("demo_378x302"));
    launcher.widget.resize(800, 480);
    ScreenPictures::save(&launcher.widget, QStringLiteral("demo_800x480"));
}

QTEST_MAIN(tst_DemoSystemSelect)
#include "tst_demosystemselect.moc"
