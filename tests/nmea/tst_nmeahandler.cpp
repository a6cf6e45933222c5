#include "common/SignalEmitter.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/ValidatedObject.h"
#include "nmea/ValidatedProperty.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The sentence of these tests. Level and Heading have counterparts of another type in the settings
// object below, Extra has none there.
class TstHts : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Count MEMBER m_count)
    Q_PROPERTY(ValidatedFloatProperty *Speed MEMBER m_speed)
    Q_PROPERTY(ValidatedStringProperty *Mode MEMBER m_mode)
    Q_PROPERTY(ValidatedFloatProperty *Level MEMBER m_level)
    Q_PROPERTY(ValidatedStringProperty *Heading MEMBER m_heading)
    Q_PROPERTY(ValidatedStringProperty *Extra MEMBER m_extra)
    Q_CLASSINFO("Count", "type=int")
    Q_CLASSINFO("Speed", "type=float sendDecimals=2")
    Q_CLASSINFO("Mode", "type=string validator=[AV]{1,1} fixedLength=1")
    Q_CLASSINFO("Level", "type=float")
    Q_CLASSINFO("Heading", "type=string")
    Q_CLASSINFO("Extra", "type=string")
public:
    explicit TstHts(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("HTS"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_count = nullptr;
    ValidatedFloatProperty *m_speed = nullptr;
    ValidatedStringProperty *m_mode = nullptr;
    ValidatedFloatProperty *m_level = nullptr;
    ValidatedStringProperty *m_heading = nullptr;
    ValidatedStringProperty *m_extra = nullptr;
};

// An alert sentence for the forwarding handlers.
class TstAlert : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *Text MEMBER m_text)
    Q_CLASSINFO("Text", "type=string")
public:
    TstAlert(const QString &talker, const QString &formatter)
        : NmeaMessage(talker, formatter)
    {
        initializeProperties(this);
    }

private:
    ValidatedStringProperty *m_text = nullptr;
};

class TstAck : public TstAlert
{
    Q_OBJECT
public:
    explicit TstAck(const QString &talker)
        : TstAlert(talker, QStringLiteral("ACK"))
    {
    }
};

class TstAcn : public TstAlert
{
    Q_OBJECT
public:
    explicit TstAcn(const QString &talker)
        : TstAlert(talker, QStringLiteral("ACN"))
    {
    }
};

// A settings object: plain Qt properties with a validity table beside them.
class TstSettings : public ValidatedObject
{
    Q_OBJECT
    Q_PROPERTY(int Count MEMBER m_count NOTIFY CountChanged)
    Q_PROPERTY(double Speed MEMBER m_speed NOTIFY SpeedChanged)
    Q_PROPERTY(QString Mode MEMBER m_mode NOTIFY ModeChanged)
    Q_PROPERTY(int Level MEMBER m_level NOTIFY LevelChanged)
    Q_PROPERTY(double Heading MEMBER m_heading NOTIFY HeadingChanged)
public:
    TstSettings()
        : ValidatedObject(nullptr, QStringLiteral("TestSettings"))
    {
    }

signals:
    void CountChanged();
    void SpeedChanged();
    void ModeChanged();
    void LevelChanged();
    void HeadingChanged();

private:
    int m_count = 0;
    double m_speed = 0.0;
    QString m_mode;
    int m_level = 0;
    double m_heading = 0.0;
};

// A data object of validated properties, as the received navigation data is.
class TstStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Count MEMBER m_count)
    Q_PROPERTY(ValidatedFloatProperty *Speed MEMBER m_speed)
    Q_PROPERTY(ValidatedStringProperty *Mode MEMBER m_mode)
    Q_CLASSINFO("Count", "type=int")
    Q_CLASSINFO("Speed", "type=float")
    Q_CLASSINFO("Mode", "type=string")
public:
    TstStore() { NmeaMessage::initializeProperties(this); }

private:
    ValidatedIntProperty *m_count = nullptr;
    ValidatedFloatProperty *m_speed = nullptr;
    ValidatedStringProperty *m_mode = nullptr;
};

