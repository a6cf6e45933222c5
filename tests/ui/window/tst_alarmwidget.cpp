// The alarm panel on real widgets: compact icons and blinking, the expanded rows, scrolling through every
// active alert, acknowledging, dimming requests, the link loss, simulation and scaling.

#include "ScreenPictures.h"
#include "common/BuildConfiguration.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/SerializationController.h"
#include "ui/CustomLayout.h"
#include "ui/window/AlarmWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct AlertValues
{
    int state;
    int priority;
};

const QStringList alertTexts
    = { "Shallow Water", "Deep Water", "Bottom Lost", "Sensor Comms", "Power Fail", "TQ55 Comms Fail" };

using ScreenPictures::pixelsNear;

const QColor alarmRed(226, 32, 32);
const QColor warningOrange(255, 168, 0);

// The paint events of widgets, each as the painted region in the coordinates of `window`.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *window)
        : m_window(window)
    {
    }

    void watch(QWidget *widget) { widget->installEventFilter(this); }
    void clear() { painted.clear(); }

    QHash<QWidget *, QList<QRegion>> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            const QRegion region = static_cast<QPaintEvent *>(event)->region();
            painted[widget].append(region.translated(widget->mapTo(m_window, QPoint(0, 0))));
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

// The main window's arrangement: the panel inside the scaling container, under the dimming overlay,
// with the base size and position the main window gives it.
class Panel
{
public:
    Panel()
        : alerts(nullptr, QStringLiteral("ESAlerts"))
        , diagnostics(nullptr, QStringLiteral("DiagnosticsSetup"))
    {
        window.resize(800, 480);
        layout = new CustomLayout(&window, 800, 480);
        layout->setGeometry(0, 0, 800, 480);
        overlay = new QWidget(layout);
        overlay->setObjectName(QStringLiteral("brightness_widget"));
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
        overlay->setGeometry(0, 0, 800, 480);
        widget = new AlarmWidget(&alerts, &diagnostics, layout, overlay);
        widget->hide();
        widget->setBaseSize(360, 192);
        widget->resize(360, 192);
        widget->move(240, 0);
        widget->updateScaledGeometry();
        for (int i = 0; i < alertTexts.size(); ++i)
            alerts.alerts().at(i)->setAlertText(alertTexts.at(i));
    }

    bool start()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Sets the six alerts (state, priority) and announces them as a received text does.
    void receive(const QList<AlertValues> &values)
    {
        for (int i = 0; i < values.size() && i < alerts.alerts().size(); ++i) {
            alerts.alerts().at(i)->setAlertPriority(values.at(i).priority);
            alerts.alerts().at(i)->setAlertState(values.at(i).state);
        }
        emit alerts.dataReceivedFromCommunication();
    }

    void receiveStates(const QList<int> &states, int priority = 1)
    {
        QList<AlertValues> values;
        for (int state : states)
            values.append({ state, priority });
        receive(values);
    }

    QPushButton *button(const QString &name) const { return widget->findChild<QPushButton *>(name); }
    QPushButton *ackButton(int i) const { return button(QStringLiteral("alarmAckButton%1").arg(i)); }
    QLabel *rowLabel(int i) const
    {
        return widget->findChild<QLabel *>(QStringLiteral("alarmRowLabel%1").arg(i));
    }

    // The alerts whose rows are shown, in order from the top.
    QList<int> shownRows() const
    {
        QList<QPair<int, int>> rows;
        for (int i = 0; i < alertTexts.size(); ++i) {
            if (rowLabel(i)->isVisible())
                rows.append({ rowLabel(i)->y(), i });
        }
        std::sort(rows.begin(), rows.end());
        QList<int> result;
        for (const auto &row : qAsConst(rows))
            result.append(row.second);
        return result;
    }

    void expand() { QTest::mouseClick(button(QStringLiteral("alarmIconButton")), Qt::LeftButton); }

    QWidget window;
    // The alerts and the diagnostics settings the panel shows.
    ES_Alerts alerts;
    ESDiagnosticsSetup diagnostics;
    CustomLayout *layout;
    QWidget *overlay;
    AlarmWidget *widget;
};

class tst_AlarmWidget : public QObject
{
    Q_OBJECT

private slots:
    void alarmBlinksInCompactMode();
    void warningGroupSteadyWithBlinkingRow();
    void blinkRepaintsOnlyItsIcons_data();
    void blinkRepaintsOnlyItsIcons();
    void bothGroupsSideBySide();
    void scrolling_data();
    void scrolling();
    void acknowledge_data();
    void acknowledge();
    void collapsesWhenAllNormal();
    void lowPriorities();
    void linkLoss();
    void statesOutsideTable();
    void simulation();
    void scaledGeometry();
};

