// The vessel geometry picture: the picture chosen by the setting, the CCRP and antenna marks on the
// vessel's scale with the antenna kept 60 pixels from the CCRP, the dimension lines, redrawing, and
// drawing without a picture or with distances far off the picture, checked on the drawn canvas.

#include "DebugCapture.h"
#include "ScreenPictures.h"
#include "common/BuildConfiguration.h"
#include "data/ESOptionsSetup.h"
#include "ui/setup/VesselGeometryWidget.h"

#include <QLabel>
#include <QtTest>

#include <limits>

namespace {

const QColor markGreen(144, 255, 112);

// The settings of a page and the picture over them, shown at its place on the setup page.
struct Page
{
    Page()
        : options(nullptr, QStringLiteral("OptionsSetup"))
    {
        set(50, 10, 10, 10, 1);
    }
    void set(double length, double stern, double bow, double antenna, int image)
    {
        options.setVesselLength(length);
        options.setCcrpToSternDistance(stern);
        options.setCcrpToBowDistance(bow);
        options.setCcrpToAntennaDistance(antenna);
        options.setVesselImage(image);
    }
    VesselGeometryWidget *create()
    {
        widget.reset(new VesselGeometryWidget(&options));
        widget->resize(530, 404);
        return widget.get();
    }
    QImage canvas() const
    {
        const QLabel *label = widget->findChild<QLabel *>();
        return label ? label->pixmap(Qt::ReturnByValue).toImage() : QImage();
    }
    ESOptionsSetup options;
    std::unique_ptr<VesselGeometryWidget> widget;
};

// Green pixels in the two pixel columns a 2-pixel line at x covers, between two rows.
int greenInColumn(const QImage &canvas, int x, int top, int bottom)
{
    return ScreenPictures::pixelsNear(canvas, QRect(x - 1, top, 2, bottom - top + 1), markGreen, 40);
}

// Whether the antenna's (or the CCRP's) dashed line runs through the rows between the labels above and
// the dimension lines below.
bool markAt(const QImage &canvas, int x)
{
    return greenInColumn(canvas, x, 64, 76) > 10;
}

int greenInRow(const QImage &canvas, int y, int left, int right)
{
    return ScreenPictures::pixelsNear(canvas, QRect(left, y - 1, right - left + 1, 2), markGreen, 40);
}

// The first row of the scaled picture at which the column is not empty.
int hullTop(int image, int column, int band)
{
    const QImage picture = QImage(QStringLiteral(":/images/vessel_%1.png").arg(image + 2))
                               .scaled(510, 384 - band, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < picture.height(); ++y) {
        if (picture.pixel(column, y) != 0)
            return band + y;
    }
    return 384;
}

} // namespace

class tst_VesselGeometryWidget : public QObject
{
    Q_OBJECT

private slots:
    void pictureFollowsTheVesselChoice_data();
    void pictureFollowsTheVesselChoice();
    void marksOnTheVesselsScale_data();
    void marksOnTheVesselsScale();
    void redrawsWhenVisibleOrShown();
    void embeddedPanelHasADeeperBand();
    void missingPictureDrawsTheMarks_data();
    void missingPictureDrawsTheMarks();
    void distancesFarOffThePicture_data();
    void distancesFarOffThePicture();
    void pictures();
};

void tst_VesselGeometryWidget::pictureFollowsTheVesselChoice_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("path");
    QTest::newRow("Platform") << 0 << "://images/vessel_2.png";
    QTest::newRow("Tanker") << 1 << "://images/vessel_3.png";
    QTest::newRow("Cruise") << 2 << "://images/vessel_4.png";
    QTest::newRow("Offshore") << 3 << "://images/vessel_5.png";
}

