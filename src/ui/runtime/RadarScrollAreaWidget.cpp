#include "ui/runtime/RadarScrollAreaWidget.h"

#include "ui/runtime/BarInfo.h"
#include "ui/widgets/ChildrenScalingScrollWidget.h"
#include "ui_RadarScrollAreaWidget.h"

#include <QVBoxLayout>

RadarScrollAreaWidget::RadarScrollAreaWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RadarScrollAreaWidget)
{
    ui->setupUi(this);
    // The content needs its rows per view at construction, so it is made here rather than by the form.
    m_contents = new ChildrenScalingScrollWidget(ui->scrollArea, rowsPerView);
    m_contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    m_contents->setGeometry(0, 0, 291, 447);
    m_rows = new QVBoxLayout(m_contents);
    m_rows->setObjectName(QStringLiteral("verticalLayout_2"));
    m_rows->setSpacing(0);
    m_rows->setContentsMargins(0, 0, 0, 0);
    ui->scrollArea->setWidget(m_contents);
}

RadarScrollAreaWidget::~RadarScrollAreaWidget()
{
    delete ui;
}

void RadarScrollAreaWidget::addBar(int satelliteNumber, float snr)
{
    auto *row = new BarInfo(
        satelliteNumber, snr, satelliteNumber > 32 ? QStringLiteral("GL") : QStringLiteral("GP"), m_contents);
    row->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->setMinimumSize(0, 0);
    row->setStyleSheet(m_rows->count() % 2 == 1 ? QStringLiteral("background-color:rgb(206, 206, 206);")
                                                : QStringLiteral("background-color:rgb(149, 149, 149);"));
    row->resize(m_contents->width(), m_contents->height() / rowsPerView);
    m_rows->addWidget(row);
}

void RadarScrollAreaWidget::clearBars()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}
