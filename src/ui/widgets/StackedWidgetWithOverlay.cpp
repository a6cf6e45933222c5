#include "ui/widgets/StackedWidgetWithOverlay.h"

StackedWidgetWithOverlay::StackedWidgetWithOverlay(QWidget *parent)
    : QStackedWidget(parent)
{
}

void StackedWidgetWithOverlay::takeOverlay()
{
    if (count() == 0)
        return;
    QWidget *last = widget(count() - 1);
    removeWidget(last);
    last->show();
    last->raise();
    last->resize(size());
    m_overlay = last;
    m_overlayTaken = true;
}

void StackedWidgetWithOverlay::setCurrentIndex(int index)
{
    QStackedWidget::setCurrentIndex(index);
    if (m_overlay)
        m_overlay->raise();
}

void StackedWidgetWithOverlay::showEvent(QShowEvent *event)
{
    // Pages that fill the stack and paint their own background leave nothing of it to paint, so the
    // first paint may never come: the overlay is taken when the stack is first shown as well.
    if (!m_overlayTaken)
        takeOverlay();
    QStackedWidget::showEvent(event);
}

void StackedWidgetWithOverlay::paintEvent(QPaintEvent *event)
{
    if (!m_overlayTaken)
        takeOverlay();
    QStackedWidget::paintEvent(event);
}

void StackedWidgetWithOverlay::resizeEvent(QResizeEvent *event)
{
    QStackedWidget::resizeEvent(event);
    if (m_overlay) {
        m_overlay->resize(size());
        m_overlay->raise();
    }
}
