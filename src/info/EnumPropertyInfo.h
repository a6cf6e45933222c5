#ifndef ENUMPROPERTYINFO_H
#define ENUMPROPERTYINFO_H

#include "info/SetupPropertyInfo.h"

#include <QList>
#include <QStringList>

#include <functional>

// A setting chosen from a fixed list of texts: the property's integer value is the position in the list
// ("enumList=kn;m/s;mi/h"). Keeps the list, optional texts to show instead ("enumListToDisplay="), the
// current index, the highest index stepping reaches and the indexes that may not be chosen; steps through
// the list when its button is pressed and writes the choice back to the settings object, which saves or
// sends it.
//
// Three lists: the values (enumList), the values as shown (equal to the values except where the choices
// follow a unit scale) and the display texts. The display form of an item is its display text when a
// display list is given and has one for that index, otherwise the item with "_" shown as a blank (and a
// doubled "_" as one "_").
//
// Keys read: "enumList=", "enumListToDisplay=" (any case), "bidirectionalChange=false",
// "invertedNextAndPrevious=true" (exactly).
class EnumPropertyInfo : public SetupPropertyInfo
{
    Q_OBJECT

public:
    // Throws "wrong enum property info parameters" for an empty value list.
    EnumPropertyInfo(const QString &description, SerializableClass *sourceObject);

    QString text() const override;

    QStringList enumList() const { return m_enumList; }
    QStringList enumListToDisplay() const { return m_enumListToDisplay; }
    QStringList shownList() const { return m_shownList; }

    int currentIndex() const { return m_currentIndex; }
    QString currentValue() const;
    QString currentShownValue() const;
    QString currentDisplayText() const;
    QString currentDisplayedValue() const;
    // The same for a given index; empty text for an index outside the list.
    QString valueAt(int index) const;
    QString shownValueAt(int index) const;
    QString displayTextAt(int index) const;
    QString displayedValueAt(int index) const;
    // Position of the exact text, -1 when absent.
    int indexOfValue(const QString &value) const;
    int indexOfShownValue(const QString &value) const;

    // The choices a user is offered: index 0 up to the last index, without the invalid ones.
    QStringList selectableValues() const;
    QStringList selectableShownValues() const;
    QStringList selectableDisplayTexts() const;
    QStringList selectableDisplayedValues() const;

    QList<int> invalidIndexes() const { return m_invalidIndexes; }
    // Nothing is refreshed.
    void setInvalidIndexes(const QList<int> &indexes);
    int lastIndex() const { return m_lastIndex; }
    // A negative index, or one past the list, means the last item of the list.
    void setLastIndex(int index);
    bool isBidirectionalChange() const { return m_bidirectionalChange; }
    bool isInvertedNextAndPrevious() const { return m_invertedNextAndPrevious; }

    // Selects the index (one outside the list selects 0). A change is written to the settings object,
    // serialized (saved or sent), shown on the button and announced; the current index changes nothing.
    void setCurrentIndex(int index);
    void setCurrentValue(const QString &value);
    void setCurrentShownValue(const QString &value);
    void setCurrentDisplayText(const QString &text);
    void setCurrentDisplayedValue(const QString &text);
    // Steps to the next (previous) selectable index, wrapping at the last index, and writes, serializes
    // and announces it even when it is the same. The directions swap with "invertedNextAndPrevious=true"
    // unless ignoreInversion. Stepping looks at most once at every index: with no selectable index at all
    // nothing happens.
    void next(bool ignoreInversion = false);
    void previous(bool ignoreInversion = false);

public slots:
    void updateGUI() override;

protected slots:
    void readValueFromSourceProperty(QVariant value) override;
    void buttonPressed() override;
    void buttonReleased() override;

protected:
    // Runs before updateGUI announces the value; a kind whose shown list follows the displayed unit
    // chooses its list here.
    virtual void selectListForUnit();

    // Sets the values and the display texts from ";"-joined texts ("_" in a display text is shown as a
    // blank); an empty display text leaves the display list as it is.
    void setLists(const QString &values, const QString &displayTexts);
    // The index from the source property: 0 when it is no integer or outside the list.
    int indexFromSource() const;
    // The end of a user's choice: store, write, serialize, then show and announce.
    void applyChoice(int index);
    // Shows the current text on the bound button and emits valueChanged and (when connected) textChanged.
    void announce();

    QStringList m_enumList;
    QStringList m_enumListToDisplay;
    QStringList m_shownList;
    int m_currentIndex = 0;
    int m_lastIndex = -1;
    QList<int> m_invalidIndexes;
    bool m_bidirectionalChange = true;
    bool m_invertedNextAndPrevious = false;

private:
    QString displayForm(const QStringList &list, int index) const;
    // The first index whose text is `text`, -1 when none.
    int indexOfText(const QString &text, QString (EnumPropertyInfo::*textAt)(int) const) const;
    QStringList selectable(const std::function<QString(int)> &itemAt) const;
    void step(int direction);
};

#endif // ENUMPROPERTYINFO_H
