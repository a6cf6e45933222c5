#include "TickProbe.h"

#include "nmea/ValidatedProperty.h"

#include <QDoubleValidator>
#include <QElapsedTimer>
#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

const int fastTickMs = 20;

// Field rules of one table row, as the message layer would read them from class information.
struct Rules
{
    QString type; // "int", "float" or "string"
    int fixedLength = 0;
    int maxFieldLength = 0;
    bool canBeNullField = true;
    int fixedDigitsBeforePoint = 0;
    int leastDecimalsReceived = 0;
    int sendDecimals = 1;
    QString validator; // "low;high" for numbers, a pattern for text; empty: none
};

QValidator *makeValidator(const Rules &rules)
{
    if (rules.validator.isEmpty())
        return nullptr;
    QValidator *validator = nullptr;
    const QStringList bounds = rules.validator.split(QLatin1Char(';'));
    if (rules.type == QLatin1String("int")) {
        validator = new QIntValidator(bounds.at(0).toInt(), bounds.at(1).toInt());
    } else if (rules.type == QLatin1String("float")) {
        auto *doubleValidator = new QDoubleValidator(bounds.at(0).toDouble(), bounds.at(1).toDouble(), 1000);
        doubleValidator->setNotation(QDoubleValidator::StandardNotation);
        validator = doubleValidator;
    } else {
        validator = new QRegularExpressionValidator(QRegularExpression(rules.validator));
    }
    validator->setLocale(QLocale(QLocale::English, QLocale::AnyCountry));
    return validator;
}

std::unique_ptr<ValidatedProperty> makeProperty(const Rules &rules, int validityLimit = 10)
{
    QValidator *validator = makeValidator(rules);
    if (rules.type == QLatin1String("int"))
        return std::make_unique<ValidatedIntProperty>(
            nullptr, validator, rules.fixedLength, rules.maxFieldLength, rules.canBeNullField, validityLimit);
    if (rules.type == QLatin1String("float"))
        return std::make_unique<ValidatedFloatProperty>(nullptr, validator, rules.fixedLength,
            rules.maxFieldLength, rules.canBeNullField, validityLimit, rules.fixedDigitsBeforePoint,
            rules.leastDecimalsReceived, rules.sendDecimals);
    return std::make_unique<ValidatedStringProperty>(
        nullptr, validator, rules.fixedLength, rules.maxFieldLength, rules.canBeNullField, validityLimit);
}

void setValue(ValidatedProperty *property, const QVariant &value)
{
    if (auto *p = qobject_cast<ValidatedIntProperty *>(property))
        p->setValue(value.toInt());
    else if (auto *p = qobject_cast<ValidatedFloatProperty *>(property))
        p->setValue(value.toDouble());
    else if (auto *p = qobject_cast<ValidatedStringProperty *>(property))
        p->setValue(value.toString());
}

QVariant valueOf(const ValidatedProperty *property)
{
    if (auto *p = qobject_cast<const ValidatedIntProperty *>(property))
        return p->value();
    if (auto *p = qobject_cast<const ValidatedFloatProperty *>(property))
        return p->value();
    return qobject_cast<const ValidatedStringProperty *>(property)->value();
}

Rules intRules(int fixedLength = 0, int maxFieldLength = 0, const QString &validator = QString())
{
    Rules r;
    r.type = QStringLiteral("int");
    r.fixedLength = fixedLength;
    r.maxFieldLength = maxFieldLength;
    r.validator = validator;
    return r;
}

Rules floatRules(int fixedLength = 0, int fixedDigitsBeforePoint = 0, int sendDecimals = 1,
    int leastDecimalsReceived = 0, const QString &validator = QString())
{
    Rules r;
    r.type = QStringLiteral("float");
    r.fixedLength = fixedLength;
    r.fixedDigitsBeforePoint = fixedDigitsBeforePoint;
    r.sendDecimals = sendDecimals;
    r.leastDecimalsReceived = leastDecimalsReceived;
    r.validator = validator;
    return r;
}

Rules stringRules(int maxFieldLength = 0, const QString &validator = QString())
{
    Rules r;
    r.type = QStringLiteral("string");
    r.maxFieldLength = maxFieldLength;
    r.validator = validator;
    return r;
}

