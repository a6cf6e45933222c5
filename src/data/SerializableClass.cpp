#include "data/SerializableClass.h"

#include "common/AtomicFile.h"
#include "common/BuildConfiguration.h"
#include "common/ClassInformation.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/SignalEmitter.h"
#include "data/RuntimeScreenChoices.h"
#include "nmea/Validators.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMetaMethod>
#include <QMetaObject>
#include <QTextStream>

#include <cmath>
#include <memory>

bool settingsRelayDisabled = true;

namespace {

// A settings file holds one object's items; real files are a few hundred characters. Anything beyond
// this is damage and is not read.
const int maxSettingsFileLength = 64 * 1024;

// Child markers carry the depth as the last character of their name, so a text can only describe nine
// levels of nesting.
const int maxChildDepth = 9;

const char childMarker[] = "SerializableClass";
const char listMarker[] = "SerClassList";

// One kind of log line for every received or stored value or text that is not applied: a peer that
// repeats such texts gets them summarised.
const char refusedSettingsLine[] = "Settings value or text not applied";

bool isPointerToObject(int userType)
{
    return (QMetaType::typeFlags(userType) & QMetaType::PointerToQObject) != 0;
}

bool isIntList(int userType)
{
    return userType == qMetaTypeId<QList<int>>();
}

bool isStringList(int userType)
{
    return userType == QMetaType::QStringList || userType == qMetaTypeId<QList<QString>>();
}

// QList<QString> is a meta-type of its own, which QVariant::toStringList does not read.
QStringList stringListOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList();
    return QStringList(value.value<QList<QString>>());
}

SerializableClass *settingsObjectIn(const QVariant &value)
{
    if (!isPointerToObject(value.userType()))
        return nullptr;
    return qobject_cast<SerializableClass *>(value.value<QObject *>());
}

// Doubles travel rounded to single precision with two decimals; everything else as its variant text.
QString valueText(const QVariant &value)
{
    if (value.userType() == QMetaType::Double)
        return QString::number(double(float(value.toDouble())), 'f', 2);
    return value.toString();
}

// Turns a received value text into a value of the property's type. False when the text is no value of
// that type; a list element that is no number reads as 0, as the senders expect.
bool convertReceivedText(int userType, const QString &text, QVariant *result)
{
    bool ok = true;
    switch (userType) {
    case QMetaType::QString:
        *result = text;
        return true;
    case QMetaType::Int:
        *result = text.toInt(&ok, 10);
        return ok;
    case QMetaType::UInt:
        *result = text.toUInt(&ok, 10);
        return ok;
    case QMetaType::LongLong:
        *result = text.toLongLong(&ok, 10);
        return ok;
    case QMetaType::ULongLong:
        *result = text.toULongLong(&ok, 10);
        return ok;
    case QMetaType::Double: {
        const double d = text.toDouble(&ok);
        *result = d;
        return ok && std::isfinite(d);
    }
    case QMetaType::Float: {
        const float f = text.toFloat(&ok);
        *result = f;
        return ok && std::isfinite(f);
    }
    case QMetaType::Bool: {
        const QString t = text.toLower();
        if (t == QLatin1String("true") || t == QLatin1String("1"))
            *result = true;
        else if (t == QLatin1String("false") || t == QLatin1String("0"))
            *result = false;
        else
            return false;
        return true;
    }
    default:
        break;
    }
    if (isIntList(userType)) {
        QList<int> list;
        const QStringList parts = text.split(QLatin1Char(';'));
        for (const QString &part : parts)
            list.append(part.toInt());
        *result = QVariant::fromValue(list);
        return true;
    }
    if (userType == QMetaType::QStringList) {
        *result = text.split(QLatin1Char(';'));
        return true;
    }
    if (userType == qMetaTypeId<QList<QString>>()) {
        *result = QVariant::fromValue(QList<QString>(text.split(QLatin1Char(';'))));
        return true;
    }
    if (isPointerToObject(userType))
        return false;
    QVariant converted(text);
    if (!converted.convert(userType))
        return false;
    *result = converted;
    return true;
}

// What a class-information entry says of its property: the default text by the defaults rules (empty
// when the entry gives none), the "validator=" value and, for an enumeration, its list: the number of
// items of its "enumList=" (-1 when it has none), or for a runtime page's value the name of the list
// that the page letter completes.
struct Description
{
    QString defaultText;
    QString validator;
    int choices = -1;
    QString pageChoices;
};

