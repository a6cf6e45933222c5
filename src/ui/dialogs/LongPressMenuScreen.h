#ifndef LONGPRESSMENUSCREEN_H
#define LONGPRESSMENUSCREEN_H

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class LongPressMenuScreen;
}

// The menu of a value button of the runtime pages, over the whole window with a transparent backdrop. Its
// "Options" page offers up to three actions on the value, built from the value's long-press item
// ("Reset", "Change", "Default:<value>"); its "Information" page lists the runtime values, from which the
// user picks the one the button shows. The menu only reports: signalRemoteChange() with the text of the
// chosen option, informationChanged() with the chosen value name; the runtime controller acts on them.
//
// A touch beside the framed panel flashes its frame; a touch on the panel itself goes nowhere.
class LongPressMenuScreen : public QWidget
{
    Q_OBJECT

public:
    static const int rowHeight = 55;
    static const int flashStepMs = 100;
    // The frame turns green this many times per touch beside the panel.
    static const int flashesPerTouch = 2;

    explicit LongPressMenuScreen(QWidget *parent = nullptr);
    ~LongPressMenuScreen() override;

    // Reads the long-press item ("Change;Default:10") into the option texts and the title: " Reset Value",
    // " Modify Value", " Set to \n Default Value :" + value; "None" and unknown words add no option. An
    // empty item gives the title displayedName + " cannot be changed." and no option.
    void setOptionsFromProperty(const QString &longPress, const QString &displayedName);

    QStringList optionTexts() const { return m_optionTexts; }
    int flashCount() const { return m_flashCount; }

signals:
    void signalRemoteChange(QString details);
    void informationChanged(QString information_name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void optionClicked(QAbstractButton *button);
    void navigationButtonClicked(QAbstractButton *button);
    void okButtonClicked();
    void applyButtonClicked();
    void on_stacked_long_press_currentChanged(int index);
    void on_listWidget_itemSelectionChanged();
    void flashFrame();

private:
    void refillOptionButtons();
    void setFrameColored(bool coloured);
    QString currentInformation() const;

    Ui::LongPressMenuScreen *m_ui;
    QStringList m_optionTexts;
    QButtonGroup *m_optionGroup;
    int m_flashCount = 0;
    int m_formListHeight = 0;
};

#endif // LONGPRESSMENUSCREEN_H
