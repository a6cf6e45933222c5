// The setup side: the menu as arranged for each product and platform, the pages its buttons open and the
// titles they announce, the binding of every setup button to its description, the live left title, the
// standby request, and pictures of the menu and the pages.

#include "FreshInstance.h"
#include "FreshStores.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "ScreensWindow.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/SerializableClass.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/CustomColorDefinitions.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/setup/CuR207Setup.h"
#include "ui/setup/EsSetupScreens.h"
#include "ui/setup/SetupScreens.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// What the start-up does once the window stands: every setup description announces its value once.
void refreshSetupDescriptions()
{
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    ESDataInfoClass::instance()->localSetupDataInfo()->updateAllGUI();
}

const QRegularExpression setupButtonName(QStringLiteral("((es)|(ls))_st_"));

QWidget *menuContents(SetupScreens *screens)
{
    return screens->findChild<QWidget *>(QStringLiteral("scaContents_es_setup_menu"));
}

// The captions of the menu rows that can be seen, top to bottom: shown, and inside the contents.
QStringList visibleMenu(SetupScreens *screens)
{
    QWidget *contents = menuContents(screens);
    QList<QAbstractButton *> rows;
    const QList<QPushButton *> buttons
        = contents->findChild<QWidget *>(QStringLiteral("grpBox_es_setup_menu"))
              ->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (!button->isHidden() && button->y() + button->height() <= contents->height())
            rows.append(button);
    }
    std::sort(
        rows.begin(), rows.end(), [](QAbstractButton *a, QAbstractButton *b) { return a->y() < b->y(); });
    QStringList captions;
    for (int i = 0; i < rows.size(); ++i) {
        // The rows follow each other without a gap or an overlap.
        if (rows.at(i)->y() != 90 * i)
            captions.append(QStringLiteral("<gap>"));
        captions.append(rows.at(i)->text());
    }
    return captions;
}

// Records the object names of the watched widgets in the order they are shown.
class ShowRecorder : public QObject
{
public:
    void watch(const QList<QWidget *> &widgets)
    {
        for (QWidget *widget : widgets)
            widget->installEventFilter(this);
    }
    QStringList shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            shown.append(watched->objectName());
        return false;
    }
};

// What the picture of the window shows of one label, over the part of it that is shown (not under a
// scroll bar) and that no widget above it covers: the colour of its background, the colour most of it has,
// and the colour of its text, the one the glyphs' inner pixels show. Antialiased edges blend the two, so
// of the colours that clearly differ from the background and cover a few pixels, the text's is the one
// that stands out most.
struct ShownLabel
{
    QColor background;
    QColor text;
    int textPixels = 0;
};

// The picture is in the format QImage::Format_RGB32.
ShownLabel shownLabel(const QImage &picture, QWidget *window, QLabel *label)
{
    QRegion uncovered = label->visibleRegion().translated(label->mapTo(window, QPoint(0, 0)));
    // The siblings after it in its parent's children lie above it (a row's button, for one).
    const QObjectList siblings = label->parentWidget()->children();
    for (int i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        auto *sibling = qobject_cast<QWidget *>(siblings.at(i));
        if (sibling && sibling->isVisible())
            uncovered -= QRect(sibling->mapTo(window, QPoint(0, 0)), sibling->size());
    }
    QHash<QRgb, int> colours;
    for (const QRect &rect : uncovered.intersected(picture.rect())) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++colours[line[x]];
        }
    }
    ShownLabel shown;
    int backgroundPixels = 0;
    for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
        if (it.value() > backgroundPixels) {
            shown.background = QColor(it.key());
            backgroundPixels = it.value();
        }
    }
    double strongest = 0;
    for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
        const QColor c(it.key());
        const int difference = qAbs(c.red() - shown.background.red())
            + qAbs(c.green() - shown.background.green()) + qAbs(c.blue() - shown.background.blue());
        if (difference <= 96)
            continue;
        shown.textPixels += it.value();
        const double contrast = CustomColorDefinitions::contrastRatio(c, shown.background);
        if (it.value() >= 3 && contrast > strongest) {
            shown.text = c;
            strongest = contrast;
        }
    }
    return shown;
}

} // namespace

