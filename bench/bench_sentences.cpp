// Throughput of the sentence framework on a recorded log: (a) the framing check, the creation of the
// message through the registry and the parsing of its fields, and (b) writing the parsed messages back as
// sentences from their fields (toSentence).
//
// usage: bench_sentences [LOG]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. Tag blocks "\...\" in front of a sentence are removed and CR LF is added, as the
//   receiving path sees the sentences.

#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/ValidatedProperty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <vector>

// Stand-ins for the sentence classes of the catalogue, which is not written yet: the same field
// descriptions as the catalogue's GGA, GLL, VTG, RMC, ZDA, GSA and GSV, registered under their formatters.
// Replace them by the catalogue's classes once it exists.

class BenchGga : public NmeaMessage
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
    explicit BenchGga(const QString &talker)
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

class BenchGll : public NmeaMessage
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
    explicit BenchGll(const QString &talker)
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

class BenchVtg : public NmeaMessage
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
    explicit BenchVtg(const QString &talker)
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

class BenchRmc : public NmeaMessage
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
    explicit BenchRmc(const QString &talker)
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

class BenchZda : public NmeaMessage
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
    explicit BenchZda(const QString &talker)
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

class BenchGsa : public NmeaMessage
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
    explicit BenchGsa(const QString &talker)
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

class BenchGsv : public NmeaMessage
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
    explicit BenchGsv(const QString &talker)
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

const bool s_registered = registerStandardMessage<BenchGga>(QStringLiteral("GGA"))
    && registerStandardMessage<BenchGll>(QStringLiteral("GLL"))
    && registerStandardMessage<BenchVtg>(QStringLiteral("VTG"))
    && registerStandardMessage<BenchRmc>(QStringLiteral("RMC"))
    && registerStandardMessage<BenchZda>(QStringLiteral("ZDA"))
    && registerStandardMessage<BenchGsa>(QStringLiteral("GSA"))
    && registerStandardMessage<BenchGsv>(QStringLiteral("GSV"));

// Messages are kept for the writing pass in batches of this many, so that memory stays bounded.
const int batchSize = 10000;

void quietDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The refused fields of the log are reported on the debug log; that output is not what is measured.
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool readLog(const QString &path, QByteArray *text)
{
    if (path.endsWith(QLatin1String(".gz"))) {
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), { QStringLiteral("-dc"), path });
        if (!gzip.waitForFinished(300000) || gzip.exitStatus() != QProcess::NormalExit
            || gzip.exitCode() != 0)
            return false;
        *text = gzip.readAllStandardOutput();
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = file.readAll();
    return true;
}

QStringList sentencesOf(const QByteArray &text)
{
    QStringList sentences;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.startsWith('\\')) {
            const int end = line.indexOf('\\', 1);
            if (end > 0)
                line.remove(0, end + 1);
        }
        sentences << QString::fromLatin1(line.constData(), line.size()) + QLatin1String("\r\n");
    }
    return sentences;
}

void report(const char *what, qint64 count, qint64 nanoseconds)
{
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-52s %10.0f sentences/s %8.0f ns/sentence  (%lld sentences, %.3f s)\n", what,
        seconds > 0 ? double(count) / seconds : 0.0, count > 0 ? double(nanoseconds) / double(count) : 0.0,
        static_cast<long long>(count), seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!s_registered)
        return 1;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(TESSARY_SHARED_DATA_DIR "/nmea-logs/nmea-20180120.log.gz");
    QByteArray text;
    if (!readLog(path, &text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QStringList sentences = sentencesOf(text);
    text.clear();
    std::printf("log: %s\n", qPrintable(path));

    qInstallMessageHandler(quietDebugOutput);
    qint64 framingRefused = 0;
    qint64 withoutClass = 0;
    qint64 parseRefused = 0;
    qint64 parsed = 0;
    qint64 receiveNanoseconds = 0;
    qint64 written = 0;
    qint64 writeNanoseconds = 0;
    qint64 writtenCharacters = 0;

    std::vector<std::unique_ptr<NmeaMessage>> batch;
    batch.reserve(batchSize);
    QElapsedTimer timer;
    for (int start = 0; start < sentences.size(); start += batchSize) {
        const int end = qMin(start + batchSize, sentences.size());
        batch.clear();

        // (a) As the receiving path does it: check, split the address, create, parse.
        timer.start();
        for (int i = start; i < end; ++i) {
            QString sentence = sentences.at(i);
            if (NmeaMessage::checkSentence(sentence) != NmeaNoError) {
                ++framingRefused;
                continue;
            }
            const int comma = sentence.indexOf(QLatin1Char(','));
            const QStringRef address = sentence.leftRef(comma);
            const bool proprietary = address.startsWith(QLatin1String("PQRV"));
            const int talkerLength = proprietary ? 4 : 2;
            std::unique_ptr<NmeaMessage> message(NmeaMessage::create(address.left(talkerLength).toString(),
                address.mid(talkerLength, proprietary ? -1 : 3).toString()));
            if (!message) {
                ++withoutClass;
                continue;
            }
            if (message->deserializeParamaters(sentence.mid(comma + 1, sentence.length() - 3 - (comma + 1)))
                != NmeaNoError) {
                ++parseRefused;
                continue;
            }
            ++parsed;
            batch.push_back(std::move(message));
        }
        receiveNanoseconds += timer.nsecsElapsed();

        // Not measured: forget the received text, so that the fields themselves are written.
        for (const auto &message : batch)
            message->setParameters(QString());

        // (b) Writing back.
        timer.start();
        for (const auto &message : batch) {
            const QString sentence = message->toSentence();
            writtenCharacters += sentence.size();
            ++written;
        }
        writeNanoseconds += timer.nsecsElapsed();
    }
    batch.clear();

    std::printf(
        "sentences: %d (framing refused %lld, without class %lld, fields refused %lld, parsed %lld)\n",
        sentences.size(), static_cast<long long>(framingRefused), static_cast<long long>(withoutClass),
        static_cast<long long>(parseRefused), static_cast<long long>(parsed));
    report("(a) framing check + message creation + field parsing", sentences.size(), receiveNanoseconds);
    report("(b) writing back from the fields (toSentence)", written, writeNanoseconds);
    std::printf("written: %lld characters\n", static_cast<long long>(writtenCharacters));
    return 0;
}

#include "bench_sentences.moc"
