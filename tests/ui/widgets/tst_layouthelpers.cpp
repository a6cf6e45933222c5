// The spare layout helpers: the stacked widget whose last page lies above the others, the container that
// is transparent except over its children, and the scrolling list of striped setup rows.

#include "ScreenPictures.h"
#include "ScreenStage.h"

#include "ui/widgets/ChildrenScalingScrollWidget.h"
#include "ui/widgets/MaskedWidget.h"
#include "ui/widgets/SetupScrollAreaWidget.h"
#include "ui/widgets/StackedWidgetWithOverlay.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QColor pageColours[] = { QColor(200, 40, 40), QColor(40, 40, 200) };
const QColor overlayColour(240, 240, 40);

QWidget *colouredWidget(const QColor &colour, QWidget *parent = nullptr)
{
    auto *widget = new QWidget(parent);
    // A style sheet of its own, which wins over the black of the window's style.
    widget->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
    return widget;
}

// A 400 x 300 stack of two coloured pages and, last, an overlay: a transparent page with a yellow strip at
// its top holding the button that switches the pages. Every page has the stack's size from the start, as
// the scaling container takes the sizes it finds as the design.
StackedWidgetWithOverlay *stackWithOverlay(QWidget *parent, QPushButton **next)
{
    auto *stack = new StackedWidgetWithOverlay(parent);
    stack->resize(400, 300);
    for (const QColor &colour : pageColours) {
        stack->addWidget(colouredWidget(colour));
        stack->widget(stack->count() - 1)->resize(400, 300);
    }
    auto *overlay = new QWidget;
    overlay->resize(400, 300);
    overlay->setObjectName(QStringLiteral("overlay"));
    overlay->setStyleSheet(QStringLiteral("QWidget#overlay { background-color: transparent; }"));
    QWidget *strip = colouredWidget(overlayColour, overlay);
    strip->setGeometry(0, 0, 200, 40);
    *next = new QPushButton(QStringLiteral("Next"), strip);
    (*next)->setGeometry(10, 5, 80, 30);
    QObject::connect(*next, &QPushButton::clicked, stack,
        [stack] { stack->setCurrentIndex((stack->currentIndex() + 1) % stack->count()); });
    stack->addWidget(overlay);
    return stack;
}

} // namespace

class tst_LayoutHelpers : public QObject
{
    Q_OBJECT

private slots:
    void overlayAbovePages();
    void overlayFollowsSize();
    void maskedWidget_data();
    void maskedWidget();
    void setupRows();
    void pictures();
};

void tst_LayoutHelpers::overlayAbovePages()
{
    QWidget window;
    window.resize(400, 300);
    QPushButton *next = nullptr;
    StackedWidgetWithOverlay *stack = stackWithOverlay(&window, &next);
    stack->setGeometry(0, 0, 400, 300);
    QCOMPARE(stack->count(), 3);
    QVERIFY(!stack->isOverlayTaken());

    // The pages cover the whole stack, so only the show takes the overlay.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(stack->isOverlayTaken());
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->overlay()->objectName(), QStringLiteral("overlay"));
    QCOMPARE(stack->overlay()->parentWidget(), stack);
    QCOMPARE(stack->overlay()->geometry(), QRect(0, 0, 400, 300));

    // Each press switches the page; the strip stays above both.
    for (int press = 0; press < 3; ++press) {
        const int page = press % 2;
        QCOMPARE(stack->currentIndex(), page);
        const QImage picture = stack->grab().toImage();
        QVERIFY(ScreenPictures::isNear(picture, QPoint(150, 20), overlayColour, 10));
        QVERIFY(ScreenPictures::isNear(picture, QPoint(200, 200), pageColours[page], 10));
        QTest::mouseClick(next, Qt::LeftButton);
    }
    // Later paints take nothing more.
    stack->update();
    QTest::qWait(50);
    QCOMPARE(stack->count(), 2);
}

void tst_LayoutHelpers::overlayFollowsSize()
{
    QWidget window;
    window.resize(400, 300);
    QPushButton *next = nullptr;
    StackedWidgetWithOverlay *stack = stackWithOverlay(&window, &next);
    stack->setGeometry(0, 0, 400, 300);
    // Taken by hand before any paint.
    stack->takeOverlay();
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->overlay()->size(), QSize(400, 300));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(stack->count(), 2);
    stack->resize(300, 200);
    QCOMPARE(stack->overlay()->size(), QSize(300, 200));
    QCOMPARE(stack->childAt(150, 100), stack->overlay());
}

