#include "ui/controllers/ModelInterfaceContainer.h"

#include "info/ESDataInfoClass.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/BottomBarsModelInterface.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/dialogs/LongPressMenuScreen.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

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

void ModelInterfaceContainer::connectWindow(BaseScreen *window)
{
    setKeyboardScreen(window->keyboardScreen());
    setLoginWidget(window->passwordWidget());
    setMessageDialog(window->customDialog());
    setLongPressMenuScreen(qobject_cast<LongPressMenuScreen *>(window->longPressMenu()));
    setSetupLongPressScreen(qobject_cast<SetupLongPressScreen *>(window->setupLongPressScreen()));
    QList<RuntimeScreenButton *> valueButtons;
    const QList<RuntimeScreenButton *> buttons = window->findChildren<RuntimeScreenButton *>();
    for (RuntimeScreenButton *button : buttons) {
        if (button->objectName().contains(QLatin1String("es_rt_Information")))
            valueButtons.append(button);
    }
    registerRuntimeButtons(valueButtons);
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
