#include "ui/runtime/RuntimeScreens.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "ui/CustomLayout.h"
#include "ui/RuntimeScreenScale.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/ThemeStyleSheets.h"
#include "ui/runtime/RuntimeDockingWidget.h"
#include "ui/runtime/RuntimeHeadingScreen.h"
#include "ui/runtime/RuntimePressFilter.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"
#include "ui/window/BrightnessSliderWrapper.h"

#include "ui_RuntimeScreens.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStackedWidget>

#include <cmath>

namespace {

const QString previewDescription = QStringLiteral("Runtime Setup Screen");
const char *const pageLetters = "ABCD";

} // namespace

RuntimeScreens::RuntimeScreens(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::RuntimeScreens)
{
    m_ui->setupUi(this);

    m_fullSize = QSize(width(), m_ui->es_runtime_holder_1->height());
    m_narrowSize = m_ui->es_runtime_holder_1->size();
    m_autoHideTimer.setSingleShot(true);
    m_autoHideTimer.setInterval(sideInfoMs);
    // The brightness buttons show the slider and its value while they are used; both hide again after a
    // while without activity.
    m_brightnessWrapper = new BrightnessSliderWrapper(m_ui->brightness_slider, m_ui->brightness_inc_button,
        m_ui->brightness_red_button, m_ui->brightness_value_label, false, this, false);
    for (int system = 0; system < m_ui->stacked_systems->count(); ++system) {
        auto *runtime = m_ui->stacked_systems->widget(system)->findChild<QStackedWidget *>();
        m_pageEnabled.append(QList<bool>());
        for (int page = 0; runtime && page < runtime->count(); ++page)
            m_pageEnabled.last().append(true);
    }
    for (int page = 0; page < 4; ++page) {
        for (int bar = 1; bar <= 3; ++bar) {
            const QString name = QStringLiteral("es_rt_BottomBar%1_RuntimeScreenSetup%2_btn_%3")
                                     .arg(bar)
                                     .arg(QLatin1Char(pageLetters[page]))
                                     .arg(page + 1);
            if (QWidget *button = findChild<QWidget *>(name))
                m_bottomBarButtons.append(button);
        }
    }
    hideBottomInfo();

    m_pressFilter = new RuntimePressFilter(this);
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->installEventFilter(m_pressFilter);

    const QList<RuntimeScreenButton *> buttons = findChildren<RuntimeScreenButton *>();
    for (RuntimeScreenButton *button : buttons) {
        if (button->objectName().contains(QLatin1String("es_rt_BottomBar")))
            button->setTranslucentTitleStyle();
    }
    for (QWidget *picture :
        { static_cast<QWidget *>(m_ui->arrow_left), static_cast<QWidget *>(m_ui->arrow_right),
            static_cast<QWidget *>(m_ui->arrow_up), static_cast<QWidget *>(m_ui->arrow_down),
            static_cast<QWidget *>(m_ui->transp_label_3), static_cast<QWidget *>(m_ui->transp_label_4) })
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    // "Brightness" and "Navigate" stand on transparent labels over the grey bands behind the buttons.
    ThemeStyleSheets::giveReadableTextOver(m_ui->transp_label_3, m_ui->rt_label);
    ThemeStyleSheets::giveReadableTextOver(m_ui->transp_label_4, m_ui->rt_label_2);
    m_ui->brightness_slider->hide();
    m_ui->brightness_value_label->hide();
    const int systemPage = BaseScreen::startPageIndex().toInt() - 1;
    if (systemPage >= 0 && systemPage < m_ui->stacked_systems->count())
        m_ui->stacked_systems->setCurrentIndex(systemPage);
    m_ui->page_ES->setAccessibleName(m_ui->stacked_ES_runtime->currentWidget()->accessibleName());
    for (int page = 0; page < 3; ++page)
        m_bottomBarButtons.at(page * 3)->setAccessibleDescription(QStringLiteral("ON"));

    reloadBrightnessAndNavigationIcons(enum_ColorPalette(0));
    bindSettings();
}

