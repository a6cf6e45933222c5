// The value chooser of an enumerated setting and the long-press menu of a runtime value, as overlays of
// the window at two sizes: the rows and their units, the buttons and what each reports, the list height,
// the option buttons built from a long-press item, the list of runtime values and the frame flash.

#include "FreshStores.h"
#include "PixelCount.h"
#include "ScreenStage.h"

#include "info/ESDataInfoClass.h"
#include "ui/CustomLayout.h"
#include "ui/dialogs/LongPressMenuScreen.h"
#include "ui/dialogs/SetupLongPressScreen.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

namespace {

// Clicks the list row showing `text`.
void clickRow(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

QStringList rowTexts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class tst_LongPressScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chooserRows_data();
    void chooserRows();
    void chooserButtons_data();
    void chooserButtons();
    void chooserTitleAndAuto();
    void chooserListHeight_data();
    void chooserListHeight();

    void menuOptions_data();
    void menuOptions();
    void menuOptionReportsItsText();
    void menuInformationPage();
    void menuListHeightIsStable();
    void menuFrameFlashes();

    void pictures();
    void buttonTextReadable();

private:
    template <typename Overlay> Overlay *addOverlay(const char *name)
    {
        auto *overlay = new Overlay(m_stage->layout);
        overlay->setObjectName(QLatin1String(name));
        overlay->setStyleSheet(QStringLiteral("background-color: transparent;"));
        overlay->setBaseSize(800, 480);
        overlay->setGeometry(0, 0, 800, 480);
        return overlay;
    }
    template <typename T> T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    void openChooser(const QStringList &values, const QString &unit);
    void openMenu(const QString &longPress);

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    ScreenStage *m_stage = nullptr;
    SetupLongPressScreen *m_chooser = nullptr;
    LongPressMenuScreen *m_menu = nullptr;
};

void tst_LongPressScreens::init()
{
    m_stores.emplace();
    m_descriptions.emplace();
    m_stage = new ScreenStage;
    m_menu = addOverlay<LongPressMenuScreen>("long_press_menu");
    m_chooser = addOverlay<SetupLongPressScreen>("setup_long_press_menu");
    m_stage->start();
}

void tst_LongPressScreens::cleanup()
{
    delete m_stage;
    m_descriptions.reset();
    m_stores.reset();
}

void tst_LongPressScreens::openChooser(const QStringList &values, const QString &unit)
{
    m_chooser->setValues(values, unit);
    m_chooser->show();
    m_chooser->raise();
    QVERIFY(QTest::qWaitForWindowExposed(&m_stage->window));
}

void tst_LongPressScreens::openMenu(const QString &longPress)
{
    m_menu->setOptionsFromProperty(longPress, QStringLiteral("Trip"));
    m_menu->show();
    m_menu->raise();
}

// ---------------------------------------------------------------------------------------------------------
// The value chooser

void tst_LongPressScreens::chooserRows_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("reported");

    const QStringList minutes = { "1", "2", "3", "4", "5" };
    QTest::newRow("escalation time in minutes")
        << minutes << "min" << QStringList { "1 min", "2 min", "3 min", "4 min", "5 min" } << "2 min"
        << "2";
    QTest::newRow("no unit") << QStringList { "CAT A ALR", "CAT A ALF", "CAT B ALR" } << ""
                             << QStringList { "CAT A ALR", "CAT A ALF", "CAT B ALR" } << "CAT A ALF"
                             << "CAT A ALF";
    // Only the suffix at the end is cut: a value that contains the unit keeps it.
    QTest::newRow("value containing the unit")
        << QStringList { "m m", "ft" } << "m" << QStringList { "m m m", "ft m" } << "m m m"
        << "m m";
}

void tst_LongPressScreens::chooserRows()
{
    QFETCH(QStringList, values);
    QFETCH(QString, unit);
    QFETCH(QString, clicked);
    openChooser(values, unit);
    auto *list = child<QListWidget>(m_chooser, "listWidget");
    QTEST(rowTexts(list), "rows");
    QCOMPARE(list->selectedItems().size(), 0);

    QStringList events;
    connect(m_chooser, &SetupLongPressScreen::valueChanged, this,
        [&events](const QString &value) { events.append(QStringLiteral("value:") + value); });
    connect(m_chooser, &SetupLongPressScreen::closed, this,
        [&events]() { events.append(QStringLiteral("closed")); });
    clickRow(list, clicked);
    QTest::mouseClick(child<QPushButton>(m_chooser, "ok_btn"), Qt::LeftButton);
    QFETCH(QString, reported);
    QCOMPARE(events, QStringList({ QStringLiteral("value:") + reported, QStringLiteral("closed") }));
    QVERIFY(!m_chooser->isVisible());
    QCOMPARE(list->count(), 0);
    QVERIFY(!child<QPushButton>(m_chooser, "ok_btn")->isEnabled());
}

