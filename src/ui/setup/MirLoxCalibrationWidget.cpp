#include "ui/setup/MirLoxCalibrationWidget.h"

#include "info/ESDataInfoClass.h"
#include "info/PropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/setup/UpDownWidget.h"

#include "ui_MirLoxCalibrationWidget.h"

namespace {

const QString antennaHeading = QStringLiteral("HeadingFromAntenna");
const QString vesselHeading = QStringLiteral("Heading");

QString headingText(const QString &name)
{
    const PropertyInfo *info = ESDataInfoClass::instance()->runtimePropertyInfo(name);
    return info ? info->text() : QString();
}

} // namespace

MirLoxCalibrationWidget::MirLoxCalibrationWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::MirLoxCalibrationWidget)
{
    m_ui->setupUi(this);
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    m_ui->angleOffsetWidget->setSource(registry->setupDataInfo()->getValuePropertyInfo(
        QStringLiteral("MirloxInstallationAngle"), QStringLiteral("OptionsSetup")));
    m_ui->angleOffsetWidget->setBorderColor(QColor(144, 255, 112));
    // The upper label keeps its form text until the first heading arrives.
    for (const QString &name : { antennaHeading, vesselHeading }) {
        if (PropertyInfo *info = registry->runtimePropertyInfo(name))
            connect(info, &PropertyInfo::valueChanged, this, &MirLoxCalibrationWidget::updateLabelValues);
    }
}

MirLoxCalibrationWidget::~MirLoxCalibrationWidget()
{
    delete m_ui;
}

UpDownWidget *MirLoxCalibrationWidget::angleWidget() const
{
    return m_ui->angleOffsetWidget;
}

void MirLoxCalibrationWidget::updateLabelValues()
{
    m_ui->upperLabel->setText(QStringLiteral("Antenna heading: ") + headingText(antennaHeading)
        + QStringLiteral("\nVessel heading: ") + headingText(vesselHeading));
}
