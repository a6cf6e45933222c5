#include "ParsedSentence.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaData.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"
#include "sentences/NavigationHandlers.h"
#include "sentences/NavigationSentences.h"
#include "sentences/NmeaOutputData.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

// The navigation handlers run in the handler sets of the speed-log junction box and of the other
// products; the test runs them as the speed-log junction box.

namespace {

std::unique_ptr<NmeaHandler> makeHandler(const QString &formatter)
{
    static const std::map<QString, std::function<NmeaHandler *()>> makers {
        { "GGA", [] { return new HandlerGga; } }, { "GLL", [] { return new HandlerGll; } },
        { "VTG", [] { return new HandlerVtg; } }, { "HDT", [] { return new HandlerHdt; } },
        { "THS", [] { return new HandlerThs; } }, { "VBW", [] { return new HandlerVbw; } },
        { "ROT", [] { return new HandlerRot; } }, { "RMC", [] { return new HandlerRmc; } },
        { "ZDA", [] { return new HandlerZda; } }, { "VLW", [] { return new HandlerVlw; } }
    };
    return std::unique_ptr<NmeaHandler>(makers.at(formatter)());
}

// The received-data field of that name: NmeaData's, else its ZdaData's.
ValidatedProperty *dataField(const QString &name)
{
    const QByteArray latin = name.toLatin1();
    if (ValidatedProperty *field = NmeaMessage::fieldOf(NmeaData::instance(), latin.constData()))
        return field;
    return NmeaMessage::fieldOf(NmeaData::instance()->zdaData(), latin.constData());
}

// A value no sentence of the tests carries, to see that a field was left alone.
void prime(ValidatedProperty *field)
{
    if (auto *i = qobject_cast<ValidatedIntProperty *>(field))
        i->setValue(-999);
    else if (auto *f = qobject_cast<ValidatedFloatProperty *>(field))
        f->setValue(-999.0);
    else if (auto *s = qobject_cast<ValidatedStringProperty *>(field))
        s->setValue(QStringLiteral("untouched"));
}

// Empty when the field holds the expected text ("*": still the primed value), else what it holds.
QString mismatch(const ValidatedProperty *field, const QString &expected)
{
    const QString primed = qobject_cast<const ValidatedStringProperty *>(field) ? QStringLiteral("untouched")
        : qobject_cast<const ValidatedIntProperty *>(field)                     ? QStringLiteral("-999")
                                                                                : QStringLiteral("-999.0");
    const QString wanted = expected == QLatin1String("*") ? primed : expected;
    QString actual = field->toNmeaString();
    if (const auto *f = qobject_cast<const ValidatedFloatProperty *>(field))
        actual = QString::number(f->value(), 'f', 4);
    const QString wantedText = qobject_cast<const ValidatedFloatProperty *>(field)
        ? QString::number(wanted.toDouble(), 'f', 4)
        : wanted;
    if (!field->isValid() || actual != wantedText)
        return (field->isValid() ? actual : QStringLiteral("<invalid>")) + QStringLiteral(" instead of ")
            + wanted;
    return QString();
}

} // namespace

class TestNavigationHandlers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reception_data();
    void reception();
    void foreignMessageRejected_data();
    void foreignMessageRejected();
    void thsIntoRuntime();
    void relayedOutput();
    void outputFromOutputData();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void TestNavigationHandlers::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
}

void TestNavigationHandlers::cleanupTestCase()
{
    m_junctionBox.reset();
}

