#ifndef SHOWNTEXT_H
#define SHOWNTEXT_H

#include <QString>

class QFontMetrics;

// Texts that come from outside (settings and runtime texts of a peer, alert texts, stored settings) as the
// screens may draw them. A peer's text is never markup and never wider than its field: the widgets show it
// as plain text, without the characters a font draws as boxes, and cut to the room they have.
namespace ShownText {

// No field of the screens shows more characters than this; a longer text is cut before it is measured, so
// that a peer's megabyte costs no more than a line.
constexpr int maxLength = 256;

// The text without control and format characters (which a font draws as boxes, or which reorder or break
// the text around them) and without halves of surrogate pairs; tabs and line breaks become blanks, so that
// words stay apart. At most maxLength characters.
QString printable(const QString &text);

// Whether the printable text, without the blanks at its ends, draws at most `width` pixels wide in the font.
bool fits(const QString &text, const QFontMetrics &metrics, int width);

// The printable text when it fits `width` pixels in the font, otherwise as much of its beginning as fits,
// followed by an ellipsis.
QString fitted(const QString &text, const QFontMetrics &metrics, int width);

// A button takes "&" as the mark of its shortcut key: the text with every "&" doubled, so that it is drawn
// as written.
QString withoutMnemonics(const QString &text);

} // namespace ShownText

#endif // SHOWNTEXT_H
