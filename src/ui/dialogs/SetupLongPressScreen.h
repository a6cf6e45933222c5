#ifndef SETUPLONGPRESSSCREEN_H
#define SETUPLONGPRESSSCREEN_H

#include <QStringList>
#include <QWidget>

namespace Ui {
class SetupLongPressScreen;
}

// The value chooser of an enumerated setting: a framed list of the values a user may pick, each followed
// by the unit, with "Ok", "Cancel" and, for settings that follow the auto functions, "Auto". It lies over
// the whole window with a transparent backdrop and only reports: the chosen value (without its unit)
// through valueChanged(), "Auto" through turnOnAutoFunctions(), and every way out through closed(). The
// setup enum controller fills it, shows it and connects to it while it is open.
class SetupLongPressScreen : public QWidget
{
    Q_OBJECT

public:
    // Height of one row in the 800 x 480 design.
    static const int rowHeight = 55;

    explicit SetupLongPressScreen(QWidget *parent = nullptr);
    ~SetupLongPressScreen() override;

    // Fills the list with the values, each followed by " " + unit (the values alone for an empty unit),
    // nothing selected, and fits the list's height to its rows.
    void setValues(const QStringList &values, const QString &unit);
    // "Select value for " + name + ":".
    void setTitle(const QString &name);
    // The title exactly as given.
    void setTitleText(const QString &text);
    void setAutoButtonVisible(bool visible);

    QStringList rows() const { return m_rows; }
    QString title() const { return m_title; }

signals:
    void valueChanged(QString value);
    void turnOnAutoFunctions();
    void closed();

private slots:
    void on_ok_btn_clicked();
    void on_cancel_btn_2_clicked();
    void on_auto_btn_clicked();
    void on_listWidget_itemSelectionChanged();

private:
    // Hides the chooser, empties the list and reports the end.
    void leave();

    QStringList m_rows;
    QString m_unitSuffix;
    QString m_title;
    Ui::SetupLongPressScreen *m_ui;
    int m_formListHeight;
};

#endif // SETUPLONGPRESSSCREEN_H