class tst_SetupScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuArrangement_data();
    void menuArrangement();
    void menuButtonOpensPage_data();
    void menuButtonOpensPage();
    void menuButtonShowsOnlyItsPage_data();
    void menuButtonShowsOnlyItsPage();
    void alertButtonChangesNothing();
    void everySetupButtonIsBound();
    void boundButtonsFollowTheirValues_data();
    void boundButtonsFollowTheirValues();
    void buttonsWithoutDescriptionStayUnbound();
    void pressesReachTheSetupControllers();
    void leftTitleOnlyWhileVisible();
    void standbyRequestIsSentEveryTime();
    void displayPagesNavigation();
    void pictures();
    void rowLabelsReadable_data();
    void rowLabelsReadable();
    void scrollBarsOnlyWhereRowsScroll_data();
    void scrollBarsOnlyWhereRowsScroll();

private:
    std::unique_ptr<SetupScreens> shownScreens()
    {
        auto screens = std::make_unique<SetupScreens>();
        screens->resize(800, 447);
        refreshSetupDescriptions();
        screens->show();
        return screens;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<SetupEnumInterface>> m_enums;
    std::optional<FreshInstance<SetupValueInterface>> m_values;
};

void tst_SetupScreens::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_enums.emplace();
    m_values.emplace();
}

void tst_SetupScreens::cleanup()
{
    m_values.reset();
    m_enums.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_SetupScreens::menuArrangement_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("changeSystemShown");

    const QString runtime = QStringLiteral("RUNTIME SCREEN SETUP");
    const QString alert = QStringLiteral("ALERT SETUP");
    const QString calibration = QStringLiteral("CALIBRATION SETUP");
    const QString system = QStringLiteral("SYSTEM SETUP");
    const QString comms = QStringLiteral("COMMUNICATION SETUP");
    const QString tq55 = QStringLiteral("TQ55 SETUP");
    const QString display = QStringLiteral("DISPLAY SETUP");
    const QString windows = QStringLiteral("WINDOWS SCREEN SETUP");
    const QString aux = QStringLiteral("AUX SETUP");
    const QString diagnostics = QStringLiteral("DIAGNOSTICS");

    QTest::newRow("MIR_LOX1000 WINDOWS")
        << "WINDOWS"
        << "MIR_LOX1000" << QStringList { runtime, calibration, system, comms, display, windows, diagnostics }
        << false;
    QTest::newRow("MIR_LOX1000 LINUX")
        << "LINUX"
        << "MIR_LOX1000" << QStringList { runtime, calibration, system, comms, display, diagnostics }
        << false;
    QTest::newRow("MIR_LOX2000") << "WINDOWS"
                                 << "MIR_LOX2000"
                                 << QStringList { runtime, calibration, system, comms, tq55, display, aux,
                                        diagnostics }
                                 << false;
    QTest::newRow("TVR100 WINDOWS") << "WINDOWS"
                                    << "TVR100"
                                    << QStringList { runtime, alert, calibration, system, comms, display,
                                           windows, diagnostics }
                                    << true;
    QTest::newRow("TVR100 LINUX") << "LINUX"
                                  << "TVR100"
                                  << QStringList { runtime, alert, calibration, system, comms, display,
                                         diagnostics }
                                  << true;
    QTest::newRow("TVR200") << "WINDOWS"
                            << "TVR200"
                            << QStringList { runtime, alert, calibration, system, comms, tq55, display, aux,
                                   diagnostics }
                            << true;
    QTest::newRow("KW2 LINUX") << "LINUX"
                               << "KW2"
                               << QStringList { runtime, alert, calibration, system, comms, tq55, display,
                                      aux, diagnostics }
                               << true;
}

