// The brightness control of the main window, the runtime pages and the dimming page: the brightness it
// applies through the main window, the percent label, the held button that repeats and speeds up, the
// dimming preset chosen for a brightness, and hiding after inactivity with what each variant does then.

#include "FreshStores.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ES_Alerts.h"
#include "hardware/DimmingController.h"
#include "ui/window/BaseScreen.h"
#include "ui/window/BrightnessSliderWrapper.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <optional>

namespace {

enum Variant { DimmingPage, RuntimePages, Standby };

} // namespace

Q_DECLARE_METATYPE(Variant)

class tst_BrightnessSlider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sliderAppliesAndShowsPercent_data();
    void sliderAppliesAndShowsPercent();
    void buttonsStopAtTheEnds_data();
    void buttonsStopAtTheEnds();
    void heldButtonRepeatsFaster();
    void presetForBrightness_data();
    void presetForBrightness();
    void hidesAfterInactivity_data();
    void hidesAfterInactivity();

private:
    // The control's widgets in the main window, driven by a wrapper of the given variant.
    void build(Variant variant)
    {
        m_slider = new QSlider(Qt::Vertical, m_window);
        m_slider->setRange(0, 255);
        m_slider->setPageStep(5);
        m_slider->setValue(60);
        m_slider->setGeometry(600, 40, 81, 371);
        m_increase = new QPushButton(QStringLiteral("+"), m_window);
        m_increase->setGeometry(690, 140, 71, 61);
        m_decrease = new QPushButton(QStringLiteral("-"), m_window);
        m_decrease->setGeometry(690, 210, 71, 63);
        m_label = new QLabel(QStringLiteral("100%"), m_window);
        m_label->setGeometry(690, 40, 81, 51);
        m_wrapper = new BrightnessSliderWrapper(
            m_slider, m_increase, m_decrease, m_label, variant == DimmingPage, m_window, variant == Standby);
        // As the system object does once the window stands.
        m_window->applyNormalBrightness();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    LocalDimmingSetupContainer *presets() const
    {
        return ESDataClass::instance()->localSetup()->DimmingSetupContainer();
    }
    RemoteDimmingSetup *remote() const { return ESDataClass::instance()->localSetup()->DimmingSetup(); }

    std::optional<FreshStores> m_stores;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
    QSlider *m_slider = nullptr;
    QPushButton *m_increase = nullptr;
    QPushButton *m_decrease = nullptr;
    QLabel *m_label = nullptr;
    BrightnessSliderWrapper *m_wrapper = nullptr;
};

void tst_BrightnessSlider::init()
{
    m_stores.emplace();
    m_dimming = new DimmingController;
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming);
}

void tst_BrightnessSlider::cleanup()
{
    delete m_window;
    delete m_dimming;
    m_stores.reset();
}

void tst_BrightnessSlider::sliderAppliesAndShowsPercent_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");

    QTest::newRow("full") << 255 << "99%";
    QTest::newRow("half") << 128 << "50%";
    QTest::newRow("black") << 0 << "0%";
    QTest::newRow("below one percent") << 2 << "0%";
    QTest::newRow("one percent") << 3 << "1%";
    QTest::newRow("bright") << 200 << "78%";
}

void tst_BrightnessSlider::sliderAppliesAndShowsPercent()
{
    QFETCH(int, value);
    QFETCH(QString, label);

    build(RuntimePages);
    QSignalSpy values(m_wrapper, &BrightnessSliderWrapper::valueChanged);
    // A drag of the handle: the slider takes the value.
    m_slider->setSliderPosition(value);
    QCOMPARE(m_label->text(), label);
    QCOMPARE(m_window->normalBrightness(), value);
    QCOMPARE(m_dimming->brightness(), value);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toInt(), value);
}

void tst_BrightnessSlider::buttonsStopAtTheEnds_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<int>("result");

    QTest::newRow("up at the top") << 255 << true << 255;
    QTest::newRow("up below the top") << 254 << true << 255;
    QTest::newRow("down at the bottom") << 0 << false << 0;
    QTest::newRow("down above the bottom") << 1 << false << 0;
    QTest::newRow("up in the middle") << 100 << true << 101;
}

void tst_BrightnessSlider::buttonsStopAtTheEnds()
{
    QFETCH(int, start);
    QFETCH(bool, increase);
    QFETCH(int, result);

    build(DimmingPage);
    m_wrapper->setSliderValue(start, true, false);
    QCOMPARE(m_window->normalBrightness(), start);
    QTest::mouseClick(increase ? m_increase : m_decrease, Qt::LeftButton);
    QCOMPARE(m_window->normalBrightness(), result);
    QCOMPARE(m_slider->value(), result);
    QCOMPARE(m_wrapper->step(), 1);
}

