#include "ui/window/AlarmWidget.h"

#include "alerts/AlertWords.h"
#include "common/BuildConfiguration.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ES_Alerts.h"
#include "data/SerializationController.h"
#include "ui/CustomLayout.h"
#include "ui/SizeFollowingFont.h"
#include "ui/widgets/FieldText.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>

namespace {

const int stateNormal = static_cast<int>(AlertState::Normal);
const int priorityAlarm = static_cast<int>(AlertPriority::Alarm);
const int priorityAlert = static_cast<int>(AlertPriority::Alert);
const int blinkInterval = 500;

// States with an icon (every state but Normal); anything else received gets neither icon nor row.
bool hasIcon(int state)
{
    return state >= 0 && state < stateNormal;
}

bool isBlinkingState(int state)
{
    return state == static_cast<int>(AlertState::ActiveUnacknowledged)
        || state == static_cast<int>(AlertState::ActiveSilenced)
        || state == static_cast<int>(AlertState::RectifiedUnacknowledged);
}

bool needsAttention(int state)
{
    return state == static_cast<int>(AlertState::ActiveUnacknowledged)
        || state == static_cast<int>(AlertState::RectifiedUnacknowledged);
}

// Acknowledgeable: active-unacknowledged, active-silenced, rectified-unacknowledged.
bool canBeAcknowledged(int state)
{
    return state < static_cast<int>(AlertState::ActiveAcknowledged)
        || state == static_cast<int>(AlertState::RectifiedUnacknowledged);
}

const char *const panelStyle
    = "QPushButton{color: black; background-color:rgb(190, 190, 190); border: none;}QPushButton::!pressed{ "
      "border: none;}QPushButton::pressed{ background-color:rgb(135, 135, 135); border-top:1px solid black; "
      "border-left:1px solid black;}QPushButton::disabled{color: rgb(180, 180, 180); "
      "background-color:rgb(235, 235, 235);}";
const char *const rowLabelStyle = "color: white; background-color:transparent;";
const char *const iconButtonStyle
    = "QPushButton{color: white; background-color:transparent; border: none;} QPushButton::!pressed{ border: "
      "none;};";

} // namespace

