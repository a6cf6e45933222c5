// The compass view over received runtime values: the TRUE/RELATIVE button pressed with the mouse, the
// rose turned by the heading, the speed arrows pointing at their directions and filled to their speeds, the
// current arrows, the direction texts at the rim, and a heading that is not valid; checked on the rendered
// view at the positions computed from the rose radius.

#include "FreshStores.h"
#include "ReceivedRuntime.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/CompassImageWidget.h"
#include "ui/runtime/RuntimeDisplayableData.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

#include <optional>

using ScreenPictures::isNear;
using ScreenPictures::pixelsNear;

namespace {

const QColor north(226, 64, 48); // the "N" of the TRUE rose
const QColor bowMark(255, 255, 255); // the bow triangle of the bow-up rose
const QColor starboardArc(40, 180, 80);

ESRuntimeScreenSetup *pageD()
{
    return ESDataClass::instance()->localSetup()->RuntimeScreenSetupD();
}

} // namespace

class tst_CompassImageWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void modeButton_data();
    void modeButton();
    void settingChoosesTheMode();
    void modeSwitchesKeepTheRoseSize();
    void arrowsAndRose_data();
    void arrowsAndRose();
    void speedFillsTheShaft_data();
    void speedFillsTheShaft();
    void anglesTextsAtTheRim_data();
    void anglesTextsAtTheRim();
    void invalidHeadingInTrueMode();
    void pictures();

private:
    void start(int side = 440);
    QColor colourOf(const char *name) const;
    // The view's pixel at radius r (in rose radii) and screen angle a (degrees clockwise from up).
    QPoint at(double r, double a) const;
    QPoint centre() const { return QPoint(m_view->width() / 2, m_view->height() / 2); }
    void click();

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
    std::optional<ScreenStage> m_stage;
    CompassImageWidget *m_view = nullptr;
    QPushButton *m_button = nullptr;
};

void tst_CompassImageWidget::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // The colours of the palette "Green", read from a colour file of this case's own.
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Green"));
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setMaxSpeed(20.0);
    m_stage.emplace();
    m_view = new CompassImageWidget(m_stage->layout);
    m_button = m_view->findChild<QPushButton *>(QStringLiteral("pushButton"));
}

