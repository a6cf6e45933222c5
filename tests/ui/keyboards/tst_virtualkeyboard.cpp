// The on-screen keyboard: keys of both pages and what they report, the page switch, Shift, the sliding
// touch, physical keys, and the inactivity time that ends only an open keyboard.

#include "PixelCount.h"
#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/NumericalKeyboard.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// "<BS>", "<Cancel>", "<Enter>", "<ABC>", "<123>", "<Shift>", "<Space>" name the function keys; any other
// token is the text of a character key (letters matched in either case).
QPushButton *keyFor(QVirtualKeyboard &keyboard, const QString &token)
{
    const bool alphabetical = keyboard.currentLayoutName() == QLatin1String("Alphabetical");
    KeyboardPage *page = alphabetical ? static_cast<KeyboardPage *>(keyboard.alphabeticalPage())
                                      : static_cast<KeyboardPage *>(keyboard.numericalPage());
    if (token == QLatin1String("<BS>"))
        return static_cast<QPushButton *>(page->functionKeys()->button(alphabetical ? 1 : 0));
    if (token == QLatin1String("<Shift>"))
        return static_cast<QPushButton *>(page->functionKeys()->button(0));
    const QString text = token.startsWith(QLatin1Char('<')) ? token.mid(1, token.size() - 2) : token;
    const QList<QPushButton *> keys = page->keys();
    for (QPushButton *key : keys) {
        if (key->text().compare(text, Qt::CaseInsensitive) == 0)
            return key;
    }
    return nullptr;
}

// One key event as "key:text" in hexadecimal, e.g. "31:1" or "1000005:\r\r".
QString describe(const KeyEventInfo &event)
{
    return QString::number(event.key, 16) + QLatin1Char(':') + event.text;
}

QStringList describeAll(const QSignalSpy &spy)
{
    QStringList events;
    for (const QList<QVariant> &arguments : spy) {
        const KeyEventInfo event = arguments.at(0).value<KeyEventInfo>();
        if (event.type != QEvent::KeyPress)
            events.append(QStringLiteral("type %1").arg(event.type));
        events.append(describe(event));
    }
    return events;
}

} // namespace

class tst_VirtualKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newKeyboard();
    void functionKeySymbolsReadable_data();
    void functionKeySymbolsReadable();
    void typing_data();
    void typing();
    void shiftCycle();
    void setLayout_data();
    void setLayout();
    void slidingTouch_data();
    void slidingTouch();
    void physicalKeys_data();
    void physicalKeys();
    void cancelHidesAndKeepsTexts();
    void inactivityCancelsOnce();
    void inactivityEndsWithTheKeyboard_data();
    void inactivityEndsWithTheKeyboard();
    void maskedText();
    void textChangeMark();
    void keysDisabled();

private:
    void click(const QString &tokens);

    QWidget *m_owner = nullptr;
    QVirtualKeyboard *m_keyboard = nullptr;
};

void tst_VirtualKeyboard::init()
{
    // As in the value editor: the keyboard is a child of a full-window owner.
    m_owner = new QWidget;
    m_owner->resize(800, 480);
    m_keyboard = new QVirtualKeyboard(m_owner);
    m_keyboard->setGeometry(0, 216, 472, 264);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner));
}

void tst_VirtualKeyboard::cleanup()
{
    delete m_owner;
}