namespace {

const bool s_registered = registerStandardMessage<TstHts>(QStringLiteral("HTS"))
    && registerStandardMessage<TstAck>(QStringLiteral("ACK"))
    && registerStandardMessage<TstAcn>(QStringLiteral("ACN"));

const char *const portSetupNames[] = { "NmeaPort1Setup", "NmeaPort2Setup", "NmeaPort3Setup", "UdpPortSetup" };

std::unique_ptr<NmeaMessage> receivedHts(const QString &fields)
{
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(QStringLiteral("II"), QStringLiteral("HTS")));
    if (message->deserializeParamaters(fields) != 0)
        return nullptr;
    return message;
}

QList<int> portsOf(const QSignalSpy &spy, int portArgument)
{
    QList<int> ports;
    for (const QList<QVariant> &arguments : spy)
        ports << int(arguments.at(portArgument).value<Port>());
    return ports;
}

} // namespace

class tst_NmeaHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void construction();
    void copyIntoSettings_data();
    void copyIntoSettings();
    void settingsSeeValidityOnChange();
    void copyIntoUndeclaredSetting();
    void copyFromSettings_data();
    void copyFromSettings();
    void copyWithStore();
    void relay();
    void forwarding_data();
    void forwarding();
    void sendOnEnabledPorts_data();
    void sendOnEnabledPorts();
    void sendsWithoutAdapter();
    void sendCompleteSentences();
    void alertContents();
    void extraPorts();
    void outgoingAndStoredSentences();

private:
    // Switches the sentence on the given ports of the communications setup, off on the others.
    void enableOnPorts(const char *sentence, const QList<int> &ports);

    std::unique_ptr<QObject> m_communicationsSetup;
    std::unique_ptr<TmpPortsSetupAdapter> m_adapter;
};

void tst_NmeaHandler::initTestCase()
{
    QVERIFY(s_registered);
}

void tst_NmeaHandler::init()
{
    m_communicationsSetup.reset(new QObject);
    m_communicationsSetup->setObjectName(QStringLiteral("CommunicationsSetup"));
    for (const char *name : portSetupNames) {
        auto *portSetup = new QObject(m_communicationsSetup.get());
        portSetup->setObjectName(QString::fromLatin1(name));
    }
    m_adapter.reset(new TmpPortsSetupAdapter(m_communicationsSetup.get()));
    setTmpPortsSetupAdapter(m_adapter.get());
}

void tst_NmeaHandler::cleanup()
{
    setTmpPortsSetupAdapter(nullptr);
    m_adapter.reset();
    m_communicationsSetup.reset();
}

void tst_NmeaHandler::enableOnPorts(const char *sentence, const QList<int> &ports)
{
    for (int port = 0; port < 4; ++port) {
        QObject *portSetup
            = m_communicationsSetup->findChild<QObject *>(QString::fromLatin1(portSetupNames[port]));
        portSetup->setProperty(sentence, ports.contains(port) ? 0 : 1);
    }
}

void tst_NmeaHandler::construction()
{
    TstStore store;
    NmeaHandler standard(&store, QStringLiteral("HTS"), true);
    QCOMPARE(standard.talker(), QStringLiteral("GN"));
    QCOMPARE(standard.formatter(), QStringLiteral("HTS"));
    QCOMPARE(standard.dataObject(), &store);
    QCOMPARE(standard.outputDataObject(), &store);
    QVERIFY(standard.isPeriodic());
    QVERIFY(!standard.isProprietary());
    QVERIFY(standard.isLastMessageValid());
    QCOMPARE(standard.sendInterval(), 1);
    QVERIFY(qobject_cast<TstHts *>(standard.message()));
    QCOMPARE(standard.message()->talker(), QStringLiteral("GN"));

    NmeaHandler proprietary(nullptr, QStringLiteral("HTS"), false, nullptr, true);
    QCOMPARE(proprietary.talker(), QStringLiteral("PQRV"));
    // No proprietary class is registered under the name: no message, and nothing to send.
    QVERIFY(!proprietary.message());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("no message class")));
    QVERIFY(proprietary.outgoingSentences().isEmpty());
}

