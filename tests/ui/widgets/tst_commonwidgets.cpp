// The small shared widgets: the auxiliary pin lamps, the label whose font follows its size, the label
// that shows its text whole, the scroll content sized by its rows, the touch-scrolled area, and the slider
// that jumps to a touch.

#include "PixelCount.h"
#include "ScreenStage.h"

#include "data/ESCommunicationInformation.h"
#include "ui/status/AuxStatesDisplayingWidget.h"
#include "ui/widgets/ChildrenScalingScrollWidget.h"
#include "ui/widgets/GesturesScrollingScrollArea.h"
#include "ui/widgets/SliderPressFilter.h"
#include "ui/widgets/TextResizeLabel.h"
#include "ui/widgets/WholeTextLabel.h"

#include <QLabel>
#include <QScrollBar>
#include <QScroller>
#include <QSlider>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A slider that counts the presses that reach it.
class CountingSlider : public QSlider
{
public:
    CountingSlider()
        : QSlider(Qt::Vertical)
    {
    }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        QSlider::mousePressEvent(event);
    }
};

} // namespace

class tst_CommonWidgets : public QObject
{
    Q_OBJECT

private slots:
    void auxLamps_data();
    void auxLamps();
    void auxLampsPicture();
    void textResizeLabel_data();
    void textResizeLabel();
    void textResizeLabelBaseSetEarly();
    void textResizeLabelInWindow();
    void wholeTextLabel_data();
    void wholeTextLabel();
    void childrenScalingHint_data();
    void childrenScalingHint();
    void gestureScrolling();
    void sliderJump_data();
    void sliderJump();
};

void tst_CommonWidgets::auxLamps_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<QList<bool>>("lit");

    QTest::newRow("none") << 0 << QList<bool> { false, false, false, false };
    QTest::newRow("outputs 1 and 3") << 5 << QList<bool> { true, false, true, false };
    QTest::newRow("input 4 only") << 8 << QList<bool> { false, false, false, true };
    QTest::newRow("all") << 15 << QList<bool> { true, true, true, true };
    QTest::newRow("higher bits ignored") << 16 + 2 << QList<bool> { false, true, false, false };
    // Signed division: -1 / 2 is 0, so only the lowest bit reads as set.
    QTest::newRow("negative word") << -1 << QList<bool> { true, false, false, false };
}

// The word arrives as the received information's AuxStates, as from the junction box. A lit lamp shows
// the green of the lit picture, a dark one none of it.
void tst_CommonWidgets::auxLamps()
{
    QFETCH(int, states);
    QFETCH(QList<bool>, lit);

    ESCommunicationInformation information;
    AuxStatesDisplayingWidget widget(nullptr, &information);
    const QImage on = QPixmap(QStringLiteral(":/Resources/led_on.png")).toImage();
    const QImage off = QPixmap(QStringLiteral(":/Resources/led_off.png")).toImage();
    QVERIFY(!on.isNull() && !off.isNull() && on != off);
    const QColor green = on.pixelColor(on.width() / 2, on.height() * 3 / 4);
    QCOMPARE(::pixelsNear(off, green, 60), 0);
    information.setAuxStates(states);
    const char *lamps[]
        = { "auxOutput1Status", "auxOutput2Status", "auxOutput3RelayStatus", "auxInput4Status" };
    for (int pin = 0; pin < 4; ++pin) {
        const QLabel *lamp = widget.findChild<QLabel *>(QLatin1String(lamps[pin]));
        QVERIFY2(lamp && !lamp->pixmap(Qt::ReturnByValue).isNull(), lamps[pin]);
        const QImage shown = lamp->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY2((::pixelsNear(shown, green, 60) > 0) == lit.at(pin), lamps[pin]);
    }
}