void tst_VirtualKeyboard::click(const QString &tokens)
{
    const QStringList list = tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : list) {
        QPushButton *key = keyFor(*m_keyboard, token);
        QVERIFY2(key, qPrintable(token));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

void tst_VirtualKeyboard::newKeyboard()
{
    QVirtualKeyboard alone;
    QCOMPARE(alone.size(), QSize(320, 160));
    QCOMPARE(alone.currentLayoutName(), QStringLiteral("Alphabetical"));
    QVERIFY(alone.isLayoutSwitchEnabled());
    QVERIFY(!alone.isInactivityTimerActive());
    QCOMPARE(alone.inactivityInterval(), 15000);
    QCOMPARE(alone.text(), QString());
    QCOMPARE(alone.alphabeticalPage()->keys().size(), 26 + 6);
    QCOMPARE(alone.numericalPage()->keys().size(), 12 + 4);
    QCOMPARE(keyFor(alone, QStringLiteral("q"))->text(), QStringLiteral("q"));
    QCOMPARE(alone.alphabeticalPage()->characterKeys()->id(keyFor(alone, QStringLiteral("m"))), 25);
}

void tst_VirtualKeyboard::functionKeySymbolsReadable_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");

    QTest::newRow("shift") << "Alphabetical"
                           << "<Shift>";
    QTest::newRow("backspace of the letters") << "Alphabetical"
                                              << "<BS>";
    QTest::newRow("backspace of the digits") << "Numerical"
                                             << "<BS>";
}

// The symbols of Shift and Backspace stand out from their key, released and pressed: a good part of the
// key's pixels differ from its face by at least the contrast text needs.
void tst_VirtualKeyboard::functionKeySymbolsReadable()
{
    QFETCH(QString, page);
    QFETCH(QString, key);

    QVirtualKeyboard keyboard;
    keyboard.resize(640, 320);
    keyboard.setLayout(page);
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QPushButton *button = keyFor(keyboard, key);
    QVERIFY(button);
    for (const bool pressed : { false, true }) {
        if (pressed)
            QTest::mousePress(button, Qt::LeftButton);
        QTRY_COMPARE(button->isDown(), pressed);
        const ReadableFace shown = readableFace(button);
        const int area = button->width() * button->height();
        QVERIFY2(shown.readable > area / 100,
            qPrintable(shown.describe(key) + QStringLiteral(" of %1, pressed %2").arg(area).arg(pressed)));
    }
    QTest::mouseRelease(button, Qt::LeftButton);
}

void tst_VirtualKeyboard::typing_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("layoutAfter");

    const QString num = QStringLiteral("Numerical");
    const QString alpha = QStringLiteral("Alphabetical");
    QTest::newRow("digits") << num << "1 2 3" << QStringList { "31:1", "32:2", "33:3" } << "123" << num;
    QTest::newRow("sign and point") << num << "- 0 ." << QStringList { "2d:-", "30:0", "2e:." } << "-0."
                                    << num;
    QTest::newRow("backspace") << num << "7 8 <BS>" << QStringList { "37:7", "38:8", "1000003:" } << "7"
                               << num;
    QTest::newRow("backspace on empty") << num << "<BS>" << QStringList { "1000003:" } << "" << num;
    QTest::newRow("enter keeps the text")
        << num << "5 <Enter>" << QStringList { "35:5", "1000005:\r\r" } << "5" << num;
    QTest::newRow("ABC carries the text")
        << num << "1 2 <ABC>" << QStringList { "31:1", "32:2", "1000024:" } << "12" << alpha;
    QTest::newRow("letters") << alpha << "q w" << QStringList { "71:q", "77:w" } << "qw" << alpha;
    QTest::newRow("space") << alpha << "a <Space> b" << QStringList { "61:a", "20:", "62:b" } << "a b"
                           << alpha;
    QTest::newRow("shift for one letter")
        << alpha << "<Shift> h i" << QStringList { "1000024:", "48:H", "69:i" } << "Hi" << alpha;
    QTest::newRow("caps lock") << alpha << "<Shift> <Shift> a b"
                               << QStringList { "1000024:", "1000024:", "41:A", "42:B" } << "AB" << alpha;
    QTest::newRow("123 carries the text")
        << alpha << "x <123>" << QStringList { "78:x", "1000024:" } << "x" << num;
    QTest::newRow("alphabetical backspace")
        << alpha << "o k <BS>" << QStringList { "6f:o", "6b:k", "1000003:" } << "o" << alpha;
}

