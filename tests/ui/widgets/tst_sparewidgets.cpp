// The spare labels and buttons of the common widget set: display tiles, outlined text, the self-sizing
// button, the label with a button, the plain button and the margin rectangle.

#include "PixelCount.h"
#include "ScreenStage.h"

#include "ui/WidgetMargins.h"
#include "ui/widgets/DisplayButton.h"
#include "ui/widgets/OutlinedTextLabel.h"
#include "ui/widgets/QPushButton1.h"
#include "ui/widgets/SetupLabelWithButton.h"
#include "ui/widgets/TextResizeButton.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QColor selectedGreen(82, 255, 96);
const QColor fill(82, 225, 96);
const QColor outline(200, 30, 30);
const QColor box(40, 40, 40);

OutlinedTextLabel *outlinedLabel(QWidget *parent, const QString &text, int outlineWidth)
{
    auto *label = new OutlinedTextLabel(parent);
    QFont font;
    font.setPixelSize(60);
    label->setTextFont(font);
    label->setTextColor(fill);
    label->setOutlineColor(outline);
    label->setBackgroundColor(box);
    label->setOutlineWidth(outlineWidth);
    label->setText(text);
    label->resize(320, 90);
    return label;
}

} // namespace

class tst_SpareWidgets : public QObject
{
    Q_OBJECT

private slots:
    void displayButton();
    void outlinedSegments_data();
    void outlinedSegments();
    void outlinedReferenceSize();
    void outlinedOutline_data();
    void outlinedOutline();
    void outlinedKeepsBlanks();
    void textResizeButton_data();
    void textResizeButton();
    void labelWithButton();
    void plainButton();
    void marginRect_data();
    void marginRect();
    void pictures();
};

void tst_SpareWidgets::displayButton()
{
    DisplayButton tile(nullptr, QSize(160, 120));
    QCOMPARE(tile.size(), QSize(160, 120));
    QCOMPARE(tile.baseSize(), QSize(160, 120));
    QCOMPARE(tile.caption(), QStringLiteral("CU-R207"));
    tile.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tile));

    QSignalSpy clicked(&tile, &DisplayButton::clicked);
    QTest::mouseClick(&tile, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!tile.isSelected());
    QCOMPARE(pixelsNear(tile.grab().toImage(), selectedGreen), 0);

    tile.changeSelected();
    QVERIFY(tile.isSelected());
    QVERIFY(pixelsNear(tile.grab().toImage(), selectedGreen) > 500);
    // The light frame around the tile.
    QCOMPARE(tile.grab().toImage().pixelColor(0, 60), QColor(200, 200, 200));
    tile.setSelected(false);
    QVERIFY(!tile.isSelected());
}

void tst_SpareWidgets::outlinedSegments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QList<bool>>("italic");
    QTest::addColumn<QString>("plain");

    QTest::newRow("middle in italics") << "12.3 <i>kn</i> STW" << QStringList { "12.3 ", "kn", " STW" }
                                       << QList<bool> { false, true, false } << "12.3 kn STW";
    QTest::newRow("plain") << "Depth" << QStringList { "Depth" } << QList<bool> { false } << "Depth";
    QTest::newRow("starts in italics")
        << "<i>m</i> 4" << QStringList { "m", " 4" } << QList<bool> { true, false } << "m 4";
    QTest::newRow("unclosed italics")
        << "a <i>b c" << QStringList { "a ", "b c" } << QList<bool> { false, true } << "a b c";
    QTest::newRow("empty") << "" << QStringList() << QList<bool>() << "";
}

void tst_SpareWidgets::outlinedSegments()
{
    QFETCH(QString, text);
    QFETCH(QStringList, segments);
    QFETCH(QList<bool>, italic);
    QFETCH(QString, plain);

    OutlinedTextLabel label;
    label.setText(text);
    QCOMPARE(label.segments(), segments);
    QCOMPARE(label.italicSegments(), italic);
    QCOMPARE(label.text(), plain);
}

void tst_SpareWidgets::outlinedReferenceSize()
{
    QWidget window;
    OutlinedTextLabel *label = outlinedLabel(&window, QStringLiteral("1.0"), 2);
    QSignalSpy adjusted(label, &OutlinedTextLabel::sizeAdjusted);
    label->setSizeReferenceText(QStringLiteral("888.8 kn"));
    QCOMPARE(adjusted.count(), 1);
    const QSize measured = label->size();
    QVERIFY(measured.width() > 100 && measured.height() > 20);
    QCOMPARE(label->sizeHint(), measured);
    // Measured again: the same size, no signal; an empty text measures the last one again.
    label->setSizeReferenceText(QStringLiteral("888.8 kn"));
    label->setSizeReferenceText(QString());
    QCOMPARE(adjusted.count(), 1);
    label->setSizeReferenceText(QStringLiteral("8.8"));
    QCOMPARE(adjusted.count(), 2);
    QVERIFY(label->width() < measured.width());
}

void tst_SpareWidgets::outlinedOutline_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("outlineSeen");

    QTest::newRow("outline") << 2 << true;
    QTest::newRow("no outline") << 0 << false;
}

void tst_SpareWidgets::outlinedOutline()
{
    QFETCH(int, width);
    QFETCH(bool, outlineSeen);

    QWidget window;
    OutlinedTextLabel *label = outlinedLabel(&window, QStringLiteral("12.3 <i>kn</i>"), width);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = label->grab().toImage();
    image.save(ScreenStage::picturesFolder() + QStringLiteral("/outlined_%1.png").arg(width));
    QVERIFY(pixelsNear(image, fill) > 50);
    QVERIFY(pixelsNear(image, box, 10) > 200);
    QCOMPARE(pixelsNear(image, outline) > 20, outlineSeen);
}