void tst_VesselGeometryWidget::pictureFollowsTheVesselChoice()
{
    QFETCH(int, image);
    QFETCH(QString, path);
    Page page;
    page.create();
    DebugCapture log;
    page.options.setVesselImage(image);
    QCOMPARE(page.widget->picturePath(), path);
    QCOMPARE(log.count(QStringLiteral("Vessel image: %1").arg(image)), 1);
    QVERIFY(!QImage(path).isNull());
    // Every picture leaves the band above the vessel empty and keeps the hull within the marks.
    const QImage picture = QImage(path);
    QCOMPARE(picture.size(), QSize(1020, 512));
    QCOMPARE(picture.pixel(510, 0), 0u);
    QCOMPARE(picture.pixel(10, 500), 0u);
    QVERIFY(picture.pixel(510, 480) != 0u);
}

void tst_VesselGeometryWidget::marksOnTheVesselsScale_data()
{
    QTest::addColumn<double>("stern");
    QTest::addColumn<double>("antenna");
    QTest::addColumn<int>("ccrp");
    QTest::addColumn<int>("antennaX");
    // 50 m drawn as 485 pixels: 9.7 pixels per metre, the CCRP measured from the picture's edge.
    QTest::newRow("1 m forward: 60 pixels, not 10") << 10.0 << 1.0 << 97 << 157;
    QTest::newRow("on the CCRP counts as forward") << 10.0 << 0.0 << 97 << 157;
    QTest::newRow("1 m aft: 60 pixels aft") << 10.0 << -1.0 << 97 << 37;
    QTest::newRow("10 m forward to scale") << 10.0 << 10.0 << 97 << 194;
    QTest::newRow("20 m aft to scale") << 25.0 << -20.0 << 243 << 49;
    QTest::newRow("fractions truncated") << 10.9 << 10.9 << 97 << 194;
}

void tst_VesselGeometryWidget::marksOnTheVesselsScale()
{
    QFETCH(double, stern);
    QFETCH(double, antenna);
    QFETCH(int, ccrp);
    QFETCH(int, antennaX);
    Page page;
    page.set(50, stern, 10, antenna, 1);
    page.create()->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    const QImage canvas = page.canvas();
    QCOMPARE(canvas.size(), QSize(510, 384));

    // Band height 128: the CCRP line from row 64 and the antenna line from row 43 down to 5 pixels
    // above their hull tops (dashed: about two thirds of the pixels are drawn).
    const int ccrpTop = hullTop(1, ccrp, 128);
    const int antennaTop = hullTop(1, antennaX, 128);
    QVERIFY(greenInColumn(canvas, ccrp, 64, ccrpTop - 5) > (ccrpTop - 69) * 2 / 2);
    QVERIFY(greenInColumn(canvas, antennaX, 43, antennaTop - 5) > (antennaTop - 48) * 2 / 2);
    // Below the hull top the columns show the picture, not the marks.
    QCOMPARE(greenInColumn(canvas, ccrp, ccrpTop, 383), 0);
    // The CCRP-antenna dimension line at row 83 between the marks, short of each by 5 pixels.
    const int left = qMin(ccrp, antennaX);
    const int right = qMax(ccrp, antennaX);
    QVERIFY(greenInRow(canvas, 83, left + 16, right - 16) > (right - left - 32));
    // The hull dimension lines at row 107, from the stern mark (13) to the bow mark (497).
    QVERIFY(greenInRow(canvas, 107, 30, ccrp - 16) > (ccrp - 46) / 2);
    QVERIFY(greenInRow(canvas, 107, ccrp + 16, 480) > (464 - ccrp) / 2);
    // Where the antenna would be to scale (when pushed away), there is no mark.
    const int scaled = qRound(ccrp + antenna * 9.7);
    if (qAbs(scaled - antennaX) > 4 && qAbs(scaled - ccrp) > 4)
        QVERIFY(!markAt(canvas, scaled));
}

