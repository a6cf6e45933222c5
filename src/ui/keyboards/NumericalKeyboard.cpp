#include "ui/keyboards/NumericalKeyboard.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QPushButton>

namespace {

enum NumericalKey {
    NumericalBackspace = 0,
    NumericalCancel = 1,
    NumericalEnter = 2,
    NumericalSwitchPage = 3
};

} // namespace

NumericalKeyboard::NumericalKeyboard(QWidget *parent)
    : KeyboardPage(parent)
{
    resize(referenceSize());

    QBoxLayout *page = newBox(Qt::Horizontal, 5);
    page->setContentsMargins(5, 5, 5, 5);
    setLayout(page);

    QBoxLayout *left = newBox(Qt::Vertical, 3);
    left->addWidget(textField(), 5);
    const QStringList rows
        = { QStringLiteral("123"), QStringLiteral("456"), QStringLiteral("789"), QStringLiteral("-0.") };
    for (const QString &row : rows) {
        QBoxLayout *keys = newBox(Qt::Horizontal, 3);
        for (const QChar c : row)
            keys->addWidget(addCharacterKey(QString(c)));
        left->addLayout(keys, 6);
    }

    QBoxLayout *right = newBox(Qt::Vertical, 3);
    right->addWidget(addFunctionKey(QString(), QStringLiteral(":/Resources/delArrow.png")), 5);
    right->addWidget(addFunctionKey(QStringLiteral("Cancel")), 8);
    right->addWidget(addFunctionKey(QStringLiteral("Enter")), 8);
    right->addWidget(addFunctionKey(QStringLiteral("ABC")), 8);

    page->addLayout(left, 3);
    page->addLayout(right, 1);

    connect(characterKeys(), QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &NumericalKeyboard::slotNumKeyClicked);
    connect(functionKeys(), QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &NumericalKeyboard::slotFuncKeyClicked);
}

void NumericalKeyboard::slotNumKeyClicked(QAbstractButton *key)
{
    typeCharacter(key->text());
}

void NumericalKeyboard::slotFuncKeyClicked(QAbstractButton *key)
{
    switch (functionKeys()->id(key)) {
    case NumericalBackspace:
        typeBackspace();
        break;
    case NumericalCancel:
        typeCancel();
        break;
    case NumericalEnter:
        typeEnter();
        break;
    case NumericalSwitchPage:
        typeSwitchPage();
        break;
    }
}