void tst_SetupScreens::menuArrangement()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QStringList, rows);
    QFETCH(bool, changeSystemShown);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), platform, product);
    auto screens = shownScreens();
    QCOMPARE(visibleMenu(screens.get()), rows);
    QCOMPARE(
        menuContents(screens.get())->height(), 90 * (rows.size() + (platform == "LINUX" && rows.size() < 9)));
    // "ENVIROMENTAL TEST" never lies inside the contents.
    QAbstractButton *environmental
        = screens->findChild<QAbstractButton *>(QStringLiteral("es_enviromentaltestscreen_setup_btn"));
    QVERIFY(environmental->y() >= menuContents(screens.get())->height());
    QCOMPARE(
        screens->findChild<QWidget *>(QStringLiteral("changeSystemBtn"))->isVisible(), changeSystemShown);
    QVERIFY(screens->findChild<QWidget *>(QStringLiteral("system_standby_btn"))->isVisible());
}

void tst_SetupScreens::menuButtonOpensPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("systemsPage");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");

    QTest::newRow("runtime") << "es_runtime_setup_btn" << 1 << "page_es_runtime_setup"
                             << "Runtime Screen Setup";
    QTest::newRow("calibration") << "es_calibration_setup_btn" << 1 << "page_es_calibration_setup"
                                 << "Calibration Setup";
    QTest::newRow("system") << "es_es_setup_btn" << 1 << "page_es_es_setup"
                            << "System Setup";
    QTest::newRow("comms") << "es_comms_setup_btn" << 1 << "page_es_comms_setup"
                           << "Communications Setup";
    QTest::newRow("windows") << "es_windowsscreen_setup_btn" << 1 << "page_es_windowsscreen_setup"
                             << "Windows Screen Setup";
    // The satellite page has no accessible name of its own.
    QTest::newRow("diagnostics") << "es_diagnostics_setup_btn" << 1 << "page_es_diagnostics_setup"
                                 << "";
    QTest::newRow("display") << "cur207_setup_screens_btn" << 2 << "page_CUR207"
                             << "Display Setup";
}

void tst_SetupScreens::menuButtonOpensPage()
{
    QFETCH(QString, button);
    QFETCH(int, systemsPage);
    QFETCH(QString, page);
    QFETCH(QString, title);

    auto screens = shownScreens();
    QSignalSpy titles(screens.get(), &SetupScreens::signalRightTitleLabelText);
    QAbstractButton *menuButton = screens->findChild<QAbstractButton *>(button);
    QVERIFY(menuButton && menuButton->isVisible());
    QTest::mouseClick(menuButton, Qt::LeftButton);

    QCOMPARE(screens->getStackedSystems()->currentIndex(), systemsPage);
    QCOMPARE(titles.count(), 1);
    QCOMPARE(titles.at(0).at(0).toString(), title);
    if (systemsPage == 1) {
        QStackedWidget *stack = screens->findChild<EsSetupScreens *>()->getStackedEsSetup();
        QCOMPARE(stack->currentWidget()->objectName(), page);
    } else {
        QCOMPARE(screens->getStackedSystems()->currentWidget()->objectName(), page);
    }
}

void tst_SetupScreens::menuButtonShowsOnlyItsPage_data()
{
    QTest::addColumn<QString>("openedBefore");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("satelliteRequests");

    // The form leaves the satellite page current: opening another page must not show it on the way.
    QTest::newRow("first page opened") << ""
                                       << "es_es_setup_btn"
                                       << "page_es_es_setup" << 0;
    // The runtime-page setup borrows the runtime pages while shown: no visit on the way either.
    QTest::newRow("after the runtime-page setup") << "es_runtime_setup_btn"
                                                  << "es_comms_setup_btn"
                                                  << "page_es_comms_setup" << 0;
    QTest::newRow("after the satellite page") << "es_diagnostics_setup_btn"
                                              << "es_calibration_setup_btn"
                                              << "page_es_calibration_setup" << 0;
    // The satellite page itself asks once.
    QTest::newRow("satellite page") << "es_es_setup_btn"
                                    << "es_diagnostics_setup_btn"
                                    << "page_es_diagnostics_setup" << 1;
}

