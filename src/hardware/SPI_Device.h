#ifndef SPI_DEVICE_H
#define SPI_DEVICE_H

#include "platform/SpiTransport.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

// A board on an SPI device node. Commands are lists of byte groups; one transfer clocks them out as one
// full-duplex message and the board's answer overwrites them in place. The device is used only from the
// thread it lives in.
//
// The settings: the transfer setting is the clock in Hz handed to every transfer (0: the node's clock), the
// second setting the SPI mode, the word size the bits per word (0: the node's size) and the transfer flag
// whether the chip select is released after every byte group. On a platform without SPI devices the two
// platform operations do nothing and report failure.
class SPI_Device : public QObject
{
    Q_OBJECT

public:
    SPI_Device(int constructionValue, const QString &devicePath, QObject *parent = nullptr);
    ~SPI_Device() override;

    int constructionValue() const { return m_constructionValue; }
    QString devicePath() const { return m_devicePath; }

    // Replaces the transport (by default the kernel's spidev interface on the device node). Tests hand
    // in a scripted board here.
    void setTransport(std::unique_ptr<SpiTransport> transport);

    // Opens the node and applies the settings; -1 leaves a setting as it is. lsbFirst sets the bit order
    // of the node and is not kept.
    bool configure(int transferSetting, int secondSetting, int wordSize, int transferFlag, int lsbFirst);
    // One full-duplex message, each byte group one segment; the received bytes replace the sent ones.
    bool transfer(
        QVector<QByteArray> &groups, int transferSetting, int wordSize, bool transferFlag, int delayUsecs);

    int transferSetting() const { return m_transferSetting; }
    int secondSetting() const { return m_secondSetting; }
    int wordSize() const { return m_wordSize; }
    int transferFlag() const { return m_transferFlag; }

protected:
    // A transfer with the device's own settings.
    bool transferWithSettings(QVector<QByteArray> &groups);

    int m_transferSetting = 0;
    int m_secondSetting = 0;
    int m_wordSize = 0;
    int m_transferFlag = 0;

private:
    const int m_constructionValue;
    const QString m_devicePath;
    // Decided once, in the thread that creates the device, so the device thread never asks.
    const bool m_platformHasDevice;
    std::unique_ptr<SpiTransport> m_transport;
};

#endif // SPI_DEVICE_H
