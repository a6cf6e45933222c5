#include "ui/window/BaseScreen.h"

#include "common/BuildConfiguration.h"
#include "data/ClockOffsets.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/ThemeStyleSheets.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/status/CommunicationInformationTable.h"
#include "ui/widgets/FieldText.h"
#include "ui/window/AlarmWidget.h"

#include "ui_BaseScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace {

const char *const standbyButtonStyle
    = "QPushButton{ background: black; border: transparent; text-align: center; color: rgb(40, 40, 40);}";
const char *const transparentStyle = "background-color: transparent;";

QString &startPage()
{
    static QString index = QStringLiteral("0");
    return index;
}

QString &initialPage()
{
    static QString index = QStringLiteral("0");
    return index;
}

// The alarm panel takes this share of the window, at this horizontal offset, at the top edge.
QRect alarmPanelGeometry(const QSize &window)
{
    return QRect(int(0.3 * window.width()), 0, int(0.45 * window.width()), int(0.4 * window.height()));
}

// The time of the ship when the network brought one, else of the system clock.
QTime shipTime()
{
    return systemDateTimeLocalOrUtc().time();
}

} // namespace

BaseScreen::BaseScreen(
    ES_Alerts *alerts, DimmingController *dimmingController, QWidget *parent, const Parts &parts)
    : QWidget(parent)
    , m_ui(new Ui::BaseScreen)
    , m_alerts(alerts)
    , m_dimmingController(dimmingController)
    , m_clockSource(shipTime)
{
    m_ui->setupUi(this);
    FieldText::setText(m_ui->title_label_left, BuildConfiguration::instance()->productName());

    createParts(parts);
    createOverlayWidgets();
    initializeScreenState();
    ThemeStyleSheets::applyToDescendants(this);
    connectSignals();
}

BaseScreen::~BaseScreen()
{
    qApp->removeEventFilter(this);
    // The pages hidden while the children go may change the palette (the dimming page restores its
    // preset when hidden); the window's form is gone by then, so it no longer listens.
    disconnect(ThemeColorSingleton::instance(), nullptr, this, nullptr);
    delete m_ui;
}

// ---------------------------------------------------------------------------------------------------------
// Construction

// The parts are made before the window is first shown, so the scaling container collects them with the
// form's widgets and the theme markers of their style sheets are expanded with the rest.
void BaseScreen::createParts(const Parts &parts)
{
    m_setupScreens = replacePage(0, parts.setupScreens);
    m_runtimeScreens = replacePage(1, parts.runtimeScreens);
    m_setupScreens->setObjectName(QStringLiteral("setup_screens"));
    m_runtimeScreens->setObjectName(QStringLiteral("runtime_screens"));
    m_longPressMenu = createMenu(parts.longPressMenu, QStringLiteral("long_press_menu"));
    m_setupLongPressMenu = createMenu(parts.setupLongPressMenu, QStringLiteral("setup_long_press_menu"));
    if (parts.standbySlider)
        m_standbySlider = parts.standbySlider(this);
}

QWidget *BaseScreen::replacePage(int index, const std::function<QWidget *(QWidget *)> &make)
{
    QStackedWidget *stack = m_ui->stacked_basescreen;
    QWidget *standIn = stack->widget(index);
    if (!make)
        return standIn;
    QWidget *page = make(stack);
    if (!page)
        return standIn;
    // The swap is not a navigation: the page-change slot must not start the inactivity time.
    const QSignalBlocker blocker(stack);
    const int current = stack->currentIndex();
    stack->removeWidget(standIn);
    delete standIn;
    stack->insertWidget(index, page);
    stack->setCurrentIndex(current);
    return page;
}

QWidget *BaseScreen::createMenu(const std::function<QWidget *(QWidget *)> &make, const QString &name)
{
    if (!make)
        return nullptr;
    QWidget *menu = make(m_ui->custom_layout);
    if (!menu)
        return nullptr;
    menu->setParent(m_ui->custom_layout);
    menu->setObjectName(name);
    menu->setStyleSheet(QString::fromLatin1(transparentStyle));
    menu->setGeometry(0, 0, width(), height());
    menu->hide();
    return menu;
}

