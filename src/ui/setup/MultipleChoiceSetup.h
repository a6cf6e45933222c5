#ifndef MULTIPLECHOICESETUP_H
#define MULTIPLECHOICESETUP_H

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class PasswordWidget;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

// A setup list of up to 15 named options, each a row with a caption and an ON/off button, for choosing
// which messages are approved and which ignored. Changing an option needs the password lock of the window
// the list lies in to be open; a press while it is closed shows the lock instead and changes nothing.
// Every change is reported as the option's name and its new value ("0" for ON, "1" for off).
class MultipleChoiceSetup : public QWidget
{
    Q_OBJECT
public:
    static const int maxOptions = 15;

    explicit MultipleChoiceSetup(QWidget *parent = nullptr);

    // Configures the first names.size() rows (at most 15): the caption is the name without its last
    // character, the button is named after the whole name and shows "ON" for a true value, "off" for a
    // false or missing one. Unless keepStyles, the rows are restriped light first. The widget then takes
    // the height of its configured rows.
    void setOptions(const QStringList &names, const QList<bool> &values, bool keepStyles);
    // Button i shows "ON" for values[i], else "off" (at most 15 values are read).
    void setValues(const QList<bool> &values);
    // The widget's accessible description, then "Approved messages: " and "Ignored messages: " lines with
    // the captions of the configured rows showing "ON" and the others, each followed by ",".
    QString summaryText() const;

    void setPasswordWidget(PasswordWidget *password);
    PasswordWidget *passwordWidget() const { return m_password; }
    // Shows and raises the lock and its keyboard, and keeps the window's dimming overlay above them.
    void showPasswordWidget();

    // The bottom of the lowest configured row (of row 0 when none is configured).
    int contentHeight() const;

    QList<QPushButton *> buttons() const { return m_buttons; }
    QList<QLabel *> labels() const { return m_labels; }

signals:
    void optionChanged(QString option, QString newValue);

public slots:
    void buttonPressed(QAbstractButton *button);

private:
    QList<QPushButton *> m_buttons;
    QList<QLabel *> m_labels;
    QButtonGroup *m_group;
    QPointer<PasswordWidget> m_password;
};

#endif // MULTIPLECHOICESETUP_H
