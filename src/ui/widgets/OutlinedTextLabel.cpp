#include "ui/widgets/OutlinedTextLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QString italicStart = QStringLiteral("<i>");
const QString italicEnd = QStringLiteral("</i>");

} // namespace

OutlinedTextLabel::OutlinedTextLabel(QWidget *parent)
    : QWidget(parent)
{
    setContentsMargins(5, 5, 5, 5);
}

void OutlinedTextLabel::setText(const QString &text)
{
    m_plainText = text;
    m_plainText.remove(italicStart).remove(italicEnd);
    m_segments.clear();
    m_italic.clear();
    QString rest = text;
    while (!rest.isEmpty()) {
        if (!rest.startsWith(italicStart)) {
            const int next = rest.indexOf(italicStart);
            const QString part = next < 0 ? rest : rest.left(next);
            m_segments.append(part);
            m_italic.append(false);
            rest.remove(0, part.size());
            continue;
        }
        // An "<i>" without its "</i>" makes the rest of the text one italic segment.
        const int end = rest.indexOf(italicEnd);
        const int length = end < 0 ? rest.size() - italicStart.size() : end - italicStart.size();
        m_segments.append(rest.mid(italicStart.size(), length));
        m_italic.append(true);
        rest.remove(0, end < 0 ? rest.size() : end + italicEnd.size());
    }
    update();
}

void OutlinedTextLabel::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void OutlinedTextLabel::setOutlineColor(const QColor &color)
{
    m_outlineColor = color;
    update();
}

void OutlinedTextLabel::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void OutlinedTextLabel::setOutlineWidth(int width)
{
    m_outlineWidth = width;
    update();
}

void OutlinedTextLabel::setTextFont(const QFont &font)
{
    m_font = font;
    update();
}

qreal OutlinedTextLabel::baseline() const
{
    return height() - contentsMargins().bottom();
}

void OutlinedTextLabel::setSizeReferenceText(const QString &text)
{
    if (!text.isEmpty())
        m_referenceText = text;
    QFont italic = m_font;
    italic.setItalic(true);
    QPainterPath path;
    path.addText(contentsMargins().left(), baseline(), italic, m_referenceText);
    const QRectF bounds = path.controlPointRect();
    const int width = qRound(bounds.width());
    const int height = qRound(bounds.height());
    if (width != m_measuredWidth || height != m_measuredHeight) {
        m_measuredWidth = width;
        m_measuredHeight = height;
        updateGeometry();
        adjustSize();
        emit sizeAdjusted();
    }
    update();
}

QSize OutlinedTextLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return QSize(m_measuredWidth + m.left() + m.right(), m_measuredHeight + m.top() + m.bottom());
}

// The segments one after another on the baseline, each starting where the path so far ends, or where the
// text before it ends when that is further right: blanks at the end of a segment draw nothing but keep
// their width ("12.3 " and "kn" show as "12.3 kn").
QPainterPath OutlinedTextLabel::textPath() const
{
    QPainterPath path;
    qreal x = contentsMargins().left();
    for (int i = 0; i < m_segments.size(); ++i) {
        QFont font = m_font;
        font.setItalic(m_italic.at(i));
        path.addText(x, baseline(), font, m_segments.at(i));
        x = std::round(std::max(
            path.boundingRect().right(), x + QFontMetricsF(font).horizontalAdvance(m_segments.at(i))));
    }
    return path;
}

void OutlinedTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = textPath();

    const QRect bounds = path.boundingRect().toRect();
    const QRect box = bounds.adjusted(-6, -6, 6, 6);
    const int radius = bounds.width() / 8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawRoundedRect(box, radius, radius);

    painter.setBrush(m_textColor);
    if (m_outlineWidth > 0)
        painter.setPen(QPen(m_outlineColor, m_outlineWidth));
    else
        painter.setPen(QPen(m_textColor, m_outlineWidth));
    painter.drawPath(path);
}
