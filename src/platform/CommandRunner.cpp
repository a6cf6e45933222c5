#include "platform/CommandRunner.h"

#include <QDebug>
#include <QProcess>

namespace {

// How long start() waits for the program to be running: fork and exec, nothing the program does itself.
const int startTimeoutMs = 5000;

} // namespace

CommandRunner::CommandRunner(QObject *parent)
    : QObject(parent)
{
}

CommandRunner *CommandRunner::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static CommandRunner *const runner = new CommandRunner;
    return runner;
}

bool CommandRunner::start(const QString &program, const QStringList &arguments)
{
    auto *process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
        [this, process, program](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            emit finished(program, status == QProcess::NormalExit ? exitCode : -1);
        });
    process->start();
    if (!process->waitForStarted(startTimeoutMs)) {
        qDebug().noquote() << "Cannot start " + program + ": " + process->errorString();
        delete process;
        return false;
    }
    return true;
}

void CommandRunner::stop(const QString &program)
{
    const QList<QProcess *> processes = findChildren<QProcess *>(QString(), Qt::FindDirectChildrenOnly);
    for (QProcess *process : processes) {
        if (process->program() == program && process->state() != QProcess::NotRunning)
            process->kill();
    }
}

bool CommandRunner::reboot()
{
    return start(QStringLiteral("reboot"), QStringList());
}

bool CommandRunner::startTouchCalibration()
{
    return start(QStringLiteral("ts_calibrate"), QStringList());
}
