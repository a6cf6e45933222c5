#include "ui/keyboards/KeyBoardScreen.h"

#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/keyboards/WhiteBackground.h"

#include <QLabel>
#include <QResizeEvent>

KeyBoardScreen::KeyBoardScreen(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_keyboard(new QVirtualKeyboard(this))
{
    WhiteBackground::apply(this);

    m_title->setStyleSheet(QStringLiteral("QLabel{background-color:black; font: 14 pt;}"));
    m_title->setFocusPolicy(Qt::NoFocus);
    // Themed by the window like every text, but placed by this screen above its keyboard.
    m_title->setAccessibleDescription(QStringLiteral("ExcludeFromCL_G"));

    m_keyboard->resize(int(0.59 * width()), int(0.55 * height()));
    m_keyboard->move(0, height() - m_keyboard->height());
    placeTitleAboveKeyboard();
}

void KeyBoardScreen::setTitle(const QString &name)
{
    m_title->setText(QStringLiteral("Edit value ") + name + QStringLiteral(" :"));
}

// The title ends where the keyboard begins: both follow from the keyboard's height.
void KeyBoardScreen::placeTitleAboveKeyboard()
{
    m_title->setGeometry(
        0, int(0.9 * height() - m_keyboard->height()), m_keyboard->width(), int(0.1 * height()));
}

void KeyBoardScreen::resizeEvent(QResizeEvent *event)
{
    const int w = width();
    const int h = height();
    const QSize keyboardSize(int(0.59 * w), int(0.55 * h));
    m_keyboard->move(0, int(0.45 * h));
    m_keyboard->resize(keyboardSize);
    m_keyboard->setFixedSize(keyboardSize);
    placeTitleAboveKeyboard();
    // The base width is the design width the window gave this screen.
    if (baseSize().width() > 0) {
        QFont font = m_title->font();
        font.setPointSizeF(14.0 * w / baseSize().width());
        m_title->setFont(font);
    }
    QWidget::resizeEvent(event);
}
