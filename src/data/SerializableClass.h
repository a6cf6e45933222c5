#ifndef SERIALIZABLECLASS_H
#define SERIALIZABLECLASS_H

// Base of every settings object and its three kinds.
//
// How a settings class is written
// -------------------------------
//     class ESAlertSetup : public SetupSerializableClass
//     {
//         Q_OBJECT
//         Q_PROPERTY(double AlarmShallow READ AlarmShallow WRITE setAlarmShallow NOTIFY AlarmShallowChanged)
//         Q_CLASSINFO("AlarmShallow", "type=value name=AlarmShallow ... defaultValue=10.0")
//         Q_PROPERTY(int AlertType READ AlertType WRITE setAlertType NOTIFY AlertTypeChanged)
//         Q_CLASSINFO("AlertType", "type=enum name=AlertType ... defaultValue=1")
//     public:
//         ESAlertSetup(QObject *parent, const QString &name) : SetupSerializableClass(parent, name) {}
//         double AlarmShallow() const { return m_alarmShallow; }
//     public slots:  // or public
//         void setAlarmShallow(double v) { m_alarmShallow = v; emit AlarmShallowChanged(v); }
//     signals:
//         void AlarmShallowChanged(double);
//     ...
//     };
//
// - Every Qt property is a setting. Class-information entry i describes property i + 1 (property 0 is
//   objectName), so write exactly one Q_CLASSINFO per Q_PROPERTY, with the property's name, in the same
//   order. The base classes declare no property and no class information. The keys read here are
//   defaultValue=, type= and isNumeric= (see setDefaultValueFromClassInfo) and validator= (see below).
//   A QList property cannot take a class-information default (its default text would be refused), so
//   lists belong in objects that are not defaulted (runtime values, satellite information).
// - Supported property types: int, uint, double, bool, QString, QList<int>, QList<QString>/QStringList,
//   and pointers to settings objects (children). Anything else makes serialize() throw.
// - A child settings object is constructed with its owner as parent and the object name, and is exposed
//   by the owner as a read-only pointer property whose name equals the child's object name:
//       Q_PROPERTY(ESOptionsSetup *OptionsSetup READ OptionsSetup)
//   Properties are the order of the settings text; QObject child order is the order of files and
//   defaults. An object holds either children or settings, never both (defaults and files see leaves
//   only).
// - Setters assign and emit the change signal (named property + "Changed", one argument: the new value).
// - A root (a settings object whose parent is not a settings object) of a stored tree completes itself in
//   its constructor: construct all children; initializeValidity(true);
//   setDefaultValuesFromClassInfo_RecursivelyForAllChildren({}); loadAllChildrenFromFiles({}); then its
//   own corrections. Override applyCustomDefaults() for defaults that class information cannot express;
//   it runs after the class-information defaults of the object and all its children.
// - A class whose type text or id differs from its kind's (alerts, marks, ...) calls setType()/setId()
//   in its constructor.
// - Register the class as a pointer meta-type in ESDataClass (registerSettingsMetaTypes); value-type
//   registration is not used, so the class needs no argument-free or copy constructor.
//
// Received values (settings text and files) are checked before they are written: a value the property
// cannot convert (an int from "12.7", a double that is not finite) is refused; for objects that are kept
// in files (type "Type_Setup" or "Type_LocalSetup") a value containing white space or a control
// character is refused too, and so is a value that the validator of the property's "validator=" item
// refuses, unless it is the description's own default (an IP of "-/-", -1 hours). "validator=regex;x",
// the mark of a value that is shown but never typed (MAC address, software version), judges nothing. A
// refused value keeps the old value and validity and is written to the debug log.

#include "common/ScopedInstanceOverride.h"
#include "nmea/ValidatedObject.h"

#include <QList>
#include <QMap>
#include <QMetaProperty>
#include <QString>
#include <QStringList>
#include <QVariant>

class SignalEmitter;
class SerializableClass;

// Process-wide: while true (always, in this system) received settings texts are applied without being
// re-emitted on the settings hub and without writing files. Writable only so that the relaying paths
// can be exercised by tests.
extern bool settingsRelayDisabled;

