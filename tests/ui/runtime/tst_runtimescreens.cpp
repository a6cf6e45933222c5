// The runtime side in the main window: page A at start with its title, the side information that slides
// away and comes back on a press, navigation over the pages switched on, the return to the page left,
// presses held on the pages (the backlight raised to the alarm level, never under the brightness
// controls), the preview scaling, and pictures at 800 x 480 and 1024 x 600.

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ES_Alerts.h"
#include "data/RemoteDimmingSetup.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "ui/CustomColorDefinitions.h"
#include "ui/RuntimeScreenScale.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeDockingWidget.h"
#include "ui/runtime/RuntimeHeadingScreen.h"
#include "ui/runtime/RuntimePressFilter.h"
#include "ui/runtime/RuntimeScreens.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"
#include "ui/runtime/TitleValueWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

#include "PixelCount.h"
#include "ScreenPictures.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

class tst_RuntimeScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startOnPageA();
    void fourLinePagesBound();
    void dockingAndHeadingPages();
    void sideInformation_data();
    void sideInformation();
    void hiddenSideButtonTakesNoTap();
    void navigation_data();
    void navigation();
    void storedShowPageHoldsFromStart();
    void returnsToPageLeft();
    void pressHold_data();
    void pressHold();
    void brightnessButtons_data();
    void brightnessButtons();
    void previewScaling();
    void pictures();
    void bandCaptionsReadable();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    ESRuntimeScreenSetup *settings(QChar letter) const
    {
        return ESDataClass::instance()->localSetup()->runtimeScreenSetup(letter);
    }
    QStackedWidget *pages() const { return m_screens->getStackedEsRuntime(); }
    void resizeWindow(const QSize &size)
    {
        m_window->resize(size);
        QTRY_COMPARE(child(QStringLiteral("custom_layout"))->size(), size);
    }

    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
    RuntimeScreens *m_screens = nullptr;
};

void tst_RuntimeScreens::init()
{
    for (QChar letter : QStringLiteral("ABCD")) {
        settings(letter)->setInformation(0);
        settings(letter)->setShowPage(0);
    }
    m_descriptions.emplace();
    m_dimming = new DimmingController;
    BaseScreen::Parts parts;
    parts.runtimeScreens = [this](QWidget *parent) { return m_screens = new RuntimeScreens(parent); };
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming, nullptr, parts);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

void tst_RuntimeScreens::cleanup()
{
    if (m_window->size() != QSize(800, 480))
        resizeWindow(QSize(800, 480));
    delete m_window;
    delete m_dimming;
    m_descriptions.reset();
    for (QChar letter : QStringLiteral("ABCD")) {
        settings(letter)->setInformation(0);
        settings(letter)->setShowPage(0);
    }
}

