#ifndef SYSFSGPIO_H
#define SYSFSGPIO_H

#include <QString>

// The kernel's GPIO interface under "/sys/class/gpio": a line is exported by writing its number to
// "export", which makes the folder "gpio<number>" with the files "direction", "edge" and "value".
// Line numbers are decimal texts of at most four digits; any other text is refused with a debug line
// before it reaches a path. Failures give one debug line and a false or 0 result.
class SysfsGpio
{
public:
    // Makes the line usable. A line whose folder already exists is left as it is (exporting it again
    // is refused by the kernel).
    static bool exportLine(const QString &number);
    // "both", "rising", "falling" or "none".
    static bool setEdge(const QString &number, const QString &edge);
    // true: output ("out"), false: input ("in").
    static bool setDirection(const QString &number, bool output);
    static bool setValue(const QString &number, bool high);
    // The line's level: 1 high, 0 low or when it cannot be read.
    static int value(const QString &number);

    static bool isValidLineNumber(const QString &number);
    // The system path of one file of the line's folder.
    static QString lineFile(const QString &number, const QString &file);
};

#endif // SYSFSGPIO_H
