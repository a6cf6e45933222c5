#include "info/RuntimePropertyInfo.h"

#include "common/ClassInformation.h"
#include "data/SerializableClass.h"
#include "nmea/Validators.h"

#include <QLocale>
#include <QMetaMethod>

#include <cmath>

RuntimePropertyInfo::RuntimePropertyInfo(const QString &description, SerializableClass *sourceObject)
    : PropertyInfo(description, sourceObject)
    , m_insideLimits(validator() == nullptr)
{
    // Nothing has been received yet.
    m_integrity = false;
    static const QStringList keys = { QStringLiteral("colorClass="), QStringLiteral("speedClass="),
        QStringLiteral("unitInTitle=true") };
    readItems(description, keys, [this](int key, const ClassInfoItem &item) {
        if (key == 0)
            m_colorClass = item.value;
        else if (key == 1)
            m_speedClass = item.value;
        else if (key == 2)
            m_unitInTitle = true;
    });
}

QString RuntimePropertyInfo::title(bool withUnit) const
{
    if (withUnit && m_unitInTitle)
        return displayedName() + QLatin1Char(' ') + displayedUnit();
    return displayedName();
}

QString RuntimePropertyInfo::text() const
{
    if (isAlternativeTextShown())
        return alternativeText();
    if (!isValid())
        return QStringLiteral("-/-");
    if (name().contains(QLatin1String("Position")))
        return positionText(m_sourceValue);
    if (m_unitInTitle)
        return m_displayedValue;
    return m_displayedValue + QLatin1Char(' ') + displayedUnit();
}

QString RuntimePropertyInfo::shownText(const QString &text, bool fits) const
{
    return isShowable() && fits ? text : QStringLiteral("-/-");
}

QString RuntimePropertyInfo::positionText(const QString &value)
{
    bool ok = false;
    const float number = QLocale::c().toFloat(value, &ok);
    if (!ok || !std::isfinite(number))
        return QStringLiteral("-/-");
    // One decimal of a minute up to 99 degrees, whole minutes from 100 degrees on.
    const bool belowHundred = std::fabs(double(number)) < 10000.0;
    return degreesAndMinutesText(double(number), belowHundred ? 1 : 0);
}

QString RuntimePropertyInfo::degreesAndMinutesText(double position, int minuteDecimals)
{
    const double v = std::fabs(position);
    double degrees = std::floor(v / 100.0);
    const double scale = std::pow(10.0, minuteDecimals);
    double minutes = qMax(0.0, std::round((v - degrees * 100.0) * scale) / scale);
    // The same angle with the minutes below 60 (the minutes part of the NMEA form is below 100).
    if (minutes >= 60.0) {
        degrees += 1.0;
        minutes -= 60.0;
    }
    return QString::number(degrees, 'f', 0) + QStringLiteral("°")
        + QString::number(minutes, 'f', minuteDecimals) + QLatin1Char('\'');
}

void RuntimePropertyInfo::readValueFromSourceProperty(QVariant value)
{
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    const QString received
        = isNumber ? QString::number(number, 'f', numberOfDecimals(0.0)) : value.toString();

    const bool lastValidity = m_lastValidity;
    m_lastValidity = isValid();
    if (received != m_sourceValue || m_lastValidity != lastValidity) {
        m_sourceValue = received;
        m_displayedValue = toDisplayedUnit(received);
        announce();
    }
    if (Validator *limits = validator()) {
        const bool inside = limits->validate(m_sourceValue);
        if (inside != m_insideLimits) {
            m_insideLimits = inside;
            static const QMetaMethod signal
                = QMetaMethod::fromSignal(&RuntimePropertyInfo::valueIsInsideLimitsChanged);
            if (isSignalConnected(signal))
                emit valueIsInsideLimitsChanged(inside);
        }
    }
    setIntegrity(integrityOk());
}

void RuntimePropertyInfo::updateGUI()
{
    m_displayedValue = toDisplayedUnit(m_sourceValue);
    announce();
}

void RuntimePropertyInfo::setDisplayedValue(const QString &value)
{
    m_displayedValue = value;
    m_sourceValue = toSourceUnit(value);
    serializeSingleProperty(QVariant(m_sourceValue));
    announce();
}

void RuntimePropertyInfo::setSourceValue(const QString &value)
{
    m_sourceValue = value;
    m_displayedValue = toDisplayedUnit(value);
    serializeSingleProperty(QVariant(m_sourceValue));
    announce();
}

void RuntimePropertyInfo::announce()
{
    emit valueChanged(m_displayedValue);
    if (textChangedIsConnected())
        emit textChanged(text());
}
