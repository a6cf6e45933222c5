#include "platform/SpidevTransport.h"

#include "platform/PlatformPaths.h"

#include <QDebug>

#include <linux/spi/spidev.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <vector>

namespace {

// Largest message handed to the kernel in one ioctl. The spidev driver refuses messages above its
// buffer size (module parameter "bufsiz", 4096 by default); a board that reads long measurements needs
// it raised, and a message above this bound is refused here rather than split, since splitting would
// release the chip select in the middle of a frame.
const int maximumMessageBytes = 1 << 20;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SpiTransport::~SpiTransport() = default;

std::unique_ptr<SpiTransport> SpiTransport::createSpidev()
{
    return std::unique_ptr<SpiTransport>(new SpidevTransport);
}

SpidevTransport::~SpidevTransport()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SpidevTransport::configure(
    const QString &devicePath, int mode, int bitsPerWord, int speedHz, int lsbFirst)
{
    if (m_fd < 0) {
        m_devicePath = PlatformPaths::path(devicePath);
        m_fd = ::open(m_devicePath.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0) {
            qDebug().noquote() << "Cannot open SPI device " + m_devicePath + ": " + systemError();
            return false;
        }
    }
    bool ok = true;
    if (mode >= 0) {
        const quint8 value = static_cast<quint8>(mode & 3);
        if (::ioctl(m_fd, SPI_IOC_WR_MODE, &value) < 0) {
            qDebug().noquote() << "Cannot set SPI mode on " + m_devicePath + ": " + systemError();
            ok = false;
        }
    }
    if (bitsPerWord >= 0) {
        const quint8 value = static_cast<quint8>(bitsPerWord);
        if (::ioctl(m_fd, SPI_IOC_WR_BITS_PER_WORD, &value) < 0) {
            qDebug().noquote() << "Cannot set SPI word size on " + m_devicePath + ": " + systemError();
            ok = false;
        }
    }
    if (speedHz >= 0) {
        const quint32 value = static_cast<quint32>(speedHz);
        if (::ioctl(m_fd, SPI_IOC_WR_MAX_SPEED_HZ, &value) < 0) {
            qDebug().noquote() << "Cannot set SPI clock on " + m_devicePath + ": " + systemError();
            ok = false;
        }
    }
    if (lsbFirst >= 0) {
        const quint8 value = lsbFirst ? 1 : 0;
        if (::ioctl(m_fd, SPI_IOC_WR_LSB_FIRST, &value) < 0) {
            qDebug().noquote() << "Cannot set SPI bit order on " + m_devicePath + ": " + systemError();
            ok = false;
        }
    }
    return ok;
}

bool SpidevTransport::transfer(
    QVector<QByteArray> &segments, int speedHz, int bitsPerWord, bool csChange, int delayUsecs)
{
    if (m_fd < 0) {
        qDebug() << "SPI transfer without an open device";
        return false;
    }
    qint64 total = 0;
    for (const QByteArray &segment : segments)
        total += segment.size();
    if (total == 0)
        return true;
    if (total > maximumMessageBytes) {
        qDebug().noquote() << "SPI message too long: " + QString::number(total) + " bytes";
        return false;
    }

    // Sent and received bytes share one buffer: each received byte replaces the one just sent.
    const auto transferOf = [&](QByteArray &bytes) {
        spi_ioc_transfer t;
        std::memset(&t, 0, sizeof t);
        const quintptr buffer = reinterpret_cast<quintptr>(bytes.data());
        t.tx_buf = buffer;
        t.rx_buf = buffer;
        t.len = static_cast<quint32>(bytes.size());
        t.speed_hz = static_cast<quint32>(qMax(0, speedHz));
        t.bits_per_word = static_cast<quint8>(qMax(0, bitsPerWord));
        t.cs_change = csChange ? 1 : 0;
        t.delay_usecs = static_cast<quint16>(qBound(0, delayUsecs, 65535));
        return t;
    };
    std::vector<spi_ioc_transfer> transfers;
    QByteArray joined;
    if (!csChange && delayUsecs <= 0) {
        // Segments without chip-select release or delay between them are one continuous frame on the
        // wire: send them as a single transfer, so that a frame of thousands of two-byte words does not
        // run into the ioctl's limit on the number of transfers.
        joined.reserve(static_cast<int>(total));
        for (const QByteArray &segment : segments)
            joined += segment;
        transfers.push_back(transferOf(joined));
    } else {
        // One ioctl takes at most 511 transfers (its size field has 14 bits).
        if (segments.size() > 511) {
            qDebug().noquote() << "SPI message has too many segments: " + QString::number(segments.size());
            return false;
        }
        for (QByteArray &segment : segments) {
            if (segment.isEmpty())
                continue;
            transfers.push_back(transferOf(segment));
        }
    }

    const int result = ::ioctl(m_fd, SPI_IOC_MESSAGE(transfers.size()), transfers.data());
    if (result < 0) {
        qDebug().noquote() << "SPI transfer failed on " + m_devicePath + ": " + systemError();
        return false;
    }
    if (!joined.isEmpty()) {
        int offset = 0;
        for (QByteArray &segment : segments) {
            segment = joined.mid(offset, segment.size());
            offset += segment.size();
        }
    }
    return true;
}
