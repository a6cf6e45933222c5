// The runtime-page setup: its rows and page buttons, the main window's runtime pages borrowed as a live
// preview (touches on it do nothing) and given back unchanged, at full size and on page A, however often
// the page is opened; pictures at 800 x 480 and 1024 x 600.

#include "BoundSetupButtons.h"
#include "ScreenPictures.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ES_Alerts.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "ui/RuntimeScreenScale.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/runtime/RuntimeScreens.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"
#include "ui/setup/ESRuntimeSetupScreen.h"
#include "ui/window/BaseScreen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

namespace {

struct Row
{
    int row;
    const char *label;
    const char *property;
};

QList<Row> rowsOf(QChar page)
{
    QList<Row> rows;
    auto add = [&rows](const char *label, const char *property) {
        rows.append({ rows.isEmpty() ? 0 : rows.last().row + 1, label, property });
    };
    static const char *const information[]
        = { "Information1", "Information2", "Information3", "Information4", "Information5" };
    static const char *const informationLabels[]
        = { "Information 1", "Information 2", "Information 3", "Information 4", "Information 5" };
    auto addBottomBars = [&add]() {
        add("Bottom Bars", "BottomBars");
        add("Bottom Bar 1", "BottomBar1");
        add("Bottom Bar 2", "BottomBar2");
        add("Bottom Bar 3", "BottomBar3");
    };
    add("Show Page", "ShowPage");
    if (page == QLatin1Char('A') || page == QLatin1Char('B')) {
        add("Data 1", "RuntimeData1");
        add("Data 2", "RuntimeData2");
        add("Data 3", "RuntimeData3");
        add("Data 4", "RuntimeData4");
        add("Info Buttons", "Information");
        for (int i = 0; i < 5; ++i)
            add(informationLabels[i], information[i]);
        addBottomBars();
    } else if (page == QLatin1Char('C')) {
        for (int i = 0; i < 5; ++i)
            add(informationLabels[i], information[i]);
        const int next = rows.last().row + 2; // after one empty row
        rows.append({ next, "Bottom Bars", "BottomBars" });
        rows.append({ next + 1, "Bottom Bar 1", "BottomBar1" });
        rows.append({ next + 2, "Bottom Bar 2", "BottomBar2" });
        rows.append({ next + 3, "Bottom Bar 3", "BottomBar3" });
    } else {
        add("Angle Calc", "AngleCalc");
        add("SOG ", "DisplaySOG");
        add("STW", "DisplaySTW");
        add("WC", "DisplayWC");
        for (int i = 0; i < 5; ++i)
            add(informationLabels[i], information[i]);
    }
    return rows;
}

// Geometry and font pixel size of the widget and of every widget under it.
QMap<QWidget *, QPair<QRect, int>> geometries(QWidget *root)
{
    QMap<QWidget *, QPair<QRect, int>> map;
    for (QWidget *widget : root->findChildren<QWidget *>())
        map.insert(widget, { widget->geometry(), widget->font().pixelSize() });
    map.insert(root, { root->geometry(), root->font().pixelSize() });
    return map;
}

} // namespace

class tst_ESRuntimeSetupScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void opensOnLastRuntimePage_data();
    void opensOnLastRuntimePage();
    void pageButtonsMoveRowsAndPreview();
    void givenBackUnchangedAfterRoundTrips();
    void touchOnPreviewChangesNothing();
    void settingShowsAtOnceInPreview();
    void allPagesOffDoesNotLoop();
    void pictures();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    ESRuntimeScreenSetup *settings(QChar letter) const
    {
        return ESDataClass::instance()->localSetup()->runtimeScreenSetup(letter);
    }
    QStackedWidget *mainStack() const { return child<QStackedWidget>(QStringLiteral("stacked_basescreen")); }
    QStackedWidget *rows() const
    {
        return m_page->findChild<QStackedWidget *>(QStringLiteral("stacked_es_rt_setup"));
    }
    QWidget *holder() const { return m_page->findChild<QWidget *>(QStringLiteral("es_rt_holder")); }
    QAbstractButton *pageButton(QChar letter) const
    {
        return m_page->findChild<QAbstractButton *>(QStringLiteral("page_%1_btn").arg(letter.toLower()));
    }
    // The setup menu opens the setup side of the main stack; the runtime side is page 1.
    void openSetup()
    {
        mainStack()->setCurrentIndex(0);
        QTRY_VERIFY(m_page->isVisible());
    }
    void leaveSetup()
    {
        m_window->goToRuntimeScreen();
        QVERIFY(!m_page->isVisible());
        QTRY_COMPARE(mainStack()->currentWidget(), m_screens);
    }
    void resetSettings()
    {
        for (QChar letter : QStringLiteral("ABCD")) {
            settings(letter)->setShowPage(0);
            settings(letter)->setInformation(0);
        }
    }

    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
    RuntimeScreens *m_screens = nullptr;
    ESRuntimeSetupScreen *m_page = nullptr;
};

