#include "ui/runtime/RuntimeDockingWidget.h"

#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/widgets/FieldText.h"
#include "ui_RuntimeDockingWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor hullColor(38, 38, 38);
const QColor darkTransverseOutline(21, 21, 21);
const QColor darkTransverseFill(0, 0, 0);
const QColor darkLongitudinalOutline(59, 59, 59);
const QColor darkLongitudinalFill = hullColor;

const char *const dockingValueNames[]
    = { "SpeedSOGGpsLong", "SpeedSOGGpsTraFore", "SpeedSOGGpsTraAft", "WaterCurrent", "AngleWaterCurrent" };

QString unsignedText(double value)
{
    return QString::number(value > 0 ? value : -value, 'f', PropertyInfo::defaultNumberOfDecimals());
}

} // namespace

RuntimeDockingWidget::RuntimeDockingWidget(QWidget *parent)
    : RuntimeDockingWidget(ESDataInfoClass::instance()->runtimeDataInfo(), parent)
{
}

RuntimeDockingWidget::RuntimeDockingWidget(RuntimeDataInfo *descriptions, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RuntimeDockingWidget)
{
    ui->setupUi(this);
    m_labels
        = { ui->labelTopLeft, ui->labelBottomLeft, ui->labelBottomRight, ui->labelTopRight, ui->labelCenter };
    for (QLabel *label : qAsConst(m_labels)) {
        // The screen scaling sets the labels' fonts; their size and place follow the drawing.
        label->setAccessibleDescription(QStringLiteral("ExcludeFromCL_G"));
        label->installEventFilter(this);
    }
    m_currentTurn.setInterval(currentTurnInterval);
    connect(&m_currentTurn, &QTimer::timeout, this, &RuntimeDockingWidget::turnCurrentArrows);
    bindData(descriptions);
}

RuntimeDockingWidget::~RuntimeDockingWidget() = default;

void RuntimeDockingWidget::bindData(RuntimeDataInfo *descriptions)
{
    for (int i = 0; i < FeedCount; ++i) {
        RuntimePropertyInfo *description = descriptions
            ? descriptions->getRuntimePropertyInfo(QLatin1String(dockingValueNames[i]))
            : nullptr;
        m_feeds[i].reset(new RuntimeDisplayableData(description, nullptr));
        connect(m_feeds[i].get(), &RuntimeDisplayableData::informationChangeSignal, this,
            &RuntimeDockingWidget::updateDisplayedValues);
    }
    updateDisplayedValues();
}

bool RuntimeDockingWidget::isValid(Feed feed) const
{
    return m_feeds[feed]->isShowable();
}

double RuntimeDockingWidget::number(Feed feed) const
{
    const auto *description = qobject_cast<const RuntimePropertyInfo *>(m_feeds[feed]->propertyInfo());
    // A text that is no number (the "-/-" of a value never received) reads as 0.
    return description ? description->displayedValue().toDouble() : 0.0;
}

QColor RuntimeDockingWidget::color(Feed feed) const
{
    return m_feeds[feed]->color();
}

void RuntimeDockingWidget::updateDisplayedValues()
{
    // A speed whose text does not fit its label whole counts as not valid: no arrow, "-/-" in the middle.
    const auto shownValue = [this](Feed feed, QLabel *label) {
        const QString text = unsignedText(number(feed));
        return m_feeds[feed]->fieldValue(text, FieldText::fits(label, text));
    };
    const auto transverse
        = [this, &shownValue](Feed feed, bool &toPort, bool &toStarboard, QLabel *port, QLabel *starboard) {
              const double v = number(feed);
              const RuntimeDisplayableData::FieldValue shown = shownValue(feed, port);
              toStarboard = shown.shown && v > 0;
              toPort = shown.shown && !(v > 0);
              const QString style = QStringLiteral("color : ") + shown.color.name();
              for (QLabel *label : { port, starboard }) {
                  label->setText(shown.text);
                  label->setStyleSheet(style);
              }
          };
    transverse(Fore, m_active[DockingGeometry::ForeToPort], m_active[DockingGeometry::ForeToStarboard],
        ui->labelTopLeft, ui->labelTopRight);
    transverse(Aft, m_active[DockingGeometry::AftToPort], m_active[DockingGeometry::AftToStarboard],
        ui->labelBottomLeft, ui->labelBottomRight);

    const double v = number(Longitudinal);
    const RuntimeDisplayableData::FieldValue shown = shownValue(Longitudinal, ui->labelCenter);
    m_active[DockingGeometry::Ahead] = shown.shown && v > 0;
    m_active[DockingGeometry::Astern] = shown.shown && !(v > 0);
    ui->labelCenter->setText(shown.text);
    ui->labelCenter->setStyleSheet(QStringLiteral("color : ") + shown.color.name());

    applyLabelVisibility();

    m_currentValid = isValid(CurrentAngle);
    if (m_currentValid) {
        m_receivedCurrentAngle = wrapDegrees180(number(CurrentAngle));
        if (m_shownCurrentAngle == noCurrentAngle)
            m_shownCurrentAngle = m_receivedCurrentAngle;
        if (m_shownCurrentAngle != m_receivedCurrentAngle && !m_currentTurn.isActive())
            m_currentTurn.start();
    } else {
        // Hidden arrows do not turn; they start again from where they were shown last.
        m_currentTurn.stop();
    }
    update();
}

void RuntimeDockingWidget::turnCurrentArrows()
{
    // The remaining turn the short way round: 170 to -170 turns 20 degrees through 180, not 340 through 0.
    const double remaining = wrapDegrees180(m_receivedCurrentAngle - m_shownCurrentAngle);
    if (qAbs(remaining) <= currentTurnStep) {
        m_shownCurrentAngle = m_receivedCurrentAngle;
        m_currentTurn.stop();
    } else {
        m_shownCurrentAngle
            = wrapDegrees180(m_shownCurrentAngle + (remaining > 0 ? currentTurnStep : -currentTurnStep));
    }
    update();
}

