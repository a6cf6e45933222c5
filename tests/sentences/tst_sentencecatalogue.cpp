#include "nmea/NmeaData.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"
#include "sentences/DepthSentences.h"
#include "sentences/NmeaOutputData.h"
#include "sentences/PqrvSentences.h"
#include "sentences/SatelliteSentences.h"

#include <QMetaProperty>
#include <QtTest>

#include <memory>

// The catalogue of every sentence the unit knows: each key makes a message of its class through the
// registries, real and malformed sentence texts parse into the expected fields or are refused with the
// expected code, and a parsed sentence is written back exactly as it came.

namespace {

// Splits a complete sentence into talker, formatter and field text the way the receiving path does:
// "PQRV" and the rest for a proprietary address, two and three letters otherwise.
bool splitSentence(const QString &sentence, QString *talker, QString *formatter, QString *fields)
{
    QString checked = sentence;
    if (NmeaMessage::checkSentence(checked) != NmeaNoError)
        return false;
    const int comma = sentence.indexOf(QLatin1Char(','));
    const int star = sentence.lastIndexOf(QLatin1Char('*'));
    if (comma < 0 || star < comma)
        return false;
    const QString address = sentence.mid(1, comma - 1);
    if (address.startsWith(QLatin1String("PQRV"))) {
        *talker = QStringLiteral("PQRV");
        *formatter = address.mid(4);
    } else {
        *talker = address.left(2);
        *formatter = address.mid(2);
    }
    *fields = sentence.mid(comma + 1, star - comma - 1);
    return true;
}

// Compares one field with its expected text: "~" means invalid; an empty text means the field is written
// empty; anything else is the value, compared as a number for numeric fields.
QString fieldMismatch(const NmeaMessage *message, const QString &name, const QString &expected)
{
    const ValidatedProperty *field = message->field(name.toLatin1().constData());
    if (!field)
        return QStringLiteral("no field ") + name;
    if (expected == QLatin1String("~"))
        return field->isValid() ? name + QStringLiteral(" is valid") : QString();
    if (expected.isEmpty())
        return field->toNmeaString().isEmpty() ? QString() : name + QStringLiteral(" is not empty");
    if (!field->isValid())
        return name + QStringLiteral(" is invalid");
    if (const auto *i = qobject_cast<const ValidatedIntProperty *>(field))
        return i->value() == expected.toInt() ? QString()
                                              : name + QStringLiteral(" = ") + QString::number(i->value());
    if (const auto *f = qobject_cast<const ValidatedFloatProperty *>(field))
        return qAbs(f->value() - expected.toDouble()) < 1e-6
            ? QString()
            : name + QStringLiteral(" = ") + QString::number(f->value());
    const auto *s = qobject_cast<const ValidatedStringProperty *>(field);
    return s && s->value() == expected ? QString()
                                       : name + QStringLiteral(" = ") + (s ? s->value() : QString());
}

} // namespace

class TestSentenceCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void registries();
    void factory_data();
    void factory();
    void unknownKeys_data();
    void unknownKeys();
    void parse_data();
    void parse();
    void xdrParsing_data();
    void xdrParsing();
    void gsvSatellites_data();
    void gsvSatellites();
    void errortableWriting_data();
    void errortableWriting();
    void dataObjectsMatchFieldKinds();
    void dataObjectsDescribed();
};

void TestSentenceCatalogue::registries()
{
    QCOMPARE(standardMessageRegistry()->size(), 28);
    QCOMPARE(proprietaryMessageRegistry()->size(), 17);
}

void TestSentenceCatalogue::factory_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("expectedTalker");

    const char *const standard[][2]
        = { { "ACK", "MsgAck" }, { "ACN", "MsgAcn" }, { "ALC", "MsgAlc" }, { "ALF", "MsgAlf" },
              { "ALR", "MsgAlr" }, { "ARC", "MsgArc" }, { "DAT", "MsgDat" }, { "DBK", "MsgDbk" },
              { "DBS", "MsgDbs" }, { "DBT", "MsgDbt" }, { "DDC", "MsgDdc" }, { "DPT", "MsgDpt" },
              { "GGA", "MsgGga" }, { "GLL", "MsgGll" }, { "GSA", "MsgGsa" }, { "GST", "MsgGst" },
              { "GSV", "MsgGsv" }, { "HBT", "MsgHbt" }, { "HDT", "MsgHdt" }, { "RMC", "MsgRmc" },
              { "ROT", "MsgRot" }, { "SRP", "MsgSrp" }, { "THS", "MsgThs" }, { "VBW", "MsgVbw" },
              { "VLW", "MsgVlw" }, { "VTG", "MsgVtg" }, { "XDR", "MsgXdr" }, { "ZDA", "MsgZda" } };
    for (const auto &row : standard)
        QTest::newRow(row[0]) << QStringLiteral("II") << QString::fromLatin1(row[0])
                              << QString::fromLatin1(row[1]) << QStringLiteral("II");

    const char *const proprietary[][2] = { { "CFGR", "MsgPqrvCfgr" }, { "DEVSTART", "MsgPqrvDevStart" },
        { "DPT", "MsgPqrvDpt" }, { "ERRORCODE", "MsgPqrvErrorcode" }, { "ERRORTABLE", "MsgPqrvErrortable" },
        { "GCF", "MsgPqrvGcf" }, { "ICM", "MsgPqrvIcm" }, { "MACA", "MsgPqrvMaca" },
        { "PAIR", "MsgPqrvPair" }, { "REBOOT", "MsgPqrvReboot" }, { "SCF", "MsgPqrvScf" },
        { "SFIACK", "MsgPqrvSfiAck" }, { "SFICHANGE", "MsgPqrvSfiChange" }, { "SFICHK", "MsgPqrvSfiChk" },
        { "SFITKN", "MsgPqrvSfiTkn" }, { "SLP", "MsgPqrvSlp" }, { "VMPCGTER", "MsgPqrvVmpcgter" } };
    for (const auto &row : proprietary)
        QTest::newRow(qPrintable(QStringLiteral("PQRV") + QLatin1String(row[0]))) << QStringLiteral(
            "PQRV") << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]) << QStringLiteral("PQRV");
    QTest::newRow("DPT of talker SD")
        << QStringLiteral("SD") << QStringLiteral("DPT") << QStringLiteral("MsgDpt") << QStringLiteral("SD");
}

