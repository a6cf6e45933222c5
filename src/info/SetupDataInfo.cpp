#include "info/SetupDataInfo.h"

#include "data/SerializableClass.h"
#include "info/EnumWithDifferentUnitsPropertyInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/ValueFromEnumPropertyInfo.h"

#include <QDebug>

SetupDataInfo::SetupDataInfo(QObject *parent)
    : SerializableClassInfo(parent)
{
}

SetupDataInfo::SetupDataInfo(SerializableClass *sourceObject, QObject *parent)
    : SerializableClassInfo(sourceObject, nullptr, nullptr, parent)
{
    buildFromSource();
    connectAppropriateEnumAndValuePropertyInfos();
}

void SetupDataInfo::createChildProperty(const QVariant &value, const QString &propertyName)
{
    auto *child = new SetupDataInfo(qobject_cast<SerializableClass *>(value.value<QObject *>()), this);
    storePointer(propertyName, QVariant::fromValue(child));
}

void SetupDataInfo::createSimpleProperty(const QString &propertyName)
{
    const Description description = describe(propertyName);
    const QString &type = description.type;
    const QString &text = description.withoutType;
    const auto is
        = [&type](const char *kind) { return type.contains(QLatin1String(kind), Qt::CaseInsensitive); };

    // "valueFromEnum" contains "value" and "enum", and the two enumeration kinds contain "enum": the order
    // decides.
    PropertyInfo *info = nullptr;
    if (is("valueFromEnum"))
        info = new ValueFromEnumPropertyInfo(text, sourceObject());
    else if (is("enumWithDifferentUnits"))
        info = new EnumWithDifferentUnitsPropertyInfo(text, sourceObject());
    else if (is("runtimeSetupInfoEnum"))
        info = new RuntimeEnumPropertyInfo(text, sourceObject());
    else if (is("value"))
        info = new ValuePropertyInfo(text, sourceObject());
    else if (is("enum"))
        info = new EnumPropertyInfo(text, sourceObject());
    if (!info) {
        qDebug() << type;
        throw "wrong type of property info SetupDataInfo::createSimpleProperty";
    }
    storeDescription(propertyName, info);
}

SetupPropertyInfo *SetupDataInfo::getSetupPropertyInfo(
    const QString &propertyName, const QString &objectName) const
{
    return qobject_cast<SetupPropertyInfo *>(propertyInfo(propertyName, objectName));
}

EnumPropertyInfo *SetupDataInfo::getEnumPropertyInfo(
    const QString &propertyName, const QString &objectName) const
{
    return qobject_cast<EnumPropertyInfo *>(propertyInfo(propertyName, objectName));
}

ValuePropertyInfo *SetupDataInfo::getValuePropertyInfo(
    const QString &propertyName, const QString &objectName) const
{
    return qobject_cast<ValuePropertyInfo *>(propertyInfo(propertyName, objectName));
}

void SetupDataInfo::connectAppropriateEnumAndValuePropertyInfos()
{
    const QStringList names = storedNames();
    for (const QString &name : names) {
        auto *value = qobject_cast<ValueFromEnumPropertyInfo *>(propertyInfo(name, objectName()));
        if (!value)
            continue;
        EnumPropertyInfo *enumeration
            = getEnumPropertyInfo(QString(name).remove(QLatin1String("Value")), objectName());
        if (!enumeration) {
            qDebug() << "wrong ValueFromEnum and Enum pair in "
                        "SetupDataInfo::connectAppropriateEnumAndValuePropertyInfos()";
            throw "wrong ValueFromEnum and Enum pair in "
                  "SetupDataInfo::connectAppropriateEnumAndValuePropertyInfos()";
        }
        value->setEnumPropertyInfo(enumeration);
    }
}
