#include "ui/setup/MirLoxCalibrationWidget.h"

#include "info/ESDataInfoClass.h"
#include "info/PropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/setup/UpDownWidget.h"
#include "ui/widgets/FieldText.h"

#include "ui_MirLoxCalibrationWidget.h"

namespace {

const QString antennaHeading = QStringLiteral("HeadingFromAntenna");
const QString vesselHeading = QStringLiteral("Heading");

// One line of the label: the caption and the heading's text, or "-/-" for a heading that may not be shown
// or whose line the label cannot show whole.
QString headingLine(const QLabel *label, const QString &caption, const QString &name)
{
    const auto *info
        = qobject_cast<const RuntimePropertyInfo *>(ESDataInfoClass::instance()->runtimePropertyInfo(name));
    if (!info)
        return caption;
    const QString text = info->text();
    return caption + info->shownText(text, FieldText::fits(label, caption + text));
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
    QLabel *label = m_ui->upperLabel;
    label->setText(headingLine(label, QStringLiteral("Antenna heading: "), antennaHeading) + QLatin1Char('\n')
        + headingLine(label, QStringLiteral("Vessel heading: "), vesselHeading));
}
