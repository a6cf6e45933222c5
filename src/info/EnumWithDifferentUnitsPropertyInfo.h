#ifndef ENUMWITHDIFFERENTUNITSPROPERTYINFO_H
#define ENUMWITHDIFFERENTUNITSPROPERTYINFO_H

#include "info/EnumPropertyInfo.h"

// An enumerated setting whose choices are quantities listed once per unit ("enumListMeters=5;10;20",
// "enumListFeet=15;30;60", ...): the list shown follows the displayed unit (the depth or speed scale), the
// values are the shown items converted into the source unit, and the index, and so the stored value, does
// not change with the unit.
//
// Keys read (any case): "enumListMeters=", "enumListFeet=", "enumListFathoms=", "enumListMps=",
// "enumListKn=", "enumListMiph=".
class EnumWithDifferentUnitsPropertyInfo : public EnumPropertyInfo
{
    Q_OBJECT

public:
    EnumWithDifferentUnitsPropertyInfo(const QString &description, SerializableClass *sourceObject);

    QStringList metersList() const { return m_lists[Meters]; }
    QStringList feetList() const { return m_lists[Feet]; }
    QStringList fathomsList() const { return m_lists[Fathoms]; }
    QStringList mpsList() const { return m_lists[Mps]; }
    QStringList knList() const { return m_lists[Kn]; }
    QStringList miphList() const { return m_lists[Miph]; }

    // The position of the exact text in that list, -1 when absent.
    int indexInMetersList(const QString &text) const { return m_lists[Meters].indexOf(text); }
    int indexInFeetList(const QString &text) const { return m_lists[Feet].indexOf(text); }
    int indexInFathomsList(const QString &text) const { return m_lists[Fathoms].indexOf(text); }
    int indexInMpsList(const QString &text) const { return m_lists[Mps].indexOf(text); }
    int indexInKnList(const QString &text) const { return m_lists[Kn].indexOf(text); }
    int indexInMiphList(const QString &text) const { return m_lists[Miph].indexOf(text); }

    // The item of that list at the current index; empty when the list has no such index.
    QString currentMetersValue() const { return m_lists[Meters].value(m_currentIndex); }
    QString currentFeetValue() const { return m_lists[Feet].value(m_currentIndex); }
    QString currentFathomsValue() const { return m_lists[Fathoms].value(m_currentIndex); }
    QString currentMpsValue() const { return m_lists[Mps].value(m_currentIndex); }
    QString currentKnValue() const { return m_lists[Kn].value(m_currentIndex); }
    QString currentMiphValue() const { return m_lists[Miph].value(m_currentIndex); }

protected:
    void selectListForUnit() override;

private:
    // In the order of the keys and of the unit texts "m", "ft", "fm", "m/s", "kn", "mi/h".
    enum UnitList { Meters, Feet, Fathoms, Mps, Kn, Miph, UnitListCount };
    QStringList m_lists[UnitListCount];
};

#endif // ENUMWITHDIFFERENTUNITSPROPERTYINFO_H
