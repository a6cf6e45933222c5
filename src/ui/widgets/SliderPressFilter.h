#ifndef SLIDERPRESSFILTER_H
#define SLIDERPRESSFILTER_H

#include <QAbstractSlider>
#include <QObject>
#include <QPointer>

class QMouseEvent;

// Lets a vertical slider (minimum at the bottom) jump to a touched position: a press more than 49 pixels
// away from the handle sets the value of that position and is consumed; a press near the handle is left
// to the slider, which drags the handle as usual.
class SliderPressFilter : public QObject
{
    Q_OBJECT
public:
    static const int handleReach = 49;

    explicit SliderPressFilter(QObject *parent = nullptr);

    // Stores the slider and installs the filter on it.
    void setSlider(QAbstractSlider *slider);
    QAbstractSlider *slider() const { return m_slider; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool jumpToPressedPosition(const QMouseEvent *event);

    QPointer<QAbstractSlider> m_slider;
};

#endif // SLIDERPRESSFILTER_H
