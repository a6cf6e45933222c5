// The four signal hubs as the rest of the system relies on them: four distinct objects alive before
// anything uses them, the settings hub under both its names, the signals in their declared order under the
// names that connections by signature use, and the argument types of the sentence requests registered by
// the libraries themselves, so that a queued connection delivers them without help from its user.

#include "common/SignalEmitter.h"

#include <QtTest>

#include <set>

// Receives the handler hub's sentence requests through slots named in a connection by signature.
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

class tst_SignalHubs : public QObject
{
    Q_OBJECT

private slots:
    void hubsAreDistinctAndLive();
    void signatures_data();
    void signatures();
    void sentenceRequestsCrossQueuedConnections();
};

void tst_SignalHubs::hubsAreDistinctAndLive()
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
    // One settings hub under both names: what the settings objects emit, the data class hears.
    QCOMPARE(settingsSignalEmitter(), serializableSignalEmitter());
    // Each accessor gives the same hub every time.
    QCOMPARE(nmeaHandlerSignalEmitter(), hubs[0]);
    QCOMPARE(propertyInfoSignalEmitter(), hubs[2]);
    QCOMPARE(buttonSignalEmitter(), hubs[3]);
}

void tst_SignalHubs::signatures_data()
{
    QTest::addColumn<QByteArray>("signature");

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

void tst_SignalHubs::signatures()
{
    QFETCH(QByteArray, signature);

    const QMetaObject &meta = SignalEmitter::staticMetaObject;
    const int index = meta.indexOfSignal(signature.constData());
    QVERIFY2(index >= 0, signature.constData());
    // In the declared order, and nothing but signals.
    QCOMPARE(index - meta.methodOffset(), QString::fromLatin1(QTest::currentDataTag()).toInt());
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 14);
}

// The sentence requests carry a Port and a list of sentences. Nothing in this test registers those types:
// the libraries must register them by the names in the signatures, or a queued connection made by
// signature (as the system makes some) drops the call with a warning.
void tst_SignalHubs::sentenceRequestsCrossQueuedConnections()
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

QTEST_GUILESS_MAIN(tst_SignalHubs)
#include "tst_signalhubs.moc"
