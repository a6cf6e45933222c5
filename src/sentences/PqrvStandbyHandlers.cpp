#include "sentences/PqrvStandbyHandlers.h"

#include "common/BuildConfiguration.h"
#include "common/Port.h"
#include "data/CU_R207_Setup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/PqrvProtocolSupport.h"
#include "sentences/PqrvSentences.h"

namespace {

const int normalMode = 0;
const int standbyMode = 1;
const int leaveStandbyCommand = 98;

// Sets the operating mode when it differs and always sends it to the partner, so that a partner that
// missed an earlier change learns the mode again.
void applyOperatingMode(int mode)
{
    ESTQ55Setup *box = PqrvProtocol::junctionBoxSetup();
    if (box->SystemInNormalOrStandbyMode() != mode)
        box->setSystemInNormalOrStandbyMode(mode);
    box->serializeSinglePropertyByName(QStringLiteral("SystemInNormalOrStandbyMode"));
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// SLP

HandlerPqrvSlp::HandlerPqrvSlp(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SLP"), false, parent, true)
{
}

void HandlerPqrvSlp::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *slp = qobject_cast<const MsgPqrvSlp *>(message);
    if (!slp) {
        m_lastMessageValid = false;
        return;
    }
    const BuildConfiguration *build = BuildConfiguration::instance();
    const QString target = PqrvProtocol::textOf(slp->TargetSfi());
    if (build->isSoftwareJb && target != PqrvProtocol::junctionBoxSetup()->LocalSFI())
        return;
    if (build->isSoftwareCu && target != PqrvProtocol::displaySetup()->PairedSFI())
        return;
    applyOperatingMode(slp->SetToSleep()->value() != 0 ? standbyMode : normalMode);
}

// ---------------------------------------------------------------------------------------------------------
// ICM

HandlerPqrvIcm::HandlerPqrvIcm(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ICM"), false, parent, true)
{
}

void HandlerPqrvIcm::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *icm = qobject_cast<const MsgPqrvIcm *>(message);
    if (!icm) {
        m_lastMessageValid = false;
        return;
    }
    if (icm->MessageVersion()->value() != 0 || icm->CommandId()->value() != leaveStandbyCommand)
        return;
    applyOperatingMode(normalMode);
}

// ---------------------------------------------------------------------------------------------------------
// REBOOT

HandlerPqrvReboot::HandlerPqrvReboot(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("REBOOT"), false, parent, true)
    , m_rebootTimer(new QTimer(this))
{
    addExtraPort(UDP);
    m_rebootTimer->setInterval(m_requestInterval);
    connect(m_rebootTimer, &QTimer::timeout, this, &HandlerPqrvReboot::timerTimeout);
}

void HandlerPqrvReboot::setRepeatIntervals(int request_msec, int reply_msec)
{
    m_requestInterval = request_msec;
    m_replyInterval = reply_msec;
    m_rebootTimer->setInterval(m_replied ? m_replyInterval : m_requestInterval);
}

void HandlerPqrvReboot::sendReboot(const QString &description)
{
    MsgPqrvReboot message { QString() };
    message.SourceSfi()->setValue(PqrvProtocol::displaySetup()->LocalSFI());
    message.Description()->setValue(description);
    sendSentenceOnEnabledPorts(message.toSentence());
    m_rebootTimer->start();
}

void HandlerPqrvReboot::timerTimeout()
{
    if (m_replyMode) {
        m_rebootTimer->stop();
        m_replyMode = false;
        m_repeatCount = 1;
    } else {
        ++m_repeatCount;
    }
    if (m_repeatCount > m_repeatLimit) {
        m_rebootTimer->stop();
        m_repeatCount = 0;
        m_replyMode = false;
        return;
    }
    sendReboot(QStringLiteral("C"));
}

void HandlerPqrvReboot::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *reboot = qobject_cast<const MsgPqrvReboot *>(message);
    if (!reboot) {
        m_lastMessageValid = false;
        return;
    }
    const QString partner = PqrvProtocol::displaySetup()->PairedSFI();
    if (partner.isEmpty() || PqrvProtocol::textOf(reboot->SourceSfi()) != partner)
        return;
    m_rebootTimer->stop();
    m_replied = true;
    m_rebootTimer->setInterval(m_replyInterval);
    m_replyMode = true;
    sendReboot(QStringLiteral("R"));
}
