#include "alerts/AlfController.h"

#include "alerts/AcmRecord.h"
#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/BasicAlert.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/LogLineLimiter.h"
#include "common/SignalExtender.h"

#include <QDebug>
#include <QStringList>
#include <QTimer>

namespace {

const int maxAlfSequence = 9;
const int maxAlcSequence = 99;
const int addressLength = 5;
const int alfSfiLength = 6;

QString categoryLetter(int category)
{
    switch (category) {
    case static_cast<int>(AlertCategory::CatA):
        return QStringLiteral("A");
    case static_cast<int>(AlertCategory::CatC):
        return QStringLiteral("C");
    default:
        return QStringLiteral("B");
    }
}

QString priorityLetter(int priority)
{
    switch (priority) {
    case static_cast<int>(AlertPriority::Alarm):
        return QStringLiteral("A");
    case static_cast<int>(AlertPriority::Caution):
        return QStringLiteral("C");
    case static_cast<int>(AlertPriority::EmergencyAlarm):
        return QStringLiteral("E");
    default:
        return QStringLiteral("W");
    }
}

QString stateLetter(int state)
{
    switch (state) {
    case static_cast<int>(AlertState::ActiveUnacknowledged):
        return QStringLiteral("V");
    case static_cast<int>(AlertState::ActiveSilenced):
        return QStringLiteral("S");
    case static_cast<int>(AlertState::ActiveAcknowledged):
        return QStringLiteral("A");
    case static_cast<int>(AlertState::ActiveResponsibilityTransferred):
        return QStringLiteral("O");
    case static_cast<int>(AlertState::RectifiedUnacknowledged):
        return QStringLiteral("U");
    default:
        return QStringLiteral("N");
    }
}

bool hasContent(const BasicAlert *alert)
{
    return !alert->isNormal() || alert->newChangePresent();
}

QString alfContent(const SingleAlertTypeController *controller, int sequence)
{
    const BasicAlert *alert = controller->alert();
    QString content = QStringLiteral(",1,1,") + QString::number(sequence) + QLatin1Char(',');
    if (!hasContent(alert))
        return content;
    const QChar comma(QLatin1Char(','));
    content += comma + categoryLetter(alert->alertCategory()) + comma + priorityLetter(alert->alertPriority())
        + comma + stateLetter(alert->alertState()) + comma + controller->manufacturerCode() + comma
        + QString::number(alert->alertIdentifier()) + comma + QString::number(alert->alertInstance()) + comma
        + QString::number(alert->revisionCounter()) + comma + QString::number(alert->escalationCounter())
        + comma + controller->alertText();
    return content;
}

} // namespace

AlfController::AlfController(AlertsController *alertsController, QObject *parent)
    : QObject(parent)
    , m_alertsController(alertsController)
    , m_alcTimer(new QTimer(this))
    , m_acmRecord(new AcmRecord)
{
    connect(m_alcTimer, &QTimer::timeout, this, &AlfController::createAlcMessage);
    m_alcTimer->start(defaultAlcInterval);
    SignalExtender::instance()->registerObject(QStringLiteral("AlfController"), this);
}

AlfController::~AlfController()
{
    m_alcTimer->stop();
}

void AlfController::setAlfEnabled(bool alfEnabled)
{
    m_alfEnabled = alfEnabled;
}

int AlfController::alcInterval() const
{
    return m_alcTimer->interval();
}

void AlfController::setAlcInterval(int milliseconds)
{
    if (milliseconds < 1) {
        qDebug() << "AlfController: ALC interval" << milliseconds << "ms refused";
        return;
    }
    m_alcTimer->start(milliseconds);
}

void AlfController::emitContent(const QString &content, void (AlfController::*signal)(QString))
{
    if (m_combinedOutput)
        emit alertSentenceContents(content);
    else
        emit(this->*signal)(content);
}

void AlfController::createAlfMessage(int alert_identifier)
{
    if (!m_alfEnabled || !m_alertsController)
        return;
    SingleAlertTypeController *controller = m_alertsController->findByIdentifier(alert_identifier);
    if (!controller)
        return;
    const QString content = alfContent(controller, m_alfSequence);
    controller->alert()->clearNewChangePresentFlags();
    emitContent(content, &AlfController::alfSentenceContents);
    m_alfSequence = m_alfSequence >= maxAlfSequence ? 0 : m_alfSequence + 1;
}