void tst_VirtualKeyboard::typing()
{
    QFETCH(QString, page);
    QFETCH(QString, keys);
    QFETCH(QStringList, events);
    QFETCH(QString, text);
    QFETCH(QString, layoutAfter);

    m_keyboard->setLayout(page);
    QCOMPARE(m_keyboard->currentLayoutName(), page);
    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    click(keys);
    QCOMPARE(describeAll(spy), events);
    QCOMPARE(m_keyboard->currentLayoutName(), layoutAfter);
    QCOMPARE(m_keyboard->text(), text);
}

void tst_VirtualKeyboard::shiftCycle()
{
    m_keyboard->setLayout(QStringLiteral("Alphabetical"));
    AlphabeticalKeyboard *page = m_keyboard->alphabeticalPage();
    QPushButton *q = static_cast<QPushButton *>(page->characterKeys()->button(0));
    struct Step
    {
        AlphabeticalKeyboard::ShiftState state;
        const char *colour;
        const char *letter;
    };
    const Step steps[] = { { AlphabeticalKeyboard::ShiftState::Shift, "rgb(0, 0, 240)", "Q" },
        { AlphabeticalKeyboard::ShiftState::CapsLock, "rgb(240, 0, 0)", "Q" },
        { AlphabeticalKeyboard::ShiftState::Off, "rgb(240, 240, 240)", "q" } };
    QVERIFY(page->shiftIndicator()->styleSheet().contains(QLatin1String("rgb(240, 240, 240)")));
    for (const Step &step : steps) {
        click(QStringLiteral("<Shift>"));
        QCOMPARE(page->shiftState(), step.state);
        QVERIFY2(page->shiftIndicator()->styleSheet().contains(QLatin1String(step.colour)),
            qPrintable(page->shiftIndicator()->styleSheet()));
        QCOMPARE(q->text(), QString::fromLatin1(step.letter));
    }

    // The disc sits in the top-left part of the key, a third of its height across.
    QWidget *shift = page->shiftIndicator()->parentWidget();
    const QRect disc = page->shiftIndicator()->geometry();
    QCOMPARE(disc.width(), shift->height() / 3);
    QVERIFY(disc.right() < shift->width() / 2 && disc.bottom() < shift->height() * 2 / 3);
}

void tst_VirtualKeyboard::setLayout_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("switchEnabled");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("numericalText");

    // The alphabetical field holds "abc", the numerical "42" before the call.
    QTest::newRow("to numerical") << "Alphabetical" << true << "Numerical"
                                  << "Numerical"
                                  << "abc";
    QTest::newRow("already numerical") << "Numerical" << true << "Numerical"
                                       << "Numerical"
                                       << "42";
    QTest::newRow("switch disabled") << "Alphabetical" << false << "Numerical"
                                     << "Alphabetical"
                                     << "42";
    QTest::newRow("name in lower case") << "Alphabetical" << true << "numerical"
                                        << "Alphabetical"
                                        << "42";
    QTest::newRow("unknown name") << "Numerical" << true << "Hex"
                                  << "Numerical"
                                  << "42";
}

void tst_VirtualKeyboard::setLayout()
{
    QFETCH(QString, start);
    QFETCH(bool, switchEnabled);
    QFETCH(QString, wanted);
    QFETCH(QString, expected);
    QFETCH(QString, numericalText);

    m_keyboard->setLayout(start);
    m_keyboard->alphabeticalPage()->setText(QStringLiteral("abc"));
    m_keyboard->numericalPage()->setText(QStringLiteral("42"));
    if (!switchEnabled)
        m_keyboard->disableLayoutSwitch();
    m_keyboard->setLayout(wanted);
    QCOMPARE(m_keyboard->currentLayoutName(), expected);
    QCOMPARE(m_keyboard->numericalPage()->text(), numericalText);
    QVERIFY(m_keyboard->numericalPage()->isVisible() == (expected == QLatin1String("Numerical")));
}