void tst_VesselGeometryWidget::redrawsWhenVisibleOrShown()
{
    Page page;
    page.create()->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    // A change while visible: drawn at once (10 m forward: antenna at 194, then 30 m: at 388).
    QVERIFY(markAt(page.canvas(), 194));
    page.options.setCcrpToAntennaDistance(30);
    QVERIFY(markAt(page.canvas(), 388));
    QVERIFY(!markAt(page.canvas(), 194));

    // A change while hidden waits for the next show.
    page.widget->hide();
    page.options.setCcrpToAntennaDistance(10);
    QVERIFY(markAt(page.canvas(), 388));
    page.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    QVERIFY(markAt(page.canvas(), 194));
    QVERIFY(!markAt(page.canvas(), 388));
}

void tst_VesselGeometryWidget::embeddedPanelHasADeeperBand()
{
    // On the embedded panel the band is 0.4 of the height (154 rows): the CCRP-antenna dimension line
    // lies at row 99 instead of 83.
    BuildConfiguration::TestOverride panel(
        QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
    Page page;
    page.create()->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    QVERIFY(greenInRow(page.canvas(), 99, 150, 178) > 25);
    QCOMPARE(greenInRow(page.canvas(), 83, 150, 178), 0);
}

// A choice without a picture: one past the list, and the extremes of the setting, whose picture number
// must not overflow.
void tst_VesselGeometryWidget::missingPictureDrawsTheMarks_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("path");
    QTest::newRow("past the list") << 7 << "://images/vessel_9.png";
    QTest::newRow("largest int") << std::numeric_limits<int>::max() << "://images/vessel_2147483649.png";
    QTest::newRow("smallest int") << std::numeric_limits<int>::min() << "://images/vessel_-2147483646.png";
}

void tst_VesselGeometryWidget::missingPictureDrawsTheMarks()
{
    QFETCH(int, image);
    QFETCH(QString, path);
    Page page;
    page.set(50, 10, 10, 10, image);
    DebugCapture log;
    page.create()->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    QCOMPARE(page.widget->picturePath(), path);
    QVERIFY(log.count(QStringLiteral("Vessel picture missing")) > 0);
    const QImage canvas = page.canvas();
    // Nothing below the band but black; the marks stop 5 pixels above it.
    QCOMPARE(ScreenPictures::pixelsNear(canvas, QRect(0, 128, 510, 256), Qt::black, 2), 510 * 256);
    QVERIFY(greenInColumn(canvas, 97, 64, 123) > 30);
    QVERIFY(greenInRow(canvas, 83, 113, 178) > 60);
}

void tst_VesselGeometryWidget::distancesFarOffThePicture_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("stern");
    QTest::addColumn<double>("antenna");
    QTest::newRow("CCRP far beyond the bow") << 2.0 << 500.0 << 10.0;
    QTest::newRow("antenna far behind the stern") << 50.0 << 10.0 << -500.0;
    QTest::newRow("no length") << 0.0 << 10.0 << 10.0;
    QTest::newRow("not a number") << qQNaN() << qInf() << -qInf();
}

void tst_VesselGeometryWidget::distancesFarOffThePicture()
{
    QFETCH(double, length);
    QFETCH(double, stern);
    QFETCH(double, antenna);
    Page page;
    page.set(length, stern, 10, antenna, 1);
    page.create()->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    // Drawn, with the vessel picture in place below the band.
    const QImage canvas = page.canvas();
    QCOMPARE(canvas.size(), QSize(510, 384));
    QVERIFY(!ScreenPictures::isNear(canvas, QPoint(255, 370), Qt::black, 10));
}

void tst_VesselGeometryWidget::pictures()
{
    const QStringList names { "platform", "tanker", "cruise", "offshore" };
    for (int image = 0; image < names.size(); ++image) {
        Page page;
        page.set(60, 18, 42, 6 + 4 * image, image);
        page.create()->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
        ScreenPictures::save(page.widget.get(), QStringLiteral("vessel_%1_530x404").arg(names.at(image)));
        page.widget->resize(800, 480);
        ScreenPictures::save(page.widget.get(), QStringLiteral("vessel_%1_800x480").arg(names.at(image)));
    }
}

QTEST_MAIN(tst_VesselGeometryWidget)
#include "tst_vesselgeometrywidget.moc"
