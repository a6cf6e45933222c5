#include "hardware/EchosounderSPI_Controller.h"

#include "hardware/AbstractPingingState.h"
#include "hardware/ES604_SPI_Device.h"
#include "hardware/ES_pingPulseGenerator.h"

#include <QDebug>
#include <QThread>
#include <QTimer>

EchosounderSPI_Controller::EchosounderSPI_Controller(QObject *parent)
    : QObject(parent)
    , m_pulseGenerator(new ES_pingPulseGenerator(this))
    , m_state(new IdleState(this))
    , m_delayTimer(new QTimer(this))
{
    m_delayTimer->setSingleShot(true);
    connect(m_delayTimer, &QTimer::timeout, this, &EchosounderSPI_Controller::goToNextPingingState);
}

EchosounderSPI_Controller::~EchosounderSPI_Controller()
{
    if (m_thread) {
        if (QThread::currentThread() == m_thread) {
            // Destroyed inside its own worker (deleteLater after the move): nothing can wait for the thread
            // here, so it ends when this event returns and deletes itself once finished.
            m_delayTimer->stop();
            m_pulseGenerator->stopTimers();
            connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
            m_thread->quit();
        } else {
            if (m_thread->isRunning()) {
                QThread *owner = QThread::currentThread();
                QMetaObject::invokeMethod(
                    this, [this, owner] { haltInWorker(owner); }, Qt::BlockingQueuedConnection);
            }
            m_thread->quit();
            m_thread->wait();
            delete m_thread;
        }
        m_thread = nullptr;
    }
    m_state.reset();
    delete m_device;
    delete m_pulseGenerator;
}

void EchosounderSPI_Controller::haltInWorker(QThread *owner)
{
    m_delayTimer->stop();
    m_pulseGenerator->stopTimers();
    // Back to the owner, so that the objects are destroyed in the thread they belong to once the worker has
    // ended; posted events still waiting for them move along and are dropped with them.
    moveToThread(owner);
    if (m_device)
        m_device->moveToThread(owner);
    m_pulseGenerator->pulseTimer()->moveToThread(owner);
    m_pulseGenerator->moveToThread(owner);
}

void EchosounderSPI_Controller::setSpiDevice(ES604_SPI_Device *device)
{
    if (m_thread)
        throw "EchosounderSPI_Controller::setSpiDevice: the device is set before the worker thread starts";
    if (device == m_device)
        return;
    delete m_device;
    m_device = device;
}

const char *EchosounderSPI_Controller::currentStateName() const
{
    return m_state->name();
}

void EchosounderSPI_Controller::startInWorkerThread()
{
    if (m_thread) {
        qDebug() << "Transceiver controller already runs in its worker thread";
        return;
    }
    // A parent in the owner's thread would delete the controller across threads.
    if (parent())
        throw "EchosounderSPI_Controller::startInWorkerThread: the controller must have no parent";
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("EchosounderSPI"));
    moveToThread(m_thread);
    if (m_device) {
        m_device->setParent(nullptr);
        m_device->moveToThread(m_thread);
    }
    m_pulseGenerator->setParent(nullptr);
    m_pulseGenerator->moveToThread(m_thread);
    m_pulseGenerator->pulseTimer()->moveToThread(m_thread);
    m_thread->start(QThread::InheritPriority);
    // The device is configured in its own thread, before any call queued after this one.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_device)
                m_device->configure(-1, -1, -1, -1, -1);
        },
        Qt::QueuedConnection);
}

void EchosounderSPI_Controller::startDelayTimer()
{
    m_delayTimer->start(m_delayTime);
}

void EchosounderSPI_Controller::setMeasurementExpectedLength(int measurementExpectedLength, int ch_number)
{
    m_expectedLength[ch_number == 1 ? 0 : 1] = measurementExpectedLength;
}

void EchosounderSPI_Controller::setDelayTime(int delayTime)
{
    m_delayTime = qMax(0, delayTime);
}

void EchosounderSPI_Controller::channelSetParameters(int channelNumber, int frequency, int pulseWidth,
    int outputPower, int gain, int startingPosition, int numberOfPoints, int samplingResolutin,
    int ultrasonicSpeed, int rangeIndex, int capacitor)
{
    if (numberOfPoints < 1 || numberOfPoints > MaximumNumberOfPoints) {
        qDebug().noquote() << "Channel parameters refused: number of points "
                + QString::number(numberOfPoints);
        return;
    }
    const int index = channelNumber == 0 ? 0 : 1;
    ChannelParameters &p = m_parameters[index];
    p.frequency = frequency;
    p.pulseWidth = pulseWidth;
    p.outputPower = outputPower;
    p.gain = gain;
    p.startingPosition = startingPosition;
    p.numberOfPoints = numberOfPoints;
    p.samplingResolution = samplingResolutin;
    p.ultrasonicSpeed = ultrasonicSpeed;
    p.rangeIndex = rangeIndex;
    p.capacitor = capacitor;
    m_flags.parametersChanged[index] = true;
}