RuntimeScreens::~RuntimeScreens()
{
    delete m_ui;
}

void RuntimeScreens::bindSettings()
{
    ESDataInfoClass *descriptions = ESDataInfoClass::instance();
    void (RuntimeScreens::*fixedSlots[])(QString) = { &RuntimeScreens::InformationsAFixedChanged,
        &RuntimeScreens::informationsBFixedChanged, &RuntimeScreens::informationsCFixedChanged };
    for (int page = 0; page < 3; ++page) {
        auto *information = qobject_cast<EnumPropertyInfo *>(
            descriptions->setupPropertyInfo(QStringLiteral("ls"), QStringLiteral("Information"),
                QStringLiteral("RuntimeScreenSetup") + QLatin1Char(pageLetters[page])));
        if (!information)
            continue;
        connect(information, &PropertyInfo::valueChanged, this, fixedSlots[page]);
        m_informationFixed[page] = information->currentValue() == QLatin1String("Fix");
    }
    connect(&m_autoHideTimer, &QTimer::timeout, this, &RuntimeScreens::bottomAndSideInfoTimerTimeout);

    QStackedWidget *pages = m_ui->stacked_ES_runtime;
    for (int page = 0; page < pages->count(); ++page) {
        const QString name = pages->widget(page)->objectName();
        const QChar letter = name.isEmpty() ? QChar() : name.back();
        ESRuntimeScreenSetup *settings = ESDataClass::instance()->localSetup()->runtimeScreenSetup(letter);
        if (!settings) {
            qDebug().noquote() << QStringLiteral("Runtime screen setup missing for page: ") + letter;
            continue;
        }
        // The stored choice holds from the start, so a page switched off is skipped from the first turn.
        m_pageEnabled[0][page] = settings->ShowPage() == 0;
        connect(settings, &ESRuntimeScreenSetup::ShowPageChanged, this,
            [this, page](int value) { m_pageEnabled[0][page] = value == 0; });
    }
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &RuntimeScreens::reloadBrightnessAndNavigationIcons);
}

QStackedWidget *RuntimeScreens::getStackedSystems() const
{
    return m_ui->stacked_systems;
}

QStackedWidget *RuntimeScreens::getStackedEsRuntime() const
{
    return m_ui->stacked_ES_runtime;
}

void RuntimeScreens::initializeScreensData()
{
    m_ui->es_runtime_A->initializeScreenData();
    m_ui->es_runtime_B->initializeScreenData();
    // The docking page binds itself when it is built.
    m_ui->es_runtime_D->initializeScreenData();
}

int RuntimeScreens::sideInfoWidth() const
{
    return m_ui->es_rt_Information1_RuntimeScreenSetupA_btn_1->width();
}

bool RuntimeScreens::isPageEnabled(int page) const
{
    return !m_pageEnabled.isEmpty() && page >= 0 && page < m_pageEnabled.first().size()
        && m_pageEnabled.first().at(page);
}

bool RuntimeScreens::parentIsStack() const
{
    return qobject_cast<QStackedWidget *>(parentWidget()) != nullptr;
}

// ---------------------------------------------------------------------------------------------------------
// Side and bottom information

QList<QWidget *> RuntimeScreens::resizedValueAreas() const
{
    return { m_ui->es_runtime_holder_1, m_ui->es_runtime_holder_2, m_ui->es_runtime_holder_3 };
}

void RuntimeScreens::resizeValueAreas(const QSize &size)
{
    for (QWidget *area : resizedValueAreas()) {
        area->resize(int(size.width() * screenScaleX()), int(size.height() * screenScaleY()));
        area->setBaseSize(size);
    }
}

void RuntimeScreens::showSideInfo()
{
    m_sideInfoShown = true;
    m_ui->stacked_systems->lower();
    for (QWidget *area : resizedValueAreas())
        area->lower();
    if (parentIsStack())
        resizeValueAreas(m_narrowSize);
}

