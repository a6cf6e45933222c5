#ifndef VALUEPROPERTYINFO_H
#define VALUEPROPERTYINFO_H

#include "info/SetupPropertyInfo.h"

// A setting the user types in (a number, an address, a name) rather than chooses from a list. Keeps the
// value twice, as text in the source object's unit and in the displayed unit, formats numbers by the kind
// of the description's validator, converts between the units and writes a new value into the settings
// object, which saves or sends it. The validator itself is the editor's: it checks typed text before it
// is handed over; this class does not refuse values.
//
// Keys read: "isNumeric=" (a value containing "true" or "false", any case; anything else throws "wrong
// isNumeric parameter") and "isIp=true". A value description needs a validator: without one it throws
// "wrong value property info parameters".
//
// Number forms: with an int validator the value as a signed integer, with a float validator fixed notation
// with the description's decimals, with any other validator an unsigned integer; a text that is no number
// gives 0. A value that is not numeric is kept as text.
class ValuePropertyInfo : public SetupPropertyInfo
{
    Q_OBJECT

public:
    ValuePropertyInfo(const QString &description, SerializableClass *sourceObject);

    QString text() const override;

    bool isNumeric() const { return m_isNumeric; }
    bool isIp() const { return m_isIp; }
    QString sourceValue() const { return m_sourceValue; }
    QString displayedValue() const { return m_displayedValue; }

    // A new value in the displayed (source) unit: converted, written to the settings object, serialized
    // (saved or sent), shown and announced, also when it equals the current value.
    void setDisplayedValue(const QString &value);
    void setSourceValue(const QString &value);

public slots:
    void updateGUI() override;

protected slots:
    void readValueFromSourceProperty(QVariant value) override;
    void buttonPressed() override;
    void buttonReleased() override;

protected:
    // The text form of a value by the validator kind (numeric values) or the value's text.
    QString formatted(const QVariant &value) const;
    // The integer kinds keep the whole part of a converted text.
    QString wholePart(const QString &value) const;
    // Writes the source value, serializes it, shows and announces the displayed value.
    void writeAndAnnounce();
    void takeValue(const QString &value, QString &given, QString &derived,
        QString (PropertyInfo::*convert)(const QString &) const);

    QString m_sourceValue;
    QString m_displayedValue;

private:
    bool isIntegerKind() const;

    bool m_isNumeric = true;
    bool m_isIp = false;
};

#endif // VALUEPROPERTYINFO_H
