// The dimming presets page in the main window: the preset shown on opening, editing a preset's
// brightness and palette, what is written to the preset files, the brightness and palette restored on
// leaving, following remote dimming while hidden, preset texts that name no preset, and pictures.

#include "FreshStores.h"
#include "ScreenPictures.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ES_Alerts.h"
#include "data/RuntimeColorStore.h"
#include "hardware/DimmingController.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/setup/DimmingSetupScreen.h"
#include "ui/window/BaseScreen.h"
#include "ui/window/BrightnessSliderWrapper.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <optional>

class tst_DimmingSetupScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void themeList();
    void openingShowsRemotePreset_data();
    void openingShowsRemotePreset();
    void editedBrightnessWrittenWhenPresetLeft();
    void themeListSetsPalette();
    void leavingRestoresRemotePresets();
    void remoteBrightnessPercentage();
    void firstRemoteColorChangeIgnored();
    void remotePresetFollowedOnlyWhileHidden();
    void unknownPresetChangesNothing();
    void valueColorsFollowPalette();
    void pictures();

private:
    LocalDimmingSetupContainer *presets() const
    {
        return ESDataClass::instance()->localSetup()->DimmingSetupContainer();
    }
    RemoteDimmingSetup *remote() const { return ESDataClass::instance()->localSetup()->DimmingSetup(); }
    QAbstractButton *button(const char *name) const
    {
        return m_page->findChild<QAbstractButton *>(QLatin1String(name));
    }
    QSlider *slider() const { return m_page->findChild<QSlider *>(QStringLiteral("brightness_slider")); }
    QListWidget *themeListWidget() const
    {
        return m_page->findChild<QListWidget *>(QStringLiteral("theme_list"));
    }
    void showPage()
    {
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    // The preset's file as written, read into a fresh preset.
    int brightnessInFile(const QString &name) const
    {
        LocalDimmingSetup stored(nullptr, name);
        stored.loadFromFile(QStringList());
        return stored.Brightness();
    }

    std::optional<FreshStores> m_stores;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
    DimmingSetupScreen *m_page = nullptr;
};

void tst_DimmingSetupScreen::init()
{
    m_stores.emplace();
    ThemeColorSingleton::instance()->setColorPalette(Green);
    ThemeColorSingleton::instance()->setPreviewColorPalette(Green);
    LocalDimmingSetupContainer *all = presets();
    const struct
    {
        LocalDimmingSetup *preset;
        int brightness;
        int palette;
    } values[] = { { all->DayDimmingSetup(), 230, Bright_Green }, { all->TwilightDimmingSetup(), 120, Green },
        { all->NightDimmingSetup(), 60, Yellow }, { all->OffDimmingSetup(), 20, Pale_Yellow } };
    for (const auto &v : values) {
        v.preset->setBrightness(v.brightness);
        v.preset->setColorPalette(v.palette);
    }
    remote()->setDimmingPreset(QStringLiteral("D"));
    remote()->setColorPalette(QStringLiteral("D"));
    m_dimming = new DimmingController;
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming);
    m_window->applyNormalBrightness();
    // Inside the window's scaling container, as the setup side is.
    QWidget *content = m_window->findChild<QWidget *>(QStringLiteral("custom_layout"));
    QVERIFY(content);
    m_page = new DimmingSetupScreen(content);
    m_page->setGeometry(0, 34, 800, 447);
    m_page->hide();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_DimmingSetupScreen::cleanup()
{
    delete m_window;
    delete m_dimming;
    m_stores.reset();
    ThemeColorSingleton::instance()->setColorPalette(Green);
    ThemeColorSingleton::instance()->setPreviewColorPalette(Green);
}

void tst_DimmingSetupScreen::themeList()
{
    QListWidget *list = themeListWidget();
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows.append(list->item(i)->text());
    QCOMPARE(rows,
        QStringList({ "Bright Green", "Green", "Pale Green", "Bright Yellow", "Yellow", "Pale Yellow" }));
}

void tst_DimmingSetupScreen::openingShowsRemotePreset_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("palette");

    QTest::newRow("day") << "D"
                         << "DayDimmingSetup_btn" << 230 << int(Bright_Green);
    QTest::newRow("twilight") << "K"
                              << "TwilightDimmingSetup_btn" << 120 << int(Green);
    QTest::newRow("night") << "N"
                           << "NightDimmingSetup_btn" << 60 << int(Yellow);
    QTest::newRow("off") << "O"
                         << "OffDimmingSetup_btn" << 20 << int(Pale_Yellow);
}