void tst_LongPressScreens::chooserButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("selectFirst");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("Cancel") << "cancel_btn_2" << false << QStringList { "closed" };
    QTest::newRow("Cancel after a selection") << "cancel_btn_2" << true << QStringList { "closed" };
    QTest::newRow("Auto") << "auto_btn" << false << QStringList { "auto", "closed" };
    // Without a selection "Ok" cannot be pressed: nothing is reported.
    QTest::newRow("Ok without a selection") << "ok_btn" << false << QStringList {};
}

void tst_LongPressScreens::chooserButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, selectFirst);
    openChooser({ QStringLiteral("kn"), QStringLiteral("m/s") }, QString());
    m_chooser->setAutoButtonVisible(true);
    auto *ok = child<QPushButton>(m_chooser, "ok_btn");
    QVERIFY(!ok->isEnabled());
    if (selectFirst) {
        clickRow(child<QListWidget>(m_chooser, "listWidget"), QStringLiteral("kn"));
        QVERIFY(ok->isEnabled());
    }
    QStringList events;
    connect(m_chooser, &SetupLongPressScreen::valueChanged, this,
        [&events](const QString &value) { events.append(QStringLiteral("value:") + value); });
    connect(m_chooser, &SetupLongPressScreen::turnOnAutoFunctions, this,
        [&events]() { events.append(QStringLiteral("auto")); });
    connect(m_chooser, &SetupLongPressScreen::closed, this,
        [&events]() { events.append(QStringLiteral("closed")); });
    QTest::mouseClick(child<QPushButton>(m_chooser, qPrintable(button)), Qt::LeftButton);
    QTEST(events, "events");
    QCOMPARE(m_chooser->isVisible(), events.isEmpty());
}

void tst_LongPressScreens::chooserTitleAndAuto()
{
    m_chooser->setTitle(QStringLiteral("Escalation Time"));
    QCOMPARE(child<QLabel>(m_chooser, "title_label_2")->text(),
        QStringLiteral("Select value for Escalation Time:"));
    m_chooser->setTitleText(QStringLiteral("Pick one"));
    QCOMPARE(child<QLabel>(m_chooser, "title_label_2")->text(), QStringLiteral("Pick one"));
    openChooser({ QStringLiteral("a") }, QString());
    m_chooser->setAutoButtonVisible(false);
    QVERIFY(!child<QPushButton>(m_chooser, "auto_btn")->isVisible());
    m_chooser->setAutoButtonVisible(true);
    QVERIFY(child<QPushButton>(m_chooser, "auto_btn")->isVisible());
}

void tst_LongPressScreens::chooserListHeight_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rowHeight");

    // Rows of 55, spacing 2 per row, 2 more and 6 for padding and frame; at most the form's 351.
    QTest::newRow("five rows") << QSize(800, 480) << 5 << 5 * 55 + 12 + 6 << 55;
    QTest::newRow("fifteen rows, capped") << QSize(800, 480) << 15 << 351 << 55;
    QTest::newRow("one row") << QSize(800, 480) << 1 << 55 + 4 + 6 << 55;
    // 600 / 480 = 1.25.
    QTest::newRow("five rows at 1024x600")
        << QSize(1024, 600) << 5 << int(int(5 * 55 * 1.25) + 1.25 * 12 + 6) << int(55 * 1.25);
    QTest::newRow("fifteen rows at 1024x600") << QSize(1024, 600) << 15 << int(351 * 1.25) << int(55 * 1.25);
}

void tst_LongPressScreens::chooserListHeight()
{
    QFETCH(QSize, window);
    QFETCH(int, rows);
    m_stage->resize(window);
    QStringList values;
    for (int i = 0; i < rows; ++i)
        values.append(QString::number(i));
    auto *list = child<QListWidget>(m_chooser, "listWidget");
    for (int opening = 0; opening < 2; ++opening) {
        openChooser(values, QString());
        QTEST(list->height(), "height");
        QTEST(list->item(0)->sizeHint().height(), "rowHeight");
        QTest::mouseClick(child<QPushButton>(m_chooser, "cancel_btn_2"), Qt::LeftButton);
    }
}

// ---------------------------------------------------------------------------------------------------------
// The long-press menu

