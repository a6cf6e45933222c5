#include "common/ESUnitConverter.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

namespace {

using Conversion = float (*)(float);

struct NamedConversion
{
    const char *name;
    Conversion function;
};

const NamedConversion conversions[] = {
    { "metersPerSecondToKnots", metersPerSecondToKnots },
    { "knotsToMetersPerSecond", knotsToMetersPerSecond },
    { "metersPerSecondToKilometersPerHour", metersPerSecondToKilometersPerHour },
    { "kilometersPerHourToMetersPerSecond", kilometersPerHourToMetersPerSecond },
    { "metersPerSecondToMilesPerHour", metersPerSecondToMilesPerHour },
    { "milesPerHourToMetersPerSecond", milesPerHourToMetersPerSecond },
    { "knotsToKilometersPerHour", knotsToKilometersPerHour },
    { "kilometersPerHourToKnots", kilometersPerHourToKnots },
    { "knotsToMilesPerHour", knotsToMilesPerHour },
    { "milesPerHourToKnots", milesPerHourToKnots },
    { "kilometersPerHourToMilesPerHour", kilometersPerHourToMilesPerHour },
    { "milesPerHourToKilometersPerHour", milesPerHourToKilometersPerHour },
    { "metersToFeet", metersToFeet },
    { "feetToMeters", feetToMeters },
    { "metersToFathoms", metersToFathoms },
    { "fathomsToMeters", fathomsToMeters },
    { "feetToFathoms", feetToFathoms },
    { "fathomsToFeet", fathomsToFeet },
    { "nauticalMilesToKilometers", nauticalMilesToKilometers },
    { "nauticalMilesToMiles", nauticalMilesToMiles },
    { "kilometersToNauticalMiles", kilometersToNauticalMiles },
    { "kilometersToMiles", kilometersToMiles },
    { "milesToNauticalMiles", milesToNauticalMiles },
    { "milesToKilometers", milesToKilometers },
};

Conversion conversionNamed(const QString &name)
{
    for (const NamedConversion &c : conversions) {
        if (name == QLatin1String(c.name))
            return c.function;
    }
    return nullptr;
}

bool closeTo(double actual, double expected, double relative = 1e-5)
{
    return std::fabs(actual - expected) <= relative * std::max(1.0, std::fabs(expected));
}

template <typename F> QString thrownText(F call)
{
    try {
        call();
    } catch (const char *text) {
        return QString::fromLatin1(text);
    }
    return QString();
}

// One physical quantity in each unit of its enumeration (positions 0 to 2).
const double speedInUnits[3] = { 10.0, 10.0 * 1852.0 / 3600.0, 10.0 * 1852.0 / 1609.344 };
const double depthInUnits[3] = { 100.0, 100.0 / 0.3048, 100.0 / 1.8288 };
const double distanceInUnits[3] = { 1.0, 1.852, 1.15078 };

const char depthEnumError[]
    = "Error in ESUnitConverter: enum of type enum_ScalesDepth not handled in conversion!";
const char speedEnumError[]
    = "Error in ESUnitConverter: enum of type enum_ScalesSpeed not handled in conversion!";
const char distanceEnumError[]
    = "Error in ESUnitConverter: enum of type enum_ScalesDistance not handled in conversion!";

} // namespace

class tst_UnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void conversionFunctions_data();
    void conversionFunctions();
    void roundTrips_data();
    void roundTrips();
    void convertByEnumeration_data();
    void convertByEnumeration();
    void convertByText_data();
    void convertByText();
    void unitTexts_data();
    void unitTexts();
    void badEnumerationsThrow_data();
    void badEnumerationsThrow();
    void fixedPoint_data();
    void fixedPoint();
    void fixedPointBack_data();
    void fixedPointBack();
    void angles();
    void formatting_data();
    void formatting();
};

