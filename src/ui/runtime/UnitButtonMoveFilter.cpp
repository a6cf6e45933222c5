#include "ui/runtime/UnitButtonMoveFilter.h"

#include "ui/CustomLayout.h"
#include "ui/RuntimeScreenScale.h"
#include "ui/runtime/RuntimeScreens.h"

#include <QEvent>
#include <QWidget>

UnitButtonMoveFilter::UnitButtonMoveFilter(QWidget *button, int offset, QObject *parent)
    : QObject(parent)
    , m_button(button)
    , m_screens(button ? qobject_cast<RuntimeScreens *>(button->parentWidget()) : nullptr)
    , m_offset(offset)
    , m_designPosition(button ? button->pos() : QPoint())
{
}

bool UnitButtonMoveFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Move || !m_button || watched != m_button)
        return QObject::eventFilter(watched, event);
    const double sx = screenScaleX() * runtimeScreenScaleX();
    const double sy = screenScaleY() * runtimeScreenScaleY();
    const bool sideInfoShown = !m_screens || m_screens->isSideInfoShown();
    const int x = m_designPosition.x() + (sideInfoShown ? 0 : m_offset);
    // Moving the button sends one more move event, which finds it in place and moves nothing.
    m_button->move(int(sx * x), int(sy * m_designPosition.y()));
    return true;
}