// A menu button shows its page and no other page of the system setup before it.
void tst_SetupScreens::menuButtonShowsOnlyItsPage()
{
    QFETCH(QString, openedBefore);
    QFETCH(QString, button);
    QFETCH(QString, page);
    QFETCH(int, satelliteRequests);

    auto screens = shownScreens();
    if (!openedBefore.isEmpty()) {
        QTest::mouseClick(screens->findChild<QAbstractButton *>(openedBefore), Qt::LeftButton);
        // Back to the menu, as the window's config button does.
        screens->getStackedSystems()->setCurrentIndex(0);
    }
    QStackedWidget *stack = screens->findChild<EsSetupScreens *>()->getStackedEsSetup();
    QList<QWidget *> pages;
    for (int i = 0; i < stack->count(); ++i)
        pages.append(stack->widget(i));
    ShowRecorder recorder;
    recorder.watch(pages);
    QSignalSpy sent(SerializableClass::signalEmitter(), &SignalEmitter::signalEmitString);

    QTest::mouseClick(screens->findChild<QAbstractButton *>(button), Qt::LeftButton);
    QCOMPARE(stack->currentWidget()->objectName(), page);
    QVERIFY(stack->currentWidget()->isVisible());
    QCOMPARE(recorder.shown, QStringList { page });
    int requests = 0;
    for (const QList<QVariant> &text : qAsConst(sent))
        requests += text.at(0).toString().contains(QLatin1String("ShowFlag")) ? 1 : 0;
    QCOMPARE(requests, satelliteRequests);
}

// Shown only on the echo sounders; it opens nothing and announces no title.
void tst_SetupScreens::alertButtonChangesNothing()
{
    BuildConfiguration::TestOverride build(
        QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("TVR200"));
    auto screens = shownScreens();
    QSignalSpy titles(screens.get(), &SetupScreens::signalRightTitleLabelText);
    QAbstractButton *alert = screens->findChild<QAbstractButton *>(QStringLiteral("es_alert_setup_btn"));
    QVERIFY(alert->isVisible());
    QTest::mouseClick(alert, Qt::LeftButton);
    QCOMPARE(screens->getStackedSystems()->currentIndex(), 0);
    QCOMPARE(titles.count(), 0);
}

// Every button of every page named after a setting shows its description's text and is its bound button.
void tst_SetupScreens::everySetupButtonIsBound()
{
    auto screens = shownScreens();
    const ESDataInfoClass *registry = ESDataInfoClass::instance();
    const QList<QPushButton *> buttons = screens->findChildren<QPushButton *>(setupButtonName);
    // The menu's own pages, the general setup page, the runtime-page setup and the system setup pages.
    QCOMPARE(buttons.size(), 120);
    for (QPushButton *button : buttons) {
        const QStringList parts = button->objectName().split(QLatin1Char('_'));
        SetupPropertyInfo *info = registry->setupPropertyInfo(parts.at(0), parts.at(2), parts.at(3));
        QVERIFY2(info, qPrintable(button->objectName()));
        QVERIFY2(info->button() == button, qPrintable(button->objectName()));
        QVERIFY2(!info->text().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(button->text(), info->text());
    }
}

void tst_SetupScreens::boundButtonsFollowTheirValues_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("local enumeration") << "ls_st_OperationMode_DimmingSetup_btn"
                                       << "DimmingSetup"
                                       << "OperationMode" << QVariant(2) << "TX";
    QTest::newRow("local value") << "ls_st_LocalSFI_DisplaySetup_btn"
                                 << "DisplaySetup"
                                 << "LocalSFI" << QVariant(QStringLiteral("GN1234")) << "GN1234";
    QTest::newRow("shared value") << "es_st_LocalSFI_TQ55Setup_btn_s2"
                                  << "TQ55Setup"
                                  << "LocalSFI" << QVariant(QStringLiteral("VR0042")) << "VR0042";
    QTest::newRow("shared enumeration") << "es_st_NMEALoopTest_OtherSettings_btn"
                                        << "OtherSettings"
                                        << "NMEALoopTest" << QVariant(1) << "Running";
}

