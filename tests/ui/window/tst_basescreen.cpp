// The main window: its form at the design size and scaled, the title bar (clock, config and unit
// buttons), navigation between the setup and the runtime side with the config button and the inactivity
// time, the key click, the overlays beneath the dimming overlay, the parts the screens above hand in,
// brightness with its overlay and alarm floor, and the standby screen with its slider.

#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupPropertyInfo.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/KeyboardPage.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/runtime/RuntimeWidget.h"
#include "ui/status/CommunicationInformationTable.h"
#include "ui/widgets/FieldText.h"
#include "ui/widgets/WholeTextLabel.h"
#include "ui/window/AlarmWidget.h"
#include "ui/window/BaseScreen.h"

#include "ScreenPictures.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

namespace {

// Counts the style-sheet writes of a widget.
class StyleChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// A side of the main stack as the screens above hand it in: a stack "stacked_systems" of three system
// pages, the last holding an inner stack whose second page is "inner_target"; the setup side also has
// a stack "stacked_setup_menus" of two menus and a communication monitor.
class TestSide : public QWidget
{
    Q_OBJECT
public:
    TestSide(QWidget *parent, bool setupSide)
        : QWidget(parent)
    {
        systems = new QStackedWidget(this);
        systems->setObjectName(QStringLiteral("stacked_systems"));
        for (int i = 0; i < 3; ++i)
            systems->addWidget(new QWidget(systems));
        inner = new QStackedWidget(systems->widget(2));
        inner->addWidget(new QWidget(inner));
        QWidget *target = new QWidget(inner);
        target->setObjectName(QStringLiteral("inner_target"));
        inner->addWidget(target);
        if (!setupSide)
            return;
        menus = new QStackedWidget(this);
        menus->setObjectName(QStringLiteral("stacked_setup_menus"));
        menus->addWidget(new QWidget(menus));
        menus->addWidget(new QWidget(menus));
        table = new CommunicationInformationTable(ESDataClass::instance()->communicationInformation(), this);
        table->hide();
    }

    Q_INVOKABLE void initializeScreensData() { ++initializations; }

    QStackedWidget *systems = nullptr;
    QStackedWidget *inner = nullptr;
    QStackedWidget *menus = nullptr;
    CommunicationInformationTable *table = nullptr;
    int initializations = 0;

signals:
    void signalRightTitleLabelText(QString text);
    void signalLeftTitleLabelText(QString text);
};

// Records what the window asks of its standby slider.
class TestStandbySlider : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    QList<int> values;
    int shows = 0;

signals:
    void sliderHidden();
};

// The design geometry of the form's widgets.
using Geometry = QRect;

} // namespace

class tst_BaseScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndOverlays();
    void startState();
    void formGeometry_data();
    void formGeometry();
    void timersHaveTheirIntervals();
    void configButton_data();
    void configButton();
    void inactivityReturnsToRuntime();
    void touchBeep_data();
    void touchBeep();
    void unitButtonLock();
    void clockBlinks_data();
    void clockBlinks();
    void overlaysStayUnderDimming_data();
    void overlaysStayUnderDimming();
    void keyboardTimeStopsWithItsScreen();
    void partsReplaceStandIns();
    void partsNavigation();
    void navigateDirect();
    void standbySliderOpensOnHold();
    void pictures();
    void rightTitleShownWhole_data();
    void rightTitleShownWhole();
    void brightnessOverlay_data();
    void brightnessOverlay();
    void brightOverlayWrittenOnce();
    void alarmFloor();
    void alarmPanelAsksForAlarmFloor();
    void alarmPanelFollowsWindow_data();
    void alarmPanelFollowsWindow();
    void increaseToAlarmLevel();
    void standbyScreen();
    void standbyTapWakesSystem();
    void standbyHoldNeverLeavesScreenBlack();
    void pushButtonPressGivesKeyClick();

private:
    QWidget *brightnessWidget() const
    {
        return m_window->findChild<QWidget *>(QStringLiteral("brightness_widget"));
    }
    template <typename T = QWidget> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QPushButton *configPush() const { return child<QPushButton>("config_button"); }
    int mainPage() const { return child<QStackedWidget>("stacked_basescreen")->currentIndex(); }
    bool dimmingOnTop() const
    {
        return brightnessWidget()->parentWidget()->children().last() == brightnessWidget();
    }
    void show()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void tapConfig()
    {
        QTest::mousePress(configPush(), Qt::LeftButton);
        QTest::mouseRelease(configPush(), Qt::LeftButton);
    }
    // The window rebuilt with two test sides, two long-press menus and a standby slider.
    void rebuildWithParts();
    // The window and its scaling container at another size.
    void resizeWindow(const QSize &size);

    TestSide *m_setupSide = nullptr;
    TestSide *m_runtimeSide = nullptr;
    TestStandbySlider *m_slider = nullptr;

    ES_Alerts *m_alerts = nullptr;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
};

void tst_BaseScreen::init()
{
    m_alerts = ESDataClass::instance()->alerts();
    for (SerializableAlertInfo *alert : m_alerts->alerts())
        alert->setAlertState(5);
    m_dimming = new DimmingController;
    m_window = new BaseScreen(m_alerts, m_dimming);
}

