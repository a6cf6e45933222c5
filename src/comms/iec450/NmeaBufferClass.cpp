#include "comms/iec450/NmeaBufferClass.h"

#include <QTimer>

NmeaBufferClass::NmeaBufferClass(int period_ms, QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->start(period_ms);
}

NmeaBufferClass::~NmeaBufferClass() = default;

int NmeaBufferClass::period() const
{
    return m_timer->interval();
}

void NmeaBufferClass::setPeriod(int period_ms)
{
    m_timer->setInterval(period_ms);
}

int NmeaBufferClass::groupCount() const
{
    return int(m_groups.size());
}

const UdpSentenceGroup *NmeaBufferClass::group(int index) const
{
    if (index < 0 || index >= groupCount())
        return nullptr;
    return m_groups[size_t(index)].get();
}

void NmeaBufferClass::destroyGroup(const UdpSentenceGroup *group)
{
    for (auto it = m_groups.begin(); it != m_groups.end(); ++it) {
        if (it->get() == group) {
            m_groups.erase(it);
            return;
        }
    }
}
