#ifndef KEYBOARDTYPING_H
#define KEYBOARDTYPING_H

#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/KeyboardPage.h"
#include "ui/keyboards/NumericalKeyboard.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QtTest>

// Typing on the on-screen keyboard with mouse clicks on its keys, as a user does.

// The key of the shown page whose text is `text` (letters in either case), or a function key by name.
inline QPushButton *keyOf(QVirtualKeyboard *keyboard, const QString &text)
{
    KeyboardPage *page = keyboard->currentLayoutName() == QLatin1String("Alphabetical")
        ? static_cast<KeyboardPage *>(keyboard->alphabeticalPage())
        : static_cast<KeyboardPage *>(keyboard->numericalPage());
    if (text == QLatin1String("<BS>"))
        return static_cast<QPushButton *>(
            page->functionKeys()->button(page == keyboard->numericalPage() ? 0 : 1));
    if (text == QLatin1String("<Shift>"))
        return static_cast<QPushButton *>(page->functionKeys()->button(0));
    const QList<QPushButton *> keys = page->keys();
    for (QPushButton *key : keys) {
        if (key->text().compare(text, Qt::CaseInsensitive) == 0)
            return key;
    }
    return nullptr;
}

// Types each letter of `letters` (Shift before an upper-case one), then the named keys of `then`.
inline void type(QVirtualKeyboard *keyboard, const QString &letters, const QStringList &then = {})
{
    for (const QChar c : letters) {
        if (c.isUpper())
            QTest::mouseClick(keyOf(keyboard, QStringLiteral("<Shift>")), Qt::LeftButton);
        QPushButton *key = keyOf(keyboard, QString(c));
        QVERIFY2(key, qPrintable(QString(c)));
        QTest::mouseClick(key, Qt::LeftButton);
    }
    for (const QString &name : then) {
        QPushButton *key = keyOf(keyboard, name);
        QVERIFY2(key, qPrintable(name));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

#endif // KEYBOARDTYPING_H
