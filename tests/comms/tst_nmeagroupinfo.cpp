#include "comms/NmeaGroupInfo.h"

#include <QtTest>

namespace {

const QString gga = QStringLiteral("$GPGGA,120000,5400.000,N,01000.000,E,1,08,0.9,10.0,M,,M,,*4C\r\n");
const QString vtg = QStringLiteral("$GPVTG,45.0,T,,M,10.0,N,18.5,K,A*1E\r\n");

} // namespace

// Sender and receiver of a queued, string-based connection, as the controllers connect their group paths.
class GroupSender : public QObject
{
    Q_OBJECT
signals:
    void groupReady(NmeaGroupInfo group, Port port, MessageType type);
};

class GroupReceiver : public QObject
{
    Q_OBJECT
public:
    QList<NmeaGroupInfo> groups;
    QList<Port> ports;
    QList<MessageType> types;
public slots:
    void take(NmeaGroupInfo group, Port port, MessageType type)
    {
        groups << group;
        ports << port;
        types << type;
    }
};

class tst_NmeaGroupInfo : public QObject
{
    Q_OBJECT

private slots:
    void portNames_data();
    void portNames();
    void additionalPorts_data();
    void additionalPorts();
    void groupFromSentencesAndPort();
    void groupFromAllMembers();
    void messageTypeTests_data();
    void messageTypeTests();
    void removeMessage_data();
    void removeMessage();
    void copiesAreIndependent();
    void travelsInQueuedSignals();
};

void tst_NmeaGroupInfo::portNames_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("name");

    QTest::newRow("0") << 0 << "Serial_1";
    QTest::newRow("1") << 1 << "Serial_2";
    QTest::newRow("2") << 2 << "Serial_3";
    QTest::newRow("3") << 3 << "UDP";
    QTest::newRow("4") << 4 << "Add_Serial_1";
    QTest::newRow("5") << 5 << "Add_Serial_2";
    QTest::newRow("6") << 6 << "Add_Serial_3";
    QTest::newRow("7") << 7 << "Undefined_port_string";
    QTest::newRow("-1") << -1 << "Undefined_port_string";
    QTest::newRow("1000") << 1000 << "Undefined_port_string";
}

void tst_NmeaGroupInfo::portNames()
{
    QFETCH(int, port);
    QFETCH(QString, name);

    QCOMPARE(portToString(Port(port)), name);
    const NmeaGroupInfo group { QStringList(), Port(port) };
    QCOMPARE(group.portName(), name);
}

void tst_NmeaGroupInfo::additionalPorts_data()
{
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("additional");
    QTest::addColumn<QString>("additionalName");

    QTest::newRow("Serial_1") << 0 << 4 << "Add_Serial_1";
    QTest::newRow("Serial_3") << 2 << 6 << "Add_Serial_3";
    // No check of the argument: UDP shifted names no port.
    QTest::newRow("UDP") << 3 << 7 << "Undefined_port_string";
}

void tst_NmeaGroupInfo::additionalPorts()
{
    QFETCH(int, serial);
    QFETCH(int, additional);
    QFETCH(QString, additionalName);

    QCOMPARE(int(toAdditionalPort(Port(serial))), additional);
    QCOMPARE(portToString(toAdditionalPort(Port(serial))), additionalName);
    QCOMPARE(int(fromAdditionalPort(Port(additional))), serial);
}

void tst_NmeaGroupInfo::groupFromSentencesAndPort()
{
    const NmeaGroupInfo group(QStringList { gga, vtg }, Serial_1);
    QCOMPARE(group.messages(), (QStringList { gga, vtg }));
    QCOMPARE(group.messageCount(), 2);
    QVERIFY(group.sourceSfi().isEmpty());
    QVERIFY(group.destinationSfis().isEmpty());
    QCOMPARE(group.messageType(), StandardSentence);
    QVERIFY(group.isStandardSentence());
    QVERIFY(!group.isInternalData());
    QVERIFY(!group.isNetworkAdministration());
    QCOMPARE(group.port(), Serial_1);
    QCOMPARE(group.portName(), QStringLiteral("Serial_1"));
}

