#ifndef PQRVSENTENCES_H
#define PQRVSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

#include <QList>
#include <QStringList>

// The proprietary "PQRV" sentences of the display-to-junction-box protocol.
// Each class declares its fields in sentence order; the message base parses and writes them from the
// class information.

class MsgPqrvPair : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *SourceSfi MEMBER m_SourceSfi)
    Q_PROPERTY(ValidatedStringProperty *DestinationSfi MEMBER m_DestinationSfi)
    Q_PROPERTY(ValidatedStringProperty *PairDevices MEMBER m_PairDevices)
    Q_CLASSINFO("SourceSfi", "type=string")
    Q_CLASSINFO("DestinationSfi", "type=string")
    Q_CLASSINFO("PairDevices", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVPAIR".
    explicit MsgPqrvPair(const QString &talker);

    ValidatedStringProperty *SourceSfi() const { return m_SourceSfi; }
    ValidatedStringProperty *DestinationSfi() const { return m_DestinationSfi; }
    ValidatedStringProperty *PairDevices() const { return m_PairDevices; }

private:
    ValidatedStringProperty *m_SourceSfi = nullptr;
    ValidatedStringProperty *m_DestinationSfi = nullptr;
    ValidatedStringProperty *m_PairDevices = nullptr;
};

class MsgPqrvSfiAck : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *SourceSfi MEMBER m_SourceSfi)
    Q_PROPERTY(ValidatedStringProperty *DestinationSfi MEMBER m_DestinationSfi)
    Q_PROPERTY(ValidatedStringProperty *MessageTypeToAck MEMBER m_MessageTypeToAck)
    Q_PROPERTY(ValidatedStringProperty *OptionalDescription MEMBER m_OptionalDescription)
    Q_CLASSINFO("SourceSfi", "type=string")
    Q_CLASSINFO("DestinationSfi", "type=string")
    Q_CLASSINFO("MessageTypeToAck", "type=string")
    Q_CLASSINFO("OptionalDescription", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSFIACK".
    explicit MsgPqrvSfiAck(const QString &talker);

    ValidatedStringProperty *SourceSfi() const { return m_SourceSfi; }
    ValidatedStringProperty *DestinationSfi() const { return m_DestinationSfi; }
    ValidatedStringProperty *MessageTypeToAck() const { return m_MessageTypeToAck; }
    ValidatedStringProperty *OptionalDescription() const { return m_OptionalDescription; }

private:
    ValidatedStringProperty *m_SourceSfi = nullptr;
    ValidatedStringProperty *m_DestinationSfi = nullptr;
    ValidatedStringProperty *m_MessageTypeToAck = nullptr;
    ValidatedStringProperty *m_OptionalDescription = nullptr;
};

class MsgPqrvSfiChange : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *NewSfi MEMBER m_NewSfi)
    Q_PROPERTY(ValidatedStringProperty *OldSfi MEMBER m_OldSfi)
    Q_CLASSINFO("NewSfi", "type=string")
    Q_CLASSINFO("OldSfi", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSFICHANGE".
    explicit MsgPqrvSfiChange(const QString &talker);

    ValidatedStringProperty *NewSfi() const { return m_NewSfi; }
    ValidatedStringProperty *OldSfi() const { return m_OldSfi; }

private:
    ValidatedStringProperty *m_NewSfi = nullptr;
    ValidatedStringProperty *m_OldSfi = nullptr;
};

class MsgPqrvDevStart : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *LocalSfi MEMBER m_LocalSfi)
    Q_CLASSINFO("LocalSfi", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVDEVSTART".
    explicit MsgPqrvDevStart(const QString &talker);

    ValidatedStringProperty *LocalSfi() const { return m_LocalSfi; }

private:
    ValidatedStringProperty *m_LocalSfi = nullptr;
};

