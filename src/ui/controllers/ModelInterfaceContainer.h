#ifndef MODELINTERFACECONTAINER_H
#define MODELINTERFACECONTAINER_H

#include "common/ScopedInstanceOverride.h"

#include <QList>
#include <QObject>
#include <QPointer>

class BaseScreen;
class BottomBarsModelInterface;
class CustomDialog;
class KeyBoardScreen;
class LongPressMenuScreen;
class PasswordWidget;
class RuntimeModelInterface;
class RuntimeScreenButton;
class SetupEnumInterface;
class SetupLongPressScreen;
class SetupValueInterface;

// Where the main window hands its shared editors to the four interaction controllers and registers the
// value buttons of its runtime pages. The window calls, once its pages and overlays exist:
// setKeyboardScreen, setLoginWidget, setMessageDialog, setLongPressMenuScreen, setSetupLongPressScreen,
// then registerRuntimeButtons with every RuntimeScreenButton whose object name contains
// "es_rt_Information".
class ModelInterfaceContainer : public QObject
{
    Q_OBJECT

public:
    using TestOverride = ScopedInstanceOverride<ModelInterfaceContainer>;

    // Created on first use with no parent, taking the four controllers (created by their own instance()
    // when they do not exist yet); never destroyed. While a TestOverride lives, its object.
    static ModelInterfaceContainer *instance();

    explicit ModelInterfaceContainer(QObject *parent = nullptr);

    // To the value controller.
    void setKeyboardScreen(KeyBoardScreen *screen);
    // To both setup controllers.
    void setLoginWidget(PasswordWidget *widget);
    // To all four controllers.
    void setMessageDialog(CustomDialog *dialog);
    // To the runtime controller.
    void setLongPressMenuScreen(LongPressMenuScreen *menu);
    // To the enum controller.
    void setSetupLongPressScreen(SetupLongPressScreen *screen);

    // Binds every button whose object name names a choosing setting of the local setup
    // ("es_rt_Information1_RuntimeScreenSetupA_btn_1"); other buttons are left unbound.
    void registerRuntimeButtons(const QList<RuntimeScreenButton *> &buttons);
    void registerBottomBarButtons(const QList<RuntimeScreenButton *> &buttons);

    // All of the above with the window's own editors and menus and the value buttons of its runtime
    // pages (every RuntimeScreenButton below it whose name contains "es_rt_Information"); the bottom bars
    // stay unbound. Run once, when the window is built.
    void connectWindow(BaseScreen *window);

    SetupEnumInterface *setupEnumInterface() const;
    SetupValueInterface *setupValueInterface() const;
    RuntimeModelInterface *runtimeModelInterface() const;
    BottomBarsModelInterface *bottomBarsModelInterface() const;

private:
    QPointer<SetupEnumInterface> m_enums;
    QPointer<SetupValueInterface> m_values;
    QPointer<RuntimeModelInterface> m_runtime;
    QPointer<BottomBarsModelInterface> m_bottomBars;
};

#endif // MODELINTERFACECONTAINER_H
