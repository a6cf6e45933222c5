#ifndef CUSTOMCOLORPICKER_H
#define CUSTOMCOLORPICKER_H

#include <QColor>
#include <QImage>
#include <QWidget>

namespace Ui {
class CustomColorPicker;
}

// A colour picture from which the colour under the finger is taken: on release, and while dragged with
// the left button, the pixel under the point is rendered and announced. Picked colours are opaque.
class CustomColorPicker : public QWidget
{
    Q_OBJECT

public:
    explicit CustomColorPicker(QWidget *parent = nullptr);
    ~CustomColorPicker() override;

    QColor color() const { return m_color; }

signals:
    void currentColorChanged(QColor new_color);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(const QPointF &position);

    QColor m_color;
    QImage m_sample;
    Ui::CustomColorPicker *m_ui;
};

#endif // CUSTOMCOLORPICKER_H
