#ifndef SCREENSWINDOW_H
#define SCREENSWINDOW_H

#include "FreshControllers.h"
#include "FreshStores.h"

#include "data/ESDataClass.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/controllers/ModelInterfaceContainer.h"
#include "ui/dialogs/LongPressMenuScreen.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/runtime/RuntimeScreens.h"
#include "ui/setup/SetupScreens.h"
#include "ui/window/BaseScreen.h"

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSize>
#include <QtTest>

#include <memory>
#include <optional>

// The main window as the system builds it, without the network: the real setup and runtime sides and
// the long-press menus, the controllers of presses on bound buttons connected to the window's editors,
// every setup description showing its value, in the palette "Green". It stands on process-wide stores,
// descriptions and controllers of its own, so that no case sees what another left behind; it is shown at
// the size given and exposed. A case makes one for itself (or a test keeps one as a std::optional member,
// emplaced in init() and reset in cleanup()).
class ScreensWindow
{
public:
    explicit ScreensWindow(const QSize &size = QSize(800, 480))
    {
        m_stores.emplace();
        m_descriptions.emplace();
        m_controllers.emplace();
        m_dimming = std::make_unique<DimmingController>();

        BaseScreen::Parts parts;
        parts.setupScreens = [](QWidget *parent) { return new SetupScreens(parent); };
        parts.runtimeScreens = [](QWidget *parent) { return new RuntimeScreens(parent); };
        parts.longPressMenu = [](QWidget *parent) { return new LongPressMenuScreen(parent); };
        parts.setupLongPressMenu = [](QWidget *parent) { return new SetupLongPressScreen(parent); };
        m_window = std::make_unique<BaseScreen>(
            ESDataClass::instance()->alerts(), m_dimming.get(), nullptr, parts);
        ModelInterfaceContainer::instance()->connectWindow(m_window.get());
        m_descriptions->registry()->setupDataInfo()->updateAllGUI();
        m_descriptions->registry()->localSetupDataInfo()->updateAllGUI();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // A palette as the dimming presets give one once the program runs: until the first palette change
        // no widget carries the property that the themed colours are keyed on.
        ThemeColorSingleton::instance()->setColorPalette(Green);
        resize(size);
    }

    // The scale factors are process-wide: the next case starts at the design size again.
    ~ScreensWindow()
    {
        if (m_window && m_window->size() != QSize(800, 480))
            resize(QSize(800, 480));
        m_window.reset();
        m_dimming.reset();
        m_controllers.reset();
        m_descriptions.reset();
        m_stores.reset();
    }

    ScreensWindow(const ScreensWindow &) = delete;
    ScreensWindow &operator=(const ScreensWindow &) = delete;

    BaseScreen *window() const { return m_window.get(); }
    BaseScreen *operator->() const { return m_window.get(); }

    // The window and its scaling container at another size.
    void resize(const QSize &size)
    {
        m_window->resize(size);
        QWidget *layout = m_window->findChild<QWidget *>(QStringLiteral("custom_layout"));
        QTRY_COMPARE(layout->size(), size);
    }

    // Presses the button of that object name, which must be shown.
    bool press(const QString &button) const
    {
        auto *found = m_window->findChild<QPushButton *>(button);
        if (!found || !found->isVisible())
            return false;
        scrollIntoView(found);
        bringOntoScreen(found);
        QTest::mouseClick(found, Qt::LeftButton);
        return true;
    }

    // The page opened by pressing its setup-menu button (after the config button while the runtime side
    // is shown), or null when a button is missing or the page is not shown after the press.
    QWidget *openSetupPage(const QString &menuButton, const QString &page) const
    {
        if (m_window->runtimeScreens()->isVisible() && !press(QStringLiteral("config_button")))
            return nullptr;
        if (!press(menuButton))
            return nullptr;
        return shown(page);
    }

    // The shown widget of that object name, or null; names repeat on different pages ("page_a").
    QWidget *shown(const QString &name) const
    {
        for (QWidget *widget : m_window->findChildren<QWidget *>(name)) {
            if (widget->isVisible())
                return widget;
        }
        return nullptr;
    }

private:
    // A button in a list longer than its scroll area is scrolled into view first, as a finger would.
    static void scrollIntoView(QWidget *widget)
    {
        for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
            if (auto *area = qobject_cast<QScrollArea *>(parent)) {
                area->ensureWidgetVisible(widget, 0, 0);
                return;
            }
        }
    }

    // A press on a scrolling page reaches its button through the page's scroller, which finds the button
    // by its place on the screen; the test platform's screen is 800 x 600, so a wider window is moved
    // until the button's middle lies on it.
    void bringOntoScreen(QWidget *widget) const
    {
        const QRect screen = m_window->screen()->geometry();
        const QPoint middle = widget->mapToGlobal(widget->rect().center());
        if (screen.contains(middle))
            return;
        // To the screen's middle along the axis where it lies off.
        const QPoint target(
            screen.left() <= middle.x() && middle.x() <= screen.right() ? middle.x() : screen.center().x(),
            screen.top() <= middle.y() && middle.y() <= screen.bottom() ? middle.y() : screen.center().y());
        m_window->move(m_window->pos() + target - middle);
        QTRY_VERIFY(screen.contains(widget->mapToGlobal(widget->rect().center())));
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    std::optional<FreshControllers> m_controllers;
    std::unique_ptr<DimmingController> m_dimming;
    std::unique_ptr<BaseScreen> m_window;
};

#endif // SCREENSWINDOW_H