Description describe(const ClassInfoEntry &entry)
{
    // The settings rule: an item counts for the first of these keys that it contains anywhere, without
    // regard to case.
    static const QStringList keys { QStringLiteral("defaultValue="), QStringLiteral("type="),
        QStringLiteral("isNumeric=") };
    Description description;
    QString typeText;
    bool numeric = true;
    bool found = false;
    for (const ClassInfoItem &item : entry.items) {
        switch (item.firstContainedKey(keys)) {
        case 0:
            description.defaultText = item.value;
            found = true;
            break;
        case 1:
            typeText = item.value;
            break;
        case 2:
            if (item.value.contains(QLatin1String("false"), Qt::CaseInsensitive))
                numeric = false;
            break;
        default:
            break;
        }
        if (item.text.startsWith(QLatin1String("validator="), Qt::CaseInsensitive))
            description.validator = item.value;
        // The descriptions' rule: the item that contains "enumList=" in any case ("enumListToDisplay=" and
        // the unit lists do not), its items split at ";" with empty ones kept.
        if (description.choices < 0 && item.text.contains(QLatin1String("enumList="), Qt::CaseInsensitive))
            description.choices = item.value.count(QLatin1Char(';')) + 1;
    }
    // An enumeration is a type that names "enum" but not "value" ("valueFromEnum" is a value that follows
    // an enumeration). The choices of a runtime page's values are not written in the entry.
    const bool enumeration = typeText.contains(QLatin1String("enum"), Qt::CaseInsensitive)
        && !typeText.contains(QLatin1String("value"), Qt::CaseInsensitive);
    if (!enumeration) {
        description.choices = -1;
    } else if (typeText.contains(QLatin1String("runtimeSetupInfoEnum"), Qt::CaseInsensitive)) {
        description.choices = -1;
        description.pageChoices = RuntimeScreenChoices::listName(entry.items);
    }
    if (!found) {
        if (typeText.contains(QLatin1String("enum"), Qt::CaseInsensitive))
            description.defaultText = QStringLiteral("0");
        else if (typeText.contains(QLatin1String("value")))
            description.defaultText = numeric ? QStringLiteral("0") : QStringLiteral("-/-");
    }
    return description;
}

// Validators that say what may be typed on the screen rather than what a value may be: "regex;x"
// marks a value that is shown but never typed (MAC address, software version, the list of saved
// setups), and a numeric range of one point ("float;0.0;0.0") lets the user only reset a value that
// the junction box counts up (the distance totals). Either would refuse every real value, so neither
// judges received or stored ones.
bool isEntryOnlyValidator(const QString &validator)
{
    if (validator.compare(QLatin1String("regex;x"), Qt::CaseInsensitive) == 0)
        return true;
    const QStringList parts = validator.split(QLatin1Char(';'));
    if (parts.size() < 3)
        return false;
    const QString kind = parts.at(0).toLower();
    if (kind != QLatin1String("float") && kind != QLatin1String("int") && kind != QLatin1String("uint"))
        return false;
    bool bottomOk = false;
    bool topOk = false;
    const double bottom = parts.at(1).toDouble(&bottomOk);
    const double top = parts.at(2).toDouble(&topOk);
    return bottomOk && topOk && bottom == top;
}

// The check of a stored value, built once per class and property from the property's description.
struct StoredValueCheck
{
    std::shared_ptr<Validator> validator;
    bool hasDefault = false;
    QVariant defaultValue;
    // An enumeration's index must select one of its choices: a fixed count, or (pageChoices not empty)
    // the count of the runtime page that the object's name gives. -1: no list is known, nothing is
    // judged.
    int choices = -1;
    QString pageChoices;

    int choiceCount(const QString &objectName) const
    {
        if (pageChoices.isEmpty())
            return choices;
        const QString letter = RuntimeScreenChoices::pageLetter(objectName);
        const int count = letter.isEmpty() ? 0 : RuntimeScreenChoices::count(pageChoices, letter);
        return count > 0 ? count : -1;
    }
};

bool isChoice(const QVariant &value, int choices)
{
    bool ok = false;
    const qlonglong index = value.toLongLong(&ok);
    return ok && index >= 0 && index < choices;
}

