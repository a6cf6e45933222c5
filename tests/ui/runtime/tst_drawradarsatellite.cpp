// The sky plot: the background rings and bands, and satellite dots at their elevation and azimuth in
// the colour of their signal-to-noise ratio, checked on rendered pictures.

#include "ScreenPictures.h"
#include "ui/runtime/drawRadarSatellite.h"

#include <QtMath>
#include <QtTest>

using ScreenPictures::isNear;

namespace {

// The plot's geometry at a size, computed from the definition of the plot: the horizon circle is 1.7
// times the smaller half of the widget across, and 180 plot units across.
struct Plot
{
    explicit Plot(QSize size)
        : w2(size.width() / 2)
        , h2(size.height() / 2)
        , d(float(qMin(w2, h2)) * 1.7f)
        , u(d / 180)
    {
    }
    // The centre of a satellite's dot (north up, east right).
    QPointF dot(float elevation, float azimuth) const
    {
        const float r = u * (90 - elevation);
        const float t = qDegreesToRadians(90 - azimuth);
        return QPointF(w2 + std::cos(t) * r, h2 - std::sin(t) * r);
    }
    // A point inside the dot but below the number written on it.
    QPoint belowNumber(float elevation, float azimuth) const
    {
        const QPointF c = dot(elevation, azimuth);
        return QPoint(qRound(c.x()), qRound(c.y() + 5 * u));
    }
    int w2;
    int h2;
    float d;
    float u;
};

const QColor outerBand(5, 27, 28);
const QColor middleBand(11, 58, 60);
const QColor innerBand(33, 105, 108);

} // namespace

class tst_DrawRadarSatellite : public QObject
{
    Q_OBJECT

private slots:
    void geometry();
    void emptyListDrawsTheBands_data();
    void emptyListDrawsTheBands();
    void satellitesAtElevationAndAzimuth_data();
    void satellitesAtElevationAndAzimuth();
    void ratioAbove100KeepsTheLastColour();
    void numberOnTheDot_data();
    void numberOnTheDot();
    void incompleteGroupIsNotDrawn();
    void pictures();
};

void tst_DrawRadarSatellite::geometry()
{
    // At the satellite page's design size the plot unit is 2.106 pixels.
    drawRadarSatellite plot;
    plot.resize(510, 447);
    QCOMPARE(plot.horizonDiameter(), 379.1f);
    QVERIFY(qAbs(plot.unit() - 2.106f) < 0.001f);
    QCOMPARE(plot.satelliteRect(100, 50),
        QRectF(100 - 7 * plot.unit(), 50 - 7 * plot.unit(), 14 * plot.unit(), 14 * plot.unit()));
}

void tst_DrawRadarSatellite::emptyListDrawsTheBands_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("design size") << QSize(510, 447);
    QTest::newRow("800 x 480 screen") << QSize(652, 480);
    QTest::newRow("tall") << QSize(300, 600);
}

void tst_DrawRadarSatellite::emptyListDrawsTheBands()
{
    QFETCH(QSize, size);
    drawRadarSatellite plot;
    plot.resize(size);
    const QImage image = plot.grab().toImage();
    const Plot p(size);
    // Along the lower left diagonal (away from the crosshair and the labels): 0 to 30 degrees of
    // elevation in the darkest band, 30 to 60 in the middle one, 60 to 90 in the lightest.
    auto at = [&](float elevation) {
        const float r = p.u * (90 - elevation) / float(M_SQRT2);
        return QPoint(qRound(p.w2 - r), qRound(p.h2 + r));
    };
    QVERIFY(isNear(image, at(8), outerBand, 4));
    QVERIFY(isNear(image, at(22), outerBand, 4));
    QVERIFY(isNear(image, at(38), middleBand, 4));
    QVERIFY(isNear(image, at(52), middleBand, 4));
    QVERIFY(isNear(image, at(68), innerBand, 4));
    QVERIFY(isNear(image, at(82), innerBand, 4));
    // The horizon circle is white; outside it nothing of the plot.
    QVERIFY(isNear(image, QPoint(qRound(p.w2 + p.d / 2), p.h2 + 20), Qt::white, 60));
    QVERIFY(!isNear(image, QPoint(qRound(p.w2 + p.d / 2 + 3 * p.u), p.h2 + 20), outerBand, 4));
}

