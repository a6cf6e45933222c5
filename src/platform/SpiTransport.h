#ifndef SPITRANSPORT_H
#define SPITRANSPORT_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

// One SPI device node. A transfer is one full-duplex message made of segments: the bytes of each segment
// are clocked out and the bytes clocked in during that segment overwrite it in place.
class SpiTransport
{
public:
    virtual ~SpiTransport();

    // Opens the node (once; later calls only apply the settings) and applies the settings that are not -1:
    // SPI mode 0 to 3, bits per word, clock in Hz, and least significant bit first (0 or 1).
    virtual bool configure(const QString &devicePath, int mode, int bitsPerWord, int speedHz, int lsbFirst)
        = 0;

    // One message. speedHz and bitsPerWord 0 use the node's settings; with csChange the chip select is
    // released after every segment; delayUsecs waits after each segment.
    virtual bool transfer(
        QVector<QByteArray> &segments, int speedHz, int bitsPerWord, bool csChange, int delayUsecs)
        = 0;

    // The transport of a device node through the kernel's spidev interface.
    static std::unique_ptr<SpiTransport> createSpidev();
};

#endif // SPITRANSPORT_H
