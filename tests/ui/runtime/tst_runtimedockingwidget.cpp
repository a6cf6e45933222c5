// The docking page over received runtime values: which labels show which speed, which motion arrows are
// lit, and how the current arrows turn, checked on the rendered page at the positions the drawing's
// geometry gives, at the page's size in the 800 x 480 window and in a larger window.

#include "FreshStores.h"
#include "ReceivedRuntime.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeDockingWidget.h"

#include <QLabel>
#include <QTransform>
#include <QtTest>

#include <optional>

using ScreenPictures::isNear;
using ScreenPictures::pixelsNear;

namespace {

const QColor hull(38, 38, 38);
const QColor darkTransverse(0, 0, 0);

// Counts the page's repaints and records the current arrows' direction at each.
class PaintProbe : public QObject
{
public:
    explicit PaintProbe(RuntimeDockingWidget *page)
        : m_page(page)
    {
        page->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_page && event->type() == QEvent::Paint) {
            ++paints;
            angles.append(m_page->shownCurrentAngle());
        }
        return false;
    }
    int paints = 0;
    QList<double> angles;

private:
    RuntimeDockingWidget *m_page;
};

// A point well inside a motion arrow's shaft, on the page.
QPoint insideShaft(const DockingGeometry &g, DockingGeometry::Arrow arrow)
{
    const QPoint anchor = g.motionArrow.at(DockingGeometry::anchorPoint(arrow));
    QTransform t;
    t.translate(g.arrowPosition[arrow].x(), g.arrowPosition[arrow].y());
    t.rotate(DockingGeometry::angle(arrow));
    return t.map(QPointF(g.shaftWidth / 2 - anchor.x(), -g.shaftLength / 2 - anchor.y())).toPoint();
}

// A point inside the head of a current arrow centred at `centre` turned by `angle`.
QPoint insideCurrentHead(const DockingGeometry &g, QPointF centre, double angle)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    // Beside the shaft's line, so that only the head can colour it.
    return t.map(QPointF(g.beam / 16, -g.beam / 2 + g.beam / 11)).toPoint();
}

} // namespace

class tst_RuntimeDockingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void motion_data();
    void motion();
    void labelsBesideTheArrows_data();
    void labelsBesideTheArrows();
    void currentArrowsPointAtTheCurrent_data();
    void currentArrowsPointAtTheCurrent();
    void currentTurnsTheShortWayInSteps_data();
    void currentTurnsTheShortWayInSteps();
    void invalidCurrentHidesTheArrows();
    void oneFrameOneRepaint();
    void pictures();

private:
    QColor colourOf(const char *name) const;
    void start(QSize page = QSize(800, 440));

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
    std::optional<ScreenStage> m_stage;
    RuntimeDockingWidget *m_page = nullptr;
};

void tst_RuntimeDockingWidget::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // The colours of the palette "Green", read from a colour file of this case's own.
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Green"));
    m_stage.emplace();
    m_page = new RuntimeDockingWidget(m_stage->layout);
    m_page->setObjectName(QStringLiteral("es_runtime_C"));
}

