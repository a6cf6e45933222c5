#include "ui/ThemeStyleSheets.h"

#include "ui/CustomColorDefinitions.h"

#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace {

const QRegularExpression &selectorMarker()
{
    static const QRegularExpression expression(QStringLiteral("/\\*selector=([^(=)]+)=s\\*/"));
    return expression;
}

const QRegularExpression &themeMarker()
{
    static const QRegularExpression expression(QStringLiteral("/\\*theme1:([^\\*]+)\\*/"));
    return expression;
}

// One rule per palette, in palette order: [ThemeColor="Green"]{color:rgb(82, 225, 96);}
QStringList themeRules(const QString &property)
{
    QStringList rules;
    for (int palette = 0; palette < CustomColorDefinitions::paletteCount; ++palette) {
        rules.append(QStringLiteral("[ThemeColor=\"") + CustomColorDefinitions::getColorName(palette)
            + QStringLiteral("\"]{") + property + QLatin1Char(':')
            + CustomColorDefinitions::getRgbString(palette) + QStringLiteral(";}"));
    }
    return rules;
}

// A colour value of a style sheet: rgb(r, g, b), rgba(r, g, b, a) with a from 0 to 255, "#rrggbb" or a
// colour name ("transparent" has alpha 0); anything else gives an invalid colour.
QColor styleColor(const QString &value)
{
    static const QRegularExpression function(
        QStringLiteral("^rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)$"));
    const QString text = value.trimmed();
    const QRegularExpressionMatch match = function.match(text);
    if (!match.hasMatch())
        return QColor(text);
    return QColor(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
        match.captured(4).isEmpty() ? 255 : match.captured(4).toInt());
}

// The value of the property in a list of declarations ("name: value;" ...), the last one given; empty
// when the list does not declare it.
QString declaredValue(const QString &declarations, const QString &property)
{
    QString value;
    const QStringList items = declarations.split(QLatin1Char(';'));
    for (const QString &item : items) {
        const int colon = item.indexOf(QLatin1Char(':'));
        if (colon > 0 && item.left(colon).trimmed().compare(property, Qt::CaseInsensitive) == 0)
            value = item.mid(colon + 1).trimmed();
    }
    return value;
}

// Text in a palette colour cannot be read on every background: on the light and mid greys of the setup
// rows the palette greens and yellows reach a contrast of 1.1 to 2.3 only. A style sheet that is a plain
// list of declarations (the way the forms colour a row) and gives an opaque background on which a
// palette colour falls short, but black text is readable, therefore also gives black text, unless it
// names a text colour of its own. Like the background, the colour reaches the widgets inside. Returns
// whether the declaration was added.
bool addReadableTextColor(QString *styleSheet)
{
    static const QRegularExpression comment(
        QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    QString declarations = *styleSheet;
    declarations.remove(comment);
    if (declarations.contains(QLatin1Char('{'))
        || !declaredValue(declarations, QStringLiteral("color")).isEmpty())
        return false;
    QString value = declaredValue(declarations, QStringLiteral("background-color"));
    if (value.isEmpty())
        value = declaredValue(declarations, QStringLiteral("background"));
    const QColor background = styleColor(value);
    if (!background.isValid() || background.alpha() != 255)
        return false;
    const QColor black(0, 0, 0);
    if (CustomColorDefinitions::contrastRatio(black, background)
        < CustomColorDefinitions::minimumTextContrast)
        return false;
    bool paletteReadable = true;
    for (int palette = 0; palette < CustomColorDefinitions::paletteCount; ++palette) {
        paletteReadable = paletteReadable
            && CustomColorDefinitions::contrastRatio(
                   CustomColorDefinitions::getColorFromColorEnum(palette), background)
                >= CustomColorDefinitions::minimumTextContrast;
    }
    if (paletteReadable)
        return false;
    QString &text = *styleSheet;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (!text.endsWith(QLatin1Char(';')))
        text += QLatin1Char(';');
    text += QStringLiteral("color:rgb(0, 0, 0);");
    return true;
}

} // namespace

QString ThemeStyleSheets::expand(const QString &styleSheet, bool *changed)
{
    static const QStringList colorRules = themeRules(QStringLiteral("color"));
    static const QStringList backgroundRules = themeRules(QStringLiteral("background-color"));
    static const QStringList borderRules = themeRules(QStringLiteral("border-color"));

    QString text = styleSheet;
    bool isChanged = false;
    if (text.contains(QLatin1String("WindowsHover"))) {
        text.replace(QLatin1String("WindowsHover"), QLatin1String("hover"));
        isChanged = true;
    }

    QStringList selectors;
    QRegularExpressionMatchIterator selectorMatches = selectorMarker().globalMatch(text);
    while (selectorMatches.hasNext())
        selectors.append(selectorMatches.next().captured(1));
    text.remove(selectorMarker());

    // The markers are read before anything is appended; each consumes the earliest unused selector.
    QStringList properties;
    QRegularExpressionMatchIterator themeMatches = themeMarker().globalMatch(text);
    while (themeMatches.hasNext())
        properties.append(themeMatches.next().captured(1));
    for (const QString &property : qAsConst(properties)) {
        isChanged = true;
        if (selectors.isEmpty())
            continue;
        const QString selector = selectors.takeFirst();
        const QStringList *rules = nullptr;
        if (property == QLatin1String("color"))
            rules = &colorRules;
        else if (property == QLatin1String("background-color"))
            rules = &backgroundRules;
        else if (property == QLatin1String("border-color"))
            rules = &borderRules;
        if (!rules)
            continue;
        for (const QString &rule : *rules)
            text += selector + rule;
    }
    text.remove(themeMarker());
    if (addReadableTextColor(&text))
        isChanged = true;

    if (changed)
        *changed = isChanged;
    return text;
}

void ThemeStyleSheets::applyToDescendants(QWidget *root)
{
    if (!root)
        return;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        bool changed = false;
        const QString text = expand(widget->styleSheet(), &changed);
        if (!changed)
            continue;
        widget->setStyleSheet(text);
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}
