#include "data/RangeValueFromEnumCalculator.h"

#include "common/ClassInformation.h"
#include "common/ESUnitConverter.h"
#include "data/EsTransducerSetup.h"

#include <QDebug>

#include <utility>

namespace {

// MaxRange options 200, 400, 500, 1000, 2000, 3000, 4000, 5000 m as Range indexes.
const int rangeIndexOfMaxRange[] = { 6, 10, 12, 22, 23, 24, 25, 26 };
const int maxRangeCount = int(sizeof(rangeIndexOfMaxRange) / sizeof(rangeIndexOfMaxRange[0]));
const int fallbackMaxRangeIndex = 3;

enum RangeUnit { Meters, Feet, Fathoms };

RangeUnit rangeUnitOf(int unit)
{
    return unit == 0 ? Meters : unit == 1 ? Feet : Fathoms;
}

} // namespace

RangeValueFromEnumCalculator *RangeValueFromEnumCalculator::instance()
{
    static RangeValueFromEnumCalculator *calculator = new RangeValueFromEnumCalculator();
    return calculator;
}

RangeValueFromEnumCalculator::RangeValueFromEnumCalculator()
    : QObject(nullptr)
{
    const StepTexts texts = describedSteps();
    const std::pair<const QStringList *, QList<float> *> units[]
        = { { &texts.meters, &m_meters }, { &texts.feet, &m_feet }, { &texts.fathoms, &m_fathoms } };
    for (const auto &unit : units) {
        for (const QString &step : *unit.first) {
            bool ok = false;
            const float value = step.toFloat(&ok);
            unit.second->append(ok ? value : 0.0f);
            if (!ok) {
                qDebug() << "Wrong value in range enum list "
                            "(RangeValueFromEnumCalculator::RangeValueFromEnumCalculator)!";
                throw "Wrong value in range enum list";
            }
        }
    }
}

RangeValueFromEnumCalculator::StepTexts RangeValueFromEnumCalculator::describedSteps()
{
    StepTexts texts;
    const ClassInfoEntry *range = ClassInformation::of(&EsTransducerSetup::staticMetaObject).entry("Range");
    if (!range)
        return texts;
    for (const ClassInfoItem &item : range->items) {
        if (item.text.startsWith(QLatin1String("enumListMeters")))
            texts.meters = item.rest.split(QLatin1Char(';'));
        else if (item.text.startsWith(QLatin1String("enumListFeet")))
            texts.feet = item.rest.split(QLatin1Char(';'));
        else if (item.text.startsWith(QLatin1String("enumListFathoms")))
            texts.fathoms = item.rest.split(QLatin1Char(';'));
    }
    return texts;
}

float RangeValueFromEnumCalculator::rangeValue(int index, int unit) const
{
    const RangeUnit u = rangeUnitOf(unit);
    const QList<float> &list = u == Meters ? m_meters : u == Feet ? m_feet : m_fathoms;
    if (index < 0 || index >= list.size()) {
        qDebug() << "RangeValueFromEnumCalculator: range index out of range:" << index;
        return 0.0f;
    }
    return list.at(index);
}

float RangeValueFromEnumCalculator::rangeInMeters(int index, int unit) const
{
    const float value = rangeValue(index, unit);
    switch (rangeUnitOf(unit)) {
    case Meters:
        return value;
    case Feet:
        return feetToMeters(value);
    case Fathoms:
        break;
    }
    return fathomsToMeters(value);
}

float RangeValueFromEnumCalculator::rangeInFeet(int index, int unit) const
{
    const float value = rangeValue(index, unit);
    switch (rangeUnitOf(unit)) {
    case Meters:
        return metersToFeet(value);
    case Feet:
        return value;
    case Fathoms:
        break;
    }
    return fathomsToFeet(value);
}

float RangeValueFromEnumCalculator::rangeInFathoms(int index, int unit) const
{
    const float value = rangeValue(index, unit);
    switch (rangeUnitOf(unit)) {
    case Meters:
        return metersToFathoms(value);
    case Feet:
        return feetToFathoms(value);
    case Fathoms:
        break;
    }
    return value;
}

float RangeValueFromEnumCalculator::maxRangeInMeters(int maxRangeIndex, int unit) const
{
    return rangeInMeters(rangeIndexFromMaxRangeIndex(maxRangeIndex), unit);
}

int RangeValueFromEnumCalculator::rangeIndexFromMaxRangeIndex(int maxRangeIndex)
{
    if (maxRangeIndex < 0 || maxRangeIndex >= maxRangeCount)
        return rangeIndexOfMaxRange[fallbackMaxRangeIndex];
    return rangeIndexOfMaxRange[maxRangeIndex];
}

int RangeValueFromEnumCalculator::maxRangeIndexFromRangeIndex(int rangeIndex)
{
    for (int i = 0; i < maxRangeCount; ++i) {
        if (rangeIndexOfMaxRange[i] == rangeIndex)
            return i;
    }
    return fallbackMaxRangeIndex;
}
