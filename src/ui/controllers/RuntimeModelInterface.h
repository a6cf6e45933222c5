#ifndef RUNTIMEMODELINTERFACE_H
#define RUNTIMEMODELINTERFACE_H

#include "common/ScopedInstanceOverride.h"
#include "ui/controllers/AbstractModelInterface.h"

class LongPressMenuScreen;
class RuntimeButtonInfo;

// The process-wide controller of the value buttons of the runtime pages: a short press steps an
// enumerated value (up button forward, down or single button back), a press on a free value opens the
// value editor, and a press held for one second resets the trip counter ("Trip") or opens the value
// chooser of an enumerated value. It also carries out the choices of the long-press menu: reset, default
// value, change, and another runtime value for the button to show.
class RuntimeModelInterface : public AbstractModelInterface
{
    Q_OBJECT

public:
    using TestOverride = ScopedInstanceOverride<RuntimeModelInterface>;

    // Created on first use with no parent; never destroyed. While a TestOverride lives, its object.
    static RuntimeModelInterface *instance();

    // Listens to the button hub. Only the object instance() returns acts on what it hears.
    explicit RuntimeModelInterface(QObject *parent = nullptr);

    // Stores the menu (not owned) and takes its choices.
    void setLongPressMenuScreen(LongPressMenuScreen *menu);
    LongPressMenuScreen *longPressMenuScreen() const;
    void registerButtonInfo(RuntimeButtonInfo *binding);

    // The current value becomes 0 (the trip counter), written and sent by its settings object.
    void resetPropertyValue();
    // The default value of the menu's option text (" Set to \n Default Value :10") becomes the value; an
    // enumerated setting returns to its first choice.
    void applyDefaultFromLongPress(const QString &details);
    // A free value opens the value editor; nothing else can be changed this way.
    void makeLongPressChange();
    // The current button shows the runtime value after the current one; nothing in the system calls it.
    void showNextInformation();

public slots:
    void buttonPressed(RuntimeButtonInfo *binding);
    void buttonReleased(RuntimeButtonInfo *binding);
    void openLongPressDialog() override;
    void changeShownInformation(QString name);
    void modifyPropertyFromLongPress(QString details);

private:
    bool isActiveController() const { return instance() == this; }

    QPointer<LongPressMenuScreen> m_longPressMenu;
};

#endif // RUNTIMEMODELINTERFACE_H
