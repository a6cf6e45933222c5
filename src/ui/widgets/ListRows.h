#ifndef LISTROWS_H
#define LISTROWS_H

#include <QStringList>

class QListWidget;

// The lists of the long-press screens show one row per item at a row height of the 800 x 480 design,
// scaled with the screen: the list is filled anew and made as high as its rows need, but never higher
// than the form gave it (scaled), so a short list does not leave an empty grey area below its rows.
namespace ListRows {

// Clears the list, inserts the texts at the top in order with rows `designRowHeight` x screenScaleY()
// high, and sets the list's height; `formHeight` is the list's height in the form.
void fill(QListWidget *list, const QStringList &texts, int designRowHeight, int formHeight);

// The height the list gets for `count` rows.
int heightFor(int count, int designRowHeight, int formHeight);

} // namespace ListRows

#endif // LISTROWS_H
