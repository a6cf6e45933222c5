#include "comms/iec450/Port.h"

#include "comms/iec450/MessageType.h"
#include "comms/iec450/NmeaGroupInfo.h"

namespace {

// Registered by name before main: string-based and queued connections look the types up by these names
// ("Port" in "signalNmeaMessageTypeAndPortAndId(QString,Port,QString)").
const bool s_metaTypesRegistered = [] {
    qRegisterMetaType<Port>("Port");
    qRegisterMetaType<MessageType>("MessageType");
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    return true;
}();

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