const StoredValueCheck &storedValueCheck(const QMetaObject *metaObject, const QMetaProperty &property)
{
    static QHash<QPair<const QMetaObject *, int>, StoredValueCheck> cache;
    const QPair<const QMetaObject *, int> key(metaObject, property.propertyIndex());
    auto found = cache.find(key);
    if (found != cache.end())
        return *found;
    StoredValueCheck check;
    if (const ClassInfoEntry *entry = ClassInformation::of(metaObject).entry(property.name())) {
        const Description description = describe(*entry);
        // A received identity value is the sender's own SFI, which the network list holds as taken: only
        // the form is checked here, so no taken list is given. A malformed description builds no
        // validator and judges nothing.
        if (!isEntryOnlyValidator(description.validator))
            check.validator.reset(Validator::fromDescription(description.validator));
        check.choices = description.choices;
        check.pageChoices = description.pageChoices;
        check.hasDefault
            = convertReceivedText(property.userType(), description.defaultText, &check.defaultValue);
    }
    return *cache.insert(key, check);
}

// The two tree walks that honour an exclusion map (defaults, files). A leaf without an entry is visited
// with no excluded property, one with a list keeps those properties, one with an empty list is left alone.
bool leafIsVisited(const SerializableExclusionMap &exclusions, SerializableClass *leaf, QStringList *excluded)
{
    const auto entry = exclusions.constFind(leaf);
    *excluded = entry == exclusions.constEnd() ? QStringList() : *entry;
    return entry == exclusions.constEnd() || !entry->isEmpty();
}

// A child with an empty entry is left alone with everything below it. Property names are kept by leaves
// only: a list given for a container is a mistake of the caller, reported, and the walk goes on into it.
bool childIsVisited(const SerializableExclusionMap &exclusions, SerializableClass *child, const char *walk)
{
    const auto entry = exclusions.constFind(child);
    if (entry == exclusions.constEnd())
        return true;
    if (entry->isEmpty())
        return false;
    if (!child->settingsChildren().isEmpty())
        qDebug().noquote() << QStringLiteral("WRONG PARAMETERS GIVEN TO ***SerializableClass::%1***, Check "
                                             "implementation of this function!")
                                  .arg(QLatin1String(walk));
    return true;
}

bool holdsSpaceOrControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// Item lists of a child start after its marker and end before the next marker of the same or an outer
// level; only the last character of a marker's name is read.
bool endsChildItems(const QString &item, int level)
{
    if (!item.contains(QLatin1String(childMarker)))
        return false;
    const QString name = item.section(QLatin1Char('='), 0, 0);
    if (name.isEmpty())
        return level >= 0;
    const QChar last = name.at(name.size() - 1);
    const int number = last.isDigit() ? last.digitValue() : 0;
    return number <= level;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// Construction

SerializableClass::SerializableClass(QObject *parent, const QString &name)
    : ValidatedObject(parent, name)
{
    m_directory = settingsDirectory();
    QDir().mkpath(m_directory);
}

QString SerializableClass::settingsDirectory()
{
    return QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName() + QLatin1Char('/');
}

void SerializableClass::removeInterruptedSettingsWrites()
{
    // The names of local and setup files ("CU_" and "JB_" + object name + ".txt"); nothing else in the
    // folder is touched.
    removeAtomicWriteLeftovers(settingsDirectory(), QStringLiteral("(?:CU|JB)_[^/]+\\.txt"));
}

SerializableClass::~SerializableClass() = default;

SerializableIdCounters *SerializableIdCounters::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static SerializableIdCounters counters;
    return &counters;
}

SignalEmitter *SerializableClass::signalEmitter()
{
    return serializableSignalEmitter();
}

LocalSerializableClass::LocalSerializableClass(QObject *parent, const QString &name)
    : SerializableClass(parent, name)
{
    setType(QStringLiteral("Type_LocalSetup"));
    setId(2001 + SerializableIdCounters::instance()->local++);
    setFileName(QStringLiteral("CU_") + name + QStringLiteral(".txt"));
}

RuntimeSerializableClass::RuntimeSerializableClass(QObject *parent, const QString &name)
    : SerializableClass(parent, name)
{
    setType(QStringLiteral("Type_Runtime"));
    setId(1001 + SerializableIdCounters::instance()->runtime++);
}

SetupSerializableClass::SetupSerializableClass(QObject *parent, const QString &name)
    : SerializableClass(parent, name)
{
    m_relayReceivedChanges = true;
    setType(QStringLiteral("Type_Setup"));
    setId(3001 + SerializableIdCounters::instance()->setup++);
    setFileName(QStringLiteral("JB_") + name + QStringLiteral(".txt"));
}

// ---------------------------------------------------------------------------------------------------------
// Tree

bool SerializableClass::isRoot() const
{
    return qobject_cast<SerializableClass *>(parent()) == nullptr;
}

