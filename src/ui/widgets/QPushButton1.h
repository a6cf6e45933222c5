#ifndef QPUSHBUTTON1_H
#define QPUSHBUTTON1_H

#include <QPushButton>

// A plain push button, constructed from its text.
class QPushButton1 : public QPushButton
{
    Q_OBJECT
public:
    explicit QPushButton1(const QString &text, QWidget *parent = nullptr);
};

#endif // QPUSHBUTTON1_H