void tst_ESRuntimeSetupScreen::init()
{
    resetSettings();
    m_descriptions.emplace();
    m_dimming = new DimmingController;
    BaseScreen::Parts parts;
    parts.runtimeScreens = [this](QWidget *parent) { return m_screens = new RuntimeScreens(parent); };
    parts.setupScreens = [this](QWidget *parent) { return m_page = new ESRuntimeSetupScreen(parent); };
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming, nullptr, parts);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(mainStack()->currentWidget(), m_screens);
}

void tst_ESRuntimeSetupScreen::cleanup()
{
    delete m_window;
    delete m_dimming;
    m_descriptions.reset();
    resetSettings();
}

// The form as built: the row stack, the page buttons, the preview holder and, on each page, the rows
// bound by name to the page's settings.
void tst_ESRuntimeSetupScreen::layout()
{
    QCOMPARE(rows()->geometry(), QRect(0, 0, 800, 447));
    QCOMPARE(rows()->count(), 4);
    QCOMPARE(holder()->geometry(), QRect(0, 10, 501, 331));
    QCOMPARE(holder()->accessibleDescription(), QStringLiteral("Runtime Setup Screen"));
    const QString letters = QStringLiteral("ABCD");
    const int contentsHeight[] = { 704, 704, 384, 640 };
    QStringList expectedBound;
    for (int page = 0; page < 4; ++page) {
        const QChar letter = letters.at(page);
        QAbstractButton *button = pageButton(letter);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(20 + 82 * page, 397, 80, 41));
        QCOMPARE(button->text(), QStringLiteral("Page ") + letter);
        QVERIFY(button->isCheckable());
        QCOMPARE(rows()->widget(page)->objectName(), QStringLiteral("page_") + letter.toLower());
        auto *scroll = rows()->widget(page)->findChild<QScrollArea *>();
        QCOMPARE(scroll->geometry(), QRect(510, 0, 291, 447));
        QCOMPARE(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(scroll->widget()->height(), contentsHeight[page]);
        QWidget *group = scroll->findChild<QWidget *>(QStringLiteral("grpBox_RuntimeScreenSetup") + letter);
        QVERIFY(group);
        const QList<Row> expected = rowsOf(letter);
        QCOMPARE(group->findChildren<QAbstractButton *>().size(), expected.size());
        for (const Row &row : expected) {
            const QString name
                = QStringLiteral("ls_st_%1_RuntimeScreenSetup%2_btn").arg(row.property).arg(letter);
            auto *setupButton = group->findChild<QAbstractButton *>(name);
            QVERIFY2(setupButton, qPrintable(name));
            QCOMPARE(setupButton->geometry(), QRect(156, 64 * row.row + 10, 112, 40));
            QLabel *label = nullptr;
            for (QLabel *candidate : group->findChildren<QLabel *>())
                if (candidate->geometry() == QRect(0, 64 * row.row, 291, 64))
                    label = candidate;
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), QString::fromLatin1(row.label));
            expectedBound.append(name);
        }
    }
    // The first page button is on when built; the form leaves the last row page current.
    QVERIFY(pageButton(QLatin1Char('A'))->isChecked());
    QCOMPARE(rows()->currentIndex(), 3);
    // Every row button is bound by the setup menu's pass to its setting.
    QStringList bound = bindSetupButtons(m_page, ESDataInfoClass::instance());
    bound.sort();
    expectedBound.sort();
    QCOMPARE(bound, expectedBound);
}

void tst_ESRuntimeSetupScreen::opensOnLastRuntimePage_data()
{
    QTest::addColumn<int>("lastPage");
    QTest::newRow("page A") << 0;
    QTest::newRow("page C") << 2;
    QTest::newRow("page D") << 3;
}

