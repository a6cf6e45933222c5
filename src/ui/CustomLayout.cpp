#include "ui/CustomLayout.h"

#include "ui/ThemeColorSingleton.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDebug>
#include <QFontInfo>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QScrollerProperties>
#include <QStackedWidget>
#include <QStyle>

namespace {

double scaleX = 1.0;
double scaleY = 1.0;
double scaleMin = 1.0;

const QString excludeAll = QStringLiteral("ExcludeFromCL");
const QString excludeGeometry = QStringLiteral("ExcludeFromCL_G");
const QString runtimePreview = QStringLiteral("Runtime Setup Screen");

// Whether one of the widget's six nearest ancestors is the runtime-page preview.
bool insideRuntimePreview(const QWidget *widget)
{
    const QWidget *ancestor = widget->parentWidget();
    for (int level = 0; level < 6 && ancestor; ++level, ancestor = ancestor->parentWidget()) {
        if (ancestor->accessibleDescription() == runtimePreview)
            return true;
    }
    return false;
}

} // namespace

double screenScaleX()
{
    return scaleX;
}

double screenScaleY()
{
    return scaleY;
}

double screenScale()
{
    return scaleMin;
}

CustomLayout::CustomLayout(QWidget *parent, int baseWidth, int baseHeight)
    : QWidget(parent)
    , m_baseWidth(baseWidth)
    , m_baseHeight(baseHeight)
{
    setBaseSize(baseWidth, baseHeight);
    scaleChildren();
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &CustomLayout::setColorTheme);
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::previewColorChanged, this,
        &CustomLayout::setPreviewColorTheme);
}

QList<QWidget *> CustomLayout::collectedWidgets() const
{
    QList<QWidget *> widgets;
    for (const QPointer<QWidget> &widget : m_widgets) {
        if (widget)
            widgets.append(widget);
    }
    return widgets;
}

void CustomLayout::enableGestureScrolling(QAbstractScrollArea *area)
{
    if (!area)
        return;
    QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller *scroller = QScroller::scroller(area->viewport());
    QScrollerProperties properties = scroller->scrollerProperties();
    const QVariant off = QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy, off);
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy, off);
    scroller->setScrollerProperties(properties);
}

void CustomLayout::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScaleFactors();
    scaleChildren();
}

void CustomLayout::updateScaleFactors()
{
    if (m_baseWidth <= 0 || m_baseHeight <= 0)
        return;
    scaleX = double(width()) / double(m_baseWidth);
    scaleY = double(height()) / double(m_baseHeight);
    scaleMin = qMin(scaleX, scaleY);
}

QString CustomLayout::scrollBarStyle() const
{
    const double sx = scaleX;
    auto n = [](double v) { return QString::number(v, 'g', 6); };
    return QStringLiteral("QScrollBar:vertical {background:rgb(186, 186, 186); width:") + n(16 * sx)
        + QStringLiteral("px; border:") + n(sx)
        + QStringLiteral("px solid rgb(140, 140, 140); border-radius:") + n(5 * sx)
        + QStringLiteral("px;} QScrollBar::handle:vertical {background: rgb(84, 84, 84); min-height: 0px; "
                         "border:")
        + n(sx) + QStringLiteral("px solid rgb(121, 121, 121); border-radius:") + n(5 * sx)
        + QStringLiteral("px;}");
}

// A content widget lower than its scroll area takes the area's width and keeps its own height.
void CustomLayout::stretchScrollContent(QWidget *widget)
{
    QScrollArea *area = qobject_cast<QScrollArea *>(widget);
    if (!area)
        return;
    area->setFrameShape(QFrame::NoFrame);
    QWidget *content = area->widget();
    if (content && content->height() < area->height())
        content->resize(area->width(), content->height());
}

void CustomLayout::collectChildren()
{
    const QString barStyle = scrollBarStyle();
    m_widgets.clear();
    m_designPositions.clear();
    m_designFontSizes.clear();
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        if (widget->accessibleDescription() == excludeAll)
            continue;
        widget->setFocusPolicy(Qt::NoFocus);
        // A stack sizes its pages only when it is first laid out, which may come after this: until then a
        // page has the default size of a new widget. Its design size is the stack's inside.
        if (auto *stack = qobject_cast<QStackedWidget *>(widget->parentWidget());
            stack && stack->indexOf(widget) >= 0)
            widget->resize(stack->contentsRect().size());
        widget->setBaseSize(widget->size());
        m_widgets.append(widget);
        m_designPositions.append(widget->pos());
        m_designFontSizes.append(int(QFontInfo(widget->font()).pointSizeF()));
        if (QScrollArea *area = qobject_cast<QScrollArea *>(widget)) {
            area->verticalScrollBar()->setStyleSheet(barStyle);
            stretchScrollContent(area);
        }
        if (QAbstractScrollArea *area = qobject_cast<QAbstractScrollArea *>(widget))
            enableGestureScrolling(area);
    }
}

void CustomLayout::scaleChildren()
{
    if (m_designPositions.isEmpty())
        collectChildren();
    const QString barStyle = scrollBarStyle();
    for (int i = 0; i < m_widgets.size(); ++i) {
        QWidget *widget = m_widgets.at(i);
        if (!widget)
            continue;
        const bool preview = insideRuntimePreview(widget);
        const double fx = preview ? 0.625 : 1.0;
        const double fy = preview ? 0.75 : 1.0;

        QFont font = widget->font();
        const int pixelSize = int(m_designFontSizes.at(i) * scaleMin * fx * 4.0 / 3.0);
        if (pixelSize > 0) {
            font.setPixelSize(pixelSize);
            widget->setFont(font);
        }

        if (!widget->accessibleDescription().contains(excludeGeometry)) {
            const QPoint p = m_designPositions.at(i);
            const QSize s = widget->baseSize();
            widget->setGeometry(int(p.x() * scaleX * fx), int(p.y() * scaleY * fy),
                int(s.width() * scaleX * fx), int(s.height() * scaleY * fy));
        }
        widget->setFocusPolicy(Qt::NoFocus);
        if (QScrollArea *area = qobject_cast<QScrollArea *>(widget)) {
            area->verticalScrollBar()->setStyleSheet(barStyle);
            stretchScrollContent(area);
        }
    }
}

void CustomLayout::setColorTheme(enum_ColorPalette color_enum)
{
    if (color_enum < 0 || color_enum >= CustomColorDefinitions::paletteCount) {
        qDebug() << "CustomLayout: palette out of range ignored:" << int(color_enum);
        return;
    }
    const QString name = CustomColorDefinitions::getColorName(color_enum);
    for (QWidget *widget : collectedWidgets()) {
        widget->setProperty("ThemeColor", name);
        widget->style()->unpolish(qApp);
        widget->style()->polish(qApp);
        widget->update();
    }
}

void CustomLayout::setPreviewColorTheme(enum_ColorPalette color_enum)
{
    if (color_enum < 0 || color_enum >= CustomColorDefinitions::paletteCount) {
        qDebug() << "CustomLayout: preview palette out of range ignored:" << int(color_enum);
        return;
    }
    const QString name = CustomColorDefinitions::getColorName(color_enum);
    for (QWidget *widget : collectedWidgets()) {
        if (!widget->isVisible())
            continue;
        widget->setProperty("ThemeColor", name);
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}
