#include "ui/keyboards/AlphabeticalKeyboard.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

enum FunctionKey { Shift = 0, Backspace = 1, SwitchPage = 2, Space = 3, Cancel = 4, Enter = 5 };

const QString upperLetters = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
const QString lowerLetters = QStringLiteral("qwertyuiopasdfghjklzxcvbnm");

const QString indicatorOff = QStringLiteral("rgb(240, 240, 240)");
const QString indicatorShift = QStringLiteral("rgb(0, 0, 240)");
const QString indicatorCapsLock = QStringLiteral("rgb(240, 0, 0)");

} // namespace

AlphabeticalKeyboard::AlphabeticalKeyboard(QWidget *parent)
    : KeyboardPage(parent)
{
    resize(referenceSize());

    QBoxLayout *page = newBox(Qt::Vertical, 0);
    setLayout(page);
    QWidget *inner = new QWidget(this);
    // A plain widget would take the window's black background; the keyboard's grey shows through instead.
    inner->setStyleSheet(QStringLiteral("background-color: transparent;"));
    inner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    inner->resize(referenceSize());
    page->addWidget(inner);

    QBoxLayout *rows = newBox(Qt::Vertical, 3);
    rows->setContentsMargins(5, 5, 5, 5);
    inner->setLayout(rows);
    rows->addWidget(textField(), 5);

    QList<QPushButton *> letters;
    for (int i = 0; i < upperLetters.size(); ++i)
        letters.append(addCharacterKey(QString(upperLetters.at(i))));
    QPushButton *shift = addFunctionKey(QString(), QStringLiteral(":/Resources/arrow.png"));
    QPushButton *backspace = addFunctionKey(QString(), QStringLiteral(":/Resources/delArrow.png"));
    QPushButton *switchPage = addFunctionKey(QStringLiteral("123"));
    QPushButton *space = addFunctionKey(QStringLiteral("Space"));
    QPushButton *cancel = addFunctionKey(QStringLiteral("Cancel"));
    QPushButton *enter = addFunctionKey(QStringLiteral("Enter"));

    QBoxLayout *row1 = newBox(Qt::Horizontal, 3);
    for (int i = 0; i < 10; ++i)
        row1->addWidget(letters.at(i));
    QBoxLayout *row2 = newBox(Qt::Horizontal, 3);
    row2->addStretch(1);
    for (int i = 10; i < 19; ++i)
        row2->addWidget(letters.at(i), 2);
    row2->addStretch(1);
    QBoxLayout *row3 = newBox(Qt::Horizontal, 3);
    row3->addWidget(shift, 3);
    for (int i = 19; i < 26; ++i)
        row3->addWidget(letters.at(i), 2);
    row3->addWidget(backspace, 3);
    QBoxLayout *row4 = newBox(Qt::Horizontal, 3);
    row4->addWidget(switchPage, 3);
    row4->addWidget(cancel, 4);
    row4->addWidget(space, 7);
    row4->addWidget(enter, 4);
    for (QBoxLayout *row : { row1, row2, row3, row4 })
        rows->addLayout(row, 6);

    m_shiftIndicator = new QLabel(shift);
    m_shiftIndicator->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeIndicator();
    relabelLetters();

    connect(characterKeys(), QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &AlphabeticalKeyboard::slotLetterKeyClicked);
    connect(functionKeys(), QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &AlphabeticalKeyboard::slotFuncKeyClicked);
}

AlphabeticalKeyboard::ShiftState AlphabeticalKeyboard::shiftState() const
{
    if (m_capsLock)
        return ShiftState::CapsLock;
    return m_shift ? ShiftState::Shift : ShiftState::Off;
}

// A disc a third of the key's height, a quarter of the height in from the key's top-left corner; placed
// again whenever the key changes size, so it stays in proportion at every screen size.
void AlphabeticalKeyboard::placeIndicator()
{
    const QWidget *shift = m_shiftIndicator->parentWidget();
    const int h = shift->height();
    const int side = qMax(1, h / 3);
    m_shiftIndicator->setFixedSize(side, side);
    m_shiftIndicator->move(h / 4, h / 4);
    updateIndicator();
}

// Grey: lower case; blue: the next letter in upper case; red: caps lock.
void AlphabeticalKeyboard::updateIndicator()
{
    const QString &colour = m_capsLock ? indicatorCapsLock : (m_shift ? indicatorShift : indicatorOff);
    m_shiftIndicator->setStyleSheet(
        QStringLiteral("QLabel{border: 1px solid gray;border-radius: %1px;background: %2;}")
            .arg(m_shiftIndicator->width() / 2)
            .arg(colour));
}

void AlphabeticalKeyboard::relabelLetters()
{
    const QString &letters = (m_capsLock || m_shift) ? upperLetters : lowerLetters;
    for (int i = 0; i < letters.size(); ++i)
        characterKeys()->button(i)->setText(QString(letters.at(i)));
}

bool AlphabeticalKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == functionKeys()->button(Shift))
        placeIndicator();
    return KeyboardPage::eventFilter(watched, event);
}

void AlphabeticalKeyboard::slotLetterKeyClicked(QAbstractButton *key)
{
    typeCharacter(key->text());
    if (m_shift) {
        m_shift = false;
        updateIndicator();
        relabelLetters();
    }
}

void AlphabeticalKeyboard::slotFuncKeyClicked(QAbstractButton *key)
{
    switch (functionKeys()->id(key)) {
    case Shift:
        if (m_capsLock) {
            m_shift = false;
            m_capsLock = false;
        } else if (m_shift) {
            m_capsLock = true;
            m_shift = false;
        } else {
            m_shift = true;
        }
        updateIndicator();
        emitKey(Qt::Key_CapsLock);
        relabelLetters();
        break;
    case Backspace:
        typeBackspace();
        break;
    case SwitchPage:
        typeSwitchPage();
        break;
    case Space:
        appendToField(QStringLiteral(" "));
        emitKey(Qt::Key_Space);
        break;
    case Cancel:
        typeCancel();
        break;
    case Enter:
        typeEnter();
        break;
    }
}
