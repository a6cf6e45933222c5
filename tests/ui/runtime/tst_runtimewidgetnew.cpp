// The four-line runtime pages over the real settings and descriptions: lines bound to the page's
// "RuntimeData" settings, the value text, colour and direction of each kind of value, lines switched off
// and on with the height divided again, the direction drawing moved or hidden on page B, and pictures of
// pages A and B at two sizes.

#include "FreshStores.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "data/ESRuntime.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "ui/runtime/DirectionAngleWidget.h"
#include "ui/runtime/MainWindow.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include <cmath>

#include <optional>

namespace {

const QColor sogGreen(0x33, 0xba, 0x38);
const QColor stwGreen(0x10, 0x48, 0xff);
const QColor lowGreen(0xff, 0xe2, 0x3a);
const QColor fallback(204, 102, 0);

QLabel *title(SingleLineDisplayWidget *line)
{
    return line->findChild<QLabel *>(QStringLiteral("titleLabel"));
}
QLabel *value(SingleLineDisplayWidget *line)
{
    return line->findChild<QLabel *>(QStringLiteral("valueLabel"));
}
DirectionAngleWidget *direction(SingleLineDisplayWidget *line)
{
    return line->findChild<DirectionAngleWidget *>(QStringLiteral("directionWidget"));
}
QString styleColour(QLabel *label)
{
    return label->styleSheet().mid(QStringLiteral("color : ").size());
}

} // namespace

class tst_RuntimeWidgetNew : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linesFollowTheSettings_data();
    void linesFollowTheSettings();
    void valueLine_data();
    void valueLine();
    void resultantWithoutCompanionPointsUp();
    void resultantAngleReducedToOneTurn_data();
    void resultantAngleReducedToOneTurn();
    void linesSwitchedOffAndOn();
    void lineSwitchedOffWhileNotOnScreen();
    void choiceRebindsTheLine();
    void directionDrawingOnPageB();
    void plainMainWindowShowsPageA();
    void pictures();

private:
    static EnumPropertyInfo *choice(const QString &letter, int line)
    {
        return qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("RuntimeData") + QString::number(line),
            QStringLiteral("RuntimeScreenSetup") + letter));
    }
    static void choose(const QString &letter, const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i) {
            EnumPropertyInfo *setting = choice(letter, i + 1);
            QVERIFY(setting);
            QVERIFY2(setting->indexOfValue(values.at(i)) >= 0, qPrintable(values.at(i)));
            setting->setCurrentValue(values.at(i));
        }
    }
    static void receive(const QString &name, const QString &text, bool sourceValid = true)
    {
        ESRuntime *runtime = ESDataClass::instance()->runtime();
        runtime->setSourceValid(name, sourceValid);
        bool ok = false;
        runtime->applySingleProperty(QStringLiteral("Type_Runtime,") + name + QLatin1Char('=') + text, &ok);
        QVERIFY(ok);
    }
    // A page of the letter on a black window of the page's design size, bound and shown.
    RuntimeWidget_new *showPage(QWidget *window, const QString &letter)
    {
        window->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
        window->resize(628, 447);
        auto *page = new RuntimeWidget_new(window);
        page->setObjectName(QStringLiteral("es_runtime_") + letter);
        page->setGeometry(0, 0, 628, 447);
        page->initializeScreenData();
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return nullptr;
        return page;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
};

void tst_RuntimeWidgetNew::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Green"));
}