void TestSentenceCatalogue::factory()
{
    QFETCH(QString, talker);
    QFETCH(QString, key);
    QFETCH(QString, className);
    QFETCH(QString, expectedTalker);

    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, key));
    QVERIFY(message);
    QCOMPARE(QString::fromLatin1(message->metaObject()->className()), className);
    QCOMPARE(message->talker(), expectedTalker);
    QCOMPARE(message->formatter(), key);
    // A proprietary class makes "PQRV" its talker whatever it is given.
    if (talker == QLatin1String("PQRV")) {
        std::unique_ptr<NmeaMessage> direct(proprietaryMessageRegistry()->value(key)(QStringLiteral("GN")));
        QCOMPARE(direct->talker(), QStringLiteral("PQRV"));
    }
}

void TestSentenceCatalogue::unknownKeys_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("key");
    QTest::newRow("MTW") << QStringLiteral("II") << QStringLiteral("MTW");
    QTest::newRow("lower-case formatter") << QStringLiteral("GP") << QStringLiteral("gga");
    QTest::newRow("standard key as proprietary") << QStringLiteral("PQRV") << QStringLiteral("GGA");
    QTest::newRow("proprietary key as standard") << QStringLiteral("GP") << QStringLiteral("PAIR");
    QTest::newRow("lower-case PQRV") << QStringLiteral("pqrv") << QStringLiteral("PAIR");
}

void TestSentenceCatalogue::unknownKeys()
{
    QFETCH(QString, talker);
    QFETCH(QString, key);
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, key));
    QVERIFY(!message);
}

