#include "hardware/ES_pingPulseGenerator.h"

#include <QTimer>

ES_pingPulseGenerator::ES_pingPulseGenerator(QObject *parent)
    : QObject(parent)
    , m_pulseTimer(new QTimer)
    , m_extraTimer(new QTimer(this))
{
    // The pulse frames a ping of a few milliseconds: a coarse timer could be off by more than the ping.
    m_pulseTimer->setSingleShot(true);
    m_pulseTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pulseTimer.get(), &QTimer::timeout, this, &ES_pingPulseGenerator::pingTimerTimeout);
    m_extraTimer->setSingleShot(true);
    m_extraTimer->setTimerType(Qt::PreciseTimer);
    m_extraTimer->setInterval(LeadTimeMs);
    connect(m_extraTimer, &QTimer::timeout, this, &ES_pingPulseGenerator::pingTimerTimeout);
}

ES_pingPulseGenerator::~ES_pingPulseGenerator() = default;

void ES_pingPulseGenerator::stopTimers()
{
    m_pulseTimer->stop();
    m_extraTimer->stop();
}

void ES_pingPulseGenerator::pingRequestSent(int pingLength)
{
    const int length = pingLength / 1000;
    if (!m_pulseOn) {
        m_pingLength = length;
        m_pulseTimer->start(LeadTimeMs);
        return;
    }
    const int remaining = m_pulseTimer->remainingTime();
    if (remaining <= LeadTimeMs + 19) {
        // Too close to the pulse's end to stretch it: let it end and come on again after the lead time.
        m_pingLength = length;
        m_extraTimer->start();
    } else if (remaining < length + LeadTimeMs + ExtraOnTimeMs) {
        m_pingLength = length;
        m_pulseTimer->start(length + LeadTimeMs + ExtraOnTimeMs);
    }
}

void ES_pingPulseGenerator::pingTimerTimeout()
{
    if (m_pulseOn) {
        m_pulseOn = false;
    } else {
        m_pulseOn = true;
        m_pulseTimer->start(qMax(0, m_pingLength + ExtraOnTimeMs));
    }
    emit pingPulseStateChanged(m_pulseOn);
}