void tst_BaseScreen::cleanup()
{
    // The scale factors are process-wide: the next case starts at the design size again.
    if (m_window->isVisible() && m_window->size() != QSize(800, 480))
        resizeWindow(QSize(800, 480));
    delete m_window;
    delete m_dimming;
    m_setupSide = m_runtimeSide = nullptr;
    m_slider = nullptr;
}

void tst_BaseScreen::rebuildWithParts()
{
    delete m_window;
    BaseScreen::Parts parts;
    parts.setupScreens = [this](QWidget *parent) { return m_setupSide = new TestSide(parent, true); };
    parts.runtimeScreens = [this](QWidget *parent) { return m_runtimeSide = new TestSide(parent, false); };
    parts.longPressMenu = [](QWidget *parent) { return new QWidget(parent); };
    parts.setupLongPressMenu = [](QWidget *parent) { return new QWidget(parent); };
    parts.standbySlider = [this](BaseScreen *window) {
        m_slider = new TestStandbySlider(window);
        BaseScreen::StandbySlider slider;
        slider.wrapper = m_slider;
        slider.setValue = [this](int value) { m_slider->values.append(value); };
        slider.show = [this]() { ++m_slider->shows; };
        return slider;
    };
    m_window = new BaseScreen(m_alerts, m_dimming, nullptr, parts);
}

void tst_BaseScreen::resizeWindow(const QSize &size)
{
    m_window->resize(size);
    QTRY_COMPARE(child("custom_layout")->size(), size);
}

void tst_BaseScreen::startState()
{
    show();
    QCOMPARE(mainPage(), 1);
    auto *stack = child<QStackedWidget>("stacked_basescreen");
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->widget(0)->objectName(), QStringLiteral("setup_screens"));
    QCOMPARE(stack->widget(1)->objectName(), QStringLiteral("runtime_screens"));
    QCOMPARE(m_window->runtimeScreens(), stack->widget(1));
    QCOMPARE(configPush()->text(), QStringLiteral("Config"));
    QCOMPARE(child<QPushButton>("unit_button")->text(), QStringLiteral("m"));
    QVERIFY(m_window->transducerButton()->isVisible());
    QVERIFY(m_window->transducerButton()->text().isEmpty());
    QVERIFY(!m_window->isInactivityTimerActive());
    QVERIFY(!child<QLabel>("icon_label")->pixmap(Qt::ReturnByValue).isNull());
    for (const char *overlay : { "keyboard_screen", "password_widget", "custom_dialog", "alarm_widget",
             "standby_dimming_slider_holder" })
        QVERIFY2(child(overlay)->isHidden(), overlay);
    QCOMPARE(m_window->keyboardScreen()->parentWidget(), child("custom_layout"));
    QCOMPARE(m_window->keyboardScreen()->size(), QSize(800, 480));
    QCOMPARE(m_window->passwordWidget()->size(), QSize(800, 480));
    QVERIFY(!m_window->longPressMenu());
    QVERIFY(!m_window->setupLongPressScreen());
    QVERIFY(dimmingOnTop());
    QVERIFY(child("arrow_up")->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!child<QLabel>("arrow_up")->pixmap(Qt::ReturnByValue).isNull());
}

void tst_BaseScreen::formGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Geometry>("design");

    QTest::newRow("config button") << "config_button" << Geometry(0, 0, 111, 31);
    QTest::newRow("clock") << "clock_label" << Geometry(120, 0, 180, 30);
    QTest::newRow("logo") << "icon_label" << Geometry(365, 0, 35, 30);
    QTest::newRow("left title") << "title_label_left" << Geometry(400, 0, 200, 30);
    QTest::newRow("transducer button") << "transducer_button" << Geometry(400, 0, 400, 30);
    QTest::newRow("unit button") << "unit_button" << Geometry(262, -17, 101, 68);
    QTest::newRow("right title") << "title_label_right" << Geometry(600, 0, 200, 30);
    QTest::newRow("main stack") << "stacked_basescreen" << Geometry(0, 34, 801, 447);
    QTest::newRow("dimming overlay") << "brightness_widget" << Geometry(0, 0, 800, 480);
    QTest::newRow("dialog") << "custom_dialog" << Geometry(0, 0, 800, 480);
    QTest::newRow("slider holder") << "standby_dimming_slider_holder" << Geometry(600, 60, 171, 391);
    QTest::newRow("slider") << "brightness_slider" << Geometry(-11, 10, 81, 371);
    QTest::newRow("brighter") << "brightness_inc_button" << Geometry(84, 137, 71, 61);
    QTest::newRow("dimmer") << "brightness_red_button" << Geometry(84, 198, 71, 63);
    QTest::newRow("percent") << "brightness_value_label" << Geometry(50, 10, 81, 51);
    QTest::newRow("arrow up") << "arrow_up" << Geometry(104, 146, 33, 45);
    QTest::newRow("arrow down") << "arrow_down" << Geometry(104, 207, 33, 45);
}

// At the design size every widget stands where the form puts it; at 1024 x 600 the container moves and
// sizes it by 1.28 across and 1.25 down, truncated.
void tst_BaseScreen::formGeometry()
{
    QFETCH(QString, name);
    QFETCH(Geometry, design);

    show();
    QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), design);

    resizeWindow(QSize(1024, 600));
    const QRect scaled(int(design.x() * 1.28), int(design.y() * 1.25), int(design.width() * 1.28),
        int(design.height() * 1.25));
    QCOMPARE(widget->geometry(), scaled);
}