void TestSentenceCatalogue::parse_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("result");
    // "Name=value" items separated by ";" ("~": invalid, empty: written empty).
    QTest::addColumn<QString>("fields");
    // The field text written from the parsed fields alone (no raw text); null: not checked.
    QTest::addColumn<QString>("rewritten");

    // Real sentences from the recorded logs, synthetic ones for the other types, and malformed ones: a
    // field that is refused stops the parse with its code, the fields before it stay set.
    QTest::newRow("GGA real fix")
        << QStringLiteral("$GPGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000*56\r\n")
        << 0
        << QStringLiteral("UtcOfPosition=170328;Latitude=3249.4545;NorthOrSouth=N;Longitude=7951.5234;"
                          "EastOrWest=W;GpsQualityIndicator=2;NumberOfSatellitesInUse=8;GeoidalSeparation=-"
                          "43.8;AgeOfDifferentialGpsData=~;DifferentialReferenceStationId=0")
        << QStringLiteral("170328.0,3249.5,N,07951.5,W,2,08,0.9,15.5,M,-43.8,M,,0000");
    QTest::newRow("GGA real no fix")
        << QStringLiteral("$GPGGA,225436.000,5256.7672,N,05122.6890,W,0,01,0.0,,M,,M,,0000*79\r\n") << 0
        << QStringLiteral(
               "GpsQualityIndicator=0;NumberOfSatellitesInUse=1;AntennaAltitude=~;UnitsOfAntennaAltitude=M")
        << QString();
    QTest::newRow("GGA quality out of range")
        << QStringLiteral("$GPGGA,170328.000,3249.4545,N,07951.5234,W,9,08,0.9,15.5,M,-43.8,M,,0000*5D\r\n")
        << 6 << QStringLiteral("Latitude=3249.4545;GpsQualityIndicator=0") << QString();
    QTest::newRow("GGA satellites not two digits")
        << QStringLiteral("$GPGGA,170328.000,3249.4545,N,07951.5234,W,2,8,0.9,15.5,M,-43.8,M,,0000*66\r\n")
        << 4
        << QStringLiteral("GpsQualityIndicator=2;NumberOfSatellitesInUse=~;HorizontalDilutionOfPrecision=~")
        << QString();
    QTest::newRow("GGA unknown hemisphere")
        << QStringLiteral("$GPGGA,170328.000,3249.4545,X,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000*40\r\n")
        << 6 << QStringLiteral("Latitude=3249.4545;NorthOrSouth=~;Longitude=~") << QString();
    QTest::newRow("GGA too few fields") << QStringLiteral("$GPGGA,170328.000,3249.4545,N*07\r\n") << 0
                                        << QStringLiteral("NorthOrSouth=N;Longitude=~;GpsQualityIndicator=0")
                                        << QStringLiteral("170328.0,3249.5,N,,,0,,,,,,,,");
    QTest::newRow("GLL real taken") << QStringLiteral("$GPGLL,3249.4545,N,07951.5234,W,170328.00,A,A*72\r\n")
                                    << 0
                                    << QStringLiteral(
                                           "Latitude=3249.4545;UtcOfPosition=170328;Status=A;ModeIndicator=A")
                                    << QStringLiteral("3249.5,N,07951.5,W,170328.0,A,A");
    QTest::newRow("GLL real invalid")
        << QStringLiteral("$GPGLL,5256.7672,N,05122.6890,W,225436.00,V,N*64\r\n") << 0
        << QStringLiteral("Status=V;ModeIndicator=N") << QString();
    QTest::newRow("GLL without mode") << QStringLiteral("$GPGLL,3249.4545,N,07951.5234,W,170328.00,A*1F\r\n")
                                      << 0 << QStringLiteral("Status=A;ModeIndicator=N") << QString();
    QTest::newRow("GLL unknown mode")
        << QStringLiteral("$GPGLL,3249.4545,N,07951.5234,W,170328.00,A,X*6B\r\n") << 6
        << QStringLiteral("Status=A") << QString();
    QTest::newRow("VTG real") << QStringLiteral("$GPVTG,213.8,T,,M,0.0,N,0.0,K,A*05\r\n") << 0
                              << QStringLiteral("CourseOverGroundTrue=213.8;True=T;CourseOverGroundMagnetic=~"
                                                ";Magnetic=M;SpeedOverGroundKnots=0;ModeIndicator=A")
                              << QStringLiteral("213.8,T,,M,0.0,N,0.0,K,A");
    QTest::newRow("VTG speed out of range")
        << QStringLiteral("$GPVTG,213.8,T,,M,1000.5,N,1853.0,K,A*0E\r\n") << 6
        << QStringLiteral("CourseOverGroundTrue=213.8;SpeedOverGroundKnots=~") << QString();
    QTest::newRow("HDT") << QStringLiteral("$HEHDT,123.4,T*2B\r\n") << 0
                         << QStringLiteral("HeadingTrue=123.4;True=T") << QStringLiteral("123.4,T");
    // A number field holds only the number: no blank around it.
    QTest::newRow("HDT blank before the heading")
        << QStringLiteral("$GPHDT, 123.4,T*11\r\n") << 6 << QStringLiteral("HeadingTrue=~") << QString();
    QTest::newRow("HDT blank after the heading")
        << QStringLiteral("$GPHDT,123.4 ,T*11\r\n") << 6 << QStringLiteral("HeadingTrue=~") << QString();
    QTest::newRow("THS") << QStringLiteral("$HETHS,123.4,A*29\r\n") << 0
                         << QStringLiteral("HeadingTrue_THS=123.4;ModeIndicator_THS=A") << QString();
    QTest::newRow("THS empty mode") << QStringLiteral("$HETHS,123.4,*68\r\n") << 6
                                    << QStringLiteral("HeadingTrue_THS=123.4;ModeIndicator_THS=V")
                                    << QString();
    QTest::newRow("VBW") << QStringLiteral("$VMVBW,10.5,-0.2,A,10.4,-0.1,A,0.1,A,0.0,V*4C\r\n") << 0
                         << QStringLiteral("LongitudinalWaterSpeed=10.5;TransverseWaterSpeed=-0.2;"
                                           "StatusWaterSpeed=A;StatusSternGroundSpeed=V")
                         << QStringLiteral("10.5,-0.2,A,10.4,-0.1,A,0.1,A,0.0,V");
    QTest::newRow("ROT") << QStringLiteral("$TIROT,-3.5,A*10\r\n") << 0 << QStringLiteral("ROT=-3.5;Status=A")
                         << QString();
    QTest::newRow("RMC real without navigational status")
        << QStringLiteral("$GPRMC,170328.000,A,3249.4545,N,07951.5234,W,0.0,213.8,200118,,,A*77\r\n") << 0
        << QStringLiteral("Status=A;Date=200118;MagneticVariation=~;VariationEasterlyOrWesterly=~;"
                          "ModeIndicator=A;NavigationalStatus=V")
        << QString();
    QTest::newRow("RMC with navigational status")
        << QStringLiteral("$GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,D,S*68\r\n")
        << 0
        << QStringLiteral("SpeedOverGroundKnots=12.5;MagneticVariation=1.5;VariationEasterlyOrWesterly=W;"
                          "ModeIndicator=D;NavigationalStatus=S")
        << QStringLiteral("170328.0,A,3249.5,N,07951.5,W,12.5,213.8,200118,1.5,W,D,S");
    QTest::newRow("RMC date of five digits")
        << QStringLiteral("$GPRMC,170328.000,A,3249.4545,N,07951.5234,W,0.0,213.8,20118,,,A*47\r\n") << 4
        << QStringLiteral("Status=A;Date=~") << QString();
    QTest::newRow("ZDA real")
        << QStringLiteral("$GPZDA,170327.000,20,01,2018,00,00*5E\r\n") << 0
        << QStringLiteral("Utc=170327;Day=20;Month=1;Year=2018;LocalHoursOffset=0;LocalMinutesOffset=0")
        << QStringLiteral("170327.0,20,01,2018,0,0");
    QTest::newRow("ZDA month 13") << QStringLiteral("$GPZDA,170327.000,20,13,2018,00,00*5D\r\n") << 6
                                  << QStringLiteral("Day=20;Month=~") << QString();
    QTest::newRow("VLW") << QStringLiteral("$VDVLW,1234.5,N,12.3,N,1300.0,N,13.1,N*5F\r\n") << 0
                         << QStringLiteral(
                                "VLW_totalCumulativeWaterDistance=1234.5;VLW_"
                                "totalCumulativeWaterDistanceString=N;VLW_groundDistanceSinceReset=13.1")
                         << QString();
    QTest::newRow("DBT") << QStringLiteral("$SDDBT,32.8,f,10.0,M,5.5,F*0E\r\n") << 0
                         << QStringLiteral(
                                "DepthBlwTransducerFeet=32.8;Feet=f;DepthBlwTransducerMeters=10;Fathoms=F")
                         << QStringLiteral("32.8,f,10.0,M,5.5,F");
    QTest::newRow("DBT empty depths")
        << QStringLiteral("$SDDBT,,f,,M,,F*28\r\n") << 0
        << QStringLiteral("DepthBlwTransducerMeters=~;Meters=M") << QStringLiteral(",f,,M,,F");
    QTest::newRow("DBT wrong unit letter")
        << QStringLiteral("$SDDBT,32.8,f,10.0,m,5.5,F*2E\r\n") << 6
        << QStringLiteral("DepthBlwTransducerMeters=10;Meters=M;DepthBlwTransducerFathoms=~") << QString();
    QTest::newRow("DBS")
        << QStringLiteral("$SDDBS,39.4,f,12.0,M,6.6,F*0C\r\n") << 0
        << QStringLiteral("DepthBlwSurfaceFeet=39.4;DepthBlwSurfaceMeters=12;DepthBlwSurfaceFathoms=6.6")
        << QString();
    QTest::newRow("DBK") << QStringLiteral("$SDDBK,26.2,f,8.0,M,4.4,F*27\r\n") << 0
                         << QStringLiteral(
                                "DepthBlwKeelFeet=26.2;DepthBlwKeelMeters=8;DepthBlwKeelFathoms=4.4")
                         << QString();
    QTest::newRow("DPT")
        << QStringLiteral("$IIDPT,10.5,0.5,100*6C\r\n") << 0
        << QStringLiteral(
               "DepthBlwTransducerMeters=10.5;OffsetFromTransducerMeters=0.5;MaximumRangeScale=100")
        << QStringLiteral("10.5,0.5,100");
    QTest::newRow("DAT") << QStringLiteral("$GNDAT,12.1,10.2,11.0,8.5,8.4,8.1,123.4,-2.5,11.9*74\r\n") << 0
                         << QStringLiteral(
                                "DepthSurface=12.1;SpeedGPS=8.5;Heading=123.4;ROT=-2.5;LOGDepth=11.9")
                         << QString();
    QTest::newRow("GSA real") << QStringLiteral("$GPGSA,A,3,10,12,14,18,24,25,31,32,48,,,,1.7,0.9,1.5*39\r\n")
                              << 0
                              << QStringLiteral(
                                     "GSA_Mode=A;GSA_ModeNumber=3;GSA_SatelliteID_1=10;GSA_SatelliteID_9=48;"
                                     "GSA_SatelliteID_10=~;GSA_PDOP=1.7;GSA_VDOP=1.5")
                              << QStringLiteral("A,3,10,12,14,18,24,25,31,32,48,,,,1.7,0.9,1.5");
    QTest::newRow("GSA real no fix") << QStringLiteral("$GPGSA,A,1,,,,,,,,,,,,,,,*1E\r\n") << 0
                                     << QStringLiteral("GSA_ModeNumber=1;GSA_SatelliteID_1=~;GSA_PDOP=~")
                                     << QString();
    QTest::newRow("GSA mode number 4") << QStringLiteral("$GPGSA,A,4,10,12,,,,,,,,,,,1.7,0.9,1.5*3C\r\n") << 6
                                       << QStringLiteral("GSA_Mode=A;GSA_ModeNumber=~") << QString();
    QTest::newRow("GST")
        << QStringLiteral("$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031*6A\r\n") << 0
        << QStringLiteral(
               "GST_UTCtime=172814.0;GST_RMS=0.006;GST_SmajorOrientation=273.6;GST_AltitudeStDeviation=0.031")
        << QString();
    QTest::newRow("GSV real first part")
        << QStringLiteral("$GPGSV,3,1,12,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27*79\r\n") << 0
        << QStringLiteral("GSV_TotalMessages=3;GSV_MessageNumber=1;GSV_TotalSatellites=12;GSV_SatelliteID_1="
                          "14;GSV_Azimuth_1=292;GSV_SNR_4=27;GSV_SignalID=~")
        << QStringLiteral("3,1,12,14,42,292,32,10,82,62,37,18,53,128,34,12,26,77,27,");
    QTest::newRow("GSV real last part")
        << QStringLiteral("$GPGSV,3,3,12,48,22,247,33,21,09,178,,51,41,223,,35,14,254,*71\r\n") << 0
        << QStringLiteral("GSV_MessageNumber=3;GSV_SatelliteID_4=35;GSV_SNR_2=0;GSV_SNR_4=0") << QString();
    QTest::newRow("GSV elevation above 90")
        << QStringLiteral("$GPGSV,1,1,01,14,95,292,32*49\r\n") << 6
        << QStringLiteral("GSV_SatelliteID_1=14;GSV_Elevation_1=~") << QString();
    QTest::newRow("ACK") << QStringLiteral("$IIACK,123*55\r\n") << 0
                         << QStringLiteral("UniqueAlarmNumber=123") << QString();
    QTest::newRow("ACK trailing blank")
        << QStringLiteral("$IIACK,230 *74\r\n") << 6 << QStringLiteral("UniqueAlarmNumber=~") << QString();
    QTest::newRow("ACN") << QStringLiteral("$IIACN,123456.00,KOR,3015,1,A,C*07\r\n") << 0
                         << QStringLiteral("Time=123456.00;ManufacturerMnemonicCode=KOR;AlertIdentifier=3015;"
                                           "AlertInstance=1;AlertCommand=A;SentenceStatus=C")
                         << QString();
    QTest::newRow("ACN without identifier")
        << QStringLiteral("$IIACN,123456.00,KOR,,1,A,C*00\r\n") << 6
        << QStringLiteral("ManufacturerMnemonicCode=KOR;AlertIdentifier=~") << QString();
    QTest::newRow("ACN unknown command") << QStringLiteral("$IIACN,123456.00,KOR,3015,1,X,C*1E\r\n") << 6
                                         << QStringLiteral("AlertInstance=1;AlertCommand=~") << QString();
    QTest::newRow("ALC")
        << QStringLiteral("$IIALC,01,01,03,1,KOR,3015,1,2*2E\r\n") << 0
        << QStringLiteral(
               "TotalNumberOfAlcSentences=1;NumberOfAlertEntries=1;AlertIdentifier=3015;RevisionCounter=2")
        << QString();
    QTest::newRow("ALF") << QStringLiteral("$IIALF,1,1,0,124304.50,A,W,A,,192,1,1,0,LOST TARGET*14\r\n") << 0
                         << QStringLiteral(
                                "TimeOfLastChange=124304.5;AlertCategory=A;AlertPriority=W;"
                                "ManufacturerMnemonicCode=;AlertIdentifier=192;AlertText=LOST TARGET")
                         << QString();
    QTest::newRow("ALF identifier of eight digits")
        << QStringLiteral("$IIALF,1,1,0,124304.50,A,W,A,,12345678,1,1,0,LOST TARGET*26\r\n") << 4
        << QStringLiteral("AlertState=A;AlertIdentifier=~") << QString();
    QTest::newRow("ALR")
        << QStringLiteral("$IIALR,124304.50,001,A,V,Depth alarm*60\r\n") << 0
        << QStringLiteral(
               "UniqueAlarmNumber=1;AlarmCondition=A;AlarmAcknowledgeState=V;AlarmText=Depth alarm")
        << QString();
    QTest::newRow("ARC") << QStringLiteral("$IIARC,124304.50,KOR,3015,1,A*76\r\n") << 0
                         << QStringLiteral(
                                "ReleaseTimeOfARC=124304.50;AlertIdentifier=3015;RefusedAlertCommand=A")
                         << QString();
    QTest::newRow("HBT") << QStringLiteral("$GNHBT,30,A,9*00\r\n") << 0
                         << QStringLiteral("RepeatInterval=30;Status=A;SentenceIdentifier=9")
                         << QStringLiteral("30,A,9");
    QTest::newRow("HBT unknown status") << QStringLiteral("$GNHBT,30,X,9*19\r\n") << 6
                                        << QStringLiteral("RepeatInterval=30;Status=~") << QString();
    QTest::newRow("DDC command") << QStringLiteral("$GNDDC,K,45,N,C*0D\r\n") << 0
                                 << QStringLiteral(
                                        "DimmingPreset=K;BrightnessPercentage=45;ColorPalette=N;Status=C")
                                 << QStringLiteral("K,45,N,C");
    QTest::newRow("DDC negative brightness")
        << QStringLiteral("$GNDDC,D,-1,D,C*15\r\n") << 6
        << QStringLiteral("DimmingPreset=D;BrightnessPercentage=~") << QString();
    QTest::newRow("DDC unknown preset")
        << QStringLiteral("$GNDDC,X,45,D,C*14\r\n") << 6 << QStringLiteral("DimmingPreset=~") << QString();
    QTest::newRow("SRP") << QStringLiteral("$GNSRP,0,00-1A-2B-3C-4D-5E,192.168.1.10*02\r\n") << 0
                         << QStringLiteral(
                                "InstanceNumber=0;MacAddress=00-1A-2B-3C-4D-5E;IpAddress=192.168.1.10")
                         << QString();
    QTest::newRow("SRP lower-case MAC") << QStringLiteral("$GNSRP,0,00-1a-2b-3c-4d-5e,192.168.1.10*22\r\n")
                                        << 6 << QStringLiteral("InstanceNumber=0;MacAddress=~") << QString();
    QTest::newRow("SRP empty MAC") << QStringLiteral("$GNSRP,0,,192.168.1.10*5F\r\n") << 6
                                   << QStringLiteral("MacAddress=~") << QString();
    QTest::newRow("PQRV PAIR") << QStringLiteral("$PQRVPAIR,GN1000,GN2000,P*70\r\n") << 0
                               << QStringLiteral("SourceSfi=GN1000;DestinationSfi=GN2000;PairDevices=P")
                               << QStringLiteral("GN1000,GN2000,P");
    QTest::newRow("PQRV PAIR extra fields ignored")
        << QStringLiteral("$PQRVPAIR,GN1000,GN2000,U,X,Y*74\r\n") << 0 << QStringLiteral("PairDevices=U")
        << QStringLiteral("GN1000,GN2000,U");
    QTest::newRow("PQRV SFIACK") << QStringLiteral("$PQRVSFIACK,GN2000,GN1000,PAIR,P*49\r\n") << 0
                                 << QStringLiteral(
                                        "SourceSfi=GN2000;MessageTypeToAck=PAIR;OptionalDescription=P")
                                 << QString();
    QTest::newRow("PQRV SFICHANGE") << QStringLiteral("$PQRVSFICHANGE,GN1001,GN1000*5E\r\n") << 0
                                    << QStringLiteral("NewSfi=GN1001;OldSfi=GN1000") << QString();
    QTest::newRow("PQRV DEVSTART") << QStringLiteral("$PQRVDEVSTART,GN1000*36\r\n") << 0
                                   << QStringLiteral("LocalSfi=GN1000") << QString();
    QTest::newRow("PQRV SFICHK") << QStringLiteral("$PQRVSFICHK,GN1001,GN1000,1*05\r\n") << 0
                                 << QStringLiteral("NewSfi=GN1001;Confirmation=1") << QString();
    QTest::newRow("PQRV SFITKN") << QStringLiteral("$PQRVSFITKN,GN1000,GN1001*09\r\n") << 0
                                 << QStringLiteral("SourceSfi=GN1000;SfiTaken=GN1001") << QString();
    QTest::newRow("PQRV GCF") << QStringLiteral("$PQRVGCF,0*5B\r\n") << 0
                              << QStringLiteral("DummyParameter=0") << QString();
    QTest::newRow("PQRV CFGR") << QStringLiteral("$PQRVCFGR,1,156,Bridge,12345,A-1.2,,,,*75\r\n") << 0
                               << QStringLiteral("MessagePartIndex=1;Param1=156;Param4=A-1.2;Param5=;Param8=")
                               << QStringLiteral("1,156,Bridge,12345,A-1.2,,,,");
    QTest::newRow("PQRV SCF") << QStringLiteral("$PQRVSCF,Bridge,192,168,1,20,1001,2000,3*6B\r\n") << 0
                              << QStringLiteral(
                                     "SystemName=Bridge;IP1=192;IP4=20;LocalSfi=1001;PairedSfi=2000;Group=3")
                              << QString();
    QTest::newRow("PQRV SCF group 9") << QStringLiteral("$PQRVSCF,Bridge,192,168,1,20,1001,2000,9*61\r\n")
                                      << 6 << QStringLiteral("PairedSfi=2000;Group=~") << QString();
    QTest::newRow("PQRV MACA") << QStringLiteral("$PQRVMACA,00:1A:2B:3C:4D:5E*6D\r\n") << 0
                               << QStringLiteral("MacAddress=00:1A:2B:3C:4D:5E") << QString();
    QTest::newRow("PQRV MACA lower case") << QStringLiteral("$PQRVMACA,00-1a-2b-3c-4d-5e*5A\r\n") << 6
                                          << QStringLiteral("MacAddress=~") << QString();
    QTest::newRow("PQRV VMPCGTER") << QStringLiteral("$PQRVVMPCGTER,9*1C\r\n") << 0
                                   << QStringLiteral("Command=9") << QString();
    QTest::newRow("PQRV ERRORCODE") << QStringLiteral("$PQRVERRORCODE,70,3*64\r\n") << 0
                                    << QStringLiteral("ErrorId=70;ErrorCount=3") << QString();
    QTest::newRow("PQRV ERRORTABLE") << QStringLiteral("$PQRVERRORTABLE,70,71,0,5*07\r\n") << 0
                                     << QStringLiteral("") << QString();
    QTest::newRow("PQRV SLP") << QStringLiteral("$PQRVSLP,GN2000,1*70\r\n") << 0
                              << QStringLiteral("TargetSfi=GN2000;SetToSleep=1") << QString();
    QTest::newRow("PQRV SLP value 2") << QStringLiteral("$PQRVSLP,GN2000,2*73\r\n") << 6
                                      << QStringLiteral("TargetSfi=GN2000;SetToSleep=~") << QString();
    QTest::newRow("PQRV ICM") << QStringLiteral("$PQRVICM,0,98,*5F\r\n") << 0
                              << QStringLiteral("MessageVersion=0;CommandId=98;Parameters=") << QString();
    QTest::newRow("PQRV REBOOT") << QStringLiteral("$PQRVREBOOT,GN1000,C*4F\r\n") << 0
                                 << QStringLiteral("SourceSfi=GN1000;Description=C") << QString();
    QTest::newRow("PQRV DPT") << QStringLiteral("$PQRVDPT,12.5,0.5,200.0,80,200,FWD*35\r\n") << 0
                              << QStringLiteral(
                                     "DepthBlwTransducerMeters=12.5;MaximumRangeScale=200;BottomEchoStrength="
                                     "80;TransducerFrequency=200;TransducerPosition=FWD")
                              << QStringLiteral("12.5,0.5,200.0,80,200,FWD");
}

