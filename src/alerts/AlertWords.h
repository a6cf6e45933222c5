#ifndef ALERTWORDS_H
#define ALERTWORDS_H

#include <QMetaType>
#include <QString>

// The four enumerations that describe an alert. The value of each is the position of its word in the
// table below; the same integers travel in the runtime alert records, drive the alarm panel and the
// buzzer choice, and are the states of the alert engine. The words are case sensitive. The enumerations
// are scoped because their words ("Alert", "Normal", "None") are too common for the global namespace.

enum class AlertPriority { Alarm = 0, Alert = 1, Caution = 2, EmergencyAlarm = 3 };
enum class AlertCategory { CatA = 0, CatB = 1, CatC = 2 };
enum class AlertState {
    ActiveUnacknowledged = 0,
    ActiveSilenced = 1,
    ActiveAcknowledged = 2,
    ActiveResponsibilityTransferred = 3,
    RectifiedUnacknowledged = 4,
    Normal = 5
};
enum class EscalationType { None = 0, WarningToWarning = 1, WarningToAlarm = 2, AlarmToAlarm = 3 };

Q_DECLARE_METATYPE(AlertPriority)
Q_DECLARE_METATYPE(AlertCategory)
Q_DECLARE_METATYPE(AlertState)
Q_DECLARE_METATYPE(EscalationType)

// The tables are constants of this header: every file that includes it holds its own identical copy.
const int alertPriorityCount = 4;
const int alertCategoryCount = 3;
const int alertStateCount = 6;
const int alertEscalationCount = 4;

const char *const alertPriorityNames[alertPriorityCount] = { "Alarm", "Alert", "Caution", "EmergencyAlarm" };
const char *const alertCategoryNames[alertCategoryCount] = { "CatA", "CatB", "CatC" };
const char *const alertStateNames[alertStateCount] = { "ActiveUnacknowledged", "ActiveSilenced",
    "ActiveAcknowledged", "ActiveResponsibilityTransferred", "RectifiedUnacknowledged", "Normal" };
const char *const alertEscalationNames[alertEscalationCount]
    = { "None", "WarningToWarning", "WarningToAlarm", "AlarmToAlarm" };

// Value to word: the word at that position, or an empty text for a position outside the table.
QString alertPriorityName(int index);
QString alertCategoryName(int index);
QString alertStateName(int index);
QString alertEscalationName(int index);

// Word to value: the position of the first entry equal to the word (exact, case sensitive, no trimming).
// A word that is not in the table gives the table's size (alertPriorityCount, ...), which is no valid
// value: a caller must check the result before it indexes anything with it.
int alertPriorityFromName(const QString &word);
int alertCategoryFromName(const QString &word);
int alertStateFromName(const QString &word);
int alertEscalationFromName(const QString &word);

#endif // ALERTWORDS_H
