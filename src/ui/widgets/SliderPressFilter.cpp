#include "ui/widgets/SliderPressFilter.h"

#include <QAbstractSlider>
#include <QMouseEvent>

#include <cmath>

SliderPressFilter::SliderPressFilter(QObject *parent)
    : QObject(parent)
{
}

void SliderPressFilter::setSlider(QAbstractSlider *slider)
{
    m_slider = slider;
    if (slider)
        slider->installEventFilter(this);
}

bool SliderPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    // The event type first: the slider sends events while it is being destroyed, when it is no longer a
    // slider and the guard may not be read as one.
    if (event->type() == QEvent::MouseButtonPress && m_slider && watched == m_slider)
        return jumpToPressedPosition(static_cast<QMouseEvent *>(event));
    return false;
}

bool SliderPressFilter::jumpToPressedPosition(const QMouseEvent *event)
{
    const int h = m_slider->height();
    const double range = double(m_slider->maximum()) - double(m_slider->minimum());
    // A slider of a single value, or one without height, has no position to jump to.
    if (range <= 0 || h <= 0)
        return false;
    const int handle = int(h * (m_slider->value() - m_slider->minimum()) / range);
    const int y = int(std::lround(event->localPos().y()));
    const int fromBottom = std::abs(y - h);
    if (std::abs(fromBottom - handle) <= handleReach)
        return false;
    m_slider->setValue(int(range * fromBottom / h + m_slider->minimum()));
    return true;
}