void tst_BaseScreen::timersHaveTheirIntervals()
{
    QCOMPARE(m_window->clockInterval(), 2000);
    QCOMPARE(m_window->configHoldInterval(), 2000);
    QCOMPARE(m_window->inactivityInterval(), 120000);
    QCOMPARE(m_window->unitLockInterval(), 1500);
}

void tst_BaseScreen::configButton_data()
{
    QTest::addColumn<bool>("fromSetup");
    QTest::addColumn<bool>("hold");
    QTest::addColumn<bool>("redirected");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clicks");

    QTest::newRow("tap on runtime side opens setup menu") << false << false << false << 0 << "Back" << 0;
    QTest::newRow("tap on setup menu returns") << true << false << false << 1 << "Config" << 0;
    QTest::newRow("hold on setup side returns") << true << true << false << 1 << "Config" << 0;
    QTest::newRow("redirected tap only reports") << true << false << true << 0 << "Back" << 1;
    QTest::newRow("redirected hold reports and returns") << true << true << true << 1 << "Config" << 2;
}

// The hold time is shortened to 300 ms; a hold acts at its end while the finger is still down, and the
// later release jumps to the runtime side again.
void tst_BaseScreen::configButton()
{
    QFETCH(bool, fromSetup);
    QFETCH(bool, hold);
    QFETCH(bool, redirected);
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(int, clicks);

    show();
    m_window->setTimerIntervals(2000, 300, 120000, 1500);
    if (fromSetup) {
        tapConfig();
        QCOMPARE(mainPage(), 0);
    }
    m_window->setConfigButtonRedirected(redirected);
    QSignalSpy reported(m_window, &BaseScreen::configButtonClicked);

    QTest::mousePress(configPush(), Qt::LeftButton);
    if (hold) {
        QCOMPARE(mainPage(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(mainPage(), page, 2000);
        QCOMPARE(reported.count(), redirected ? 1 : 0);
    }
    QTest::mouseRelease(configPush(), Qt::LeftButton);

    QCOMPARE(mainPage(), page);
    QCOMPARE(configPush()->text(), text);
    QCOMPARE(reported.count(), clicks);
    QCOMPARE(m_window->transducerButton()->isVisible(), page == 1);
    QCOMPARE(child("unit_button")->isVisible(), page == 1);
    if (page == 0)
        QCOMPARE(child<QLabel>("title_label_right")->text(), QStringLiteral("MIRLOX Setup"));
}

// Shortened to 1000 ms: presses on the setup side keep it open, and once they stop the window returns to
// the runtime side, where the time does not run.
void tst_BaseScreen::inactivityReturnsToRuntime()
{
    show();
    m_window->setTimerIntervals(2000, 2000, 1000, 1500);
    QVERIFY(!m_window->isInactivityTimerActive());
    tapConfig();
    QCOMPARE(mainPage(), 0);
    QVERIFY(m_window->isInactivityTimerActive());

    QElapsedTimer pressing;
    pressing.start();
    while (pressing.elapsed() < 2500) {
        QTest::mouseClick(m_window->setupScreens(), Qt::LeftButton);
        QCOMPARE(mainPage(), 0);
        QTest::qWait(150);
    }
    QCOMPARE(mainPage(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mainPage(), 1, 3000);
    QCOMPARE(configPush()->text(), QStringLiteral("Config"));
    QVERIFY(!m_window->isInactivityTimerActive());
}

void tst_BaseScreen::touchBeep_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("beeps");

    QTest::newRow("config button") << "config" << 1;
    QTest::newRow("unit button") << "unit" << 1;
    QTest::newRow("clock label") << "clock" << 0;
    QTest::newRow("dimming overlay") << "overlay" << 0;
    QTest::newRow("simulated runtime page") << "runtime page" << 1;
    // A key is a push button that also reports the key: two requests.
    QTest::newRow("key of the value editor") << "keyboard" << 2;
    QTest::newRow("key of the password lock") << "password" << 2;
}

void tst_BaseScreen::touchBeep()
{
    QFETCH(QString, target);
    QFETCH(int, beeps);

    ESDataInfoClass::TestOverride descriptions;
    show();
    QWidget *widget = nullptr;
    if (target == QLatin1String("config"))
        widget = configPush();
    else if (target == QLatin1String("unit"))
        widget = child("unit_button");
    else if (target == QLatin1String("clock"))
        widget = child("clock_label");
    else if (target == QLatin1String("overlay"))
        widget = brightnessWidget();
    else if (target == QLatin1String("runtime page")) {
        widget = new RuntimeWidget(m_window->runtimeScreens());
        widget->setGeometry(0, 100, 300, 200);
        widget->show();
    } else {
        QWidget *screen = target == QLatin1String("keyboard")
            ? static_cast<QWidget *>(m_window->keyboardScreen())
            : m_window->passwordWidget();
        QVirtualKeyboard *keyboard = screen->findChild<QVirtualKeyboard *>();
        screen->show();
        widget = keyboard->alphabeticalPage()->keys().first();
    }
    QVERIFY(widget->isVisible());
    QSignalSpy clicks(m_window, &BaseScreen::buzzerTouchBeep);
    QTest::mouseClick(widget, Qt::LeftButton);
    QCOMPARE(clicks.count(), beeps);
}

// Two releases within the lock step the speed unit once; the button is usable again after 1500 ms
// (shortened to 300 ms).
void tst_BaseScreen::unitButtonLock()
{
    ESDataInfoClass::TestOverride descriptions;
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    SetupPropertyInfo *scale = descriptions.registry()->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("ScalesSpeed"), QStringLiteral("OptionsSetup"));
    QVERIFY(scale);
    connect(scale, SIGNAL(valueChanged(QString)), m_window, SLOT(unitChanged(QString)));
    options->setScalesSpeed(0);
    show();
    m_window->setTimerIntervals(2000, 2000, 120000, 300);

    auto *unit = child<QPushButton>("unit_button");
    QTest::mouseClick(unit, Qt::LeftButton);
    QTest::mouseClick(unit, Qt::LeftButton);
    QCOMPARE(options->ScalesSpeed(), 1);
    QVERIFY(m_window->isUnitButtonLocked());
    QVERIFY(!unit->isEnabled());
    QCOMPARE(unit->text(), QStringLiteral("m/s"));

    QTRY_VERIFY_WITH_TIMEOUT(unit->isEnabled(), 2000);
    QVERIFY(!m_window->isUnitButtonLocked());
    QTest::mouseClick(unit, Qt::LeftButton);
    QCOMPARE(options->ScalesSpeed(), 2);
    QCOMPARE(unit->text(), QStringLiteral("mi/h"));
    QTRY_VERIFY_WITH_TIMEOUT(unit->isEnabled(), 2000);
    options->setScalesSpeed(0);
}

void tst_BaseScreen::clockBlinks_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("withColon");
    QTest::addColumn<QString>("withoutColon");

    QTest::newRow("known time") << QTime(9, 5, 30) << "09:05 "
                                << "09 05 ";
    QTest::newRow("unknown time") << QTime() << "  :  "
                                  << "";
}

