#include "nmea/NmeaHandler.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/ValidatedObject.h"
#include "nmea/ValidatedProperty.h"

#include <QDebug>
#include <QHash>
#include <QMetaProperty>
#include <QPair>
#include <QVector>

#include <memory>

namespace {

QPointer<TmpPortsSetupAdapter> &adapterPointer()
{
    static QPointer<TmpPortsSetupAdapter> adapter;
    return adapter;
}

// How a field of a message class meets the data of a data class: looked up by name once per pair of
// classes, then followed by index for every message.
enum class TargetKind { None, Int, Float, String, Base, Other };

struct FieldLink
{
    QString name; // the field's name, also the key of a settings object's validity entries
    const char *latinName = nullptr; // the same name, kept by the message's meta-object
    int dataIndex = -1; // the same-named property of the data class; -1 when it declares none
    TargetKind target = TargetKind::None; // what that property holds, for data whose fields are objects
};

TargetKind targetKind(const QMetaProperty &property)
{
    const QByteArray type = property.typeName();
    if (type == "ValidatedIntProperty*")
        return TargetKind::Int;
    if (type == "ValidatedFloatProperty*")
        return TargetKind::Float;
    if (type == "ValidatedStringProperty*")
        return TargetKind::String;
    if (type == "ValidatedProperty*")
        return TargetKind::Base;
    // Anything else is read through a QVariant, which finds a field object or nothing.
    return TargetKind::Other;
}

// The links of every field of the message's class (in field order) into the data object's class. Kept
// for the life of the process; a copy may start another (a change signal that sends a sentence), so the
// links stay where they are while others are added.
const QVector<FieldLink> &fieldLinks(const NmeaMessage *message, const QObject *data)
{
    using Key = QPair<const QMetaObject *, const QMetaObject *>;
    static QHash<Key, std::shared_ptr<const QVector<FieldLink>>> cache;
    const QMetaObject *messageMeta = message->metaObject();
    const QMetaObject *dataMeta = data->metaObject();
    const Key key(messageMeta, dataMeta);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return **found;
    auto links = std::make_shared<QVector<FieldLink>>();
    for (int i = 0; i < message->fieldCount() && i + 1 < messageMeta->propertyCount(); ++i) {
        FieldLink link;
        link.latinName = messageMeta->property(i + 1).name();
        link.name = QString::fromLatin1(link.latinName);
        link.dataIndex = dataMeta->indexOfProperty(link.latinName);
        if (link.dataIndex >= 0)
            link.target = targetKind(dataMeta->property(link.dataIndex));
        links->append(link);
    }
    cache.insert(key, links);
    return *links;
}

template <typename Kind> ValidatedProperty *readField(QObject *data, int propertyIndex)
{
    // What QMetaProperty::read does, into a pointer of the property's own type, without a QVariant.
    Kind *field = nullptr;
    int status = -1;
    int flags = 0;
    void *arguments[] = { &field, nullptr, &status, &flags };
    QMetaObject::metacall(data, QMetaObject::ReadProperty, propertyIndex, arguments);
    return field;
}

// The field object that the data object holds under the link's name, or null.
ValidatedProperty *targetField(QObject *data, const FieldLink &link)
{
    switch (link.target) {
    case TargetKind::None:
        return nullptr;
    case TargetKind::Int:
        return readField<ValidatedIntProperty>(data, link.dataIndex);
    case TargetKind::Float:
        return readField<ValidatedFloatProperty>(data, link.dataIndex);
    case TargetKind::String:
        return readField<ValidatedStringProperty>(data, link.dataIndex);
    case TargetKind::Base:
        return readField<ValidatedProperty>(data, link.dataIndex);
    case TargetKind::Other:
        break;
    }
    return NmeaMessage::fieldOf(data, link.latinName);
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

    const QVector<FieldLink> &links = fieldLinks(message, data);
    if (auto *settings = qobject_cast<ValidatedObject *>(data)) {
        const QMetaObject *meta = settings->metaObject();
        for (int i = 0; i < links.size(); ++i) {
            const ValidatedProperty *field = message->field(i);
            if (!field || !field->isValid())
                continue;
            const FieldLink &link = links.at(i);
            const QVariant value = field->toVariant();
            if (link.dataIndex < 0) {
                // A name the object does not declare becomes a dynamic property, which always takes the
                // value (setProperty reports false for dynamic properties).
                settings->setValid(link.name, true);
                settings->setProperty(link.latinName, value);
                continue;
            }
            // The value is marked valid before it is written, so that whoever reacts to the property's
            // change signal already sees it valid; a write the property refuses (read-only, or a text
            // that does not convert to its type) leaves the old value and its validity in place.
            const bool wasValid = settings->isValid(link.name);
            settings->setValid(link.name, true);
            if (!meta->property(link.dataIndex).write(settings, value)) {
                settings->setValid(link.name, wasValid);
                if (admitLogLine("Received sentence value refused"))
                    qDebug() << "NmeaHandler::copyMessageToData: value refused by" << settings->objectName()
                             << link.name << logExcerpt(value.toString());
            }
        }
        return;
    }

    for (int i = 0; i < links.size(); ++i) {
        const ValidatedProperty *field = message->field(i);
        if (!field || !field->isValid())
            continue;
        if (ValidatedProperty *target = targetField(data, links.at(i)))
            target->assign(field);
    }
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

    const QVector<FieldLink> &links = fieldLinks(message, output);
    if (auto *settings = qobject_cast<ValidatedObject *>(output)) {
        const QMetaObject *meta = settings->metaObject();
        for (int i = 0; i < links.size(); ++i) {
            ValidatedProperty *field = message->field(i);
            if (!field)
                continue;
            const FieldLink &link = links.at(i);
            if (!settings->isValid(link.name)) {
                field->setValid(false);
                continue;
            }
            // Only a value the field accepts is sent as valid; otherwise the field would go out valid
            // with whatever value it held before.
            const QVariant value = link.dataIndex >= 0 ? meta->property(link.dataIndex).read(settings)
                                                       : settings->property(link.latinName);
            const int status = field->setFromVariant(value);
            field->setValid(status == ValidatedProperty::FieldOk);
        }
        return;
    }

    for (int i = 0; i < links.size(); ++i) {
        ValidatedProperty *field = message->field(i);
        if (!field)
            continue;
        if (ValidatedProperty *source = targetField(output, links.at(i)))
            field->assign(source);
    }
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
