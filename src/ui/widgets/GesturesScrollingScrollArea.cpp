#include "ui/widgets/GesturesScrollingScrollArea.h"

#include "ui/CustomLayout.h"

GesturesScrollingScrollArea::GesturesScrollingScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    enableGestureScrolling();
    setStyleSheet(QStringLiteral(
        "QScrollBar:vertical {background:rgb(186, 186, 186); width: 16px; border: 1px solid rgb(140, 140, "
        "140); border-radius: 5px;} \nQScrollBar::handle:vertical {background: rgb(84, 84, 84); "
        "min-height: 0px; border: 1px solid rgb(121, 121, 121); border-radius: 5px;}\n\n"
        "QScrollBar::add-line:vertical {\n        height:0px;\n    }\n    QScrollBar::sub-line:vertical {\n"
        "        height: 0px;\n    }"));
}

void GesturesScrollingScrollArea::enableGestureScrolling()
{
    CustomLayout::enableGestureScrolling(this);
}
