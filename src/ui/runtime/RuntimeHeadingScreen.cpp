#include "ui/runtime/RuntimeHeadingScreen.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/TitleValueWidget.h"
#include "ui_RuntimeHeadingScreen.h"

#include <QBoxLayout>

namespace {

const char *const rowValues[] = { "SpeedGPS", "SpeedSTWLog", "WaterCurrent" };

} // namespace

RuntimeHeadingScreen::RuntimeHeadingScreen(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RuntimeHeadingScreen)
    , m_pageSettings(ESDataClass::instance()->localSetup()->RuntimeScreenSetupD())
{
    ui->setupUi(this);
    for (const char *name : { "titleValue1", "titleValue2", "titleValue3" })
        m_rows.append(ui->widget->findChild<TitleValueWidget *>(QLatin1String(name)));

    RuntimeDataInfo *descriptions = ESDataInfoClass::instance()->runtimeDataInfo();
    for (int i = 0; i < m_rows.size(); ++i) {
        // Owned by the page: the rows only read them.
        auto *feed = new RuntimeDisplayableData(
            descriptions ? descriptions->getRuntimePropertyInfo(QLatin1String(rowValues[i])) : nullptr, this);
        m_feeds.append(feed);
        m_rows.at(i)->setDisplayableData(feed);
    }
    m_rows.at(1)->setFixedTitle(QStringLiteral("STW"));
    m_rows.at(2)->setFixedTitle(QStringLiteral("WC"));
    // The first row keeps the value's own name but has not been drawn yet.
    m_rows.at(0)->updateDisplayedValues();

    connect(m_pageSettings, &ESRuntimeScreenSetup::DisplaySOGChanged, this,
        &RuntimeHeadingScreen::changeValueVisibility);
    connect(m_pageSettings, &ESRuntimeScreenSetup::DisplaySTWChanged, this,
        &RuntimeHeadingScreen::changeValueVisibility);
    connect(m_pageSettings, &ESRuntimeScreenSetup::DisplayWCChanged, this,
        &RuntimeHeadingScreen::changeValueVisibility);
    changeValueVisibility();
}

RuntimeHeadingScreen::~RuntimeHeadingScreen() = default;

void RuntimeHeadingScreen::initializeScreenData()
{
    const QString name = objectName();
    if (!name.isEmpty())
        m_pageLetter = name.right(1);
}

void RuntimeHeadingScreen::changeValueVisibility()
{
    m_rows.at(0)->setVisible(m_pageSettings->DisplaySOG() == 0);
    m_rows.at(1)->setVisible(m_pageSettings->DisplaySTW() == 0);
    m_rows.at(2)->setVisible(m_pageSettings->DisplayWC() == 0);

    auto *column = qobject_cast<QBoxLayout *>(ui->widget->layout());
    int hidden = 0;
    // Counted from the rows' own shown state, not from whether they are on screen: a page built or changed
    // while another page is shown would otherwise count every row as hidden and squeeze the rows shown into
    // the upper part of the column.
    for (TitleValueWidget *row : qAsConst(m_rows))
        if (row->isHidden())
            ++hidden;
    // The bottom spacer takes the share of every hidden row, so the rows shown keep their height and the
    // column fills from the top.
    column->setStretch(0, 0);
    column->setStretch(4, hidden);
    for (int i = 0; i < m_rows.size(); ++i)
        if (!m_rows.at(i)->isHidden())
            column->setStretch(i + 1, 1);
}

void RuntimeHeadingScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int b = qMin(height(), w * 3 / 4);
    ui->horizontalLayout->setStretch(0, b);
    ui->horizontalLayout->setStretch(1, w - b);
    // The layout has already placed its items for this size with the stretches of the previous size;
    // place them again with the new ones now, so the split depends on the size alone and not on the
    // sizes the page had before (a visit to a smaller preview would otherwise move it by a pixel).
    ui->horizontalLayout->activate();
}