void tst_NmeaHandler::copyIntoSettings_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<bool>("validBefore");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<bool>("validAfter");

    QTest::newRow("valid field") << "7" << QByteArray("Count") << QVariant(3) << false << QVariant(7) << true;
    QTest::newRow("invalid field changes nothing")
        << "" << QByteArray("Count") << QVariant(3) << false << QVariant(3) << false;
    QTest::newRow("invalid field keeps validity")
        << "" << QByteArray("Count") << QVariant(3) << true << QVariant(3) << true;
    QTest::newRow("float text into a double")
        << ",1.5" << QByteArray("Speed") << QVariant(0.0) << false << QVariant(1.5) << true;
    QTest::newRow("text into a text") << ",,A" << QByteArray("Mode") << QVariant(QString()) << false
                                      << QVariant(QStringLiteral("A")) << true;
    // A fraction does not convert to an integer property: the value is refused and not marked valid.
    QTest::newRow("fraction into an integer")
        << ",,,2.5" << QByteArray("Level") << QVariant(4) << false << QVariant(4) << false;
    QTest::newRow("real text into an integer")
        << ",,,3" << QByteArray("Level") << QVariant(4) << false << QVariant(4) << false;
    QTest::newRow("letters into a double")
        << ",,,,abc" << QByteArray("Heading") << QVariant(1.5) << false << QVariant(1.5) << false;
    QTest::newRow("refused value leaves a valid old value as it was")
        << ",,,,abc" << QByteArray("Heading") << QVariant(1.5) << true << QVariant(1.5) << true;
    QTest::newRow("number text into a double")
        << ",,,,271.5" << QByteArray("Heading") << QVariant(1.5) << false << QVariant(271.5) << true;
}

void tst_NmeaHandler::copyIntoSettings()
{
    QFETCH(QString, fields);
    QFETCH(QByteArray, name);
    QFETCH(QVariant, before);
    QFETCH(bool, validBefore);
    QFETCH(QVariant, after);
    QFETCH(bool, validAfter);

    TstSettings settings;
    QVERIFY(settings.setProperty(name.constData(), before));
    settings.setValid(QString::fromLatin1(name), validBefore);
    NmeaHandler handler(&settings, QStringLiteral("HTS"), false);
    std::unique_ptr<NmeaMessage> message = receivedHts(fields);
    QVERIFY(message);

    // A valid field whose value the property refuses is logged; an invalid field is skipped silently.
    if (message->field(name.constData())->isValid() && after == before)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("value refused")));
    handler.handleReceivedMessage(message.get());
    QCOMPARE(settings.property(name.constData()), after);
    QCOMPARE(settings.isValid(QString::fromLatin1(name)), validAfter);
    QVERIFY(handler.isLastMessageValid());
}

void tst_NmeaHandler::settingsSeeValidityOnChange()
{
    // Whoever reacts to the change signal already finds the new value valid.
    TstSettings settings;
    NmeaHandler handler(&settings, QStringLiteral("HTS"), false);
    bool validAtChange = false;
    int changes = 0;
    connect(&settings, &TstSettings::CountChanged, this, [&] {
        ++changes;
        validAtChange = settings.isValid(QStringLiteral("Count"));
    });
    std::unique_ptr<NmeaMessage> message = receivedHts(QStringLiteral("12"));
    handler.copyMessageToData(message.get());
    QCOMPARE(changes, 1);
    QVERIFY(validAtChange);
}

void tst_NmeaHandler::copyIntoUndeclaredSetting()
{
    TstSettings settings;
    NmeaHandler handler(&settings, QStringLiteral("HTS"), false);
    std::unique_ptr<NmeaMessage> received = receivedHts(QStringLiteral(",,,,,x"));
    handler.copyMessageToData(received.get());
    QCOMPARE(settings.property("Extra"), QVariant(QStringLiteral("x")));
    QVERIFY(settings.isValid(QStringLiteral("Extra")));

    // The value is read back from the object when a sentence is filled from it.
    std::unique_ptr<NmeaMessage> outgoing(NmeaMessage::create(QStringLiteral("GN"), QStringLiteral("HTS")));
    handler.copyDataToMessage(outgoing.get());
    QVERIFY(outgoing->field("Extra")->isValid());
    QCOMPARE(outgoing->field("Extra")->toNmeaString(), QStringLiteral("x"));
}