void TestNavigationHandlers::reception_data()
{
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("taken");
    // "Name=value" items of the received data after the sentence ("*": left as it was).
    QTest::addColumn<QString>("expected");
    // The NmeaData or ZdaData signal the sentence gives: vtg, ths, rot, zda or none.
    QTest::addColumn<QString>("signal");
    // Whether an outgoing sentence of the handler now repeats this one (relay handlers).
    QTest::addColumn<bool>("relayed");
    // The safe flag of the message's (and, when taken, the data's) Latitude; -1: not checked.
    QTest::addColumn<int>("safe");

    const QString realFix = "$GPGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000*56\r\n";
    QTest::newRow("GGA differential fix taken (log)")
        << "GGA" << realFix << true
        << "Latitude=3249.4545;NorthOrSouth=N;Longitude=7951.5234;EastOrWest=W;UtcOfPosition=170328;"
           "NumberOfSatellitesInUse=8;HorizontalDilutionOfPrecision=0.9"
        << "none" << true << -1;
    QTest::newRow("GGA no fix rejected (log)")
        << "GGA"
        << "$GPGGA,225436.000,5256.7672,N,05122.6890,W,0,01,0.0,,M,,M,,0000*79\r\n"
        << false << "Latitude=*;NumberOfSatellitesInUse=*;UtcOfPosition=*"
        << "none" << false << -1;
    QTest::newRow("GGA estimated position rejected")
        << "GGA" << complete("GPGGA,170328.000,3249.4545,N,07951.5234,W,6,08,0.9,15.5,M,-43.8,M,,0000")
        << false << "Latitude=*;Longitude=*"
        << "none" << false << -1;
    QTest::newRow("GGA quality 5 taken")
        << "GGA" << complete("GPGGA,170328.000,3249.4545,S,07951.5234,E,5,08,0.9,15.5,M,-43.8,M,,0000")
        << true << "NorthOrSouth=S;EastOrWest=E"
        << "none" << true << -1;

    QTest::newRow("GLL autonomous taken (log)")
        << "GLL"
        << "$GPGLL,3249.4545,N,07951.5234,W,170328.00,A,A*72\r\n"
        << true << "Latitude=3249.4545;Longitude=7951.5234;UtcOfPosition=170328"
        << "none" << true << -1;
    QTest::newRow("GLL differential taken")
        << "GLL" << complete("GPGLL,3249.4545,N,07951.5234,W,170328.00,A,D") << true << "Latitude=3249.4545"
        << "none" << true << -1;
    QTest::newRow("GLL status A mode E rejected")
        << "GLL" << complete("GPGLL,3249.4545,N,07951.5234,W,170328.00,A,E") << false << "Latitude=*"
        << "none" << false << -1;
    QTest::newRow("GLL status V mode A rejected")
        << "GLL" << complete("GPGLL,3249.4545,N,07951.5234,W,170328.00,V,A") << false
        << "Latitude=*;UtcOfPosition=*"
        << "none" << false << -1;
    QTest::newRow("GLL without mode rejected")
        << "GLL" << complete("GPGLL,3249.4545,N,07951.5234,W,170328.00,A") << false << "Latitude=*"
        << "none" << false << -1;

    QTest::newRow("VTG autonomous taken (log)")
        << "VTG"
        << "$GPVTG,213.8,T,,M,0.0,N,0.0,K,A*05\r\n"
        << true
        << "CourseOverGroundTrue=213.8;True=T;SpeedOverGroundKnots=0;SpeedOverGroundKmPerH=0;"
           "CourseOverGroundMagnetic=*"
        << "vtg" << true << -1;
    QTest::newRow("VTG mode N copied but rejected")
        << "VTG" << complete("GPVTG,10.5,T,12.0,M,5.2,N,9.6,K,N") << false
        << "CourseOverGroundTrue=10.5;CourseOverGroundMagnetic=12;SpeedOverGroundKnots=5.2;"
           "SpeedOverGroundKmPerH=9.6"
        << "vtg" << true << -1;
    QTest::newRow("VTG precise taken")
        << "VTG" << complete("GPVTG,10.5,T,,M,5.2,N,9.6,K,P") << true << "CourseOverGroundTrue=10.5"
        << "vtg" << true << -1;

    QTest::newRow("HDT taken") << "HDT" << complete("HEHDT,123.4,T") << true << "HeadingTrue=123.4;True=T"
                               << "ths" << false << -1;
    QTest::newRow("THS autonomous taken")
        << "THS" << complete("HETHS,123.4,A") << true << "HeadingTrue_THS=123.4;ModeIndicator_THS=A"
        << "ths" << false << -1;
    QTest::newRow("THS estimated rejected but signalled")
        << "THS" << complete("HETHS,123.4,E") << false << "HeadingTrue_THS=*;ModeIndicator_THS=*"
        << "ths" << false << -1;

    QTest::newRow("VBW all valid taken")
        << "VBW" << complete("VMVBW,10.5,-0.2,A,10.4,-0.1,A,0.1,A,0.3,A") << true
        << "LongitudinalWaterSpeed=10.5;TransverseWaterSpeed=-0.2;LongitudinalGroundSpeed=10.4;"
           "TransverseGroundSpeed=-0.1;SternTransverseWaterSpeed=0.1;SternTransverseGroundSpeed=0.3;"
           "StatusWaterSpeed=A;StatusSternGroundSpeed=A"
        << "none" << false << -1;
    QTest::newRow("VBW ground speed invalid")
        << "VBW" << complete("VMVBW,10.5,-0.2,A,10.4,-0.1,V,0.1,A,0.3,A") << false
        << "LongitudinalWaterSpeed=10.5;TransverseWaterSpeed=-0.2;LongitudinalGroundSpeed=*;"
           "TransverseGroundSpeed=*;StatusGroundSpeed=V;SternTransverseWaterSpeed=0.1;"
           "SternTransverseGroundSpeed=0.3"
        << "none" << false << -1;
    QTest::newRow("VBW water speed invalid")
        << "VBW" << complete("VMVBW,10.5,-0.2,V,10.4,-0.1,A,0.1,A,0.3,A") << false
        << "LongitudinalWaterSpeed=*;TransverseWaterSpeed=*;StatusWaterSpeed=V;LongitudinalGroundSpeed=10.4"
        << "none" << false << -1;
    QTest::newRow("VBW stern ground speed invalid")
        << "VBW" << complete("VMVBW,10.5,-0.2,A,10.4,-0.1,A,0.1,A,0.3,V") << false
        << "SternTransverseGroundSpeed=*;StatusSternGroundSpeed=V;SternTransverseWaterSpeed=0.1;"
           "LongitudinalWaterSpeed=10.5"
        << "none" << false << -1;

    QTest::newRow("ROT valid taken") << "ROT" << complete("TIROT,-3.5,A") << true << "ROT=-3.5"
                                     << "rot" << false << -1;
    QTest::newRow("ROT empty status taken") << "ROT" << complete("TIROT,2.5,") << true << "ROT=2.5"
                                            << "rot" << false << -1;
    QTest::newRow("ROT invalid rejected") << "ROT" << complete("TIROT,-3.5,V") << false << "ROT=*"
                                          << "rot" << false << -1;

    QTest::newRow("RMC caution taken, not safe")
        << "RMC" << complete("GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,A,C") << true
        << "UtcOfPosition=170328;Latitude=3249.4545;NorthOrSouth=N;Longitude=7951.5234;EastOrWest=W;"
           "SpeedOverGroundKnots=12.5;CourseOverGroundTrue=213.8"
        << "none" << false << 0;
    QTest::newRow("RMC safe taken, safe")
        << "RMC" << complete("GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,D,S") << true
        << "Latitude=3249.4545;SpeedOverGroundKnots=12.5"
        << "none" << false << 1;
    QTest::newRow("RMC navigational status V rejected")
        << "RMC" << complete("GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,A,V")
        << false << "Latitude=*;SpeedOverGroundKnots=*"
        << "none" << false << 0;
    QTest::newRow("RMC status V rejected")
        << "RMC" << complete("GNRMC,170328.00,V,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,A,S")
        << false << "Latitude=*"
        << "none" << false << 0;
    QTest::newRow("RMC estimated mode rejected")
        << "RMC" << complete("GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,E,S")
        << false << "Latitude=*"
        << "none" << false << 0;
    // Sentences of senders older than the navigational status field lack it, and its default "V" holds.
    QTest::newRow("RMC without navigational status rejected (log)")
        << "RMC"
        << "$GPRMC,170328.000,A,3249.4545,N,07951.5234,W,0.0,213.8,200118,,,A*77\r\n"
        << false << "Latitude=*"
        << "none" << false << 0;

    QTest::newRow("ZDA taken (log)")
        << "ZDA"
        << "$GPZDA,170327.000,20,01,2018,00,00*5E\r\n"
        << true << "Utc=170327;Day=20;Month=1;Year=2018;LocalHoursOffset=0;LocalMinutesOffset=0"
        << "zda" << false << -1;
    QTest::newRow("VLW taken") << "VLW" << complete("VDVLW,1234.5,N,12.3,N,1300.0,N,13.1,N") << true
                               << "VLW_totalCumulativeWaterDistance=1234.5;VLW_waterDistanceSinceReset=12.3;"
                                  "VLW_totalCumulativeGroundDistance=1300;VLW_groundDistanceSinceReset=13.1;"
                                  "VLW_groundDistanceSinceResetString=N"
                               << "none" << false << -1;
}

