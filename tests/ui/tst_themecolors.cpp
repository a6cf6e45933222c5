// Palettes, the current and preview palette, the one-time expansion of themed style sheets and the
// tinting of the arrow pictures.

#include "ui/CustomColorDefinitions.h"
#include "ui/CustomLayout.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/ThemeStyleSheets.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString goldenText(const QString &name)
{
    QFile file(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_themecolors_data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing golden file ") + name;
    QString text = QString::fromUtf8(file.readAll());
    // The files end in a line feed for the editor's sake; it is not part of the text.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// Number of pixels of the colour (within 40 on every component) in the image.
int pixelsNear(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - color.red()) < 40 && qAbs(c.green() - color.green()) < 40
                && qAbs(c.blue() - color.blue()) < 40)
                ++count;
        }
    }
    return count;
}

} // namespace

class tst_ThemeColors : public QObject
{
    Q_OBJECT

private slots:
    void paletteTable_data();
    void paletteTable();
    void colorNameLookup();
    void singletonEmitsEveryChange();
    void contrastRatio_data();
    void contrastRatio();
    void expand_data();
    void expand();
    void applyToDescendants();
    void paletteChangeRecolours();
    void tintedArrow_data();
    void tintedArrow();
};

void tst_ThemeColors::paletteTable_data()
{
    QTest::addColumn<int>("palette");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rgb");

    QTest::newRow("0") << 0 << "Bright_Green"
                       << "rgb(82, 255, 96)";
    QTest::newRow("1") << 1 << "Green"
                       << "rgb(82, 225, 96)";
    QTest::newRow("2") << 2 << "Pale_Green"
                       << "rgb(82, 190, 96)";
    QTest::newRow("3") << 3 << "Bright_Yellow"
                       << "rgb(215, 190, 0)";
    QTest::newRow("4") << 4 << "Yellow"
                       << "rgb(195, 175, 0)";
    QTest::newRow("5") << 5 << "Pale_Yellow"
                       << "rgb(175, 160, 0)";
}

void tst_ThemeColors::paletteTable()
{
    QFETCH(int, palette);
    QFETCH(QString, name);
    QFETCH(QString, rgb);
    QCOMPARE(CustomColorDefinitions::getColorName(palette), name);
    QCOMPARE(CustomColorDefinitions::getRgbString(palette), rgb);
    QCOMPARE(CustomColorDefinitions::getColorFromColorName(name),
        CustomColorDefinitions::getColorFromColorEnum(palette));
    QCOMPARE(CustomColorDefinitions::colorNames().at(palette), name);
    QCOMPARE(CustomColorDefinitions::getColorFromColorEnum(palette).alpha(), 255);
}

void tst_ThemeColors::colorNameLookup()
{
    // Outside the table the colour of palette 0.
    QCOMPARE(CustomColorDefinitions::getColorFromColorEnum(9), QColor(82, 255, 96));
    QCOMPARE(CustomColorDefinitions::getColorFromColorEnum(-1), QColor(82, 255, 96));
    QTest::ignoreMessage(
        QtDebugMsg, "Wrong color name as argument in CustomColorDefinitions::getColorFromColorName()");
    QVERIFY(!CustomColorDefinitions::getColorFromColorName(QStringLiteral("green")).isValid());
    QCOMPARE(CustomColorDefinitions::limitColor(), QColor(180, 180, 85));
    // A palette index outside 0..5 for a name is a programming error.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Palette index out of range")));
    bool thrown = false;
    try {
        CustomColorDefinitions::getColorName(6);
    } catch (const char *) {
        thrown = true;
    }
    QVERIFY(thrown);
}

void tst_ThemeColors::singletonEmitsEveryChange()
{
    ThemeColorSingleton *theme = ThemeColorSingleton::instance();
    QCOMPARE(theme->colorPalette(), Green);
    QCOMPARE(theme->previewColorPalette(), Green);
    QSignalSpy current(theme, &ThemeColorSingleton::colorChanged);
    QSignalSpy preview(theme, &ThemeColorSingleton::previewColorChanged);

    theme->setColorPalette(Green); // unchanged, still announced
    theme->setColorPalette(Pale_Yellow);
    QCOMPARE(current.count(), 2);
    QCOMPARE(current.at(0).at(0).value<enum_ColorPalette>(), Green);
    QCOMPARE(current.at(1).at(0).value<enum_ColorPalette>(), Pale_Yellow);
    QCOMPARE(theme->currentColor(), QColor(175, 160, 0));
    QCOMPARE(preview.count(), 0);

    theme->setPreviewColorPalette(Bright_Yellow);
    theme->setPreviewColorPalette(Bright_Yellow);
    QCOMPARE(preview.count(), 2);
    QCOMPARE(preview.at(1).at(0).value<enum_ColorPalette>(), Bright_Yellow);
    QCOMPARE(theme->previewColor(), QColor(215, 190, 0));
    QCOMPARE(theme->colorPalette(), Pale_Yellow);
    theme->setColorPalette(Green);
    theme->setPreviewColorPalette(Green);
}

