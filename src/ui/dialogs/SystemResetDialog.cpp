#include "ui/dialogs/SystemResetDialog.h"

#include "ui_SystemResetDialog.h"

SystemResetDialog::SystemResetDialog(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SystemResetDialog)
{
    qRegisterMetaType<SystemResetOption>("SystemResetOption");
    m_ui->setupUi(this);
}

SystemResetDialog::~SystemResetDialog()
{
    delete m_ui;
}

void SystemResetDialog::on_restart_btn_clicked()
{
    emit optionClicked(SystemResetOption::Restart);
}

void SystemResetDialog::on_restore_except_io_btn_clicked()
{
    emit optionClicked(SystemResetOption::RestoreExceptIo);
}

void SystemResetDialog::on_restore_all_btn_clicked()
{
    emit optionClicked(SystemResetOption::RestoreAll);
}

void SystemResetDialog::on_cancel_btn_clicked()
{
    emit optionClicked(SystemResetOption::Cancel);
}
