#include "ui/keyboards/PasswordWidget.h"

#include "ui/CustomLayout.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/keyboards/WhiteBackground.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Seven lower-case letters, fixed in the program; service staff know it.
const QString storedPassword = QStringLiteral("halyard");

const QString fieldStyle = QStringLiteral("QLineEdit {background-color: green; border: none;}");

bool unlocked = false;

} // namespace

PasswordWidget::PasswordWidget(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(QStringLiteral("PASSWORD:"), this))
    , m_passwordField(new QLineEdit(this))
    , m_keyboard(new QVirtualKeyboard(this))
{
    WhiteBackground::apply(this);

    QFont font = m_caption->font();
    font.setPixelSize(20);
    m_caption->setFont(font);
    m_caption->setStyleSheet(QStringLiteral("QLabel { color : rgb(82, 255, 96); }"));
    // The caption and the hidden field are placed and sized by this widget, not by the window's
    // scaling container.
    m_caption->setAccessibleDescription(QStringLiteral("ExcludeFromCL"));

    m_passwordField->setEchoMode(QLineEdit::Password);
    m_passwordField->setStyleSheet(QStringLiteral("background-color: green;"));
    m_passwordField->setFont(font);
    m_passwordField->setAccessibleDescription(QStringLiteral("ExcludeFromCL"));
    m_passwordField->setFocus();
    m_passwordField->hide();

    // What the keyboard's own text fields show of the typed password: masks only.
    m_keyboard->setEchoMode(QLineEdit::Password);

    const int w = width();
    const int h = height();
    m_caption->setGeometry(0, 0, w, int(0.1 * h));
    m_passwordField->setGeometry(0, int(0.1 * h), w / 4, h / 10);
    m_keyboard->move(0, h - m_keyboard->height() - m_caption->height());

    m_relockTimer.setInterval(relockMs);
    connect(m_keyboard, &QVirtualKeyboard::keyPressed, this, &PasswordWidget::slotKeyPressed);
    connect(&m_relockTimer, &QTimer::timeout, this, &PasswordWidget::reset);
}

bool PasswordWidget::isUnlocked()
{
    return unlocked;
}

void PasswordWidget::reset()
{
    unlocked = false;
    m_relockTimer.stop();
}

void PasswordWidget::clearPasswordField()
{
    m_passwordField->setStyleSheet(fieldStyle);
    m_passwordField->clear();
    m_keyboard->slotSetText(m_passwordField->text());
}

void PasswordWidget::slotKeyPressed(KeyEventInfo event)
{
    switch (event.key) {
    case Qt::Key_Cancel:
        clearPasswordField();
        emit cancel();
        break;
    case Qt::Key_Backspace: {
        QString text = m_passwordField->text();
        text.chop(1);
        m_passwordField->setText(text);
        m_keyboard->slotSetText(m_keyboard->text());
        break;
    }
    case Qt::Key_Enter:
        checkPassword();
        break;
    default: {
        // The field takes the key as typed: a key without text (Space, Shift, the page switch) adds nothing.
        m_passwordField->setStyleSheet(fieldStyle);
        QKeyEvent key(QEvent::Type(event.type), event.key, Qt::NoModifier, event.text, false, 1);
        QCoreApplication::sendEvent(m_passwordField, &key);
        break;
    }
    }
}

void PasswordWidget::checkPassword()
{
    if (m_passwordField->text() == storedPassword)
        unlock();
    else
        rejectPassword();
}

void PasswordWidget::unlock()
{
    emit login();
    clearPasswordField();
    unlocked = true;
    m_relockTimer.start();
}

void PasswordWidget::rejectPassword()
{
    if (!m_dialog) {
        qWarning() << "PasswordWidget: no message dialog for a rejected password";
        return;
    }
    m_dialog->showMessage(QStringLiteral("Wrong password!"), QStringLiteral("x"));
}

void PasswordWidget::hideEvent(QHideEvent *event)
{
    // Every way out of the lock forgets what was typed.
    clearPasswordField();
    QWidget::hideEvent(event);
}

void PasswordWidget::resizeEvent(QResizeEvent *event)
{
    const int w = width();
    const int h = height();
    m_passwordField->setGeometry(0, int(0.1 * h), w / 4, h / 10);
    QFont font = m_caption->font();
    font.setPixelSize(qMax(1, int(20 * screenScale())));
    m_passwordField->setFont(font);
    m_caption->setFont(font);
    m_caption->setGeometry(0, int(0.2 * h), w, int(0.1 * h));
    m_keyboard->setFixedSize(w, int(3 * h / 5));
    m_keyboard->move(0, int(0.3 * h));
    QWidget::resizeEvent(event);
}