void tst_RuntimeWidgetNew::cleanup()
{
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_RuntimeWidgetNew::linesFollowTheSettings_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QStringList>("choices"); // empty: the defaults
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<bool>>("hidden");

    QTest::newRow("page A defaults") << "A" << QStringList()
                                     << QStringList({ "SOG kn", "Total NM", "Trip NM", "SOG kn" })
                                     << QList<bool>({ false, false, false, false });
    QTest::newRow("page B defaults") << "B" << QStringList()
                                     << QStringList({ "SOG L kn", "SOG T kn", "SOG T Fore kn", "SOG L kn" })
                                     << QList<bool>({ false, false, false, false });
    // A line switched off is still bound, to the first choice of its list.
    QTest::newRow("page B with two lines off")
        << "B" << QStringList({ "SpeedSOGGpsLong", "OFF", "Trip", "OFF" })
        << QStringList({ "SOG L kn", "SOG L kn", "Trip NM", "SOG L kn" })
        << QList<bool>({ false, true, false, true });
    QTest::newRow("page A, all off") << "A" << QStringList({ "OFF", "OFF", "OFF", "OFF" })
                                     << QStringList({ "SOG kn", "SOG kn", "SOG kn", "SOG kn" })
                                     << QList<bool>({ true, true, true, true });
}

void tst_RuntimeWidgetNew::linesFollowTheSettings()
{
    QFETCH(QString, letter);
    QFETCH(QStringList, choices);
    QFETCH(QStringList, titles);
    QFETCH(QList<bool>, hidden);
    choose(letter, choices);
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, letter);
    QVERIFY(page);
    QCOMPARE(page->pageLetter(), letter);
    QCOMPARE(page->feeds().size(), 4);
    for (int i = 0; i < 4; ++i) {
        SingleLineDisplayWidget *line = page->lines().at(i);
        QCOMPARE(line->displayableData(), page->feeds().at(i));
        QCOMPARE(title(line)->text(), titles.at(i));
        QCOMPARE(page->isValueHidden(i), hidden.at(i));
        QCOMPARE(line->isVisible(), !hidden.at(i));
        // Nothing received yet: not valid, drawn in the low-integrity colour.
        QCOMPARE(value(line)->text(), QStringLiteral("-/-"));
        QCOMPARE(styleColour(value(line)), lowGreen.name());
        QCOMPARE(styleColour(title(line)), lowGreen.name());
    }
}

void tst_RuntimeWidgetNew::valueLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("received");
    QTest::addColumn<bool>("sourceValid");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("speedClass");
    QTest::addColumn<double>("angle");

    QTest::newRow("longitudinal ahead") << "SpeedSOGGpsLong"
                                        << "1.5" << true << "1.5" << sogGreen << "LONG" << 0.0;
    QTest::newRow("longitudinal astern") << "SpeedSOGGpsLong"
                                         << "-1.5" << true << "1.5" << sogGreen << "LONG" << 180.0;
    QTest::newRow("transverse to starboard") << "SpeedSOGGpsTra"
                                             << "0.4" << true << "0.4" << sogGreen << "TRA" << 90.0;
    QTest::newRow("transverse to port") << "SpeedSOGGpsTra"
                                        << "-0.4" << true << "0.4" << sogGreen << "TRA" << 270.0;
    QTest::newRow("through the water") << "SpeedSTWLogLong"
                                       << "7.26" << true << "7.3" << stwGreen << "LONG" << 0.0;
    QTest::newRow("resultant follows its angle") << "SpeedGPS"
                                                 << "12" << true << "12.0" << sogGreen << "RES" << 45.0;
    QTest::newRow("water current") << "WaterCurrent"
                                   << "1" << true << "1.0 kn" << stwGreen << "RES" << 45.0;
    QTest::newRow("no direction") << "Trip"
                                  << "12.3456" << true << "12.35" << sogGreen << "NONE" << 0.0;
    QTest::newRow("heading without colour class") << "Heading"
                                                  << "123.45" << true << "123.5" << fallback << "NONE" << 0.0;
    QTest::newRow("south position") << "PositionNS"
                                    << "-5530.1234" << true << "55°30.123'" << fallback << "NONE" << 0.0;
    QTest::newRow("minutes below ten") << "PositionNS"
                                       << "5105.5" << true << "51°5.500'" << fallback << "NONE" << 0.0;
    QTest::newRow("zero") << "PositionEW"
                          << "0" << true << "0°0.000'" << fallback << "NONE" << 0.0;
    QTest::newRow("just below the round-up")
        << "PositionEW"
        << "-12359.9994" << true << "123°59.999'" << fallback << "NONE" << 0.0;
    // Rounding to 60 minutes is carried into the degrees.
    QTest::newRow("carry") << "PositionNS"
                           << "5159.9999" << true << "52°0.000'" << fallback << "NONE" << 0.0;
    QTest::newRow("carry to a hundred degrees")
        << "PositionEW"
        << "-9959.99951" << true << "100°0.000'" << fallback << "NONE" << 0.0;
    QTest::newRow("position that is no number") << "PositionEW"
                                                << "abc" << true << "-/-" << fallback << "NONE" << 0.0;
    QTest::newRow("marked F") << "SpeedSOGGpsTra"
                              << "-0.4" << false << "0.4" << lowGreen << "TRA" << 270.0;
    // Not valid: "-/-", and the direction drawn as for zero.
    QTest::newRow("not valid") << "SpeedSOGGpsTra"
                               << "" << true << "-/-" << lowGreen << "TRA" << 90.0;
}

