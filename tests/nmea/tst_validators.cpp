#include "comms/ListOfSfisOnNetwork.h"
#include "nmea/Validators.h"

#include <QtTest>

#include <limits>

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void baseAcceptsEverything();

    void intValidator_data();
    void intValidator();
    void intMessage();

    void uintValidator_data();
    void uintValidator();

    void floatValidator_data();
    void floatValidator();
    void floatMessageDefaults_data();
    void floatMessageDefaults();
    void floatMessageShowsConvertedBounds();
    void floatConvertLimits_data();
    void floatConvertLimits();
    void floatConvertLimitsDoesNotAccumulate();
    void floatSetBoundKeepsUnit();
    void floatSetBoundFromZero();

    void regexValidator_data();
    void regexValidator();

    void ipValidator_data();
    void ipValidator();
    void ipValidatorKeepsApprovalOnUnparsablePart_data();
    void ipValidatorKeepsApprovalOnUnparsablePart();
    void ipUnapprovedMessage();

    void sfiValidator();
    void sfiValidatorReadsNetworkListLive();
};

void TestValidators::baseAcceptsEverything()
{
    Validator validator(QStringLiteral("why"));
    QVERIFY(validator.validate(QString()));
    QVERIFY(validator.validate(QStringLiteral("anything at all")));
    QCOMPARE(validator.message(), QStringLiteral("why"));
    QCOMPARE(validator.format(), QString());
    validator.setFormat(QStringLiteral("xx.x"));
    validator.setMessage(QStringLiteral("other"));
    QCOMPARE(validator.format(), QStringLiteral("xx.x"));
    QCOMPARE(validator.message(), QStringLiteral("other"));
}

void TestValidators::intValidator_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lower bound") << 1 << 99 << "1" << true;
    QTest::newRow("upper bound") << 1 << 99 << "99" << true;
    QTest::newRow("below") << 1 << 99 << "0" << false;
    QTest::newRow("above") << 1 << 99 << "100" << false;
    QTest::newRow("letters") << 1 << 99 << "abc" << false;
    QTest::newRow("empty") << 1 << 99 << "" << false;
    QTest::newRow("decimal point") << 1 << 99 << "5.0" << false;
    QTest::newRow("negative in range") << -10 << 10 << "-10" << true;
    QTest::newRow("overflow") << std::numeric_limits<int>::min() << std::numeric_limits<int>::max()
                              << "2147483648" << false;
    QTest::newRow("hexadecimal") << 0 << 100 << "0x10" << false;
}

void TestValidators::intValidator()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    IntValidator validator(bottom, top, QString());
    QCOMPARE(validator.validate(text), accepted);
}

void TestValidators::intMessage()
{
    IntValidator validator(1, 99, QStringLiteral("between %1 and %2"));
    QCOMPARE(validator.message(), QStringLiteral("between 1 and 99"));
    validator.setBottom(-5);
    validator.setTop(7);
    QCOMPARE(validator.bottom(), -5);
    QCOMPARE(validator.top(), 7);
    QCOMPARE(validator.message(), QStringLiteral("between -5 and 7"));
    QVERIFY(validator.validate(QStringLiteral("-5")));
    QVERIFY(!validator.validate(QStringLiteral("8")));

    UintValidator unsignedValidator(0, 4294967295u, QStringLiteral("%1..%2"));
    QCOMPARE(unsignedValidator.message(), QStringLiteral("0..4294967295"));
}

void TestValidators::uintValidator_data()
{
    QTest::addColumn<uint>("bottom");
    QTest::addColumn<uint>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("largest") << 0u << 4294967295u << "4294967295" << true;
    QTest::newRow("zero") << 0u << 4294967295u << "0" << true;
    QTest::newRow("minus one") << 0u << 4294967295u << "-1" << false;
    QTest::newRow("overflow") << 0u << 4294967295u << "4294967296" << false;
    // Unsigned comparison: a bottom above the signed range still works.
    QTest::newRow("high bottom, below") << 3000000000u << 4000000000u << "2999999999" << false;
    QTest::newRow("high bottom, inside") << 3000000000u << 4000000000u << "3000000000" << true;
    QTest::newRow("empty") << 0u << 10u << "" << false;
}

