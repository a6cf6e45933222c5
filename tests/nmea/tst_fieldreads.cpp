// The number and text fields read a received text in one pass: the number form, the validator's verdict
// and the value together, and in place. Before, a field asked its validator (which builds a locale and a
// byte array per call), then converted the text again, and split a real number's text at its points for
// the digit-count rules. The one pass may only stand in where it answers as the two steps did, so every
// case here goes through both ways, the earlier one written out below, and the status, the validity and
// the value (a real value to the bit, the sign of a zero included) must agree.

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

namespace {

enum class Kind { Int, Float, String };

// The rules of one field as its description gives them.
struct FieldRules
{
    Kind kind = Kind::Int;
    int fixedLength = 0;
    int maxFieldLength = 0;
    bool canBeNullField = true;
    int fixedDigitsBeforePoint = 0;
    int leastDecimalsReceived = 0;
};

// A validator as a field gets it; null for a field without one.
using ValidatorMaker = std::function<QValidator *()>;

// The earlier reading, step by step, on the same validator object.
struct EarlierRead
{
    int status = 0;
    bool accepted = false;
    qint32 intValue = 0;
    double floatValue = 0.0;
    QString stringValue;
};

bool earlierNumberForm(const QString &text, bool real)
{
    int i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = true;
        else if (real && !point && c == QLatin1Char('.'))
            point = true;
        else
            return false;
    }
    return digit;
}

EarlierRead earlierRead(const FieldRules &rules, QValidator *validator, const QString &text)
{
    EarlierRead read;
    const auto finish = [&read](int status) {
        read.status = status;
        return read;
    };
    if (text.isEmpty())
        return finish(rules.canBeNullField ? 1 : 2);
    const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (rules.kind == Kind::Float) {
        const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
        if (rules.fixedDigitsBeforePoint != 0 && parts.at(0).length() != rules.fixedDigitsBeforePoint + sign)
            return finish(3);
        if (rules.leastDecimalsReceived != 0
            && (parts.size() < 2 || parts.at(1).length() < rules.leastDecimalsReceived))
            return finish(3);
    }
    if (rules.fixedLength != 0 && text.length() != rules.fixedLength + sign)
        return finish(3);
    if (rules.maxFieldLength != 0 && text.length() > rules.maxFieldLength + sign)
        return finish(3);
    if (rules.kind != Kind::String && !earlierNumberForm(text, rules.kind == Kind::Float))
        return finish(2);
    if (validator) {
        QString copy = text;
        int position = 0;
        if (validator->validate(copy, position) != QValidator::Acceptable)
            return finish(2);
    }
    bool ok = true;
    if (rules.kind == Kind::Int) {
        read.intValue = text.toInt(&ok, 10);
    } else if (rules.kind == Kind::Float) {
        read.floatValue = QLocale::c().toDouble(text, &ok);
        ok = ok && std::isfinite(read.floatValue);
    } else {
        read.stringValue = text;
    }
    if (!ok)
        return finish(2);
    read.accepted = true;
    return finish(0);
}

