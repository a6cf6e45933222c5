#include "hardware/SPI_Device.h"

#include "common/BuildConfiguration.h"

SPI_Device::SPI_Device(int constructionValue, const QString &devicePath, QObject *parent)
    : QObject(parent)
    , m_constructionValue(constructionValue)
    , m_devicePath(devicePath)
    , m_platformHasDevice(BuildConfiguration::instance()->isLinux)
    , m_transport(SpiTransport::createSpidev())
{
}

// The transport closes the device node.
SPI_Device::~SPI_Device() = default;

void SPI_Device::setTransport(std::unique_ptr<SpiTransport> transport)
{
    m_transport = std::move(transport);
}

bool SPI_Device::configure(
    int transferSetting, int secondSetting, int wordSize, int transferFlag, int lsbFirst)
{
    if (!m_platformHasDevice || !m_transport)
        return false;
    if (transferSetting != -1)
        m_transferSetting = transferSetting;
    if (secondSetting != -1)
        m_secondSetting = secondSetting;
    if (wordSize != -1)
        m_wordSize = wordSize;
    if (transferFlag != -1)
        m_transferFlag = transferFlag;
    return m_transport->configure(m_devicePath, secondSetting, wordSize, transferSetting, lsbFirst);
}

bool SPI_Device::transfer(
    QVector<QByteArray> &groups, int transferSetting, int wordSize, bool transferFlag, int delayUsecs)
{
    if (!m_platformHasDevice || !m_transport)
        return false;
    return m_transport->transfer(groups, transferSetting, wordSize, transferFlag, delayUsecs);
}

bool SPI_Device::transferWithSettings(QVector<QByteArray> &groups)
{
    return transfer(groups, m_transferSetting, m_wordSize, m_transferFlag != 0, 0);
}
