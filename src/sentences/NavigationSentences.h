#ifndef NAVIGATIONSENTENCES_H
#define NAVIGATIONSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

// The standard navigation sentences: position, course and speed over ground, heading, speed through the
// water, rate of turn, date and time, and distance travelled. Each class declares its fields in sentence
// order; the message base parses and writes them from the class information.

class MsgGga : public NmeaMessage
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
    explicit MsgGga(const QString &talker);

    ValidatedFloatProperty *UtcOfPosition() const { return m_UtcOfPosition; }
    ValidatedFloatProperty *Latitude() const { return m_Latitude; }
    ValidatedStringProperty *NorthOrSouth() const { return m_NorthOrSouth; }
    ValidatedFloatProperty *Longitude() const { return m_Longitude; }
    ValidatedStringProperty *EastOrWest() const { return m_EastOrWest; }
    ValidatedIntProperty *GpsQualityIndicator() const { return m_GpsQualityIndicator; }
    ValidatedIntProperty *NumberOfSatellitesInUse() const { return m_NumberOfSatellitesInUse; }
    ValidatedFloatProperty *HorizontalDilutionOfPrecision() const { return m_HorizontalDilutionOfPrecision; }
    ValidatedFloatProperty *AntennaAltitude() const { return m_AntennaAltitude; }
    ValidatedStringProperty *UnitsOfAntennaAltitude() const { return m_UnitsOfAntennaAltitude; }
    ValidatedFloatProperty *GeoidalSeparation() const { return m_GeoidalSeparation; }
    ValidatedStringProperty *UnitsOfGeoidalSeparation() const { return m_UnitsOfGeoidalSeparation; }
    ValidatedFloatProperty *AgeOfDifferentialGpsData() const { return m_AgeOfDifferentialGpsData; }
    ValidatedIntProperty *DifferentialReferenceStationId() const { return m_DifferentialReferenceStationId; }

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

class MsgGll : public NmeaMessage
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
    explicit MsgGll(const QString &talker);

    ValidatedFloatProperty *Latitude() const { return m_Latitude; }
    ValidatedStringProperty *NorthOrSouth() const { return m_NorthOrSouth; }
    ValidatedFloatProperty *Longitude() const { return m_Longitude; }
    ValidatedStringProperty *EastOrWest() const { return m_EastOrWest; }
    ValidatedFloatProperty *UtcOfPosition() const { return m_UtcOfPosition; }
    ValidatedStringProperty *Status() const { return m_Status; }
    ValidatedStringProperty *ModeIndicator() const { return m_ModeIndicator; }

private:
    ValidatedFloatProperty *m_Latitude = nullptr;
    ValidatedStringProperty *m_NorthOrSouth = nullptr;
    ValidatedFloatProperty *m_Longitude = nullptr;
    ValidatedStringProperty *m_EastOrWest = nullptr;
    ValidatedFloatProperty *m_UtcOfPosition = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
    ValidatedStringProperty *m_ModeIndicator = nullptr;
};

class MsgVtg : public NmeaMessage
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
    explicit MsgVtg(const QString &talker);

    ValidatedFloatProperty *CourseOverGroundTrue() const { return m_CourseOverGroundTrue; }
    ValidatedStringProperty *True() const { return m_True; }
    ValidatedFloatProperty *CourseOverGroundMagnetic() const { return m_CourseOverGroundMagnetic; }
    ValidatedStringProperty *Magnetic() const { return m_Magnetic; }
    ValidatedFloatProperty *SpeedOverGroundKnots() const { return m_SpeedOverGroundKnots; }
    ValidatedStringProperty *Knots() const { return m_Knots; }
    ValidatedFloatProperty *SpeedOverGroundKmPerH() const { return m_SpeedOverGroundKmPerH; }
    ValidatedStringProperty *KmPerH() const { return m_KmPerH; }
    ValidatedStringProperty *ModeIndicator() const { return m_ModeIndicator; }

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

