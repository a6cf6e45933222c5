#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/ValidatedProperty.h"

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QtTest>

#include <memory>

// The recorded logs are real traffic: every line must pass the framing check and the parse without a
// crash, every faulty line must be refused with its code, and nothing refused may reach a field as a
// valid value. The sentence classes below carry the field descriptions of the navigation and satellite
// sentences; they are this test's own.

class LogGga : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *UtcOfPosition MEMBER m_UtcOfPosition)
    Q_PROPERTY(ValidatedFloatProperty *Latitude MEMBER m_Latitude)
    Q_PROPERTY(ValidatedStringProperty *NorthOrSouth MEMBER m_NorthOrSouth)
    Q_PROPERTY(ValidatedFloatProperty *Longitude MEMBER m_Longitude)
    Q_PROPERTY(ValidatedStringProperty *EastOrWest MEMBER m_EastOrWest)
    Q_PROPERTY(ValidatedIntProperty *GpsQualityIndicator MEMBER m_GpsQualityIndicator)
    Q_PROPERTY(ValidatedIntProperty *NumberOfSatellitesInUse MEMBER m_NumberOfSatellitesInUse)
    Q_PROPERTY(ValidatedFloatProperty *HorizontalDilutionOfPrecision MEMBER m_HorizontalDilutionOfPrecision)
    Q_PROPERTY(ValidatedFloatProperty *AntennaAltitude MEMBER m_AntennaAltitude)
    Q_PROPERTY(ValidatedStringProperty *UnitsOfAntennaAltitude MEMBER m_UnitsOfAntennaAltitude)
    Q_PROPERTY(ValidatedFloatProperty *GeoidalSeparation MEMBER m_GeoidalSeparation)
    Q_PROPERTY(ValidatedStringProperty *UnitsOfGeoidalSeparation MEMBER m_UnitsOfGeoidalSeparation)
    Q_PROPERTY(ValidatedFloatProperty *AgeOfDifferentialGpsData MEMBER m_AgeOfDifferentialGpsData)
    Q_PROPERTY(ValidatedIntProperty *DifferentialReferenceStationId MEMBER m_DifferentialReferenceStationId)
    Q_CLASSINFO("UtcOfPosition", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("Latitude", "type=float fixedDigitsBeforePoint=4")
    Q_CLASSINFO("NorthOrSouth", "type=string validator=[NS]{1,1} fixedLength=1")
    Q_CLASSINFO("Longitude", "type=float fixedDigitsBeforePoint=5")
    Q_CLASSINFO("EastOrWest", "type=string validator=[EW]{1,1} fixedLength=1")
    Q_CLASSINFO(
        "GpsQualityIndicator", "type=int canBeNullField=false fixedLength=1 validator=0;8 defaultValue=0")
    Q_CLASSINFO("NumberOfSatellitesInUse", "type=int fixedLength=2 validator=0;12")
    Q_CLASSINFO("HorizontalDilutionOfPrecision", "type=float")
    Q_CLASSINFO("AntennaAltitude", "type=float")
    Q_CLASSINFO("UnitsOfAntennaAltitude", "type=string fixedLength=1 validator=M{1,1}")
    Q_CLASSINFO("GeoidalSeparation", "type=float")
    Q_CLASSINFO("UnitsOfGeoidalSeparation", "type=string fixedLength=1 validator=M{1,1}")
    Q_CLASSINFO("AgeOfDifferentialGpsData", "type=float")
    Q_CLASSINFO("DifferentialReferenceStationId", "type=int fixedLength=4 validator=0;1023")
public:
    explicit LogGga(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("GGA"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_UtcOfPosition = nullptr;
    ValidatedFloatProperty *m_Latitude = nullptr;
    ValidatedStringProperty *m_NorthOrSouth = nullptr;
    ValidatedFloatProperty *m_Longitude = nullptr;
    ValidatedStringProperty *m_EastOrWest = nullptr;
    ValidatedIntProperty *m_GpsQualityIndicator = nullptr;
    ValidatedIntProperty *m_NumberOfSatellitesInUse = nullptr;
    ValidatedFloatProperty *m_HorizontalDilutionOfPrecision = nullptr;
    ValidatedFloatProperty *m_AntennaAltitude = nullptr;
    ValidatedStringProperty *m_UnitsOfAntennaAltitude = nullptr;
    ValidatedFloatProperty *m_GeoidalSeparation = nullptr;
    ValidatedStringProperty *m_UnitsOfGeoidalSeparation = nullptr;
    ValidatedFloatProperty *m_AgeOfDifferentialGpsData = nullptr;
    ValidatedIntProperty *m_DifferentialReferenceStationId = nullptr;
};

class LogGll : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *Latitude MEMBER m_Latitude)
    Q_PROPERTY(ValidatedStringProperty *NorthOrSouth MEMBER m_NorthOrSouth)
    Q_PROPERTY(ValidatedFloatProperty *Longitude MEMBER m_Longitude)
    Q_PROPERTY(ValidatedStringProperty *EastOrWest MEMBER m_EastOrWest)
    Q_PROPERTY(ValidatedFloatProperty *UtcOfPosition MEMBER m_UtcOfPosition)
    Q_PROPERTY(ValidatedStringProperty *Status MEMBER m_Status)
    Q_PROPERTY(ValidatedStringProperty *ModeIndicator MEMBER m_ModeIndicator)
    Q_CLASSINFO("Latitude", "type=float fixedDigitsBeforePoint=4")
    Q_CLASSINFO("NorthOrSouth", "type=string validator=[NS]{1,1} fixedLength=1")
    Q_CLASSINFO("Longitude", "type=float fixedDigitsBeforePoint=5")
    Q_CLASSINFO("EastOrWest", "type=string validator=[EW]{1,1} fixedLength=1")
    Q_CLASSINFO("UtcOfPosition", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("Status", "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("ModeIndicator",
        "type=string canBeNullField=false validator=[ADEMSN]{1,1} fixedLength=1 defaultValue=N")
public:
    explicit LogGll(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("GLL"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_Latitude = nullptr;
    ValidatedStringProperty *m_NorthOrSouth = nullptr;
    ValidatedFloatProperty *m_Longitude = nullptr;
    ValidatedStringProperty *m_EastOrWest = nullptr;
    ValidatedFloatProperty *m_UtcOfPosition = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
    ValidatedStringProperty *m_ModeIndicator = nullptr;
};

class LogVtg : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *CourseOverGroundTrue MEMBER m_CourseOverGroundTrue)
    Q_PROPERTY(ValidatedStringProperty *True MEMBER m_True)
    Q_PROPERTY(ValidatedFloatProperty *CourseOverGroundMagnetic MEMBER m_CourseOverGroundMagnetic)
    Q_PROPERTY(ValidatedStringProperty *Magnetic MEMBER m_Magnetic)
    Q_PROPERTY(ValidatedFloatProperty *SpeedOverGroundKnots MEMBER m_SpeedOverGroundKnots)
    Q_PROPERTY(ValidatedStringProperty *Knots MEMBER m_Knots)
    Q_PROPERTY(ValidatedFloatProperty *SpeedOverGroundKmPerH MEMBER m_SpeedOverGroundKmPerH)
    Q_PROPERTY(ValidatedStringProperty *KmPerH MEMBER m_KmPerH)
    Q_PROPERTY(ValidatedStringProperty *ModeIndicator MEMBER m_ModeIndicator)
    Q_CLASSINFO("CourseOverGroundTrue", "type=float")
    Q_CLASSINFO("True", "type=string validator=T{1,1} fixedLength=1")
    Q_CLASSINFO("CourseOverGroundMagnetic", "type=float")
    Q_CLASSINFO("Magnetic", "type=string validator=M{1,1} fixedLength=1")
    Q_CLASSINFO("SpeedOverGroundKnots", "type=float validator=0;1000")
    Q_CLASSINFO("Knots", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("SpeedOverGroundKmPerH", "type=float validator=0;1000")
    Q_CLASSINFO("KmPerH", "type=string validator=K{1,1} fixedLength=1")
    Q_CLASSINFO("ModeIndicator",
        "type=string canBeNullField=false validator=[ADEMPSN]{1,1} fixedLength=1 defaultValue=N")
public:
    explicit LogVtg(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("VTG"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_CourseOverGroundTrue = nullptr;
    ValidatedStringProperty *m_True = nullptr;
    ValidatedFloatProperty *m_CourseOverGroundMagnetic = nullptr;
    ValidatedStringProperty *m_Magnetic = nullptr;
    ValidatedFloatProperty *m_SpeedOverGroundKnots = nullptr;
    ValidatedStringProperty *m_Knots = nullptr;
    ValidatedFloatProperty *m_SpeedOverGroundKmPerH = nullptr;
    ValidatedStringProperty *m_KmPerH = nullptr;
    ValidatedStringProperty *m_ModeIndicator = nullptr;
};

class LogRmc : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *UtcOfPosition MEMBER m_UtcOfPosition)
    Q_PROPERTY(ValidatedStringProperty *Status MEMBER m_Status)
    Q_PROPERTY(ValidatedFloatProperty *Latitude MEMBER m_Latitude)
    Q_PROPERTY(ValidatedStringProperty *NorthOrSouth MEMBER m_NorthOrSouth)
    Q_PROPERTY(ValidatedFloatProperty *Longitude MEMBER m_Longitude)
    Q_PROPERTY(ValidatedStringProperty *EastOrWest MEMBER m_EastOrWest)
    Q_PROPERTY(ValidatedFloatProperty *SpeedOverGroundKnots MEMBER m_SpeedOverGroundKnots)
    Q_PROPERTY(ValidatedFloatProperty *CourseOverGroundTrue MEMBER m_CourseOverGroundTrue)
    Q_PROPERTY(ValidatedIntProperty *Date MEMBER m_Date)
    Q_PROPERTY(ValidatedFloatProperty *MagneticVariation MEMBER m_MagneticVariation)
    Q_PROPERTY(ValidatedStringProperty *VariationEasterlyOrWesterly MEMBER m_VariationEasterlyOrWesterly)
    Q_PROPERTY(ValidatedStringProperty *ModeIndicator MEMBER m_ModeIndicator)
    Q_PROPERTY(ValidatedStringProperty *NavigationalStatus MEMBER m_NavigationalStatus)
    Q_CLASSINFO("UtcOfPosition", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("Status", "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("Latitude", "type=float fixedDigitsBeforePoint=4")
    Q_CLASSINFO("NorthOrSouth", "type=string validator=[NS]{1,1} fixedLength=1")
    Q_CLASSINFO("Longitude", "type=float fixedDigitsBeforePoint=5")
    Q_CLASSINFO("EastOrWest", "type=string validator=[EW]{1,1} fixedLength=1")
    Q_CLASSINFO("SpeedOverGroundKnots", "type=float validator=0;1000")
    Q_CLASSINFO("CourseOverGroundTrue", "type=float")
    Q_CLASSINFO("Date", "type=int fixedLength=6")
    Q_CLASSINFO("MagneticVariation", "type=float")
    Q_CLASSINFO("VariationEasterlyOrWesterly", "type=string validator=[EW]{1,1} fixedLength=1")
    Q_CLASSINFO("ModeIndicator",
        "type=string canBeNullField=false validator=[ADEFMNPRS]{1,1} fixedLength=1 defaultValue=S")
    Q_CLASSINFO("NavigationalStatus",
        "type=string canBeNullField=false validator=[SCUV]{1,1} fixedLength=1 defaultValue=V")
public:
    explicit LogRmc(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("RMC"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_UtcOfPosition = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
    ValidatedFloatProperty *m_Latitude = nullptr;
    ValidatedStringProperty *m_NorthOrSouth = nullptr;
    ValidatedFloatProperty *m_Longitude = nullptr;
    ValidatedStringProperty *m_EastOrWest = nullptr;
    ValidatedFloatProperty *m_SpeedOverGroundKnots = nullptr;
    ValidatedFloatProperty *m_CourseOverGroundTrue = nullptr;
    ValidatedIntProperty *m_Date = nullptr;
    ValidatedFloatProperty *m_MagneticVariation = nullptr;
    ValidatedStringProperty *m_VariationEasterlyOrWesterly = nullptr;
    ValidatedStringProperty *m_ModeIndicator = nullptr;
    ValidatedStringProperty *m_NavigationalStatus = nullptr;
};

class LogZda : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *Utc MEMBER m_Utc)
    Q_PROPERTY(ValidatedIntProperty *Day MEMBER m_Day)
    Q_PROPERTY(ValidatedIntProperty *Month MEMBER m_Month)
    Q_PROPERTY(ValidatedIntProperty *Year MEMBER m_Year)
    Q_PROPERTY(ValidatedIntProperty *LocalHoursOffset MEMBER m_LocalHoursOffset)
    Q_PROPERTY(ValidatedIntProperty *LocalMinutesOffset MEMBER m_LocalMinutesOffset)
    Q_CLASSINFO("Utc", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("Day", "type=int fixedLength=2 validator=1;31")
    Q_CLASSINFO("Month", "type=int fixedLength=2 validator=1;12")
    Q_CLASSINFO("Year", "type=int fixedLength=4")
    Q_CLASSINFO("LocalHoursOffset", "type=int validator=-13;13")
    Q_CLASSINFO("LocalMinutesOffset", "type=int validator=0;59")
public:
    explicit LogZda(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("ZDA"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_Utc = nullptr;
    ValidatedIntProperty *m_Day = nullptr;
    ValidatedIntProperty *m_Month = nullptr;
    ValidatedIntProperty *m_Year = nullptr;
    ValidatedIntProperty *m_LocalHoursOffset = nullptr;
    ValidatedIntProperty *m_LocalMinutesOffset = nullptr;
};

class LogGsa : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *GSA_Mode MEMBER m_GSA_Mode)
    Q_PROPERTY(ValidatedIntProperty *GSA_ModeNumber MEMBER m_GSA_ModeNumber)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_1 MEMBER m_GSA_SatelliteID_1)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_2 MEMBER m_GSA_SatelliteID_2)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_3 MEMBER m_GSA_SatelliteID_3)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_4 MEMBER m_GSA_SatelliteID_4)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_5 MEMBER m_GSA_SatelliteID_5)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_6 MEMBER m_GSA_SatelliteID_6)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_7 MEMBER m_GSA_SatelliteID_7)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_8 MEMBER m_GSA_SatelliteID_8)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_9 MEMBER m_GSA_SatelliteID_9)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_10 MEMBER m_GSA_SatelliteID_10)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_11 MEMBER m_GSA_SatelliteID_11)
    Q_PROPERTY(ValidatedIntProperty *GSA_SatelliteID_12 MEMBER m_GSA_SatelliteID_12)
    Q_PROPERTY(ValidatedFloatProperty *GSA_PDOP MEMBER m_GSA_PDOP)
    Q_PROPERTY(ValidatedFloatProperty *GSA_HDOP MEMBER m_GSA_HDOP)
    Q_PROPERTY(ValidatedFloatProperty *GSA_VDOP MEMBER m_GSA_VDOP)
    Q_CLASSINFO("GSA_Mode", "type=string validator=[AM]{1,1} fixedLength=1")
    Q_CLASSINFO("GSA_ModeNumber", "type=int validator=1;3")
    Q_CLASSINFO("GSA_SatelliteID_1", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_2", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_3", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_4", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_5", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_6", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_7", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_8", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_9", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_10", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_11", "type=int validator=1;99")
    Q_CLASSINFO("GSA_SatelliteID_12", "type=int validator=1;99")
    Q_CLASSINFO("GSA_PDOP", "type=float")
    Q_CLASSINFO("GSA_HDOP", "type=float")
    Q_CLASSINFO("GSA_VDOP", "type=float")
