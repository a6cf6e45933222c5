#include "common/Port.h"

namespace {

// Registered by name before main: string-based and queued connections look the type up by this name
// ("Port" in "signalNmeaMessageTypeAndPortAndId(QString,Port,QString)").
const int s_portTypeRegistered = qRegisterMetaType<Port>("Port");

} // namespace

QString portToString(Port port)
{
    switch (port) {
    case Serial_1:
        return QStringLiteral("Serial_1");
    case Serial_2:
        return QStringLiteral("Serial_2");
    case Serial_3:
        return QStringLiteral("Serial_3");
    case UDP:
        return QStringLiteral("UDP");
    case Add_Serial_1:
        return QStringLiteral("Add_Serial_1");
    case Add_Serial_2:
        return QStringLiteral("Add_Serial_2");
    case Add_Serial_3:
        return QStringLiteral("Add_Serial_3");
    }
    return QStringLiteral("Undefined_port_string");
}

Port toAdditionalPort(Port port)
{
    return static_cast<Port>(static_cast<int>(port) + 4);
}

Port fromAdditionalPort(Port port)
{
    return static_cast<Port>(static_cast<int>(port) - 4);
}
