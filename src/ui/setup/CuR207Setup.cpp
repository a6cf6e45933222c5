#include "ui/setup/CuR207Setup.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"
#include "platform/CommandRunner.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/status/InformationWidget.h"
#include "ui/widgets/FieldText.h"
#include "ui/window/BaseScreen.h"

#include "ui_CuR207Setup.h"

#include <QAbstractButton>
#include <QTimer>

namespace {

const QString calibrationProgram = QStringLiteral("ts_calibrate");
const int calibrationStartDelayMs = 500;
// Touching the calibration points takes a minute at most; a program still running after this is stuck.
const int calibrationLimitMs = 5 * 60 * 1000;

SetupPropertyInfo *alarmSfi()
{
    return ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("AlarmSFI"), QStringLiteral("AlertSetup"));
}

} // namespace

CuR207Setup::CuR207Setup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::CuR207Setup)
{
    m_ui->setupUi(this);
    fillStatusLists();
    m_calibrationLimit.setSingleShot(true);
    m_calibrationLimit.setInterval(calibrationLimitMs);
    connect(&m_calibrationLimit, &QTimer::timeout, this, [this]() {
        CommandRunner *runner = CommandRunner::instance();
        disconnect(runner, &CommandRunner::finished, this, nullptr);
        runner->stop(calibrationProgram);
        calibrationFailed(QStringLiteral("the program did not end within %1 s and was stopped")
                              .arg(m_calibrationLimit.interval() / 1000.0));
    });
    const BuildConfiguration *build = BuildConfiguration::instance();
    // No calibration program on a desktop.
    if (build->isWindows)
        m_ui->ls_st_CalibrateTouchScreen_DisplaySetup_btn->setEnabled(false);
    if (!build->isTvr100 && !build->isMirLox1000)
        renameNetworkButtons();

    if (SetupPropertyInfo *info = alarmSfi()) {
        QAbstractButton *button = m_ui->AlarmSFI_alternative_btn;
        connect(info, &PropertyInfo::valueChanged, button,
            [button](const QString &value) { FieldText::setText(button, value); });
    }
    connect(m_ui->navigation_btn_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &CuR207Setup::navigationButtonClicked);
    connect(ESDataClass::instance()->setup()->OtherSettings(), &ESOtherSettings::NMEALoopTestChanged, this,
        &CuR207Setup::nmeaLoopTestChanged);
    connect(ESDataClass::instance()->localSetup()->DisplaySetup(),
        &CU_R207_Setup::CalibrateTouchScreenChanged, this, &CuR207Setup::CalibrateTouchScreen);
}

CuR207Setup::~CuR207Setup()
{
    delete m_ui;
}

QStackedWidget *CuR207Setup::getStackedWidget() const
{
    return m_ui->stackedWidget;
}

// The products whose display follows the junction box show the junction box's identity, the others the
// display's own; the general page also shows the display's software and the states of the ports.
void CuR207Setup::fillStatusLists()
{
    const ESDataInfoClass *descriptions = ESDataInfoClass::instance();
    SetupDataInfo *setup = descriptions->setupDataInfo();
    SetupDataInfo *local = descriptions->localSetupDataInfo();
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (build->isTvr100 || build->isMirLox1000) {
        m_ui->info_widget_network->addInformation(
            setup, QStringLiteral("TQ55Setup"), { "IP", "LocalSFI", "SystemName", "Group" });
        m_ui->info_widget_display->addInformation(
            setup, QStringLiteral("TQ55Setup"), { "TQ55SerialNumber", "MacAddress" });
    } else {
        m_ui->info_widget_network->addInformation(
            local, QStringLiteral("DisplaySetup"), { "IP", "LocalSFI", "PairedSFI", "Group" });
        m_ui->info_widget_display->addInformation(
            local, QStringLiteral("DisplaySetup"), { "DisplaySerialNumber", "MacAddress" });
    }
    m_ui->info_widget_display->addInformation(local, QStringLiteral("DisplaySetup"), { "SoftwareVersion" });
    m_ui->info_widget_display->addInformation(setup, QStringLiteral("OtherSettings"),
        { "NmeaPort1Status", "NmeaPort2Status", "TransceiverPortStatus" });
}

// The page then edits the display's own network identity instead of the junction box's.
void CuR207Setup::renameNetworkButtons()
{
    m_ui->es_st_Group_TQ55Setup_btn_2->setObjectName(QStringLiteral("ls_st_Group_DisplaySetup_btn"));
    m_ui->es_st_IP_TQ55Setup_btn_s2->setObjectName(QStringLiteral("ls_st_IP_DisplaySetup_btn"));
    m_ui->es_st_LocalSFI_TQ55Setup_btn_s2->setObjectName(QStringLiteral("ls_st_LocalSFI_DisplaySetup_btn"));
    m_ui->es_st_SystemName_TQ55Setup_btn_s2->setObjectName(
        QStringLiteral("ls_st_PairedSFI_DisplaySetup_btn"));
    m_ui->label_SystemName->setText(QStringLiteral("Paired SFI"));
}