public:
    explicit LogGsa(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("GSA"))
    {
        initializeProperties(this);
    }

private:
    ValidatedStringProperty *m_GSA_Mode = nullptr;
    ValidatedIntProperty *m_GSA_ModeNumber = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_1 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_2 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_3 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_4 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_5 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_6 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_7 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_8 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_9 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_10 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_11 = nullptr;
    ValidatedIntProperty *m_GSA_SatelliteID_12 = nullptr;
    ValidatedFloatProperty *m_GSA_PDOP = nullptr;
    ValidatedFloatProperty *m_GSA_HDOP = nullptr;
    ValidatedFloatProperty *m_GSA_VDOP = nullptr;
};

class LogGsv : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *GSV_TotalMessages MEMBER m_GSV_TotalMessages)
    Q_PROPERTY(ValidatedIntProperty *GSV_MessageNumber MEMBER m_GSV_MessageNumber)
    Q_PROPERTY(ValidatedIntProperty *GSV_TotalSatellites MEMBER m_GSV_TotalSatellites)
    Q_PROPERTY(ValidatedIntProperty *GSV_SatelliteID_1 MEMBER m_GSV_SatelliteID_1)
    Q_PROPERTY(ValidatedIntProperty *GSV_Elevation_1 MEMBER m_GSV_Elevation_1)
    Q_PROPERTY(ValidatedIntProperty *GSV_Azimuth_1 MEMBER m_GSV_Azimuth_1)
    Q_PROPERTY(ValidatedIntProperty *GSV_SNR_1 MEMBER m_GSV_SNR_1)
    Q_PROPERTY(ValidatedIntProperty *GSV_SatelliteID_2 MEMBER m_GSV_SatelliteID_2)
    Q_PROPERTY(ValidatedIntProperty *GSV_Elevation_2 MEMBER m_GSV_Elevation_2)
    Q_PROPERTY(ValidatedIntProperty *GSV_Azimuth_2 MEMBER m_GSV_Azimuth_2)
    Q_PROPERTY(ValidatedIntProperty *GSV_SNR_2 MEMBER m_GSV_SNR_2)
    Q_PROPERTY(ValidatedIntProperty *GSV_SatelliteID_3 MEMBER m_GSV_SatelliteID_3)
    Q_PROPERTY(ValidatedIntProperty *GSV_Elevation_3 MEMBER m_GSV_Elevation_3)
    Q_PROPERTY(ValidatedIntProperty *GSV_Azimuth_3 MEMBER m_GSV_Azimuth_3)
    Q_PROPERTY(ValidatedIntProperty *GSV_SNR_3 MEMBER m_GSV_SNR_3)
    Q_PROPERTY(ValidatedIntProperty *GSV_SatelliteID_4 MEMBER m_GSV_SatelliteID_4)
    Q_PROPERTY(ValidatedIntProperty *GSV_Elevation_4 MEMBER m_GSV_Elevation_4)
    Q_PROPERTY(ValidatedIntProperty *GSV_Azimuth_4 MEMBER m_GSV_Azimuth_4)
    Q_PROPERTY(ValidatedIntProperty *GSV_SNR_4 MEMBER m_GSV_SNR_4)
    Q_PROPERTY(ValidatedIntProperty *GSV_SignalID MEMBER m_GSV_SignalID)
    Q_CLASSINFO("GSV_TotalMessages", "type=int validator=1;9 validityLimit=-1")
    Q_CLASSINFO("GSV_MessageNumber", "type=int validator=1;9 validityLimit=-1")
    Q_CLASSINFO("GSV_TotalSatellites", "type=int validator=1;99 validityLimit=-1")
    Q_CLASSINFO("GSV_SatelliteID_1", "type=int validator=1;999 validityLimit=-1")
    Q_CLASSINFO("GSV_Elevation_1", "type=int validator=0;90 validityLimit=-1")
    Q_CLASSINFO("GSV_Azimuth_1", "type=int validator=0;359 validityLimit=-1")
    Q_CLASSINFO("GSV_SNR_1", "type=int validator=0;99 defaultValue=0 validityLimit=-1")
    Q_CLASSINFO("GSV_SatelliteID_2", "type=int validator=1;999 validityLimit=-1")
    Q_CLASSINFO("GSV_Elevation_2", "type=int validator=0;90 validityLimit=-1")
    Q_CLASSINFO("GSV_Azimuth_2", "type=int validator=0;359 validityLimit=-1")
    Q_CLASSINFO("GSV_SNR_2", "type=int validator=0;99 defaultValue=0 validityLimit=-1")
    Q_CLASSINFO("GSV_SatelliteID_3", "type=int validator=1;999 validityLimit=-1")
    Q_CLASSINFO("GSV_Elevation_3", "type=int validator=0;90 validityLimit=-1")
    Q_CLASSINFO("GSV_Azimuth_3", "type=int validator=0;359 validityLimit=-1")
    Q_CLASSINFO("GSV_SNR_3", "type=int validator=0;99 defaultValue=0 validityLimit=-1")
    Q_CLASSINFO("GSV_SatelliteID_4", "type=int validator=1;999 validityLimit=-1")
    Q_CLASSINFO("GSV_Elevation_4", "type=int validator=0;90 validityLimit=-1")
    Q_CLASSINFO("GSV_Azimuth_4", "type=int validator=0;359 validityLimit=-1")
    Q_CLASSINFO("GSV_SNR_4", "type=int validator=0;99 defaultValue=0 validityLimit=-1")
    Q_CLASSINFO("GSV_SignalID", "type=int validator=0;8 validityLimit=-1")