std::unique_ptr<ValidatedProperty> makeField(const FieldRules &rules, QValidator *validator)
{
    switch (rules.kind) {
    case Kind::Int:
        return std::make_unique<ValidatedIntProperty>(
            nullptr, validator, rules.fixedLength, rules.maxFieldLength, rules.canBeNullField);
    case Kind::Float:
        return std::make_unique<ValidatedFloatProperty>(nullptr, validator, rules.fixedLength,
            rules.maxFieldLength, rules.canBeNullField, 10, rules.fixedDigitsBeforePoint,
            rules.leastDecimalsReceived);
    case Kind::String:
        break;
    }
    return std::make_unique<ValidatedStringProperty>(
        nullptr, validator, rules.fixedLength, rules.maxFieldLength, rules.canBeNullField);
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Runs one text through both ways; empty when they agree, else what differs.
QString compareWays(const FieldRules &rules, const ValidatorMaker &makeValidator, const QString &text)
{
    // Each way with a validator of its own: a validator may keep the answer for its last text.
    const std::unique_ptr<QValidator> earlierValidator(makeValidator());
    const EarlierRead before = earlierRead(rules, earlierValidator.get(), text);
    auto field = makeField(rules, makeValidator());
    const int status = field->setFromNmeaString(text);
    QString differs;
    if (status != before.status || field->isValid() != before.accepted) {
        differs = QStringLiteral("status %1 valid %2, earlier %3 valid %4")
                      .arg(status)
                      .arg(field->isValid())
                      .arg(before.status)
                      .arg(before.accepted);
    } else if (before.accepted) {
        if (auto *integer = qobject_cast<ValidatedIntProperty *>(field.get())) {
            if (integer->value() != before.intValue)
                differs = QStringLiteral("value %1, earlier %2").arg(integer->value()).arg(before.intValue);
        } else if (auto *real = qobject_cast<ValidatedFloatProperty *>(field.get())) {
            if (!sameBits(real->value(), before.floatValue))
                differs = QStringLiteral("value %1, earlier %2")
                              .arg(real->value(), 0, 'g', 17)
                              .arg(before.floatValue, 0, 'g', 17);
        } else if (auto *string = qobject_cast<ValidatedStringProperty *>(field.get())) {
            if (string->value() != before.stringValue)
                differs = QStringLiteral("value %1, earlier %2").arg(string->value(), before.stringValue);
        }
    }
    return differs.isEmpty() ? QString() : QLatin1Char('"') + text + QLatin1String("\": ") + differs;
}

// The texts every number field meets here: signs, blanks, points, exponents, no text, long and overlong
// digits, leading zeros, separators, digits of other scripts, words for no number, and the bounds of int.
QStringList numberTexts()
{
    QStringList texts = { QString(), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("+5"),
        QStringLiteral("-5"), QStringLiteral("-0"), QStringLiteral("-00"), QStringLiteral("--1"),
        QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("+-1"), QStringLiteral("5-"),
        QStringLiteral(" 5"), QStringLiteral("5 "), QStringLiteral("5 5"), QStringLiteral("\t5"),
        QStringLiteral("5\n"), QStringLiteral(".5"), QStringLiteral("5."), QStringLiteral("."),
        QStringLiteral("-.5"), QStringLiteral("-5."), QStringLiteral("-."), QStringLiteral("5..0"),
        QStringLiteral("1.2.3"), QStringLiteral("1e3"), QStringLiteral("1E-2"), QStringLiteral("e5"),
        QStringLiteral("1e"), QStringLiteral("0x1F"), QStringLiteral("1,000"), QStringLiteral("1'000"),
        QStringLiteral("1 000"), QStringLiteral("12,5"), QStringLiteral("007"),
        QStringLiteral("0000000000012"), QStringLiteral("-0000000000012"), QStringLiteral("2147483647"),
        QStringLiteral("2147483648"), QStringLiteral("-2147483648"), QStringLiteral("-2147483649"),
        QStringLiteral("02147483647"), QStringLiteral("4294967296"), QStringLiteral("99999999999"),
        QStringLiteral("12345678901234567890"), QStringLiteral("-12345678901234567890"),
        QStringLiteral("9223372036854775807"), QStringLiteral("9223372036854775808"),
        QStringLiteral("00000000000000000000000000000001"), QString::fromUtf8("\u0661\u0662"),
        QString::fromUtf8("\u06F1\u06F2"), QString::fromUtf8("\uFF11\uFF12"), QString::fromUtf8("1\u00a0"),
        QString::fromUtf8("\u22121"), QStringLiteral("nan"), QStringLiteral("NaN"), QStringLiteral("inf"),
        QStringLiteral("-inf"), QStringLiteral("Infinity"), QStringLiteral("abc"), QStringLiteral("12abc"),
        QStringLiteral("1.5"), QStringLiteral("-1.5") };
    // The bounds the validators below are built with, on either side.
    for (const char *bound : { "11", "12", "13", "-1", "-999", "-1000", "-1001", "999", "1000", "1001", "359",
             "360", "361", "-90", "-91", "90", "91", "100", "65535", "65536" })
        texts << QLatin1String(bound);
    return texts;
}

// Real texts besides: bounds with decimals, many decimals, long mantissas, values that round, the forms
// of the sentences (ddmm.mmmm, hhmmss.ss), and signed zeros.
QStringList realTexts()
{
    QStringList texts = numberTexts();
    for (const char *text :
        { "0.0", "-0.0", "-0.000", "0.", "-0.", "360.0", "360.00000000001", "359.99999999999", "-90.0",
            "-90.0000000001", "90.00", "12.0", "12.05", "11.999999999999999999", "0.1", "0.2", "0.3",
            "0.30000000000000004", "0.1234567890123456789", "123456789012345.6", "1234567890123456.7",
            "123456789012345", "1234567890123456", "9007199254740993", "0.000000000000000000001",
            "0.0000000000000000000000001", "1.0000000000000000000000001", "4807.038", "-4807.038",
            "01131.000", "123519.00", "235959.999", "545.4", "022.4", "084.4", "1.25", "1.2", "12", "123.7",
            "-123.7", "1234.56", "-1234.5", "123.4.5", "12.3.", "1.", "1.234", "1.23", "99.995", "1e400",
            "179769313486231570000000000000000000000000000000000000000000000000000000000000000000" })
        texts << QLatin1String(text);
    // A text of 400 digits: beyond double, and longer than a sentence.
    texts << QString(400, QLatin1Char('9')) << QStringLiteral("0.") + QString(1200, QLatin1Char('1'));
    return texts;
}

QStringList stringTexts()
{
    return { QString(), QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("E"), QStringLiteral("n"),
        QStringLiteral("NS"), QStringLiteral(" N"), QStringLiteral("AB"), QStringLiteral("A1"),
        QStringLiteral("ABC"), QStringLiteral("12"), QStringLiteral("123"), QString::fromUtf8("\u0661\u0662"),
        QString::fromUtf8("\u00c4B"), QStringLiteral("a b"), QStringLiteral("GN1001"),
        QStringLiteral("GN10011") };
}

QValidator *intRange(int bottom, int top, const QLocale &locale)
{
    auto *validator = new QIntValidator(bottom, top);
    validator->setLocale(locale);
    return validator;
}

QValidator *doubleRange(
    double bottom, double top, int decimals, QDoubleValidator::Notation notation, const QLocale &locale)
{
    auto *validator = new QDoubleValidator(bottom, top, decimals);
    validator->setNotation(notation);
    validator->setLocale(locale);
    return validator;
}

// A range validator of a class of its own that judges otherwise: it must be asked, never stood in for.
class OddIntValidator : public QIntValidator
{
public:
    using QIntValidator::QIntValidator;
    State validate(QString &input, int &position) const override
    {
        return input == QLatin1String("7") ? Invalid : QIntValidator::validate(input, position);
    }
};

FieldRules rulesOf(Kind kind)
{
    FieldRules rules;
    rules.kind = kind;
    return rules;
}

} // namespace

