#include "common/SignalEmitter.h"
#include "data/ClockOffsets.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/MarkClass.h"
#include "data/MarkParser.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

// Event marks: decoding of received marks into labels and channels, refusal of marks that cannot be
// decoded, and the stamping of sent marks.
class TstMarkClass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rangeStepsFromTheTransducerDescription();
    void receivedMark_data();
    void receivedMark();
    void undecodableMarkIsDropped_data();
    void undecodableMarkIsDropped();
    void partlyAppliedTextStillAnnounced();
    void sendingStampsDateAndTime();

private:
    ESOptionsSetup *m_options = nullptr;
};

void TstMarkClass::initTestCase()
{
    m_options = ESDataClass::instance()->setup()->findChild<ESOptionsSetup *>(QStringLiteral("OptionsSetup"));
    QVERIFY(m_options);
}

void TstMarkClass::rangeStepsFromTheTransducerDescription()
{
    const MarkParser &parser = MarkParser::instance();
    QCOMPARE(parser.rangeStepsMeters().size(), 28);
    QCOMPARE(parser.rangeStepsFeet().size(), 28);
    QCOMPARE(parser.rangeStepsFathoms().size(), 28);
    QCOMPARE(parser.rangeStepsMeters().first(), QStringLiteral("5"));
    QCOMPARE(parser.rangeStepsMeters().last(), QStringLiteral("6000"));
    QCOMPARE(parser.rangeStepsFeet().at(4), QStringLiteral("300"));
    QCOMPARE(parser.rangeStepsFathoms().last(), QStringLiteral("3250"));
}

void TstMarkClass::receivedMark_data()
{
    QTest::addColumn<QString>("markData");
    QTest::addColumn<int>("scalesDepth");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("channel");

    QTest::newRow("alarm") << "AlarmMark//Alarm_Shallow" << 0 << "Alarm Shallow" << -1;
    QTest::newRow("manual") << "ManualMark" << 0 << "Manual Mark" << -1;
    QTest::newRow("manual inside other text") << "xManualMarkx" << 0 << "Manual Mark" << -1;
    QTest::newRow("alarm and manual")
        << "AlarmMark//Deep_Water_ManualMark" << 0 << "Deep Water ManualMark" << -1;
    QTest::newRow("gain auto, channel 2")
        << "TransducerSetup2##CombinedGain//5_auto" << 0 << "Gain=6 auto" << 1;
    QTest::newRow("gain manual") << "TransducerSetup2##CombinedGain//5" << 0 << "Gain=6" << 1;
    QTest::newRow("tvg, channel 1") << "TransducerSetup1##TvgPercentage//40" << 0 << "TVG=40%" << 0;
    QTest::newRow("power auto") << "TransducerSetup1##PowerPercentage//100_auto" << 0 << "Power=100% auto"
                                << 0;
    QTest::newRow("range metres") << "ESSetup##TransducerSetup1##Range//4" << 0 << "Range=100m" << 0;
    QTest::newRow("range feet") << "TransducerSetup2##Range//4" << 1 << "Range=300ft" << 1;
    QTest::newRow("range fathoms") << "TransducerSetup2##Range//4" << 2 << "Range=50fm" << 1;
    QTest::newRow("last range step") << "TransducerSetup1##Range//27" << 0 << "Range=6000m" << 0;
    QTest::newRow("no channel digit") << "OtherSettings##PowerPercentage//100" << 0 << "Power=100%" << -1;
}

void TstMarkClass::receivedMark()
{
    QFETCH(QString, markData);
    QFETCH(int, scalesDepth);
    QFETCH(QString, label);
    QFETCH(int, channel);

    m_options->setScalesDepth(scalesDepth);
    MarkClass mark;
    QSignalSpy spy(&mark, &MarkClass::markReceived);
    const QDateTime before = systemDateTimeLocalOrUtc();
    QVERIFY(mark.deserializeAll(
        QStringLiteral("Type_Mark,Date=01-02-2020,Time=10-11-12,Depth=12.5,MarkData=") + markData));
    QCOMPARE(mark.MarkData(), label);
    QCOMPARE(spy.count(), 1);
    const QList<QVariant> arguments = spy.takeFirst();
    QCOMPARE(arguments.at(0).toInt(), channel);
    QCOMPARE(arguments.at(1).toString(), label);
    // The moment of receipt, not the received date and time.
    const QDateTime received = arguments.at(2).toDateTime();
    QVERIFY(qAbs(before.secsTo(received)) <= 1);
    QCOMPARE(arguments.at(3).toString(), QStringLiteral("12.5"));
    QCOMPARE(mark.Date(), QStringLiteral("01-02-2020"));
}