void TestSentenceCatalogue::parse()
{
    QFETCH(QString, sentence);
    QFETCH(int, result);
    QFETCH(QString, fields);
    QFETCH(QString, rewritten);

    QString talker, formatter, text;
    QVERIFY2(splitSentence(sentence, &talker, &formatter, &text), "not a well-framed sentence");
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, formatter));
    QVERIFY(message);
    QCOMPARE(message->deserializeParamaters(text), result);

    const QStringList items = fields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const int equals = item.indexOf(QLatin1Char('='));
        const QString mismatch = fieldMismatch(message.get(), item.left(equals), item.mid(equals + 1));
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // Received text is passed on exactly as it came, also when a field was refused.
    QCOMPARE(message->toSentence(), sentence);

    if (!rewritten.isNull()) {
        std::unique_ptr<NmeaMessage> copy(NmeaMessage::create(talker, formatter));
        copy->copyFieldsFrom(message.get());
        QCOMPARE(copy->serializeParameters(), rewritten);
    }
}

void TestSentenceCatalogue::xdrParsing_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<float>>("values");

    QTest::newRow("one depth") << QStringLiteral("D,2.5,M,FwdDepth") << QStringList { "FwdDepth" }
                               << QList<float> { 2.5f };
    QTest::newRow("temperature skipped") << QStringLiteral("C,21.0,C,Temp,D,3.0,M,AftDepth")
                                         << QStringList { "AftDepth" } << QList<float> { 3.0f };
    QTest::newRow("negative, empty, wrong unit, no name skipped")
        << QStringLiteral("D,-1.0,M,A,D,,M,B,D,2.0,F,C,D,2.0,M,") << QStringList() << QList<float>();
    QTest::newRow("seven parts: last three ignored")
        << QStringLiteral("D,4.0,M,Port,D,5.0,M") << QStringList { "Port" } << QList<float> { 4.0f };
    QTest::newRow("fewer than four parts") << QStringLiteral("D,4.0,M") << QStringList() << QList<float>();
    QTest::newRow("value not a number") << QStringLiteral("D,four,M,Port") << QStringList() << QList<float>();
    // A depth that is not a finite number is no depth.
    QTest::newRow("nan and inf skipped")
        << QStringLiteral("D,nan,M,Port,D,inf,M,Stb,D,1e39,M,Fwd") << QStringList() << QList<float>();
    QTest::newRow("empty text") << QString() << QStringList() << QList<float>();
}

