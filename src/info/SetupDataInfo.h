#ifndef SETUPDATAINFO_H
#define SETUPDATAINFO_H

#include "info/SerializableClassInfo.h"

class EnumPropertyInfo;
class SetupPropertyInfo;
class ValuePropertyInfo;

// The holder of a setup settings object (shared with the junction box or local to the display) and,
// through its child holders, of its whole subtree. The description kind follows the type (tested in this
// order, any case, the first contained deciding): "valueFromEnum", "enumWithDifferentUnits",
// "runtimeSetupInfoEnum", "value", "enum"; any other type throws "wrong type of property info
// SetupDataInfo::createSimpleProperty". A value "XValue" of type valueFromEnum is paired with the
// enumeration "X" of the same object; a missing enumeration throws.
class SetupDataInfo : public SerializableClassInfo
{
    Q_OBJECT

public:
    // A holder with no settings object; nothing in this system builds one.
    explicit SetupDataInfo(QObject *parent = nullptr);
    SetupDataInfo(SerializableClass *sourceObject, QObject *parent);

    void createChildProperty(const QVariant &value, const QString &propertyName) override;
    void createSimpleProperty(const QString &propertyName) override;

    // propertyInfo() of the kind asked for; null when absent or of another kind.
    SetupPropertyInfo *getSetupPropertyInfo(const QString &propertyName, const QString &objectName) const;
    EnumPropertyInfo *getEnumPropertyInfo(const QString &propertyName, const QString &objectName) const;
    ValuePropertyInfo *getValuePropertyInfo(const QString &propertyName, const QString &objectName) const;

private:
    void connectAppropriateEnumAndValuePropertyInfos();
};

#endif // SETUPDATAINFO_H
