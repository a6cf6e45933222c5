#ifndef NETWORKADDRESSSENTENCES_H
#define NETWORKADDRESSSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

// SRP, the announcement of a unit's MAC and IP address on the ship network.
// Each class declares its fields in sentence order; the message base parses and writes them from the
// class information.

class MsgSrp : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *InstanceNumber MEMBER m_InstanceNumber)
    Q_PROPERTY(ValidatedStringProperty *MacAddress MEMBER m_MacAddress)
    Q_PROPERTY(ValidatedStringProperty *IpAddress MEMBER m_IpAddress)
    Q_CLASSINFO("InstanceNumber", "type=int")
    Q_CLASSINFO("MacAddress", "type=string validator=([0-9A-F]{2}[:-]){5}([0-9A-F]{2}) canBeNullField=false")
    Q_CLASSINFO("IpAddress", "type=string")
public:
    explicit MsgSrp(const QString &talker);

    ValidatedIntProperty *InstanceNumber() const { return m_InstanceNumber; }
    ValidatedStringProperty *MacAddress() const { return m_MacAddress; }
    ValidatedStringProperty *IpAddress() const { return m_IpAddress; }

private:
    ValidatedIntProperty *m_InstanceNumber = nullptr;
    ValidatedStringProperty *m_MacAddress = nullptr;
    ValidatedStringProperty *m_IpAddress = nullptr;
};

#endif // NETWORKADDRESSSENTENCES_H
