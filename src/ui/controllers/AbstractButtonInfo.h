#ifndef ABSTRACTBUTTONINFO_H
#define ABSTRACTBUTTONINFO_H

#include "ui/widgets/RuntimeScreenButton.h"

#include <QObject>
#include <QPointer>
#include <QString>

class ESDataInfoClass;
class PropertyInfo;
class RuntimeEnumPropertyInfo;

// The binding of one value button of the runtime pages (or of a bottom bar) to what it shows: the local
// setting that chooses the value ("Information1" of "RuntimeScreenSetupA" for the first button of page A)
// and the description of the chosen value. It keeps the button's value text, title and integrity mark
// current, binds the button anew whenever the choosing setting changes, and announces the button's presses
// on the button hub, where the runtime and bottom-bar controllers act on them.
//
// The button's object name carries the binding: prefix + "_rt_" + setting + "_" + settings object +
// "_btn_" + page number; the key of the binding is setting + "_" + settings object.
class AbstractButtonInfo : public QObject
{
    Q_OBJECT

public:
    // Neither the button nor the choosing setting is owned.
    AbstractButtonInfo(RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent);

    PropertyInfo *propertyInfo() const;
    RuntimeEnumPropertyInfo *choice() const;
    RuntimeScreenButton *button() const;
    QString prefix() const { return m_prefix; }
    QString key() const { return m_key; }
    ButtonType buttonType() const { return m_buttonType; }
    QString connector() const { return m_connector; }

    // Shows the description on the button and selects it in the choosing setting (which saves it when it
    // changes).
    void bindPropertyInfo(PropertyInfo *property);

    // The key a button's object name gives: its third and fourth "_"-parts joined by "_"; empty when the
    // name has fewer than four parts.
    static QString keyOf(const QString &objectName);

public slots:
    // The choosing setting changed: the button shows its new choice.
    virtual void changePropertyInfo(QString ignored);
    virtual void buttonPressed(ButtonType type) = 0;
    virtual void buttonReleased() = 0;
    void changeValue(QString value);
    void changeDisplayedName(QString name);
    // Shows the other transducer's object of the same choice ("1" the first).
    void setCurrentButtonConnector(QString connector);
    void integrityOfPropertyChanged(bool ok);

protected:
    // The description the choosing setting names, or null.
    virtual PropertyInfo *chosenPropertyInfo(ESDataInfoClass *registry) const;
    // The first binding: throws `fault` when the choice names nothing.
    void bindChosen(ESDataInfoClass *registry, const char *fault);
    void disconnectProperty();
    void connectProperty();
    void showProperty();
    // The value text and the integrity mark.
    void showValue();

    QString m_connector = QStringLiteral("1");
    QPointer<RuntimeScreenButton> m_button;
    ButtonType m_buttonType = SingleButton;
    QString m_prefix;
    QString m_key;
    QPointer<PropertyInfo> m_propertyInfo;
    QPointer<RuntimeEnumPropertyInfo> m_choice;
};

// The binding of a value button of a runtime page; it shows runtime values first, setup values otherwise.
class RuntimeButtonInfo : public AbstractButtonInfo
{
    Q_OBJECT

public:
    // Throws "runtime_setup_property_info not initialized (RuntimeButtonInfo::RuntimeButtonInfo())" when
    // the choice names no description.
    RuntimeButtonInfo(RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent);

public slots:
    void buttonPressed(ButtonType type) override;
    void buttonReleased() override;

protected:
    PropertyInfo *chosenPropertyInfo(ESDataInfoClass *registry) const override;
};

// The binding of a bottom bar of a runtime page; it shows setup values only.
class BottomBarInfo : public AbstractButtonInfo
{
    Q_OBJECT

public:
    // Throws "runtime_setup_property_info not initialized (BottomBarInfo::BottomBarInfo())" when the choice
    // names no description.
    BottomBarInfo(RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent);

public slots:
    void buttonPressed(ButtonType type) override;
    void buttonReleased() override;
};

#endif // ABSTRACTBUTTONINFO_H
