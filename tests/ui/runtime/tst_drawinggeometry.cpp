// The geometry of the docking and compass drawings computed from their sizes: the angle functions, the
// hull, arrow and label places of the docking page, and the arrows, dashes and rim texts of the compass.

#include "ui/runtime/CompassGeometry.h"
#include "ui/runtime/DockingGeometry.h"

#include <QLabel>
#include <QtTest>

#include <limits>

class tst_DrawingGeometry : public QObject
{
    Q_OBJECT

private slots:
    void wrapping_data();
    void wrapping();
    void rotation();
    void placeLabelAnchors_data();
    void placeLabelAnchors();

    void dockingAtDesignSize();
    void dockingArrows_data();
    void dockingArrows();

    void normalize_data();
    void normalize();
    void compassShapes_data();
    void compassShapes();
    void speedSplit_data();
    void speedSplit();
    void angleLabels_data();
    void angleLabels();
};

void tst_DrawingGeometry::wrapping_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("wrapped180");
    QTest::addColumn<double>("once360");
    QTest::newRow("0") << 0.0 << 0.0 << 0.0;
    QTest::newRow("179") << 179.0 << 179.0 << 179.0;
    QTest::newRow("181 is -179") << 181.0 << -179.0 << 181.0;
    QTest::newRow("-181 is 179") << -181.0 << 179.0 << 179.0;
    QTest::newRow("370") << 370.0 << 10.0 << 10.0;
    QTest::newRow("-10") << -10.0 << -10.0 << 350.0;
    QTest::newRow("725 one step only") << 725.0 << 5.0 << 365.0;
    QTest::newRow("360 stays") << 360.0 << 0.0 << 360.0;
    QTest::newRow("180 and -180 stay") << 180.0 << 180.0 << 180.0;
    QTest::newRow("-180") << -180.0 << -180.0 << 180.0;
    QTest::newRow("540") << 540.0 << 180.0 << 180.0;
}

void tst_DrawingGeometry::wrapping()
{
    QFETCH(double, angle);
    QFETCH(double, wrapped180);
    QFETCH(double, once360);
    QVERIFY2(
        qAbs(wrapDegrees180(angle) - wrapped180) < 1e-9, qPrintable(QString::number(wrapDegrees180(angle))));
    QCOMPARE(wrapDegrees360Once(angle), once360);
    QVERIFY(qAbs(radiansToDegrees(degreesToRadians(angle)) - angle) < 1e-9);
}

void tst_DrawingGeometry::rotation()
{
    // Clockwise on the screen (y down): up (0, -1) turned by 90 points right.
    double x = 0;
    double y = -1;
    rotatePoint(x, y, 90);
    QVERIFY(qAbs(x - 1) < 1e-12 && qAbs(y) < 1e-12);
    rotatePointBack(x, y, 90);
    QVERIFY(qAbs(x) < 1e-12 && qAbs(y + 1) < 1e-12);
}

void tst_DrawingGeometry::placeLabelAnchors_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QPoint>("topLeftWithoutDescent");
    // A 100 x 40 label placed at (300, 200).
    QTest::newRow("0 top left") << 0 << QPoint(300, 200);
    QTest::newRow("1 bottom left") << 1 << QPoint(300, 160);
    QTest::newRow("2 top right") << 2 << QPoint(200, 200);
    QTest::newRow("3 bottom right") << 3 << QPoint(200, 160);
    QTest::newRow("4 centre") << 4 << QPoint(250, 180);
}

void tst_DrawingGeometry::placeLabelAnchors()
{
    QFETCH(int, anchor);
    QFETCH(QPoint, topLeftWithoutDescent);
    QLabel label;
    label.resize(100, 40);
    const int descent = QFontMetrics(label.font()).descent();
    placeLabel(&label, 300.7, 200.7, anchor);
    QCOMPARE(label.pos(), topLeftWithoutDescent + QPoint(0, descent));
}

void tst_DrawingGeometry::dockingAtDesignSize()
{
    // The page's design size 628 x 447.
    const DockingGeometry g(QSize(628, 447));
    QCOMPARE(g.hull,
        QPolygon(
            { QPoint(314, 65), QPoint(259, 150), QPoint(259, 381), QPoint(368, 381), QPoint(368, 150) }));
    QCOMPARE(g.currentArrowPosition, QPoint(149, 223));
    // Beam 109.9: dashes of 14 from y -54 down, every 21 pixels; the head from -54 to -43.
    QCOMPARE(g.currentDashes,
        QVector<QLine>({ QLine(0, -54, 0, -40), QLine(0, -33, 0, -19), QLine(0, -12, 0, 2),
            QLine(0, 9, 0, 23), QLine(0, 30, 0, 44) }));
    QCOMPARE(g.currentHead, QPolygon({ QPoint(0, -54), QPoint(-10, -43), QPoint(10, -43) }));
    // Shaft 25.0 wide and 33.3 long, head 46.9 wide and 25.1 long.
    QCOMPARE(g.motionArrow,
        QPolygon({ QPoint(0, 0), QPoint(25, 0), QPoint(25, -33), QPoint(35, -33), QPoint(12, -58),
            QPoint(-10, -33), QPoint(0, -33) }));
}