class MsgPqrvSfiChk : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *NewSfi MEMBER m_NewSfi)
    Q_PROPERTY(ValidatedStringProperty *OldSfi MEMBER m_OldSfi)
    Q_PROPERTY(ValidatedStringProperty *Confirmation MEMBER m_Confirmation)
    Q_CLASSINFO("NewSfi", "type=string")
    Q_CLASSINFO("OldSfi", "type=string")
    Q_CLASSINFO("Confirmation", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSFICHK".
    explicit MsgPqrvSfiChk(const QString &talker);

    ValidatedStringProperty *NewSfi() const { return m_NewSfi; }
    ValidatedStringProperty *OldSfi() const { return m_OldSfi; }
    ValidatedStringProperty *Confirmation() const { return m_Confirmation; }

private:
    ValidatedStringProperty *m_NewSfi = nullptr;
    ValidatedStringProperty *m_OldSfi = nullptr;
    ValidatedStringProperty *m_Confirmation = nullptr;
};

class MsgPqrvSfiTkn : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *SourceSfi MEMBER m_SourceSfi)
    Q_PROPERTY(ValidatedStringProperty *SfiTaken MEMBER m_SfiTaken)
    Q_CLASSINFO("SourceSfi", "type=string")
    Q_CLASSINFO("SfiTaken", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSFITKN".
    explicit MsgPqrvSfiTkn(const QString &talker);

    ValidatedStringProperty *SourceSfi() const { return m_SourceSfi; }
    ValidatedStringProperty *SfiTaken() const { return m_SfiTaken; }

private:
    ValidatedStringProperty *m_SourceSfi = nullptr;
    ValidatedStringProperty *m_SfiTaken = nullptr;
};

class MsgPqrvGcf : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *DummyParameter MEMBER m_DummyParameter)
    Q_CLASSINFO("DummyParameter", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVGCF".
    explicit MsgPqrvGcf(const QString &talker);

    ValidatedStringProperty *DummyParameter() const { return m_DummyParameter; }

private:
    ValidatedStringProperty *m_DummyParameter = nullptr;
};

class MsgPqrvCfgr : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *MessagePartIndex MEMBER m_MessagePartIndex)
    Q_PROPERTY(ValidatedStringProperty *Param1 MEMBER m_Param1)
    Q_PROPERTY(ValidatedStringProperty *Param2 MEMBER m_Param2)
    Q_PROPERTY(ValidatedStringProperty *Param3 MEMBER m_Param3)
    Q_PROPERTY(ValidatedStringProperty *Param4 MEMBER m_Param4)
    Q_PROPERTY(ValidatedStringProperty *Param5 MEMBER m_Param5)
    Q_PROPERTY(ValidatedStringProperty *Param6 MEMBER m_Param6)
    Q_PROPERTY(ValidatedStringProperty *Param7 MEMBER m_Param7)
    Q_PROPERTY(ValidatedStringProperty *Param8 MEMBER m_Param8)
    Q_CLASSINFO("MessagePartIndex", "type=int")
    Q_CLASSINFO("Param1", "type=string")
    Q_CLASSINFO("Param2", "type=string")
    Q_CLASSINFO("Param3", "type=string")
    Q_CLASSINFO("Param4", "type=string")
    Q_CLASSINFO("Param5", "type=string")
    Q_CLASSINFO("Param6", "type=string")
    Q_CLASSINFO("Param7", "type=string")
    Q_CLASSINFO("Param8", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVCFGR".
    explicit MsgPqrvCfgr(const QString &talker);

    ValidatedIntProperty *MessagePartIndex() const { return m_MessagePartIndex; }
    ValidatedStringProperty *Param1() const { return m_Param1; }
    ValidatedStringProperty *Param2() const { return m_Param2; }
    ValidatedStringProperty *Param3() const { return m_Param3; }
    ValidatedStringProperty *Param4() const { return m_Param4; }
    ValidatedStringProperty *Param5() const { return m_Param5; }
    ValidatedStringProperty *Param6() const { return m_Param6; }
    ValidatedStringProperty *Param7() const { return m_Param7; }
    ValidatedStringProperty *Param8() const { return m_Param8; }

private:
    ValidatedIntProperty *m_MessagePartIndex = nullptr;
    ValidatedStringProperty *m_Param1 = nullptr;
    ValidatedStringProperty *m_Param2 = nullptr;
    ValidatedStringProperty *m_Param3 = nullptr;
    ValidatedStringProperty *m_Param4 = nullptr;
    ValidatedStringProperty *m_Param5 = nullptr;
    ValidatedStringProperty *m_Param6 = nullptr;
    ValidatedStringProperty *m_Param7 = nullptr;
    ValidatedStringProperty *m_Param8 = nullptr;
};