void tst_UnitConverter::conversionFunctions_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<float>("input");
    QTest::addColumn<double>("expected");

    QTest::newRow("10 kn in m/s") << "knotsToMetersPerSecond" << 10.0f << 5.144444;
    QTest::newRow("10 kn in mi/h") << "knotsToMilesPerHour" << 10.0f << 11.507794;
    QTest::newRow("1 m/s in kn") << "metersPerSecondToKnots" << 1.0f << 1.943844;
    QTest::newRow("10 m/s in km/h") << "metersPerSecondToKilometersPerHour" << 10.0f << 36.0;
    QTest::newRow("36 km/h in m/s") << "kilometersPerHourToMetersPerSecond" << 36.0f << 10.0;
    QTest::newRow("1 m/s in mi/h") << "metersPerSecondToMilesPerHour" << 1.0f << 2.236936;
    QTest::newRow("1 mi/h in m/s") << "milesPerHourToMetersPerSecond" << 1.0f << 0.44704;
    QTest::newRow("1 kn in km/h") << "knotsToKilometersPerHour" << 1.0f << 1.852;
    QTest::newRow("1.852 km/h in kn") << "kilometersPerHourToKnots" << 1.852f << 1.0;
    QTest::newRow("1 mi/h in kn") << "milesPerHourToKnots" << 1.0f << 0.868976;
    QTest::newRow("1.609344 km/h in mi/h") << "kilometersPerHourToMilesPerHour" << 1.609344f << 1.0;
    QTest::newRow("1 mi/h in km/h") << "milesPerHourToKilometersPerHour" << 1.0f << 1.609344;
    QTest::newRow("100 m in ft") << "metersToFeet" << 100.0f << 328.084;
    QTest::newRow("100 m in fm") << "metersToFathoms" << 100.0f << 54.6807;
    QTest::newRow("1 ft in m") << "feetToMeters" << 1.0f << 0.3048;
    QTest::newRow("1 fm in m") << "fathomsToMeters" << 1.0f << 1.8288;
    QTest::newRow("1 fm in ft") << "fathomsToFeet" << 1.0f << 6.0;
    QTest::newRow("6 ft in fm") << "feetToFathoms" << 6.0f << 1.0;
    QTest::newRow("1 NM in km") << "nauticalMilesToKilometers" << 1.0f << 1.852;
    QTest::newRow("1 NM in mi") << "nauticalMilesToMiles" << 1.0f << 1.15078;
    QTest::newRow("1 mi in km") << "milesToKilometers" << 1.0f << 1.609344;
    QTest::newRow("1 mi in NM") << "milesToNauticalMiles" << 1.0f << 0.868976;
    QTest::newRow("1.852 km in NM") << "kilometersToNauticalMiles" << 1.852f << 1.0;
    QTest::newRow("1.609344 km in mi") << "kilometersToMiles" << 1.609344f << 1.0;
    QTest::newRow("negative speed") << "knotsToMetersPerSecond" << -10.0f << -5.144444;
    QTest::newRow("zero depth") << "metersToFathoms" << 0.0f << 0.0;
}

void tst_UnitConverter::conversionFunctions()
{
    QFETCH(QString, function);
    QFETCH(float, input);
    QFETCH(double, expected);

    const Conversion convert = conversionNamed(function);
    QVERIFY2(convert, qPrintable(function));
    const float result = convert(input);
    QVERIFY2(closeTo(result, expected), qPrintable(QString::number(double(result), 'g', 9)));
}

void tst_UnitConverter::roundTrips_data()
{
    QTest::addColumn<QString>("there");
    QTest::addColumn<QString>("back");
    QTest::addColumn<float>("value");

    QTest::newRow("km to mi and back") << "kilometersToMiles"
                                       << "milesToKilometers" << 12.5f;
    QTest::newRow("kn to m/s and back") << "knotsToMetersPerSecond"
                                        << "metersPerSecondToKnots" << 23.7f;
    QTest::newRow("m to fm and back") << "metersToFathoms"
                                      << "fathomsToMeters" << 431.2f;
    QTest::newRow("ft to fm and back") << "feetToFathoms"
                                       << "fathomsToFeet" << 77.0f;
    QTest::newRow("kn to mi/h and back") << "knotsToMilesPerHour"
                                         << "milesPerHourToKnots" << 0.3f;
}

void tst_UnitConverter::roundTrips()
{
    QFETCH(QString, there);
    QFETCH(QString, back);
    QFETCH(float, value);

    QCOMPARE(conversionNamed(back)(conversionNamed(there)(value)), value);
}

void tst_UnitConverter::convertByEnumeration_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    // Every pair of units of every quantity: picks the wrong formula for no pair.
    for (const char *quantity : { "speed", "depth", "distance" }) {
        for (int from = 0; from < 3; ++from) {
            for (int to = 0; to < 3; ++to)
                QTest::addRow("%s %d to %d", quantity, from, to)
                    << QString::fromLatin1(quantity) << from << to;
        }
    }
}