void BaseScreen::createOverlayWidgets()
{
    m_standby = false;
    m_alarmActive = false;
    m_unitButtonLocked = false;

    m_keyboardScreen = new KeyBoardScreen(m_ui->custom_layout);
    m_keyboardScreen->setObjectName(QStringLiteral("keyboard_screen"));
    m_passwordWidget = new PasswordWidget(m_ui->custom_layout);
    m_passwordWidget->setObjectName(QStringLiteral("password_widget"));
    m_passwordWidget->setMessageDialog(m_ui->custom_dialog);
    for (QWidget *overlay :
        { static_cast<QWidget *>(m_keyboardScreen), static_cast<QWidget *>(m_passwordWidget) }) {
        overlay->setBaseSize(size());
        overlay->resize(size());
        overlay->move(0, 0);
        overlay->hide();
    }

    m_alarmWidget = new AlarmWidget(m_alerts, ESDataClass::instance()->setup()->DiagnosticsSetup(),
        m_ui->custom_layout, m_ui->brightness_widget);
    m_alarmWidget->setObjectName(QStringLiteral("alarm_widget"));
    m_alarmWidget->hide();
    placeAlarmWidget();
    m_alarmWidget->updateScaledGeometry();

    // The communication monitor belongs to the setup side; while that has none it waits hidden here, fed
    // by the forwarding controller like on its page.
    m_communicationTable = m_setupScreens->findChild<CommunicationInformationTable *>();
    if (!m_communicationTable) {
        m_communicationTable = new CommunicationInformationTable(
            ESDataClass::instance()->communicationInformation(), m_ui->custom_layout);
        m_communicationTable->setObjectName(QStringLiteral("communication_information_table"));
        m_communicationTable->hide();
    }

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(clockMs);
    m_clockTimer->start();
    m_configHoldTimer = new QTimer(this);
    m_configHoldTimer->setSingleShot(true);
    m_configHoldTimer->setInterval(configHoldMs);
    m_inactivityTimer = new QTimer(this);
    m_inactivityTimer->setInterval(inactivityMs);
}

void BaseScreen::initializeScreenState()
{
    m_innerMenuStack = nullptr;
    m_ui->custom_dialog->hide();
    if (QStackedWidget *pages = sideStack(m_runtimeScreens, "stacked_ES_runtime"))
        pages->setCurrentIndex(0);

    // Every press anywhere in the program passes here: for the key click and the inactivity time.
    qApp->installEventFilter(this);
    m_ui->brightness_widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->brightness_widget->raise();
    m_ui->standby_dimming_slider_holder->hide();
    m_ui->stacked_basescreen->setCurrentIndex(1);
    if (QStackedWidget *systems = sideStack(m_runtimeScreens, "stacked_systems"))
        systems->setCurrentIndex(initialPageIndex().toInt());
    reloadUpAndDownArrowIcons(enum_ColorPalette(0));
    m_ui->arrow_down->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->arrow_up->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BaseScreen::connectSignals()
{
    connect(m_configHoldTimer, &QTimer::timeout, this, &BaseScreen::on_config_button_released);
    connect(
        m_alarmWidget, &AlarmWidget::changeDisplayDimming, this, &BaseScreen::adjustBrightnessToAlarmState);
    connect(m_clockTimer, &QTimer::timeout, this, &BaseScreen::repaintClockLabel);

    // The sides are linked by signature: a side that does not declare a signal is simply not linked.
    auto declares = [](QWidget *side, const char *signature) {
        return side->metaObject()->indexOfSignal(signature) >= 0;
    };
    if (declares(m_setupScreens, "sigEnteredInnerMenu(QStackedWidget*)"))
        connect(m_setupScreens, SIGNAL(sigEnteredInnerMenu(QStackedWidget *)), this,
            SLOT(slotEnteredInnerMenu(QStackedWidget *)));
    if (declares(m_setupScreens, "signalRightTitleLabelText(QString)"))
        connect(m_setupScreens, SIGNAL(signalRightTitleLabelText(QString)), this,
            SLOT(showTitleIfSetupVisible(QString)));
    if (declares(m_setupScreens, "signalLeftTitleLabelText(QString)"))
        connect(
            m_setupScreens, SIGNAL(signalLeftTitleLabelText(QString)), this, SLOT(showLeftTitle(QString)));
    if (declares(m_runtimeScreens, "signalRightTitleLabelText(QString)"))
        connect(m_runtimeScreens, SIGNAL(signalRightTitleLabelText(QString)), this,
            SLOT(showTitleIfRuntimeVisible(QString)));

    connect(m_keyboardScreen->keyboard(), &QVirtualKeyboard::keyPressed, this, &BaseScreen::buzzerTouchBeep);
    connect(m_passwordWidget->keyboard(), &QVirtualKeyboard::keyPressed, this, &BaseScreen::buzzerTouchBeep);
    connect(m_inactivityTimer, &QTimer::timeout, this, &BaseScreen::goDirectlyToRuntimeScreen);
    connect(
        m_alarmWidget, &AlarmWidget::navigateToDiagnosticSetup, this, &BaseScreen::goToDiagnosticSetupScreen);
    QObject *slider = m_standbySlider.wrapper;
    if (slider && slider->metaObject()->indexOfSignal("sliderHidden()") >= 0)
        connect(slider, SIGNAL(sliderHidden()), this, SLOT(hideSliderHolder()));
    connect(m_ui->custom_dialog, &CustomDialog::overlayShown, this, &BaseScreen::raiseBrightnessWidget);
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &BaseScreen::reloadUpAndDownArrowIcons);
}

