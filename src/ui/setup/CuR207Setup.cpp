#include "ui/setup/CuR207Setup.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"

#include "ui_CuR207Setup.h"

#include <QAbstractButton>

namespace {

SetupPropertyInfo *alarmSfi()
{
    return ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("AlarmSFI"), QStringLiteral("AlertSetup"));
}

} // namespace

CuR207Setup::CuR207Setup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::CuR207Setup)
{
    m_ui->setupUi(this);
    const BuildConfiguration *build = BuildConfiguration::instance();
    // No calibration program on a desktop.
    if (build->isWindows)
        m_ui->ls_st_CalibrateTouchScreen_DisplaySetup_btn->setEnabled(false);
    if (!build->isTvr100 && !build->isMirLox1000)
        renameNetworkButtons();

    if (SetupPropertyInfo *info = alarmSfi())
        connect(info, &PropertyInfo::valueChanged, m_ui->AlarmSFI_alternative_btn, &QAbstractButton::setText);
    connect(m_ui->navigation_btn_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &CuR207Setup::navigationButtonClicked);
    connect(ESDataClass::instance()->setup()->OtherSettings(), &ESOtherSettings::NMEALoopTestChanged, this,
        &CuR207Setup::nmeaLoopTestChanged);
}

CuR207Setup::~CuR207Setup()
{
    delete m_ui;
}

QStackedWidget *CuR207Setup::getStackedWidget() const
{
    return m_ui->stackedWidget;
}

// The page then edits the display's own network identity instead of the junction box's.
void CuR207Setup::renameNetworkButtons()
{
    m_ui->es_st_Group_TQ55Setup_btn_2->setObjectName(QStringLiteral("ls_st_Group_DisplaySetup_btn"));
    m_ui->es_st_IP_TQ55Setup_btn_s2->setObjectName(QStringLiteral("ls_st_IP_DisplaySetup_btn"));
    m_ui->es_st_LocalSFI_TQ55Setup_btn_s2->setObjectName(QStringLiteral("ls_st_LocalSFI_DisplaySetup_btn"));
    m_ui->es_st_SystemName_TQ55Setup_btn_s2->setObjectName(
        QStringLiteral("ls_st_PairedSFI_DisplaySetup_btn"));
    m_ui->label_SystemName->setText(QStringLiteral("Paired SFI"));
}

void CuR207Setup::navigationButtonClicked(QAbstractButton *button)
{
    const QString name = button->objectName();
    if (name == QLatin1String("cu_setup_setup_btn"))
        m_ui->stackedWidget->setCurrentIndex(1);
    else if (name == QLatin1String("cu_remotedimming_setup_btn"))
        m_ui->stackedWidget->setCurrentIndex(2);
    else
        m_ui->stackedWidget->setCurrentIndex(3);
}

void CuR207Setup::navigateBackToNavigationPage()
{
    m_ui->stackedWidget->setCurrentIndex(0);
}

void CuR207Setup::on_stackedWidget_currentChanged(int index)
{
    QWidget *page = m_ui->stackedWidget->widget(index);
    emit signalRightTitleLabelText(page ? page->accessibleName() : QString());
}

void CuR207Setup::on_AlarmSFI_alternative_btn_clicked()
{
    SetupPropertyInfo *info = alarmSfi();
    if (QAbstractButton *button = info ? info->button() : nullptr)
        button->click();
}

// The loop test cannot be started again while it runs.
void CuR207Setup::nmeaLoopTestChanged(int value)
{
    m_ui->es_st_NMEALoopTest_OtherSettings_btn->setEnabled(value == 0);
}
