#ifndef ALARMWIDGET_H
#define ALARMWIDGET_H

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <QTimer>
#include <QWidget>

class ES_Alerts;
class ESDiagnosticsSetup;
class QLabel;
class QPushButton;
class SerializableAlertInfo;

// The alarm panel over the screens of the main window. Compact: the state icons of the alarm group
// (priority "Alarm") and the warning group (priority "Alert") at the top of the screen, blinking at 500 ms
// while an alert needs attention; a touch opens the expanded panel with up to three rows (state icon,
// alert text, "Acknowledge"), scroll arrows, "Exit" and "?". An alert text is shown as plain text, cut to
// the room before its row's button. An acknowledgement writes the alert text as received to AckFromDisplay
// of the alert store and emits ackAlerts(); the system object sends it on.
class AlarmWidget : public QWidget
{
    Q_OBJECT
public:
    // Shows `alerts`; `diagnostics` (may be null: no test alarm, no simulation) decides the test-alarm and
    // simulation icons. `keepUnder` (not owned, may be null) is the dimming overlay: the panel stacks itself
    // directly under it whenever it is shown, so that the overlay stays on top.
    AlarmWidget(
        ES_Alerts *alerts, const ESDiagnosticsSetup *diagnostics, QWidget *parent, QWidget *keepUnder);

    // Full size := base size x the screen scale factors, compact size := 70 % of it.
    void updateScaledGeometry();
    // Lowest state of the alarm group and of the warning group (5 for an empty group).
    void updateAlarmCategory();
    void updateWarningCategory();
    void updateScrollButtons();
    void layoutChildren();
    void showCompact();
    void showExpanded();

    bool isCompact() const { return m_compact; }
    bool blinkPhase() const { return m_blinkPhase; }
    bool isBlinking() const { return m_blinking; }
    bool isSimulation() const { return m_simulation; }
    int lowestAlarmState() const { return m_lowestAlarmState; }
    int lowestWarningState() const { return m_lowestWarningState; }
    // Number of alerts that take a row (every alert in a state from 0 to 4, any priority), and the
    // position among them of the first one shown.
    int rowCount() const { return m_rowCount; }
    int scrollOffset() const { return m_scrollOffset; }
    QSize fullSize() const { return m_fullSize; }
    QSize compactSize() const { return m_compactSize; }

signals:
    void ackAlerts();
    void changeDisplayDimming(bool alarm_active);
    void navigateToDiagnosticSetup();

public slots:
    // Re-evaluates everything from the alert store.
    void setAlarm();
    void toggleIcon();
    void buttonClicked();
    void closeClicked();
    void ackClicked(int i);
    void upButtonClicked();
    void downButtonClicked();
    void commsToTQ55StateChanged(bool comms_ok);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintCompact(QPainter &painter);
    void paintExpanded(QPainter &painter);
    // Places, fills and shows the rows of the alerts from the scroll offset on; hides the others.
    void layoutRows();
    // The alerts that take a row, in list order.
    QList<int> rowAlerts() const;
    QSize iconButtonSize() const;
    void setOwnSize(const QSize &size);
    void stackAndShow();
    const QPixmap *rowIcon(const SerializableAlertInfo *alert) const;
    // What the blink changes: the blinking group icons of the compact panel, or the icons of the rows
    // that need attention in the expanded one.
    QRegion blinkingRegion() const;
    // Where the compact panel draws a group icon in the given slot, and the expanded panel a row's icon.
    QRectF compactIconRect(int slot, const QPixmap &pixmap) const;
    QRect expandedIconRect(int row) const;

    ES_Alerts *m_alerts;
    QPointer<const ESDiagnosticsSetup> m_diagnostics;
    QPointer<QWidget> m_keepUnder;
    QList<QPixmap> m_stateIcons;
    QList<QPixmap> m_warningStateIcons;
    QList<QLabel *> m_rowLabels;
    QList<QPushButton *> m_rowButtons;
    int m_alarmIcon = -1; // state whose icon the compact alarm group shows, -1 for none
    int m_warningIcon = -1;
    QPixmap m_testAlarmIcon;
    QPixmap m_simulationIcon;
    QPushButton *m_iconButton;
    QPushButton *m_exitButton;
    QPushButton *m_helpButton;
    QPushButton *m_upButton;
    QPushButton *m_downButton;
    QTimer m_blinkTimer;
    QString m_panelStyle;
    QSize m_fullSize { -1, -1 };
    QSize m_compactSize { -1, -1 };
    QSize m_iconAreaSize;
    QPoint m_iconOrigin { 15, 15 };
    double m_iconScale = 0.5;
    int m_scrollOffset = 0;
    int m_rowCount = 0;
    int m_visibleRows = 3;
    int m_lowestAlarmState = 5;
    int m_lowestWarningState = 5;
    bool m_attention = false;
    bool m_lastDimmingRequest = false;
    bool m_compact = true;
    bool m_blinkPhase = false;
    bool m_blinking = false;
    bool m_simulation = false;
    bool m_alarmIconBlinks = false;
    bool m_warningIconBlinks = false;
    bool m_commsOk = true;
    bool m_settingOwnSize = false;
    bool m_rescaling = false;
};

#endif // ALARMWIDGET_H