bool SerializableClass::isLeaf() const
{
    return findChildren<SerializableClass *>().isEmpty();
}

SerializableClass *SerializableClass::topmostObject()
{
    SerializableClass *top = this;
    while (SerializableClass *up = qobject_cast<SerializableClass *>(top->parent()))
        top = up;
    return top;
}

QList<SerializableClass *> SerializableClass::settingsChildren() const
{
    return findChildren<SerializableClass *>(QString(), Qt::FindDirectChildrenOnly);
}

SerializableClass *SerializableClass::childByPropertyName(const QString &name) const
{
    const int index = metaObject()->indexOfProperty(name.toLatin1().constData());
    if (index < 1)
        return nullptr;
    return settingsObjectIn(metaObject()->property(index).read(this));
}

// ---------------------------------------------------------------------------------------------------------
// Defaults

void SerializableClass::applyCustomDefaults() { }

void SerializableClass::setDefaultValueFromClassInfo(const QStringList &excludedProperties)
{
    const QMetaObject *meta = metaObject();
    const ClassInformation &information = ClassInformation::of(meta);
    for (int d = 0; d < information.count(); ++d) {
        const QMetaProperty property = meta->property(d + 1);
        if (!property.isValid()) {
            qDebug() << "Class information without a property in" << meta->className() << ":"
                     << information.at(d).name.constData();
            continue;
        }
        const QString name = QString::fromLatin1(property.name());
        if (excludedProperties.contains(name))
            continue;

        const QString defaultText = describe(information.at(d)).defaultText;
        if (!property.write(this, QVariant(defaultText))) {
            qDebug().noquote() << "Incorrect defaultValue for property " + name;
            throw "Incorrect defaultValue for serializable class property";
        }
    }
}

void SerializableClass::setDefaultValuesFromClassInfo_RecursivelyForAllChildren(
    const SerializableExclusionMap &exclusions)
{
    const QList<SerializableClass *> children = settingsChildren();
    if (children.isEmpty()) {
        QStringList excluded;
        if (leafIsVisited(exclusions, this, &excluded))
            setDefaultValueFromClassInfo(excluded);
    } else {
        for (SerializableClass *child : children) {
            if (childIsVisited(exclusions, child, "setDefaultValuesFromClassInfo_RecursivelyForAllChildren"))
                child->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(exclusions);
        }
    }
    applyCustomDefaults();
}

// ---------------------------------------------------------------------------------------------------------
// Property signals

void SerializableClass::emitAllPropertySignals()
{
    const QList<SerializableClass *> children = settingsChildren();
    if (!children.isEmpty()) {
        for (SerializableClass *child : children)
            child->emitAllPropertySignals();
        return;
    }
    const QMetaObject *meta = metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.hasNotifySignal())
            continue;
        const int type = property.userType();
        if (type != QMetaType::QString && type != QMetaType::Int && type != QMetaType::UInt
            && type != QMetaType::Double)
            continue;
        const QMetaMethod signal = property.notifySignal();
        if (signal.parameterCount() == 0) {
            signal.invoke(this, Qt::DirectConnection);
            continue;
        }
        if (signal.parameterCount() != 1)
            continue;
        QVariant argument = property.read(this);
        const int parameterType = signal.parameterType(0);
        if (!argument.convert(parameterType))
            continue;
        signal.invoke(this, Qt::DirectConnection,
            QGenericArgument(QMetaType::typeName(parameterType), argument.constData()));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Settings text: writing

QString SerializableClass::serializeList(const QVariant &list)
{
    QStringList texts;
    if (isIntList(list.userType())) {
        const QList<int> values = list.value<QList<int>>();
        for (int v : values)
            texts.append(QString::number(v));
    } else if (isStringList(list.userType())) {
        const QStringList values = stringListOf(list);
        for (const QString &v : values) {
            if (v.isEmpty()) {
                qDebug() << "Serialization is not possible!";
                qDebug() << "TODO: write appropriate else if statement to support list[i] type!";
                throw "Serialization is not possible!";
            }
            texts.append(v);
        }
    } else {
        qDebug() << "Serialization is not possible!";
        qDebug() << "TODO: write appropriate else if statement to support list[i] type!";
        throw "Serialization is not possible!";
    }
    return texts.join(QLatin1Char(';'));
}