void TestValidators::uintValidator()
{
    QFETCH(uint, bottom);
    QFETCH(uint, top);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    UintValidator validator(bottom, top, QString());
    QCOMPARE(validator.validate(text), accepted);
}

void TestValidators::floatValidator_data()
{
    QTest::addColumn<float>("bottom");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("additional");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    const float none = FloatValidator::noAdditionalValue;
    QTest::newRow("additional value 0") << 2.0f << 100.0f << 0.0f << "0" << true;
    QTest::newRow("additional value 0.0") << 2.0f << 100.0f << 0.0f << "0.0" << true;
    QTest::newRow("below bottom") << 2.0f << 100.0f << 0.0f << "1.9" << false;
    QTest::newRow("bottom") << 2.0f << 100.0f << 0.0f << "2" << true;
    QTest::newRow("top") << 2.0f << 100.0f << 0.0f << "100" << true;
    QTest::newRow("above top") << 2.0f << 100.0f << 0.0f << "100.1" << false;
    QTest::newRow("no additional value") << 2.0f << 100.0f << none << "0" << false;
    QTest::newRow("-101 is no additional value") << 2.0f << 100.0f << none << "-101" << false;
    QTest::newRow("not a number text") << 0.0f << 50.0f << none << "abc" << false;
    QTest::newRow("empty") << 0.0f << 50.0f << none << "" << false;
    QTest::newRow("comma") << 0.0f << 50.0f << none << "1,5" << false;
    QTest::newRow("exponent") << 0.0f << 5000.0f << none << "1e3" << true;
    QTest::newRow("beyond single precision")
        << -std::numeric_limits<float>::max() << std::numeric_limits<float>::max() << none << "1e39" << false;
    // Not-a-number compares neither below nor above the bounds; it must not slip through.
    QTest::newRow("nan") << 0.0f << 50.0f << none << "nan" << false;
    QTest::newRow("NaN") << 0.0f << 50.0f << none << "NaN" << false;
    QTest::newRow("inf") << -std::numeric_limits<float>::max() << std::numeric_limits<float>::max() << none
                         << "inf" << false;
    QTest::newRow("-inf") << -std::numeric_limits<float>::max() << std::numeric_limits<float>::max() << none
                          << "-inf" << false;
    QTest::newRow("nan with additional value") << 0.0f << 50.0f << 0.0f << "nan" << false;
}

void TestValidators::floatValidator()
{
    QFETCH(float, bottom);
    QFETCH(float, top);
    QFETCH(float, additional);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    FloatValidator validator(bottom, top, QString(), additional);
    QCOMPARE(validator.validate(text), accepted);
}

void TestValidators::floatMessageDefaults_data()
{
    QTest::addColumn<float>("additional");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("additional value, empty message")
        << 0.0f << QString() << QStringLiteral("value must be a real number between 2 and 100!");
    QTest::newRow("no additional value, empty message")
        << FloatValidator::noAdditionalValue << QString() << QString();
    QTest::newRow("additional value, own message")
        << 0.0f << QStringLiteral("from %1 to %2") << QStringLiteral("from 2 to 100");
}

void TestValidators::floatMessageDefaults()
{
    QFETCH(float, additional);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    FloatValidator validator(2.0f, 100.0f, message, additional);
    QCOMPARE(validator.message(), expected);
}

void TestValidators::floatMessageShowsConvertedBounds()
{
    FloatValidator validator(0.5f, 9.9f, QStringLiteral("%1-%2"));
    QCOMPARE(validator.message(), QStringLiteral("0-9"));
    FloatValidator negative(-9.9f, -0.5f, QStringLiteral("%1/%2"));
    QCOMPARE(negative.message(), QStringLiteral("-9/0"));

    FloatValidator depth(0.0f, 50.0f, QStringLiteral("%1 to %2"));
    depth.convertLimits(QStringLiteral("m"), QStringLiteral("ft"));
    QCOMPARE(depth.message(), QStringLiteral("0 to 164"));
}