class MsgHdt : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *HeadingTrue MEMBER m_HeadingTrue)
    Q_PROPERTY(ValidatedStringProperty *True MEMBER m_True)
    Q_CLASSINFO("HeadingTrue", "type=float")
    Q_CLASSINFO("True", "type=string validator=T{1,1} fixedLength=1")
public:
    explicit MsgHdt(const QString &talker);

    ValidatedFloatProperty *HeadingTrue() const { return m_HeadingTrue; }
    ValidatedStringProperty *True() const { return m_True; }

private:
    ValidatedFloatProperty *m_HeadingTrue = nullptr;
    ValidatedStringProperty *m_True = nullptr;
};

class MsgThs : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *HeadingTrue_THS MEMBER m_HeadingTrue_THS)
    Q_PROPERTY(ValidatedStringProperty *ModeIndicator_THS MEMBER m_ModeIndicator_THS)
    Q_CLASSINFO("HeadingTrue_THS", "type=float")
    Q_CLASSINFO("ModeIndicator_THS",
        "type=string canBeNullField=false validator=[AEMSV]{1,1} fixedLength=1 defaultValue=V")
public:
    explicit MsgThs(const QString &talker);

    ValidatedFloatProperty *HeadingTrue_THS() const { return m_HeadingTrue_THS; }
    ValidatedStringProperty *ModeIndicator_THS() const { return m_ModeIndicator_THS; }

private:
    ValidatedFloatProperty *m_HeadingTrue_THS = nullptr;
    ValidatedStringProperty *m_ModeIndicator_THS = nullptr;
};

