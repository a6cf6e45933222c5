#include "alerts/SingleAlertTypeController.h"

#include "alerts/AlertWords.h"
#include "alerts/BasicAlert.h"
#include "common/LogText.h"
#include "common/SignalExtender.h"

#include <QDebug>
#include <QLocale>

#include <cmath>

namespace {

const int maxAlertInstance = 999999;

// Field 2: a text that is no integer gives 0, the alert without an identifier.
int identifierField(const QStringList &fields)
{
    return fields.value(2).toInt();
}

int wordField(const QStringList &fields, int index, int (*fromName)(const QString &), int fallback)
{
    return index < fields.size() ? fromName(fields.at(index)) : fallback;
}

int instanceField(const QStringList &fields)
{
    if (fields.size() <= 6)
        return 0;
    bool ok = false;
    const int instance = fields.at(6).toInt(&ok);
    if (!ok || instance < 0 || instance > maxAlertInstance) {
        qDebug() << "Alert definition" << logExcerpt(fields.value(0)) << ": initial instance"
                 << logExcerpt(fields.at(6)) << "is no number from 0 to 999999, 0 taken";
        return 0;
    }
    return instance;
}

// Field 8 when it is a positive decimal number, otherwise the default (logged when the field was there).
double escalationMinutesField(const QStringList &fields)
{
    const double fallback = BasicAlert::defaultEscalationMinutes;
    if (fields.size() <= 8)
        return fallback;
    bool ok = false;
    const double value = QLocale::c().toDouble(fields.at(8).trimmed(), &ok);
    if (ok && std::isfinite(value) && value > 0.0)
        return value;
    qDebug() << "Alert definition" << logExcerpt(fields.value(0)) << ": escalation time"
             << logExcerpt(fields.at(8)) << "is no positive number," << fallback << "taken";
    return fallback;
}

} // namespace

SingleAlertTypeController::SingleAlertTypeController(const QStringList &fields, QObject *parent)
    : QObject(parent)
    , m_alertName(fields.value(0))
    , m_alertText(fields.value(1))
{
    m_basicAlert = new BasicAlert(this, identifierField(fields),
        wordField(fields, 3, alertPriorityFromName, static_cast<int>(AlertPriority::Alert)),
        wordField(fields, 4, alertCategoryFromName, static_cast<int>(AlertCategory::CatB)),
        wordField(fields, 5, alertEscalationFromName, static_cast<int>(EscalationType::WarningToWarning)),
        instanceField(fields), fields.size() > 7 ? fields.at(7) == QLatin1String("true") : true,
        escalationMinutesField(fields));
    registerAndQueueConnections();
}

SingleAlertTypeController::SingleAlertTypeController(const QString &name, QObject *parent,
    int alertIdentifier, int alertPriority, int alertCategory, int escalationType, int alertInstance,
    bool ackWhenRectified, double escalationMinutes)
    : QObject(parent)
    , m_alertName(name)
    , m_basicAlert(new BasicAlert(this, alertIdentifier, alertPriority, alertCategory, escalationType,
          alertInstance, ackWhenRectified, escalationMinutes))
    , m_alertText(name)
{
    registerAndQueueConnections();
}

SingleAlertTypeController::~SingleAlertTypeController()
{
    delete m_basicAlert;
}

void SingleAlertTypeController::registerAndQueueConnections()
{
    SignalExtender *registry = SignalExtender::instance();
    const QString alertObjectName = m_alertName + QLatin1String("_basic_alert");
    registry->registerObject(m_alertName, this);
    registry->registerObject(alertObjectName, m_basicAlert);
    // Unique: each change must give one sentence, also if two queued records meet the same objects.
    const int type = Qt::AutoConnection | Qt::UniqueConnection;
    registry->addPendingConnection(alertObjectName, QStringLiteral("2stateChanged(int, AlertState)"),
        QStringLiteral("AlfController"), QStringLiteral("1createAlfMessage(int)"), type);
    registry->addPendingConnection(alertObjectName, QStringLiteral("2alrStateChanged(int, AlertState)"),
        QStringLiteral("AlrController"), QStringLiteral("1createAlrMessage(int)"), type);
}

void SingleAlertTypeController::setAlertName(const QString &alertName)
{
    m_alertName = alertName;
}

void SingleAlertTypeController::setManufacturerCode(const QString &manufacturerCode)
{
    m_manufacturerCode = manufacturerCode;
}

void SingleAlertTypeController::setActionSource(const QString &actionSource)
{
    m_actionSource = actionSource;
}

void SingleAlertTypeController::raiseAlert(QString source)
{
    m_actionSource = source;
    m_basicAlert->raiseAlert();
    if (source == QLatin1String("HeartbeatMissing"))
        emit removeMonitor(m_alertName);
}

void SingleAlertTypeController::clearAlert(QString source)
{
    m_actionSource = source;
    m_basicAlert->clearAlert();
    emit removeMonitor(m_alertName);
}

void SingleAlertTypeController::acknowledgeAlert(QString source)
{
    m_actionSource = source;
    m_basicAlert->acknowledgeAlert();
}

void SingleAlertTypeController::silenceAlert(QString source)
{
    m_actionSource = source;
    m_basicAlert->silenceAlert();
}

void SingleAlertTypeController::transferResponsibility(QString source)
{
    m_actionSource = source;
    m_basicAlert->transferResponsibility();
}

void SingleAlertTypeController::setAlertDeactivated(bool alertDeactivated)
{
    m_basicAlert->setAlertDeactivated(alertDeactivated);
}

void SingleAlertTypeController::testAlert(QString source)
{
    m_actionSource = source;
    m_basicAlert->testAlert();
}

void SingleAlertTypeController::setAlertText(QString alertText)
{
    if (alertText == m_alertText)
        return;
    m_alertText = alertText;
    m_basicAlert->reannounceState();
}
