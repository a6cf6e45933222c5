#include "ui/widgets/DisplayButton.h"

#include "ui/CustomLayout.h"

#include <QPainter>
#include <QPixmap>

DisplayButton::DisplayButton(QWidget *parent, const QSize &size)
    : QWidget(parent)
{
    resize(size);
    setBaseSize(size);
}

void DisplayButton::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void DisplayButton::changeSelected()
{
    m_selected = !m_selected;
    update();
}

void DisplayButton::mouseReleaseEvent(QMouseEvent *)
{
    emit clicked();
}

void DisplayButton::resizeEvent(QResizeEvent *)
{
    // The picture is drawn over the whole widget at paint time; nothing to keep.
}

void DisplayButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap picture(m_selected ? QStringLiteral(":/Resources/display_selected.png")
                                     : QStringLiteral(":/Resources/display_not_selected.png"));
    painter.drawPixmap(rect(), picture);

    QFont font = painter.font();
    font.setPixelSize(qMax(1, int(screenScale() * m_captionPixelSize)));
    painter.setFont(font);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawText(rect(), Qt::AlignCenter, m_caption);

    painter.setPen(QPen(QColor(200, 200, 200), 4));
    painter.drawRect(rect());
}
