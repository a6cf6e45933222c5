#ifndef SATELLITESENTENCES_H
#define SATELLITESENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

// The satellite sentences: active satellites, pseudorange error statistics and satellites in view.
// Each class declares its fields in sentence order; the message base parses and writes them from the
// class information.

class MsgGsa : public NmeaMessage
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
    explicit MsgGsa(const QString &talker);

    ValidatedStringProperty *GSA_Mode() const { return m_GSA_Mode; }
    ValidatedIntProperty *GSA_ModeNumber() const { return m_GSA_ModeNumber; }
    ValidatedIntProperty *GSA_SatelliteID_1() const { return m_GSA_SatelliteID_1; }
    ValidatedIntProperty *GSA_SatelliteID_2() const { return m_GSA_SatelliteID_2; }
    ValidatedIntProperty *GSA_SatelliteID_3() const { return m_GSA_SatelliteID_3; }
    ValidatedIntProperty *GSA_SatelliteID_4() const { return m_GSA_SatelliteID_4; }
    ValidatedIntProperty *GSA_SatelliteID_5() const { return m_GSA_SatelliteID_5; }
    ValidatedIntProperty *GSA_SatelliteID_6() const { return m_GSA_SatelliteID_6; }
    ValidatedIntProperty *GSA_SatelliteID_7() const { return m_GSA_SatelliteID_7; }
    ValidatedIntProperty *GSA_SatelliteID_8() const { return m_GSA_SatelliteID_8; }
    ValidatedIntProperty *GSA_SatelliteID_9() const { return m_GSA_SatelliteID_9; }
    ValidatedIntProperty *GSA_SatelliteID_10() const { return m_GSA_SatelliteID_10; }
    ValidatedIntProperty *GSA_SatelliteID_11() const { return m_GSA_SatelliteID_11; }
    ValidatedIntProperty *GSA_SatelliteID_12() const { return m_GSA_SatelliteID_12; }
    ValidatedFloatProperty *GSA_PDOP() const { return m_GSA_PDOP; }
    ValidatedFloatProperty *GSA_HDOP() const { return m_GSA_HDOP; }
    ValidatedFloatProperty *GSA_VDOP() const { return m_GSA_VDOP; }

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

class MsgGst : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *GST_UTCtime MEMBER m_GST_UTCtime)
    Q_PROPERTY(ValidatedFloatProperty *GST_RMS MEMBER m_GST_RMS)
    Q_PROPERTY(ValidatedFloatProperty *GST_SmajorStDeviation MEMBER m_GST_SmajorStDeviation)
    Q_PROPERTY(ValidatedFloatProperty *GST_SminorStDeviation MEMBER m_GST_SminorStDeviation)
    Q_PROPERTY(ValidatedFloatProperty *GST_SmajorOrientation MEMBER m_GST_SmajorOrientation)
    Q_PROPERTY(ValidatedFloatProperty *GST_LatitudeStDeviation MEMBER m_GST_LatitudeStDeviation)
    Q_PROPERTY(ValidatedFloatProperty *GST_LongitudeStDeviation MEMBER m_GST_LongitudeStDeviation)
    Q_PROPERTY(ValidatedFloatProperty *GST_AltitudeStDeviation MEMBER m_GST_AltitudeStDeviation)
    Q_CLASSINFO("GST_UTCtime", "type=string")
    Q_CLASSINFO("GST_RMS", "type=float")
    Q_CLASSINFO("GST_SmajorStDeviation", "type=float")
    Q_CLASSINFO("GST_SminorStDeviation", "type=float")
    Q_CLASSINFO("GST_SmajorOrientation", "type=float")
    Q_CLASSINFO("GST_LatitudeStDeviation", "type=float")
    Q_CLASSINFO("GST_LongitudeStDeviation", "type=float")
    Q_CLASSINFO("GST_AltitudeStDeviation", "type=float")
