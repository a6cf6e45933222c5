#ifndef PROPERTYINFO_H
#define PROPERTYINFO_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

class SerializableClass;
class Validator;
struct ClassInfoItem;

// The user-interface description of one Qt property of a settings object: built from the property's
// description text (the class-information entry of the same name), bound for its whole life to the
// settings object that owns the property. It knows the name shown, the unit the value is stored in and the
// unit it is shown in, the decimals, the validator of typed input, an alternative text, the long-press
// options and the validity of the value; it follows the property's change signal and the unit scales and
// re-emits what changed as its own signals.
//
// Reading the text: items are the parts between single blanks; an item without "=" is ignored; its value
// is the text between its first and its second "=". A key is found when the whole item contains it,
// case-insensitively, the keys of a class being tested in a fixed order with the first found winning (so
// "XYname=abc" sets the name). Each kind reads the same text again for its own keys.
//
// A fault in a description is a programming error: the constructors throw character strings. Abstract;
// the kinds are the setup, enumeration, value and runtime descriptions.
class PropertyInfo : public QObject
{
    Q_OBJECT

public:
    // `description` is the text without its "type=" item. Throws "wrong property info parameters" when it
    // gives no name, and the validator faults of Validator::fromDescription.
    PropertyInfo(const QString &description, SerializableClass *sourceObject);
    ~PropertyInfo() override;

    // The text a button shows for the value.
    virtual QString text() const = 0;
    // Asks the source object to serialize the single change (name, value): a local object saves its file,
    // a shared one sends the change to the junction box. Returns the object's text.
    virtual QString serializeSingleProperty(const QVariant &value);
    // The long-press options as written ("Change;Default:50").
    virtual QString longPress() const;
    virtual SerializableClass *sourceObject() const;
    virtual void setSourceObject(SerializableClass *object);

    QString name() const { return m_name; }
    // The name shown: nameToDisplay, a blank, the suffix, and " (A)" while the auto functions are on.
    QString displayedName() const;
    QString displayedNameWithoutAuto() const;
    QString nameSuffix() const { return m_nameSuffix; }
    // Emits displayedNameChanged.
    void setNameSuffix(const QString &suffix);

    QString sourceUnit() const { return m_sourceUnit; }
    QString displayedUnit() const { return m_displayedUnit; }
    // Emits nothing and refreshes nothing.
    void setDisplayedUnit(const QString &unit);
    // "speed", "depth", "distance", "angle" or "other" (the default); only changeable speed and depth
    // values follow the scales.
    QString measurement() const { return m_measurement; }
    // The "changeable=" text, compared with "true" and "false" exactly.
    QString changeable() const { return m_changeable; }

    // The validator of typed input, owned by the description; null when the description gives none.
    Validator *validator() const { return m_validator.get(); }

    QString alternativeText() const { return m_alternativeText; }
    void setAlternativeText(const QString &text);
    bool isAlternativeTextShown() const { return m_alternativeTextShown; }
    // Switches between the alternative text and the value (the deep-alert "off").
    void setAlternativeTextShown(bool shown);

    bool autoMode() const { return m_autoMode; }

    // The validity of the property in the source object.
    bool isValid() const;
    // Valid, and marked valid by its sender.
    bool integrityOk() const;
    bool integrity() const { return m_integrity; }
    // Emits integrityChanged only on a change.
    void setIntegrity(bool integrity);

    // -1 restores the process-wide default.
    void setNumberOfDecimals(int decimals);
    void setPropertyNoDecimalsFrom100(const bool &noDecimals);
    // The decimals for showing `value`: none for 100 and more while this description's or the process-wide
    // no-decimals-from-100 flag is set, otherwise the description's or the default.
    int numberOfDecimals(const double &value) const;
    static int defaultNumberOfDecimals();
    // Process-wide: values of 100 and more are shown without decimals (true until a product says
    // otherwise).
    static void setNoDecimalsFrom100(const bool &noDecimals);
    static bool noDecimalsFrom100();

    // The text converted from the source unit into the displayed unit, and back.
    QString toDisplayedUnit(const QString &value) const;
    QString toSourceUnit(const QString &value) const;

public slots:
    // Refreshes what the kind shows after a unit or display change.
    virtual void updateGUI() = 0;

signals:
    void valueChanged(QString value);
    void textChanged(QString text);
    void displayedNameChanged(QString name);
    void integrityChanged(bool integrity);

protected slots:
    // A new value of the source property.
    virtual void readValueFromSourceProperty(QVariant value) = 0;
    void readFromProperty(int value);
    void readFromProperty(uint value);
    void readFromProperty(QString value);
    void readFromProperty(double value);
    void changeSpeedUnit(int index);
    void changeDepthUnit(int index);
    void changeDistanceUnit(int index);
    void autoModeChanged(int autoMode);

protected:
    // One pass of a kind over a description text: `read` is called for every item that has a "=", with the
    // position of the first of `keys` the item contains (any case), or -1. Every kind reads the same text,
    // so the text is split once for all of them.
    static void readItems(const QString &description, const QStringList &keys,
        const std::function<void(int key, const ClassInfoItem &item)> &read);
    // The items of a description text (split at single blanks), for a kind that reads them otherwise.
    static QVector<ClassInfoItem> descriptionItems(const QString &description);

    // Converts a number text between two unit texts; anything that is not a changeable speed or depth
    // number in two different units is returned unchanged.
    QString convertUnit(const QString &value, const QString &fromUnit, const QString &toUnit) const;
    // Whether anything listens to textChanged (the kinds emit it only then).
    bool textChangedIsConnected() const;

    // The validity last reported; the kinds compare the current validity with it.
    bool m_lastValidity = false;
    bool m_integrity = true;

private:
    void connectToSourceProperty();
    void followScale(const char *scaleProperty, int index);

    QString m_name;
    QString m_nameToDisplay;
    QString m_nameSuffix;
    QString m_longPress;
    QString m_sourceUnit;
    QString m_displayedUnit;
    QString m_measurement = QStringLiteral("other");
    QString m_changeable = QStringLiteral("false");
    SerializableClass *m_sourceObject;
    QString m_alternativeText;
    bool m_alternativeTextShown = false;
    bool m_autoMode = false;
    bool m_autoFunctionsOn = false;
    QString m_autoMark = QStringLiteral("(A)");
    std::unique_ptr<Validator> m_validator;
    int m_numberOfDecimals = -1;
    bool m_noDecimalsFrom100 = false;
};

#endif // PROPERTYINFO_H
