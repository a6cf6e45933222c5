#ifndef LOGMESSAGEHANDLER_H
#define LOGMESSAGEHANDLER_H

#include <QMessageLogContext>
#include <QString>

// A Qt message handler that writes every message with its source position to the standard error stream
// ("Debug: ", "Warning: ", "Critical: ", "Fatal: " or "Info: " in front) and aborts on a fatal message.
// Available for debugging; the program does not install it.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
// The line logMessageHandler writes, without its line end.
QString formatLogMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

#endif // LOGMESSAGEHANDLER_H