void TstMarkClass::undecodableMarkIsDropped_data()
{
    QTest::addColumn<QString>("markData");
    QTest::addColumn<int>("scalesDepth");

    QTest::newRow("unknown property") << "TransducerSetup1##Frequency//3" << 0;
    QTest::newRow("gain not a number") << "TransducerSetup1##CombinedGain//high" << 0;
    QTest::newRow("gain empty") << "TransducerSetup1##CombinedGain//_auto" << 0;
    QTest::newRow("parameter without //") << "TransducerSetup1##CombinedGain" << 0;
    QTest::newRow("range index past the steps") << "TransducerSetup1##Range//28" << 0;
    QTest::newRow("range index negative") << "TransducerSetup1##Range//-1" << 0;
    QTest::newRow("range index not a number") << "TransducerSetup1##Range//far" << 0;
    QTest::newRow("depth unit unknown") << "TransducerSetup1##Range//4" << 3;
    QTest::newRow("alarm without //") << "AlarmMark_Shallow" << 0;
    QTest::newRow("one name only") << "CombinedGain//5" << 0;
    QTest::newRow("empty") << "" << 0;
}

// A mark from another unit that cannot be labelled is logged and dropped; it never ends the program.
void TstMarkClass::undecodableMarkIsDropped()
{
    QFETCH(QString, markData);
    QFETCH(int, scalesDepth);

    m_options->setScalesDepth(scalesDepth);
    MarkClass mark;
    QSignalSpy spy(&mark, &MarkClass::markReceived);
    const QString text
        = QStringLiteral("Type_Mark,Date=01-02-2020,Time=10-11-12,Depth=3,MarkData=") + markData;
    QVERIFY(!mark.deserializeAll(text));
    QCOMPARE(spy.count(), 0);
    int channel = 42;
    QVERIFY(!mark.parseMarkData(text, &channel));
    QCOMPARE(channel, 42);
    m_options->setScalesDepth(0);
}

void TstMarkClass::partlyAppliedTextStillAnnounced()
{
    MarkClass mark;
    QSignalSpy spy(&mark, &MarkClass::markReceived);
    // The trailing "," is an item without "=": the reader stops there with false after applying the rest.
    QVERIFY(!mark.deserializeAll(QStringLiteral("Type_Mark,Depth=7,MarkData=ManualMark,")));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Manual Mark"));
    QCOMPARE(spy.at(0).at(3).toString(), QStringLiteral("7"));
}

void TstMarkClass::sendingStampsDateAndTime()
{
    MarkClass mark;
    QCOMPARE(mark.objectName(), QStringLiteral("MarkObject"));
    QCOMPARE(mark.type(), QStringLiteral("Type_Mark"));
    mark.setDepth(QStringLiteral("25.4"));
    mark.setMarkData(QStringLiteral("ManualMark"));

    QSignalSpy dateSpy(&mark, &MarkClass::DateChanged);
    QSignalSpy timeSpy(&mark, &MarkClass::TimeChanged);
    QSignalSpy hub(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);

    const QStringList sfis { QStringLiteral("GN1001") };
    const QDateTime before = systemDateTimeLocalOrUtc();
    const QString text = mark.serializeAndSend(sfis);

    QCOMPARE(dateSpy.count(), 0);
    QCOMPARE(timeSpy.count(), 0);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$")).match(mark.Date()).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d-\\d\\d$")).match(mark.Time()).hasMatch());
    const QDateTime stamped
        = QDateTime::fromString(mark.Date() + mark.Time(), QStringLiteral("dd-MM-yyyyhh-mm-ss"));
    QVERIFY(qAbs(QDateTime(before.date(), before.time()).secsTo(stamped)) <= 1);

    QCOMPARE(text,
        QStringLiteral("Type_Mark,Date=") + mark.Date() + QStringLiteral(",Time=") + mark.Time()
            + QStringLiteral(",Depth=25.4,MarkData=ManualMark"));
    QCOMPARE(hub.count(), 1);
    QCOMPARE(hub.at(0).at(0).toString(), text);
    QCOMPARE(hub.at(0).at(1).toStringList(), sfis);
}

QTEST_GUILESS_MAIN(TstMarkClass)
#include "tst_markclass.moc"
