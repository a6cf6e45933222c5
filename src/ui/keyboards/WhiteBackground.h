#ifndef WHITEBACKGROUND_H
#define WHITEBACKGROUND_H

class QWidget;

// The white ground of the overlays that carry a keyboard over the whole window: the palette's window
// colour is white and the widget fills its background, so nothing of the page behind shows through.
class WhiteBackground
{
public:
    static void apply(QWidget *overlay);
};

#endif // WHITEBACKGROUND_H
