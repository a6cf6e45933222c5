#ifndef NETWORKSELECTWIDGET_H
#define NETWORKSELECTWIDGET_H

#include <QString>
#include <QWidget>

namespace Ui {
class NetworkSelectWidget;
}

// The small dialog the program starts with: the user picks the network interface on which the unit talks
// to the other Korvane units, and "Confirm" hands its name on. Only interfaces that are up are offered,
// under their human-readable names, in the order the system lists them. The dialog can be confirmed once:
// it turns into a "Loading..." screen before it emits the name, because the whole system is built inside
// that emission and the user would otherwise look at a frozen dialog.
class NetworkSelectWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkSelectWidget(QWidget *parent = nullptr);
    ~NetworkSelectWidget() override;

    // Hides the choice and shows "Loading..." over the whole dialog, painted at once.
    void showLoadingScreen();

signals:
    void networkName(QString network_name);

private slots:
    void on_pushButton_clicked();

private:
    Ui::NetworkSelectWidget *m_ui;
};

#endif // NETWORKSELECTWIDGET_H