void tst_RuntimeWidgetNew::valueLine()
{
    QFETCH(QString, name);
    QFETCH(QString, received);
    QFETCH(bool, sourceValid);
    choose(QStringLiteral("B"), { name });
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, QStringLiteral("B"));
    QVERIFY(page);
    // The angles of the resultant speeds.
    receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("45"));
    receive(QStringLiteral("AngleWaterCurrent"), QStringLiteral("45"));
    if (!received.isEmpty())
        receive(name, received, sourceValid);
    SingleLineDisplayWidget *line = page->lines().first();
    QTEST(value(line)->text(), "text");
    QFETCH(QColor, colour);
    QCOMPARE(styleColour(value(line)), colour.name());
    QCOMPARE(styleColour(title(line)), colour.name());
    QTEST(direction(line)->speedClass(), "speedClass");
    QTEST(direction(line)->angle(), "angle");
    QCOMPARE(direction(line)->color(), colour);
    // The arrow stands on the text's baseline: the descent is handed over as a share of the height.
    const int descent = QFontMetrics(title(line)->font()).descent();
    QCOMPARE(qRound(direction(line)->descentRatio() * direction(line)->height()), descent);
}

void tst_RuntimeWidgetNew::resultantWithoutCompanionPointsUp()
{
    auto *speed = qobject_cast<RuntimePropertyWithAngleInfo *>(
        ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("SpeedGPS")));
    QVERIFY(speed);
    speed->setAnglePropertyInfo(nullptr);
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, QStringLiteral("A"));
    QVERIFY(page);
    receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("45"));
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("3"));
    SingleLineDisplayWidget *line = page->lines().first();
    QCOMPARE(value(line)->text(), QStringLiteral("3.0"));
    QCOMPARE(direction(line)->speedClass(), QStringLiteral("RES"));
    QCOMPARE(direction(line)->angle(), 0.0);
}

// A received angle of any size turns the arrow by what is left after whole turns; the arrow's position is
// computed from that, never from the received number as an integer.
void tst_RuntimeWidgetNew::resultantAngleReducedToOneTurn_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<double>("angle");
    QTest::newRow("two turns and 45") << "765" << 45.0;
    QTest::newRow("one turn back and 45") << "-405" << -45.0;
    QTest::newRow("past the integers") << "123456789012345" << std::fmod(123456789012345.0, 360.0);
}

void tst_RuntimeWidgetNew::resultantAngleReducedToOneTurn()
{
    QFETCH(QString, received);
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, QStringLiteral("A"));
    QVERIFY(page);
    receive(QStringLiteral("AngleSpeedGPS"), received);
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("3"));
    SingleLineDisplayWidget *line = page->lines().first();
    QCOMPARE(direction(line)->speedClass(), QStringLiteral("RES"));
    QTEST(direction(line)->angle(), "angle");
    QVERIFY(!direction(line)->grab().isNull());
}

