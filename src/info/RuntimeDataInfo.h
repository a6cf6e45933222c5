#ifndef RUNTIMEDATAINFO_H
#define RUNTIMEDATAINFO_H

#include "info/SerializableClassInfo.h"

#include <QMap>

class RuntimePropertyInfo;
class SetupDataInfo;

// The holder of the runtime values object. Every description has a type containing "runtime" (otherwise
// "wrong type of property info RuntimeDataInfo::createSimpleProperty()" is thrown); one with
// "angleProperty=" is bound to its companion angle once all are built (a missing companion throws "No such
// property in ES Runtime class: "). Descriptions marked "shownOnSideInfo=false" are hidden: found by name
// from any lookup, but left out of the names offered to the user.
class RuntimeDataInfo : public SerializableClassInfo
{
    Q_OBJECT

public:
    // A holder with no settings object; nothing in this system builds one.
    explicit RuntimeDataInfo(QObject *parent = nullptr);
    RuntimeDataInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
        SetupDataInfo *localSetupHolder, QObject *parent);

    void createChildProperty(const QVariant &value, const QString &propertyName) override;
    void createSimpleProperty(const QString &propertyName) override;
    // As for every holder, then the hidden description of that name whatever the object name.
    PropertyInfo *propertyInfo(const QString &propertyName, const QString &objectName) const override;

    RuntimePropertyInfo *getRuntimePropertyInfo(const QString &propertyName) const;
    // The names of the runtime values that are not hidden, in the order of the runtime properties.
    QStringList runtimePropertyNames() const;
    // The description stored after the named one, wrapping to the first; the first for an unknown name.
    PropertyInfo *propertyInfoAfter(const QString &propertyName) const;

private:
    void bindAngleProperties();

    QMap<QString, PropertyInfo *> m_hiddenDescriptions;
};

#endif // RUNTIMEDATAINFO_H