void tst_VirtualKeyboard::slidingTouch_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("liftedOver"); // a key, or empty: over no key
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("text");

    QTest::newRow("lifted where pressed") << "4"
                                          << "4" << QStringList { "34:4" } << "4";
    QTest::newRow("slid to a neighbour") << "4"
                                         << "5" << QStringList { "35:5" } << "5";
    QTest::newRow("slid to Enter") << "9"
                                   << "<Enter>" << QStringList { "1000005:\r\r" } << "";
    QTest::newRow("slid off every key") << "4"
                                        << "" << QStringList() << "";
}

// A finger pressed on one key, moved and lifted: events through the window, as the touch screen sends them.
void tst_VirtualKeyboard::slidingTouch()
{
    QFETCH(QString, pressed);
    QFETCH(QString, liftedOver);
    QFETCH(QStringList, events);
    QFETCH(QString, text);

    m_keyboard->setLayout(QStringLiteral("Numerical"));
    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    QWindow *window = m_owner->windowHandle();
    QPushButton *start = keyFor(*m_keyboard, pressed);
    const QPoint from = start->mapTo(m_owner, start->rect().center());
    // Over no key: the text field above the keys.
    QWidget *target = liftedOver.isEmpty() ? static_cast<QWidget *>(m_keyboard->numericalPage()->textField())
                                           : keyFor(*m_keyboard, liftedOver);
    const QPoint to = target->mapTo(m_owner, target->rect().center());

    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QVERIFY(start->isDown());
    QTest::mouseMove(window, to);
    if (!liftedOver.isEmpty() && target != start) {
        QVERIFY(static_cast<QPushButton *>(target)->isDown());
        QVERIFY(!start->isDown());
    }
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);

    QCOMPARE(describeAll(spy), events);
    QCOMPARE(m_keyboard->text(), text);
    const QList<QPushButton *> keys = m_keyboard->numericalPage()->keys();
    for (QPushButton *key : keys)
        QVERIFY(!key->isDown());
}

void tst_VirtualKeyboard::physicalKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digit") << int(Qt::Key_7) << "37:7";
    QTest::newRow("letter") << int(Qt::Key_A) << "41:a";
    QTest::newRow("enter") << int(Qt::Key_Enter) << "1000005:\r\r";
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "1000003:\b";
}

// Keys typed on an attached keyboard reach the shown page without focus, and change no text there.
void tst_VirtualKeyboard::physicalKeys()
{
    QFETCH(int, key);
    QFETCH(QString, expected);

    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    QTest::keyClick(m_owner->windowHandle(), Qt::Key(key));
    QCOMPARE(describeAll(spy), QStringList { expected });
    QCOMPARE(m_keyboard->text(), QString());
}

void tst_VirtualKeyboard::cancelHidesAndKeepsTexts()
{
    m_keyboard->setLayout(QStringLiteral("Numerical"));
    click(QStringLiteral("3"));
    m_keyboard->alphabeticalPage()->setText(QStringLiteral("other"));
    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    click(QStringLiteral("<Cancel>"));
    QCOMPARE(describeAll(spy), QStringList { "1020001:" });
    QVERIFY(m_keyboard->isHidden());
    QCOMPARE(m_keyboard->numericalPage()->text(), QStringLiteral("3"));
    QCOMPARE(m_keyboard->alphabeticalPage()->text(), QStringLiteral("other"));

    // Shown again, it is as it was left.
    m_keyboard->show();
    QCOMPARE(m_keyboard->currentLayoutName(), QStringLiteral("Numerical"));
    QCOMPARE(m_keyboard->text(), QStringLiteral("3"));
}

