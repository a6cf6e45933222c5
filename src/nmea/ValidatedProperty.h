#ifndef VALIDATEDPROPERTY_H
#define VALIDATEDPROPERTY_H

#include <QObject>
#include <QString>
#include <QStringView>
#include <QVariant>

class QTimer;
class QValidator;

// One value that travels as a text field of an NMEA sentence. It knows whether it is
// valid, how its text must look, what to send while it has no valid value and how long
// a value stays valid without being refreshed. Every property of the process ages on
// one shared 1000 ms timer.
//
// Status of setFromNmeaString: 0 accepted, 1 empty and allowed, 2 invalid (empty and not
// allowed, refused by the validator, or not convertible), 3 wrong length.
class ValidatedProperty : public QObject
{
    Q_OBJECT
public:
    enum FieldStatus { FieldOk = 0, FieldEmpty = 1, FieldInvalid = 2, FieldWrongLength = 3 };

    // What a field description sets in a property: the constructor's rules and the default value.
    struct Rules
    {
        int fixedLength = 0;
        int maxFieldLength = 0;
        bool canBeNullField = true;
        int validityLimit = 10;
        int fixedDigitsBeforePoint = 0; // real numbers only, as the two after it
        int leastDecimalsReceived = 0;
        int sendDecimals = 1;
        bool hasDefault = false;
        QString defaultText; // also the fallback text when there is a default
        qint32 intDefault = 0;
        double floatDefault = 0.0;
    };

    // The property becomes the Qt parent of validator.
    ValidatedProperty(QObject *parent, QValidator *validator, int fixedLength, int maxFieldLength,
        bool canBeNullField, int validityLimit);
    ~ValidatedProperty() override;

    // Make this property a copy of another of the same kind (validity limit and fallback
    // text are kept).
    virtual void copyFrom(const ValidatedProperty *other);
    // Take over the value (only from a valid source), the safe flag and the validity.
    virtual void assign(const ValidatedProperty *other) = 0;
    // The field text as a QVariant of type QString.
    virtual QVariant toVariant() const;
    virtual int setFromVariant(const QVariant &variant);
    virtual QString toNmeaString() const = 0;
    // Reads a received field text; a QString is taken as a view of it.
    virtual int setFromNmeaString(QStringView text) = 0;

    bool isValid() const;
    // Restarts the validity count and emits valueChanged(), also when nothing changed.
    void setValid(bool valid);
    bool isSafe() const;
    void setSafe(bool safe);
    int fixedLength() const;
    void setFixedLength(int fixedLength);
    int maxFieldLength() const;
    bool canBeNullField() const;
    QString fallbackText() const;
    void setFallbackText(const QString &text);
    int validityCounter() const;
    int validityLimit() const;
    QValidator *validator() const;

    // Puts the property into the state in which a construction with these rules leaves it, followed by
    // its default value when there is one: value, validity, safe flag, count and fallback text included
    // (the validator is its owner's business). Emits nothing: an object reused instead of built anew.
    void restore(const Rules &rules);
    // Whether nothing has changed the property since restore() was last given this very Rules object (the
    // same object, not equal rules): an owner whose rules object never changes may leave out a restore
    // with it, which would change nothing.
    bool isRestoredTo(const Rules &rules) const { return m_restoredRules == &rules; }

    // The shared 1000 ms timer, or null while no property has been constructed.
    static QTimer *validityTimer();
    // Registers "ValidatedProperty *" and the three kinds' pointer names with the meta-type
    // system; safe to call more than once.
    static void registerMetaTypes();

signals:
    void valueChanged();

public slots:
    void increaseValidityCounter();

protected:
    // The kind's part of restore(): its value and its own rules.
    virtual void restoreValue(const Rules &rules) = 0;

    // copyFrom and assign of every kind, Kind being the kind of this property; a source of another kind
    // is a programming error (logged and thrown). Each kind supplies its value and copyKindRules().
    template <typename Kind> void copyFromSameKind(const ValidatedProperty *other);
    template <typename Kind> void assignFromSameKind(const ValidatedProperty *other);

    // Checks shared by all kinds: the length rules (a leading "-" not counted) and the
    // validator. Each returns FieldOk or the status the field gives.
    int checkLength(QStringView text) const;
    int checkValidator(QStringView text) const;
    // Every change of the property's state goes through this (see isRestoredTo).
    void changed() { m_restoredRules = nullptr; }

    // The validators whose verdict on a number text the kinds work out in one pass with the conversion,
    // known from the validator's class when the property is built (the validator is never replaced).
    enum ValidatorKind : signed char { NoValidator, IntRange, DoubleRange, SharedPattern, OtherValidator };
    static ValidatorKind validatorKindOf(const QValidator *validator);
    // Whether the validator reads numbers as the one-pass reading does: a locale with ASCII digits,
    // "-" and "." (English or C, default number options), as the field validators are built. Worked out
    // at the first read and again after the validator reports a change (its changed() signal).
    bool validatorReadsPlainNumbers();
    // What an invalid value is written as: empty where the field may be, else the fallback text.
    QString noValueText() const;

