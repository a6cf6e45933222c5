#include "ui/controllers/SetupValueInterface.h"

#include "common/SignalEmitter.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QAbstractButton>
#include <QDebug>

SetupValueInterface *SetupValueInterface::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static SetupValueInterface *controller = new SetupValueInterface;
    return controller;
}

SetupValueInterface::SetupValueInterface(QObject *parent)
    : SetupModelInterface(parent)
{
    connect(propertyInfoSignalEmitter(), SIGNAL(signalButtonOfValuePropertyInfoPressed(ValuePropertyInfo *)),
        this, SLOT(buttonOfValuePropertyInfoPressed(ValuePropertyInfo *)));
    connect(propertyInfoSignalEmitter(), SIGNAL(signalButtonOfValuePropertyInfoReleased(ValuePropertyInfo *)),
        this, SLOT(buttonOfValuePropertyInfoReleased(ValuePropertyInfo *)));
}

void SetupValueInterface::setKeyboardScreen(KeyBoardScreen *screen)
{
    if (m_keyboardScreen)
        m_keyboardScreen->keyboard()->disconnect(this);
    m_keyboardScreen = screen;
    if (screen)
        connect(
            screen->keyboard(), SIGNAL(keyPressed(KeyEventInfo)), this, SLOT(slotKeyPressed(KeyEventInfo)));
}

KeyBoardScreen *SetupValueInterface::keyboardScreen() const
{
    return m_keyboardScreen;
}

ValuePropertyInfo *SetupValueInterface::currentValueProperty() const
{
    return m_currentValue;
}

void SetupValueInterface::setCurrentProperty(PropertyInfo *property, const QString &prefix)
{
    SetupModelInterface::setCurrentProperty(property, prefix);
    m_currentValue = qobject_cast<ValuePropertyInfo *>(property);
}

void SetupValueInterface::edit(PropertyInfo *property, const QString &prefix)
{
    SetupModelInterface::setCurrentProperty(property, prefix);
    m_currentValue = qobject_cast<ValuePropertyInfo *>(property);
    startEditing();
}

void SetupValueInterface::buttonOfValuePropertyInfoPressed(ValuePropertyInfo *property)
{
    if (!isActiveController() || !property)
        return;
    m_pressedButton = property->button();
    m_currentValue = property;
    m_currentProperty = property;
    if (!property->isValid())
        return;
    if (autoFunctionsBlock(property)) {
        askTurnOffAutoFunctions();
        return;
    }
    if (property->isProtected() && !m_loggedIn) {
        showLogin();
        return;
    }
    startEditing();
}

void SetupValueInterface::buttonOfValuePropertyInfoReleased(ValuePropertyInfo *) { }

void SetupValueInterface::openLongPressDialog() { }

void SetupValueInterface::startEditing()
{
    // Only a free value can be typed in; anything else handed over has no editor.
    if (!m_currentValue) {
        qWarning() << "SetupValueInterface: no value to edit";
        return;
    }
    if (!m_keyboardScreen) {
        qWarning() << "SetupValueInterface: no value editor for" << m_currentValue->name();
        return;
    }
    m_typedText.clear();
    m_unit = m_currentValue->displayedUnit();
    m_validator = m_currentValue->validator();
    QVirtualKeyboard *keyboard = m_keyboardScreen->keyboard();
    keyboard->setLayout(m_currentValue->isNumeric() || m_currentValue->isIp()
            ? QStringLiteral("Numerical")
            : QStringLiteral("Alphabetical"));
    showTypedText();
    m_keyboardScreen->show();
    m_keyboardScreen->raise();
    m_keyboardScreen->setTitle(m_currentValue->displayedName());
    keyboard->show();
    keyboard->raise();
    m_editing = true;
    raiseDimmingAbove(m_keyboardScreen);
}

void SetupValueInterface::showTypedText()
{
    m_keyboardScreen->keyboard()->slotSetText(m_typedText + QLatin1Char(' ') + m_unit);
}

void SetupValueInterface::slotKeyPressed(KeyEventInfo event)
{
    // The editor's keyboard may serve others while no value of ours is open: their keys write nothing.
    if (!m_editing) {
        if (event.key == Qt::Key_Cancel)
            m_typedText.clear();
        return;
    }
    switch (event.key) {
    case Qt::Key_Cancel:
        m_typedText.clear();
        closeEditor();
        break;
    case Qt::Key_Backspace:
        m_typedText.chop(1);
        showTypedText();
        break;
    case Qt::Key_Enter:
        commitValue();
        break;
    case Qt::Key_CapsLock:
        break;
    default:
        m_typedText += event.text;
        showTypedText();
        break;
    }
}

void SetupValueInterface::commitValue()
{
    ValuePropertyInfo *property = m_currentValue;
    if (!property) {
        closeEditor();
        return;
    }
    if (m_validator && !m_validator->validate(m_typedText)) {
        const QString text = property->displayedName() + QLatin1Char(' ') + m_validator->message();
        if (m_messageDialog)
            m_messageDialog->showMessage(text, QStringLiteral("x"));
        else
            qWarning() << "SetupValueInterface: refused value:" << text;
        closeEditor();
        return;
    }
    property->setDisplayedValue(m_typedText);
    auto *address = dynamic_cast<IpValidator *>(m_validator);
    if (address && !address->isInApprovedRange() && m_messageDialog)
        m_messageDialog->showMessage(address->unapprovedRangeMessage(), QStringLiteral("e"));
    closeEditor();
}

void SetupValueInterface::closeEditor()
{
    m_editing = false;
    if (m_keyboardScreen)
        m_keyboardScreen->hide();
}
