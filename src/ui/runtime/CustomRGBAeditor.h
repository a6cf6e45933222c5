#ifndef CUSTOMRGBAEDITOR_H
#define CUSTOMRGBAEDITOR_H

#include <QColor>
#include <QWidget>

namespace Ui {
class CustomRGBAeditor;
}

// The red, green, blue and alpha channel editors of the colour editor with its "Save" and "Reset"
// buttons. A channel moved by the user announces the new colour; a colour set from outside only moves the
// channels.
class CustomRGBAeditor : public QWidget
{
    Q_OBJECT

public:
    explicit CustomRGBAeditor(QWidget *parent = nullptr);
    ~CustomRGBAeditor() override;

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void currentColorChanged(QColor new_color);
    void saveCurrent();
    void resetCurrent();

public slots:
    void refresCurrentColor(int value);

private:
    QColor m_color;
    Ui::CustomRGBAeditor *m_ui;
};

#endif // CUSTOMRGBAEDITOR_H