public:
    explicit MsgGst(const QString &talker);

    ValidatedStringProperty *GST_UTCtime() const { return m_GST_UTCtime; }
    ValidatedFloatProperty *GST_RMS() const { return m_GST_RMS; }
    ValidatedFloatProperty *GST_SmajorStDeviation() const { return m_GST_SmajorStDeviation; }
    ValidatedFloatProperty *GST_SminorStDeviation() const { return m_GST_SminorStDeviation; }
    ValidatedFloatProperty *GST_SmajorOrientation() const { return m_GST_SmajorOrientation; }
    ValidatedFloatProperty *GST_LatitudeStDeviation() const { return m_GST_LatitudeStDeviation; }
    ValidatedFloatProperty *GST_LongitudeStDeviation() const { return m_GST_LongitudeStDeviation; }
    ValidatedFloatProperty *GST_AltitudeStDeviation() const { return m_GST_AltitudeStDeviation; }

private:
    ValidatedStringProperty *m_GST_UTCtime = nullptr;
    ValidatedFloatProperty *m_GST_RMS = nullptr;
    ValidatedFloatProperty *m_GST_SmajorStDeviation = nullptr;
    ValidatedFloatProperty *m_GST_SminorStDeviation = nullptr;
    ValidatedFloatProperty *m_GST_SmajorOrientation = nullptr;
    ValidatedFloatProperty *m_GST_LatitudeStDeviation = nullptr;
    ValidatedFloatProperty *m_GST_LongitudeStDeviation = nullptr;
    ValidatedFloatProperty *m_GST_AltitudeStDeviation = nullptr;
};

class MsgGsv : public NmeaMessage
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
    explicit MsgGsv(const QString &talker);

    ValidatedIntProperty *GSV_TotalMessages() const { return m_GSV_TotalMessages; }
    ValidatedIntProperty *GSV_MessageNumber() const { return m_GSV_MessageNumber; }
    ValidatedIntProperty *GSV_TotalSatellites() const { return m_GSV_TotalSatellites; }
    ValidatedIntProperty *GSV_SatelliteID_1() const { return m_GSV_SatelliteID_1; }
    ValidatedIntProperty *GSV_Elevation_1() const { return m_GSV_Elevation_1; }
    ValidatedIntProperty *GSV_Azimuth_1() const { return m_GSV_Azimuth_1; }
    ValidatedIntProperty *GSV_SNR_1() const { return m_GSV_SNR_1; }
    ValidatedIntProperty *GSV_SatelliteID_2() const { return m_GSV_SatelliteID_2; }
    ValidatedIntProperty *GSV_Elevation_2() const { return m_GSV_Elevation_2; }
    ValidatedIntProperty *GSV_Azimuth_2() const { return m_GSV_Azimuth_2; }
    ValidatedIntProperty *GSV_SNR_2() const { return m_GSV_SNR_2; }
    ValidatedIntProperty *GSV_SatelliteID_3() const { return m_GSV_SatelliteID_3; }
    ValidatedIntProperty *GSV_Elevation_3() const { return m_GSV_Elevation_3; }
    ValidatedIntProperty *GSV_Azimuth_3() const { return m_GSV_Azimuth_3; }
    ValidatedIntProperty *GSV_SNR_3() const { return m_GSV_SNR_3; }
    ValidatedIntProperty *GSV_SatelliteID_4() const { return m_GSV_SatelliteID_4; }
    ValidatedIntProperty *GSV_Elevation_4() const { return m_GSV_Elevation_4; }
    ValidatedIntProperty *GSV_Azimuth_4() const { return m_GSV_Azimuth_4; }
    ValidatedIntProperty *GSV_SNR_4() const { return m_GSV_SNR_4; }
    ValidatedIntProperty *GSV_SignalID() const { return m_GSV_SignalID; }

    // The number of whole satellite blocks (0 to 4) the field text holds after the three header fields;
    // a signal identifier after the last block is not counted.
    int satelliteBlockCount() const;
    // Five values per satellite (identifier, elevation, azimuth, SNR, signal identifier). A GSV with fewer
    // than four satellites carries its signal identifier in the identifier field of the first unused
    // block; it is moved to GSV_SignalID first, and the unused blocks are made invalid.
    QList<int> satellites();

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

#endif // SATELLITESENTENCES_H
