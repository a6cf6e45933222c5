// A runtime value button held in the real window: the trip counter shown on page A's first side button,
// held with real presses through the window past the long-press time again and again at two window sizes,
// asks for the reset at every hold, and a release after it steps nothing more. The value reaches the window
// as the junction box sends it, refreshed before each hold as the junction box refreshes it.

#include "ScreensWindow.h"
#include "SpyTexts.h"

#include "common/SignalEmitter.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "ui/widgets/RuntimeScreenButton.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_HeldValueButton : public QObject
{
    Q_OBJECT

private slots:
    void everyHoldResetsTheTrip_data();
    void everyHoldResetsTheTrip();
};

void tst_HeldValueButton::everyHoldResetsTheTrip_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("holds");
    QTest::newRow("800x480") << QSize(800, 480) << 20;
    QTest::newRow("1024x600") << QSize(1024, 600) << 10;
}

void tst_HeldValueButton::everyHoldResetsTheTrip()
{
    QFETCH(QSize, size);
    QFETCH(int, holds);
    ScreensWindow window(size);
    auto *choice = qobject_cast<RuntimeEnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QStringLiteral("Information1"), QStringLiteral("RuntimeScreenSetupA")));
    QVERIFY(choice);
    choice->setCurrentValue(QStringLiteral("Trip"));
    auto *button = window->findChild<RuntimeScreenButton *>(
        QStringLiteral("es_rt_Information1_RuntimeScreenSetupA_btn_1"));
    QVERIFY(button);
    auto *single = button->findChild<QPushButton *>(QStringLiteral("single_btn"));
    QVERIFY(single);
    QTRY_VERIFY(single->isVisible());
    const QPoint point = single->mapTo(window.window(), single->rect().center());
    QCOMPARE(window->childAt(point), single);

    const QString reset = QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0");
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QStringList resets;
    for (int hold = 1; hold <= holds; ++hold) {
        SerializationController::instance()->deserializeData(
            QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=4.56"));
        sent.clear();
        QElapsedTimer held;
        held.start();
        // Pressed through the window, which finds the widget under the point as it does for a finger.
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, point);
        QTRY_VERIFY_WITH_TIMEOUT(firstArgumentTexts(sent).contains(reset), 2000);
        // Not before the long-press time, and the finger stays on the button a little longer, as a crew
        // member's does.
        QVERIFY2(held.elapsed() >= 950, qPrintable(QString::number(held.elapsed())));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, point, 100);
        resets << firstArgumentTexts(sent).filter(QStringLiteral("Trip="));
    }
    QCOMPARE(resets, QStringList(QVector<QString>(holds, reset).toList()));
}

QTEST_MAIN(tst_HeldValueButton)
#include "tst_heldvaluebutton.moc"