void tst_AlarmWidget::alarmBlinksInCompactMode()
{
    Panel panel;
    QVERIFY(panel.start());
    QSignalSpy dimming(panel.widget, &AlarmWidget::changeDisplayDimming);
    panel.receive({ { 0, 0 }, { 5, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 } });

    QVERIFY(panel.widget->isVisible());
    QVERIFY(panel.widget->isCompact());
    QCOMPARE(panel.widget->size(), panel.widget->compactSize());
    QCOMPARE(panel.widget->lowestAlarmState(), 0);
    QCOMPARE(panel.widget->lowestWarningState(), 5);
    QVERIFY(panel.widget->isBlinking());
    QCOMPARE(dimming.count(), 1);
    QCOMPARE(dimming.at(0).at(0).toBool(), true);
    // Directly under the dimming overlay.
    const QObjectList order = panel.layout->children();
    QCOMPARE(order.indexOf(panel.widget) + 1, order.indexOf(panel.overlay));

    // The icon is drawn only in the "on" phase of the 500 ms blink.
    const QRect iconSlot(15, 15, 64, 64);
    QTRY_VERIFY(!panel.widget->blinkPhase());
    QCOMPARE(pixelsNear(panel.widget->grab().toImage(), iconSlot, alarmRed), 0);
    QTRY_VERIFY(panel.widget->blinkPhase());
    QVERIFY(pixelsNear(panel.widget->grab().toImage(), iconSlot, alarmRed) > 500);

    // The same states again: no new dimming request.
    panel.receive({ { 0, 0 } });
    QCOMPARE(dimming.count(), 1);
}

void tst_AlarmWidget::warningGroupSteadyWithBlinkingRow()
{
    Panel panel;
    QVERIFY(panel.start());
    QSignalSpy dimming(panel.widget, &AlarmWidget::changeDisplayDimming);
    panel.receive({ { 5, 0 }, { 2, 1 }, { 4, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 } });
    QCOMPARE(panel.widget->lowestWarningState(), 2);
    QVERIFY(panel.widget->isBlinking()); // because of the rectified-unacknowledged alert
    QCOMPARE(dimming.count(), 1);
    QCOMPARE(dimming.at(0).at(0).toBool(), true);

    // The compact icon (acknowledged, the lowest state) is steady in both phases.
    const QRect iconSlot(15, 15, 64, 64);
    QTRY_VERIFY(!panel.widget->blinkPhase());
    QVERIFY(pixelsNear(panel.widget->grab().toImage(), iconSlot, warningOrange) > 500);
    QTRY_VERIFY(panel.widget->blinkPhase());
    QVERIFY(pixelsNear(panel.widget->grab().toImage(), iconSlot, warningOrange) > 500);

    panel.expand();
    QVERIFY(!panel.widget->isCompact());
    QCOMPARE(panel.widget->size(), panel.widget->fullSize());
    QCOMPARE(panel.shownRows(), QList<int>({ 1, 2 }));
    const int w = panel.widget->width();
    const int h = panel.widget->height();
    const QRect row0(int(0.05 * w), int(h * 0.05), w / 6, h / 6);
    const QRect row1(int(0.05 * w), int(h * (0.10 + 1 / 6.0)), w / 6, h / 6);
    QTRY_VERIFY(!panel.widget->blinkPhase());
    QImage image = panel.widget->grab().toImage();
    QVERIFY(pixelsNear(image, row0, warningOrange) > 50);
    QCOMPARE(pixelsNear(image, row1, warningOrange), 0);
    QTRY_VERIFY(panel.widget->blinkPhase());
    image = panel.widget->grab().toImage();
    QVERIFY(pixelsNear(image, row0, warningOrange) > 50);
    QVERIFY(pixelsNear(image, row1, warningOrange) > 50);
}

