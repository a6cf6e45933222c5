// The simulation widget of the runtime pages: its made-up values by name, the shared one-second step of
// every instance, the vessel drawings, and the runtime-page scale they follow.

#include "ui/RuntimeScreenScale.h"
#include "ui/runtime/RuntimeWidget.h"

#include "ScreenPictures.h"

#include <QPainter>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

// A page drawn with the widget's operations: a vessel with its arrow on the left half, an outline
// turned by 90 degrees on the right half, and a count of its repaints.
class DrawnPage : public RuntimeWidget
{
public:
    using RuntimeWidget::RuntimeWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(82, 225, 96), 2));
        drawVessel(&painter, QRect(0, 0, width() / 2, height()), 0);
        painter.setPen(QColor(255, 158, 0));
        drawVesselOutline(&painter, QRect(width() / 2, 0, width() / 2, height()), 90);
    }
};

} // namespace

class tst_RuntimeWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_values.emplace(); }
    void cleanup() { m_values.reset(); }

    void speedOverGroundByTick_data();
    void speedOverGroundByTick();
    void valuesByName_data();
    void valuesByName();
    void alertLimits();
    void instancesShareOneStep();
    void drawings_data();
    void drawings();

private:
    std::optional<RuntimeWidget::TestOverride> m_values;
};

void tst_RuntimeWidget::speedOverGroundByTick_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<double>("sog");

    QTest::newRow("1") << 1 << 30.0;
    QTest::newRow("10") << 10 << 30.0;
    QTest::newRow("11") << 11 << 10.0;
    QTest::newRow("21") << 21 << 2.0;
    QTest::newRow("31") << 31 << 0.5;
    QTest::newRow("40") << 40 << 0.5;
    QTest::newRow("41 and on") << 41 << 30.0;
    QTest::newRow("60") << 60 << 30.0;
}

// The step itself, taken tick by tick from the start values.
void tst_RuntimeWidget::speedOverGroundByTick()
{
    QFETCH(int, tick);
    QFETCH(double, sog);

    RuntimeWidget widget;
    for (int i = 0; i < tick; ++i)
        widget.simulate();
    QCOMPARE(RuntimeWidget::simulationTicks(), tick);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("SOG2")), sog);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("SOG2L")), sog);
    // The speed through water follows the sine of the tick.
    const double s = std::sin(double(tick));
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("STW2 lon")), 10 * s + 1);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("STW2 tra")), 6 * s + 1);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("Water temp")), (s + 1) * 10);
}

void tst_RuntimeWidget::valuesByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("stored");

    QTest::newRow("total") << "Total" << 137.42 << true;
    QTest::newRow("trip") << "Trip" << 0.0 << true;
    QTest::newRow("high limit") << "Alert High" << 25.0 << false;
    QTest::newRow("high limit stored as deep") << "Alert Deep" << 0.0 << true;
    QTest::newRow("low limit") << "Alert Low" << 5.0 << true;
    QTest::newRow("draft") << "Draft" << 1.4 << true;
    QTest::newRow("GPS speed") << "GPS SOG" << 10.1 << true;
    QTest::newRow("unknown") << "Heading" << 0.0 << false;
    QTest::newRow("case counts") << "total" << 0.0 << false;
}

void tst_RuntimeWidget::valuesByName()
{
    QFETCH(QString, name);
    QFETCH(double, value);
    QFETCH(bool, stored);

    QCOMPARE(RuntimeWidget::runtimeValue(name), value);
    QCOMPARE(RuntimeWidget::runtimeValueReference(name) != nullptr, stored);
}

void tst_RuntimeWidget::alertLimits()
{
    RuntimeWidget::setRuntimeAlertLimit(QStringLiteral("Alert High"), 30.5);
    RuntimeWidget::setRuntimeAlertLimit(QStringLiteral("Alert Low"), 2.5);
    RuntimeWidget::setRuntimeAlertLimit(QStringLiteral("Depth"), 99);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("Alert High")), 30.5);
    QCOMPARE(*RuntimeWidget::runtimeValueReference(QStringLiteral("Alert Deep")), 30.5);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("Alert Low")), 2.5);
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("Depth")), 0.0);

    // "Draft" and "GPS SOG" lend the speed through water for changing in place.
    *RuntimeWidget::runtimeValueReference(QStringLiteral("Draft")) = 7.0;
    QCOMPARE(RuntimeWidget::runtimeValue(QStringLiteral("STW2")), 7.0);
    QCOMPARE(RuntimeWidget::runtimeValueReference(QStringLiteral("GPS SOG")),
        RuntimeWidget::runtimeValueReference(QStringLiteral("STW2")));
}

// Two pages: the values advance once per second, both repaint on each step, and closing the first page
// does not stop the others.
void tst_RuntimeWidget::instancesShareOneStep()
{
    auto first = std::make_unique<DrawnPage>();
    DrawnPage second;
    first->resize(200, 120);
    second.resize(200, 120);
    first->show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    const int start = RuntimeWidget::simulationTicks();
    const int firstPaints = first->paints;
    const int secondPaints = second.paints;
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(RuntimeWidget::simulationTicks(), start + 2, 4000);
    QVERIFY(clock.elapsed() >= 1000);
    QTRY_VERIFY(first->paints >= firstPaints + 2);
    QTRY_VERIFY(second.paints >= secondPaints + 2);

    first.reset();
    const int afterClose = RuntimeWidget::simulationTicks();
    QTRY_COMPARE_WITH_TIMEOUT(RuntimeWidget::simulationTicks(), afterClose + 1, 3000);
}

void tst_RuntimeWidget::drawings_data()
{
    QTest::addColumn<double>("scale");

    QTest::newRow("full size") << 1.0;
    QTest::newRow("preview") << 0.625;
}

// The hull (grey) stands about the centre of its half with the arrow's head above it; the outline is
// filled in the pen colour. In the preview the drawings shrink with the runtime-page scale.
void tst_RuntimeWidget::drawings()
{
    QFETCH(double, scale);

    setRuntimeScreenScaleX(scale);
    setRuntimeScreenScaleY(scale == 1.0 ? 1.0 : 0.75);
    DrawnPage page;
    page.resize(300, 160);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage image = ScreenPictures::save(&page, QStringLiteral("vessels_%1").arg(scale));
    setRuntimeScreenScaleX(1.0);
    setRuntimeScreenScaleY(1.0);

    const QPoint centre(75, 80);
    QVERIFY(ScreenPictures::isNear(image, centre + QPoint(0, 20), QColor(64, 64, 64), 8));
    // The hull is 40 design pixels wide: grey inside, black outside.
    const int halfWidth = int(std::round(20 * scale));
    QVERIFY(ScreenPictures::isNear(image, centre + QPoint(halfWidth - 3, 20), QColor(64, 64, 64), 8));
    QVERIFY(ScreenPictures::isNear(image, centre + QPoint(halfWidth + 3, 20), Qt::black, 8));
    // The arrow head in the pen colour, 40 design pixels above the centre.
    const int head = int(std::round(34 * (scale == 1.0 ? 1.0 : 0.75)));
    QVERIFY(ScreenPictures::pixelsNear(
                image, QRect(centre.x() - 4, centre.y() - head - 2, 9, 6), QColor(82, 225, 96), 40)
        > 0);
    // The outline turned to starboard, filled orange.
    QVERIFY(ScreenPictures::isNear(image, QPoint(225, 80), QColor(255, 158, 0), 8));
}

QTEST_MAIN(tst_RuntimeWidget)
#include "tst_runtimewidget.moc"
