#include "comms/CommunicationForwardingController.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/TextChecks.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESCommunicationsSetup.h"

#include <QDebug>

namespace {

const QChar entrySeparator = QLatin1Char('|');
const QChar compactComma = QLatin1Char('<');
const QLatin1String forwardedLineEnd("\r\n");
// The longest sentence, "$" and CR LF included.
const int maxForwardedSentenceLength = 82;
const int maxCuPortTextLength
    = CommunicationForwardingController::maxTextEntries * maxForwardedSentenceLength;

enum Direction { Output = 0, Input = 1 };

bool isHexDigit(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// The parts of a received text, empty ones left out, at most maxTextEntries.
QStringList receivedParts(const QString &text)
{
    QStringList parts = text.split(entrySeparator, Qt::SkipEmptyParts);
    if (parts.size() > CommunicationForwardingController::maxTextEntries) {
        qDebug() << "Communication text of" << parts.size() << "entries, only the first"
                 << CommunicationForwardingController::maxTextEntries << "taken";
        parts = parts.mid(0, CommunicationForwardingController::maxTextEntries);
    }
    return parts;
}

} // namespace

CommunicationForwardingController::CommunicationForwardingController(QObject *parent)
    : QObject(parent)
{
}

void CommunicationForwardingController::setCommunicationInformation(ESCommunicationInformation *information)
{
    if (m_information)
        disconnect(m_information.data(), nullptr, this, nullptr);
    m_information = information;
    if (!information)
        return;
    if (BuildConfiguration::instance()->isSoftwareCu) {
        connect(information, &ESCommunicationInformation::CommsDataChanged, this,
            &CommunicationForwardingController::comsInformationChanged);
        connect(information, &ESCommunicationInformation::CuPort1OutChanged, this,
            [this](const QString &text) { processReceivedCuPortData(text, 0); });
        connect(information, &ESCommunicationInformation::CuPort3OutChanged, this,
            [this](const QString &text) { processReceivedCuPortData(text, 2); });
    } else {
        connect(information, &ESCommunicationInformation::CuPortsInChanged, this,
            [this](const QString &text) { processReceivedCuPortData(text, -1); });
    }
}

void CommunicationForwardingController::setCommunicationsSetup(ESCommunicationsSetup *setup)
{
    m_setup = setup;
}

int CommunicationForwardingController::monitorChannel(int port) const
{
    if (port < 0)
        return -1;
    if (BuildConfiguration::instance()->isSoftwareCu)
        return port > 2 ? -1 : port + 4;
    return port > 3 ? -1 : port;
}

bool CommunicationForwardingController::isMonitored(int port, int direction) const
{
    const int channel = monitorChannel(port);
    if (channel < 0 || !m_information)
        return false;
    if (m_information->CommsInfoOn() == 0 || m_information->DataDirection() != direction)
        return false;
    return m_information->ChannelNumber() == channel;
}

bool CommunicationForwardingController::isOutputMonitored(int port) const
{
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isSoftwareCu && configuration->isTvr100)
        return false;
    return isMonitored(port, Output);
}

bool CommunicationForwardingController::isInputMonitored(int port) const
{
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isSoftwareCu && (configuration->isTvr100 || configuration->isMirLox1000))
        return false;
    return isMonitored(port, Input);
}

void CommunicationForwardingController::bufferEntry(const QString &sentence, int status)
{
    QString entry;
    if (m_information && m_information->DataFormat() == 1) {
        entry = sentence.endsWith(forwardedLineEnd) ? sentence.left(sentence.size() - 2) : sentence;
    } else {
        const int comma = sentence.indexOf(QLatin1Char(','));
        entry = comma < 0 ? sentence : sentence.left(comma);
    }
    m_monitorEntries.append(entry);
    m_monitorStatuses.append(status);
    if (m_monitorEntries.size() > maxTextEntries) {
        // Nobody has taken the entries for a long time: the oldest go.
        m_monitorEntries.removeFirst();
        m_monitorStatuses.removeFirst();
    }
}