Rules notNull(Rules r)
{
    r.canBeNullField = false;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Rules)

class TestValidatedProperty : public QObject
{
    Q_OBJECT

private slots:
    void writeField_data();
    void writeField();
    void writeInvalidField_data();
    void writeInvalidField();

    void readField_data();
    void readField();
    void numberFieldTakesOnlyItsForm_data();
    void numberFieldTakesOnlyItsForm();

    void variantRoundTrip();
    void setValidAlwaysSignals();
    void setValueAndValidity();
    void floatWithValidity();

    void assignFromInvalidSourceKeepsValue();
    void assignFromValidSource();
    void copyFromCopiesRulesAndValidator();
    void copyBetweenKindsThrows();

    void sharedTimer();
    void sharedTimerTicksEverySecond();
    void expiresAfterLimit();
    void refreshRestartsCount();
    void limitZeroAndNeverExpiring();
    void metaTypesRegistered();
};

void TestValidatedProperty::writeField_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("int fixed 3") << intRules(3) << QVariant(24) << "024";
    QTest::newRow("int fixed 2 negative") << intRules(2) << QVariant(-5) << "-05";
    QTest::newRow("int longer than fixed") << intRules(2) << QVariant(123) << "123";
    QTest::newRow("int plain negative") << intRules() << QVariant(-42) << "-42";
    QTest::newRow("int lowest, fixed")
        << intRules(3) << QVariant(std::numeric_limits<int>::min()) << "-2147483648";
    QTest::newRow("float digits before point") << floatRules(0, 4) << QVariant(130.5) << "0130.5";
    QTest::newRow("float digits before point, negative")
        << floatRules(0, 4) << QVariant(-5130.26) << "-5130.3";
    QTest::newRow("float 6 digits before point") << floatRules(0, 6) << QVariant(1234.0) << "001234.0";
    QTest::newRow("float digits before point, no decimals") << floatRules(0, 3, 0) << QVariant(5.0) << "005";
    QTest::newRow("float fixed length cut") << floatRules(5) << QVariant(1234.5) << "1234.";
    QTest::newRow("float fixed length padded") << floatRules(5) << QVariant(3.5) << "003.5";
    QTest::newRow("float fixed length negative") << floatRules(5) << QVariant(-3.5) << "-003.5";
    QTest::newRow("float no decimals") << floatRules(0, 0, 0) << QVariant(100.0) << "100";
    QTest::newRow("float default decimals") << floatRules() << QVariant(100.0) << "100.0";
    QTest::newRow("float rounding") << floatRules(0, 0, 2) << QVariant(-2.256) << "-2.26";
    QTest::newRow("float negative zero") << floatRules() << QVariant(-0.0) << "0.0";
    QTest::newRow("string") << stringRules() << QVariant(QStringLiteral("ABC")) << "ABC";
    // Times (hhmmss) and degrees with minutes (ddmm, dddmm): rounding never makes a unit read 60.
    QTest::newRow("time rounds into the minute") << floatRules(0, 6) << QVariant(154559.96) << "154600.0";
    QTest::newRow("time rounds into the hour") << floatRules(0, 6) << QVariant(155959.996) << "160000.0";
    QTest::newRow("time of three decimals into the minute")
        << floatRules(0, 6) << QVariant(154559.996) << "154600.0";
    QTest::newRow("time cut before the next day") << floatRules(0, 6) << QVariant(235959.96) << "235959.9";
    QTest::newRow("time cut, two decimals") << floatRules(0, 6, 2) << QVariant(235959.997) << "235959.99";
    QTest::newRow("time rounds as usual") << floatRules(0, 6) << QVariant(154559.94) << "154559.9";
    QTest::newRow("time early, padded") << floatRules(0, 6) << QVariant(59.97) << "000100.0";
    QTest::newRow("time without decimals") << floatRules(0, 6, 0) << QVariant(125959.6) << "130000";
    QTest::newRow("latitude rounds into the degree") << floatRules(0, 4) << QVariant(4859.96) << "4900.0";
    QTest::newRow("latitude south into the degree") << floatRules(0, 4) << QVariant(-4859.96) << "-4900.0";
    QTest::newRow("latitude to the pole") << floatRules(0, 4, 2) << QVariant(8959.999) << "9000.00";
    QTest::newRow("longitude rounds into the degree") << floatRules(0, 5) << QVariant(17959.97) << "18000.0";
    QTest::newRow("minutes of 60 given stay as given") << floatRules(0, 4) << QVariant(4860.04) << "4860.0";
}

