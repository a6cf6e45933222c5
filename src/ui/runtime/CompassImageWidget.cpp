#include "ui/runtime/CompassImageWidget.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui_CompassImageWidget.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

const char *const compassValueNames[] = { "Heading", "SpeedGPS", "SpeedSTWLog", "WaterCurrent" };

const QString trueRosePicture = QStringLiteral(":/Resources/compass_image_1.png");
const QString relativeRosePicture = QStringLiteral(":/Resources/no_compass_1.png");
const QString vesselPicture = QStringLiteral(":/Resources/compass_vessel_image_3.png");

// The pictures as embedded, read once: every resize and mode switch scales these.
const QImage &picture(const QString &name)
{
    static QHash<QString, QImage> pictures;
    auto it = pictures.find(name);
    if (it == pictures.end())
        it = pictures.insert(name, QImage(name));
    return *it;
}

QImage scaledPicture(const QString &name, int side)
{
    if (side <= 0)
        return QImage();
    return picture(name).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString angleText(double angle)
{
    return QString::number(angle, 'f', 1) + QChar(0x00B0);
}

const QString notValidText = QStringLiteral("-/-");

} // namespace

CompassImageWidget::CompassImageWidget(QWidget *parent)
    : CompassImageWidget(ESDataInfoClass::instance()->runtimeDataInfo(),
        ESDataInfoClass::instance()->setupDataInfo(),
        ESDataClass::instance()->localSetup()->RuntimeScreenSetupD(), parent)
{
}

CompassImageWidget::CompassImageWidget(
    RuntimeDataInfo *runtime, SetupDataInfo *setup, ESRuntimeScreenSetup *pageSettings, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CompassImageWidget)
    , m_pageSettings(pageSettings)
    , m_arrowPen(QBrush(Qt::black), CompassGeometry::arrowPenWidth, Qt::SolidLine)
{
    ui->setupUi(this);
    bindData(runtime, setup);
}

CompassImageWidget::~CompassImageWidget() = default;

void CompassImageWidget::bindData(RuntimeDataInfo *runtime, SetupDataInfo *setup)
{
    for (int i = 0; i < FeedCount; ++i) {
        RuntimePropertyInfo *description
            = runtime ? runtime->getRuntimePropertyInfo(QLatin1String(compassValueNames[i])) : nullptr;
        m_feeds[i].reset(new RuntimeDisplayableData(description, nullptr));
        m_angled[i] = qobject_cast<RuntimePropertyWithAngleInfo *>(description);
        connect(m_feeds[i].get(), &RuntimeDisplayableData::informationChangeSignal, this,
            QOverload<>::of(&QWidget::update));
    }
    m_maxSpeed = setup
        ? setup->getValuePropertyInfo(QStringLiteral("MaxSpeed"), QStringLiteral("OptionsSetup"))
        : nullptr;
    // No first call: the view starts RELATIVE whatever the setting holds, until the setting announces a
    // change or the button is pressed.
    if (m_pageSettings)
        connect(
            m_pageSettings, &ESRuntimeScreenSetup::AngleCalcChanged, this, &CompassImageWidget::setAngleCalc);
}

bool CompassImageWidget::isValid(Feed feed) const
{
    // A value outside its description's limits is not drawn as a direction either.
    return m_feeds[feed]->isShowable();
}

double CompassImageWidget::number(Feed feed) const
{
    const auto *description = qobject_cast<const RuntimePropertyInfo *>(m_feeds[feed]->propertyInfo());
    // A value never received ("-/-") reads as 0.
    return description ? description->displayedValue().toDouble() : 0.0;
}

double CompassImageWidget::angleNumber(Feed feed) const
{
    const auto *angle = m_angled[feed]
        ? qobject_cast<const RuntimePropertyInfo *>(m_angled[feed]->anglePropertyInfo())
        : nullptr;
    return angle ? angle->displayedValue().toDouble() : 0.0;
}

double CompassImageWidget::maximumSpeed() const
{
    return m_maxSpeed ? m_maxSpeed->displayedValue().toDouble() : 0.0;
}

void CompassImageWidget::on_pushButton_clicked()
{
    const bool old = m_trueMode;
    const bool next = isValid(Heading) ? !m_trueMode : false;
    if (next == old || !m_pageSettings)
        return;
    // The setting's own setter announces the change, which comes back through setAngleCalc. The file is
    // not saved here: a setup page that edits the setting through its description does that.
    m_pageSettings->setAngleCalc(next ? 0 : 1);
}

void CompassImageWidget::setAngleCalc(int true_calc)
{
    m_trueMode = true_calc == 0;
    loadImages(-1);
    ui->pushButton->setText(m_trueMode ? QStringLiteral("TRUE") : QStringLiteral("RELATIVE"));
    update();
}

void CompassImageWidget::loadImages(int side)
{
    // The side of the last load, not one recomputed from the scaled rose: 4/5 and back would lose a pixel
    // at each mode switch.
    if (side == -1)
        side = m_side;
    m_side = side;
    const int s = side * 4 / 5;
    m_relativeRoseImage = scaledPicture(relativeRosePicture, s);
    m_roseImage = m_trueMode ? scaledPicture(trueRosePicture, s) : m_relativeRoseImage;
    m_vesselImage = scaledPicture(vesselPicture, int(m_roseImage.height() / 1.6265f));
}

void CompassImageWidget::resizeEvent(QResizeEvent *event)
{
    loadImages(qMin(width(), height()));
    m_geometry = CompassGeometry(m_roseImage.height() * 0.5f);
    QWidget::resizeEvent(event);
}

