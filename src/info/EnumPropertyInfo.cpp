#include "info/EnumPropertyInfo.h"

#include "common/ClassInformation.h"
#include "common/SignalEmitter.h"
#include "data/SerializableClass.h"

#include <QRegularExpression>

EnumPropertyInfo::EnumPropertyInfo(const QString &description, SerializableClass *sourceObject)
    : SetupPropertyInfo(description, sourceObject)
{
    static const QStringList keys = { QStringLiteral("enumList="), QStringLiteral("enumListToDisplay=") };
    QString values;
    QString displayTexts;
    readItems(description, keys, [&](int key, const ClassInfoItem &item) {
        if (key == 0)
            values = item.value;
        else if (key == 1)
            displayTexts = item.value;
        // These two are matched exactly: "bidirectionalChange=False" changes nothing.
        else if (item.text.contains(QLatin1String("bidirectionalChange=false")))
            m_bidirectionalChange = false;
        else if (item.text.contains(QLatin1String("invertedNextAndPrevious=true")))
            m_invertedNextAndPrevious = true;
    });

    // The choices of a runtime page's value buttons are built by RuntimeEnumPropertyInfo from the runtime
    // values and the bottom-bar lists, not from the text.
    static const QRegularExpression builtElsewhere(
        QStringLiteral("(RuntimeInformation)|(BottomBarsInformation)"));
    if (builtElsewhere.match(values).hasMatch())
        return;

    setLists(values, displayTexts);
    if (m_enumList.isEmpty())
        throw "wrong enum property info parameters";
    m_currentIndex = indexFromSource();
    m_shownList = m_enumList;
    m_lastIndex = m_enumList.size() - 1;
}

void EnumPropertyInfo::setLists(const QString &values, const QString &displayTexts)
{
    m_enumList = values.split(QLatin1Char(';'));
    if (!displayTexts.isEmpty())
        m_enumListToDisplay
            = QString(displayTexts).replace(QLatin1Char('_'), QLatin1Char(' ')).split(QLatin1Char(';'));
}

int EnumPropertyInfo::indexFromSource() const
{
    SerializableClass *source = sourceObject();
    if (!source)
        return 0;
    const int index = source->property(name().toLatin1().constData()).toInt();
    return index < 0 || index >= m_enumList.size() ? 0 : index;
}

QString EnumPropertyInfo::text() const
{
    if (isAlternativeTextShown())
        return alternativeText();
    if (!isValid())
        return QStringLiteral("-/-");
    return currentDisplayedValue() + QLatin1Char(' ') + displayedUnit();
}

// ---------------------------------------------------------------------------------------------------------
// Texts of the list

QString EnumPropertyInfo::displayForm(const QStringList &list, int index) const
{
    // A display list shorter than the value list has no text for the further indexes: those show the
    // item itself, as without a display list.
    if (index >= 0 && index < m_enumListToDisplay.size())
        return m_enumListToDisplay.at(index);
    return list.value(index)
        .replace(QLatin1Char('_'), QLatin1Char(' '))
        .replace(QLatin1String("  "), QLatin1String("_"));
}

QString EnumPropertyInfo::valueAt(int index) const
{
    return m_enumList.value(index);
}

QString EnumPropertyInfo::shownValueAt(int index) const
{
    return m_shownList.value(index);
}

QString EnumPropertyInfo::displayTextAt(int index) const
{
    return displayForm(m_enumList, index);
}

QString EnumPropertyInfo::displayedValueAt(int index) const
{
    return displayForm(m_shownList, index);
}

// The current index never leaves the list; should it, the texts are those of index 0.
QString EnumPropertyInfo::currentValue() const
{
    return valueAt(m_currentIndex < m_enumList.size() ? m_currentIndex : 0);
}

QString EnumPropertyInfo::currentShownValue() const
{
    return shownValueAt(m_currentIndex < m_enumList.size() ? m_currentIndex : 0);
}

QString EnumPropertyInfo::currentDisplayText() const
{
    return displayTextAt(m_currentIndex < m_enumList.size() ? m_currentIndex : 0);
}

QString EnumPropertyInfo::currentDisplayedValue() const
{
    return displayedValueAt(m_currentIndex < m_enumList.size() ? m_currentIndex : 0);
}

int EnumPropertyInfo::indexOfValue(const QString &value) const
{
    return m_enumList.indexOf(value);
}

int EnumPropertyInfo::indexOfShownValue(const QString &value) const
{
    return m_shownList.indexOf(value);
}

QStringList EnumPropertyInfo::selectable(const std::function<QString(int)> &itemAt) const
{
    QStringList items;
    for (int index = 0; index <= m_lastIndex; ++index) {
        if (!m_invalidIndexes.contains(index))
            items.append(itemAt(index));
    }
    return items;
}

