#ifndef MARKCLASS_H
#define MARKCLASS_H

#include "data/SerializableClass.h"

#include <QDateTime>

// "MarkObject": an event mark on the echogram (the user's manual mark, an alarm, or a change of range, gain,
// TVG or power on a transducer channel), exchanged between the units as the whole text of this object, type
// "Type_Mark". The sender stamps the mark with its date and time; the receiver turns the encoded MarkData
// into a readable label and announces it with markReceived. The four texts hold the last mark sent or
// received.
class MarkClass : public SerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QString Date READ Date WRITE setDate NOTIFY DateChanged)
    Q_PROPERTY(QString Time READ Time WRITE setTime NOTIFY TimeChanged)
    Q_PROPERTY(QString Depth READ Depth WRITE setDepth NOTIFY DepthChanged)
    Q_PROPERTY(QString MarkData READ MarkData WRITE setMarkData NOTIFY MarkDataChanged)

public:
    explicit MarkClass(QObject *parent = nullptr, const QString &name = QStringLiteral("MarkObject"));

    QString Date() const { return m_Date; }
    QString Time() const { return m_Time; }
    QString Depth() const { return m_Depth; }
    QString MarkData() const { return m_MarkData; }

    void setDate(const QString &value);
    void setTime(const QString &value);
    void setDepth(const QString &value);
    void setMarkData(const QString &value);

    // Stamps Date ("dd-MM-yyyy") and Time ("hh-mm-ss") with the current local time (the received-time offsets
    // applied when known), without change signals, and emits the whole text with the destination SFIs on the
    // settings hub. Returns the text.
    QString serializeAndSend(const QStringList &destinationSfis) override;
    // Applies a received mark, decodes MarkData and emits markReceived with the moment of receipt; the result
    // is whether the text was applied completely. A mark whose data cannot be decoded is logged and dropped:
    // no markReceived, result false.
    bool deserializeAll(const QString &text) override;
    // Applies the text and decodes MarkData into its label: "AlarmMark//Alarm_Shallow" gives "Alarm Shallow",
    // anything with "ManualMark" "Manual Mark" (both channel -1), a parameter mark such as
    // "TransducerSetup2##CombinedGain//5_auto" "Gain=6 auto" on channel 1. True when the text was applied
    // completely and the mark decoded.
    bool parseMarkData(const QString &text, int *channel);

signals:
    void DateChanged(const QString &value);
    void TimeChanged(const QString &value);
    void DepthChanged(const QString &value);
    void MarkDataChanged(const QString &value);
    void markReceived(int channel, QString mark_data, QDateTime date_time, QString depth);

private:
    // Applies the text (the result) and decodes MarkData in place; *decoded tells whether it could be.
    bool applyAndDecode(const QString &text, int *channel, bool *decoded);
    // The label and channel of a received MarkData, or false when it cannot be decoded.
    static bool decodeMarkData(const QString &markData, QString *label, int *channel);

    QString m_Date;
    QString m_Time;
    QString m_Depth;
    QString m_MarkData;
};

#endif // MARKCLASS_H
