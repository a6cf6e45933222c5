#include "ui/widgets/TextResizeLabel.h"

TextResizeLabel::TextResizeLabel(QWidget *parent)
    : QLabel(parent)
{
}

TextResizeLabel::TextResizeLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void TextResizeLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_font.apply(this);
}