QStringList EnumPropertyInfo::selectableValues() const
{
    return selectable([this](int index) { return valueAt(index); });
}

QStringList EnumPropertyInfo::selectableShownValues() const
{
    return selectable([this](int index) { return shownValueAt(index); });
}

QStringList EnumPropertyInfo::selectableDisplayTexts() const
{
    return selectable([this](int index) { return displayTextAt(index); });
}

QStringList EnumPropertyInfo::selectableDisplayedValues() const
{
    return selectable([this](int index) { return displayedValueAt(index); });
}

void EnumPropertyInfo::setInvalidIndexes(const QList<int> &indexes)
{
    m_invalidIndexes = indexes;
}

void EnumPropertyInfo::setLastIndex(int index)
{
    // Stepping and the choice lists read up to the last index, so it stays inside the list.
    const int last = m_enumList.size() - 1;
    m_lastIndex = index < 0 || index > last ? last : index;
}

// ---------------------------------------------------------------------------------------------------------
// Choosing

void EnumPropertyInfo::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_enumList.size())
        index = 0;
    if (index == m_currentIndex)
        return;
    applyChoice(index);
}

void EnumPropertyInfo::setCurrentValue(const QString &value)
{
    setCurrentIndex(indexOfValue(value));
}

void EnumPropertyInfo::setCurrentShownValue(const QString &value)
{
    setCurrentIndex(indexOfShownValue(value));
}

// The display forms are searched rather than turned back into items: a display list may be shorter than
// the values, and its further indexes show the items themselves.
void EnumPropertyInfo::setCurrentDisplayText(const QString &text)
{
    setCurrentIndex(indexOfText(text, &EnumPropertyInfo::displayTextAt));
}

void EnumPropertyInfo::setCurrentDisplayedValue(const QString &text)
{
    setCurrentIndex(indexOfText(text, &EnumPropertyInfo::displayedValueAt));
}

int EnumPropertyInfo::indexOfText(const QString &text, QString (EnumPropertyInfo::*textAt)(int) const) const
{
    for (int index = 0; index < m_enumList.size(); ++index) {
        if ((this->*textAt)(index) == text)
            return index;
    }
    return -1;
}

void EnumPropertyInfo::next(bool ignoreInversion)
{
    if (m_invertedNextAndPrevious && !ignoreInversion)
        previous(true);
    else
        step(+1);
}

void EnumPropertyInfo::previous(bool ignoreInversion)
{
    if (m_invertedNextAndPrevious && !ignoreInversion)
        next(true);
    else
        step(-1);
}

void EnumPropertyInfo::step(int direction)
{
    const int span = m_lastIndex + 1;
    if (span <= 0)
        return;
    int index = m_currentIndex;
    // One full turn at most: with every index invalid there is nowhere to stop.
    for (int looked = 0; looked < span; ++looked) {
        if (direction > 0)
            index = (index + 1) % span;
        else
            index = index - 1 < 0 || index - 1 > m_lastIndex ? m_lastIndex : index - 1;
        if (!m_invalidIndexes.contains(index)) {
            applyChoice(index);
            return;
        }
    }
}

void EnumPropertyInfo::applyChoice(int index)
{
    m_currentIndex = index;
    // The choice is announced below with the current validity; recording it first keeps the echo of the
    // write (the source's change signal) from announcing it a second time.
    m_lastValidity = isValid();
    if (SerializableClass *source = sourceObject())
        source->setProperty(name().toLatin1().constData(), index);
    serializeSingleProperty(QVariant(index));
    announce();
}

void EnumPropertyInfo::announce()
{
    refreshButton();
    emit valueChanged(currentDisplayedValue());
    if (textChangedIsConnected())
        emit textChanged(text());
}

// ---------------------------------------------------------------------------------------------------------
// Following the source

void EnumPropertyInfo::readValueFromSourceProperty(QVariant value)
{
    const int index = value.toInt();
    const bool valid = isValid();
    if (index != m_currentIndex || valid != m_lastValidity) {
        m_currentIndex = index < 0 || index >= m_enumList.size() ? 0 : index;
        announce();
    }
    m_lastValidity = valid;
}

void EnumPropertyInfo::updateGUI()
{
    selectListForUnit();
    announce();
}

void EnumPropertyInfo::selectListForUnit() { }

void EnumPropertyInfo::buttonPressed()
{
    emit propertyInfoSignalEmitter()->signalButtonOfEnumPropertyInfoPressed(this);
}

void EnumPropertyInfo::buttonReleased()
{
    emit propertyInfoSignalEmitter()->signalButtonOfEnumPropertyInfoReleased(this);
}
