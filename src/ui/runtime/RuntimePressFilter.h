#ifndef RUNTIMEPRESSFILTER_H
#define RUNTIMEPRESSFILTER_H

#include <QObject>

class QTimer;
class RuntimeScreens;

// Watches every press on the runtime pages (installed on all their widgets). A press brings the side
// information back and restarts its auto-hide time; while the side information is hidden that is all the
// press does (it is consumed, so a tap on a hidden side button does not press it). A press held 1500 ms
// raises the backlight to the alarm level, so that a screen dimmed too far for reading comes back under a
// finger, except on the brightness controls themselves (the two buttons and the slider), where holding
// is how the brightness is chosen.
class RuntimePressFilter : public QObject
{
    Q_OBJECT

public:
    static const int holdMs = 1500;

    explicit RuntimePressFilter(RuntimeScreens *runtimeScreens);

    // The hold time; tests shorten it.
    void setHoldInterval(int ms);
    int holdInterval() const;
    bool isHoldTimerActive() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected slots:
    void increaseBrightnessLevel();

private:
    RuntimeScreens *m_runtimeScreens;
    QTimer *m_holdTimer;
};

#endif // RUNTIMEPRESSFILTER_H
