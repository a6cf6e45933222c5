#include "hardware/BeepGenerator.h"

#include <QDebug>
#include <QTimer>

BeepGenerator::BeepGenerator(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_pattern({ 1000, 1500, 1000, 1500, 1000, 4000 })
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &BeepGenerator::beepTimerTimeout);
}

void BeepGenerator::setBeepPattern(const QList<int> &pattern)
{
    if (pattern == m_pattern)
        return;
    if (pattern.isEmpty()) {
        qDebug() << "Empty beep pattern refused";
        return;
    }
    for (int duration : pattern) {
        if (duration < 1) {
            qDebug().noquote() << "Beep pattern with a phase of " + QString::number(duration) + " ms refused";
            return;
        }
    }
    m_pattern = pattern;
    m_patternChanged = true;
}

void BeepGenerator::startBeepFuction(bool starting_state)
{
    if (m_running && !m_patternChanged)
        return;
    m_beepState = starting_state;
    m_running = true;
    m_patternChanged = false;
    m_phaseIndex = 0;
    m_timer->start(m_pattern.first());
    emit beepStateChanged(m_beepState);
}

void BeepGenerator::stopBeepFuction()
{
    if (!m_running)
        return;
    m_timer->stop();
    m_running = false;
    m_beepState = false;
    emit beepStateChanged(false);
}

void BeepGenerator::beepTimerTimeout()
{
    // A timeout already queued when the sequence was stopped must not revive it.
    if (!m_running)
        return;
    m_beepState = !m_beepState;
    emit beepStateChanged(m_beepState);
    // A receiver of the signal may have stopped or restarted the sequence.
    if (!m_running || m_timer->isActive())
        return;
    ++m_phaseIndex;
    // The pattern may have become shorter since the last phase began.
    if (m_phaseIndex >= m_pattern.size())
        m_phaseIndex = 0;
    m_timer->start(m_pattern.at(m_phaseIndex));
}