void tst_AlarmWidget::blinkRepaintsOnlyItsIcons_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QList<int>>("priorities");
    QTest::addColumn<bool>("expanded");
    // Where the icon blinks, in the panel's coordinates, and its colour.
    QTest::addColumn<QRect>("blinking");
    QTest::addColumn<QColor>("colour");

    const QList<int> alarmFirst = { 0, 1, 1, 1, 1, 1 };
    QTest::newRow("compact, alarm group")
        << QList<int>({ 0, 5, 5, 5, 5, 5 }) << alarmFirst << false << QRect(15, 15, 64, 64) << alarmRed;
    // The acknowledged alarm beside it is steady: only the warning group's slot is repainted.
    QTest::newRow("compact, warning group beside a steady alarm")
        << QList<int>({ 2, 0, 5, 5, 5, 5 }) << alarmFirst << false << QRect(79, 15, 64, 64) << warningOrange;
    // Rows: the acknowledged warning is steady, the rectified-unacknowledged one below it blinks. The full
    // panel is 360 x 192.
    QTest::newRow("expanded, the row that needs attention")
        << QList<int>({ 5, 2, 4, 5, 5, 5 }) << alarmFirst << true
        << QRect(int(0.05 * 360), int(192 * (0.10 + 1 / 6.0)), 360 / 6, 192 / 6) << warningOrange;
}

// The blink as the screen shows it: the panel lies over the pages of the window without a background of its
// own, so a repaint of the whole panel would repaint everything under it twice a second. Only the icon
// that blinks is repainted, and on the screen it still comes and goes.
void tst_AlarmWidget::blinkRepaintsOnlyItsIcons()
{
    QFETCH(QList<int>, states);
    QFETCH(QList<int>, priorities);
    QFETCH(bool, expanded);
    QFETCH(QRect, blinking);
    QFETCH(QColor, colour);

    Panel panel;
    // A page under the panel and a title beside it, as the main window has them.
    auto *page = new QLabel(QStringLiteral("page"), panel.layout);
    page->setGeometry(0, 30, 800, 417);
    page->lower();
    auto *title = new QLabel(QStringLiteral("12:34"), panel.layout);
    title->setGeometry(0, 0, 200, 30);
    QVERIFY(panel.start());
    QList<AlertValues> values;
    for (int i = 0; i < states.size(); ++i)
        values.append({ states.at(i), priorities.at(i) });
    panel.receive(values);
    if (expanded)
        panel.expand();
    QCOMPARE(panel.widget->isCompact(), !expanded);
    QVERIFY(panel.widget->isBlinking());

    PaintRecorder recorder(&panel.window);
    const QList<QWidget *> watched = { panel.widget, panel.layout, page, title, panel.overlay,
        panel.button(QStringLiteral("alarmIconButton")), panel.rowLabel(1), panel.rowLabel(2),
        panel.ackButton(1), panel.ackButton(2) };
    for (QWidget *widget : watched)
        recorder.watch(widget);
    // A whole blink period first, so that what showing and expanding painted is done.
    QTRY_VERIFY(!panel.widget->blinkPhase());
    QTRY_VERIFY(panel.widget->blinkPhase());
    QTRY_VERIFY(!panel.widget->blinkPhase());
    recorder.clear();

    // On the screen (the window's backing store) the icon goes, comes and goes again.
    const QRect onScreen(panel.widget->mapTo(&panel.window, blinking.topLeft()), blinking.size());
    auto shown = [&]() {
        const QImage screen = panel.window.screen()->grabWindow(panel.window.winId()).toImage();
        return pixelsNear(screen, onScreen, colour);
    };
    QTRY_COMPARE(shown(), 0);
    QTRY_VERIFY(shown() > 50);
    QTRY_COMPARE(shown(), 0);

    QVERIFY(recorder.painted.value(panel.widget).size() >= 2);
    QVERIFY(recorder.painted.value(title).isEmpty());
    for (QWidget *widget : watched) {
        for (const QRegion &region : recorder.painted.value(widget)) {
            QVERIFY2(region.subtracted(onScreen).isEmpty(),
                qPrintable(QStringLiteral("%1 painted %2,%3 %4x%5")
                               .arg(widget->objectName())
                               .arg(region.boundingRect().x())
                               .arg(region.boundingRect().y())
                               .arg(region.boundingRect().width())
                               .arg(region.boundingRect().height())));
        }
    }
}