class MsgVbw : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *LongitudinalWaterSpeed MEMBER m_LongitudinalWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *TransverseWaterSpeed MEMBER m_TransverseWaterSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusWaterSpeed MEMBER m_StatusWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *LongitudinalGroundSpeed MEMBER m_LongitudinalGroundSpeed)
    Q_PROPERTY(ValidatedFloatProperty *TransverseGroundSpeed MEMBER m_TransverseGroundSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusGroundSpeed MEMBER m_StatusGroundSpeed)
    Q_PROPERTY(ValidatedFloatProperty *SternTransverseWaterSpeed MEMBER m_SternTransverseWaterSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusSternWaterSpeed MEMBER m_StatusSternWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *SternTransverseGroundSpeed MEMBER m_SternTransverseGroundSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusSternGroundSpeed MEMBER m_StatusSternGroundSpeed)
    Q_CLASSINFO("LongitudinalWaterSpeed", "type=float")
    Q_CLASSINFO("TransverseWaterSpeed", "type=float")
    Q_CLASSINFO("StatusWaterSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("LongitudinalGroundSpeed", "type=float")
    Q_CLASSINFO("TransverseGroundSpeed", "type=float")
    Q_CLASSINFO("StatusGroundSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("SternTransverseWaterSpeed", "type=float")
    Q_CLASSINFO("StatusSternWaterSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("SternTransverseGroundSpeed", "type=float")
    Q_CLASSINFO("StatusSternGroundSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
public:
    explicit MsgVbw(const QString &talker);

    ValidatedFloatProperty *LongitudinalWaterSpeed() const { return m_LongitudinalWaterSpeed; }
    ValidatedFloatProperty *TransverseWaterSpeed() const { return m_TransverseWaterSpeed; }
    ValidatedStringProperty *StatusWaterSpeed() const { return m_StatusWaterSpeed; }
    ValidatedFloatProperty *LongitudinalGroundSpeed() const { return m_LongitudinalGroundSpeed; }
    ValidatedFloatProperty *TransverseGroundSpeed() const { return m_TransverseGroundSpeed; }
    ValidatedStringProperty *StatusGroundSpeed() const { return m_StatusGroundSpeed; }
    ValidatedFloatProperty *SternTransverseWaterSpeed() const { return m_SternTransverseWaterSpeed; }
    ValidatedStringProperty *StatusSternWaterSpeed() const { return m_StatusSternWaterSpeed; }
    ValidatedFloatProperty *SternTransverseGroundSpeed() const { return m_SternTransverseGroundSpeed; }
    ValidatedStringProperty *StatusSternGroundSpeed() const { return m_StatusSternGroundSpeed; }

private:
    ValidatedFloatProperty *m_LongitudinalWaterSpeed = nullptr;
    ValidatedFloatProperty *m_TransverseWaterSpeed = nullptr;
    ValidatedStringProperty *m_StatusWaterSpeed = nullptr;
    ValidatedFloatProperty *m_LongitudinalGroundSpeed = nullptr;
    ValidatedFloatProperty *m_TransverseGroundSpeed = nullptr;
    ValidatedStringProperty *m_StatusGroundSpeed = nullptr;
    ValidatedFloatProperty *m_SternTransverseWaterSpeed = nullptr;
    ValidatedStringProperty *m_StatusSternWaterSpeed = nullptr;
    ValidatedFloatProperty *m_SternTransverseGroundSpeed = nullptr;
    ValidatedStringProperty *m_StatusSternGroundSpeed = nullptr;
};

class MsgRot : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *ROT MEMBER m_ROT)
    Q_PROPERTY(ValidatedStringProperty *Status MEMBER m_Status)
    Q_CLASSINFO("ROT", "type=float")
    Q_CLASSINFO("Status", "type=string validator=[AV]{1,1} fixedLength=1")
public:
    explicit MsgRot(const QString &talker);

    ValidatedFloatProperty *ROT() const { return m_ROT; }
    ValidatedStringProperty *Status() const { return m_Status; }

private:
    ValidatedFloatProperty *m_ROT = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
};

class MsgRmc : public NmeaMessage
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
    explicit MsgRmc(const QString &talker);

    ValidatedFloatProperty *UtcOfPosition() const { return m_UtcOfPosition; }
    ValidatedStringProperty *Status() const { return m_Status; }
    ValidatedFloatProperty *Latitude() const { return m_Latitude; }
    ValidatedStringProperty *NorthOrSouth() const { return m_NorthOrSouth; }
    ValidatedFloatProperty *Longitude() const { return m_Longitude; }
    ValidatedStringProperty *EastOrWest() const { return m_EastOrWest; }
    ValidatedFloatProperty *SpeedOverGroundKnots() const { return m_SpeedOverGroundKnots; }
    ValidatedFloatProperty *CourseOverGroundTrue() const { return m_CourseOverGroundTrue; }
    ValidatedIntProperty *Date() const { return m_Date; }
    ValidatedFloatProperty *MagneticVariation() const { return m_MagneticVariation; }
    ValidatedStringProperty *VariationEasterlyOrWesterly() const { return m_VariationEasterlyOrWesterly; }
    ValidatedStringProperty *ModeIndicator() const { return m_ModeIndicator; }
    ValidatedStringProperty *NavigationalStatus() const { return m_NavigationalStatus; }

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

class MsgZda : public NmeaMessage
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
    explicit MsgZda(const QString &talker);

    ValidatedFloatProperty *Utc() const { return m_Utc; }
    ValidatedIntProperty *Day() const { return m_Day; }
    ValidatedIntProperty *Month() const { return m_Month; }
    ValidatedIntProperty *Year() const { return m_Year; }
    ValidatedIntProperty *LocalHoursOffset() const { return m_LocalHoursOffset; }
    ValidatedIntProperty *LocalMinutesOffset() const { return m_LocalMinutesOffset; }

private:
    ValidatedFloatProperty *m_Utc = nullptr;
    ValidatedIntProperty *m_Day = nullptr;
    ValidatedIntProperty *m_Month = nullptr;
    ValidatedIntProperty *m_Year = nullptr;
    ValidatedIntProperty *m_LocalHoursOffset = nullptr;
    ValidatedIntProperty *m_LocalMinutesOffset = nullptr;
};