CustomDialog *BaseScreen::customDialog() const
{
    return m_ui->custom_dialog;
}

QPushButton *BaseScreen::transducerButton() const
{
    return m_ui->transducer_button;
}

void BaseScreen::moveUnitButton(const QPoint &position)
{
    m_ui->unit_button->move(position);
}

BaseScreen::StandbySliderWidgets BaseScreen::standbySliderWidgets() const
{
    return { m_ui->brightness_slider, m_ui->brightness_inc_button, m_ui->brightness_red_button,
        m_ui->brightness_value_label };
}

QWidget *BaseScreen::standbySliderHolder() const
{
    return m_ui->standby_dimming_slider_holder;
}

void BaseScreen::reinitializeRuntimePages()
{
    if (m_runtimeScreens->metaObject()->indexOfMethod("initializeScreensData()") >= 0)
        QMetaObject::invokeMethod(m_runtimeScreens, "initializeScreensData");
}

QString BaseScreen::startPageIndex()
{
    return startPage();
}

void BaseScreen::setStartPageIndex(const QString &index)
{
    startPage() = index;
}

QString BaseScreen::initialPageIndex()
{
    return initialPage();
}

void BaseScreen::setInitialPageIndex(const QString &index)
{
    initialPage() = index;
}

void BaseScreen::setTimerIntervals(int clock, int configHold, int inactivity, int unitLock)
{
    m_clockTimer->setInterval(clock);
    m_configHoldTimer->setInterval(configHold);
    m_inactivityTimer->setInterval(inactivity);
    m_unitLockMs = unitLock;
}

bool BaseScreen::isInactivityTimerActive() const
{
    return m_inactivityTimer->isActive();
}

int BaseScreen::inactivityInterval() const
{
    return m_inactivityTimer->interval();
}

int BaseScreen::configHoldInterval() const
{
    return m_configHoldTimer->interval();
}

int BaseScreen::clockInterval() const
{
    return m_clockTimer->interval();
}

// ---------------------------------------------------------------------------------------------------------
// Events

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
    if (m_keyboardScreen)
        m_keyboardScreen->resize(size());
    if (m_passwordWidget)
        m_passwordWidget->resize(size());
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
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (m_inactivityTimer->isActive())
            m_inactivityTimer->start();
        // The runtime pages' own press areas click like buttons.
        if (qobject_cast<QPushButton *>(watched) || watched->inherits("RuntimeWidget"))
            emit buzzerTouchBeep();
        break;
    case QEvent::Show:
    case QEvent::ZOrderChange:
        // An overlay shown or raised over the window goes beneath the dimming overlay again, whoever
        // showed it: the overlay darkens every picture and lets the touches through to it.
        if (watched != m_ui->brightness_widget && watched->parent() == m_ui->custom_layout
            && watched->isWidgetType() && static_cast<QWidget *>(watched)->isVisible())
            m_ui->brightness_widget->raise();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------------
