#ifndef RUNTIMESCREENS_H
#define RUNTIMESCREENS_H

#include "ui/CustomColorDefinitions.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>

class BrightnessSliderWrapper;
class QStackedWidget;
class RuntimePressFilter;

namespace Ui {
class RuntimeScreens;
}

// The runtime side of the main window: four runtime pages A to D in the stack "stacked_ES_runtime", each
// a value area beside five side-information buttons and above three bottom bars, and beside them the
// shared brightness and navigation controls. The side information of pages A to C slides away 5000 ms
// after the last press when the page's "Information" setting is "Slide" (the value area then takes the
// whole width) and comes back on any press; page D keeps it. Navigation steps over pages whose
// "ShowPage" setting was switched off. The runtime-page setup borrows the whole widget as a scaled
// preview (moveIntoContainer).
class RuntimeScreens : public QWidget
{
    Q_OBJECT

public:
    static const int sideInfoMs = 5000;

    explicit RuntimeScreens(QWidget *parent = nullptr);
    ~RuntimeScreens() override;

    QStackedWidget *getStackedSystems() const;
    QStackedWidget *getStackedEsRuntime() const;
    int getLastPageIndex() const { return m_lastPageIndex; }
    void setShownInSetupPreview(bool shown) { m_shownInSetupPreview = shown; }
    bool isShownInSetupPreview() const { return m_shownInSetupPreview; }
    bool isSideInfoShown() const { return m_sideInfoShown; }
    bool isBottomInfoShown() const { return m_bottomInfoShown; }
    // Binds the four-line pages and the heading page to their page settings; the main window asks for it
    // once the settings have announced their values.
    Q_INVOKABLE void initializeScreensData();
    // Moves the whole widget into another container: into the runtime-page setup's preview (described
    // "Runtime Setup Screen") everything shrinks to 0.625 across and 0.75 down; back into any other
    // container it grows by the inverse.
    void moveIntoContainer(QWidget *container);
    void showSideInfo();
    void showSideInfoAndRestartTimer();
    int sideInfoWidth() const;
    // Whether navigation stops at the runtime page of the first system page.
    bool isPageEnabled(int page) const;
    RuntimePressFilter *pressFilter() const { return m_pressFilter; }

    // The auto-hide time; tests shorten it.
    void setSideInfoInterval(int ms) { m_autoHideTimer.setInterval(ms); }
    int sideInfoInterval() const { return m_autoHideTimer.interval(); }
    bool isAutoHideTimerActive() const { return m_autoHideTimer.isActive(); }

signals:
    // Declared for the main window; the runtime pages have no left title.
    void signalLeftTitleLabelText(QString text);
    // The accessible name of the runtime page shown ("Page A" to "Page D").
    void signalRightTitleLabelText(QString text);

public slots:
    void on_navigate_left_button_clicked();
    void on_navigate_right_button_clicked();
    void on_stacked_ES_runtime_currentChanged(int index);
    void bottomAndSideInfoTimerTimeout();
    void hideSideInfo();
    void hideBottomInfo();
    void InformationsAFixedChanged(QString informations);
    void informationsBFixedChanged(QString informations);
    void informationsCFixedChanged(QString informations);
    void bottomBarsAFixedChanged(QString bottom_bars);
    void bottomBarsBFixedChanged(QString bottom_bars);
    void bottomBarsCFixedChanged(QString bottom_bars);
    void bottomBar2AChanged(QString information);
    void bottomBar3AChanged(QString information);
    void bottomBar2BChanged(QString information);
    void bottomBar3BChanged(QString information);
    void bottomBar2CChanged(QString information);
    void bottomBar3CChanged(QString information);
    void reloadBrightnessAndNavigationIcons(enum_ColorPalette color_enum);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The value areas of pages A, B and C (page D's is never resized).
    QList<QWidget *> resizedValueAreas() const;
    void resizeValueAreas(const QSize &size);
    // The runtime stack of the system page shown: its first stack.
    QStackedWidget *currentRuntimeStack() const;
    QList<bool> &currentPageEnabled();
    void navigate(int direction);
    void showBottomBar(int index, const QString &information);
    bool parentIsStack() const;
    void bindSettings();

    BrightnessSliderWrapper *m_brightnessWrapper = nullptr;
    QTimer m_autoHideTimer;
    bool m_sideInfoShown = true;
    bool m_informationFixed[3] = { true, true, true };
    bool m_bottomInfoShown = true;
    bool m_bottomBarsFixed[3] = { true, true, true };
    QList<QWidget *> m_bottomBarButtons;
    RuntimePressFilter *m_pressFilter = nullptr;
    bool m_shownInSetupPreview = false;
    // The geometries and font pixel sizes the widgets had before they moved into the preview.
    struct SavedGeometry
    {
        QPointer<QWidget> widget; // null once deleted: its address may be reused
        QRect geometry;
        int pixelSize = -1;
    };
    QHash<QWidget *, SavedGeometry> m_fullGeometries;
    QSize m_fullSize;
    QSize m_narrowSize;
    QList<QList<bool>> m_pageEnabled;
    int m_lastPageIndex = 0;
    Ui::RuntimeScreens *m_ui;
};

#endif // RUNTIMESCREENS_H
