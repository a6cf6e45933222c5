#include "sentences/PqrvPairingHandlers.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/Port.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/SerializationController.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/PqrvProtocolSupport.h"
#include "sentences/PqrvSentences.h"

#include <QDebug>

namespace {

const int pairRepeatLimit = 10;

} // namespace

// ---------------------------------------------------------------------------------------------------------
// PAIR

HandlerPqrvPair::HandlerPqrvPair(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("PAIR"), false, parent, true)
{
    addExtraPort(UDP);
    m_pairTimer.setInterval(defaultRepeatInterval);
    m_pairTimer.setSingleShot(true);
    m_unpairTimer.setInterval(defaultRepeatInterval);
    m_unpairTimer.setSingleShot(true);

    // Only a display pairs; a junction box only answers.
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (!build->isSoftwareCu)
        return;
    connect(&m_pairTimer, &QTimer::timeout, this, &HandlerPqrvPair::sendPairMessage);
    connect(&m_unpairTimer, &QTimer::timeout, this, &HandlerPqrvPair::sendUnpairMessage);
    // The embedded speed-log and TVR100 displays talk to a fixed junction box on the internal link and
    // do not pair on a change of the partner's SFI.
    if ((!build->isTvr100 && !build->isMirLox1000) || build->isWindows)
        connect(PqrvProtocol::displaySetup(), &CU_R207_Setup::PairedSFIChanged, this,
            &HandlerPqrvPair::pairedSfiChanged);
}

QString HandlerPqrvPair::buildPairSentence(const QString &destination, const QString &pairDevices) const
{
    MsgPqrvPair message { QString() };
    message.SourceSfi()->setValue(PqrvProtocol::displaySetup()->LocalSFI());
    message.DestinationSfi()->setValue(destination);
    message.PairDevices()->setValue(pairDevices);
    return message.toSentence();
}

void HandlerPqrvPair::pairedSfiChanged()
{
    m_pairTimer.stop();
    m_unpairTimer.stop();
    m_pairAckReceived = false;
    m_unpairAckReceived = false;
    m_pairSendCount = 0;
    m_unpairSendCount = 0;

    const CU_R207_Setup *display = PqrvProtocol::displaySetup();
    const QString partner = display->PairedSFI();
    const QString previous = display->previousPairedSFI();
    // An unpairing needs someone to release: before the first change of the partner there is no
    // previous one, and a "U" to the empty SFI would only be repeated ten times unanswered.
    if (partner != previous && !previous.isEmpty()) {
        m_unpairSentence = buildPairSentence(previous, QStringLiteral("U"));
        sendUnpairMessage();
    }
    m_pairSentence = buildPairSentence(partner, QStringLiteral("P"));
    sendPairMessage();
}

void HandlerPqrvPair::sendPairMessage()
{
    if (!m_pairAckReceived && m_pairSendCount < pairRepeatLimit) {
        ++m_pairSendCount;
        emit aboutToSendPairMsg();
        sendSentenceOnEnabledPorts(m_pairSentence);
        m_pairTimer.start();
        return;
    }
    m_pairAckReceived = false;
    m_pairSendCount = 0;
}

void HandlerPqrvPair::sendUnpairMessage()
{
    if (!m_unpairAckReceived && m_unpairSendCount < pairRepeatLimit) {
        ++m_unpairSendCount;
        sendSentenceOnEnabledPorts(m_unpairSentence);
        m_unpairTimer.start();
        return;
    }
    m_unpairAckReceived = false;
    m_unpairSendCount = 0;
}

void HandlerPqrvPair::setRepeatInterval(int msec)
{
    m_pairTimer.setInterval(msec);
    m_unpairTimer.setInterval(msec);
}

void HandlerPqrvPair::pairAcknowledged()
{
    m_pairAckReceived = true;
    m_pairSendCount = 0;
}

void HandlerPqrvPair::unpairAcknowledged()
{
    m_unpairAckReceived = true;
    m_unpairSendCount = 0;
}

void HandlerPqrvPair::resendPairMessage()
{
    const QString sentence
        = buildPairSentence(PqrvProtocol::displaySetup()->PairedSFI(), QStringLiteral("P"));
    emit aboutToSendPairMsg();
    sendSentenceOnEnabledPorts(sentence);
}

void HandlerPqrvPair::connectSupervision(SerializationController *supervision)
{
    auto *pair = qobject_cast<HandlerPqrvPair *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")));
    if (!pair || !supervision)
        return;
    connect(pair, &HandlerPqrvPair::aboutToSendPairMsg, supervision,
        &SerializationController::setConnectingToJb, Qt::UniqueConnection);
    connect(supervision, &SerializationController::pairingRequested, pair,
        &HandlerPqrvPair::resendPairMessage, Qt::UniqueConnection);
}

