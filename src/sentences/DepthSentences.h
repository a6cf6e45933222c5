#ifndef DEPTHSENTENCES_H
#define DEPTHSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

#include <QList>
#include <QStringList>

// The standard depth sentences, the transducer measurements and the runtime-value sentence DAT.
// Each class declares its fields in sentence order; the message base parses and writes them from the
// class information.

class MsgDbt : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerFeet MEMBER m_DepthBlwTransducerFeet)
    Q_PROPERTY(ValidatedStringProperty *Feet MEMBER m_Feet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerMeters MEMBER m_DepthBlwTransducerMeters)
    Q_PROPERTY(ValidatedStringProperty *Meters MEMBER m_Meters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerFathoms MEMBER m_DepthBlwTransducerFathoms)
    Q_PROPERTY(ValidatedStringProperty *Fathoms MEMBER m_Fathoms)
    Q_CLASSINFO("DepthBlwTransducerFeet", "type=float")
    Q_CLASSINFO("Feet", "type=string validator=f{1,1} fixedLength=1 defaultValue=f")
    Q_CLASSINFO("DepthBlwTransducerMeters", "type=float")
    Q_CLASSINFO("Meters", "type=string validator=M{1,1} fixedLength=1 defaultValue=M")
    Q_CLASSINFO("DepthBlwTransducerFathoms", "type=float")
    Q_CLASSINFO("Fathoms", "type=string validator=F{1,1} fixedLength=1 defaultValue=F")
public:
    explicit MsgDbt(const QString &talker);

    ValidatedFloatProperty *DepthBlwTransducerFeet() const { return m_DepthBlwTransducerFeet; }
    ValidatedStringProperty *Feet() const { return m_Feet; }
    ValidatedFloatProperty *DepthBlwTransducerMeters() const { return m_DepthBlwTransducerMeters; }
    ValidatedStringProperty *Meters() const { return m_Meters; }
    ValidatedFloatProperty *DepthBlwTransducerFathoms() const { return m_DepthBlwTransducerFathoms; }
    ValidatedStringProperty *Fathoms() const { return m_Fathoms; }

private:
    ValidatedFloatProperty *m_DepthBlwTransducerFeet = nullptr;
    ValidatedStringProperty *m_Feet = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerMeters = nullptr;
    ValidatedStringProperty *m_Meters = nullptr;
    ValidatedFloatProperty *m_DepthBlwTransducerFathoms = nullptr;
    ValidatedStringProperty *m_Fathoms = nullptr;
};

class MsgDbs : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceFeet MEMBER m_DepthBlwSurfaceFeet)
    Q_PROPERTY(ValidatedStringProperty *Feet MEMBER m_Feet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceMeters MEMBER m_DepthBlwSurfaceMeters)
    Q_PROPERTY(ValidatedStringProperty *Meters MEMBER m_Meters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwSurfaceFathoms MEMBER m_DepthBlwSurfaceFathoms)
    Q_PROPERTY(ValidatedStringProperty *Fathoms MEMBER m_Fathoms)
    Q_CLASSINFO("DepthBlwSurfaceFeet", "type=float")
    Q_CLASSINFO("Feet", "type=string validator=f{1,1} fixedLength=1 defaultValue=f")
    Q_CLASSINFO("DepthBlwSurfaceMeters", "type=float")
    Q_CLASSINFO("Meters", "type=string validator=M{1,1} fixedLength=1 defaultValue=M")
    Q_CLASSINFO("DepthBlwSurfaceFathoms", "type=float")
    Q_CLASSINFO("Fathoms", "type=string validator=F{1,1} fixedLength=1 defaultValue=F")
public:
    explicit MsgDbs(const QString &talker);

    ValidatedFloatProperty *DepthBlwSurfaceFeet() const { return m_DepthBlwSurfaceFeet; }
    ValidatedStringProperty *Feet() const { return m_Feet; }
    ValidatedFloatProperty *DepthBlwSurfaceMeters() const { return m_DepthBlwSurfaceMeters; }
    ValidatedStringProperty *Meters() const { return m_Meters; }
    ValidatedFloatProperty *DepthBlwSurfaceFathoms() const { return m_DepthBlwSurfaceFathoms; }
    ValidatedStringProperty *Fathoms() const { return m_Fathoms; }