void tst_RuntimeDockingWidget::cleanup()
{
    m_stage.reset();
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_RuntimeDockingWidget::start(QSize page)
{
    m_page->setGeometry(QRect(QPoint(0, 0), page));
    m_stage->start();
}

QColor tst_RuntimeDockingWidget::colourOf(const char *name) const
{
    // The colour every value widget gives the value now (value feed and colour store).
    RuntimeDisplayableData feed(
        ESDataInfoClass::instance()->runtimeDataInfo()->getRuntimePropertyInfo(QLatin1String(name)));
    return feed.color();
}

void tst_RuntimeDockingWidget::motion_data()
{
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QString>("topLeft"); // shown text, or empty when hidden
    QTest::addColumn<QString>("topRight");
    QTest::addColumn<QString>("bottomLeft");
    QTest::addColumn<QString>("bottomRight");
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QVector<bool>>("active"); // by DockingGeometry::Arrow

    const QStringList zeroAft { QStringLiteral("SpeedSOGGpsTraAft=1.2=T"),
        QStringLiteral("SpeedSOGGpsLong=3.1=T") };
    QTest::newRow("fore 2.4 to starboard")
        << (QStringList { QStringLiteral("SpeedSOGGpsTraFore=2.4=T") } + zeroAft) << QString() << "2.4"
        << QString() << "1.2"
        << "3.1" << QVector<bool> { false, false, true, true, true, false };
    QTest::newRow("fore -2.4 to port")
        << (QStringList { QStringLiteral("SpeedSOGGpsTraFore=-2.4=T") } + zeroAft) << "2.4" << QString()
        << QString() << "1.2"
        << "3.1" << QVector<bool> { true, false, true, false, true, false };
    QTest::newRow("zero counts as port") << QStringList { QStringLiteral("SpeedSOGGpsTraFore=0=T"),
        QStringLiteral("SpeedSOGGpsTraAft=0=T"), QStringLiteral("SpeedSOGGpsLong=0=T") }
                                         << "0.0" << QString() << "0.0" << QString() << "0.0"
                                         << QVector<bool> { true, true, false, false, false, true };
    QTest::newRow("astern, aft to port")
        << QStringList { QStringLiteral("SpeedSOGGpsTraFore=0.5=T"),
               QStringLiteral("SpeedSOGGpsTraAft=-0.75=T"), QStringLiteral("SpeedSOGGpsLong=-1.25=T") }
        << QString() << "0.5"
        << "0.8" << QString() << "1.3" << QVector<bool> { false, true, false, true, false, true };
    QTest::newRow("nothing received") << QStringList() << QString() << QString() << QString() << QString()
                                      << "-/-" << QVector<bool> { false, false, false, false, false, false };
    QTest::newRow("fore and longitudinal not valid")
        << QStringList { QStringLiteral("SpeedSOGGpsTraFore==F"), QStringLiteral("SpeedSOGGpsTraAft=2=T"),
               QStringLiteral("SpeedSOGGpsLong==F") }
        << QString() << QString() << QString() << "2.0"
        << "-/-" << QVector<bool> { false, false, true, false, false, false };
}

void tst_RuntimeDockingWidget::motion()
{
    QFETCH(QStringList, received);
    QFETCH(QString, topLeft);
    QFETCH(QString, topRight);
    QFETCH(QString, bottomLeft);
    QFETCH(QString, bottomRight);
    QFETCH(QString, centre);
    QFETCH(QVector<bool>, active);
    start();
    if (!received.isEmpty())
        QVERIFY(receiveRuntime(received));
    QCoreApplication::processEvents();

    const QString expected[] = { topLeft, topRight, bottomLeft, bottomRight, centre };
    const char *names[]
        = { "labelTopLeft", "labelTopRight", "labelBottomLeft", "labelBottomRight", "labelCenter" };
    for (int i = 0; i < 5; ++i) {
        auto *label = m_page->findChild<QLabel *>(QLatin1String(names[i]));
        QVERIFY(label);
        QCOMPARE(label->isVisible(), !expected[i].isEmpty());
        if (!expected[i].isEmpty())
            QCOMPARE(label->text(), expected[i]);
    }

    m_stage->savePicture(QStringLiteral("motion-") + QString::fromLatin1(QTest::currentDataTag()), m_page);
    const QImage image = m_page->grab().toImage();
    const DockingGeometry &g = m_page->drawing();
    const char *sources[] = { "SpeedSOGGpsTraFore", "SpeedSOGGpsTraAft", "SpeedSOGGpsTraAft",
        "SpeedSOGGpsTraFore", "SpeedSOGGpsLong", "SpeedSOGGpsLong" };
    for (int i = 0; i < DockingGeometry::ArrowCount; ++i) {
        const auto arrow = DockingGeometry::Arrow(i);
        QCOMPARE(m_page->isArrowActive(arrow), active.at(i));
        const bool longitudinal = arrow == DockingGeometry::Ahead || arrow == DockingGeometry::Astern;
        const QColor seen = active.at(i) ? colourOf(sources[i]) : longitudinal ? hull : darkTransverse;
        const QPoint at = insideShaft(g, arrow);
        QVERIFY2(isNear(image, at, seen, 12),
            qPrintable(QStringLiteral("arrow %1 at %2,%3 is %4")
                           .arg(i)
                           .arg(at.x())
                           .arg(at.y())
                           .arg(image.pixelColor(at).name())));
    }
    // The hull between the arrows.
    QVERIFY(isNear(image, QPoint(g.hull.at(0).x() - g.beam / 4, g.hull.at(1).y() + 10), hull, 6));
}

void tst_RuntimeDockingWidget::labelsBesideTheArrows_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("800 x 480 window") << QSize(800, 480);
    QTest::newRow("1024 x 600 window") << QSize(1024, 600);
}

