#include "ui/setup/ESSetupSetupScreen.h"

#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvStandbyHandlers.h"
#include "ui/CustomLayout.h"
#include "ui/setup/VesselGeometryWidget.h"
#include "ui/window/BaseScreen.h"

#include "ui_ESSetupSetupScreen.h"

ESSetupSetupScreen::ESSetupSetupScreen(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ESSetupSetupScreen)
{
    m_ui->setupUi(this);
    // The picture takes its settings object, so it is made here in the place the form keeps for it.
    QWidget *holder = m_ui->vesselGeometryHolder;
    m_vessel = new VesselGeometryWidget(
        ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup(), m_ui->page_a);
    m_vessel->setObjectName(QStringLiteral("vesselGeometryWidget"));
    m_vessel->setGeometry(holder->geometry());
    delete holder;
    m_ui->vesselGeometryHolder = nullptr;
    m_ui->stacked_es_st_setup->setCurrentIndex(0);
    on_stacked_es_st_setup_currentChanged(0);
}

ESSetupSetupScreen::~ESSetupSetupScreen()
{
    delete m_ui;
}

void ESSetupSetupScreen::on_stacked_es_st_setup_currentChanged(int index)
{
    QWidget *page = m_ui->stacked_es_st_setup->widget(index);
    emit signalRightTitleLabelText(page ? page->accessibleName() : QString());
}

// The dialog covers the whole window. It is made a sibling of the window's dimming overlay, so that the
// overlay, raised after it, lies above it: as a child of the window itself it would cover the overlay
// and a dimmed screen would show the dialog undimmed. That sibling is the window's scaling container,
// which takes the dialog into its scaling: the 800 x 480 form fits the window at any size.
void ESSetupSetupScreen::on_reset_btn_clicked()
{
    QWidget *top = window();
    QWidget *overlay = top->findChild<QWidget *>(QStringLiteral("brightness_widget"));
    QWidget *owner = overlay && overlay->parentWidget() ? overlay->parentWidget() : top;
    m_dialog = new SystemResetDialog(owner);
    if (auto *layout = qobject_cast<CustomLayout *>(owner))
        layout->adopt(m_dialog);
    else
        m_dialog->setGeometry(owner->rect());
    connect(m_dialog, &SystemResetDialog::optionClicked, this, &ESSetupSetupScreen::systemResetOptionClicked);
    m_dialog->show();
    if (auto *mainWindow = qobject_cast<BaseScreen *>(window()))
        mainWindow->raiseBrightnessWidget();
}

void ESSetupSetupScreen::requestRestore(const char *property)
{
    ESTQ55Setup *setup = ESDataClass::instance()->setup()->TQ55Setup();
    setup->setProperty(property, 1);
    setup->serializeSinglePropertyByName(QLatin1String(property));
}

void ESSetupSetupScreen::systemResetOptionClicked(SystemResetOption option)
{
    switch (option) {
    case SystemResetOption::Restart:
        if (auto *reboot = qobject_cast<HandlerPqrvReboot *>(
                NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("REBOOT"))))
            reboot->sendReboot(QStringLiteral("C"));
        break;
    case SystemResetOption::RestoreExceptIo:
        requestRestore("RestoreAllSetupsExceptIO");
        break;
    case SystemResetOption::RestoreAll:
        requestRestore("RestoreAllSetups");
        break;
    case SystemResetOption::Cancel:
        break;
    }
    if (m_dialog) {
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
}