class MsgVlw : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(
        ValidatedFloatProperty *VLW_totalCumulativeWaterDistance MEMBER m_VLW_totalCumulativeWaterDistance)
    Q_PROPERTY(ValidatedStringProperty *VLW_totalCumulativeWaterDistanceString MEMBER
            m_VLW_totalCumulativeWaterDistanceString)
    Q_PROPERTY(ValidatedFloatProperty *VLW_waterDistanceSinceReset MEMBER m_VLW_waterDistanceSinceReset)
    Q_PROPERTY(
        ValidatedStringProperty *VLW_waterDistanceSinceResetString MEMBER m_VLW_waterDistanceSinceResetString)
    Q_PROPERTY(
        ValidatedFloatProperty *VLW_totalCumulativeGroundDistance MEMBER m_VLW_totalCumulativeGroundDistance)
    Q_PROPERTY(ValidatedStringProperty *VLW_totalCumulativeGroundDistanceString MEMBER
            m_VLW_totalCumulativeGroundDistanceString)
    Q_PROPERTY(ValidatedFloatProperty *VLW_groundDistanceSinceReset MEMBER m_VLW_groundDistanceSinceReset)
    Q_PROPERTY(ValidatedStringProperty *VLW_groundDistanceSinceResetString MEMBER
            m_VLW_groundDistanceSinceResetString)
    Q_CLASSINFO("VLW_totalCumulativeWaterDistance", "type=float")
    Q_CLASSINFO("VLW_totalCumulativeWaterDistanceString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_waterDistanceSinceReset", "type=float")
    Q_CLASSINFO("VLW_waterDistanceSinceResetString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_totalCumulativeGroundDistance", "type=float")
    Q_CLASSINFO("VLW_totalCumulativeGroundDistanceString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_groundDistanceSinceReset", "type=float")
    Q_CLASSINFO("VLW_groundDistanceSinceResetString", "type=string validator=N{1,1} fixedLength=1")
public:
    explicit MsgVlw(const QString &talker);

    ValidatedFloatProperty *VLW_totalCumulativeWaterDistance() const
    {
        return m_VLW_totalCumulativeWaterDistance;
    }
    ValidatedStringProperty *VLW_totalCumulativeWaterDistanceString() const
    {
        return m_VLW_totalCumulativeWaterDistanceString;
    }
    ValidatedFloatProperty *VLW_waterDistanceSinceReset() const { return m_VLW_waterDistanceSinceReset; }
    ValidatedStringProperty *VLW_waterDistanceSinceResetString() const
    {
        return m_VLW_waterDistanceSinceResetString;
    }
    ValidatedFloatProperty *VLW_totalCumulativeGroundDistance() const
    {
        return m_VLW_totalCumulativeGroundDistance;
    }
    ValidatedStringProperty *VLW_totalCumulativeGroundDistanceString() const
    {
        return m_VLW_totalCumulativeGroundDistanceString;
    }
    ValidatedFloatProperty *VLW_groundDistanceSinceReset() const { return m_VLW_groundDistanceSinceReset; }
    ValidatedStringProperty *VLW_groundDistanceSinceResetString() const
    {
        return m_VLW_groundDistanceSinceResetString;
    }

private:
    ValidatedFloatProperty *m_VLW_totalCumulativeWaterDistance = nullptr;
    ValidatedStringProperty *m_VLW_totalCumulativeWaterDistanceString = nullptr;
    ValidatedFloatProperty *m_VLW_waterDistanceSinceReset = nullptr;
    ValidatedStringProperty *m_VLW_waterDistanceSinceResetString = nullptr;
    ValidatedFloatProperty *m_VLW_totalCumulativeGroundDistance = nullptr;
    ValidatedStringProperty *m_VLW_totalCumulativeGroundDistanceString = nullptr;
    ValidatedFloatProperty *m_VLW_groundDistanceSinceReset = nullptr;
    ValidatedStringProperty *m_VLW_groundDistanceSinceResetString = nullptr;
};

#endif // NAVIGATIONSENTENCES_H
