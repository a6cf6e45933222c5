#include "info/PropertyInfo.h"

#include "common/ClassInformation.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "common/ESUnitConverter.h"
#include "data/SerializableClass.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "nmea/Validators.h"

#include <QLocale>
#include <QMetaMethod>
#include <QMetaProperty>

namespace {

int s_defaultNumberOfDecimals = 1;
bool s_noDecimalsFrom100 = true;

const QStringList speedUnits = { QStringLiteral("kn"), QStringLiteral("m/s"), QStringLiteral("mi/h") };
const QStringList depthUnits = { QStringLiteral("m"), QStringLiteral("ft"), QStringLiteral("fm") };

ESOptionsSetup *optionsSetup()
{
    return ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
}

} // namespace

// The items of the description read last are kept: a description and each kind it derives from read the
// same text one after the other while it is built (GUI thread only).
QVector<ClassInfoItem> PropertyInfo::descriptionItems(const QString &description)
{
    static QString lastText;
    static QVector<ClassInfoItem> lastItems;
    if (description != lastText || lastItems.isEmpty()) {
        lastItems = ClassInformation::splitItems(description);
        lastText = description;
    }
    return lastItems;
}

void PropertyInfo::readItems(const QString &description, const QStringList &keys,
    const std::function<void(int key, const ClassInfoItem &item)> &read)
{
    const QVector<ClassInfoItem> items = descriptionItems(description);
    for (const ClassInfoItem &item : items) {
        if (item.hasValue)
            read(item.firstContainedKey(keys), item);
    }
}

PropertyInfo::PropertyInfo(const QString &description, SerializableClass *sourceObject)
    : m_sourceObject(sourceObject)
{
    enum Key {
        Name,
        NameToDisplay,
        LongPress,
        Unit,
        ValidatorKey,
        Measurement,
        Changeable,
        Alternative,
        AutoMode,
        Decimals
    };
    static const QStringList keys = { QStringLiteral("name="), QStringLiteral("nameToDisplay="),
        QStringLiteral("longPress="), QStringLiteral("unit="), QStringLiteral("validator="),
        QStringLiteral("measurement="), QStringLiteral("changeable="), QStringLiteral("alternativeText="),
        QStringLiteral("autoMode=true"), QStringLiteral("numberOfDecimals=") };

    readItems(description, keys, [this](int key, const ClassInfoItem &item) {
        switch (key) {
        case Name:
            m_name = item.value;
            break;
        case NameToDisplay:
            m_nameToDisplay = QString(item.value).replace(QLatin1Char('_'), QLatin1Char(' '));
            break;
        case LongPress:
            m_longPress = item.value;
            break;
        case Unit:
            m_sourceUnit = item.value;
            m_displayedUnit = item.value;
            break;
        case ValidatorKey: {
            const char *fault = nullptr;
            m_validator.reset(Validator::fromDescription(
                item.value, ListOfSfisOnNetwork::instance()->sfisOnNetwork(), &fault));
            if (fault)
                throw fault;
            break;
        }
        case Measurement:
            m_measurement = item.value;
            break;
        case Changeable:
            m_changeable = item.value;
            break;
        case Alternative:
            m_alternativeText = item.value;
            break;
        case AutoMode:
            m_autoMode = true;
            break;
        case Decimals: {
            bool ok = false;
            const int decimals = item.value.toInt(&ok, 10);
            m_numberOfDecimals = ok ? decimals : 0;
            break;
        }
        default:
            break;
        }
    });

    if (m_name.isEmpty())
        throw "wrong property info parameters";
    if (m_nameToDisplay.isEmpty())
        m_nameToDisplay = m_name;

    // Unit following. The converter knows only its own unit texts; a value that follows a scale from any
    // other unit would throw at the first scale change, long after start, so it is refused here.
    if (m_changeable == QLatin1String("true")) {
        if (m_measurement == QLatin1String("speed")) {
            if (!speedUnits.contains(m_sourceUnit))
                throw "wrong unit of a changeable speed property info";
            connect(
                optionsSetup(), &ESOptionsSetup::ScalesSpeedChanged, this, &PropertyInfo::changeSpeedUnit);
        } else if (m_measurement == QLatin1String("depth")) {
            if (!depthUnits.contains(m_sourceUnit))
                throw "wrong unit of a changeable depth property info";
            connect(
                optionsSetup(), &ESOptionsSetup::ScalesDepthChanged, this, &PropertyInfo::changeDepthUnit);
        }
    }
    // No settings class of this product has the auto functions setting, so Qt refuses this link with its
    // warning and the auto mark never shows; a product that adds the setting gets it.
    if (m_autoMode)
        connect(optionsSetup(), SIGNAL(AutoFunctionsChanged(int)), this, SLOT(autoModeChanged(int)));

    connectToSourceProperty();
}

PropertyInfo::~PropertyInfo() = default;

// Follows the source property's notify signal with the readFromProperty slot of its type. A property of
// another type, or a name the source object lacks, finds no slot: Qt refuses the link with its warning
// and the description never follows the value.
void PropertyInfo::connectToSourceProperty()
{
    if (!m_sourceObject)
        return;
    const QMetaObject *sourceMeta = m_sourceObject->metaObject();
    const QMetaProperty property
        = sourceMeta->property(sourceMeta->indexOfProperty(m_name.toLatin1().constData()));
    const QByteArray slot = QMetaObject::normalizedSignature(
        QByteArray("readFromProperty(") + QByteArray(property.typeName()) + QByteArray(")"));
    const QMetaMethod receiver = metaObject()->method(metaObject()->indexOfSlot(slot.constData()));
    connect(m_sourceObject, property.notifySignal(), this, receiver);
}