void tst_ThemeColors::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");

    // Values the accessibility guidelines' own examples give.
    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
    QTest::newRow("same colour") << QColor(149, 149, 149) << QColor(149, 149, 149) << 1.0;
    QTest::newRow("lightest grey that passes") << QColor(0x76, 0x76, 0x76) << QColor(255, 255, 255) << 4.54;
    QTest::newRow("next grey fails") << QColor(0x77, 0x77, 0x77) << QColor(255, 255, 255) << 4.48;
    QTest::newRow("red on white") << QColor(255, 0, 0) << QColor(255, 255, 255) << 4.0;
    QTest::newRow("either order") << QColor(255, 255, 255) << QColor(0, 0, 255) << 8.59;
    // The setup rows: black reads on both greys, the green palette hardly at all.
    QTest::newRow("black on dark row") << QColor(0, 0, 0) << QColor(149, 149, 149) << 7.01;
    QTest::newRow("green on light row") << QColor(82, 225, 96) << QColor(206, 206, 206) << 1.09;
}

void tst_ThemeColors::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(CustomColorDefinitions::contrastRatio(a, b) - ratio) < 0.01,
        qPrintable(QString::number(CustomColorDefinitions::contrastRatio(a, b), 'f', 3)));
}

void tst_ThemeColors::expand_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("changed");

    QTest::newRow("container colour and border")
        << goldenText(QStringLiteral("container_input.qss"))
        << goldenText(QStringLiteral("container_expanded.qss")) << true;
    QTest::newRow("slider groove") << "/*selector=QSlider::groove:vertical=s*/ /*theme1:background-color*/"
                                   << goldenText(QStringLiteral("groove_expanded.qss")) << true;
    QTest::newRow("WindowsHover only") << "QPushButton:WindowsHover{color: red;}"
                                       << "QPushButton:hover{color: red;}" << true;
    // Two selectors, one theme marker: the first selector is used, the second stays unused.
    QTest::newRow("second selector unused") << "/*selector=QLabel=s*//*selector=QFrame=s*//*theme1:color*/"
                                            << goldenText(QStringLiteral("label_color.qss")) << true;
    // A property other than the three consumes its selector and appends nothing.
    QTest::newRow("other property consumes") << "/*selector=QLabel=s*//*selector=QFrame=s*//*theme1:font*/"
                                                "/*theme1:color*/"
                                             << goldenText(QStringLiteral("frame_color.qss")) << true;
    QTest::newRow("theme marker without selector") << "a{b:c;}/*theme1:color*/"
                                                   << "a{b:c;}" << true;
    QTest::newRow("no markers") << "QLabel{color: white;}"
                                << "QLabel{color: white;}" << false;
    QTest::newRow("selector marker alone") << "/*selector=QLabel=s*/QLabel{}"
                                           << "QLabel{}" << false;
    // Plain declarations with a background on which a palette colour cannot be read take black text.
    QTest::newRow("light grey row") << "background-color:rgb(206, 206, 206);"
                                    << "background-color:rgb(206, 206, 206);color:rgb(0, 0, 0);" << true;
    QTest::newRow("dark grey row") << "background-color:rgb(149, 149, 149);"
                                   << "background-color:rgb(149, 149, 149);color:rgb(0, 0, 0);" << true;
    QTest::newRow("last declaration without semicolon")
        << "border: none; background: rgb(229, 229, 229) "
        << "border: none; background: rgb(229, 229, 229);color:rgb(0, 0, 0);" << true;
    QTest::newRow("colour name") << "background-color: grey;"
                                 << "background-color: grey;color:rgb(0, 0, 0);" << true;
    // Where black is not readable either (3.2 : 1 on the runtime side's bands), white text (6.6 : 1).
    QTest::newRow("too dark for black")
        << "background-color: rgb(93, 93, 93); border: transparent; "
        << "background-color: rgb(93, 93, 93); border: transparent;color:rgb(255, 255, 255);" << true;
    // Left as they are: a text colour of its own, a background every palette colour is readable on, a
    // background that is not opaque, and rules.
    QTest::newRow("own text colour") << "background-color: rgb(230, 230, 230); color: rgb(0, 0, 0);"
                                     << "background-color: rgb(230, 230, 230); color: rgb(0, 0, 0);" << false;
    QTest::newRow("black background") << "background-color: rgb(0, 0, 0);"
                                      << "background-color: rgb(0, 0, 0);" << false;
    QTest::newRow("transparent") << "background-color: transparent;"
                                 << "background-color: transparent;" << false;
    QTest::newRow("translucent") << "background-color: rgba(206, 206, 206, 100);"
                                 << "background-color: rgba(206, 206, 206, 100);" << false;
    QTest::newRow("rule") << "QLabel{background-color: rgb(206, 206, 206);}"
                          << "QLabel{background-color: rgb(206, 206, 206);}" << false;
}