void tst_RuntimeWidgetNew::linesSwitchedOffAndOn()
{
    choose(QStringLiteral("B"), { "SpeedSOGGpsLong", "OFF", "Trip", "OFF" });
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, QStringLiteral("B"));
    QVERIFY(page);
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    QVERIFY(layout);
    auto stretches = [layout]() {
        QList<int> s;
        for (int i = 0; i < layout->count(); ++i)
            s << layout->stretch(i);
        return s;
    };
    QCOMPARE(stretches(), QList<int>({ 2, 2, 1, 2, 2, 2 }));
    // Each shown line keeps a quarter of the height, the two in the middle.
    const int usable = page->height() - 10;
    const QList<SingleLineDisplayWidget *> lines = page->lines();
    QTRY_VERIFY(qAbs(lines.at(0)->height() - usable / 4) <= 2);
    QVERIFY(qAbs(lines.at(2)->height() - usable / 4) <= 2);
    QVERIFY(qAbs(lines.at(0)->y() - usable / 4) <= 2);
    QCOMPARE(lines.at(2)->y(), lines.at(0)->geometry().bottom() + 1);

    // The user switches line 2 on again.
    choice(QStringLiteral("B"), 2)->setCurrentValue(QStringLiteral("Total"));
    QVERIFY(!page->isValueHidden(1));
    QVERIFY(lines.at(1)->isVisible());
    QCOMPARE(title(lines.at(1))->text(), QStringLiteral("Total NM"));
    QCOMPARE(stretches(), QList<int>({ 1, 2, 2, 2, 2, 1 }));
    QTRY_COMPARE(lines.at(1)->y(), lines.at(0)->geometry().bottom() + 1);
    QTRY_VERIFY2(qAbs(lines.at(0)->y() - usable / 8) <= 2, qPrintable(QString::number(lines.at(0)->y())));

    // And line 1 off: the same stretches as with lines 2 and 4 off.
    choice(QStringLiteral("B"), 1)->setCurrentValue(QStringLiteral("OFF"));
    QVERIFY(page->isValueHidden(0));
    QVERIFY(!lines.at(0)->isVisible());
    QCOMPARE(stretches(), QList<int>({ 2, 2, 2, 2, 2, 2 }));
}

void tst_RuntimeWidgetNew::lineSwitchedOffWhileNotOnScreen()
{
    QWidget window;
    window.resize(628, 447);
    auto *page = new RuntimeWidget_new(&window);
    page->setObjectName(QStringLiteral("es_runtime_A"));
    page->initializeScreenData();
    choice(QStringLiteral("A"), 3)->setCurrentValue(QStringLiteral("OFF"));
    QVERIFY(page->isValueHidden(2));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(page->lines().at(0)->isVisible());
    QVERIFY(!page->lines().at(2)->isVisible());
}

void tst_RuntimeWidgetNew::choiceRebindsTheLine()
{
    QWidget window;
    RuntimeWidget_new *page = showPage(&window, QStringLiteral("A"));
    QVERIFY(page);
    SingleLineDisplayWidget *line = page->lines().at(1);
    RuntimeDisplayableData *feed = line->displayableData();
    choice(QStringLiteral("A"), 2)->setCurrentValue(QStringLiteral("Trip"));
    // The same feed, bound to the new value.
    QCOMPARE(line->displayableData(), feed);
    QCOMPARE(feed->propertyInfo(), ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("Trip")));
    QCOMPARE(title(line)->text(), QStringLiteral("Trip NM"));
    receive(QStringLiteral("Trip"), QStringLiteral("4.5"));
    QCOMPARE(value(line)->text(), QStringLiteral("4.50"));
    // The value shown before no longer reaches the line.
    receive(QStringLiteral("Total"), QStringLiteral("99"));
    QCOMPARE(value(line)->text(), QStringLiteral("4.50"));
}

