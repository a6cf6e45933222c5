#include "alerts/AlertWords.h"

namespace {

QString wordAt(const char *const *table, int size, int index)
{
    if (index < 0 || index >= size)
        return QString();
    return QString::fromLatin1(table[index]);
}

int positionOf(const char *const *table, int size, const QString &word)
{
    for (int i = 0; i < size; ++i) {
        if (word == QLatin1String(table[i]))
            return i;
    }
    return size;
}

} // namespace

QString alertPriorityName(int index)
{
    return wordAt(alertPriorityNames, alertPriorityCount, index);
}

QString alertCategoryName(int index)
{
    return wordAt(alertCategoryNames, alertCategoryCount, index);
}

QString alertStateName(int index)
{
    return wordAt(alertStateNames, alertStateCount, index);
}

QString alertEscalationName(int index)
{
    return wordAt(alertEscalationNames, alertEscalationCount, index);
}

int alertPriorityFromName(const QString &word)
{
    return positionOf(alertPriorityNames, alertPriorityCount, word);
}

int alertCategoryFromName(const QString &word)
{
    return positionOf(alertCategoryNames, alertCategoryCount, word);
}

int alertStateFromName(const QString &word)
{
    return positionOf(alertStateNames, alertStateCount, word);
}

int alertEscalationFromName(const QString &word)
{
    return positionOf(alertEscalationNames, alertEscalationCount, word);
}
