#include "ui/keyboards/KeyboardPage.h"

#include "ui/CustomLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

KeyboardPage::KeyboardPage(QWidget *parent)
    : QWidget(parent)
    , m_textField(new QLineEdit(this))
    , m_characterKeys(new QButtonGroup(this))
    , m_functionKeys(new QButtonGroup(this))
{
    updateStyleSheets();
    m_textField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_textField->setFocusPolicy(Qt::NoFocus);
    m_textField->setStyleSheet(m_textFieldStyle);

    m_textChangeTimer.setInterval(textChangeMarkMs);
    connect(m_textField, &QLineEdit::textChanged, this, &KeyboardPage::slotTextChanged);
    connect(&m_textChangeTimer, &QTimer::timeout, this, &KeyboardPage::slotTextChangeTimerTimeout);
}

QSize KeyboardPage::referenceSize() const
{
    return parentWidget() ? parentWidget()->size() : QSize(320, 240);
}

void KeyboardPage::updateStyleSheets()
{
    const QString pixels = QString::number(int(24 * screenScale()));
    m_keyStyle = QStringLiteral("QPushButton {color: black; font: ") + pixels
        + QStringLiteral("px; background-color: rgb(240, 255, 255);}"
                         "QPushButton:hover {background-color: rgb(210, 233, 245);}"
                         "QPushButton:pressed {background-color: rgb(135, 206, 235);}");
    m_textFieldStyle = QStringLiteral("QLineEdit {color:black; font: ") + pixels
        + QStringLiteral("px; background-color: rgb(240, 255, 255)}");
    m_changedTextFieldStyle = QStringLiteral("QLineEdit {color:black; font: ") + pixels
        + QStringLiteral("px; background-color: rgb(240, 255, 255) }");
}

QPushButton *KeyboardPage::newKey(const QString &text, QButtonGroup *group)
{
    QPushButton *key = new QPushButton(text, this);
    key->setFocusPolicy(Qt::NoFocus);
    key->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    key->setStyleSheet(m_keyStyle);
    key->installEventFilter(this);
    group->addButton(key, group->buttons().size());
    m_keys.append(key);
    return key;
}

QPushButton *KeyboardPage::addCharacterKey(const QString &text)
{
    return newKey(text, m_characterKeys);
}

QPushButton *KeyboardPage::addFunctionKey(const QString &text, const QString &iconPath)
{
    QPushButton *key = newKey(text, m_functionKeys);
    if (!iconPath.isEmpty())
        key->setIcon(QIcon(iconPath));
    return key;
}

QBoxLayout *KeyboardPage::newBox(Qt::Orientation orientation, int spacing)
{
    QBoxLayout *box
        = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    box->setSpacing(spacing);
    box->setContentsMargins(0, 0, 0, 0);
    return box;
}

void KeyboardPage::typeCharacter(const QString &text)
{
    appendToField(text);
    emitKey(text.at(0).unicode(), text);
}

void KeyboardPage::typeBackspace()
{
    m_textField->backspace();
    emitKey(Qt::Key_Backspace);
}

void KeyboardPage::typeSwitchPage()
{
    emitKey(Qt::Key_CapsLock);
    emit sigSwitchLayout();
}

void KeyboardPage::emitKey(int key, const QString &text)
{
    emit sigKeyPressed(KeyEventInfo(QEvent::KeyPress, key, text));
}

void KeyboardPage::appendToField(const QString &text)
{
    m_textField->setText(m_textField->text() + text);
}

void KeyboardPage::setText(const QString &text)
{
    m_textField->setText(text);
}

void KeyboardPage::slotTextChanged(const QString &)
{
    m_textField->setStyleSheet(m_changedTextFieldStyle);
    m_textChangeTimer.start();
}

void KeyboardPage::slotTextChangeTimerTimeout()
{
    m_textField->setStyleSheet(m_textFieldStyle);
    m_textChangeTimer.stop();
}

void KeyboardPage::keyPressEvent(QKeyEvent *event)
{
    // Physical keys are reported like the page's own; they change no text here, the owner answers with
    // setText().
    if (event->key() == Qt::Key_Enter)
        typeEnter();
    else
        emit sigKeyPressed(KeyEventInfo(event->type(), event->key(), event->text()));
}

void KeyboardPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_captureKeyboard)
        grabKeyboard();
}

void KeyboardPage::hideEvent(QHideEvent *event)
{
    if (m_captureKeyboard)
        releaseKeyboard();
    QWidget::hideEvent(event);
}

void KeyboardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateStyleSheets();
    m_textField->setStyleSheet(m_textFieldStyle);
    const int iconSide = int(24 * screenScale());
    for (QPushButton *key : qAsConst(m_keys))
        key->setStyleSheet(m_keyStyle);
    for (int id = 0; id < 2; ++id) {
        if (QAbstractButton *key = m_functionKeys->button(id))
            key->setIconSize(QSize(iconSide, iconSide));
    }
    if (m_captureKeyboard && isVisible())
        grabKeyboard();
}

QPushButton *KeyboardPage::keyAt(const QPoint &globalPos) const
{
    for (QPushButton *key : m_keys) {
        if (key->isVisible() && key->rect().contains(key->mapFromGlobal(globalPos)))
            return key;
    }
    return nullptr;
}

bool KeyboardPage::eventFilter(QObject *watched, QEvent *event)
{
    QPushButton *watchedKey = qobject_cast<QPushButton *>(watched);
    if (!watchedKey || !m_keys.contains(watchedKey))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const QPoint globalPos = static_cast<QMouseEvent *>(event)->globalPos();
        for (QPushButton *key : qAsConst(m_keys))
            key->setDown(key->rect().contains(key->mapFromGlobal(globalPos)));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        // The key under the finger is typed, wherever the press began; lifted over no key, nothing is.
        const QPoint globalPos = static_cast<QMouseEvent *>(event)->globalPos();
        for (QPushButton *key : qAsConst(m_keys))
            key->setDown(false);
        if (QPushButton *key = keyAt(globalPos))
            key->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
