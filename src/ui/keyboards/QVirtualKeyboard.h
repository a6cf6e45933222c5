#ifndef QVIRTUALKEYBOARD_H
#define QVIRTUALKEYBOARD_H

#include "ui/keyboards/KeyEventInfo.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

class AlphabeticalKeyboard;
class KeyboardPage;
class NumericalKeyboard;
class QLabel;
class QStackedLayout;

// The on-screen keyboard on which every text is typed (a setup value, the password of the lock): an
// alphabetical page (index 0, "Alphabetical") and a numerical page (index 1, "Numerical") stacked on a
// grey background, each with its own text field over its keys. Every key of either page, and every key of
// an attached physical keyboard while a page is shown, is forwarded as keyPressed(). The keyboard does not
// own the edited value: its owner reacts to the keys and shows its text with slotSetText().
//
// The keyboard hides itself on Cancel and after 15 s without a key while it is shown; it then reports a
// Cancel of its own, so the owner closes as if Cancel had been pressed. The inactivity time runs only
// while the keyboard is open: Cancel, Enter and hiding the keyboard (or its owner) stop it, so no
// made-up Cancel reaches an owner that has already closed.
class QVirtualKeyboard : public QWidget
{
    Q_OBJECT
public:
    static const int inactivityMs = 15000;

    explicit QVirtualKeyboard(QWidget *parent = nullptr);

    // "Alphabetical" for page 0, "Numerical" for page 1.
    QString currentLayoutName() const;
    // The text field of the current page.
    QString text() const;
    // Enables or disables every key and field.
    void setKeysEnabled(bool enabled);
    // How both pages show the typed text; the password lock masks it.
    void setEchoMode(QLineEdit::EchoMode mode);
    bool isLayoutSwitchEnabled() const { return m_layoutSwitchEnabled; }

    AlphabeticalKeyboard *alphabeticalPage() const { return m_alphabetical; }
    NumericalKeyboard *numericalPage() const { return m_numerical; }

    // The inactivity time; tests shorten it.
    int inactivityInterval() const { return m_inactivityTimer.interval(); }
    void setInactivityInterval(int ms) { m_inactivityTimer.setInterval(ms); }
    bool isInactivityTimerActive() const { return m_inactivityTimer.isActive(); }

signals:
    void keyPressed(KeyEventInfo event_info);

public slots:
    // Shows the text in the numerical page's field, then in the alphabetical page's.
    void slotSetText(const QString &text);
    // Shows the other page; the current page's text moves along.
    void slotSwitchLayout();
    // Shows the page named "Numerical" or "Alphabetical"; any other name, and any name while the layout
    // switch is disabled, is ignored.
    void setLayout(const QString &layoutType);
    void disableLayoutSwitch() { m_layoutSwitchEnabled = false; }
    void enableLayoutSwitch() { m_layoutSwitchEnabled = true; }

protected:
    // The size at construction: the parent's size, or 320 x 160 without a parent.
    virtual QSize referenceSize() const;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void slotKeyPressed(KeyEventInfo event);

private:
    KeyboardPage *currentPage() const;

    QLabel *m_background;
    QStackedLayout *m_pages;
    AlphabeticalKeyboard *m_alphabetical;
    NumericalKeyboard *m_numerical;
    bool m_layoutSwitchEnabled = true;
    QTimer m_inactivityTimer;
};

#endif // QVIRTUALKEYBOARD_H
