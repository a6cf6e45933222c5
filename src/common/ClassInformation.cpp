#include "common/ClassInformation.h"

#include <QHash>
#include <QMetaClassInfo>
#include <QMetaObject>

#include <memory>

int ClassInfoItem::firstContainedKey(const QStringList &keys) const
{
    for (int i = 0; i < keys.size(); ++i) {
        if (text.contains(keys.at(i), Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

const ClassInfoItem *ClassInfoEntry::item(const QString &key) const
{
    for (const ClassInfoItem &candidate : items) {
        if (candidate.hasValue && candidate.key == key)
            return &candidate;
    }
    return nullptr;
}

QString ClassInfoEntry::value(const QString &key, const QString &fallback) const
{
    const ClassInfoItem *found = item(key);
    return found ? found->value : fallback;
}

const ClassInfoItem *ClassInfoEntry::itemStartingWith(const QString &prefix) const
{
    for (const ClassInfoItem &candidate : items) {
        if (candidate.text.startsWith(prefix))
            return &candidate;
    }
    return nullptr;
}

QVector<const ClassInfoItem *> ClassInfoEntry::itemsContaining(
    const QString &text, Qt::CaseSensitivity sensitivity) const
{
    QVector<const ClassInfoItem *> found;
    for (const ClassInfoItem &candidate : items) {
        if (candidate.text.contains(text, sensitivity))
            found.append(&candidate);
    }
    return found;
}

QVector<ClassInfoItem> ClassInformation::splitItems(const QString &text)
{
    QVector<ClassInfoItem> items;
    const QStringList parts = text.split(QLatin1Char(' '));
    items.reserve(parts.size());
    for (const QString &part : parts) {
        ClassInfoItem item;
        item.text = part;
        const int first = part.indexOf(QLatin1Char('='));
        item.hasValue = first >= 0;
        if (item.hasValue) {
            item.key = part.left(first);
            item.rest = part.mid(first + 1);
            const int second = item.rest.indexOf(QLatin1Char('='));
            item.value = second >= 0 ? item.rest.left(second) : item.rest;
        } else {
            item.key = part;
        }
        items.append(item);
    }
    return items;
}

const ClassInformation &ClassInformation::of(const QMetaObject *meta)
{
    // Kept for the life of the process, like the meta-objects themselves.
    static QHash<const QMetaObject *, std::shared_ptr<ClassInformation>> cache;
    auto found = cache.constFind(meta);
    if (found != cache.constEnd())
        return **found;
    std::shared_ptr<ClassInformation> information(new ClassInformation(meta));
    cache.insert(meta, information);
    return *information;
}

ClassInformation::ClassInformation(const QMetaObject *meta)
{
    m_entries.reserve(meta->classInfoCount());
    for (int i = 0; i < meta->classInfoCount(); ++i) {
        const QMetaClassInfo info = meta->classInfo(i);
        ClassInfoEntry entry;
        entry.name = QByteArray(info.name());
        entry.text = QString::fromUtf8(info.value());
        entry.items = splitItems(entry.text);
        m_entries.append(entry);
    }
}

const ClassInfoEntry *ClassInformation::entry(const char *name) const
{
    // QMetaObject::indexOfClassInfo searches the most derived class first and, within a class, from its
    // last entry back; with inherited entries first in m_entries that is a search from the end.
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i).name == name)
            return &m_entries.at(i);
    }
    return nullptr;
}

const ClassInfoEntry *ClassInformation::entry(const QString &name) const
{
    return entry(name.toUtf8().constData());
}