// Key: a settings object of a tree. Value: for a leaf, the names of properties that keep their value;
// an empty list leaves the object and everything below it untouched.
using SerializableExclusionMap = QMap<SerializableClass *, QStringList>;

class SerializableClass : public ValidatedObject
{
    Q_OBJECT
public:
    SerializableClass(QObject *parent, const QString &name);
    ~SerializableClass() override;

    // The settings hub on which settings objects emit their texts.
    static SignalEmitter *signalEmitter();
    // The folder of the settings files: "Setup_Files/" + the product's display name + "/".
    static QString settingsDirectory();
    // Removes from the settings folder the temporary files of settings files whose writing the end of
    // the program cut short; called before the settings are read.
    static void removeInterruptedSettingsWrites();

    qint32 id() const { return m_id; }
    QString type() const { return m_type; }
    QString directory() const { return m_directory; }
    QString fileName() const { return m_fileName; }

    // Virtual operations; see the kinds for what each one adds.
    virtual void applyCustomDefaults();
    virtual QString serialize();
    virtual bool deserializeSingleProperty(const QString &text);
    virtual QString serializeSingleProperty(const QString &name, const QVariant &value);
    virtual QString serializeSinglePropertyByName(const QString &name);
    virtual QString serializeAndSend(const QStringList &destinationSfis);
    virtual bool deserializeAll(const QString &text);
    virtual void writeToFile(const QString &directory);
    virtual void readFromFile(const QString &directory, const QStringList &excludedProperties);
    virtual void writeAllChildrenToFiles(const QString &directory);
    virtual void readAllChildrenFromFiles(
        const QString &directory, const SerializableExclusionMap &exclusions);

    // Defaults from class information: of this object's own properties, and of a whole tree (leaves
    // only, honouring the map; applyCustomDefaults of every visited object runs after its children).
    void setDefaultValueFromClassInfo(const QStringList &excludedProperties);
    void setDefaultValuesFromClassInfo_RecursivelyForAllChildren(const SerializableExclusionMap &exclusions);

    // Re-emits the change signal of every QString, int, uint and double property of every leaf at or
    // below this object, with its current value.
    void emitAllPropertySignals();

    // The file operations with this object's own directory.
    void saveToFile();
    void loadFromFile(const QStringList &excludedProperties);
    void saveAllChildrenToFiles();
    void loadAllChildrenFromFiles(const SerializableExclusionMap &exclusions);
    // Applies the items of a settings file's text; always true.
    bool applyFileText(const QString &text, const QStringList &excludedProperties);

    // Applies a single-change text. Returns the object that holds the property, or null when the text
    // was not applied; *ok (may be null) tells whether the value was written.
    SerializableClass *applySingleProperty(const QString &text, bool *ok);
    // Whole-object text reading: splits at "," and reads the items at the given child depth.
    bool deserializeText(const QString &text, int depth);
    // Reads (and consumes) an item list at the given child depth.
    bool deserialize(QStringList &items, int depth);
    // The ";"-joined text of a QList<int> or QList<QString> value; throws for other values and for an
    // element that has no text.
    static QString serializeList(const QVariant &list);

