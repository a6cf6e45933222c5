#include "ParsedSentence.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaData.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/DepthHandlers.h"
#include "sentences/DepthSentences.h"

#include <QMetaProperty>
#include <QtTest>

#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

// The depth handlers run in the default handler set (echo sounders); DAT and DPT also in the speed-log
// junction box's. The test runs as an echo-sounder display.

namespace {

ValidatedFloatProperty *navigationFloat(const char *name)
{
    return qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(NmeaData::instance(), name));
}

// The six fields of a proprietary depth channel in sentence order, as sent: "" for a field without a
// valid value.
QStringList channelTexts(int channel)
{
    const QObject *depth = NmeaData::instance()->pqrvDptData(channel);
    const QMetaObject *meta = depth->metaObject();
    QStringList texts;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const ValidatedProperty *field = NmeaMessage::fieldOf(depth, meta->property(i).name());
        texts << (field->isValid() ? field->toNmeaString() : QString());
    }
    return texts;
}

void clearChannels()
{
    for (int channel = 1; channel <= 2; ++channel) {
        const QObject *depth = NmeaData::instance()->pqrvDptData(channel);
        for (ValidatedProperty *field :
            depth->findChildren<ValidatedProperty *>(QString(), Qt::FindDirectChildrenOnly))
            field->setValid(false);
    }
}

void receive(NmeaHandler *handler, const QString &sentence)
{
    std::unique_ptr<NmeaMessage> message = parse(sentence);
    QVERIFY2(message, qPrintable(sentence));
    handler->handleReceivedMessage(message.get());
}

} // namespace

class TestDepthHandlers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void datIntoRuntime();
    void depthIntoNavigationData_data();
    void depthIntoNavigationData();
    void dptFromSpeedLogOnly_data();
    void dptFromSpeedLogOnly();
    void xdrStoresNothing();
    void transducerSide_data();
    void transducerSide();
    void proprietaryDepth();
    void proprietaryDepthReceived_data();
    void proprietaryDepthReceived();
    void proprietaryDepthSent_data();
    void proprietaryDepthSent();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_echoSounder;
};

void TestDepthHandlers::initTestCase()
{
    m_echoSounder.reset(new BuildConfiguration::TestOverride("CU", "WINDOWS", "TVR200"));
}

void TestDepthHandlers::cleanupTestCase()
{
    m_echoSounder.reset();
}

// DAT writes the runtime values of the same names; an empty field leaves its value and validity alone.
void TestDepthHandlers::datIntoRuntime()
{
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    HandlerDat handler;
    QCOMPARE(handler.dataObject(), runtime);
    QCOMPARE(handler.outputDataObject(), runtime);
    QVERIFY(!handler.isPeriodic());

    runtime->setHeading(77.0);
    runtime->setValid("Heading", true);
    receive(&handler, complete("GNDAT,12.1,10.2,11.0,8.5,8.4,8.1,,-2.5,11.9"));
    QVERIFY(handler.isLastMessageValid());
    QCOMPARE(runtime->Heading(), 77.0);
    QCOMPARE(runtime->DepthSurface(), 12.1);
    QCOMPARE(runtime->DepthKeel(), 10.2);
    QCOMPARE(runtime->SpeedGPS(), 8.5);
    QCOMPARE(runtime->SpeedSOGLog(), 8.4);
    QCOMPARE(runtime->SpeedSTWLog(), 8.1);
    QCOMPARE(runtime->ROT(), -2.5);
    QCOMPARE(runtime->LOGDepth(), 11.9);
    for (const char *name : { "DepthSurface", "DepthKeel", "DepthTransducer", "SpeedGPS", "SpeedSOGLog",
             "SpeedSTWLog", "ROT", "LOGDepth", "Heading" })
        QVERIFY2(runtime->isValid(name), name);
    QCOMPARE(runtime->property("DepthTransducer").toDouble(), 11.0);

    // Sent back from the same runtime values.
    QCOMPARE(handler.outgoingSentences(),
        QStringList { complete("GNDAT,12.1,10.2,11.0,8.5,8.4,8.1,77.0,-2.5,11.9") });
}