class MsgPqrvScf : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *SystemName MEMBER m_SystemName)
    Q_PROPERTY(ValidatedStringProperty *IP1 MEMBER m_IP1)
    Q_PROPERTY(ValidatedStringProperty *IP2 MEMBER m_IP2)
    Q_PROPERTY(ValidatedStringProperty *IP3 MEMBER m_IP3)
    Q_PROPERTY(ValidatedStringProperty *IP4 MEMBER m_IP4)
    Q_PROPERTY(ValidatedStringProperty *LocalSfi MEMBER m_LocalSfi)
    Q_PROPERTY(ValidatedStringProperty *PairedSfi MEMBER m_PairedSfi)
    Q_PROPERTY(ValidatedIntProperty *Group MEMBER m_Group)
    Q_CLASSINFO("SystemName", "type=string")
    Q_CLASSINFO("IP1", "type=string")
    Q_CLASSINFO("IP2", "type=string")
    Q_CLASSINFO("IP3", "type=string")
    Q_CLASSINFO("IP4", "type=string")
    Q_CLASSINFO("LocalSfi", "type=string")
    Q_CLASSINFO("PairedSfi", "type=string")
    Q_CLASSINFO("Group", "type=int validator=1;8")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSCF".
    explicit MsgPqrvScf(const QString &talker);

    ValidatedStringProperty *SystemName() const { return m_SystemName; }
    ValidatedStringProperty *IP1() const { return m_IP1; }
    ValidatedStringProperty *IP2() const { return m_IP2; }
    ValidatedStringProperty *IP3() const { return m_IP3; }
    ValidatedStringProperty *IP4() const { return m_IP4; }
    ValidatedStringProperty *LocalSfi() const { return m_LocalSfi; }
    ValidatedStringProperty *PairedSfi() const { return m_PairedSfi; }
    ValidatedIntProperty *Group() const { return m_Group; }

private:
    ValidatedStringProperty *m_SystemName = nullptr;
    ValidatedStringProperty *m_IP1 = nullptr;
    ValidatedStringProperty *m_IP2 = nullptr;
    ValidatedStringProperty *m_IP3 = nullptr;
    ValidatedStringProperty *m_IP4 = nullptr;
    ValidatedStringProperty *m_LocalSfi = nullptr;
    ValidatedStringProperty *m_PairedSfi = nullptr;
    ValidatedIntProperty *m_Group = nullptr;
};

class MsgPqrvMaca : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *MacAddress MEMBER m_MacAddress)
    Q_CLASSINFO("MacAddress", "type=string validator=([0-9A-F]{2}[:-]){5}([0-9A-F]{2}) canBeNullField=false")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVMACA".
    explicit MsgPqrvMaca(const QString &talker);

    ValidatedStringProperty *MacAddress() const { return m_MacAddress; }

private:
    ValidatedStringProperty *m_MacAddress = nullptr;
};

class MsgPqrvVmpcgter : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Command MEMBER m_Command)
    Q_CLASSINFO("Command", "type=int")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVVMPCGTER".
    explicit MsgPqrvVmpcgter(const QString &talker);

    ValidatedIntProperty *Command() const { return m_Command; }

private:
    ValidatedIntProperty *m_Command = nullptr;
};

class MsgPqrvErrorcode : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *ErrorId MEMBER m_ErrorId)
    Q_PROPERTY(ValidatedIntProperty *ErrorCount MEMBER m_ErrorCount)
    Q_CLASSINFO("ErrorId", "type=int")
    Q_CLASSINFO("ErrorCount", "type=int")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVERRORCODE".
    explicit MsgPqrvErrorcode(const QString &talker);

    ValidatedIntProperty *ErrorId() const { return m_ErrorId; }
    ValidatedIntProperty *ErrorCount() const { return m_ErrorCount; }