void tst_DrawingGeometry::dockingArrows_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QPoint>("tip");
    // 628 x 447: hull x 259.05 .. 368.95, y 65.93 .. 381.07; tip = arrow point 4 placed.
    QTest::newRow("fore to port") << QSize(628, 447) << int(DockingGeometry::ForeToPort) << QPoint(248, 65)
                                  << QPoint(248 - 33 - 25, 65 + 25 - 12);
    QTest::newRow("aft to port") << QSize(628, 447) << int(DockingGeometry::AftToPort) << QPoint(248, 381)
                                 << QPoint(248 - 33 - 25, 381 - 12);
    QTest::newRow("aft to starboard") << QSize(628, 447) << int(DockingGeometry::AftToStarboard)
                                      << QPoint(379, 381) << QPoint(379 + 33 + 25, 381 - 25 + 12);
    QTest::newRow("fore to starboard") << QSize(628, 447) << int(DockingGeometry::ForeToStarboard)
                                       << QPoint(379, 65) << QPoint(379 + 33 + 25, 65 + 12);
    QTest::newRow("ahead") << QSize(628, 447) << int(DockingGeometry::Ahead) << QPoint(314, 110)
                           << QPoint(314, 110);
    QTest::newRow("astern") << QSize(628, 447) << int(DockingGeometry::Astern) << QPoint(314, 341)
                            << QPoint(314, 341);
    QTest::newRow("800 x 440 ahead") << QSize(800, 440) << int(DockingGeometry::Ahead) << QPoint(400, 109)
                                     << QPoint(400, 109);
}

void tst_DrawingGeometry::dockingArrows()
{
    QFETCH(QSize, page);
    QFETCH(int, arrow);
    QFETCH(QPoint, position);
    QFETCH(QPoint, tip);
    const DockingGeometry g(page);
    const auto a = DockingGeometry::Arrow(arrow);
    QCOMPARE(g.arrowPosition[a], position);
    const QPolygon placed = g.placedArrow(a);
    QCOMPARE(placed.at(DockingGeometry::anchorPoint(a)), position);
    QCOMPARE(placed.at(4), tip);
}

void tst_DrawingGeometry::normalize_data()
{
    QTest::addColumn<float>("angle");
    QTest::addColumn<float>("normalized");
    QTest::newRow("370.25") << 370.25f << 10.25f;
    QTest::newRow("-10.5") << -10.5f << 349.5f;
    QTest::newRow("0") << 0.0f << 0.0f;
    QTest::newRow("360") << 360.0f << 0.0f;
    QTest::newRow("-360") << -360.0f << 0.0f;
    QTest::newRow("-725") << -725.0f << 355.0f;
    QTest::newRow("359.5") << 359.5f << 359.5f;
    // Received angles of any size: whole turns are dropped without an integer in between.
    QTest::newRow("2^40") << 1099511627776.0f << 16.0f;
    QTest::newRow("-2^40") << -1099511627776.0f << 344.0f;
    QTest::newRow("largest float") << std::numeric_limits<float>::max() << 0.0f;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 0.0f;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.0f;
}

void tst_DrawingGeometry::normalize()
{
    QFETCH(float, angle);
    QFETCH(float, normalized);
    QCOMPARE(normalizeAngle360(angle), normalized);
}

void tst_DrawingGeometry::compassShapes_data()
{
    QTest::addColumn<float>("R");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("dashes");
    QTest::addColumn<int>("lastFar");
    QTest::newRow("R 176 (page D at 800 x 440)") << 176.0f << 6 << 6 << -167;
    QTest::newRow("R 400") << 400.0f << 10 << 8 << -380;
    QTest::newRow("R 100: pen width floor") << 100.0f << 6 << 4 << -95;
}