void TestDepthHandlers::depthIntoNavigationData_data()
{
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("DBT") << "DBT" << complete("SDDBT,32.8,f,10.0,M,5.5,F")
                         << QStringList { "DepthBlwTransducerFeet", "DepthBlwTransducerMeters",
                                "DepthBlwTransducerFathoms" }
                         << QList<double> { 32.8, 10.0, 5.5 };
    QTest::newRow("DBS") << "DBS" << complete("SDDBS,39.4,f,12.0,M,6.6,F")
                         << QStringList { "DepthBlwSurfaceFeet", "DepthBlwSurfaceMeters",
                                "DepthBlwSurfaceFathoms" }
                         << QList<double> { 39.4, 12.0, 6.6 };
    QTest::newRow("DBK") << "DBK" << complete("SDDBK,26.2,f,8.0,M,4.4,F")
                         << QStringList { "DepthBlwKeelFeet", "DepthBlwKeelMeters", "DepthBlwKeelFathoms" }
                         << QList<double> { 26.2, 8.0, 4.4 };
}

void TestDepthHandlers::depthIntoNavigationData()
{
    QFETCH(QString, formatter);
    QFETCH(QString, sentence);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);

    std::unique_ptr<NmeaHandler> handler;
    if (formatter == QLatin1String("DBT"))
        handler.reset(new HandlerDbt);
    else if (formatter == QLatin1String("DBS"))
        handler.reset(new HandlerDbs);
    else
        handler.reset(new HandlerDbk);
    QVERIFY(handler->isPeriodic());
    QCOMPARE(handler->formatter(), formatter);

    receive(handler.get(), sentence);
    QVERIFY(handler->isLastMessageValid());
    for (int i = 0; i < names.size(); ++i) {
        const ValidatedFloatProperty *field = navigationFloat(names.at(i).toLatin1().constData());
        QVERIFY(field->isValid());
        QCOMPARE(field->value(), values.at(i));
    }

    // The same sentence with empty depths changes none of them.
    receive(handler.get(), complete(formatter.prepend("SD") + ",,f,,M,,F"));
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(navigationFloat(names.at(i).toLatin1().constData())->value(), values.at(i));
}

void TestDepthHandlers::dptFromSpeedLogOnly_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("taken");
    QTest::newRow("speed log") << complete("IIDPT,10.5,0.5,100") << true;
    QTest::newRow("echo sounder") << complete("SDDPT,10.5,0.5,100") << false;
    QTest::newRow("speed log without depth") << complete("IIDPT,,0.5,100") << false;
}

void TestDepthHandlers::dptFromSpeedLogOnly()
{
    QFETCH(QString, sentence);
    QFETCH(bool, taken);

    HandlerDpt handler;
    ValidatedFloatProperty *fromLog = navigationFloat("DepthBlwTransducerMetersFromLOG");
    ValidatedFloatProperty *depth = navigationFloat("DepthBlwTransducerMeters");
    ValidatedFloatProperty *offset = navigationFloat("OffsetFromTransducerMeters");
    fromLog->setValue(-1.0);
    depth->setValue(-2.0);
    offset->setValue(-3.0);

    receive(&handler, sentence);
    QVERIFY(handler.isLastMessageValid());
    QCOMPARE(fromLog->value(), taken ? 10.5 : -1.0);
    QVERIFY(fromLog->isValid());
    // DPT never writes the transducer depth itself, nor offset and range.
    QCOMPARE(depth->value(), -2.0);
    QCOMPARE(offset->value(), -3.0);
}

void TestDepthHandlers::xdrStoresNothing()
{
    HandlerXdr handler;
    QVERIFY(!handler.dataObject());
    receive(&handler, complete("IIXDR,D,2.5,M,FwdDepth,D,3.5,M,StbDepth,C,21.0,C,Temp"));
    QVERIFY(handler.isLastMessageValid());
    QVERIFY(!handler.isForwarding());
}

void TestDepthHandlers::transducerSide_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("side");
    QTest::newRow("fwd") << "FwdDepth" << int(HandlerXdr::ForwardSide);
    QTest::newRow("forward upper case") << "FORWARD" << int(HandlerXdr::ForwardSide);
    QTest::newRow("aft") << "aftDepth" << int(HandlerXdr::AfterSide);
    QTest::newRow("after") << "After" << int(HandlerXdr::AfterSide);
    QTest::newRow("prt") << "PRT1" << int(HandlerXdr::PortSide);
    QTest::newRow("port") << "Port" << int(HandlerXdr::PortSide);
    QTest::newRow("str") << "STR" << int(HandlerXdr::StarboardSide);
    QTest::newRow("starboard") << "starboard" << int(HandlerXdr::StarboardSide);
    // The first name part in the order of the list wins.
    QTest::newRow("port after forward") << "FwdPort" << int(HandlerXdr::ForwardSide);
    QTest::newRow("none") << "Keel" << int(HandlerXdr::UnknownSide);
}

