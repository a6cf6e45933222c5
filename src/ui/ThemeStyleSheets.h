#ifndef THEMESTYLESHEETS_H
#define THEMESTYLESHEETS_H

#include <QColor>
#include <QString>

class QWidget;

// The one-time expansion of the theme markers in the forms' style sheets. A style sheet names the rules
// to theme with comment pairs: "/*selector=" + selector + "=s*/" gives a selector and "/*theme1:" +
// property + "*/" asks for the property ("color", "background-color" or "border-color") of the next
// unused selector in every palette colour, as rules keyed by the dynamic property "ThemeColor". A palette
// change then only sets that property and re-polishes; no style sheet is rebuilt.
class ThemeStyleSheets
{
public:
    // The expanded text of one style sheet. *changed (may be null) tells whether the text must be set
    // again: true when it held "WindowsHover" (the pseudo-state is renamed "hover") or a theme marker,
    // or when it is a plain list of declarations whose opaque background leaves some palette colour
    // below a readable contrast, and names no text colour: then the readable text colour is appended,
    // "color:rgb(0, 0, 0);" on the grey rows of the setup pages. Selector markers alone do not count;
    // such a text is kept as it was.
    static QString expand(const QString &styleSheet, bool *changed);

    // The text colour for a background on which some palette colour falls below a readable contrast:
    // black when black is readable, else white when white is; invalid when every palette colour is
    // readable (the palette's colour stays) or neither is.
    static QColor readableTextColor(const QColor &background);

    // For a widget with a transparent background drawn over another whose style sheet gives the
    // background (a caption over a band): gives its text the readable colour for that background, when
    // the palette colour needs one.
    static void giveReadableTextOver(QWidget *text, const QWidget *backdrop);

    // Expands the style sheet of every descendant widget of `root` that exists now (the root itself
    // excluded); a changed text is set again and the widget re-polished. The main window runs this once
    // at start (BaseScreen::applyThemeStyleSheets); widgets created later are not expanded.
    static void applyToDescendants(QWidget *root);
};

#endif // THEMESTYLESHEETS_H
