#include "ui/setup/UpDownWidget.h"

#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"

#include "ui_UpDownWidget.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <optional>
#include <utility>

namespace {

const QString unitSuffix = QStringLiteral(" °");

// The lower and upper bound a validator of a number accepts; none for other validators.
std::optional<std::pair<float, float>> boundsOf(const Validator *validator)
{
    if (const auto *v = dynamic_cast<const FloatValidator *>(validator))
        return std::make_pair(v->bottom(), v->top());
    if (const auto *v = dynamic_cast<const IntValidator *>(validator))
        return std::make_pair(float(v->bottom()), float(v->top()));
    if (const auto *v = dynamic_cast<const UintValidator *>(validator))
        return std::make_pair(float(v->bottom()), float(v->top()));
    return std::nullopt;
}

} // namespace

UpDownWidget::UpDownWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::UpDownWidget)
{
    m_ui->setupUi(this);
    // The scaling container scales the fonts and leaves the geometry to the layouts.
    const QString scaledFontOnly = QStringLiteral("ExcludeFromCL_G");
    setAccessibleDescription(scaledFontOnly);
    for (QWidget *child :
        { static_cast<QWidget *>(m_ui->labelTitle), static_cast<QWidget *>(m_ui->increaseButton),
            static_cast<QWidget *>(m_ui->labelValue), static_cast<QWidget *>(m_ui->decreaseButton) })
        child->setAccessibleDescription(scaledFontOnly);
    m_initialRepeatDelay = m_ui->increaseButton->autoRepeatDelay();
    m_initialRepeatInterval = m_ui->increaseButton->autoRepeatInterval();
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, &UpDownWidget::idleTimerTimeout);
}

UpDownWidget::~UpDownWidget()
{
    delete m_ui;
}

void UpDownWidget::setSource(ValuePropertyInfo *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    m_validator = source ? source->validator() : nullptr;
    if (!source)
        return;
    connect(source, &PropertyInfo::valueChanged, this, &UpDownWidget::updateFromSource);
    updateFromSource();
}

void UpDownWidget::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    m_borderColorSet = true;
    update();
}

void UpDownWidget::updateFromSource()
{
    if (!m_source)
        return;
    const QString text = m_source->displayedValue();
    m_value = text.toFloat();
    m_ui->labelValue->setText(text + unitSuffix);
}

void UpDownWidget::updateSourceValue()
{
    if (m_source)
        m_source->setDisplayedValue(QString::number(double(m_value), 'f', 1));
}

void UpDownWidget::showValue()
{
    m_ui->labelValue->setText(QString::number(double(m_value), 'f', 1) + unitSuffix);
}

// Every release counts, so every auto-repeat step of a held button is a press.
void UpDownWidget::on_increaseButton_released()
{
    stepValue(+1);
}

void UpDownWidget::on_decreaseButton_released()
{
    stepValue(-1);
}

void UpDownWidget::stepValue(int direction)
{
    const bool up = direction > 0;
    if (up ? m_downActive : m_upActive)
        return;
    QPushButton *button = up ? m_ui->increaseButton : m_ui->decreaseButton;
    ++m_pressCount;
    (up ? m_upActive : m_downActive) = true;

    m_value += float(direction) * m_multiplier * m_step;
    if (const auto bounds = boundsOf(m_validator)) {
        if (up && m_value > bounds->second)
            m_value = bounds->second;
        if (!up && m_value < bounds->first)
            m_value = bounds->first;
    }
    showValue();

    if (m_firstPress) {
        m_idleTimer.start(button->autoRepeatDelay() + 20);
        m_firstPress = false;
        updateSourceValue();
        return;
    }
    if (m_pressCount % 5 == 0) {
        const int interval = button->autoRepeatInterval();
        // The down side grows one step further than the up side (to 11 against 10).
        const bool mayGrow = up ? m_multiplier < 10.0f : m_multiplier <= 10.0f;
        if (interval / 2 > 19)
            button->setAutoRepeatInterval(interval / 2);
        else if (mayGrow)
            m_multiplier += 1.0f;
    }
    m_idleTimer.start(button->autoRepeatInterval() + 100);
}

void UpDownWidget::idleTimerTimeout()
{
    m_pressCount = 0;
    m_multiplier = 1.0f;
    m_firstPress = true;
    m_upActive = false;
    m_downActive = false;
    m_ui->increaseButton->setAutoRepeatInterval(m_initialRepeatInterval);
    m_ui->decreaseButton->setAutoRepeatInterval(m_initialRepeatInterval);
    updateSourceValue();
}

void UpDownWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // A plain QWidget draws no style-sheet background on its own.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (!m_borderColorSet)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_borderColor, 4, Qt::SolidLine));
    painter.drawRect(QRect(QPoint(2, 2), QPoint(width() - 3, height() - 3)));
}
