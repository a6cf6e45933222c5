#include "ui/setup/EsSetupScreens.h"

#include "data/ESDataClass.h"
#include "ui/CommunicationInformationTable.h"
#include "ui/setup/ESSetupSetupScreen.h"

#include "ui_EsSetupScreens.h"

EsSetupScreens::EsSetupScreens(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::EsSetupScreens)
{
    m_ui->setupUi(this);
    m_communicationTable = new CommunicationInformationTable(
        ESDataClass::instance()->communicationInformation(), m_ui->page_es_comms_setup);
    m_communicationTable->setObjectName(QStringLiteral("ES_CommunicationInformationWifget"));
    m_communicationTable->setGeometry(20, 5, 400, 380);
    connect(m_ui->es_setup_setup, &ESSetupSetupScreen::signalRightTitleLabelText, this,
        &EsSetupScreens::signalRightTitleLabelText);
}

EsSetupScreens::~EsSetupScreens()
{
    delete m_ui;
}

QStackedWidget *EsSetupScreens::getStackedEsSetup() const
{
    return m_ui->stacked_es_setup;
}
