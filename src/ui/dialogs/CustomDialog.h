#ifndef CUSTOMDIALOG_H
#define CUSTOMDIALOG_H

#include <QWidget>

namespace Ui {
class CustomDialog;
}

// The one message and question box of the system. It covers the whole window with a transparent
// backdrop, so a touch beside its framed panel reaches the dialog (the panel's frame flashes green) and
// not the screen behind it. The type letter of showMessage() chooses icon and buttons: "q" a question
// ("Yes" emits okButtonClicked(), "No" cancelButtonClicked()), "x" a warning and "e" a notice (one "Ok"
// that emits cancelButtonClicked()). Whoever asks connects both signals before showing the box and
// disconnects them when answered.
class CustomDialog : public QWidget
{
    Q_OBJECT
public:
    // Steps of the frame flash.
    static const int flashStepMs = 100;

    explicit CustomDialog(QWidget *parent = nullptr);
    ~CustomDialog() override;

    // Shows the text with the icon and buttons of the type; any other type keeps those of the previous
    // message. The dialog is shown and raised; overlayShown() follows.
    void showMessage(const QString &text, const QString &type);
    void setText(const QString &text);
    // The icon of "q" or "x"; any other type changes nothing.
    void setIcon(const QString &type);

    int flashCount() const { return m_flashCount; }

signals:
    void okButtonClicked();
    void cancelButtonClicked();
    // The dialog was shown over the window: the main window raises its dimming overlay above it again.
    void overlayShown();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private slots:
    void on_ok_btn_clicked();
    void on_cancel_btn_clicked();
    void flashFrame();

private:
    void setFrameColored(bool coloured);

    Ui::CustomDialog *m_ui;
    int m_flashCount = 0;
};

#endif // CUSTOMDIALOG_H