void tst_NmeaHandler::copyFromSettings_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("validity"); // -1: no entry
    QTest::addColumn<QString>("written");

    QTest::newRow("valid integer") << QByteArray("Count") << QVariant(5) << 1 << "5";
    QTest::newRow("invalid entry") << QByteArray("Count") << QVariant(5) << 0 << "";
    QTest::newRow("no entry") << QByteArray("Count") << QVariant(5) << -1 << "";
    QTest::newRow("valid real") << QByteArray("Speed") << QVariant(2.5) << 1 << "2.50";
    QTest::newRow("valid text") << QByteArray("Mode") << QVariant(QStringLiteral("V")) << 1 << "V";
    // Values the field does not accept are not sent as valid (the field held "A" before).
    QTest::newRow("text the field refuses") << QByteArray("Mode") << QVariant(QStringLiteral("X")) << 1 << "";
    QTest::newRow("empty text") << QByteArray("Mode") << QVariant(QString()) << 1 << "";
    QTest::newRow("real written with an exponent") << QByteArray("Speed") << QVariant(1e-07) << 1 << "0.00";
}

void tst_NmeaHandler::copyFromSettings()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(int, validity);
    QFETCH(QString, written);

    TstSettings settings;
    QVERIFY(settings.setProperty(name.constData(), value));
    if (validity >= 0)
        settings.setValid(QString::fromLatin1(name), validity == 1);
    NmeaHandler handler(&settings, QStringLiteral("HTS"), false);

    // The outgoing message starts with valid values in every field.
    std::unique_ptr<NmeaMessage> message = receivedHts(QStringLiteral("1,1.0,A,1.0,h,e"));
    message->setParameters(QString());
    handler.fillOutgoingMessage(message.get());
    ValidatedProperty *field = message->field(name.constData());
    QCOMPARE(field->isValid(), !written.isEmpty());
    if (!written.isEmpty())
        QCOMPARE(field->toNmeaString(), written);
    // Invalid fields that may be null go out empty.
    QCOMPARE(field->toNmeaString(), written);
}

void tst_NmeaHandler::copyWithStore()
{
    TstStore store;
    qobject_cast<ValidatedIntProperty *>(NmeaMessage::fieldOf(&store, "Count"))->setValue(9);
    qobject_cast<ValidatedStringProperty *>(NmeaMessage::fieldOf(&store, "Mode"))
        ->setValue(QStringLiteral("V"));
    NmeaHandler handler(&store, QStringLiteral("HTS"), false);

    // Valid fields are assigned, invalid fields and names the store lacks are skipped.
    std::unique_ptr<NmeaMessage> received = receivedHts(QStringLiteral(",3.5,A,,,x"));
    received->field("Speed")->setSafe(false);
    handler.copyMessageToData(received.get());
    auto *count = qobject_cast<ValidatedIntProperty *>(NmeaMessage::fieldOf(&store, "Count"));
    auto *speed = qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(&store, "Speed"));
    auto *mode = qobject_cast<ValidatedStringProperty *>(NmeaMessage::fieldOf(&store, "Mode"));
    QCOMPARE(count->value(), 9);
    QVERIFY(count->isValid());
    QCOMPARE(speed->value(), 3.5);
    QVERIFY(speed->isValid());
    QVERIFY(!speed->isSafe());
    QCOMPARE(mode->value(), QStringLiteral("A"));

    // Filling takes the store's validity: an invalid value makes the field invalid but leaves its value.
    mode->setValid(false);
    std::unique_ptr<NmeaMessage> outgoing = receivedHts(QStringLiteral("1,1.0,V,2.0,h,e"));
    outgoing->setParameters(QString());
    handler.fillOutgoingMessage(outgoing.get());
    QCOMPARE(outgoing->serializeParameters(), QStringLiteral("9,3.50,,2.0,h,e"));
    QCOMPARE(qobject_cast<ValidatedStringProperty *>(outgoing->field("Mode"))->value(), QStringLiteral("V"));

    // Without an output data object the message keeps its fields.
    handler.setOutputDataObject(nullptr);
    std::unique_ptr<NmeaMessage> untouched = receivedHts(QStringLiteral("1,1.0,V,2.0,h,e"));
    untouched->setParameters(QString());
    handler.fillOutgoingMessage(untouched.get());
    QCOMPARE(untouched->serializeParameters(), QStringLiteral("1,1.00,V,2.0,h,e"));
}