// The clock interval is shortened to 100 ms: the text alternates between the two forms.
void tst_BaseScreen::clockBlinks()
{
    QFETCH(QTime, time);
    QFETCH(QString, withColon);
    QFETCH(QString, withoutColon);

    m_window->setClockSource([time]() { return time; });
    m_window->setTimerIntervals(100, 2000, 120000, 1500);
    auto *clock = child<QLabel>("clock_label");
    QStringList seen;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&]() {
            if (seen.isEmpty() || seen.last() != clock->text())
                seen.append(clock->text());
            return seen.size() >= 4;
        }(),
        3000);
    // Two changes in a row alternate; the first text seen may still be the start's empty one.
    seen.removeFirst();
    QVERIFY2(
        seen.contains(withColon) && seen.contains(withoutColon), qPrintable(seen.join(QLatin1Char('|'))));
    QVERIFY(seen.at(0) != seen.at(1));
    QCOMPARE(seen.at(0), seen.at(2));
}

void tst_BaseScreen::overlaysStayUnderDimming_data()
{
    QTest::addColumn<QString>("overlay");

    QTest::newRow("keyboard screen") << "keyboard_screen";
    QTest::newRow("password lock") << "password_widget";
    QTest::newRow("dialog") << "custom_dialog";
    QTest::newRow("alarm panel") << "alarm_widget";
}

// Whoever shows an overlay, and raises it after showing it, the dimming overlay ends on top again.
void tst_BaseScreen::overlaysStayUnderDimming()
{
    QFETCH(QString, overlay);

    show();
    QWidget *widget = m_window->findChild<QWidget *>(overlay);
    QVERIFY(widget);
    if (overlay == QLatin1String("custom_dialog")) {
        m_window->customDialog()->showMessage(QStringLiteral("Question?"), QStringLiteral("q"));
    } else {
        widget->show();
        widget->raise();
    }
    QVERIFY(widget->isVisible());
    QVERIFY(dimmingOnTop());
    widget->raise();
    QVERIFY(dimmingOnTop());
}

// The keyboard's 15 s of inactivity end when the screen that holds it closes: no made-up Cancel reaches
// an editor that is already closed.
void tst_BaseScreen::keyboardTimeStopsWithItsScreen()
{
    show();
    for (QWidget *screen : { static_cast<QWidget *>(m_window->keyboardScreen()),
             static_cast<QWidget *>(m_window->passwordWidget()) }) {
        QVirtualKeyboard *keyboard = screen->findChild<QVirtualKeyboard *>();
        QCOMPARE(keyboard->inactivityInterval(), 15000);
        screen->show();
        QVERIFY(keyboard->isInactivityTimerActive());
        screen->hide();
        QVERIFY(!keyboard->isInactivityTimerActive());
    }
}

