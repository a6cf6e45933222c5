#ifndef KEYBOARDSCREEN_H
#define KEYBOARDSCREEN_H

#include <QWidget>

class QLabel;
class QVirtualKeyboard;

// The value editor over the whole window: the title "Edit value <name> :" directly above an on-screen
// keyboard in the lower left part of the window. The setup controllers set the title, choose the keyboard
// page, show the screen, take the keys from the keyboard's keyPressed() and hide it again.
class KeyBoardScreen : public QWidget
{
    Q_OBJECT
public:
    explicit KeyBoardScreen(QWidget *parent = nullptr);

    QVirtualKeyboard *keyboard() const { return m_keyboard; }
    QLabel *titleLabel() const { return m_title; }
    void setTitle(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTitleAboveKeyboard();

    QLabel *m_title;
    QVirtualKeyboard *m_keyboard;
};

#endif // KEYBOARDSCREEN_H
