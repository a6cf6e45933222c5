#include "hardware/AbstractPingingState.h"

// The rows below follow the pinging order of the transceiver. A single ping request is taken when its
// ping starts, not when the machine next rests, so a request that arrives while a cycle runs is served in
// that cycle or the next instead of being dropped; and where a running cycle looks for the other channel's
// turn it asks whether that channel is wanted at all (measuring or requested), not only whether it is
// measuring, so a single ping is not held back for as long as the other channel keeps measuring.

AbstractPingingState::~AbstractPingingState() = default;

EchosounderSPI_Controller::PingingFlags &AbstractPingingState::flags() const
{
    return m_controller->m_flags;
}

bool AbstractPingingState::wanted(int channelIndex) const
{
    const auto &f = m_controller->m_flags;
    return f.measuring[channelIndex] || f.singlePingRequested[channelIndex];
}

void AbstractPingingState::startPing(int channelIndex) const
{
    m_controller->startPing(channelIndex);
}

void AbstractPingingState::upload(int channelIndex) const
{
    if (channelIndex == 0)
        m_controller->ch1UploadData();
    else
        m_controller->ch2UploadData();
}

void AbstractPingingState::startDelayTimer() const
{
    m_controller->startDelayTimer();
}

void AbstractPingingState::goToNextState() const
{
    m_controller->goToNextPingingState();
}

// IdleState

AbstractPingingState *IdleState::nextState()
{
    const bool m = flags().multiplexed;
    if (wanted(1)) {
        if (m)
            return new StartMuxedPinging(controller());
        if (wanted(0))
            return new StartPingingCh1(controller());
        return new StartPingingCh2(controller());
    }
    if (wanted(0)) {
        if (m)
            return new StartMuxedPinging(controller());
        return new StartPingingCh1(controller());
    }
    return new IdleState(controller());
}

void IdleState::onEnter()
{
    auto &f = flags();
    f.pingRunning[0] = f.pingRunning[1] = false;
    f.readPending[0] = f.readPending[1] = false;
    // Measuring switched on, or a single ping asked for, while the last cycle ran: start the next one.
    if (wanted(0) || wanted(1))
        goToNextState();
}

// StartPingingCh1

AbstractPingingState *StartPingingCh1::nextState()
{
    if (flags().readPending[1])
        return new UploadingCh2(controller());
    return new WaitingToFinishMeasurement(controller());
}

void StartPingingCh1::onEnter()
{
    flags().pingRunning[0] = true;
    flags().singlePingRequested[0] = false;
    startPing(0);
    startDelayTimer();
    goToNextState();
}

// StartPingingCh2

AbstractPingingState *StartPingingCh2::nextState()
{
    if (flags().readPending[0])
        return new UploadingCh1(controller());
    return new WaitingToFinishMeasurement(controller());
}

void StartPingingCh2::onEnter()
{
    flags().pingRunning[1] = true;
    flags().singlePingRequested[1] = false;
    startPing(1);
    startDelayTimer();
    goToNextState();
}

// StartMuxedPinging

AbstractPingingState *StartMuxedPinging::nextState()
{
    return new WaitingToFinishMeasurement(controller());
}

void StartMuxedPinging::onEnter()
{
    auto &f = flags();
    if (f.singlePingRequested[0] || f.singlePingRequested[1] || (f.measuring[0] && f.measuring[1])) {
        f.pingRunning[0] = f.pingRunning[1] = true;
        f.singlePingRequested[0] = f.singlePingRequested[1] = false;
        startPing(-1);
    } else if (f.measuring[0]) {
        f.pingRunning[0] = true;
        startPing(0);
    } else if (f.measuring[1]) {
        f.pingRunning[1] = true;
        startPing(1);
    }
    startDelayTimer();
    goToNextState();
}

// UploadingCh1

AbstractPingingState *UploadingCh1::nextState()
{
    const auto &f = flags();
    if (f.multiplexed) {
        if (f.readPending[1])
            return new UploadingCh2(controller());
        if (f.measuring[0] || f.measuring[1])
            return new StartMuxedPinging(controller());
        return new IdleState(controller());
    }
    if (f.pingRunning[1])
        return new WaitingToFinishMeasurement(controller());
    if (f.measuring[0])
        return new StartPingingCh1(controller());
    return new IdleState(controller());
}

void UploadingCh1::onEnter()
{
    flags().readPending[0] = false;
    upload(0);
    goToNextState();
}

// UploadingCh2

AbstractPingingState *UploadingCh2::nextState()
{
    const auto &f = flags();
    if (f.multiplexed) {
        if (f.readPending[0])
            return new UploadingCh1(controller());
        if (f.measuring[0] || f.measuring[1])
            return new StartMuxedPinging(controller());
        return new IdleState(controller());
    }
    if (f.pingRunning[0])
        return new WaitingToFinishMeasurement(controller());
    if (f.measuring[1])
        return new StartPingingCh2(controller());
    return new IdleState(controller());
}

void UploadingCh2::onEnter()
{
    flags().readPending[1] = false;
    upload(1);
    goToNextState();
}

// WaitingToFinishMeasurement

AbstractPingingState *WaitingToFinishMeasurement::nextState()
{
    auto &f = flags();
    if (f.multiplexed) {
        f.readPending[0] = f.pingRunning[0];
        f.readPending[1] = f.pingRunning[1];
        f.pingRunning[0] = f.pingRunning[1] = false;
        if (f.readPending[0])
            return new UploadingCh1(controller());
        if (f.readPending[1])
            return new UploadingCh2(controller());
        return new IdleState(controller());
    }
    if (f.pingRunning[0]) {
        f.pingRunning[0] = false;
        f.readPending[0] = true;
        if (wanted(1))
            return new StartPingingCh2(controller());
        return new UploadingCh1(controller());
    }
    if (f.pingRunning[1]) {
        f.pingRunning[1] = false;
        f.readPending[1] = true;
        if (wanted(0))
            return new StartPingingCh1(controller());
        return new UploadingCh2(controller());
    }
    return new IdleState(controller());
}

void WaitingToFinishMeasurement::onEnter() { }