void TestValidators::floatConvertLimits_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<float>("bottom");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("convertedBottom");
    QTest::addColumn<float>("convertedTop");

    QTest::newRow("m to ft") << "m"
                             << "ft" << 0.0f << 50.0f << 0.0f << 164.04199f;
    QTest::newRow("m to fm") << "m"
                             << "fm" << 0.0f << 100.0f << 0.0f << 54.680665f;
    QTest::newRow("fm to ft") << "fm"
                              << "ft" << 1.0f << 2.0f << 6.0f << 12.0f;
    QTest::newRow("ft to m") << "ft"
                             << "m" << 0.0f << 100.0f << 0.0f << 30.48f;
    QTest::newRow("kn to m/s") << "kn"
                               << "m/s" << -10.0f << 10.0f << -5.144444f << 5.144444f;
    QTest::newRow("kn to mi/h") << "kn"
                                << "mi/h" << 0.0f << 10.0f << 0.0f << 11.507794f;
    QTest::newRow("m/s to kn") << "m/s"
                               << "kn" << 0.0f << 1.0f << 0.0f << 1.9438445f;
    QTest::newRow("NM to Km") << "NM"
                              << "Km" << 0.0f << 1.0f << 0.0f << 1.852f;
    QTest::newRow("NM to Mi") << "NM"
                              << "Mi" << 0.0f << 1.0f << 0.0f << 1.15078f;
    QTest::newRow("Mi to Km") << "Mi"
                              << "Km" << 0.0f << 1.0f << 0.0f << 1.609344f;
    QTest::newRow("same unit") << "ft"
                               << "ft" << 0.0f << 50.0f << 0.0f << 50.0f;
    // Only the capitalised distance texts of the unit-scale settings are in the table.
    QTest::newRow("Km to mi") << "Km"
                              << "mi" << 0.0f << 50.0f << 0.0f << 50.0f;
    QTest::newRow("km to Mi") << "km"
                              << "Mi" << 0.0f << 50.0f << 0.0f << 50.0f;
    QTest::newRow("depth to speed") << "m"
                                    << "kn" << 0.0f << 50.0f << 0.0f << 50.0f;
    QTest::newRow("unknown") << "furlong"
                             << "m" << 0.0f << 50.0f << 0.0f << 50.0f;
}

void TestValidators::floatConvertLimits()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(float, bottom);
    QFETCH(float, top);
    QFETCH(float, convertedBottom);
    QFETCH(float, convertedTop);

    FloatValidator validator(bottom, top, QString());
    validator.convertLimits(from, to);
    QVERIFY2(qAbs(validator.convertedBottom() - convertedBottom) < 1e-4f,
        qPrintable(QString::number(double(validator.convertedBottom()))));
    QVERIFY2(qAbs(validator.convertedTop() - convertedTop) < 1e-4f,
        qPrintable(QString::number(double(validator.convertedTop()))));
    // The base-unit bounds never change.
    QCOMPARE(validator.bottom(), bottom);
    QCOMPARE(validator.top(), top);
}

void TestValidators::floatConvertLimitsDoesNotAccumulate()
{
    FloatValidator validator(0.0f, 50.0f, QString());
    validator.convertLimits(QStringLiteral("m"), QStringLiteral("ft"));
    QVERIFY(validator.validate(QStringLiteral("150")));
    QVERIFY(!validator.validate(QStringLiteral("165")));

    validator.convertLimits(QStringLiteral("m"), QStringLiteral("fm"));
    validator.convertLimits(QStringLiteral("m"), QStringLiteral("ft"));
    QVERIFY(qAbs(validator.convertedTop() - 164.04199f) < 1e-4f);

    validator.convertLimits(QStringLiteral("ft"), QStringLiteral("ft"));
    QCOMPARE(validator.convertedBottom(), 0.0f);
    QCOMPARE(validator.convertedTop(), 50.0f);
    QVERIFY(!validator.validate(QStringLiteral("150")));
}