void tst_RuntimeWidgetNew::directionDrawingOnPageB()
{
    choose(QStringLiteral("B"), { "SpeedSOGGpsLong", "Trip" });
    choose(QStringLiteral("A"), { "SpeedGPS", "Trip" });
    QWidget windowB;
    RuntimeWidget_new *pageB = showPage(&windowB, QStringLiteral("B"));
    QWidget windowA;
    RuntimeWidget_new *pageA = showPage(&windowA, QStringLiteral("A"));
    QVERIFY(pageA && pageB);
    receive(QStringLiteral("Trip"), QStringLiteral("1"));

    // Page B: a speed puts its drawing first, a value without direction hides it and its texts reach the
    // right edge.
    SingleLineDisplayWidget *speed = pageB->lines().at(0);
    SingleLineDisplayWidget *trip = pageB->lines().at(1);
    QVERIFY(speed->isDirectionFirst());
    QVERIFY(direction(speed)->isVisible());
    QVERIFY(direction(speed)->geometry().right() < title(speed)->geometry().left());
    QVERIFY(!trip->isDirectionFirst());
    QVERIFY(!direction(trip)->isVisible());
    QVERIFY(value(trip)->geometry().right() > trip->width() * 3 / 4);

    // Page A: the drawing stays at the right, also where nothing is drawn.
    SingleLineDisplayWidget *tripA = pageA->lines().at(1);
    QVERIFY(!tripA->isDirectionFirst());
    QVERIFY(direction(tripA)->isVisible());
    QVERIFY(direction(tripA)->geometry().left() > value(tripA)->geometry().right());

    // Switching page B's second line to a speed brings its drawing back, first.
    choice(QStringLiteral("B"), 2)->setCurrentValue(QStringLiteral("SpeedSOGGpsTra"));
    QVERIFY(trip->isDirectionFirst());
    QVERIFY(direction(trip)->isVisible());
}