private:
    ValidatedFloatProperty *m_DepthBlwSurfaceFeet = nullptr;
    ValidatedStringProperty *m_Feet = nullptr;
    ValidatedFloatProperty *m_DepthBlwSurfaceMeters = nullptr;
    ValidatedStringProperty *m_Meters = nullptr;
    ValidatedFloatProperty *m_DepthBlwSurfaceFathoms = nullptr;
    ValidatedStringProperty *m_Fathoms = nullptr;
};

class MsgDbk : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelFeet MEMBER m_DepthBlwKeelFeet)
    Q_PROPERTY(ValidatedStringProperty *Feet MEMBER m_Feet)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelMeters MEMBER m_DepthBlwKeelMeters)
    Q_PROPERTY(ValidatedStringProperty *Meters MEMBER m_Meters)
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwKeelFathoms MEMBER m_DepthBlwKeelFathoms)
    Q_PROPERTY(ValidatedStringProperty *Fathoms MEMBER m_Fathoms)
    Q_CLASSINFO("DepthBlwKeelFeet", "type=float")
    Q_CLASSINFO("Feet", "type=string validator=f{1,1} fixedLength=1 defaultValue=f")
    Q_CLASSINFO("DepthBlwKeelMeters", "type=float")
    Q_CLASSINFO("Meters", "type=string validator=M{1,1} fixedLength=1 defaultValue=M")
    Q_CLASSINFO("DepthBlwKeelFathoms", "type=float")
    Q_CLASSINFO("Fathoms", "type=string validator=F{1,1} fixedLength=1 defaultValue=F")
public:
    explicit MsgDbk(const QString &talker);

    ValidatedFloatProperty *DepthBlwKeelFeet() const { return m_DepthBlwKeelFeet; }
    ValidatedStringProperty *Feet() const { return m_Feet; }
    ValidatedFloatProperty *DepthBlwKeelMeters() const { return m_DepthBlwKeelMeters; }
    ValidatedStringProperty *Meters() const { return m_Meters; }
    ValidatedFloatProperty *DepthBlwKeelFathoms() const { return m_DepthBlwKeelFathoms; }
    ValidatedStringProperty *Fathoms() const { return m_Fathoms; }

private:
    ValidatedFloatProperty *m_DepthBlwKeelFeet = nullptr;
    ValidatedStringProperty *m_Feet = nullptr;
    ValidatedFloatProperty *m_DepthBlwKeelMeters = nullptr;
    ValidatedStringProperty *m_Meters = nullptr;
    ValidatedFloatProperty *m_DepthBlwKeelFathoms = nullptr;
    ValidatedStringProperty *m_Fathoms = nullptr;
};

class MsgDpt : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerMeters MEMBER m_DepthBlwTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *OffsetFromTransducerMeters MEMBER m_OffsetFromTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *MaximumRangeScale MEMBER m_MaximumRangeScale)
    Q_CLASSINFO("DepthBlwTransducerMeters", "type=float")
    Q_CLASSINFO("OffsetFromTransducerMeters", "type=float")
    Q_CLASSINFO("MaximumRangeScale", "type=float sendDecimals=0")
public:
    explicit MsgDpt(const QString &talker);

    ValidatedFloatProperty *DepthBlwTransducerMeters() const { return m_DepthBlwTransducerMeters; }
    ValidatedFloatProperty *OffsetFromTransducerMeters() const { return m_OffsetFromTransducerMeters; }
    ValidatedFloatProperty *MaximumRangeScale() const { return m_MaximumRangeScale; }

private:
    ValidatedFloatProperty *m_DepthBlwTransducerMeters = nullptr;
    ValidatedFloatProperty *m_OffsetFromTransducerMeters = nullptr;
    ValidatedFloatProperty *m_MaximumRangeScale = nullptr;
};

