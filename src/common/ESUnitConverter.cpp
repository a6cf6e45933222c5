#include "common/ESUnitConverter.h"

#include <QDebug>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// The constants are single-precision numbers on purpose: the results must match the other unit, which
// computes with the same rounded constants.
constexpr float kSecondsPerHour = 3600.0f;
constexpr float kMetersPerNauticalMile = 1852.0f;
constexpr float kMetersPerKilometer = 1000.0f;
constexpr float kMetersPerMile = 1609.344f;
constexpr float kMetersPerFoot = 0.3048f;
constexpr float kMetersPerFathom = 1.8288f;
constexpr float kKilometersPerNauticalMile = 1.852f;
constexpr float kMilesPerNauticalMile = 1.15078f;
constexpr float kKilometersPerMile = 1.609344f;
constexpr float kHundred = 100.0f;
constexpr float kThousand = 1000.0f;
constexpr float kHalfTurnDegrees = 180.0f;
constexpr double kPi = 3.141592653589793;

constexpr int kMissingCode = INT_MAX;

[[noreturn]] void failConversion(const char *text)
{
    qDebug() << text;
    throw text;
}

const char *const kDepthEnumError
    = "Error in ESUnitConverter: enum of type enum_ScalesDepth not handled in conversion!";
const char *const kSpeedEnumError
    = "Error in ESUnitConverter: enum of type enum_ScalesSpeed not handled in conversion!";
const char *const kDistanceEnumError
    = "Error in ESUnitConverter: enum of type enum_ScalesDistance not handled in conversion!";

bool inRange(int unit)
{
    return unit >= 0 && unit <= 2;
}

int floatToFixed(float x, float scale)
{
    if (x == FLT_MAX || std::isnan(x))
        return kMissingCode;
    const double scaled = std::trunc(double(x) * scale);
    // Held inside the 32-bit range (below the sentinel, which only a missing value may produce): the
    // conversion of an out-of-range real number to int has no defined result.
    if (scaled >= double(kMissingCode))
        return kMissingCode - 1;
    if (scaled <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(scaled);
}

float fixedToFloat(int i, float scale)
{
    if (i == kMissingCode)
        return FLT_MAX;
    return static_cast<float>(double(i) / scale);
}

} // namespace

float metersPerSecondToKnots(float x)
{
    return static_cast<float>(double(x) * kSecondsPerHour / kMetersPerNauticalMile);
}

float knotsToMetersPerSecond(float x)
{
    return static_cast<float>(double(x) / kSecondsPerHour * kMetersPerNauticalMile);
}

float metersPerSecondToKilometersPerHour(float x)
{
    return static_cast<float>(double(x) * kSecondsPerHour / kMetersPerKilometer);
}

float kilometersPerHourToMetersPerSecond(float x)
{
    return static_cast<float>(double(x) / kSecondsPerHour * kMetersPerKilometer);
}

float metersPerSecondToMilesPerHour(float x)
{
    return static_cast<float>(double(x) * kSecondsPerHour / kMetersPerMile);
}

float milesPerHourToMetersPerSecond(float x)
{
    return static_cast<float>(double(x) / kSecondsPerHour * kMetersPerMile);
}

float knotsToKilometersPerHour(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerNauticalMile * kSecondsPerHour / kMetersPerKilometer);
}

float kilometersPerHourToKnots(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerKilometer * kSecondsPerHour / kMetersPerNauticalMile);
}

float knotsToMilesPerHour(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerNauticalMile * kSecondsPerHour / kMetersPerMile);
}

float milesPerHourToKnots(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerMile * kSecondsPerHour / kMetersPerNauticalMile);
}

float kilometersPerHourToMilesPerHour(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerKilometer * kSecondsPerHour / kMetersPerMile);
}

float milesPerHourToKilometersPerHour(float x)
{
    return static_cast<float>(
        double(x) / kSecondsPerHour * kMetersPerMile * kSecondsPerHour / kMetersPerKilometer);
}

float metersToFeet(float x)
{
    return static_cast<float>(double(x) / kMetersPerFoot);
}

float feetToMeters(float x)
{
    return static_cast<float>(double(x) * kMetersPerFoot);
}

float metersToFathoms(float x)
{
    return static_cast<float>(double(x) / kMetersPerFathom);
}

