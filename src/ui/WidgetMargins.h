#ifndef WIDGETMARGINS_H
#define WIDGETMARGINS_H

#include <QRect>

class QWidget;

// A process-wide margin, in per cent of a widget's width and height (5 at start), and the widget's own
// rectangle inset by it.
void setMarginPercentage(float percentage);
float marginPercentage();
// From (trunc(p w), trunc(p h)) to (w - 1 - trunc(p w), h - 1 - trunc(p h)), p = percentage / 100.
QRect marginRect(const QWidget *widget);

#endif // WIDGETMARGINS_H