private:
    ValidatedIntProperty *m_ErrorId = nullptr;
    ValidatedIntProperty *m_ErrorCount = nullptr;
};

// ERRORTABLE: error codes and their counts, written as all the codes and then all the counts. The values
// are lists, not field properties; an entry of -1 is written as an empty field.
class MsgPqrvErrortable : public NmeaMessage
{
    Q_OBJECT
public:
    // For the message factory: both lists empty. The talker is ignored.
    explicit MsgPqrvErrortable(const QString &talker = QString());
    MsgPqrvErrortable(const QList<int> &codes, const QList<int> &counts);

    // The received field text when there is one (a received table is passed on as it came), otherwise
    // the codes and then the counts, joined by ",".
    QString serializeParameters() const override;
    // Also empties the lists, as the factory makes the message.
    void resetToDefaults() override;

    QList<int> codeList() const { return m_codeList; }
    QList<int> countList() const { return m_countList; }

private:
    QList<int> m_codeList;
    QList<int> m_countList;
};

class MsgPqrvSlp : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *TargetSfi MEMBER m_TargetSfi)
    Q_PROPERTY(ValidatedIntProperty *SetToSleep MEMBER m_SetToSleep)
    Q_CLASSINFO("TargetSfi", "type=string")
    Q_CLASSINFO("SetToSleep", "type=int validator=0;1")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVSLP".
    explicit MsgPqrvSlp(const QString &talker);

    ValidatedStringProperty *TargetSfi() const { return m_TargetSfi; }
    ValidatedIntProperty *SetToSleep() const { return m_SetToSleep; }

private:
    ValidatedStringProperty *m_TargetSfi = nullptr;
    ValidatedIntProperty *m_SetToSleep = nullptr;
};

class MsgPqrvIcm : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *MessageVersion MEMBER m_MessageVersion)
    Q_PROPERTY(ValidatedIntProperty *CommandId MEMBER m_CommandId)
    Q_PROPERTY(ValidatedStringProperty *Parameters MEMBER m_Parameters)
    Q_CLASSINFO("MessageVersion", "type=int")
    Q_CLASSINFO("CommandId", "type=int")
    Q_CLASSINFO("Parameters", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVICM".
    explicit MsgPqrvIcm(const QString &talker);

    ValidatedIntProperty *MessageVersion() const { return m_MessageVersion; }
    ValidatedIntProperty *CommandId() const { return m_CommandId; }
    ValidatedStringProperty *Parameters() const { return m_Parameters; }

private:
    ValidatedIntProperty *m_MessageVersion = nullptr;
    ValidatedIntProperty *m_CommandId = nullptr;
    ValidatedStringProperty *m_Parameters = nullptr;
};

class MsgPqrvReboot : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *SourceSfi MEMBER m_SourceSfi)
    Q_PROPERTY(ValidatedStringProperty *Description MEMBER m_Description)
    Q_CLASSINFO("SourceSfi", "type=string")
    Q_CLASSINFO("Description", "type=string")
public:
    // The talker is ignored: a proprietary sentence always has the address "PQRVREBOOT".
    explicit MsgPqrvReboot(const QString &talker);

    ValidatedStringProperty *SourceSfi() const { return m_SourceSfi; }
    ValidatedStringProperty *Description() const { return m_Description; }

private:
    ValidatedStringProperty *m_SourceSfi = nullptr;
    ValidatedStringProperty *m_Description = nullptr;
};

// Proprietary per-channel depth. Registered under "DPT" in the proprietary registry, beside the
// standard MsgDpt.
class MsgPqrvDpt : public NmeaMessage
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
    // The talker is ignored: a proprietary sentence always has the address "PQRVDPT".
    explicit MsgPqrvDpt(const QString &talker);

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

#endif // PQRVSENTENCES_H