Q_DECLARE_METATYPE(FieldRules)
Q_DECLARE_METATYPE(ValidatorMaker)

class TestFieldReads : public QObject
{
    Q_OBJECT

private slots:
    void bothWaysAgree_data();
    void bothWaysAgree();
    void realValuesToTheBit();
    // A field that has read with its validator goes on answering as the validator does after the
    // validator's locale changed.
    void validatorChangedBetweenReads_data();
    void validatorChangedBetweenReads();
};

void TestFieldReads::bothWaysAgree_data()
{
    QTest::addColumn<FieldRules>("rules");
    QTest::addColumn<ValidatorMaker>("validator");
    QTest::addColumn<QStringList>("texts");

    const QLocale english(QLocale::English, QLocale::AnyCountry);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QLocale englishStrict = english;
    englishStrict.setNumberOptions(QLocale::RejectGroupSeparator);
    const ValidatorMaker none = [] { return nullptr; };
    const auto described = [](const char *type, const char *text) -> ValidatorMaker {
        return [=] { return NmeaMessage::createValidator(QLatin1String(type), QLatin1String(text)); };
    };
    const FieldRules integer = rulesOf(Kind::Int);
    const FieldRules real = rulesOf(Kind::Float);
    const FieldRules string = rulesOf(Kind::String);
    FieldRules notNullInteger = integer;
    notNullInteger.canBeNullField = false;
    FieldRules fixedInteger = integer;
    fixedInteger.fixedLength = 2;
    FieldRules shortInteger = integer;
    shortInteger.maxFieldLength = 3;
    FieldRules notNullReal = real;
    notNullReal.canBeNullField = false;
    FieldRules degreesMinutes = real;
    degreesMinutes.fixedDigitsBeforePoint = 4;
    FieldRules leastDecimals = real;
    leastDecimals.leastDecimalsReceived = 2;
    FieldRules bothDigitRules = real;
    bothDigitRules.fixedDigitsBeforePoint = 3;
    bothDigitRules.leastDecimalsReceived = 1;
    FieldRules fixedReal = real;
    fixedReal.fixedLength = 4;
    FieldRules shortReal = real;
    shortReal.maxFieldLength = 5;
    FieldRules shortString = string;
    shortString.maxFieldLength = 2;

    const QStringList numbers = numberTexts();
    const QStringList reals = realTexts();
    const QStringList strings = stringTexts();

    QTest::newRow("int, no validator") << integer << none << numbers;
    QTest::newRow("int, no text refused") << notNullInteger << none << numbers;
    QTest::newRow("int, fixed length") << fixedInteger << described("int", "0;12") << numbers;
    QTest::newRow("int, maximum length") << shortInteger << described("int", "-1000;1000") << numbers;
    QTest::newRow("int 0;12") << integer << described("int", "0;12") << numbers;
    QTest::newRow("int 1;12") << integer << described("int", "1;12") << numbers;
    QTest::newRow("int -1000;1000") << integer << described("int", "-1000;1000") << numbers;
    QTest::newRow("int -1000;-1") << integer << described("int", "-1000;-1") << numbers;
    QTest::newRow("int 0;0") << integer << described("int", "0;0") << numbers;
    QTest::newRow("int, bounds of int") << integer << described("int", "-2147483648;2147483647") << numbers;
    QTest::newRow("int, bounds beyond int") << integer << described("int", "-1e12;1e12") << numbers;
    QTest::newRow("int, C locale") << integer
                                   << ValidatorMaker([] { return intRange(-1000, 1000, QLocale::c()); })
                                   << numbers;
    QTest::newRow("int, German locale")
        << integer << ValidatorMaker([=] { return intRange(-1000, 1000, german); }) << numbers;
    QTest::newRow("int, Arabic locale")
        << integer << ValidatorMaker([=] { return intRange(-1000, 1000, arabic); }) << numbers;
    QTest::newRow("int, group separators refused")
        << integer << ValidatorMaker([=] { return intRange(-1000, 1000, englishStrict); }) << numbers;
    QTest::newRow("int, validator of another class") << integer << ValidatorMaker([=] {
        auto *odd = new OddIntValidator(-1000, 1000);
        odd->setLocale(english);
        return odd;
    }) << numbers;

    QTest::newRow("float, no validator") << real << none << reals;
    QTest::newRow("float, no text refused") << notNullReal << none << reals;
    QTest::newRow("float 0;360") << real << described("float", "0;360") << reals;
    QTest::newRow("float -90;90") << real << described("float", "-90;90") << reals;
    QTest::newRow("float -1000;-1") << real << described("float", "-1000;-1") << reals;
    QTest::newRow("float, wide bounds") << real << described("float", "-1e300;1e300") << reals;
    QTest::newRow("float, digits before point") << degreesMinutes << described("float", "0;9000") << reals;
    QTest::newRow("float, least decimals") << leastDecimals << described("float", "-1000;1000") << reals;
    QTest::newRow("float, both digit rules") << bothDigitRules << none << reals;
    QTest::newRow("float, fixed length") << fixedReal << described("float", "-100;100") << reals;
    QTest::newRow("float, maximum length") << shortReal << none << reals;
    QTest::newRow("float, two decimals") << real << ValidatorMaker([=] {
        return doubleRange(-1000, 1000, 2, QDoubleValidator::StandardNotation, english);
    }) << reals;
    QTest::newRow("float, no decimals") << real << ValidatorMaker([=] {
        return doubleRange(-1000, 1000, 0, QDoubleValidator::StandardNotation, english);
    }) << reals;
    QTest::newRow("float, scientific notation") << real << ValidatorMaker([=] {
        return doubleRange(-1000, 1000, 1000, QDoubleValidator::ScientificNotation, english);
    }) << reals;
    QTest::newRow("float, C locale") << real << ValidatorMaker([] {
        return doubleRange(0, 360, 1000, QDoubleValidator::StandardNotation, QLocale::c());
    }) << reals;
    QTest::newRow("float, German locale") << real << ValidatorMaker([=] {
        return doubleRange(0, 360, 1000, QDoubleValidator::StandardNotation, german);
    }) << reals;
    QTest::newRow("float, infinite bounds") << real << ValidatorMaker([=] {
        return doubleRange(-HUGE_VAL, HUGE_VAL, 1000, QDoubleValidator::StandardNotation, english);
    }) << reals;
    QTest::newRow("float, bound not a number") << real << ValidatorMaker([=] {
        return doubleRange(std::nan(""), 10, 1000, QDoubleValidator::StandardNotation, english);
    }) << reals;

    QTest::newRow("string, no validator") << string << none << strings;
    QTest::newRow("string, maximum length") << shortString << none << strings;
    QTest::newRow("string [NS]") << string << described("string", "[NS]") << strings;
    QTest::newRow("string [A-Z]{2}") << string << described("string", "[A-Z]{2}") << strings;
    QTest::newRow("string \\d+") << string << described("string", "\\d+") << strings;
    QTest::newRow("string, alternatives") << string << described("string", "N|NS|GN\\d{4}") << strings;
    QTest::newRow("string, pattern with options") << string << ValidatorMaker([=] {
        auto *validator = qobject_cast<QRegularExpressionValidator *>(
            NmeaMessage::createValidator(QStringLiteral("string"), QStringLiteral("[NS]")));
        validator->setRegularExpression(
            QRegularExpression(QStringLiteral("[NS]"), QRegularExpression::CaseInsensitiveOption));
        return validator;
    }) << strings;
    QTest::newRow("string, the toolkit's validator") << string << ValidatorMaker([] {
        return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Z]{2}")));
    }) << strings;
}