void tst_RuntimeDockingWidget::labelsBesideTheArrows()
{
    QFETCH(QSize, window);
    start();
    m_stage->resize(window);
    QVERIFY(receiveRuntime({ QStringLiteral("SpeedSOGGpsTraFore=1.5=T"),
        QStringLiteral("SpeedSOGGpsTraAft=-1.5=T"), QStringLiteral("SpeedSOGGpsLong=4=T") }));
    QCoreApplication::processEvents();
    const DockingGeometry &g = m_page->drawing();
    QCOMPARE(g.hull, DockingGeometry(m_page->size()).hull);

    const double d = g.shaftLength + 1.5 * g.headLength;
    auto *topRight = m_page->findChild<QLabel *>(QStringLiteral("labelTopRight"));
    auto *bottomLeft = m_page->findChild<QLabel *>(QStringLiteral("labelBottomLeft"));
    auto *centre = m_page->findChild<QLabel *>(QStringLiteral("labelCenter"));
    // The labels follow the scaled font: as high as the font's ascent plus 10, a 4.5th of the page wide.
    for (QLabel *label : { topRight, bottomLeft, centre }) {
        const QFontMetrics metrics(label->font());
        QCOMPARE(label->size(), QSize(int(m_page->width() / 4.5), metrics.height() - metrics.descent() + 10));
    }
    const int descent = QFontMetrics(topRight->font()).descent();
    // Right of the fore starboard arrow, its bottom one shaft width below the bow; left of the aft port
    // arrow, its bottom at the stern.
    const QPoint fore = g.arrowPosition[DockingGeometry::ForeToStarboard];
    QCOMPARE(topRight->x(), int(fore.x() + d));
    QCOMPARE(topRight->y(), int(fore.y() + g.shaftWidth - topRight->height() + descent));
    const QPoint aft = g.arrowPosition[DockingGeometry::AftToPort];
    QCOMPARE(bottomLeft->geometry().right() + 1, int(aft.x() - d));
    QCOMPARE(bottomLeft->y(), int(aft.y() - bottomLeft->height() + descent));
    QCOMPARE(centre->x(), int(m_page->width() / 2 - centre->width() * 0.5));

    // The texts are drawn where the labels stand, in their value's colour, clear of the hull and arrows.
    const QImage image = m_page->grab().toImage();
    QVERIFY(pixelsNear(image, topRight->geometry(), colourOf("SpeedSOGGpsTraFore"), 12) > 20);
    QVERIFY(pixelsNear(image, bottomLeft->geometry(), colourOf("SpeedSOGGpsTraAft"), 12) > 20);
    QVERIFY(!topRight->geometry().intersects(g.placedArrow(DockingGeometry::ForeToStarboard).boundingRect()));
    QVERIFY(!bottomLeft->geometry().intersects(g.placedArrow(DockingGeometry::AftToPort).boundingRect()));
    QVERIFY(m_page->rect().contains(topRight->geometry()));
    QVERIFY(m_page->rect().contains(bottomLeft->geometry()));
}

void tst_RuntimeDockingWidget::currentArrowsPointAtTheCurrent_data()
{
    QTest::addColumn<double>("angle");
    QTest::newRow("ahead") << 0.0;
    QTest::newRow("to starboard") << 90.0;
    QTest::newRow("astern") << 180.0;
    QTest::newRow("to port, received as 270") << 270.0;
    QTest::newRow("45") << 45.0;
}

void tst_RuntimeDockingWidget::currentArrowsPointAtTheCurrent()
{
    QFETCH(double, angle);
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("WaterCurrent=1=T"),
        QStringLiteral("AngleWaterCurrent=") + QString::number(angle) + QStringLiteral("=T") }));
    QCoreApplication::processEvents();
    // The first direction is drawn at once.
    QCOMPARE(m_page->shownCurrentAngle(), wrapDegrees180(angle));
    const QImage image = m_page->grab().toImage();
    const DockingGeometry &g = m_page->drawing();
    const QColor colour = colourOf("AngleWaterCurrent");
    const QPointF left = g.currentArrowPosition;
    const QPointF right = left + QPointF(3 * g.beam, 0);
    QVERIFY(isNear(image, insideCurrentHead(g, left, angle), colour, 40));
    QVERIFY(isNear(image, insideCurrentHead(g, right, angle), colour, 40));
    // The opposite end of the arrow is the shaft's tail, not a head.
    QVERIFY(!isNear(image, insideCurrentHead(g, left, angle + 180), colour, 40));
    // The right arrow stands where the left one stands mirrored about the page's centre line.
    QVERIFY(qAbs((left.x() + right.x()) / 2 - m_page->width() / 2) <= 1);
}

