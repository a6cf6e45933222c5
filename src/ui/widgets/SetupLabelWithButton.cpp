#include "ui/widgets/SetupLabelWithButton.h"

#include <QBoxLayout>
#include <QPushButton>

SetupLabelWithButton::SetupLabelWithButton(QWidget *parent)
    : TextResizeLabel(QStringLiteral("TextResizeLabel"), parent)
{
    build();
}

SetupLabelWithButton::SetupLabelWithButton(const QString &text, QWidget *parent)
    : TextResizeLabel(text, parent)
{
    build();
}

// Vertically spacer, button row, spacer (3 : 10 : 3); the row is spacer, button, spacer (18 : 10 : 2).
void SetupLabelWithButton::build()
{
    m_button = new QPushButton(QStringLiteral("TextResizeButton"), this);
    setContentsMargins(10, 0, 0, 0);
    m_button->setStyleSheet(
        QStringLiteral("QPushButton{\nbackground-color:rgb(206, 206, 206);\nborder: 1px "
                       "solid rgb(82, 255, 96);\ncolor:rgb(0, 0, 0);\n\n}\n\n"
                       "QPushButton:pressed{\nborder: 3px solid rgb(82, 255, 96);\n\n}\n"));
    m_button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    m_button->setMinimumSize(5, 5);

    QVBoxLayout *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    QHBoxLayout *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(18);
    row->addWidget(m_button, 10);
    row->addStretch(2);
    column->addStretch(3);
    column->addLayout(row, 10);
    column->addStretch(3);
}

void SetupLabelWithButton::resizeEvent(QResizeEvent *event)
{
    TextResizeLabel::resizeEvent(event);
    m_button->setFont(font());
}