void TestValidatedProperty::writeField()
{
    QFETCH(Rules, rules);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);

    auto property = makeProperty(rules);
    setValue(property.get(), value);
    QVERIFY(property->isValid());
    QCOMPARE(property->toNmeaString(), expected);
    QCOMPARE(property->toVariant(), QVariant(expected));
}

void TestValidatedProperty::writeInvalidField_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QString noFallback;
    QTest::newRow("null allowed") << floatRules() << noFallback << false << 0.0 << "";
    QTest::newRow("not null, no default") << notNull(intRules()) << noFallback << false << 0.0 << "0";
    QTest::newRow("not null, default") << notNull(stringRules()) << "V" << false << 0.0 << "V";
    // A value that is no finite number has no text a peer could read.
    QTest::newRow("nan, null allowed")
        << floatRules() << noFallback << true << std::numeric_limits<double>::quiet_NaN() << "";
    QTest::newRow("infinity, not null")
        << notNull(floatRules()) << "1.0" << true << std::numeric_limits<double>::infinity() << "1.0";
    QTest::newRow("infinity, fixed digits")
        << floatRules(0, 4) << noFallback << true << -std::numeric_limits<double>::infinity() << "";
    // A value whose text does not fit its field is not written as another value, nor at any length.
    QTest::newRow("too large for any sentence") << floatRules() << noFallback << true << 1e300 << "";
    QTest::newRow("too large, not null") << notNull(floatRules()) << "2.0" << true << -1e300 << "2.0";
    QTest::newRow("more digits than the fixed digits")
        << floatRules(0, 4) << noFallback << true << 12345.0 << "";
    QTest::newRow("more digits than the fixed length")
        << floatRules(5) << noFallback << true << 123456.0 << "";
}

void TestValidatedProperty::writeInvalidField()
{
    QFETCH(Rules, rules);
    QFETCH(QString, fallback);
    QFETCH(bool, valid);
    QFETCH(double, value);
    QFETCH(QString, expected);

    auto property = makeProperty(rules);
    QCOMPARE(property->fallbackText(), QStringLiteral("0"));
    if (!fallback.isNull())
        property->setFallbackText(fallback);
    if (valid)
        static_cast<ValidatedFloatProperty *>(property.get())->setValue(value);
    QCOMPARE(property->isValid(), valid);
    QCOMPARE(property->toNmeaString(), expected);
}

