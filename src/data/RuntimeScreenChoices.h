#ifndef RUNTIMESCREENCHOICES_H
#define RUNTIMESCREENCHOICES_H

#include <QString>
#include <QVector>

struct ClassInfoItem;

// The choices of a runtime page's value buttons (the settings Information1..5, BottomBar1..3 and
// RuntimeData1..4 of "RuntimeScreenSetupA" to "D", whose descriptions name a list instead of writing
// one): built from the page letter and the class information of the runtime values and the bottom bars,
// so that the descriptions of the screens and the check of stored values see the same choices.
//
// "RuntimeInformation": every runtime value not marked "shownOnSideInfo=false", in the order of the
// runtime values, shown by its displayed name, owned by "ESRuntime". "BottomBarsInformation" and
// "RangeBottomBarsInformation": the page's list of the bottom-bars class information.
// "RuntimeDataInformation": a fixed table per page letter. A page without entries gets one empty choice.
struct RuntimeScreenChoices
{
    // ";"-joined, index for index: the property names, their display texts (empty when there are none)
    // and the owners ("TransducerSetup1_|_TransducerSetup2" names both transducer setups).
    QString values;
    QString displayTexts;
    QString objects;
    // False when the list name is none of the four: nothing was built.
    bool built = false;

    // The list name of a description: the value of its first item that mentions "enumList" (BottomBar1's
    // "enumList=RangeBottomBarsInformation enumListToDisplay=Range" gives the first); empty when none does.
    static QString listName(const QVector<ClassInfoItem> &items);
    static RuntimeScreenChoices of(const QString &listName, const QString &pageLetter);
    // The number of choices a stored index may select; 0 when the list name builds nothing. Computed
    // once per list name and letter.
    static int count(const QString &listName, const QString &pageLetter);
    // The page letter of a runtime page's settings object ("RuntimeScreenSetupB" gives "B"); empty for
    // any other object name.
    static QString pageLetter(const QString &objectName);

    // The fixed RuntimeData choices of a page letter: property names and display texts, ";"-joined;
    // empty for a letter without an entry.
    static QString runtimeDataValues(const QString &letter);
    static QString runtimeDataDisplayTexts(const QString &letter);
};

#endif // RUNTIMESCREENCHOICES_H
