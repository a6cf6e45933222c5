#ifndef SETUPLABELWITHBUTTON_H
#define SETUPLABELWITHBUTTON_H

#include "ui/widgets/TextResizeLabel.h"

class QPushButton;

// A setup row as one widget: a self-scaling label with a push button in its right part; the button
// takes the label's font whenever the row is resized.
class SetupLabelWithButton : public TextResizeLabel
{
    Q_OBJECT
public:
    explicit SetupLabelWithButton(QWidget *parent = nullptr);
    explicit SetupLabelWithButton(const QString &text, QWidget *parent = nullptr);

    QPushButton *button() const { return m_button; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();

    QPushButton *m_button = nullptr;
};

#endif // SETUPLABELWITHBUTTON_H