void TestFieldReads::bothWaysAgree()
{
    QFETCH(FieldRules, rules);
    QFETCH(ValidatorMaker, validator);
    QFETCH(QStringList, texts);

    QStringList differences;
    for (const QString &text : texts) {
        const QString differs = compareWays(rules, validator, text);
        if (!differs.isEmpty())
            differences << differs;
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
}

// Many real texts of the forms the sentences carry, with and without a validator: the value is the
// conversion's own to the bit, and where the division cannot give it exactly the conversion is asked.
void TestFieldReads::realValuesToTheBit()
{
    QRandomGenerator random(4711);
    const FieldRules real = rulesOf(Kind::Float);
    const ValidatorMaker none = [] { return nullptr; };
    const ValidatorMaker bounded
        = [] { return NmeaMessage::createValidator(QStringLiteral("float"), QStringLiteral("-5000;5000")); };
    QStringList differences;
    for (int i = 0; i < 20000 && differences.size() < 20; ++i) {
        const int whole = random.bounded(0, 12);
        const int decimals = random.bounded(0, 24);
        QString text = random.bounded(3) == 0 ? QStringLiteral("-") : QString();
        for (int d = 0; d < whole; ++d)
            text += QLatin1Char(char('0' + random.bounded(10)));
        if (decimals > 0 || whole == 0)
            text += QLatin1Char('.');
        for (int d = 0; d < qMax(decimals, whole == 0 ? 1 : 0); ++d)
            text += QLatin1Char(char('0' + random.bounded(10)));
        for (const ValidatorMaker &validator : { none, bounded }) {
            const QString differs = compareWays(real, validator, text);
            if (!differs.isEmpty())
                differences << differs;
        }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
}

void TestFieldReads::validatorChangedBetweenReads_data()
{
    QTest::addColumn<FieldRules>("rules");
    QTest::addColumn<QString>("bounds");
    QTest::addColumn<QLocale>("locale");

    // German reads "." as a group separator, Swedish "," as the point. (No locale changes the verdict on an
    // integer text of the number form; the integer fields share the mechanism.)
    QTest::newRow("float, German") << rulesOf(Kind::Float) << "0;10"
                                   << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("float, Swedish") << rulesOf(Kind::Float) << "-10;10"
                                    << QLocale(QLocale::Swedish, QLocale::Sweden);
}

void TestFieldReads::validatorChangedBetweenReads()
{
    QFETCH(FieldRules, rules);
    QFETCH(QString, bounds);
    QFETCH(QLocale, locale);

    const QString type = rules.kind == Kind::Int ? QStringLiteral("int") : QStringLiteral("float");
    const auto english = [&] { return NmeaMessage::createValidator(type, bounds); };
    const auto changed = [&] {
        QValidator *validator = english();
        validator->setLocale(locale);
        return validator;
    };
    const QStringList texts = rules.kind == Kind::Int ? numberTexts() : realTexts();
    auto field = makeField(rules, english());
    QCOMPARE(field->setFromNmeaString(QStringLiteral("5")), 0);
    field->validator()->setLocale(locale);

    int told = 0;
    QStringList differences;
    for (const QString &text : texts) {
        const std::unique_ptr<QValidator> before(english());
        const std::unique_ptr<QValidator> after(changed());
        const EarlierRead inEnglish = earlierRead(rules, before.get(), text);
        const EarlierRead inLocale = earlierRead(rules, after.get(), text);
        // The texts on which the locale changes the verdict tell whether the field followed the change.
        if (inEnglish.status != inLocale.status)
            ++told;
        field->setValid(false);
        const int status = field->setFromNmeaString(text);
        if (status != inLocale.status || field->isValid() != inLocale.accepted)
            differences
                << QStringLiteral("\"%1\": status %2, earlier %3").arg(text).arg(status).arg(inLocale.status);
    }
    QVERIFY(told > 0);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestFieldReads)
#include "tst_fieldreads.moc"
