#include "comms/BinaryOverUdpErrorLogger.h"

#include <QDebug>

BinaryOverUdpErrorLogger::BinaryOverUdpErrorLogger(QObject *parent)
    : UdpErrorCounters(
        { 80, 81, 82, 83 }, 84, { -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 80, 81, 82, 83, 84 }, parent)
{
}

void BinaryOverUdpErrorLogger::logError(int code)
{
    qDebug().noquote() << "Binary over udp error type: " + QString::number(code);
    UdpErrorCounters::logError(code);
}