QString SerializableClass::serializeText(bool runtimeForm)
{
    int depth = 1;
    for (QObject *up = parent(); qobject_cast<SerializableClass *>(up); up = up->parent())
        ++depth;
    const QString marker = QLatin1String(childMarker) + QString::number(depth) + QLatin1Char('=');

    QString result;
    const QMetaObject *meta = metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        const QVariant value = property.read(this);

        if (isPointerToObject(value.userType())) {
            SerializableClass *child = settingsObjectIn(value);
            if (!child) {
                qDebug() << "Serialization is not possible!" << name << "holds no settings object";
                throw "Serialization is not possible!";
            }
            result += marker + name + QLatin1Char(',');
            result += runtimeForm ? child->serialize() : child->serializeText(false);
            result += QLatin1Char(',');
            continue;
        }

        QString text;
        if (!runtimeForm) {
            text = valueText(value);
            if (text.isEmpty() && value.userType() != QMetaType::QString) {
                if (isIntList(value.userType()) || isStringList(value.userType())) {
                    text = serializeList(value);
                } else {
                    qDebug() << "Serialization is not possible!";
                    qDebug() << "TODO: write appropriate else if statement to support QList<type>!";
                    throw "Serialization is not possible!";
                }
            }
            result += name + QLatin1Char('=') + text + QLatin1Char(',');
        } else {
            if (isValid(name)) {
                text = valueText(value);
                if (text.isEmpty() && value.userType() != QMetaType::QString) {
                    if (isIntList(value.userType())) {
                        QStringList parts;
                        const QList<int> values = value.value<QList<int>>();
                        for (int v : values)
                            parts.append(QString::number(v));
                        text = parts.join(QLatin1Char(';'));
                    } else if (isStringList(value.userType())) {
                        text = stringListOf(value).join(QLatin1Char(';'));
                    }
                }
            }
            result += name + QLatin1Char('=') + text + QLatin1Char('=')
                + (isSourceValid(name) ? QLatin1Char('T') : QLatin1Char('F')) + QLatin1Char(',');
        }
    }
    result.chop(1);
    if (isRoot())
        result.prepend(m_type + QLatin1Char(','));
    return result;
}

QString SerializableClass::serialize()
{
    return serializeText(false);
}

QString SerializableClass::baseSingleProperty(const QString &name, const QVariant &value) const
{
    if (metaObject()->indexOfProperty(name.toLatin1().constData()) < 1) {
        qDebug() << "NO SUCH PROPERTY: SerializableClass::serializeSingleProperty";
        throw "Tried to serialize property that does not exist";
    }
    const QString text = isIntList(value.userType()) || isStringList(value.userType()) ? serializeList(value)
                                                                                       : value.toString();
    QStringList path;
    for (const QObject *o = this; o; o = o->parent()) {
        const SerializableClass *settings = qobject_cast<const SerializableClass *>(o);
        if (!settings)
            break;
        path.prepend(settings->objectName());
    }
    return m_type + QStringLiteral(",SingleProperty,") + path.join(QLatin1Char(',')) + QLatin1Char(',') + name
        + QLatin1Char('=') + text;
}

QString SerializableClass::serializeSingleProperty(const QString &name, const QVariant &value)
{
    return baseSingleProperty(name, value);
}

QString SerializableClass::serializeSinglePropertyByName(const QString &name)
{
    return baseSingleProperty(name, property(name.toLatin1().constData()));
}

QString SerializableClass::serializeAndSend(const QStringList &destinationSfis)
{
    Q_UNUSED(destinationSfis)
    return serialize();
}

QString SerializableClass::emitSingleProperty(const QString &name, const QVariant &value)
{
    const QString text = baseSingleProperty(name, value);
    emit signalEmitter()->signalEmitString(text);
    return text;
}

QString SerializableClass::emitWholeObject(const QStringList &destinationSfis)
{
    const QString text = serialize();
    emit signalEmitter()->signalSerializedSetupAndDestinationSfis(text, destinationSfis);
    return text;
}

// ---------------------------------------------------------------------------------------------------------
// Settings text: reading