void tst_AlarmWidget::bothGroupsSideBySide()
{
    Panel panel;
    QVERIFY(panel.start());
    panel.receive({ { 2, 0 }, { 5, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 } });
    QPushButton *icon = panel.button(QStringLiteral("alarmIconButton"));
    const int single = icon->width();
    // Half of half the compact width: 360 x 0.7 truncates to 251.
    QCOMPARE(panel.widget->compactSize(), QSize(251, 134));
    QCOMPARE(single, 62);
    QVERIFY(!panel.widget->isBlinking()); // acknowledged: steady

    panel.receive({ { 2, 0 }, { 3, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 }, { 5, 1 } });
    QCOMPARE(icon->width(), 125); // 0.5 x 0.5 x 2 x 251
    const QImage image = panel.widget->grab().toImage();
    QVERIFY(pixelsNear(image, QRect(15, 15, 64, 64), alarmRed) > 500);
    QVERIFY(pixelsNear(image, QRect(79, 15, 64, 64), warningOrange) > 500);
}

void tst_AlarmWidget::scrolling_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("downClicks");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("upEnabled");
    QTest::addColumn<bool>("downEnabled");

    const QList<int> fourLeading = { 0, 1, 2, 4, 5, 5 };
    QTest::newRow("four, top") << fourLeading << 0 << QList<int>({ 0, 1, 2 }) << false << true;
    QTest::newRow("four, one down") << fourLeading << 1 << QList<int>({ 1, 2, 3 }) << true << false;
    QTest::newRow("four, down is bounded") << fourLeading << 3 << QList<int>({ 1, 2, 3 }) << true << false;
    // Normal alerts before the active ones must not use up the scroll range: the last active alert
    // comes into view.
    const QList<int> fourTrailing = { 5, 5, 0, 0, 4, 1 };
    QTest::newRow("four after normal ones, top")
        << fourTrailing << 0 << QList<int>({ 2, 3, 4 }) << false << true;
    QTest::newRow("four after normal ones, one down")
        << fourTrailing << 1 << QList<int>({ 3, 4, 5 }) << true << false;
    const QList<int> scattered = { 0, 5, 4, 5, 1, 0 };
    QTest::newRow("scattered, one down") << scattered << 1 << QList<int>({ 2, 4, 5 }) << true << false;
    const QList<int> all = { 0, 1, 2, 3, 4, 0 };
    QTest::newRow("six, two down") << all << 2 << QList<int>({ 2, 3, 4 }) << true << true;
    QTest::newRow("six, three down") << all << 3 << QList<int>({ 3, 4, 5 }) << true << false;
    QTest::newRow("three") << QList<int>({ 5, 0, 5, 2, 5, 4 }) << 1 << QList<int>({ 1, 3, 5 }) << false
                           << false;
}

void tst_AlarmWidget::scrolling()
{
    QFETCH(QList<int>, states);
    QFETCH(int, downClicks);
    QFETCH(QList<int>, rows);
    QFETCH(bool, upEnabled);
    QFETCH(bool, downEnabled);

    Panel panel;
    QVERIFY(panel.start());
    panel.receiveStates(states);
    panel.expand();
    QPushButton *down = panel.button(QStringLiteral("alarmDownButton"));
    QPushButton *up = panel.button(QStringLiteral("alarmUpButton"));
    for (int i = 0; i < downClicks; ++i) {
        if (down->isEnabled())
            QTest::mouseClick(down, Qt::LeftButton);
        else
            panel.widget->downButtonClicked(); // the bound holds even when asked directly
    }
    QCOMPARE(panel.shownRows(), rows);
    QCOMPARE(up->isEnabled(), upEnabled);
    QCOMPARE(down->isEnabled(), downEnabled);

    // Every shown alert can be acknowledged from its own row.
    QSignalSpy acks(panel.widget, &AlarmWidget::ackAlerts);
    const int last = rows.last();
    if (states.at(last) != 2 && states.at(last) != 3) {
        QTest::mouseClick(panel.ackButton(last), Qt::LeftButton);
        QCOMPARE(acks.count(), 1);
        QCOMPARE(panel.alerts.AckFromDisplay(), alertTexts.at(last));
    }

    // Back up to the top.
    while (up->isEnabled())
        QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(panel.widget->scrollOffset(), 0);
}

void tst_AlarmWidget::acknowledge_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("active unacknowledged") << 0 << true;
    QTest::newRow("silenced") << 1 << true;
    QTest::newRow("acknowledged") << 2 << false;
    QTest::newRow("responsibility transferred") << 3 << false;
    QTest::newRow("rectified unacknowledged") << 4 << true;
}