void TestSentenceCatalogue::xdrParsing()
{
    QFETCH(QString, fields);
    QFETCH(QStringList, names);
    QFETCH(QList<float>, values);

    MsgXdr message(QStringLiteral("II"));
    QCOMPARE(message.deserializeParamaters(fields), int(NmeaNoError));
    QCOMPARE(message.names(), names);
    QCOMPARE(message.values(), values);
    QCOMPARE(message.types(), QStringList(QVector<QString>(names.size(), QStringLiteral("D")).toList()));
    QCOMPARE(message.units(), QStringList(QVector<QString>(names.size(), QStringLiteral("M")).toList()));
    // XDR keeps no text and has no fields to write.
    QCOMPARE(message.parameters(), QString());
}

void TestSentenceCatalogue::gsvSatellites_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QList<int>>("satellites");

    // Older senders write no signal identifier: the real sentences of the recorded logs have four and
    // three satellites and nothing after them.
    QTest::newRow("real, four satellites")
        << QStringLiteral("3,1,12,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27") << 4
        << QList<int> { 14, 42, 292, 32, 0, 10, 82, 62, 37, 0, 18, 53, 128, 34, 0, 12, 26, 77, 27, 0 };
    QTest::newRow("real, three satellites")
        << QStringLiteral("3,3,11,08,07,210,,33,21,137,,51,11,241,") << 3
        << QList<int> { 8, 7, 210, 0, 0, 33, 21, 137, 0, 0, 51, 11, 241, 0, 0 };
    QTest::newRow("four satellites and signal identifier")
        << QStringLiteral("3,1,12,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27,1") << 4
        << QList<int> { 14, 42, 292, 32, 1, 10, 82, 62, 37, 1, 18, 53, 128, 34, 1, 12, 26, 77, 27, 1 };
    QTest::newRow("two satellites and signal identifier") << QStringLiteral(
        "3,3,10,48,22,247,33,21,09,178,,7") << 2 << QList<int> { 48, 22, 247, 33, 7, 21, 9, 178, 0, 7 };
    QTest::newRow("one satellite and signal identifier")
        << QStringLiteral("2,2,5,48,22,247,33,1") << 1 << QList<int> { 48, 22, 247, 33, 1 };
    QTest::newRow("block cut short") << QStringLiteral("2,2,5,48,22,247,33,21,09") << 1
                                     << QList<int> { 48, 22, 247, 33, 0 };
    QTest::newRow("no satellite") << QStringLiteral("1,1,00") << 0 << QList<int>();
}

