#ifndef RUNTIMEDISPLAYABLEDATA_H
#define RUNTIMEDISPLAYABLEDATA_H

#include "info/PropertyInfo.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

// The value feed that every runtime value widget reads: one runtime value description (a
// RuntimePropertyInfo, possibly with a companion angle), one signal whenever its value, validity or
// integrity changes or another description is bound, the colour to draw it in (from the runtime colour
// store and the current palette) and the speed class that chooses the direction drawing. It holds no value
// of its own; text, title and validity are read from the description.
//
// Colours: a valid value marked valid by its sender takes the colour of its description's colour class;
// a value without integrity, and a value that is not valid at all, takes the "LOW_integrity" colour, so an
// invalid value's "-/-" stands out the same way as a doubtful value. An unbound feed gives an invalid
// colour.
//
// A value that lies outside the limits of its description, or whose text a widget's field cannot show
// whole, is shown as not valid: "-/-" in the "LOW_integrity" colour (fieldValue). A slice of its digits
// would read as another value.
//
// The description is not owned (the registry keeps every description for the life of the process). GUI
// thread only.
class RuntimeDisplayableData : public QObject
{
    Q_OBJECT

public:
    // Binds the description; a null one leaves the feed unbound ("Info pair invalid!" is logged).
    explicit RuntimeDisplayableData(PropertyInfo *description, QObject *parent = nullptr);

    PropertyInfo *propertyInfo() const { return m_description.data(); }
    // Rebinds the feed and announces it with informationChangeSignal() and then changeLayoutDirection().
    // A null description is allowed only for a line the user switched off (hidden); otherwise it is a
    // programming error and throws a character string.
    void setPropertyInfo(PropertyInfo *description, bool hidden);

    QColor color() const;
    // Whether the value may be shown as a value: bound, valid and inside its description's limits.
    bool isShowable() const;

    // What a value field shows of `text` (the widget's form of the value): the text in the value's colour
    // when the value may be shown and `fits` (the text fits the field whole), otherwise "-/-" in the
    // "LOW_integrity" colour.
    struct FieldValue
    {
        QString text;
        QColor color;
        bool shown;
    };
    FieldValue fieldValue(const QString &text, bool fits) const;
    // The "speedClass=" of the description ("RES", "LONG", "TRA"), "NONE" without one or unbound.
    QString speedClass() const;

    // The title to show: the displayed name, followed by the unit where the description puts the unit
    // into the title.
    QString titleText() const;
    // The unit to show after the value: the displayed unit, unless the title carries it; empty for a
    // value without a unit.
    QString valueUnit() const;

signals:
    void informationChangeSignal();
    void changeLayoutDirection();

private slots:
    void emitInformationChangedSignal();

private:
    void connectDescription();
    void disconnectDescription();

    QPointer<PropertyInfo> m_description;
};

#endif // RUNTIMEDISPLAYABLEDATA_H