void TestValidatedProperty::readField_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QVariant>("value"); // after the call; the starting value stays on refusal

    QTest::newRow("empty, null allowed") << intRules() << "" << 1 << QVariant();
    QTest::newRow("empty, not null") << notNull(intRules()) << "" << 2 << QVariant();
    QTest::newRow("empty float, not null") << notNull(floatRules()) << "" << 2 << QVariant();
    QTest::newRow("max length, sign not counted") << intRules(0, 2) << "-12" << 0 << QVariant(-12);
    QTest::newRow("max length exceeded") << intRules(0, 2) << "123" << 3 << QVariant();
    QTest::newRow("fixed length") << intRules(2, 0, "0;12") << "08" << 0 << QVariant(8);
    QTest::newRow("fixed length short") << intRules(2, 0, "0;12") << "8" << 3 << QVariant();
    QTest::newRow("int validator refuses") << intRules(0, 0, "0;12") << "13" << 2 << QVariant();
    QTest::newRow("int validator intermediate") << intRules(0, 0, "10;12") << "1" << 2 << QVariant();
    // Without a validator only the conversion stands between a bad text and a valid 0.
    QTest::newRow("int letters") << intRules() << "abc" << 2 << QVariant();
    QTest::newRow("int trailing letters") << intRules() << "12abc" << 2 << QVariant();
    QTest::newRow("int decimal") << intRules() << "1.5" << 2 << QVariant();
    QTest::newRow("int overflow") << intRules() << "99999999999" << 2 << QVariant();
    QTest::newRow("float digits before point, too few") << floatRules(0, 3) << "12.0" << 3 << QVariant();
    QTest::newRow("float digits before point") << floatRules(0, 3) << "123.7" << 0 << QVariant(123.7);
    QTest::newRow("float digits before point, negative")
        << floatRules(0, 3) << "-123.7" << 0 << QVariant(-123.7);
    QTest::newRow("float digits before point, no point") << floatRules(0, 3) << "123" << 0 << QVariant(123.0);
    QTest::newRow("float least decimals short") << floatRules(0, 0, 1, 2) << "1.2" << 3 << QVariant();
    QTest::newRow("float least decimals, no point") << floatRules(0, 0, 1, 2) << "12" << 3 << QVariant();
    QTest::newRow("float least decimals") << floatRules(0, 0, 1, 2) << "1.25" << 0 << QVariant(1.25);
    QTest::newRow("float fixed length with sign") << floatRules(4) << "-12.5" << 0 << QVariant(-12.5);
    QTest::newRow("float validator refuses") << floatRules(0, 0, 1, 0, "-10;10") << "11" << 2 << QVariant();
    QTest::newRow("float validator accepts")
        << floatRules(0, 0, 1, 0, "-10;10") << "-5.5" << 0 << QVariant(-5.5);
    QTest::newRow("float letters") << floatRules() << "abc" << 2 << QVariant();
    QTest::newRow("float nan") << floatRules() << "nan" << 2 << QVariant();
    QTest::newRow("float inf") << floatRules() << "inf" << 2 << QVariant();
    QTest::newRow("float -inf") << floatRules() << "-inf" << 2 << QVariant();
    QTest::newRow("float overflow") << floatRules() << "1e400" << 2 << QVariant();
    QTest::newRow("float nan, fixed digits") << floatRules(0, 3) << "nan" << 2 << QVariant();
    QTest::newRow("string pattern") << stringRules(0, "[A-Z]{2}") << "AB" << 0
                                    << QVariant(QStringLiteral("AB"));
    QTest::newRow("string pattern refuses") << stringRules(0, "[A-Z]{2}") << "A1" << 2 << QVariant();
    QTest::newRow("string too long") << stringRules(3) << "ABCD" << 3 << QVariant();
    QTest::newRow("string without rules") << stringRules() << "a b" << 0 << QVariant(QStringLiteral("a b"));
}

void TestValidatedProperty::numberFieldTakesOnlyItsForm_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");

    // With and without a validator: the toolkit's validators trim blanks as its conversions do.
    const QList<QPair<const char *, Rules>> kinds
        = { { "int", intRules() }, { "int, validator", intRules(0, 0, "-1000;1000") },
              { "float", floatRules() }, { "float, validator", floatRules(0, 0, 1, 0, "-1000;1000") } };
    const char *const refused[][2] = { { "blank before", " 230" }, { "blank after", "230 " },
        { "blank inside", "2 30" }, { "tab before", "\t230" }, { "line feed after", "230\n" },
        { "no-break space", "230\u00a0" }, { "plus sign", "+230" }, { "two minus signs", "--230" },
        { "minus alone", "-" }, { "exponent", "2e2" }, { "hexadecimal", "0x1F" },
        { "digits of another script", "\u0662\u0663\u0660" }, { "comma as point", "23,0" } };
    for (const auto &kind : kinds) {
        for (const auto &row : refused)
            QTest::addRow("%s, %s", kind.first, row[0]) << kind.second << QString::fromUtf8(row[1]) << 2;
        QTest::addRow("%s, negative", kind.first) << kind.second << QStringLiteral("-23") << 0;
    }
    const Rules real = floatRules();
    QTest::newRow("float, two points") << real << "1.2.3" << 2;
    QTest::newRow("float, point alone") << real << "." << 2;
    QTest::newRow("float, point first") << real << ".5" << 0;
    QTest::newRow("float, point last") << real << "5." << 0;
    QTest::newRow("float, blank in the decimals") << real << "12.3 4" << 2;
    QTest::newRow("int, point") << intRules() << "23.0" << 2;
}