void tst_RuntimeScreens::startOnPageA()
{
    QCOMPARE(m_window->runtimeScreens(), m_screens);
    QCOMPARE(m_screens->objectName(), QStringLiteral("runtime_screens"));
    QCOMPARE(pages()->currentIndex(), 0);
    QCOMPARE(child<QLabel>(QStringLiteral("title_label_right"))->text(), QStringLiteral("Page A"));
    QVERIFY(m_screens->isSideInfoShown());
    QVERIFY(m_screens->isAutoHideTimerActive());
    QCOMPARE(m_screens->sideInfoInterval(), 5000);
    QCOMPARE(m_screens->pressFilter()->holdInterval(), 1500);
    QCOMPARE(m_screens->sideInfoWidth(), 170);
    QVERIFY(!m_screens->isBottomInfoShown());
    for (const QString &bar : { QStringLiteral("es_rt_BottomBar1_RuntimeScreenSetupA_btn_1"),
             QStringLiteral("es_rt_BottomBar3_RuntimeScreenSetupD_btn_4") })
        QVERIFY(child(bar)->isHidden());
    QCOMPARE(child(QStringLiteral("es_rt_BottomBar1_RuntimeScreenSetupC_btn_3"))->accessibleDescription(),
        QStringLiteral("ON"));
    QVERIFY(child(QStringLiteral("brightness_slider"))->isHidden());
    QVERIFY(child(QStringLiteral("es_rt_Information5_RuntimeScreenSetupA_btn_1"))->isVisible());
    QCOMPARE(child(QStringLiteral("es_runtime_holder_1"))->width(), 628);
    for (const QString &arrow : { QStringLiteral("arrow_left"), QStringLiteral("arrow_right") }) {
        auto *picture = m_screens->findChild<QLabel *>(arrow);
        QVERIFY(!picture->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

// Pages A and B are four-line pages; once the window asks the runtime side to bind them, each line
// follows its page's setting.
void tst_RuntimeScreens::fourLinePagesBound()
{
    auto *pageA = child<RuntimeWidget_new>(QStringLiteral("es_runtime_A"));
    auto *pageB = child<RuntimeWidget_new>(QStringLiteral("es_runtime_B"));
    QVERIFY(pageA);
    QVERIFY(pageB);
    QVERIFY(pageA->feeds().isEmpty());
    m_window->reinitializeRuntimePages();
    QCOMPARE(pageA->pageLetter(), QStringLiteral("A"));
    QCOMPARE(pageB->pageLetter(), QStringLiteral("B"));
    QCOMPARE(pageA->feeds().size(), 4);
    QCOMPARE(pageA->lines().size(), 4);
    QVERIFY(pageA->isVisible());
    QVERIFY(pageA->lines().first()->isVisible());
    // The page fills its value area beside the side information.
    QCOMPARE(pageA->width(), 628);
}

// Page C is the docking page, page D the heading page (its page letter bound with the four-line pages);
// the right button walks from page A over B to both, and each fills its value area when shown.
void tst_RuntimeScreens::dockingAndHeadingPages()
{
    m_window->reinitializeRuntimePages();
    auto *docking = child<RuntimeDockingWidget>(QStringLiteral("es_runtime_C"));
    auto *heading = child<RuntimeHeadingScreen>(QStringLiteral("es_runtime_D"));
    QVERIFY(docking);
    QVERIFY(heading);
    QCOMPARE(heading->pageLetter(), QStringLiteral("D"));
    QCOMPARE(heading->rows().size(), 3);

    const struct
    {
        QWidget *page;
        const char *title;
        int areaWidth;
    } steps[] = { { docking, "Page C", 628 }, { heading, "Page D", 628 } };
    auto *right = child(QStringLiteral("navigate_right_button"));
    QTest::mouseClick(right, Qt::LeftButton);
    QCOMPARE(pages()->currentIndex(), 1);
    for (const auto &step : steps) {
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(pages()->currentWidget(), step.page->parentWidget()->parentWidget());
        QVERIFY(step.page->isVisible());
        QCOMPARE(child<QLabel>(QStringLiteral("title_label_right"))->text(), QLatin1String(step.title));
        QCOMPARE(step.page->parentWidget()->width(), step.areaWidth);
        QCOMPARE(step.page->size(), step.page->parentWidget()->size());
    }
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        resizeWindow(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        pages()->setCurrentIndex(2);
        ScreenPictures::save(m_window, QStringLiteral("page_C_docking") + suffix);
        pages()->setCurrentIndex(3);
        ScreenPictures::save(m_window, QStringLiteral("page_D_heading") + suffix);
    }
    // With its three rows shown, the heading page keeps its side information, and the rows stand in the
    // value area beside the compass, clear of the side buttons.
    ESRuntimeScreenSetup *d = settings(QLatin1Char('D'));
    d->setDisplaySOG(0);
    d->setDisplaySTW(0);
    d->setDisplayWC(0);
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        resizeWindow(size);
        QTRY_VERIFY(heading->rows().last()->isVisible());
        QVERIFY(m_screens->isSideInfoShown());
        ScreenPictures::save(
            m_window, QStringLiteral("page_D_heading_rows_%1x%2").arg(size.width()).arg(size.height()));
        const QRect area(
            heading->parentWidget()->mapTo(m_window, QPoint(0, 0)), heading->parentWidget()->size());
        for (TitleValueWidget *row : heading->rows()) {
            const QRect shown(row->mapTo(m_window, QPoint(0, 0)), row->size());
            QVERIFY(area.contains(shown));
            for (int k = 1; k <= 5; ++k) {
                QWidget *side = child(QStringLiteral("es_rt_Information%1_RuntimeScreenSetupD_btn_4").arg(k));
                QVERIFY(side->isVisible());
                QVERIFY(!shown.intersects(QRect(side->mapTo(m_window, QPoint(0, 0)), side->size())));
            }
        }
    }
    d->setDisplaySOG(1);
    d->setDisplaySTW(1);
    d->setDisplayWC(1);
}

void tst_RuntimeScreens::sideInformation_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("information");
    QTest::addColumn<bool>("hides");

    QTest::newRow("page A slides") << 0 << 1 << true;
    QTest::newRow("page A fixed") << 0 << 0 << false;
    QTest::newRow("page C slides") << 2 << 1 << true;
    QTest::newRow("page D keeps it") << 3 << 1 << false;
}

// With the time shortened to 300 ms: a sliding page hides its side information (the value area takes the
// whole width), a press brings it back and restarts the time.
void tst_RuntimeScreens::sideInformation()
{
    QFETCH(int, page);
    QFETCH(int, information);
    QFETCH(bool, hides);

    settings(QLatin1Char("ABCD"[page]))->setInformation(information);
    m_screens->setSideInfoInterval(300);
    pages()->setCurrentIndex(page);
    QVERIFY(m_screens->isAutoHideTimerActive());
    QTRY_VERIFY_WITH_TIMEOUT(!m_screens->isAutoHideTimerActive(), 2000);
    QCOMPARE(m_screens->isSideInfoShown(), !hides);
    if (!hides)
        return;
    QWidget *area = child(QStringLiteral("es_runtime_holder_%1").arg(page + 1));
    QCOMPARE(area->width(), 800);

    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(m_screens->isSideInfoShown());
    QCOMPARE(area->width(), 628);
    QVERIFY(m_screens->isAutoHideTimerActive());
    QTRY_VERIFY_WITH_TIMEOUT(!m_screens->isSideInfoShown(), 2000);
}

// While the side information is hidden the first tap only brings it back; the second presses the button.
void tst_RuntimeScreens::hiddenSideButtonTakesNoTap()
{
    settings(QLatin1Char('A'))->setInformation(1);
    m_screens->setSideInfoInterval(300);
    QTRY_VERIFY_WITH_TIMEOUT(!m_screens->isSideInfoShown(), 2000);
    auto *button = child<RuntimeScreenButton>(QStringLiteral("es_rt_Information2_RuntimeScreenSetupA_btn_1"));
    QSignalSpy pressed(button, &RuntimeScreenButton::buttonPressed);
    // The widened value area lies over the button.
    const QPoint spot = button->mapTo(m_window, button->rect().center());
    QVERIFY(!button->isAncestorOf(m_window->childAt(spot)));

    auto *single = button->findChild<QPushButton *>(QStringLiteral("single_btn"));
    QTest::mouseClick(single, Qt::LeftButton);
    QVERIFY(m_screens->isSideInfoShown());
    QCOMPARE(pressed.count(), 0);
    QTest::mouseClick(single, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
}

void tst_RuntimeScreens::navigation_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("pagesOff");
    QTest::addColumn<int>("to");

    QTest::newRow("right") << 0 << "navigate_right_button"
                           << "" << 1;
    QTest::newRow("right from D over A") << 3 << "navigate_right_button"
                                         << "A" << 1;
    QTest::newRow("left from A wraps") << 0 << "navigate_left_button"
                                       << "" << 3;
    QTest::newRow("left over C and B") << 3 << "navigate_left_button"
                                       << "BC" << 0;
    QTest::newRow("all others off") << 2 << "navigate_right_button"
                                    << "ABD" << 2;
}

void tst_RuntimeScreens::navigation()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(QString, pagesOff);
    QFETCH(int, to);

    for (QChar letter : pagesOff)
        settings(letter)->setShowPage(1);
    pages()->setCurrentIndex(from);
    QSignalSpy titles(m_screens, &RuntimeScreens::signalRightTitleLabelText);
    QTest::mouseClick(child(button), Qt::LeftButton);
    QCOMPARE(pages()->currentIndex(), to);
    if (to != from) {
        QCOMPARE(titles.count(), 1);
        QCOMPARE(titles.first().first().toString(), QStringLiteral("Page %1").arg(QLatin1Char("ABCD"[to])));
        QCOMPARE(
            child<QLabel>(QStringLiteral("title_label_right"))->text(), titles.first().first().toString());
    }
}

