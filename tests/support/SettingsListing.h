#ifndef SETTINGSLISTING_H
#define SETTINGSLISTING_H

// Test helper: walks a settings tree over its meta-objects and lists every object and property, so
// that a test can compare a whole tree (names, order, types, values, descriptions) with a golden
// listing written from the settings tables. Header only; used by the settings-tree tests.
//
// Listing format, one block per settings object, depth first in property order:
//     [objectName] ClassName
//     ChildProperty<TAB>ChildClass*                       (a container's child)
//     Property<TAB>type<TAB>value<TAB>description         (a setting)
// Golden files carry one more column after the value, "always" or "onchange": whether the setter
// announces every write or only a change.

#include "data/SerializableClass.h"

#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QStringList>
#include <QTextStream>

namespace SettingsListing {

struct GoldenSetting
{
    QString object;
    QString property;
    QString mode;
};

inline QString valueText(const QVariant &value)
{
    if (value.userType() == QMetaType::Double)
        return QString::number(value.toDouble());
    return value.toString();
}

inline bool isChildProperty(const QMetaProperty &property)
{
    return QMetaType::typeFlags(property.userType()) & QMetaType::PointerToQObject;
}

inline void list(SerializableClass *object, QStringList &lines)
{
    const QMetaObject *meta = object->metaObject();
    lines << QStringLiteral("[%1] %2").arg(object->objectName(), QString::fromLatin1(meta->className()));
    QList<SerializableClass *> children;
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        if (isChildProperty(property)) {
            lines << name + QLatin1Char('\t') + QString::fromLatin1(property.typeName());
            if (SerializableClass *child = object->childByPropertyName(name))
                children << child;
            continue;
        }
        const int info = meta->indexOfClassInfo(property.name());
        const QString description
            = info < 0 ? QStringLiteral("<none>") : QString::fromUtf8(meta->classInfo(info).value());
        lines << QStringList { name, QString::fromLatin1(property.typeName()),
            valueText(property.read(object)), description }
                     .join(QLatin1Char('\t'));
    }
    for (SerializableClass *child : children)
        list(child, lines);
}

inline QStringList list(SerializableClass *root)
{
    QStringList lines;
    list(root, lines);
    return lines;
}

// The golden lines without the mode column, and the modes of the settings.
inline QStringList readGolden(const QString &path, QList<GoldenSetting> *settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    QStringList lines;
    QString object;
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            object = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
            lines << line;
            continue;
        }
        QStringList columns = line.split(QLatin1Char('\t'));
        if (columns.size() == 5) {
            if (settings)
                settings->append({ object, columns.at(0), columns.at(3) });
            columns.removeAt(3);
        }
        lines << columns.join(QLatin1Char('\t'));
    }
    return lines;
}

// Faults of the meta-object shape the settings layer relies on: one description per setting, named
// after it and in property order; every setting writable with a one-argument change signal named
// after it; children read-only, in QObject child order equal to their property order; no object
// holding both children and settings.
inline QStringList shapeFaults(SerializableClass *object)
{
    QStringList faults;
    const QMetaObject *meta = object->metaObject();
    const QString where = object->objectName() + QLatin1Char('.');
    QStringList childProperties;
    int settingCount = 0;
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        if (isChildProperty(property)) {
            childProperties << name;
            if (property.isWritable() || property.hasNotifySignal())
                faults << where + name + QStringLiteral(": child property is writable or notifies");
            continue;
        }
        ++settingCount;
        if (meta->classInfoCount() < i || QString::fromLatin1(meta->classInfo(i - 1).name()) != name)
            faults << where + name + QStringLiteral(": description missing or out of order");
        if (!property.isWritable())
            faults << where + name + QStringLiteral(": not writable");
        const QMetaMethod notify = property.notifySignal();
        if (!property.hasNotifySignal() || notify.name() != property.name() + QByteArray("Changed")
            || notify.parameterCount() != 1 || notify.parameterType(0) != property.userType())
            faults << where + name + QStringLiteral(": change signal missing or wrong");
    }
    if (meta->classInfoCount() != settingCount)
        faults << where
                + QStringLiteral("description count %1 for %2 settings")
                      .arg(meta->classInfoCount())
                      .arg(settingCount);
    if (settingCount > 0 && !childProperties.isEmpty())
        faults << where + QStringLiteral(" holds both children and settings");
    QStringList childNames;
    const QList<SerializableClass *> children = object->settingsChildren();
    for (SerializableClass *child : children)
        childNames << child->objectName();
    if (childNames != childProperties)
        faults << where + QStringLiteral(" children ") + childNames.join(QLatin1Char(' '))
                + QStringLiteral(" but child properties ") + childProperties.join(QLatin1Char(' '));
    for (SerializableClass *child : children)
        faults << shapeFaults(child);
    return faults;
}

// The settings object of the tree with that object name (the root included).
inline SerializableClass *findObject(SerializableClass *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    return root->findChild<SerializableClass *>(name);
}

// A value of the property's type that differs from the given one.
inline QVariant otherValue(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
        return value.toInt() + 1;
    case QMetaType::UInt:
        return value.toUInt() + 1;
    case QMetaType::Double:
        return value.toDouble() + 1.5;
    default:
        return value.toString() + QStringLiteral("X");
    }
}

} // namespace SettingsListing

#endif // SETTINGSLISTING_H
