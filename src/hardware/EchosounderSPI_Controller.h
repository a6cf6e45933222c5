#ifndef ECHOSOUNDERSPI_CONTROLLER_H
#define ECHOSOUNDERSPI_CONTROLLER_H

#include <QByteArray>
#include <QObject>

#include <memory>

class AbstractPingingState;
class ES604_SPI_Device;
class ES_pingPulseGenerator;
class QThread;
class QTimer;

// Runs the echo-sounder transceiver over SPI: pings channel 1, channel 2 or both, waits the delay time for
// the measurement, reads each channel's samples and hands them on, and writes a channel's parameters
// before its next ping when they changed. The order of pinging and reading is a state machine of small
// state objects; the single-shot delay timer moves it on after each ping.
//
// After startInWorkerThread the controller, its SPI device and its pulse generator live in a worker thread
// of the controller's own, and callers reach the slots through queued connections. Destroying the
// controller (from the thread that started it) stops the worker thread and waits for it.
class EchosounderSPI_Controller : public QObject
{
    Q_OBJECT

public:
    // What the state machine reads and writes; index 0 is channel 1, index 1 channel 2.
    struct PingingFlags
    {
        bool measuring[2] = { false, false };
        bool multiplexed = false;
        bool pingRunning[2] = { false, false };
        bool readPending[2] = { false, false };
        bool singlePingRequested[2] = { false, false };
        bool parametersChanged[2] = { false, false };
    };

    explicit EchosounderSPI_Controller(QObject *parent = nullptr);
    ~EchosounderSPI_Controller() override;

    ES604_SPI_Device *spiDevice() const { return m_device; }
    // Takes ownership; any earlier device is deleted. Only before startInWorkerThread (a programming error
    // afterwards).
    void setSpiDevice(ES604_SPI_Device *device);
    ES_pingPulseGenerator *pulseGenerator() const { return m_pulseGenerator; }
    bool isPingingMultiplexed() const { return m_flags.multiplexed; }
    // The class name of the current state. In the controller's thread only.
    const char *currentStateName() const;

    // Moves the controller, the SPI device and the pulse generator to the worker thread, starts the thread
    // and configures the device there. A second call does nothing. The controller must have no parent.
    void startInWorkerThread();
    void startDelayTimer();

    // The largest number of points a channel can have: it travels as one 16-bit parameter word.
    static constexpr int MaximumNumberOfPoints = 65535;

signals:
    void recievedBinaryMessage(QByteArray message, int ch_number);
    void receivedMessage(QByteArray message);
    void commandExecutionFailed(QString command);
    void sensorCommunicationProblem();
    void sensorParametersUpdated(int channelNumber, int frequency, int pulseWidth, int outputPower, int gain,
        int startingPosition, int numberOfPoints, int samplingResolution, int ultrasonicSpeed, int rangeIndex,
        int capacitor);
    void pingRequestSent(int ping_length);
    void receivedAdditionalData(QByteArray data);
    void transceiverResetSignal(bool success);

public slots:
    // ch_number 1 sets channel 1's value, any other value channel 2's. Kept, not read.
    void setMeasurementExpectedLength(int measurementExpectedLength, int ch_number);
    void setDelayTime(int delayTime);
    // channelNumber 0 stores channel 1's parameters, any other value channel 2's; they are written before
    // that channel's next ping. A set whose number of points lies outside 1 to 65535 is refused.
    void channelSetParameters(int channelNumber, int frequency, int pulseWidth, int outputPower, int gain,
        int startingPosition, int numberOfPoints, int samplingResolutin, int ultrasonicSpeed, int rangeIndex,
        int capacitor);
    // channel_number 0 is channel 1, any other value channel 2.
    void setTransducerMeasurementOnOff(bool on_off_state, int channel_number);
    // One ping and one read of the channel (0 channel 1, other values channel 2). A request that arrives
    // while a cycle runs waits for its turn.
    void startSinglePing(int ch_number);
    void setPingingMultiplexed(bool is_muxed);
    void readAdditionalData();
    void resetTransceiver();

private slots:
    void ch1UploadData();
    void ch2UploadData();
    void updateSensorParamaters(int channelNumber);
    void goToNextPingingState();

private:
    friend class AbstractPingingState;

    struct ChannelParameters
    {
        int frequency = 0;
        int pulseWidth = 0;
        int outputPower = 0;
        int gain = 0;
        int startingPosition = 0;
        int numberOfPoints = 0;
        int samplingResolution = 0;
        int ultrasonicSpeed = 0;
        int rangeIndex = 0;
        int capacitor = 0;
    };

    // Channel index 0 or 1, or -1 for both.
    void startPing(int channelIndex);
    void uploadData(int channelIndex);
    void triggerWhenIdle();
    // Worker-thread side of the shutdown: stops every timer and hands the objects back to the owner.
    void haltInWorker(QThread *owner);

    ChannelParameters m_parameters[2];
    int m_delayTime = 1000;
    int m_pingLength[2] = { 1000, 1000 };
    int m_expectedLength[2] = { 5041, 5041 };
    PingingFlags m_flags;
    ES604_SPI_Device *m_device = nullptr;
    ES_pingPulseGenerator *m_pulseGenerator;
    std::unique_ptr<AbstractPingingState> m_state;
    QTimer *m_delayTimer;
    QThread *m_thread = nullptr;
    // goToNextPingingState runs the transitions in a loop: a request for the next state made by an
    // on-enter step is taken by that loop instead of nesting, so no state object is deleted while one of
    // its own operations still runs.
    bool m_inTransition = false;
    bool m_advanceRequested = false;
};

#endif // ECHOSOUNDERSPI_CONTROLLER_H
