#ifndef PLATFORMPATHS_H
#define PLATFORMPATHS_H

#include <QString>

// Where the panel's device files are. Every device path is written as the system knows it
// ("/sys/class/backlight/backlight/brightness") and reaches the file system through path(), which puts the
// root folder in front of it: empty on a device, a temporary folder while a test runs the device paths.
class PlatformPaths
{
public:
    // System paths of the panel's devices.
    // The backlight level, written as decimal text.
    static QString backlightBrightness()
    {
        return QStringLiteral("/sys/class/backlight/backlight/brightness");
    }
    // The kernel's GPIO interface ("export" and one "gpio<number>" folder per exported line).
    static QString gpioFolder() { return QStringLiteral("/sys/class/gpio"); }
    // Recordings of the demonstration aid, one file per recorded data stream.
    static QString demoDataFolder() { return QStringLiteral("/opt/sim_data/"); }
    // The script that starts one of the maker's demonstration systems, run by the shell below.
    static QString demoStartScript() { return QStringLiteral("/opt/run_demo.sh"); }
    // The program that runs shell scripts (a program path, not a device file: path() is not applied).
    static QString shell() { return QStringLiteral("/bin/sh"); }

    // The system path with the root folder in front of it.
    static QString path(const QString &systemPath);
    // The root folder; empty unless a test override lives.
    static QString root();

    // Test support only: while an object of this class lives, every device path lies under the given folder.
    // Destroying it restores the root that held before. GUI thread only, destroyed in reverse order of
    // creation, and only while no worker thread reads device files.
    class TestOverride
    {
    public:
        explicit TestOverride(const QString &root);
        ~TestOverride();
        TestOverride(const TestOverride &) = delete;
        TestOverride &operator=(const TestOverride &) = delete;

    private:
        QString m_previous;
    };

private:
    static QString s_root;
};

#endif // PLATFORMPATHS_H
