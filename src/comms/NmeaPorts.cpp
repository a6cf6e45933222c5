#include "comms/NmeaPorts.h"

#include "common/BuildConfiguration.h"
#include "comms/EchosounderSerialReader.h"
#include "comms/SerialReader.h"

#include <QDebug>

namespace {

constexpr int readOnly = 0;
constexpr int readWrite = 2;

} // namespace

NmeaPorts::NmeaPorts(QObject *parent)
    : QObject(parent)
{
}

NmeaPorts::~NmeaPorts()
{
    for (SerialReader *&reader : m_readers) {
        delete reader;
        reader = nullptr;
    }
}

void NmeaPorts::createReaders()
{
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isTvr100 || configuration->isMirLox1000) {
        if (!configuration->isSoftwareJb) {
            // The display reads no serial sentences: its readers exist but are never listed or opened.
            m_readers[0] = new SerialReader(QString(), 0, readWrite, 4800);
            m_readers[1] = new SerialReader(QString(), 1, readWrite, 4800);
            m_readers[2] = new SerialReader(QString(), 2, readWrite, 4800);
            return;
        }
        m_readers[0] = new SerialReader(QStringLiteral("ttyS3"), 0, readWrite, 4800);
        m_readers[1] = new SerialReader(QStringLiteral("ttyS1"), 1, readWrite, 4800);
        if (configuration->isTvr100) {
            m_readers[2] = new EchosounderSerialReader(QStringLiteral("ttyS2"), 2, readWrite, 115200);
        } else {
            m_readers[2] = new SerialReader(QStringLiteral("ttyS2"), 2, readWrite, 4800);
            m_readers[2]->setConnectionType(Qt::DirectConnection);
        }
    } else {
        m_readers[0] = new SerialReader(QStringLiteral("ttyS3"), 0, readWrite, 4800);
        m_readers[1] = new SerialReader(QStringLiteral("ttyS1"), 1, readOnly, 4800);
        m_readers[2] = new SerialReader(QStringLiteral("ttyS2"), 2, readWrite, 4800);
    }
    m_ports = { m_readers[0], m_readers[1], m_readers[2] };
}

bool NmeaPorts::openPorts()
{
    if (!m_readers[0])
        createReaders();
    bool allOpened = true;
    for (SerialReader *reader : qAsConst(m_ports)) {
        if (!reader->openPort())
            allOpened = false;
    }
    return allOpened;
}

SerialReader *NmeaPorts::port(int index) const
{
    if (index < 0 || index >= m_ports.size()) {
        qDebug() << "Wrong index/name of NMEA port!!!";
        return nullptr;
    }
    return m_ports.at(index);
}

int NmeaPorts::portCount() const
{
    return m_ports.size();
}

SerialReader *NmeaPorts::serialReader1() const
{
    return m_readers[0];
}

SerialReader *NmeaPorts::serialReader2() const
{
    return m_readers[1];
}

SerialReader *NmeaPorts::serialReader3() const
{
    return m_readers[2];
}
