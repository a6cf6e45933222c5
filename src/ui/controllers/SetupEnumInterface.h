#ifndef SETUPENUMINTERFACE_H
#define SETUPENUMINTERFACE_H

#include "common/ScopedInstanceOverride.h"
#include "ui/controllers/SetupModelInterface.h"

class EnumPropertyInfo;
class SetupLongPressScreen;

// The process-wide controller of enumerated settings: a press on a bound button shorter than one second
// steps the setting to its next value when released; a press held for one second opens the value chooser
// instead, and the value picked there is written. A protected setting asks for the password first (the
// press is then forgotten). The runtime and bottom-bar controllers open the chooser through it too.
class SetupEnumInterface : public SetupModelInterface
{
    Q_OBJECT

public:
    using TestOverride = ScopedInstanceOverride<SetupEnumInterface>;

    // Created on first use with no parent; never destroyed. While a TestOverride lives, its object.
    static SetupEnumInterface *instance();

    // Listens to the description hub. Only the object instance() returns acts on what it hears.
    explicit SetupEnumInterface(QObject *parent = nullptr);

    // Stores the chooser (not owned); its closed() ends the connections of an open choice.
    void setLongPressScreen(SetupLongPressScreen *screen);
    SetupLongPressScreen *longPressScreen() const;
    // Opens the chooser for a setting, as a long press on its button does.
    void openChooserFor(EnumPropertyInfo *property);

    void setCurrentProperty(PropertyInfo *property, const QString &prefix) override;
    void edit(PropertyInfo *property, const QString &prefix) override;

    EnumPropertyInfo *currentEnumProperty() const;

public slots:
    void buttonOfEnumPropertyInfoPressed(EnumPropertyInfo *property);
    void buttonOfEnumPropertyInfoReleased(EnumPropertyInfo *property);
    void openLongPressDialog() override;
    void changeEnumPropertyFromLongPress(QString value);
    void turnAutoFunctionsOnFromLongPress();
    void destroyConnectionsToLongPressDialog();

private:
    bool isActiveController() const { return instance() == this; }

    QPointer<SetupLongPressScreen> m_longPressScreen;
    QPointer<EnumPropertyInfo> m_currentEnum;
};

#endif // SETUPENUMINTERFACE_H