void TestNavigationHandlers::reception()
{
    QFETCH(QString, formatter);
    QFETCH(QString, sentence);
    QFETCH(bool, taken);
    QFETCH(QString, expected);
    QFETCH(QString, signal);
    QFETCH(bool, relayed);
    QFETCH(int, safe);

    std::unique_ptr<NmeaHandler> handler = makeHandler(formatter);
    std::unique_ptr<NmeaMessage> message = parse(sentence);
    QVERIFY(message);

    const QStringList items = expected.split(QLatin1Char(';'));
    for (const QString &item : items) {
        ValidatedProperty *field = dataField(item.section(QLatin1Char('='), 0, 0));
        QVERIFY2(field, qPrintable(item));
        prime(field);
    }

    NmeaData *data = NmeaData::instance();
    QSignalSpy vtg(data, &NmeaData::vtgReceived);
    QSignalSpy ths(data, &NmeaData::thsReceived);
    QSignalSpy rot(data, &NmeaData::rotReceived);
    QSignalSpy zda(data->zdaData(), &ZdaData::signalDateTimeUpdated);

    handler->handleReceivedMessage(message.get());

    QCOMPARE(handler->isLastMessageValid(), taken);
    for (const QString &item : items) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        const QString problem = mismatch(dataField(name), item.section(QLatin1Char('='), 1));
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
    }
    QCOMPARE(vtg.count(), signal == QLatin1String("vtg") ? 1 : 0);
    QCOMPARE(ths.count(), signal == QLatin1String("ths") ? 1 : 0);
    QCOMPARE(rot.count(), signal == QLatin1String("rot") ? 1 : 0);
    QCOMPARE(zda.count(), signal == QLatin1String("zda") ? 1 : 0);
    QCOMPARE(handler->relayText(), relayed ? message->parameters() : QString());
    if (safe >= 0) {
        QCOMPARE(message->field("Latitude")->isSafe(), safe == 1);
        if (taken)
            QCOMPARE(dataField("Latitude")->isSafe(), safe == 1);
    }
}