void tst_CommonWidgets::auxLampsPicture()
{
    ESCommunicationInformation information;
    ScreenStage stage;
    auto *widget = new AuxStatesDisplayingWidget(stage.layout, &information);
    widget->move(20, 60);
    stage.start();
    information.setAuxStates(5);
    const QStringList pins = { QStringLiteral("Aux Output 1"), QStringLiteral("Aux Output 2"),
        QStringLiteral("Aux Output 3 Relay"), QStringLiteral("Aux Input 4") };
    for (const QString &pin : pins) {
        bool found = false;
        const QList<QLabel *> labels = widget->findChildren<QLabel *>();
        for (const QLabel *label : labels)
            found = found || label->text() == pin;
        QVERIFY2(found, qPrintable(pin));
    }
    // Each lamp stands within its row (the pictures are 64 px, the rows 40 px at the design size), as
    // large as a good part of it, at both sizes.
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        QCOMPARE(widget->width(), int(290 * size.width() / 800.0));
        stage.savePicture(QStringLiteral("aux_states_%1x%2").arg(size.width()).arg(size.height()));
        for (const char *name :
            { "auxOutput1Status", "auxOutput2Status", "auxOutput3RelayStatus", "auxInput4Status" }) {
            const QLabel *lamp = widget->findChild<QLabel *>(QLatin1String(name));
            const QSize shown = lamp->pixmap(Qt::ReturnByValue).size();
            QVERIFY2(shown.height() <= lamp->height() && shown.height() >= lamp->height() * 3 / 4,
                qPrintable(QStringLiteral("%1: %2 px in a %3 px row")
                               .arg(QLatin1String(name))
                               .arg(shown.height())
                               .arg(lamp->height())));
        }
    }
}

void tst_CommonWidgets::textResizeLabel_data()
{
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<double>("points");

    QTest::newRow("base") << QSize(100, 20) << 12.0;
    QTest::newRow("larger, height decides") << QSize(200, 30) << 18.0;
    QTest::newRow("larger, width decides") << QSize(150, 100) << 18.0;
    QTest::newRow("tiny keeps one point") << QSize(5, 5) << 1.0;
}

void tst_CommonWidgets::textResizeLabel()
{
    QFETCH(QSize, shown);
    QFETCH(double, points);

    QWidget window;
    TextResizeLabel label(QStringLiteral("Depth"), &window);
    QFont font = label.font();
    font.setPointSize(12);
    label.setFont(font);
    label.resize(100, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label.baseSize(), QSize(100, 20));
    QCOMPARE(label.basePointSize(), 12.0);

    label.resize(shown);
    QCOMPARE(label.font().pointSizeF(), points);
}

void tst_CommonWidgets::textResizeLabelBaseSetEarly()
{
    QWidget window;
    TextResizeLabel label(&window);
    QFont font = label.font();
    font.setPointSize(10);
    label.setFont(font);
    label.setBaseSize(100, 20);
    // Set before the first scaling: replaced by the font's own size then.
    label.setBasePointSizeF(20);
    QCOMPARE(label.basePointSize(), 10.0);
    label.resize(200, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label.font().pointSizeF(), 20.0);
    // Set afterwards: applied at once at the present size.
    label.setBasePointSizeF(6);
    QCOMPARE(label.font().pointSizeF(), 12.0);
}

// In the window the scaling container sets fonts in pixels; the label keeps following its size.
void tst_CommonWidgets::textResizeLabelInWindow()
{
    ScreenStage stage;
    auto *label = new TextResizeLabel(QStringLiteral("Brightness"), stage.layout);
    label->setGeometry(100, 100, 100, 20);
    QFont font = label->font();
    font.setPointSize(12);
    label->setFont(font);
    stage.start();
    const int designPixels = QFontInfo(label->font()).pixelSize();
    QVERIFY(designPixels >= 15);
    stage.resize(QSize(1024, 600));
    QCOMPARE(label->size(), QSize(128, 25));
    const int pixels = QFontInfo(label->font()).pixelSize();
    QVERIFY2(qAbs(pixels - designPixels * 1.25) <= 1,
        qPrintable(QStringLiteral("%1 -> %2").arg(designPixels).arg(pixels)));
}

void tst_CommonWidgets::wholeTextLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepsIndent");
    QTest::addColumn<bool>("keepsFont");

    // A 130 x 30 label with an indent of 20 at 800 x 480; at 1024 x 600 it is wider by more than its font
    // grows, and the text only needs to fit.
    QTest::newRow("fits beside the indent") << "Page A" << true << true;
    QTest::newRow("fits with less indent") << "Dimming Setup" << false << true;
    QTest::newRow("fits in a smaller font") << "General Display Setup" << false << false;
}

