#include "ui/controllers/AbstractModelInterface.h"

#include "info/DataInfoSingleton.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/window/BaseScreen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QWidget>

AbstractModelInterface::AbstractModelInterface(QObject *parent)
    : QObject(parent)
{
    m_longPressTimer.setSingleShot(true);
    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(openLongPressDialog()));
    ESDataInfoClass *descriptions = registry();
    if (descriptions && descriptions->setupDataInfo())
        m_autoFunctions = descriptions->setupDataInfo()->getEnumPropertyInfo(
            QStringLiteral("AutoFunctions"), QStringLiteral("OptionsSetup"));
}

void AbstractModelInterface::setMessageDialog(CustomDialog *dialog)
{
    m_messageDialog = dialog;
}

ESDataInfoClass *AbstractModelInterface::registry()
{
    return DataInfoSingleton::instance()->dataInfo();
}

CustomDialog *AbstractModelInterface::messageDialog() const
{
    return m_messageDialog;
}

PropertyInfo *AbstractModelInterface::currentProperty() const
{
    return m_currentProperty;
}

QAbstractButton *AbstractModelInterface::pressedButton() const
{
    return m_pressedButton;
}

bool AbstractModelInterface::autoFunctionsBlock(const PropertyInfo *property) const
{
    return property && property->autoMode() && m_autoFunctions
        && m_autoFunctions->currentShownValue() == QLatin1String("ON");
}

void AbstractModelInterface::askTurnOffAutoFunctions()
{
    if (!m_messageDialog) {
        qWarning() << "AbstractModelInterface: no message dialog for the auto-functions question";
        return;
    }
    connect(
        m_messageDialog, SIGNAL(okButtonClicked()), this, SLOT(turnAutoFunctionsOff()), Qt::UniqueConnection);
    connect(m_messageDialog, SIGNAL(cancelButtonClicked()), this,
        SLOT(destroyConnectionsToAutoFunctionsDialog()), Qt::UniqueConnection);
    m_messageDialog->showMessage(
        QStringLiteral("Do you want to turn off the auto functions?"), QStringLiteral("q"));
}

void AbstractModelInterface::turnAutoFunctionsOn()
{
    if (m_autoFunctions)
        m_autoFunctions->setCurrentShownValue(QStringLiteral("ON"));
}

void AbstractModelInterface::turnAutoFunctionsOff()
{
    if (m_autoFunctions)
        m_autoFunctions->setCurrentShownValue(QStringLiteral("off"));
    destroyConnectionsToAutoFunctionsDialog();
}

void AbstractModelInterface::destroyConnectionsToAutoFunctionsDialog()
{
    if (!m_messageDialog)
        return;
    disconnect(m_messageDialog, SIGNAL(okButtonClicked()), this, SLOT(turnAutoFunctionsOff()));
    disconnect(m_messageDialog, SIGNAL(cancelButtonClicked()), this,
        SLOT(destroyConnectionsToAutoFunctionsDialog()));
}

void AbstractModelInterface::raiseDimmingAbove(QWidget *overlay)
{
    if (auto *window = qobject_cast<BaseScreen *>(overlay->window()))
        window->raiseBrightnessWidget();
}

AbstractButtonInfo *AbstractModelInterface::currentButton() const
{
    return m_currentButton;
}

void AbstractModelInterface::storeBinding(AbstractButtonInfo *binding)
{
    if (!m_buttonContainer)
        m_buttonContainer = new ButtonInfoContainer(this);
    if (binding)
        m_buttonContainer->insert(binding);
}

void AbstractModelInterface::pressBoundButton(AbstractButtonInfo *binding)
{
    if (!binding)
        return;
    m_currentButton = binding;
    m_currentProperty = binding->propertyInfo();
    m_prefix = binding->prefix();
    m_propertyName = m_currentProperty ? m_currentProperty->name() : QString();
    if (!m_currentProperty || !m_currentProperty->isValid())
        return;
    if (autoFunctionsBlock(m_currentProperty)) {
        askTurnOffAutoFunctions();
        return;
    }
    if (qobject_cast<ValuePropertyInfo *>(m_currentProperty)) {
        SetupValueInterface::instance()->edit(m_currentProperty, m_prefix);
        return;
    }
    m_longPressTimer.start();
}

void AbstractModelInterface::releaseBoundButton()
{
    if (!m_currentProperty || !m_currentProperty->isValid()) {
        m_longPressTimer.stop();
        return;
    }
    if (!m_longPressTimer.isActive())
        return;
    m_longPressTimer.stop();
    if (auto *enumerated = qobject_cast<EnumPropertyInfo *>(m_currentProperty)) {
        if (m_currentButton && m_currentButton->buttonType() == UpButton)
            enumerated->next(false);
        else
            enumerated->previous(false);
    }
}
