#include "common/SignalEmitter.h"

#include <QtTest>

#include <set>

// Receives the handler hub's send requests on a queued, string-based
// connection, as the system object connects the hub to the NMEA controller.
class SendSlots : public QObject
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void sendType(QString type, Port port, QString id)
    {
        calls << QStringLiteral("%1 %2 %3").arg(type, portToString(port), id);
    }
    void sendList(QString type, QList<QString> messages, Port port, QString id, QString destination)
    {
        calls << QStringLiteral("%1 [%2] %3 %4 %5")
                     .arg(type, messages.join(QLatin1Char('|')), portToString(port), id, destination);
    }
};

class tst_SignalEmitter : public QObject
{
    Q_OBJECT

private slots:
    void hubsExistBeforeUse();
    void signatures_data();
    void signatures();
    void settingsHubCarriesTexts();
    void handlerHubCarriesPortsOnQueuedConnections();
    void handlerHubDirectConnectionRunsDuringEmit();
};

void tst_SignalEmitter::hubsExistBeforeUse()
{
    SignalEmitter *const hubs[] = { nmeaHandlerSignalEmitter(), serializableSignalEmitter(),
        propertyInfoSignalEmitter(), buttonSignalEmitter() };
    std::set<SignalEmitter *> distinct;
    for (SignalEmitter *hub : hubs) {
        QVERIFY(hub);
        QVERIFY(!hub->parent());
        distinct.insert(hub);
    }
    QCOMPARE(distinct.size(), size_t(4));
    // One settings hub under both names: what one side emits the other side
    // hears.
    QCOMPARE(settingsSignalEmitter(), serializableSignalEmitter());
    QCOMPARE(nmeaHandlerSignalEmitter(), hubs[0]);
    QCOMPARE(buttonSignalEmitter(), hubs[3]);
}

void tst_SignalEmitter::signatures_data()
{
    QTest::addColumn<QByteArray>("signature");

    // The signatures that the start-up and the controllers connect by text.
    QTest::newRow("0") << QByteArray("signalEmitString(QString)");
    QTest::newRow("1") << QByteArray("signalMarkString(QString)");
    QTest::newRow("2") << QByteArray("signalSerializedSetupAndDestinationSfis(QString,QStringList)");
    QTest::newRow("3") << QByteArray("signalNmeaMessageTypeAndPortAndId(QString,Port,QString)");
    QTest::newRow("4") << QByteArray("signalTypeAndCompleteNmeaMessageAndPort(QString,QString,Port,bool)");
    QTest::newRow("5") << QByteArray("signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(QString,"
                                     "QList<QString>,Port,QString,QString)");
    QTest::newRow("6") << QByteArray("signalButtonOfValuePropertyInfoPressed(ValuePropertyInfo*)");
    QTest::newRow("7") << QByteArray("signalButtonOfValuePropertyInfoReleased(ValuePropertyInfo*)");
    QTest::newRow("8") << QByteArray("signalButtonOfEnumPropertyInfoPressed(EnumPropertyInfo*)");
    QTest::newRow("9") << QByteArray("signalButtonOfEnumPropertyInfoReleased(EnumPropertyInfo*)");
    QTest::newRow("10") << QByteArray("signalBottomBarPressed(BottomBarInfo*)");
    QTest::newRow("11") << QByteArray("signalBottomBarReleased(BottomBarInfo*)");
    QTest::newRow("12") << QByteArray("signalRuntimeButtonPressed(RuntimeButtonInfo*)");
    QTest::newRow("13") << QByteArray("signalRuntimeButtonReleased(RuntimeButtonInfo*)");
}

void tst_SignalEmitter::signatures()
{
    QFETCH(QByteArray, signature);

    const QMetaObject &meta = SignalEmitter::staticMetaObject;
    const int index = meta.indexOfSignal(signature.constData());
    QVERIFY2(index >= 0, signature.constData());
    // In the declared order, and nothing but signals.
    QCOMPARE(index - meta.methodOffset(), QString::fromLatin1(QTest::currentDataTag()).toInt());
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 14);
}

void tst_SignalEmitter::settingsHubCarriesTexts()
{
    QSignalSpy single(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy whole(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    QSignalSpy handler(nmeaHandlerSignalEmitter(), &SignalEmitter::signalEmitString);

    emit serializableSignalEmitter()->signalEmitString(
        QStringLiteral("Type_Setup,SingleProperty,TQ55Setup,Group=3"));
    emit settingsSignalEmitter()->signalSerializedSetupAndDestinationSfis(
        QStringLiteral("Type_Setup,ESSetup"), QStringList { QStringLiteral("GN1001") });

    QCOMPARE(single.count(), 1);
    QCOMPARE(single.at(0).at(0).toString(), QStringLiteral("Type_Setup,SingleProperty,TQ55Setup,Group=3"));
    QCOMPARE(whole.count(), 1);
    QCOMPARE(whole.at(0).at(0).toString(), QStringLiteral("Type_Setup,ESSetup"));
    QCOMPARE(whole.at(0).at(1).toStringList(), QStringList { QStringLiteral("GN1001") });
    QCOMPARE(handler.count(), 0); // the hubs are separate
}

void tst_SignalEmitter::handlerHubCarriesPortsOnQueuedConnections()
{
    SendSlots receiver;
    QVERIFY(
        connect(nmeaHandlerSignalEmitter(), SIGNAL(signalNmeaMessageTypeAndPortAndId(QString, Port, QString)),
            &receiver, SLOT(sendType(QString, Port, QString)), Qt::QueuedConnection));
    QVERIFY(connect(nmeaHandlerSignalEmitter(),
        SIGNAL(signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
            QString, QList<QString>, Port, QString, QString)),
        &receiver, SLOT(sendList(QString, QList<QString>, Port, QString, QString)), Qt::QueuedConnection));

    emit nmeaHandlerSignalEmitter()->signalNmeaMessageTypeAndPortAndId(
        QStringLiteral("VBW"), UDP, QStringLiteral("GN"));
    emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
        QStringLiteral("ALF"), QList<QString> { QStringLiteral("a"), QStringLiteral("b") }, Serial_2,
        QStringLiteral("GN"), QStringLiteral("GN1001"));
    QVERIFY(receiver.calls.isEmpty());
    QTRY_COMPARE(receiver.calls.size(), 2);
    QCOMPARE(receiver.calls.at(0), QStringLiteral("VBW UDP GN"));
    QCOMPARE(receiver.calls.at(1), QStringLiteral("ALF [a|b] Serial_2 GN GN1001"));
}

void tst_SignalEmitter::handlerHubDirectConnectionRunsDuringEmit()
{
    QSignalSpy spy(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort);
    QVERIFY(spy.isValid());
    emit nmeaHandlerSignalEmitter()->signalTypeAndCompleteNmeaMessageAndPort(
        QStringLiteral("SRP"), QStringLiteral("$GNSRP*00\r\n"), Add_Serial_1, true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("SRP"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("$GNSRP*00\r\n"));
    QCOMPARE(spy.at(0).at(2).value<Port>(), Add_Serial_1);
    QCOMPARE(spy.at(0).at(3).toBool(), true);
}

QTEST_GUILESS_MAIN(tst_SignalEmitter)
#include "tst_signalemitter.moc"
