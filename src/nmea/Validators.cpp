#include "nmea/Validators.h"

#include "common/ESUnitConverter.h"
#include "common/TextChecks.h"

#include <QLocale>

#include <cmath>

namespace {

// The unit texts of the limit conversion, in the order of the unit enumerations. The
// distance texts are those of the unit-scale settings ("Km", "Mi"), so they are mapped to
// the converter's enumerations here rather than passed to it as texts.
enum class Quantity { None, Speed, Depth, Distance };

const char *const speedTexts[] = { "kn", "m/s", "mi/h" };
const char *const depthTexts[] = { "m", "ft", "fm" };
const char *const distanceTexts[] = { "NM", "Km", "Mi" };

struct ConversionUnit
{
    Quantity quantity = Quantity::None;
    int index = -1;
};

ConversionUnit conversionUnitOf(const QString &text)
{
    const struct
    {
        Quantity quantity;
        const char *const *texts;
    } tables[] = { { Quantity::Speed, speedTexts }, { Quantity::Depth, depthTexts },
        { Quantity::Distance, distanceTexts } };
    for (const auto &table : tables) {
        for (int i = 0; i < 3; ++i) {
            if (text == QLatin1String(table.texts[i]))
                return { table.quantity, i };
        }
    }
    return {};
}

// Whether the pair is one the limit table converts: two known units of one quantity.
bool isConvertiblePair(const QString &from, const QString &to)
{
    const ConversionUnit fromUnit = conversionUnitOf(from);
    const ConversionUnit toUnit = conversionUnitOf(to);
    return fromUnit.quantity != Quantity::None && fromUnit.quantity == toUnit.quantity;
}

float convertUnits(float value, const QString &from, const QString &to)
{
    const ConversionUnit fromUnit = conversionUnitOf(from);
    const ConversionUnit toUnit = conversionUnitOf(to);
    if (fromUnit.quantity == Quantity::None || fromUnit.quantity != toUnit.quantity)
        return value;
    switch (fromUnit.quantity) {
    case Quantity::Speed:
        return ESUnitConverter::convertSpeed(
            value, enum_ScalesSpeed(fromUnit.index), enum_ScalesSpeed(toUnit.index));
    case Quantity::Depth:
        return ESUnitConverter::convertDepth(
            value, enum_ScalesDepth(fromUnit.index), enum_ScalesDepth(toUnit.index));
    case Quantity::Distance:
        return ESUnitConverter::convertDistance(
            value, enum_ScalesDistance(fromUnit.index), enum_ScalesDistance(toUnit.index));
    case Quantity::None:
        break;
    }
    return value;
}

// A bound shown to the user: truncated toward zero, in base 10.
QString wholeNumberText(float value)
{
    if (!std::isfinite(value))
        return QString::number(double(value));
    const double whole = std::trunc(double(value));
    if (whole == 0.0)
        return QStringLiteral("0");
    return QString::number(whole, 'f', 0);
}

QString fillBounds(const QString &message, const QString &bottom, const QString &top)
{
    QString text = message;
    text.replace(QLatin1String("%1"), bottom);
    text.replace(QLatin1String("%2"), top);
    return text;
}

} // namespace

// ---------------------------------------------------------------------------------------

Validator::Validator(const QString &message)
    : m_message(message)
{
}

Validator::~Validator() = default;

bool Validator::validate(const QString &)
{
    return true;
}

QString Validator::message() const
{
    return m_message;
}

QString Validator::format() const
{
    return m_format;
}

void Validator::setFormat(const QString &format)
{
    m_format = format;
}

void Validator::setMessage(const QString &message)
{
    m_message = message;
}

// ---------------------------------------------------------------------------------------

RegexValidator::RegexValidator(const QString &pattern, const QString &message)
    : Validator(message)
    , m_pattern(pattern)
    // Unicode classes, as the patterns were written for: "\d" takes every decimal digit, "\b" every
    // word boundary.
    , m_regExp(QRegularExpression::anchoredPattern(pattern), QRegularExpression::UseUnicodePropertiesOption)
{
}

bool RegexValidator::validate(const QString &text)
{
    return m_regExp.isValid() && m_regExp.match(text).hasMatch();
}

// ---------------------------------------------------------------------------------------

IntValidator::IntValidator(qint32 bottom, qint32 top, const QString &message)
    : Validator(message)
    , m_bottom(bottom)
    , m_top(top)
{
}

bool IntValidator::validate(const QString &text)
{
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    return ok && m_bottom <= value && value <= m_top;
}

QString IntValidator::message() const
{
    return fillBounds(m_message, QString::number(m_bottom), QString::number(m_top));
}

qint32 IntValidator::bottom() const
{
    return m_bottom;
}

qint32 IntValidator::top() const
{
    return m_top;
}

void IntValidator::setBottom(qint32 bottom)
{
    m_bottom = bottom;
}

