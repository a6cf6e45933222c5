#include "alerts/SystemAlerts.h"

#include "alerts/AlertsController.h"
#include "alerts/AlfController.h"
#include "alerts/AlrController.h"

SystemAlerts::SystemAlerts(const QStringList &definitionLines, QObject *parent)
    : QObject(parent)
    , m_alertsController(new AlertsController(definitionLines, this))
    , m_alfController(new AlfController(m_alertsController, this))
    , m_alrController(new AlrController(m_alertsController, this))
{
}

SystemAlerts::~SystemAlerts()
{
    // The producers hold the list without owning it: they go after it, and nothing reaches them in
    // between.
    delete m_alertsController;
    delete m_alfController;
    delete m_alrController;
}

void SystemAlerts::setAlfMode(bool alf)
{
    m_alfMode = alf;
    m_alfController->setAlfEnabled(alf);
    m_alrController->setAlrEnabled(!alf);
}
