#include "common/LogLineLimiter.h"

#include "common/SaturatingCount.h"
#include <QDebug>
#include <QHash>
#include <QMutex>
#include <QThread>

LogLineLimiter::LogLineLimiter(const QString &kind, int linesPerPeriod, int periodMs, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
    , m_linesPerPeriod(qMax(1, linesPerPeriod))
{
    m_period.setSingleShot(true);
    m_period.setInterval(periodMs);
    connect(&m_period, &QTimer::timeout, this, &LogLineLimiter::periodEnded);
}

bool LogLineLimiter::admit()
{
    // The period's timer belongs to the limiter's thread; a line of another thread is written as it comes.
    if (QThread::currentThread() != thread())
        return true;
    if (!m_period.isActive()) {
        m_written = 0;
        m_leftOut = 0;
        m_period.start();
    }
    if (m_written < m_linesPerPeriod) {
        ++m_written;
        return true;
    }
    countOne(m_leftOut);
    return false;
}

void LogLineLimiter::periodEnded()
{
    if (m_leftOut == 0)
        return;
    qDebug().noquote()
        << QStringLiteral("%1: %2 more lines of this kind left out").arg(m_kind).arg(m_leftOut);
    // The next period starts with its share used, so that a flood that goes on gives one line per period.
    m_leftOut = 0;
    m_written = m_linesPerPeriod;
    m_period.start();
}

LogLineLimiter *LogLineLimiter::of(const char *kind)
{
    // Keyed by the text, so that every writer of a kind, in whichever library, shares one limiter. Like
    // the limiters, the table is never destroyed: lines may still be written while the process ends.
    static auto *limiters = new QHash<QByteArray, LogLineLimiter *>;
    static QMutex guard;
    const QMutexLocker locked(&guard);
    LogLineLimiter *&limiter = (*limiters)[QByteArray(kind)];
    if (!limiter)
        limiter = new LogLineLimiter(QString::fromUtf8(kind));
    return limiter;
}
