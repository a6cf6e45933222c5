#include "ui/BaseScreen.h"

#include "common/BuildConfiguration.h"
#include "hardware/DimmingController.h"
#include "ui/AlarmWidget.h"
#include "ui/CommunicationInformationTable.h"
#include "ui/ThemeStyleSheets.h"

#include "ui_BaseScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

const char *const standbyButtonStyle
    = "QPushButton{ background: black; border: transparent; text-align: center; color: rgb(40, 40, 40);}";

// The alarm panel takes this share of the window, at this horizontal offset, at the top edge.
QRect alarmPanelGeometry(const QSize &window)
{
    return QRect(int(0.3 * window.width()), 0, int(0.45 * window.width()), int(0.4 * window.height()));
}

} // namespace

BaseScreen::BaseScreen(ES_Alerts *alerts, DimmingController *dimmingController, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::BaseScreen)
    , m_alerts(alerts)
    , m_dimmingController(dimmingController)
{
    m_ui->setupUi(this);
    m_ui->title_label_left->setText(BuildConfiguration::instance()->productName());

    createOverlayWidgets();

    // Every press anywhere in the program passes here, so that any push button gives a key click.
    qApp->installEventFilter(this);
    m_ui->brightness_widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->brightness_widget->raise();

    ThemeStyleSheets::applyToDescendants(this);

    connect(
        m_alarmWidget, &AlarmWidget::changeDisplayDimming, this, &BaseScreen::adjustBrightnessToAlarmState);
}

BaseScreen::~BaseScreen()
{
    qApp->removeEventFilter(this);
    delete m_ui;
}

void BaseScreen::createOverlayWidgets()
{
    m_standby = false;
    m_alarmActive = false;

    m_alarmWidget = new AlarmWidget(m_alerts, m_ui->custom_layout, m_ui->brightness_widget);
    m_alarmWidget->setObjectName(QStringLiteral("alarm_widget"));
    m_alarmWidget->hide();
    placeAlarmWidget();
    m_alarmWidget->updateScaledGeometry();

    // The communication monitor belongs to the system setup pages; until they exist it waits hidden
    // here, fed by the forwarding controller like on its page.
    m_communicationTable = new CommunicationInformationTable(m_ui->custom_layout);
    m_communicationTable->setObjectName(QStringLiteral("communication_information_table"));
    m_communicationTable->hide();
}

void BaseScreen::placeAlarmWidget()
{
    const QRect geometry = alarmPanelGeometry(size());
    m_alarmWidget->setBaseSize(geometry.size());
    m_alarmWidget->resize(geometry.size());
    m_alarmWidget->move(geometry.topLeft());
}

void BaseScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_alarmWidget) {
        const QRect geometry = alarmPanelGeometry(size());
        m_alarmWidget->resize(geometry.size());
        m_alarmWidget->move(geometry.topLeft());
    }
    if (m_standbyButton)
        m_standbyButton->setFixedSize(size());
}

void BaseScreen::closeEvent(QCloseEvent *event)
{
    emit aboutToClose();
    QWidget::closeEvent(event);
}

bool BaseScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QPushButton *>(watched))
        emit buzzerTouchBeep();
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------------
// Brightness

void BaseScreen::writeOverlayAlpha(int alpha)
{
    m_ui->brightness_widget->setStyleSheet(
        QStringLiteral("background-color : rgba(0, 0, 0, %1);").arg(alpha));
}

void BaseScreen::applyBrightness(int value, bool force)
{
    if (m_alarmActive && value < alarmBrightnessLevel && !force)
        value = alarmBrightnessLevel;

    int alpha = 0;
    if (value < overlayThreshold) {
        alpha = int(210 - 4.2 * value);
        writeOverlayAlpha(alpha);
    } else if (m_overlayAlpha > 0) {
        // A bright display leaves the overlay alone once it is clear.
        writeOverlayAlpha(0);
    }
    m_overlayAlpha = alpha;
    if (m_dimmingController)
        m_dimmingController->setBrightness(value);
}

