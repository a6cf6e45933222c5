#ifndef ZDADATA_H
#define ZDADATA_H

#include <QDateTime>
#include <QObject>

class ValidatedFloatProperty;
class ValidatedIntProperty;

// The fields of the last received ZDA sentence, turned into a UTC and a local date-time. The values
// expire 60 ticks of the validity timer after the last ZDA.
class ZdaData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *Utc MEMBER m_utc)
    Q_PROPERTY(ValidatedIntProperty *Day MEMBER m_day)
    Q_PROPERTY(ValidatedIntProperty *Month MEMBER m_month)
    Q_PROPERTY(ValidatedIntProperty *Year MEMBER m_year)
    Q_PROPERTY(ValidatedIntProperty *LocalHoursOffset MEMBER m_localHoursOffset)
    Q_PROPERTY(ValidatedIntProperty *LocalMinutesOffset MEMBER m_localMinutesOffset)

    Q_CLASSINFO("Utc", "type=float validityLimit=60")
    Q_CLASSINFO("Day", "type=int validityLimit=60")
    Q_CLASSINFO("Month", "type=int validityLimit=60")
    Q_CLASSINFO("Year", "type=int validityLimit=60")
    Q_CLASSINFO("LocalHoursOffset", "type=int validityLimit=60")
    Q_CLASSINFO("LocalMinutesOffset", "type=int validityLimit=60")

public:
    explicit ZdaData(QObject *parent = nullptr);

    // Utc holds the time of day as the number hhmmss.ss.
    ValidatedFloatProperty *utc() const;
    ValidatedIntProperty *day() const;
    ValidatedIntProperty *month() const;
    ValidatedIntProperty *year() const;
    ValidatedIntProperty *localHoursOffset() const;
    ValidatedIntProperty *localMinutesOffset() const;

    // Date and time of the fields in UTC, fractions of a second dropped; invalid for parts out of range.
    // The validity of the fields is not consulted: callers test them first.
    QDateTime utcDateTime() const;
    // Offset of local time from UTC. The ZDA zone fields give the time to add to local time to get UTC,
    // with the sign of the hours applying to the minutes too, so the offset is their negation.
    int localTimeOffsetSeconds() const;
    // utcDateTime() in the fixed zone of localTimeOffsetSeconds(); invalid when that offset is beyond
    // what a zone can have (14 hours either way).
    QDateTime localDateTime() const;
    // True when every field is valid.
    bool allFieldsValid() const;

signals:
    void signalDateTimeUpdated();

private:
    ValidatedFloatProperty *m_utc = nullptr;
    ValidatedIntProperty *m_day = nullptr;
    ValidatedIntProperty *m_month = nullptr;
    ValidatedIntProperty *m_year = nullptr;
    ValidatedIntProperty *m_localHoursOffset = nullptr;
    ValidatedIntProperty *m_localMinutesOffset = nullptr;
};

#endif // ZDADATA_H
