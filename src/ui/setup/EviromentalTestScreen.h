#ifndef EVIROMENTALTESTSCREEN_H
#define EVIROMENTALTESTSCREEN_H

#include <QWidget>

namespace Ui {
class EviromentalTestScreen;
}

// The page of the settings used in environmental testing ("TestScreenSetup" of the setup shared with the
// junction box): two depth limits, the LED depth indication, loading the test settings and mirroring each
// NMEA input to the output. Its buttons carry the setup-button names, so the setup menu's binding pass
// gives them their texts and presses; until then they read "-". Products with one NMEA port (TVR100,
// MIR_LOX1000) cannot mirror the second and third ports: those buttons are disabled.
class EviromentalTestScreen : public QWidget
{
    Q_OBJECT
public:
    explicit EviromentalTestScreen(QWidget *parent = nullptr);
    ~EviromentalTestScreen() override;

private:
    Ui::EviromentalTestScreen *ui;
};

#endif // EVIROMENTALTESTSCREEN_H
