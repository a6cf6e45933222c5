#include "nmea/NmeaPeriodicalSender.h"

#include "common/SignalEmitter.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/TmpPortsSetupAdapter.h"

#include <QStringList>
#include <QVector>

namespace {

// A due sentence with the key of the handler it came from.
struct DueSentence
{
    QString key;
    QString sentence;
};

bool goesAlone(const QString &sentence)
{
    return sentence.contains(QLatin1String("HBT")) || sentence.contains(QLatin1String("DPT"));
}

} // namespace

NmeaPeriodicalSender::NmeaPeriodicalSender(QObject *parent)
    : NmeaPeriodicalSender(NmeaHandlerContainer::instance()->handlers(), parent)
{
}

NmeaPeriodicalSender::NmeaPeriodicalSender(const QList<NmeaHandler *> &handlers, QObject *parent)
    : QObject(parent)
    , m_timer(this)
    , m_handlers(handlers)
    , m_signalHub(nmeaHandlerSignalEmitter())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(m_interval);
    connect(&m_timer, &QTimer::timeout, this, &NmeaPeriodicalSender::sendPeriodicalFromTimeout);
}

void NmeaPeriodicalSender::start(TmpPortsSetupAdapter *adapter)
{
    m_portsAdapter = adapter;
    m_timer.start(m_interval);
}

int NmeaPeriodicalSender::interval() const
{
    return m_interval;
}

void NmeaPeriodicalSender::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    m_timer.setInterval(milliseconds);
}

void NmeaPeriodicalSender::restartTimer()
{
    m_timer.start(2 * m_interval);
}

void NmeaPeriodicalSender::sendPeriodicalFromTimeout()
{
    sendPeriodicalMessages(0);
}

void NmeaPeriodicalSender::sendPeriodicalMessages(int id)
{
    m_timer.stop();
    const int portCount = TmpPortsSetupAdapter::numberOfPorts();
    QVector<QList<DueSentence>> due(portCount);

    for (NmeaHandler *handler : qAsConst(m_handlers)) {
        if (!handler || !handler->isPeriodic())
            continue;
        const QList<int> extraPorts = handler->extraPorts();
        QList<int> ports;
        for (int port = 0; port < portCount; ++port) {
            if (extraPorts.contains(port))
                ports.append(port);
        }
        if (ports.isEmpty())
            continue;
        handler->incrementSendCounter();
        if (handler->sendCounter() < handler->sendInterval())
            continue;
        handler->resetSendCounter();
        const QString key
            = handler->isProprietary() ? QLatin1String("PQRV") + handler->formatter() : handler->formatter();
        const QStringList sentences
            = handler->isMultiSentence() ? handler->storedSentences() : handler->outgoingSentences();
        for (int port : qAsConst(ports)) {
            for (const QString &sentence : sentences)
                due[port].append({ key, sentence });
        }
    }

    for (int port = 0; port < portCount; ++port) {
        QList<QString> group;
        QString groupType;
        for (const DueSentence &entry : qAsConst(due[port])) {
            if (goesAlone(entry.sentence)) {
                emit m_signalHub->signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(entry.key,
                    QList<QString> { entry.sentence }, static_cast<Port>(port), QString(), QString());
                continue;
            }
            // A group may hold the sentences of several handlers; it carries the key of its first one.
            if (group.isEmpty())
                groupType = entry.key;
            group.append(entry.sentence);
        }
        if (!group.isEmpty())
            emit m_signalHub->signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
                groupType, group, static_cast<Port>(port), QString(), QString());
    }

    m_timer.start(id == 0 ? m_interval : 2 * m_interval);
}
