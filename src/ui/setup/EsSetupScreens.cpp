#include "ui/setup/EsSetupScreens.h"

#include "common/BuildConfiguration.h"
#include "data/ESCommunicationsSetup.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "ui/runtime/Radar.h"
#include "ui/setup/ESSetupSetupScreen.h"
#include "ui/setup/SimpleGenericSetup.h"
#include "ui/status/AuxStatesDisplayingWidget.h"
#include "ui/status/CommunicationInformationTable.h"
#include "ui/status/InformationWidget.h"
#include "ui_EsSetupScreens.h"

#include <QDebug>
#include <QPushButton>

namespace {

const int satellitePageIndex = 8;

} // namespace

EsSetupScreens::Sources EsSetupScreens::Sources::ofDataClass()
{
    ESDataClass *data = ESDataClass::instance();
    Sources sources;
    sources.descriptions = ESDataInfoClass::instance();
    sources.communications = data->setup()->CommunicationsSetup();
    sources.communicationInformation = data->communicationInformation();
    sources.satellites = data->satelliteInfo();
    sources.runtime = data->runtime();
    return sources;
}

EsSetupScreens::EsSetupScreens(QWidget *parent)
    : EsSetupScreens(Sources::ofDataClass(), parent)
{
}

EsSetupScreens::EsSetupScreens(const Sources &sources, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::EsSetupScreens)
    , m_sources(sources)
{
    ui->setupUi(this);

    // The widgets that take their stores through their constructors are made here rather than by the
    // form. The satellite page is itself page 8 of the stack.
    m_monitor = new CommunicationInformationTable(sources.communicationInformation, ui->page_es_comms_setup);
    m_monitor->setObjectName(QStringLiteral("ES_CommunicationInformationWifget"));
    m_monitor->setGeometry(20, 5, 400, 380);
    // The legend shows each status colour as the grid shows it: on the grid's background.
    const QList<QPair<QLabel *, int>> legend { { ui->valid_message_lbl, 0 },
        { ui->unrecognized_message_lbl, 1 }, { ui->message_with_error_lbl, 2 }, { ui->invalid_data_lbl, 3 } };
    for (const auto &entry : legend) {
        entry.first->setStyleSheet(QStringLiteral("color:%1; background-color:%2; padding-left:4px;")
                                       .arg(CommunicationInformationTable::statusColor(entry.second).name(),
                                           CommunicationInformationTable::gridBackground().name()));
    }
    auto *auxStates = new AuxStatesDisplayingWidget(ui->page_es_aux_setup, sources.communicationInformation);
    auxStates->setObjectName(QStringLiteral("AuxStatesIndicationWidget"));
    auxStates->setGeometry(20, 60, 300, 250);
    m_satellitePage = new Radar(sources.satellites, sources.runtime);
    m_satellitePage->setObjectName(QStringLiteral("page_es_diagnostics_setup"));
    ui->stacked_es_setup->insertWidget(satellitePageIndex, m_satellitePage);
    ui->stacked_es_setup->setCurrentIndex(satellitePageIndex);

    connect(ui->es_setup_setup, &ESSetupSetupScreen::signalRightTitleLabelText, this,
        &EsSetupScreens::signalRightTitleLabelText);

    fillStatusLists();
    connect(ui->ComNumber_btn, &QPushButton::clicked, this, &EsSetupScreens::showNextPortPage);
    ui->stackedCommunicationsWidget->setCurrentIndex(0);
    buildPortPages();
    m_portPagesBuilt = true;
    adaptToProduct();
}

EsSetupScreens::~EsSetupScreens()
{
    delete ui;
}

QStackedWidget *EsSetupScreens::getStackedEsSetup() const
{
    return ui->stacked_es_setup;
}

void EsSetupScreens::fillStatusLists()
{
    if (!m_sources.descriptions)
        return;
    SetupDataInfo *setup = m_sources.descriptions->setupDataInfo();
    ui->info_widget_alert->addInformation(setup, QStringLiteral("AlertSetup"),
        { "AlarmShallow", "AlertDeep", "AlertType", "EscalationTime", "AlarmShallowID", "AlertDeepID",
            "AlertSystemID", "AlarmPowerFailureID", "AlarmSFI" });
    ui->info_widget_jb_setup->addInformation(setup, QStringLiteral("TQ55Setup"),
        { "IP", "LocalSFI", "Group", "SystemName", "TQ55SerialNumber", "MacAddress", "SoftwareVersion" });

    // Only the display of a Windows build of the single-port products shows its own SFIs here.
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (build->isWindows && (build->isTvr100 || build->isMirLox1000))
        ui->info_widget_windowsscreen->addInformation(m_sources.descriptions->localSetupDataInfo(),
            QStringLiteral("DisplaySetup"), { "LocalSFI", "PairedSFI" });
}

