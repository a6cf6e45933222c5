#include "info/EnumWithDifferentUnitsPropertyInfo.h"

#include "common/ClassInformation.h"

EnumWithDifferentUnitsPropertyInfo::EnumWithDifferentUnitsPropertyInfo(
    const QString &description, SerializableClass *sourceObject)
    : EnumPropertyInfo(description, sourceObject)
{
    static const QStringList keys = { QStringLiteral("enumListMeters="), QStringLiteral("enumListFeet="),
        QStringLiteral("enumListFathoms="), QStringLiteral("enumListMps="), QStringLiteral("enumListKn="),
        QStringLiteral("enumListMiph=") };
    readItems(description, keys, [this](int list, const ClassInfoItem &item) {
        if (list >= 0)
            m_lists[list]
                = QString(item.value).replace(QLatin1Char('_'), QLatin1Char(' ')).split(QLatin1Char(';'));
    });
    selectListForUnit();
}

void EnumWithDifferentUnitsPropertyInfo::selectListForUnit()
{
    static const QStringList units = { QStringLiteral("m"), QStringLiteral("ft"), QStringLiteral("fm"),
        QStringLiteral("m/s"), QStringLiteral("kn"), QStringLiteral("mi/h") };
    const int list = units.indexOf(displayedUnit());
    if (list < 0)
        return;
    if (m_lists[list] != m_shownList)
        m_shownList = m_lists[list];
    if (changeable() == QLatin1String("true")
        && (measurement() == QLatin1String("speed") || measurement() == QLatin1String("depth"))) {
        // A unit list shorter than the values converts only the items it has; the further values keep
        // their texts.
        const int count = qMin(m_enumList.size(), m_shownList.size());
        for (int index = 0; index < count; ++index)
            m_enumList[index] = toSourceUnit(m_shownList.at(index));
    }
}
