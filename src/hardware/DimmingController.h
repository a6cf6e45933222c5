#ifndef DIMMINGCONTROLLER_H
#define DIMMINGCONTROLLER_H

#include <QObject>

// The display backlight level, 0 to 255. The main window sets it on every brightness it applies. On the
// "LINUX" platform every stored change is written to the panel's backlight at once; on "WINDOWS" there is
// no backlight and the level is only kept.
class DimmingController : public QObject
{
    Q_OBJECT

public:
    explicit DimmingController(QObject *parent = nullptr);

    // Stores 128 and writes it to the backlight; always true (a missing backlight only gives a debug line).
    bool setDefaultBrightness();
    // Writes the stored level to the backlight file (decimal text and a line feed). Does nothing on a
    // platform without a backlight; a write that fails gives a debug line.
    void applyBrightness();

public slots:
    int brightness() { return m_brightness; }
    // Values above 255 store 255, below 0 store 0; the same value as stored changes nothing.
    void setBrightness(int dimming);
    void increaseBrightness(int delta);
    void increaseBrightness();
    void decreaseBrightness(int delta);
    void decreaseBrightness();

private:
    int m_brightness = 0;
};

#endif // DIMMINGCONTROLLER_H
