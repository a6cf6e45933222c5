#ifndef GPIOPIN_H
#define GPIOPIN_H

#include <QString>

// One GPIO line of the processor: its name on the board ("E24") and its number in the kernel's GPIO
// numbering ("152"). Construction exports the line and sets its edge to "both". The line operations act
// on the "LINUX" platform only; elsewhere they do nothing and a read answers 0.
class GpioPin
{
public:
    GpioPin(const QString &name, const QString &number);

    QString name() const { return m_name; }
    QString number() const { return m_number; }
    QString value() const { return m_value; }
    bool flag() const { return m_flag; }

    void exportLine();
    // "both", "rising", "falling" or "none".
    void setEdge(const QString &edge);
    // 1 output, 0 input.
    void setDirection(int direction);
    void setValue(bool high);
    // The line's level, 1 or 0; 0 when it cannot be read.
    int readValue() const;

private:
    QString m_name;
    QString m_number;
    QString m_value;
    bool m_flag = true;
};

#endif // GPIOPIN_H
