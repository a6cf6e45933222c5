#ifndef UNITBUTTONMOVEFILTER_H
#define UNITBUTTONMOVEFILTER_H

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;
class RuntimeScreens;

// Keeps a button of the runtime pages at its design position, scaled by the screen and runtime-page
// scales, whatever moves it; while the side information is hidden the button sits `offset` design pixels
// further right. Installed by its creator as an event filter on the button; the button's parent must be
// the RuntimeScreens widget (under any other parent there is no side information, and the button keeps
// its scaled design position).
class UnitButtonMoveFilter : public QObject
{
    Q_OBJECT
public:
    // Records the button's present position as its design position.
    UnitButtonMoveFilter(QWidget *button, int offset, QObject *parent = nullptr);

    QPoint designPosition() const { return m_designPosition; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_button;
    QPointer<RuntimeScreens> m_screens;
    int m_offset;
    QPoint m_designPosition;
};

#endif // UNITBUTTONMOVEFILTER_H