// While a display page is shown, the main window's config button leads back to the navigation page
// instead of the setup menu; leaving the window's setup side (a hold of the config button, the
// inactivity timeout, the alarm panel) passes there too, so "DISPLAY SETUP" always opens the navigation.
void CuR207Setup::navigationButtonClicked(QAbstractButton *button)
{
    auto *mainWindow = qobject_cast<BaseScreen *>(window());
    if (mainWindow && !m_backConnection) {
        m_backConnection = connect(
            mainWindow, &BaseScreen::configButtonClicked, this, &CuR207Setup::navigateBackToNavigationPage);
        mainWindow->setConfigButtonRedirected(true);
    }
    const QString name = button->objectName();
    if (name == QLatin1String("cu_setup_setup_btn"))
        m_ui->stackedWidget->setCurrentIndex(1);
    else if (name == QLatin1String("cu_remotedimming_setup_btn"))
        m_ui->stackedWidget->setCurrentIndex(2);
    else
        m_ui->stackedWidget->setCurrentIndex(3);
}

// Only a redirection made here is undone: another page's stays as it is.
void CuR207Setup::navigateBackToNavigationPage()
{
    if (m_backConnection) {
        disconnect(m_backConnection);
        m_backConnection = {};
        if (auto *mainWindow = qobject_cast<BaseScreen *>(window()))
            mainWindow->setConfigButtonRedirected(false);
    }
    m_ui->stackedWidget->setCurrentIndex(0);
}

// The navigation page has no name of its own: back on it, the title is the pages' own, as when the setup
// menu opened them, rather than empty.
void CuR207Setup::on_stackedWidget_currentChanged(int index)
{
    QWidget *page = m_ui->stackedWidget->widget(index);
    const QString title = page ? page->accessibleName() : QString();
    emit signalRightTitleLabelText(title.isEmpty() ? accessibleName() : title);
}

void CuR207Setup::on_AlarmSFI_alternative_btn_clicked()
{
    SetupPropertyInfo *info = alarmSfi();
    if (QAbstractButton *button = info ? info->button() : nullptr)
        button->click();
}

// The loop test cannot be started again while it runs.
void CuR207Setup::nmeaLoopTestChanged(int value)
{
    m_ui->es_st_NMEALoopTest_OtherSettings_btn->setEnabled(value == 0);
}

void CuR207Setup::CalibrateTouchScreen(int value)
{
    if (BuildConfiguration::instance()->isWindows || value == 0 || !isVisible() || m_calibrating)
        return;
    CU_R207_Setup *display = ESDataClass::instance()->localSetup()->DisplaySetup();
    display->setCalibrateTouchScreen(0);
    display->saveToFile();
    window()->hide();
    QTimer::singleShot(calibrationStartDelayMs, this, &CuR207Setup::startCalibration);
}

// The program takes the whole screen; the window comes back when it ends. Only a calibration that ended
// well asks about the reboot: one that cannot be started, fails, crashes or never ends changes nothing a
// reboot would take over, so the window comes back with a log line instead.
void CuR207Setup::startCalibration()
{
    CommandRunner *runner = CommandRunner::instance();
    m_calibrating = true;
    connect(runner, &CommandRunner::finished, this, [this, runner](const QString &program, int exitCode) {
        if (program != calibrationProgram)
            return;
        disconnect(runner, &CommandRunner::finished, this, nullptr);
        m_calibrationLimit.stop();
        if (exitCode == 0)
            calibrationFinished();
        else if (exitCode < 0)
            calibrationFailed(QStringLiteral("the program crashed"));
        else
            calibrationFailed(QStringLiteral("the program ended with code %1").arg(exitCode));
    });
    if (!runner->startTouchCalibration()) {
        disconnect(runner, &CommandRunner::finished, this, nullptr);
        calibrationFailed(QStringLiteral("the program cannot be started"));
        return;
    }
    m_calibrationLimit.start();
}

void CuR207Setup::calibrationFailed(const QString &reason)
{
    qWarning().noquote() << QStringLiteral("Touch screen calibration failed: ") + reason;
    m_calibrationLimit.stop();
    m_calibrating = false;
    window()->show();
}

CustomDialog *CuR207Setup::messageDialog() const
{
    return window()->findChild<CustomDialog *>(QStringLiteral("custom_dialog"));
}

void CuR207Setup::calibrationFinished()
{
    m_calibrating = false;
    window()->show();
    CustomDialog *dialog = messageDialog();
    if (!dialog)
        return;
    connect(dialog, &CustomDialog::okButtonClicked, this, &CuR207Setup::rebootSystem, Qt::UniqueConnection);
    connect(dialog, &CustomDialog::cancelButtonClicked, this, &CuR207Setup::destroyConnectionsToRebootDialog,
        Qt::UniqueConnection);
    dialog->showMessage(
        QStringLiteral("System has to be rebooted in order for calibration to have effect. Do "
                       "you want to reboot now?"),
        QStringLiteral("q"));
    if (auto *mainWindow = qobject_cast<BaseScreen *>(window()))
        mainWindow->raiseBrightnessWidget();
}

// The answer ends the question: a later question of another asker must not reboot.
void CuR207Setup::rebootSystem()
{
    destroyConnectionsToRebootDialog();
    if (BuildConfiguration::instance()->isWindows)
        return;
    CommandRunner::instance()->reboot();
}

void CuR207Setup::destroyConnectionsToRebootDialog()
{
    if (CustomDialog *dialog = messageDialog()) {
        disconnect(dialog, &CustomDialog::okButtonClicked, this, &CuR207Setup::rebootSystem);
        disconnect(
            dialog, &CustomDialog::cancelButtonClicked, this, &CuR207Setup::destroyConnectionsToRebootDialog);
    }
}