void tst_BaseScreen::partsReplaceStandIns()
{
    rebuildWithParts();
    show();
    auto *stack = child<QStackedWidget>("stacked_basescreen");
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->widget(0), m_setupSide);
    QCOMPARE(stack->widget(1), m_runtimeSide);
    QCOMPARE(m_setupSide->objectName(), QStringLiteral("setup_screens"));
    QCOMPARE(m_runtimeSide->objectName(), QStringLiteral("runtime_screens"));
    QCOMPARE(mainPage(), 1);
    QVERIFY(!m_window->isInactivityTimerActive());
    QCOMPARE(m_window->communicationInformationTable(), m_setupSide->table);
    QCOMPARE(m_window->findChildren<CommunicationInformationTable *>().size(), 1);
    // The parts are scaled with the form: at the design size the page fills the main stack.
    QCOMPARE(m_runtimeSide->size(), stack->size());
    // Scaled, a page still fills its stack (a page's design size is its stack's, not a new widget's).
    resizeWindow(QSize(1024, 600));
    QCOMPARE(m_runtimeSide->size(), stack->size());
    tapConfig();
    QCOMPARE(m_setupSide->size(), stack->size());
    tapConfig();
    resizeWindow(QSize(800, 480));

    for (QWidget *menu : { m_window->longPressMenu(), m_window->setupLongPressScreen() }) {
        QVERIFY(menu);
        QCOMPARE(menu->parentWidget(), child("custom_layout"));
        QVERIFY(menu->isHidden());
        QCOMPARE(menu->geometry(), QRect(0, 0, 800, 480));
        QCOMPARE(menu->styleSheet(), QStringLiteral("background-color: transparent;"));
        menu->show();
        menu->raise();
        QVERIFY(dimmingOnTop());
        menu->hide();
    }
    QCOMPARE(m_window->longPressMenu()->objectName(), QStringLiteral("long_press_menu"));
    QCOMPARE(m_window->setupLongPressScreen()->objectName(), QStringLiteral("setup_long_press_menu"));

    m_window->reinitializeRuntimePages();
    QCOMPARE(m_runtimeSide->initializations, 1);
    QCOMPARE(m_setupSide->initializations, 0);

    // Each side's right title shows only while that side is shown; the setup side sets the left title.
    auto *right = child<QLabel>("title_label_right");
    emit m_runtimeSide->signalRightTitleLabelText(QStringLiteral("Page A"));
    emit m_setupSide->signalRightTitleLabelText(QStringLiteral("Display"));
    QCOMPARE(right->text(), QStringLiteral("Page A"));
    tapConfig();
    emit m_runtimeSide->signalRightTitleLabelText(QStringLiteral("Page B"));
    QCOMPARE(right->text(), QStringLiteral("MIRLOX Setup"));
    emit m_setupSide->signalRightTitleLabelText(QStringLiteral("Display"));
    QCOMPARE(right->text(), QStringLiteral("Display"));
    emit m_setupSide->signalLeftTitleLabelText(QStringLiteral("Alerts"));
    QCOMPARE(child<QLabel>("title_label_left")->text(), QStringLiteral("Alerts"));
    tapConfig();
    QCOMPARE(child<QLabel>("title_label_left")->text(), QStringLiteral("MIRLOX RN4400"));
}

// With a setup side that has system pages: from a system page the config button goes to the setup menu,
// from the menu to the runtime side, whose system stack returns to the start page.
void tst_BaseScreen::partsNavigation()
{
    rebuildWithParts();
    show();
    m_runtimeSide->systems->setCurrentIndex(2);
    m_setupSide->menus->setCurrentIndex(1);
    tapConfig();
    QCOMPARE(mainPage(), 0);
    QCOMPARE(m_setupSide->systems->currentIndex(), 0);
    QCOMPARE(m_setupSide->menus->currentIndex(), 0);

    m_setupSide->systems->setCurrentIndex(2);
    tapConfig();
    QCOMPARE(mainPage(), 0);
    QCOMPARE(m_setupSide->systems->currentIndex(), 0);
    QCOMPARE(configPush()->text(), QStringLiteral("Back"));

    tapConfig();
    QCOMPARE(mainPage(), 1);
    QCOMPARE(m_runtimeSide->systems->currentIndex(), 0);

    // The alarm panel's way to the diagnostics ends on the setup menu.
    emit m_window->alarmWidget()->navigateToDiagnosticSetup();
    QCOMPARE(mainPage(), 0);
    QVERIFY(child("unit_button")->isHidden());
}

void tst_BaseScreen::navigateDirect()
{
    rebuildWithParts();
    show();
    m_window->navigateDirect(QStringLiteral("no_such_page"));
    QCOMPARE(mainPage(), 1);

    m_window->navigateDirect(QStringLiteral("inner_target"));
    // Both sides hold an "inner_target"; the first found is the setup side's, page 0 of the main stack.
    QCOMPARE(mainPage(), 0);
    QCOMPARE(m_setupSide->systems->currentIndex(), 2);
    QCOMPARE(m_setupSide->inner->currentIndex(), 1);
    QVERIFY(m_setupSide->findChild<QWidget *>(QStringLiteral("inner_target"))->isVisible());
}

// A hold opens the standby slider in its holder; taps while it is open do not wake the system; once the
// slider hides itself, a tap wakes it.
void tst_BaseScreen::standbySliderOpensOnHold()
{
    rebuildWithParts();
    show();
    m_window->setStandbyMode(true);
    QCOMPARE(m_slider->values, QList<int>({ 20 }));
    QWidget *holder = m_window->standbySliderHolder();
    QSignalSpy wakeUp(m_window, &BaseScreen::systemWakeUpSignal);
    QPushButton *button = m_window->standbyButton();

    QTest::mousePress(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_slider->shows, 1, 4000);
    QVERIFY(holder->isVisible());
    QVERIFY(dimmingOnTop());
    QTest::mouseRelease(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 0);

    emit m_slider->sliderHidden();
    QVERIFY(holder->isHidden());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 1);
}

