#include "ui/status/TableItemWrapper.h"

#include "common/ShownText.h"
#include "ui/ThemeColorSingleton.h"

#include <QBrush>
#include <QTableWidgetItem>

TableItemWrapper::TableItemWrapper(const QString &text, QObject *parent)
    : QObject(parent)
    , m_item(new QTableWidgetItem(ShownText::printable(text)))
    , m_limitColor(CustomColorDefinitions::limitColor())
{
    // A cell made after the palette was last set starts in the palette colour too; otherwise it would keep
    // the table's default text colour, unreadable on the black pages, until the next palette change.
    m_item->setForeground(QBrush(ThemeColorSingleton::instance()->currentColor()));
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &TableItemWrapper::themeColorChanged);
}

TableItemWrapper::TableItemWrapper(const TableItemWrapper *other)
    : QObject(other->parent())
    , m_item(new QTableWidgetItem(*other->item()))
    , m_limitColor(other->m_limitColor)
{
}

TableItemWrapper::~TableItemWrapper()
{
    delete m_item;
}

void TableItemWrapper::setText(QString text)
{
    m_item->setText(ShownText::printable(text));
}

void TableItemWrapper::setTextColor(QColor color)
{
    m_item->setForeground(QBrush(color));
}

void TableItemWrapper::setBackgroundColor(QColor color)
{
    m_item->setBackground(QBrush(color));
}

void TableItemWrapper::valueIsInsideLimitsChanged(bool is_inside_limits)
{
    m_item->setBackground(is_inside_limits ? QBrush() : QBrush(m_limitColor));
}

void TableItemWrapper::themeColorChanged(enum_ColorPalette)
{
    m_item->setForeground(QBrush(ThemeColorSingleton::instance()->currentColor()));
}