void IntValidator::setTop(qint32 top)
{
    m_top = top;
}

// ---------------------------------------------------------------------------------------

UintValidator::UintValidator(quint32 bottom, quint32 top, const QString &message)
    : Validator(message)
    , m_bottom(bottom)
    , m_top(top)
{
}

bool UintValidator::validate(const QString &text)
{
    bool ok = false;
    const quint32 value = text.toUInt(&ok, 10);
    return ok && m_bottom <= value && value <= m_top;
}

QString UintValidator::message() const
{
    return fillBounds(m_message, QString::number(m_bottom), QString::number(m_top));
}

quint32 UintValidator::bottom() const
{
    return m_bottom;
}

quint32 UintValidator::top() const
{
    return m_top;
}

void UintValidator::setBottom(quint32 bottom)
{
    m_bottom = bottom;
}

void UintValidator::setTop(quint32 top)
{
    m_top = top;
}

// ---------------------------------------------------------------------------------------

FloatValidator::FloatValidator(float bottom, float top, const QString &message, float additionalValue)
    : Validator(message)
    , m_bottom(bottom)
    , m_top(top)
    , m_hasAdditionalValue(additionalValue != noAdditionalValue)
    , m_additionalValue(additionalValue)
    , m_convertedBottom(bottom)
    , m_convertedTop(top)
{
    if (m_hasAdditionalValue && m_message.isEmpty())
        m_message = QStringLiteral("value must be a real number between %1 and %2!");
}

bool FloatValidator::validate(const QString &text)
{
    bool ok = false;
    const float value = QLocale::c().toFloat(text, &ok);
    // "nan" and "inf" parse, but are no value a setting can hold.
    if (!ok || !std::isfinite(value))
        return false;
    if (m_hasAdditionalValue && value == m_additionalValue)
        return true;
    if (m_convertedBottom > value)
        return false;
    return !(value > m_convertedTop);
}

QString FloatValidator::message() const
{
    return fillBounds(m_message, wholeNumberText(m_convertedBottom), wholeNumberText(m_convertedTop));
}

float FloatValidator::bottom() const
{
    return m_bottom;
}

float FloatValidator::top() const
{
    return m_top;
}

// The converted bound is computed afresh from the new base bound with the conversion in
// force: scaling the old converted bound by new/old would divide by zero for a bound of 0.
void FloatValidator::setBottom(float bottom)
{
    m_bottom = bottom;
    m_convertedBottom = convert(bottom);
}

void FloatValidator::setTop(float top)
{
    m_top = top;
    m_convertedTop = convert(top);
}

float FloatValidator::convertedBottom() const
{
    return m_convertedBottom;
}

float FloatValidator::convertedTop() const
{
    return m_convertedTop;
}

bool FloatValidator::hasAdditionalValue() const
{
    return m_hasAdditionalValue;
}

float FloatValidator::additionalValue() const
{
    return m_additionalValue;
}

void FloatValidator::convertLimits(const QString &fromUnit, const QString &toUnit)
{
    if (fromUnit == toUnit) {
        m_fromUnit.clear();
        m_toUnit.clear();
    } else if (isConvertiblePair(fromUnit, toUnit)) {
        m_fromUnit = fromUnit;
        m_toUnit = toUnit;
    } else {
        return;
    }
    m_convertedBottom = convert(m_bottom);
    m_convertedTop = convert(m_top);
}

float FloatValidator::convert(float value) const
{
    return convertUnits(value, m_fromUnit, m_toUnit);
}

// ---------------------------------------------------------------------------------------

IpValidator::IpValidator(const QString &message)
    : Validator(message)
    , m_approved(true)
    , m_unapprovedMessage(QStringLiteral("Unapproved IP address, approved ranges are:\n"
                                         "(10.0.0.0 - 10.255.255.255),\n"
                                         "(172.16.0.0 - 172.31.255.255),\n"
                                         "(192.168.0.0 - 192.168.255.255)"))
{
}

bool IpValidator::validate(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4) {
        m_approved = false;
        return false;
    }

    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        // Digits only: a sign or a blank would pass the integer conversion, and an address
        // with a blank in it would cut the settings file line it is stored in.
        if (!isAsciiDigits(parts.at(i)))
            return false;
        bool ok = false;
        numbers[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }

    for (int i = 0; i < 3; ++i) {
        if (numbers[i] < 0 || numbers[i] > 255) {
            m_approved = false;
            return false;
        }
    }
    if (numbers[3] < 1 || numbers[3] > 254) {
        m_approved = false;
        return false;
    }
    // 239.192.0.1 to 239.192.0.64 are the IEC 61162-450 transmission groups.
    if (numbers[0] == 239 && numbers[1] == 192 && numbers[2] == 0 && numbers[3] <= 64) {
        m_approved = false;
        return false;
    }

    m_approved = numbers[0] == 10 || (numbers[0] == 172 && numbers[1] >= 16 && numbers[1] <= 31)
        || (numbers[0] == 192 && numbers[1] == 168);
    return true;
}

