#include "info/BottomBarsDataInfo.h"

#include "info/SetupDataInfo.h"

#include <QDebug>

BottomBarsDataInfo::BottomBarsDataInfo(QObject *parent)
    : SerializableClassInfo(parent)
{
}

BottomBarsDataInfo::BottomBarsDataInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
    SetupDataInfo *localSetupHolder, QObject *parent)
    : SerializableClassInfo(sourceObject, setupHolder, localSetupHolder, parent)
{
    buildFromSource();
    insertSetupProperties(
        "No such property in setup_info_source_class. (BottomBarsDataInfo::insertSetupProperties())", true);
}

void BottomBarsDataInfo::createChildProperty(const QVariant &, const QString &)
{
    qDebug() << "BottomBarsDataInfo::createChildProperty not implemented";
    throw "BottomBarsDataInfo::createChildProperty not implemented";
}

void BottomBarsDataInfo::createSimpleProperty(const QString &)
{
    qDebug() << "BottomBarsDataInfo::createSimpleProperty not implemented";
    throw "BottomBarsDataInfo::createSimpleProperty not implemented";
}
