#ifndef NUMERICALKEYBOARD_H
#define NUMERICALKEYBOARD_H

#include "ui/keyboards/KeyboardPage.h"

// The numerical page of the on-screen keyboard: the text field over the keys "1" to "9", "-", "0" and "."
// on the left; Backspace, "Cancel", "Enter" and "ABC" (the page switch) in a column on the right.
class NumericalKeyboard : public KeyboardPage
{
    Q_OBJECT
public:
    explicit NumericalKeyboard(QWidget *parent = nullptr);

private slots:
    void slotNumKeyClicked(QAbstractButton *key);
    void slotFuncKeyClicked(QAbstractButton *key);
};

#endif // NUMERICALKEYBOARD_H