// A text is shown whole within the label: as given when it fits, otherwise with less indent, then in a
// smaller font; the indent and font given stay what the label returns to, and the window's scaling
// gives the font at each size.
void tst_CommonWidgets::wholeTextLabel()
{
    QFETCH(QString, text);
    QFETCH(bool, keepsIndent);
    QFETCH(bool, keepsFont);

    ScreenStage stage;
    auto *label = new WholeTextLabel(stage.layout);
    label->setGeometry(600, 0, 130, 30);
    QFont font = label->font();
    font.setPointSize(12);
    label->setFont(font);
    label->setIndent(20);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        label->setText(QStringLiteral("Page B"));
        QTRY_COMPARE(label->indent(), 20);
        label->setText(text);
        const QString tag = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
        QTRY_VERIFY2(
            label->indent() + label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(),
            qPrintable(tag));
        if (size == QSize(800, 480)) {
            QCOMPARE(label->indent() == 20, keepsIndent);
            QCOMPARE(label->font() == label->givenFont(), keepsFont);
        }
        QVERIFY(label->font().pixelSize() * 2 >= label->givenFont().pixelSize());
        QCOMPARE(label->givenIndent(), 20);
        QCOMPARE(label->givenFont().pixelSize(), int(16 * size.height() / 480.0));
        QCOMPARE(label->text(), text);
    }
}

void tst_CommonWidgets::childrenScalingHint_data()
{
    QTest::addColumn<int>("rowsPerView");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("hint");

    QTest::newRow("ten rows, five per view") << 5 << 10 << QSize(400, 600);
    QTest::newRow("fewer rows than a view") << 5 << 2 << QSize(400, 120);
    QTest::newRow("no rows") << 6 << 0 << QSize(400, 0);
}

void tst_CommonWidgets::childrenScalingHint()
{
    QFETCH(int, rowsPerView);
    QFETCH(int, rows);
    QFETCH(QSize, hint);

    QWidget area;
    area.resize(400, 300);
    ChildrenScalingScrollWidget content(&area, rowsPerView);
    QVBoxLayout *layout = new QVBoxLayout(&content);
    for (int i = 0; i < rows; ++i)
        layout->addWidget(new QLabel(QString::number(i)));
    QCOMPARE(content.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(content.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(content.sizeHint(), hint);
}

// A finger dragged upwards over the area scrolls its content down.
void tst_CommonWidgets::gestureScrolling()
{
    GesturesScrollingScrollArea area;
    area.resize(300, 200);
    auto *content = new QWidget;
    content->resize(280, 1000);
    area.setWidget(content);
    QVERIFY(area.styleSheet().contains(QLatin1String("QScrollBar::add-line:vertical")));
    QVERIFY(QScroller::hasScroller(area.viewport()));
    const QVariant overshoot = QScroller::scroller(area.viewport())
                                   ->scrollerProperties()
                                   .scrollMetric(QScrollerProperties::VerticalOvershootPolicy);
    QCOMPARE(
        overshoot.value<QScrollerProperties::OvershootPolicy>(), QScrollerProperties::OvershootAlwaysOff);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

    QWindow *window = area.windowHandle();
    const QPoint start(150, 180);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start, 20);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(window, start - QPoint(0, 20 * step), 20);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 160), 20);
    QTRY_VERIFY(area.verticalScrollBar()->value() > 0);
}

void tst_CommonWidgets::sliderJump_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pressY");
    QTest::addColumn<int>("value"); // -1: left to the slider
    QTest::addColumn<int>("reachesSlider");

    // A 0..255 slider 300 pixels high at 128: the handle is 150 pixels from the bottom.
    QTest::newRow("far above the handle") << 0 << 255 << 90 << 178 << 0;
    QTest::newRow("near the handle") << 0 << 255 << 120 << -1 << 1;
    QTest::newRow("at the handle") << 0 << 255 << 150 << -1 << 1;
    QTest::newRow("bottom") << 0 << 255 << 299 << 0 << 0;
    QTest::newRow("offset range") << 100 << 355 << 90 << 278 << 0;
    // A slider of one value has nowhere to jump: the press is the slider's own.
    QTest::newRow("range 0") << 128 << 128 << 10 << -1 << 1;
}

void tst_CommonWidgets::sliderJump()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, pressY);
    QFETCH(int, value);
    QFETCH(int, reachesSlider);

    CountingSlider slider;
    slider.setRange(minimum, maximum);
    slider.setValue(minimum + 128);
    slider.resize(60, 300);
    SliderPressFilter filter;
    filter.setSlider(&slider);
    QCOMPARE(filter.slider(), &slider);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(30, pressY));
    QCOMPARE(slider.presses, reachesSlider);
    if (value >= 0)
        QCOMPARE(slider.value(), value);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(30, pressY));
}

QTEST_MAIN(tst_CommonWidgets)
#include "tst_commonwidgets.moc"
