#include "sentences/DimmingHandlers.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/RemoteDimmingSetup.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/DimmingSentences.h"

namespace {

const int guardInterval = 3000;

enum OperationMode { ModeRx = 0, ModeRxTx = 1, ModeTx = 2 };

} // namespace

HandlerDdc::HandlerDdc(QObject *parent)
    : NmeaHandler(ESDataClass::instance()->localSetup()->DimmingSetup(), QStringLiteral("DDC"), false, parent)
    , m_guardTimer(this)
{
    m_guardTimer.setSingleShot(true);
    m_guardTimer.setInterval(guardInterval);
    addExtraPort(UDP);
    if (RemoteDimmingSetup *dimming = setup())
        connect(dimming, &RemoteDimmingSetup::CurrentBrightnessPercentageChanged, this,
            &HandlerDdc::onCurrentBrightnessPercentageChanged);
}

RemoteDimmingSetup *HandlerDdc::setup() const
{
    return qobject_cast<RemoteDimmingSetup *>(dataObject());
}

bool HandlerDdc::isGuardActive() const
{
    return m_guardTimer.isActive();
}

void HandlerDdc::onCurrentBrightnessPercentageChanged(int value)
{
    const RemoteDimmingSetup *dimming = setup();
    if (dimming && (dimming->OperationMode() == ModeRxTx || dimming->OperationMode() == ModeTx))
        sendDdcCommand(value);
}

void HandlerDdc::sendDdcCommand(int brightness)
{
    const RemoteDimmingSetup *dimming = setup();
    if (!dimming)
        return;
    // A running guard is not extended: it only covers the answers to the first command of an exchange.
    if (!m_guardTimer.isActive())
        m_guardTimer.start();
    MsgDdc command(BuildConfiguration::instance()->talker);
    command.DimmingPreset()->setValue(dimming->DimmingPreset());
    command.ColorPalette()->setValue(dimming->ColorPalette());
    command.BrightnessPercentage()->setValue(
        brightness == -1 ? dimming->CurrentBrightnessPercentage() : brightness);
    command.Status()->setValue(QStringLiteral("C"));
    sendSentenceOnEnabledPorts(command.toSentence());
}

void HandlerDdc::handleReceivedMessage(NmeaMessage *message)
{
    auto *ddc = qobject_cast<MsgDdc *>(message);
    RemoteDimmingSetup *dimming = setup();
    // Replies are never answered, or two displays would answer each other for ever.
    if (!ddc || !dimming || !(ddc->Status()->isValid() && ddc->Status()->value() == QLatin1String("C")))
        return;

    if (!m_guardTimer.isActive()) {
        m_guardTimer.start();
        switch (dimming->OperationMode()) {
        case ModeRx:
        case ModeRxTx:
            copyMessageToData(message);
            break;
        case ModeTx:
            // A transmitting display does not follow others; a device on a serial line learns the
            // display's own state instead. Displays on the network hear it from the display's own commands.
            if (message->sourcePort() != QLatin1String("UDP"))
                sendDdcCommand(-1);
            break;
        default:
            break;
        }
        dimming->setValid(QStringLiteral("BrightnessPercentage"), true);
    }
    sendDdcReply(message);
}

void HandlerDdc::sendDdcReply(NmeaMessage *received)
{
    const auto *command = qobject_cast<MsgDdc *>(received);
    if (!command)
        return;
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    const QString talker = configuration->isMirLox1000 || configuration->isMirLox2000 ? QStringLiteral("GN")
                                                                                      : QStringLiteral("SD");
    MsgDdc reply(talker);
    reply.copyFieldsFrom(command);
    reply.Status()->setValue(QStringLiteral("R"));
    sendSentenceOnEnabledPorts(reply.toSentence());
}
