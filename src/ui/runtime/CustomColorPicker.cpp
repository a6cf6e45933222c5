#include "ui/runtime/CustomColorPicker.h"

#include "ui_CustomColorPicker.h"

#include <QMouseEvent>

CustomColorPicker::CustomColorPicker(QWidget *parent)
    : QWidget(parent)
    , m_sample(1, 1, QImage::Format_RGB32)
    , m_ui(new Ui::CustomColorPicker)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
}

CustomColorPicker::~CustomColorPicker()
{
    delete m_ui;
}

void CustomColorPicker::mouseReleaseEvent(QMouseEvent *event)
{
    pick(event->localPos());
}

void CustomColorPicker::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        pick(event->localPos());
}

void CustomColorPicker::pick(const QPointF &position)
{
    const QPoint at = position.toPoint();
    // The sampling image has no alpha channel: what is picked is what the screen shows, opaque.
    m_sample.fill(Qt::black);
    render(&m_sample, QPoint(), QRegion(at.x(), at.y(), 1, 1),
        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    m_color = m_sample.pixelColor(0, 0);
    emit currentColorChanged(m_color);
}
