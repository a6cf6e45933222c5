#include "nmea/ValidatedProperty.h"

#include "nmea/SharedPatternValidator.h"

#include <QAbstractEventDispatcher>
#include <QDebug>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>
#include <QMetaType>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <cmath>
#include <limits>
#include <typeinfo>

namespace {

// One timer for every property of the process: several hundred properties tick together
// instead of each keeping a timer of its own.
QTimer *sharedValidityTimer = nullptr;

// The fallback text of a property without default value. One text shared by every property, so that
// restoring a property that has it already changes nothing.
const QString &zeroFallbackText()
{
    static const QString zero = QStringLiteral("0");
    return zero;
}

// Sets text to value; a text that is already the same shared text is left alone, which spares the
// reference counting of an assignment.
void assignShared(QString &text, const QString &value)
{
    if (!text.isSharedWith(value))
        text = value;
}

void startSharedTimerWhenPossible()
{
    // A property built before the event loop's thread has a dispatcher (during static
    // initialisation) cannot start the timer yet; the next property built later does.
    if (!sharedValidityTimer->isActive() && QAbstractEventDispatcher::instance(sharedValidityTimer->thread()))
        sharedValidityTimer->start();
}

template <typename Kind>
const Kind *sameKind(const ValidatedProperty *self, const ValidatedProperty *other, const char *operation)
{
    // Fields of one message class are copied by index: the same class, known without walking the chain
    // of class descriptions.
    if (other && other->metaObject() == self->metaObject())
        return static_cast<const Kind *>(other);
    const Kind *kind = qobject_cast<const Kind *>(other);
    if (!kind) {
        qDebug().noquote() << QStringLiteral("%1::%2 - source is not a property of the same kind")
                                  .arg(QLatin1String(self->metaObject()->className()),
                                      QLatin1String(operation));
        throw "ValidatedProperty: copy between properties of different kinds";
    }
    return kind;
}

QString signPrefix(bool negative)
{
    return negative ? QStringLiteral("-") : QString();
}

// The longest field text a sentence can carry: 82 characters less "$", the shortest address, its ","
// and "*", the checksum and CR LF.
const int maxFieldTextLength = 82 - 1 - 5 - 1 - 5;

// Fixed-point text of a non-negative whole number and a fraction in units of 10^-decimals.
QString fixedText(qint64 whole, qint64 fraction, int decimals)
{
    QString text = QString::number(whole);
    if (decimals > 0)
        text += QLatin1Char('.') + QString::number(fraction).rightJustified(decimals, QLatin1Char('0'));
    return text;
}

// The rounded text of a value in degrees and minutes (ddmm.m) or a time of day (hhmmss.s) whose rounding
// made minutes or seconds read 60: the carry goes into the next unit, and a time that would carry into
// the next day is cut to its decimals. A value whose own minutes or seconds are 60 or more is no such
// value and keeps its plain rounding; so do values beyond the exact range of the arithmetic.
QString sexagesimalText(double magnitude, int decimals, bool timeOfDay, const QString &rounded)
{
    if (decimals > 9 || magnitude >= 1e12)
        return rounded;
    const auto unitsValid
        = [timeOfDay](qint64 whole) { return whole % 100 < 60 && (!timeOfDay || whole / 100 % 100 < 60); };
    const qint64 given = static_cast<qint64>(magnitude);
    const qint64 roundedWhole = rounded.section(QLatin1Char('.'), 0, 0).toLongLong();
    if (!unitsValid(given) || unitsValid(roundedWhole))
        return rounded;

    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // The last unit with its fraction, and the whole value in that unit.
    const double lastUnit = magnitude - double(given - given % 100);
    const qint64 upper = given / 100;
    const double total = timeOfDay ? double(upper / 100 * 3600 + upper % 100 * 60) + lastUnit
                                   : double(upper * 60) + lastUnit;
    const qint64 scaled = std::llround(total * double(scale));
    if (timeOfDay) {
        const qint64 hours = scaled / (3600 * scale);
        if (hours >= 24) {
            const qint64 cut = static_cast<qint64>(std::floor(magnitude * double(scale)));
            return fixedText(cut / scale, cut % scale, decimals);
        }
        const qint64 minutes = scaled / (60 * scale) % 60;
        const qint64 seconds = scaled % (60 * scale);
        return fixedText(hours * 10000 + minutes * 100 + seconds / scale, seconds % scale, decimals);
    }
    const qint64 degrees = scaled / (60 * scale);
    const qint64 minutes = scaled % (60 * scale);
    return fixedText(degrees * 100 + minutes / scale, minutes % scale, decimals);
}

// A number field's text read in one pass. Its form is that of a number field as written: an optional "-",
// then ASCII digits with, for a real field, at most one point; at least one digit. Qt's conversions and
// validators also take blanks around the number, a "+" and exponents, which no sentence carries in a
// number field, so a text without the form is refused before either sees it.
struct NumberText
{
    bool form = false;
    bool negative = false;
    int decimals = 0; // digits after the point
    int significant = 0; // digits from the first one that is not 0 on
    quint64 mantissa = 0; // the significant digits as a whole number, while there are at most 19
};

NumberText readNumberText(QStringView text, bool real)
{
    NumberText number;
    int i = 0;
    if (!text.isEmpty() && text.at(0) == QLatin1Char('-')) {
        number.negative = true;
        i = 1;
    }
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        if (c >= '0' && c <= '9') {
            digit = true;
            if (point)
                ++number.decimals;
            if ((number.significant > 0 || c != '0') && ++number.significant <= 19)
                number.mantissa = number.mantissa * 10 + (c - '0');
        } else if (real && !point && c == '.') {
            point = true;
        } else {
            return number;
        }
    }
    number.form = digit;
    return number;
}

