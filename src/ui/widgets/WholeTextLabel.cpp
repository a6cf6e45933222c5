#include "ui/widgets/WholeTextLabel.h"

#include "ui/SizeFollowingFont.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTextDocument>

WholeTextLabel::WholeTextLabel(QWidget *parent)
    : QLabel(parent)
{
}

int WholeTextLabel::givenIndent() const
{
    return m_captured ? m_givenIndent : indent();
}

QFont WholeTextLabel::givenFont() const
{
    return m_captured ? m_givenFont : font();
}

void WholeTextLabel::fit()
{
    if (!m_captured) {
        // The form sets the indent after the constructor; the first fitting finds it set.
        m_givenIndent = indent();
        m_givenFont = font();
        m_captured = true;
    }
    const QString shown = text();
    int shownIndent = m_givenIndent;
    QFont shownFont = m_givenFont;
    const bool rich
        = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown));
    if (!rich) {
        const int room = qMax(0, contentsRect().width() - 2 * margin());
        const int width = QFontMetrics(m_givenFont).horizontalAdvance(shown);
        if (width + qMax(0, m_givenIndent) > room) {
            shownIndent = qMax(0, room - width);
            if (width > room)
                shownFont = SizeFollowingFont::fittedToWidth(m_givenFont, shown, room);
        }
    }
    m_fitting = true;
    if (indent() != shownIndent)
        setIndent(shownIndent);
    if (font() != shownFont)
        setFont(shownFont);
    m_fitting = false;
}

void WholeTextLabel::changeEvent(QEvent *event)
{
    // A font given from outside (the window's scaling sets one on every resize) is the new given font.
    if (event->type() == QEvent::FontChange && !m_fitting && m_captured) {
        m_givenFont = font();
        QLabel::changeEvent(event);
        fit();
        return;
    }
    QLabel::changeEvent(event);
}

void WholeTextLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

// A new text reaches the label as a repaint only (QLabel::setText is not virtual): it is fitted before it
// is drawn. A change made here asks for one more repaint, which finds everything fitted.
void WholeTextLabel::paintEvent(QPaintEvent *event)
{
    fit();
    QLabel::paintEvent(event);
}
