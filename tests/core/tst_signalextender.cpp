#include "common/SignalExtender.h"

#include <QtTest>

namespace {

// Collects the debug lines written while it lives.
class DebugLines
{
public:
    DebugLines()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&DebugLines::handle);
    }
    ~DebugLines() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtDebugMsg)
            s_lines << text;
    }
    static QStringList s_lines;
    QtMessageHandler m_previous;
};

QStringList DebugLines::s_lines;

} // namespace

class Source : public QObject
{
    Q_OBJECT
public:
    // Queued by connectNotify, as an object whose connection creates further
    // wiring would.
    SignalExtender *queueOnConnect = nullptr;

signals:
    void stateChanged(int value);

protected:
    void connectNotify(const QMetaMethod &signal) override
    {
        if (queueOnConnect && signal == QMetaMethod::fromSignal(&Source::stateChanged)) {
            SignalExtender *extender = queueOnConnect;
            queueOnConnect = nullptr;
            // Enough records to make the list grow while the pass reads it.
            for (int i = 0; i < 100; ++i)
                extender->addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
                    QStringLiteral("late"), QStringLiteral("1take(int)"), Qt::AutoConnection);
        }
    }
};

class Owner : public QObject
{
    Q_OBJECT
public:
    QList<int> taken;
public slots:
    void take(int value) { taken << value; }
};

class tst_SignalExtender : public QObject
{
    Q_OBJECT

private slots:
    void processWideInstance();
    void registerAndFind();
    void replacingKeepsMadeConnections();
    void connectsRegisteredObjects();
    void missingNamesAreReported_data();
    void missingNamesAreReported();
    void eachRecordIsResolvedOnce();
    void laterRecordsResolveOnTheNextPass();
    void recordsQueuedDuringAPassAreResolvedInIt();
    void connectionTypeIsKept();
    void refusedConnectionIsSkipped();
    void destroyedObjectIsNotUsed();
};

void tst_SignalExtender::processWideInstance()
{
    SignalExtender *registry = SignalExtender::instance();
    QVERIFY(registry);
    QCOMPARE(SignalExtender::instance(), registry);
    QVERIFY(!registry->parent());
}

void tst_SignalExtender::registerAndFind()
{
    SignalExtender extender;
    QCOMPARE(extender.findObject(QStringLiteral("AlfController")), nullptr);
    Owner a;
    Owner b;
    extender.registerObject(QStringLiteral("AlfController"), &a);
    extender.registerObject(QStringLiteral("AlrController"), &b);
    QCOMPARE(extender.findObject(QStringLiteral("AlfController")), &a);
    QCOMPARE(extender.findObject(QStringLiteral("AlrController")), &b);
    QCOMPARE(extender.findObject(QStringLiteral("alfcontroller")), nullptr);
    QCOMPARE(extender.findObject(QString()), nullptr);
}

void tst_SignalExtender::replacingKeepsMadeConnections()
{
    SignalExtender extender;
    Source first;
    Source second;
    Owner owner;
    extender.registerObject(QStringLiteral("source"), &first);
    extender.registerObject(QStringLiteral("owner"), &owner);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    extender.connectPending();

    extender.registerObject(QStringLiteral("source"), &second);
    QCOMPARE(extender.findObject(QStringLiteral("source")), &second);
    emit first.stateChanged(1);
    emit second.stateChanged(2);
    QCOMPARE(owner.taken, QList<int> { 1 });
}