void tst_UnitConverter::convertByEnumeration()
{
    QFETCH(QString, quantity);
    QFETCH(int, from);
    QFETCH(int, to);

    float result = 0;
    double expected = 0;
    float input = 0;
    if (quantity == QLatin1String("speed")) {
        input = float(speedInUnits[from]);
        expected = speedInUnits[to];
        result = ESUnitConverter::convertSpeed(input, enum_ScalesSpeed(from), enum_ScalesSpeed(to));
    } else if (quantity == QLatin1String("depth")) {
        input = float(depthInUnits[from]);
        expected = depthInUnits[to];
        result = ESUnitConverter::convertDepth(input, enum_ScalesDepth(from), enum_ScalesDepth(to));
    } else {
        input = float(distanceInUnits[from]);
        expected = distanceInUnits[to];
        result = ESUnitConverter::convertDistance(input, enum_ScalesDistance(from), enum_ScalesDistance(to));
    }
    QVERIFY2(closeTo(result, expected, 1e-4), qPrintable(QString::number(double(result), 'g', 9)));
    if (from == to)
        QCOMPARE(result, input); // unchanged, not converted there and back
}

void tst_UnitConverter::convertByText_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<float>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("error");

    const QString none;
    const QString depthError
        = QStringLiteral("Invalid unit string passed to ESUnitConverter::depthEnumFromString()!");
    const QString speedError
        = QStringLiteral("Invalid unit string passed to ESUnitConverter::speedEnumFromString()!");
    const QString distanceError
        = QStringLiteral("Invalid unit string passed to ESUnitConverter::distanceEnumFromString()!");

    QTest::newRow("m to ft") << "depth" << 100.0f << "m"
                             << "ft" << 328.084 << none;
    QTest::newRow("fm to m") << "depth" << 1.0f << "fm"
                             << "m" << 1.8288 << none;
    QTest::newRow("kn to m/s") << "speed" << 10.0f << "kn"
                               << "m/s" << 5.144444 << none;
    QTest::newRow("mi/h to kn") << "speed" << 1.0f << "mi/h"
                                << "kn" << 0.868976 << none;
    QTest::newRow("NM to km") << "distance" << 1.0f << "NM"
                              << "km" << 1.852 << none;
    QTest::newRow("mi to NM") << "distance" << 1.0f << "mi"
                              << "NM" << 0.868976 << none;
    QTest::newRow("same text") << "speed" << 3.25f << "kn"
                               << "kn" << 3.25 << none;
    QTest::newRow("upper-case depth") << "depth" << 1.0f << "M"
                                      << "ft" << 0.0 << depthError;
    QTest::newRow("speed text as depth") << "depth" << 1.0f << "m"
                                         << "kn" << 0.0 << depthError;
    QTest::newRow("empty speed") << "speed" << 1.0f << ""
                                 << "kn" << 0.0 << speedError;
    QTest::newRow("km/h is no speed unit") << "speed" << 1.0f << "kn"
                                           << "km/h" << 0.0 << speedError;
    QTest::newRow("setting's Km") << "distance" << 1.0f << "Km"
                                  << "NM" << 0.0 << distanceError;
    QTest::newRow("setting's Mi") << "distance" << 1.0f << "NM"
                                  << "Mi" << 0.0 << distanceError;
    QTest::newRow("unit with blank") << "distance" << 1.0f << "NM "
                                     << "km" << 0.0 << distanceError;
}

void tst_UnitConverter::convertByText()
{
    QFETCH(QString, quantity);
    QFETCH(float, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, expected);
    QFETCH(QString, error);

    float result = 0;
    const QString thrown = thrownText([&] {
        if (quantity == QLatin1String("depth"))
            result = ESUnitConverter::convertDepth(input, from, to);
        else if (quantity == QLatin1String("speed"))
            result = ESUnitConverter::convertSpeed(input, from, to);
        else
            result = ESUnitConverter::convertDistance(input, from, to);
    });
    QCOMPARE(thrown, error);
    if (error.isNull())
        QVERIFY2(closeTo(result, expected), qPrintable(QString::number(double(result), 'g', 9)));
}

