#ifndef PORT_H
#define PORT_H

#include <QMetaType>
#include <QString>

// The unit's ports. The values are fixed: they index the per-port settings objects and the communication
// monitor channels, and Serial_n and Add_Serial_n differ by exactly 4. The underlying type is fixed so that
// a shifted or received number outside the list is still a valid value (it names no port).
enum Port : int {
    Serial_1 = 0,
    Serial_2 = 1,
    Serial_3 = 2,
    UDP = 3,
    Add_Serial_1 = 4,
    Add_Serial_2 = 5,
    Add_Serial_3 = 6
};

// "Serial_1" ... "Add_Serial_3"; "Undefined_port_string" for any value outside 0 to 6.
QString portToString(Port port);

// Serial_n to Add_Serial_n and back. Neither checks its argument: shifting a value outside the serial (or
// additional) range gives a number that names no port.
Port toAdditionalPort(Port port);
Port fromAdditionalPort(Port port);

Q_DECLARE_METATYPE(Port)

#endif // PORT_H
