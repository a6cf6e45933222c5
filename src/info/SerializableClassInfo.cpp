#include "info/SerializableClassInfo.h"

#include "common/ClassInformation.h"
#include "data/SerializableClass.h"
#include "info/PropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"

#include <QDebug>
#include <QMetaProperty>

namespace {

SerializableClass *settingsObjectIn(const QVariant &value)
{
    if (!(QMetaType::typeFlags(value.userType()) & QMetaType::PointerToQObject))
        return nullptr;
    return qobject_cast<SerializableClass *>(value.value<QObject *>());
}

// The first item containing "type=", any case: "xtype=value" is a type item too.
int typeItemIndex(const QVector<ClassInfoItem> &items)
{
    static const QStringList typeKey = { QStringLiteral("type=") };
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).firstContainedKey(typeKey) == 0)
            return i;
    }
    return -1;
}

QString typeOf(const QVector<ClassInfoItem> &items, int index, const QString &description)
{
    if (index < 0) {
        qDebug() << description;
        throw "no type specified for property info (SerializableClassInfo::propertyInfoType())";
    }
    return items.at(index).value;
}

QString withoutItem(const QVector<ClassInfoItem> &items, int index)
{
    QStringList kept;
    kept.reserve(items.size());
    for (int i = 0; i < items.size(); ++i) {
        if (i != index)
            kept.append(items.at(i).text);
    }
    return kept.join(QLatin1Char(' '));
}

} // namespace

SerializableClassInfo::SerializableClassInfo(QObject *parent)
    : QObject(parent)
{
}

SerializableClassInfo::SerializableClassInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
    SetupDataInfo *localSetupHolder, QObject *parent)
    : QObject(parent)
    , m_sourceObject(sourceObject)
    , m_setupHolder(setupHolder)
    , m_localSetupHolder(localSetupHolder)
{
}

SerializableClassInfo::~SerializableClassInfo()
{
    qDeleteAll(m_ownDescriptions);
}

void SerializableClassInfo::buildFromSource()
{
    if (!m_sourceObject)
        return;
    qRegisterMetaType<SerializableClass *>();
    setObjectName(m_sourceObject->objectName());
    const QMetaObject *meta = m_sourceObject->metaObject();
    // Property 0 is objectName, never a setting.
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        const QVariant value = property.read(m_sourceObject);
        if (settingsObjectIn(value))
            createChildProperty(value, name);
        else
            createSimpleProperty(name);
    }
    m_childHolders = findChildren<SerializableClassInfo *>();
    m_hasChildren = !m_childHolders.isEmpty();
}

// The entry's items are those ClassInformation split once for the class.
SerializableClassInfo::Description SerializableClassInfo::describe(const QString &propertyName) const
{
    const ClassInfoEntry *entry = ClassInformation::of(m_sourceObject->metaObject()).entry(propertyName);
    const QVector<ClassInfoItem> items = entry ? entry->items : ClassInformation::splitItems(QString());
    const int index = typeItemIndex(items);
    return { typeOf(items, index, entry ? entry->text : QString()), withoutItem(items, index) };
}

QString SerializableClassInfo::propertyInfoType(const QString &description)
{
    const QVector<ClassInfoItem> items = ClassInformation::splitItems(description);
    return typeOf(items, typeItemIndex(items), description);
}

QString SerializableClassInfo::descriptionWithoutType(const QString &description)
{
    const QVector<ClassInfoItem> items = ClassInformation::splitItems(description);
    return withoutItem(items, typeItemIndex(items));
}

void SerializableClassInfo::storeDescription(const QString &propertyName, PropertyInfo *description)
{
    adopt(description);
    storePointer(propertyName, QVariant::fromValue(description));
}

void SerializableClassInfo::adopt(PropertyInfo *description)
{
    m_ownDescriptions.append(description);
}

void SerializableClassInfo::storePointer(const QString &propertyName, const QVariant &pointer)
{
    setProperty(propertyName.toLatin1().constData(), pointer);
}

QStringList SerializableClassInfo::storedNames() const
{
    QStringList names;
    const QList<QByteArray> dynamicNames = dynamicPropertyNames();
    names.reserve(dynamicNames.size());
    for (const QByteArray &name : dynamicNames)
        names.append(QString::fromLatin1(name));
    return names;
}

PropertyInfo *SerializableClassInfo::propertyInfo(
    const QString &propertyName, const QString &objectName) const
{
    if (objectName != this->objectName()) {
        const SerializableClassInfo *holder = findChild<SerializableClassInfo *>(objectName);
        return holder ? holder->propertyInfo(propertyName, objectName) : nullptr;
    }
    const QByteArray name = propertyName.toLatin1();
    if (!dynamicPropertyNames().contains(name))
        return nullptr;
    return qobject_cast<PropertyInfo *>(property(name.constData()).value<QObject *>());
}

void SerializableClassInfo::insertSetupProperties(const char *fault, bool logObject)
{
    const ClassInfoEntry *entry
        = ClassInformation::of(m_sourceObject->metaObject()).entry("SetupInformation");
    if (!entry)
        return;
    const QStringList pairs = entry->text.split(QLatin1Char(';'));
    for (const QString &pair : pairs) {
        const QStringList parts = pair.split(QLatin1Char(','));
        const QString property = parts.at(0);
        const QString object = parts.value(1);
        PropertyInfo *found = nullptr;
        for (const SetupDataInfo *holder : { m_setupHolder, m_localSetupHolder }) {
            if (!found && holder)
                found = holder->getSetupPropertyInfo(property, object);
        }
        if (!found) {
            if (logObject)
                qDebug() << property << " from: " << object;
            else
                qDebug() << property;
            throw fault;
        }
        storePointer(property, QVariant::fromValue(found));
    }
}

void SerializableClassInfo::updateAllGUI()
{
    refresh(false, false);
}

void SerializableClassInfo::setAllValid(bool valid)
{
    refresh(true, valid);
}

// Every holder that describes properties refreshes its own descriptions, once: a holder with children
// leaves that to the holders below it (the list of descendants holds them all, so going down through each
// child as well would refresh the deeper ones again).
void SerializableClassInfo::refresh(bool setValidity, bool valid)
{
    QList<SerializableClassInfo *> leaves;
    if (m_hasChildren) {
        for (SerializableClassInfo *holder : qAsConst(m_childHolders)) {
            if (!holder->m_hasChildren)
                leaves.append(holder);
        }
    } else {
        leaves.append(this);
    }
    for (SerializableClassInfo *leaf : qAsConst(leaves)) {
        if (setValidity && leaf->m_sourceObject)
            leaf->m_sourceObject->setAllValid(valid);
        const QStringList names = leaf->storedNames();
        for (const QString &name : names) {
            if (PropertyInfo *description = leaf->propertyInfo(name, leaf->objectName()))
                description->updateGUI();
        }
    }
}