void tst_CompassImageWidget::cleanup()
{
    m_stage.reset();
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_CompassImageWidget::start(int side)
{
    m_view->setGeometry(0, 0, side, side);
    m_stage->start();
    QCoreApplication::processEvents();
}

QColor tst_CompassImageWidget::colourOf(const char *name) const
{
    RuntimeDisplayableData feed(
        ESDataInfoClass::instance()->runtimeDataInfo()->getRuntimePropertyInfo(QLatin1String(name)));
    return feed.color();
}

QPoint tst_CompassImageWidget::at(double r, double a) const
{
    const double R = m_view->radius();
    const double t = qDegreesToRadians(a);
    return centre() + QPointF(std::sin(t) * r * R, -std::cos(t) * r * R).toPoint();
}

void tst_CompassImageWidget::click()
{
    QTest::mouseClick(m_button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void tst_CompassImageWidget::modeButton_data()
{
    QTest::addColumn<QString>("heading"); // received item, empty: never received
    QTest::addColumn<bool>("startTrue");
    QTest::addColumn<bool>("endTrue");
    QTest::addColumn<QList<int>>("announced"); // AngleCalc values announced by the click
    QTest::newRow("no heading, RELATIVE: nothing") << QString() << false << false << QList<int>();
    QTest::newRow("heading not valid, RELATIVE: nothing") << "Heading==F" << false << false << QList<int>();
    QTest::newRow("valid heading: to TRUE") << "Heading=12.5=T" << false << true << QList<int> { 0 };
    QTest::newRow("valid heading, TRUE: back to RELATIVE")
        << "Heading=12.5=T" << true << false << QList<int> { 1 };
    QTest::newRow("heading lost while TRUE: back to RELATIVE")
        << "Heading==F" << true << false << QList<int> { 1 };
}

void tst_CompassImageWidget::modeButton()
{
    QFETCH(QString, heading);
    QFETCH(bool, startTrue);
    QFETCH(bool, endTrue);
    QFETCH(QList<int>, announced);
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=5=T") }));
    if (startTrue) {
        click();
        QVERIFY(m_view->isTrueMode());
    }
    if (heading.isEmpty())
        expireRuntime(QStringLiteral("Heading"));
    else
        QVERIFY(receiveRuntime({ heading }));

    QSignalSpy spy(pageD(), &ESRuntimeScreenSetup::AngleCalcChanged);
    click();
    QCOMPARE(m_view->isTrueMode(), endTrue);
    QCOMPARE(spy.count(), announced.size());
    for (int i = 0; i < announced.size(); ++i)
        QCOMPARE(spy.at(i).at(0).toInt(), announced.at(i));
    if (!announced.isEmpty())
        QCOMPARE(pageD()->AngleCalc(), announced.last());
    QCOMPARE(m_button->text(), endTrue ? QStringLiteral("TRUE") : QStringLiteral("RELATIVE"));
}

void tst_CompassImageWidget::settingChoosesTheMode()
{
    // The view starts RELATIVE whatever the setting holds, and follows the setting's announcements.
    pageD()->blockSignals(true);
    pageD()->setAngleCalc(0);
    pageD()->blockSignals(false);
    CompassImageWidget view(m_stage->layout);
    QVERIFY(!view.isTrueMode());
    pageD()->setAngleCalc(0);
    QVERIFY(view.isTrueMode());
    QCOMPARE(view.findChild<QPushButton *>(QStringLiteral("pushButton"))->text(), QStringLiteral("TRUE"));
    pageD()->setAngleCalc(1);
    QVERIFY(!view.isTrueMode());
}

void tst_CompassImageWidget::modeSwitchesKeepTheRoseSize()
{
    start(437);
    // 437 x 4 / 5 = 349 pixels of rose, radius 174.5; the vessel 349 / 1.6265.
    QCOMPARE(m_view->roseImage().height(), 349);
    QCOMPARE(m_view->vesselImage().height(), int(349 / 1.6265f));
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=5=T") }));
    for (int i = 0; i < 4; ++i) {
        click();
        QCOMPARE(m_view->roseImage().height(), 349);
    }
    QCOMPARE(m_view->radius(), 174.5f);
}

void tst_CompassImageWidget::arrowsAndRose_data()
{
    QTest::addColumn<bool>("trueMode");
    QTest::addColumn<double>("heading");
    QTest::addColumn<double>("sogAngle"); // bow-relative, as received
    QTest::addColumn<double>("stwAngle"); // -1: not valid
    QTest::addColumn<double>("currentAngle"); // -1: not valid
    QTest::addColumn<double>("northAt"); // screen angle of the rose's north, -1 for the bow-up rose
    QTest::newRow("RELATIVE, SOG 45") << false << 350.0 << 45.0 << -1.0 << -1.0 << -1.0;
    QTest::newRow("TRUE, heading 350, SOG 20") << true << 350.0 << 20.0 << 120.0 << 90.0 << 10.0;
    QTest::newRow("TRUE, heading 90, STW 200, current 300")
        << true << 90.0 << 300.0 << 200.0 << 300.0 << 270.0;
    QTest::newRow("RELATIVE, current astern") << false << 0.0 << 0.0 << 90.0 << 180.0 << -1.0;
}

void tst_CompassImageWidget::arrowsAndRose()
{
    QFETCH(bool, trueMode);
    QFETCH(double, heading);
    QFETCH(double, sogAngle);
    QFETCH(double, stwAngle);
    QFETCH(double, currentAngle);
    QFETCH(double, northAt);
    start();
    QStringList items { QStringLiteral("Heading=%1=T").arg(heading), QStringLiteral("SpeedGPS=10=T"),
        QStringLiteral("AngleSpeedGPS=%1=T").arg(sogAngle) };
    if (stwAngle >= 0)
        items << QStringLiteral("SpeedSTWLog=10=T") << QStringLiteral("AngleSpeedSTWLog=%1=T").arg(stwAngle);
    if (currentAngle >= 0)
        items << QStringLiteral("WaterCurrent=1=T")
              << QStringLiteral("AngleWaterCurrent=%1=T").arg(currentAngle);
    QVERIFY(receiveRuntime(items));
    if (trueMode)
        click();
    QCOMPARE(m_view->isTrueMode(), trueMode);
    m_stage->savePicture(QStringLiteral("arrows-") + QString::fromLatin1(QTest::currentDataTag()), m_view);
    const QImage image = m_view->grab().toImage();
    const double R = m_view->radius();

    // Each speed arrow's head touches the rim at its bow-relative direction, whatever the mode.
    QVERIFY(isNear(image, at(0.95, sogAngle), colourOf("SpeedGPS"), 40));
    if (stwAngle >= 0)
        QVERIFY(isNear(image, at(0.95, stwAngle), colourOf("SpeedSTWLog"), 40));
    else
        QCOMPARE(pixelsNear(image, image.rect(), colourOf("SpeedSTWLog"), 20), 0);

    // The current arrows beside the vessel: with the current astern of the bow (relative 0) they point
    // left, turning clockwise with the angle.
    const QColor current = colourOf("WaterCurrent");
    if (currentAngle >= 0) {
        for (const double side : { -1.0, 1.0 }) {
            const double t = qDegreesToRadians(currentAngle);
            // A point in the head: R/6 - R/60 from the arrow's centre, towards its tip.
            const double d = R / 6 - R / 60;
            const QPoint head
                = centre() + QPointF(side * R / 3 - std::cos(t) * d, -std::sin(t) * d).toPoint();
            QVERIFY2(isNear(image, head, current, 40), qPrintable(image.pixelColor(head).name()));
        }
    } else {
        QCOMPARE(pixelsNear(image, QRect(centre() - QPoint(R / 2, R / 4), QSize(R, R / 2)), current, 20), 0);
    }

    // The rose: the TRUE rose's north turned to the heading's opposite; the bow-up rose has its bow mark up.
    if (northAt >= 0) {
        QVERIFY(pixelsNear(image, QRect(at(0.8275, northAt) - QPoint(6, 6), QSize(13, 13)), north, 40) > 5);
        if (northAt != 0)
            QCOMPARE(pixelsNear(image, QRect(at(0.8275, 0) - QPoint(6, 6), QSize(13, 13)), north, 40), 0);
    } else {
        QVERIFY(pixelsNear(image, QRect(at(0.82, 0) - QPoint(4, 4), QSize(9, 9)), bowMark, 40) > 5);
        QVERIFY(isNear(image, at(0.765, 135), starboardArc, 40));
    }
}

void tst_CompassImageWidget::speedFillsTheShaft_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("filledTo"); // in rose radii
    QTest::newRow("at the maximum") << 20.0 << 20.0 << 0.95;
    QTest::newRow("half") << 10.0 << 20.0 << 0.5;
    QTest::newRow("a quarter") << 3.0 << 12.0 << 0.25;
    QTest::newRow("zero") << 0.0 << 20.0 << 0.0;
    QTest::newRow("above the maximum") << 30.0 << 20.0 << 0.95;
    QTest::newRow("maximum 0") << 1.0 << 0.0 << 0.95;
}

void tst_CompassImageWidget::speedFillsTheShaft()
{
    QFETCH(double, speed);
    QFETCH(double, maximum);
    QFETCH(double, filledTo);
    ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->setMaxSpeed(maximum);
    start();
    QVERIFY(
        receiveRuntime({ QStringLiteral("SpeedGPS=%1=T").arg(speed), QStringLiteral("AngleSpeedGPS=90=T") }));
    QCoreApplication::processEvents();
    const QImage image = m_view->grab().toImage();
    const QColor colour = colourOf("SpeedGPS");
    const CompassGeometry &g = m_view->drawing();
    // Along the arrow to starboard: the middle of each dash is in full colour inside the speed, faint
    // (not the full colour) beyond it.
    for (const QLine &dash : g.speedDashes) {
        const double middle = -(dash.p1().y() + dash.p2().y()) / 2.0 / g.R;
        if (dash.p1().y() == dash.p2().y())
            continue;
        const QPoint p = at(middle, 90);
        const bool full = middle < filledTo - 0.01;
        const bool faint = middle > filledTo + 0.01;
        if (full)
            QVERIFY2(isNear(image, p, colour, 30), qPrintable(QString::number(middle)));
        if (faint)
            QVERIFY2(!isNear(image, p, colour, 60), qPrintable(QString::number(middle)));
    }
    // The head is always in full colour.
    QVERIFY(isNear(image, at(0.96, 90), colour, 40));
}

void tst_CompassImageWidget::anglesTextsAtTheRim_data()
{
    QTest::addColumn<bool>("trueMode");
    QTest::addColumn<double>("sog");
    QTest::addColumn<double>("stw");
    QTest::addColumn<double>("sogTextAt"); // screen angle of the text's rim point
    QTest::addColumn<double>("stwTextAt");
    QTest::newRow("apart") << false << 45.0 << 200.0 << 45.0 << 200.0;
    QTest::newRow("STW 15 clockwise of SOG: pushed apart") << false << 10.0 << 25.0 << 0.0 << 35.0;
    QTest::newRow("STW 15 anticlockwise of SOG") << false << 25.0 << 10.0 << 35.0 << 0.0;
    QTest::newRow("TRUE, heading 350") << true << 20.0 << 100.0 << 20.0 << 100.0;
}

void tst_CompassImageWidget::anglesTextsAtTheRim()
{
    QFETCH(bool, trueMode);
    QFETCH(double, sog);
    QFETCH(double, stw);
    QFETCH(double, sogTextAt);
    QFETCH(double, stwTextAt);
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=350=T"), QStringLiteral("SpeedGPS=5=T"),
        QStringLiteral("AngleSpeedGPS=%1=T").arg(sog), QStringLiteral("SpeedSTWLog=5=T"),
        QStringLiteral("AngleSpeedSTWLog=%1=T").arg(stw) }));
    if (trueMode)
        click();
    QCoreApplication::processEvents();
    const QImage image = m_view->grab().toImage();
    const QFontMetrics metrics(m_view->font());
    const double heading = trueMode ? 350 : 0;
    const CompassGeometry &g = m_view->drawing();
    // The text's box from its baseline start, computed from the screen angle of its rim point.
    auto textBox = [&](double shown, double screenAngle) {
        const QString text = QString::number(std::fmod(shown + 360, 360), 'f', 1) + QChar(0x00B0);
        const QPoint start = centre()
            + g.angleLabelPosition(screenAngle, 0, metrics.height(), metrics.horizontalAdvance(text));
        return QRect(
            start.x(), start.y() - metrics.ascent(), metrics.horizontalAdvance(text), metrics.ascent());
    };
    const QRect sogBox = textBox(sog + heading, sogTextAt);
    const QRect stwBox = textBox(stw + heading, stwTextAt);
    QVERIFY2(pixelsNear(image, sogBox, colourOf("SpeedGPS"), 40) > 10,
        qPrintable(QStringLiteral("%1,%2").arg(sogBox.x()).arg(sogBox.y())));
    QVERIFY(pixelsNear(image, stwBox, colourOf("SpeedSTWLog"), 40) > 10);
    QVERIFY(m_view->rect().contains(sogBox));
}