void TestSentenceCatalogue::gsvSatellites()
{
    QFETCH(QString, fields);
    QFETCH(int, blocks);
    QFETCH(QList<int>, satellites);

    MsgGsv message(QStringLiteral("GP"));
    message.deserializeParamaters(fields);
    QCOMPARE(message.satelliteBlockCount(), blocks);
    QCOMPARE(message.satellites(), satellites);
}

void TestSentenceCatalogue::errortableWriting_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");

    QTest::newRow("two pairs") << QList<int> { 70, 71 } << QList<int> { 0, 5 } << QStringLiteral("70,71,0,5");
    QTest::newRow("minus one written empty")
        << QList<int> { -1, 80 } << QList<int> { 0, 3 } << QStringLiteral(",80,0,3");
    QTest::newRow("empty lists") << QList<int>() << QList<int>() << QString();
}

void TestSentenceCatalogue::errortableWriting()
{
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);

    MsgPqrvErrortable message(codes, counts);
    QCOMPARE(message.serializeParameters(), text);
    QCOMPARE(message.toSentence(), appendNmeaChecksum(QStringLiteral("PQRVERRORTABLE,") + text).prepend('$'));
}

// A field copied by name into a data object must be of the same kind there: a received value of another
// kind could not be taken over.
void TestSentenceCatalogue::dataObjectsMatchFieldKinds()
{
    const QList<const QObject *> dataObjects { NmeaData::instance(), NmeaData::instance()->zdaData(),
        NmeaOutputData::instance() };
    PqrvDptData channel;
    QStringList checked;
    auto keys = standardMessageRegistry()->keys();
    for (const QString &key : keys) {
        std::unique_ptr<NmeaMessage> message(NmeaMessage::create(QStringLiteral("II"), key));
        for (int i = 0; i < message->fieldCount(); ++i) {
            const QByteArray name = message->metaObject()->property(i + 1).name();
            for (const QObject *data : dataObjects) {
                if (const ValidatedProperty *target = NmeaMessage::fieldOf(data, name)) {
                    QVERIFY2(target->metaObject() == message->field(i)->metaObject(),
                        qPrintable(key + QLatin1Char(' ') + QString::fromLatin1(name)));
                    checked << QString::fromLatin1(name);
                }
            }
        }
    }
    QVERIFY(checked.contains(QStringLiteral("GST_RMS")));
    QVERIFY(checked.contains(QStringLiteral("Utc")));

    MsgPqrvDpt dpt(QStringLiteral("PQRV"));
    for (int i = 0; i < dpt.fieldCount(); ++i) {
        const QByteArray name = dpt.metaObject()->property(i + 1).name();
        const ValidatedProperty *target = NmeaMessage::fieldOf(&channel, name);
        QVERIFY2(target, name.constData());
        QCOMPARE(target->metaObject(), dpt.field(i)->metaObject());
    }
}

void TestSentenceCatalogue::dataObjectsDescribed()
{
    NmeaOutputData *output = NmeaOutputData::instance();
    QCOMPARE(output->metaObject()->propertyCount() - 1, 47);
    QCOMPARE(NmeaOutputData::instance(), output);
    // Only the text fields with a default start valid.
    const ValidatedProperty *mode = NmeaMessage::fieldOf(output, "ModeIndicator_THS");
    QVERIFY(mode->isValid());
    QCOMPARE(mode->toNmeaString(), QStringLiteral("V"));
    QVERIFY(!NmeaMessage::fieldOf(output, "HeadingTrue_THS")->isValid());
    QCOMPARE(NmeaMessage::fieldOf(output, "VLW_groundDistanceSinceResetString")->fixedLength(), 1);

    PqrvDptData channel;
    QCOMPARE(channel.metaObject()->propertyCount() - 1, 6);
    QVERIFY(channel.TransducerFrequency());
    QVERIFY(!channel.DepthBlwTransducerMeters()->isValid());
}

QTEST_GUILESS_MAIN(TestSentenceCatalogue)
#include "tst_sentencecatalogue.moc"
