#include "ui/TextResizeLabel.h"

TextResizeLabel::TextResizeLabel(QWidget *parent)
    : QLabel(parent)
{
}

TextResizeLabel::TextResizeLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void TextResizeLabel::setBasePointSizeF(double point_size)
{
    m_basePointSize = point_size;
    applyScale();
}

void TextResizeLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    applyScale();
}

void TextResizeLabel::captureBase()
{
    if (baseSize() == QSize(0, 0))
        setBaseSize(size());
    m_basePointSize = font().pointSizeF();
    m_initialised = true;
}

void TextResizeLabel::applyScale()
{
    if (!m_initialised)
        captureBase();
    if (baseSize().width() <= 0 || baseSize().height() <= 0)
        return;
    const float factor
        = qMin(float(width()) / float(baseSize().width()), float(height()) / float(baseSize().height()));
    QFont scaled = font();
    scaled.setPointSizeF(qMax(1.0f, factor * float(m_basePointSize)));
    setFont(scaled);
}
