#ifndef COMMANDRUNNER_H
#define COMMANDRUNNER_H

#include "common/ScopedInstanceOverride.h"

#include <QObject>
#include <QStringList>

// Runs the few system programs the panel needs ("reboot", "ts_calibrate"). A program is started directly
// with a fixed argument list, never through a shell, so no text of the system is ever read as a command
// line. The process-wide runner is replaced by tests with one that records the calls.
class CommandRunner : public QObject
{
    Q_OBJECT

public:
    explicit CommandRunner(QObject *parent = nullptr);

    // The runner in use: the test override while one lives, else the process-wide runner, created on
    // first use and never destroyed. GUI thread only.
    static CommandRunner *instance();

    // Starts the program with exactly these arguments. True when it was started; `finished` follows
    // when it ends. A program that cannot be started gives one debug line and false.
    virtual bool start(const QString &program, const QStringList &arguments);

    // Kills every running process of the program started by this runner; each gives `finished` with -1.
    virtual void stop(const QString &program);

    // "reboot" without arguments.
    bool reboot();
    // "ts_calibrate" without arguments; the touch-screen calibration runs until the user finishes it.
    bool startTouchCalibration();

    // Test support only: while an override lives, instance() returns its runner (one that records).
    using TestOverride = ScopedInstanceOverride<CommandRunner>;

signals:
    // A started program ended; exitCode is -1 when it crashed.
    void finished(const QString &program, int exitCode);
};

#endif // COMMANDRUNNER_H