void tst_ThemeColors::expand()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(bool, changed);
    bool isChanged = !changed;
    QCOMPARE(ThemeStyleSheets::expand(input, &isChanged), expected);
    QCOMPARE(isChanged, changed);
}

void tst_ThemeColors::applyToDescendants()
{
    QWidget root;
    const QString rootSheet = QStringLiteral("/*selector=*=s*//*theme1:color*/");
    root.setStyleSheet(rootSheet);
    QLabel *themed = new QLabel(&root);
    themed->setStyleSheet(QStringLiteral("/*selector=QLabel=s*//*theme1:color*/"));
    QWidget *inner = new QWidget(&root);
    QPushButton *hover = new QPushButton(inner);
    hover->setStyleSheet(QStringLiteral("QPushButton:WindowsHover{color: red;}"));
    const QString plainSheet = QStringLiteral("/*selector=QLabel=s*/QLabel{color: white;}");
    QLabel *plain = new QLabel(inner);
    plain->setStyleSheet(plainSheet);

    ThemeStyleSheets::applyToDescendants(&root);
    QCOMPARE(root.styleSheet(), rootSheet); // the root itself is not expanded
    QCOMPARE(themed->styleSheet(), goldenText(QStringLiteral("label_color.qss")));
    QCOMPARE(hover->styleSheet(), QStringLiteral("QPushButton:hover{color: red;}"));
    QCOMPARE(plain->styleSheet(), plainSheet); // unchanged texts keep their markers
}

// End to end: an expanded sheet inside a scaling container takes the colour of each palette change.
void tst_ThemeColors::paletteChangeRecolours()
{
    QWidget window;
    window.resize(800, 480);
    CustomLayout *layout = new CustomLayout(&window, 800, 480);
    QLabel *label = new QLabel(QStringLiteral("MMMMMMMM"), layout);
    label->setGeometry(10, 10, 300, 60);
    QFont font = label->font();
    font.setPointSize(28);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("/*selector=QLabel=s*//*theme1:color*/"));
    ThemeStyleSheets::applyToDescendants(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    layout->resize(800, 480);

    ThemeColorSingleton::instance()->setColorPalette(Yellow);
    QCOMPARE(label->property("ThemeColor").toString(), QStringLiteral("Yellow"));
    const QImage yellow = label->grab().toImage();
    QVERIFY(pixelsNear(yellow, QColor(195, 175, 0)) > 20);
    QCOMPARE(pixelsNear(yellow, QColor(82, 255, 96)), 0);

    ThemeColorSingleton::instance()->setColorPalette(Bright_Green);
    const QImage green = label->grab().toImage();
    QVERIFY(pixelsNear(green, QColor(82, 255, 96)) > 20);
    QCOMPARE(pixelsNear(green, QColor(195, 175, 0)), 0);
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

void tst_ThemeColors::tintedArrow_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("palette");

    QTest::newRow("up, bright green") << ":/Resources/arrow_up" << 0;
    QTest::newRow("down, pale yellow") << ":/Resources/arrow_down" << 5;
}

void tst_ThemeColors::tintedArrow()
{
    QFETCH(QString, path);
    QFETCH(int, palette);
    const QImage source = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!source.isNull());
    const QImage tinted = CustomColorDefinitions::tintedPixmap(path, palette)
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(tinted.size(), source.size());
    const QColor color = CustomColorDefinitions::getColorFromColorEnum(palette);
    int opaque = 0;
    int transparent = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(source.pixel(x, y));
            const QColor out = tinted.pixelColor(x, y);
            QCOMPARE(out.alpha(), alpha);
            if (alpha == 255) {
                ++opaque;
                QCOMPARE(out.rgb(), color.rgb());
            } else if (alpha == 0) {
                ++transparent;
            }
        }
    }
    QVERIFY(opaque > 100);
    QVERIFY(transparent > 100);
    QVERIFY(CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/no_such_picture"), 0).isNull());
}

QTEST_MAIN(tst_ThemeColors)
#include "tst_themecolors.moc"
