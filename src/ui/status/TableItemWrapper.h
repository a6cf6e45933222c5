#ifndef TABLEITEMWRAPPER_H
#define TABLEITEMWRAPPER_H

#include "ui/CustomColorDefinitions.h"

#include <QColor>
#include <QObject>

class QTableWidgetItem;

// Owns one cell of a status list and lets it receive signals: its text, its colours, the marking of a value
// outside its limits and the palette colour. A text (often the junction box's) is shown without the
// characters a font draws as boxes; the table cuts it to the cell. The cell is deleted with the wrapper,
// which takes it out of its table.
class TableItemWrapper : public QObject
{
    Q_OBJECT
public:
    // A cell with the text, following the palette colour.
    TableItemWrapper(const QString &text, QObject *parent = nullptr);
    // A copy of another wrapper's cell, with the same parent; it does not follow the palette.
    explicit TableItemWrapper(const TableItemWrapper *other);
    ~TableItemWrapper() override;

    QTableWidgetItem *item() const { return m_item; }
    QColor limitColor() const { return m_limitColor; }

public slots:
    void setText(QString text);
    void setTextColor(QColor color);
    void setBackgroundColor(QColor color);
    // Outside its limits a value is shown on the limit colour; inside, on no background of its own.
    void valueIsInsideLimitsChanged(bool is_inside_limits);
    // The text takes the current palette colour (the argument is not read).
    void themeColorChanged(enum_ColorPalette palette);

private:
    QTableWidgetItem *m_item;
    QColor m_limitColor;
};

#endif // TABLEITEMWRAPPER_H