void RuntimeDockingWidget::applyLabelVisibility()
{
    ui->labelTopLeft->setVisible(m_active[DockingGeometry::ForeToPort]);
    ui->labelBottomLeft->setVisible(m_active[DockingGeometry::AftToPort]);
    ui->labelBottomRight->setVisible(m_active[DockingGeometry::AftToStarboard]);
    ui->labelTopRight->setVisible(m_active[DockingGeometry::ForeToStarboard]);
    ui->labelCenter->setVisible(true);
}

void RuntimeDockingWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_geometry = DockingGeometry(size());
    resizeLabels();
    placeLabels();
    // The labels' room changed: whether the values fit is decided again.
    updateDisplayedValues();
}

bool RuntimeDockingWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The screen scaling gives the labels new fonts after a resize: their sizes and places follow the font
    // (the descent shifts them), so they are redone here rather than checked on every repaint.
    if (event->type() == QEvent::FontChange && m_labels.contains(qobject_cast<QLabel *>(watched))) {
        resizeLabels();
        placeLabels();
        updateDisplayedValues();
    }
    return QWidget::eventFilter(watched, event);
}

void RuntimeDockingWidget::resizeLabels()
{
    for (QLabel *label : qAsConst(m_labels)) {
        const QFontMetrics metrics(label->font());
        label->resize(int(width() / 4.5), metrics.height() - metrics.descent() + 10);
    }
}

void RuntimeDockingWidget::placeLabels()
{
    const DockingGeometry &g = m_geometry;
    const double d = g.shaftLength + 1.5 * g.headLength;
    const QPoint aftPort = g.arrowPosition[DockingGeometry::AftToPort];
    const QPoint forePort = g.arrowPosition[DockingGeometry::ForeToPort];
    const QPoint aftStarboard = g.arrowPosition[DockingGeometry::AftToStarboard];
    const QPoint foreStarboard = g.arrowPosition[DockingGeometry::ForeToStarboard];
    placeLabel(ui->labelBottomLeft, aftPort.x() - d, aftPort.y(), 3);
    placeLabel(ui->labelTopLeft, forePort.x() - d, forePort.y() + g.shaftWidth, 3);
    placeLabel(ui->labelBottomRight, aftStarboard.x() + d, aftStarboard.y(), 1);
    placeLabel(ui->labelTopRight, foreStarboard.x() + d, foreStarboard.y() + g.shaftWidth, 1);
    placeLabel(ui->labelCenter, width() / 2, height() / 2, 4);
}

void RuntimeDockingWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawHull(painter);
    drawMotionArrows(painter);
    drawWaterCurrent(painter);
    painter.end();
    QWidget::paintEvent(event);
}

void RuntimeDockingWidget::drawHull(QPainter &painter)
{
    QPainterPath hull;
    hull.addPolygon(m_geometry.hull);
    hull.closeSubpath();
    painter.fillPath(hull, hullColor);
}

void RuntimeDockingWidget::drawMotionArrows(QPainter &painter)
{
    const Feed source[DockingGeometry::ArrowCount] = { Fore, Aft, Aft, Fore, Longitudinal, Longitudinal };
    for (int i = 0; i < DockingGeometry::ArrowCount; ++i) {
        const auto arrow = DockingGeometry::Arrow(i);
        const bool longitudinal = arrow == DockingGeometry::Ahead || arrow == DockingGeometry::Astern;
        if (m_active[arrow]) {
            const QColor c = color(source[i]);
            drawBlockArrow(painter, arrow, c, c);
        } else if (longitudinal) {
            drawBlockArrow(painter, arrow, darkLongitudinalOutline, darkLongitudinalFill);
        } else {
            drawBlockArrow(painter, arrow, darkTransverseOutline, darkTransverseFill);
        }
    }
}

void RuntimeDockingWidget::drawBlockArrow(
    QPainter &painter, DockingGeometry::Arrow arrow, const QColor &outline, const QColor &fill)
{
    painter.save();
    const QPoint position = m_geometry.arrowPosition[arrow];
    painter.translate(position);
    painter.rotate(DockingGeometry::angle(arrow));
    const QPolygon polygon
        = m_geometry.motionArrow.translated(-m_geometry.motionArrow.at(DockingGeometry::anchorPoint(arrow)));
    QPen pen = painter.pen();
    pen.setColor(outline);
    pen.setWidth(2);
    pen.setStyle(fill.alpha() != 0 ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    QPainterPath area;
    area.addPolygon(polygon);
    area.closeSubpath();
    painter.fillPath(area, fill);
    painter.restore();
}

void RuntimeDockingWidget::drawWaterCurrent(QPainter &painter)
{
    if (!m_currentValid || m_shownCurrentAngle == noCurrentAngle)
        return;
    painter.save();
    QPen pen(color(CurrentAngle));
    pen.setWidth(2);
    painter.setPen(pen);
    const double a = m_shownCurrentAngle;
    painter.translate(m_geometry.currentArrowPosition);
    painter.rotate(a);
    drawCurrentArrow(painter);
    painter.rotate(-a);
    painter.translate(3 * m_geometry.beam, 0);
    painter.rotate(a);
    drawCurrentArrow(painter);
    painter.restore();
}

void RuntimeDockingWidget::drawCurrentArrow(QPainter &painter)
{
    painter.drawLines(m_geometry.currentDashes);
    QPainterPath head;
    head.addPolygon(m_geometry.currentHead);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}