class MsgDat : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthSurface MEMBER m_DepthSurface)
    Q_PROPERTY(ValidatedFloatProperty *DepthKeel MEMBER m_DepthKeel)
    Q_PROPERTY(ValidatedFloatProperty *DepthTransducer MEMBER m_DepthTransducer)
    Q_PROPERTY(ValidatedFloatProperty *SpeedGPS MEMBER m_SpeedGPS)
    Q_PROPERTY(ValidatedFloatProperty *SpeedSOGLog MEMBER m_SpeedSOGLog)
    Q_PROPERTY(ValidatedFloatProperty *SpeedSTWLog MEMBER m_SpeedSTWLog)
    Q_PROPERTY(ValidatedFloatProperty *Heading MEMBER m_Heading)
    Q_PROPERTY(ValidatedFloatProperty *ROT MEMBER m_ROT)
    Q_PROPERTY(ValidatedFloatProperty *LOGDepth MEMBER m_LOGDepth)
    Q_CLASSINFO("DepthSurface", "type=float")
    Q_CLASSINFO("DepthKeel", "type=float")
    Q_CLASSINFO("DepthTransducer", "type=float")
    Q_CLASSINFO("SpeedGPS", "type=float")
    Q_CLASSINFO("SpeedSOGLog", "type=float")
    Q_CLASSINFO("SpeedSTWLog", "type=float")
    Q_CLASSINFO("Heading", "type=float")
    Q_CLASSINFO("ROT", "type=float")
    Q_CLASSINFO("LOGDepth", "type=float")
public:
    explicit MsgDat(const QString &talker);

    ValidatedFloatProperty *DepthSurface() const { return m_DepthSurface; }
    ValidatedFloatProperty *DepthKeel() const { return m_DepthKeel; }
    ValidatedFloatProperty *DepthTransducer() const { return m_DepthTransducer; }
    ValidatedFloatProperty *SpeedGPS() const { return m_SpeedGPS; }
    ValidatedFloatProperty *SpeedSOGLog() const { return m_SpeedSOGLog; }
    ValidatedFloatProperty *SpeedSTWLog() const { return m_SpeedSTWLog; }
    ValidatedFloatProperty *Heading() const { return m_Heading; }
    ValidatedFloatProperty *ROT() const { return m_ROT; }
    ValidatedFloatProperty *LOGDepth() const { return m_LOGDepth; }

private:
    ValidatedFloatProperty *m_DepthSurface = nullptr;
    ValidatedFloatProperty *m_DepthKeel = nullptr;
    ValidatedFloatProperty *m_DepthTransducer = nullptr;
    ValidatedFloatProperty *m_SpeedGPS = nullptr;
    ValidatedFloatProperty *m_SpeedSOGLog = nullptr;
    ValidatedFloatProperty *m_SpeedSTWLog = nullptr;
    ValidatedFloatProperty *m_Heading = nullptr;
    ValidatedFloatProperty *m_ROT = nullptr;
    ValidatedFloatProperty *m_LOGDepth = nullptr;
};

// XDR, transducer measurements. The sentence carries any number of measurements of four fields each (type,
// value, unit, name); the class keeps the depth measurements it accepts in four parallel lists instead of
// field properties, and its own parser fills them. It has no fields to write, so it is always written with
// an empty field text.
class MsgXdr : public NmeaMessage
{
    Q_OBJECT
public:
    explicit MsgXdr(const QString &talker);

    // Walks the text in groups of four fields and keeps the groups of type "D" with a finite non-negative
    // value in "M" and a name; every other group, and a trailing incomplete one, is skipped. Never fails, and
    // does not keep the text.
    int deserializeParamaters(const QString &text) override;
    // Also empties the lists.
    void resetToDefaults() override;

    QStringList types() const { return m_types; }
    QList<float> values() const { return m_values; }
    QStringList units() const { return m_units; }
    QStringList names() const { return m_names; }

private:
    QStringList m_types;
    QList<float> m_values;
    QStringList m_units;
    QStringList m_names;
};

#endif // DEPTHSENTENCES_H
