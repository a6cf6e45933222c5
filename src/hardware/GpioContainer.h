#ifndef GPIOCONTAINER_H
#define GPIOCONTAINER_H

#include "hardware/GpioPin.h"

#include <QObject>

#include <memory>
#include <vector>

class QTimer;

// The panel's digital I/O: the input lines E24 (152) and E23 (151), the buzzer output D18 (114), the
// buzzer operations and the signal for changes on the auxiliary inputs. On a platform without the lines
// every line and buzzer operation does nothing.
class GpioContainer : public QObject
{
    Q_OBJECT

public:
    // How long a key click holds the buzzer on.
    static constexpr int TouchBeepMs = 50;

    explicit GpioContainer(QObject *parent = nullptr);

    GpioPin &pinE24() { return m_pinE24; }
    GpioPin &pinE23() { return m_pinE23; }
    GpioPin &pinD18() { return m_pinD18; }
    // The line whose board name or kernel number equals the text exactly; null when none does.
    GpioPin *pin(const QString &nameOrNumber);

    // Settings of the auxiliary-input and buzzer handling of an embedded target; nothing reads them yet.
    bool flag1() const { return m_flag1; }
    void setFlag1(bool value) { m_flag1 = value; }
    bool flag2() const { return m_flag2; }
    bool flag3() const { return m_flag3; }
    int timeValue1() const { return m_timeValue1; }
    void setTimeValue1(int value) { m_timeValue1 = value; }
    int timeValue2() const { return m_timeValue2; }
    int timeValue3() const { return m_timeValue3; }
    int timeValue4() const { return m_timeValue4; }
    int value5() const { return m_value5; }
    // Lines beyond E24, E23 and D18; the panel has none.
    int extraLineCount() const { return int(m_extraLines.size()); }

    // The auxiliary source wired to an input line, by the line's board name or by its kernel number.
    // No line of this panel is wired to one (the AUX setup offers its input only as "Disabled"), so
    // both answer NoAuxSource.
    static const char NoAuxSource[];
    QString auxSourceOfName(const QString &lineName) const;
    QString auxSourceOfNumber(int lineNumber) const;

    // A short click on the buzzer, unless the buzzer is already sounding.
    void touchBeep();
    // Buzzer on until buzzerOff (the on phases of an alarm pattern).
    void buzzerOn();
    // Buzzer off; also ends a click and the sounder test.
    void buzzerOff();
    // Buzzer on for the sounder test, until buzzerOff.
    void sounderTestOn();
    // Whether the buzzer is held on by buzzerOn or sounderTestOn (a click does not count).
    bool isBuzzerOn() const { return m_buzzerOn; }

    // The level of the input line with the given board name or number; 0 for an unknown line or on a
    // platform without lines.
    int inputState(const QString &nameOrNumber);

signals:
    // An auxiliary input named source changed to new_state.
    void signalAuxInterrupt(QString source, bool new_state);

private:
    void driveBuzzer(bool on);

    GpioPin m_pinE24;
    GpioPin m_pinE23;
    GpioPin m_pinD18;
    std::vector<std::unique_ptr<GpioPin>> m_extraLines;
    bool m_flag1 = true;
    bool m_flag2 = false;
    int m_timeValue1 = 500;
    int m_timeValue2 = 600;
    int m_timeValue3 = 400;
    int m_timeValue4 = 7000;
    int m_value5 = 0;
    bool m_flag3 = false;

    bool m_buzzerOn = false;
    QTimer *m_clickTimer;
};

#endif // GPIOCONTAINER_H