// Pictures of the window for people to compare with the form's geometry: the runtime side, the setup
// side with the dialog, the standby screen with its slider and the alarm panel opened on a warning, at
// 800 x 480 and at 1024 x 600.
void tst_BaseScreen::pictures()
{
    rebuildWithParts();
    show();
    ThemeColorSingleton::instance()->setColorPalette(Green);
    m_window->setClockSource([]() { return QTime(12, 34); });
    m_window->repaintClockLabel();
    m_window->repaintClockLabel();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        resizeWindow(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        const QImage runtime = ScreenPictures::save(m_window, QStringLiteral("runtime_side") + suffix);
        // The config button's text stands in its frame at the top left.
        QVERIFY(
            ScreenPictures::pixelsNear(runtime, child("config_button")->geometry(), QColor(82, 225, 96)) > 0);
        QVERIFY(
            ScreenPictures::pixelsNear(runtime, child("clock_label")->geometry(), QColor(82, 225, 96)) > 0);

        tapConfig();
        m_window->customDialog()->showMessage(QStringLiteral("Restore all setups?"), QStringLiteral("q"));
        ScreenPictures::save(m_window, QStringLiteral("setup_side_dialog") + suffix);
        QTest::mouseClick(
            m_window->customDialog()->findChild<QPushButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
        tapConfig();

        m_window->setStandbyMode(true);
        QWidget *holder = m_window->standbySliderHolder();
        holder->show();
        holder->raise();
        const QImage standby = ScreenPictures::save(m_window, QStringLiteral("standby_slider") + suffix);
        QVERIFY(
            ScreenPictures::pixelsNear(standby, QRect(0, 0, size.width() / 2, size.height()), Qt::black, 2)
            > size.width() * size.height() / 4);
        holder->hide();
        m_window->setStandbyMode(false);

        // The alarm panel opened on an acknowledged warning: its row shows the orange warning symbol.
        m_alerts->AlertDisplayError()->setAlertText(QStringLiteral("TQ55 Comms Fail"));
        m_alerts->AlertDisplayError()->setAlertPriority(1);
        m_alerts->AlertDisplayError()->setAlertState(2);
        emit m_alerts->dataReceivedFromCommunication();
        AlarmWidget *panel = m_window->alarmWidget();
        QTRY_VERIFY(panel->isVisible());
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("alarmIconButton")), Qt::LeftButton);
        QTRY_VERIFY(!panel->isCompact());
        const QImage alarm = ScreenPictures::save(m_window, QStringLiteral("alarm_panel_warning") + suffix);
        const QRect panelArea(panel->mapTo(m_window, QPoint(0, 0)), panel->size());
        QVERIFY(ScreenPictures::pixelsNear(alarm, panelArea, QColor(255, 168, 0)) > 200);
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("alarmExitButton")), Qt::LeftButton);
        m_alerts->AlertDisplayError()->setAlertState(5);
        emit m_alerts->dataReceivedFromCommunication();
        QTRY_VERIFY(panel->isHidden());
    }
}

void tst_BaseScreen::rightTitleShownWhole_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("asDesigned");

    QTest::newRow("short") << "Page A" << true;
    // Wider than the label's room beside the indent at 800 x 480 (some only in the window's font).
    QTest::newRow("display") << "General Display Setup" << false;
    QTest::newRow("dimming") << "Remote Dimming Setup" << false;
    QTest::newRow("communications") << "Communications Setup" << false;
    QTest::newRow("runtime pages") << "Runtime Screen Setup" << false;
    QTest::newRow("own SFIs") << "Windows Screen Setup" << false;
}

// The right title, 200 x 30 at 600, 0 with an indent of 20, shows every title the sides send whole at
// both sizes: a short one as designed, a longer one with less indent and, where that is not enough, a
// smaller font. On the picture the text's pixels stay off the label's right edge, where a cut text ends.
void tst_BaseScreen::rightTitleShownWhole()
{
    QFETCH(QString, title);
    QFETCH(bool, asDesigned);

    rebuildWithParts();
    show();
    ThemeColorSingleton::instance()->setColorPalette(Green);
    tapConfig();
    QCOMPARE(mainPage(), 0);
    auto *label = child<WholeTextLabel>("title_label_right");
    QVERIFY(label);
    emit m_setupSide->signalRightTitleLabelText(title);
    QCOMPARE(label->text(), title);
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        resizeWindow(size);
        const QString tag = QStringLiteral("%1 at %2 x %3").arg(title).arg(size.width()).arg(size.height());
        // The fit happens when the label is drawn.
        const QImage picture = ScreenPictures::save(m_window,
            QStringLiteral("right_title_%1_%2x%3")
                .arg(QString(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')))
                .arg(size.width())
                .arg(size.height()));
        QCOMPARE(label->text(), title);
        const int width = label->fontMetrics().horizontalAdvance(title);
        QVERIFY2(label->indent() + width <= label->contentsRect().width(), qPrintable(tag));
        if (asDesigned) {
            QCOMPARE(label->indent(), 20);
            QCOMPARE(label->font(), label->givenFont());
        }
        QCOMPARE(label->givenIndent(), 20);
        QCOMPARE(QFontInfo(label->givenFont()).pixelSize(), int(16 * size.height() / 480.0));
        const QRect area(label->mapTo(m_window, QPoint(0, 0)), label->size());
        const QColor green(82, 225, 96);
        QVERIFY2(ScreenPictures::pixelsNear(picture, area, green) > 50, qPrintable(tag));
        const QRect rightEdge(area.right(), area.top(), 1, area.height());
        QVERIFY2(ScreenPictures::pixelsNear(picture, rightEdge, green) == 0, qPrintable(tag));
    }
}

void tst_BaseScreen::windowAndOverlays()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("BaseScreen"));
    QCOMPARE(m_window->size(), QSize(800, 480));
    auto *title = m_window->findChild<QLabel *>(QStringLiteral("title_label_left"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("MIRLOX RN4400"));

    AlarmWidget *panel = m_window->alarmWidget();
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget()->objectName(), QStringLiteral("custom_layout"));
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->baseSize(), QSize(360, 192));
    QCOMPARE(panel->pos(), QPoint(240, 0));
    QVERIFY(m_window->communicationInformationTable());

    QWidget *overlay = brightnessWidget();
    QVERIFY(overlay);
    QVERIFY(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(overlay->parentWidget()->children().last(), overlay);
}