// Pages stored as off before the window is built are skipped from the first turn, not only after a
// change of the setting.
void tst_RuntimeScreens::storedShowPageHoldsFromStart()
{
    delete m_window;
    settings(QLatin1Char('B'))->setShowPage(1);
    settings(QLatin1Char('C'))->setShowPage(1);
    BaseScreen::Parts parts;
    parts.runtimeScreens = [this](QWidget *parent) { return m_screens = new RuntimeScreens(parent); };
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming, nullptr, parts);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(pages()->currentIndex(), 0);
    QTest::mouseClick(child(QStringLiteral("navigate_right_button")), Qt::LeftButton);
    QCOMPARE(pages()->currentIndex(), 3);
    QTest::mouseClick(child(QStringLiteral("navigate_left_button")), Qt::LeftButton);
    QCOMPARE(pages()->currentIndex(), 0);
}

void tst_RuntimeScreens::returnsToPageLeft()
{
    auto *config = child<QPushButton>(QStringLiteral("config_button"));
    pages()->setCurrentIndex(2);
    QTest::mouseClick(config, Qt::LeftButton);
    QVERIFY(!m_screens->isVisible());
    QVERIFY(!m_screens->isAutoHideTimerActive());
    QCOMPARE(m_screens->getLastPageIndex(), 2);
    QSignalSpy titles(m_screens, &RuntimeScreens::signalRightTitleLabelText);
    QTest::mouseClick(config, Qt::LeftButton);
    QVERIFY(m_screens->isVisible());
    QCOMPARE(pages()->currentIndex(), 2);
    QVERIFY(titles.count() >= 1);
    QCOMPARE(titles.last().first().toString(), QStringLiteral("Page C"));
    QCOMPARE(child<QLabel>(QStringLiteral("title_label_right"))->text(), QStringLiteral("Page C"));
    QVERIFY(m_screens->isSideInfoShown());
    QVERIFY(m_screens->isAutoHideTimerActive());
}

