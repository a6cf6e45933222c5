#ifndef AUXSTATESDISPLAYINGWIDGET_H
#define AUXSTATESDISPLAYINGWIDGET_H

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class ESCommunicationInformation;
class QLabel;

namespace Ui {
class AuxStatesDisplayingWidget;
}

// The auxiliary outputs and input of the junction box as lamps on the setup side: one row per pin
// ("Aux Output 1", "Aux Output 2", "Aux Output 3 Relay", "Aux Input 4"), lit while the pin's bit of the
// received AuxStates word is set. A lamp is drawn to fit its row, whose height follows the window's
// scaling.
class AuxStatesDisplayingWidget : public QWidget
{
    Q_OBJECT
public:
    // `states` (not owned) is the received communication information; null means the one of the settings
    // tree.
    explicit AuxStatesDisplayingWidget(
        QWidget *parent = nullptr, ESCommunicationInformation *states = nullptr);
    ~AuxStatesDisplayingWidget() override;

public slots:
    // Bit 0: Aux Output 1, bit 1: Aux Output 2, bit 2: Aux Output 3 Relay, bit 3: Aux Input 4.
    void auxStatesReceived(int aux_states);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *lamp(int pin) const;
    // Shows the pin's lamp, lit or not, at 80 % of its row's height.
    void showLamp(int pin);

    Ui::AuxStatesDisplayingWidget *m_ui;
    QPixmap m_ledOff;
    QPixmap m_ledOn;
    // The form shows every lamp lit until the first word arrives.
    bool m_lit[4] = { true, true, true, true };
};

#endif // AUXSTATESDISPLAYINGWIDGET_H
