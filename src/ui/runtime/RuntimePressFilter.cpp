#include "ui/runtime/RuntimePressFilter.h"

#include "ui/runtime/RuntimeScreens.h"
#include "ui/window/BaseScreen.h"

#include <QEvent>
#include <QTimer>

namespace {

// The brightness controls have holds of their own: repeating steps on the buttons, dragging the slider.
// Raising the backlight under them would undo a brightness the user is choosing.
bool isBrightnessControl(const QObject *object)
{
    const QString name = object->objectName();
    return name == QLatin1String("brightness_red_button") || name == QLatin1String("brightness_inc_button")
        || name == QLatin1String("brightness_slider");
}

} // namespace

RuntimePressFilter::RuntimePressFilter(RuntimeScreens *runtimeScreens)
    : QObject(runtimeScreens)
    , m_runtimeScreens(runtimeScreens)
    , m_holdTimer(new QTimer(this))
{
    m_holdTimer->setSingleShot(true);
    m_holdTimer->setInterval(holdMs);
    connect(m_holdTimer, &QTimer::timeout, this, &RuntimePressFilter::increaseBrightnessLevel);
}

void RuntimePressFilter::setHoldInterval(int ms)
{
    m_holdTimer->setInterval(ms);
}

int RuntimePressFilter::holdInterval() const
{
    return m_holdTimer->interval();
}

bool RuntimePressFilter::isHoldTimerActive() const
{
    return m_holdTimer->isActive();
}

void RuntimePressFilter::increaseBrightnessLevel()
{
    if (auto *window = qobject_cast<BaseScreen *>(m_runtimeScreens->window()))
        window->increaseBrightnessToAlarmLevel();
}

// A press that the pressed widget does not take travels on to its parents, which carry this filter too:
// the timers may restart more than once for one press, with the same result.
bool RuntimePressFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!isBrightnessControl(watched))
            m_holdTimer->start();
        if (watched->objectName() == QLatin1String("unit_button"))
            return false;
        if (m_runtimeScreens->isSideInfoShown()) {
            m_runtimeScreens->showSideInfoAndRestartTimer();
            return false;
        }
        m_runtimeScreens->showSideInfoAndRestartTimer();
        return true;
    case QEvent::MouseButtonRelease:
        m_holdTimer->stop();
        return false;
    default:
        return false;
    }
}
