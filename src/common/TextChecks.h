#ifndef TEXTCHECKS_H
#define TEXTCHECKS_H

#include <QChar>
#include <QStringView>

// Whether the character is one of the ASCII digits 0 to 9. QChar::isDigit also takes the digits of other
// scripts, which toInt does not read and which no peer sends.
inline bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whether the text is not empty and every character is an ASCII digit 0 to 9: no sign, no blank, no
// decimal point, which the number conversions would otherwise let pass or stop at.
inline bool isAsciiDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

#endif // TEXTCHECKS_H
