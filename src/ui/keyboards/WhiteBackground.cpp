#include "ui/keyboards/WhiteBackground.h"

#include <QPalette>
#include <QWidget>

// The window's style sheet gives every widget a black background, and a style-sheet background turns a
// widget's own filling off (a widget of a derived class then paints nothing, so it is transparent). The
// overlay therefore also takes white through a style-sheet rule for its own class only, painted as its
// styled background; the rule leaves the title, the keyboard and the keys their own styles.
void WhiteBackground::apply(QWidget *overlay)
{
    QPalette white = overlay->palette();
    white.setColor(QPalette::Window, Qt::white);
    overlay->setPalette(white);
    overlay->setAutoFillBackground(true);
    overlay->setAttribute(Qt::WA_StyledBackground, true);
    overlay->setStyleSheet(QLatin1String(overlay->metaObject()->className())
        + QStringLiteral(" { background-color: rgb(255, 255, 255); }"));
}
