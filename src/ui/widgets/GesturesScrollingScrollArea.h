#ifndef GESTURESSCROLLINGSCROLLAREA_H
#define GESTURESSCROLLINGSCROLLAREA_H

#include <QScrollArea>

// A scroll area that scrolls by dragging a finger over it (no overshoot) and has the wide grey vertical
// scroll bar of the setup pages, without step arrows.
class GesturesScrollingScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit GesturesScrollingScrollArea(QWidget *parent = nullptr);

    void enableGestureScrolling();
};

#endif // GESTURESSCROLLINGSCROLLAREA_H