void tst_DrawRadarSatellite::satellitesAtElevationAndAzimuth_data()
{
    QTest::addColumn<int>("elevation");
    QTest::addColumn<int>("azimuth");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QColor>("color");
    QTest::newRow("horizon east, 25 dB-Hz gray") << 0 << 90 << 25 << QColor(Qt::gray);
    QTest::newRow("zenith, 26 cyan") << 90 << 0 << 26 << QColor(Qt::cyan);
    QTest::newRow("north 45, 50 cyan") << 45 << 0 << 50 << QColor(Qt::cyan);
    QTest::newRow("west 30, 75 blue") << 30 << 270 << 75 << QColor(Qt::blue);
    QTest::newRow("south-east 60, 100 green") << 60 << 135 << 100 << QColor(Qt::green);
    QTest::newRow("negative ratio gray") << 10 << 200 << -3 << QColor(Qt::gray);
}

void tst_DrawRadarSatellite::satellitesAtElevationAndAzimuth()
{
    QFETCH(int, elevation);
    QFETCH(int, azimuth);
    QFETCH(int, ratio);
    QFETCH(QColor, color);
    drawRadarSatellite plot;
    plot.resize(510, 447);
    plot.setRadarInfo({ 7, elevation, azimuth, ratio, 0 });
    QCOMPARE(plot.radarInfo(), QList<int>({ 7, elevation, azimuth, ratio, 0 }));
    const QImage image = plot.grab().toImage();
    const Plot p(plot.size());
    QVERIFY2(isNear(image, p.belowNumber(elevation, azimuth), color, 8),
        qPrintable(image.pixelColor(p.belowNumber(elevation, azimuth)).name()));
    // The opposite point of the sky stays background.
    QVERIFY(!isNear(image, p.belowNumber(elevation, azimuth + 180), color, 8) || elevation == 90);
}

void tst_DrawRadarSatellite::ratioAbove100KeepsTheLastColour()
{
    drawRadarSatellite plot;
    plot.resize(510, 447);
    plot.setRadarInfo({ 1, 30, 0, 80, 0, 2, 30, 180, 101, 0 });
    QImage image = plot.grab().toImage();
    const Plot p(plot.size());
    QVERIFY(isNear(image, p.belowNumber(30, 0), Qt::green, 8));
    QVERIFY(isNear(image, p.belowNumber(30, 180), Qt::green, 8));
    // And between repaints: the next picture starts from the colour the last one ended with.
    plot.setRadarInfo({ 2, 30, 180, 101, 0 });
    image = plot.grab().toImage();
    QVERIFY(isNear(image, p.belowNumber(30, 180), Qt::green, 8));
    plot.setRadarInfo({ 1, 30, 0, 40, 0, 2, 30, 180, 101, 0 });
    image = plot.grab().toImage();
    QVERIFY(isNear(image, p.belowNumber(30, 180), Qt::cyan, 8));
}

void tst_DrawRadarSatellite::numberOnTheDot_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("written");
    QTest::newRow("one digit") << 5 << true;
    QTest::newRow("two digits") << 32 << true;
    QTest::newRow("three digits") << 120 << true;
    QTest::newRow("four digits: no number") << 1234 << false;
}

void tst_DrawRadarSatellite::numberOnTheDot()
{
    QFETCH(int, number);
    QFETCH(bool, written);
    drawRadarSatellite plot;
    plot.resize(510, 447);
    plot.setRadarInfo({ number, 90, 0, 90, 0 });
    const QImage image = plot.grab().toImage();
    const Plot p(plot.size());
    const QPointF c = p.dot(90, 0);
    const QRect face(qRound(c.x() - 4 * p.u), qRound(c.y() - 4 * p.u), qRound(8 * p.u), qRound(6 * p.u));
    const int dark = ScreenPictures::pixelsNear(image, face, Qt::black, 60);
    QCOMPARE(dark > 0, written);
}

void tst_DrawRadarSatellite::incompleteGroupIsNotDrawn()
{
    // Seven values: one whole satellite and two values of a second one.
    drawRadarSatellite plot;
    plot.resize(510, 447);
    plot.setRadarInfo({ 3, 45, 90, 90, 0, 4, 45 });
    const QImage image = plot.grab().toImage();
    const Plot p(plot.size());
    QVERIFY(isNear(image, p.belowNumber(45, 90), Qt::green, 8));
}

void tst_DrawRadarSatellite::pictures()
{
    const QList<int> sky { 3, 5, 40, 20, 0, 12, 35, 100, 45, 0, 17, 62, 210, 70, 0, 33, 80, 300, 88, 0, 120,
        18, 330, 30, 0 };
    for (const QSize &size : { QSize(510, 447), QSize(800, 480), QSize(300, 260) }) {
        drawRadarSatellite plot;
        plot.resize(size);
        plot.setRadarInfo(sky);
        ScreenPictures::save(&plot, QStringLiteral("sky_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_DrawRadarSatellite)
#include "tst_drawradarsatellite.moc"