void TestValidators::floatSetBoundKeepsUnit()
{
    // Bounds in metres, shown in feet: a moved bound is shown in feet too.
    FloatValidator validator(2.0f, 50.0f, QStringLiteral("%1 %2"));
    validator.convertLimits(QStringLiteral("m"), QStringLiteral("ft"));
    validator.setBottom(10.0f);
    QCOMPARE(validator.bottom(), 10.0f);
    QVERIFY(qAbs(validator.convertedBottom() - 32.808399f) < 1e-4f);
    validator.setTop(20.0f);
    QCOMPARE(validator.top(), 20.0f);
    QVERIFY(qAbs(validator.convertedTop() - 65.616798f) < 1e-4f);
    QCOMPARE(validator.message(), QStringLiteral("32 65"));

    // Without a conversion the converted bound is the bound itself.
    FloatValidator plain(2.0f, 50.0f, QString());
    plain.setBottom(7.0f);
    QCOMPARE(plain.convertedBottom(), 7.0f);
    QVERIFY(!plain.validate(QStringLiteral("6.9")));
    QVERIFY(plain.validate(QStringLiteral("7")));
}

void TestValidators::floatSetBoundFromZero()
{
    // Moving a bound that is 0 must not divide by it: the converted bound stays a number.
    FloatValidator validator(0.0f, 0.0f, QString());
    validator.convertLimits(QStringLiteral("m"), QStringLiteral("ft"));
    validator.setBottom(5.0f);
    validator.setTop(10.0f);
    QVERIFY(qIsFinite(validator.convertedBottom()));
    QVERIFY(qIsFinite(validator.convertedTop()));
    QVERIFY(qAbs(validator.convertedBottom() - 16.404199f) < 1e-4f);
    QVERIFY(qAbs(validator.convertedTop() - 32.808399f) < 1e-4f);
    QVERIFY(!validator.validate(QStringLiteral("16")));
    QVERIFY(validator.validate(QStringLiteral("20")));
    QVERIFY(!validator.validate(QStringLiteral("33")));

    // And back to 0, then away from it again.
    validator.setBottom(0.0f);
    QCOMPARE(validator.convertedBottom(), 0.0f);
    validator.setBottom(1.0f);
    QVERIFY(qAbs(validator.convertedBottom() - 3.2808399f) < 1e-4f);
}

void TestValidators::regexValidator_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("whole match") << "[a-z]+"
                                 << "abc" << true;
    QTest::newRow("partial match is refused") << "[a-z]+"
                                              << "abc1" << false;
    QTest::newRow("case sensitive") << "[a-z]+"
                                    << "ABC" << false;
    QTest::newRow("empty text") << "[a-z]*"
                                << "" << true;
    QTest::newRow("escape class") << "\\d{3}"
                                  << "123" << true;
    QTest::newRow("any decimal digit") << "\\d{2}" << QString::fromUtf8("\u0663\u0664") << true;
    QTest::newRow("alternatives cover the whole text") << "ab|abc"
                                                       << "abc" << true;
    QTest::newRow("invalid pattern refuses") << "[a-"
                                             << "[a-" << false;
}

void TestValidators::regexValidator()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    RegexValidator validator(pattern, QStringLiteral("no"));
    QCOMPARE(validator.validate(text), accepted);
    QCOMPARE(validator.message(), QStringLiteral("no"));
}

void TestValidators::ipValidator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("approved");

    QTest::newRow("192.168 private") << "192.168.1.10" << true << true;
    QTest::newRow("10 private") << "10.1.2.3" << true << true;
    QTest::newRow("172.31 private") << "172.31.0.1" << true << true;
    QTest::newRow("172.16 private") << "172.16.0.1" << true << true;
    QTest::newRow("172.32 public") << "172.32.0.1" << true << false;
    QTest::newRow("172.15 public") << "172.15.0.1" << true << false;
    QTest::newRow("public") << "8.8.8.8" << true << false;
    QTest::newRow("last 255") << "10.0.0.255" << false << false;
    QTest::newRow("last 0") << "10.0.0.0" << false << false;
    QTest::newRow("last 254") << "10.0.0.254" << true << true;
    QTest::newRow("part 256") << "10.256.0.1" << false << false;
    QTest::newRow("group address 64") << "239.192.0.64" << false << false;
    QTest::newRow("group address 1") << "239.192.0.1" << false << false;
    QTest::newRow("after group addresses") << "239.192.0.65" << true << false;
    QTest::newRow("other multicast") << "239.192.1.1" << true << false;
    QTest::newRow("three parts") << "1.2.3" << false << false;
    QTest::newRow("five parts") << "1.2.3.4.5" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestValidators::ipValidator()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(bool, approved);

    IpValidator validator(QStringLiteral("bad address"));
    QVERIFY(validator.isInApprovedRange());
    QCOMPARE(validator.validate(text), accepted);
    QCOMPARE(validator.isInApprovedRange(), approved);
    QCOMPARE(validator.message(), QStringLiteral("bad address"));
}

