// The display's own setup pages: the status lists per product, live and fitting their pages, the network
// page per product, the loop-test button, and the touch-screen calibration with its reboot question, run
// through a runner that records the programs and through the real runner with stand-in calibration programs.

#include "DebugCapture.h"
#include "FreshStores.h"
#include "RecordingRunner.h"
#include "ScreenStage.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/setup/CuR207Setup.h"
#include "ui/status/InformationWidget.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <signal.h>

namespace {

// A runner whose programs cannot be started.
class FailingRunner : public RecordingRunner
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        RecordingRunner::start(program, arguments);
        return false;
    }
};

} // namespace

class tst_CuR207Setup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void statusLists_data();
    void statusLists();
    void statusListsFollowTheirValues_data();
    void statusListsFollowTheirValues();
    void statusListsFitTheirPages();
    void networkPage_data();
    void networkPage();
    void loopTestButton();
    void noCalibrationOnWindows();
    void calibrationOnlyWhileShown();
    void calibrationThenReboot();
    void calibrationThenNoReboot();
    void calibrationProgramMissing();
    void calibrationProgramEnds_data();
    void calibrationProgramEnds();

private:
    // The pages in a window with the shared question box, as in the main window.
    void build(const QString &platform, const QString &product, CommandRunner *runner)
    {
        m_build.emplace(QStringLiteral("CU"), platform, product);
        m_runnerOverride.emplace(runner);
        m_window = std::make_unique<QWidget>();
        m_window->resize(800, 480);
        m_pages = new CuR207Setup(m_window.get());
        m_pages->setGeometry(0, 34, 800, 447);
        m_dialog = new CustomDialog(m_window.get());
        m_dialog->setObjectName(QStringLiteral("custom_dialog"));
        m_dialog->setGeometry(0, 0, 800, 480);
        m_dialog->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    CU_R207_Setup *display() const { return ESDataClass::instance()->localSetup()->DisplaySetup(); }
    // The description of "object:property": the display's own settings are local, the others shared.
    static PropertyInfo *described(const QString &objectProperty)
    {
        const QString object = objectProperty.section(QLatin1Char(':'), 0, 0);
        const QString property = objectProperty.section(QLatin1Char(':'), 1);
        return ESDataInfoClass::instance()->setupPropertyInfo(
            object == QLatin1String("DisplaySetup") ? QStringLiteral("ls") : QStringLiteral("es"), property,
            object);
    }
    // Values as the junction box and the start-up set them, each shown by one object only, so that a row
    // shows which object it reads.
    static void setIdentities()
    {
        ESTQ55Setup *junctionBox = ESDataClass::instance()->setup()->TQ55Setup();
        junctionBox->setIP(QStringLiteral("192.168.100.201"));
        junctionBox->setMacAddress(QStringLiteral("00:1A:2B:3C:4D:5E"));
        junctionBox->setSoftwareVersion(QStringLiteral("JB-R100-1.0.0"));
        junctionBox->setTQ55SerialNumber(4294967295u);
        CU_R207_Setup *own = ESDataClass::instance()->localSetup()->DisplaySetup();
        own->setIP(QStringLiteral("192.168.100.200"));
        own->setMacAddress(QStringLiteral("00:1A:2B:3C:4D:5F"));
        own->setSoftwareVersion(QStringLiteral("SW-R219-0.2.0.240611"));
        own->setDisplaySerialNumber(1234567890u);
        own->setGroup(3);
    }
    InformationWidget *list(const QString &name) const
    {
        return m_pages->findChild<InformationWidget *>(name);
    }
    static QString cell(const InformationWidget *list, int row, int column)
    {
        const QTableWidgetItem *item = list->table()->item(row, column);
        return item ? item->text() : QString();
    }
    QAbstractButton *button(const char *name) const
    {
        return m_pages->findChild<QAbstractButton *>(QLatin1String(name));
    }
    // Requests a calibration and lets the program run and end.
    void calibrate()
    {
        display()->setCalibrateTouchScreen(1);
        QCOMPARE(display()->CalibrateTouchScreen(), 0);
        QVERIFY(QFile::exists(QStringLiteral("Setup_Files/MIRLOX RN4400/CU_DisplaySetup.txt")));
        QVERIFY(m_window->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(m_runner.calls.size(), 1, 2000);
        QCOMPARE(m_runner.calls.at(0), QStringList { "ts_calibrate" });
        QVERIFY(m_window->isHidden());
        emit m_runner.finished(QStringLiteral("ts_calibrate"), 0);
        QVERIFY(m_window->isVisible());
        QVERIFY(m_dialog->isVisible());
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<BuildConfiguration::TestOverride> m_build;
    RecordingRunner m_runner;
    std::optional<CommandRunner::TestOverride> m_runnerOverride;
    std::unique_ptr<QWidget> m_window;
    CuR207Setup *m_pages = nullptr;
    CustomDialog *m_dialog = nullptr;
};

void tst_CuR207Setup::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // As the system does once at start: every setup description shows its value.
    m_registry->registry()->setupDataInfo()->updateAllGUI();
    m_registry->registry()->localSetupDataInfo()->updateAllGUI();
    m_runner.calls.clear();
}

void tst_CuR207Setup::cleanup()
{
    m_window.reset();
    m_runnerOverride.reset();
    m_build.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_CuR207Setup::statusLists_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("rows");

    const QStringList ownSoftwareAndPorts = { "DisplaySetup:SoftwareVersion", "OtherSettings:NmeaPort1Status",
        "OtherSettings:NmeaPort2Status", "OtherSettings:TransceiverPortStatus" };
    const QStringList junctionBoxNetwork
        = { "TQ55Setup:IP", "TQ55Setup:LocalSFI", "TQ55Setup:SystemName", "TQ55Setup:Group" };
    const QStringList junctionBoxIdentity
        = QStringList { "TQ55Setup:TQ55SerialNumber", "TQ55Setup:MacAddress" } + ownSoftwareAndPorts;
    QTest::newRow("MIR_LOX1000 network") << "MIR_LOX1000"
                                         << "cu_network_setup_btn"
                                         << "info_widget_network" << junctionBoxNetwork;
    QTest::newRow("MIR_LOX1000 display") << "MIR_LOX1000"
                                         << "cu_setup_setup_btn"
                                         << "info_widget_display" << junctionBoxIdentity;
    QTest::newRow("TVR100 network") << "TVR100"
                                    << "cu_network_setup_btn"
                                    << "info_widget_network" << junctionBoxNetwork;
    QTest::newRow("TVR100 display") << "TVR100"
                                    << "cu_setup_setup_btn"
                                    << "info_widget_display" << junctionBoxIdentity;
    QTest::newRow("TVR200 network") << "TVR200"
                                    << "cu_network_setup_btn"
                                    << "info_widget_network"
                                    << QStringList { "DisplaySetup:IP", "DisplaySetup:LocalSFI",
                                           "DisplaySetup:PairedSFI", "DisplaySetup:Group" };
    QTest::newRow("TVR200 display") << "TVR200"
                                    << "cu_setup_setup_btn"
                                    << "info_widget_display"
                                    << QStringList { "DisplaySetup:DisplaySerialNumber",
                                           "DisplaySetup:MacAddress" }
            + ownSoftwareAndPorts;
}

// The page's list, opened with its navigation button, names the product's rows in order with their
// current texts, each read from the object the product takes it from.
void tst_CuR207Setup::statusLists()
{
    QFETCH(QString, product);
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QStringList, rows);

    setIdentities();
    build(QStringLiteral("WINDOWS"), product, &m_runner);
    InformationWidget *shown = this->list(list);
    QVERIFY(shown);
    QCOMPARE(shown->geometry(), QRect(10, 10, 481, 371));
    QTest::mouseClick(button(qPrintable(page)), Qt::LeftButton);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->table()->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        PropertyInfo *info = described(rows.at(row));
        QVERIFY2(info, qPrintable(rows.at(row)));
        QCOMPARE(cell(shown, row, 0), info->displayedName());
        QCOMPARE(cell(shown, row, 2), info->text());
    }
}