void AlfController::createAlcMessage()
{
    if (!m_alfEnabled || !m_alertsController)
        return;
    int entries = 0;
    QString entryText;
    const QChar comma(QLatin1Char(','));
    for (int i = 0; i < m_alertsController->count(); ++i) {
        const SingleAlertTypeController *controller = m_alertsController->controllerAt(i);
        const BasicAlert *alert = controller->alert();
        if (!hasContent(alert))
            continue;
        ++entries;
        entryText += comma + controller->manufacturerCode() + comma
            + QString::number(alert->alertIdentifier()) + comma + QString::number(alert->alertInstance())
            + comma + QString::number(alert->revisionCounter());
    }
    if (entries == 0)
        entryText = QStringLiteral(",,,,");
    const QString content = QStringLiteral(",01,01,")
        + QStringLiteral("%1").arg(m_alcSequence, 2, 10, QLatin1Char('0')) + comma + QString::number(entries)
        + entryText;
    emitContent(content, &AlfController::alcSentenceContents);
    m_alcSequence = m_alcSequence >= maxAlcSequence ? 0 : m_alcSequence + 1;
}

void AlfController::createArcMessage(QString acm_body)
{
    if (!m_alfEnabled)
        return;
    if (acm_body.size() > AcmRecord::maxBodyLength) {
        if (admitLogLine("Alert command refused"))
            qDebug() << "AlfController: ARC refused for a command text of" << acm_body.size() << "characters";
        return;
    }
    const QStringList fields = acm_body.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QString content(QLatin1Char(','));
    for (int i = 1; i < fields.size() - 1; ++i)
        content += QLatin1Char(',') + fields.at(i);
    emitContent(content, &AlfController::arcSentenceContents);
}

void AlfController::handleAcm()
{
    if (!m_alfEnabled || m_acmRecord->handled() || !m_alertsController)
        return;
    m_acmRecord->setHandled(true);
    SingleAlertTypeController *controller
        = m_alertsController->findByIdentifier(m_acmRecord->alertIdentifier());
    if (!controller)
        return;
    const int instance = m_acmRecord->alertInstance();
    if (instance != -1 && instance != controller->alert()->alertInstance())
        return;
    const QString command = m_acmRecord->alertCommand();
    const QString sfi = m_acmRecord->sourceSfi();
    const int category = controller->alert()->alertCategory();
    const bool catAOrC = category == static_cast<int>(AlertCategory::CatA)
        || category == static_cast<int>(AlertCategory::CatC);
    if (command == QLatin1String("A")) {
        if (catAOrC)
            createArcMessage(m_acmRecord->rawBody());
        else
            controller->acknowledgeAlert(sfi);
    } else if (command == QLatin1String("Q")) {
        createAlfMessage(m_acmRecord->alertIdentifier());
    } else if (command == QLatin1String("O")) {
        if (catAOrC) {
            createArcMessage(m_acmRecord->rawBody());
        } else {
            controller->transferResponsibility(sfi);
            emit controller->addMonitor(controller->alertName(), m_acmRecord->talker(), sfi);
        }
    } else if (command == QLatin1String("S")) {
        controller->silenceAlert(sfi);
    }
}

void AlfController::refuseCommand(const QString &reason)
{
    ++m_invalidCommandCount;
    if (admitLogLine("Alert command refused"))
        qDebug().noquote() << "AlfController: alert command refused:" << reason;
}

void AlfController::handleAcm(QString msg_body, QString source)
{
    if (!m_alfEnabled)
        return;
    if (msg_body.size() > AcmRecord::maxBodyLength) {
        refuseCommand(QStringLiteral("sentence of %1 characters").arg(msg_body.size()));
        m_acmRecord->setHandled(true);
        return;
    }
    if (!source.isEmpty() && source.size() != alfSfiLength) {
        refuseCommand(QStringLiteral("sender SFI of %1 characters").arg(source.size()));
        m_acmRecord->setHandled(true);
        return;
    }
    const int star = msg_body.indexOf(QLatin1Char('*'));
    const QString text = (star < 0 ? msg_body : msg_body.left(star)).mid(1);
    const int comma = text.indexOf(QLatin1Char(','));
    const QString address = comma < 0 ? text : text.left(comma);
    if (address.size() != addressLength || !address.endsWith(QLatin1String("ACN"))) {
        refuseCommand(QStringLiteral("not an ACN sentence"));
        m_acmRecord->setHandled(true);
        return;
    }
    if (!m_acmRecord->parse(text.mid(comma + 1))) {
        refuseCommand(QStringLiteral("fields of no valid ACN"));
        return;
    }
    m_acmRecord->setTalker(address.left(2));
    m_acmRecord->setSourceSfi(source);
    handleAcm();
}
