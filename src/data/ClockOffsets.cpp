#include "data/ClockOffsets.h"

#include <QTimeZone>

#include <atomic>
#include <cstdlib>

namespace {

// Offsets closer than this to the stored one are taken as jitter of the received time.
constexpr qint64 offsetTolerance = 30;
// The widest offset a fixed-offset time zone takes.
constexpr int maxLocalOffsetSeconds = 14 * 3600;

std::atomic<qint64> s_utcOffsetSeconds { 0 };
std::atomic<bool> s_utcOffsetValid { false };
std::atomic<int> s_localTimeOffsetSeconds { 0 };
std::atomic<bool> s_localTimeOffsetValid { false };

bool differsEnough(qint64 stored, qint64 candidate)
{
    return std::llabs(stored - candidate) > offsetTolerance;
}

QDateTime currentCorrectedUtc()
{
    QDateTime utc = QDateTime::currentDateTimeUtc();
    if (s_utcOffsetValid.load())
        utc = utc.addSecs(s_utcOffsetSeconds.load());
    return utc;
}

} // namespace

bool isUtcOffsetValid()
{
    return s_utcOffsetValid.load();
}

bool isLocalTimeOffsetValid()
{
    return s_localTimeOffsetValid.load();
}

qint64 utcOffsetSeconds()
{
    return s_utcOffsetSeconds.load();
}

int localTimeOffsetSeconds()
{
    return s_localTimeOffsetSeconds.load();
}

QDateTime systemDateTimeUtc()
{
    return currentCorrectedUtc();
}

QDateTime systemDateTimeLocal()
{
    if (s_localTimeOffsetValid.load()) {
        const QTimeZone zone(s_localTimeOffsetSeconds.load());
        if (zone.isValid())
            return currentCorrectedUtc().toTimeZone(zone);
    }
    return QDateTime::currentDateTime();
}

QDateTime systemDateTimeLocalOrUtc()
{
    if (s_localTimeOffsetValid.load())
        return systemDateTimeLocal();
    if (s_utcOffsetValid.load())
        return currentCorrectedUtc();
    return QDateTime::currentDateTime();
}

bool updateUtcOffset(const QDateTime &received)
{
    if (!received.isValid())
        return false;
    const qint64 offset = QDateTime::currentDateTimeUtc().secsTo(received.toUTC());
    if (!differsEnough(s_utcOffsetSeconds.load(), offset))
        return false;
    s_utcOffsetSeconds.store(offset);
    return true;
}

bool updateOffsets(const QDateTime &received)
{
    if (!received.isValid())
        return false;
    const bool utcStored = updateUtcOffset(received);
    const bool localStored = updateLocalTimeOffset(received.offsetFromUtc());
    return utcStored || localStored;
}

bool updateLocalTimeOffset(int seconds)
{
    if (seconds < -maxLocalOffsetSeconds || seconds > maxLocalOffsetSeconds)
        return false;
    if (!differsEnough(s_localTimeOffsetSeconds.load(), seconds))
        return false;
    s_localTimeOffsetSeconds.store(seconds);
    return true;
}

void setUtcOffsetValid(bool valid)
{
    s_utcOffsetValid.store(valid);
}

void setLocalTimeOffsetValid(bool valid)
{
    s_localTimeOffsetValid.store(valid);
    if (!valid)
        s_localTimeOffsetSeconds.store(0);
}

QString formatDateTimeWithOffset(const QDateTime &dateTime, const QString &format, const QLocale &locale)
{
    QString text = locale.toString(dateTime, format) + QStringLiteral(" UTC");
    const int offset = dateTime.offsetFromUtc();
    if (offset != 0) {
        const int magnitude = std::abs(offset);
        text += (offset > 0 ? QLatin1Char('+') : QLatin1Char('-'));
        text += QStringLiteral("%1:%2")
                    .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                    .arg((magnitude % 3600) / 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString currentUtcText(const QString &format)
{
    return QLocale(QLocale::English).toString(systemDateTimeUtc(), format);
}

QString buildDateStampFrom(const QString &compileDate)
{
    const QDate date = QLocale::c().toDate(compileDate.simplified(), QStringLiteral("MMM d yyyy"));
    return date.isValid() ? date.toString(QStringLiteral("yyMMdd")) : QString();
}

QString buildDateTimeStampFrom(const QString &compileDate, const QString &compileTime)
{
    const QDateTime dateTime = QLocale::c().toDateTime(
        (compileDate + compileTime).simplified(), QStringLiteral("MMM d yyyyhh:mm:ss"));
    return dateTime.isValid() ? dateTime.toString(QStringLiteral("yyMMddHHmmss")) : QString();
}

QString buildDateStamp()
{
    return buildDateStampFrom(QStringLiteral(__DATE__));
}

QString buildDateTimeStamp()
{
    return buildDateTimeStampFrom(QStringLiteral(__DATE__), QStringLiteral(__TIME__));
}
