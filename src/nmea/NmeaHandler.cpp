#include "nmea/NmeaHandler.h"

#include "common/BuildConfiguration.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/ValidatedObject.h"
#include "nmea/ValidatedProperty.h"

#include <QDebug>
#include <QMetaProperty>

namespace {

QPointer<TmpPortsSetupAdapter> &adapterPointer()
{
    static QPointer<TmpPortsSetupAdapter> adapter;
    return adapter;
}

// The field objects of a message with their property names, in sentence order.
template <typename Function> void forEachField(const NmeaMessage *message, Function function)
{
    const QMetaObject *meta = message->metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const char *name = meta->property(i).name();
        if (ValidatedProperty *field = NmeaMessage::fieldOf(message, name))
            function(name, field);
    }
}

} // namespace

void setTmpPortsSetupAdapter(TmpPortsSetupAdapter *adapter)
{
    adapterPointer() = adapter;
}

TmpPortsSetupAdapter *tmpPortsSetupAdapter()
{
    return adapterPointer().data();
}

NmeaHandler::NmeaHandler(
    QObject *dataObject, const QString &formatter, bool periodic, QObject *parent, bool proprietary)
    : QObject(parent)
    , m_dataObject(dataObject)
    , m_outputDataObject(dataObject)
    , m_formatter(formatter)
    , m_periodic(periodic)
    , m_proprietary(proprietary)
    , m_talker(proprietary ? QStringLiteral("PQRV") : BuildConfiguration::instance()->talker)
{
    m_message = NmeaMessage::create(m_talker, m_formatter);
}

NmeaHandler::~NmeaHandler()
{
    delete m_message;
}

void NmeaHandler::handleReceivedMessage(NmeaMessage *message)
{
    if (!message)
        return;
    if (m_forwarding) {
        // An ACN goes on whole, addressed by its sender; every other alert sentence as its fields with
        // the port it came in on.
        if (message->formatter() == QLatin1String("ACN"))
            emit forwardMessage(message->toSentence(), message->sourceSfi());
        else
            emit forwardMessage(message->parameters(), message->sourcePort());
        return;
    }
    copyMessageToData(message);
}

void NmeaHandler::copyMessageToData(NmeaMessage *message)
{
    if (!message)
        return;
    if (m_relay) {
        m_relayText = message->parameters();
        m_relayAge = 0;
    }
    QObject *data = m_dataObject.data();
    if (!data)
        return;

    if (auto *settings = qobject_cast<ValidatedObject *>(data)) {
        const QMetaObject *meta = settings->metaObject();
        forEachField(message, [settings, meta](const char *name, ValidatedProperty *field) {
            if (!field->isValid())
                return;
            const QString key = QString::fromLatin1(name);
            const QVariant value = field->toVariant();
            const int index = meta->indexOfProperty(name);
            if (index < 0) {
                // A name the object does not declare becomes a dynamic property, which always takes the
                // value (setProperty reports false for dynamic properties).
                settings->setValid(key, true);
                settings->setProperty(name, value);
                return;
            }
            // The value is marked valid before it is written, so that whoever reacts to the property's
            // change signal already sees it valid; a write the property refuses (read-only, or a text
            // that does not convert to its type) leaves the old value and its validity in place.
            const bool wasValid = settings->isValid(key);
            settings->setValid(key, true);
            if (!meta->property(index).write(settings, value)) {
                settings->setValid(key, wasValid);
                qDebug() << "NmeaHandler::copyMessageToData: value refused by" << settings->objectName()
                         << key << value.toString();
            }
        });
        return;
    }

    forEachField(message, [data](const char *name, ValidatedProperty *field) {
        if (!field->isValid())
            return;
        if (ValidatedProperty *target = NmeaMessage::fieldOf(data, name))
            target->assign(field);
    });
}

void NmeaHandler::fillOutgoingMessage(NmeaMessage *message)
{
    if (!message)
        return;
    if (m_relay)
        message->setParameters(m_relayText);
    else
        copyDataToMessage(message);
}

void NmeaHandler::copyDataToMessage(NmeaMessage *message)
{
    QObject *output = m_outputDataObject.data();
    if (!message || !output)
        return;

    if (auto *settings = qobject_cast<ValidatedObject *>(output)) {
        forEachField(message, [settings](const char *name, ValidatedProperty *field) {
            if (!settings->isValid(QString::fromLatin1(name))) {
                field->setValid(false);
                return;
            }
            // Only a value the field accepts is sent as valid; otherwise the field would go out valid
            // with whatever value it held before.
            const int status = field->setFromVariant(settings->property(name));
            field->setValid(status == ValidatedProperty::FieldOk);
        });
        return;
    }

    forEachField(message, [output](const char *name, ValidatedProperty *field) {
        if (ValidatedProperty *source = NmeaMessage::fieldOf(output, name))
            field->assign(source);
    });
}

QStringList NmeaHandler::storedSentences()
{
    qDebug() << "Should not be called on non multi-sentence handler!!!";
    return outgoingSentences();
}

