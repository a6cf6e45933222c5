#include "core/LogMessageHandler.h"

#include <cstdio>
#include <cstdlib>

QString formatLogMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QString text = message + QStringLiteral(" File: ") + QString::fromUtf8(context.file)
        + QStringLiteral(" Line: ") + QString::number(context.line) + QStringLiteral(" Function: ")
        + QString::fromUtf8(context.function);
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug: ") + text;
    case QtWarningMsg:
        return QStringLiteral("Warning: ") + text;
    case QtCriticalMsg:
        return QStringLiteral("Critical: ") + text;
    case QtFatalMsg:
        return QStringLiteral("Fatal: ") + text;
    case QtInfoMsg:
        return QStringLiteral("Info: ") + text;
    }
    return text;
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = formatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s \n", line.constData());
    std::fflush(stderr);
    if (type == QtFatalMsg)
        std::abort();
}
