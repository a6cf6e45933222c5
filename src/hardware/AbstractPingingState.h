#ifndef ABSTRACTPINGINGSTATE_H
#define ABSTRACTPINGINGSTATE_H

#include "hardware/EchosounderSPI_Controller.h"

// One state of the transceiver's pinging order. The controller asks the current state for the next one,
// makes it current and runs its on-enter step; a state that starts a ping or reads data asks for the next
// state again as its last step.
class AbstractPingingState
{
public:
    explicit AbstractPingingState(EchosounderSPI_Controller *controller)
        : m_controller(controller)
    {
    }
    virtual ~AbstractPingingState();

    // A newly made state object for the controller.
    virtual AbstractPingingState *nextState() = 0;
    virtual void onEnter() = 0;
    // The class name, for diagnostics and tests.
    virtual const char *name() const = 0;

protected:
    EchosounderSPI_Controller *controller() const { return m_controller; }
    // What the controller wants and what runs; channel index 0 is channel 1.
    EchosounderSPI_Controller::PingingFlags &flags() const;
    // W1 / W2: the channel is measuring or a single ping on it was asked for.
    bool wanted(int channelIndex) const;
    // Channel index 0 or 1, or -1 for both channels.
    void startPing(int channelIndex) const;
    void upload(int channelIndex) const;
    void startDelayTimer() const;
    void goToNextState() const;

private:
    EchosounderSPI_Controller *m_controller;
};

// Nothing runs. Entering it clears the running pings and pending reads; a request that is still waiting
// (measuring switched on, or a single ping asked for while the last cycle ran) starts the next cycle.
class IdleState : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "IdleState"; }
};

class StartPingingCh1 : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "StartPingingCh1"; }
};

class StartPingingCh2 : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "StartPingingCh2"; }
};

// Multiplexed: both channels (or the only one measuring) are pinged together.
class StartMuxedPinging : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "StartMuxedPinging"; }
};

class UploadingCh1 : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "UploadingCh1"; }
};

class UploadingCh2 : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "UploadingCh2"; }
};

// Waits for the delay timer after a ping.
class WaitingToFinishMeasurement : public AbstractPingingState
{
public:
    using AbstractPingingState::AbstractPingingState;
    AbstractPingingState *nextState() override;
    void onEnter() override;
    const char *name() const override { return "WaitingToFinishMeasurement"; }
};

#endif // ABSTRACTPINGINGSTATE_H
