#ifndef VIRTUALKEYTYPING_H
#define VIRTUALKEYTYPING_H

#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/KeyboardPage.h"
#include "ui/keyboards/NumericalKeyboard.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QtTest>

// Typing on the on-screen keyboard with mouse clicks on its keys, as a user does.
namespace VirtualKeyTyping {

inline KeyboardPage *shownPage(QVirtualKeyboard *keyboard)
{
    return keyboard->currentLayoutName() == QLatin1String("Alphabetical")
        ? static_cast<KeyboardPage *>(keyboard->alphabeticalPage())
        : static_cast<KeyboardPage *>(keyboard->numericalPage());
}

// The key of the shown page whose text is `text` (letters in either case); "<BS>" is the backspace key,
// "<Shift>" the shift key of the alphabetical page; "Enter", "Cancel" name their keys.
inline QAbstractButton *keyOf(QVirtualKeyboard *keyboard, const QString &text)
{
    KeyboardPage *page = shownPage(keyboard);
    if (text == QLatin1String("<BS>"))
        return page->functionKeys()->button(
            page == static_cast<KeyboardPage *>(keyboard->numericalPage()) ? 0 : 1);
    if (text == QLatin1String("<Shift>"))
        return page->functionKeys()->button(0);
    const QList<QPushButton *> keys = page->keys();
    for (QPushButton *key : keys) {
        if (key->text().compare(text, Qt::CaseInsensitive) == 0)
            return key;
    }
    const QList<QAbstractButton *> functions = page->functionKeys()->buttons();
    for (QAbstractButton *key : functions) {
        if (key->text().compare(text, Qt::CaseInsensitive) == 0)
            return key;
    }
    return nullptr;
}

// Clicks the key of each character of `characters` (Shift before an upper-case letter), then the named
// keys of `then`.
inline void type(QVirtualKeyboard *keyboard, const QString &characters, const QStringList &then = {})
{
    for (const QChar c : characters) {
        if (c.isUpper())
            QTest::mouseClick(keyOf(keyboard, QStringLiteral("<Shift>")), Qt::LeftButton);
        QAbstractButton *key = keyOf(keyboard, QString(c));
        QVERIFY2(key, qPrintable(QString(c)));
        QTest::mouseClick(key, Qt::LeftButton);
    }
    for (const QString &name : then) {
        QAbstractButton *key = keyOf(keyboard, name);
        QVERIFY2(key, qPrintable(name));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

} // namespace VirtualKeyTyping

#endif // VIRTUALKEYTYPING_H
