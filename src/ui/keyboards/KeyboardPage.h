#ifndef KEYBOARDPAGE_H
#define KEYBOARDPAGE_H

#include "ui/keyboards/KeyEventInfo.h"

#include <QLineEdit>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QPushButton;

// What the two key pages of the on-screen keyboard share: the one-line text field above the keys, the key
// buttons with their style, the sliding touch (a finger that slides from one key to another types the key
// under it when lifted), the physical keyboard while the page is shown, and the short colour mark of a
// changed text. A page reports every key as a KeyEventInfo through sigKeyPressed(); the owner of the
// keyboard keeps the edited value and pushes the text to show back with setText().
class KeyboardPage : public QWidget
{
    Q_OBJECT
public:
    // A changed text field keeps its "changed" style this long.
    static const int textChangeMarkMs = 150;

    explicit KeyboardPage(QWidget *parent);

    QString text() const { return m_textField->text(); }
    QLineEdit *textField() const { return m_textField; }
    // The password lock masks the typed text; every other owner shows it as typed.
    void setEchoMode(QLineEdit::EchoMode mode) { m_textField->setEchoMode(mode); }
    QButtonGroup *characterKeys() const { return m_characterKeys; }
    QButtonGroup *functionKeys() const { return m_functionKeys; }
    QList<QPushButton *> keys() const { return m_keys; }

signals:
    void sigKeyPressed(KeyEventInfo event_info);
    void sigSwitchLayout();

public slots:
    void setText(const QString &text);

protected:
    // The size at construction: the parent's size, or 320 x 240 without a parent.
    virtual QSize referenceSize() const;

    // A key of the page: no focus, stretched by its row, in the key style, watched for sliding touches.
    // Character keys and function keys get their ids in creation order in their own group.
    QPushButton *addCharacterKey(const QString &text);
    QPushButton *addFunctionKey(const QString &text, const QString &iconPath = QString());

    // A layout of the page without margins; `spacing` between its items.
    static QBoxLayout *newBox(Qt::Orientation orientation, int spacing);

    // What the keys of both pages do: a character key appends its text and reports its character;
    // Backspace deletes the character before the cursor; Cancel and Enter change no text; the page switch
    // reports Qt::Key_CapsLock and asks for the other page.
    void typeCharacter(const QString &text);
    void typeBackspace();
    void typeCancel() { emitKey(Qt::Key_Cancel); }
    void typeEnter() { emitKey(Qt::Key_Enter, QStringLiteral("\r\r")); }
    void typeSwitchPage();

    void emitKey(int key, const QString &text = QString());
    void appendToField(const QString &text);

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotTextChanged(const QString &text);
    void slotTextChangeTimerTimeout();

private:
    void updateStyleSheets();
    QPushButton *newKey(const QString &text, QButtonGroup *group);
    QPushButton *keyAt(const QPoint &globalPos) const;

    QString m_textFieldStyle;
    QString m_changedTextFieldStyle;
    QString m_keyStyle;
    QLineEdit *m_textField;
    QTimer m_textChangeTimer;
    QButtonGroup *m_characterKeys;
    QButtonGroup *m_functionKeys;
    QList<QPushButton *> m_keys;
    // Physical keys go to the shown page; nothing clears this.
    bool m_captureKeyboard = true;
};

#endif // KEYBOARDPAGE_H
