#include "ui/controllers/SetupEnumInterface.h"

#include "common/SignalEmitter.h"
#include "info/EnumPropertyInfo.h"
#include "ui/dialogs/SetupLongPressScreen.h"

#include <QAbstractButton>
#include <QDebug>

SetupEnumInterface *SetupEnumInterface::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static SetupEnumInterface *controller = new SetupEnumInterface;
    return controller;
}

SetupEnumInterface::SetupEnumInterface(QObject *parent)
    : SetupModelInterface(parent)
{
    m_longPressTimer.setInterval(longPressMs);
    connect(propertyInfoSignalEmitter(), SIGNAL(signalButtonOfEnumPropertyInfoPressed(EnumPropertyInfo *)),
        this, SLOT(buttonOfEnumPropertyInfoPressed(EnumPropertyInfo *)));
    connect(propertyInfoSignalEmitter(), SIGNAL(signalButtonOfEnumPropertyInfoReleased(EnumPropertyInfo *)),
        this, SLOT(buttonOfEnumPropertyInfoReleased(EnumPropertyInfo *)));
}

void SetupEnumInterface::setLongPressScreen(SetupLongPressScreen *screen)
{
    if (m_longPressScreen) {
        destroyConnectionsToLongPressDialog();
        disconnect(m_longPressScreen, SIGNAL(closed()), this, SLOT(destroyConnectionsToLongPressDialog()));
    }
    m_longPressScreen = screen;
    if (screen)
        connect(screen, SIGNAL(closed()), this, SLOT(destroyConnectionsToLongPressDialog()));
}

SetupLongPressScreen *SetupEnumInterface::longPressScreen() const
{
    return m_longPressScreen;
}

EnumPropertyInfo *SetupEnumInterface::currentEnumProperty() const
{
    return m_currentEnum;
}

void SetupEnumInterface::setCurrentProperty(PropertyInfo *property, const QString &prefix)
{
    SetupModelInterface::setCurrentProperty(property, prefix);
    m_currentEnum = qobject_cast<EnumPropertyInfo *>(property);
}

void SetupEnumInterface::edit(PropertyInfo *, const QString &) { }

void SetupEnumInterface::buttonOfEnumPropertyInfoPressed(EnumPropertyInfo *property)
{
    if (!isActiveController() || !property)
        return;
    m_pressedButton = property->button();
    m_currentEnum = property;
    m_currentProperty = property;
    if (!property->isValid())
        return;
    if (autoFunctionsBlock(property)) {
        askTurnOffAutoFunctions();
        return;
    }
    m_longPressTimer.start();
    if (property->isProtected() && !m_loggedIn) {
        showLogin();
        // The release of this press must not step the setting: the user presses again once logged in.
        if (m_pressedButton)
            m_pressedButton->releaseMouse();
        m_longPressTimer.stop();
    }
}

void SetupEnumInterface::buttonOfEnumPropertyInfoReleased(EnumPropertyInfo *)
{
    if (!isActiveController() || !m_currentEnum)
        return;
    if (m_currentEnum->isValid() && m_longPressTimer.isActive()) {
        m_longPressTimer.stop();
        m_currentEnum->next(false);
    }
}

void SetupEnumInterface::openChooserFor(EnumPropertyInfo *property)
{
    m_currentEnum = property;
    openLongPressDialog();
}

void SetupEnumInterface::openLongPressDialog()
{
    if (!m_currentEnum || !m_currentEnum->isValid())
        return;
    if (!m_longPressScreen) {
        qWarning() << "SetupEnumInterface: no value chooser for" << m_currentEnum->name();
        return;
    }
    connect(m_longPressScreen, SIGNAL(valueChanged(QString)), this,
        SLOT(changeEnumPropertyFromLongPress(QString)), Qt::UniqueConnection);
    connect(m_longPressScreen, SIGNAL(turnOnAutoFunctions()), this, SLOT(turnAutoFunctionsOnFromLongPress()),
        Qt::UniqueConnection);
    m_longPressScreen->setValues(m_currentEnum->selectableDisplayedValues(), m_currentEnum->displayedUnit());
    m_longPressScreen->setTitle(m_currentEnum->displayedName());
    m_longPressScreen->setAutoButtonVisible(m_currentEnum->autoMode());
    m_longPressScreen->show();
    m_longPressScreen->raise();
    raiseDimmingAbove(m_longPressScreen);
}

void SetupEnumInterface::changeEnumPropertyFromLongPress(QString value)
{
    if (m_currentEnum)
        m_currentEnum->setCurrentDisplayedValue(value);
}

void SetupEnumInterface::turnAutoFunctionsOnFromLongPress()
{
    turnAutoFunctionsOn();
}

void SetupEnumInterface::destroyConnectionsToLongPressDialog()
{
    if (!m_longPressScreen)
        return;
    disconnect(m_longPressScreen, SIGNAL(valueChanged(QString)), this,
        SLOT(changeEnumPropertyFromLongPress(QString)));
    disconnect(
        m_longPressScreen, SIGNAL(turnOnAutoFunctions()), this, SLOT(turnAutoFunctionsOnFromLongPress()));
}
