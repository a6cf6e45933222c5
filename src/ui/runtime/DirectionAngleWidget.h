#ifndef DIRECTIONANGLEWIDGET_H
#define DIRECTIONANGLEWIDGET_H

#include <QColor>
#include <QString>
#include <QWidget>

namespace Ui {
class DirectionAngleWidget;
}

// The small direction drawing at the side of a runtime value line: for a resultant speed ("RES") a grey
// vessel with a dashed course line turned by the speed's angle, for a longitudinal ("LONG") or
// transverse ("TRA") component a block arrow turned by the angle that stands on the baseline of the
// line's text; nothing for any other speed class. Angles are degrees clockwise from straight up.
class DirectionAngleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DirectionAngleWidget(QWidget *parent = nullptr);
    ~DirectionAngleWidget() override;

    // Stores the drawing and schedules a repaint; `descent` is the text font's descent in pixels, kept
    // as a share of this widget's current height.
    void setDirectionData(double angle, const QColor &color, const QString &speedClass, int descent);

    double angle() const { return m_angle; }
    QColor color() const { return m_color; }
    QString speedClass() const { return m_speedClass; }
    float descentRatio() const { return m_descentRatio; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawVessel(QPainter &painter, double w, double h) const;
    void drawBlockArrow(QPainter &painter, double w, double h) const;

    double m_angle = 0;
    float m_descentRatio = 0;
    QString m_speedClass = QStringLiteral("NONE");
    QColor m_color = QColor(144, 255, 112);
    Ui::DirectionAngleWidget *m_ui;
};

#endif // DIRECTIONANGLEWIDGET_H