void tst_SetupScreens::boundButtonsFollowTheirValues()
{
    QFETCH(QString, button);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, text);

    // The display's own LocalSFI button exists on the products whose display keeps its own identity.
    const bool ownIdentity = button.startsWith(QLatin1String("ls_st_LocalSFI"));
    std::optional<BuildConfiguration::TestOverride> build;
    if (ownIdentity)
        build.emplace(QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("TVR200"));
    auto screens = shownScreens();
    QPushButton *bound = screens->findChild<QPushButton *>(button);
    QVERIFY(bound);
    SerializableClass *settings = ESDataClass::instance()->findChild<SerializableClass *>(object);
    if (!settings)
        settings = ESDataClass::instance()->setup()->findChild<SerializableClass *>(object);
    if (!settings)
        settings = ESDataClass::instance()->localSetup()->findChild<SerializableClass *>(object);
    QVERIFY2(settings, qPrintable(object));
    QVERIFY(!bound->text().startsWith(text));
    QVERIFY(settings->setProperty(property.toLatin1().constData(), value));
    const QStringList parts = button.split(QLatin1Char('_'));
    const SetupPropertyInfo *info
        = ESDataInfoClass::instance()->setupPropertyInfo(parts.at(0), parts.at(2), parts.at(3));
    // The description's text: the value, a blank and the unit.
    QCOMPARE(info->text(), text + QLatin1Char(' '));
    QCOMPARE(bound->text(), info->text());
}

// A name the pages keep unbound, and the pages' other buttons, show their form text and reach no
// description.
void tst_SetupScreens::buttonsWithoutDescriptionStayUnbound()
{
    auto screens = shownScreens();
    QAbstractButton *proxy
        = screens->findChild<QAbstractButton *>(QStringLiteral("AlarmSFI_alternative_btn"));
    QVERIFY(proxy);
    ValuePropertyInfo *alarmSfi = ESDataInfoClass::instance()->setupDataInfo()->getValuePropertyInfo(
        QStringLiteral("AlarmSFI"), QStringLiteral("AlertSetup"));
    QVERIFY(alarmSfi);
    QVERIFY(alarmSfi->button() != proxy);
    // It shows the value and follows it.
    QCOMPARE(proxy->text(), alarmSfi->displayedValue());
    ESDataClass::instance()->setup()->AlertSetup()->setProperty("AlarmSFI", QStringLiteral("XX0007"));
    QCOMPARE(proxy->text(), QStringLiteral("XX0007"));
    QCOMPARE(screens->findChild<QAbstractButton *>(QStringLiteral("cu_setup_setup_btn"))->text(),
        QStringLiteral("SCREEN SETUP"));
}

// A short press on a bound list value steps it; a press on a bound free value starts its editing.
void tst_SetupScreens::pressesReachTheSetupControllers()
{
    auto screens = shownScreens();
    RemoteDimmingSetup *dimming = ESDataClass::instance()->localSetup()->DimmingSetup();
    QCOMPARE(dimming->OperationMode(), 0);
    QAbstractButton *mode
        = screens->findChild<QAbstractButton *>(QStringLiteral("ls_st_OperationMode_DimmingSetup_btn"));
    QTest::mouseClick(mode, Qt::LeftButton);
    QCOMPARE(dimming->OperationMode(), 1);
    QCOMPARE(mode->text(), QStringLiteral("RX/TX "));

    QAbstractButton *sfi
        = screens->findChild<QAbstractButton *>(QStringLiteral("es_st_LocalSFI_TQ55Setup_btn_s2"));
    QTest::mousePress(sfi, Qt::LeftButton);
    QCOMPARE(SetupValueInterface::instance()->currentProperty(),
        ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("es"), QStringLiteral("LocalSFI"), QStringLiteral("TQ55Setup")));
    QCOMPARE(SetupValueInterface::instance()->pressedButton(), sfi);
    QTest::mouseRelease(sfi, Qt::LeftButton);
}

void tst_SetupScreens::leftTitleOnlyWhileVisible()
{
    auto screens = std::make_unique<SetupScreens>();
    QSignalSpy titles(screens.get(), &SetupScreens::signalLeftTitleLabelText);
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    runtime->setValid(QStringLiteral("SpeedGPS"), true);
    runtime->setSpeedGPS(12.5);
    QCOMPARE(titles.count(), 0);

    screens->show();
    QCOMPARE(titles.count(), 1);
    const QString text = ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("SpeedGPS"))->text();
    QCOMPARE(titles.at(0).at(0).toString(), QStringLiteral("GPS Speed: ") + text);

    runtime->setSpeedGPS(3.25);
    QCOMPARE(titles.count(), 2);
    QVERIFY(titles.at(1).at(0).toString().startsWith(QLatin1String("GPS Speed: ")));
    QCOMPARE(titles.at(1).at(0).toString(), QStringLiteral("GPS Speed: 3.3"));

    screens->hide();
    runtime->setSpeedGPS(7.0);
    QCOMPARE(titles.count(), 2);
}

