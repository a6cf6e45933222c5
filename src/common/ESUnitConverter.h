#ifndef ESUNITCONVERTER_H
#define ESUNITCONVERTER_H

#include <QString>

// Unit enumerations; the values are the positions in the unit-scale choices of the options setup
// ("kn;m/s;mi/h", "m;ft;fm", "NM;Km;Mi"). The underlying type is fixed so that any number read from a
// setting is a valid value; numbers outside 0 to 2 are refused by the converter.
enum enum_ScalesSpeed : int {
    ScalesSpeedKnots = 0,
    ScalesSpeedMetersPerSecond = 1,
    ScalesSpeedMilesPerHour = 2
};
enum enum_ScalesDepth : int { ScalesDepthMeters = 0, ScalesDepthFeet = 1, ScalesDepthFathoms = 2 };
enum enum_ScalesDistance : int {
    ScalesDistanceNauticalMiles = 0,
    ScalesDistanceKilometers = 1,
    ScalesDistanceMiles = 2
};

// Speed, depth and distance conversions. Single precision in and out, computed in double precision in the
// order of the formula (so that every caller rounds the same way).
float metersPerSecondToKnots(float x);
float knotsToMetersPerSecond(float x);
float metersPerSecondToKilometersPerHour(float x);
float kilometersPerHourToMetersPerSecond(float x);
float metersPerSecondToMilesPerHour(float x);
float milesPerHourToMetersPerSecond(float x);
float knotsToKilometersPerHour(float x);
float kilometersPerHourToKnots(float x);
float knotsToMilesPerHour(float x);
float milesPerHourToKnots(float x);
float kilometersPerHourToMilesPerHour(float x);
float milesPerHourToKilometersPerHour(float x);
float metersToFeet(float x);
float feetToMeters(float x);
float metersToFathoms(float x);
float fathomsToMeters(float x);
float feetToFathoms(float x);
float fathomsToFeet(float x);
float nauticalMilesToKilometers(float x);
float nauticalMilesToMiles(float x);
float kilometersToNauticalMiles(float x);
float kilometersToMiles(float x);
float milesToNauticalMiles(float x);
float milesToKilometers(float x);

// Fixed-point codings for values exchanged as whole numbers. The largest single-precision value stands for
// a missing value and is coded as 2147483647 (and back). Other values are scaled and truncated toward zero;
// a result beyond the 32-bit range is held at the nearest whole number below the sentinel (or at the
// 32-bit minimum), and not-a-number, which has no value, is coded as missing.
int floatToHundredths(float x);
float hundredthsToFloat(int i);
int floatToThousandths(float x);
float thousandthsToFloat(int i);

float degreesToRadians(float x);
float radiansToDegrees(float x);

// Conversions by unit enumeration or unit text ("kn", "m/s", "mi/h"; "m", "ft", "fm"; "NM", "km", "mi",
// compared exactly: the distance texts here are lower case, unlike the "Km" and "Mi" of the setting, whose
// values must be passed as enumerations). An unknown text or an enumeration value outside 0 to 2 is a
// programming error and throws a character string.
namespace ESUnitConverter {

enum_ScalesDepth depthEnumFromString(const QString &text);
enum_ScalesSpeed speedEnumFromString(const QString &text);
enum_ScalesDistance distanceEnumFromString(const QString &text);

float convertDepth(float x, enum_ScalesDepth from, enum_ScalesDepth to);
float convertSpeed(float x, enum_ScalesSpeed from, enum_ScalesSpeed to);
float convertDistance(float x, enum_ScalesDistance from, enum_ScalesDistance to);

float convertDepth(float x, const QString &from, const QString &to);
float convertSpeed(float x, const QString &from, const QString &to);
float convertDistance(float x, const QString &from, const QString &to);

QString depthUnitText(enum_ScalesDepth unit);
QString speedUnitText(enum_ScalesSpeed unit);
QString distanceUnitText(enum_ScalesDistance unit);

// The converted value with `decimals` decimals, followed, when `withUnit` holds, by `separator` and the
// unit text of `to`.
QString formatDepth(float x, enum_ScalesDepth from, enum_ScalesDepth to, int decimals, bool withUnit,
    const QString &separator);
QString formatDepthFromMeters(
    float x, enum_ScalesDepth to, int decimals, bool withUnit, const QString &separator);
QString formatSpeed(float x, enum_ScalesSpeed from, enum_ScalesSpeed to, int decimals, bool withUnit,
    const QString &separator);
QString formatSpeedFromKnots(
    float x, enum_ScalesSpeed to, int decimals, bool withUnit, const QString &separator);

} // namespace ESUnitConverter

#endif // ESUNITCONVERTER_H