void tst_DimmingSetupScreen::openingShowsRemotePreset()
{
    QFETCH(QString, letter);
    QFETCH(QString, button);
    QFETCH(int, brightness);
    QFETCH(int, palette);

    remote()->setDimmingPreset(letter);
    QSignalSpy tabs(m_page, &DimmingSetupScreen::currentTabChanged);
    showPage();
    QVERIFY(m_page->findChild<QAbstractButton *>(button)->isChecked());
    QCOMPARE(slider()->value(), brightness);
    QCOMPARE(m_window->normalBrightness(), brightness);
    // The alarm floor keeps a dark preset at the alarm level while it is edited.
    QCOMPARE(m_dimming->brightness(), qMax(brightness, int(BaseScreen::alarmBrightnessLevel)));
    QCOMPARE(int(ThemeColorSingleton::instance()->previewColorPalette()), palette);
    QCOMPARE(themeListWidget()->currentRow(), palette);
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(tabs.at(0).at(0).toString(), letter);
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("brightness_value_label"))->text(),
        QString::number(int(brightness / 2.56)) + QLatin1Char('%'));
}

void tst_DimmingSetupScreen::editedBrightnessWrittenWhenPresetLeft()
{
    showPage();
    QSignalSpy tabs(m_page, &DimmingSetupScreen::currentTabChanged);
    QTest::mouseClick(button("NightDimmingSetup_btn"), Qt::LeftButton);
    QCOMPARE(tabs.last().at(0).toString(), QStringLiteral("N"));
    QCOMPARE(slider()->value(), 60);
    // A drag of the handle to 40.
    slider()->setSliderPosition(40);
    QCOMPARE(presets()->NightDimmingSetup()->Brightness(), 40);
    QCOMPARE(m_window->normalBrightness(), 40);
    QVERIFY(!QFile::exists(QStringLiteral("Setup_Files/MIRLOX RN4400/CU_NightDimmingSetup.txt")));

    QTest::mouseClick(button("DayDimmingSetup_btn"), Qt::LeftButton);
    QCOMPARE(tabs.last().at(0).toString(), QStringLiteral("D"));
    QCOMPARE(brightnessInFile(QStringLiteral("NightDimmingSetup")), 40);
    QCOMPARE(presets()->DayDimmingSetup()->Brightness(), 230);
    QCOMPARE(slider()->value(), 230);
    QCOMPARE(m_window->normalBrightness(), 230);
}

void tst_DimmingSetupScreen::themeListSetsPalette()
{
    showPage();
    QTest::mouseClick(button("TwilightDimmingSetup_btn"), Qt::LeftButton);
    QListWidget *list = themeListWidget();
    const QRect row = list->visualItemRect(list->item(Pale_Green));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(presets()->TwilightDimmingSetup()->ColorPalette(), int(Pale_Green));
    QCOMPARE(ThemeColorSingleton::instance()->previewColorPalette(), Pale_Green);
    // Only the preview: the screens keep their palette while the preset is edited.
    QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Green);
    m_page->hide();
    QCOMPARE(presets()->TwilightDimmingSetup()->ColorPalette(), int(Pale_Green));
}

// Leaving the page writes the edited preset and returns to the presets the remote settings name.
void tst_DimmingSetupScreen::leavingRestoresRemotePresets()
{
    remote()->setDimmingPreset(QStringLiteral("K"));
    remote()->setColorPalette(QStringLiteral("N"));
    showPage();
    QTest::mouseClick(button("OffDimmingSetup_btn"), Qt::LeftButton);
    slider()->setSliderPosition(15);
    m_page->hide();
    QCOMPARE(brightnessInFile(QStringLiteral("OffDimmingSetup")), 15);
    QVERIFY(!m_page->editedPreset());
    QCOMPARE(m_window->normalBrightness(), 120);
    QCOMPARE(m_dimming->brightness(), 120);
    QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Yellow);
    QCOMPARE(ThemeColorSingleton::instance()->previewColorPalette(), Yellow);
    QCOMPARE(remote()->CurrentBrightnessPercentage(), int(120 / 2.56));
    // The brightness the page put back is no edit of a preset.
    QCOMPARE(presets()->OffDimmingSetup()->Brightness(), 15);
    QCOMPARE(presets()->TwilightDimmingSetup()->Brightness(), 120);
}

void tst_DimmingSetupScreen::remoteBrightnessPercentage()
{
    remote()->setBrightnessPercentage(50);
    QCOMPARE(slider()->value(), 128);
    QCOMPARE(m_window->normalBrightness(), 128);
    QCOMPARE(remote()->CurrentBrightnessPercentage(), 50);
    remote()->setBrightnessPercentage(99);
    QCOMPARE(slider()->value(), 253);
    QCOMPARE(m_dimming->brightness(), 253);
    QCOMPARE(remote()->CurrentBrightnessPercentage(), 98);
    // Followed by the slider only: no preset takes the value.
    QCOMPARE(presets()->DayDimmingSetup()->Brightness(), 230);
}

void tst_DimmingSetupScreen::firstRemoteColorChangeIgnored()
{
    remote()->setColorPalette(QStringLiteral("N"));
    QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Green);
    remote()->setColorPalette(QStringLiteral("O"));
    QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Pale_Yellow);
    QCOMPARE(ThemeColorSingleton::instance()->previewColorPalette(), Pale_Yellow);
}