// A blank at the end of a segment draws nothing but keeps its width before the next segment.
void tst_SpareWidgets::outlinedKeepsBlanks()
{
    QWidget window;
    OutlinedTextLabel *spaced = outlinedLabel(&window, QStringLiteral("12.3 <i>kn</i>"), 0);
    OutlinedTextLabel *glued = outlinedLabel(&window, QStringLiteral("12.3<i>kn</i>"), 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto boxWidth = [](const QImage &image) {
        int first = -1;
        int last = -1;
        const int y = image.height() - 8;
        for (int x = 0; x < image.width(); ++x) {
            if (pixelsNear(image.copy(x, y, 1, 1), box, 10)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return last - first;
    };
    QFont font;
    font.setPixelSize(60);
    const int blank = int(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    const int difference = boxWidth(spaced->grab().toImage()) - boxWidth(glued->grab().toImage());
    QVERIFY2(difference >= blank - 2, qPrintable(QStringLiteral("%1 < %2").arg(difference).arg(blank)));
}

void tst_SpareWidgets::textResizeButton_data()
{
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<double>("points");

    QTest::newRow("double") << QSize(200, 80) << 18.0;
    QTest::newRow("a tenth keeps one point") << QSize(10, 4) << 1.0;
}

void tst_SpareWidgets::textResizeButton()
{
    QFETCH(QSize, shown);
    QFETCH(double, points);

    QWidget window;
    TextResizeButton button(QStringLiteral("Set"), &window);
    QFont font = button.font();
    font.setPointSize(9);
    button.setFont(font);
    button.resize(100, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(button.basePointSize(), 9.0);
    button.resize(shown);
    QCOMPARE(button.font().pointSizeF(), points);
}

void tst_SpareWidgets::labelWithButton()
{
    QWidget window;
    SetupLabelWithButton row(QStringLiteral("Brightness"), &window);
    QFont font = row.font();
    font.setPointSize(12);
    row.setFont(font);
    row.resize(300, 64);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(row.text(), QStringLiteral("Brightness"));
    QCOMPARE(row.contentsMargins(), QMargins(10, 0, 0, 0));
    QCOMPARE(row.button()->text(), QStringLiteral("TextResizeButton"));

    row.resize(600, 128);
    // 18 : 10 : 2 across the 590 pixels right of the margin, 3 : 10 : 3 down.
    const QRect button = row.button()->geometry();
    QVERIFY2(qAbs(button.x() - (10 + 590 * 18 / 30)) <= 2 && qAbs(button.width() - 590 / 3) <= 2,
        qPrintable(QStringLiteral("%1 %2").arg(button.x()).arg(button.width())));
    QCOMPARE(button.y(), 24);
    QCOMPARE(button.height(), 80);
    QCOMPARE(row.font().pointSizeF(), 24.0);
    QCOMPARE(row.button()->font(), row.font());
    QCOMPARE(SetupLabelWithButton().text(), QStringLiteral("TextResizeLabel"));
}

void tst_SpareWidgets::plainButton()
{
    QPushButton1 button(QStringLiteral("Apply"));
    QCOMPARE(button.text(), QStringLiteral("Apply"));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void tst_SpareWidgets::marginRect_data()
{
    QTest::addColumn<float>("percentage");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("default 5 %") << 5.0f << QSize(200, 100) << QRect(QPoint(10, 5), QPoint(189, 94));
    QTest::newRow("no margin") << 0.0f << QSize(200, 100) << QRect(QPoint(0, 0), QPoint(199, 99));
    QTest::newRow("truncated") << 10.0f << QSize(55, 33) << QRect(QPoint(5, 3), QPoint(49, 29));
}

void tst_SpareWidgets::marginRect()
{
    QFETCH(float, percentage);
    QFETCH(QSize, size);
    QFETCH(QRect, rect);

    QCOMPARE(marginPercentage(), 5.0f);
    setMarginPercentage(percentage);
    QWidget widget;
    widget.resize(size);
    QCOMPARE(::marginRect(&widget), rect);
    setMarginPercentage(5.0f);
}

void tst_SpareWidgets::pictures()
{
    ScreenStage stage;
    auto *tile = new DisplayButton(stage.layout, QSize(160, 120));
    tile->move(40, 60);
    auto *selected = new DisplayButton(stage.layout, QSize(160, 120));
    selected->move(220, 60);
    selected->setSelected(true);
    OutlinedTextLabel *label = outlinedLabel(stage.layout, QStringLiteral("12.3 <i>kn</i>"), 2);
    label->move(420, 60);
    auto *row = new SetupLabelWithButton(QStringLiteral("Brightness"), stage.layout);
    row->setGeometry(40, 220, 400, 64);
    row->setStyleSheet(QStringLiteral("background-color:rgb(206, 206, 206);color:rgb(0, 0, 0);"));
    auto *button = new TextResizeButton(QStringLiteral("Resize"), stage.layout);
    button->setGeometry(40, 300, 160, 50);
    auto *plain = new QPushButton1(QStringLiteral("Plain"), stage.layout);
    plain->setGeometry(220, 300, 160, 50);
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        stage.savePicture(QStringLiteral("spare_widgets_%1x%2").arg(size.width()).arg(size.height()));
    }
    QCOMPARE(tile->size(), QSize(204, 150));
}

QTEST_MAIN(tst_SpareWidgets)
#include "tst_sparewidgets.moc"
