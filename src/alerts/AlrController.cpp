#include "alerts/AlrController.h"

#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/BasicAlert.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/LogLineLimiter.h"
#include "common/SignalExtender.h"
#include "common/TextChecks.h"

#include <QDebug>
#include <QTimer>

namespace {

// The longest alarm number the alert sentences carry (0 to 9999999).
const int maxAlarmNumberDigits = 7;

// Alarm condition and acknowledge state of an alert state, as written between the commas.
QString conditionPair(int state)
{
    switch (state) {
    case static_cast<int>(AlertState::ActiveUnacknowledged):
    case static_cast<int>(AlertState::ActiveSilenced):
        return QStringLiteral(",A,V,");
    case static_cast<int>(AlertState::ActiveAcknowledged):
    case static_cast<int>(AlertState::ActiveResponsibilityTransferred):
        return QStringLiteral(",A,A,");
    case static_cast<int>(AlertState::RectifiedUnacknowledged):
        return QStringLiteral(",V,V,");
    default:
        return QStringLiteral(",V,A,");
    }
}

bool isAlarmNumber(const QString &text)
{
    return text.size() <= maxAlarmNumberDigits && isAsciiDigits(text);
}

} // namespace

AlrController::AlrController(AlertsController *alertsController, QObject *parent)
    : QObject(parent)
    , m_alertsController(alertsController)
    , m_alrTimer(new QTimer(this))
{
    connect(m_alrTimer, &QTimer::timeout, this, &AlrController::createAlrList);
    m_alrTimer->start(defaultAlrListInterval);
    SignalExtender::instance()->registerObject(QStringLiteral("AlrController"), this);
}

AlrController::~AlrController()
{
    m_alrTimer->stop();
}

void AlrController::setAlrEnabled(bool alrEnabled)
{
    m_alrEnabled = alrEnabled;
}

int AlrController::alrListInterval() const
{
    return m_alrTimer->interval();
}

void AlrController::setAlrListInterval(int milliseconds)
{
    if (milliseconds < 1) {
        qDebug() << "AlrController: ALR list interval" << milliseconds << "ms refused";
        return;
    }
    m_alrTimer->start(milliseconds);
}

QString AlrController::alrContent(int alert_identifier) const
{
    const SingleAlertTypeController *controller
        = m_alertsController ? m_alertsController->findByIdentifier(alert_identifier) : nullptr;
    if (!controller)
        return QString();
    return QStringLiteral(",,") + QString::number(alert_identifier)
        + conditionPair(controller->alert()->alertState()) + controller->alertText();
}

void AlrController::createAlrMessage(int alert_identifier)
{
    if (!m_alrEnabled)
        return;
    const QString content = alrContent(alert_identifier);
    if (content.isEmpty())
        return;
    m_alertsController->findByIdentifier(alert_identifier)->alert()->clearNewChangePresentFlags();
    emit alrSentenceContents(content);
}

void AlrController::createAlrList()
{
    if (!m_alrEnabled || !m_alertsController)
        return;
    QList<QString> list;
    for (int i = 0; i < m_alertsController->count(); ++i) {
        BasicAlert *alert = m_alertsController->controllerAt(i)->alert();
        if (alert->isNormal())
            continue;
        // Built by identifier: two alerts sharing one both show the first one's state and text.
        list.append(alrContent(alert->alertIdentifier()));
        alert->clearNewChangePresentFlags();
    }
    if (list.isEmpty())
        list.append(QStringLiteral(",,,V,V,"));
    emit alrListContents(list);
}

void AlrController::handleAck(int alert_identifier, QString ack_source)
{
    if (!m_alrEnabled || !m_alertsController)
        return;
    SingleAlertTypeController *controller = m_alertsController->findByIdentifier(alert_identifier);
    if (!controller)
        return;
    const int category = controller->alert()->alertCategory();
    if (category == static_cast<int>(AlertCategory::CatA)
        || category == static_cast<int>(AlertCategory::CatC))
        return;
    controller->acknowledgeAlert(ack_source);
}

void AlrController::handleAck(QString ack_body, QString source)
{
    if (!m_alrEnabled)
        return;
    if (!isAlarmNumber(ack_body)) {
        ++m_invalidAckCount;
        if (admitLogLine("Alert acknowledgement refused"))
            qDebug() << "AlrController: acknowledgement refused, alarm number of" << ack_body.size()
                     << "characters is no number of 0 to 9999999";
        return;
    }
    handleAck(ack_body.toInt(), source);
}
