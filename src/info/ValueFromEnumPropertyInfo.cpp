#include "info/ValueFromEnumPropertyInfo.h"

#include "info/EnumPropertyInfo.h"

#include <QtMath>

ValueFromEnumPropertyInfo::ValueFromEnumPropertyInfo(
    const QString &description, SerializableClass *sourceObject)
    : ValuePropertyInfo(description, sourceObject)
{
}

EnumPropertyInfo *ValueFromEnumPropertyInfo::enumPropertyInfo() const
{
    return m_enumPropertyInfo.data();
}

void ValueFromEnumPropertyInfo::setEnumPropertyInfo(EnumPropertyInfo *enumeration)
{
    if (m_enumPropertyInfo)
        disconnect(m_enumPropertyInfo, &PropertyInfo::valueChanged, this,
            &ValueFromEnumPropertyInfo::valueFromEnumChanged);
    m_enumPropertyInfo = enumeration;
    if (enumeration)
        connect(
            enumeration, &PropertyInfo::valueChanged, this, &ValueFromEnumPropertyInfo::valueFromEnumChanged);
}

void ValueFromEnumPropertyInfo::updateGUI() { }

void ValueFromEnumPropertyInfo::valueFromEnumChanged(const QString &value)
{
    if (!m_enumPropertyInfo)
        return;
    setDisplayedUnit(m_enumPropertyInfo->displayedUnit());
    if (qAbs(value.toFloat() - m_displayedValue.toFloat()) <= 0.1f)
        return;
    m_displayedValue = value;
    m_sourceValue = toSourceUnit(value);
    writeAndAnnounce();
}
