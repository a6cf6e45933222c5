#ifndef RUNTIMEENUMPROPERTYINFO_H
#define RUNTIMEENUMPROPERTYINFO_H

#include "info/EnumPropertyInfo.h"

// What a value button of a runtime page shows (the settings Information1..5, BottomBar1..3 and
// RuntimeData1..4 of "RuntimeScreenSetupA" to "D"): an enumerated setting whose choices are built from the
// page letter, not written in the description. Each choice is a property name (the value list) and the
// object name of the settings object that owns it (the object lists; the second differs where an item
// names two objects joined by "_|_", "TransducerSetup1_|_TransducerSetup2", for the second transducer).
//
// The lists ("enumList=RuntimeInformation", "BottomBarsInformation", "RangeBottomBarsInformation",
// "RuntimeDataInformation") are those of RuntimeScreenChoices, which the check of stored values reads
// too. Faults of the description or the source object throw "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo
// constructor exception" or "wrong enum property info parameters".
class RuntimeEnumPropertyInfo : public EnumPropertyInfo
{
    Q_OBJECT

public:
    RuntimeEnumPropertyInfo(const QString &description, SerializableClass *sourceObject);

    // The object name of the current choice: of the first object list for the connector "1", of the
    // second for any other.
    QString objectNameFor(const QString &connector) const;
    // Appends to the object lists from ";"-joined items.
    void setObjectLists(const QString &objects);

    QStringList firstObjectList() const { return m_firstObjectList; }
    QStringList secondObjectList() const { return m_secondObjectList; }

private:
    QStringList m_firstObjectList;
    QStringList m_secondObjectList;
};

#endif // RUNTIMEENUMPROPERTYINFO_H