void tst_AlarmWidget::acknowledge()
{
    QFETCH(int, state);
    QFETCH(bool, enabled);

    Panel panel;
    QVERIFY(panel.start());
    panel.receive({ { 5, 0 }, { 5, 0 }, { 5, 0 }, { state, 1 }, { 5, 0 }, { 5, 0 } });
    panel.expand();
    QPushButton *ack = panel.ackButton(3);
    QVERIFY(ack->isVisible());
    QCOMPARE(ack->text(), QStringLiteral("Acknowledge"));
    QCOMPARE(ack->isEnabled(), enabled);
    QCOMPARE(panel.rowLabel(3)->text(), QStringLiteral("Sensor Comms"));

    QSignalSpy acks(panel.widget, &AlarmWidget::ackAlerts);
    QSignalSpy written(&panel.alerts, &ES_Alerts::AckFromDisplayChanged);
    QTest::mouseClick(ack, Qt::LeftButton);
    QCOMPARE(acks.count(), enabled ? 1 : 0);
    QCOMPARE(written.count(), enabled ? 1 : 0);
    if (enabled) {
        QCOMPARE(written.at(0).at(0).toString(), QStringLiteral("Sensor Comms"));
        QCOMPARE(panel.alerts.AckFromDisplay(), QStringLiteral("Sensor Comms"));
    }
}