// Title bar

void BaseScreen::repaintClockLabel()
{
    m_currentTime = m_clockSource ? m_clockSource() : QTime();
    m_clockSuffix.clear();
    const QString blank = QStringLiteral(" ");
    if (m_currentTime.isValid()) {
        if (m_colonPhase) {
            m_colonPhase = false;
            showClockText(m_currentTime.toString(QStringLiteral("HH")) + blank
                + m_currentTime.toString(QStringLiteral("mm")) + blank + m_clockSuffix);
        } else {
            m_colonPhase = true;
            showClockText(m_currentTime.toString(QStringLiteral("HH:mm")) + blank + m_clockSuffix);
        }
    } else if (m_colonPhase) {
        m_colonPhase = false;
        showClockText(QString());
    } else {
        m_colonPhase = true;
        showClockText(QStringLiteral("  :  "));
    }
}

void BaseScreen::showClockText(const QString &text)
{
    m_ui->clock_label->setText(text);
}

void BaseScreen::unitChanged(QString value)
{
    m_ui->unit_button->setText(value);
}

void BaseScreen::on_unit_button_released()
{
    m_unitButtonLocked = true;
    m_ui->unit_button->setEnabled(false);
    QTimer::singleShot(m_unitLockMs, this, &BaseScreen::enableUnitButton);
    auto *speedScale = qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("ScalesSpeed"), QStringLiteral("OptionsSetup")));
    if (speedScale)
        speedScale->next();
}

void BaseScreen::enableUnitButton()
{
    m_unitButtonLocked = false;
    m_ui->unit_button->setEnabled(true);
}

void BaseScreen::reloadUpAndDownArrowIcons(enum_ColorPalette color_enum)
{
    m_ui->arrow_up->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_up"), color_enum));
    m_ui->arrow_down->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_down"), color_enum));
}

void BaseScreen::showLeftTitle(const QString &text)
{
    FieldText::setText(m_ui->title_label_left, text);
}

bool BaseScreen::leftTitleFits(const QString &text) const
{
    return FieldText::fits(m_ui->title_label_left, text);
}

void BaseScreen::showTitleIfSetupVisible(const QString &text)
{
    if (m_ui->stacked_basescreen->currentWidget() == m_setupScreens)
        m_ui->title_label_right->setText(text);
}

void BaseScreen::showTitleIfRuntimeVisible(const QString &text)
{
    if (m_ui->stacked_basescreen->currentWidget() == m_runtimeScreens)
        m_ui->title_label_right->setText(text);
}

// ---------------------------------------------------------------------------------------------------------
// Navigation

QStackedWidget *BaseScreen::sideStack(QWidget *side, const char *name) const
{
    return side ? side->findChild<QStackedWidget *>(QLatin1String(name)) : nullptr;
}

void BaseScreen::on_config_button_pressed()
{
    m_configHoldTimer->start();
}

// The button's release and the hold timer's timeout: a release within the hold time goes one level up,
// the timeout (and a release after it) straight to the runtime side.
void BaseScreen::on_config_button_released()
{
    if (m_configHoldTimer->isActive()) {
        m_configHoldTimer->stop();
        navigateOneLevelUp();
    } else {
        goDirectlyToRuntimeScreen();
    }
}

void BaseScreen::navigateOneLevelUp()
{
    if (m_configRedirected) {
        emit configButtonClicked();
        return;
    }
    if (m_ui->stacked_basescreen->currentIndex() == 1) {
        m_ui->unit_button->hide();
        goToMainSetupScreen();
        return;
    }
    QStackedWidget *systems = sideStack(m_setupScreens, "stacked_systems");
    if (systems && systems->currentIndex() != 0) {
        if (m_innerMenuStack) {
            m_innerMenuStack->setCurrentIndex(0);
            m_innerMenuStack = nullptr;
        } else {
            goToMainSetupScreen();
        }
        return;
    }
    goToRuntimeScreen();
}