void tst_SetupScreens::standbyRequestIsSentEveryTime()
{
    auto screens = shownScreens();
    ESTQ55Setup *setup = ESDataClass::instance()->setup()->TQ55Setup();
    QSignalSpy changes(setup, &ESTQ55Setup::SystemInNormalOrStandbyModeChanged);
    QSignalSpy sent(SerializableClass::signalEmitter(), &SignalEmitter::signalEmitString);
    QAbstractButton *standby = screens->findChild<QAbstractButton *>(QStringLiteral("system_standby_btn"));

    QTest::mouseClick(standby, Qt::LeftButton);
    QCOMPARE(setup->SystemInNormalOrStandbyMode(), 1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(sent.count(), 1);
    QVERIFY(sent.at(0).at(0).toString().contains(QLatin1String("SystemInNormalOrStandbyMode")));

    QTest::mouseClick(standby, Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(sent.count(), 2);
}

void tst_SetupScreens::displayPagesNavigation()
{
    auto screens = shownScreens();
    QTest::mouseClick(
        screens->findChild<QAbstractButton *>(QStringLiteral("cur207_setup_screens_btn")), Qt::LeftButton);
    CuR207Setup *display = screens->findChild<CuR207Setup *>();
    QSignalSpy titles(display, &CuR207Setup::signalRightTitleLabelText);
    QSignalSpy forwarded(screens.get(), &SetupScreens::signalRightTitleLabelText);
    const struct
    {
        const char *button;
        int page;
        const char *title;
    } cases[] = { { "cu_setup_setup_btn", 1, "General Display Setup" },
        { "cu_remotedimming_setup_btn", 2, "Remote Dimming Setup" },
        { "cu_network_setup_btn", 3, "Network Setup" } };
    for (const auto &c : cases) {
        display->navigateBackToNavigationPage();
        titles.clear();
        forwarded.clear();
        QTest::mouseClick(display->findChild<QAbstractButton *>(QLatin1String(c.button)), Qt::LeftButton);
        QCOMPARE(display->getStackedWidget()->currentIndex(), c.page);
        QCOMPARE(titles.count(), 1);
        QCOMPARE(titles.at(0).at(0).toString(), QLatin1String(c.title));
        QCOMPARE(forwarded.count(), 1);
    }
}

void tst_SetupScreens::pictures()
{
    ScreenStage stage;
    auto *screens = new SetupScreens(stage.layout);
    screens->setGeometry(0, 34, 800, 447);
    refreshSetupDescriptions();
    stage.start();
    EsSetupScreens *system = screens->findChild<EsSetupScreens *>();
    CuR207Setup *display = screens->findChild<CuR207Setup *>();
    const struct
    {
        const char *name;
        int systemsPage;
        const char *page;
        int displayPage;
    } views[] = { { "menu", 0, nullptr, 0 }, { "calibration", 1, "page_es_calibration_setup", 0 },
        { "system", 1, "page_es_es_setup", 0 }, { "diagnostics", 1, "page_es_diagnostics_setup", 0 },
        { "display-navigation", 2, nullptr, 0 }, { "display-general", 2, nullptr, 1 },
        { "display-dimming", 2, nullptr, 2 }, { "display-network", 2, nullptr, 3 } };
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        for (const auto &view : views) {
            screens->getStackedSystems()->setCurrentIndex(view.systemsPage);
            if (view.page)
                system->getStackedEsSetup()->setCurrentWidget(
                    system->findChild<QWidget *>(QLatin1String(view.page)));
            display->getStackedWidget()->setCurrentIndex(view.displayPage);
            const QString name = QStringLiteral("%1-%2x%3")
                                     .arg(QLatin1String(view.name))
                                     .arg(size.width())
                                     .arg(size.height());
            const QString path = stage.savePicture(name);
            QVERIFY(QFileInfo::exists(path));
        }
    }
    // The setup side at the main stack's own size.
    stage.resize(QSize(800, 480));
    screens->getStackedSystems()->setCurrentIndex(0);
    QVERIFY(QFileInfo::exists(stage.savePicture(QStringLiteral("menu-800x447"), screens)));
}

void tst_SetupScreens::rowLabelsReadable_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("labels");

    // Every page with rows that a press reaches (the alert and environmental pages are reached by none),
    // the buttons that open it from the runtime side after the config button, and some of its row labels.
    QTest::newRow("runtime page A") << "MIR_LOX1000" << QStringList { "es_runtime_setup_btn" } << "page_a"
                                    << QStringList { "Show Page", "Data 1" };
    QTest::newRow("runtime page D") << "MIR_LOX1000" << QStringList { "es_runtime_setup_btn", "page_d_btn" }
                                    << "page_d" << QStringList { "Angle Calc", "SOG " };
    QTest::newRow("calibration") << "MIR_LOX1000" << QStringList { "es_calibration_setup_btn" }
                                 << "page_es_calibration_setup" << QStringList { "Installation Angle:" };
    QTest::newRow("general") << "MIR_LOX1000" << QStringList { "es_es_setup_btn" } << "page_es_es_setup"
                             << QStringList { "Vessel Image", "Antenna Height" };
    QTest::newRow("communications") << "MIR_LOX1000" << QStringList { "es_comms_setup_btn" }
                                    << "page_es_comms_setup" << QStringList { "Channel", "Baud", "VBW" };
    QTest::newRow("display") << "MIR_LOX1000"
                             << QStringList { "cur207_setup_screens_btn", "cu_setup_setup_btn" }
                             << "page_cu_setup_setup" << QStringList { "Language*", "Alarm Sounder" };
    QTest::newRow("remote dimming") << "MIR_LOX1000"
                                    << QStringList { "cur207_setup_screens_btn",
                                           "cu_remotedimming_setup_btn" }
                                    << "page_cu_remotedimming_setup" << QStringList { "Operation Mode" };
    QTest::newRow("display network") << "MIR_LOX1000"
                                     << QStringList { "cur207_setup_screens_btn", "cu_network_setup_btn" }
                                     << "page_cu_network_setup" << QStringList { "IP", "Local SFI" };
    QTest::newRow("own SFIs") << "MIR_LOX1000" << QStringList { "es_windowsscreen_setup_btn" }
                              << "page_es_windowsscreen_setup" << QStringList { "Local SFI", "Paired SFI" };
    QTest::newRow("junction box") << "TVR200" << QStringList { "es_tq55_setup_btn" } << "page_es_tq55_setup"
                                  << QStringList { "IP", "System Name*" };
    QTest::newRow("AUX") << "TVR200" << QStringList { "es_aux_setup_btn" } << "page_es_aux_setup"
                         << QStringList { "Aux 1 Output", "Shallow Limit" };
}

