#ifndef ESSETUPSETUPSCREEN_H
#define ESSETUPSETUPSCREEN_H

#include "ui/dialogs/SystemResetDialog.h"

#include <QPointer>
#include <QWidget>

class VesselGeometryWidget;

namespace Ui {
class ESSetupSetupScreen;
}

// The general system setup page: the vessel and installation options of "OptionsSetup" beside the vessel
// picture, and the Reset button, which offers a restart of the junction box or a restore of its setups
// and carries out the choice.
class ESSetupSetupScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ESSetupSetupScreen(QWidget *parent = nullptr);
    ~ESSetupSetupScreen() override;

    VesselGeometryWidget *vesselGeometryWidget() const { return m_vessel; }
    // The dialog opened by Reset and not yet answered, or null.
    SystemResetDialog *currentDialog() const { return m_dialog; }

signals:
    void signalRightTitleLabelText(QString text);

public slots:
    void on_stacked_es_st_setup_currentChanged(int index);
    void on_reset_btn_clicked();
    void systemResetOptionClicked(SystemResetOption option);

private:
    // Sets a restore request of the junction box and sends it, also when it was already set.
    void requestRestore(const char *property);

    Ui::ESSetupSetupScreen *m_ui;
    VesselGeometryWidget *m_vessel;
    QPointer<SystemResetDialog> m_dialog;
};

#endif // ESSETUPSETUPSCREEN_H
