#include "ui/controllers/SetupModelInterface.h"

#include "info/SetupPropertyInfo.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QAbstractButton>
#include <QDebug>

SetupModelInterface::SetupModelInterface(QObject *parent)
    : AbstractModelInterface(parent)
{
}

void SetupModelInterface::showLogin()
{
    if (!m_loginWidget) {
        qWarning() << "SetupModelInterface: no password lock for a protected setting";
        return;
    }
    m_loginWidget->show();
    m_loginWidget->raise();
    m_loginWidget->keyboard()->show();
    m_loginWidget->keyboard()->raise();
    raiseDimmingAbove(m_loginWidget);
}

void SetupModelInterface::setLoginWidget(PasswordWidget *widget)
{
    if (m_loginWidget)
        m_loginWidget->disconnect(this);
    m_loginWidget = widget;
    if (!widget)
        return;
    connect(widget, SIGNAL(login()), this, SLOT(login()));
    connect(widget, SIGNAL(cancel()), widget, SLOT(hide()), Qt::UniqueConnection);
}

void SetupModelInterface::setCurrentProperty(PropertyInfo *property, const QString &prefix)
{
    m_currentProperty = property;
    auto *setup = qobject_cast<SetupPropertyInfo *>(property);
    m_pressedButton = setup ? setup->button() : nullptr;
    m_prefix = prefix;
    m_propertyName = property ? property->name() : QString();
}

PasswordWidget *SetupModelInterface::loginWidget() const
{
    return m_loginWidget;
}

void SetupModelInterface::login()
{
    if (m_loginWidget)
        m_loginWidget->hide();
    m_loggedIn = true;
}
