#include "nmea/ZdaData.h"

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

#include <QMetaProperty>
#include <QTimeZone>

#include <limits>

ZdaData::ZdaData(QObject *parent)
    : QObject(parent)
{
    NmeaMessage::initializeProperties(this);
}

ValidatedFloatProperty *ZdaData::utc() const
{
    return m_utc;
}

ValidatedIntProperty *ZdaData::day() const
{
    return m_day;
}

ValidatedIntProperty *ZdaData::month() const
{
    return m_month;
}

ValidatedIntProperty *ZdaData::year() const
{
    return m_year;
}

ValidatedIntProperty *ZdaData::localHoursOffset() const
{
    return m_localHoursOffset;
}

ValidatedIntProperty *ZdaData::localMinutesOffset() const
{
    return m_localMinutesOffset;
}

QDateTime ZdaData::utcDateTime() const
{
    const double utc = m_utc->value();
    // A received value is any number the field accepted; outside one day (or not a number) there is no
    // time to build, and converting it to an integer would not be defined.
    if (!(utc >= 0.0 && utc < 240000.0))
        return QDateTime();
    const int hours = static_cast<int>(utc / 10000.0);
    const int whole = static_cast<int>(utc);
    const int minutes = (whole % 10000) / 100;
    const int seconds = whole % 100;
    const QTime time(hours, minutes, seconds);
    const QDate date(m_year->value(), m_month->value(), m_day->value());
    if (!time.isValid() || !date.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

int ZdaData::localTimeOffsetSeconds() const
{
    // In 64 bits: the fields hold whatever integer was received, and the product must not overflow.
    const qint64 hours = m_localHoursOffset->value();
    const qint64 minutes = m_localMinutesOffset->value();
    const qint64 offset = hours < 0 ? -3600 * hours + 60 * minutes : -3600 * hours - 60 * minutes;
    return static_cast<int>(
        qBound<qint64>(std::numeric_limits<int>::min(), offset, std::numeric_limits<int>::max()));
}

QDateTime ZdaData::localDateTime() const
{
    const int offset = localTimeOffsetSeconds();
    // QTimeZone accepts offsets of up to 14 hours either way.
    if (offset < -14 * 3600 || offset > 14 * 3600)
        return QDateTime();
    const QTimeZone zone(offset);
    if (!zone.isValid())
        return QDateTime();
    const QDateTime utc = utcDateTime();
    if (!utc.isValid())
        return QDateTime();
    return utc.toTimeZone(zone);
}

bool ZdaData::allFieldsValid() const
{
    const QMetaObject *meta = metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const ValidatedProperty *field = NmeaMessage::fieldOf(this, meta->property(i).name());
        if (!field || !field->isValid())
            return false;
    }
    return true;
}
