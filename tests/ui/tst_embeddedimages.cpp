// The embedded pictures: every name the screens look up loads (with and without its suffix), and the
// pictures whose content the drawings rely on have it: the transparent inside and the north of the
// compass roses, the transparent surroundings and the hull extent of the vessel side views, the logo.

#include <QImage>
#include <QImageReader>
#include <QtTest>

class tst_EmbeddedImages : public QObject
{
    Q_OBJECT

private slots:
    // Nothing else of the user-interface library is used here: load its pictures explicitly.
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void everyNameLoads_data();
    void everyNameLoads();
    void compassRoses_data();
    void compassRoses();
    void vesselSideViews_data();
    void vesselSideViews();
    void logo();
};

void tst_EmbeddedImages::everyNameLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const QList<QPair<const char *, QSize>> pictures {
        { "://Resources/compass_image_1.png", QSize(800, 800) },
        { "://Resources/no_compass_1.png", QSize(800, 800) },
        { "://Resources/compass_vessel_image_3.png", QSize(400, 400) },
        { ":/Resources/korvane-no-background.jpg", QSize(140, 120) },
        { "://Resources/ActiveUnacknowledged.png", QSize(128, 128) },
        { "://Resources/ActiveSilenced.png", QSize(128, 128) },
        { "://Resources/ActiveAcknowedged.png", QSize(128, 128) },
        { "://Resources/ActiveResponsibilityTransfered.png", QSize(128, 128) },
        { "://Resources/RectifiedUnacknowledged.png", QSize(128, 128) },
        { "://Resources/W_ActiveUnacknowledged.png", QSize(128, 128) },
        { "://Resources/W_ActiveSilenced.png", QSize(128, 128) },
        { "://Resources/W_ActiveAcknowedged.png", QSize(128, 128) },
        { "://Resources/W_ActiveResponsibilityTransfered.png", QSize(128, 128) },
        { "://Resources/W_RectifiedUnacknowledged.png", QSize(128, 128) },
        { "://Resources/SimulatorIcon.png", QSize(128, 128) },
        { ":/Resources/arrow_up", QSize(64, 64) },
        { ":/Resources/arrow_down", QSize(64, 64) },
        { ":/Resources/arrow_left", QSize(64, 64) },
        { ":/Resources/arrow_right", QSize(64, 64) },
        { ":/Resources/arrow.png", QSize(64, 64) },
        { ":/Resources/delArrow.png", QSize(96, 64) },
        { ":/Resources/warning", QSize(128, 128) },
        { ":/Resources/question", QSize(128, 128) },
        { ":/Resources/exclamation", QSize(128, 128) },
        { ":/Resources/led_on", QSize(64, 64) },
        { ":/Resources/led_off", QSize(64, 64) },
        { ":/Resources/display_selected.png", QSize(200, 120) },
        { ":/Resources/display_not_selected.png", QSize(200, 120) },
        { ":/Resources/up_arrow.png", QSize(96, 96) },
        { ":/Resources/down_arrow.png", QSize(96, 96) },
        { "://Resources/color-picker-thumb.png", QSize(400, 300) },
        { "://images/vessel_1.png", QSize(1020, 512) },
        { ":/images/US-United-States-Flag-icon.png", QSize(96, 64) },
        { ":/images/RU-Russia-Flag-icon.png", QSize(96, 64) },
        { ":/icons/KW1 SYS 2_selected_Paired.png", QSize(300, 140) },
        { ":/icons/KW1 SYS 2_selected_Repeater.png", QSize(300, 140) },
        { ":/icons/ES SYS 1_selected_Paired.png", QSize(300, 140) },
        { ":/icons/ES SYS 1_selected_Repeater.png", QSize(300, 140) },
    };
    for (const auto &picture : pictures)
        QTest::newRow(picture.first) << QString::fromUtf8(picture.first) << picture.second;
}

void tst_EmbeddedImages::everyNameLoads()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImageReader reader(name);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void tst_EmbeddedImages::compassRoses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("north");
    QTest::newRow("TRUE") << "://Resources/compass_image_1.png" << true;
    QTest::newRow("RELATIVE") << "://Resources/no_compass_1.png" << false;
}

void tst_EmbeddedImages::compassRoses()
{
    QFETCH(QString, name);
    QFETCH(bool, north);
    const QImage rose = QImage(name).convertToFormat(QImage::Format_ARGB32);
    // Transparent inside, so that the vessel below shows; the ring reaches the picture's edge.
    QCOMPARE(qAlpha(rose.pixel(400, 400)), 0);
    QCOMPARE(qAlpha(rose.pixel(400, 200)), 0);
    QVERIFY(qAlpha(rose.pixel(400, 4)) > 200);
    QVERIFY(qAlpha(rose.pixel(4, 400)) > 200);
    QCOMPARE(qAlpha(rose.pixel(0, 0)), 0);
    // The north letter in red at the top of the TRUE rose only.
    int red = 0;
    for (int y = 50; y < 90; ++y) {
        for (int x = 380; x < 420; ++x) {
            const QRgb p = rose.pixel(x, y);
            red += (qAlpha(p) > 200 && qRed(p) > 180 && qGreen(p) < 100) ? 1 : 0;
        }
    }
    QCOMPARE(red > 50, north);
}

void tst_EmbeddedImages::vesselSideViews_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QStringLiteral("vessel_%1").arg(n))) << n;
}

void tst_EmbeddedImages::vesselSideViews()
{
    QFETCH(int, number);
    const QImage side = QImage(QStringLiteral("://images/vessel_%1.png").arg(number));
    QCOMPARE(side.size(), QSize(1020, 512));
    auto columnEmpty = [&](int x) {
        for (int y = 0; y < side.height(); ++y) {
            if (side.pixel(x, y) != 0)
                return false;
        }
        return true;
    };
    auto rowEmpty = [&](int y) {
        for (int x = 0; x < side.width(); ++x) {
            if (side.pixel(x, y) != 0)
                return false;
        }
        return true;
    };
    // Fully transparent around the vessel, which runs from the stern mark (1/40) to the bow mark.
    QVERIFY(rowEmpty(0));
    QVERIFY(rowEmpty(511));
    QVERIFY(columnEmpty(20));
    QVERIFY(columnEmpty(1000));
    QVERIFY(!columnEmpty(30));
    QVERIFY(!columnEmpty(990));
}

void tst_EmbeddedImages::logo()
{
    // A JPEG on black, with the white K in a teal ring.
    const QImage logo(QStringLiteral(":/Resources/korvane-no-background.jpg"));
    QCOMPARE(logo.size(), QSize(140, 120));
    const QColor corner = logo.pixelColor(2, 2);
    QVERIFY(corner.red() < 20 && corner.green() < 20 && corner.blue() < 20);
    const QColor ring = logo.pixelColor(70, 8);
    QVERIFY2(ring.red() < 60 && ring.green() > 120 && ring.blue() > 140, qPrintable(ring.name()));
    const QColor stem = logo.pixelColor(62, 50);
    QVERIFY2(stem.red() > 200 && stem.green() > 200 && stem.blue() > 200, qPrintable(stem.name()));
}

QTEST_MAIN(tst_EmbeddedImages)
#include "tst_embeddedimages.moc"