void TestNavigationHandlers::foreignMessageRejected_data()
{
    QTest::addColumn<QString>("formatter");
    for (const char *formatter : { "GGA", "GLL", "VTG", "HDT", "THS", "VBW", "ROT", "RMC" })
        QTest::newRow(formatter) << formatter;
}

// A message of another class under the handler's key (only a changed registry gives one) is not looked at.
void TestNavigationHandlers::foreignMessageRejected()
{
    QFETCH(QString, formatter);
    std::unique_ptr<NmeaHandler> handler = makeHandler(formatter);
    MsgZda other(QStringLiteral("GP"));
    handler->handleReceivedMessage(&other);
    QVERIFY(!handler->isLastMessageValid());
}

// In the default handler set THS takes and sends ESRuntime instead of the navigation data.
void TestNavigationHandlers::thsIntoRuntime()
{
    BuildConfiguration::TestOverride echoSounder("CU", "WINDOWS", "TVR200");
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    HandlerThs handler;
    handler.setDataObject(runtime);
    handler.setOutputDataObject(runtime);
    QSignalSpy ths(NmeaData::instance(), &NmeaData::thsReceived);

    std::unique_ptr<NmeaMessage> rejected = parse(complete("HETHS,99.0,S"));
    handler.handleReceivedMessage(rejected.get());
    QVERIFY(!handler.isLastMessageValid());
    QVERIFY(!runtime->isValid(QStringLiteral("HeadingTrue_THS")));

    std::unique_ptr<NmeaMessage> taken = parse(complete("HETHS,271.5,A"));
    handler.handleReceivedMessage(taken.get());
    QVERIFY(handler.isLastMessageValid());
    QVERIFY(runtime->isValid(QStringLiteral("HeadingTrue_THS")));
    QCOMPARE(runtime->property("HeadingTrue_THS").toString(), QStringLiteral("271.5"));
    QCOMPARE(runtime->property("ModeIndicator_THS").toString(), QStringLiteral("A"));
    QCOMPARE(ths.count(), 0);

    // Sent back from the runtime values by name.
    QCOMPARE(handler.outgoingSentences(), QStringList { complete("GNTHS,271.5,A") });
}

