// The main window as far as it stands: title, the alarm panel overlay, brightness with its overlay and
// alarm floor, the standby screen and the key click of push buttons.

#include "data/ESDataClass.h"
#include "data/ES_Alerts.h"
#include "hardware/DimmingController.h"
#include "ui/AlarmWidget.h"
#include "ui/BaseScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Counts the style-sheet writes of a widget.
class StyleChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class tst_BaseScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndOverlays();
    void brightnessOverlay_data();
    void brightnessOverlay();
    void brightOverlayWrittenOnce();
    void alarmFloor();
    void alarmPanelAsksForAlarmFloor();
    void increaseToAlarmLevel();
    void standbyScreen();
    void standbyTapWakesSystem();
    void standbyHoldNeverLeavesScreenBlack();
    void pushButtonPressGivesKeyClick();

private:
    QWidget *brightnessWidget() const
    {
        return m_window->findChild<QWidget *>(QStringLiteral("brightness_widget"));
    }

    ES_Alerts *m_alerts = nullptr;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
};

void tst_BaseScreen::init()
{
    m_alerts = ESDataClass::instance()->alerts();
    for (SerializableAlertInfo *alert : m_alerts->alerts())
        alert->setAlertState(5);
    m_dimming = new DimmingController;
    m_window = new BaseScreen(m_alerts, m_dimming);
}

void tst_BaseScreen::cleanup()
{
    delete m_window;
    delete m_dimming;
}

void tst_BaseScreen::windowAndOverlays()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("BaseScreen"));
    QCOMPARE(m_window->size(), QSize(800, 480));
    auto *title = m_window->findChild<QLabel *>(QStringLiteral("title_label_left"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("MIRLOX RN4400"));

    AlarmWidget *panel = m_window->alarmWidget();
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget()->objectName(), QStringLiteral("custom_layout"));
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->baseSize(), QSize(360, 192));
    QCOMPARE(panel->pos(), QPoint(240, 0));
    QVERIFY(m_window->communicationInformationTable());

    QWidget *overlay = brightnessWidget();
    QVERIFY(overlay);
    QVERIFY(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(overlay->parentWidget()->children().last(), overlay);
}

void tst_BaseScreen::brightnessOverlay_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("applied");

    QTest::newRow("black") << 0 << 210 << 0;
    QTest::newRow("24") << 24 << 109 << 24;
    QTest::newRow("49") << 49 << 4 << 49;
    QTest::newRow("50") << 50 << 0 << 50;
    QTest::newRow("full") << 255 << 0 << 255;
    QTest::newRow("above range") << 300 << 0 << 255;
}

void tst_BaseScreen::brightnessOverlay()
{
    QFETCH(int, value);
    QFETCH(int, alpha);
    QFETCH(int, applied);

    m_window->applyBrightness(value, false);
    QCOMPARE(m_window->overlayAlpha(), alpha);
    QCOMPARE(m_dimming->brightness(), applied);
    if (alpha > 0)
        QCOMPARE(brightnessWidget()->styleSheet(),
            QStringLiteral("background-color : rgba(0, 0, 0, %1);").arg(alpha));
}

void tst_BaseScreen::brightOverlayWrittenOnce()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    StyleChangeCounter counter;
    brightnessWidget()->installEventFilter(&counter);
    m_window->applyBrightness(31, false);
    QCOMPARE(m_window->overlayAlpha(), 79);
    const int afterDark = counter.count;
    QVERIFY(afterDark > 0);
    m_window->applyBrightness(200, false);
    QCOMPARE(brightnessWidget()->styleSheet(), QStringLiteral("background-color : rgba(0, 0, 0, 0);"));
    const int afterBright = counter.count;
    QVERIFY(afterBright > afterDark);
    m_window->applyBrightness(150, false);
    QCOMPARE(counter.count, afterBright);
    QCOMPARE(m_dimming->brightness(), 150);
}

