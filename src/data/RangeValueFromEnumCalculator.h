#ifndef RANGEVALUEFROMENUMCALCULATOR_H
#define RANGEVALUEFROMENUMCALCULATOR_H

#include <QList>
#include <QObject>
#include <QStringList>

// Turns the index of a transducer's Range setting into a range. The steps come from the
// enumListMeters, enumListFeet and enumListFathoms items of the Range description of
// EsTransducerSetup, so the steps and the screens' choices cannot drift apart.
//
// A unit argument is 0 for metres, 1 for feet and any other value for fathoms. An index
// outside the steps gives 0 (no range) and a debug line: indexes may come from received
// settings.
class RangeValueFromEnumCalculator : public QObject
{
    Q_OBJECT
public:
    // The steps of each depth unit as the Range description writes them: the items that begin with
    // enumListMeters, enumListFeet or enumListFathoms, the text after their "=" cut at ";". The one
    // reader of that list: event marks label with these texts, the calculator computes with them.
    struct StepTexts
    {
        QStringList meters;
        QStringList feet;
        QStringList fathoms;
    };
    static StepTexts describedSteps();

    // The process-wide calculator, created on first use and never destroyed.
    static RangeValueFromEnumCalculator *instance();

    // The step at the index in the list of the unit, unconverted.
    float rangeValue(int index, int unit) const;
    // The step at the index in the list of the unit, converted to metres, feet or fathoms.
    float rangeInMeters(int index, int unit) const;
    float rangeInFeet(int index, int unit) const;
    float rangeInFathoms(int index, int unit) const;
    // The range of a MaxRange index (an out-of-range index counts as 1000 m).
    float maxRangeInMeters(int maxRangeIndex, int unit) const;

    // MaxRange index to the Range index of the same metre value; any other value gives 22 (1000 m).
    static int rangeIndexFromMaxRangeIndex(int maxRangeIndex);
    // Range index to the MaxRange index of the same metre value; any other index gives 3 (1000 m).
    static int maxRangeIndexFromRangeIndex(int rangeIndex);

private:
    RangeValueFromEnumCalculator();

    QList<float> m_meters;
    QList<float> m_feet;
    QList<float> m_fathoms;
};

#endif // RANGEVALUEFROMENUMCALCULATOR_H
