#include "info/RuntimeEnumPropertyInfo.h"

#include "common/ClassInformation.h"
#include "data/ESBottomBars.h"
#include "data/ESRuntime.h"
#include "data/SerializableClass.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

const char constructorException[] = "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor exception";

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

// Items are collected each followed by ";" and the last ";" dropped, so an empty collection stays empty.
QString joined(const QStringList &items)
{
    return items.join(QLatin1Char(';'));
}

} // namespace

QString RuntimeEnumPropertyInfo::runtimeDataValues(const QString &letter)
{
    const RuntimeDataChoices *choices = runtimeDataChoices(letter);
    return choices ? QString::fromUtf8(choices->values) : QString();
}

QString RuntimeEnumPropertyInfo::runtimeDataDisplayTexts(const QString &letter)
{
    const RuntimeDataChoices *choices = runtimeDataChoices(letter);
    return choices ? QString::fromUtf8(choices->displayTexts) : QString();
}

RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo(const QString &description, SerializableClass *sourceObject)
    : EnumPropertyInfo(description, sourceObject)
{
    // The list name: the first item that mentions "enumList" (BottomBar1's "enumList=RangeBottomBars
    // Information enumListToDisplay=Range" gives the first).
    QString listName;
    const QVector<ClassInfoItem> items = descriptionItems(description);
    for (const ClassInfoItem &item : items) {
        if (item.text.contains(QLatin1String("enumList"))) {
            listName = item.value;
            break;
        }
    }
    if (listName.isEmpty()) {
        qDebug() << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor mistake";
        throw constructorException;
    }

    static const QRegularExpression page(QStringLiteral("RuntimeScreenSetup([A-Z]){1,1}"));
    const QRegularExpressionMatch match = page.match(sourceObject ? sourceObject->objectName() : QString());
    if (!match.hasMatch()) {
        qDebug() << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo - Wrong source class";
        throw constructorException;
    }
    const QString letter = match.captured(1);

    if (listName.contains(QLatin1String("RuntimeInformation"))) {
        collectChoices(&ESRuntime::staticMetaObject, QStringLiteral("SetupInformation") + letter,
            QStringLiteral("SetupInformationToDisplay") + letter, QStringLiteral("ESRuntime"));
    } else if (listName.contains(QLatin1String("BottomBarsInformation"))) {
        QString listEntry;
        QString displayEntry;
        if (listName == QLatin1String("BottomBarsInformation")) {
            listEntry = QStringLiteral("SetupInformation") + letter;
            displayEntry = QStringLiteral("SetupInformationToDisplay") + letter;
        } else if (listName == QLatin1String("RangeBottomBarsInformation")) {
            listEntry = QStringLiteral("RangeSetupInformation") + letter;
            displayEntry = QStringLiteral("RangeSetupInformationToDisplay") + letter;
        }
        collectChoices(
            &ESBottomBars::staticMetaObject, listEntry, displayEntry, QStringLiteral("ESBottomBars"));
    } else if (listName.contains(QLatin1String("RuntimeDataInformation"))) {
        setLists(runtimeDataValues(letter), runtimeDataDisplayTexts(letter));
        setObjectLists(joined(QVector<QString>(m_enumList.size(), QStringLiteral("ESRuntime")).toList()));
    }

    if (m_enumList.isEmpty() || m_enumList.size() != m_firstObjectList.size()) {
        qDebug() << "wrong enum property info parameters!";
        throw "wrong enum property info parameters";
    }
    m_currentIndex = indexFromSource();
    m_shownList = m_enumList;
    m_lastIndex = m_enumList.size() - 1;
}

void RuntimeEnumPropertyInfo::collectChoices(
    const QMetaObject *meta, const QString &listEntry, const QString &displayEntry, const QString &owner)
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
    setLists(joined(values), joined(displayTexts));
    setObjectLists(joined(objects));
}

void RuntimeEnumPropertyInfo::setObjectLists(const QString &objects)
{
    const QStringList items = objects.split(QLatin1Char(';'));
    for (const QString &item : items) {
        const QStringList both = item.split(QLatin1String("_|_"));
        if (both.size() == 2) {
            m_firstObjectList.append(both.at(0));
            m_secondObjectList.append(both.at(1));
        } else {
            m_firstObjectList.append(item);
            m_secondObjectList.append(item);
        }
    }
}

QString RuntimeEnumPropertyInfo::objectNameFor(const QString &connector) const
{
    const QStringList &objects = connector == QLatin1String("1") ? m_firstObjectList : m_secondObjectList;
    return objects.value(m_currentIndex);
}