void tst_CompassImageWidget::invalidHeadingInTrueMode()
{
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=350=T"), QStringLiteral("SpeedGPS=5=T"),
        QStringLiteral("AngleSpeedGPS=20=T") }));
    click();
    QVERIFY(m_view->isTrueMode());
    QImage image = m_view->grab().toImage();
    QVERIFY(pixelsNear(image, QRect(at(0.8275, 10) - QPoint(6, 6), QSize(13, 13)), north, 40) > 5);

    // The heading expires: neither the stale 350 nor 0 is drawn. The rose stands bow up without north,
    // the mode is kept, and the arrow still points at its bow-relative direction.
    expireRuntime(QStringLiteral("Heading"));
    QCoreApplication::processEvents();
    QVERIFY(m_view->isTrueMode());
    QCOMPARE(m_button->text(), QStringLiteral("TRUE"));
    m_stage->savePicture(QStringLiteral("true-mode-heading-not-valid"), m_view);
    image = m_view->grab().toImage();
    QCOMPARE(pixelsNear(image, QRect(at(0.8275, 10) - QPoint(8, 8), QSize(17, 17)), north, 40), 0);
    QVERIFY(pixelsNear(image, QRect(at(0.82, 0) - QPoint(4, 4), QSize(9, 9)), bowMark, 40) > 5);
    QVERIFY(isNear(image, at(0.95, 20), colourOf("SpeedGPS"), 40));

    // Back with a valid heading: turned again.
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=90=T") }));
    QCoreApplication::processEvents();
    image = m_view->grab().toImage();
    QVERIFY(pixelsNear(image, QRect(at(0.8275, 270) - QPoint(6, 6), QSize(13, 13)), north, 40) > 5);
}

void tst_CompassImageWidget::pictures()
{
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=350=T"), QStringLiteral("SpeedGPS=12=T"),
        QStringLiteral("AngleSpeedGPS=20=T"), QStringLiteral("SpeedSTWLog=6=T"),
        QStringLiteral("AngleSpeedSTWLog=35=T"), QStringLiteral("WaterCurrent=1=T"),
        QStringLiteral("AngleWaterCurrent=120=T") }));
    m_stage->savePicture(QStringLiteral("compass-440-relative"), m_view);
    click();
    m_stage->savePicture(QStringLiteral("compass-440-true"), m_view);
    m_stage->resize(QSize(1024, 600));
    m_stage->savePicture(QStringLiteral("compass-1024x600-window-true"), m_view);
    QVERIFY(m_view->width() > 440);
}

QTEST_MAIN(tst_CompassImageWidget)
#include "tst_compassimagewidget.moc"