// The value of an integer text with the number form, as QString::toInt gives it; false where toInt
// fails (out of the range of int).
bool intValueOf(const NumberText &number, qint32 *value)
{
    const quint64 limit = number.negative ? quint64(std::numeric_limits<qint32>::max()) + 1
                                          : quint64(std::numeric_limits<qint32>::max());
    if (number.significant > 10 || number.mantissa > limit)
        return false;
    *value = qint32(number.negative ? -qint64(number.mantissa) : qint64(number.mantissa));
    return true;
}

// The value of a real text with the number form where one division gives it exactly as the toolkit's
// conversion does (the nearest double): a mantissa of at most 15 digits and a power of ten up to 10^22
// are both exact doubles, so their quotient is rounded once, correctly. False for other texts, which go
// through the toolkit's conversion.
bool exactDoubleOf(const NumberText &number, double *value)
{
    static const double powersOfTen[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12,
        1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
    if (number.significant > 15 || number.decimals > 22)
        return false;
    const double magnitude = double(number.mantissa) / powersOfTen[number.decimals];
    *value = number.negative ? -magnitude : magnitude;
    return true;
}

// Where the character c is in text from `from` on, or -1.
int indexIn(QStringView text, QChar c, int from = 0)
{
    for (int i = from; i < text.size(); ++i) {
        if (text.at(i) == c)
            return i;
    }
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------------------

template <typename Kind> void ValidatedProperty::copyFromSameKind(const ValidatedProperty *other)
{
    const Kind *source = sameKind<Kind>(this, other, "copyFrom");
    auto *self = static_cast<Kind *>(this);
    ValidatedProperty::copyFrom(source);
    self->m_value = source->m_value;
    self->copyKindRules(source);
    emit valueChanged();
}

template <typename Kind> void ValidatedProperty::assignFromSameKind(const ValidatedProperty *other)
{
    const Kind *source = sameKind<Kind>(this, other, "assign");
    if (source->m_valid)
        static_cast<Kind *>(this)->m_value = source->m_value;
    m_safe = source->m_safe;
    setValid(source->m_valid);
}

ValidatedProperty::ValidatedProperty(QObject *parent, QValidator *validator, int fixedLength,
    int maxFieldLength, bool canBeNullField, int validityLimit)
    : QObject(parent)
    , m_validator(validator)
    , m_valid(false)
    , m_safe(true)
    , m_validatorKind(validatorKindOf(validator))
    , m_fixedLength(fixedLength)
    , m_maxFieldLength(maxFieldLength)
    , m_canBeNullField(canBeNullField)
    , m_fallbackText(zeroFallbackText())
    , m_validityCounter(0)
    , m_validityLimit(validityLimit)
{
    if (m_validator)
        m_validator->setParent(this);

    if (!sharedValidityTimer) {
        registerMetaTypes();
        sharedValidityTimer = new QTimer();
        sharedValidityTimer->setInterval(1000);
    }
    startSharedTimerWhenPossible();
    connect(sharedValidityTimer, &QTimer::timeout, this, &ValidatedProperty::increaseValidityCounter);
}

ValidatedProperty::~ValidatedProperty() = default;

void ValidatedProperty::copyFrom(const ValidatedProperty *other)
{
    changed();
    m_valid = other->m_valid;
    m_safe = other->m_safe;
    m_fixedLength = other->m_fixedLength;
    m_maxFieldLength = other->m_maxFieldLength;
    m_canBeNullField = other->m_canBeNullField;
    m_validityCounter = 0;
}

QVariant ValidatedProperty::toVariant() const
{
    return QVariant(toNmeaString());
}

int ValidatedProperty::setFromVariant(const QVariant &variant)
{
    return setFromNmeaString(variant.toString());
}

bool ValidatedProperty::isValid() const
{
    return m_valid;
}

void ValidatedProperty::setValid(bool valid)
{
    changed();
    m_validityCounter = 0;
    m_valid = valid;
    emit valueChanged();
}

bool ValidatedProperty::isSafe() const
{
    return m_safe;
}

void ValidatedProperty::setSafe(bool safe)
{
    changed();
    m_safe = safe;
}

int ValidatedProperty::fixedLength() const
{
    return m_fixedLength;
}

void ValidatedProperty::setFixedLength(int fixedLength)
{
    changed();
    m_fixedLength = fixedLength;
}

int ValidatedProperty::maxFieldLength() const
{
    return m_maxFieldLength;
}

bool ValidatedProperty::canBeNullField() const
{
    return m_canBeNullField;
}

QString ValidatedProperty::fallbackText() const
{
    return m_fallbackText;
}

void ValidatedProperty::setFallbackText(const QString &text)
{
    changed();
    m_fallbackText = text;
}

int ValidatedProperty::validityCounter() const
{
    return m_validityCounter;
}

int ValidatedProperty::validityLimit() const
{
    return m_validityLimit;
}

QValidator *ValidatedProperty::validator() const
{
    return m_validator;
}

ValidatedProperty::ValidatorKind ValidatedProperty::validatorKindOf(const QValidator *validator)
{
    if (!validator)
        return NoValidator;
    // The class itself, not a subclass, which might judge otherwise.
    const std::type_info &type = typeid(*validator);
    if (type == typeid(QIntValidator))
        return IntRange;
    if (type == typeid(QDoubleValidator))
        return DoubleRange;
    if (type == typeid(SharedPatternValidator))
        return SharedPattern;
    return OtherValidator;
}

bool ValidatedProperty::validatorReadsPlainNumbers()
{
    if (m_plainNumbers == PlainNumbers::Unknown) {
        // A copy of the locale per read costs as much as reading a short number.
        if (!m_watchingValidator) {
            connect(
                m_validator, &QValidator::changed, this, [this] { m_plainNumbers = PlainNumbers::Unknown; });
            m_watchingValidator = true;
        }
        static const QLocale english(QLocale::English, QLocale::AnyCountry);
        static const QLocale c = QLocale::c();
        const QLocale locale = m_validator->locale();
        m_plainNumbers = locale == english || locale == c ? PlainNumbers::Yes : PlainNumbers::No;
    }
    return m_plainNumbers == PlainNumbers::Yes;
}

void ValidatedProperty::restore(const Rules &rules)
{
    m_fixedLength = rules.fixedLength;
    m_maxFieldLength = rules.maxFieldLength;
    m_canBeNullField = rules.canBeNullField;
    m_validityLimit = rules.validityLimit;
    m_validityCounter = 0;
    m_safe = true;
    m_valid = rules.hasDefault;
    assignShared(m_fallbackText, rules.hasDefault ? rules.defaultText : zeroFallbackText());
    restoreValue(rules);
    m_restoredRules = &rules;
}

QTimer *ValidatedProperty::validityTimer()
{
    return sharedValidityTimer;
}

void ValidatedProperty::registerMetaTypes()
{
    qRegisterMetaType<ValidatedProperty *>("ValidatedProperty *");
    qRegisterMetaType<ValidatedIntProperty *>("ValidatedIntProperty *");
    qRegisterMetaType<ValidatedFloatProperty *>("ValidatedFloatProperty *");
    qRegisterMetaType<ValidatedStringProperty *>("ValidatedStringProperty *");
}

void ValidatedProperty::increaseValidityCounter()
{
    if (m_validityLimit < 0)
        return;
    changed();
    // While the value stays invalid the counter goes on without effect; it cannot wrap in
    // any realistic uptime, but is held below the limit's range anyway.
    if (m_validityCounter < std::numeric_limits<int>::max())
        ++m_validityCounter;
    if (m_validityCounter > m_validityLimit && m_valid) {
        m_valid = false;
        m_validityCounter = 0;
        emit valueChanged();
    }
}

int ValidatedProperty::checkLength(QStringView text) const
{
    const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (m_fixedLength != 0 && text.length() != m_fixedLength + sign)
        return FieldWrongLength;
    if (m_maxFieldLength != 0 && text.length() > m_maxFieldLength + sign)
        return FieldWrongLength;
    return FieldOk;
}

QString ValidatedProperty::noValueText() const
{
    return m_canBeNullField ? QString() : m_fallbackText;
}

int ValidatedProperty::checkValidator(QStringView text) const
{
    if (!m_validator)
        return FieldOk;
    // QValidator::validate may rewrite its argument; the field text stays as received.
    QString copy = text.toString();
    int position = 0;
    return m_validator->validate(copy, position) == QValidator::Acceptable ? FieldOk : FieldInvalid;
}

// ---------------------------------------------------------------------------------------

ValidatedIntProperty::ValidatedIntProperty(QObject *parent, QValidator *validator, int fixedLength,
    int maxFieldLength, bool canBeNullField, int validityLimit)
    : ValidatedProperty(parent, validator, fixedLength, maxFieldLength, canBeNullField, validityLimit)
    , m_value(0)
{
}

void ValidatedIntProperty::copyKindRules(const ValidatedIntProperty *source)
{
    auto *mine = qobject_cast<QIntValidator *>(m_validator);
    const auto *theirs = qobject_cast<const QIntValidator *>(source->m_validator);
    if (mine && theirs)
        mine->setRange(theirs->bottom(), theirs->top());
}

void ValidatedIntProperty::copyFrom(const ValidatedProperty *other)
{
    copyFromSameKind<ValidatedIntProperty>(other);
}

void ValidatedIntProperty::assign(const ValidatedProperty *other)
{
    assignFromSameKind<ValidatedIntProperty>(other);
}

QString ValidatedIntProperty::toNmeaString() const
{
    if (!m_valid)
        return noValueText();
    if (m_fixedLength == 0)
        return QString::number(m_value);
    // Through 64 bits, so that the lowest 32-bit value has an absolute value too.
    const qint64 value = m_value;
    return signPrefix(value < 0)
        + QString::number(qAbs(value)).rightJustified(m_fixedLength, QLatin1Char('0'));
}

int ValidatedIntProperty::setFromNmeaString(QStringView text)
{
    if (text.isEmpty())
        return m_canBeNullField ? FieldEmpty : FieldInvalid;
    if (const int status = checkLength(text))
        return status;
    const NumberText number = readNumberText(text, false);
    if (!number.form)
        return FieldInvalid;
    qint32 value = 0;
    // A text out of the range of int must not become a valid value.
    const bool fits = intValueOf(number, &value);
    if (m_validatorKind == IntRange && validatorReadsPlainNumbers()) {
        // The range validator's verdict on such a text, read with the value: a value in its range, except
        // that a "-" is refused outright where the bottom is 0 or more ("-0").
        const auto *range = static_cast<const QIntValidator *>(m_validator);
        if (!fits || (number.negative && range->bottom() >= 0) || value < range->bottom()
            || value > range->top())
            return FieldInvalid;
    } else if (const int status = checkValidator(text)) {
        return status;
    }
    if (!fits)
        return FieldInvalid;
    m_value = value;
    setValid(true);
    return FieldOk;
}

void ValidatedIntProperty::restoreValue(const Rules &rules)
{
    m_value = rules.hasDefault ? rules.intDefault : 0;
}

qint32 ValidatedIntProperty::value() const
{
    return m_value;
}

void ValidatedIntProperty::setValue(qint32 value)
{
    m_value = value;
    setValid(true);
}

// ---------------------------------------------------------------------------------------

ValidatedFloatProperty::ValidatedFloatProperty(QObject *parent, QValidator *validator, int fixedLength,
    int maxFieldLength, bool canBeNullField, int validityLimit, int fixedDigitsBeforePoint,
    int leastDecimalsReceived, int sendDecimals)
    : ValidatedProperty(parent, validator, fixedLength, maxFieldLength, canBeNullField, validityLimit)
    , m_value(0.0)
    , m_fixedDigitsBeforePoint(fixedDigitsBeforePoint)
    , m_leastDecimalsReceived(leastDecimalsReceived)
    , m_sendDecimals(sendDecimals)
{
}

void ValidatedFloatProperty::copyKindRules(const ValidatedFloatProperty *source)
{
    m_fixedDigitsBeforePoint = source->m_fixedDigitsBeforePoint;
    m_leastDecimalsReceived = source->m_leastDecimalsReceived;
    m_sendDecimals = source->m_sendDecimals;
    auto *mine = qobject_cast<QDoubleValidator *>(m_validator);
    const auto *theirs = qobject_cast<const QDoubleValidator *>(source->m_validator);
    if (mine && theirs) {
        mine->setBottom(theirs->bottom());
        mine->setTop(theirs->top());
    }
}

void ValidatedFloatProperty::copyFrom(const ValidatedProperty *other)
{
    copyFromSameKind<ValidatedFloatProperty>(other);
}

void ValidatedFloatProperty::assign(const ValidatedProperty *other)
{
    assignFromSameKind<ValidatedFloatProperty>(other);
}

int ValidatedFloatProperty::setFromVariant(const QVariant &variant)
{
    const int type = variant.userType();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return setFromNmeaString(QString::number(variant.toDouble(), 'f', QLocale::FloatingPointShortest));
    return ValidatedProperty::setFromVariant(variant);
}

QString ValidatedFloatProperty::magnitudeText(double magnitude) const
{
    const int decimals = qMax(0, m_sendDecimals);
    QString text = QString::number(magnitude, 'f', decimals);
    if (m_fixedDigitsBeforePoint >= 4)
        text = sexagesimalText(magnitude, decimals, m_fixedDigitsBeforePoint >= 6, text);
    const int point = text.indexOf(QLatin1Char('.'));
    const int wholeDigits = point < 0 ? text.size() : point;
    // A fixed length only cuts decimals; digits before the point that do not fit would change the value.
    const bool fits = text.size() <= maxFieldTextLength
        && (m_fixedDigitsBeforePoint == 0 || wholeDigits <= m_fixedDigitsBeforePoint)
        && (m_fixedLength == 0 || wholeDigits <= m_fixedLength)
        && (m_maxFieldLength == 0 || text.size() <= m_maxFieldLength);
    return fits ? text : QString();
}

QString ValidatedFloatProperty::toNmeaString() const
{
    // A value that is not a finite number (set by a computation, never by a received field)
    // has no text a peer could read: it is written like an invalid value.
    if (!m_valid || !std::isfinite(m_value))
        return noValueText();

    const QString magnitude = magnitudeText(std::fabs(m_value));
    if (magnitude.isEmpty()) {
        qDebug() << "Value too large for its field, written as no value:" << m_value;
        return noValueText();
    }
    const int decimals = qMax(0, m_sendDecimals);
    const QString sign = signPrefix(m_value < 0.0);
    if (m_fixedLength != 0)
        return sign + magnitude.rightJustified(m_fixedLength, QLatin1Char('0'), true);
    if (m_fixedDigitsBeforePoint != 0) {
        // Without decimals there is no point either, so the width is the digits alone.
        const int width = decimals > 0 ? m_fixedDigitsBeforePoint + decimals + 1 : m_fixedDigitsBeforePoint;
        return sign + magnitude.rightJustified(width, QLatin1Char('0'));
    }
    return sign + magnitude;
}

int ValidatedFloatProperty::setFromNmeaString(QStringView text)
{
    if (text.isEmpty())
        return m_canBeNullField ? FieldEmpty : FieldInvalid;

    // The digit counts are those of the parts of the text split at every ".": the first part holds the
    // digits before the point (and the sign), the second the decimals.
    const int point = indexIn(text, QLatin1Char('.'));
    const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const int wholeLength = point < 0 ? text.size() : point;
    if (m_fixedDigitsBeforePoint != 0 && wholeLength != m_fixedDigitsBeforePoint + sign)
        return FieldWrongLength;
    if (m_leastDecimalsReceived != 0) {
        if (point < 0)
            return FieldWrongLength;
        const int nextPoint = indexIn(text, QLatin1Char('.'), point + 1);
        const int decimals = (nextPoint < 0 ? text.size() : nextPoint) - point - 1;
        if (decimals < m_leastDecimalsReceived)
            return FieldWrongLength;
    }

    if (const int status = checkLength(text))
        return status;
    const NumberText number = readNumberText(text, true);
    if (!number.form)
        return FieldInvalid;
    double value = 0.0;
    const bool exact = exactDoubleOf(number, &value);
    const auto *range = static_cast<const QDoubleValidator *>(m_validator);
    if (exact && m_validatorKind == DoubleRange && number.decimals <= range->decimals()
        && validatorReadsPlainNumbers()) {
        // The range validator's verdict on such a text, read with the value: a value in its range, except
        // that a "-" is refused outright where the bottom is 0 or more ("-0.0").
        if ((number.negative && range->bottom() >= 0) || !(value >= range->bottom() && value <= range->top()))
            return FieldInvalid;
    } else {
        if (const int status = checkValidator(text))
            return status;
        if (!exact) {
            bool ok = false;
            value = QLocale::c().toDouble(text, &ok);
            // Texts that are no number at all and numbers beyond the range of double are refused rather
            // than taken as a valid value.
            if (!ok || !std::isfinite(value))
                return FieldInvalid;
        }
    }
    m_value = value;
    setValid(true);
    return FieldOk;
}

void ValidatedFloatProperty::restoreValue(const Rules &rules)
{
    m_value = rules.hasDefault ? rules.floatDefault : 0.0;
    m_fixedDigitsBeforePoint = rules.fixedDigitsBeforePoint;
    m_leastDecimalsReceived = rules.leastDecimalsReceived;
    m_sendDecimals = rules.sendDecimals;
}

double ValidatedFloatProperty::value() const
{
    return m_value;
}

void ValidatedFloatProperty::setValue(double value)
{
    m_value = value;
    setValid(true);
}

void ValidatedFloatProperty::setValueAndValidity(float value, bool valid)
{
    if (valid)
        m_value = value;
    m_safe = valid;
    setValid(valid);
}

int ValidatedFloatProperty::fixedDigitsBeforePoint() const
{
    return m_fixedDigitsBeforePoint;
}

void ValidatedFloatProperty::setFixedDigitsBeforePoint(int digits)
{
    changed();
    m_fixedDigitsBeforePoint = digits;
}

int ValidatedFloatProperty::leastDecimalsReceived() const
{
    return m_leastDecimalsReceived;
}

void ValidatedFloatProperty::setLeastDecimalsReceived(int decimals)
{
    changed();
    m_leastDecimalsReceived = decimals;
}

int ValidatedFloatProperty::sendDecimals() const
{
    return m_sendDecimals;
}

void ValidatedFloatProperty::setSendDecimals(int decimals)
{
    changed();
    m_sendDecimals = decimals;
}

// ---------------------------------------------------------------------------------------

ValidatedStringProperty::ValidatedStringProperty(QObject *parent, QValidator *validator, int fixedLength,
    int maxFieldLength, bool canBeNullField, int validityLimit)
    : ValidatedProperty(parent, validator, fixedLength, maxFieldLength, canBeNullField, validityLimit)
{
}

void ValidatedStringProperty::copyKindRules(const ValidatedStringProperty *source)
{
    auto *mine = qobject_cast<QRegularExpressionValidator *>(m_validator);
    const auto *theirs = qobject_cast<const QRegularExpressionValidator *>(source->m_validator);
    if (mine && theirs)
        mine->setRegularExpression(theirs->regularExpression());
}

void ValidatedStringProperty::copyFrom(const ValidatedProperty *other)
{
    copyFromSameKind<ValidatedStringProperty>(other);
}

void ValidatedStringProperty::assign(const ValidatedProperty *other)
{
    assignFromSameKind<ValidatedStringProperty>(other);
}

QString ValidatedStringProperty::toNmeaString() const
{
    if (!m_valid)
        return noValueText();
    return m_value;
}

int ValidatedStringProperty::setFromNmeaString(QStringView text)
{
    if (text.isEmpty())
        return m_canBeNullField ? FieldEmpty : FieldInvalid;
    if (const int status = checkLength(text))
        return status;
    if (m_validatorKind == SharedPattern) {
        if (static_cast<const SharedPatternValidator *>(m_validator)->stateOf(text) != QValidator::Acceptable)
            return FieldInvalid;
    } else if (const int status = checkValidator(text)) {
        return status;
    }
    m_value = text.toString();
    setValid(true);
    return FieldOk;
}

void ValidatedStringProperty::restoreValue(const Rules &rules)
{
    if (rules.hasDefault)
        assignShared(m_value, rules.defaultText);
    else
        m_value.clear();
}

QString ValidatedStringProperty::value() const
{
    return m_value;
}

void ValidatedStringProperty::setValue(const QString &value)
{
    m_value = value;
    setValid(true);
}

// ---------------------------------------------------------------------------------------

FloatWithValidity::FloatWithValidity(float value, bool valid)
    : value(value)
    , valid(valid)
{
}

FloatWithValidity::FloatWithValidity(const ValidatedFloatProperty *property)
    : value(property ? float(property->value()) : 0.0f)
    , valid(property && property->isValid())
{
}

FloatWithValidity::FloatWithValidity(const ValidatedIntProperty *property)
    : value(property ? float(property->value()) : 0.0f)
    , valid(property && property->isValid())
{
}
