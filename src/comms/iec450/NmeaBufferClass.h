#ifndef NMEABUFFERCLASS_H
#define NMEABUFFERCLASS_H

#include "comms/iec450/UdpSentenceGroup.h"

#include <QObject>

#include <memory>
#include <vector>

class QTimer;

// Sentence groups held between the NMEA-over-UDP controller and the rest of the system, in the order they
// were added, with a periodic timer that ages them.
class NmeaBufferClass : public QObject
{
    Q_OBJECT
public:
    // Starts the timer with the period; it runs for the life of the buffer.
    explicit NmeaBufferClass(int period_ms, QObject *parent = nullptr);
    ~NmeaBufferClass() override;

    // The ageing period; the owner's choice at construction (1000 ms in the system), tests shorten it.
    int period() const;
    void setPeriod(int period_ms);

    int groupCount() const;
    // The held group at the index, in the order added; none outside the range.
    const UdpSentenceGroup *group(int index) const;

protected:
    // Removes and destroys that very group; nothing when it is not held.
    void destroyGroup(const UdpSentenceGroup *group);

    std::vector<std::unique_ptr<UdpSentenceGroup>> m_groups;
    QTimer *m_timer;
};

#endif // NMEABUFFERCLASS_H
