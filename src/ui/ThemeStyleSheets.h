#ifndef THEMESTYLESHEETS_H
#define THEMESTYLESHEETS_H

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
    // below a readable contrast while black text is readable, and names no text colour: then
    // "color:rgb(0, 0, 0);" is appended (the grey rows of the setup pages). Selector markers alone do
    // not count; such a text is kept as it was.
    static QString expand(const QString &styleSheet, bool *changed);

    // Expands the style sheet of every descendant widget of `root` that exists now (the root itself
    // excluded); a changed text is set again and the widget re-polished. The main window runs this once
    // at start (BaseScreen::applyThemeStyleSheets); widgets created later are not expanded.
    static void applyToDescendants(QWidget *root);
};

#endif // THEMESTYLESHEETS_H
