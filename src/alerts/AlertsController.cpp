#include "alerts/AlertsController.h"

#include "alerts/AlertWords.h"
#include "alerts/BasicAlert.h"
#include "alerts/HeartbeatMonitorsList.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/LogText.h"
#include "common/SignalExtender.h"

#include <QDebug>

AlertsController::AlertsController(const QStringList &definitionLines, QObject *parent)
    : QObject(parent)
    , m_heartbeatMonitors(new HeartbeatMonitorsList)
{
    for (const QString &line : definitionLines) {
        const QStringList fields = line.split(QLatin1Char(','), Qt::KeepEmptyParts, Qt::CaseSensitive);
        if (fields.size() < 3) {
            qDebug() << "Alert definition refused, it needs a name, a text and an identifier:"
                     << logExcerpt(line);
            continue;
        }
        auto *controller = new SingleAlertTypeController(fields, this);
        m_alertTypeControllers.append(controller);
        connect(controller, &SingleAlertTypeController::addMonitor, m_heartbeatMonitors,
            QOverload<QString, QString, QString>::of(&HeartbeatMonitorsList::addMonitor));
        connect(controller, &SingleAlertTypeController::removeMonitor, m_heartbeatMonitors,
            &HeartbeatMonitorsList::removeMonitor);
    }
    SignalExtender::instance()->registerObject(QStringLiteral("AlertsController"), this);
}

AlertsController::~AlertsController()
{
    const QList<SingleAlertTypeController *> controllers = m_alertTypeControllers;
    m_alertTypeControllers.clear();
    for (SingleAlertTypeController *controller : controllers)
        delete controller;
    delete m_heartbeatMonitors;
}

SingleAlertTypeController *AlertsController::findByIdentifier(int identifier) const
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers) {
        if (controller->alert()->alertIdentifier() == identifier)
            return controller;
    }
    return nullptr;
}

SingleAlertTypeController *AlertsController::findByName(const QString &name) const
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers) {
        if (controller->alertName() == name)
            return controller;
    }
    return nullptr;
}

SingleAlertTypeController *AlertsController::controllerAt(int index) const
{
    if (index < 0 || index >= m_alertTypeControllers.size())
        return nullptr;
    return m_alertTypeControllers.at(index);
}

int AlertsController::count() const
{
    return m_alertTypeControllers.size();
}

void AlertsController::setEscalationTime(int esc_time)
{
    if (m_alertTypeControllers.isEmpty())
        return;
    m_alertTypeControllers.first()->alert()->setEscaltionTime(esc_time);
}

void AlertsController::ackCatB_and_CatC_Alerts(QString source)
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers) {
        if (controller->alert()->alertCategory() != static_cast<int>(AlertCategory::CatA))
            controller->acknowledgeAlert(source);
    }
}

void AlertsController::ackAllAlerts(QString source)
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers)
        controller->acknowledgeAlert(source);
}

void AlertsController::silenceAllAlerts(QString source)
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers)
        controller->silenceAlert(source);
}

void AlertsController::ackAlertByText(QString source, QString alert_text)
{
    for (SingleAlertTypeController *controller : m_alertTypeControllers) {
        if (controller->alertText() == alert_text) {
            controller->acknowledgeAlert(source);
            return;
        }
    }
}
