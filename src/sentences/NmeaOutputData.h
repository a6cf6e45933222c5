#ifndef NMEAOUTPUTDATA_H
#define NMEAOUTPUTDATA_H

#include "nmea/ValidatedProperty.h"

#include <QObject>

// The values that outgoing heading, water-speed, rate-of-turn and distance sentences (HDT, THS, VBW, ROT,
// VLW) are filled from, by field name. Every value is a validated property, so a value nobody refreshes is
// sent as an empty (or fallback) field once it has expired.
class NmeaOutputData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *UtcOfPosition MEMBER m_UtcOfPosition)
    Q_PROPERTY(ValidatedFloatProperty *Latitude MEMBER m_Latitude)
    Q_PROPERTY(ValidatedStringProperty *NorthOrSouth MEMBER m_NorthOrSouth)
    Q_PROPERTY(ValidatedFloatProperty *Longitude MEMBER m_Longitude)
    Q_PROPERTY(ValidatedStringProperty *EastOrWest MEMBER m_EastOrWest)
    Q_PROPERTY(ValidatedFloatProperty *SpeedOverGroundKnots MEMBER m_SpeedOverGroundKnots)
    Q_PROPERTY(ValidatedFloatProperty *SpeedOverGroundKmPerH MEMBER m_SpeedOverGroundKmPerH)
    Q_PROPERTY(ValidatedFloatProperty *CourseOverGroundTrue MEMBER m_CourseOverGroundTrue)
    Q_PROPERTY(ValidatedFloatProperty *CourseOverGroundMagnetic MEMBER m_CourseOverGroundMagnetic)
    Q_PROPERTY(ValidatedStringProperty *ModeIndicator_THS MEMBER m_ModeIndicator_THS)
    Q_PROPERTY(ValidatedStringProperty *HeadingTrue_HDT_string MEMBER m_HeadingTrue_HDT_string)
    Q_PROPERTY(ValidatedFloatProperty *HeadingTrue_HDT MEMBER m_HeadingTrue_HDT)
    Q_PROPERTY(ValidatedFloatProperty *HeadingTrue_THS MEMBER m_HeadingTrue_THS)
    Q_PROPERTY(ValidatedFloatProperty *LongitudinalWaterSpeed MEMBER m_LongitudinalWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *TransverseWaterSpeed MEMBER m_TransverseWaterSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusWaterSpeed MEMBER m_StatusWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *SternTransverseWaterSpeed MEMBER m_SternTransverseWaterSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusSternWaterSpeed MEMBER m_StatusSternWaterSpeed)
    Q_PROPERTY(ValidatedFloatProperty *LongitudinalGroundSpeed MEMBER m_LongitudinalGroundSpeed)
    Q_PROPERTY(ValidatedFloatProperty *TransverseGroundSpeed MEMBER m_TransverseGroundSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusGroundSpeed MEMBER m_StatusGroundSpeed)
    Q_PROPERTY(ValidatedFloatProperty *SternTransverseGroundSpeed MEMBER m_SternTransverseGroundSpeed)
    Q_PROPERTY(ValidatedStringProperty *StatusSternGroundSpeed MEMBER m_StatusSternGroundSpeed)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerFeet MEMBER m_DepthBlwTransducerFeet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerMeters MEMBER m_DepthBlwTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerFathoms MEMBER m_DepthBlwTransducerFathoms)
    Q_PROPERTY(ValidatedFloatProperty *OffsetFromTransducerMeters MEMBER m_OffsetFromTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *MaximumRangeScale MEMBER m_MaximumRangeScale)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceFeet MEMBER m_DepthBlwSurfaceFeet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceMeters MEMBER m_DepthBlwSurfaceMeters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceFathoms MEMBER m_DepthBlwSurfaceFathoms)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelFeet MEMBER m_DepthBlwKeelFeet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelMeters MEMBER m_DepthBlwKeelMeters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelFathoms MEMBER m_DepthBlwKeelFathoms)
    Q_PROPERTY(ValidatedIntProperty *BottomEchoStrength MEMBER m_BottomEchoStrength)
    Q_PROPERTY(ValidatedIntProperty *TransducerFrequency MEMBER m_TransducerFrequency)
    Q_PROPERTY(ValidatedStringProperty *TransducerPosition MEMBER m_TransducerPosition)
    Q_PROPERTY(
        ValidatedFloatProperty *DepthBlwTransducerMetersFromLOG MEMBER m_DepthBlwTransducerMetersFromLOG)
    Q_PROPERTY(ValidatedFloatProperty *ROT MEMBER m_ROT)
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

    Q_CLASSINFO("UtcOfPosition", "type=float")
    Q_CLASSINFO("Latitude", "type=float")
    Q_CLASSINFO("NorthOrSouth", "type=string")
    Q_CLASSINFO("Longitude", "type=float")
    Q_CLASSINFO("EastOrWest", "type=string")
    Q_CLASSINFO("SpeedOverGroundKnots", "type=float")
    Q_CLASSINFO("SpeedOverGroundKmPerH", "type=float")
    Q_CLASSINFO("CourseOverGroundTrue", "type=float")
    Q_CLASSINFO("CourseOverGroundMagnetic", "type=float")
    Q_CLASSINFO("ModeIndicator_THS",
        "type=string canBeNullField=false validator=[AEMSV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("HeadingTrue_HDT_string", "type=string validator=T{1,1} fixedLength=1")
    Q_CLASSINFO("HeadingTrue_HDT", "type=float")
    Q_CLASSINFO("HeadingTrue_THS", "type=float")
    Q_CLASSINFO("LongitudinalWaterSpeed", "type=float")
    Q_CLASSINFO("TransverseWaterSpeed", "type=float")
    Q_CLASSINFO("StatusWaterSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("SternTransverseWaterSpeed", "type=float")
    Q_CLASSINFO("StatusSternWaterSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("LongitudinalGroundSpeed", "type=float")
    Q_CLASSINFO("TransverseGroundSpeed", "type=float")
    Q_CLASSINFO("StatusGroundSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("SternTransverseGroundSpeed", "type=float")
    Q_CLASSINFO("StatusSternGroundSpeed",
        "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
    Q_CLASSINFO("DepthBlwTransducerFeet", "type=float")
    Q_CLASSINFO("DepthBlwTransducerMeters", "type=float")
    Q_CLASSINFO("DepthBlwTransducerFathoms", "type=float")
    Q_CLASSINFO("OffsetFromTransducerMeters", "type=float")
    Q_CLASSINFO("MaximumRangeScale", "type=float")
    Q_CLASSINFO("DepthBlwSurfaceFeet", "type=float")
    Q_CLASSINFO("DepthBlwSurfaceMeters", "type=float")
    Q_CLASSINFO("DepthBlwSurfaceFathoms", "type=float")
    Q_CLASSINFO("DepthBlwKeelFeet", "type=float")
    Q_CLASSINFO("DepthBlwKeelMeters", "type=float")
    Q_CLASSINFO("DepthBlwKeelFathoms", "type=float")
    Q_CLASSINFO("BottomEchoStrength", "type=int")
    Q_CLASSINFO("TransducerFrequency", "type=int")
    Q_CLASSINFO("TransducerPosition", "type=string")
    Q_CLASSINFO("DepthBlwTransducerMetersFromLOG", "type=float")
    Q_CLASSINFO("ROT", "type=float")
    Q_CLASSINFO("VLW_totalCumulativeWaterDistance", "type=float")
    Q_CLASSINFO("VLW_totalCumulativeWaterDistanceString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_waterDistanceSinceReset", "type=float")
    Q_CLASSINFO("VLW_waterDistanceSinceResetString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_totalCumulativeGroundDistance", "type=float")
    Q_CLASSINFO("VLW_totalCumulativeGroundDistanceString", "type=string validator=N{1,1} fixedLength=1")
    Q_CLASSINFO("VLW_groundDistanceSinceReset", "type=float")
    Q_CLASSINFO("VLW_groundDistanceSinceResetString", "type=string validator=N{1,1} fixedLength=1")

public:
    // The process-wide object, created without parent on the first call and never deleted.
    static NmeaOutputData *instance();

    explicit NmeaOutputData(QObject *parent = nullptr);

private:
    ValidatedFloatProperty *m_UtcOfPosition = nullptr;
    ValidatedFloatProperty *m_Latitude = nullptr;
    ValidatedStringProperty *m_NorthOrSouth = nullptr;
    ValidatedFloatProperty *m_Longitude = nullptr;
    ValidatedStringProperty *m_EastOrWest = nullptr;
    ValidatedFloatProperty *m_SpeedOverGroundKnots = nullptr;
    ValidatedFloatProperty *m_SpeedOverGroundKmPerH = nullptr;
    ValidatedFloatProperty *m_CourseOverGroundTrue = nullptr;
    ValidatedFloatProperty *m_CourseOverGroundMagnetic = nullptr;
    ValidatedStringProperty *m_ModeIndicator_THS = nullptr;
    ValidatedStringProperty *m_HeadingTrue_HDT_string = nullptr;
    ValidatedFloatProperty *m_HeadingTrue_HDT = nullptr;
    ValidatedFloatProperty *m_HeadingTrue_THS = nullptr;
    ValidatedFloatProperty *m_LongitudinalWaterSpeed = nullptr;
    ValidatedFloatProperty *m_TransverseWaterSpeed = nullptr;
    ValidatedStringProperty *m_StatusWaterSpeed = nullptr;
    ValidatedFloatProperty *m_SternTransverseWaterSpeed = nullptr;
    ValidatedStringProperty *m_StatusSternWaterSpeed = nullptr;
    ValidatedFloatProperty *m_LongitudinalGroundSpeed = nullptr;
    ValidatedFloatProperty *m_TransverseGroundSpeed = nullptr;
    ValidatedStringProperty *m_StatusGroundSpeed = nullptr;
    ValidatedFloatProperty *m_SternTransverseGroundSpeed = nullptr;
    ValidatedStringProperty *m_StatusSternGroundSpeed = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerFeet = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerMeters = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerFathoms = nullptr;
    ValidatedFloatProperty *m_OffsetFromTransducerMeters = nullptr;
    ValidatedFloatProperty *m_MaximumRangeScale = nullptr;
    ValidatedFloatProperty *m_DepthBlwSurfaceFeet = nullptr;
    ValidatedFloatProperty *m_DepthBlwSurfaceMeters = nullptr;
    ValidatedFloatProperty *m_DepthBlwSurfaceFathoms = nullptr;
    ValidatedFloatProperty *m_DepthBlwKeelFeet = nullptr;
    ValidatedFloatProperty *m_DepthBlwKeelMeters = nullptr;
    ValidatedFloatProperty *m_DepthBlwKeelFathoms = nullptr;
    ValidatedIntProperty *m_BottomEchoStrength = nullptr;
    ValidatedIntProperty *m_TransducerFrequency = nullptr;
    ValidatedStringProperty *m_TransducerPosition = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerMetersFromLOG = nullptr;
    ValidatedFloatProperty *m_ROT = nullptr;
    ValidatedFloatProperty *m_VLW_totalCumulativeWaterDistance = nullptr;
    ValidatedStringProperty *m_VLW_totalCumulativeWaterDistanceString = nullptr;
    ValidatedFloatProperty *m_VLW_waterDistanceSinceReset = nullptr;
    ValidatedStringProperty *m_VLW_waterDistanceSinceResetString = nullptr;
    ValidatedFloatProperty *m_VLW_totalCumulativeGroundDistance = nullptr;
    ValidatedStringProperty *m_VLW_totalCumulativeGroundDistanceString = nullptr;
    ValidatedFloatProperty *m_VLW_groundDistanceSinceReset = nullptr;
    ValidatedStringProperty *m_VLW_groundDistanceSinceResetString = nullptr;
};

#endif // NMEAOUTPUTDATA_H
