#ifndef UPDOWNWIDGET_H
#define UPDOWNWIDGET_H

#include <QColor>
#include <QTimer>
#include <QWidget>

class Validator;
class ValuePropertyInfo;

namespace Ui {
class UpDownWidget;
}

// A number set with two arrow buttons: a title, the value with its unit and an up and a down button that
// repeat while held. The presses of one button form a burst that ends when no press follows within the
// button's repeat time; during a burst the repeat gets faster every fifth press and, once it is as fast as
// it gets (20 ms), the step grows instead. The value is written to its description twice per burst: at
// the first press, so that a single tap takes effect at once, and with the final value when the burst
// ends; in between only the label follows. A press of the other button is ignored while a burst lasts.
class UpDownWidget : public QWidget
{
    Q_OBJECT

public:
    explicit UpDownWidget(QWidget *parent = nullptr);
    ~UpDownWidget() override;

    // The edited value (not owned); its validator gives the bounds.
    void setSource(ValuePropertyInfo *source);
    ValuePropertyInfo *source() const { return m_source; }

    QColor borderColor() const { return m_borderColor; }
    // Sets the colour and turns the border on.
    void setBorderColor(const QColor &color);

    float value() const { return m_value; }
    float multiplier() const { return m_multiplier; }

public slots:
    // Shows the source's displayed value.
    void updateFromSource();
    // Writes the shown value, with one decimal, to the source, which stores and sends it.
    void updateSourceValue();

private slots:
    void on_increaseButton_released();
    void on_decreaseButton_released();
    void idleTimerTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // One press of either button: `direction` +1 up, -1 down.
    void stepValue(int direction);
    void showValue();

    QColor m_borderColor = QColor(144, 255, 112);
    ValuePropertyInfo *m_source = nullptr;
    qint32 m_initialRepeatDelay = 0;
    qint32 m_initialRepeatInterval = 0;
    QTimer m_idleTimer;
    bool m_firstPress = true;
    qint32 m_pressCount = 0;
    bool m_upActive = false;
    bool m_downActive = false;
    float m_value = -180.0f;
    float m_step = 0.1f;
    Validator *m_validator = nullptr;
    float m_multiplier = 1.0f;
    bool m_borderColorSet = false;
    Ui::UpDownWidget *m_ui;
};

#endif // UPDOWNWIDGET_H