void tst_CuR207Setup::statusListsFollowTheirValues_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("junction box's system name")
        << "MIR_LOX1000"
        << "cu_network_setup_btn"
        << "info_widget_network"
        << "TQ55Setup:SystemName" << QVariant(QStringLiteral("BRIDGE2")) << "BRIDGE2 ";
    QTest::newRow("junction box's group") << "MIR_LOX1000"
                                          << "cu_network_setup_btn"
                                          << "info_widget_network"
                                          << "TQ55Setup:Group" << QVariant(7) << "PROP ";
    QTest::newRow("port state") << "MIR_LOX1000"
                                << "cu_setup_setup_btn"
                                << "info_widget_display"
                                << "OtherSettings:NmeaPort2Status" << QVariant(2) << "Error ";
    QTest::newRow("display's software")
        << "MIR_LOX1000"
        << "cu_setup_setup_btn"
        << "info_widget_display"
        << "DisplaySetup:SoftwareVersion" << QVariant(QStringLiteral("SW-R219-0.2.1")) << "SW-R219-0.2.1 ";
    QTest::newRow("display's paired SFI, TVR200")
        << "TVR200"
        << "cu_network_setup_btn"
        << "info_widget_network"
        << "DisplaySetup:PairedSFI" << QVariant(QStringLiteral("GN1234")) << "GN1234 ";
}

