#ifndef DRAWRADARSATELLITE_H
#define DRAWRADARSATELLITE_H

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

// The sky plot of the satellite page: a polar plot of the sky seen by the satellite antenna, the horizon
// (elevation 0) as the outer circle, the zenith in the centre, north up and east to the right, with rings
// every 15 degrees of elevation in three bands. Each satellite is a dot coloured by its signal-to-noise
// ratio (gray up to 25 dB-Hz, cyan up to 50, blue up to 75, green up to 100) with its number on it.
//
// It draws only what it is given: a flat list of five integers per satellite (number, elevation,
// azimuth, signal-to-noise ratio, a fifth value not used here).
class drawRadarSatellite : public QWidget
{
    Q_OBJECT
public:
    explicit drawRadarSatellite(QWidget *parent = nullptr);

    QList<int> radarInfo() const { return m_satellites; }

    // The dot box of a satellite centred on (x, y): 14 plot units square.
    QRectF satelliteRect(float x, float y) const;

    // The plot's geometry for the current size: centre (w2, h2) in whole pixels, the horizon circle's
    // diameter and the plot unit (a satellite at elevation e lies unit x (90 - e) from the centre).
    int halfWidth() const { return width() / 2; }
    int halfHeight() const { return height() / 2; }
    float horizonDiameter() const;
    float unit() const { return horizonDiameter() / 180; }

public slots:
    void setRadarInfo(const QList<int> &radar_List);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBackground();
    void drawSatellite(int number, float elevation, float azimuth, float ratio);

    QList<int> m_satellites;
    // The colour of the last dot drawn: a ratio above 100 keeps it.
    QColor m_dotColor;
};

#endif // DRAWRADARSATELLITE_H
