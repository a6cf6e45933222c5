#include "nmea/NmeaMessageRegistry.h"

NmeaMessageRegistry *standardMessageRegistry()
{
    static NmeaMessageRegistry *registry = new NmeaMessageRegistry;
    return registry;
}

NmeaMessageRegistry *proprietaryMessageRegistry()
{
    static NmeaMessageRegistry *registry = new NmeaMessageRegistry;
    return registry;
}
