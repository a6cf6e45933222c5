#include "ui/widgets/TextResizeButton.h"

TextResizeButton::TextResizeButton(QWidget *parent)
    : QPushButton(parent)
{
}

TextResizeButton::TextResizeButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

TextResizeButton::TextResizeButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
{
}

void TextResizeButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    m_font.apply(this);
}
