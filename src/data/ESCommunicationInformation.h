#ifndef ESCOMMUNICATIONINFORMATION_H
#define ESCOMMUNICATIONINFORMATION_H

#include "data/SerializableClass.h"

// "ComminicationInformation" (the name other units use, misspelling included): the communication
// monitor exchange between the display and the junction box, and the sentences of the display's own
// serial ports relayed through the junction box. Received texts are applied, never relayed. Every
// write stores and emits.
class ESCommunicationInformation : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int CommsInfoOn READ CommsInfoOn WRITE setCommsInfoOn NOTIFY CommsInfoOnChanged)
    Q_CLASSINFO("CommsInfoOn", "type=runtime name=CommsInfoOn")
    Q_PROPERTY(int ChannelNumber READ ChannelNumber WRITE setChannelNumber NOTIFY ChannelNumberChanged)
    Q_CLASSINFO("ChannelNumber", "type=runtime name=ChannelNumber defaultValue=0")
    Q_PROPERTY(int DataDirection READ DataDirection WRITE setDataDirection NOTIFY DataDirectionChanged)
    Q_CLASSINFO("DataDirection", "type=runtime name=DataDirection defaultValue=0")
    Q_PROPERTY(int DataFormat READ DataFormat WRITE setDataFormat NOTIFY DataFormatChanged)
    Q_CLASSINFO("DataFormat", "type=runtime name=DataFormat defaultValue=0")
    Q_PROPERTY(QString CommsData READ CommsData WRITE setCommsData NOTIFY CommsDataChanged)
    Q_CLASSINFO("CommsData", "type=runtime name=CommsData")
    Q_PROPERTY(int AuxStates READ AuxStates WRITE setAuxStates NOTIFY AuxStatesChanged)
    Q_CLASSINFO("AuxStates", "type=runtime name=AuxStates defaultValue=0")
    Q_PROPERTY(QString CuPortsIn READ CuPortsIn WRITE setCuPortsIn NOTIFY CuPortsInChanged)
    Q_CLASSINFO("CuPortsIn", "type=runtime name=CuPortsIn")
    Q_PROPERTY(QString CuPort1Out READ CuPort1Out WRITE setCuPort1Out NOTIFY CuPort1OutChanged)
    Q_CLASSINFO("CuPort1Out", "type=runtime name=CuPort1Out")
    Q_PROPERTY(QString CuPort3Out READ CuPort3Out WRITE setCuPort3Out NOTIFY CuPort3OutChanged)
    Q_CLASSINFO("CuPort3Out", "type=runtime name=CuPort3Out")

public:
    explicit ESCommunicationInformation(
        QObject *parent = nullptr, const QString &name = QStringLiteral("ComminicationInformation"));

    int CommsInfoOn() const { return m_CommsInfoOn; }
    int ChannelNumber() const { return m_ChannelNumber; }
    int DataDirection() const { return m_DataDirection; }
    int DataFormat() const { return m_DataFormat; }
    QString CommsData() const { return m_CommsData; }
    int AuxStates() const { return m_AuxStates; }
    QString CuPortsIn() const { return m_CuPortsIn; }
    QString CuPort1Out() const { return m_CuPort1Out; }
    QString CuPort3Out() const { return m_CuPort3Out; }
    // Store the pending text without a change signal, right before it is sent as a single change
    // without acknowledgement.
    void setCommsDataSilently(const QString &value) { m_CommsData = value; }
    void setCuPortsInSilently(const QString &value) { m_CuPortsIn = value; }

    void setCommsInfoOn(int value);
    void setChannelNumber(int value);
    void setDataDirection(int value);
    void setDataFormat(int value);
    void setCommsData(const QString &value);
    void setAuxStates(int value);
    void setCuPortsIn(const QString &value);
    void setCuPort1Out(const QString &value);
    void setCuPort3Out(const QString &value);

signals:
    void CommsInfoOnChanged(int value);
    void ChannelNumberChanged(int value);
    void DataDirectionChanged(int value);
    void DataFormatChanged(int value);
    void CommsDataChanged(const QString &value);
    void AuxStatesChanged(int value);
    void CuPortsInChanged(const QString &value);
    void CuPort1OutChanged(const QString &value);
    void CuPort3OutChanged(const QString &value);

private:
    int m_CommsInfoOn = 0;
    int m_ChannelNumber = 0;
    int m_DataDirection = 0;
    int m_DataFormat = 0;
    QString m_CommsData;
    int m_AuxStates = 0;
    QString m_CuPortsIn;
    QString m_CuPort1Out;
    QString m_CuPort3Out;
};

#endif // ESCOMMUNICATIONINFORMATION_H