void CommunicationForwardingController::addCommunicationInformation(
    QString sentence, int status, bool flush_instantly)
{
    bufferEntry(sentence, status);
    if (flush_instantly)
        flushInformationBuffer();
}

void CommunicationForwardingController::addCommunicationInformation(
    QList<QString> sentence_list, int status, bool flush_instantly)
{
    for (const QString &sentence : qAsConst(sentence_list))
        bufferEntry(sentence, status);
    if (flush_instantly)
        flushInformationBuffer();
}

void CommunicationForwardingController::flushInformationBuffer()
{
    if (BuildConfiguration::instance()->isSoftwareCu) {
        if (m_monitorEntries.isEmpty())
            return;
        const QList<QString> entries = m_monitorEntries;
        const QList<int> statuses = m_monitorStatuses;
        m_monitorEntries.clear();
        m_monitorStatuses.clear();
        emit comsInformationReceived(entries, statuses);
        return;
    }

    // Junction box: the entries become the monitor text that the display decodes.
    for (int i = 0; i < m_monitorEntries.size(); ++i) {
        QString part = m_monitorEntries.at(i);
        if (part.startsWith(QLatin1Char('$')))
            part.remove(0, 1);
        if (part.size() >= 3 && part.at(part.size() - 3) == QLatin1Char('*'))
            part.remove(part.size() - 3, 1);
        part.replace(QLatin1Char(','), compactComma);
        if (part.isEmpty() || part.contains(entrySeparator))
            continue;
        const int status = m_monitorStatuses.at(i);
        part += QString::number(status >= 0 && status <= 9 ? status : 0);
        if (!m_monitorText.isEmpty())
            m_monitorText += entrySeparator;
        m_monitorText += part;
    }
    m_monitorEntries.clear();
    m_monitorStatuses.clear();
    if (m_monitorText.isEmpty())
        return;
    if (m_information) {
        m_information->setCommsDataSilently(m_monitorText);
        m_information->sendSinglePropertyNoAck(QStringLiteral("CommsData"));
    }
    m_monitorText.clear();
}

void CommunicationForwardingController::comsInformationChanged(QString coms_info)
{
    const bool fullFormat = m_information && m_information->DataFormat() == 1;
    QList<QString> sentences;
    QList<int> statuses;
    const QStringList parts = receivedParts(coms_info);
    for (const QString &part : parts) {
        const QChar last = part.at(part.size() - 1);
        QString sentence = part.left(part.size() - 1);
        if (sentence.isEmpty())
            continue;
        if (fullFormat) {
            if (sentence.size() < 3)
                continue;
            sentence.insert(sentence.size() - 2, QLatin1Char('*'));
            sentence.replace(compactComma, QLatin1Char(','));
        }
        sentences.append(QLatin1Char('$') + sentence);
        statuses.append(last.isDigit() ? last.digitValue() : 0);
    }
    if (!sentences.isEmpty())
        emit comsInformationReceived(sentences, statuses);
}

QString CommunicationForwardingController::toCompactSentence(const QString &sentence)
{
    const int size = sentence.size();
    if (size < 6 || size > maxForwardedSentenceLength || !sentence.startsWith(QLatin1Char('$'))
        || !sentence.endsWith(forwardedLineEnd) || sentence.at(size - 5) != QLatin1Char('*'))
        return QString();
    QString body = sentence.mid(1, size - 6);
    if (body.contains(compactComma) || body.contains(entrySeparator))
        return QString();
    body.replace(QLatin1Char(','), compactComma);
    return body + sentence.midRef(size - 4, 2);
}