void CompassImageWidget::paintEvent(QPaintEvent *event)
{
    // Without a valid heading the true directions are unknown: neither a stale heading nor 0 is drawn.
    const bool headingKnown = !m_trueMode || isValid(Heading);
    const double H = m_trueMode && headingKnown ? normalizeAngle360(number(Heading)) : 0.0;
    const double aSOG = normalizeAngle360(angleNumber(SpeedOverGround) + H);
    const double aSTW = normalizeAngle360(angleNumber(SpeedThroughWater) + H);
    const double aCUR = normalizeAngle360(angleNumber(Current) + H);
    const double vSOG = number(SpeedOverGround);
    const double vSTW = number(SpeedThroughWater);
    const double M = maximumSpeed();
    const bool sogDrawn = m_angled[SpeedOverGround] != nullptr;
    const bool stwValid = m_angled[SpeedThroughWater] && isValid(SpeedThroughWater);
    const bool curValid = m_angled[Current] && isValid(Current);

    QPainter painter(this);
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    painter.translate(width() / 2, height() / 2);

    painter.drawImage(QPoint(-(m_vesselImage.width() / 2), -(m_vesselImage.height() / 2)), m_vesselImage);
    const QImage &rose = headingKnown ? m_roseImage : m_relativeRoseImage;
    const QImage turned
        = H == 0.0 ? rose : rose.transformed(QTransform().rotate(-H), Qt::SmoothTransformation);
    painter.drawImage(QPoint(-(turned.width() / 2), -(turned.height() / 2)), turned);

    const float R = m_geometry.R;
    if (headingKnown)
        drawValueBox(painter, angleText(H), Qt::white, -R, 0, true, true);
    else
        drawValueBox(painter, notValidText, m_feeds[Heading]->color(), -R, 0, true, true);

    if (curValid)
        drawValueBox(painter, headingKnown ? angleText(aCUR) : notValidText, m_feeds[Current]->color(), 0, 0,
            false, false);

    if (sogDrawn) {
        painter.rotate(aSOG - H);
        drawSpeedArrow(painter, vSOG, M, m_feeds[SpeedOverGround]->color());
        painter.rotate(H - aSOG);
    }

    double q = 0;
    if (stwValid) {
        painter.rotate(aSTW - H);
        drawSpeedArrow(painter, vSTW, M, m_feeds[SpeedThroughWater]->color());
        painter.rotate(H - aSTW);
        // Texts of arrows less than 20 degrees apart are pushed 10 degrees apart along the rim.
        if (aSTW - aSOG > 0 && aSTW - aSOG < 20)
            q = 10;
        else if (aSOG - aSTW > 0 && aSOG - aSTW < 20)
            q = -10;
        drawAngleLabel(painter, aSTW, H - q, m_feeds[SpeedThroughWater]->color(), headingKnown);
    }
    if (sogDrawn)
        drawAngleLabel(painter, aSOG, H + q, m_feeds[SpeedOverGround]->color(), headingKnown);

    if (curValid)
        drawCurrentArrows(painter, aCUR, H, m_feeds[Current]->color());

    painter.end();
    QWidget::paintEvent(event);
}

void CompassImageWidget::drawSpeedArrow(QPainter &painter, double speed, double maximum, QColor color)
{
    QPainterPath head;
    head.addPolygon(m_geometry.speedHead);
    head.closeSubpath();
    painter.fillPath(head, color);

    QVector<QLine> full;
    QVector<QLine> faint;
    m_geometry.splitSpeedDashes(speed, maximum, full, faint);
    m_arrowPen.setColor(color);
    painter.setPen(m_arrowPen);
    painter.drawLines(full);
    color.setAlpha(50);
    m_arrowPen.setColor(color);
    painter.setPen(m_arrowPen);
    painter.drawLines(faint);
}

void CompassImageWidget::drawCurrentArrows(
    QPainter &painter, double angle, double heading, const QColor &color)
{
    QPen pen = painter.pen();
    pen.setColor(color);
    pen.setWidth(2);
    painter.setPen(pen);
    QPainterPath head;
    head.addPolygon(m_geometry.currentHead);
    head.closeSubpath();
    const float R = m_geometry.R;

    painter.save();
    painter.translate(-R / 3, 0);
    for (int side = 0; side < 2; ++side) {
        painter.rotate(angle - heading);
        painter.drawLines(m_geometry.currentDashes);
        painter.fillPath(head, color);
        painter.rotate(heading - angle);
        painter.translate(2 * R / 3, 0);
    }
    painter.restore();
}

void CompassImageWidget::drawAngleLabel(
    QPainter &painter, double angle, double offset, const QColor &color, bool known)
{
    painter.setFont(font());
    QPen pen = painter.pen();
    pen.setColor(color);
    pen.setWidth(2);
    painter.setPen(pen);
    const QString text = known ? angleText(angle) : notValidText;
    const QFontMetrics metrics(font());
    painter.drawText(
        m_geometry.angleLabelPosition(angle, offset, metrics.height(), metrics.horizontalAdvance(text)),
        text);
}

void CompassImageWidget::drawValueBox(QPainter &painter, const QString &text, const QColor &color,
    double yOffset, double xOffset, bool fill, bool frame)
{
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int hgt = metrics.height();
    const int wid = metrics.horizontalAdvance(text + QLatin1Char('_'));
    const QRect box(int(xOffset - wid * 0.5), int(hgt / 3.0 + yOffset), wid, hgt);
    if (fill)
        painter.fillRect(box, QColor(200, 200, 200, 60));
    QPen pen = painter.pen();
    pen.setColor(color);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawText(box, Qt::AlignCenter, text);
    if (frame) {
        pen.setColor(Qt::black);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
}
