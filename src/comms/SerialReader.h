#ifndef SERIALREADER_H
#define SERIALREADER_H

#include <QObject>
#include <QString>

#include <atomic>

class QSerialPort;
class QThread;

// One serial line of the unit: opens the device, cuts the received bytes into NMEA 0183 sentence lines
// (from "$" or "!" up to and including the line feed) and emits each with the number of its port; in
// the other direction it writes sentence text to the line. Line settings: 8 data bits, no parity, 1 stop
// bit, no flow control, 4800, 38400 or 115200 baud.
//
// Readers are created without a parent so that a reader in polling mode can be moved to the one worker
// thread that all polling readers share. Once a reader lives there, its operations may still be called
// from the thread that created it: they are carried out on the worker thread and wait for it.
class SerialReader : public QObject
{
    Q_OBJECT
public:
    // The values of the serial library this class replaces; settings and callers pass them as integers.
    enum QueryMode { Polling = 0, EventDriven = 1 };

    // Access mode: 0 read-only, 1 write-only, 2 read and write. Opens nothing.
    SerialReader(const QString &name, int port_number, int access_mode, int baud_rate);
    ~SerialReader() override;

    // Opens the line with the stored settings; true when it opened. Opening an open reader again
    // closes the line first: there is only ever one open line and one reading connection per reader.
    bool openPort();
    // Closes the line; the reader keeps its settings and can be opened again.
    void closePort();
    bool isOpen() const;

    // Only 4800, 38400 and 115200 are accepted; any other rate changes nothing and gives false. An open
    // (or once tried) line is closed and opened again at the new rate and the result of that is
    // returned; a reader that was never opened only keeps the rate for its first opening (false).
    bool setBaudRate(int baud_rate);
    // The port's Baud setting: 1 is 38400, 2 is 115200, every other value 4800.
    void setBaudRateIndex(int index);
    static bool isBaudRateAllowed(int baud_rate);

    QString portName() const;
    void setPortName(const QString &name);
    int portNumber() const;
    int accessMode() const;
    void setAccessMode(int access_mode);
    int baudRate() const;
    bool isLineEmissionEnabled() const;
    void setLineEmissionEnabled(bool enabled);
    int queryMode() const;
    // Takes effect at the next openPort.
    void setQueryMode(int query_mode);
    // Whether the serial port communication controller routes this reader's lines to the sentence intake.
    bool isRouted() const;
    // The Qt connection type the controller uses for lineReceived: 2 queued (default), 1 direct.
    int connectionType() const;
    void setConnectionType(int connection_type);

    // Times received input was thrown away because it could not become a sentence line: 82 or more
    // bytes waiting without a line feed (a sentence start among their last 81 is kept), or 83 or more
    // characters left after the last line feed.
    int discardedInputCount() const;

    // Where device names are resolved: the folder plus the name ("/dev/" + "ttyS3" on "LINUX"; the name
    // unchanged on "WINDOWS"). Tests point it at a folder of links to pseudo-terminals. An empty folder
    // restores the platform's default. GUI thread only, before readers are opened.
    static QString deviceFolder();
    static void setDeviceFolder(const QString &folder);

    // The worker thread of the readers in polling mode, or null while no reader polls. Created by the
    // first reader that opens in polling mode, stopped and joined when the last of them is destroyed.
    static QThread *pollingThread();

public slots:
    // Reads what the line holds and emits every complete line. In event-driven mode it runs on each
    // readyRead; in polling mode only when the owner invokes it (queued, on the polling thread).
    virtual void readAllLines();
    // Writes the text as Latin-1 and gives the number of bytes taken, or -1 when the line is not open
    // for writing or its send queue is full (the text is then refused whole).
    virtual int sendMessage(const QString &message);

signals:
    void lineReceived(QString line, int port_number);

protected:
    QSerialPort *serialPort() const;
    void setRouted(bool routed);
    // Readers that consume the line themselves (the transceiver's) do not connect readyRead to the
    // line framing.
    void setLineFramingEnabled(bool enabled);
    // Upper bound of the bytes the line keeps unread; beyond it the serial driver stops taking input.
    void setReadBufferBound(qint64 bytes);

private:
    bool openPortHere();
    void closePortHere();
    bool setBaudRateHere(int baud_rate);
    int sendMessageHere(const QString &message);
    bool runsElsewhere() const;
    void enterPollingThread();
    void leavePollingThread();
    void frameText(const QString &text);
    static QString systemLocation(const QString &name);

    QSerialPort *m_port = nullptr;
    QString m_portName;
    int m_portNumber;
    int m_accessMode;
    int m_baudRate;
    bool m_emitLines = true;
    bool m_routed = true;
    QString m_lineBuffer;
    QString m_openedPortName;
    int m_queryMode = EventDriven;
    int m_connectionType = 2;
    bool m_framesLines = true;
    qint64 m_readBufferBound;
    bool m_onPollingThread = false;
    bool m_sendQueueFull = false;
    std::atomic<bool> m_open { false };
    std::atomic<int> m_discardedInput { 0 };
};

#endif // SERIALREADER_H
