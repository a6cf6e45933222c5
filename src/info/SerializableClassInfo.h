#ifndef SERIALIZABLECLASSINFO_H
#define SERIALIZABLECLASSINFO_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class PropertyInfo;
class SerializableClass;
class SetupDataInfo;

// A holder of descriptions: one per settings object, named like it, mirroring the tree of settings
// objects. It holds one description per Qt property of the object and one child holder per child settings
// object, both as dynamic properties named after the source property (a QVariant holding the pointer);
// child holders are also its Qt children. Screens find a description by the property name and the object
// name of the settings object that owns it; object names are unique within a tree.
//
// The kind of a description comes from the "type=" item of its text (the first item containing "type=",
// any case); the description is built from the text without that item. The holders own the descriptions
// they build.
class SerializableClassInfo : public QObject
{
    Q_OBJECT

public:
    ~SerializableClassInfo() override;

    SerializableClass *sourceObject() const { return m_sourceObject; }
    // Every holder below this one, at any depth, in the order of Qt's recursive child search.
    QList<SerializableClassInfo *> childHolders() const { return m_childHolders; }
    bool hasChildren() const { return m_hasChildren; }

    // Builds the holder of the child settings object in `value`.
    virtual void createChildProperty(const QVariant &value, const QString &propertyName) = 0;
    // Builds the description of one plain property.
    virtual void createSimpleProperty(const QString &propertyName) = 0;
    // The description of the property of the named settings object, in this holder or below it; null when
    // there is none.
    virtual PropertyInfo *propertyInfo(const QString &propertyName, const QString &objectName) const;

    // The type of a description text (the value of its first item containing "type="); throws "no type
    // specified for property info (SerializableClassInfo::propertyInfoType())" when there is none.
    static QString propertyInfoType(const QString &description);
    // The text without that item, the other items joined by single blanks.
    static QString descriptionWithoutType(const QString &description);

    // Refreshes what every description shows (each description once): the system does so once at start,
    // after the settings files have been read.
    void updateAllGUI();
    // The same, after setting every validity flag of the described objects to `valid`.
    void setAllValid(bool valid);

protected:
    explicit SerializableClassInfo(QObject *parent = nullptr);
    // The holders of the runtime values and the bottom bars also know the two setup holders, whose
    // descriptions they may offer (insertSetupProperties()).
    SerializableClassInfo(SerializableClass *sourceObject, SetupDataInfo *setupHolder,
        SetupDataInfo *localSetupHolder, QObject *parent);

    SetupDataInfo *setupHolder() const { return m_setupHolder; }
    SetupDataInfo *localSetupHolder() const { return m_localSetupHolder; }

    // Builds the descriptions and child holders of every property of the source object, then lists the
    // holders below. Run by the constructors of the kinds, whose virtual builders it calls.
    void buildFromSource();
    // What the class-information entry of a source property says: the type of its description, and the
    // text without the type item, from which the description is built. A property without an entry has an
    // empty description, which names no type (and throws as propertyInfoType() does).
    struct Description
    {
        QString type;
        QString withoutType;
    };
    Description describe(const QString &propertyName) const;
    // Stores a description this holder built (and now owns) under the property name.
    void storeDescription(const QString &propertyName, PropertyInfo *description);
    // Keeps a description this holder built without storing it under a property name.
    void adopt(PropertyInfo *description);
    // Stores a pointer under the property name, for lookups (not owned).
    void storePointer(const QString &propertyName, const QVariant &pointer);
    // The names of the dynamic properties, in the order they were set.
    QStringList storedNames() const;
    // Adds the setup descriptions named by the source class's "SetupInformation" entry ("property,object"
    // items joined by ";"), found in the shared and then the local setup holder, for lookups here. An item
    // that neither holds is written to the debug log (with its object name when `logObject`) and throws
    // `fault`.
    void insertSetupProperties(const char *fault, bool logObject);

private:
    void refresh(bool setValidity, bool valid);

    SerializableClass *m_sourceObject = nullptr;
    SetupDataInfo *m_setupHolder = nullptr;
    SetupDataInfo *m_localSetupHolder = nullptr;
    QList<SerializableClassInfo *> m_childHolders;
    bool m_hasChildren = false;
    QList<PropertyInfo *> m_ownDescriptions;
};

#endif // SERIALIZABLECLASSINFO_H