void tst_BaseScreen::brightnessOverlay_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("applied");

    QTest::newRow("black") << 0 << 210 << 0;
    QTest::newRow("24") << 24 << 109 << 24;
    QTest::newRow("49") << 49 << 4 << 49;
    QTest::newRow("50") << 50 << 0 << 50;
    QTest::newRow("full") << 255 << 0 << 255;
    QTest::newRow("above range") << 300 << 0 << 255;
}

void tst_BaseScreen::brightnessOverlay()
{
    QFETCH(int, value);
    QFETCH(int, alpha);
    QFETCH(int, applied);

    m_window->applyBrightness(value, false);
    QCOMPARE(m_window->overlayAlpha(), alpha);
    QCOMPARE(m_dimming->brightness(), applied);
    if (alpha > 0)
        QCOMPARE(brightnessWidget()->styleSheet(),
            QStringLiteral("background-color : rgba(0, 0, 0, %1);").arg(alpha));
}

void tst_BaseScreen::brightOverlayWrittenOnce()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    StyleChangeCounter counter;
    brightnessWidget()->installEventFilter(&counter);
    m_window->applyBrightness(31, false);
    QCOMPARE(m_window->overlayAlpha(), 79);
    const int afterDark = counter.count;
    QVERIFY(afterDark > 0);
    m_window->applyBrightness(200, false);
    QCOMPARE(brightnessWidget()->styleSheet(), QStringLiteral("background-color : rgba(0, 0, 0, 0);"));
    const int afterBright = counter.count;
    QVERIFY(afterBright > afterDark);
    m_window->applyBrightness(150, false);
    QCOMPARE(counter.count, afterBright);
    QCOMPARE(m_dimming->brightness(), 150);
}

void tst_BaseScreen::alarmFloor()
{
    m_window->storeBrightness(20, false);
    QCOMPARE(m_dimming->brightness(), 20);
    m_window->adjustBrightnessToAlarmState(true);
    QCOMPARE(m_dimming->brightness(), 40);
    m_window->applyBrightness(20, false);
    QCOMPARE(m_dimming->brightness(), 40);
    QCOMPARE(m_window->overlayAlpha(), 42);
    m_window->applyBrightness(20, true);
    QCOMPARE(m_dimming->brightness(), 20);

    // Once nothing needs attention the chosen brightness returns.
    m_window->adjustBrightnessToAlarmState(false);
    QCOMPARE(m_dimming->brightness(), 20);
    QCOMPARE(m_window->normalBrightness(), 20);

    // A bright display is never touched by the alarm state.
    m_window->storeBrightness(100, false);
    m_window->adjustBrightnessToAlarmState(true);
    QCOMPARE(m_dimming->brightness(), 100);
}

void tst_BaseScreen::alarmPanelAsksForAlarmFloor()
{
    m_window->storeBrightness(10, false);
    m_alerts->AlertDisplayError()->setAlertPriority(1);
    m_alerts->AlertDisplayError()->setAlertState(0);
    m_window->alarmWidget()->setAlarm();
    QVERIFY(m_window->isAlarmActive());
    QCOMPARE(m_dimming->brightness(), 40);

    m_alerts->AlertDisplayError()->setAlertState(2);
    m_window->alarmWidget()->setAlarm();
    QVERIFY(!m_window->isAlarmActive());
    QCOMPARE(m_dimming->brightness(), 10);
}

void tst_BaseScreen::alarmPanelFollowsWindow_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<QSize>("panelAt800");
    QTest::addColumn<QSize>("panelAt1024");

    // The panel's base size is 0.45 x 0.4 of the window, 360 x 192 at the design size; compact is 70 %,
    // truncated.
    QTest::newRow("compact") << false << QSize(251, 134) << QSize(322, 168);
    QTest::newRow("expanded") << true << QSize(360, 192) << QSize(460, 240);
}