public:
    explicit LogGsv(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("GSV"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_GSV_TotalMessages = nullptr;
    ValidatedIntProperty *m_GSV_MessageNumber = nullptr;
    ValidatedIntProperty *m_GSV_TotalSatellites = nullptr;
    ValidatedIntProperty *m_GSV_SatelliteID_1 = nullptr;
    ValidatedIntProperty *m_GSV_Elevation_1 = nullptr;
    ValidatedIntProperty *m_GSV_Azimuth_1 = nullptr;
    ValidatedIntProperty *m_GSV_SNR_1 = nullptr;
    ValidatedIntProperty *m_GSV_SatelliteID_2 = nullptr;
    ValidatedIntProperty *m_GSV_Elevation_2 = nullptr;
    ValidatedIntProperty *m_GSV_Azimuth_2 = nullptr;
    ValidatedIntProperty *m_GSV_SNR_2 = nullptr;
    ValidatedIntProperty *m_GSV_SatelliteID_3 = nullptr;
    ValidatedIntProperty *m_GSV_Elevation_3 = nullptr;
    ValidatedIntProperty *m_GSV_Azimuth_3 = nullptr;
    ValidatedIntProperty *m_GSV_SNR_3 = nullptr;
    ValidatedIntProperty *m_GSV_SatelliteID_4 = nullptr;
    ValidatedIntProperty *m_GSV_Elevation_4 = nullptr;
    ValidatedIntProperty *m_GSV_Azimuth_4 = nullptr;
    ValidatedIntProperty *m_GSV_SNR_4 = nullptr;
    ValidatedIntProperty *m_GSV_SignalID = nullptr;
};

namespace {

const bool s_registered = registerStandardMessage<LogGga>(QStringLiteral("GGA"))
    && registerStandardMessage<LogGll>(QStringLiteral("GLL"))
    && registerStandardMessage<LogVtg>(QStringLiteral("VTG"))
    && registerStandardMessage<LogRmc>(QStringLiteral("RMC"))
    && registerStandardMessage<LogZda>(QStringLiteral("ZDA"))
    && registerStandardMessage<LogGsa>(QStringLiteral("GSA"))
    && registerStandardMessage<LogGsv>(QStringLiteral("GSV"));

const char *const smallLog = "nmea-20180119.log.gz";
const char *const largeLog = "nmea-20180120.log.gz";

QString logPath(const char *name)
{
    return QStringLiteral(TESSARY_SHARED_DATA_DIR "/nmea-logs/") + QLatin1String(name);
}

// The received sentence of a log line: the leading tag block "\...\" removed, CR LF added (the logs end
// their lines in LF only). A line that does not start with a tag block is taken whole.
QString sentenceOfLine(const QByteArray &line)
{
    QByteArray sentence = line;
    if (sentence.startsWith('\\')) {
        const int end = sentence.indexOf('\\', 1);
        if (end > 0)
            sentence.remove(0, end + 1);
    }
    // Not fromLatin1(QByteArray), which would stop at the first NUL byte.
    return QString::fromLatin1(sentence.constData(), sentence.size()) + QLatin1String("\r\n");
}

// What the receiving path does with a sentence: the framing check, then, when it passes, the message of
// its address parsed from its field text. Returns the framing code, or the parse code when the framing
// passed; -1 when no class is registered for the address.
struct Received
{
    int framing = -1;
    int parse = -1;
    std::unique_ptr<NmeaMessage> message;
    QString fields;
};

Received receive(const QString &sentence)
{
    Received result;
    QString text = sentence;
    result.framing = NmeaMessage::checkSentence(text);
    if (result.framing != NmeaNoError)
        return result;
    const int comma = text.indexOf(QLatin1Char(','));
    const QString address = text.left(comma);
    const bool proprietary = address.startsWith(QLatin1String("PQRV"));
    const QString talker = proprietary ? address.left(4) : address.left(2);
    const QString formatter = proprietary ? address.mid(4) : address.mid(2, 3);
    result.message.reset(NmeaMessage::create(talker, formatter));
    if (!result.message)
        return result;
    // Everything between the "," after the address and the "*".
    result.fields = text.mid(comma + 1, text.length() - 3 - (comma + 1));
    result.parse = result.message->deserializeParamaters(result.fields);
    return result;
}

// The same sentence with a checksum that matches its text.
QString withRepairedChecksum(const QString &sentence)
{
    const int star = sentence.lastIndexOf(QLatin1Char('*'));
    const QString body = sentence.mid(1, star - 1);
    return sentence.left(1) + body + QLatin1Char('*') + nmeaStringChecksum(body) + QLatin1String("\r\n");
}

// Swallows the debug lines of refused fields during a sweep of hundreds of thousands of sentences.
int s_debugLines = 0;
void countDebugLines(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtDebugMsg)
        ++s_debugLines;
}

struct FaultyLine
{
    const char *log;
    int number; // 1-based line number in the log
    int code;
};

// Faulty lines found in the logs (zcat + grep, then checked by hand), with the code each must get.
const FaultyLine knownFaultyLines[] = {
    { smallLog, 1761, NmeaTooLongError }, // 3686 NUL bytes in front of a tagged GLL
    { largeLog, 23572, NmeaChecksumError }, // GSA, "0.8" damaged to "08"
    { largeLog, 92430, NmeaChecksumError }, // GGA lost a digit of the satellite count
    { largeLog, 107340, NmeaChecksumError }, // GGA lost the comma after "N"
    { largeLog, 193843, NmeaChecksumError }, // GSA lost its talker: "$PGSA"
    { largeLog, 291220, NmeaChecksumError }, // VTG lost its talker: "$PVTG"
};

} // namespace

