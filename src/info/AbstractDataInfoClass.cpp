#include "info/AbstractDataInfoClass.h"

#include "info/BottomBarsDataInfo.h"
#include "info/EnumWithDifferentUnitsPropertyInfo.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValueFromEnumPropertyInfo.h"

AbstractDataInfoClass::AbstractDataInfoClass(QObject *parent)
    : QObject(parent)
{
    registerMetaTypes();
}

void AbstractDataInfoClass::registerMetaTypes()
{
    qRegisterMetaType<SerializableClassInfo *>();
    qRegisterMetaType<SetupDataInfo *>();
    qRegisterMetaType<RuntimeDataInfo *>();
    qRegisterMetaType<BottomBarsDataInfo *>();
    qRegisterMetaType<PropertyInfo *>();
    qRegisterMetaType<SetupPropertyInfo *>();
    qRegisterMetaType<EnumPropertyInfo *>();
    qRegisterMetaType<ValuePropertyInfo *>();
    qRegisterMetaType<ValueFromEnumPropertyInfo *>();
    qRegisterMetaType<EnumWithDifferentUnitsPropertyInfo *>();
    qRegisterMetaType<RuntimePropertyInfo *>();
    qRegisterMetaType<RuntimeEnumPropertyInfo *>();
    qRegisterMetaType<RuntimePropertyWithAngleInfo *>();
}