AlarmWidget::AlarmWidget(
    ES_Alerts *alerts, const ESDiagnosticsSetup *diagnostics, QWidget *parent, QWidget *keepUnder)
    : QWidget(parent)
    , m_alerts(alerts)
    , m_diagnostics(diagnostics)
    , m_keepUnder(keepUnder)
    , m_blinkTimer(this)
{
    m_iconButton = new QPushButton(QString(), this);
    m_iconButton->setObjectName(QStringLiteral("alarmIconButton"));
    m_exitButton = new QPushButton(QStringLiteral("Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("alarmExitButton"));
    m_helpButton = new QPushButton(QStringLiteral("?"), this);
    m_helpButton->setObjectName(QStringLiteral("alarmHelpButton"));
    m_upButton = new QPushButton(this);
    m_upButton->setObjectName(QStringLiteral("alarmUpButton"));
    m_upButton->setIcon(QIcon(QStringLiteral("://Resources/arrow_up.png")));
    m_upButton->setIconSize(QSize(20, 20));
    m_downButton = new QPushButton(this);
    m_downButton->setObjectName(QStringLiteral("alarmDownButton"));
    m_downButton->setIcon(QIcon(QStringLiteral("://Resources/arrow_down.png")));
    m_downButton->setIconSize(QSize(20, 20));
    m_panelStyle = QString::fromLatin1(panelStyle);
    m_upButton->setStyleSheet(m_panelStyle);
    m_downButton->setStyleSheet(m_panelStyle);
    m_iconAreaSize = QSize(int(width() * 0.7), int(height() * 0.7));

    m_blinkTimer.setSingleShot(false);
    m_blinkTimer.setInterval(blinkInterval);

    m_testAlarmIcon = QPixmap(QStringLiteral("://Resources/SimulatorIcon.png"));
    m_simulationIcon = QPixmap(QStringLiteral("://Resources/SimulatorIcon.png"));
    const char *const stateIcons[] = { "ActiveUnacknowledged", "ActiveSilenced", "ActiveAcknowedged",
        "ActiveResponsibilityTransfered", "RectifiedUnacknowledged" };
    const char *const warningStateIcons[] = { "W_ActiveUnacknowledged", "W_ActiveSilenced",
        "W_ActiveAcknowedged", "W_ActiveResponsibilityTransfered", "W_RectifiedUnacknowledged" };
    for (const char *name : stateIcons)
        m_stateIcons.append(QPixmap(QStringLiteral("://Resources/%1.png").arg(QLatin1String(name))));
    for (const char *name : warningStateIcons)
        m_warningStateIcons.append(QPixmap(QStringLiteral("://Resources/%1.png").arg(QLatin1String(name))));

    const QList<SerializableAlertInfo *> list = m_alerts->alerts();
    for (int i = 0; i < list.size(); ++i) {
        QLabel *label = new QLabel(this);
        label->setObjectName(QStringLiteral("alarmRowLabel%1").arg(i));
        label->setStyleSheet(QString::fromLatin1(rowLabelStyle));
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->hide();
        m_rowLabels.append(label);
        QPushButton *button = new QPushButton(QStringLiteral("Acknowledge"), this);
        button->setObjectName(QStringLiteral("alarmAckButton%1").arg(i));
        button->setStyleSheet(m_panelStyle);
        button->hide();
        m_rowButtons.append(button);
    }

    connect(m_iconButton, &QPushButton::clicked, this, &AlarmWidget::buttonClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &AlarmWidget::closeClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &AlarmWidget::navigateToDiagnosticSetup);
    connect(&m_blinkTimer, &QTimer::timeout, this, &AlarmWidget::toggleIcon);
    connect(m_upButton, &QPushButton::clicked, this, &AlarmWidget::upButtonClicked);
    connect(m_downButton, &QPushButton::clicked, this, &AlarmWidget::downButtonClicked);
    for (int i = 0; i < m_rowButtons.size(); ++i)
        connect(m_rowButtons.at(i), &QPushButton::clicked, this, [this, i]() { ackClicked(i); });
    connect(m_alerts, &ES_Alerts::dataReceivedFromCommunication, this, &AlarmWidget::setAlarm);
    connect(SerializationController::instance(), &SerializationController::commsToTQ55StateChanged, this,
        &AlarmWidget::commsToTQ55StateChanged);

    // The panel sizes itself from its base size and the scale factors, and places its buttons and rows
    // and sets their fonts from its own size; the window's scaling container leaves all of it alone.
    CustomLayout::excludeFromScaling(this);
}

void AlarmWidget::updateScaledGeometry()
{
    m_fullSize = QSize(int(baseSize().width() * screenScaleX()), int(baseSize().height() * screenScaleY()));
    m_compactSize = QSize(int(m_fullSize.width() * 0.7), int(m_fullSize.height() * 0.7));
    m_iconAreaSize = m_compactSize;
}

void AlarmWidget::updateAlarmCategory()
{
    m_lowestAlarmState = stateNormal;
    for (const SerializableAlertInfo *alert : m_alerts->alerts()) {
        if (alert->AlertPriority() == priorityAlarm && hasIcon(alert->AlertState()))
            m_lowestAlarmState = qMin(m_lowestAlarmState, alert->AlertState());
    }
}

void AlarmWidget::updateWarningCategory()
{
    m_lowestWarningState = stateNormal;
    for (const SerializableAlertInfo *alert : m_alerts->alerts()) {
        if (alert->AlertPriority() == priorityAlert && hasIcon(alert->AlertState()))
            m_lowestWarningState = qMin(m_lowestWarningState, alert->AlertState());
    }
}

void AlarmWidget::updateScrollButtons()
{
    if (m_rowCount > m_visibleRows) {
        m_upButton->setEnabled(m_scrollOffset > 0);
        m_downButton->setEnabled(m_visibleRows < m_rowCount - m_scrollOffset);
    } else {
        m_upButton->setEnabled(false);
        m_downButton->setEnabled(false);
    }
}

QList<int> AlarmWidget::rowAlerts() const
{
    QList<int> rows;
    const QList<SerializableAlertInfo *> list = m_alerts->alerts();
    for (int i = 0; i < list.size(); ++i) {
        if (hasIcon(list.at(i)->AlertState()))
            rows.append(i);
    }
    return rows;
}

void AlarmWidget::setAlarm()
{
    updateAlarmCategory();
    updateWarningCategory();
    const int lowestAlarm = m_lowestAlarmState;
    const int lowestWarning = m_lowestWarningState;
    bool attention = false;
    for (const SerializableAlertInfo *alert : m_alerts->alerts()) {
        const int priority = alert->AlertPriority();
        if ((priority == priorityAlarm || priority == priorityAlert) && needsAttention(alert->AlertState()))
            attention = true;
    }
    m_attention = attention;
    if (m_attention != m_lastDimmingRequest) {
        m_lastDimmingRequest = m_attention;
        emit changeDisplayDimming(m_attention);
    }

    if (BuildConfiguration::instance()->isMirLox1000 || BuildConfiguration::instance()->isMirLox2000) {
        m_simulation = false;
    } else {
        const ESDiagnosticsSetup *setup = m_diagnostics;
        m_simulation = setup && setup->SimulateDepth() != 0 && setup->Source() == 0;
    }

    if (lowestAlarm == stateNormal && lowestWarning == stateNormal) {
        m_alarmIcon = -1;
        m_warningIcon = -1;
        m_blinkPhase = false;
        if (m_blinkTimer.isActive()) {
            m_blinkTimer.stop();
            m_blinking = false;
        }
        layoutChildren();
        showCompact();
        if (m_simulation) {
            stackAndShow();
        } else {
            lower();
            hide();
        }
    } else {
        m_alarmIconBlinks = false;
        m_warningIconBlinks = false;
        m_alarmIcon = lowestAlarm < stateNormal ? lowestAlarm : -1;
        m_warningIcon = lowestWarning < stateNormal ? lowestWarning : -1;
        if (isBlinkingState(lowestAlarm) || isBlinkingState(lowestWarning) || m_attention) {
            if (!m_blinkTimer.isActive()) {
                m_blinkPhase = true;
                m_blinking = true;
                m_blinkTimer.start(blinkInterval);
            }
            m_alarmIconBlinks = isBlinkingState(lowestAlarm);
            m_warningIconBlinks = isBlinkingState(lowestWarning);
        } else {
            m_blinkTimer.stop();
            m_blinking = false;
            m_blinkPhase = true;
        }
        stackAndShow();
    }

    // The offset is a position among the alerts that take a row, so that scrolling reaches every one of
    // them; it is kept within the rows there are now.
    m_rowCount = rowAlerts().size();
    const int maxOffset = qMax(0, m_rowCount - m_visibleRows);
    if (m_scrollOffset > maxOffset) {
        m_scrollOffset = maxOffset;
        update();
    }
    layoutChildren();
}

void AlarmWidget::stackAndShow()
{
    if (m_keepUnder && m_keepUnder->parentWidget() == parentWidget())
        stackUnder(m_keepUnder);
    show();
    update();
}

QSize AlarmWidget::iconButtonSize() const
{
    const int groups = (m_alarmIcon >= 0 && m_warningIcon >= 0) ? 2 : 1;
    return QSize(
        int(m_iconScale * 0.5 * groups * m_iconAreaSize.width()), int(m_iconScale * m_iconAreaSize.height()));
}

void AlarmWidget::layoutChildren()
{
    const int w = width();
    const int h = height();
    QFont font = m_exitButton->font();
    font.setPointSizeF(qMax(1.0, 13 * screenScale()));
    m_exitButton->setFont(font);
    m_helpButton->setFont(font);
    m_exitButton->setGeometry(int(0.03 * w), int(0.78 * h), int(0.28 * w), h / 6);
    m_helpButton->setGeometry(int(0.8 * w), int(0.78 * h), int(0.15 * w), h / 6);

    const QSize buttonSize = iconButtonSize();
    if (m_compact) {
        m_iconButton->setGeometry(QRect(m_iconOrigin, buttonSize));
        return;
    }
    m_iconButton->setGeometry(QRect(QPoint(int(0.25 * m_iconAreaSize.width()), 0), buttonSize));
    m_upButton->setGeometry(int(0.34 * w), int(0.78 * h), int(0.15 * w), h / 6);
    m_downButton->setGeometry(int(0.52 * w), int(0.78 * h), int(0.15 * w), h / 6);
    updateScrollButtons();
    layoutRows();
}

void AlarmWidget::layoutRows()
{
    const QList<SerializableAlertInfo *> list = m_alerts->alerts();
    if (m_compact) {
        for (int i = 0; i < m_rowLabels.size(); ++i) {
            m_rowLabels.at(i)->hide();
            m_rowButtons.at(i)->hide();
        }
        return;
    }
    const int w = width();
    const int h = height();
    QFont font = m_rowLabels.isEmpty() ? this->font() : m_rowLabels.first()->font();
    font.setPointSizeF(qMax(1.0, 12 * screenScale()));

    const QList<int> rows = rowAlerts();
    QList<int> shown;
    for (int k = 0; k < m_visibleRows && m_scrollOffset + k < rows.size(); ++k)
        shown.append(rows.at(m_scrollOffset + k));
    for (int i = 0; i < list.size() && i < m_rowLabels.size(); ++i) {
        QLabel *label = m_rowLabels.at(i);
        QPushButton *button = m_rowButtons.at(i);
        const int k = shown.indexOf(i);
        if (k < 0) {
            label->hide();
            button->hide();
            continue;
        }
        const SerializableAlertInfo *alert = list.at(i);
        label->setFont(font);
        // The alert text's field ends where the row's button begins: a longer text is cut there.
        const int x = int(0.19666667 * w);
        label->setGeometry(
            x, int(h * ((k + 1) * 0.07 + k / 6.0)), int(0.66 * w) - x, label->fontMetrics().height());
        FieldText::setText(label, alert->AlertText());
        label->show();
        button->setGeometry(int(0.67 * w), label->y(), int(0.31 * w), h / 6);
        // "Acknowledge" is a little wider than the button's room at the row font: a smaller font shows it
        // whole.
        button->setFont(SizeFollowingFont::fittedToWidth(font, button->text(), FieldText::room(button)));
        button->setEnabled(canBeAcknowledged(alert->AlertState()));
        button->setVisible(m_commsOk);
    }
}

// A plain size, not a fixed one: a fixed size would also refuse the main window's resize, and with it the
// rescaling to a new window size.
void AlarmWidget::setOwnSize(const QSize &size)
{
    if (!size.isValid())
        return;
    m_settingOwnSize = true;
    resize(size);
    m_settingOwnSize = false;
}

void AlarmWidget::showCompact()
{
    for (int i = 0; i < m_rowLabels.size(); ++i) {
        m_rowLabels.at(i)->hide();
        m_rowButtons.at(i)->hide();
    }
    m_compact = true;
    m_iconButton->setGeometry(QRect(m_iconOrigin, iconButtonSize()));
    m_iconButton->show();
    m_exitButton->hide();
    m_helpButton->hide();
    m_upButton->hide();
    m_downButton->hide();
    setOwnSize(m_compactSize);
}

void AlarmWidget::showExpanded()
{
    m_scrollOffset = 0;
    m_iconButton->hide();
    m_exitButton->setStyleSheet(m_panelStyle);
    m_helpButton->setStyleSheet(m_panelStyle);
    m_exitButton->show();
    m_helpButton->show();
    m_upButton->show();
    m_downButton->show();
    updateScrollButtons();
    m_compact = false;
    update();
    setOwnSize(m_fullSize);
    layoutRows();
}

// Only the icons that blink are repainted: the panel is not opaque, so a whole-panel update would also
// repaint the title bar and the runtime page under it twice a second.
void AlarmWidget::toggleIcon()
{
    m_blinkPhase = !m_blinkPhase;
    update(blinkingRegion());
}

QRegion AlarmWidget::blinkingRegion() const
{
    QRegion region;
    if (m_compact) {
        int slot = 0;
        if (m_alarmIcon >= 0) {
            if (m_alarmIconBlinks)
                region += compactIconRect(slot, m_stateIcons.at(m_alarmIcon)).toAlignedRect();
            ++slot;
        }
        if (m_warningIcon >= 0 && m_warningIconBlinks)
            region += compactIconRect(slot, m_warningStateIcons.at(m_warningIcon)).toAlignedRect();
        return region;
    }
    const QList<SerializableAlertInfo *> list = m_alerts->alerts();
    const QList<int> rows = rowAlerts();
    for (int k = 0; k < m_visibleRows && m_scrollOffset + k < rows.size(); ++k) {
        if (needsAttention(list.at(rows.at(m_scrollOffset + k))->AlertState()))
            region += expandedIconRect(k);
    }
    return region;
}

QRectF AlarmWidget::compactIconRect(int slot, const QPixmap &pixmap) const
{
    const double slotWidth = m_stateIcons.first().width() * m_iconScale;
    return QRectF(m_iconOrigin.x() + slot * slotWidth, m_iconOrigin.y(), pixmap.width() * m_iconScale,
        pixmap.height() * m_iconScale);
}

QRect AlarmWidget::expandedIconRect(int row) const
{
    const int w = width();
    const int h = height();
    return QRect(int(0.05 * w), int(h * ((row + 1) * 0.05 + row / 6.0)), w / 6, h / 6);
}

void AlarmWidget::buttonClicked()
{
    if (!m_blinkPhase && !m_blinking)
        return;
    layoutChildren();
    showExpanded();
}

void AlarmWidget::closeClicked()
{
    layoutChildren();
    showCompact();
}

void AlarmWidget::ackClicked(int i)
{
    if (i < 0 || i >= m_rowLabels.size())
        return;
    // The text as received, not as cut to the row: the junction box knows the alert by it.
    m_alerts->setAckFromDisplay(FieldText::text(m_rowLabels.at(i)));
    emit ackAlerts();
    update();
}

void AlarmWidget::upButtonClicked()
{
    m_scrollOffset = qMax(m_scrollOffset - 1, 0);
    updateScrollButtons();
    layoutRows();
    update();
}

void AlarmWidget::downButtonClicked()
{
    if (m_scrollOffset + 1 <= m_rowCount - m_visibleRows)
        ++m_scrollOffset;
    updateScrollButtons();
    layoutRows();
    update();
}

void AlarmWidget::commsToTQ55StateChanged(bool comms_ok)
{
    m_commsOk = comms_ok;
    if (comms_ok)
        m_alerts->rectifyJbCommsFailAlert();
    else
        m_alerts->raiseJbCommsFailAlert();
    setAlarm();
}

void AlarmWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_compact) {
        m_iconButton->setStyleSheet(QString::fromLatin1(iconButtonStyle));
        m_iconButton->setGeometry(QRect(m_iconOrigin, iconButtonSize()));
        showCompact();
    } else {
        layoutChildren();
        showExpanded();
    }
}

