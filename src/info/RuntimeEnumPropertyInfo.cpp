#include "info/RuntimeEnumPropertyInfo.h"

#include "common/ClassInformation.h"
#include "data/RuntimeScreenChoices.h"
#include "data/SerializableClass.h"

#include <QDebug>

namespace {

const char constructorException[] = "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor exception";

} // namespace

RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo(const QString &description, SerializableClass *sourceObject)
    : EnumPropertyInfo(description, sourceObject)
{
    const QString listName = RuntimeScreenChoices::listName(descriptionItems(description));
    if (listName.isEmpty()) {
        qDebug() << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor mistake";
        throw constructorException;
    }

    const QString letter
        = RuntimeScreenChoices::pageLetter(sourceObject ? sourceObject->objectName() : QString());
    if (letter.isEmpty()) {
        qDebug() << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo - Wrong source class";
        throw constructorException;
    }

    const RuntimeScreenChoices choices = RuntimeScreenChoices::of(listName, letter);
    if (choices.built) {
        setLists(choices.values, choices.displayTexts);
        setObjectLists(choices.objects);
    }

    if (m_enumList.isEmpty() || m_enumList.size() != m_firstObjectList.size()) {
        qDebug() << "wrong enum property info parameters!";
        throw "wrong enum property info parameters";
    }
    m_currentIndex = indexFromSource();
    m_shownList = m_enumList;
    m_lastIndex = m_enumList.size() - 1;
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