void tst_DrawingGeometry::compassShapes()
{
    QFETCH(float, R);
    QFETCH(int, w);
    QFETCH(int, dashes);
    QFETCH(int, lastFar);
    const CompassGeometry g(R);
    QCOMPARE(g.w, w);
    QCOMPARE(g.speedDashes.size(), dashes);
    QCOMPARE(g.speedDashes.first(), QLine(0, -3 * w, 0, 0));
    // Dashes of 3w every 5w; the last one ends at 19/20 of the radius at most.
    for (int i = 1; i < g.speedDashes.size(); ++i)
        QCOMPARE(g.speedDashes.at(i).p2().y(), -5 * w * i);
    QCOMPARE(g.speedDashes.last().p1().y(), qMax(lastFar, g.speedDashes.last().p2().y() - 3 * w));
    QVERIFY(g.speedDashes.last().p1().y() >= int(-19 * R / 20));
    QCOMPARE(g.speedHead.at(0), QPoint(0, int(-R)));
    QCOMPARE(g.currentHead.at(0), QPoint(int(-R / 6), 0));
    // Five current dashes each time, however often the geometry is rebuilt.
    CompassGeometry again(R);
    again = CompassGeometry(R);
    QCOMPARE(again.currentDashes.size(), 5);
    QCOMPARE(again.currentDashes.first().p1(), QPoint(int(-R / 6), 0));
    QCOMPARE(again.currentDashes.at(4).p1().x() - again.currentDashes.first().p1().x(), 4 * int(2 * R / 27));
}

void tst_DrawingGeometry::speedSplit_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("fullEnd"); // the y the full part reaches (0: nothing full)
    QTest::addColumn<int>("faintStart"); // the y the faint part starts at (0: nothing faint)
    // R 176, w 6: dashes 0..-18, -30..-48, -60..-78, -90..-108, -120..-138, -150..-167.
    QTest::newRow("at the maximum: all full") << 20.0 << 20.0 << -167 << 0;
    QTest::newRow("half: cut at -88 is a gap") << 10.0 << 20.0 << -78 << -90;
    QTest::newRow("cut inside a dash at -66") << 7.5 << 20.0 << -66 << -66;
    QTest::newRow("zero: all faint") << 0.0 << 20.0 << 0 << 0;
    QTest::newRow("negative: all faint") << -3.0 << 20.0 << 0 << 0;
    QTest::newRow("maximum 0, speed above 0: all full") << 1.0 << 0.0 << -167 << 0;
    QTest::newRow("maximum 0, speed 0: all faint") << 0.0 << 0.0 << 0 << 0;
}

void tst_DrawingGeometry::speedSplit()
{
    QFETCH(double, speed);
    QFETCH(double, maximum);
    QFETCH(int, fullEnd);
    QFETCH(int, faintStart);
    const CompassGeometry g(176);
    QVector<QLine> full;
    QVector<QLine> faint;
    g.splitSpeedDashes(speed, maximum, full, faint);
    int reached = 0;
    for (const QLine &dash : full)
        reached = qMin(reached, dash.p1().y());
    QCOMPARE(reached, fullEnd);
    int start = -1000;
    for (const QLine &dash : faint)
        start = qMax(start, dash.p2().y());
    if (faint.isEmpty())
        start = 0;
    if (faintStart == 0 && !faint.isEmpty())
        QCOMPARE(full.size(), 0); // everything faint: starts at the centre
    else
        QCOMPARE(start, faintStart);
    // Nothing is lost or drawn twice: the pieces add up to the shaft.
    int length = 0;
    for (const QLine &dash : full + faint)
        length += dash.p2().y() - dash.p1().y();
    int shaft = 0;
    for (const QLine &dash : g.speedDashes)
        shaft += dash.p2().y() - dash.p1().y();
    QCOMPARE(length, shaft);
}

void tst_DrawingGeometry::angleLabels_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QPoint>("position");
    // R 100, font height 20, text width 50.
    QTest::newRow("up") << 0.0 << 0.0 << QPoint(0, -100);
    QTest::newRow("right") << 90.0 << 0.0 << QPoint(100, 0);
    QTest::newRow("down: below the point") << 180.0 << 0.0 << QPoint(0, 120);
    QTest::newRow("left: left of the point") << 270.0 << 0.0 << QPoint(-150, 20);
    QTest::newRow("45 up right") << 45.0 << 0.0 << QPoint(70, -70);
    QTest::newRow("true 10 at heading 350 drawn at 20") << 10.0 << -10.0 << QPoint(34, -93);
    QTest::newRow("315 up left") << 315.0 << 0.0 << QPoint(-120, -70);
}

void tst_DrawingGeometry::angleLabels()
{
    QFETCH(double, angle);
    QFETCH(double, offset);
    QFETCH(QPoint, position);
    const CompassGeometry g(100);
    QCOMPARE(g.angleLabelPosition(angle, offset, 20, 50), position);
}

QTEST_MAIN(tst_DrawingGeometry)
#include "tst_drawinggeometry.moc"