void TestValidatedProperty::numberFieldTakesOnlyItsForm()
{
    QFETCH(Rules, rules);
    QFETCH(QString, text);
    QFETCH(int, status);

    auto property = makeProperty(rules);
    QCOMPARE(property->setFromNmeaString(text), status);
    QCOMPARE(property->isValid(), status == 0);
}

void TestValidatedProperty::readField()
{
    QFETCH(Rules, rules);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(QVariant, value);

    // Start from a valid value, as a field that was received before.
    auto property = makeProperty(rules);
    const QVariant before
        = rules.type == QLatin1String("string") ? QVariant(QStringLiteral("old")) : QVariant(7);
    setValue(property.get(), before);
    const QVariant startValue = valueOf(property.get());
    QSignalSpy changed(property.get(), &ValidatedProperty::valueChanged);

    QCOMPARE(property->setFromNmeaString(text), status);
    QVERIFY(property->isValid());
    if (status == 0) {
        QCOMPARE(valueOf(property.get()), value);
        QCOMPARE(changed.count(), 1);
    } else {
        QCOMPARE(valueOf(property.get()), startValue);
        QCOMPARE(changed.count(), 0);
    }

    // A fresh field stays invalid after a refused text.
    auto fresh = makeProperty(rules);
    QCOMPARE(fresh->setFromNmeaString(text), status);
    QCOMPARE(fresh->isValid(), status == 0);
}

void TestValidatedProperty::variantRoundTrip()
{
    ValidatedIntProperty property(nullptr, nullptr, 3);
    QCOMPARE(property.setFromVariant(QVariant(QStringLiteral("042"))), 0);
    QCOMPARE(property.value(), 42);
    QCOMPARE(property.toVariant().type(), QVariant::String);
    QCOMPARE(property.toVariant().toString(), QStringLiteral("042"));
    QCOMPARE(property.setFromVariant(QVariant(QStringLiteral("42"))), 3);
}

void TestValidatedProperty::setValidAlwaysSignals()
{
    ValidatedStringProperty property;
    QSignalSpy changed(&property, &ValidatedProperty::valueChanged);
    property.setValid(false);
    property.setValid(false);
    QCOMPARE(changed.count(), 2);
    property.setValid(true);
    QVERIFY(property.isValid());
    QCOMPARE(changed.count(), 3);
    QCOMPARE(property.validityCounter(), 0);
}

void TestValidatedProperty::setValueAndValidity()
{
    ValidatedFloatProperty property;
    QVERIFY(property.isSafe());
    property.setValueAndValidity(2.5f, true);
    QCOMPARE(property.value(), 2.5);
    QVERIFY(property.isValid());
    QVERIFY(property.isSafe());

    QSignalSpy changed(&property, &ValidatedProperty::valueChanged);
    property.setValueAndValidity(9.0f, false);
    QCOMPARE(property.value(), 2.5);
    QVERIFY(!property.isValid());
    QVERIFY(!property.isSafe());
    QCOMPARE(changed.count(), 1);
}

void TestValidatedProperty::floatWithValidity()
{
    ValidatedFloatProperty real;
    real.setValue(1.25);
    const FloatWithValidity fromReal(&real);
    QCOMPARE(fromReal.value, 1.25f);
    QVERIFY(fromReal.valid);

    ValidatedIntProperty whole;
    const FloatWithValidity fromInvalid(&whole);
    QVERIFY(!fromInvalid.valid);
    whole.setValue(-3);
    const FloatWithValidity fromWhole(&whole);
    QCOMPARE(fromWhole.value, -3.0f);
    QVERIFY(fromWhole.valid);
}

void TestValidatedProperty::assignFromInvalidSourceKeepsValue()
{
    ValidatedIntProperty target;
    target.setValue(5);
    ValidatedIntProperty source;
    source.setValue(9);
    source.setValid(false);
    source.setSafe(false);

    QSignalSpy changed(&target, &ValidatedProperty::valueChanged);
    target.assign(&source);
    QCOMPARE(target.value(), 5);
    QVERIFY(!target.isValid());
    QVERIFY(!target.isSafe());
    QCOMPARE(changed.count(), 1);
}

