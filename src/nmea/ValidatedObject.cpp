#include "nmea/ValidatedObject.h"

#include <QDebug>
#include <QMetaProperty>
#include <QVariant>

namespace {

const char *const placeholderName = "UNINITIALIZED";

// The settings objects without settings objects below them: this object when it has no
// ValidatedObject descendants, otherwise every descendant that is itself a leaf.
QList<ValidatedObject *> leafObjects(ValidatedObject *root)
{
    const QList<ValidatedObject *> descendants = root->findChildren<ValidatedObject *>();
    if (descendants.isEmpty())
        return { root };
    QList<ValidatedObject *> leaves;
    for (ValidatedObject *object : descendants) {
        if (object->findChildren<ValidatedObject *>().isEmpty())
            leaves.append(object);
    }
    return leaves;
}

QStringList ownPropertyNames(const QObject *object)
{
    // Property 0 is objectName, which is no setting.
    const QMetaObject *meta = object->metaObject();
    QStringList names;
    for (int i = 1; i < meta->propertyCount(); ++i)
        names.append(QString::fromLatin1(meta->property(i).name()));
    return names;
}

} // namespace

ValidatedObject::ValidatedObject()
    : QObject(nullptr)
{
}

ValidatedObject::ValidatedObject(QObject *parent, const QString &name)
    : QObject(parent)
{
    if (name == QLatin1String(placeholderName)) {
        qDebug().noquote() << QStringLiteral("ValidatedObject::ValidatedObject - Object name not set for "
                                             "serializable class. Parent is: ")
                + (parent ? parent->objectName() : QString());
        throw "Object name not set for serializable class";
    }
    setObjectName(name);
}

bool ValidatedObject::isValid(const QString &name) const
{
    return m_validity.value(name, false);
}

bool ValidatedObject::isSourceValid(const QString &name) const
{
    return m_sourceValidity.value(name, true);
}

void ValidatedObject::setValid(const QString &name, bool valid)
{
    m_validity.insert(name, valid);
    m_validityCounters.insert(name, 0);
}

void ValidatedObject::setSourceValid(const QString &name, bool valid)
{
    m_sourceValidity.insert(name, valid);
}

int ValidatedObject::validityLimit() const
{
    return m_validityLimit;
}

void ValidatedObject::setValidityLimit(int limit)
{
    m_validityLimit = limit;
}

void ValidatedObject::setAllValid(bool valid)
{
    for (auto it = m_validity.begin(); it != m_validity.end(); ++it)
        it.value() = valid;
    for (auto it = m_validityCounters.begin(); it != m_validityCounters.end(); ++it)
        it.value() = 0;
}

void ValidatedObject::initializeValidity(bool valid)
{
    const QList<ValidatedObject *> leaves = leafObjects(this);
    for (ValidatedObject *leaf : leaves) {
        const QStringList names = ownPropertyNames(leaf);
        for (const QString &name : names)
            leaf->setValid(name, valid);
    }
}

void ValidatedObject::initializeSourceValidity(bool valid)
{
    const QList<ValidatedObject *> leaves = leafObjects(this);
    for (ValidatedObject *leaf : leaves) {
        const QStringList names = ownPropertyNames(leaf);
        for (const QString &name : names)
            leaf->setSourceValid(name, valid);
    }
}

void ValidatedObject::increaseValidityCounters()
{
    // Over a copy of the names: writing a property back runs its change notification,
    // whose receivers may set the validity of other names.
    const QStringList names = m_validityCounters.keys();
    for (const QString &name : names) {
        int &counter = m_validityCounters[name];
        ++counter;
        if (counter > m_validityLimit) {
            setValid(name, false);
            // Writing the value back runs the setter, so the change signal tells the
            // screens that the value is now invalid.
            const QByteArray propertyName = name.toLatin1();
            if (metaObject()->indexOfProperty(propertyName.constData()) >= 0)
                setProperty(propertyName.constData(), property(propertyName.constData()));
        }
    }
}
