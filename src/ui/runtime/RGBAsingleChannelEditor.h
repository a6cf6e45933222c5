#ifndef RGBASINGLECHANNELEDITOR_H
#define RGBASINGLECHANNELEDITOR_H

#include <QWidget>

namespace Ui {
class RGBAsingleChannelEditor;
}

// One colour channel of the colour editor: a title, a slider 0..255 and the number. Moving the slider
// announces each new value once; setting the value from outside announces nothing.
class RGBAsingleChannelEditor : public QWidget
{
    Q_OBJECT

public:
    explicit RGBAsingleChannelEditor(QWidget *parent = nullptr);
    ~RGBAsingleChannelEditor() override;

    int value() const { return m_value; }
    void setValue(int value);
    void setTitle(const QString &title);

signals:
    void valueChanged(int new_value);

private slots:
    void on_horizontalSlider_valueChanged(int value);

private:
    int m_value = 0;
    Ui::RGBAsingleChannelEditor *m_ui;
};

#endif // RGBASINGLECHANNELEDITOR_H