void AlarmWidget::resizeEvent(QResizeEvent *event)
{
    if (m_settingOwnSize || m_rescaling) {
        QWidget::resizeEvent(event);
        layoutChildren();
        return;
    }
    m_rescaling = true;
    updateScaledGeometry();
    if (m_compact)
        setOwnSize(m_compactSize);
    else
        setOwnSize(m_fullSize);
    m_rescaling = false;
    // The fonts follow the scale factors even when the size came out as it was.
    layoutChildren();
}

const QPixmap *AlarmWidget::rowIcon(const SerializableAlertInfo *alert) const
{
    const int state = alert->AlertState();
    if (!hasIcon(state))
        return nullptr;
    return alert->AlertPriority() == priorityAlert ? &m_warningStateIcons.at(state) : &m_stateIcons.at(state);
}

void AlarmWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_compact)
        paintCompact(painter);
    else
        paintExpanded(painter);
}

void AlarmWidget::paintCompact(QPainter &painter)
{
    if (m_alarmIcon < 0 && m_warningIcon < 0 && !m_simulation)
        return;
    int n = 0;
    auto draw = [&](const QPixmap &pixmap) {
        painter.drawPixmap(compactIconRect(n, pixmap), pixmap, QRectF(pixmap.rect()));
    };
    if (m_alarmIcon >= 0) {
        if (!m_alarmIconBlinks || m_blinkPhase)
            draw(m_stateIcons.at(m_alarmIcon));
        ++n;
    }
    if (m_warningIcon >= 0) {
        if (!m_warningIconBlinks || m_blinkPhase)
            draw(m_warningStateIcons.at(m_warningIcon));
        ++n;
    }
    const ESDiagnosticsSetup *setup = m_diagnostics;
    if (setup && setup->TestAlarm() == 1 && n != 2) {
        draw(m_testAlarmIcon);
        ++n;
    }
    if (n <= 1 && m_simulation)
        draw(m_simulationIcon);
}

void AlarmWidget::paintExpanded(QPainter &painter)
{
    const int w = width();
    const int h = height();
    painter.fillRect(QRect(0, 0, w - 1, h - 1), QColor(84, 84, 84));

    const QList<SerializableAlertInfo *> list = m_alerts->alerts();
    const QList<int> rows = rowAlerts();
    for (int k = 0; k < m_visibleRows && m_scrollOffset + k < rows.size(); ++k) {
        const SerializableAlertInfo *alert = list.at(rows.at(m_scrollOffset + k));
        const QPixmap *icon = rowIcon(alert);
        if (!icon)
            continue;
        if (needsAttention(alert->AlertState()) && !m_blinkPhase)
            continue;
        const QRect room = expandedIconRect(k);
        const QPixmap scaled = icon->scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(room.topLeft(), scaled);
    }

    QPen pen(QColor(40, 40, 40), 8, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(pen);
    const QPoint corners[] = { QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1) };
    for (int i = 0; i < 4; ++i)
        painter.drawLine(corners[i], corners[(i + 1) % 4]);
}