void tst_NmeaHandler::relay()
{
    TstStore store;
    NmeaHandler handler(&store, QStringLiteral("HTS"), true);
    handler.enableRelay();

    // Nothing received yet: the sentence is built from the message's own fields.
    QCOMPARE(handler.outgoingSentences(),
        QStringList {
            QStringLiteral("$GNHTS,,,,,,*") + nmeaStringChecksum("GNHTS,,,,,,") + QStringLiteral("\r\n") });

    std::unique_ptr<NmeaMessage> received = receivedHts(QStringLiteral("4,1.25,A,,,"));
    handler.handleReceivedMessage(received.get());
    QCOMPARE(handler.relayText(), QStringLiteral("4,1.25,A,,,"));
    // The values are still stored.
    QCOMPARE(qobject_cast<ValidatedIntProperty *>(NmeaMessage::fieldOf(&store, "Count"))->value(), 4);
    // The received text goes out unchanged, not the stored values written anew.
    QCOMPARE(handler.outgoingSentences(),
        QStringList { QStringLiteral("$GNHTS,4,1.25,A,,,*") + nmeaStringChecksum("GNHTS,4,1.25,A,,,")
            + QStringLiteral("\r\n") });
}

void tst_NmeaHandler::forwarding_data()
{
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("source");

    QTest::newRow("ACN goes whole to its sender")
        << "ACN"
        << "$IIACN,hello*" + nmeaStringChecksum("IIACN,hello") + "\r\n"
        << "II0001";
    QTest::newRow("ACK goes as fields with the port") << "ACK"
                                                      << "hello"
                                                      << "Serial_2";
}

void tst_NmeaHandler::forwarding()
{
    QFETCH(QString, formatter);
    QFETCH(QString, message);
    QFETCH(QString, source);

    TstStore store;
    NmeaHandler handler(&store, formatter, false);
    handler.setForwarding(true);
    QSignalSpy forwarded(&handler, &NmeaHandler::forwardMessage);

    std::unique_ptr<NmeaMessage> received(NmeaMessage::create(QStringLiteral("II"), formatter));
    QCOMPARE(received->deserializeParamaters(QStringLiteral("hello")), 0);
    received->setSourcePort(QStringLiteral("Serial_2"));
    received->setSourceSfi(QStringLiteral("II0001"));
    handler.handleReceivedMessage(received.get());

    QCOMPARE(forwarded.count(), 1);
    QCOMPARE(forwarded.at(0).at(0).toString(), message);
    QCOMPARE(forwarded.at(0).at(1).toString(), source);
    QVERIFY(handler.isLastMessageValid());
}

void tst_NmeaHandler::sendOnEnabledPorts_data()
{
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<QList<int>>("extra");
    QTest::addColumn<QList<int>>("requested");

    QTest::newRow("nothing enabled") << QList<int>() << QList<int>() << QList<int>();
    QTest::newRow("serial 1 and UDP") << QList<int> { 0, 3 } << QList<int>() << QList<int> { 0, 3 };
    QTest::newRow("serial 2 never sends") << QList<int> { 1 } << QList<int>() << QList<int>();
    QTest::newRow("every setup") << QList<int> { 0, 1, 2, 3 } << QList<int>() << QList<int> { 0, 2, 3 };
    QTest::newRow("extra UDP only") << QList<int>() << QList<int> { 3 } << QList<int> { 3 };
    QTest::newRow("extra and enabled counted once")
        << QList<int> { 3 } << QList<int> { 3 } << QList<int> { 3 };
    QTest::newRow("extra serial 2") << QList<int>() << QList<int> { 1 } << QList<int> { 1 };
    QTest::newRow("extra beyond the walked ports") << QList<int>() << QList<int> { 5 } << QList<int>();
    QTest::newRow("ascending order") << QList<int> { 2 } << QList<int> { 3, 0 } << QList<int> { 0, 2, 3 };
}