void tst_VirtualKeyboard::inactivityCancelsOnce()
{
    m_keyboard->hide();
    m_keyboard->setInactivityInterval(200);
    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    m_keyboard->show();
    QVERIFY(m_keyboard->isInactivityTimerActive());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(describeAll(spy), QStringList { "1020001:" });
    QVERIFY(m_keyboard->isHidden());
    QVERIFY(!m_keyboard->isInactivityTimerActive());
    QVERIFY(!spy.wait(3 * 200));
}

void tst_VirtualKeyboard::inactivityEndsWithTheKeyboard_data()
{
    QTest::addColumn<QString>("ending");

    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("owner hidden") << "owner";
    QTest::newRow("keyboard hidden") << "keyboard";
}

// Once the editing has ended, no made-up Cancel follows (it would close an owner that is already closed
// and beep).
void tst_VirtualKeyboard::inactivityEndsWithTheKeyboard()
{
    QFETCH(QString, ending);

    m_keyboard->setInactivityInterval(200);
    m_keyboard->setLayout(QStringLiteral("Numerical"));
    click(QStringLiteral("1"));
    QVERIFY(m_keyboard->isInactivityTimerActive());

    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    if (ending == QLatin1String("cancel"))
        click(QStringLiteral("<Cancel>"));
    else if (ending == QLatin1String("enter"))
        click(QStringLiteral("<Enter>"));
    else if (ending == QLatin1String("owner"))
        m_owner->hide();
    else
        m_keyboard->hide();
    const int byUser = spy.count();
    QVERIFY(!m_keyboard->isInactivityTimerActive());
    QVERIFY(!spy.wait(3 * 200));
    QCOMPARE(spy.count(), byUser);

    // Opened again, the inactivity time runs again.
    m_keyboard->hide();
    m_owner->show();
    m_keyboard->show();
    QVERIFY(m_keyboard->isInactivityTimerActive());
    QTRY_COMPARE(spy.count(), byUser + 1);
}

// The lock's keyboard shows the typed text masked; the text itself is kept as typed.
void tst_VirtualKeyboard::maskedText()
{
    m_keyboard->setEchoMode(QLineEdit::Password);
    click(QStringLiteral("a b c <123> 1"));
    QCOMPARE(m_keyboard->text(), QStringLiteral("abc1"));
    for (KeyboardPage *page : { static_cast<KeyboardPage *>(m_keyboard->alphabeticalPage()),
             static_cast<KeyboardPage *>(m_keyboard->numericalPage()) }) {
        const QString shown = page->textField()->displayText();
        QVERIFY2(!shown.contains(QLatin1String("abc")), qPrintable(shown));
    }
    QCOMPARE(m_keyboard->numericalPage()->textField()->displayText().size(), 4);
}

// A changed text field takes the "changed" style for 150 ms.
void tst_VirtualKeyboard::textChangeMark()
{
    m_keyboard->setLayout(QStringLiteral("Numerical"));
    QLineEdit *field = m_keyboard->numericalPage()->textField();
    const QString normal = field->styleSheet();
    QVERIFY(normal.startsWith(QLatin1String("QLineEdit {color:black; font: 24px;")));
    QElapsedTimer clock;
    clock.start();
    click(QStringLiteral("8"));
    QVERIFY(field->styleSheet() != normal);
    QTRY_COMPARE(field->styleSheet(), normal);
    QVERIFY(clock.elapsed() >= 140);
}

void tst_VirtualKeyboard::keysDisabled()
{
    m_keyboard->setLayout(QStringLiteral("Numerical"));
    QSignalSpy spy(m_keyboard, &QVirtualKeyboard::keyPressed);
    m_keyboard->setKeysEnabled(false);
    click(QStringLiteral("1 <Enter>"));
    QCOMPARE(spy.count(), 0);
    m_keyboard->setKeysEnabled(true);
    click(QStringLiteral("1"));
    QCOMPARE(describeAll(spy), QStringList { "31:1" });
}

QTEST_MAIN(tst_VirtualKeyboard)
#include "tst_virtualkeyboard.moc"