void tst_RuntimeScreens::pressHold_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("raises");

    QTest::newRow("value area") << "es_runtime_holder_1" << true;
    QTest::newRow("side button") << "es_rt_Information1_RuntimeScreenSetupA_btn_1" << true;
    QTest::newRow("brighter button") << "brightness_inc_button" << false;
    QTest::newRow("dimmer button") << "brightness_red_button" << false;
    QTest::newRow("brightness slider") << "brightness_slider" << false;
}

// Held 300 ms (shortened from 1500 ms) a press raises a dim backlight to the alarm level and reports 15 %;
// on the brightness controls the hold is theirs and never starts.
void tst_RuntimeScreens::pressHold()
{
    QFETCH(QString, target);
    QFETCH(bool, raises);

    m_screens->pressFilter()->setHoldInterval(300);
    m_window->storeBrightness(10, false);
    QSignalSpy reported(m_window, &BaseScreen::brightnessManuallyChangedToAlarmLevel);
    QWidget *widget = child(target);
    widget->show();
    widget->raise();

    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m_screens->pressFilter()->isHoldTimerActive(), raises);
    if (raises) {
        QTRY_COMPARE_WITH_TIMEOUT(m_window->normalBrightness(), 40, 2000);
        QCOMPARE(m_dimming->brightness(), 40);
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.first().first().toInt(), 15);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_screens->pressFilter()->isHoldTimerActive());
    // The brightness controls change the brightness themselves (a step, or the slider's jump to the
    // press), but never report the alarm level.
    if (!raises)
        QCOMPARE(reported.count(), 0);

    // A press released before the hold time raises nothing.
    m_window->storeBrightness(10, false);
    QTest::mouseClick(child(QStringLiteral("es_runtime_holder_1")), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_screens->pressFilter()->isHoldTimerActive());
    QCOMPARE(m_window->normalBrightness(), 10);
}

void tst_RuntimeScreens::brightnessButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");

    QTest::newRow("brighter") << "brightness_inc_button" << 100 << 101;
    QTest::newRow("dimmer") << "brightness_red_button" << 100 << 99;
    QTest::newRow("brighter at full") << "brightness_inc_button" << 255 << 255;
}

// A tap on a brightness button steps the display's brightness by one through the main window and shows
// the slider and its value, which hide again 2.4 s after the last activity; held, the button repeats.
void tst_RuntimeScreens::brightnessButtons()
{
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(int, expected);

    RemoteDimmingSetup *remote = ESDataClass::instance()->localSetup()->DimmingSetup();
    const QString preset = remote->DimmingPreset();
    const QString palette = remote->ColorPalette();
    m_window->storeBrightness(start, false);
    auto *slider = child<QSlider>(QStringLiteral("brightness_slider"));
    auto *label = child<QLabel>(QStringLiteral("brightness_value_label"));
    QVERIFY(slider->isHidden());

    QTest::mouseClick(child(button), Qt::LeftButton);
    QCOMPARE(m_window->normalBrightness(), expected);
    QCOMPARE(m_dimming->brightness(), expected);
    QVERIFY(slider->isVisible());
    QVERIFY(label->isVisible());
    QCOMPARE(slider->value(), expected);
    QCOMPARE(label->text(), QString::number(int(expected / 2.56)) + QLatin1Char('%'));
    QTRY_VERIFY_WITH_TIMEOUT(slider->isHidden(), 4000);
    QVERIFY(label->isHidden());

    if (expected != 255) {
        QTest::mousePress(child(button), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(m_window->normalBrightness() - expected) > 3, 2000);
        QTest::mouseRelease(child(button), Qt::LeftButton);
    }
    remote->setDimmingPreset(preset);
    remote->setColorPalette(palette);
}