QString CommunicationForwardingController::fromCompactSentence(const QString &compact)
{
    const int size = compact.size();
    if (size < 3 || size + 4 > maxForwardedSentenceLength || !isHexDigit(compact.at(size - 1))
        || !isHexDigit(compact.at(size - 2)))
        return QString();
    for (const QChar c : compact) {
        if (c == QLatin1Char('$') || c == QLatin1Char('*') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return QString();
    }
    QString sentence = QLatin1Char('$') + compact;
    sentence.replace(compactComma, QLatin1Char(','));
    sentence.insert(sentence.size() - 2, QLatin1Char('*'));
    return sentence + forwardedLineEnd;
}

void CommunicationForwardingController::addCuPortMessage(QString msg, int port, bool flush_instantly)
{
    if (port == 3)
        return;
    const QString compact = toCompactSentence(msg);
    if (compact.isEmpty()) {
        if (admitLogLine("CU port sentence refused"))
            qDebug() << "Not a sentence for a CU port:" << logExcerpt(msg);
    } else if (m_cuPortText.size() + compact.size() >= maxCuPortTextLength) {
        if (admitLogLine("CU port sentence refused"))
            qDebug() << "CU port text full, sentence dropped:" << logExcerpt(msg);
    } else {
        if (!m_cuPortText.isEmpty())
            m_cuPortText += entrySeparator;
        m_cuPortText += compact;
    }
    if (flush_instantly)
        flushCuPortBuffer(port);
}

void CommunicationForwardingController::addCuPortMessages(
    QStringList msg_list, int port, bool flush_instantly)
{
    for (const QString &msg : qAsConst(msg_list))
        addCuPortMessage(msg, port, false);
    if (flush_instantly)
        flushCuPortBuffer(port);
}

void CommunicationForwardingController::flushCuPortBuffer(int port)
{
    Q_UNUSED(port)
    if (m_cuPortText.isEmpty())
        return;
    if (m_information) {
        m_information->setCuPortsInSilently(m_cuPortText);
        m_information->sendSinglePropertyNoAck(QStringLiteral("CuPortsIn"));
    }
    m_cuPortText.clear();
}

void CommunicationForwardingController::processReceivedCuPortData(QString data, int port)
{
    QStringList sentences;
    const QStringList parts = receivedParts(data);
    for (const QString &part : parts) {
        const QString sentence = fromCompactSentence(part);
        if (sentence.isEmpty()) {
            if (admitLogLine("CU port sentence refused"))
                qDebug() << "Not a CU port sentence, skipped:" << logExcerpt(part);
            continue;
        }
        sentences.append(sentence);
    }
    if (!sentences.isEmpty())
        emit cuPortOutMessagesToSend(sentences, port);
}

bool CommunicationForwardingController::isForwardedPort(int port) const
{
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isTvr100 || configuration->isMirLox1000)
        return m_forwardingSources.contains(0);
    return m_forwardingSources.contains(port);
}

int CommunicationForwardingController::forwardingTargetPort(int port) const
{
    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isTvr100 || configuration->isMirLox1000)
        return m_forwardingSources.contains(0) ? 0 : -1;
    const int index = m_forwardingSources.indexOf(port);
    return index < 0 ? -1 : m_forwardingTargets.at(index);
}

void CommunicationForwardingController::setForwarding(int source_port, int target_port, bool enabled)
{
    const int index = m_forwardingSources.indexOf(source_port);
    if (index >= 0) {
        m_forwardingSources.removeAt(index);
        m_forwardingTargets.removeAt(index);
    }
    if (enabled) {
        m_forwardingSources.append(source_port);
        m_forwardingTargets.append(target_port);
    }
}

bool CommunicationForwardingController::isPortInputEnabled(int port) const
{
    if (!m_setup)
        return false;
    ESPortSetup *portSetup = nullptr;
    switch (port) {
    case 0:
        portSetup = m_setup->NmeaPort1Setup();
        break;
    case 1:
        portSetup = m_setup->NmeaPort2Setup();
        break;
    case 2:
        portSetup = m_setup->NmeaPort3Setup();
        break;
    case 3:
        portSetup = m_setup->UdpPortSetup();
        break;
    case 4:
        portSetup = m_setup->AdditionalNmeaPort1Setup();
        break;
    case 5:
        portSetup = m_setup->AdditionalNmeaPort2Setup();
        break;
    case 6:
        portSetup = m_setup->AdditionalNmeaPort3Setup();
        break;
    default:
        return false;
    }
    return portSetup && portSetup->InputEnabled() == 0;
}