bool SerializableClass::writeReceivedValue(const QMetaProperty &property, const QString &value)
{
    const QString name = QString::fromLatin1(property.name());
    if (!property.isWritable() || isPointerToObject(property.userType())) {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Settings value not applied:" << objectName() << name << "cannot be written";
        return false;
    }
    if (value.isEmpty()) {
        setValid(name, false);
        return property.write(this, property.read(this));
    }
    QVariant converted;
    if (!convertReceivedText(property.userType(), value, &converted)) {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Settings value not applied:" << objectName() << name << "cannot take"
                     << logExcerpt(value);
        return false;
    }
    if (checksStoredValues()) {
        if (holdsSpaceOrControl(value)) {
            if (admitLogLine(refusedSettingsLine))
                qDebug() << "Settings value not applied:" << objectName() << name
                         << "holds white space:" << logExcerpt(value);
            return false;
        }
        // The description's own default is acceptable whatever its validator says (an IP of "-/-" before
        // the address is known, -1 hours for "never").
        const StoredValueCheck &check = storedValueCheck(metaObject(), property);
        if (check.validator && !check.validator->validate(value)
            && !(check.hasDefault && check.defaultValue == converted)) {
            if (admitLogLine(refusedSettingsLine))
                qDebug() << "Settings value not applied:" << objectName() << name
                         << "refused by its validator:" << logExcerpt(value);
            return false;
        }
        // An index outside the list would be shown as its first choice while the peer and the port rules
        // act on the number itself.
        const int choices = check.choiceCount(objectName());
        if (choices >= 0 && !isChoice(converted, choices)
            && !(check.hasDefault && check.defaultValue == converted)) {
            if (admitLogLine(refusedSettingsLine))
                qDebug() << "Settings value not applied:" << objectName() << name << "is none of its"
                         << choices << "choices:" << logExcerpt(value);
            return false;
        }
    }
    setValid(name, true);
    return property.write(this, converted);
}

bool SerializableClass::deserializeText(const QString &text, int depth)
{
    QStringList items = text.split(QLatin1Char(','));
    return deserialize(items, depth);
}

bool SerializableClass::deserialize(QStringList &items, int depth)
{
    if (depth > maxChildDepth) {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Settings text not applied: nested deeper than" << maxChildDepth << "levels";
        return false;
    }
    if (!items.isEmpty() && items.first().startsWith(QLatin1String("Type_")))
        items.removeFirst();

    const QMetaObject *meta = metaObject();
    const QString childName = QLatin1String(childMarker) + QString::number(depth + 1);
    while (!items.isEmpty()) {
        const QString item = items.takeFirst();
        const QStringList parts = item.split(QLatin1Char('='));
        if (parts.size() < 2)
            return false;
        const QString &name = parts.at(0);
        const QString &value = parts.at(1);

        if (name == childName || name == QLatin1String(listMarker)) {
            QStringList childItems;
            while (!items.isEmpty() && !endsChildItems(items.first(), depth + 1))
                childItems.append(items.takeFirst());
            if (name == QLatin1String(listMarker)) {
                // No settings object holds a list of settings objects; such items are dropped.
                if (admitLogLine(refusedSettingsLine))
                    qDebug() << "Settings text: list of settings objects" << logExcerpt(value)
                             << "not supported, items dropped";
                continue;
            }
            SerializableClass *child = childByPropertyName(value);
            if (!child) {
                if (admitLogLine(refusedSettingsLine))
                    qDebug() << "Settings text:" << objectName() << "has no child" << logExcerpt(value)
                             << ", its items dropped";
                continue;
            }
            if (!child->deserialize(childItems, depth + 1))
                return false;
            continue;
        }

        // Property 0 is objectName, the key of the object in every text; it is never a setting.
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        if (index < 1)
            continue;
        if (parts.size() == 3 && !parts.at(2).isEmpty())
            setSourceValid(name, parts.at(2) == QLatin1String("T"));
        writeReceivedValue(meta->property(index), value);
    }
    return true;
}

bool SerializableClass::deserializeAll(const QString &text)
{
    return deserializeText(text, 0);
}

bool SerializableClass::deserializeSingleProperty(const QString &text)
{
    Q_UNUSED(text)
    return true;
}

SerializableClass *SerializableClass::applySingleProperty(const QString &text, bool *ok)
{
    return applySinglePropertyFrom(text, ok, false);
}

