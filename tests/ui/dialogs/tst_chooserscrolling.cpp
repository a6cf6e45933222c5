// Finger scrolling of the value chooser in the real window at two sizes. The chooser is opened as the
// runtime pages open it for an enumerated value (the long list of the values a side button may show); a
// drag with the left button on its list moves the list by the distance dragged, never by a row per pixel,
// and its scroll bar still places it.

#include "ScreenPictures.h"
#include "ScreensWindow.h"

#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "ui/controllers/SetupEnumInterface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScroller>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

void sendMouse(
    QWidget *target, QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapTo(target->window(), at), target->mapToGlobal(at), button, buttons,
        Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A finger's drag on the widget: pressed at `from`, moved by `distance` pixels down (up when negative) in
// steps of 4 pixels 10 ms apart, as a finger moves, then lifted at once or after resting still for a moment.
// The scroller of a list measures the real time between the moves.
void drag(QWidget *target, const QPoint &from, int distance, bool restBeforeLifting)
{
    sendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    const int steps = qMax(1, qAbs(distance) / 4);
    for (int step = 1; step <= steps; ++step) {
        QTest::qWait(10);
        sendMouse(target, QEvent::MouseMove, from + QPoint(0, distance * step / steps), Qt::NoButton,
            Qt::LeftButton);
    }
    QTest::qWait(restBeforeLifting ? 150 : 10);
    sendMouse(target, QEvent::MouseButtonRelease, from + QPoint(0, distance), Qt::LeftButton, Qt::NoButton);
}

} // namespace

class tst_ChooserScrolling : public QObject
{
    Q_OBJECT

private slots:
    void dragMovesTheList_data();
    void dragMovesTheList();
    void scrollBarPlacesTheList_data();
    void scrollBarPlacesTheList();

private:
    static QListWidget *openChooser(ScreensWindow &window);
};

QListWidget *tst_ChooserScrolling::openChooser(ScreensWindow &window)
{
    // The first side button's choice of page A: every runtime value a side button may show.
    auto *choice = qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QStringLiteral("Information1"), QStringLiteral("RuntimeScreenSetupA")));
    if (!choice)
        return nullptr;
    SetupEnumInterface::instance()->openChooserFor(choice);
    QWidget *chooser = window->setupLongPressScreen();
    if (!chooser || !chooser->isVisible())
        return nullptr;
    auto *list = chooser->findChild<QListWidget *>(QStringLiteral("listWidget"));
    // A list long enough to scroll through several screens.
    return list && list->count() > 15 ? list : nullptr;
}

void tst_ChooserScrolling::dragMovesTheList_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fromLastRow");
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("rest");

    // Dragged down, the list shows earlier rows; dragged up, later ones. Lifted while still moving, it
    // glides on a little further.
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        const QByteArray name = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
        QTest::newRow(name + ": 50 px down from the last row") << size << true << 50 << true;
        QTest::newRow(name + ": 150 px down from the last row") << size << true << 150 << true;
        QTest::newRow(name + ": 120 px up from the first row") << size << false << -120 << true;
        QTest::newRow(name + ": 50 px down from the last row, lifted moving") << size << true << 50 << false;
        QTest::newRow(name + ": 120 px up from the first row, lifted moving")
            << size << false << -120 << false;
    }
}

void tst_ChooserScrolling::dragMovesTheList()
{
    QFETCH(QSize, size);
    QFETCH(bool, fromLastRow);
    QFETCH(int, distance);
    QFETCH(bool, rest);
    ScreensWindow window(size);
    QListWidget *list = openChooser(window);
    QVERIFY(list);
    QScrollBar *bar = list->verticalScrollBar();
    if (fromLastRow)
        list->scrollToBottom();
    else
        list->scrollToTop();
    const int before = bar->value();
    QCOMPARE(before, fromLastRow ? bar->maximum() : 0);

    drag(list->viewport(), list->viewport()->rect().center() - QPoint(0, distance / 2), distance, rest);
    QTRY_COMPARE(QScroller::scroller(list->viewport())->state(), QScroller::Inactive);
    const int moved = before - bar->value();
    const QByteArray shown = QByteArray::number(moved) + " px for a drag of " + QByteArray::number(distance)
        + " px; the list is " + QByteArray::number(bar->maximum()) + " px longer than its view";
    // Neither end of the list is reached: far from a row per pixel dragged.
    QVERIFY2(bar->value() > 0 && bar->value() < bar->maximum(), shown.constData());
    if (rest) {
        QVERIFY2(qAbs(moved - distance) <= 3, shown.constData());
    } else {
        QVERIFY2(qAbs(moved) >= qAbs(distance) - 3 && qAbs(moved) <= 4 * qAbs(distance), shown.constData());
        QVERIFY2((moved > 0) == (distance > 0), shown.constData());
    }
    if (rest && distance == 50) {
        ScreenPictures::save(
            window.window(), QStringLiteral("chooser_dragged_%1x%2").arg(size.width()).arg(size.height()));
    }

    // A tap then chooses the row under the finger (a point a little lower when the middle falls into the
    // spacing between two rows).
    QPoint tap = list->viewport()->rect().center();
    while (!list->itemAt(tap) && tap.y() < list->viewport()->rect().center().y() + 4)
        tap.ry() += 1;
    QListWidgetItem *item = list->itemAt(tap);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tap);
    QTRY_COMPARE(list->currentItem(), item);
}

void tst_ChooserScrolling::scrollBarPlacesTheList_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800x480") << QSize(800, 480);
    QTest::newRow("1024x600") << QSize(1024, 600);
}

// The bar's handle dragged to the bottom of its groove shows the last row; back to the top, the first.
void tst_ChooserScrolling::scrollBarPlacesTheList()
{
    QFETCH(QSize, size);
    ScreensWindow window(size);
    QListWidget *list = openChooser(window);
    QVERIFY(list);
    QScrollBar *bar = list->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    const auto handle = [bar]() {
        QStyleOptionSlider current;
        current.initFrom(bar);
        current.orientation = Qt::Vertical;
        current.minimum = bar->minimum();
        current.maximum = bar->maximum();
        current.sliderPosition = bar->sliderPosition();
        current.sliderValue = bar->value();
        current.singleStep = bar->singleStep();
        current.pageStep = bar->pageStep();
        current.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &current, QStyle::SC_ScrollBarSlider, bar);
    };
    QCOMPARE(bar->value(), 0);
    drag(bar, handle().center(), bar->height(), true);
    QCOMPARE(bar->value(), bar->maximum());
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    QVERIFY2(list->viewport()->rect().contains(last),
        qPrintable(QStringLiteral("last row at %1,%2 %3x%4")
                       .arg(last.x())
                       .arg(last.y())
                       .arg(last.width())
                       .arg(last.height())));
    drag(bar, handle().center(), -bar->height(), true);
    QCOMPARE(bar->value(), 0);
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(0))));
}

QTEST_MAIN(tst_ChooserScrolling)
#include "tst_chooserscrolling.moc"
