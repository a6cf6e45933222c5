#include "ui/NumericalKeyboard.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QPushButton>

namespace {

enum FunctionKey { Backspace = 0, Cancel = 1, Enter = 2, SwitchPage = 3 };

} // namespace

NumericalKeyboard::NumericalKeyboard(QWidget *parent)
    : KeyboardPage(parent)
{
    resize(referenceSize());

    QHBoxLayout *page = new QHBoxLayout(this);
    page->setSpacing(5);
    page->setContentsMargins(5, 5, 5, 5);

    QVBoxLayout *left = new QVBoxLayout;
    left->setSpacing(3);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(textField(), 5);
    const QStringList rows
        = { QStringLiteral("123"), QStringLiteral("456"), QStringLiteral("789"), QStringLiteral("-0.") };
    for (const QString &row : rows) {
        QHBoxLayout *keys = new QHBoxLayout;
        keys->setSpacing(3);
        keys->setContentsMargins(0, 0, 0, 0);
        for (const QChar c : row)
            keys->addWidget(addCharacterKey(QString(c)));
        left->addLayout(keys, 6);
    }

    QVBoxLayout *right = new QVBoxLayout;
    right->setSpacing(3);
    right->setContentsMargins(0, 0, 0, 0);
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
    const QString text = key->text();
    appendToField(text);
    emitKey(text.at(0).unicode(), text);
}

void NumericalKeyboard::slotFuncKeyClicked(QAbstractButton *key)
{
    switch (functionKeys()->id(key)) {
    case Backspace:
        backspaceField();
        emitKey(Qt::Key_Backspace);
        break;
    case Cancel:
        emitKey(Qt::Key_Cancel);
        break;
    case Enter:
        emitKey(Qt::Key_Enter, QStringLiteral("\r\r"));
        break;
    case SwitchPage:
        emitKey(Qt::Key_CapsLock);
        emit sigSwitchLayout();
        break;
    }
}