void tst_LongPressScreens::menuOptions_data()
{
    QTest::addColumn<QString>("longPress");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("None") << "None"
                          << " You have 1 option for Trip:" << QStringList {};
    QTest::newRow("Reset and Change")
        << "Reset;Change"
        << " You have 2 options for Trip: " << QStringList { " Reset Value", " Modify Value" };
    QTest::newRow("Change and a default") << "Change;Default:10"
                                          << " You have 2 options for Trip: "
                                          << QStringList { " Modify Value", " Set to \n Default Value :10" };
    QTest::newRow("Default without value")
        << "Default"
        << " You have 1 option for Trip:" << QStringList { " Set to \n Default Value :0.0" };
    QTest::newRow("empty item") << ""
                                << "Trip cannot be changed." << QStringList {};
    QTest::newRow("unknown words count but add nothing")
        << "Reset;Erase;change"
        << " You have 3 options for Trip: " << QStringList { " Reset Value" };
    // Three buttons: a fourth option is not shown.
    QTest::newRow("four options") << "Reset;Change;Default:5;Reset"
                                  << " You have 4 options for Trip: "
                                  << QStringList { " Reset Value", " Modify Value",
                                         " Set to \n Default Value :5" };
}

void tst_LongPressScreens::menuOptions()
{
    QFETCH(QString, longPress);
    QFETCH(QStringList, buttons);
    openMenu(longPress);
    QTEST(child<QLabel>(m_menu, "title_label")->text(), "title");
    const char *names[] = { "option_1_btn", "option_2_btn", "option_3_btn" };
    for (int i = 0; i < 3; ++i) {
        auto *button = child<QPushButton>(m_menu, names[i]);
        QCOMPARE(button->isVisible(), i < buttons.size());
        if (i < buttons.size())
            QCOMPARE(button->text(), buttons.at(i));
    }
    QVERIFY(child<QPushButton>(m_menu, "page_a_btn")->isChecked());
    QVERIFY(!child<QPushButton>(m_menu, "page_b_btn")->isVisible());
}

void tst_LongPressScreens::menuOptionReportsItsText()
{
    openMenu(QStringLiteral("Change;Default:0.0"));
    QSignalSpy changes(m_menu, &LongPressMenuScreen::signalRemoteChange);
    QTest::mouseClick(child<QPushButton>(m_menu, "option_2_btn"), Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toString(), QStringLiteral(" Set to \n Default Value :0.0"));
    // The menu stays open; its owner hides it.
    QVERIFY(m_menu->isVisible());
    QTest::mouseClick(child<QPushButton>(m_menu, "option_1_btn"), Qt::LeftButton);
    QCOMPARE(changes.at(1).first().toString(), QStringLiteral(" Modify Value"));

    QTest::mouseClick(child<QPushButton>(m_menu, "cancel_btn"), Qt::LeftButton);
    QVERIFY(!m_menu->isVisible());
    QCOMPARE(changes.count(), 2);
}

void tst_LongPressScreens::menuInformationPage()
{
    openMenu(QStringLiteral("Reset"));
    auto *list = child<QListWidget>(m_menu, "listWidget");
    const QStringList names = ESDataInfoClass::instance()->runtimePropertyNames();
    QVERIFY(names.contains(QStringLiteral("Trip")));
    QCOMPARE(rowTexts(list), names);

    // Reached only by a page change made in code: its tab button is hidden.
    child<QStackedWidget>(m_menu, "stacked_long_press")->setCurrentIndex(1);
    auto *ok = child<QPushButton>(m_menu, "ok_btn");
    auto *apply = child<QPushButton>(m_menu, "apply_btn");
    QVERIFY(!ok->isEnabled());
    QVERIFY(!apply->isEnabled());

    QSignalSpy chosen(m_menu, &LongPressMenuScreen::informationChanged);
    clickRow(list, QStringLiteral("Trip"));
    QVERIFY(ok->isEnabled());
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toString(), QStringLiteral("Trip"));
    QVERIFY(!apply->isEnabled());
    QVERIFY(m_menu->isVisible());

    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(1).first().toString(), QStringLiteral("Trip"));
    QVERIFY(!m_menu->isVisible());

    // Shown again, the menu starts on its options page with nothing selected.
    openMenu(QStringLiteral("Reset"));
    QCOMPARE(child<QStackedWidget>(m_menu, "stacked_long_press")->currentIndex(), 0);
    QCOMPARE(list->selectedItems().size(), 0);
    QVERIFY(!ok->isEnabled());
}