void tst_NmeaHandler::sendOnEnabledPorts()
{
    QFETCH(QList<int>, enabled);
    QFETCH(QList<int>, extra);
    QFETCH(QList<int>, requested);

    enableOnPorts("HTS", enabled);
    NmeaHandler handler(nullptr, QStringLiteral("HTS"), true);
    handler.setExtraPorts(extra);
    QSignalSpy requests(nmeaHandlerSignalEmitter(), &SignalEmitter::signalNmeaMessageTypeAndPortAndId);
    handler.sendOnEnabledPorts();

    QCOMPARE(portsOf(requests, 1), requested);
    for (const QList<QVariant> &arguments : qAsConst(requests)) {
        QCOMPARE(arguments.at(0).toString(), QStringLiteral("HTS"));
        QCOMPARE(arguments.at(2).toString(), QStringLiteral("GN"));
    }
}

void tst_NmeaHandler::sendsWithoutAdapter()
{
    // Before the start-up sets the adapter no setup enables a port; extra ports still send.
    enableOnPorts("HTS", { 0, 2, 3 });
    setTmpPortsSetupAdapter(nullptr);
    QVERIFY(!tmpPortsSetupAdapter());
    NmeaHandler handler(nullptr, QStringLiteral("HTS"), true);
    QSignalSpy requests(nmeaHandlerSignalEmitter(), &SignalEmitter::signalNmeaMessageTypeAndPortAndId);
    QSignalSpy lists(nmeaHandlerSignalEmitter(),
        &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI);
    handler.sendOnEnabledPorts();
    handler.sendAlertMessageContents({ QStringLiteral(",1") }, QString());
    QCOMPARE(requests.count(), 0);
    QCOMPARE(lists.count(), 0);

    handler.addExtraPort(UDP);
    handler.sendOnEnabledPorts();
    QCOMPARE(portsOf(requests, 1), QList<int> { 3 });

    // A sentence without a switch, and a port that never sends, are not enabled by a setup.
    QVERIFY(m_adapter->isSentenceEnabledOnPort(QStringLiteral("HTS"), Serial_1));
    QVERIFY(!m_adapter->isSentenceEnabledOnPort(QStringLiteral("DPT"), Serial_1));
    QVERIFY(!m_adapter->isSentenceEnabledOnPort(QStringLiteral("HTS"), Add_Serial_1));

    // The adapter is not owned: once it is gone no port is enabled by it.
    setTmpPortsSetupAdapter(m_adapter.get());
    QCOMPARE(tmpPortsSetupAdapter(), m_adapter.get());
    m_adapter.reset();
    QVERIFY(!tmpPortsSetupAdapter());
}

void tst_NmeaHandler::sendCompleteSentences()
{
    enableOnPorts("HTS", { 0, 2 });
    NmeaHandler handler(nullptr, QStringLiteral("HTS"), false);
    QSignalSpy singles(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort);
    QSignalSpy lists(nmeaHandlerSignalEmitter(),
        &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI);

    const QString sentence = QStringLiteral("$GNHTS,1,,,,,*00\r\n");
    handler.sendSentenceOnEnabledPorts(sentence);
    QCOMPARE(portsOf(singles, 2), (QList<int> { 0, 2 }));
    for (const QList<QVariant> &arguments : qAsConst(singles)) {
        QCOMPARE(arguments.at(0).toString(), QStringLiteral("HTS"));
        QCOMPARE(arguments.at(1).toString(), sentence);
        QCOMPARE(arguments.at(3).toBool(), false);
    }

    const QStringList group { sentence, sentence };
    handler.sendSentencesOnEnabledPorts(group);
    QCOMPARE(portsOf(lists, 2), (QList<int> { 0, 2 }));
    for (const QList<QVariant> &arguments : qAsConst(lists)) {
        QCOMPARE(arguments.at(1).value<QList<QString>>(), group);
        QCOMPARE(arguments.at(3).toString(), QString());
        QCOMPARE(arguments.at(4).toString(), QString());
    }

    // To the connected devices: UDP only, whatever the setup says.
    singles.clear();
    enableOnPorts("HTS", {});
    handler.sendSentenceToConnectedDevices(sentence);
    QCOMPARE(portsOf(singles, 2), QList<int> { 3 });
    QCOMPARE(singles.at(0).at(3).toBool(), true);
}

