#ifndef AD7997_H
#define AD7997_H

// The panel's eight-channel voltage-monitor converter. Nothing in the system creates it or reads it; it
// keeps the monitor interface of the panel: eight readings in volts, each with a limit query, and eight raw
// readings. On the "WINDOWS" platform the readings are fixed values and every limit holds. No reading
// code for the converter itself exists (the system has no table of which rail each reading belongs to):
// on "LINUX" every reading answers 0 V and no limit holds.
class AD7997
{
public:
    virtual ~AD7997();

    // Reading 1 to 8; any other number gives 0 V.
    virtual float voltage(int reading) const;
    virtual bool isVoltageWithinLimits(int reading) const;
    // Raw reading 1 to 8 of the converter.
    virtual float rawReading(int reading) const;
};

#endif // AD7997_H
