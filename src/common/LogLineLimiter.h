#ifndef LOGLINELIMITER_H
#define LOGLINELIMITER_H

#include <QObject>
#include <QString>
#include <QTimer>

// Summarises repeated debug lines of one kind, so that a peer that repeats a fault (a flood of refused
// sentences or texts) cannot fill the disk through the log. The first lines of a period are written as
// they come; once a period has had its share, further lines are left out and counted, and one line per
// period tells how many were left out. A period without any line left out ends the summarising: the
// next line starts a new period with a new share.
//
// Each kind has its own limiter; the writers ask `admitLogLine` before they write. A limiter counts the
// lines of the thread it was made in (the GUI thread, where every peer's input is handled); lines of other
// threads pass.
class LogLineLimiter : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultLinesPerPeriod = 100;
    static constexpr int defaultPeriodMs = 1000;

    explicit LogLineLimiter(const QString &kind, int linesPerPeriod = defaultLinesPerPeriod,
        int periodMs = defaultPeriodMs, QObject *parent = nullptr);

    // Whether a line of this kind may be written now; when not, it is counted as left out.
    bool admit();

    QString kind() const { return m_kind; }
    int periodMs() const { return m_period.interval(); }
    void setPeriodMs(int periodMs) { m_period.setInterval(periodMs); }
    int linesPerPeriod() const { return m_linesPerPeriod; }
    void setLinesPerPeriod(int lines) { m_linesPerPeriod = qMax(1, lines); }
    int leftOut() const { return m_leftOut; }
    // Whether a period is running: lines were written or left out less than a period ago.
    bool isCounting() const { return m_period.isActive(); }

    // The process-wide limiter of a kind, found by its name, created on first use with
    // the default share and period and never destroyed.
    static LogLineLimiter *of(const char *kind);

private:
    void periodEnded();

    QString m_kind;
    int m_linesPerPeriod;
    int m_written = 0;
    int m_leftOut = 0;
    QTimer m_period;
};

// Whether a line of the kind may be written now (LogLineLimiter::of(kind)->admit()).
inline bool admitLogLine(const char *kind)
{
    return LogLineLimiter::of(kind)->admit();
}

#endif // LOGLINELIMITER_H