void tst_LongPressScreens::menuListHeightIsStable()
{
    auto *list = child<QListWidget>(m_menu, "listWidget");
    openMenu(QStringLiteral("Reset"));
    const int first = list->height();
    m_menu->hide();
    openMenu(QStringLiteral("Reset"));
    QCOMPARE(list->height(), first);
    QVERIFY(first > 0 && first <= 291);
}

void tst_LongPressScreens::menuFrameFlashes()
{
    openMenu(QStringLiteral("Reset"));
    auto *panel = child<QStackedWidget>(m_menu, "stacked_long_press");
    // On the panel itself: nothing.
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(250, 20));
    QVERIFY(!panel->property("frameColored").toBool());
    QCOMPARE(m_menu->flashCount(), 0);

    // Beside it: green, grey, green, grey, then ready again.
    QTest::mouseClick(m_menu, Qt::LeftButton, {}, QPoint(700, 300));
    QVERIFY(panel->property("frameColored").toBool());
    QCOMPARE(m_menu->flashCount(), 1);
    QTRY_COMPARE(m_menu->flashCount(), 2);
    QVERIFY(panel->property("frameColored").toBool());
    QTRY_COMPARE(m_menu->flashCount(), 0);
    QVERIFY(!panel->property("frameColored").toBool());
    QVERIFY(m_menu->isVisible());
}

// ---------------------------------------------------------------------------------------------------------

void tst_LongPressScreens::pictures()
{
    const QList<QSize> sizes = { QSize(800, 480), QSize(1024, 600) };
    for (const QSize &size : sizes) {
        m_stage->resize(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());

        m_chooser->setTitle(QStringLiteral("Escalation Time"));
        m_chooser->setAutoButtonVisible(true);
        openChooser({ "1", "2", "3", "4", "5" }, QStringLiteral("min"));
        clickRow(child<QListWidget>(m_chooser, "listWidget"), QStringLiteral("3 min"));
        m_stage->savePicture(QStringLiteral("chooser") + suffix);
        // The chooser's panel lies within the window.
        const QRect panel = child<QWidget>(m_chooser, "setup_long_press_widget")->geometry();
        QVERIFY(QRect(QPoint(0, 0), size).contains(panel));
        QTest::mouseClick(child<QPushButton>(m_chooser, "cancel_btn_2"), Qt::LeftButton);

        m_chooser->setAutoButtonVisible(false);
        QStringList many;
        for (int i = 1; i <= 12; ++i)
            many.append(QString::number(i * 10));
        openChooser(many, QStringLiteral("m"));
        m_stage->savePicture(QStringLiteral("chooser_long_list") + suffix);
        QTest::mouseClick(child<QPushButton>(m_chooser, "cancel_btn_2"), Qt::LeftButton);

        openMenu(QStringLiteral("Reset;Change;Default:0.0"));
        m_stage->savePicture(QStringLiteral("menu_options") + suffix);
        child<QStackedWidget>(m_menu, "stacked_long_press")->setCurrentIndex(1);
        clickRow(child<QListWidget>(m_menu, "listWidget"), QStringLiteral("Trip"));
        m_stage->savePicture(QStringLiteral("menu_information") + suffix);
        m_menu->hide();
    }
    QVERIFY(QFile::exists(ScreenStage::picturesFolder() + QStringLiteral("/chooser_1024x600.png")));
}

// The texts of the menu's and the chooser's enabled grey buttons stand out from their face by the
// contrast text needs.
void tst_LongPressScreens::buttonTextReadable()
{
    openMenu(QStringLiteral("Reset;Change;Default:0.0"));
    m_chooser->setAutoButtonVisible(true);
    openChooser({ "1", "2" }, QStringLiteral("min"));
    // A chosen row enables "Ok" (a disabled button is drawn faint on purpose).
    clickRow(child<QListWidget>(m_chooser, "listWidget"), QStringLiteral("1 min"));
    const QList<QPushButton *> buttons = { child<QPushButton>(m_menu, "option_1_btn"),
        child<QPushButton>(m_menu, "cancel_btn"), child<QPushButton>(m_chooser, "auto_btn"),
        child<QPushButton>(m_chooser, "ok_btn"), child<QPushButton>(m_chooser, "cancel_btn_2") };
    for (QPushButton *button : buttons) {
        QTRY_VERIFY(button->isVisible());
        const ReadableFace shown = readableFace(button, 8);
        QVERIFY2(shown.readable > 20, qPrintable(shown.describe(button->text())));
    }
}

QTEST_MAIN(tst_LongPressScreens)
#include "tst_longpressscreens.moc"
