#include "data/RuntimeScreenChoices.h"

#include "common/ClassInformation.h"
#include "data/ESBottomBars.h"
#include "data/ESRuntime.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

struct RuntimeDataChoices
{
    const char *letter;
    const char *values;
    const char *displayTexts;
};

// The further values a runtime page shows besides its buttons; pages C and D have none.
const RuntimeDataChoices runtimeDataTable[] = {
    { "A", "SpeedGPS;Total;Trip;OFF", "SOG_From_GPS;Total;Trip;off" },
    { "B",
        "SpeedSOGGpsLong;SpeedSOGGpsTra;SpeedSOGGpsTraFore;SpeedSOGGpsTraAft;SpeedGPS;SpeedSOGLog;"
        "SpeedSTWLog;"
        "SpeedSTWLogLong;SpeedSTWLogTra;WaterCurrent;Total;Trip;Heading;PositionNS;PositionEW;OFF",
        "SOG_L_Gps;SOG_T_Gps;SOG_T_Fore_Gps;SOG_T_Aft_Gps;SOG_From_GPS;SOG_From_Log;STW_From_Log;STW_L_Log;"
        "STW_T_Log;Water_Current;Total;Trip;Heading;Position_N/S;Position_E/W;off" },
};

const RuntimeDataChoices *runtimeDataChoices(const QString &letter)
{
    for (const RuntimeDataChoices &choices : runtimeDataTable) {
        if (letter == QLatin1String(choices.letter))
            return &choices;
    }
    return nullptr;
}

// Collects the choices from a class's information entries: the entry named `listEntry` gives
// "property,object" items, `displayEntry` their display texts, other list entries are skipped, and every
// other entry (one value's description) is a choice of its own owned by `owner`.
void collectChoices(const QMetaObject *meta, const QString &listEntry, const QString &displayEntry,
    const QString &owner, RuntimeScreenChoices *choices)
{
    QStringList values;
    QStringList displayTexts;
    QStringList objects;
    const QByteArray listName = listEntry.toUtf8();
    const QByteArray displayName = displayEntry.toUtf8();
    for (const ClassInfoEntry &entry : ClassInformation::of(meta).entries()) {
        if (!listName.isEmpty() && entry.name == listName) {
            const QStringList pairs = entry.text.split(QLatin1Char(';'));
            for (const QString &pair : pairs) {
                // An item without "," names no object; it is owned by nothing rather than read past its end.
                const QStringList parts = pair.split(QLatin1Char(','));
                values.append(parts.at(0));
                objects.append(parts.value(1));
            }
        } else if (!displayName.isEmpty() && entry.name == displayName) {
            displayTexts.append(entry.text);
        } else if (entry.name.contains("SetupInformation")) {
            continue;
        } else {
            bool hidden = false;
            QString shown;
            bool shownFound = false;
            for (const ClassInfoItem &item : entry.items) {
                if (item.text == QLatin1String("shownOnSideInfo=false"))
                    hidden = true;
                if (!shownFound && item.text.contains(QLatin1String("nameToDisplay"), Qt::CaseInsensitive)) {
                    shownFound = true;
                    shown = item.value;
                }
            }
            if (hidden)
                continue;
            const QString name = QString::fromUtf8(entry.name);
            displayTexts.append(shown.isEmpty() ? name : shown);
            values.append(name);
            objects.append(owner);
        }
    }
    choices->values = values.join(QLatin1Char(';'));
    choices->displayTexts = displayTexts.join(QLatin1Char(';'));
    choices->objects = objects.join(QLatin1Char(';'));
}

} // namespace

QString RuntimeScreenChoices::runtimeDataValues(const QString &letter)
{
    const RuntimeDataChoices *choices = runtimeDataChoices(letter);
    return choices ? QString::fromUtf8(choices->values) : QString();
}

QString RuntimeScreenChoices::runtimeDataDisplayTexts(const QString &letter)
{
    const RuntimeDataChoices *choices = runtimeDataChoices(letter);
    return choices ? QString::fromUtf8(choices->displayTexts) : QString();
}

QString RuntimeScreenChoices::listName(const QVector<ClassInfoItem> &items)
{
    for (const ClassInfoItem &item : items) {
        if (item.text.contains(QLatin1String("enumList")))
            return item.value;
    }
    return QString();
}

RuntimeScreenChoices RuntimeScreenChoices::of(const QString &listName, const QString &pageLetter)
{
    RuntimeScreenChoices choices;
    if (listName.contains(QLatin1String("RuntimeInformation"))) {
        collectChoices(&ESRuntime::staticMetaObject, QStringLiteral("SetupInformation") + pageLetter,
            QStringLiteral("SetupInformationToDisplay") + pageLetter, QStringLiteral("ESRuntime"), &choices);
    } else if (listName.contains(QLatin1String("BottomBarsInformation"))) {
        QString listEntry;
        QString displayEntry;
        if (listName == QLatin1String("BottomBarsInformation")) {
            listEntry = QStringLiteral("SetupInformation") + pageLetter;
            displayEntry = QStringLiteral("SetupInformationToDisplay") + pageLetter;
        } else if (listName == QLatin1String("RangeBottomBarsInformation")) {
            listEntry = QStringLiteral("RangeSetupInformation") + pageLetter;
            displayEntry = QStringLiteral("RangeSetupInformationToDisplay") + pageLetter;
        }
        collectChoices(&ESBottomBars::staticMetaObject, listEntry, displayEntry,
            QStringLiteral("ESBottomBars"), &choices);
    } else if (listName.contains(QLatin1String("RuntimeDataInformation"))) {
        choices.values = runtimeDataValues(pageLetter);
        choices.displayTexts = runtimeDataDisplayTexts(pageLetter);
        const int count = choices.values.count(QLatin1Char(';')) + 1;
        choices.objects
            = QVector<QString>(count, QStringLiteral("ESRuntime")).toList().join(QLatin1Char(';'));
    } else {
        return choices;
    }
    choices.built = true;
    return choices;
}

int RuntimeScreenChoices::count(const QString &listName, const QString &pageLetter)
{
    // Settings objects live on the GUI thread only, as does every reader of this cache.
    static QHash<QString, int> counts;
    const QString key = listName + QLatin1Char('/') + pageLetter;
    auto found = counts.constFind(key);
    if (found != counts.constEnd())
        return *found;
    const RuntimeScreenChoices choices = of(listName, pageLetter);
    // Split as the descriptions split it: an empty text is one empty choice.
    const int n = choices.built ? choices.values.count(QLatin1Char(';')) + 1 : 0;
    counts.insert(key, n);
    return n;
}

QString RuntimeScreenChoices::pageLetter(const QString &objectName)
{
    static const QRegularExpression page(QStringLiteral("RuntimeScreenSetup([A-Z]){1,1}"));
    const QRegularExpressionMatch match = page.match(objectName);
    return match.hasMatch() ? match.captured(1) : QString();
}