void tst_UnitConverter::unitTexts_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("kn") << "speed" << 0 << "kn";
    QTest::newRow("m/s") << "speed" << 1 << "m/s";
    QTest::newRow("mi/h") << "speed" << 2 << "mi/h";
    QTest::newRow("m") << "depth" << 0 << "m";
    QTest::newRow("ft") << "depth" << 1 << "ft";
    QTest::newRow("fm") << "depth" << 2 << "fm";
    QTest::newRow("NM") << "distance" << 0 << "NM";
    QTest::newRow("km") << "distance" << 1 << "km";
    QTest::newRow("mi") << "distance" << 2 << "mi";
}

// Text to enumeration and back.
void tst_UnitConverter::unitTexts()
{
    QFETCH(QString, quantity);
    QFETCH(int, unit);
    QFETCH(QString, text);

    if (quantity == QLatin1String("speed")) {
        QCOMPARE(int(ESUnitConverter::speedEnumFromString(text)), unit);
        QCOMPARE(ESUnitConverter::speedUnitText(enum_ScalesSpeed(unit)), text);
    } else if (quantity == QLatin1String("depth")) {
        QCOMPARE(int(ESUnitConverter::depthEnumFromString(text)), unit);
        QCOMPARE(ESUnitConverter::depthUnitText(enum_ScalesDepth(unit)), text);
    } else {
        QCOMPARE(int(ESUnitConverter::distanceEnumFromString(text)), unit);
        QCOMPARE(ESUnitConverter::distanceUnitText(enum_ScalesDistance(unit)), text);
    }
}

void tst_UnitConverter::badEnumerationsThrow_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("error");

    QTest::newRow("depth from 3") << "depth" << 3 << 0 << depthEnumError;
    QTest::newRow("depth to -1") << "depth" << 0 << -1 << depthEnumError;
    QTest::newRow("depth 3 to 3") << "depth" << 3 << 3 << depthEnumError;
    QTest::newRow("speed to 3") << "speed" << 1 << 3 << speedEnumError;
    QTest::newRow("speed from 100") << "speed" << 100 << 1 << speedEnumError;
    QTest::newRow("distance from 3") << "distance" << 3 << 1 << distanceEnumError;
    QTest::newRow("distance to 7") << "distance" << 1 << 7 << distanceEnumError;
}

// Conversions refuse a bad value in either argument, and the unit text of the bad value is refused too.
void tst_UnitConverter::badEnumerationsThrow()
{
    QFETCH(QString, quantity);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, error);

    const int bad = (from < 0 || from > 2) ? from : to;
    if (quantity == QLatin1String("depth")) {
        QCOMPARE(thrownText([&] {
            ESUnitConverter::convertDepth(1.0f, enum_ScalesDepth(from), enum_ScalesDepth(to));
        }),
            error);
        QCOMPARE(thrownText([&] { ESUnitConverter::depthUnitText(enum_ScalesDepth(bad)); }), error);
        QCOMPARE(thrownText([&] {
            ESUnitConverter::formatDepth(
                1.0f, enum_ScalesDepth(from), enum_ScalesDepth(to), 1, true, QStringLiteral(" "));
        }),
            error);
    } else if (quantity == QLatin1String("speed")) {
        QCOMPARE(thrownText([&] {
            ESUnitConverter::convertSpeed(1.0f, enum_ScalesSpeed(from), enum_ScalesSpeed(to));
        }),
            error);
        QCOMPARE(thrownText([&] { ESUnitConverter::speedUnitText(enum_ScalesSpeed(bad)); }), error);
    } else {
        QCOMPARE(thrownText([&] {
            ESUnitConverter::convertDistance(1.0f, enum_ScalesDistance(from), enum_ScalesDistance(to));
        }),
            error);
        QCOMPARE(thrownText([&] { ESUnitConverter::distanceUnitText(enum_ScalesDistance(bad)); }), error);
    }
}

void tst_UnitConverter::fixedPoint_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<int>("thousandths");

    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("12.349 truncated") << 12.349f << 1234 << 12348;
    QTest::newRow("-0.019 toward zero") << -0.019f << -1 << -18;
    QTest::newRow("zero") << 0.0f << 0 << 0;
    QTest::newRow("whole number") << 7.0f << 700 << 7000;
    QTest::newRow("missing value") << FLT_MAX << INT_MAX << INT_MAX;
    QTest::newRow("not a number is missing") << std::numeric_limits<float>::quiet_NaN() << INT_MAX << INT_MAX;
    // Beyond 32 bits: held in range, and never mistaken for the missing value.
    QTest::newRow("too large") << 1e30f << INT_MAX - 1 << INT_MAX - 1;
    QTest::newRow("just too large") << 3e7f << INT_MAX - 1 << INT_MAX - 1;
    QTest::newRow("infinite") << inf << INT_MAX - 1 << INT_MAX - 1;
    QTest::newRow("too small") << -1e30f << INT_MIN << INT_MIN;
    QTest::newRow("minus infinite") << -inf << INT_MIN << INT_MIN;
    QTest::newRow("largest negative float") << -FLT_MAX << INT_MIN << INT_MIN;
}

