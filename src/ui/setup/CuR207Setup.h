#ifndef CUR207SETUPPAGES_H
#define CUR207SETUPPAGES_H

#include <QWidget>

class QAbstractButton;
class QStackedWidget;

namespace Ui {
class CuR207Setup;
}

// The display unit's own setup pages: a navigation page with three buttons leading to the general
// display settings (with the touch-screen calibration), the remote dimming page (which holds the dimming
// presets) and the network identity page. Its setup buttons are bound by the setup menu after this
// widget is built; on the products whose display follows the junction box (TVR100, MIR_LOX1000) the
// network page edits the junction box's identity, on the others the display's own.
class CuR207Setup : public QWidget
{
    Q_OBJECT

public:
    explicit CuR207Setup(QWidget *parent = nullptr);
    ~CuR207Setup() override;

    QStackedWidget *getStackedWidget() const;

signals:
    void signalRightTitleLabelText(QString text);

public slots:
    void navigationButtonClicked(QAbstractButton *button);
    void navigateBackToNavigationPage();
    void on_stackedWidget_currentChanged(int index);
    // Edits the alarm SFI as from its own page: presses the button bound to it there.
    void on_AlarmSFI_alternative_btn_clicked();
    void nmeaLoopTestChanged(int value);

private:
    void renameNetworkButtons();

    Ui::CuR207Setup *m_ui;
};

#endif // CUR207SETUPPAGES_H