bool IpValidator::isInApprovedRange() const
{
    return m_approved;
}

QString IpValidator::unapprovedRangeMessage() const
{
    return m_unapprovedMessage;
}

// ---------------------------------------------------------------------------------------

SfiValidator::SfiValidator(const QStringList *takenSfis, const QString &pattern, const QString &takenMessage,
    const QString &invalidMessage)
    : Validator(invalidMessage)
    , m_regex(pattern, invalidMessage)
    , m_takenSfis(takenSfis)
    , m_takenMessage(takenMessage)
{
}

bool SfiValidator::validate(const QString &text)
{
    if (!m_regex.validate(text)) {
        m_message = m_regex.message();
        return false;
    }
    if (m_takenSfis && m_takenSfis->contains(text)) {
        m_message = m_takenMessage;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------

namespace {

// The bounds of a numeric kind: the count is judged first when it is too small, the bounds are read min
// first, and a count that is too large is judged last. Null when all is well, else the fault.
template <typename Number, typename Parse>
const char *readValidatorBounds(const QStringList &parameters, int mostParameters, const char *countFault,
    Parse parse, Number *bottom, Number *top)
{
    if (parameters.size() < 2)
        return countFault;
    bool ok = false;
    *bottom = parse(parameters.at(0), &ok);
    if (!ok)
        return "wrong min parameter";
    *top = parse(parameters.at(1), &ok);
    if (!ok)
        return "wrong max parameter";
    if (parameters.size() > mostParameters)
        return countFault;
    return nullptr;
}

} // namespace

Validator *Validator::fromDescription(const QString &text, const QStringList *takenSfis, const char **fault)
{
    if (fault)
        *fault = nullptr;
    const auto refuse = [fault](const char *what) -> Validator * {
        if (fault)
            *fault = what;
        return nullptr;
    };
    // A message part that is absent or empty: the kind's own text.
    const auto messageOr = [](const QString &message, const char *fallback) {
        return message.isEmpty() ? QString::fromLatin1(fallback) : message;
    };
    const char *const integerMessage = "value must be an integer between %1 and %2!";
    const char *const invalidInput = "- Invalid input!";

    QStringList parameters = text.split(QLatin1Char(';'));
    const QString kind = parameters.takeFirst();
    const auto has
        = [&kind](const char *word) { return kind.contains(QLatin1String(word), Qt::CaseInsensitive); };
    if (has("float")) {
        const QLocale c = QLocale::c();
        double bottom = 0.0;
        double top = 0.0;
        if (const char *wrong = readValidatorBounds(
                parameters, 4, "wrong float validator parameters",
                [&c](const QString &number, bool *ok) { return c.toDouble(number, ok); }, &bottom, &top))
            return refuse(wrong);
        float additional = FloatValidator::noAdditionalValue;
        if (parameters.size() == 4) {
            bool ok = false;
            additional = float(c.toDouble(parameters.at(3), &ok));
            if (!ok)
                return refuse("wrong additional value parameter");
        }
        return new FloatValidator(float(bottom), float(top),
            messageOr(parameters.value(2), "value must be a real number between %1 and %2!"), additional);
    }
    if (has("uint")) {
        uint bottom = 0;
        uint top = 0;
        if (const char *wrong = readValidatorBounds(
                parameters, 3, "wrong uint validator parameters",
                [](const QString &number, bool *ok) { return number.toUInt(ok, 10); }, &bottom, &top))
            return refuse(wrong);
        return new UintValidator(bottom, top, messageOr(parameters.value(2), integerMessage));
    }
    if (has("int")) {
        int bottom = 0;
        int top = 0;
        if (const char *wrong = readValidatorBounds(
                parameters, 3, "wrong int validator parameters",
                [](const QString &number, bool *ok) { return number.toInt(ok, 10); }, &bottom, &top))
            return refuse(wrong);
        return new IntValidator(bottom, top, messageOr(parameters.value(2), integerMessage));
    }
    if (has("regex")) {
        if (parameters.isEmpty() || parameters.size() > 2)
            return refuse("wrong regex validator parameters");
        return new RegexValidator(parameters.at(0), messageOr(parameters.value(1), invalidInput));
    }
    if (has("ip")) {
        if (parameters.size() > 1)
            return refuse("wrong ip validator parameters");
        return new IpValidator(messageOr(parameters.value(0), "- Invalid value!"));
    }
    if (has("sfi")) {
        if (parameters.isEmpty() || parameters.size() > 3)
            return refuse("wrong sfi validator parameters");
        return new SfiValidator(takenSfis, parameters.at(0),
            messageOr(parameters.value(1), "- SFI is taken by another device on the network!"),
            messageOr(parameters.value(2), invalidInput));
    }
    return nullptr;
}
