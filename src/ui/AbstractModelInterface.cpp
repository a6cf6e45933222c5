#include "ui/AbstractModelInterface.h"

#include "info/DataInfoSingleton.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "ui/BaseScreen.h"
#include "ui/CustomDialog.h"

#include <QAbstractButton>
#include <QDebug>
#include <QWidget>

AbstractModelInterface::AbstractModelInterface(QObject *parent)
    : QObject(parent)
    , m_registry(DataInfoSingleton::instance()->dataInfo())
{
    m_longPressTimer.setSingleShot(true);
    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(openLongPressDialog()));
    if (m_registry && m_registry->setupDataInfo())
        m_autoFunctions = m_registry->setupDataInfo()->getEnumPropertyInfo(
            QStringLiteral("AutoFunctions"), QStringLiteral("OptionsSetup"));
}

void AbstractModelInterface::setMessageDialog(CustomDialog *dialog)
{
    m_messageDialog = dialog;
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
    connect(m_messageDialog, SIGNAL(okButtonClicked()), this, SLOT(turnAutoFunctionsOff()),
        Qt::UniqueConnection);
    connect(m_messageDialog, SIGNAL(cancelButtonClicked()), this, SLOT(destroyConnectionsToAutoFunctionsDialog()),
        Qt::UniqueConnection);
    m_messageDialog->showMessage(QStringLiteral("Do you want to turn off the auto functions?"), QStringLiteral("q"));
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
    disconnect(m_messageDialog, SIGNAL(cancelButtonClicked()), this, SLOT(destroyConnectionsToAutoFunctionsDialog()));
}

void AbstractModelInterface::raiseDimmingAbove(QWidget *overlay)
{
    if (auto *window = qobject_cast<BaseScreen *>(overlay->window()))
        window->raiseBrightnessWidget();
}
