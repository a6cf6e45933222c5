#include "info/ValuePropertyInfo.h"

#include "common/ClassInformation.h"
#include "common/SignalEmitter.h"
#include "data/SerializableClass.h"
#include "nmea/Validators.h"

#include <QDebug>

ValuePropertyInfo::ValuePropertyInfo(const QString &description, SerializableClass *sourceObject)
    : SetupPropertyInfo(description, sourceObject)
{
    static const QStringList keys = { QStringLiteral("isNumeric="), QStringLiteral("isIp=true") };
    readItems(description, keys, [this](int key, const ClassInfoItem &item) {
        if (key == 0)
            m_isNumeric = flagValue(item.value, "wrong isNumeric parameter");
        else if (key == 1)
            m_isIp = true;
    });
    if (!validator()) {
        qDebug() << name() << " validator nulltpr!";
        throw "wrong value property info parameters";
    }
    if (sourceObject)
        m_sourceValue = formatted(sourceObject->property(name().toLatin1().constData()));
}

bool ValuePropertyInfo::isIntegerKind() const
{
    return dynamic_cast<FloatValidator *>(validator()) == nullptr;
}

QString ValuePropertyInfo::formatted(const QVariant &value) const
{
    if (!m_isNumeric)
        return value.toString();
    Validator *kind = validator();
    if (dynamic_cast<IntValidator *>(kind))
        return QString::number(value.toString().toInt());
    if (dynamic_cast<FloatValidator *>(kind))
        return QString::number(value.toString().toDouble(), 'f', numberOfDecimals(0.0));
    return QString::number(value.toString().toUInt());
}

QString ValuePropertyInfo::wholePart(const QString &value) const
{
    const int point = value.indexOf(QLatin1Char('.'));
    return point > 0 ? value.left(point) : value;
}

QString ValuePropertyInfo::text() const
{
    if (isAlternativeTextShown())
        return alternativeText();
    if (!isValid())
        return QStringLiteral("-/-");
    return m_displayedValue + QLatin1Char(' ') + displayedUnit();
}

void ValuePropertyInfo::setDisplayedValue(const QString &value)
{
    takeValue(value, m_displayedValue, m_sourceValue, &PropertyInfo::toSourceUnit);
}

void ValuePropertyInfo::setSourceValue(const QString &value)
{
    takeValue(value, m_sourceValue, m_displayedValue, &PropertyInfo::toDisplayedUnit);
}

// The value is given in one unit (`given`) and converted into the other (`derived`); the integer kinds
// keep the whole part of the converted text.
void ValuePropertyInfo::takeValue(const QString &value, QString &given, QString &derived,
    QString (PropertyInfo::*convert)(const QString &) const)
{
    if (m_isNumeric) {
        given = formatted(value);
        derived = (this->*convert)(given);
        if (isIntegerKind())
            derived = wholePart(derived);
    } else {
        given = value;
        derived = value;
    }
    writeAndAnnounce();
}

void ValuePropertyInfo::writeAndAnnounce()
{
    // As for an enumeration: the write is announced below with the current validity, so its echo through
    // the source's change signal finds nothing new.
    m_lastValidity = isValid();
    if (SerializableClass *source = sourceObject())
        source->setProperty(name().toLatin1().constData(), QVariant(m_sourceValue));
    serializeSingleProperty(QVariant(m_sourceValue));
    refreshButton();
    emit valueChanged(m_displayedValue);
    if (textChangedIsConnected())
        emit textChanged(text());
}

void ValuePropertyInfo::readValueFromSourceProperty(QVariant value)
{
    const QString received = formatted(value);
    const bool valid = isValid();
    if (received != m_sourceValue || valid != m_lastValidity) {
        m_sourceValue = received;
        m_displayedValue = toDisplayedUnit(received);
        if (m_isNumeric && isIntegerKind()) {
            m_sourceValue = wholePart(m_sourceValue);
            m_displayedValue = wholePart(m_displayedValue);
        }
        refreshButton();
        emit valueChanged(m_displayedValue);
        if (textChangedIsConnected())
            emit textChanged(text());
    }
    m_lastValidity = valid;
}

void ValuePropertyInfo::updateGUI()
{
    // The editor checks typed values in the unit shown.
    if (FloatValidator *limits = dynamic_cast<FloatValidator *>(validator()))
        limits->convertLimits(sourceUnit(), displayedUnit());
    m_displayedValue = toDisplayedUnit(m_sourceValue);
    if (m_isNumeric && isIntegerKind())
        m_displayedValue = wholePart(m_displayedValue);
    emit valueChanged(m_displayedValue);
    if (textChangedIsConnected())
        emit textChanged(text());
    refreshButton();
}

void ValuePropertyInfo::buttonPressed()
{
    emit propertyInfoSignalEmitter()->signalButtonOfValuePropertyInfoPressed(this);
}

void ValuePropertyInfo::buttonReleased()
{
    emit propertyInfoSignalEmitter()->signalButtonOfValuePropertyInfoReleased(this);
}