// Every label on a row of a setup page stands out from its row by a contrast of at least 4.5 : 1 (the
// accessibility guidelines' rule for text) in each of the six palettes, measured on the picture of the
// window: the colour of the label's text pixels against the colour of its row. The pages are opened with
// presses in the main window; labels on the black of the window itself are not on a row and are left out.
void tst_SetupScreens::rowLabelsReadable()
{
    QFETCH(QString, product);
    QFETCH(QStringList, presses);
    QFETCH(QString, page);
    QFETCH(QStringList, labels);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), QStringLiteral("WINDOWS"), product);
    ScreensWindow window;
    QVERIFY(window.press(QStringLiteral("config_button")));
    for (const QString &button : presses)
        QVERIFY2(window.press(button), qPrintable(button));
    QWidget *opened = window.shown(page);
    QVERIFY2(opened, qPrintable(page + QStringLiteral(" not shown")));

    QStringList unreadable;
    for (int palette = 0; palette < CustomColorDefinitions::paletteCount; ++palette) {
        const QString paletteName = CustomColorDefinitions::getColorName(palette);
        ThemeColorSingleton::instance()->setColorPalette(enum_ColorPalette(palette));
        // Pictures to look at of the brightest day and the palest night palette.
        const bool kept = palette == Bright_Green || palette == Pale_Yellow;
        const QImage picture = (kept
                ? ScreenPictures::save(window.window(), QStringLiteral("rows-%1-%2").arg(page, paletteName))
                : window->grab().toImage())
                                   .convertToFormat(QImage::Format_RGB32);
        QStringList measured;
        for (QLabel *label : opened->findChildren<QLabel *>()) {
            // Shown in its whole height, with a text; a label scrolled partly out of its page is not judged.
            if (!label->isVisible() || label->text().trimmed().isEmpty()
                || label->visibleRegion().boundingRect().height() != label->height())
                continue;
            const ShownLabel shown = shownLabel(picture, window.window(), label);
            if (shown.background == QColor(Qt::black))
                continue;
            measured.append(label->text());
            const double ratio = CustomColorDefinitions::contrastRatio(shown.text, shown.background);
            if (shown.textPixels < 12 || ratio < CustomColorDefinitions::minimumTextContrast) {
                unreadable.append(
                    QStringLiteral("%1 \"%2\": %3 on %4, %5 : 1 (%6 text pixels)")
                        .arg(paletteName, label->text(), shown.text.name(), shown.background.name())
                        .arg(ratio, 0, 'f', 2)
                        .arg(shown.textPixels));
            }
        }
        for (const QString &label : labels)
            QVERIFY2(measured.contains(label), qPrintable(label + QStringLiteral(" not seen on a row")));
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

void tst_SetupScreens::scrollBarsOnlyWhereRowsScroll_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("page");

    // The pages whose rows stand in scroll areas: lists that scroll, and the display rows that fill theirs.
    QTest::newRow("runtime page D") << "MIR_LOX1000" << QStringList { "es_runtime_setup_btn", "page_d_btn" }
                                    << "page_d";
    QTest::newRow("general") << "MIR_LOX1000" << QStringList { "es_es_setup_btn" } << "page_es_es_setup";
    QTest::newRow("communications") << "MIR_LOX1000" << QStringList { "es_comms_setup_btn" }
                                    << "page_es_comms_setup";
    QTest::newRow("display") << "MIR_LOX1000"
                             << QStringList { "cur207_setup_screens_btn", "cu_setup_setup_btn" }
                             << "page_cu_setup_setup";
}

