#ifndef ACMRECORD_H
#define ACMRECORD_H

#include <QString>

// The last alert command (ACN) received, in the fields of the sentence, with where it came from and
// whether it has been dealt with. A record that never received a command holds empty texts, identifier
// 0, instance -1 and handled true.
class AcmRecord
{
public:
    // The longest field text a received ACN can carry.
    static constexpr int maxBodyLength = 82;

    AcmRecord() = default;

    // Takes the field text of an ACN (everything after the address field, without "*" and checksum).
    // Accepted are exactly six fields that the ACN sentence class accepts: a time and a mnemonic code,
    // an identifier of 0 to 9999999, an empty instance or one of 0 to 999999, the command "A", "Q", "O"
    // or "S" and the status "C". An accepted text fills the record, empties the SFI and clears handled.
    // Anything else is logged and marks the record handled, so that no earlier command can run for it;
    // the other fields keep their values. Returns whether the text was accepted.
    bool parse(const QString &text);

    // Fills the first eight fields and clears handled.
    void set(const QString &time, const QString &manufacturerMnemonicCode, int alertIdentifier,
        int alertInstance, const QString &alertCommand, const QString &sentenceStatus, const QString &rawBody,
        const QString &sourceSfi);

    QString time() const { return m_time; }
    void setTime(const QString &time) { m_time = time; }
    QString manufacturerMnemonicCode() const { return m_manufacturerMnemonicCode; }
    void setManufacturerMnemonicCode(const QString &code) { m_manufacturerMnemonicCode = code; }
    int alertIdentifier() const { return m_alertIdentifier; }
    void setAlertIdentifier(int alertIdentifier) { m_alertIdentifier = alertIdentifier; }
    // -1 when the command names no instance.
    int alertInstance() const { return m_alertInstance; }
    void setAlertInstance(int alertInstance) { m_alertInstance = alertInstance; }
    QString alertCommand() const { return m_alertCommand; }
    void setAlertCommand(const QString &alertCommand) { m_alertCommand = alertCommand; }
    QString sentenceStatus() const { return m_sentenceStatus; }
    void setSentenceStatus(const QString &sentenceStatus) { m_sentenceStatus = sentenceStatus; }
    QString rawBody() const { return m_rawBody; }
    void setRawBody(const QString &rawBody) { m_rawBody = rawBody; }
    QString sourceSfi() const { return m_sourceSfi; }
    void setSourceSfi(const QString &sourceSfi) { m_sourceSfi = sourceSfi; }
    QString talker() const { return m_talker; }
    void setTalker(const QString &talker) { m_talker = talker; }
    bool handled() const { return m_handled; }
    void setHandled(bool handled) { m_handled = handled; }

private:
    QString m_time;
    QString m_manufacturerMnemonicCode;
    int m_alertIdentifier = 0;
    int m_alertInstance = -1;
    QString m_alertCommand;
    QString m_sentenceStatus;
    QString m_rawBody;
    QString m_sourceSfi;
    QString m_talker;
    bool m_handled = true;
};

#endif // ACMRECORD_H
