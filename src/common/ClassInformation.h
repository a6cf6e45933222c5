#ifndef CLASSINFORMATION_H
#define CLASSINFORMATION_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

struct QMetaObject;

// One item of a class-information text: the texts between single blanks, e.g. "validator=float;0;10".
struct ClassInfoItem
{
    QString text; // the item as written
    QString key; // the text before the first "=" (the whole item when it has none)
    QString value; // the text between the first and the second "=", or to the end of the item
    QString rest; // everything after the first "=" (later "=" kept)
    bool hasValue = false; // the item contains "="

    // The description rule of the screens: the index of the first of `keys` (tested in their order) that
    // the whole item contains, case-insensitively ("name=" matches "XYname=abc"); -1 when none does.
    int firstContainedKey(const QStringList &keys) const;
};

// One class-information entry: its name (for settings and sentence classes, the property it describes),
// its text, and the text split at every single blank with empty items kept.
struct ClassInfoEntry
{
    QByteArray name;
    QString text;
    QVector<ClassInfoItem> items;

    // The first item whose key equals `key` exactly (case-sensitive); null when none.
    const ClassInfoItem *item(const QString &key) const;
    // The value of that item, or `fallback` when there is none.
    QString value(const QString &key, const QString &fallback = QString()) const;
    // The first item whose text starts with `prefix` exactly; null when none.
    const ClassInfoItem *itemStartingWith(const QString &prefix) const;
    // Every item whose text contains `text` anywhere, in order.
    QVector<const ClassInfoItem *> itemsContaining(
        const QString &text, Qt::CaseSensitivity sensitivity = Qt::CaseSensitive) const;
};

// The class-information texts of one class, split once and kept for the life of the process. Every reader
// of class information (sentence fields, settings defaults and checks, descriptions) goes through here, so
// a text is split once per class however many objects of it are built; each caller applies its own
// matching rule to the items.
//
// Not thread-safe: every user runs on the GUI thread (sentence classes are built there too).
class ClassInformation
{
public:
    // The split entries of `meta`, inherited entries first, in declaration order (as QMetaObject numbers
    // them). Built on first use.
    static const ClassInformation &of(const QMetaObject *meta);

    // Splits one text into items by the rule above (also for texts that are not class information).
    static QVector<ClassInfoItem> splitItems(const QString &text);

    int count() const { return m_entries.size(); }
    const ClassInfoEntry &at(int index) const { return m_entries.at(index); }
    const QVector<ClassInfoEntry> &entries() const { return m_entries; }
    // The entry QMetaObject::indexOfClassInfo would find (the last of that name, the most derived class
    // first); null when there is none.
    const ClassInfoEntry *entry(const char *name) const;
    const ClassInfoEntry *entry(const QString &name) const;

private:
    explicit ClassInformation(const QMetaObject *meta);

    QVector<ClassInfoEntry> m_entries;
};

#endif // CLASSINFORMATION_H
