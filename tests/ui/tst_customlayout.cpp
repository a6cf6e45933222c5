// The scaling container: scale factors, design geometry and fonts of the collected widgets, the opt-outs,
// the runtime-page preview factors, scroll areas and the palette switch.

#include "ui/CustomLayout.h"
#include "ui/ThemeColorSingleton.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QtTest>

namespace {

QWidget *makeChild(
    QWidget *parent, const QRect &geometry, int pointSize, const QString &description = QString())
{
    QLabel *widget = new QLabel(QStringLiteral("x"), parent);
    widget->setGeometry(geometry);
    QFont font = widget->font();
    font.setPointSize(pointSize);
    widget->setFont(font);
    widget->setAccessibleDescription(description);
    return widget;
}

} // namespace

// A shown top-level holding the container, so that its resizes arrive at once.
class Fixture
{
public:
    Fixture()
    {
        window.resize(1400, 900);
        layout = new CustomLayout(&window, 800, 480);
        layout->setGeometry(0, 0, 800, 480);
    }
    void start()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        layout->resize(800, 480);
    }

    QWidget window;
    CustomLayout *layout;
};

class tst_CustomLayout : public QObject
{
    Q_OBJECT

private slots:
    void scaling_data();
    void scaling();
    void rescaleDoesNotAccumulate();
    void scrollAreas();
    void paletteSwitch();
};

void tst_CustomLayout::scaling_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("ancestorDescription");
    QTest::addColumn<QRect>("expectedGeometry");
    QTest::addColumn<int>("expectedPixelSize"); // -1: the font is left as it was

    const QRect design(100, 40, 200, 30);
    QTest::newRow("800x480") << QSize(800, 480) << ""
                             << "" << design << 16;
    QTest::newRow("1024x600") << QSize(1024, 600) << ""
                              << "" << QRect(128, 50, 256, 37) << 20;
    QTest::newRow("excluded") << QSize(1024, 600) << "ExcludeFromCL"
                              << "" << design << -1;
    QTest::newRow("font only") << QSize(1024, 600) << "text ExcludeFromCL_G"
                               << "" << design << 20;
    // Inside the preview: x 0.625, y 0.75, font 0.625 on top of the screen scale.
    QTest::newRow("runtime preview") << QSize(1024, 600) << ""
                                     << "Runtime Setup Screen" << QRect(80, 37, 160, 28) << 12;
    QTest::newRow("preview at 800x480") << QSize(800, 480) << ""
                                        << "Runtime Setup Screen" << QRect(62, 30, 125, 22) << 10;
}