// GGA, GLL and VTG send again the field text of the last sentence taken, under the unit's talker.
void TestNavigationHandlers::relayedOutput()
{
    HandlerGga gga;
    // Nothing taken yet: the sentence is written from the handler's own message.
    QCOMPARE(gga.outgoingSentences(), QStringList { complete("GNGGA,,,,,,0,,,,,,,,") });

    std::unique_ptr<NmeaMessage> fix
        = parse("$GPGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000*56\r\n");
    gga.handleReceivedMessage(fix.get());
    std::unique_ptr<NmeaMessage> noFix
        = parse("$GPGGA,225436.000,5256.7672,N,05122.6890,W,0,01,0.0,,M,,M,,0000*79\r\n");
    gga.handleReceivedMessage(noFix.get());
    QCOMPARE(gga.outgoingSentences(),
        QStringList { complete("GNGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000") });
}

// Heading, water-speed, rate-of-turn and distance sentences are filled from NmeaOutputData by name.
void TestNavigationHandlers::outputFromOutputData()
{
    NmeaOutputData *output = NmeaOutputData::instance();
    qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(output, "LongitudinalWaterSpeed"))
        ->setValue(10.5);
    qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(output, "TransverseWaterSpeed"))
        ->setValue(-0.2);
    qobject_cast<ValidatedStringProperty *>(NmeaMessage::fieldOf(output, "StatusWaterSpeed"))->setValue("A");
    qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(output, "ROT"))->setValue(-3.24);

    HandlerVbw vbw;
    // Values never set are sent empty; the status letters keep their default "V".
    QCOMPARE(vbw.outgoingSentences(), QStringList { complete("GNVBW,10.5,-0.2,A,,,V,,V,,V") });
    HandlerRot rot;
    QCOMPARE(rot.outgoingSentences(), QStringList { complete("GNROT,-3.2,") });
    QCOMPARE(rot.outputDataObject(), output);
    QCOMPARE(rot.dataObject(), NmeaData::instance());
}

QTEST_GUILESS_MAIN(TestNavigationHandlers)
#include "tst_navigationhandlers.moc"