void TestValidators::ipValidatorKeepsApprovalOnUnparsablePart_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty part") << "1..2.3";
    QTest::newRow("letters") << "a.b.c.d";
    QTest::newRow("trailing dot") << "10.0.0.";
    // Parts the integer conversion would take, but which are no digits: a blank in a stored
    // address would cut the settings line it is kept in.
    QTest::newRow("leading blank") << "192.168.1. 10";
    QTest::newRow("trailing blank") << "192.168.1.10 ";
    QTest::newRow("inner blank") << "192.168 .1.10";
    QTest::newRow("plus sign") << "192.168.+1.10";
    QTest::newRow("minus sign") << "192.168.-1.10";
    QTest::newRow("non-ascii digit") << QString::fromUtf8("192.168.1.\u0663");
    QTest::newRow("too many digits") << "192.168.1.99999999999";
}

void TestValidators::ipValidatorKeepsApprovalOnUnparsablePart()
{
    QFETCH(QString, text);

    IpValidator validator { QString() };
    QVERIFY(!validator.validate(text));
    QVERIFY(validator.isInApprovedRange());

    QVERIFY(validator.validate(QStringLiteral("8.8.8.8")));
    QVERIFY(!validator.isInApprovedRange());
    QVERIFY(!validator.validate(text));
    QVERIFY(!validator.isInApprovedRange());
}

void TestValidators::ipUnapprovedMessage()
{
    IpValidator validator { QString() };
    const QString expected = QStringLiteral("Unapproved IP address, approved ranges are:\n"
                                            "(10.0.0.0 - 10.255.255.255),\n"
                                            "(172.16.0.0 - 172.31.255.255),\n"
                                            "(192.168.0.0 - 192.168.255.255)");
    QCOMPARE(validator.unapprovedRangeMessage(), expected);
    QCOMPARE(expected.length(), 135);
}

void TestValidators::sfiValidator()
{
    const QStringList taken { QStringLiteral("II0001") };
    SfiValidator validator(
        &taken, QStringLiteral("[a-zA-Z]{2}\\d{4}"), QStringLiteral("taken"), QStringLiteral("invalid"));
    QCOMPARE(validator.message(), QStringLiteral("invalid"));

    QVERIFY(!validator.validate(QStringLiteral("II0001")));
    QCOMPARE(validator.message(), QStringLiteral("taken"));
    QVERIFY(!validator.validate(QStringLiteral("II01")));
    QCOMPARE(validator.message(), QStringLiteral("invalid"));
    QVERIFY(validator.validate(QStringLiteral("II0002")));
    // An accepted text leaves the last refusal's text in place.
    QCOMPARE(validator.message(), QStringLiteral("invalid"));
    // The taken list is compared exactly.
    QVERIFY(validator.validate(QStringLiteral("ii0001")));
}

void TestValidators::sfiValidatorReadsNetworkListLive()
{
    ListOfSfisOnNetwork *list = ListOfSfisOnNetwork::instance();
    QCOMPARE(ListOfSfisOnNetwork::instance(), list);
    QStringList *seen = list->sfisOnNetwork();
    QCOMPARE(list->sfisOnNetwork(), seen);

    SfiValidator validator(
        seen, QStringLiteral("[a-zA-Z]{2}\\d{4}"), QStringLiteral("taken"), QStringLiteral("invalid"));
    QVERIFY(validator.validate(QStringLiteral("AB1234")));

    list->addSfi(QStringLiteral("AB1234"));
    list->addSfi(QStringLiteral("AB1234"));
    QCOMPARE(seen->count(QStringLiteral("AB1234")), 1);
    QVERIFY(!validator.validate(QStringLiteral("AB1234")));
    QCOMPARE(validator.message(), QStringLiteral("taken"));

    list->removeSfi(QStringLiteral("AB1234"));
    QVERIFY(validator.validate(QStringLiteral("AB1234")));
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
