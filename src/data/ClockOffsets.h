#ifndef CLOCKOFFSETS_H
#define CLOCKOFFSETS_H

#include <QDateTime>
#include <QLocale>
#include <QString>

// The unit never sets the operating system's clock. It keeps, process-wide, the offset
// from the system's UTC clock to the UTC received from the ship's network and the offset
// from UTC to the ship's local time, each with a flag telling whether it is applied.
// Every value is a separate atomic: readers on any thread see the old or the new value,
// but may see a new flag with an old offset or the reverse. Writers run on the GUI thread.

bool isUtcOffsetValid();
bool isLocalTimeOffsetValid();
qint64 utcOffsetSeconds();
int localTimeOffsetSeconds();

// The system's UTC clock, moved by the UTC offset when that is valid.
QDateTime systemDateTimeUtc();
// systemDateTimeUtc() in a fixed-offset zone of the local offset when that is valid,
// otherwise the system's local clock.
QDateTime systemDateTimeLocal();
// The local time when known, else the corrected UTC when the UTC offset is valid, else
// the system's local clock.
QDateTime systemDateTimeLocalOrUtc();

// Each update replaces a stored offset only when the new one differs from it by more
// than 30 seconds, and returns whether it did; the flags are left alone. A date-time
// that is not valid, and a local offset beyond 14 hours either way, change nothing.
bool updateUtcOffset(const QDateTime &received);
// The UTC offset as updateUtcOffset, then the local offset from the received date-time's
// own offset from UTC; true when either was stored.
bool updateOffsets(const QDateTime &received);
bool updateLocalTimeOffset(int seconds);

// Stores the flag only; the offset stays and applies again when the flag is set.
void setUtcOffsetValid(bool valid);
// Stores the flag; false also clears the local offset to 0.
void setLocalTimeOffsetValid(bool valid);

// The date-time written by the locale with the format, then " UTC" and, when its offset
// from UTC is not 0, the offset as "+hh:mm" or "-hh:mm".
QString formatDateTimeWithOffset(const QDateTime &dateTime, const QString &format, const QLocale &locale);
// systemDateTimeUtc() written with the format in the English locale.
QString currentUtcText(const QString &format);

// The date (and time) at which the program was compiled: "yyMMdd" and "yyMMddHHmmss".
QString buildDateStamp();
QString buildDateTimeStamp();
// The same from the compiler's texts ("Dec 19 2018", "14:40:21"); runs of blanks count
// as one. An unreadable text gives an empty stamp.
QString buildDateStampFrom(const QString &compileDate);
QString buildDateTimeStampFrom(const QString &compileDate, const QString &compileTime);

#endif // CLOCKOFFSETS_H
