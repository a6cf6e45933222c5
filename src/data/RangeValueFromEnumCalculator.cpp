#include "data/RangeValueFromEnumCalculator.h"

#include "common/ESUnitConverter.h"
#include "data/EsTransducerSetup.h"

#include <QDebug>
#include <QMetaClassInfo>
#include <QStringList>

namespace {

// MaxRange options 200, 400, 500, 1000, 2000, 3000, 4000, 5000 m as Range indexes.
const int rangeIndexOfMaxRange[] = { 6, 10, 12, 22, 23, 24, 25, 26 };
const int maxRangeCount = int(sizeof(rangeIndexOfMaxRange) / sizeof(rangeIndexOfMaxRange[0]));
const int fallbackMaxRangeIndex = 3;

enum Unit { Meters, Feet, Fathoms };

Unit unitOf(int unit)
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
    const QMetaObject &meta = EsTransducerSetup::staticMetaObject;
    const int index = meta.indexOfClassInfo("Range");
    const QStringList items = QString::fromUtf8(meta.classInfo(index).value()).split(QLatin1Char(' '));
    for (const QString &item : items) {
        const QStringList pieces = item.split(QLatin1Char('='));
        if (!pieces.first().contains(QLatin1String("enumList")))
            continue;
        QList<float> *list = nullptr;
        if (pieces.first().contains(QLatin1String("Meters")))
            list = &m_meters;
        else if (pieces.first().contains(QLatin1String("Feet")))
            list = &m_feet;
        else if (pieces.first().contains(QLatin1String("Fathoms")))
            list = &m_fathoms;
        if (!list)
            continue;
        const QStringList steps = pieces.last().split(QLatin1Char(';'));
        for (const QString &step : steps) {
            bool ok = false;
            const float value = step.toFloat(&ok);
            list->append(ok ? value : 0.0f);
            if (!ok) {
                qDebug() << "Wrong value in range enum list "
                            "(RangeValueFromEnumCalculator::RangeValueFromEnumCalculator)!";
                throw "Wrong value in range enum list";
            }
        }
    }
}

float RangeValueFromEnumCalculator::rangeValue(int index, int unit) const
{
    const Unit u = unitOf(unit);
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
    switch (unitOf(unit)) {
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
    switch (unitOf(unit)) {
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
    switch (unitOf(unit)) {
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