void EchosounderSPI_Controller::setTransducerMeasurementOnOff(bool on_off_state, int channel_number)
{
    m_flags.measuring[channel_number == 0 ? 0 : 1] = on_off_state;
    triggerWhenIdle();
}

void EchosounderSPI_Controller::startSinglePing(int ch_number)
{
    m_flags.singlePingRequested[ch_number == 0 ? 0 : 1] = true;
    triggerWhenIdle();
}

void EchosounderSPI_Controller::triggerWhenIdle()
{
    // While a transition runs (a receiver of one of its signals called back), the running cycle picks the
    // request up: the machine ends every cycle in a state that looks at what is wanted.
    if (m_inTransition)
        return;
    if (dynamic_cast<IdleState *>(m_state.get()))
        goToNextPingingState();
}

void EchosounderSPI_Controller::setPingingMultiplexed(bool is_muxed)
{
    m_flags.multiplexed = is_muxed;
}

void EchosounderSPI_Controller::readAdditionalData()
{
    if (!m_device) {
        qDebug() << "Transceiver controller without SPI device";
        return;
    }
    emit receivedAdditionalData(m_device->readAdditionalData());
}

void EchosounderSPI_Controller::resetTransceiver()
{
    if (!m_device) {
        qDebug() << "Transceiver controller without SPI device";
        return;
    }
    emit transceiverResetSignal(m_device->resetTransceiver());
}

void EchosounderSPI_Controller::ch1UploadData()
{
    uploadData(0);
}

void EchosounderSPI_Controller::ch2UploadData()
{
    uploadData(1);
}

void EchosounderSPI_Controller::uploadData(int channelIndex)
{
    if (!m_device) {
        qDebug() << "Transceiver controller without SPI device";
        return;
    }
    emit recievedBinaryMessage(m_device->readMeasurement(channelIndex), channelIndex);
}

void EchosounderSPI_Controller::updateSensorParamaters(int channelNumber)
{
    const int index = channelNumber != 0 ? 1 : 0;
    const ChannelParameters &p = m_parameters[index];
    m_flags.parametersChanged[index] = false;
    m_pingLength[index] = p.pulseWidth;
    if (m_device) {
        m_device->writeChannelParameters(index, p.frequency, p.pulseWidth, p.outputPower, p.gain,
            p.startingPosition, p.numberOfPoints, p.samplingResolution, p.ultrasonicSpeed, p.capacitor);
    }
    emit sensorParametersUpdated(index, p.frequency, p.pulseWidth, p.outputPower, p.gain, p.startingPosition,
        p.numberOfPoints, p.samplingResolution, p.ultrasonicSpeed, p.rangeIndex, p.capacitor);
}

void EchosounderSPI_Controller::startPing(int channelIndex)
{
    int pingLength = 0;
    if (channelIndex == 0 || channelIndex == 1) {
        if (m_flags.parametersChanged[channelIndex])
            updateSensorParamaters(channelIndex);
        pingLength = m_pingLength[channelIndex];
    } else {
        channelIndex = -1;
        if (m_flags.parametersChanged[0])
            updateSensorParamaters(0);
        if (m_flags.parametersChanged[1])
            updateSensorParamaters(1);
        pingLength = qMax(m_pingLength[0], m_pingLength[1]);
    }
    // The board's answer to a ping is not consulted: a ping that did not start shows as an invalid read.
    if (m_device)
        m_device->startPing(channelIndex);
    m_pulseGenerator->pingRequestSent(pingLength);
}

void EchosounderSPI_Controller::goToNextPingingState()
{
    if (m_inTransition) {
        m_advanceRequested = true;
        return;
    }
    m_inTransition = true;
    do {
        m_advanceRequested = false;
        std::unique_ptr<AbstractPingingState> previous(m_state->nextState());
        m_state.swap(previous);
        m_state->onEnter();
        // `previous` now holds the state that was left; it goes here, after the new state's on-enter step.
    } while (m_advanceRequested);
    m_inTransition = false;
}