void tst_NmeaGroupInfo::groupFromAllMembers()
{
    // Source SFI first, destinations second, sentences third; the port before the type.
    const NmeaGroupInfo group(QStringLiteral("AB0001"), QStringList { QStringLiteral("CD0002") },
        QStringList { gga }, UDP, InternalData);
    QCOMPARE(group.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(group.destinationSfis(), QStringList { QStringLiteral("CD0002") });
    QCOMPARE(group.messages(), QStringList { gga });
    QCOMPARE(group.portName(), QStringLiteral("UDP"));
    QVERIFY(group.isInternalData());
    QVERIFY(!group.isStandardSentence());

    NmeaGroupInfo changed = group;
    changed.setSourceSfi(QStringLiteral("EF0003"));
    changed.setDestinationSfis(QStringList { QStringLiteral("GH0004"), QStringLiteral("IJ0005") });
    changed.setMessages(QStringList { vtg });
    changed.setPort(Add_Serial_2);
    changed.setMessageType(NetworkAdministration);
    QCOMPARE(changed.sourceSfi(), QStringLiteral("EF0003"));
    QCOMPARE(changed.destinationSfis(), (QStringList { QStringLiteral("GH0004"), QStringLiteral("IJ0005") }));
    QCOMPARE(changed.messages(), QStringList { vtg });
    QCOMPARE(changed.portName(), QStringLiteral("Add_Serial_2"));
    QVERIFY(changed.isNetworkAdministration());
}

void tst_NmeaGroupInfo::messageTypeTests_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<bool>("administration");
    QTest::addColumn<bool>("standard");

    QTest::newRow("0 internal data") << 0 << true << false << false;
    QTest::newRow("1 network administration") << 1 << false << true << false;
    QTest::newRow("2 standard sentence") << 2 << false << false << true;
    QTest::newRow("3 none") << 3 << false << false << false;
}

void tst_NmeaGroupInfo::messageTypeTests()
{
    QFETCH(int, type);
    QFETCH(bool, internal);
    QFETCH(bool, administration);
    QFETCH(bool, standard);

    NmeaGroupInfo group;
    group.setMessageType(MessageType(type));
    QCOMPARE(group.isInternalData(), internal);
    QCOMPARE(group.isNetworkAdministration(), administration);
    QCOMPARE(group.isStandardSentence(), standard);
}

void tst_NmeaGroupInfo::removeMessage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("first") << 0 << QStringList { vtg };
    QTest::newRow("last") << 1 << QStringList { gga };
    QTest::newRow("negative") << -1 << QStringList { gga, vtg };
    QTest::newRow("the count") << 2 << QStringList { gga, vtg };
    QTest::newRow("far beyond") << 1000000 << QStringList { gga, vtg };
}

void tst_NmeaGroupInfo::removeMessage()
{
    QFETCH(int, index);
    QFETCH(QStringList, remaining);

    NmeaGroupInfo group(QStringList { gga, vtg }, UDP);
    group.removeMessage(index);
    QCOMPARE(group.messages(), remaining);
    QCOMPARE(group.messageCount(), remaining.size());
}

void tst_NmeaGroupInfo::copiesAreIndependent()
{
    NmeaGroupInfo original(QStringLiteral("AB0001"), QStringList { QStringLiteral("CD0002") },
        QStringList { gga }, UDP, StandardSentence);
    NmeaGroupInfo copy(original);
    copy.setMessages(QStringList { vtg, vtg });
    copy.removeMessage(0);
    copy.setDestinationSfis(QStringList());
    NmeaGroupInfo assigned;
    assigned = original;
    assigned.setSourceSfi(QString());

    QCOMPARE(original.messages(), QStringList { gga });
    QCOMPARE(original.destinationSfis(), QStringList { QStringLiteral("CD0002") });
    QCOMPARE(original.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(copy.messages(), QStringList { vtg });
    QCOMPARE(copy.sourceSfi(), QStringLiteral("AB0001"));

    // The returned list is a copy too.
    QStringList messages = original.messages();
    messages.clear();
    QCOMPARE(original.messageCount(), 1);
}

void tst_NmeaGroupInfo::travelsInQueuedSignals()
{
    QVERIFY(QMetaType::type("Port") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("MessageType") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("NmeaGroupInfo") != QMetaType::UnknownType);

    GroupSender sender;
    GroupReceiver receiver;
    QVERIFY(connect(&sender, SIGNAL(groupReady(NmeaGroupInfo, Port, MessageType)), &receiver,
        SLOT(take(NmeaGroupInfo, Port, MessageType)), Qt::QueuedConnection));
    const NmeaGroupInfo group(QStringLiteral("AB0001"), QStringList { QStringLiteral("CD0002") },
        QStringList { gga }, UDP, InternalData);
    emit sender.groupReady(group, Add_Serial_3, NetworkAdministration);
    QVERIFY(receiver.groups.isEmpty()); // queued, not delivered during the emit
    QTRY_COMPARE(receiver.groups.size(), 1);
    const NmeaGroupInfo received = receiver.groups.first();
    QCOMPARE(received.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(received.destinationSfis(), QStringList { QStringLiteral("CD0002") });
    QCOMPARE(received.messages(), QStringList { gga });
    QCOMPARE(received.port(), UDP);
    QCOMPARE(received.messageType(), InternalData);
    QCOMPARE(receiver.ports.first(), Add_Serial_3);
    QCOMPARE(receiver.types.first(), NetworkAdministration);
}

QTEST_GUILESS_MAIN(tst_NmeaGroupInfo)
#include "tst_nmeagroupinfo.moc"