float fathomsToMeters(float x)
{
    return static_cast<float>(double(x) * kMetersPerFathom);
}

float feetToFathoms(float x)
{
    return static_cast<float>(double(x) * kMetersPerFoot / kMetersPerFathom);
}

float fathomsToFeet(float x)
{
    return static_cast<float>(double(x) * kMetersPerFathom / kMetersPerFoot);
}

float nauticalMilesToKilometers(float x)
{
    return static_cast<float>(double(x) * kKilometersPerNauticalMile);
}

float nauticalMilesToMiles(float x)
{
    return static_cast<float>(double(x) * kMilesPerNauticalMile);
}

float kilometersToNauticalMiles(float x)
{
    return static_cast<float>(double(x) / kKilometersPerNauticalMile);
}

float kilometersToMiles(float x)
{
    return static_cast<float>(double(x) / kKilometersPerMile);
}

float milesToNauticalMiles(float x)
{
    return static_cast<float>(double(x) / kMilesPerNauticalMile);
}

float milesToKilometers(float x)
{
    return static_cast<float>(double(x) * kKilometersPerMile);
}

int floatToHundredths(float x)
{
    return floatToFixed(x, kHundred);
}

float hundredthsToFloat(int i)
{
    return fixedToFloat(i, kHundred);
}

int floatToThousandths(float x)
{
    return floatToFixed(x, kThousand);
}

float thousandthsToFloat(int i)
{
    return fixedToFloat(i, kThousand);
}

float degreesToRadians(float x)
{
    return static_cast<float>(double(x) * kPi / kHalfTurnDegrees);
}

float radiansToDegrees(float x)
{
    return static_cast<float>(double(x) * kHalfTurnDegrees / kPi);
}

