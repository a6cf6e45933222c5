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
