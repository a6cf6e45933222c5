#ifndef SYSTEMRESETDIALOG_H
#define SYSTEMRESETDIALOG_H

#include <QMetaType>
#include <QWidget>

namespace Ui {
class SystemResetDialog;
}

// The choice the system options dialog reports.
enum class SystemResetOption {
    Restart = 0, // restart the system
    RestoreExceptIo = 1, // all setups to factory settings except the communications setup
    RestoreAll = 2, // all setups to factory settings
    Cancel = 3 // leave without a change
};
Q_DECLARE_METATYPE(SystemResetOption)

// The restart and factory-restore choice of the setup pages: four buttons over the whole window, one
// signal. The dialog neither hides nor deletes itself; its owner does.
class SystemResetDialog : public QWidget
{
    Q_OBJECT
public:
    explicit SystemResetDialog(QWidget *parent = nullptr);
    ~SystemResetDialog() override;

signals:
    void optionClicked(SystemResetOption option);

private slots:
    void on_restart_btn_clicked();
    void on_restore_except_io_btn_clicked();
    void on_restore_all_btn_clicked();
    void on_cancel_btn_clicked();

private:
    Ui::SystemResetDialog *m_ui;
};

#endif // SYSTEMRESETDIALOG_H
