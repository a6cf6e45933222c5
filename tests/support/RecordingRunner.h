#ifndef RECORDINGRUNNER_H
#define RECORDINGRUNNER_H

#include "platform/CommandRunner.h"

#include <QList>
#include <QStringList>

// Records the programs it is asked to run, each as program and arguments, and runs none.
class RecordingRunner : public CommandRunner
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls << (QStringList(program) + arguments);
        return true;
    }
    QList<QStringList> calls;
};

#endif // RECORDINGRUNNER_H