class tst_NmeaLogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faultyLines_data();
    void faultyLines();
    void sweep_data();
    void sweep();

private:
    // The lines of a log, decompressed with gzip; empty when the log is absent.
    const QList<QByteArray> &logLines(const char *name);

    QMap<QString, QList<QByteArray>> m_logs;
};

void tst_NmeaLogs::initTestCase()
{
    QVERIFY(s_registered);
}

const QList<QByteArray> &tst_NmeaLogs::logLines(const char *name)
{
    const QString key = QString::fromLatin1(name);
    if (m_logs.contains(key))
        return m_logs[key];
    QList<QByteArray> &lines = m_logs[key];
    const QString path = logPath(name);
    if (!QFileInfo::exists(path))
        return lines;
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), { QStringLiteral("-dc"), path });
    if (!gzip.waitForFinished(120000) || gzip.exitStatus() != QProcess::NormalExit || gzip.exitCode() != 0) {
        qWarning() << "gzip failed on" << path << gzip.errorString();
        return lines;
    }
    QByteArray text = gzip.readAllStandardOutput();
    if (text.endsWith('\n'))
        text.chop(1);
    lines = text.split('\n');
    return lines;
}

void tst_NmeaLogs::faultyLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("repairedCode");
    QTest::addColumn<QByteArray>("refusedField");

    // The lines as they stand in the logs, tag block included. repairedCode is what the same sentence
    // gets with a checksum that matches it: the damage is still caught where it breaks a field rule or
    // the address, while the damaged GSA value is caught by nothing but its checksum.
    const QByteArray nulLine
        = QByteArray(3686, '\0') + "\\c:1516402732*5A\\$GPGLL,3249.4690,N,07951.4697,W,231334.00,A,A*7E";
    QTest::newRow("NUL bytes") << nulLine << smallLog << 1761 << int(NmeaTooLongError)
                               << int(NmeaTooLongError) << QByteArray();
    QTest::newRow("damaged value") << QByteArray(
        "\\c:1516471379*55\\$GPGSA,A,3,01,10,12,14,18,22,25,31,32,48,,,1.5,08,1.3*3B")
                                   << largeLog << 23572 << int(NmeaChecksumError) << int(NmeaNoError)
                                   << QByteArray();
    QTest::newRow("lost digit") << QByteArray(
        "\\c:1516487962*5C\\$GPGGA,004851.000,3249.4446,N,07951.5780,W,1,4,2.9,26.0,M,-43.8,M,,0000*51")
                                << largeLog << 92430 << int(NmeaChecksumError) << int(NmeaFieldLengthError)
                                << QByteArray("NumberOfSatellitesInUse");
    QTest::newRow("lost comma") << QByteArray(
        "\\c:1516490221*56\\$GPGGA,012630.000,3249.4555,N07951.5270,W,1,03,4.0,-48.2,M,-43.8,M,,0000*79")
                                << largeLog << 107340 << int(NmeaChecksumError) << int(NmeaFieldLengthError)
                                << QByteArray("NorthOrSouth");
    QTest::newRow("lost talker GSA") << QByteArray(
        "\\c:1516511097*51\\$PGSA,A,2,17,19,30,,,,,,,,,,3.8,3.7,0.9*38")
                                     << largeLog << 193843 << int(NmeaChecksumError) << int(NmeaAddressError)
                                     << QByteArray();
    QTest::newRow("lost talker VTG") << QByteArray("\\c:1516525851*54\\$PVTG,191.4,T,,M,0.0,N,0.0,K,A*00")
                                     << largeLog << 291220 << int(NmeaChecksumError) << int(NmeaAddressError)
                                     << QByteArray();
}

