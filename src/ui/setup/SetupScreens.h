#ifndef SETUPSCREENS_H
#define SETUPSCREENS_H

#include <QWidget>

class CommunicationInformationTable;
class QAbstractButton;
class QStackedWidget;

namespace Ui {
class SetupScreens;
}

// The setup side of the main window: the setup menu (a scrolling list of menu buttons beside the standby
// button), the system setup pages and the display's own pages. The menu is arranged once for the product
// and platform of the build; a menu button opens the page named after it. Every setup push button of every
// page below this widget whose object name follows the setup-button convention ("es_st_" or "ls_st_" +
// property + "_" + settings object + ...) is bound to the description of that setting when this widget is
// built: the button shows the setting's text from then on, and its presses reach the description, which
// announces them to whoever edits setup values.
class SetupScreens : public QWidget
{
    Q_OBJECT

public:
    explicit SetupScreens(QWidget *parent = nullptr);
    ~SetupScreens() override;

    QStackedWidget *getStackedSystems() const;
    QStackedWidget *getStackedSetupMenus() const;
    CommunicationInformationTable *getCommunicationInformationTable() const;

    // The left title: a live runtime value of the product ("GPS Speed: " or "DBT: " and its text; "-/-"
    // for a value that may not be shown or that the window's title cannot show whole).
    QString leftTitle() const;

signals:
    void signalLeftTitleLabelText(QString text);
    void signalRightTitleLabelText(QString text);

public slots:
    void esSetupButtonWasClicked(QAbstractButton *button);
    void selectDisplay();
    // Has no action: the system change is not offered by any product.
    void changeSystem();
    void on_system_standby_btn_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void arrangeMenu();
    // Moves `button` into the place of `slot`: its position and its style sheet.
    void moveToSlot(QAbstractButton *button, QAbstractButton *slot);
    void shrinkMenuContents(int height);
    void connectSignals();
    void connectLeftTitle();
    void bindSetupButtons();
    // The page stack a menu button opens a page of.
    QStackedWidget *stackForButton(const QString &buttonName) const;

    Ui::SetupScreens *m_ui;
};

#endif // SETUPSCREENS_H