void tst_CustomLayout::scaling()
{
    QFETCH(QSize, screen);
    QFETCH(QString, description);
    QFETCH(QString, ancestorDescription);
    QFETCH(QRect, expectedGeometry);
    QFETCH(int, expectedPixelSize);

    Fixture fixture;
    // The widget sits two levels below the described ancestor (its grandparent).
    QWidget *ancestor = new QWidget(fixture.layout);
    ancestor->setGeometry(0, 0, 800, 480);
    ancestor->setAccessibleDescription(ancestorDescription);
    QWidget *parent = new QWidget(ancestor);
    parent->setGeometry(0, 0, 800, 480);
    QWidget *widget = makeChild(parent, QRect(100, 40, 200, 30), 12, description);
    const int designPixelSize = widget->font().pixelSize();
    fixture.start();

    fixture.layout->resize(screen);
    QCOMPARE(screenScaleX(), screen.width() / 800.0);
    QCOMPARE(screenScaleY(), screen.height() / 480.0);
    QCOMPARE(screenScale(), qMin(screen.width() / 800.0, screen.height() / 480.0));
    QCOMPARE(widget->geometry(), expectedGeometry);
    QCOMPARE(widget->font().pixelSize(), expectedPixelSize < 0 ? designPixelSize : expectedPixelSize);
    QCOMPARE(
        fixture.layout->collectedWidgets().contains(widget), description != QLatin1String("ExcludeFromCL"));
    if (fixture.layout->collectedWidgets().contains(widget))
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

void tst_CustomLayout::rescaleDoesNotAccumulate()
{
    Fixture fixture;
    QWidget *widget = makeChild(fixture.layout, QRect(33, 17, 101, 23), 9);
    fixture.start();
    for (int i = 0; i < 5; ++i) {
        fixture.layout->resize(1024, 600);
        fixture.layout->resize(1280, 777);
    }
    fixture.layout->resize(1024, 600);
    QCOMPARE(widget->geometry(), QRect(42, 21, 129, 28));
    QCOMPARE(widget->font().pixelSize(), 15); // 9 pt x 1.25 x 4 / 3
    fixture.layout->resize(800, 480);
    QCOMPARE(widget->geometry(), QRect(33, 17, 101, 23));
    QCOMPARE(widget->font().pixelSize(), 12);
    QCOMPARE(widget->baseSize(), QSize(101, 23));
    QCOMPARE(screenScale(), 1.0);
}

void tst_CustomLayout::scrollAreas()
{
    Fixture fixture;
    QScrollArea *area = new QScrollArea(fixture.layout);
    area->setGeometry(10, 10, 300, 200);
    QWidget *content = new QWidget;
    content->resize(120, 80); // lower than the area
    area->setWidget(content);
    QScrollArea *tallArea = new QScrollArea(fixture.layout);
    tallArea->setGeometry(400, 10, 300, 200);
    QWidget *tallContent = new QWidget;
    tallContent->resize(120, 900);
    tallArea->setWidget(tallContent);
    fixture.start();

    QCOMPARE(area->frameShape(), QFrame::NoFrame);
    QCOMPARE(content->size(), QSize(300, 80));
    QCOMPARE(tallContent->size(), QSize(120, 900));
    QCOMPARE(area->verticalScrollBar()->styleSheet(),
        QStringLiteral("QScrollBar:vertical {background:rgb(186, 186, 186); width:16px; border:1px solid "
                       "rgb(140, 140, 140); border-radius:5px;} QScrollBar::handle:vertical {background: "
                       "rgb(84, 84, 84); min-height: 0px; border:1px solid rgb(121, 121, 121); "
                       "border-radius:5px;}"));
    QVERIFY(QScroller::hasScroller(area->viewport()));
    const QScrollerProperties properties = QScroller::scroller(area->viewport())->scrollerProperties();
    QCOMPARE(properties.scrollMetric(QScrollerProperties::HorizontalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
        QScrollerProperties::OvershootAlwaysOff);
    QCOMPARE(properties.scrollMetric(QScrollerProperties::VerticalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
        QScrollerProperties::OvershootAlwaysOff);

    fixture.layout->resize(1000, 600);
    QVERIFY(area->verticalScrollBar()->styleSheet().contains(QLatin1String("width:20px; border:1.25px")));
    QCOMPARE(area->geometry(), QRect(12, 12, 375, 250));
    QCOMPARE(content->width(), 375);
}

void tst_CustomLayout::paletteSwitch()
{
    Fixture fixture;
    QWidget *shown = makeChild(fixture.layout, QRect(0, 0, 50, 20), 10);
    QWidget *hidden = makeChild(fixture.layout, QRect(0, 30, 50, 20), 10);
    QWidget *excluded = makeChild(fixture.layout, QRect(0, 60, 50, 20), 10, QStringLiteral("ExcludeFromCL"));
    QWidget *deleted = makeChild(fixture.layout, QRect(0, 90, 50, 20), 10);
    hidden->hide();
    fixture.start();
    delete deleted; // a collected widget that goes away must not be touched again
    fixture.layout->resize(900, 500);

    ThemeColorSingleton::instance()->setColorPalette(Pale_Green);
    QCOMPARE(shown->property("ThemeColor").toString(), QStringLiteral("Pale_Green"));
    QCOMPARE(hidden->property("ThemeColor").toString(), QStringLiteral("Pale_Green"));
    QVERIFY(!excluded->property("ThemeColor").isValid());

    // The preview palette reaches only the widgets shown at that moment.
    ThemeColorSingleton::instance()->setPreviewColorPalette(Bright_Yellow);
    QCOMPARE(shown->property("ThemeColor").toString(), QStringLiteral("Bright_Yellow"));
    QCOMPARE(hidden->property("ThemeColor").toString(), QStringLiteral("Pale_Green"));
    QVERIFY(!excluded->property("ThemeColor").isValid());

    // A palette number outside the table changes nothing.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("palette out of range")));
    fixture.layout->setColorTheme(enum_ColorPalette(7));
    QCOMPARE(shown->property("ThemeColor").toString(), QStringLiteral("Bright_Yellow"));
    ThemeColorSingleton::instance()->setColorPalette(Green);
    ThemeColorSingleton::instance()->setPreviewColorPalette(Green);
}

QTEST_MAIN(tst_CustomLayout)
#include "tst_customlayout.moc"