void tst_NmeaLogs::faultyLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, log);
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(int, repairedCode);
    QFETCH(QByteArray, refusedField);

    const QString sentence = sentenceOfLine(line);
    const Received received = receive(sentence);
    QCOMPARE(received.framing, code);
    QVERIFY(!received.message);

    QString repaired = sentence;
    if (sentence.startsWith(QLatin1Char('$'))) {
        repaired = withRepairedChecksum(sentence);
        QVERIFY(repaired != sentence);
    }
    if (repairedCode == NmeaFieldLengthError || repairedCode == NmeaInvalidValueError) {
        // The refused field is reported in two lines.
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(QStringLiteral("^(invalid value|wrong field length) ")));
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(QStringLiteral("error in NmeaMessage::deserializeParamaters$")));
    }
    const Received second = receive(repaired);
    QCOMPARE(second.framing == NmeaNoError ? second.parse : second.framing, repairedCode);
    if (!refusedField.isEmpty()) {
        // The refused field holds no value, and the message keeps the text it was given.
        QVERIFY(second.message);
        QVERIFY(!second.message->field(refusedField.constData())->isValid());
        QCOMPARE(second.message->serializeParameters(), second.fields);
    }

    // The row is the line of the log, where the log is at hand.
    const QList<QByteArray> &lines = logLines(log.toLatin1().constData());
    if (lines.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("Recorded logs not found under %1").arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
    QVERIFY(number <= lines.size());
    QCOMPARE(lines.at(number - 1), line);
}

