#include "info/RuntimeDataInfo.h"

#include "data/SerializableClass.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "info/SetupDataInfo.h"

#include <QDebug>

RuntimeDataInfo::RuntimeDataInfo(QObject *parent)
    : SerializableClassInfo(parent)
{
}

RuntimeDataInfo::RuntimeDataInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
    SetupDataInfo *localSetupHolder, QObject *parent)
    : SerializableClassInfo(sourceObject, setupHolder, localSetupHolder, parent)
{
    buildFromSource();
    bindAngleProperties();
    insertSetupProperties(
        "No such property in setup_info_source_class. (RuntimeDataInfo::insertSetupProperties())", false);
}

void RuntimeDataInfo::createChildProperty(const QVariant &value, const QString &propertyName)
{
    auto *child = new RuntimeDataInfo(
        qobject_cast<SerializableClass *>(value.value<QObject *>()), setupHolder(), localSetupHolder(), this);
    storePointer(propertyName, QVariant::fromValue(child));
}

void RuntimeDataInfo::createSimpleProperty(const QString &propertyName)
{
    const Description description = describe(propertyName);
    if (!description.type.contains(QLatin1String("runtime"), Qt::CaseInsensitive)) {
        qDebug() << "wrong type of property info RuntimeDataInfo::createSimpleProperty()";
        throw "wrong type of property info RuntimeDataInfo::createSimpleProperty()";
    }
    const QString &text = description.withoutType;
    RuntimePropertyInfo *info = text.contains(QLatin1String("angleProperty="))
        ? new RuntimePropertyWithAngleInfo(text, sourceObject())
        : new RuntimePropertyInfo(text, sourceObject());
    if (text.contains(QLatin1String("shownOnSideInfo=false"))) {
        adopt(info);
        m_hiddenDescriptions.insert(info->name(), info);
    } else {
        storeDescription(propertyName, info);
    }
}

PropertyInfo *RuntimeDataInfo::propertyInfo(const QString &propertyName, const QString &objectName) const
{
    if (PropertyInfo *found = SerializableClassInfo::propertyInfo(propertyName, objectName))
        return found;
    return m_hiddenDescriptions.value(propertyName);
}

RuntimePropertyInfo *RuntimeDataInfo::getRuntimePropertyInfo(const QString &propertyName) const
{
    return qobject_cast<RuntimePropertyInfo *>(propertyInfo(propertyName, QStringLiteral("ESRuntime")));
}

QStringList RuntimeDataInfo::runtimePropertyNames() const
{
    return storedNames();
}

PropertyInfo *RuntimeDataInfo::propertyInfoAfter(const QString &propertyName) const
{
    const QStringList names = storedNames();
    if (names.isEmpty())
        return nullptr;
    const int index = names.indexOf(propertyName);
    const QString after = index < 0 ? names.first() : names.at((index + 1) % names.size());
    return propertyInfo(after, objectName());
}

// The angle values are hidden, so the speeds that name them find them among the hidden descriptions; a
// hidden speed (the water current) is bound in the second pass.
void RuntimeDataInfo::bindAngleProperties()
{
    QList<RuntimePropertyWithAngleInfo *> withAngle;
    const QStringList names = storedNames();
    for (const QString &name : names) {
        if (auto *info = qobject_cast<RuntimePropertyWithAngleInfo *>(propertyInfo(name, objectName())))
            withAngle.append(info);
    }
    for (PropertyInfo *hidden : qAsConst(m_hiddenDescriptions)) {
        if (auto *info = qobject_cast<RuntimePropertyWithAngleInfo *>(hidden))
            withAngle.append(info);
    }
    for (RuntimePropertyWithAngleInfo *info : qAsConst(withAngle)) {
        PropertyInfo *angle = getRuntimePropertyInfo(info->anglePropertyName());
        if (!angle) {
            qDebug() << "No such property in ES Runtime class: " << info->anglePropertyName();
            throw "No such property in ES Runtime class: ";
        }
        info->setAnglePropertyInfo(angle);
    }
}