void TestValidatedProperty::assignFromValidSource()
{
    ValidatedStringProperty target;
    ValidatedStringProperty source;
    source.setValue(QStringLiteral("N"));
    target.assign(&source);
    QCOMPARE(target.value(), QStringLiteral("N"));
    QVERIFY(target.isValid());

    ValidatedFloatProperty realTarget;
    ValidatedFloatProperty realSource;
    realSource.setValue(-1.5);
    realTarget.assign(&realSource);
    QCOMPARE(realTarget.value(), -1.5);
    QVERIFY(realTarget.isValid());
}

void TestValidatedProperty::copyFromCopiesRulesAndValidator()
{
    auto *sourceValidator = new QDoubleValidator(-5.0, 5.0, 3);
    ValidatedFloatProperty source(nullptr, sourceValidator, 6, 8, false, 3, 2, 1, 3);
    source.setValue(1.5);
    source.setFallbackText(QStringLiteral("X"));

    auto *targetValidator = new QDoubleValidator(0.0, 100.0, 7);
    ValidatedFloatProperty target(nullptr, targetValidator, 0, 0, true, 10, 0, 0, 1);
    QCOMPARE(targetValidator->parent(), &target);
    QSignalSpy changed(&target, &ValidatedProperty::valueChanged);
    target.copyFrom(&source);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(target.value(), 1.5);
    QVERIFY(target.isValid());
    QCOMPARE(target.fixedLength(), 6);
    QCOMPARE(target.maxFieldLength(), 8);
    QVERIFY(!target.canBeNullField());
    QCOMPARE(target.fixedDigitsBeforePoint(), 2);
    QCOMPARE(target.leastDecimalsReceived(), 1);
    QCOMPARE(target.sendDecimals(), 3);
    QCOMPARE(targetValidator->bottom(), -5.0);
    QCOMPARE(targetValidator->top(), 5.0);
    QCOMPARE(targetValidator->decimals(), 7);
    // Limit and fallback text stay the target's own.
    QCOMPARE(target.validityLimit(), 10);
    QCOMPARE(target.fallbackText(), QStringLiteral("0"));

    ValidatedIntProperty intSource(nullptr, new QIntValidator(3, 4));
    ValidatedIntProperty intTarget(nullptr, new QIntValidator(0, 100));
    intTarget.copyFrom(&intSource);
    auto *intValidator = qobject_cast<QIntValidator *>(intTarget.validator());
    QCOMPARE(intValidator->bottom(), 3);
    QCOMPARE(intValidator->top(), 4);
    QVERIFY(!intTarget.isValid());

    ValidatedStringProperty textSource(
        nullptr, new QRegularExpressionValidator(QRegularExpression("[0-9]+")));
    ValidatedStringProperty textTarget(
        nullptr, new QRegularExpressionValidator(QRegularExpression("[a-z]+")));
    textTarget.copyFrom(&textSource);
    QCOMPARE(textTarget.setFromNmeaString(QStringLiteral("abc")), 2);
    QCOMPARE(textTarget.setFromNmeaString(QStringLiteral("123")), 0);

    // A target without validator takes no validator.
    ValidatedIntProperty bare;
    bare.copyFrom(&intSource);
    QCOMPARE(bare.validator(), nullptr);
}

void TestValidatedProperty::copyBetweenKindsThrows()
{
    ValidatedIntProperty whole;
    ValidatedFloatProperty real;
    bool thrown = false;
    try {
        whole.assign(&real);
    } catch (const char *) {
        thrown = true;
    }
    QVERIFY(thrown);
    thrown = false;
    try {
        real.copyFrom(&whole);
    } catch (const char *) {
        thrown = true;
    }
    QVERIFY(thrown);
}

