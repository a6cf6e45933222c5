#include "ui/runtime/DemoSystemSelect.h"

#include "platform/CommandRunner.h"
#include "platform/PlatformPaths.h"
#include "ui/runtime/SimulationDataManager.h"
#include "ui_DemoSystemSelect.h"

#include <QCoreApplication>
#include <QDebug>

DemoSystemSelect::DemoSystemSelect(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DemoSystemSelect)
{
    ui->setupUi(this);
    m_manager = SimulationDataManager::instance();
    ui->selectedSystem_lbl->hide();
    ui->selectedSystem_btn->hide();
    ui->scrollArea->setFocusPolicy(Qt::NoFocus);
    ui->checkBox->setEnabled(false);
    ui->checkBox->hide();
}

DemoSystemSelect::~DemoSystemSelect()
{
    delete ui;
}

void DemoSystemSelect::choose(const QString &systemName, const QString &qtGeneration)
{
    m_systemName = systemName;
    m_qtGeneration = qtGeneration;
}

void DemoSystemSelect::on_kw21SelectedButton_clicked()
{
    choose(QStringLiteral("SW_R215"), QStringLiteral("Qt4"));
}

void DemoSystemSelect::on_tvr100SelectedButton_clicked()
{
    choose(QStringLiteral("TVR100_multi_screen"), QStringLiteral("Qt5"));
}

void DemoSystemSelect::on_tvr200SelectedButton_clicked()
{
    choose(QStringLiteral("TVR200_multi_screen"), QStringLiteral("Qt5"));
}

void DemoSystemSelect::on_rn4400SelectedButton_clicked()
{
    choose(QStringLiteral("MIRLOX1000_multi_screen"), QStringLiteral("Qt5"));
}

void DemoSystemSelect::on_rt63SelectedButton_clicked()
{
    choose(QStringLiteral("MIRLOX2000_multi_screen"), QStringLiteral("Qt5"));
}

void DemoSystemSelect::on_checkBox_toggled(bool checked)
{
    qDebug().noquote() << QStringLiteral("Save data toggled: ") + (checked ? "true" : "false");
}

void DemoSystemSelect::pushButton_clicked_slot()
{
    on_pushButton_clicked();
}

void DemoSystemSelect::on_pushButton_clicked()
{
    if (ui->checkBox->isChecked()) {
        m_manager->setReading(false);
        return;
    }
    if (m_systemName.isEmpty()) {
        m_manager->setReading(true);
        return;
    }
    const QStringList arguments { PlatformPaths::path(PlatformPaths::demoStartScript()),
        QString::number(QCoreApplication::applicationPid()), m_qtGeneration, m_systemName };
    if (!CommandRunner::instance()->start(PlatformPaths::shell(), arguments))
        qDebug() << "Failed to run";
}
