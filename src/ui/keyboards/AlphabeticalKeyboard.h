#ifndef ALPHABETICALKEYBOARD_H
#define ALPHABETICALKEYBOARD_H

#include "ui/keyboards/KeyboardPage.h"

class QLabel;

// The alphabetical page of the on-screen keyboard: the text field over three rows of letters in the
// QWERTY order and a row of "123" (the page switch), "Cancel", "Space" and "Enter"; Shift and Backspace
// frame the third row. Shift cycles through one upper-case letter (blue disc on the key), caps lock (red)
// and lower case (grey).
class AlphabeticalKeyboard : public KeyboardPage
{
    Q_OBJECT
public:
    enum class ShiftState { Off, Shift, CapsLock };

    explicit AlphabeticalKeyboard(QWidget *parent = nullptr);

    ShiftState shiftState() const;
    QLabel *shiftIndicator() const { return m_shiftIndicator; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotLetterKeyClicked(QAbstractButton *key);
    void slotFuncKeyClicked(QAbstractButton *key);

private:
    void relabelLetters();
    void updateIndicator();
    void placeIndicator();

    bool m_capsLock = false;
    bool m_shift = false;
    QLabel *m_shiftIndicator = nullptr;
};

#endif // ALPHABETICALKEYBOARD_H
