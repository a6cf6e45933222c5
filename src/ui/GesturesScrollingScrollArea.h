#ifndef GESTURESSCROLLINGSCROLLAREA_H
#define GESTURESSCROLLINGSCROLLAREA_H

#include <QScrollArea>

// A scroll area scrolled by dragging (kinetic, without overshoot), with the rounded grey scroll bar of
// the screens.
class GesturesScrollingScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit GesturesScrollingScrollArea(QWidget *parent = nullptr);

    void enableGestureScrolling();
};

#endif // GESTURESSCROLLINGSCROLLAREA_H
