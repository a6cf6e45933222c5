#ifndef SETUPVALUEINTERFACE_H
#define SETUPVALUEINTERFACE_H

#include "common/ScopedInstanceOverride.h"
#include "ui/controllers/SetupModelInterface.h"
#include "ui/keyboards/KeyEventInfo.h"

class KeyBoardScreen;
class Validator;
class ValuePropertyInfo;

// The process-wide controller of free values (numbers, addresses, names): a press on a bound button
// opens the value editor on the keyboard page that suits the value; Enter checks the typed text with the
// description's validator and writes it to the settings object (which saves or sends it). A refused text
// is named in the shared dialog and changes nothing. A protected setting asks for the password first.
class SetupValueInterface : public SetupModelInterface
{
    Q_OBJECT

public:
    using TestOverride = ScopedInstanceOverride<SetupValueInterface>;

    // Created on first use with no parent; never destroyed. While a TestOverride lives, its object.
    static SetupValueInterface *instance();

    // Listens to the description hub. Only the object instance() returns acts on what it hears.
    explicit SetupValueInterface(QObject *parent = nullptr);

    // Stores the editor (not owned) and takes the keys of its keyboard.
    void setKeyboardScreen(KeyBoardScreen *screen);
    KeyBoardScreen *keyboardScreen() const;

    void setCurrentProperty(PropertyInfo *property, const QString &prefix) override;
    // Opens the editor for the description without the checks of a press.
    void edit(PropertyInfo *property, const QString &prefix) override;

    ValuePropertyInfo *currentValueProperty() const;
    QString typedText() const { return m_typedText; }
    // Whether the editor is open for a value of this controller.
    bool isEditing() const { return m_editing; }

public slots:
    void buttonOfValuePropertyInfoReleased(ValuePropertyInfo *property);
    void buttonOfValuePropertyInfoPressed(ValuePropertyInfo *property);
    void openLongPressDialog() override;
    void slotKeyPressed(KeyEventInfo event);

private:
    bool isActiveController() const { return instance() == this; }
    void startEditing();
    void commitValue();
    void closeEditor();
    void showTypedText();

    QPointer<ValuePropertyInfo> m_currentValue;
    QPointer<KeyBoardScreen> m_keyboardScreen;
    QString m_typedText;
    QString m_unit;
    Validator *m_validator = nullptr;
    bool m_editing = false;
};

#endif // SETUPVALUEINTERFACE_H