SerializableClass *SerializableClass::applySinglePropertyFrom(const QString &text, bool *ok, bool handedOver)
{
    if (ok)
        *ok = false;
    QStringList items = text.split(QLatin1Char(','));
    items.removeFirst(); // the type text, with or without "NoAck"

    SerializableClass *target = this;
    QString change;
    if (items.size() == 1) {
        change = items.first();
    } else if (items.size() > 1) {
        items.removeFirst(); // "SingleProperty"
        if (items.size() < 2) {
            if (admitLogLine(refusedSettingsLine))
                qDebug() << "Single change not applied, no object path:" << logExcerpt(text);
            return nullptr;
        }
        change = items.takeLast();
        if (items.first() != objectName()) {
            // A text for the tree, received by one of its objects: the topmost object applies it. A text
            // that does not name the topmost object either is for another tree.
            SerializableClass *top = topmostObject();
            if (handedOver || top == this) {
                if (admitLogLine(refusedSettingsLine))
                    qDebug() << "Single change not applied," << logExcerpt(items.first()) << "is not"
                             << objectName() << ":" << logExcerpt(text);
                return nullptr;
            }
            return top->applySinglePropertyFrom(text, ok, true);
        }
        for (int i = 1; i < items.size(); ++i) {
            target = target->childByPropertyName(items.at(i));
            if (!target) {
                if (admitLogLine(refusedSettingsLine))
                    qDebug() << "Single change not applied, no object" << logExcerpt(items.at(i)) << ":"
                             << logExcerpt(text);
                return nullptr;
            }
        }
    } else {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Single change not applied, no change:" << logExcerpt(text);
        return nullptr;
    }

    const QStringList parts = change.split(QLatin1Char('='));
    if (parts.size() < 2) {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Single change not applied, no value:" << logExcerpt(text);
        return nullptr;
    }
    const int index = target->metaObject()->indexOfProperty(parts.at(0).toLatin1().constData());
    if (index < 1) {
        if (admitLogLine(refusedSettingsLine))
            qDebug() << "Single change not applied," << target->objectName() << "has no property"
                     << logExcerpt(parts.at(0));
        return nullptr;
    }
    const bool written = target->writeReceivedValue(target->metaObject()->property(index), parts.at(1));
    if (ok)
        *ok = written;
    return target;
}

// ---------------------------------------------------------------------------------------------------------
// Settings files

void SerializableClass::writeToFile(const QString &directory)
{
    if (!isLeaf())
        return;
    // In the locale's encoding, as the file is read back through a text stream.
    writeFileAtomically(directory + m_fileName, serialize().toLocal8Bit());
}

void SerializableClass::readFromFile(const QString &directory, const QStringList &excludedProperties)
{
    const QString path = directory + m_fileName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Problem opening file for reading: " + path;
        return;
    }
    QTextStream stream(&file);
    const QString content = stream.read(maxSettingsFileLength + 1);
    file.close();

    // One word: leading white space skipped, then up to the next white space.
    int start = 0;
    while (start < content.size() && content.at(start).isSpace())
        ++start;
    int end = start;
    while (end < content.size() && !content.at(end).isSpace())
        ++end;
    QString word = content.mid(start, end - start);
    if (end >= maxSettingsFileLength) {
        // The word ran into the bound: its last item may be cut, so only whole items are read.
        word.truncate(qMax(0, word.lastIndexOf(QLatin1Char(','))));
        qDebug().noquote() << "Settings file too long, read only its first items: " + path;
    }
    applyFileText(word, excludedProperties);
}

bool SerializableClass::applyFileText(const QString &text, const QStringList &excludedProperties)
{
    if (text.isEmpty())
        return true;
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QStringList parts = item.split(QLatin1Char('='));
        if (parts.size() < 2) {
            if (!item.startsWith(QLatin1String("Type_")) && admitLogLine(refusedSettingsLine))
                qDebug() << "Settings file of" << objectName()
                         << ": item without value skipped:" << logExcerpt(item);
            continue;
        }
        const QString &name = parts.at(0);
        if (excludedProperties.contains(name))
            continue;
        if (metaObject()->indexOfProperty(name.toLatin1().constData()) < 1) {
            if (admitLogLine(refusedSettingsLine))
                qDebug() << "Settings file of" << objectName()
                         << ": unknown name skipped:" << logExcerpt(name);
            continue;
        }
        applySingleProperty(m_type + QLatin1Char(',') + name + QLatin1Char('=') + parts.at(1), nullptr);
    }
    return true;
}

void SerializableClass::writeAllChildrenToFiles(const QString &directory)
{
    const QList<SerializableClass *> children = settingsChildren();
    if (children.isEmpty()) {
        writeToFile(directory);
        return;
    }
    for (SerializableClass *child : children)
        child->writeAllChildrenToFiles(directory);
}

void SerializableClass::readAllChildrenFromFiles(
    const QString &directory, const SerializableExclusionMap &exclusions)
{
    const QList<SerializableClass *> children = settingsChildren();
    if (children.isEmpty()) {
        QStringList excluded;
        if (leafIsVisited(exclusions, this, &excluded))
            readFromFile(directory, excluded);
        return;
    }
    for (SerializableClass *child : children) {
        if (childIsVisited(exclusions, child, "readAllChildrenFromFiles"))
            child->readAllChildrenFromFiles(directory, exclusions);
    }
}