// Moved into the runtime-page setup's preview everything shrinks to 0.625 across and 0.75 down, no title
// is announced and the side information stays; moved back it grows to its size again.
void tst_RuntimeScreens::previewScaling()
{
    QWidget preview;
    preview.setAccessibleDescription(QStringLiteral("Runtime Setup Screen"));
    preview.resize(500, 335);
    preview.show();
    QWidget *button = child(QStringLiteral("es_rt_Information2_RuntimeScreenSetupA_btn_1"));
    const QRect full = button->geometry();
    QCOMPARE(full, QRect(630, 64, 170, 63));
    QSignalSpy titles(m_screens, &RuntimeScreens::signalRightTitleLabelText);

    m_screens->setShownInSetupPreview(true);
    m_screens->moveIntoContainer(&preview);
    m_screens->show();
    QCOMPARE(runtimeScreenScaleX(), 0.625);
    QCOMPARE(runtimeScreenScaleY(), 0.75);
    QCOMPARE(runtimeScreenScale(), 0.625);
    QCOMPARE(button->geometry(), QRect(394, 48, 106, 47));
    QCOMPARE(titles.count(), 0);
    QVERIFY(!m_screens->isAutoHideTimerActive());

    auto *stack = child<QStackedWidget>(QStringLiteral("stacked_basescreen"));
    m_screens->moveIntoContainer(stack);
    stack->insertWidget(1, m_screens);
    m_screens->setShownInSetupPreview(false);
    QCOMPARE(runtimeScreenScaleX(), 1.0);
    QCOMPARE(button->geometry(), full);
}

// The runtime side with its side information, and with the side information hidden, at both sizes.
void tst_RuntimeScreens::pictures()
{
    m_window->reinitializeRuntimePages();
    settings(QLatin1Char('A'))->setInformation(1);
    m_screens->setSideInfoInterval(300);
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        resizeWindow(size);
        m_screens->showSideInfoAndRestartTimer();
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        const QImage shown = ScreenPictures::save(m_window, QStringLiteral("side_information") + suffix);
        // The side buttons stand whole at the right edge.
        const QRect sideButtons(int(630 * size.width() / 800.0), int(34 * size.height() / 480.0) + 5,
            size.width() - int(630 * size.width() / 800.0) - 1, int(300 * size.height() / 480.0));
        QVERIFY(ScreenPictures::pixelsNear(shown, sideButtons, QColor(82, 225, 96), 40) > 200);
        // The grey bands behind the brightness and navigation buttons stand at the lower right.
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        const QRect bands(int(630 * sx), int((34 + 320) * sy), int(170 * sx), int(120 * sy));
        QVERIFY(ScreenPictures::pixelsNear(shown, bands, QColor(93, 93, 93), 6)
            > bands.width() * bands.height() / 4);
        QTRY_VERIFY_WITH_TIMEOUT(!m_screens->isSideInfoShown(), 2000);
        const QImage hidden
            = ScreenPictures::save(m_window, QStringLiteral("side_information_hidden") + suffix);
        Q_UNUSED(hidden);
        // The widened value area now lies over the shared controls.
        QWidget *over = m_window->childAt(bands.center());
        QVERIFY(child(QStringLiteral("es_runtime_holder_1"))->isAncestorOf(over));
    }
}

// "Brightness" and "Navigate" stand on the grey bands rgb(93, 93, 93) beside the runtime pages; in every
// palette their letters reach the contrast text needs against the band (the palette colours alone reach
// 2.5 to 5.0 : 1 there).
void tst_RuntimeScreens::bandCaptionsReadable()
{
    const QColor band(93, 93, 93);
    for (int palette = 0; palette < CustomColorDefinitions::paletteCount; ++palette) {
        ThemeColorSingleton::instance()->setColorPalette(enum_ColorPalette(palette));
        const QImage picture = m_window->grab().toImage();
        for (const char *name : { "transp_label_3", "transp_label_4" }) {
            auto *caption = child<QLabel>(QLatin1String(name));
            QVERIFY(caption->isVisible());
            // The caption's line at the top of its band, above the arrows.
            const QRect line(caption->mapTo(m_window, QPoint(0, 0)),
                QSize(caption->width(), caption->fontMetrics().height()));
            const int readable = pixelsReadableOn(picture.copy(line), band);
            QVERIFY2(readable > 30,
                qPrintable(QStringLiteral("\"%1\" in %2: %3 readable pixels")
                               .arg(caption->text(), CustomColorDefinitions::getColorName(palette))
                               .arg(readable)));
        }
    }
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

QTEST_MAIN(tst_RuntimeScreens)
#include "tst_runtimescreens.moc"