void RuntimeScreens::hideSideInfo()
{
    m_sideInfoShown = false;
    m_ui->stacked_systems->raise();
    for (QWidget *area : resizedValueAreas())
        area->raise();
    resizeValueAreas(m_fullSize);
}

void RuntimeScreens::showSideInfoAndRestartTimer()
{
    showSideInfo();
    if (parentIsStack())
        m_autoHideTimer.start();
}

void RuntimeScreens::bottomAndSideInfoTimerTimeout()
{
    const int page = m_ui->stacked_ES_runtime->currentIndex();
    if (page < 0 || page > 2)
        return;
    if (!m_informationFixed[page])
        hideSideInfo();
    if (!m_bottomBarsFixed[page])
        hideBottomInfo();
}

void RuntimeScreens::hideBottomInfo()
{
    m_bottomInfoShown = false;
    for (QWidget *button : qAsConst(m_bottomBarButtons))
        button->hide();
}

void RuntimeScreens::InformationsAFixedChanged(QString informations)
{
    m_informationFixed[0] = informations == QLatin1String("Fix");
}

void RuntimeScreens::informationsBFixedChanged(QString informations)
{
    m_informationFixed[1] = informations == QLatin1String("Fix");
}

void RuntimeScreens::informationsCFixedChanged(QString informations)
{
    m_informationFixed[2] = informations == QLatin1String("Fix");
}

void RuntimeScreens::bottomBarsAFixedChanged(QString bottom_bars)
{
    m_bottomBarsFixed[0] = bottom_bars == QLatin1String("Fix");
}

void RuntimeScreens::bottomBarsBFixedChanged(QString bottom_bars)
{
    m_bottomBarsFixed[1] = bottom_bars == QLatin1String("Fix");
}

void RuntimeScreens::bottomBarsCFixedChanged(QString bottom_bars)
{
    m_bottomBarsFixed[2] = bottom_bars == QLatin1String("Fix");
}

// The bottom bar at `index` of the list (page times three plus the bar's number minus one).
void RuntimeScreens::showBottomBar(int index, const QString &information)
{
    QWidget *button = m_bottomBarButtons.value(index);
    if (!button)
        return;
    const bool none = information.contains(QLatin1String("None"), Qt::CaseInsensitive);
    button->setVisible(!none);
    button->setAccessibleDescription(none ? QStringLiteral("off") : QStringLiteral("ON"));
}

void RuntimeScreens::bottomBar2AChanged(QString information)
{
    showBottomBar(1, information);
}

void RuntimeScreens::bottomBar3AChanged(QString information)
{
    showBottomBar(2, information);
}

void RuntimeScreens::bottomBar2BChanged(QString information)
{
    showBottomBar(4, information);
}

void RuntimeScreens::bottomBar3BChanged(QString information)
{
    showBottomBar(5, information);
}

void RuntimeScreens::bottomBar2CChanged(QString information)
{
    showBottomBar(7, information);
}

void RuntimeScreens::bottomBar3CChanged(QString information)
{
    showBottomBar(8, information);
}

void RuntimeScreens::reloadBrightnessAndNavigationIcons(enum_ColorPalette color_enum)
{
    const struct
    {
        QLabel *label;
        const char *picture;
    } pictures[]
        = { { m_ui->arrow_left, ":/Resources/arrow_left" }, { m_ui->arrow_right, ":/Resources/arrow_right" },
              { m_ui->arrow_up, ":/Resources/arrow_up" }, { m_ui->arrow_down, ":/Resources/arrow_down" } };
    for (const auto &entry : pictures)
        entry.label->setPixmap(
            CustomColorDefinitions::tintedPixmap(QLatin1String(entry.picture), color_enum));
}

// ---------------------------------------------------------------------------------------------------------
// Navigation

QStackedWidget *RuntimeScreens::currentRuntimeStack() const
{
    QWidget *system = m_ui->stacked_systems->currentWidget();
    return system ? system->findChild<QStackedWidget *>() : nullptr;
}