// The plain main window holds one page, named for page A, that shows what page A's settings choose and
// the values received, at its form size and resized.
void tst_RuntimeWidgetNew::plainMainWindowShowsPageA()
{
    choose(QStringLiteral("A"), { "Trip", "SpeedGPS", "Total", "OFF" });
    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(window.size(), QSize(628, 500));
    QVERIFY(window.findChild<QMenuBar *>(QStringLiteral("menuBar")));
    QVERIFY(window.findChild<QToolBar *>(QStringLiteral("mainToolBar")));
    QVERIFY(window.findChild<QStatusBar *>(QStringLiteral("statusBar")));
    auto *page = window.findChild<RuntimeWidget_new *>(QStringLiteral("RuntimeScreenA"));
    QVERIFY(page);
    QCOMPARE(page->parentWidget(), window.centralWidget());
    QCOMPARE(page->pageLetter(), QStringLiteral("A"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(page->width(), window.centralWidget()->width());

    receive(QStringLiteral("Trip"), QStringLiteral("3.456"));
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("12"));
    QCOMPARE(title(page->lines().at(0))->text(), QStringLiteral("Trip NM"));
    QCOMPARE(value(page->lines().at(0))->text(), QStringLiteral("3.46"));
    QCOMPARE(title(page->lines().at(1))->text(), QStringLiteral("SOG kn"));
    QCOMPARE(value(page->lines().at(1))->text(), QStringLiteral("12.0"));
    QCOMPARE(value(page->lines().at(2))->text(), QStringLiteral("-/-"));
    QVERIFY(page->isValueHidden(3));
    QVERIFY(!page->lines().at(3)->isVisible());
    ScreenPictures::save(&window, QStringLiteral("plain_main_window_628x500"));
    window.resize(800, 480);
    QTRY_COMPARE(page->width(), 800);
    ScreenPictures::save(&window, QStringLiteral("plain_main_window_800x480"));
}

void tst_RuntimeWidgetNew::pictures()
{
    receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("60"));
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("12.4"));
    receive(QStringLiteral("SpeedSOGGpsLong"), QStringLiteral("-3.2"));
    receive(QStringLiteral("SpeedSOGGpsTra"), QStringLiteral("0.4"), false);
    receive(QStringLiteral("PositionNS"), QStringLiteral("5530.1234"));
    receive(QStringLiteral("Total"), QStringLiteral("1234.5"));
    receive(QStringLiteral("SpeedSOGGpsTraFore"), QStringLiteral("-10.25"));
    receive(QStringLiteral("AngleWaterCurrent"), QStringLiteral("200"));
    receive(QStringLiteral("WaterCurrent"), QStringLiteral("12.3"));
    receive(QStringLiteral("SpeedSTWLogLong"), QStringLiteral("23.4"));
    receive(QStringLiteral("PositionEW"), QStringLiteral("-12345.678"));

    struct Page
    {
        QString letter;
        QStringList choices;
        QString name;
    };
    const QList<Page> pages = {
        { QStringLiteral("A"), { "SpeedGPS", "Total", "Trip", "OFF" }, QStringLiteral("page_A") },
        { QStringLiteral("B"), { "SpeedSOGGpsLong", "SpeedSOGGpsTra", "SpeedGPS", "PositionNS" },
            QStringLiteral("page_B") },
        // The longest titles and values of page B.
        { QStringLiteral("B"), { "SpeedSOGGpsTraFore", "WaterCurrent", "SpeedSTWLogLong", "PositionEW" },
            QStringLiteral("page_B_long") },
    };
    for (const Page &shown : pages) {
        const QString &letter = shown.letter;
        choose(letter, shown.choices);
        ScreenStage stage;
        auto *page = new RuntimeWidget_new(stage.layout);
        page->setObjectName(QStringLiteral("es_runtime_") + letter);
        page->setGeometry(0, 33, 800, 447);
        page->initializeScreenData();
        stage.start();
        // The page is transparent: it is drawn over the black of the runtime side.
        const auto save = [page](const QString &name) {
            QCoreApplication::processEvents();
            QImage image(page->size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            page->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            image.save(ScreenPictures::folder() + name + QStringLiteral(".png"));
            return image;
        };
        const QImage design = save(shown.name + QStringLiteral("_800x447"));
        QCOMPARE(design.size(), QSize(800, 447));
        // Text in the value colours on the black page.
        QVERIFY(ScreenPictures::pixelsNear(design, design.rect(), sogGreen) > 200);
        stage.resize(QSize(1024, 600));
        const QImage larger = save(shown.name + QStringLiteral("_1024x600"));
        QVERIFY(larger.width() == 1024 && larger.height() > 550);
        QVERIFY(ScreenPictures::pixelsNear(larger, larger.rect(), sogGreen) > 300);
        // No line runs over the next or out of the page.
        const QList<SingleLineDisplayWidget *> lines = page->lines();
        for (int i = 0; i < 4; ++i) {
            if (!lines.at(i)->isVisible())
                continue;
            QVERIFY(page->rect().contains(lines.at(i)->geometry()));
            QVERIFY(lines.at(i)->rect().contains(value(lines.at(i))->geometry()));
            QVERIFY(lines.at(i)->rect().contains(title(lines.at(i))->geometry()));
            // Nothing cut: each label is as wide as its text.
            QVERIFY(value(lines.at(i))->width() >= value(lines.at(i))->sizeHint().width());
            QVERIFY(title(lines.at(i))->width() >= title(lines.at(i))->sizeHint().width());
            QVERIFY(title(lines.at(i))->geometry().right() < value(lines.at(i))->geometry().left());
        }
    }
}

QTEST_MAIN(tst_RuntimeWidgetNew)
#include "tst_runtimewidgetnew.moc"