void tst_RuntimeDockingWidget::currentTurnsTheShortWayInSteps_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<QList<double>>("steps");
    QTest::newRow("10 to 100") << 10.0 << 100.0
                               << QList<double> { 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85,
                                      90, 95, 100 };
    QTest::newRow("170 to -170 through 180") << 170.0 << -170.0 << QList<double> { 175, 180, -175, -170 };
    QTest::newRow("179 to -179 in one step") << 179.0 << -179.0 << QList<double> { -179 };
    QTest::newRow("-20 to 330 (-30)") << -20.0 << 330.0 << QList<double> { -25, -30 };
    QTest::newRow("0 to 3") << 0.0 << 3.0 << QList<double> { 3 };
}

void tst_RuntimeDockingWidget::currentTurnsTheShortWayInSteps()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(QList<double>, steps);
    start();
    QVERIFY(receiveRuntime(
        { QStringLiteral("AngleWaterCurrent=") + QString::number(from) + QStringLiteral("=T") }));
    QCoreApplication::processEvents();
    QCOMPARE(m_page->shownCurrentAngle(), from);

    PaintProbe probe(m_page);
    QVERIFY(receiveRuntime(
        { QStringLiteral("AngleWaterCurrent=") + QString::number(to) + QStringLiteral("=T") }));
    QTRY_COMPARE(m_page->shownCurrentAngle(), wrapDegrees180(to));
    QCoreApplication::processEvents();
    // Every step was drawn, each at most 5 degrees on from the one before, the short way round.
    QList<double> drawn;
    for (double a : qAsConst(probe.angles))
        if (drawn.isEmpty() ? a != from : a != drawn.last())
            drawn.append(a);
    QCOMPARE(drawn, steps);

    // Settled: no further repaints.
    const int paints = probe.paints;
    QTest::qWait(5 * RuntimeDockingWidget::currentTurnInterval);
    QCOMPARE(probe.paints, paints);
}

void tst_RuntimeDockingWidget::invalidCurrentHidesTheArrows()
{
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("AngleWaterCurrent=90=T") }));
    QCoreApplication::processEvents();
    const DockingGeometry &g = m_page->drawing();
    const QColor colour = colourOf("AngleWaterCurrent");
    const QRect around(
        g.currentArrowPosition - QPoint(int(g.beam / 2), int(g.beam / 2)), QSize(int(g.beam), int(g.beam)));
    QVERIFY(pixelsNear(m_page->grab().toImage(), around, colour, 40) > 20);

    expireRuntime(QStringLiteral("AngleWaterCurrent"));
    QCoreApplication::processEvents();
    QCOMPARE(pixelsNear(m_page->grab().toImage(), around, colour, 40), 0);

    // When it comes back it turns on from where it was last shown.
    QVERIFY(receiveRuntime({ QStringLiteral("AngleWaterCurrent=120=T") }));
    QCoreApplication::processEvents();
    QCOMPARE(m_page->shownCurrentAngle(), 90.0);
    QTRY_COMPARE(m_page->shownCurrentAngle(), 120.0);
}

void tst_RuntimeDockingWidget::oneFrameOneRepaint()
{
    start();
    QCoreApplication::processEvents();
    PaintProbe probe(m_page);
    // One runtime text with all five values: each description announces its change, the page repaints once.
    QVERIFY(receiveRuntime({ QStringLiteral("SpeedSOGGpsLong=1=T"), QStringLiteral("SpeedSOGGpsTraFore=2=T"),
        QStringLiteral("SpeedSOGGpsTraAft=3=T"), QStringLiteral("WaterCurrent=4=T"),
        QStringLiteral("AngleWaterCurrent=5=T") }));
    QCOMPARE(probe.paints, 0);
    QTRY_COMPARE(probe.paints, 1);
    QTest::qWait(100);
    QCOMPARE(probe.paints, 1);
}

void tst_RuntimeDockingWidget::pictures()
{
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("SpeedSOGGpsLong=4.25=T"),
        QStringLiteral("SpeedSOGGpsTraFore=1.5=T"), QStringLiteral("SpeedSOGGpsTraAft=-0.5=T"),
        QStringLiteral("WaterCurrent=1.2=T"), QStringLiteral("AngleWaterCurrent=45=T") }));
    m_stage->savePicture(QStringLiteral("docking-800x480-window"));
    m_stage->savePicture(QStringLiteral("docking-page-800x440"), m_page);
    m_stage->resize(QSize(1024, 600));
    m_stage->savePicture(QStringLiteral("docking-page-1024x600-window"), m_page);
    QVERIFY(m_page->width() > 800);
}

QTEST_MAIN(tst_RuntimeDockingWidget)
#include "tst_runtimedockingwidget.moc"
