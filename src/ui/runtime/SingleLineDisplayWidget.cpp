#include "ui/runtime/SingleLineDisplayWidget.h"

#include "info/RuntimePropertyWithAngleInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/widgets/FieldText.h"

#include "ui_SingleLineDisplayWidget.h"

#include <QDebug>
#include <QFontMetrics>
#include <QLocale>
#include <QVariant>

#include <cmath>

namespace {

const QString positionMarker = QString(97, QLatin1Char('X'));

// A displayed value read as a number (C locale, as the descriptions write it).
bool readNumber(const QString &text, double *number)
{
    bool ok = false;
    *number = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(*number);
}

} // namespace

SingleLineDisplayWidget::SingleLineDisplayWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SingleLineDisplayWidget)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    // The labels keep their point size and take the line's family.
    QFont lineFont = font();
    lineFont.setFamily(QStringLiteral("Bitstream Vera Sans Mono"));
    setFont(lineFont);
    m_ui->titleLabel->setTextFormat(Qt::PlainText);
    m_ui->valueLabel->setTextFormat(Qt::PlainText);
}

SingleLineDisplayWidget::~SingleLineDisplayWidget()
{
    delete m_ui;
}

void SingleLineDisplayWidget::setDisplayableData(RuntimeDisplayableData *feed)
{
    m_feed = feed;
    if (feed) {
        connect(feed, &RuntimeDisplayableData::informationChangeSignal, this,
            &SingleLineDisplayWidget::updateDisplayedInformation, Qt::UniqueConnection);
        connect(feed, &RuntimeDisplayableData::changeLayoutDirection, this,
            &SingleLineDisplayWidget::changeLayout, Qt::UniqueConnection);
    }
    updateDisplayedInformation();
}

QString SingleLineDisplayWidget::positionText(const QString &displayedValue)
{
    double number = 0;
    if (!readNumber(QString(displayedValue).remove(QLatin1Char('-')), &number))
        return QStringLiteral("-/-");
    return RuntimePropertyInfo::degreesAndMinutesText(number, 3);
}

void SingleLineDisplayWidget::updateDisplayedInformation()
{
    if (!m_feed || !m_feed->propertyInfo())
        return;
    auto *info = qobject_cast<RuntimePropertyInfo *>(m_feed->propertyInfo());
    if (!info)
        return;

    const QString title = m_feed->titleText();
    QString value;
    if (!info->isValid()) {
        value = QStringLiteral("-/-");
    } else if (info->name().contains(QLatin1String("Position"))) {
        value = positionText(info->displayedValue());
    } else {
        // The sign is shown by the direction drawing instead.
        value = QString(info->displayedValue()).remove(QLatin1Char('-'));
        const QString unit = m_feed->valueUnit();
        if (!unit.isEmpty())
            value += QLatin1Char(' ') + unit;
    }
    const RuntimeDisplayableData::FieldValue shown
        = m_feed->fieldValue(value, FieldText::fits(m_ui->valueLabel, value, valueRoom(title)));
    const bool valid = shown.shown;
    const QColor color = shown.color;
    const QString style = QStringLiteral("color : ") + QVariant(color).toString();
    m_ui->titleLabel->setStyleSheet(style);
    m_ui->valueLabel->setStyleSheet(style);
    m_ui->titleLabel->setText(title);
    m_ui->valueLabel->setText(shown.text);
    if (title.contains(QLatin1String("Position")))
        qDebug().noquote() << title + positionMarker;

    const int descent = QFontMetrics(m_ui->titleLabel->font()).descent();
    const QString speedClass = m_feed->speedClass();
    if (speedClass == QLatin1String("NONE")) {
        m_ui->directionWidget->setDirectionData(0, color, speedClass, descent);
        return;
    }
    double number = 0;
    double angle = valid && readNumber(info->displayedValue(), &number) && number < 0 ? 180 : 0;
    if (speedClass == QLatin1String("TRA")) {
        angle += 90;
    } else if (speedClass == QLatin1String("RES")) {
        auto *withAngle = qobject_cast<RuntimePropertyWithAngleInfo *>(info);
        auto *companion
            = withAngle ? qobject_cast<RuntimePropertyInfo *>(withAngle->anglePropertyInfo()) : nullptr;
        if (!companion) {
            m_ui->directionWidget->setDirectionData(0, color, speedClass, descent);
            return;
        }
        double companionAngle = 0;
        angle = readNumber(companion->displayedValue(), &companionAngle) ? companionAngle : 0;
    }
    m_ui->directionWidget->setDirectionData(angle, color, speedClass, descent);
}

void SingleLineDisplayWidget::changeLayout()
{
    const QWidget *page = parentWidget();
    if (!page || !page->objectName().endsWith(QLatin1Char('B')))
        return;
    if (m_feed && m_feed->speedClass() == QLatin1String("NONE")) {
        setDirectionFirst(false);
        m_ui->directionWidget->hide();
    } else {
        setDirectionFirst(true);
    }
}

void SingleLineDisplayWidget::setDirectionFirst(bool first)
{
    if (m_directionFirst == first)
        return;
    m_directionFirst = first;
    if (first && !m_ui->directionWidget->isVisibleTo(this))
        m_ui->directionWidget->show();
    m_ui->horizontalLayout->removeWidget(m_ui->directionWidget);
    m_ui->horizontalLayout->insertWidget(first ? 0 : 1, m_ui->directionWidget, 5);
    m_ui->horizontalLayout->setStretch(first ? 1 : 0, 25);
    m_ui->gridLayout->setColumnStretch(3, first ? 2 : 1);
}

// The title keeps its whole width; the value has the rest of the line. The layout gives the texts what
// they need first and the direction drawing what is left.
int SingleLineDisplayWidget::valueRoom(const QString &title) const
{
    const QMargins margins = m_ui->horizontalLayout->contentsMargins();
    return contentsRect().width() - margins.left() - margins.right()
        - m_ui->titleLabel->fontMetrics().horizontalAdvance(title);
}

void SingleLineDisplayWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateDisplayedInformation();
}

void SingleLineDisplayWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The room of the value changed: whether it fits is decided again.
    updateDisplayedInformation();
}
