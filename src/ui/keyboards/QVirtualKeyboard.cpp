#include "ui/keyboards/QVirtualKeyboard.h"

#include "ui/CustomLayout.h"
#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/NumericalKeyboard.h"

#include <QLabel>
#include <QStackedLayout>

namespace {

const QString alphabeticalName = QStringLiteral("Alphabetical");
const QString numericalName = QStringLiteral("Numerical");

} // namespace

QVirtualKeyboard::QVirtualKeyboard(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<KeyEventInfo>("KeyEventInfo");
    resize(referenceSize());

    m_background = new QLabel(this);
    m_background->setStyleSheet(QStringLiteral("background-color:rgb(105, 105, 105);"));
    m_background->setGeometry(rect());

    m_pages = new QStackedLayout(this);
    m_alphabetical = new AlphabeticalKeyboard(this);
    m_numerical = new NumericalKeyboard(this);
    m_pages->addWidget(m_alphabetical);
    m_pages->addWidget(m_numerical);
    m_pages->setCurrentIndex(0);

    m_inactivityTimer.setSingleShot(true);
    m_inactivityTimer.setInterval(inactivityMs);

    for (KeyboardPage *page :
        { static_cast<KeyboardPage *>(m_alphabetical), static_cast<KeyboardPage *>(m_numerical) }) {
        connect(page, &KeyboardPage::sigKeyPressed, this, &QVirtualKeyboard::slotKeyPressed);
        connect(page, &KeyboardPage::sigSwitchLayout, this, &QVirtualKeyboard::slotSwitchLayout);
    }
    connect(&m_inactivityTimer, &QTimer::timeout, this,
        [this]() { slotKeyPressed(KeyEventInfo(QEvent::KeyPress, Qt::Key_Cancel, QString())); });

    // The keyboard lays itself out from its own size and scales its keys' fonts itself.
    CustomLayout::excludeFromScaling(this);
}

QSize QVirtualKeyboard::referenceSize() const
{
    return parentWidget() ? parentWidget()->size() : QSize(320, 160);
}

KeyboardPage *QVirtualKeyboard::currentPage() const
{
    return m_pages->currentIndex() == 0 ? static_cast<KeyboardPage *>(m_alphabetical)
                                        : static_cast<KeyboardPage *>(m_numerical);
}

QString QVirtualKeyboard::currentLayoutName() const
{
    switch (m_pages->currentIndex()) {
    case 0:
        return alphabeticalName;
    case 1:
        return numericalName;
    default:
        return QString();
    }
}

QString QVirtualKeyboard::text() const
{
    return currentPage()->text();
}

void QVirtualKeyboard::setKeysEnabled(bool enabled)
{
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->setEnabled(enabled);
}

void QVirtualKeyboard::setEchoMode(QLineEdit::EchoMode mode)
{
    m_alphabetical->setEchoMode(mode);
    m_numerical->setEchoMode(mode);
}

void QVirtualKeyboard::slotSetText(const QString &text)
{
    m_numerical->setText(text);
    m_alphabetical->setText(text);
}

void QVirtualKeyboard::slotSwitchLayout()
{
    KeyboardPage *other = m_pages->currentIndex() == 0 ? static_cast<KeyboardPage *>(m_numerical)
                                                       : static_cast<KeyboardPage *>(m_alphabetical);
    other->setText(currentPage()->text());
    m_pages->setCurrentIndex((m_pages->currentIndex() + 1) % 2);
}

void QVirtualKeyboard::setLayout(const QString &layoutType)
{
    if (!m_layoutSwitchEnabled)
        return;
    int wanted = -1;
    if (layoutType == numericalName)
        wanted = 1;
    else if (layoutType == alphabeticalName)
        wanted = 0;
    if (wanted >= 0 && wanted != m_pages->currentIndex())
        slotSwitchLayout();
}

void QVirtualKeyboard::slotKeyPressed(KeyEventInfo event)
{
    // Cancel and Enter end the editing: the timer stops before the owner reacts, so a Cancel made up
    // later can never reach an owner that has closed. Any other key restarts the inactivity time of the
    // open keyboard (hiding it stops the time again).
    if (event.key == Qt::Key_Cancel || event.key == Qt::Key_Enter)
        m_inactivityTimer.stop();
    else if (isVisible())
        m_inactivityTimer.start();
    emit keyPressed(event);
    if (event.key == Qt::Key_Cancel)
        hide();
}

void QVirtualKeyboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_background->resize(size());
    m_alphabetical->resize(size());
    m_numerical->resize(size());
}

void QVirtualKeyboard::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_background->setGeometry(rect());
    m_inactivityTimer.start();
}

void QVirtualKeyboard::hideEvent(QHideEvent *event)
{
    m_inactivityTimer.stop();
    QWidget::hideEvent(event);
}