// One step at the press; after 400 ms every 70 ms, the step growing by one up to 5.
void tst_BrightnessSlider::heldButtonRepeatsFaster()
{
    build(DimmingPage);
    m_wrapper->setSliderValue(100, true, false);
    QSignalSpy values(m_wrapper, &BrightnessSliderWrapper::valueChanged);
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(m_increase, Qt::LeftButton);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toInt(), 101);
    QTRY_VERIFY_WITH_TIMEOUT(values.count() >= 2, 2000);
    QVERIFY2(clock.elapsed() >= 380, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(values.count() >= 8, 3000);
    QTest::mouseRelease(m_increase, Qt::LeftButton);
    const QList<int> expected { 101, 103, 106, 110, 115, 120, 125, 130 };
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(values.at(i).at(0).toInt(), expected.at(i));
    // The release ends the repeat and starts the next hold from step 1.
    const int count = values.count();
    QTest::qWait(200);
    QCOMPARE(values.count(), count);
    QCOMPARE(m_wrapper->step(), 1);
}

void tst_BrightnessSlider::presetForBrightness_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QString>("letter");

    QTest::newRow("below off") << 10 << "O";
    QTest::newRow("at off") << 20 << "N";
    QTest::newRow("below twilight") << 119 << "K";
    QTest::newRow("at twilight") << 120 << "D";
    QTest::newRow("above day") << 250 << "D";
}

// A release of a button of the runtime pages' control chooses the preset whose band holds the brightness.
void tst_BrightnessSlider::presetForBrightness()
{
    QFETCH(int, brightness);
    QFETCH(QString, letter);

    presets()->OffDimmingSetup()->setBrightness(20);
    presets()->NightDimmingSetup()->setBrightness(60);
    presets()->TwilightDimmingSetup()->setBrightness(120);
    presets()->DayDimmingSetup()->setBrightness(240);
    remote()->setDimmingPreset(QStringLiteral("U"));
    remote()->setColorPalette(QStringLiteral("U"));
    build(RuntimePages);
    m_wrapper->setSliderValue(brightness + 1, true, false);
    QSignalSpy presetChanges(remote(), &RemoteDimmingSetup::DimmingPresetChanged);
    QTest::mouseClick(m_decrease, Qt::LeftButton);
    QCOMPARE(int(m_window->currentBrightness()), brightness);
    QCOMPARE(remote()->DimmingPreset(), letter);
    QCOMPARE(remote()->ColorPalette(), letter);
    QCOMPARE(presetChanges.count(), 1);
}

void tst_BrightnessSlider::hidesAfterInactivity_data()
{
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<bool>("announcesHidden");
    QTest::addColumn<bool>("publishesPercent");

    QTest::newRow("runtime pages") << RuntimePages << true << false << true;
    QTest::newRow("standby") << Standby << true << true << false;
    QTest::newRow("dimming page") << DimmingPage << false << false << false;
}

void tst_BrightnessSlider::hidesAfterInactivity()
{
    QFETCH(Variant, variant);
    QFETCH(bool, hides);
    QFETCH(bool, announcesHidden);
    QFETCH(bool, publishesPercent);

    build(variant);
    remote()->setCurrentBrightnessPercentage(10);
    QSignalSpy hidden(m_wrapper, &BrightnessSliderWrapper::sliderHidden);
    m_slider->hide();
    m_label->hide();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(m_increase, Qt::LeftButton);
    // A button press shows the control.
    QVERIFY(m_slider->isVisible());
    QVERIFY(m_label->isVisible());
    QCOMPARE(m_window->normalBrightness(), 129);
    if (hides) {
        QTRY_VERIFY_WITH_TIMEOUT(m_slider->isHidden(), 5000);
        // Eight ticks of 300 ms after the last activity.
        QVERIFY2(clock.elapsed() >= 2300, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(m_label->isHidden());
    } else {
        QTest::qWait(3000);
        QVERIFY(m_slider->isVisible());
    }
    QCOMPARE(hidden.count(), announcesHidden ? 1 : 0);
    QCOMPARE(remote()->CurrentBrightnessPercentage(), publishesPercent ? int(129 / 2.56) : 10);
}

QTEST_MAIN(tst_BrightnessSlider)
#include "tst_brightnessslider.moc"
