#ifndef PSEUDOTERMINAL_H
#define PSEUDOTERMINAL_H

#include <QByteArray>
#include <QFile>
#include <QSocketNotifier>
#include <QString>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal as the far end of a serial line: the code under test opens the slave by its path,
// the test talks through the master. What the far end writes is queued and handed to the master as it
// accepts it; what it reads is collected in received() and passed to onReceived. A slave descriptor is
// held open for the whole life of the object, so that the master never sees a hang-up while the code
// under test closes and reopens the line, and so that the bytes waiting on the line can be counted.
// Runs on the thread that creates it (its notifiers need that thread's event loop).
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        const char *name = ptsname(m_master);
        if (!name)
            return;
        m_slavePath = QString::fromLocal8Bit(name);
        m_slave = ::open(name, O_RDWR | O_NOCTTY);
        if (m_slave < 0)
            return;
        // Raw from the start: the default line discipline would echo and translate what the far end
        // writes before the line is opened.
        termios settings;
        if (tcgetattr(m_slave, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(m_slave, TCSANOW, &settings);
        }
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_readNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        QObject::connect(m_readNotifier.get(), &QSocketNotifier::activated, [this] { readMaster(); });
        m_writeNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Write);
        m_writeNotifier->setEnabled(false);
        QObject::connect(m_writeNotifier.get(), &QSocketNotifier::activated, [this] { flushPending(); });
    }

    ~PseudoTerminal()
    {
        m_readNotifier.reset();
        m_writeNotifier.reset();
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }

    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return m_slave >= 0 && m_readNotifier; }
    QString slavePath() const { return m_slavePath; }

    // Creates a link at the path to the slave, so that the line can be opened by a device name.
    bool linkAs(const QString &path) const { return QFile::link(m_slavePath, path); }

    // Bytes the far end wrote that have not been read from the line yet.
    int pendingInput() const
    {
        int count = 0;
        if (m_slave < 0 || ::ioctl(m_slave, FIONREAD, &count) != 0)
            return -1;
        return count;
    }
    // Bytes the far end still has to hand to the master.
    int pendingWrite() const { return m_pending.size(); }

    void write(const QByteArray &bytes)
    {
        m_pending += bytes;
        flushPending();
    }

    // Writes on the line itself, as the code under test would.
    bool writeFromLine(const QByteArray &bytes) const
    {
        return ::write(m_slave, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    }

    const QByteArray &received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    // Called with every chunk read from the master (after it was added to received()).
    std::function<void(const QByteArray &)> onReceived;

    // Settings of the line as the code under test left them.
    speed_t inputSpeed() const
    {
        termios settings;
        if (tcgetattr(m_slave, &settings) != 0)
            return 0;
        return cfgetispeed(&settings);
    }

private:
    void readMaster()
    {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, chunk, sizeof chunk);
            if (n <= 0)
                break;
            const QByteArray bytes(chunk, int(n));
            m_received += bytes;
            if (onReceived)
                onReceived(bytes);
        }
    }

    void flushPending()
    {
        while (!m_pending.isEmpty()) {
            const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
            if (n <= 0)
                break;
            m_pending.remove(0, int(n));
        }
        if (m_writeNotifier)
            m_writeNotifier->setEnabled(!m_pending.isEmpty());
    }

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QByteArray m_pending;
    QByteArray m_received;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
};

#endif // PSEUDOTERMINAL_H