void BaseScreen::storeBrightness(int value, bool alarmFloor)
{
    if (m_standby)
        m_standbyBrightness = value;
    else
        m_normalBrightness = value;
    if (alarmFloor && m_normalBrightness < alarmBrightnessLevel)
        applyBrightness(alarmBrightnessLevel, false);
    else
        applyBrightness(value, false);
}

void BaseScreen::applyNormalBrightness()
{
    storeBrightness(m_normalBrightness, false);
}

double BaseScreen::currentBrightness() const
{
    return m_standby ? m_standbyBrightness : m_normalBrightness;
}

void BaseScreen::increaseBrightnessToAlarmLevel()
{
    if (m_normalBrightness >= alarmBrightnessLevel)
        return;
    storeBrightness(alarmBrightnessLevel, false);
    emit brightnessManuallyChangedToAlarmLevel(int(alarmBrightnessLevel / 2.56));
}

void BaseScreen::adjustBrightnessToAlarmState(bool alarm_active)
{
    m_alarmActive = alarm_active;
    if (m_normalBrightness >= alarmBrightnessLevel)
        return;
    // Raised for the alert; once no alert needs attention any more the display goes back at once to
    // the brightness the user chose instead of staying at the alarm level until the next change.
    if (alarm_active)
        applyBrightness(alarmBrightnessLevel, false);
    else
        applyBrightness(int(currentBrightness()), false);
}

void BaseScreen::raiseBrightnessWidget()
{
    m_ui->brightness_widget->show();
    m_ui->brightness_widget->raise();
}

// ---------------------------------------------------------------------------------------------------------
// Standby

void BaseScreen::setStandbyMode(bool on)
{
    if (on) {
        if (m_standbyButton)
            return;
        m_standby = true;
        m_standbyHoldTimer = new QTimer(this);
        m_standbyHoldTimer->setInterval(standbyHoldMs);
        m_standbyHoldTimer->setSingleShot(true);

        m_standbyButton = new QPushButton(m_ui->custom_layout);
        m_standbyButton->setObjectName(QStringLiteral("standby_button"));
        m_standbyButton->setFocusPolicy(Qt::NoFocus);
        m_standbyButton->setFixedSize(size());
        m_standbyButton->move(0, 0);
        m_standbyButton->setStyleSheet(QString::fromLatin1(standbyButtonStyle));
        m_standbyButton->setText(QStringLiteral("STANDBY\n(press and hold\nto activate)"));
        QFont font = m_standbyButton->font();
        font.setPixelSize(85);
        m_standbyButton->setFont(font);
        m_standbyButton->show();
        m_standbyButton->raise();
        raiseBrightnessWidget();
        // Entering standby is the user's own choice of darkness: no alarm floor.
        applyBrightness(m_standbyBrightness, true);

        connect(m_standbyButton, &QPushButton::pressed, this, &BaseScreen::standbyButtonPressed);
        connect(m_standbyButton, &QPushButton::released, this, &BaseScreen::standbyButtonReleased);
        connect(m_standbyHoldTimer, &QTimer::timeout, this, &BaseScreen::standbyButtonReleased);
        return;
    }
    if (!m_standbyButton)
        return;
    m_standby = false;
    delete m_standbyButton;
    m_standbyButton = nullptr;
    delete m_standbyHoldTimer;
    m_standbyHoldTimer = nullptr;
    applyBrightness(m_normalBrightness, false);
}

void BaseScreen::standbyButtonPressed()
{
    if (m_standbyHoldTimer)
        m_standbyHoldTimer->start();
}

void BaseScreen::standbyButtonReleased()
{
    if (!m_standbyHoldTimer)
        return;
    if (!m_standbyHoldTimer->isActive()) {
        // Held: the standby screen must not stay black while its brightness is chosen.
        if (m_standbyBrightness == 0)
            storeBrightness(8, false);
        raiseBrightnessWidget();
        return;
    }
    m_standbyHoldTimer->stop();
    emit systemWakeUpSignal();
}
