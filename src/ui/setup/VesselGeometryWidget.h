#ifndef VESSELGEOMETRYWIDGET_H
#define VESSELGEOMETRYWIDGET_H

#include <QImage>
#include <QString>
#include <QWidget>

class ESOptionsSetup;
class QLabel;

// The side view of the vessel on the general setup page: the picture chosen by VesselImage, the
// consistent common reference point (CCRP) and the GPS antenna marked by dashed lines down to the hull,
// and their distances as dimension lines. The vessel length sets the scale; the antenna is drawn at
// least 60 pixels from the CCRP so that the two marks stay apart. It follows the five settings and
// redraws whenever one changes while it is visible, and when it is shown.
class VesselGeometryWidget : public QWidget
{
    Q_OBJECT
public:
    static const int canvasWidth = 510;
    static const int canvasHeight = 384;

    // The settings object is not owned.
    explicit VesselGeometryWidget(ESOptionsSetup *setup, QWidget *parent = nullptr);

    bool isNotMirrored() const { return m_notMirrored; }
    void setNotMirrored(bool notMirrored) { m_notMirrored = notMirrored; }

    QString picturePath() const { return m_picturePath; }

public slots:
    void updateSetupInformation();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void redraw();

    ESOptionsSetup *m_setup;
    int m_vesselLength = 100;
    int m_ccrpToBow = 200;
    int m_ccrpToStern = -5;
    int m_ccrpToAntenna = 300;
    // Distance between dimension marks, and the half of it by which lines stop short of a mark.
    int m_step = 10;
    bool m_notMirrored = true;
    QString m_picturePath = QStringLiteral("://images/vessel_1.png");
    QImage m_canvas;
    QLabel *m_label;
};

#endif // VESSELGEOMETRYWIDGET_H
