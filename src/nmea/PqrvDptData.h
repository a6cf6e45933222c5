#ifndef PQRVDPTDATA_H
#define PQRVDPTDATA_H

#include "nmea/ValidatedProperty.h"

#include <QObject>

// The proprietary depth values of one transducer channel: the fields of the proprietary DPT sentence
// (MsgPqrvDpt), under the same names and rules, so that its handler copies them by name.
class PqrvDptData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *DepthBlwTransducerMeters MEMBER m_DepthBlwTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *OffsetFromTransducerMeters MEMBER m_OffsetFromTransducerMeters)
    Q_PROPERTY(ValidatedFloatProperty *MaximumRangeScale MEMBER m_MaximumRangeScale)
    Q_PROPERTY(ValidatedIntProperty *BottomEchoStrength MEMBER m_BottomEchoStrength)
    Q_PROPERTY(ValidatedIntProperty *TransducerFrequency MEMBER m_TransducerFrequency)
    Q_PROPERTY(ValidatedStringProperty *TransducerPosition MEMBER m_TransducerPosition)
    Q_CLASSINFO("DepthBlwTransducerMeters", "type=float")
    Q_CLASSINFO("OffsetFromTransducerMeters", "type=float")
    Q_CLASSINFO("MaximumRangeScale", "type=float")
    Q_CLASSINFO("BottomEchoStrength", "type=int")
    Q_CLASSINFO("TransducerFrequency", "type=int")
    Q_CLASSINFO("TransducerPosition", "type=string")

public:
    explicit PqrvDptData(QObject *parent = nullptr);

    ValidatedFloatProperty *DepthBlwTransducerMeters() const { return m_DepthBlwTransducerMeters; }
    ValidatedFloatProperty *OffsetFromTransducerMeters() const { return m_OffsetFromTransducerMeters; }
    ValidatedFloatProperty *MaximumRangeScale() const { return m_MaximumRangeScale; }
    ValidatedIntProperty *BottomEchoStrength() const { return m_BottomEchoStrength; }
    ValidatedIntProperty *TransducerFrequency() const { return m_TransducerFrequency; }
    ValidatedStringProperty *TransducerPosition() const { return m_TransducerPosition; }

private:
    ValidatedFloatProperty *m_DepthBlwTransducerMeters = nullptr;
    ValidatedFloatProperty *m_OffsetFromTransducerMeters = nullptr;
    ValidatedFloatProperty *m_MaximumRangeScale = nullptr;
    ValidatedIntProperty *m_BottomEchoStrength = nullptr;
    ValidatedIntProperty *m_TransducerFrequency = nullptr;
    ValidatedStringProperty *m_TransducerPosition = nullptr;
};

#endif // PQRVDPTDATA_H