void tst_NmeaLogs::sweep_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("stationsOutOfRange");

    // Some GGA sentences carry a differential reference station id above 1023 (1234 and 1235), which
    // the field refuses; counted with zcat and awk on the last GGA field.
    QTest::newRow("small log") << smallLog << 95264 << 5;
    QTest::newRow("large log") << largeLog << 407092 << 141;
}

void tst_NmeaLogs::sweep()
{
    QFETCH(QString, log);
    QFETCH(int, lineCount);
    QFETCH(int, stationsOutOfRange);

    const QList<QByteArray> &lines = logLines(log.toLatin1().constData());
    if (lines.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("Recorded logs not found under %1").arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
    QCOMPARE(lines.size(), lineCount);

    QMap<int, int> framingCodes;
    QMap<int, int> parseCodes;
    QList<int> refusedLines;
    int unknown = 0;
    int roundTripFailures = 0;
    int keptTextFailures = 0;
    int refusedButValid = 0;
    s_debugLines = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countDebugLines);
    for (int i = 0; i < lines.size(); ++i) {
        const QString sentence = sentenceOfLine(lines.at(i));
        const Received received = receive(sentence);
        ++framingCodes[received.framing];
        if (received.framing != NmeaNoError) {
            refusedLines << i + 1;
            continue;
        }
        if (!received.message) {
            ++unknown;
            continue;
        }
        ++parseCodes[received.parse];
        // A parsed message writes the very sentence it was read from; a refused one keeps its text.
        if (received.parse == NmeaNoError && received.message->toSentence() != sentence)
            ++roundTripFailures;
        if (received.message->serializeParameters() != received.fields)
            ++keptTextFailures;
        if (received.parse != NmeaNoError) {
            const ValidatedProperty *station = received.message->field("DifferentialReferenceStationId");
            if (!station || station->isValid())
                ++refusedButValid;
        }
    }
    qInstallMessageHandler(previous);

    qInfo() << "framing codes" << framingCodes << "parse codes" << parseCodes << "without class" << unknown
            << "debug lines" << s_debugLines;

    // Exactly the faulty lines of the table are refused by the framing check, with their codes.
    QList<int> expectedRefused;
    QMap<int, int> expectedCodes;
    for (const FaultyLine &faulty : knownFaultyLines) {
        if (log == QLatin1String(faulty.log)) {
            expectedRefused << faulty.number;
            ++expectedCodes[faulty.code];
        }
    }
    expectedCodes[NmeaNoError] = lineCount - expectedRefused.size();
    QCOMPARE(refusedLines, expectedRefused);
    QCOMPARE(framingCodes, expectedCodes);
    // Every sentence of the logs has a class here; the only fields refused are the station ids out of
    // range, and none of them became a valid value.
    QCOMPARE(unknown, 0);
    QMap<int, int> expectedParseCodes;
    expectedParseCodes[NmeaNoError] = expectedCodes[NmeaNoError] - stationsOutOfRange;
    if (stationsOutOfRange > 0)
        expectedParseCodes[NmeaInvalidValueError] = stationsOutOfRange;
    QCOMPARE(parseCodes, expectedParseCodes);
    QCOMPARE(refusedButValid, 0);
    // Each refused field is logged in two lines.
    QCOMPARE(s_debugLines, 2 * (expectedCodes[NmeaNoError] - parseCodes.value(NmeaNoError)));
    QCOMPARE(roundTripFailures, 0);
    QCOMPARE(keptTextFailures, 0);
}

QTEST_GUILESS_MAIN(tst_NmeaLogs)
#include "tst_nmealogs.moc"
