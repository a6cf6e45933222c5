#ifndef MIRLOXCALIBRATIONWIDGET_H
#define MIRLOXCALIBRATIONWIDGET_H

#include <QWidget>

class UpDownWidget;

namespace Ui {
class MirLoxCalibrationWidget;
}

// The calibration page of the satellite speed log: the installation angle of the GPS antenna
// (OptionsSetup.MirloxInstallationAngle) set with the arrow buttons of an UpDownWidget, and above it the
// antenna heading and the vessel heading as received, so that the effect of the angle is seen at once.
class MirLoxCalibrationWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MirLoxCalibrationWidget(QWidget *parent = nullptr);
    ~MirLoxCalibrationWidget() override;

    UpDownWidget *angleWidget() const;

public slots:
    void updateLabelValues();

private:
    Ui::MirLoxCalibrationWidget *m_ui;
};

#endif // MIRLOXCALIBRATIONWIDGET_H