// The page opens on the rows of the runtime page last shown, its button on, and borrows the runtime
// widget: a child of the holder, shrunk to it, ignoring touches.
void tst_ESRuntimeSetupScreen::opensOnLastRuntimePage()
{
    QFETCH(int, lastPage);
    m_screens->getStackedEsRuntime()->setCurrentIndex(lastPage);
    openSetup();
    QCOMPARE(m_page->borrowedRuntimeScreens(), m_screens);
    QCOMPARE(m_screens->parentWidget(), holder());
    QVERIFY(m_screens->isVisible());
    QCOMPARE(m_screens->geometry(), QRect(QPoint(0, 0), holder()->size()));
    QVERIFY(m_screens->isShownInSetupPreview());
    QVERIFY(m_screens->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(runtimeScreenScaleX(), 0.625);
    QCOMPARE(rows()->currentIndex(), lastPage);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), lastPage);
    for (int page = 0; page < 4; ++page)
        QCOMPARE(pageButton(QStringLiteral("ABCD").at(page))->isChecked(), page == lastPage);
}

// Each page button shows its rows and the same runtime page in the preview.
void tst_ESRuntimeSetupScreen::pageButtonsMoveRowsAndPreview()
{
    openSetup();
    const QString letters = QStringLiteral("DBCA");
    for (QChar letter : letters) {
        const int index = letter.unicode() - 'A';
        QTest::mouseClick(pageButton(letter), Qt::LeftButton);
        QVERIFY(pageButton(letter)->isChecked());
        QCOMPARE(rows()->currentIndex(), index);
        QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), index);
        QVERIFY(rows()->currentWidget()->isVisible());
    }
    // Page D's preview is the heading page.
    QTest::mouseClick(pageButton(QLatin1Char('D')), Qt::LeftButton);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentWidget()->objectName(),
        m_screens->getStackedEsRuntime()->widget(3)->objectName());
    QVERIFY(m_screens->getStackedEsRuntime()->widget(3)->isVisible());
}

// Several visits: afterwards the runtime widget is again page 1 of the main stack, at full size with every
// child exactly where it was, accepting touches, on page A, and the preview scale is gone.
void tst_ESRuntimeSetupScreen::givenBackUnchangedAfterRoundTrips()
{
    // Each runtime page shown once first, so that its layout has placed it.
    for (int page = 0; page < 4; ++page)
        QTest::mouseClick(child<QAbstractButton>(QStringLiteral("navigate_right_button")), Qt::LeftButton);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 0);
    const QMap<QWidget *, QPair<QRect, int>> before = geometries(m_screens);
    for (int visit = 0; visit < 4; ++visit) {
        m_screens->getStackedEsRuntime()->setCurrentIndex(visit % 4);
        openSetup();
        QTest::mouseClick(pageButton(QStringLiteral("CDAB").at(visit)), Qt::LeftButton);
        leaveSetup();
        QCOMPARE(m_page->borrowedRuntimeScreens(), nullptr);
        QCOMPARE(m_screens->parentWidget(), mainStack());
        QCOMPARE(mainStack()->indexOf(m_screens), 1);
        QCOMPARE(mainStack()->currentWidget(), m_screens);
        QVERIFY(m_screens->isVisible());
        QVERIFY(!m_screens->isShownInSetupPreview());
        QVERIFY(!m_screens->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 0);
        QCOMPARE(m_screens->getStackedSystems()->currentIndex(), 0);
        QCOMPARE(runtimeScreenScaleX(), 1.0);
        QCOMPARE(runtimeScreenScaleY(), 1.0);
        QCOMPARE(runtimeScreenScale(), 1.0);
        const QMap<QWidget *, QPair<QRect, int>> after = geometries(m_screens);
        QCOMPARE(after.size(), before.size());
        for (auto it = before.constBegin(); it != before.constEnd(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(),
                qPrintable(QStringLiteral("visit %1: %2 moved from %3,%4 %5x%6 to %7,%8 %9x%10")
                               .arg(visit)
                               .arg(it.key()->objectName())
                               .arg(it.value().first.x())
                               .arg(it.value().first.y())
                               .arg(it.value().first.width())
                               .arg(it.value().first.height())
                               .arg(after.value(it.key()).first.x())
                               .arg(after.value(it.key()).first.y())
                               .arg(after.value(it.key()).first.width())
                               .arg(after.value(it.key()).first.height())));
    }
    // And it takes touches again: the right arrow turns the page.
    QTest::mouseClick(child<QAbstractButton>(QStringLiteral("navigate_right_button")), Qt::LeftButton);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 1);
}