void SerializableClass::saveToFile()
{
    writeToFile(m_directory);
}

void SerializableClass::loadFromFile(const QStringList &excludedProperties)
{
    readFromFile(m_directory, excludedProperties);
}

void SerializableClass::saveAllChildrenToFiles()
{
    writeAllChildrenToFiles(m_directory);
}

void SerializableClass::loadAllChildrenFromFiles(const SerializableExclusionMap &exclusions)
{
    readAllChildrenFromFiles(m_directory, exclusions);
}

// ---------------------------------------------------------------------------------------------------------
// Local kind

QString LocalSerializableClass::serializeSingleProperty(const QString &name, const QVariant &value)
{
    const QString text = baseSingleProperty(name, value);
    saveToFile();
    return text;
}

QString LocalSerializableClass::serializeSinglePropertyByName(const QString &name)
{
    return LocalSerializableClass::serializeSingleProperty(name, property(name.toLatin1().constData()));
}

// ---------------------------------------------------------------------------------------------------------
// Runtime kind

QString RuntimeSerializableClass::serialize()
{
    return serializeText(true);
}

bool RuntimeSerializableClass::deserializeSingleProperty(const QString &text)
{
    bool ok = false;
    applySingleProperty(text, &ok);
    if (!settingsRelayDisabled && ok)
        emit signalEmitter()->signalEmitString(text);
    return ok;
}

QString RuntimeSerializableClass::serializeSingleProperty(const QString &name, const QVariant &value)
{
    return emitSingleProperty(name, value);
}

QString RuntimeSerializableClass::serializeAndSend(const QStringList &destinationSfis)
{
    return emitWholeObject(destinationSfis);
}

bool RuntimeSerializableClass::deserializeAll(const QString &text)
{
    const bool result = SerializableClass::deserializeAll(text);
    if (!settingsRelayDisabled)
        emit signalEmitter()->signalEmitString(text);
    return result;
}

// ---------------------------------------------------------------------------------------------------------
// Setup kind

bool SetupSerializableClass::deserializeSingleProperty(const QString &text)
{
    bool ok = false;
    SerializableClass *holder = applySingleProperty(text, &ok);
    if (!settingsRelayDisabled && ok && m_relayReceivedChanges) {
        if (holder)
            holder->saveToFile();
        emit signalEmitter()->signalEmitString(text);
    }
    return ok;
}

QString SetupSerializableClass::serializeSingleProperty(const QString &name, const QVariant &value)
{
    return emitSingleProperty(name, value);
}

QString SetupSerializableClass::serializeSinglePropertyByName(const QString &name)
{
    return emitSingleProperty(name, property(name.toLatin1().constData()));
}

QString SetupSerializableClass::serializeAndSend(const QStringList &destinationSfis)
{
    return emitWholeObject(destinationSfis);
}

QString SetupSerializableClass::serializeAndSend()
{
    return SerializableClass::serializeAndSend(QStringList());
}

bool SetupSerializableClass::deserializeAll(const QString &text)
{
    const bool result = SerializableClass::deserializeAll(text);
    if (!settingsRelayDisabled && m_relayReceivedChanges) {
        saveAllChildrenToFiles();
        emit signalEmitter()->signalEmitString(text);
    }
    return result;
}

QString SetupSerializableClass::emitNoAck(QString text)
{
    const int comma = text.indexOf(QLatin1Char(','));
    text.insert(comma < 0 ? text.size() : comma, QLatin1String("NoAck"));
    emit signalEmitter()->signalEmitString(text);
    return text;
}

QString SetupSerializableClass::sendSinglePropertyNoAck(const QString &name)
{
    return emitNoAck(baseSingleProperty(name, property(name.toLatin1().constData())));
}

QString SetupSerializableClass::sendSinglePropertyValueNoAck(const QString &name, const QVariant &value)
{
    return emitNoAck(baseSingleProperty(name, value));
}

QString SetupSerializableClass::sendSinglePropertyValue(const QString &name, const QVariant &value)
{
    return SetupSerializableClass::serializeSingleProperty(name, value);
}

QString SetupSerializableClass::sendSingleProperty(const QString &name)
{
    return SetupSerializableClass::serializeSinglePropertyByName(name);
}

QString SetupSerializableClass::sendWholeObject(const QStringList &destinationSfis)
{
    return SetupSerializableClass::serializeAndSend(destinationSfis);
}
