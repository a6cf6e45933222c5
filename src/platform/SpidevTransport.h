#ifndef SPIDEVTRANSPORT_H
#define SPIDEVTRANSPORT_H

#include "platform/SpiTransport.h"

// SpiTransport over a spidev node ("/dev/spidev<bus>.<chip select>") with the kernel's ioctl interface.
class SpidevTransport : public SpiTransport
{
public:
    SpidevTransport() = default;
    ~SpidevTransport() override;
    SpidevTransport(const SpidevTransport &) = delete;
    SpidevTransport &operator=(const SpidevTransport &) = delete;

    bool configure(const QString &devicePath, int mode, int bitsPerWord, int speedHz, int lsbFirst) override;
    bool transfer(
        QVector<QByteArray> &segments, int speedHz, int bitsPerWord, bool csChange, int delayUsecs) override;

private:
    int m_fd = -1;
    QString m_devicePath;
};

#endif // SPIDEVTRANSPORT_H
