#ifndef CUR207SETUPPAGES_H
#define CUR207SETUPPAGES_H

#include <QTimer>
#include <QWidget>

class CustomDialog;
class QAbstractButton;
class QStackedWidget;

namespace Ui {
class CuR207Setup;
}

// The display unit's own setup pages: a navigation page with three buttons leading to the general
// display settings (with the touch-screen calibration), the remote dimming page (which holds the dimming
// presets) and the network identity page. Its setup buttons are bound by the setup menu after this
// widget is built; on the products whose display follows the junction box (TVR100, MIR_LOX1000) the
// network page edits the junction box's identity, on the others the display's own. The general and the
// network page show that identity, the display's software and the states of its ports in status lists.
class CuR207Setup : public QWidget
{
    Q_OBJECT

public:
    explicit CuR207Setup(QWidget *parent = nullptr);
    ~CuR207Setup() override;

    QStackedWidget *getStackedWidget() const;
    // How long the calibration program may run (5 minutes by default; tests shorten it).
    void setCalibrationTimeLimit(int ms) { m_calibrationLimit.setInterval(ms); }

signals:
    void signalRightTitleLabelText(QString text);

public slots:
    void navigationButtonClicked(QAbstractButton *button);
    void navigateBackToNavigationPage();
    void on_stackedWidget_currentChanged(int index);
    // Edits the alarm SFI as from its own page: presses the button bound to it there.
    void on_AlarmSFI_alternative_btn_clicked();
    void nmeaLoopTestChanged(int value);
    // A calibration request of the display's settings (1): while these pages are shown on a panel with a
    // touch screen, the request is cleared and saved, the window hidden and the calibration program
    // started half a second later; when it ends the window returns and asks whether to reboot. A program
    // that cannot be started, fails, crashes or runs longer than the time limit (it is then stopped)
    // brings the window back with a log line and without the question.
    void CalibrateTouchScreen(int value);
    void startCalibration();
    void calibrationFinished();
    void rebootSystem();
    void destroyConnectionsToRebootDialog();

private:
    void fillStatusLists();
    void renameNetworkButtons();
    // The calibration is over without a result: the window comes back and the reason is logged.
    void calibrationFailed(const QString &reason);
    // The main window's shared question box, or null outside the window.
    CustomDialog *messageDialog() const;

    Ui::CuR207Setup *m_ui;
    // The main window's config button to the navigation page, while a display page is shown.
    QMetaObject::Connection m_backConnection;
    // Whether the calibration program runs.
    bool m_calibrating = false;
    QTimer m_calibrationLimit;
};

#endif // CUR207SETUPPAGES_H
