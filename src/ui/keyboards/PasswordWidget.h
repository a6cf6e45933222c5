#ifndef PASSWORDWIDGET_H
#define PASSWORDWIDGET_H

#include "ui/keyboards/KeyEventInfo.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class CustomDialog;
class QLabel;
class QLineEdit;
class QVirtualKeyboard;

// The password lock in front of protected setup values: "PASSWORD:" over an on-screen keyboard that
// covers the width of the window. Enter compares the typed text with the stored password: a match emits
// login() (the setup controllers stay logged in from then on until the program ends); anything else shows
// "Wrong password!" in the shared dialog and keeps the typed text for correction. Cancel, or the
// keyboard's inactivity, emits cancel(). The typed text is shown masked and cleared whenever the lock
// closes.
//
// The lock also keeps an unlocked flag of its own for the whole program, set by a correct password and
// cleared again an hour later; only the multiple-choice setup page reads it.
class PasswordWidget : public QWidget
{
    Q_OBJECT
public:
    static const int relockMs = 3600000;

    explicit PasswordWidget(QWidget *parent = nullptr);

    QVirtualKeyboard *keyboard() const { return m_keyboard; }
    // The shared dialog that shows "Wrong password!" (the main window's).
    void setMessageDialog(CustomDialog *dialog) { m_dialog = dialog; }
    static bool isUnlocked();

    // The hidden field that holds the typed text; for tests.
    QLineEdit *passwordField() const { return m_passwordField; }
    int relockInterval() const { return m_relockTimer.interval(); }
    void setRelockInterval(int ms) { m_relockTimer.setInterval(ms); }

signals:
    void login();
    void cancel();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void reset();
    void slotKeyPressed(KeyEventInfo event);

private:
    void checkPassword();
    void unlock();
    void rejectPassword();
    void clearPasswordField();

    QLabel *m_caption;
    QLineEdit *m_passwordField;
    QVirtualKeyboard *m_keyboard;
    QTimer m_relockTimer;
    QPointer<CustomDialog> m_dialog;
};

#endif // PASSWORDWIDGET_H