// A value that changes while its list is shown is shown at once (its text: the value, a blank and the unit).
void tst_CuR207Setup::statusListsFollowTheirValues()
{
    QFETCH(QString, product);
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, row);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);

    build(QStringLiteral("WINDOWS"), product, &m_runner);
    QTest::mouseClick(button(qPrintable(page)), Qt::LeftButton);
    InformationWidget *information = this->list(list);
    QVERIFY(information->isVisible());
    const int at = information->rowOf(row.section(QLatin1Char(':'), 1));
    QVERIFY(at >= 0);
    QVERIFY(cell(information, at, 2) != shown);
    PropertyInfo *info = described(row);
    QVERIFY(info->sourceObject()->setProperty(qPrintable(info->name()), value));
    QTRY_COMPARE(cell(information, at, 2), shown);
}

// At both screen sizes each list keeps its place in the left half, beside the rows, and shows every row
// whole, with the longest values the settings take.
void tst_CuR207Setup::statusListsFitTheirPages()
{
    BuildConfiguration::TestOverride build(
        QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
    setIdentities();
    ESDataClass::instance()->setup()->TQ55Setup()->setSystemName(QStringLiteral("ABCDEFGHIJ"));
    ScreenStage stage;
    auto *pages = new CuR207Setup(stage.layout);
    pages->setGeometry(0, 33, 800, 447);
    stage.start();
    const struct
    {
        int page;
        const char *list;
        const char *rows;
    } views[] = { { 1, "info_widget_display", "grpBox_es_runtime_setup_5" },
        { 3, "info_widget_network", "grpBox_cu_other_setup" } };
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        for (const auto &view : views) {
            pages->getStackedWidget()->setCurrentIndex(view.page);
            auto *list = pages->findChild<InformationWidget *>(QLatin1String(view.list));
            QVERIFY(list->isVisible());
            QCOMPARE(list->geometry(), QRect(int(10 * sx), int(10 * sy), int(481 * sx), int(371 * sy)));
            QWidget *rows = pages->findChild<QWidget *>(QLatin1String(view.rows));
            QVERIFY(list->geometry().right() < rows->mapTo(list->parentWidget(), QPoint(0, 0)).x());
            QTableWidget *table = list->table();
            QCOMPARE(table->size(), list->size());
            QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
            QVERIFY(table->verticalHeader()->length() <= table->viewport()->height());
            for (int row = 0; row < table->rowCount(); ++row) {
                const QFontMetrics metrics(table->font());
                QVERIFY(metrics.horizontalAdvance(cell(list, row, 2)) <= table->columnWidth(2));
                QVERIFY(!cell(list, row, 2).trimmed().isEmpty());
            }
            stage.savePicture(QStringLiteral("%1_%2x%3")
                                  .arg(QLatin1String(view.list))
                                  .arg(size.width())
                                  .arg(size.height()));
        }
    }
}

void tst_CuR207Setup::networkPage_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("label");

    QTest::newRow("MIR_LOX1000 edits the junction box")
        << "MIR_LOX1000"
        << QStringList { "es_st_IP_TQ55Setup_btn_s2", "es_st_LocalSFI_TQ55Setup_btn_s2",
               "es_st_SystemName_TQ55Setup_btn_s2", "es_st_Group_TQ55Setup_btn_2" }
        << "System Name";
    QTest::newRow("TVR200 edits the display")
        << "TVR200"
        << QStringList { "ls_st_IP_DisplaySetup_btn", "ls_st_LocalSFI_DisplaySetup_btn",
               "ls_st_PairedSFI_DisplaySetup_btn", "ls_st_Group_DisplaySetup_btn" }
        << "Paired SFI";
}

void tst_CuR207Setup::networkPage()
{
    QFETCH(QString, product);
    QFETCH(QStringList, buttons);
    QFETCH(QString, label);

    build(QStringLiteral("WINDOWS"), product, &m_runner);
    QWidget *group = m_pages->findChild<QWidget *>(QStringLiteral("grpBox_cu_other_setup"));
    QStringList names;
    const QList<QAbstractButton *> found = group->findChildren<QAbstractButton *>();
    for (const QAbstractButton *b : found)
        names.append(b->objectName());
    QCOMPARE(names, buttons);
    QCOMPARE(m_pages->findChild<QLabel *>(QStringLiteral("label_SystemName"))->text(), label);
}

