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

QString withoutComments(const QString &styleSheet)
{
    static const QRegularExpression comment(
        QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    QString text = styleSheet;
    text.remove(comment);
    return text;
}

// The opaque background colour that a style sheet made of plain declarations (the way the forms colour
// a row or a band) gives; invalid for rules, a background that is not opaque, or none.
QColor plainBackground(const QString &styleSheet)
{
    const QString declarations = withoutComments(styleSheet);
    if (declarations.contains(QLatin1Char('{')))
        return QColor();
    QString value = declaredValue(declarations, QStringLiteral("background-color"));
    if (value.isEmpty())
        value = declaredValue(declarations, QStringLiteral("background"));
    const QColor background = styleColor(value);
    return background.isValid() && background.alpha() == 255 ? background : QColor();
}

// A style sheet of plain declarations that names no text colour of its own and gives an opaque background
// on which a palette colour cannot be read also gives the readable text colour. Like the background, the
// colour reaches the widgets inside. Returns whether the declaration was added.
bool addReadableTextColor(QString *styleSheet)
{
    if (!declaredValue(withoutComments(*styleSheet), QStringLiteral("color")).isEmpty())
        return false;
    const QColor text = ThemeStyleSheets::readableTextColor(plainBackground(*styleSheet));
    if (!text.isValid())
        return false;
    QString &sheet = *styleSheet;
    while (!sheet.isEmpty() && sheet.back().isSpace())
        sheet.chop(1);
    if (!sheet.endsWith(QLatin1Char(';')))
        sheet += QLatin1Char(';');
    sheet += QStringLiteral("color:rgb(%1, %2, %3);").arg(text.red()).arg(text.green()).arg(text.blue());
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

// Text in a palette colour cannot be read on every background: on the light and mid greys of the setup
// rows the palette greens and yellows reach a contrast of 1.1 to 2.3 only, on the dark grey of the
// runtime side's brightness and navigation bands 2.5 to 5.0. Where one palette colour falls short, the
// text is black when black is readable, as on the rows, else white when white is (the bands).
QColor ThemeStyleSheets::readableTextColor(const QColor &background)
{
    if (!background.isValid())
        return QColor();
    bool paletteReadable = true;
    for (int palette = 0; palette < CustomColorDefinitions::paletteCount; ++palette) {
        paletteReadable = paletteReadable
            && CustomColorDefinitions::contrastRatio(
                   CustomColorDefinitions::getColorFromColorEnum(palette), background)
                >= CustomColorDefinitions::minimumTextContrast;
    }
    if (paletteReadable)
        return QColor();
    for (const QColor &candidate : { QColor(0, 0, 0), QColor(255, 255, 255) }) {
        if (CustomColorDefinitions::contrastRatio(candidate, background)
            >= CustomColorDefinitions::minimumTextContrast)
            return candidate;
    }
    return QColor();
}

void ThemeStyleSheets::giveReadableTextOver(QWidget *text, const QWidget *backdrop)
{
    if (!text || !backdrop)
        return;
    const QColor colour = readableTextColor(plainBackground(backdrop->styleSheet()));
    if (!colour.isValid())
        return;
    text->setStyleSheet(text->styleSheet()
        + QStringLiteral("\n*{color:rgb(%1, %2, %3);}")
              .arg(colour.red())
              .arg(colour.green())
              .arg(colour.blue()));
}