QString PropertyInfo::serializeSingleProperty(const QVariant &value)
{
    if (!m_sourceObject)
        return QString();
    return m_sourceObject->serializeSingleProperty(m_name, value);
}

QString PropertyInfo::longPress() const
{
    return m_longPress;
}

SerializableClass *PropertyInfo::sourceObject() const
{
    return m_sourceObject;
}

void PropertyInfo::setSourceObject(SerializableClass *object)
{
    m_sourceObject = object;
}

QString PropertyInfo::displayedName() const
{
    QString name = displayedNameWithoutAuto();
    if (m_autoFunctionsOn)
        name += QLatin1Char(' ') + m_autoMark;
    return name;
}

QString PropertyInfo::displayedNameWithoutAuto() const
{
    return m_nameToDisplay + QLatin1Char(' ') + m_nameSuffix;
}

void PropertyInfo::setNameSuffix(const QString &suffix)
{
    m_nameSuffix = suffix;
    emit displayedNameChanged(displayedName());
}

void PropertyInfo::setDisplayedUnit(const QString &unit)
{
    m_displayedUnit = unit;
}

void PropertyInfo::setAlternativeText(const QString &text)
{
    m_alternativeText = text;
    updateGUI();
}

void PropertyInfo::setAlternativeTextShown(bool shown)
{
    m_alternativeTextShown = shown;
    updateGUI();
}

bool PropertyInfo::isValid() const
{
    return m_sourceObject && m_sourceObject->isValid(m_name);
}

bool PropertyInfo::integrityOk() const
{
    return isValid() && m_sourceObject->isSourceValid(m_name);
}

void PropertyInfo::setIntegrity(bool integrity)
{
    if (m_integrity == integrity)
        return;
    m_integrity = integrity;
    emit integrityChanged(integrity);
}

void PropertyInfo::setNumberOfDecimals(int decimals)
{
    m_numberOfDecimals = decimals;
}

void PropertyInfo::setPropertyNoDecimalsFrom100(const bool &noDecimals)
{
    m_noDecimalsFrom100 = noDecimals;
}

int PropertyInfo::numberOfDecimals(const double &value) const
{
    if (value >= 100.0 && (m_noDecimalsFrom100 || s_noDecimalsFrom100))
        return 0;
    // A negative count other than -1 (a description's "numberOfDecimals=-3") means no count either.
    return m_numberOfDecimals < 0 ? s_defaultNumberOfDecimals : m_numberOfDecimals;
}

int PropertyInfo::defaultNumberOfDecimals()
{
    return s_defaultNumberOfDecimals;
}

void PropertyInfo::setNoDecimalsFrom100(const bool &noDecimals)
{
    s_noDecimalsFrom100 = noDecimals;
}

bool PropertyInfo::noDecimalsFrom100()
{
    return s_noDecimalsFrom100;
}

QString PropertyInfo::toDisplayedUnit(const QString &value) const
{
    return convertUnit(value, m_sourceUnit, m_displayedUnit);
}

QString PropertyInfo::toSourceUnit(const QString &value) const
{
    return convertUnit(value, m_displayedUnit, m_sourceUnit);
}

QString PropertyInfo::convertUnit(const QString &value, const QString &fromUnit, const QString &toUnit) const
{
    if (m_changeable == QLatin1String("false"))
        return value;
    if (m_measurement == QLatin1String("other") || m_measurement == QLatin1String("distance"))
        return value;
    bool ok = false;
    const float number = QLocale::c().toFloat(value, &ok);
    if (!ok || fromUnit == toUnit)
        return value;
    float converted;
    if (m_measurement == QLatin1String("speed"))
        converted = ESUnitConverter::convertSpeed(number, fromUnit, toUnit);
    else if (m_measurement == QLatin1String("depth"))
        converted = ESUnitConverter::convertDepth(number, fromUnit, toUnit);
    else
        return value;
    return QString::number(double(converted), 'f', numberOfDecimals(double(converted)));
}

bool PropertyInfo::textChangedIsConnected() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&PropertyInfo::textChanged);
    return isSignalConnected(signal);
}

void PropertyInfo::readFromProperty(int value)
{
    readValueFromSourceProperty(QVariant(value));
}

void PropertyInfo::readFromProperty(uint value)
{
    readValueFromSourceProperty(QVariant(value));
}

void PropertyInfo::readFromProperty(QString value)
{
    readValueFromSourceProperty(QVariant(value));
}

void PropertyInfo::readFromProperty(double value)
{
    readValueFromSourceProperty(QVariant(value));
}

void PropertyInfo::changeSpeedUnit(int index)
{
    followScale("ScalesSpeed", index);
}

void PropertyInfo::changeDepthUnit(int index)
{
    followScale("ScalesDepth", index);
}

void PropertyInfo::changeDistanceUnit(int index)
{
    followScale("ScalesDistance", index);
}

// The displayed unit becomes the scale's choice at the index (choice 0 for an index outside the list, as
// the scale's own description shows it). Only the text is read: the scale setting is neither written nor
// sent, so a scale received from the junction box is not echoed back to it.
void PropertyInfo::followScale(const char *scaleProperty, int index)
{
    const EnumPropertyInfo *scale
        = qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("es"), QString::fromLatin1(scaleProperty), QStringLiteral("OptionsSetup")));
    if (!scale)
        return;
    const int count = scale->enumList().size();
    const QString unit = scale->valueAt(index >= 0 && index < count ? index : 0);
    if (unit == m_displayedUnit)
        return;
    m_displayedUnit = unit;
    updateGUI();
}

void PropertyInfo::autoModeChanged(int autoMode)
{
    m_autoFunctionsOn = autoMode == 0;
    emit displayedNameChanged(displayedName());
}
