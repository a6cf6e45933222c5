#ifndef SETUPPROPERTYINFO_H
#define SETUPPROPERTYINFO_H

#include "info/PropertyInfo.h"

#include <QPointer>

class QAbstractButton;

// The description of a setting the user may change: adds the protection (changing it needs the password
// login), the local flag (a setting of this display only, saved to its file rather than sent to the
// junction box) and the one push button of a setup page bound to it. Presses and releases of the bound
// button are announced on the description hub, where the setup controllers decide what they mean.
//
// Keys read: "isLocal=" and "isProtected=", each with a value containing "true" or "false" (any case,
// "true" looked for first); any other value throws "wrong isLocal parameter" or "wrong isProtected
// parameter". A source object that is a local settings object makes the setting local whatever the item
// says.
class SetupPropertyInfo : public PropertyInfo
{
    Q_OBJECT

public:
    SetupPropertyInfo(const QString &description, SerializableClass *sourceObject);

    bool isProtected() const { return m_isProtected; }
    bool isLocal() const { return m_isLocal; }
    // The bound button, or null (also once the button has been destroyed).
    QAbstractButton *button() const;
    // Unbinds the old button, binds the new one (null: none), gives it the description's text and
    // announces its presses and releases.
    void setButton(QAbstractButton *button);

    void setSourceObject(SerializableClass *object) override;

protected slots:
    virtual void buttonPressed() = 0;
    virtual void buttonReleased() = 0;

protected:
    // A flag item's value: true when it contains "true" (any case; looked for first, so "untrue" counts as
    // true), false when it contains "false", otherwise the description is faulty and `fault` is thrown.
    static bool flagValue(const QString &value, const char *fault);
    // Gives the bound button, if any, the description's current text.
    void refreshButton();

    bool m_isProtected = false;
    bool m_isLocal = false;

private:
    QPointer<QAbstractButton> m_button;
};

#endif // SETUPPROPERTYINFO_H
