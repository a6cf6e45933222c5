#ifndef RUNTIMEPROPERTYINFO_H
#define RUNTIMEPROPERTYINFO_H

#include "info/PropertyInfo.h"

// One measured value of the runtime values object (speeds, distances, heading, position, depth, angles)
// for the runtime screens: the text to show, the title, the colour class and speed class that choose its
// colour and grouping, whether the value lies inside the limits of its validator, and its integrity
// (valid, and marked valid by its sender). The display does not write runtime values; a user action (a
// long-press reset of the trip) sends a single new value through the source object instead.
//
// Keys read (any case): "colorClass=" ("SOG", "STW", "CUR", "GPS"; default "DEFAULT"), "speedClass="
// ("LONG", "TRA", "RES"; default "NONE"), "unitInTitle=true" (the unit goes into the title instead of
// after the value).
//
// Numbers are shown in fixed notation with the description's decimals; a property whose name contains
// "Position" holds a position in the NMEA form (degrees times 100 plus minutes) and is shown as degrees and
// minutes, e.g. 51°30.1'.
class RuntimePropertyInfo : public PropertyInfo
{
    Q_OBJECT

public:
    RuntimePropertyInfo(const QString &description, SerializableClass *sourceObject);

    QString text() const override;

    // The value as received, in the source unit, and converted into the displayed unit; "-/-" until the
    // first value.
    QString sourceValue() const { return m_sourceValue; }
    QString displayedValue() const { return m_displayedValue; }
    // The displayed name; with withUnit and "unitInTitle=true" followed by a blank and the unit.
    QString title(bool withUnit) const;
    bool isInsideLimits() const { return m_insideLimits; }
    // Whether a runtime field may show the value as a value: it is valid and lies inside the limits of its
    // description's validator. A field shows any other value, and one whose text it cannot show whole, as
    // not valid ("-/-").
    bool isShowable() const { return isValid() && m_insideLimits; }
    // What a field shows of the value: `text` (the field's form of it) when the value may be shown and the
    // field shows `text` whole (`fits`), otherwise "-/-".
    QString shownText(const QString &text, bool fits) const;
    QString colorClass() const { return m_colorClass; }
    QString speedClass() const { return m_speedClass; }
    bool unitInTitle() const { return m_unitInTitle; }

    // A new value in the displayed (source) unit, serialized through the source object for sending and
    // announced; the property itself is not written (the new value comes back with the next runtime data).
    void setDisplayedValue(const QString &value);
    void setSourceValue(const QString &value);

    // The degrees-and-minutes text of an NMEA position ("5130.1234" gives 51°30.1', "12345.678" 123°46');
    // "-/-" for a text that is no finite number.
    static QString positionText(const QString &value);
    // An NMEA position (degrees times 100 plus minutes, sign dropped) as degrees, "°", minutes in fixed
    // notation with minuteDecimals and no leading zero, "'" ("5105.5" with 1 gives 51°5.5'). Minutes of 60
    // or more, also those the rounding makes, are carried into the degrees: 5159.96 with 1 gives 52°0.0',
    // never 51°60.0'.
    static QString degreesAndMinutesText(double position, int minuteDecimals);

public slots:
    void updateGUI() override;

signals:
    void valueIsInsideLimitsChanged(bool inside);

protected slots:
    void readValueFromSourceProperty(QVariant value) override;

private:
    void announce();

    QString m_sourceValue = QStringLiteral("-/-");
    QString m_displayedValue = QStringLiteral("-/-");
    bool m_insideLimits;
    QString m_colorClass = QStringLiteral("DEFAULT");
    QString m_speedClass = QStringLiteral("NONE");
    bool m_unitInTitle = false;
};

#endif // RUNTIMEPROPERTYINFO_H
