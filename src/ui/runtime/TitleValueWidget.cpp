#include "ui/runtime/TitleValueWidget.h"

#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/widgets/FieldText.h"

#include "ui_TitleValueWidget.h"

#include <QVariant>

TitleValueWidget::TitleValueWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::TitleValueWidget)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    m_ui->titleLabel->setTextFormat(Qt::PlainText);
    m_ui->valueLabel->setTextFormat(Qt::PlainText);
    updateDisplayedValues();
}

TitleValueWidget::~TitleValueWidget()
{
    delete m_ui;
}

void TitleValueWidget::setDisplayableData(RuntimeDisplayableData *feed)
{
    if (m_feed)
        disconnect(m_feed.data(), &RuntimeDisplayableData::informationChangeSignal, this,
            &TitleValueWidget::updateDisplayedValues);
    m_feed = feed;
    if (feed)
        connect(feed, &RuntimeDisplayableData::informationChangeSignal, this,
            &TitleValueWidget::updateDisplayedValues, Qt::UniqueConnection);
}

void TitleValueWidget::setFixedTitle(const QString &title)
{
    m_fixedTitle = title;
    m_fixedTitleShown = true;
    updateDisplayedValues();
}

void TitleValueWidget::updateDisplayedValues()
{
    // A feed without a description is shown like no feed: nothing to read from.
    const PropertyInfo *description = m_feed ? m_feed->propertyInfo() : nullptr;
    const auto *info = qobject_cast<const RuntimePropertyInfo *>(description);
    if (!info) {
        if (m_fixedTitleShown)
            m_ui->titleLabel->setText(m_fixedTitle);
        m_ui->valueLabel->setText(QStringLiteral("-/-"));
        update();
        return;
    }
    // The rows stand in a narrow column: the title is the name alone and the value carries no unit.
    m_ui->titleLabel->setText(m_fixedTitleShown ? m_fixedTitle : info->displayedName().trimmed());
    const QString value = info->displayedValue();
    const RuntimeDisplayableData::FieldValue shown
        = m_feed->fieldValue(value, FieldText::fits(m_ui->valueLabel, value));
    m_ui->valueLabel->setText(shown.text);
    const QString style = QStringLiteral("color : ") + QVariant(shown.color).toString();
    m_ui->titleLabel->setStyleSheet(style);
    m_ui->valueLabel->setStyleSheet(style);
    m_drawnFeed = m_feed;
    update();
}

void TitleValueWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The room of the value changed: whether it fits is decided again, for a value the row shows already
    // (binding a feed alone does not redraw the row).
    if (m_feed && m_feed == m_drawnFeed)
        updateDisplayedValues();
}