void tst_LayoutHelpers::maskedWidget_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("onChild");

    QTest::newRow("over the child") << QPoint(50, 30) << true;
    QTest::newRow("over the laid-out child") << QPoint(250, 250) << true;
    QTest::newRow("beside the children") << QPoint(200, 100) << false;
    QTest::newRow("below the children") << QPoint(30, 250) << false;
}

void tst_LayoutHelpers::maskedWidget()
{
    QFETCH(QPoint, press);
    QFETCH(bool, onChild);

    QWidget window;
    window.resize(400, 300);
    auto *below = new QPushButton(QStringLiteral("below"), &window);
    below->setGeometry(0, 0, 400, 300);
    auto *masked = new MaskedWidget(&window);
    // Painted red wherever it is not masked away.
    masked->setAutoFillBackground(true);
    QPalette red = masked->palette();
    red.setColor(QPalette::Window, pageColours[0]);
    masked->setPalette(red);
    masked->setGeometry(0, 0, 400, 300);
    auto *child = new QPushButton(QStringLiteral("child"), masked);
    child->setGeometry(10, 10, 80, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(masked->mask(), QRegion(10, 10, 80, 40));

    // A child that a layout places: the layout request renews the mask.
    auto *corner = new QWidget(masked);
    corner->setGeometry(200, 200, 200, 100);
    auto *layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *laidOut = new QPushButton(QStringLiteral("laid out"));
    layout->addWidget(laidOut);
    corner->show();
    QTRY_VERIFY(masked->mask().contains(QPoint(250, 250)));

    QSignalSpy childClicks(child, &QPushButton::clicked);
    QSignalSpy laidOutClicks(laidOut, &QPushButton::clicked);
    QSignalSpy belowClicks(below, &QPushButton::clicked);
    // Through the window, so that Qt finds the widget under the point as for a real touch.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, press);
    QCOMPARE(childClicks.count() + laidOutClicks.count(), onChild ? 1 : 0);
    QCOMPARE(belowClicks.count(), onChild ? 0 : 1);
    // Only the children are drawn: elsewhere the button below shows through, never the red.
    const QImage picture = window.grab().toImage();
    if (!onChild)
        QVERIFY(!ScreenPictures::isNear(picture, press, pageColours[0], 10));
}

void tst_LayoutHelpers::setupRows()
{
    SetupScrollAreaWidget list;
    list.resize(291, 384);
    QCOMPARE(list.contents()->rowsPerView(), 6.0);
    QCOMPARE(list.styleSheet(), QStringLiteral("background-color: rgb(0, 0, 0);"));
    QList<QLabel *> rows;
    for (int i = 0; i < 8; ++i) {
        auto *row = new QLabel(QStringLiteral("Row %1").arg(i + 1));
        row->setMinimumSize(50, 50);
        list.addRow(row);
        rows.append(row);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i)->styleSheet(),
            i % 2 == 0 ? QStringLiteral("background-color:rgb(206, 206, 206);")
                       : QStringLiteral("background-color:rgb(149, 149, 149);"));
        QCOMPARE(rows.at(i)->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(rows.at(i)->minimumSize(), QSize(0, 0));
        QCOMPARE(rows.at(i)->parentWidget(), list.contents());
    }
    // Six rows to a view: eight rows make the content 8/6 of the area high, and the rows share it.
    auto *area = list.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    QVERIFY(area);
    QTRY_COMPARE(list.contents()->height(), area->viewport()->height() * 8 / 6);
    QCOMPARE(rows.first()->height(), list.contents()->height() / 8);
}

void tst_LayoutHelpers::pictures()
{
    ScreenStage stage;
    QPushButton *next = nullptr;
    StackedWidgetWithOverlay *stack = stackWithOverlay(stage.layout, &next);
    stack->setGeometry(20, 20, 400, 300);
    auto *list = new SetupScrollAreaWidget(stage.layout);
    list->setGeometry(509, 0, 291, 384);
    for (int i = 0; i < 8; ++i)
        list->addRow(new QLabel(QStringLiteral("Row %1").arg(i + 1)));
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(list->geometry(), QRect(int(509 * sx), 0, int(291 * sx), int(384 * sy)));
        QCOMPARE(stack->overlay()->size(), stack->size());
        stage.savePicture(QStringLiteral("layout_helpers_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_LayoutHelpers)
#include "tst_layouthelpers.moc"