namespace ESUnitConverter {

enum_ScalesDepth depthEnumFromString(const QString &text)
{
    if (text == QLatin1String("m"))
        return ScalesDepthMeters;
    if (text == QLatin1String("ft"))
        return ScalesDepthFeet;
    if (text == QLatin1String("fm"))
        return ScalesDepthFathoms;
    failConversion("Invalid unit string passed to ESUnitConverter::depthEnumFromString()!");
}

enum_ScalesSpeed speedEnumFromString(const QString &text)
{
    if (text == QLatin1String("kn"))
        return ScalesSpeedKnots;
    if (text == QLatin1String("m/s"))
        return ScalesSpeedMetersPerSecond;
    if (text == QLatin1String("mi/h"))
        return ScalesSpeedMilesPerHour;
    failConversion("Invalid unit string passed to ESUnitConverter::speedEnumFromString()!");
}

enum_ScalesDistance distanceEnumFromString(const QString &text)
{
    if (text == QLatin1String("NM"))
        return ScalesDistanceNauticalMiles;
    if (text == QLatin1String("km"))
        return ScalesDistanceKilometers;
    if (text == QLatin1String("mi"))
        return ScalesDistanceMiles;
    failConversion("Invalid unit string passed to ESUnitConverter::distanceEnumFromString()!");
}

float convertDepth(float x, enum_ScalesDepth from, enum_ScalesDepth to)
{
    if (!inRange(from) || !inRange(to))
        failConversion(kDepthEnumError);
    if (from == to)
        return x;
    switch (from) {
    case ScalesDepthMeters:
        return to == ScalesDepthFeet ? metersToFeet(x) : metersToFathoms(x);
    case ScalesDepthFeet:
        return to == ScalesDepthMeters ? feetToMeters(x) : feetToFathoms(x);
    case ScalesDepthFathoms:
        return to == ScalesDepthMeters ? fathomsToMeters(x) : fathomsToFeet(x);
    }
    failConversion(kDepthEnumError);
}

float convertSpeed(float x, enum_ScalesSpeed from, enum_ScalesSpeed to)
{
    if (!inRange(from) || !inRange(to))
        failConversion(kSpeedEnumError);
    if (from == to)
        return x;
    switch (from) {
    case ScalesSpeedKnots:
        return to == ScalesSpeedMetersPerSecond ? knotsToMetersPerSecond(x) : knotsToMilesPerHour(x);
    case ScalesSpeedMetersPerSecond:
        return to == ScalesSpeedKnots ? metersPerSecondToKnots(x) : metersPerSecondToMilesPerHour(x);
    case ScalesSpeedMilesPerHour:
        return to == ScalesSpeedKnots ? milesPerHourToKnots(x) : milesPerHourToMetersPerSecond(x);
    }
    failConversion(kSpeedEnumError);
}

float convertDistance(float x, enum_ScalesDistance from, enum_ScalesDistance to)
{
    if (!inRange(from) || !inRange(to))
        failConversion(kDistanceEnumError);
    if (from == to)
        return x;
    switch (from) {
    case ScalesDistanceNauticalMiles:
        return to == ScalesDistanceKilometers ? nauticalMilesToKilometers(x) : nauticalMilesToMiles(x);
    case ScalesDistanceKilometers:
        return to == ScalesDistanceNauticalMiles ? kilometersToNauticalMiles(x) : kilometersToMiles(x);
    case ScalesDistanceMiles:
        return to == ScalesDistanceNauticalMiles ? milesToNauticalMiles(x) : milesToKilometers(x);
    }
    failConversion(kDistanceEnumError);
}

float convertDepth(float x, const QString &from, const QString &to)
{
    const enum_ScalesDepth toUnit = depthEnumFromString(to);
    const enum_ScalesDepth fromUnit = depthEnumFromString(from);
    return convertDepth(x, fromUnit, toUnit);
}

float convertSpeed(float x, const QString &from, const QString &to)
{
    const enum_ScalesSpeed toUnit = speedEnumFromString(to);
    const enum_ScalesSpeed fromUnit = speedEnumFromString(from);
    return convertSpeed(x, fromUnit, toUnit);
}

float convertDistance(float x, const QString &from, const QString &to)
{
    const enum_ScalesDistance toUnit = distanceEnumFromString(to);
    const enum_ScalesDistance fromUnit = distanceEnumFromString(from);
    return convertDistance(x, fromUnit, toUnit);
}

QString depthUnitText(enum_ScalesDepth unit)
{
    switch (unit) {
    case ScalesDepthMeters:
        return QStringLiteral("m");
    case ScalesDepthFeet:
        return QStringLiteral("ft");
    case ScalesDepthFathoms:
        return QStringLiteral("fm");
    }
    failConversion(kDepthEnumError);
}

QString speedUnitText(enum_ScalesSpeed unit)
{
    switch (unit) {
    case ScalesSpeedKnots:
        return QStringLiteral("kn");
    case ScalesSpeedMetersPerSecond:
        return QStringLiteral("m/s");
    case ScalesSpeedMilesPerHour:
        return QStringLiteral("mi/h");
    }
    failConversion(kSpeedEnumError);
}

QString distanceUnitText(enum_ScalesDistance unit)
{
    switch (unit) {
    case ScalesDistanceNauticalMiles:
        return QStringLiteral("NM");
    case ScalesDistanceKilometers:
        return QStringLiteral("km");
    case ScalesDistanceMiles:
        return QStringLiteral("mi");
    }
    failConversion(kDistanceEnumError);
}

QString formatDepth(float x, enum_ScalesDepth from, enum_ScalesDepth to, int decimals, bool withUnit,
    const QString &separator)
{
    QString text = QString::number(double(convertDepth(x, from, to)), 'f', decimals);
    if (withUnit)
        text += separator + depthUnitText(to);
    return text;
}

QString formatDepthFromMeters(
    float x, enum_ScalesDepth to, int decimals, bool withUnit, const QString &separator)
{
    return formatDepth(x, ScalesDepthMeters, to, decimals, withUnit, separator);
}

QString formatSpeed(float x, enum_ScalesSpeed from, enum_ScalesSpeed to, int decimals, bool withUnit,
    const QString &separator)
{
    QString text = QString::number(double(convertSpeed(x, from, to)), 'f', decimals);
    if (withUnit)
        text += separator + speedUnitText(to);
    return text;
}

QString formatSpeedFromKnots(
    float x, enum_ScalesSpeed to, int decimals, bool withUnit, const QString &separator)
{
    return formatSpeed(x, ScalesSpeedKnots, to, decimals, withUnit, separator);
}

} // namespace ESUnitConverter