void tst_UnitConverter::fixedPoint()
{
    QFETCH(float, value);
    QFETCH(int, hundredths);
    QFETCH(int, thousandths);

    QCOMPARE(floatToHundredths(value), hundredths);
    QCOMPARE(floatToThousandths(value), thousandths);
}

void tst_UnitConverter::fixedPointBack_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("fromHundredths");
    QTest::addColumn<float>("fromThousandths");

    QTest::newRow("positive") << 1234 << 12.34f << 1.234f;
    QTest::newRow("negative") << -1 << -0.01f << -0.001f;
    QTest::newRow("zero") << 0 << 0.0f << 0.0f;
    QTest::newRow("missing value") << INT_MAX << FLT_MAX << FLT_MAX;
    QTest::newRow("below the sentinel") << INT_MAX - 1 << 21474836.46f << 2147483.646f;
}

void tst_UnitConverter::fixedPointBack()
{
    QFETCH(int, code);
    QFETCH(float, fromHundredths);
    QFETCH(float, fromThousandths);

    QCOMPARE(hundredthsToFloat(code), fromHundredths);
    QCOMPARE(thousandthsToFloat(code), fromThousandths);
}

void tst_UnitConverter::angles()
{
    QCOMPARE(degreesToRadians(180.0f), float(M_PI));
    QCOMPARE(degreesToRadians(-90.0f), float(-M_PI / 2));
    QCOMPARE(radiansToDegrees(float(M_PI / 2)), 90.0f);
    QCOMPARE(radiansToDegrees(degreesToRadians(37.5f)), 37.5f);
    QCOMPARE(degreesToRadians(0.0f), 0.0f);
}

void tst_UnitConverter::formatting_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("withUnit");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("10 kn in m/s") << "speedFromKnots" << 10.0f << 0 << 1 << 2 << true << " "
                                  << "5.14 m/s";
    QTest::newRow("speed without unit") << "speedFromKnots" << 10.0f << 0 << 2 << 3 << false << " "
                                        << "11.508";
    QTest::newRow("speed in its own unit") << "speed" << 2.4f << 1 << 1 << 0 << true << ""
                                           << "2m/s";
    QTest::newRow("speed m/s to kn") << "speed" << 1.0f << 1 << 0 << 1 << true << "_"
                                     << "1.9_kn";
    QTest::newRow("depth from metres") << "depthFromMeters" << 100.0f << 0 << 1 << 1 << false << " "
                                       << "328.1";
    QTest::newRow("depth with unit") << "depthFromMeters" << 100.0f << 0 << 2 << 2 << true << " "
                                     << "54.68 fm";
    QTest::newRow("fathoms to feet") << "depth" << 1.0f << 2 << 1 << 0 << true << " "
                                     << "6 ft";
    QTest::newRow("negative depth") << "depth" << -3.0f << 0 << 0 << 2 << true << ""
                                    << "-3.00m";
}

void tst_UnitConverter::formatting()
{
    QFETCH(QString, call);
    QFETCH(float, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, decimals);
    QFETCH(bool, withUnit);
    QFETCH(QString, separator);
    QFETCH(QString, expected);

    QString text;
    if (call == QLatin1String("speedFromKnots"))
        text = ESUnitConverter::formatSpeedFromKnots(
            value, enum_ScalesSpeed(to), decimals, withUnit, separator);
    else if (call == QLatin1String("speed"))
        text = ESUnitConverter::formatSpeed(
            value, enum_ScalesSpeed(from), enum_ScalesSpeed(to), decimals, withUnit, separator);
    else if (call == QLatin1String("depthFromMeters"))
        text = ESUnitConverter::formatDepthFromMeters(
            value, enum_ScalesDepth(to), decimals, withUnit, separator);
    else
        text = ESUnitConverter::formatDepth(
            value, enum_ScalesDepth(from), enum_ScalesDepth(to), decimals, withUnit, separator);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(tst_UnitConverter)
#include "tst_unitconverter.moc"