QStringList NmeaHandler::outgoingSentences()
{
    if (!m_message) {
        qDebug() << "NmeaHandler::outgoingSentences: no message class for" << m_talker << m_formatter;
        return QStringList();
    }
    fillOutgoingMessage(m_message);
    return QStringList { m_message->toSentence() };
}

bool NmeaHandler::isLastMessageValid() const
{
    return m_lastMessageValid;
}

bool NmeaHandler::isPortEnabled(const QString &sentence, int port, bool withExtraPorts) const
{
    if (withExtraPorts && m_extraPorts.contains(port))
        return true;
    const TmpPortsSetupAdapter *adapter = tmpPortsSetupAdapter();
    return adapter && adapter->isSentenceEnabledOnPort(sentence, static_cast<Port>(port));
}

void NmeaHandler::sendOnEnabledPorts()
{
    for (int port = 0; port < TmpPortsSetupAdapter::numberOfPorts(); ++port) {
        if (isPortEnabled(m_formatter, port, true))
            emit nmeaHandlerSignalEmitter()->signalNmeaMessageTypeAndPortAndId(
                m_formatter, static_cast<Port>(port), m_talker);
    }
}

void NmeaHandler::sendSentenceOnEnabledPorts(const QString &sentence)
{
    for (int port = 0; port < TmpPortsSetupAdapter::numberOfPorts(); ++port) {
        if (isPortEnabled(m_formatter, port, true))
            emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageAndPort(
                m_formatter, sentence, static_cast<Port>(port), false);
    }
}

void NmeaHandler::sendSentencesOnEnabledPorts(const QStringList &sentences)
{
    for (int port = 0; port < TmpPortsSetupAdapter::numberOfPorts(); ++port) {
        if (isPortEnabled(m_formatter, port, true))
            emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
                m_formatter, sentences, static_cast<Port>(port), QString(), QString());
    }
}

void NmeaHandler::sendSentenceToConnectedDevices(const QString &sentence)
{
    emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageAndPort(
        m_formatter, sentence, UDP, true);
}

void NmeaHandler::sendAlertMessageContents(QList<QString> messages_contents, QString alert_sfi)
{
    QList<QString> sentences;
    sentences.reserve(messages_contents.size());
    for (const QString &content : qAsConst(messages_contents)) {
        const QString body = m_talker + m_formatter + content;
        sentences.append(
            QLatin1Char('$') + body + QLatin1Char('*') + nmeaStringChecksum(body) + QLatin1String("\r\n"));
    }
    for (int port = 0; port < TmpPortsSetupAdapter::numberOfPorts(); ++port) {
        if (isPortEnabled(QStringLiteral("Alarm"), port, false))
            emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
                m_formatter, sentences, static_cast<Port>(port), QString(), alert_sfi);
    }
}

void NmeaHandler::validityTimerTimeout()
{
    ++m_relayAge;
    if (m_relayAge >= m_relayAgeLimit)
        m_relayText.clear();
}

void NmeaHandler::enableRelay()
{
    m_relay = true;
}

QString NmeaHandler::formatter() const
{
    return m_formatter;
}

QString NmeaHandler::talker() const
{
    return m_talker;
}

void NmeaHandler::setTalker(const QString &talker)
{
    m_talker = talker;
}

bool NmeaHandler::isProprietary() const
{
    return m_proprietary;
}

bool NmeaHandler::isPeriodic() const
{
    return m_periodic;
}

void NmeaHandler::setPeriodic(bool periodic)
{
    m_periodic = periodic;
}

int NmeaHandler::sendInterval() const
{
    return m_sendInterval;
}

void NmeaHandler::setSendInterval(int interval)
{
    m_sendInterval = interval;
}

int NmeaHandler::sendCounter() const
{
    return m_sendCounter;
}

void NmeaHandler::incrementSendCounter()
{
    ++m_sendCounter;
}

void NmeaHandler::resetSendCounter()
{
    m_sendCounter = 0;
}

bool NmeaHandler::isMultiSentence() const
{
    return m_multiSentence;
}

QObject *NmeaHandler::dataObject() const
{
    return m_dataObject.data();
}

void NmeaHandler::setDataObject(QObject *dataObject)
{
    m_dataObject = dataObject;
}

QObject *NmeaHandler::outputDataObject() const
{
    return m_outputDataObject.data();
}

void NmeaHandler::setOutputDataObject(QObject *outputDataObject)
{
    m_outputDataObject = outputDataObject;
}

bool NmeaHandler::isForwarding() const
{
    return m_forwarding;
}

void NmeaHandler::setForwarding(bool forwarding)
{
    m_forwarding = forwarding;
}

QList<int> NmeaHandler::extraPorts() const
{
    return m_extraPorts;
}

void NmeaHandler::setExtraPorts(const QList<int> &ports)
{
    m_extraPorts.clear();
    for (int port : ports)
        addExtraPort(port);
}

void NmeaHandler::addExtraPort(int port)
{
    if (!m_extraPorts.contains(port))
        m_extraPorts.append(port);
}

void NmeaHandler::removeExtraPort(int port)
{
    m_extraPorts.removeAll(port);
}

QString NmeaHandler::relayText() const
{
    return m_relayText;
}

NmeaMessage *NmeaHandler::message() const
{
    return m_message;
}