void tst_AlarmWidget::collapsesWhenAllNormal()
{
    Panel panel;
    QVERIFY(panel.start());
    QSignalSpy dimming(panel.widget, &AlarmWidget::changeDisplayDimming);
    QSignalSpy help(panel.widget, &AlarmWidget::navigateToDiagnosticSetup);
    panel.receiveStates({ 0, 5, 5, 5, 5, 5 }, 0);
    panel.expand();
    QTest::mouseClick(panel.button(QStringLiteral("alarmHelpButton")), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QVERIFY(!panel.widget->isCompact());

    panel.receiveStates({ 5, 5, 5, 5, 5, 5 }, 0);
    QVERIFY(panel.widget->isCompact());
    QVERIFY(!panel.widget->isVisible());
    QVERIFY(!panel.widget->isBlinking());
    QCOMPARE(dimming.count(), 2);
    QCOMPARE(dimming.at(1).at(0).toBool(), false);
    QCOMPARE(panel.widget->rowCount(), 0);

    // Shown again, it keeps the compact mode; Exit returns from the expanded one.
    panel.receiveStates({ 2, 5, 5, 5, 5, 5 }, 0);
    QVERIFY(panel.widget->isVisible());
    QVERIFY(panel.widget->isCompact());
    panel.expand();
    QVERIFY(!panel.widget->isCompact());
    QTest::mouseClick(panel.button(QStringLiteral("alarmExitButton")), Qt::LeftButton);
    QVERIFY(panel.widget->isCompact());
    QCOMPARE(panel.widget->size(), panel.widget->compactSize());
    QVERIFY(!panel.rowLabel(0)->isVisible());
}

void tst_AlarmWidget::lowPriorities()
{
    Panel panel;
    QVERIFY(panel.start());
    QSignalSpy dimming(panel.widget, &AlarmWidget::changeDisplayDimming);
    // Caution and emergency alarm alone leave the panel hidden.
    panel.receive({ { 0, 2 }, { 0, 3 }, { 5, 0 }, { 5, 0 }, { 5, 0 }, { 5, 0 } });
    QVERIFY(!panel.widget->isVisible());
    QCOMPARE(dimming.count(), 0);

    // With an alarm shown they take rows, with the plain (red) state icon, and count.
    panel.receive({ { 0, 2 }, { 0, 3 }, { 2, 0 }, { 5, 0 }, { 5, 0 }, { 5, 0 } });
    QVERIFY(panel.widget->isVisible());
    panel.expand();
    QCOMPARE(panel.widget->rowCount(), 3);
    QCOMPARE(panel.shownRows(), QList<int>({ 0, 1, 2 }));
    QTRY_VERIFY(panel.widget->blinkPhase() || !panel.widget->isBlinking());
    const int w = panel.widget->width();
    const int h = panel.widget->height();
    QVERIFY(pixelsNear(
                panel.widget->grab().toImage(), QRect(int(0.05 * w), int(h * 0.05), w / 6, h / 6), alarmRed)
        > 50);
}

void tst_AlarmWidget::linkLoss()
{
    Panel panel;
    QVERIFY(panel.start());
    panel.receiveStates({ 0, 5, 5, 5, 5, 5 }, 0);
    panel.expand();
    QVERIFY(panel.ackButton(0)->isVisible());

    // The link is lost: only the display's own alert remains, and nothing can be acknowledged.
    emit SerializationController::instance()->commsToTQ55StateChanged(false);
    QCOMPARE(panel.alerts.AlarmShallow()->AlertState(), 5);
    QCOMPARE(panel.alerts.AlertDisplayError()->AlertState(), 0);
    QCOMPARE(panel.shownRows(), QList<int>({ 5 }));
    QCOMPARE(panel.rowLabel(5)->text(), QStringLiteral("TQ55 Comms Fail"));
    QVERIFY(!panel.ackButton(5)->isVisible());
    QCOMPARE(panel.widget->lowestWarningState(), 0);

    // Back: rectified-unacknowledged, and the row can be acknowledged again.
    emit SerializationController::instance()->commsToTQ55StateChanged(true);
    QCOMPARE(panel.alerts.AlertDisplayError()->AlertState(), 4);
    QVERIFY(panel.ackButton(5)->isVisible());
    QVERIFY(panel.ackButton(5)->isEnabled());
}

void tst_AlarmWidget::statesOutsideTable()
{
    Panel panel;
    QVERIFY(panel.start());
    panel.receive({ { 7, 0 }, { -1, 1 }, { 5, 0 }, { 5, 0 }, { 5, 0 }, { 5, 0 } });
    QVERIFY(!panel.widget->isVisible());
    QCOMPARE(panel.widget->lowestAlarmState(), 5);
    QCOMPARE(panel.widget->lowestWarningState(), 5);

    panel.receive({ { 7, 0 }, { -1, 1 }, { 2, 1 }, { 5, 0 }, { 5, 0 }, { 5, 0 } });
    QVERIFY(panel.widget->isVisible());
    panel.expand();
    QCOMPARE(panel.widget->rowCount(), 1);
    QCOMPARE(panel.shownRows(), QList<int>({ 2 }));
    QVERIFY(!panel.widget->grab().isNull());
}

void tst_AlarmWidget::simulation()
{
    {
        // The speed log never simulates depth: the panel stays hidden.
        Panel panel;
        panel.diagnostics.setSimulateDepth(1);
        panel.diagnostics.setSource(0);
        QVERIFY(panel.start());
        panel.receiveStates({ 5, 5, 5, 5, 5, 5 });
        QVERIFY(!panel.widget->isSimulation());
        QVERIFY(!panel.widget->isVisible());
    }
    {
        BuildConfiguration::TestOverride sounder(
            QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("TVR200"));
        Panel panel;
        panel.diagnostics.setSimulateDepth(1);
        panel.diagnostics.setSource(0);
        QVERIFY(panel.start());
        panel.receiveStates({ 5, 5, 5, 5, 5, 5 });
        QVERIFY(panel.widget->isSimulation());
        QVERIFY(panel.widget->isVisible());
        QVERIFY(
            pixelsNear(panel.widget->grab().toImage(), QRect(15, 15, 64, 64), QColor(40, 110, 220)) > 500);
        // Only the simulation icon: touching it does not open the panel.
        panel.expand();
        QVERIFY(panel.widget->isCompact());

        panel.diagnostics.setSource(1);
        panel.receiveStates({ 5, 5, 5, 5, 5, 5 });
        QVERIFY(!panel.widget->isSimulation());
        QVERIFY(!panel.widget->isVisible());
    }
}

void tst_AlarmWidget::scaledGeometry()
{
    Panel panel;
    QVERIFY(panel.start());
    panel.layout->resize(1024, 600); // factors 1.28 and 1.25
    panel.widget->updateScaledGeometry();
    QCOMPARE(panel.widget->fullSize(), QSize(460, 240));
    QCOMPARE(panel.widget->compactSize(), QSize(322, 168));

    panel.receiveStates({ 0, 5, 5, 5, 5, 5 });
    QCOMPARE(panel.widget->size(), QSize(322, 168));
    QCOMPARE(panel.button(QStringLiteral("alarmIconButton"))->size(), QSize(80, 84));
    panel.expand();
    QCOMPARE(panel.widget->size(), QSize(460, 240));
    QPushButton *exit = panel.button(QStringLiteral("alarmExitButton"));
    QCOMPARE(exit->geometry(), QRect(13, 187, 128, 40));
    QCOMPARE(exit->font().pointSizeF(), 13 * 1.25);
    panel.layout->resize(800, 480);
}

QTEST_MAIN(tst_AlarmWidget)
#include "tst_alarmwidget.moc"
