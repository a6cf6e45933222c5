#include "comms/ExternalNmeaController.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/HeartbeatReceiver.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/MessageLogger.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessagePool.h"
#include "nmea/TmpPortsSetupAdapter.h"

#include <QDebug>

#include <memory>
#include <vector>

namespace {

enum MonitorStatus { Handled = 0, NotHandled = 1, Faulty = 2, Rejected = 3 };

const QLatin1String externalProprietaryTalker("PQRV");
const QLatin1String externalLineEnd("\r\n");

// The received text as the logs and the monitor show it: noise in front of the "$" and between the
// checksum and CR LF cut off (serial lines pick up a few bytes around a sentence).
QString withoutNoise(const QString &received)
{
    QString text = received;
    const int dollar = text.indexOf(QLatin1Char('$'));
    if (dollar > 0)
        text.remove(0, dollar);
    const int star = text.indexOf(QLatin1Char('*'));
    if (star >= 0) {
        const int end = text.indexOf(externalLineEnd);
        if (end > star + 3)
            text.remove(star + 3, end - (star + 3));
    }
    return text;
}

// One sentence that passed its checks, waiting for dispatch. Its message goes back to the pool once the
// group is done, unless its handler kept it.
struct Accepted
{
    NmeaMessagePool::Handle message;
    QString text;
};

} // namespace

ExternalNmeaController::ExternalNmeaController(QObject *parent)
    : QObject(parent)
{
}

void ExternalNmeaController::setCommunicationForwardingController(
    CommunicationForwardingController *controller)
{
    m_forwardingController = controller;
}

NmeaGroupInfo ExternalNmeaController::sendPreparedNmeaMessageOverPort(
    QString complete_message, Port port, QString id)
{
    Q_UNUSED(id)
    return NmeaGroupInfo(QString(), QStringList(), QStringList { complete_message }, port, StandardSentence);
}

NmeaGroupInfo ExternalNmeaController::sendNmeaMessageOfTypeOverPort(QString type, Port port, QString id)
{
    NmeaGroupInfo group(QString(), QStringList(), QStringList(), port, StandardSentence);
    const QString talker = id.isEmpty() ? ListOfSfisOnNetwork::instance()->externalLocalSfi().left(2) : id;
    const std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, type));
    NmeaHandler *handler = NmeaHandlerContainer::instance()->handler(talker, type);
    if (!message || !handler) {
        qDebug().noquote() << "No sentence of type" << type << "for talker" << talker
                           << (message ? "(no handler)" : "(no message class)") << ", nothing sent";
        return group;
    }
    handler->fillOutgoingMessage(message.get());
    group.setMessages(QStringList { message->toSentence() });
    return group;
}

void ExternalNmeaController::handleReceivedNmeaList(NmeaGroupInfo nmea_group_info)
{
    const Port port = nmea_group_info.port();
    const QString sourceSfi = nmea_group_info.sourceSfi();
    const QStringList received = nmea_group_info.messages();
    CommunicationForwardingController *forwarding = m_forwardingController.data();
    const bool monitored = forwarding && forwarding->isInputMonitored(port);
    CommunicationsLogging *logging = CommunicationsLogging::instance();

    if (received.size() > maxGroupSentences) {
        // No network group and no serial line holds that many; nothing of it is taken.
        if (admitLogLine("Received sentence group too large"))
            qDebug() << "Received group of" << received.size() << "sentences on" << nmea_group_info.portName()
                     << "dropped, at most" << maxGroupSentences;
        ErrorLogger::instance()->logNmeaError(NmeaFramingError, port);
        return;
    }

    const int target
        = forwarding && forwarding->isForwardedPort(port) ? forwarding->forwardingTargetPort(port) : -1;
    if (target >= 0) {
        for (const QString &sentence : received) {
            // Faulty sentences are repeated as they came, but nothing longer than any sentence can be.
            if (sentence.size() <= maxReceivedLength)
                emit nmeaGroupReadyToBeSentOverSerialPort(
                    sendPreparedNmeaMessageOverPort(sentence, Port(target)));
        }
    }

    std::vector<Accepted> accepted;
    bool groupFaulty = false;
    const auto reportError = [&](int code, const QString &text) {
        ErrorLogger::instance()->logNmeaError(code, port);
        if (logging)
            logging->inputErrorLogger()->logNmeaMessageErrorToFile(NmeaErrorType(code), port, text);
        groupFaulty = true;
        if (monitored)
            forwarding->addCommunicationInformation(text, Faulty);
    };

    for (const QString &sentence : received) {
        if (sentence.size() > maxReceivedLength) {
            reportError(NmeaTooLongError, sentence.left(maxReceivedLength));
            continue;
        }
        const QString text = withoutNoise(sentence);
        QString checked = text;
        const int framing = NmeaMessage::checkSentence(checked);
        if (framing != NmeaNoError) {
            reportError(framing, text);
            continue;
        }
        // `checked` has lost its "$" (or "!") and its CR LF; what remains before "*hh" is the sentence
        // body whose checksum was just compared.
        const QString body = checked.left(checked.size() - 3);
        const int comma = body.indexOf(QLatin1Char(','));
        const QString address = comma < 0 ? body : body.left(comma);
        QString talker;
        QString formatter;
        if (address.startsWith(externalProprietaryTalker)) {
            talker = externalProprietaryTalker;
            formatter = address.mid(externalProprietaryTalker.size());
        } else if (address.size() == 5) {
            talker = address.left(2);
            formatter = address.mid(2);
        } else {
            // A proprietary sentence of another maker: sound, but nothing here reads it.
            if (monitored)
                forwarding->addCommunicationInformation(text, NotHandled);
            continue;
        }
        const QString fields = comma < 0 ? QString() : body.mid(comma + 1);

        NmeaMessagePool::Handle message(NmeaMessagePool::instance()->take(talker, formatter));
        if (!message) {
            if (monitored)
                forwarding->addCommunicationInformation(text, NotHandled);
            continue;
        }
        const int parsed = message->deserializeParamaters(fields);
        if (parsed != NmeaNoError) {
            reportError(parsed, text);
            continue;
        }
        message->setSourcePort(nmea_group_info.portName());
        message->setSourceSfi(sourceSfi);
        if (formatter == QLatin1String("HBT"))
            HeartbeatReceiver::instance()->heartbeatReceived(talker, sourceSfi);
        accepted.push_back(Accepted { std::move(message), text });
    }

    if (groupFaulty)
        accepted.clear();

    const bool junctionBox = BuildConfiguration::instance()->isSoftwareJb;
    const TmpPortsSetupAdapter *adapter = tmpPortsSetupAdapter();
    NmeaHandlerContainer *container = NmeaHandlerContainer::instance();
    for (const Accepted &each : accepted) {
        NmeaMessage *message = each.message.get();
        NmeaHandler *handler = container->handler(message->talker(), message->formatter());
        if (junctionBox) {
            const bool refused = !handler
                || (adapter && !adapter->isInputSentenceAllowed(message->formatter(), port)
                    && !each.text.startsWith(QLatin1String("$PQRV")));
            if (refused) {
                if (monitored)
                    forwarding->addCommunicationInformation(each.text, NotHandled);
                continue;
            }
        }
        int status = NotHandled;
        if (handler) {
            handler->handleReceivedMessage(message);
            status = handler->isLastMessageValid() ? Handled : Rejected;
        }
        if (monitored)
            forwarding->addCommunicationInformation(each.text, status);
        if (logging)
            logging->inputMessageLogger()->logMessageToFile(port, each.text);
    }

    if (forwarding)
        forwarding->flushInformationBuffer();
}