// A touch on the preview's right arrow, delivered by position through the window, reaches no runtime
// button: the page does not turn.
void tst_ESRuntimeSetupScreen::touchOnPreviewChangesNothing()
{
    openSetup();
    QTest::mouseClick(pageButton(QLatin1Char('B')), Qt::LeftButton);
    auto *arrow = child<QAbstractButton>(QStringLiteral("navigate_right_button"));
    QVERIFY(arrow->isVisible());
    QSignalSpy clicks(arrow, &QAbstractButton::clicked);
    const QPoint point = arrow->mapTo(m_window, arrow->rect().center());
    QVERIFY(holder()->rect().contains(holder()->mapFrom(m_window, point)));
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, point);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 1);
    QCOMPARE(rows()->currentIndex(), 1);
}

// A data line switched off on the rows' setting disappears from the preview at once, and comes back.
void tst_ESRuntimeSetupScreen::settingShowsAtOnceInPreview()
{
    m_window->reinitializeRuntimePages();
    openSetup();
    QTest::mouseClick(pageButton(QLatin1Char('A')), Qt::LeftButton);
    auto *pageA = child<RuntimeWidget_new>(QStringLiteral("es_runtime_A"));
    QVERIFY(pageA->lines().first()->isVisible());
    auto *choice = qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QStringLiteral("RuntimeData1"), QStringLiteral("RuntimeScreenSetupA")));
    QVERIFY(choice);
    const int original = settings(QLatin1Char('A'))->RuntimeData1();
    int off = -1;
    for (int value = 0; value < 100 && off < 0; ++value) {
        settings(QLatin1Char('A'))->setRuntimeData1(value);
        if (choice->currentValue() == QLatin1String("OFF"))
            off = value;
    }
    QVERIFY(off >= 0);
    QVERIFY(!pageA->lines().first()->isVisible());
    QVERIFY(pageA->lines().at(1)->isVisible());
    settings(QLatin1Char('A'))->setRuntimeData1(original);
    QVERIFY(pageA->lines().first()->isVisible());
}

// With every page switched off the page still opens, each page button works, and the runtime side's
// arrows stay on the page shown after it is given back.
void tst_ESRuntimeSetupScreen::allPagesOffDoesNotLoop()
{
    for (QChar letter : QStringLiteral("ABCD"))
        settings(letter)->setShowPage(1);
    openSetup();
    for (QChar letter : QStringLiteral("ABCD")) {
        QTest::mouseClick(pageButton(letter), Qt::LeftButton);
        QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), letter.unicode() - 'A');
    }
    leaveSetup();
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 0);
    QTest::mouseClick(child<QAbstractButton>(QStringLiteral("navigate_right_button")), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>(QStringLiteral("navigate_left_button")), Qt::LeftButton);
    QCOMPARE(m_screens->getStackedEsRuntime()->currentIndex(), 0);
}

// The page with the preview of pages A and D, at both sizes; the preview stays inside its holder, left of
// the rows, and the page buttons under it.
void tst_ESRuntimeSetupScreen::pictures()
{
    // As on the unit: the rows bound to their settings and a palette chosen.
    bindSetupButtons(m_page, ESDataInfoClass::instance());
    ThemeColorSingleton::instance()->setColorPalette(Green);
    m_window->reinitializeRuntimePages();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        m_window->resize(size);
        QTRY_COMPARE(child(QStringLiteral("custom_layout"))->size(), size);
        openSetup();
        for (QChar letter : QStringLiteral("AD")) {
            QTest::mouseClick(pageButton(letter), Qt::LeftButton);
            const QString name
                = QStringLiteral("runtime_setup_%1_%2x%3").arg(letter).arg(size.width()).arg(size.height());
            ScreenPictures::save(m_window, name);
            const QRect preview(holder()->mapTo(m_window, QPoint(0, 0)), holder()->size());
            QVERIFY(m_screens->geometry() == QRect(QPoint(0, 0), holder()->size()));
            QVERIFY(preview.right()
                < rows()->currentWidget()->findChild<QScrollArea *>()->mapTo(m_window, QPoint(0, 0)).x());
            QVERIFY(preview.bottom() < pageButton(letter)->mapTo(m_window, QPoint(0, 0)).y());
        }
        leaveSetup();
    }
    m_window->resize(800, 480);
    QTRY_COMPARE(child(QStringLiteral("custom_layout"))->size(), QSize(800, 480));
}

QTEST_MAIN(tst_ESRuntimeSetupScreen)
#include "tst_esruntimesetupscreen.moc"