void EsSetupScreens::buildPortPages()
{
    ESCommunicationsSetup *ports = m_sources.communications;
    if (!ports)
        return;
    const QStringList serialExclusions = { "InputEnabled", "GSA", "GSV" };
    struct PortPage
    {
        QObject *port;
        QStringList order;
        QStringList exclusions;
    };
    const PortPage pages[] = {
        { ports->NmeaPort1Setup(), {}, serialExclusions },
        { ports->NmeaPort2Setup(), { QStringLiteral("Baud") }, serialExclusions },
        { ports->NmeaPort3Setup(), { QStringLiteral("Baud") }, serialExclusions },
        { ports->UdpPortSetup(), {}, { QStringLiteral("InputEnabled"), QStringLiteral("Baud") } },
    };
    QStackedWidget *stack = ui->stackedCommunicationsWidget;
    for (const PortPage &page : pages) {
        if (!page.port)
            continue;
        auto *holder = new QWidget;
        stack->addWidget(holder);
        auto *setup = new SimpleGenericSetup(holder);
        setup->setObjectName(page.port->objectName() + QStringLiteral("_page"));
        setup->initialize(page.port, stack->size(), page.order, page.exclusions);
    }
}

void EsSetupScreens::adaptToProduct()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (build->isTvr100 || build->isMirLox1000) {
        // Their junction box's identity is shown, not set, here.
        const QList<QPushButton *> buttons = ui->grpBox_es_tq55_setup->findChildren<QPushButton *>();
        for (int i = 0; i < buttons.size(); ++i)
            buttons.at(i)->setObjectName(QStringLiteral("Unused_btn_jb_setup_") + QString::number(i));
        if (build->isWindows) {
            ui->WindowsLocalSfi_alternative_btn->setObjectName(
                QStringLiteral("ls_st_LocalSFI_DisplaySetup_btn"));
            ui->WindowsPairedSfi_alternative_btn->setObjectName(
                QStringLiteral("ls_st_PairedSFI_DisplaySetup_btn"));
        }
    }
    if (build->isMirLox2000) {
        QWidget *group = ui->grpBox_es_tq55_setup;
        group->resize(group->width(), group->height() - ui->jb_printer_lbl->height());
        ui->jb_printer_lbl->setEnabled(false);
        ui->jb_printer_lbl->hide();
        ui->es_st_Printer_TQ55Setup_btn->setObjectName(QStringLiteral("Unused_btn_jb_setup_Printer_btn"));
        ui->es_st_Printer_TQ55Setup_btn->setEnabled(false);
        ui->es_st_Printer_TQ55Setup_btn->hide();
        ui->shallow_limit_lbl->setText(QStringLiteral("High Speed Limit"));
        ui->deep_limit_lbl->setText(QStringLiteral("Low Speed Limit"));
    }
}

int EsSetupScreens::getNextComNumber(int page) const
{
    if (page >= 0 && page <= 3)
        return page;
    qDebug().noquote() << "Wrong port number: EsSetupScreens::getNextComNumber() !";
    return 0;
}

void EsSetupScreens::showNextPortPage()
{
    QStackedWidget *stack = ui->stackedCommunicationsWidget;
    if (stack->count() == 0)
        return;
    if (m_channelNames.isEmpty() && m_monitor)
        m_channelNames = m_monitor->channelNames();
    const int page = (stack->currentIndex() + 1) % stack->count();
    stack->setCurrentIndex(page);
    const int channel = getNextComNumber(page);
    ui->ComNumber_btn->setText(m_channelNames.value(channel));
    if (m_monitor)
        m_monitor->changeSourceChannel(channel);
}

void EsSetupScreens::changeRequested()
{
    emit requestChange();
}

void EsSetupScreens::showEvent(QShowEvent *event)
{
    if (!m_portPagesBuilt) {
        buildPortPages();
        m_portPagesBuilt = true;
    }
    QWidget::showEvent(event);
}