void TestValidatedProperty::sharedTimer()
{
    ValidatedIntProperty first;
    ValidatedStringProperty second;
    QTimer *timer = ValidatedProperty::validityTimer();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->parent(), nullptr);
    QVERIFY(!timer->isSingleShot());
    // Every property ages on this timer; a new one adds a connection, not a timer.
    QCOMPARE(ValidatedProperty::validityTimer(), timer);
}

// The shared timer that ages every value ticks once a second.
void TestValidatedProperty::sharedTimerTicksEverySecond()
{
    ValidatedIntProperty property(nullptr, nullptr, 0, 0, true, 1);
    QTimer *timer = ValidatedProperty::validityTimer();
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QElapsedTimer clock;
    clock.start();
    TickProbe probe(timer, [](int) {});
    QTRY_COMPARE_WITH_TIMEOUT(probe.ticks(), 2, 3000);
    // At least one whole interval; coarse timers may fire up to 5 % early.
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
}

// The ageing below runs on 20 ms ticks; each tick's outcome is read right after the tick.
void TestValidatedProperty::expiresAfterLimit()
{
    // Limit 1: still valid after the first tick, invalid on the second.
    ValidatedIntProperty property(nullptr, nullptr, 0, 0, true, 1);
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), fastTickMs);
    property.setValue(3);
    QSignalSpy changed(&property, &ValidatedProperty::valueChanged);
    QList<bool> valid;
    QList<int> counter;
    QList<int> changes;
    // The property was connected before the probe, so it has aged when the probe sees a tick.
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int) {
        valid << property.isValid();
        counter << property.validityCounter();
        changes << changed.count();
    });
    QTRY_VERIFY(probe.ticks() >= 4);
    QCOMPARE(valid.mid(0, 4), QList<bool>({ true, false, false, false }));
    QCOMPARE(counter.at(0), 1);
    QCOMPARE(counter.at(1), 0);
    QCOMPARE(changes.at(1), 1);
    QCOMPARE(property.value(), 3);
    // While invalid the counter goes on without another change.
    QVERIFY(counter.at(3) >= 2);
    QCOMPARE(changes.at(3), 1);
}

void TestValidatedProperty::refreshRestartsCount()
{
    ValidatedStringProperty property(nullptr, nullptr, 0, 0, true, 1);
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), fastTickMs);
    property.setValue(QStringLiteral("a"));
    QList<bool> valid;
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int tick) {
        valid << property.isValid();
        // A received field restarts the count: two more ticks are needed.
        if (tick == 1)
            QCOMPARE(property.setFromNmeaString(QStringLiteral("b")), 0);
    });
    QTRY_VERIFY(probe.ticks() >= 3);
    QCOMPARE(valid.mid(0, 3), QList<bool>({ true, true, false }));
}

void TestValidatedProperty::limitZeroAndNeverExpiring()
{
    ValidatedFloatProperty quick(nullptr, nullptr, 0, 0, true, 0);
    ValidatedFloatProperty never(nullptr, nullptr, 0, 0, true, -1);
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), fastTickMs);
    quick.setValue(1.0);
    never.setValue(2.0);
    QList<bool> quickValid;
    QList<bool> neverValid;
    QList<int> neverCounter;
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int) {
        quickValid << quick.isValid();
        neverValid << never.isValid();
        neverCounter << never.validityCounter();
    });
    QTRY_VERIFY(probe.ticks() >= 3);
    QCOMPARE(quickValid.first(), false);
    QCOMPARE(neverValid.mid(0, 3), QList<bool>({ true, true, true }));
    QCOMPARE(neverCounter.at(2), 0);
}

void TestValidatedProperty::metaTypesRegistered()
{
    ValidatedIntProperty property;
    const char *names[] = { "ValidatedProperty *", "ValidatedIntProperty *", "ValidatedFloatProperty *",
        "ValidatedStringProperty *" };
    for (const char *name : names)
        QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);

    const QVariant carried = QVariant::fromValue<ValidatedProperty *>(&property);
    QCOMPARE(carried.value<ValidatedProperty *>(), &property);
    QCOMPARE(qvariant_cast<ValidatedIntProperty *>(carried), &property);
}

QTEST_GUILESS_MAIN(TestValidatedProperty)
#include "tst_validatedproperty.moc"