    // The small members fill the gaps between the larger ones, so that a property takes no more memory
    // than its values need: a message holds one per field, and writing a stored message out reads them all.
    QValidator *m_validator;
    bool m_valid;
    bool m_safe;
    ValidatorKind m_validatorKind;
    enum class PlainNumbers : signed char { Unknown, Yes, No };
    PlainNumbers m_plainNumbers = PlainNumbers::Unknown;
    int m_fixedLength;
    int m_maxFieldLength;
    bool m_canBeNullField;
    bool m_watchingValidator = false;
    QString m_fallbackText;
    int m_validityCounter;
    int m_validityLimit;
    const Rules *m_restoredRules = nullptr;
};

class ValidatedIntProperty : public ValidatedProperty
{
    Q_OBJECT
public:
    ValidatedIntProperty(QObject *parent = nullptr, QValidator *validator = nullptr, int fixedLength = 0,
        int maxFieldLength = 0, bool canBeNullField = true, int validityLimit = 10);

    void copyFrom(const ValidatedProperty *other) override;
    void assign(const ValidatedProperty *other) override;
    QString toNmeaString() const override;
    int setFromNmeaString(QStringView text) override;

    qint32 value() const;
    void setValue(qint32 value);

protected:
    void restoreValue(const Rules &rules) override;

private:
    friend class ValidatedProperty;
    // The rules copyFrom takes over besides the base's: the validator's bounds or pattern, and more.
    void copyKindRules(const ValidatedIntProperty *source);

    qint32 m_value;
};

// A real field writes its value rounded to sendDecimals. Fields with four or more fixed digits before the
// point hold degrees and minutes (ddmm.m, dddmm.m) or a time of day (hhmmss.s), whose last two digits
// before the point (and in a time the two before them) count to 59: where rounding would make them read
// 60, the carry goes into the next unit, and a time that would carry into the next day is cut to its
// decimals instead (the date is another field). A value whose text does not fit the field (more digits
// before the point than its fixed digits or fixed length allow, longer than its maximum length, or
// longer than any sentence can carry) is written as no value.
class ValidatedFloatProperty : public ValidatedProperty
{
    Q_OBJECT
public:
    ValidatedFloatProperty(QObject *parent = nullptr, QValidator *validator = nullptr, int fixedLength = 0,
        int maxFieldLength = 0, bool canBeNullField = true, int validityLimit = 10,
        int fixedDigitsBeforePoint = 0, int leastDecimalsReceived = 0, int sendDecimals = 1);

    void copyFrom(const ValidatedProperty *other) override;
    void assign(const ValidatedProperty *other) override;
    // A double or float is taken in fixed notation, as a field writes it: the variant's own text of a
    // very small or very large number has an exponent, which no field takes.
    int setFromVariant(const QVariant &variant) override;
    QString toNmeaString() const override;
    int setFromNmeaString(QStringView text) override;

    double value() const;
    void setValue(double value);
    // Stores the value only when valid is true; the safe flag follows the validity.
    void setValueAndValidity(float value, bool valid);

    int fixedDigitsBeforePoint() const;
    void setFixedDigitsBeforePoint(int digits);
    int leastDecimalsReceived() const;
    void setLeastDecimalsReceived(int decimals);
    int sendDecimals() const;
    void setSendDecimals(int decimals);

protected:
    void restoreValue(const Rules &rules) override;

private:
    // The magnitude with sendDecimals decimals, before any padding; empty when it does not fit.
    QString magnitudeText(double magnitude) const;
    friend class ValidatedProperty;
    // The rules copyFrom takes over besides the base's: the validator's bounds or pattern, and more.
    void copyKindRules(const ValidatedFloatProperty *source);

    double m_value;
    int m_fixedDigitsBeforePoint;
    int m_leastDecimalsReceived;
    int m_sendDecimals;
};

class ValidatedStringProperty : public ValidatedProperty
{
    Q_OBJECT
public:
    ValidatedStringProperty(QObject *parent = nullptr, QValidator *validator = nullptr, int fixedLength = 0,
        int maxFieldLength = 0, bool canBeNullField = true, int validityLimit = 10);

    void copyFrom(const ValidatedProperty *other) override;
    void assign(const ValidatedProperty *other) override;
    QString toNmeaString() const override;
    int setFromNmeaString(QStringView text) override;

    QString value() const;
    void setValue(const QString &value);

protected:
    void restoreValue(const Rules &rules) override;

private:
    friend class ValidatedProperty;
    // The rules copyFrom takes over besides the base's: the validator's bounds or pattern, and more.
    void copyKindRules(const ValidatedStringProperty *source);

    QString m_value;
};

// A single-precision value with its valid flag, taken from a float or an int property.
struct FloatWithValidity
{
    FloatWithValidity() = default;
    FloatWithValidity(float value, bool valid);
    explicit FloatWithValidity(const ValidatedFloatProperty *property);
    explicit FloatWithValidity(const ValidatedIntProperty *property);

    float value = 0.0f;
    bool valid = false;
};

#endif // VALIDATEDPROPERTY_H
