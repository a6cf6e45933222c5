#include "ui/CustomLayout.h"

#include "ui/ThemeColorSingleton.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDebug>
#include <QFontInfo>
#include <QLayout>
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

// Whether a layout of the widget's parent (or one nested in it) places the widget.
bool inLayout(const QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || inLayout(item->layout(), widget))
            return true;
    }
    return false;
}

bool placedByLayout(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && inLayout(parent->layout(), widget);
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

void CustomLayout::excludeFromScaling(QWidget *root)
{
    root->setAccessibleDescription(excludeAll);
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->setAccessibleDescription(excludeAll);
}

void CustomLayout::enableGestureScrolling(QAbstractScrollArea *area)
{
    if (!area)
        return;
    // The scroller moves its area by pixels; an item view scrolling by items would take each pixel of a
    // drag as a whole row.
    if (auto *view = qobject_cast<QAbstractItemView *>(area)) {
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
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

// A content widget lower than its scroll area takes the area's width and keeps its own height. Then the
// area's scroll ranges are brought up to date with its size. Qt does that when it delivers a resize, which
// a hidden area (one on a page not shown) gets only when it is shown, and only after it has laid out its
// bars by the ranges it had before: those of its content against the small default size it had when its
// form gave it the content. So it was shown with a bar over its rows although nothing scrolled, until
// the next turn of the event loop. With its ranges right beforehand, it lays out the right bars.
void CustomLayout::stretchScrollContent(QWidget *widget)
{
    QScrollArea *area = qobject_cast<QScrollArea *>(widget);
    if (!area)
        return;
    area->setFrameShape(QFrame::NoFrame);
    QWidget *content = area->widget();
    if (content && content->height() < area->height())
        content->resize(area->width(), content->height());
    // Setting the property again recomputes the ranges (and lays the bars out again once they change).
    area->setWidgetResizable(area->widgetResizable());
}

void CustomLayout::collectChildren()
{
    const QString barStyle = scrollBarStyle();
    m_widgets.clear();
    m_designPositions.clear();
    m_designFontSizes.clear();
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        collect(widget, barStyle);
}

// Takes the widget's present position, size and font as its design values.
void CustomLayout::collect(QWidget *widget, const QString &barStyle)
{
    if (widget->accessibleDescription() == excludeAll)
        return;
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

void CustomLayout::adopt(QWidget *widget)
{
    if (!widget || !isAncestorOf(widget))
        return;
    // Before the first scaling nothing is collected yet; that scaling collects the widget with the rest.
    if (m_designPositions.isEmpty()) {
        scaleChildren();
        return;
    }
    // The widgets of earlier dialogs are gone by now; their entries go, so that the lists do not grow.
    for (int i = m_widgets.size() - 1; i >= 0; --i) {
        if (!m_widgets.at(i)) {
            m_widgets.removeAt(i);
            m_designPositions.removeAt(i);
            m_designFontSizes.removeAt(i);
        }
    }
    const QString barStyle = scrollBarStyle();
    const int first = m_widgets.size();
    collect(widget, barStyle);
    const QList<QWidget *> descendants = widget->findChildren<QWidget *>();
    for (QWidget *descendant : descendants)
        collect(descendant, barStyle);
    for (int i = first; i < m_widgets.size(); ++i)
        scaleWidget(i, barStyle);
}

void CustomLayout::scaleChildren()
{
    if (m_designPositions.isEmpty())
        collectChildren();
    const QString barStyle = scrollBarStyle();
    for (int i = 0; i < m_widgets.size(); ++i)
        scaleWidget(i, barStyle);
}

void CustomLayout::scaleWidget(int i, const QString &barStyle)
{
    QWidget *widget = m_widgets.at(i);
    if (!widget)
        return;
    const bool preview = insideRuntimePreview(widget);
    const double fx = preview ? 0.625 : 1.0;
    const double fy = preview ? 0.75 : 1.0;

    QFont font = widget->font();
    const int pixelSize = int(m_designFontSizes.at(i) * scaleMin * fx * 4.0 / 3.0);
    if (pixelSize > 0) {
        font.setPixelSize(pixelSize);
        widget->setFont(font);
    }

    // A widget in a layout is placed by it when its parent is resized; a design geometry set here would
    // override the layout (and may have been taken before the layout first ran).
    if (!widget->accessibleDescription().contains(excludeGeometry) && !placedByLayout(widget)) {
        const QPoint p = m_designPositions.at(i);
        const QSize s = widget->baseSize();
        widget->setGeometry(int(p.x() * scaleX * fx), int(p.y() * scaleY * fy), int(s.width() * scaleX * fx),
            int(s.height() * scaleY * fy));
    }
    widget->setFocusPolicy(Qt::NoFocus);
    if (QScrollArea *area = qobject_cast<QScrollArea *>(widget)) {
        area->verticalScrollBar()->setStyleSheet(barStyle);
        stretchScrollContent(area);
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
