#include "ui/widgets/ListRows.h"

#include "ui/CustomLayout.h"

#include <QListWidget>

namespace ListRows {

int heightFor(int count, int designRowHeight, int formHeight)
{
    const double sy = screenScaleY();
    // The rows, the list's spacing of 1 above and below each row, and its 2-pixel padding and frame.
    const int content = int(int(count * designRowHeight * sy) + sy * (2 * count + 2) + 6);
    const int maximum = int(formHeight * sy);
    return qMin(maximum, content);
}

void fill(QListWidget *list, const QStringList &texts, int designRowHeight, int formHeight)
{
    list->clear();
    list->insertItems(0, texts);
    const int height = int(designRowHeight * screenScaleY());
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        // An item without a width hint keeps none (0): a size with a negative width would be dropped.
        item->setSizeHint(QSize(qMax(0, item->sizeHint().width()), height));
    }
    list->resize(list->width(), heightFor(texts.size(), designRowHeight, formHeight));
}

} // namespace ListRows
