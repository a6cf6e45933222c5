#include "common/ShownText.h"

#include <QFontMetrics>

namespace {

bool isDropped(uint codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool isBreak(uint codePoint)
{
    return codePoint == '\t' || codePoint == '\n' || codePoint == '\r' || codePoint == '\v'
        || codePoint == '\f' || codePoint == 0x85 || codePoint == 0x2028 || codePoint == 0x2029;
}

} // namespace

QString ShownText::printable(const QString &text)
{
    QString shown;
    shown.reserve(qMin(text.size(), maxLength));
    for (int i = 0; i < text.size() && shown.size() < maxLength; ++i) {
        const QChar c = text.at(i);
        // A pair counts as one character: its code point decides, and it is kept whole or not at all.
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const uint codePoint = pair ? QChar::surrogateToUcs4(c, text.at(i + 1)) : c.unicode();
        if (isBreak(codePoint)) {
            shown.append(QLatin1Char(' '));
        } else if (!isDropped(codePoint)) {
            if (pair && shown.size() + 2 > maxLength)
                break;
            shown.append(c);
            if (pair)
                shown.append(text.at(i + 1));
        }
        if (pair)
            ++i;
    }
    return shown;
}

// What is drawn counts: the glyphs' ink, without the free space the font leaves beside the first and the
// last character.
bool ShownText::fits(const QString &text, const QFontMetrics &metrics, int width)
{
    const QString shown = printable(text).trimmed();
    return shown.isEmpty() || metrics.boundingRect(shown).width() <= width;
}

QString ShownText::fitted(const QString &text, const QFontMetrics &metrics, int width)
{
    const QString shown = printable(text);
    if (fits(shown, metrics, width))
        return shown;
    return metrics.elidedText(shown, Qt::ElideRight, qMax(0, width));
}

QString ShownText::withoutMnemonics(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}
