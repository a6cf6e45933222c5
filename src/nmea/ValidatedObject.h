#ifndef VALIDATEDOBJECT_H
#define VALIDATEDOBJECT_H

#include <QHash>
#include <QObject>
#include <QString>

// Base of every settings object. Keeps, per Qt property name, whether the value is valid,
// whether its sender marked it valid (the "T"/"F" mark of runtime values) and a validity
// counter. Entries exist only for names that were initialised or set.
class ValidatedObject : public QObject
{
    Q_OBJECT
public:
    // Sets no name and checks nothing.
    ValidatedObject();
    // Throws when name is the placeholder "UNINITIALIZED": the object name is the key of
    // the object in the settings texts, so an unnamed settings object is a programming error.
    ValidatedObject(QObject *parent, const QString &name);

    // False when the name has no entry.
    bool isValid(const QString &name) const;
    // True when the name has no entry.
    bool isSourceValid(const QString &name) const;
    void setValid(const QString &name, bool valid);
    void setSourceValid(const QString &name, bool valid);
    int validityLimit() const;
    void setValidityLimit(int limit);
    // Changes only existing entries.
    void setAllValid(bool valid);
    // Creates or overwrites the entries of every property of the leaf settings objects at
    // or below this one (an object with settings objects below it gets none itself).
    void initializeValidity(bool valid);
    void initializeSourceValidity(bool valid);

protected slots:
    void increaseValidityCounters();

private:
    QHash<QString, bool> m_validity;
    QHash<QString, bool> m_sourceValidity;
    QHash<QString, int> m_validityCounters;
    int m_validityLimit = 10;
};

#endif // VALIDATEDOBJECT_H
