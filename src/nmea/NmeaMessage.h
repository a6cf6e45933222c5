#ifndef NMEAMESSAGE_H
#define NMEAMESSAGE_H

#include "nmea/NmeaChecksum.h"

#include <QObject>
#include <QString>
#include <QVector>

class QValidator;
class ValidatedProperty;
struct NmeaFieldPlan;

// Base of every sentence class. One message holds one sentence: talker, formatter, its fields, the raw
// field text it was parsed from and, for a received sentence, the port and the sender's SFI.
//
// The fields of a sentence class are its Qt properties, declared in sentence order, each a pointer to a
// ValidatedIntProperty, ValidatedFloatProperty or ValidatedStringProperty. A class-information entry of
// the same name, in the same order, describes each field as blank-separated key=value items:
//     type=int|float|string  fixedLength=n  maxFieldLength=n  fixedDigitsBeforePoint=n
//     leastDecimalsReceived=n  sendDecimals=n  validator=low;high|regex  validityLimit=n
//     canBeNullField=false  defaultValue=text
// A sentence class declares its fields and calls initializeProperties(this) at the end of its
// constructor; this base parses and writes every field from that description.
class NmeaMessage : public QObject
{
    Q_OBJECT
public:
    NmeaMessage(const QString &talker, const QString &formatter, QObject *parent = nullptr);
    ~NmeaMessage() override;

    QString talker() const;
    QString formatter() const;
    QString sourcePort() const;
    void setSourcePort(const QString &port);
    QString sourceSfi() const;
    void setSourceSfi(const QString &sfi);

    // The raw field text when there is one, otherwise the fields written one by one.
    QString parameters() const;
    // Sets the raw field text, which is then written instead of the fields: a handler re-sends a stored
    // received text unchanged this way. An empty text lets the fields be written again.
    void setParameters(const QString &text);
    // Whether there is a raw field text (received, or set for sending).
    bool hasRawParameters() const;

    // Takes the field text of a received sentence (everything between the "," after the address and
    // the "*"). Returns NmeaNoError, NmeaFieldLengthError or NmeaInvalidValueError; the text is kept as
    // the raw field text also when a field fails, and the fields after the failing one keep their state.
    virtual int deserializeParamaters(const QString &text);
    // The raw field text when there is one, otherwise every field written and joined by ",".
    virtual QString serializeParameters() const;
    // "$" + talker + formatter + "," + fields + "*" + checksum + CR LF; an empty text (and a debug line)
    // when that would be longer than the framing allows (isTooLong), so that no such sentence is sent.
    QString toSentence() const;
    // Whether toSentence writes this message, i.e. its complete sentence is not too long (isTooLong).
    bool fitsInSentence() const;

    // Puts the message back into the state in which its class's constructor leaves it (talker and
    // formatter stay): no raw field text, source port or source SFI, every field with the rules, value,
    // validity and validator its description gives. The fields are not built again: a message is reused
    // this way (see NmeaMessagePool). A class that keeps state of its own beside its fields resets it
    // too.
    virtual void resetToDefaults();

    // Assigns every field of another message of the same class to the field of the same index.
    void copyFieldsFrom(const NmeaMessage *other);
    // Makes this message, of the same class as other, what NmeaMessage::create(other's talker, other's
    // formatter) followed by copyFieldsFrom(other) makes, without building anything: a kept message is
    // reused this way.
    void becomeCopyOf(const NmeaMessage *other);
    void setAllFieldsSafe(bool safe);

    // The field objects in sentence order.
    int fieldCount() const;
    ValidatedProperty *field(int index) const;
    // The field of that name, or null.
    ValidatedProperty *field(const char *name) const;

    // Builds the field object of every Qt property of object (after objectName) from the
    // class-information entry of the same name and stores it in the property. Serves sentence classes
    // and data objects alike. A wrong description is a programming error: logged and thrown.
    static void initializeProperties(QObject *object);
    // A validator for a field: QIntValidator ("int": bounds low;high), QDoubleValidator ("float") or
    // QRegularExpressionValidator ("string": the pattern), English locale, no parent; null for an empty
    // text. Throws on a text that cannot be read.
    static QValidator *createValidator(const QString &type, const QString &validatorText);
    // The field object held by a Qt property of any object, or null when the object has no such
    // property or it holds no field object.
    static ValidatedProperty *fieldOf(const QObject *object, const char *propertyName);

    // Checks the framing of one received sentence (start character, CR LF, checksum, address length,
    // length limit). The text is worked on in place: on return it has lost its start character and
    // every CR LF pair from the moment those were checked. Returns an NmeaErrorType code.
    static int checkSentence(QString &sentence);
    // Whether a complete sentence is longer than the framing allows: 82 characters, "$" and CR LF
    // included, except that a text containing "GGA," may be longer. checkSentence refuses such a text
    // with NmeaTooLongError.
    static bool isTooLong(const QString &sentence);
    // A new message of the class registered under formatter, owned by the caller: the proprietary
    // registry for the talker "PQRV" (exactly), the standard registry otherwise. Null when no class is
    // registered under that key.
    static NmeaMessage *create(const QString &talker, const QString &formatter);

private:
    // "$" + talker + formatter + "," + fields + "*" + checksum + CR LF, whatever its length.
    QString completeSentence() const;
    // Logs a field that deserializeParamaters refused and returns the error code of its status.
    int refusedField(int index, int status) const;

    QString m_rawParameters;
    QString m_talker;
    QString m_formatter;
    QString m_sourcePort;
    QString m_sourceSfi;
    // The field objects in property order, filled by initializeProperties; they are also the values
    // of the properties, and this list only spares the meta-object look-up on every sentence.
    QVector<ValidatedProperty *> m_fields;
    // How the fields of this class are built, one plan per field in m_fields' order; kept per class.
    const QVector<NmeaFieldPlan> *m_plans = nullptr;
};

#endif // NMEAMESSAGE_H