void tst_NmeaHandler::alertContents()
{
    enableOnPorts("Alarm", { 0, 3 });
    enableOnPorts("HTS", {});
    NmeaHandler handler(nullptr, QStringLiteral("HTS"), false);
    // Extra ports are not consulted for alert sentences.
    handler.addExtraPort(Serial_3);
    QSignalSpy lists(nmeaHandlerSignalEmitter(),
        &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI);

    handler.sendAlertMessageContents(
        { QStringLiteral(",1,2"), QStringLiteral(",3") }, QStringLiteral("II0007"));
    const QList<QString> expected { QStringLiteral("$GNHTS,1,2*") + nmeaStringChecksum("GNHTS,1,2")
            + QStringLiteral("\r\n"),
        QStringLiteral("$GNHTS,3*") + nmeaStringChecksum("GNHTS,3") + QStringLiteral("\r\n") };
    QCOMPARE(portsOf(lists, 2), (QList<int> { 0, 3 }));
    for (const QList<QVariant> &arguments : qAsConst(lists)) {
        QCOMPARE(arguments.at(0).toString(), QStringLiteral("HTS"));
        QCOMPARE(arguments.at(1).value<QList<QString>>(), expected);
        QCOMPARE(arguments.at(3).toString(), QString());
        QCOMPARE(arguments.at(4).toString(), QStringLiteral("II0007"));
    }

    // An empty content list still goes out, as an empty list.
    lists.clear();
    handler.sendAlertMessageContents({}, QString());
    QCOMPARE(portsOf(lists, 2), (QList<int> { 0, 3 }));
    QVERIFY(lists.at(0).at(1).value<QList<QString>>().isEmpty());
}

void tst_NmeaHandler::extraPorts()
{
    NmeaHandler handler(nullptr, QStringLiteral("HTS"), false);
    handler.setExtraPorts({ 3, 3, 0 });
    QCOMPARE(handler.extraPorts(), (QList<int> { 3, 0 }));
    handler.removeExtraPort(5);
    QCOMPARE(handler.extraPorts(), (QList<int> { 3, 0 }));
    handler.addExtraPort(0);
    handler.addExtraPort(2);
    QCOMPARE(handler.extraPorts(), (QList<int> { 3, 0, 2 }));
    handler.removeExtraPort(3);
    QCOMPARE(handler.extraPorts(), (QList<int> { 0, 2 }));
}

void tst_NmeaHandler::outgoingAndStoredSentences()
{
    TstSettings settings;
    settings.setProperty("Count", 42);
    settings.setValid(QStringLiteral("Count"), true);
    NmeaHandler handler(&settings, QStringLiteral("HTS"), true);

    const QStringList outgoing = handler.outgoingSentences();
    QCOMPARE(outgoing,
        QStringList { QStringLiteral("$GNHTS,42,,,,,*") + nmeaStringChecksum("GNHTS,42,,,,,")
            + QStringLiteral("\r\n") });
    QTest::ignoreMessage(QtDebugMsg, "Should not be called on non multi-sentence handler!!!");
    QCOMPARE(handler.storedSentences(), outgoing);
    QVERIFY(!handler.isMultiSentence());
}

QTEST_GUILESS_MAIN(tst_NmeaHandler)
#include "tst_nmeahandler.moc"