// Right after the press that opens a page, at both sizes, each of its row lists shows a scroll bar
// exactly when it has rows to scroll to, and a list with nothing to scroll lies within the page.
void tst_SetupScreens::scrollBarsOnlyWhereRowsScroll()
{
    QFETCH(QString, product);
    QFETCH(QStringList, presses);
    QFETCH(QString, page);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), QStringLiteral("WINDOWS"), product);
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        ScreensWindow window(size);
        QVERIFY(window.press(QStringLiteral("config_button")));
        for (const QString &button : presses)
            QVERIFY2(window.press(button), qPrintable(button));
        QWidget *opened = window.shown(page);
        QVERIFY2(opened, qPrintable(page + QStringLiteral(" not shown")));
        for (QScrollArea *area : opened->findChildren<QScrollArea *>()) {
            if (!area->isVisible())
                continue;
            const QString tag = QStringLiteral("%1 \"%2\" at %3 x %4")
                                    .arg(page, area->objectName())
                                    .arg(size.width())
                                    .arg(size.height());
            const QScrollBar *bar = area->verticalScrollBar();
            QVERIFY2(bar->isVisible() == (bar->maximum() > 0),
                qPrintable(tag
                    + QStringLiteral(": bar shown %1, range %2").arg(bar->isVisible()).arg(bar->maximum())));
            // A list that scrolls brings every row into view; one that does not must show them all.
            if (bar->maximum() > 0)
                continue;
            const int bottom = area->mapTo(opened, QPoint(0, area->height())).y();
            QVERIFY2(bottom <= opened->height(),
                qPrintable(tag + QStringLiteral(": ends at %1 in %2").arg(bottom).arg(opened->height())));
        }
    }
}

QTEST_MAIN(tst_SetupScreens)
#include "tst_setupscreens.moc"