void tst_CuR207Setup::loopTestButton()
{
    build(QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"), &m_runner);
    ESOtherSettings *other = ESDataClass::instance()->setup()->OtherSettings();
    QAbstractButton *loop = button("es_st_NMEALoopTest_OtherSettings_btn");
    QVERIFY(loop->isEnabled());
    other->setNMEALoopTest(1);
    QVERIFY(!loop->isEnabled());
    other->setNMEALoopTest(0);
    QVERIFY(loop->isEnabled());
}

void tst_CuR207Setup::noCalibrationOnWindows()
{
    build(QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"), &m_runner);
    QVERIFY(!button("ls_st_CalibrateTouchScreen_DisplaySetup_btn")->isEnabled());
    display()->setCalibrateTouchScreen(1);
    QTest::qWait(700);
    QCOMPARE(display()->CalibrateTouchScreen(), 1);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_runner.calls.isEmpty());
}

void tst_CuR207Setup::calibrationOnlyWhileShown()
{
    build(QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"), &m_runner);
    QVERIFY(button("ls_st_CalibrateTouchScreen_DisplaySetup_btn")->isEnabled());
    m_pages->hide();
    display()->setCalibrateTouchScreen(1);
    QTest::qWait(700);
    QCOMPARE(display()->CalibrateTouchScreen(), 1);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_runner.calls.isEmpty());
}

void tst_CuR207Setup::calibrationThenReboot()
{
    build(QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"), &m_runner);
    calibrate();
    QTest::mouseClick(m_dialog->findChild<QAbstractButton *>(QStringLiteral("ok_btn")), Qt::LeftButton);
    QCOMPARE(m_runner.calls.size(), 2);
    QCOMPARE(m_runner.calls.at(1), QStringList { "reboot" });
}

// "No" ends the question: a later question of another asker answered "Yes" does not reboot.
void tst_CuR207Setup::calibrationThenNoReboot()
{
    build(QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"), &m_runner);
    calibrate();
    QTest::mouseClick(m_dialog->findChild<QAbstractButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
    m_dialog->showMessage(QStringLiteral("Another question?"), QStringLiteral("q"));
    QTest::mouseClick(m_dialog->findChild<QAbstractButton *>(QStringLiteral("ok_btn")), Qt::LeftButton);
    QCOMPARE(m_runner.calls.size(), 1);
}

// Without the program the window comes back at once and nothing is asked.
void tst_CuR207Setup::calibrationProgramMissing()
{
    FailingRunner failing;
    build(QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"), &failing);
    display()->setCalibrateTouchScreen(1);
    QVERIFY(m_window->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(failing.calls.size(), 1, 2000);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_dialog->isHidden());
    // The runner ends with this case.
    m_window.reset();
    m_runnerOverride.reset();
}

void tst_CuR207Setup::calibrationProgramEnds_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("logged");

    QTest::newRow("ends well: the reboot question") << "exit 0" << true << "";
    QTest::newRow("fails") << "exit 3" << false << "the program ended with code 3";
    QTest::newRow("crashes") << "kill -SEGV $$" << false << "the program crashed";
    QTest::newRow("never ends: stopped at the limit")
        << "exec sleep 600" << false << "the program did not end within 1.5 s and was stopped";
}

// A real runner starts a stand-in calibration program found on the path, which writes its process id and
// then ends as the case says. The window is hidden while it runs and always comes back; only a calibration
// that ended well asks about the reboot, every other end is logged, and a program that runs past the time
// limit is stopped.
void tst_CuR207Setup::calibrationProgramEnds()
{
    QFETCH(QString, script);
    QFETCH(bool, question);
    QFETCH(QString, logged);

    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    QFile program(bin.filePath(QStringLiteral("ts_calibrate")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\necho $$ > \"%1\"\n%2\n")
                      .arg(bin.filePath(QStringLiteral("pid")), script)
                      .toLocal8Bit());
    program.close();
    QVERIFY(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);

    DebugCapture log;
    CommandRunner runner;
    build(QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"), &runner);
    m_pages->setCalibrationTimeLimit(1500);
    display()->setCalibrateTouchScreen(1);
    QVERIFY(m_window->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath(QStringLiteral("pid"))), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 5000);
    qputenv("PATH", path);
    QCOMPARE(m_dialog->isVisible(), question);
    if (logged.isEmpty()) {
        QCOMPARE(log.count(QStringLiteral("calibration failed")), 0);
    } else {
        QCOMPARE(log.count(QStringLiteral("Touch screen calibration failed: ") + logged), 1);
    }
    // Nothing of the program is left running.
    QFile pidFile(bin.filePath(QStringLiteral("pid")));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toLong());
    QVERIFY(pid > 0);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, 3000);
    // The runner ends with this case.
    m_window.reset();
    m_runnerOverride.reset();
}

QTEST_MAIN(tst_CuR207Setup)
#include "tst_cur207setup.moc"