void BaseScreen::goToRuntimeScreen()
{
    m_ui->stacked_basescreen->setCurrentIndex(1);
    if (QStackedWidget *systems = sideStack(m_runtimeScreens, "stacked_systems"))
        systems->setCurrentIndex(startPageIndex().toInt());
    m_ui->config_button->setText(QStringLiteral("Config"));
    m_ui->transducer_button->show();
    m_ui->unit_button->show();
    FieldText::setText(m_ui->title_label_left, BuildConfiguration::instance()->productName());
}

void BaseScreen::goToSetupMenu(int index)
{
    m_ui->transducer_button->hide();
    m_ui->stacked_basescreen->setCurrentIndex(0);
    if (QStackedWidget *systems = sideStack(m_setupScreens, "stacked_systems"))
        systems->setCurrentIndex(0);
    if (QStackedWidget *menus = sideStack(m_setupScreens, "stacked_setup_menus"))
        menus->setCurrentIndex(index);
    m_ui->config_button->setText(QStringLiteral("Back"));
}

void BaseScreen::goToMainSetupScreen()
{
    goToSetupMenu(startPageIndex().toInt());
    const BuildConfiguration *build = BuildConfiguration::instance();
    QString title = QStringLiteral("TVR Setup");
    if (build->isMirLox1000 || build->isMirLox2000)
        title = QStringLiteral("MIRLOX Setup");
    else if (build->isKw2)
        title = QStringLiteral("KW2 Setup");
    m_ui->title_label_right->setText(title);
}

void BaseScreen::goDirectlyToRuntimeScreen()
{
    if (m_configRedirected)
        emit configButtonClicked();
    goToMainSetupScreen();
    goToRuntimeScreen();
}

void BaseScreen::goToDiagnosticSetupScreen()
{
    if (m_configRedirected)
        emit configButtonClicked();
    m_ui->unit_button->hide();
    // The setup side offers no diagnostics page of its own: the main setup menu stays shown.
    goToMainSetupScreen();
}

void BaseScreen::goToHigherLevelSetupScreen()
{
    if (!m_innerMenuStack)
        return;
    m_innerMenuStack->setCurrentIndex(0);
    m_innerMenuStack = nullptr;
}

void BaseScreen::slotEnteredInnerMenu(QStackedWidget *stack)
{
    m_innerMenuStack = stack;
}

void BaseScreen::navigateDirect(QString path)
{
    QWidget *child = m_ui->custom_layout->findChild<QWidget *>(path);
    if (!child)
        return;
    for (QWidget *parent = child->parentWidget(); parent; child = parent, parent = parent->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(parent)) {
            if (stack->indexOf(child) >= 0)
                stack->setCurrentWidget(child);
            if (stack == m_ui->stacked_basescreen)
                break;
        }
        if (parent->isWindow())
            break;
    }
}

// The setup side runs out of time; the runtime side never does.
void BaseScreen::on_stacked_basescreen_currentChanged(int index)
{
    if (index == 1)
        m_inactivityTimer->stop();
    else
        m_inactivityTimer->start();
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
        if (m_standbySlider.setValue)
            m_standbySlider.setValue(m_standbyBrightness);

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
    QWidget *holder = m_ui->standby_dimming_slider_holder;
    if (!m_standbyHoldTimer->isActive()) {
        // Held: the standby screen must not stay black while its brightness is chosen.
        if (m_standbyBrightness == 0) {
            storeBrightness(8, false);
            if (m_standbySlider.setValue)
                m_standbySlider.setValue(m_standbyBrightness);
        }
        // Only a slider that hides itself again is opened: an open slider makes taps not wake the system.
        if (m_standbySlider.show) {
            holder->show();
            holder->raise();
            m_standbySlider.show();
        }
        raiseBrightnessWidget();
        return;
    }
    // A tap while the slider is open adjusts the brightness; it does not wake the system.
    if (!holder->isHidden())
        return;
    m_standbyHoldTimer->stop();
    holder->hide();
    emit systemWakeUpSignal();
}

void BaseScreen::hideSliderHolder()
{
    m_ui->standby_dimming_slider_holder->hide();
}
