#include "ui/ModelInterfaceContainer.h"

#include "info/ESDataInfoClass.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "ui/AbstractButtonInfo.h"
#include "ui/BottomBarsModelInterface.h"
#include "ui/CustomDialog.h"
#include "ui/KeyBoardScreen.h"
#include "ui/LongPressMenuScreen.h"
#include "ui/PasswordWidget.h"
#include "ui/RuntimeModelInterface.h"
#include "ui/RuntimeScreenButton.h"
#include "ui/SetupEnumInterface.h"
#include "ui/SetupLongPressScreen.h"
#include "ui/SetupValueInterface.h"

namespace {

// The local setting that chooses what the button shows, named by the third and fourth "_"-parts of
// its object name; null when the name has fewer parts or names none.
RuntimeEnumPropertyInfo *choiceOf(const RuntimeScreenButton *button)
{
    const QStringList parts = button->objectName().split(QLatin1Char('_'));
    if (parts.size() < 4)
        return nullptr;
    return qobject_cast<RuntimeEnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo(QStringLiteral("ls"), parts.at(2), parts.at(3)));
}

} // namespace

ModelInterfaceContainer *ModelInterfaceContainer::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static ModelInterfaceContainer *container = new ModelInterfaceContainer;
    return container;
}

ModelInterfaceContainer::ModelInterfaceContainer(QObject *parent)
    : QObject(parent)
    , m_enums(SetupEnumInterface::instance())
    , m_values(SetupValueInterface::instance())
    , m_runtime(RuntimeModelInterface::instance())
    , m_bottomBars(BottomBarsModelInterface::instance())
{
}

void ModelInterfaceContainer::setKeyboardScreen(KeyBoardScreen *screen)
{
    if (m_values)
        m_values->setKeyboardScreen(screen);
}

void ModelInterfaceContainer::setLoginWidget(PasswordWidget *widget)
{
    if (m_enums)
        m_enums->setLoginWidget(widget);
    if (m_values)
        m_values->setLoginWidget(widget);
}

void ModelInterfaceContainer::setMessageDialog(CustomDialog *dialog)
{
    const QList<AbstractModelInterface *> controllers = { m_enums, m_values, m_runtime, m_bottomBars };
    for (AbstractModelInterface *controller : controllers) {
        if (controller)
            controller->setMessageDialog(dialog);
    }
}

void ModelInterfaceContainer::setLongPressMenuScreen(LongPressMenuScreen *menu)
{
    if (m_runtime)
        m_runtime->setLongPressMenuScreen(menu);
}

void ModelInterfaceContainer::setSetupLongPressScreen(SetupLongPressScreen *screen)
{
    if (m_enums)
        m_enums->setLongPressScreen(screen);
}

void ModelInterfaceContainer::registerRuntimeButtons(const QList<RuntimeScreenButton *> &buttons)
{
    for (RuntimeScreenButton *button : buttons) {
        RuntimeEnumPropertyInfo *choice = choiceOf(button);
        if (choice && m_runtime)
            m_runtime->registerButtonInfo(new RuntimeButtonInfo(button, choice, nullptr));
    }
}

void ModelInterfaceContainer::registerBottomBarButtons(const QList<RuntimeScreenButton *> &buttons)
{
    for (RuntimeScreenButton *button : buttons) {
        RuntimeEnumPropertyInfo *choice = choiceOf(button);
        if (choice && m_bottomBars)
            m_bottomBars->registerButtonInfo(new BottomBarInfo(button, choice, nullptr));
    }
}

SetupEnumInterface *ModelInterfaceContainer::setupEnumInterface() const
{
    return m_enums;
}

SetupValueInterface *ModelInterfaceContainer::setupValueInterface() const
{
    return m_values;
}

RuntimeModelInterface *ModelInterfaceContainer::runtimeModelInterface() const
{
    return m_runtime;
}

BottomBarsModelInterface *ModelInterfaceContainer::bottomBarsModelInterface() const
{
    return m_bottomBars;
}