void HandlerPqrvPair::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    if (!BuildConfiguration::instance()->isSoftwareJb)
        return;
    const auto *pair = qobject_cast<const MsgPqrvPair *>(message);
    if (!pair) {
        m_lastMessageValid = false;
        return;
    }
    const QString own = PqrvProtocol::ownSfi();
    const QString source = PqrvProtocol::textOf(pair->SourceSfi());
    const QString pairDevices = PqrvProtocol::textOf(pair->PairDevices());
    if (PqrvProtocol::textOf(pair->DestinationSfi()) != own)
        return;
    // A request without a sender cannot be answered or connected.
    if (source.isEmpty()) {
        m_lastMessageValid = false;
        return;
    }
    if (admitLogLine("PAIR received"))
        qDebug().noquote() << "PAIR: " + logExcerpt(pairDevices) + " ; SFI: " + logExcerpt(source);

    const bool pairing = pairDevices == QLatin1String("P");
    if (pairing)
        PqrvProtocol::connectSfi(source);
    else
        PqrvProtocol::disconnectSfi(source);

    MsgPqrvSfiAck ack { QString() };
    ack.SourceSfi()->setValue(own);
    ack.DestinationSfi()->setValue(source);
    ack.MessageTypeToAck()->setValue(QStringLiteral("PAIR"));
    ack.OptionalDescription()->setValue(pairDevices);
    if (NmeaHandler *ackHandler = PqrvProtocol::siblingHandler(this, QStringLiteral("SFIACK")))
        ackHandler->sendSentenceOnEnabledPorts(ack.toSentence());

    if (pairing)
        ESDataClass::instance()->setup()->serializeAndSend(QStringList { source });
}

// ---------------------------------------------------------------------------------------------------------
// SFIACK

HandlerPqrvSfiAck::HandlerPqrvSfiAck(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SFIACK"), false, parent, true)
{
    addExtraPort(UDP);
}

void HandlerPqrvSfiAck::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *ack = qobject_cast<const MsgPqrvSfiAck *>(message);
    if (!ack) {
        m_lastMessageValid = false;
        return;
    }
    if (PqrvProtocol::textOf(ack->DestinationSfi()) != PqrvProtocol::ownSfi())
        return;
    if (PqrvProtocol::textOf(ack->MessageTypeToAck()) != QLatin1String("PAIR"))
        return;
    auto *pair = qobject_cast<HandlerPqrvPair *>(PqrvProtocol::siblingHandler(this, QStringLiteral("PAIR")));
    if (!pair)
        return;
    const QString description = PqrvProtocol::textOf(ack->OptionalDescription());
    if (description == QLatin1String("P"))
        pair->pairAcknowledged();
    else if (description == QLatin1String("U"))
        pair->unpairAcknowledged();
}

// ---------------------------------------------------------------------------------------------------------
// SFICHANGE

HandlerPqrvSfiChange::HandlerPqrvSfiChange(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SFICHANGE"), false, parent, true)
{
    addExtraPort(UDP);
}

void HandlerPqrvSfiChange::sendSfiChange(const QString &new_sfi, const QString &old_sfi)
{
    MsgPqrvSfiChange message { QString() };
    message.NewSfi()->setValue(new_sfi);
    message.OldSfi()->setValue(old_sfi);
    m_changeSentence = message.toSentence();
    sendMessage_timeout();
}

void HandlerPqrvSfiChange::sendMessage_timeout()
{
    sendSentenceOnEnabledPorts(m_changeSentence);
    ++m_repeatCount;
    if (m_repeatCount < m_repeatLimit)
        QTimer::singleShot(m_repeatInterval, this, &HandlerPqrvSfiChange::sendMessage_timeout);
    else
        m_repeatCount = 0;
}

void HandlerPqrvSfiChange::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *change = qobject_cast<const MsgPqrvSfiChange *>(message);
    if (!change) {
        m_lastMessageValid = false;
        return;
    }
    PqrvProtocol::deviceChangedSfi(
        PqrvProtocol::textOf(change->NewSfi()), PqrvProtocol::textOf(change->OldSfi()));
}

// ---------------------------------------------------------------------------------------------------------
// DEVSTART

HandlerPqrvDevStart::HandlerPqrvDevStart(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("DEVSTART"), false, parent, true)
{
    addExtraPort(UDP);
}

void HandlerPqrvDevStart::fillOutgoingMessage(NmeaMessage *message)
{
    if (auto *start = qobject_cast<MsgPqrvDevStart *>(message))
        start->LocalSfi()->setValue(PqrvProtocol::displaySetup()->LocalSFI());
}

void HandlerPqrvDevStart::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *start = qobject_cast<const MsgPqrvDevStart *>(message);
    if (!start) {
        m_lastMessageValid = false;
        return;
    }
    CU_R207_Setup *display = PqrvProtocol::displaySetup();
    const QString partner = display->PairedSFI();
    // The partner restarted: everything that follows the partner's SFI reacts as to a change (the
    // display pairs again), though the value stays.
    if (!partner.isEmpty() && PqrvProtocol::textOf(start->LocalSfi()) == partner)
        emit display->PairedSFIChanged(partner);
}

// ---------------------------------------------------------------------------------------------------------
// SFICHK, SFITKN

HandlerPqrvSfiChk::HandlerPqrvSfiChk(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SFICHK"), false, parent, true)
{
    addExtraPort(UDP);
}

void HandlerPqrvSfiChk::handleReceivedMessage(NmeaMessage *message)
{
    Q_UNUSED(message)
}

HandlerPqrvSfiTkn::HandlerPqrvSfiTkn(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SFITKN"), false, parent, true)
{
    addExtraPort(UDP);
}
