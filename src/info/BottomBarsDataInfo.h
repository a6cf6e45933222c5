#ifndef BOTTOMBARSDATAINFO_H
#define BOTTOMBARSDATAINFO_H

#include "info/SerializableClassInfo.h"

class SetupDataInfo;

// The holder of the bottom-bars object. That object has no properties, only the choice lists of the
// bottom bars as class information (read by RuntimeEnumPropertyInfo), so this holder stays empty; a
// property would be a programming error and throws.
class BottomBarsDataInfo : public SerializableClassInfo
{
    Q_OBJECT

public:
    // A holder with no settings object; nothing in this system builds one.
    explicit BottomBarsDataInfo(QObject *parent = nullptr);
    BottomBarsDataInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
        SetupDataInfo *localSetupHolder, QObject *parent);

    void createChildProperty(const QVariant &value, const QString &propertyName) override;
    void createSimpleProperty(const QString &propertyName) override;
};

#endif // BOTTOMBARSDATAINFO_H
