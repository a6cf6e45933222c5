#ifndef VALIDATORS_H
#define VALIDATORS_H

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Input checks of setup values typed on the screens and of some received values.
// Plain classes: whoever creates a validator deletes it. A validator never throws and
// never changes the text it checks.
class Validator
{
public:
    explicit Validator(const QString &message = QString());
    virtual ~Validator();

    // The validator that the value of a description's "validator=" item describes: "float;min;max[;message
    // [;additional]]", "uint;min;max[;message]", "int;min;max[;message]", "regex;pattern[;message]",
    // "ip[;message]", "sfi;pattern[;taken message[;invalid message]]". The kind is found by containment,
    // case-insensitively, "uint" before "int"; numbers are read in the C locale. Null for a kind that
    // builds none and for a malformed description (wrong count of parameters, a bound that is no number).
    // An SFI validator refuses the SFIs of takenSfis (owned by the caller, read at every check; null:
    // none). The caller owns the validator.
    static Validator *fromDescription(const QString &text, const QStringList *takenSfis = nullptr);

    // Whether the text is acceptable; the base accepts every text.
    virtual bool validate(const QString &text);
    // The text to show after a refusal.
    virtual QString message() const;

    QString format() const;
    void setFormat(const QString &format);
    void setMessage(const QString &message);

protected:
    QString m_message;
    QString m_format;
};

class RegexValidator : public Validator
{
public:
    RegexValidator(const QString &pattern, const QString &message);

    bool validate(const QString &text) override;

private:
    QString m_pattern;
    // Anchored at both ends: the whole text must match.
    QRegularExpression m_regExp;
};

class IntValidator : public Validator
{
public:
    IntValidator(qint32 bottom, qint32 top, const QString &message);

    bool validate(const QString &text) override;
    QString message() const override;

    qint32 bottom() const;
    qint32 top() const;
    void setBottom(qint32 bottom);
    void setTop(qint32 top);

private:
    qint32 m_bottom;
    qint32 m_top;
};

class UintValidator : public Validator
{
public:
    UintValidator(quint32 bottom, quint32 top, const QString &message);

    bool validate(const QString &text) override;
    QString message() const override;

    quint32 bottom() const;
    quint32 top() const;
    void setBottom(quint32 bottom);
    void setTop(quint32 top);

private:
    quint32 m_bottom;
    quint32 m_top;
};

// Bounds are kept in the setting's base unit; the converted bounds, in the unit shown,
// are what typed texts are checked against.
class FloatValidator : public Validator
{
public:
    // -101.0 as additional value means "no additional value".
    static constexpr float noAdditionalValue = -101.0f;

    FloatValidator(
        float bottom, float top, const QString &message, float additionalValue = noAdditionalValue);

    bool validate(const QString &text) override;
    QString message() const override;

    float bottom() const;
    float top() const;
    void setBottom(float bottom);
    void setTop(float top);

    float convertedBottom() const;
    float convertedTop() const;
    bool hasAdditionalValue() const;
    float additionalValue() const;

    // Converts the base-unit bounds from one unit text to another ("kn", "m/s", "mi/h";
    // "m", "ft", "fm"; "NM", "Km", "Mi"). An unknown or mixed pair changes nothing.
    void convertLimits(const QString &fromUnit, const QString &toUnit);

private:
    float convert(float value) const;

    float m_bottom;
    float m_top;
    bool m_hasAdditionalValue;
    float m_additionalValue;
    float m_convertedBottom;
    float m_convertedTop;
    // The unit pair of the conversion now in force (both empty: none), so that a moved
    // bound can be converted afresh from its base value.
    QString m_fromUnit;
    QString m_toUnit;
};

class IpValidator : public Validator
{
public:
    explicit IpValidator(const QString &message);

    bool validate(const QString &text) override;

    // Whether the last validated address lies in a private range (true at construction).
    bool isInApprovedRange() const;
    QString unapprovedRangeMessage() const;

private:
    bool m_approved;
    QString m_unapprovedMessage;
};

class SfiValidator : public Validator
{
public:
    // takenSfis is owned elsewhere, must outlive the validator and is read at every check.
    SfiValidator(const QStringList *takenSfis, const QString &pattern, const QString &takenMessage,
        const QString &invalidMessage);

    bool validate(const QString &text) override;

private:
    RegexValidator m_regex;
    const QStringList *m_takenSfis;
    QString m_takenMessage;
};

#endif // VALIDATORS_H