    // Tree helpers. A root is a settings object whose parent is not a settings object; a leaf has no
    // settings objects below it.
    bool isRoot() const;
    bool isLeaf() const;
    SerializableClass *topmostObject();
    // Direct settings-object children, in QObject child order.
    QList<SerializableClass *> settingsChildren() const;
    // The settings object held by the named pointer property, or null.
    SerializableClass *childByPropertyName(const QString &name) const;

protected:
    void setType(const QString &type) { m_type = type; }
    void setId(qint32 id) { m_id = id; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // The whole-object text in the general form (runtimeForm false) or the runtime form with validity
    // marks. Children are written in the general form in the former, through their own serialize() in
    // the latter.
    QString serializeText(bool runtimeForm);
    // The single-change text without any emit or file write, as the base kind builds it.
    QString baseSingleProperty(const QString &name, const QVariant &value) const;
    // What the kinds that send their changes do: the single-change text, emitted on the settings hub;
    // the whole-object text (serialize()), emitted with the SFIs it is meant for. Both return the text.
    QString emitSingleProperty(const QString &name, const QVariant &value);
    QString emitWholeObject(const QStringList &destinationSfis);

    // Whether received values are checked against the validator of their description and refused when
    // they hold white space: true for the objects kept in settings files, those of the setup and local
    // types (the communication monitor and the satellite data carry other type texts and are never
    // stored).
    bool checksStoredValues() const
    {
        return m_type == QLatin1String("Type_Setup") || m_type == QLatin1String("Type_LocalSetup");
    }

private:
    // Writes a received value text to a property. Returns false and leaves value and validity alone when
    // the value is refused. An empty text marks the property invalid and keeps its value.
    bool writeReceivedValue(const QMetaProperty &property, const QString &value);
    SerializableClass *applySinglePropertyFrom(const QString &text, bool *ok, bool handedOver);

    qint32 m_id = 0;
    QString m_type;
    QString m_directory;
    QString m_fileName;
};

// The ids the settings objects take, by kind: the n-th object of a kind made in the process takes the kind's
// base (local 2001, runtime 1001, setup 3001) plus n - 1.
struct SerializableIdCounters
{
    int local = 0;
    int runtime = 0;
    int setup = 0;

    static SerializableIdCounters *instance();
    // Test support: while an override lives, objects count on its counters (fresh ones start at the bases).
    using TestOverride = ScopedInstanceOverride<SerializableIdCounters>;
};

// Settings kept on this display only: every change is written to the object's file at once.
class LocalSerializableClass : public SerializableClass
{
    Q_OBJECT
public:
    LocalSerializableClass(QObject *parent, const QString &name);

    QString serializeSingleProperty(const QString &name, const QVariant &value) override;
    QString serializeSinglePropertyByName(const QString &name) override;
};

// Runtime values received from the junction box: no file; whole-object texts carry "=T"/"=F" marks.
class RuntimeSerializableClass : public SerializableClass
{
    Q_OBJECT
public:
    RuntimeSerializableClass(QObject *parent, const QString &name);

    QString serialize() override;
    bool deserializeSingleProperty(const QString &text) override;
    QString serializeSingleProperty(const QString &name, const QVariant &value) override;
    QString serializeAndSend(const QStringList &destinationSfis) override;
    bool deserializeAll(const QString &text) override;
};

// Settings shared with the junction box: every change is emitted as text for sending; kept in a file.
class SetupSerializableClass : public SerializableClass
{
    Q_OBJECT
public:
    SetupSerializableClass(QObject *parent, const QString &name);

    bool deserializeSingleProperty(const QString &text) override;
    QString serializeSingleProperty(const QString &name, const QVariant &value) override;
    QString serializeSinglePropertyByName(const QString &name) override;
    QString serializeAndSend(const QStringList &destinationSfis) override;
    using SerializableClass::serializeAndSend;
    // The whole-object text; nothing is sent.
    QString serializeAndSend();
    bool deserializeAll(const QString &text) override;

    // Single changes that the network sends without acknowledgement: "NoAck" follows the type text.
    QString sendSinglePropertyNoAck(const QString &name);
    QString sendSinglePropertyValueNoAck(const QString &name, const QVariant &value);

    // The sending operations under the names the communication monitor uses: a single change with the
    // given or the current value, and the whole object with its destination SFIs.
    virtual QString sendSinglePropertyValue(const QString &name, const QVariant &value);
    virtual QString sendSingleProperty(const QString &name);
    virtual QString sendWholeObject(const QStringList &destinationSfis);

    bool relayReceivedChanges() const { return m_relayReceivedChanges; }

protected:
    void setRelayReceivedChanges(bool relay) { m_relayReceivedChanges = relay; }

private:
    QString emitNoAck(QString text);

    bool m_relayReceivedChanges = true;
};

#endif // SERIALIZABLECLASS_H
