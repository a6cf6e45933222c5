#ifndef CUSTOMLAYOUT_H
#define CUSTOMLAYOUT_H

#include "ui/CustomColorDefinitions.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QAbstractScrollArea;

// The process-wide scale factors of the screen against the 800 x 480 design: width / base width, height /
// base height and the smaller of the two. 1.0 until the main window's scaling container is first resized.
double screenScaleX();
double screenScaleY();
double screenScale();

// Holds the whole window content and makes the 800 x 480 design fit the real screen: on every resize it
// sets the scale factors and moves, resizes and re-fonts every descendant from the design values taken
// once at the first rescale. It also carries palette changes to the widgets as their dynamic property
// "ThemeColor". Widgets opt out through their accessible description: "ExcludeFromCL" (neither scaled nor
// themed) or one containing "ExcludeFromCL_G" (font scaled, geometry kept); below a widget described
// "Runtime Setup Screen" (the runtime pages as a preview) everything is scaled further by 0.625 across
// and for the font, 0.75 down.
class CustomLayout : public QWidget
{
    Q_OBJECT
public:
    explicit CustomLayout(QWidget *parent = nullptr, int baseWidth = 800, int baseHeight = 480);

    // Marks the widget and every descendant it has now "ExcludeFromCL": for a widget that lays itself out
    // from its own size and scales its own fonts, which the container would otherwise move back to the
    // positions and fonts it took at its first rescale.
    static void excludeFromScaling(QWidget *root);

    // Kinetic scrolling by dragging with the left button, without overshoot; an item view scrolls by pixels.
    static void enableGestureScrolling(QAbstractScrollArea *area);

    // The widgets that follow the scaling and the palette, in the order of the recursive child search;
    // a collected widget that was deleted since is left out.
    QList<QWidget *> collectedWidgets() const;

    // A descendant made after the collection (a dialog opened by a press), with its own descendants, from
    // now on follows the scaling and the palette like a collected widget: its present geometry and fonts
    // are taken as its design values and it is scaled at once. Widgets not adopted are left alone.
    void adopt(QWidget *widget);

public slots:
    void setColorTheme(enum_ColorPalette color_enum);
    void setPreviewColorTheme(enum_ColorPalette color_enum);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateScaleFactors();
    void collectChildren();
    void collect(QWidget *widget, const QString &barStyle);
    void scaleChildren();
    void scaleWidget(int i, const QString &barStyle);
    QString scrollBarStyle() const;
    static void stretchScrollContent(QWidget *widget);

    int m_baseWidth;
    int m_baseHeight;
    // Guarded: a collected widget may be deleted while the container lives (a closed dialog page).
    QList<QPointer<QWidget>> m_widgets;
    QList<QPoint> m_designPositions;
    QList<int> m_designFontSizes;
};

#endif // CUSTOMLAYOUT_H
