#ifndef COMPASSIMAGEWIDGET_H
#define COMPASSIMAGEWIDGET_H

#include "ui/runtime/CompassGeometry.h"

#include <QImage>
#include <QPen>
#include <QWidget>

#include <memory>

class ESRuntimeScreenSetup;
class QPainter;
class RuntimeDataInfo;
class RuntimeDisplayableData;
class RuntimePropertyWithAngleInfo;
class SetupDataInfo;
class ValuePropertyInfo;

namespace Ui {
class CompassImageWidget;
}

// The compass view of the heading page: the vessel seen from above inside a compass rose, an arrow for the
// speed over ground and one for the speed through the water, each pointing in its direction with its shaft
// filled in proportion to the speed against the maximum speed setting, two arrows for the water current
// beside the vessel, each direction as a number at the rim of the rose, and the heading in a box at the top.
//
// The button in the lower left corner switches between the two angle modes, the page setting "AngleCalc"
// (0 TRUE, 1 RELATIVE): in TRUE the rose turns with the heading and the directions read true (bow-relative
// plus the heading); in RELATIVE the rose stands bow up, the box reads 0.0° and the directions are
// relative to the bow. The button turns TRUE on only while the heading is valid. A heading that is not
// valid in TRUE mode is shown as not valid: the box reads "-/-", the rose stands bow up without north, and
// the true directions read "-/-" (their arrows still point relative to the bow), until a valid heading
// arrives; the mode itself is kept.
//
// The speed over ground is drawn whether valid or not (a value never received draws as 0); the speed
// through the water and the current are left out while they are not valid.
class CompassImageWidget : public QWidget
{
    Q_OBJECT

public:
    // The descriptions of the process-wide registry and page D's settings of the process-wide tree.
    explicit CompassImageWidget(QWidget *parent = nullptr);
    // "Heading", "SpeedGPS", "SpeedSTWLog" and "WaterCurrent" of the runtime descriptions, "MaxSpeed" of
    // "OptionsSetup" of the setup descriptions, and the page settings whose "AngleCalc" is the mode.
    CompassImageWidget(
        RuntimeDataInfo *runtime, SetupDataInfo *setup, ESRuntimeScreenSetup *pageSettings, QWidget *parent);
    ~CompassImageWidget() override;

    bool isTrueMode() const { return m_trueMode; }
    // The rose radius (half the rose picture's height) and the arrows for it.
    float radius() const { return m_geometry.R; }
    const CompassGeometry &drawing() const { return m_geometry; }
    QImage roseImage() const { return m_roseImage; }
    QImage vesselImage() const { return m_vesselImage; }

    // Loads the rose of the current mode and the vessel, scaled for a widget side (the rose gets 4/5 of it,
    // the vessel the rose's height / 1.6265); -1 keeps the side of the last load.
    void loadImages(int side);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_pushButton_clicked();
    void setAngleCalc(int true_calc);

private:
    enum Feed { Heading, SpeedOverGround, SpeedThroughWater, Current, FeedCount };

    void bindData(RuntimeDataInfo *runtime, SetupDataInfo *setup);
    bool isValid(Feed feed) const;
    double number(Feed feed) const;
    double angleNumber(Feed feed) const;
    double maximumSpeed() const;

    void drawSpeedArrow(QPainter &painter, double speed, double maximum, QColor color);
    void drawCurrentArrows(QPainter &painter, double angle, double heading, const QColor &color);
    void drawAngleLabel(QPainter &painter, double angle, double offset, const QColor &color, bool known);
    void drawValueBox(QPainter &painter, const QString &text, const QColor &color, double yOffset,
        double xOffset, bool fill, bool frame);

    std::unique_ptr<Ui::CompassImageWidget> ui;
    ESRuntimeScreenSetup *m_pageSettings;
    std::unique_ptr<RuntimeDisplayableData> m_feeds[FeedCount];
    RuntimePropertyWithAngleInfo *m_angled[FeedCount] = {};
    ValuePropertyInfo *m_maxSpeed = nullptr;
    QImage m_roseImage;
    // The bow-up rose, drawn in TRUE mode while the heading is not valid.
    QImage m_relativeRoseImage;
    QImage m_vesselImage;
    int m_side = 0;
    bool m_trueMode = false;
    QPen m_arrowPen;
    CompassGeometry m_geometry;
};

#endif // COMPASSIMAGEWIDGET_H