// The alarm panel is sized from the window like the other overlays: opened or not, it takes its size for
// 1024 x 600 when the window is resized and its design size again when the window returns, and its
// texts stand whole at both sizes: the alert text unshortened, "Acknowledge" within its button.
void tst_BaseScreen::alarmPanelFollowsWindow()
{
    QFETCH(bool, expanded);
    QFETCH(QSize, panelAt800);
    QFETCH(QSize, panelAt1024);

    show();
    const QString text = QStringLiteral("TQ55 Comms Fail");
    m_alerts->AlertDisplayError()->setAlertText(text);
    m_alerts->AlertDisplayError()->setAlertPriority(1);
    m_alerts->AlertDisplayError()->setAlertState(0);
    emit m_alerts->dataReceivedFromCommunication();
    AlarmWidget *panel = m_window->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    if (expanded) {
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("alarmIconButton")), Qt::LeftButton);
        QTRY_VERIFY(!panel->isCompact());
    }
    auto *exit = panel->findChild<QPushButton *>(QStringLiteral("alarmExitButton"));
    auto *row = panel->findChild<QLabel *>(QStringLiteral("alarmRowLabel5"));
    auto *acknowledge = panel->findChild<QPushButton *>(QStringLiteral("alarmAckButton5"));

    const struct
    {
        QSize window;
        QSize panel;
        QPoint position;
        double scale;
    } steps[] = { { QSize(800, 480), panelAt800, QPoint(240, 0), 1.0 },
        { QSize(1024, 600), panelAt1024, QPoint(307, 0), 1.25 },
        { QSize(800, 480), panelAt800, QPoint(240, 0), 1.0 } };
    for (const auto &step : steps) {
        resizeWindow(step.window);
        QTRY_COMPARE(panel->size(), step.panel);
        QCOMPARE(panel->pos(), step.position);
        QCOMPARE(panel->isCompact(), !expanded);
        if (!expanded)
            continue;
        QCOMPARE(exit->geometry(),
            QRect(int(0.03 * step.panel.width()), int(0.78 * step.panel.height()),
                int(0.28 * step.panel.width()), step.panel.height() / 6));
        QCOMPARE(exit->font().pointSizeF(), 13 * step.scale);
        QVERIFY(row->isVisible());
        QCOMPARE(row->text(), text);
        QVERIFY(acknowledge->isVisible());
        QVERIFY2(
            acknowledge->fontMetrics().horizontalAdvance(acknowledge->text()) <= FieldText::room(acknowledge),
            qPrintable(QStringLiteral("%1 px text in %2 px")
                           .arg(acknowledge->fontMetrics().horizontalAdvance(acknowledge->text()))
                           .arg(FieldText::room(acknowledge))));
        // Smaller than the row's font only as far as the text needs.
        QVERIFY(acknowledge->font().pointSizeF() <= 12 * step.scale);
        QVERIFY(acknowledge->font().pointSizeF() >= 10 * step.scale);
    }
    m_alerts->AlertDisplayError()->setAlertState(5);
    emit m_alerts->dataReceivedFromCommunication();
    QTRY_VERIFY(panel->isHidden());
}

void tst_BaseScreen::increaseToAlarmLevel()
{
    QSignalSpy reported(m_window, &BaseScreen::brightnessManuallyChangedToAlarmLevel);
    m_window->storeBrightness(100, false);
    m_window->increaseBrightnessToAlarmLevel();
    QCOMPARE(reported.count(), 0);
    QCOMPARE(m_window->normalBrightness(), 100);

    m_window->storeBrightness(10, false);
    m_window->increaseBrightnessToAlarmLevel();
    QCOMPARE(m_window->normalBrightness(), 40);
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.first().first().toInt(), 15);
}

void tst_BaseScreen::standbyScreen()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->adjustBrightnessToAlarmState(true);
    m_window->setStandbyMode(true);
    QVERIFY(m_window->isStandby());
    QPushButton *button = m_window->standbyButton();
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->size(), m_window->size());
    QCOMPARE(button->text(), QStringLiteral("STANDBY\n(press and hold\nto activate)"));
    // The standby brightness holds although an alert is active.
    QCOMPARE(m_dimming->brightness(), 20);
    QCOMPARE(m_window->currentBrightness(), 20.0);
    // The dimming overlay stays above the standby screen.
    QCOMPARE(brightnessWidget()->parentWidget()->children().last(), brightnessWidget());

    m_window->setStandbyMode(true);
    QCOMPARE(m_window->standbyButton(), button);

    m_window->adjustBrightnessToAlarmState(false);
    m_window->setStandbyMode(false);
    QVERIFY(!m_window->isStandby());
    QVERIFY(!m_window->standbyButton());
    QCOMPARE(m_dimming->brightness(), 128);
    m_window->setStandbyMode(false);
    QCOMPARE(m_dimming->brightness(), 128);
}

void tst_BaseScreen::standbyTapWakesSystem()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->setStandbyMode(true);
    QSignalSpy wakeUp(m_window, &BaseScreen::systemWakeUpSignal);
    QTest::mouseClick(m_window->standbyButton(), Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 1);
}

void tst_BaseScreen::standbyHoldNeverLeavesScreenBlack()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->setStandbyMode(true);
    m_window->storeBrightness(0, false);
    QCOMPARE(m_window->standbyBrightness(), 0);
    QCOMPARE(m_window->normalBrightness(), 128);

    QSignalSpy wakeUp(m_window, &BaseScreen::systemWakeUpSignal);
    QPushButton *button = m_window->standbyButton();
    QTest::mousePress(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->standbyBrightness(), 8, 4000);
    QCOMPARE(m_dimming->brightness(), 8);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(wakeUp.count(), 0);
    QCOMPARE(m_window->normalBrightness(), 128);
}

void tst_BaseScreen::pushButtonPressGivesKeyClick()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QSignalSpy clicks(m_window, &BaseScreen::buzzerTouchBeep);
    QTest::mouseClick(brightnessWidget(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    m_window->setStandbyMode(true);
    QTest::mouseClick(m_window->standbyButton(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(tst_BaseScreen)
#include "tst_basescreen.moc"
