#ifndef DEBUGCAPTURE_H
#define DEBUGCAPTURE_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the messages written while it lives and passes each on to the handler that was in place, so
// that QTest::ignoreMessage and the test's output still see them. One capture at a time.
class DebugCapture
{
public:
    DebugCapture()
    {
        s_messages.clear();
        s_previous = qInstallMessageHandler(&DebugCapture::handle);
    }
    ~DebugCapture()
    {
        qInstallMessageHandler(s_previous);
        s_previous = nullptr;
        s_messages.clear();
    }
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    QStringList messages() const { return s_messages; }
    // How many of the messages contain the text.
    int count(const QString &text) const
    {
        int n = 0;
        for (const QString &message : qAsConst(s_messages))
            n += message.contains(text) ? 1 : 0;
        return n;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        s_messages.append(message);
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QStringList s_messages;
};

#endif // DEBUGCAPTURE_H