void tst_SignalExtender::connectsRegisteredObjects()
{
    SignalExtender extender;
    QCOMPARE(extender.connectedCount(), 0);
    Source source;
    Owner owner;
    extender.registerObject(QStringLiteral("Alert_basic_alert"), &source);
    extender.registerObject(QStringLiteral("AlfController"), &owner);
    // Signatures as written by hand, with blanks: Qt normalizes them.
    extender.addPendingConnection(QStringLiteral("Alert_basic_alert"), QStringLiteral("2stateChanged( int )"),
        QStringLiteral("AlfController"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    QCOMPARE(extender.connectedCount(), 0); // queued, not resolved
    emit source.stateChanged(5);
    QVERIFY(owner.taken.isEmpty());

    extender.connectPending();
    QCOMPARE(extender.connectedCount(), 1);
    emit source.stateChanged(6);
    QCOMPARE(owner.taken, QList<int> { 6 });
}

void tst_SignalExtender::missingNamesAreReported_data()
{
    QTest::addColumn<bool>("registerSource");
    QTest::addColumn<bool>("registerOwner");
    QTest::addColumn<QString>("message");

    // Only the source is reported when both are missing.
    QTest::newRow("both missing") << false << false
                                  << "\"src\"  signal source  has not been "
                                     "registerd within Signalextender.";
    QTest::newRow("source missing") << false << true
                                    << "\"src\"  signal source  has not been "
                                       "registerd within Signalextender.";
    QTest::newRow("owner missing") << true << false
                                   << "\"own\"  slot owner  has not been registerd within Signalextender.";
}

void tst_SignalExtender::missingNamesAreReported()
{
    QFETCH(bool, registerSource);
    QFETCH(bool, registerOwner);
    QFETCH(QString, message);

    SignalExtender extender;
    Source source;
    Owner owner;
    if (registerSource)
        extender.registerObject(QStringLiteral("src"), &source);
    if (registerOwner)
        extender.registerObject(QStringLiteral("own"), &owner);
    extender.addPendingConnection(QStringLiteral("src"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("own"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    {
        DebugLines debug;
        extender.connectPending();
        QCOMPARE(debug.lines(), QStringList { message });
    }
    QCOMPARE(extender.connectedCount(), 1);
    emit source.stateChanged(1);
    QVERIFY(owner.taken.isEmpty());
}

void tst_SignalExtender::eachRecordIsResolvedOnce()
{
    SignalExtender extender;
    Source source;
    Owner owner;
    extender.registerObject(QStringLiteral("source"), &source);
    extender.registerObject(QStringLiteral("owner"), &owner);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    extender.addPendingConnection(QStringLiteral("missing"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    {
        DebugLines debug;
        extender.connectPending();
        QCOMPARE(debug.lines().size(), 1);
    }
    QCOMPARE(extender.connectedCount(), 2);
    {
        // The second pass finds no unprocessed record: nothing is connected twice,
        // nothing reported again, and the missing name is not retried even now that
        // it exists.
        extender.registerObject(QStringLiteral("missing"), &source);
        DebugLines debug;
        extender.connectPending();
        QVERIFY(debug.lines().isEmpty());
    }
    QCOMPARE(extender.connectedCount(), 2);
    emit source.stateChanged(3);
    QCOMPARE(owner.taken, QList<int> { 3 });
}

void tst_SignalExtender::laterRecordsResolveOnTheNextPass()
{
    SignalExtender extender;
    Source source;
    Owner owner;
    extender.registerObject(QStringLiteral("source"), &source);
    extender.registerObject(QStringLiteral("owner"), &owner);
    extender.connectPending();
    QCOMPARE(extender.connectedCount(), 0);

    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    extender.connectPending();
    QCOMPARE(extender.connectedCount(), 1);
    emit source.stateChanged(4);
    QCOMPARE(owner.taken, QList<int> { 4 });
}

void tst_SignalExtender::recordsQueuedDuringAPassAreResolvedInIt()
{
    SignalExtender extender;
    Source source;
    Owner owner;
    Owner late;
    source.queueOnConnect = &extender;
    extender.registerObject(QStringLiteral("source"), &source);
    extender.registerObject(QStringLiteral("owner"), &owner);
    extender.registerObject(QStringLiteral("late"), &late);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);

    extender.connectPending();
    QCOMPARE(extender.connectedCount(), 101);
    emit source.stateChanged(7);
    QCOMPARE(owner.taken, QList<int> { 7 });
    QCOMPARE(late.taken.size(), 100);
}

void tst_SignalExtender::connectionTypeIsKept()
{
    SignalExtender extender;
    Source source;
    Owner queued;
    Owner unique;
    extender.registerObject(QStringLiteral("source"), &source);
    extender.registerObject(QStringLiteral("queued"), &queued);
    extender.registerObject(QStringLiteral("unique"), &unique);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("queued"), QStringLiteral("1take(int)"), Qt::QueuedConnection);
    for (int i = 0; i < 2; ++i)
        extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
            QStringLiteral("unique"), QStringLiteral("1take(int)"), Qt::UniqueConnection);
    extender.connectPending();

    emit source.stateChanged(8);
    QCOMPARE(unique.taken, QList<int> { 8 }); // the second unique connection was refused
    QVERIFY(queued.taken.isEmpty());
    QTRY_COMPARE(queued.taken, QList<int> { 8 });
}

void tst_SignalExtender::refusedConnectionIsSkipped()
{
    SignalExtender extender;
    Source source;
    Owner owner;
    extender.registerObject(QStringLiteral("source"), &source);
    extender.registerObject(QStringLiteral("owner"), &owner);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2noSuchSignal(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No such signal.*noSuchSignal")));
    extender.connectPending();
    QCOMPARE(extender.connectedCount(), 2);
    emit source.stateChanged(9);
    QCOMPARE(owner.taken, QList<int> { 9 });
}

void tst_SignalExtender::destroyedObjectIsNotUsed()
{
    SignalExtender extender;
    Owner owner;
    auto *source = new Source;
    extender.registerObject(QStringLiteral("source"), source);
    extender.registerObject(QStringLiteral("owner"), &owner);
    delete source;
    QCOMPARE(extender.findObject(QStringLiteral("source")), nullptr);

    extender.addPendingConnection(QStringLiteral("source"), QStringLiteral("2stateChanged(int)"),
        QStringLiteral("owner"), QStringLiteral("1take(int)"), Qt::AutoConnection);
    DebugLines debug;
    extender.connectPending();
    QCOMPARE(debug.lines(),
        QStringList { QStringLiteral("\"source\"  signal source  has not been "
                                     "registerd within Signalextender.") });
}

QTEST_GUILESS_MAIN(tst_SignalExtender)
#include "tst_signalextender.moc"