void tst_DimmingSetupScreen::remotePresetFollowedOnlyWhileHidden()
{
    // A valid remote percentage rules the brightness; the preset letter alone then changes nothing.
    remote()->setValid(QStringLiteral("BrightnessPercentage"), true);
    remote()->setDimmingPreset(QStringLiteral("N"));
    QCOMPARE(m_window->normalBrightness(), 128);

    remote()->setValid(QStringLiteral("BrightnessPercentage"), false);
    remote()->setDimmingPreset(QStringLiteral("O"));
    QCOMPARE(m_window->normalBrightness(), 20);
    QCOMPARE(slider()->value(), 20);
    QCOMPARE(remote()->CurrentBrightnessPercentage(), int(20 / 2.56));
    QCOMPARE(presets()->DayDimmingSetup()->Brightness(), 230);

    showPage();
    const int shown = m_window->normalBrightness();
    remote()->setDimmingPreset(QStringLiteral("K"));
    QCOMPARE(m_window->normalBrightness(), shown);
}

// "U", the letter of no preset, and other texts naming none of the four leave brightness, palette and
// presets as they are.
void tst_DimmingSetupScreen::unknownPresetChangesNothing()
{
    remote()->setColorPalette(QStringLiteral("K")); // the first change, ignored anyway
    const int brightness = m_window->normalBrightness();
    for (const QString &text : { QStringLiteral("U"), QStringLiteral("d"), QStringLiteral("Day") }) {
        remote()->setDimmingPreset(text);
        remote()->setColorPalette(text);
        QCOMPARE(m_window->normalBrightness(), brightness);
        QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Green);
    }
    remote()->setDimmingPreset(QStringLiteral("U"));
    QSignalSpy tabs(m_page, &DimmingSetupScreen::currentTabChanged);
    showPage();
    QCOMPARE(tabs.count(), 0);
    QCOMPARE(m_window->normalBrightness(), brightness);
    m_page->hide();
    QCOMPARE(m_window->normalBrightness(), brightness);
    QCOMPARE(ThemeColorSingleton::instance()->colorPalette(), Green);
    const QList<LocalDimmingSetup *> all { presets()->DayDimmingSetup(), presets()->TwilightDimmingSetup(),
        presets()->NightDimmingSetup(), presets()->OffDimmingSetup() };
    const QList<int> expected { 230, 120, 60, 20 };
    for (int i = 0; i < all.size(); ++i)
        QCOMPARE(all.at(i)->Brightness(), expected.at(i));
}

// The runtime values are drawn in the colours of the theme palette: from the page's start, after leaving
// it, and after a remote palette change.
void tst_DimmingSetupScreen::valueColorsFollowPalette()
{
    delete m_page;
    RuntimeColorStore store;
    RuntimeColorStore::TestOverride useStore(&store);
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), store.fallbackColor());
    m_page = new DimmingSetupScreen(m_window->findChild<QWidget *>(QStringLiteral("custom_layout")));
    m_page->hide();
    QCOMPARE(store.colorPreset(), QStringLiteral("Green"));
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), QColor(0x33, 0xba, 0x38));

    remote()->setDimmingPreset(QStringLiteral("N"));
    remote()->setColorPalette(QStringLiteral("N"));
    showPage();
    m_page->hide();
    QCOMPARE(store.colorPreset(), QStringLiteral("Yellow"));
    QCOMPARE(store.dimmingPreset(), QStringLiteral("N"));
    QCOMPARE(store.colorFor(QStringLiteral("STW")), QColor(0x70, 0x91, 0xff));

    remote()->setColorPalette(QStringLiteral("D"));
    QCOMPARE(store.colorPreset(), QStringLiteral("Bright_Green"));
    QCOMPARE(store.colorFor(QStringLiteral("SOG")), QColor(0x63, 0xff, 0x4b));
    delete m_page;
    m_page = nullptr;
}

void tst_DimmingSetupScreen::pictures()
{
    remote()->setDimmingPreset(QStringLiteral("N"));
    showPage();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        m_window->resize(size);
        QCoreApplication::processEvents();
        ScreenPictures::save(
            m_window, QStringLiteral("dimming-night-%1x%2").arg(size.width()).arg(size.height()));
    }
    m_window->resize(800, 480);
    QCoreApplication::processEvents();
    // The arrows lie inside their buttons and let presses through.
    const QWidget *up = m_page->findChild<QWidget *>(QStringLiteral("arrow_up"));
    QVERIFY(up->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(button("brightness_inc_button")->geometry().contains(up->geometry()));
    // A touch on the arrow lands on the button beneath it.
    QWidget *touched = m_page->childAt(up->geometry().center());
    QCOMPARE(touched, static_cast<QWidget *>(button("brightness_inc_button")));
    QTest::mouseClick(touched, Qt::LeftButton);
    QCOMPARE(m_window->normalBrightness(), 61);
}

QTEST_MAIN(tst_DimmingSetupScreen)
#include "tst_dimmingsetupscreen.moc"