void tst_BaseScreen::alarmFloor()
{
    m_window->storeBrightness(20, false);
    QCOMPARE(m_dimming->brightness(), 20);
    m_window->adjustBrightnessToAlarmState(true);
    QCOMPARE(m_dimming->brightness(), 40);
    m_window->applyBrightness(20, false);
    QCOMPARE(m_dimming->brightness(), 40);
    QCOMPARE(m_window->overlayAlpha(), 42);
    m_window->applyBrightness(20, true);
    QCOMPARE(m_dimming->brightness(), 20);

    // Once nothing needs attention the chosen brightness returns.
    m_window->adjustBrightnessToAlarmState(false);
    QCOMPARE(m_dimming->brightness(), 20);
    QCOMPARE(m_window->normalBrightness(), 20);

    // A bright display is never touched by the alarm state.
    m_window->storeBrightness(100, false);
    m_window->adjustBrightnessToAlarmState(true);
    QCOMPARE(m_dimming->brightness(), 100);
}

void tst_BaseScreen::alarmPanelAsksForAlarmFloor()
{
    m_window->storeBrightness(10, false);
    m_alerts->AlertDisplayError()->setAlertPriority(1);
    m_alerts->AlertDisplayError()->setAlertState(0);
    m_window->alarmWidget()->setAlarm();
    QVERIFY(m_window->isAlarmActive());
    QCOMPARE(m_dimming->brightness(), 40);

    m_alerts->AlertDisplayError()->setAlertState(2);
    m_window->alarmWidget()->setAlarm();
    QVERIFY(!m_window->isAlarmActive());
    QCOMPARE(m_dimming->brightness(), 10);
}

void tst_BaseScreen::increaseToAlarmLevel()
{
    QSignalSpy reported(m_window, &BaseScreen::brightnessManuallyChangedToAlarmLevel);
    m_window->storeBrightness(100, false);
    m_window->increaseBrightnessToAlarmLevel();
    QCOMPARE(reported.count(), 0);
    QCOMPARE(m_window->normalBrightness(), 100);

    m_window->storeBrightness(10, false);
    m_window->increaseBrightnessToAlarmLevel();
    QCOMPARE(m_window->normalBrightness(), 40);
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.first().first().toInt(), 15);
}

void tst_BaseScreen::standbyScreen()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->adjustBrightnessToAlarmState(true);
    m_window->setStandbyMode(true);
    QVERIFY(m_window->isStandby());
    QPushButton *button = m_window->standbyButton();
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->size(), m_window->size());
    QCOMPARE(button->text(), QStringLiteral("STANDBY\n(press and hold\nto activate)"));
    // The standby brightness holds although an alert is active.
    QCOMPARE(m_dimming->brightness(), 20);
    QCOMPARE(m_window->currentBrightness(), 20.0);
    // The dimming overlay stays above the standby screen.
    QCOMPARE(brightnessWidget()->parentWidget()->children().last(), brightnessWidget());

    m_window->setStandbyMode(true);
    QCOMPARE(m_window->standbyButton(), button);

    m_window->adjustBrightnessToAlarmState(false);
    m_window->setStandbyMode(false);
    QVERIFY(!m_window->isStandby());
    QVERIFY(!m_window->standbyButton());
    QCOMPARE(m_dimming->brightness(), 128);
    m_window->setStandbyMode(false);
    QCOMPARE(m_dimming->brightness(), 128);
}

void tst_BaseScreen::standbyTapWakesSystem()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->setStandbyMode(true);
    QSignalSpy wakeUp(m_window, &BaseScreen::systemWakeUpSignal);
    QTest::mouseClick(m_window->standbyButton(), Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 1);
}

void tst_BaseScreen::standbyHoldNeverLeavesScreenBlack()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->setStandbyMode(true);
    m_window->storeBrightness(0, false);
    QCOMPARE(m_window->standbyBrightness(), 0);
    QCOMPARE(m_window->normalBrightness(), 128);

    QSignalSpy wakeUp(m_window, &BaseScreen::systemWakeUpSignal);
    QPushButton *button = m_window->standbyButton();
    QTest::mousePress(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->standbyBrightness(), 8, 4000);
    QCOMPARE(m_dimming->brightness(), 8);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 0);
    QCOMPARE(m_window->normalBrightness(), 128);
}

void tst_BaseScreen::pushButtonPressGivesKeyClick()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QSignalSpy clicks(m_window, &BaseScreen::buzzerTouchBeep);
    QTest::mouseClick(brightnessWidget(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    m_window->setStandbyMode(true);
    QTest::mouseClick(m_window->standbyButton(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(tst_BaseScreen)
#include "tst_basescreen.moc"