QList<bool> &RuntimeScreens::currentPageEnabled()
{
    return m_pageEnabled[qBound(0, m_ui->stacked_systems->currentIndex(), m_pageEnabled.size() - 1)];
}

// Steps to the next enabled page in the direction, wrapping at either end; with every other page
// switched off the current page stays.
void RuntimeScreens::navigate(int direction)
{
    QStackedWidget *pages = currentRuntimeStack();
    if (!pages || pages->count() == 0)
        return;
    const QList<bool> &enabled = currentPageEnabled();
    const int count = pages->count();
    int candidate = pages->currentIndex();
    for (int step = 0; step < count; ++step) {
        candidate = (candidate + direction + count) % count;
        if (enabled.value(candidate, true)) {
            pages->setCurrentIndex(candidate);
            return;
        }
    }
}

void RuntimeScreens::on_navigate_left_button_clicked()
{
    navigate(-1);
}

void RuntimeScreens::on_navigate_right_button_clicked()
{
    navigate(1);
}

void RuntimeScreens::on_stacked_ES_runtime_currentChanged(int index)
{
    showSideInfoAndRestartTimer();
    if (!m_shownInSetupPreview)
        emit signalRightTitleLabelText(m_ui->stacked_ES_runtime->widget(index)
                ? m_ui->stacked_ES_runtime->widget(index)->accessibleName()
                : QString());
}

void RuntimeScreens::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_ui->stacked_ES_runtime->setCurrentIndex(m_lastPageIndex);
    showSideInfoAndRestartTimer();
    if (!m_shownInSetupPreview)
        emit signalRightTitleLabelText(m_ui->stacked_ES_runtime->currentWidget()->accessibleName());
}

void RuntimeScreens::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!parentWidget() || parentWidget()->accessibleDescription() != previewDescription)
        m_lastPageIndex = m_ui->stacked_ES_runtime->currentIndex();
    m_autoHideTimer.stop();
}

// ---------------------------------------------------------------------------------------------------------
// Preview

void RuntimeScreens::moveIntoContainer(QWidget *container)
{
    if (!container || container == parentWidget())
        return;
    resizeValueAreas(m_narrowSize);
    setParent(container);
    resize(container->size());
    setRuntimeScreenScaleX(0.625);
    setRuntimeScreenScaleY(0.75);
    setRuntimeScreenScale(0.625);
    double fx = 0.625;
    double fy = 0.75;
    if (container->accessibleDescription() != previewDescription) {
        setRuntimeScreenScaleX(1);
        setRuntimeScreenScaleY(1);
        setRuntimeScreenScale(1);
        fx = 1.6;
        fy = 4.0 / 3.0;
    }
    const bool intoPreview = container->accessibleDescription() == previewDescription;
    // Back from the preview: every widget gets exactly the geometry and font it had before, so that
    // rounding cannot make the pages drift over repeated visits; widgets made meanwhile grow by the
    // inverse factors.
    QHash<QWidget *, SavedGeometry> saved;
    if (!intoPreview)
        saved.swap(m_fullGeometries);
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        if (widget->accessibleDescription() == QLatin1String("ExcludeFromCL"))
            continue;
        QFont font = widget->font();
        const auto restored = saved.constFind(widget);
        if (restored != saved.constEnd() && restored->widget == widget) {
            widget->setGeometry(restored->geometry);
            if (restored->pixelSize > 0) {
                font.setPixelSize(restored->pixelSize);
                widget->setFont(font);
            }
            continue;
        }
        const QRect g = widget->geometry();
        if (intoPreview)
            m_fullGeometries.insert(widget, { widget, g, font.pixelSize() });
        widget->setGeometry(int(std::round(g.x() * fx)), int(std::round(g.y() * fy)),
            int(std::round(g.width() * fx)), int(std::round(g.height() * fy)));
        if (font.pixelSize() > 0) {
            font.setPixelSize(int(font.pixelSize() * fx));
            widget->setFont(font);
        }
    }
}