void TestDepthHandlers::transducerSide()
{
    QFETCH(QString, name);
    QFETCH(int, side);
    QCOMPARE(int(HandlerXdr::transducerSide(name)), side);
}

// The proprietary depth handler serves the two depth channels of NmeaData: channel 1 is its data object.
void TestDepthHandlers::proprietaryDepth()
{
    HandlerPqrvDpt handler;
    QCOMPARE(handler.talker(), QStringLiteral("PQRV"));
    QVERIFY(handler.isProprietary());
    QVERIFY(handler.isPeriodic());
    QCOMPARE(handler.dataObjectCount(), 2);
    QCOMPARE(handler.dataObject(), NmeaData::instance()->pqrvDptData(1));
    QCOMPARE(handler.outputDataObject(), NmeaData::instance()->pqrvDptData(1));
}

void TestDepthHandlers::proprietaryDepthReceived_data()
{
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QStringList>("channel1");

    QTest::newRow("all fields") << QStringList { complete("PQRVDPT,12.5,0.5,200.0,80,200,FWD") }
                                << QStringList { "12.5", "0.5", "200.0", "80", "200", "FWD" };
    QTest::newRow("empty fields keep what was received before")
        << QStringList { complete("PQRVDPT,12.5,0.5,200.0,80,200,FWD"), complete("PQRVDPT,13.1,,,75,,") }
        << QStringList { "13.1", "0.5", "200.0", "75", "200", "FWD" };
    QTest::newRow("only the depth") << QStringList { complete("PQRVDPT,4.2,,,,,") }
                                    << QStringList { "4.2", "", "", "", "", "" };
}

// A received proprietary DPT reaches channel 1 by field name, and nothing else: neither channel 2 nor the
// standard depth values of NmeaData.
void TestDepthHandlers::proprietaryDepthReceived()
{
    QFETCH(QStringList, sentences);
    QFETCH(QStringList, channel1);

    HandlerPqrvDpt handler;
    clearChannels();
    navigationFloat("DepthBlwTransducerMeters")->setValue(-2.0);
    for (const QString &sentence : qAsConst(sentences))
        receive(&handler, sentence);
    QVERIFY(handler.isLastMessageValid());
    QCOMPARE(channelTexts(1), channel1);
    QCOMPARE(channelTexts(2), QStringList({ "", "", "", "", "", "" }));
    QCOMPARE(navigationFloat("DepthBlwTransducerMeters")->value(), -2.0);
}

void TestDepthHandlers::proprietaryDepthSent_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<double>("channel2Depth");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing") << QString() << -1.0
                             << QStringList { complete("PQRVDPT,,,,,,"), complete("PQRVDPT,,,,,,") };
    QTest::newRow("received on channel 1, depth on channel 2")
        << complete("PQRVDPT,12.5,0.5,200.0,80,200,FWD") << 7.4
        << QStringList { complete("PQRVDPT,12.5,0.5,200.0,80,200,FWD"), complete("PQRVDPT,7.4,,,,,") };
    QTest::newRow("channel 2 only") << QString() << 30.0
                                    << QStringList { complete("PQRVDPT,,,,,,"),
                                           complete("PQRVDPT,30.0,,,,,") };
}

// One outgoing sentence per channel, channel 1 first, each carrying the values of its channel.
void TestDepthHandlers::proprietaryDepthSent()
{
    QFETCH(QString, received);
    QFETCH(double, channel2Depth);
    QFETCH(QStringList, expected);

    HandlerPqrvDpt handler;
    clearChannels();
    if (!received.isEmpty())
        receive(&handler, received);
    if (channel2Depth >= 0)
        NmeaData::instance()->pqrvDptData(2)->DepthBlwTransducerMeters()->setValue(channel2Depth);
    QCOMPARE(handler.outgoingSentences(), expected);
    // Sending leaves the handler reading channel 1.
    QCOMPARE(handler.outputDataObject(), NmeaData::instance()->pqrvDptData(1));
}

QTEST_GUILESS_MAIN(TestDepthHandlers)
#include "tst_depthhandlers.moc"
