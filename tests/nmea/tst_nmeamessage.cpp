#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/ValidatedProperty.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QtTest>

#include <functional>
#include <memory>

// Sentence classes of this test only: they declare their fields and nothing else, as every sentence class
// does; the base parses and writes them.

// A GGA-like sentence with the field descriptions of the position fix.
class TstGga : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *UtcOfPosition MEMBER m_utcOfPosition)
    Q_PROPERTY(ValidatedFloatProperty *Latitude MEMBER m_latitude)
    Q_PROPERTY(ValidatedStringProperty *NorthOrSouth MEMBER m_northOrSouth)
    Q_PROPERTY(ValidatedFloatProperty *Longitude MEMBER m_longitude)
    Q_PROPERTY(ValidatedStringProperty *EastOrWest MEMBER m_eastOrWest)
    Q_PROPERTY(ValidatedIntProperty *GpsQualityIndicator MEMBER m_gpsQualityIndicator)
    Q_PROPERTY(ValidatedIntProperty *NumberOfSatellitesInUse MEMBER m_numberOfSatellitesInUse)
    Q_PROPERTY(ValidatedFloatProperty *HorizontalDilutionOfPrecision MEMBER m_horizontalDilutionOfPrecision)
    Q_CLASSINFO("UtcOfPosition", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("Latitude", "type=float fixedDigitsBeforePoint=4")
    Q_CLASSINFO("NorthOrSouth", "type=string validator=[NS]{1,1} fixedLength=1")
    Q_CLASSINFO("Longitude", "type=float fixedDigitsBeforePoint=5")
    Q_CLASSINFO("EastOrWest", "type=string validator=[EW]{1,1} fixedLength=1")
    Q_CLASSINFO(
        "GpsQualityIndicator", "type=int canBeNullField=false fixedLength=1 validator=0;8 defaultValue=0")
    Q_CLASSINFO("NumberOfSatellitesInUse", "type=int fixedLength=2 validator=0;12")
    Q_CLASSINFO("HorizontalDilutionOfPrecision", "type=float")
public:
    explicit TstGga(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("GGA"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_utcOfPosition = nullptr;
    ValidatedFloatProperty *m_latitude = nullptr;
    ValidatedStringProperty *m_northOrSouth = nullptr;
    ValidatedFloatProperty *m_longitude = nullptr;
    ValidatedStringProperty *m_eastOrWest = nullptr;
    ValidatedIntProperty *m_gpsQualityIndicator = nullptr;
    ValidatedIntProperty *m_numberOfSatellitesInUse = nullptr;
    ValidatedFloatProperty *m_horizontalDilutionOfPrecision = nullptr;
};

// Three fields: the first may be null, the last may not and has a default.
class TstThree : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *First MEMBER m_first)
    Q_PROPERTY(ValidatedFloatProperty *Second MEMBER m_second)
    Q_PROPERTY(ValidatedStringProperty *Third MEMBER m_third)
    Q_CLASSINFO("First", "type=int")
    Q_CLASSINFO("Second", "type=float maxFieldLength=4")
    Q_CLASSINFO("Third", "type=string canBeNullField=false validator=[AV]{1,1} fixedLength=1 defaultValue=V")
public:
    explicit TstThree(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("TRE"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_first = nullptr;
    ValidatedFloatProperty *m_second = nullptr;
    ValidatedStringProperty *m_third = nullptr;
};

// Like TstThree, but the first field may not be empty.
class TstNotNull : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *First MEMBER m_first)
    Q_CLASSINFO("First", "type=int canBeNullField=false")
public:
    explicit TstNotNull(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("NNL"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_first = nullptr;
};

// A heading sentence, for the written form of a whole sentence.
class TstHdt : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *HeadingTrue MEMBER m_headingTrue)
    Q_PROPERTY(ValidatedStringProperty *True MEMBER m_true)
    Q_CLASSINFO("HeadingTrue", "type=float")
    Q_CLASSINFO("True", "type=string validator=T{1,1} fixedLength=1")
public:
    explicit TstHdt(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("HDT"))
    {
        initializeProperties(this);
    }

private:
    ValidatedFloatProperty *m_headingTrue = nullptr;
    ValidatedStringProperty *m_true = nullptr;
};

// No fields at all.
class TstEmpty : public NmeaMessage
{
    Q_OBJECT
public:
    explicit TstEmpty(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("EMP"))
    {
        initializeProperties(this);
    }
};

// One field per writing rule.
class TstWriting : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *TwoDigits MEMBER m_twoDigits)
    Q_PROPERTY(ValidatedFloatProperty *SixBeforePoint MEMBER m_sixBeforePoint)
    Q_PROPERTY(ValidatedFloatProperty *NoDecimals MEMBER m_noDecimals)
    Q_PROPERTY(ValidatedFloatProperty *DefaultDecimals MEMBER m_defaultDecimals)
    Q_PROPERTY(ValidatedFloatProperty *TwoDecimalsReceived MEMBER m_twoDecimalsReceived)
    Q_PROPERTY(ValidatedStringProperty *Untyped MEMBER m_untyped)
    Q_CLASSINFO("TwoDigits", "type=int fixedLength=2 validator=0;12")
    Q_CLASSINFO("SixBeforePoint", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("NoDecimals", "type=float sendDecimals=0")
    Q_CLASSINFO("DefaultDecimals", "type=float")
    Q_CLASSINFO("TwoDecimalsReceived", "type=float leastDecimalsReceived=2 validator=-10;10")
    Q_CLASSINFO("Untyped", "maxFieldLength=3")
public:
    explicit TstWriting(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("WRT"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_twoDigits = nullptr;
    ValidatedFloatProperty *m_sixBeforePoint = nullptr;
    ValidatedFloatProperty *m_noDecimals = nullptr;
    ValidatedFloatProperty *m_defaultDecimals = nullptr;
    ValidatedFloatProperty *m_twoDecimalsReceived = nullptr;
    ValidatedStringProperty *m_untyped = nullptr;
};

// A field that never expires and one that expires on the first tick of the shared timer.
class TstAgeing : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Lasting MEMBER m_lasting)
    Q_PROPERTY(ValidatedIntProperty *Fleeting MEMBER m_fleeting)
    Q_CLASSINFO("Lasting", "type=int validityLimit=-1")
    Q_CLASSINFO("Fleeting", "type=int validityLimit=0")
public:
    explicit TstAgeing(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("AGE"))
    {
        initializeProperties(this);
    }

private:
    ValidatedIntProperty *m_lasting = nullptr;
    ValidatedIntProperty *m_fleeting = nullptr;
};

// The same key in both registries for different classes.
class TstDpt : public NmeaMessage
{
    Q_OBJECT
public:
    explicit TstDpt(const QString &talker)
        : NmeaMessage(talker, QStringLiteral("DPT"))
    {
        initializeProperties(this);
    }
};

class TstPqrvDpt : public NmeaMessage
{
    Q_OBJECT
public:
    // A proprietary class ignores the talker it is created with.
    explicit TstPqrvDpt(const QString &)
        : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("DPT"))
    {
        initializeProperties(this);
    }
};

class TstPqrvPair : public NmeaMessage
{
    Q_OBJECT
public:
    explicit TstPqrvPair(const QString &)
        : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("PAIR"))
    {
        initializeProperties(this);
    }
};

// Objects with wrong descriptions. They are plain objects: the test runs the field initialisation on them.
class BadNullFlag : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int canBeNullField=true")
    ValidatedIntProperty *m_value = nullptr;
};

class BadLength : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int fixedLength=two")
    ValidatedIntProperty *m_value = nullptr;
};

class BadUnknownKey : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int length=2")
    ValidatedIntProperty *m_value = nullptr;
};

class BadDoubleBlank : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int  fixedLength=2")
    ValidatedIntProperty *m_value = nullptr;
};

class BadIntBounds : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int validator=low;8")
    ValidatedIntProperty *m_value = nullptr;
};

class BadFloatBounds : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=float validator=0")
    ValidatedFloatProperty *m_value = nullptr;
};

class BadValidatorType : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "validator=[AV]")
    ValidatedStringProperty *m_value = nullptr;
};

class BadName : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Valeu", "type=int")
    ValidatedIntProperty *m_value = nullptr;
};

class BadMissingEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *First MEMBER m_first)
    Q_PROPERTY(ValidatedIntProperty *Second MEMBER m_second)
    Q_CLASSINFO("First", "type=int")
    ValidatedIntProperty *m_first = nullptr;
    ValidatedIntProperty *m_second = nullptr;
};

class BadKind : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int")
    ValidatedStringProperty *m_value = nullptr;
};

class BadDefault : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *Value MEMBER m_value)
    Q_CLASSINFO("Value", "type=int defaultValue=one")
    ValidatedIntProperty *m_value = nullptr;
};

namespace {

const bool s_registered = registerStandardMessage<TstGga>(QStringLiteral("GGA"))
    && registerStandardMessage<TstHdt>(QStringLiteral("HDT"))
    && registerStandardMessage<TstDpt>(QStringLiteral("DPT"))
    && registerProprietaryMessage<TstPqrvDpt>(QStringLiteral("DPT"))
    && registerProprietaryMessage<TstPqrvPair>(QStringLiteral("PAIR"));

template <typename Kind> Kind *fieldAs(const NmeaMessage &message, const char *name)
{
    return qobject_cast<Kind *>(message.field(name));
}

// The field text of every field, "-" for an invalid one.
QStringList fieldStates(const NmeaMessage &message)
{
    QStringList states;
    for (int i = 0; i < message.fieldCount(); ++i)
        states << (message.field(i)->isValid() ? message.field(i)->toNmeaString() : QStringLiteral("-"));
    return states;
}

// A refused field is reported in two lines: what failed in which field, then the formatter.
void expectParseReport()
{
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("^(invalid value|wrong field length) ")));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("  error in NmeaMessage::deserializeParamaters$")));
}

using Maker = std::function<QObject *()>;
// Programming errors are thrown as character strings.
using ThrownText = const char *;

} // namespace

Q_DECLARE_METATYPE(Maker)

class tst_NmeaMessage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fieldsFromDescription();
    void defaultsAndFallback();
    void validators_data();
    void validators();
    void patternValidator_data();
    void patternValidator();
    void descriptionErrors_data();
    void descriptionErrors();
    void parse_data();
    void parse();
    void failedParseKeepsText();
    void receivedRules_data();
    void receivedRules();
    void writing();
    void toSentence();
    void copyFieldsFrom();
    void copyFieldsFromOtherClass();
    void safeFlags();
    void fieldsAge();
    void registries();
    void factory_data();
    void factory();
};

void tst_NmeaMessage::initTestCase()
{
    QVERIFY(s_registered);
}

void tst_NmeaMessage::fieldsFromDescription()
{
    TstGga gga(QStringLiteral("GP"));
    QCOMPARE(gga.talker(), QStringLiteral("GP"));
    QCOMPARE(gga.formatter(), QStringLiteral("GGA"));
    QCOMPARE(gga.fieldCount(), 8);
    // The fields are the values of the properties, in property order, and children of the message.
    for (int i = 0; i < gga.fieldCount(); ++i) {
        const QMetaProperty property = gga.metaObject()->property(i + 1);
        QCOMPARE(property.read(&gga).value<ValidatedProperty *>(), gga.field(i));
        QCOMPARE(gga.field(i)->parent(), &gga);
    }
    QVERIFY(fieldAs<ValidatedFloatProperty>(gga, "UtcOfPosition"));
    QVERIFY(fieldAs<ValidatedStringProperty>(gga, "NorthOrSouth"));
    QVERIFY(fieldAs<ValidatedIntProperty>(gga, "NumberOfSatellitesInUse"));
    QCOMPARE(fieldAs<ValidatedFloatProperty>(gga, "Latitude")->fixedDigitsBeforePoint(), 4);
    QCOMPARE(fieldAs<ValidatedFloatProperty>(gga, "Latitude")->sendDecimals(), 1);
    QCOMPARE(gga.field("NorthOrSouth")->fixedLength(), 1);
    QCOMPARE(gga.field("UtcOfPosition")->validityLimit(), 10);
    QVERIFY(gga.field("UtcOfPosition")->canBeNullField());
    QVERIFY(!gga.field("UtcOfPosition")->isValid());
    QVERIFY(!gga.field("NoSuchField"));
    QCOMPARE(NmeaMessage::fieldOf(&gga, "Longitude"), gga.field(3));
    QVERIFY(!NmeaMessage::fieldOf(&gga, "NoSuchField"));
}

void tst_NmeaMessage::defaultsAndFallback()
{
    TstGga gga(QStringLiteral("GP"));
    auto *quality = fieldAs<ValidatedIntProperty>(gga, "GpsQualityIndicator");
    QVERIFY(quality->isValid());
    QCOMPARE(quality->value(), 0);
    QCOMPARE(quality->fallbackText(), QStringLiteral("0"));
    QVERIFY(!quality->canBeNullField());
    QCOMPARE(quality->fixedLength(), 1);
    auto *validator = qobject_cast<QIntValidator *>(quality->validator());
    QVERIFY(validator);
    QCOMPARE(validator->bottom(), 0);
    QCOMPARE(validator->top(), 8);
    QCOMPARE(validator->parent(), quality);

    TstThree three(QStringLiteral("GP"));
    auto *third = fieldAs<ValidatedStringProperty>(three, "Third");
    QVERIFY(third->isValid());
    QCOMPARE(third->value(), QStringLiteral("V"));
    QCOMPARE(third->fallbackText(), QStringLiteral("V"));
}

void tst_NmeaMessage::validators_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("className");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");

    QTest::newRow("no text") << "int" << QString() << QString() << 0.0 << 0.0;
    QTest::newRow("no text, unknown type") << "bool" << QString() << QString() << 0.0 << 0.0;
    QTest::newRow("int") << "int"
                         << "0;12"
                         << "QIntValidator" << 0.0 << 12.0;
    QTest::newRow("int bounds cut toward zero") << "int"
                                                << "-1.5;99.9"
                                                << "QIntValidator" << -1.0 << 99.0;
    QTest::newRow("int further parts ignored") << "int"
                                               << "1;3;7"
                                               << "QIntValidator" << 1.0 << 3.0;
    QTest::newRow("int bounds beyond int") << "int"
                                           << "0;4294967295"
                                           << "QIntValidator" << 0.0 << 2147483647.0;
    QTest::newRow("float") << "float"
                           << "0;1000"
                           << "QDoubleValidator" << 0.0 << 1000.0;
    QTest::newRow("float negative") << "float"
                                    << "-10.5;10.5"
                                    << "QDoubleValidator" << -10.5 << 10.5;
    QTest::newRow("string") << "string"
                            << "[NS]{1,1}"
                            << "QRegularExpressionValidator" << 0.0 << 0.0;
}

void tst_NmeaMessage::validators()
{
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(QString, className);
    QFETCH(double, bottom);
    QFETCH(double, top);

    std::unique_ptr<QValidator> validator(NmeaMessage::createValidator(type, text));
    if (className.isEmpty()) {
        QVERIFY(!validator);
        return;
    }
    QVERIFY(validator);
    QCOMPARE(QString::fromLatin1(validator->metaObject()->className()), className);
    QVERIFY(!validator->parent());
    QCOMPARE(validator->locale().language(), QLocale::English);
    if (auto *intValidator = qobject_cast<QIntValidator *>(validator.get())) {
        QCOMPARE(double(intValidator->bottom()), bottom);
        QCOMPARE(double(intValidator->top()), top);
    } else if (auto *doubleValidator = qobject_cast<QDoubleValidator *>(validator.get())) {
        QCOMPARE(doubleValidator->bottom(), bottom);
        QCOMPARE(doubleValidator->top(), top);
        QCOMPARE(doubleValidator->decimals(), 1000);
        QCOMPARE(doubleValidator->notation(), QDoubleValidator::StandardNotation);
        QString exponent = QStringLiteral("1e2");
        int position = 0;
        QVERIFY(doubleValidator->validate(exponent, position) != QValidator::Acceptable);
    } else {
        auto *regexValidator = qobject_cast<QRegularExpressionValidator *>(validator.get());
        QVERIFY(regexValidator);
        QCOMPARE(regexValidator->regularExpression().pattern(), text);
        // The whole text must match.
        QString partial = QStringLiteral("NS");
        int position = 0;
        QVERIFY(regexValidator->validate(partial, position) != QValidator::Acceptable);
    }
}

void tst_NmeaMessage::patternValidator_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("input");

    QTest::newRow("whole match") << "[NS]{1,1}"
                                 << "N";
    QTest::newRow("longer text") << "[NS]{1,1}"
                                 << "NS";
    QTest::newRow("other letter") << "[NS]{1,1}"
                                  << "E";
    QTest::newRow("empty text") << "[NS]{1,1}" << QString();
    QTest::newRow("partial") << "T[0-9]{3}"
                             << "T1";
    QTest::newRow("prefix only matches") << "A|AB"
                                         << "AB";
    QTest::newRow("alternatives anchored as a whole") << "A|B"
                                                      << "AB";
}

void tst_NmeaMessage::patternValidator()
{
    QFETCH(QString, pattern);
    QFETCH(QString, input);

    // The text fields' validator answers as the toolkit's own does, also after its pattern is replaced.
    std::unique_ptr<QValidator> validator(NmeaMessage::createValidator(QStringLiteral("string"), pattern));
    auto *regexValidator = qobject_cast<QRegularExpressionValidator *>(validator.get());
    QVERIFY(regexValidator);
    QRegularExpressionValidator reference { QRegularExpression(pattern) };
    QString text = input;
    QString referenceText = input;
    int position = 0;
    int referencePosition = 0;
    QCOMPARE(regexValidator->validate(text, position), reference.validate(referenceText, referencePosition));
    QCOMPARE(position, referencePosition);

    // A pattern that does not compile would refuse every text: a description error.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("classinfo error")));
    QVERIFY_EXCEPTION_THROWN(
        NmeaMessage::createValidator(QStringLiteral("string"), QStringLiteral("[A")), ThrownText);

    regexValidator->setRegularExpression(QRegularExpression(QStringLiteral("X")));
    reference.setRegularExpression(QRegularExpression(QStringLiteral("X")));
    QCOMPARE(regexValidator->validate(text, position), reference.validate(referenceText, referencePosition));
    QString x = QStringLiteral("X");
    QCOMPARE(regexValidator->validate(x, position), QValidator::Acceptable);
}

void tst_NmeaMessage::descriptionErrors_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("thrown");

    const QString fieldError
        = QStringLiteral("void NmeaMessage::initializeProperties(): classinfo field error!");
    const QString classinfoError
        = QStringLiteral("void NmeaMessage::initializeProperties(): classinfo error!");
    const QString nameError = QStringLiteral(
        "void NmeaMessage::initializeProperties(): classinfo name and property name don't match!");

    QTest::newRow("canBeNullField true") << Maker([] { return new BadNullFlag; }) << fieldError;
    QTest::newRow("unknown key") << Maker([] { return new BadUnknownKey; }) << fieldError;
    QTest::newRow("empty item") << Maker([] { return new BadDoubleBlank; }) << fieldError;
    QTest::newRow("length not an integer") << Maker([] { return new BadLength; }) << classinfoError;
    QTest::newRow("default not an integer") << Maker([] { return new BadDefault; }) << classinfoError;
    QTest::newRow("int bound not a number")
        << Maker([] { return new BadIntBounds; })
        << QStringLiteral("QValidator *NmeaMessage::createValidator: classinfo error!");
    QTest::newRow("float bounds without second part")
        << Maker([] { return new BadFloatBounds; })
        << QStringLiteral("QValidator *NmeaMessage::createValidator: classinfo error!");
    QTest::newRow("validator without type")
        << Maker([] { return new BadValidatorType; })
        << QStringLiteral("QValidator *NmeaMessage::createValidator: classinfo type error!");
    QTest::newRow("entry name differs") << Maker([] { return new BadName; }) << nameError;
    QTest::newRow("entry missing") << Maker([] { return new BadMissingEntry; }) << nameError;
    QTest::newRow("type and declared kind differ")
        << Maker([] { return new BadKind; })
        << QStringLiteral(
               "void NmeaMessage::initializeProperties(): classinfo type and property type don't match!");
}

void tst_NmeaMessage::descriptionErrors()
{
    QFETCH(Maker, make);
    QFETCH(QString, thrown);

    std::unique_ptr<QObject> object(make());
    // Each error is logged before it is thrown.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("classinfo")));
    QString caught;
    try {
        NmeaMessage::initializeProperties(object.get());
    } catch (const char *text) {
        caught = QString::fromLatin1(text);
    }
    QCOMPARE(caught, thrown);
}

void tst_NmeaMessage::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("all fields") << "1,2.5,A" << 0 << QStringList { "1", "2.5", "A" };
    QTest::newRow("fewer parts") << "1,2" << 0 << QStringList { "1", "2.0", "V" };
    QTest::newRow("more parts ignored") << "1,2,A,4" << 0 << QStringList { "1", "2.0", "A" };
    QTest::newRow("empty text, null allowed") << QString() << 0 << QStringList { "-", "-", "V" };
    QTest::newRow("empty field 3 not allowed") << ",3," << 6 << QStringList { "-", "3.0", "V" };
    QTest::newRow("wrong length in field 2") << "1,12345,A" << 4 << QStringList { "1", "-", "V" };
    QTest::newRow("invalid value in field 1") << "x,2,A" << 6 << QStringList { "-", "-", "V" };
    QTest::newRow("validator refuses field 3") << "1,2,X" << 6 << QStringList { "1", "2.0", "V" };
}

void tst_NmeaMessage::parse()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(QStringList, fields);

    TstThree message(QStringLiteral("GP"));
    if (result != 0)
        expectParseReport();
    QCOMPARE(message.deserializeParamaters(text), result);
    QCOMPARE(fieldStates(message), fields);
    QCOMPARE(message.parameters(), text.isEmpty() ? message.serializeParameters() : text);
}

void tst_NmeaMessage::failedParseKeepsText()
{
    TstNotNull notNull(QStringLiteral("GP"));
    QTest::ignoreMessage(QtDebugMsg, "invalid value First");
    QTest::ignoreMessage(QtDebugMsg, "NNL  error in NmeaMessage::deserializeParamaters");
    QCOMPARE(notNull.deserializeParamaters(QString()), int(NmeaInvalidValueError));

    TstThree three(QStringLiteral("GP"));
    QTest::ignoreMessage(QtDebugMsg, "wrong field length Second");
    QTest::ignoreMessage(QtDebugMsg, "TRE  error in NmeaMessage::deserializeParamaters");
    QCOMPARE(three.deserializeParamaters(QStringLiteral("7,12345,A")), int(NmeaFieldLengthError));
    // Field 3 keeps its default; the message writes the received text, not its fields.
    QCOMPARE(three.field(2)->toNmeaString(), QStringLiteral("V"));
    QCOMPARE(three.serializeParameters(), QStringLiteral("7,12345,A"));
    QCOMPARE(three.toSentence(),
        QStringLiteral("$GPTRE,7,12345,A*") + nmeaStringChecksum("GPTRE,7,12345,A") + QStringLiteral("\r\n"));
    // An empty raw text lets the fields be written again.
    three.setParameters(QString());
    QCOMPARE(three.serializeParameters(), QStringLiteral("7,,V"));
}

void tst_NmeaMessage::receivedRules_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");

    QTest::newRow("fixed length 2: 08") << QByteArray("TwoDigits") << "08" << 0;
    QTest::newRow("fixed length 2: 8") << QByteArray("TwoDigits") << "8" << 4;
    QTest::newRow("fixed length 2 and range: 13") << QByteArray("TwoDigits") << "13" << 6;
    QTest::newRow("six before point") << QByteArray("SixBeforePoint") << "123456.78" << 0;
    QTest::newRow("five before point") << QByteArray("SixBeforePoint") << "23456.78" << 4;
    QTest::newRow("two decimals received") << QByteArray("TwoDecimalsReceived") << "1.25" << 0;
    QTest::newRow("one decimal received") << QByteArray("TwoDecimalsReceived") << "1.2" << 4;
    QTest::newRow("no point received") << QByteArray("TwoDecimalsReceived") << "1" << 4;
    QTest::newRow("float out of range") << QByteArray("TwoDecimalsReceived") << "11.00" << 6;
    QTest::newRow("max length 3") << QByteArray("Untyped") << "abc" << 0;
    QTest::newRow("max length exceeded") << QByteArray("Untyped") << "abcd" << 4;
}

void tst_NmeaMessage::receivedRules()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(int, result);

    TstWriting message(QStringLiteral("GP"));
    // Put the text in its own field, leaving the others empty.
    QStringList parts;
    for (int i = 0; i < message.fieldCount(); ++i)
        parts << (message.metaObject()->property(i + 1).name() == field ? text : QString());
    if (result != 0)
        expectParseReport();
    QCOMPARE(message.deserializeParamaters(parts.join(QLatin1Char(','))), result);
    QCOMPARE(message.field(field.constData())->isValid(), result == 0);
}

void tst_NmeaMessage::writing()
{
    TstWriting message(QStringLiteral("GP"));
    fieldAs<ValidatedIntProperty>(message, "TwoDigits")->setValue(8);
    fieldAs<ValidatedFloatProperty>(message, "SixBeforePoint")->setValue(1234.56);
    fieldAs<ValidatedFloatProperty>(message, "NoDecimals")->setValue(100.0);
    fieldAs<ValidatedFloatProperty>(message, "DefaultDecimals")->setValue(100.0);
    // TwoDecimalsReceived stays invalid and may be null: an empty field.
    fieldAs<ValidatedStringProperty>(message, "Untyped")->setValue(QStringLiteral("x"));
    QCOMPARE(message.serializeParameters(), QStringLiteral("08,001234.6,100,100.0,,x"));
    QCOMPARE(message.parameters(), message.serializeParameters());

    // A field that may not be null is written as its fallback text while invalid.
    TstGga gga(QStringLiteral("GP"));
    gga.field("GpsQualityIndicator")->setValid(false);
    QCOMPARE(gga.serializeParameters(), QStringLiteral(",,,,,0,,"));

    // A description without type or validator gives a text field without validator.
    QVERIFY(!message.field("Untyped")->validator());
}

void tst_NmeaMessage::toSentence()
{
    TstHdt hdt(QStringLiteral("GP"));
    fieldAs<ValidatedFloatProperty>(hdt, "HeadingTrue")->setValue(123.4);
    fieldAs<ValidatedStringProperty>(hdt, "True")->setValue(QStringLiteral("T"));
    const QString sentence = hdt.toSentence();
    QCOMPARE(sentence, QStringLiteral("$GPHDT,123.4,T*31\r\n"));
    QCOMPARE(sentence.length(), 19);

    // A sentence is written as it is read.
    QString received = sentence;
    QCOMPARE(NmeaMessage::checkSentence(received), 0);

    TstEmpty empty(QStringLiteral("GP"));
    QCOMPARE(empty.fieldCount(), 0);
    QCOMPARE(empty.toSentence(),
        QStringLiteral("$GPEMP,*") + nmeaStringChecksum("GPEMP,") + QStringLiteral("\r\n"));
    QVERIFY(empty.toSentence().contains(QStringLiteral(",*")));
}

void tst_NmeaMessage::copyFieldsFrom()
{
    TstThree source(QStringLiteral("GP"));
    QCOMPARE(source.deserializeParamaters(QStringLiteral("5,1.5,A")), 0);
    source.field(1)->setValid(false);
    source.field(0)->setSafe(false);

    TstThree target(QStringLiteral("GP"));
    QCOMPARE(target.deserializeParamaters(QStringLiteral("9,9.5,V")), 0);
    target.copyFieldsFrom(&source);
    QCOMPARE(fieldAs<ValidatedIntProperty>(target, "First")->value(), 5);
    QVERIFY(!target.field(0)->isSafe());
    // The invalid source field leaves the old value but makes the target field invalid.
    QVERIFY(!target.field(1)->isValid());
    QCOMPARE(fieldAs<ValidatedFloatProperty>(target, "Second")->value(), 9.5);
    QCOMPARE(fieldAs<ValidatedStringProperty>(target, "Third")->value(), QStringLiteral("A"));
}

void tst_NmeaMessage::copyFieldsFromOtherClass()
{
    // Fields are matched by index: another class is a programming error, not a silent mix-up.
    TstThree three(QStringLiteral("GP"));
    TstGga gga(QStringLiteral("GP"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("different classes")));
    QVERIFY_EXCEPTION_THROWN(three.copyFieldsFrom(&gga), ThrownText);
}

void tst_NmeaMessage::safeFlags()
{
    TstGga gga(QStringLiteral("GP"));
    gga.setAllFieldsSafe(false);
    for (int i = 0; i < gga.fieldCount(); ++i)
        QVERIFY(!gga.field(i)->isSafe());
    gga.setAllFieldsSafe(true);
    for (int i = 0; i < gga.fieldCount(); ++i)
        QVERIFY(gga.field(i)->isSafe());
}

void tst_NmeaMessage::fieldsAge()
{
    // The validity limit of the description reaches the field: the shared timer ages it.
    TstAgeing message(QStringLiteral("GP"));
    QCOMPARE(message.deserializeParamaters(QStringLiteral("1,2")), 0);
    QVERIFY(message.field(0)->isValid());
    QVERIFY(message.field(1)->isValid());
    QTRY_VERIFY_WITH_TIMEOUT(!message.field(1)->isValid(), 3000);
    QVERIFY(message.field(0)->isValid());
}

void tst_NmeaMessage::registries()
{
    // Filled by this file's static initializers before main ran.
    QVERIFY(standardMessageRegistry()->contains(QStringLiteral("GGA")));
    QVERIFY(proprietaryMessageRegistry()->contains(QStringLiteral("PAIR")));
    QVERIFY(!proprietaryMessageRegistry()->contains(QStringLiteral("GGA")));
    QCOMPARE(standardMessageRegistry(), standardMessageRegistry());

    // A key registered again replaces the earlier creator.
    registerStandardMessage<TstThree>(QStringLiteral("DPT"));
    std::unique_ptr<NmeaMessage> replaced(NmeaMessage::create(QStringLiteral("GP"), QStringLiteral("DPT")));
    QVERIFY(qobject_cast<TstThree *>(replaced.get()));
    registerStandardMessage<TstDpt>(QStringLiteral("DPT"));
    std::unique_ptr<NmeaMessage> restored(NmeaMessage::create(QStringLiteral("GP"), QStringLiteral("DPT")));
    QVERIFY(qobject_cast<TstDpt *>(restored.get()));
}

void tst_NmeaMessage::factory_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("messageTalker");

    QTest::newRow("standard keeps its talker") << "II"
                                               << "DPT"
                                               << "TstDpt"
                                               << "II";
    QTest::newRow("proprietary under the same key") << "PQRV"
                                                    << "DPT"
                                                    << "TstPqrvDpt"
                                                    << "PQRV";
    QTest::newRow("registered GGA") << "GN"
                                    << "GGA"
                                    << "TstGga"
                                    << "GN";
    QTest::newRow("proprietary") << "PQRV"
                                 << "PAIR"
                                 << "TstPqrvPair"
                                 << "PQRV";
    QTest::newRow("GGA is not proprietary") << "PQRV"
                                            << "GGA" << QString() << QString();
    QTest::newRow("PAIR is not standard") << "GP"
                                          << "PAIR" << QString() << QString();
    QTest::newRow("lower-case formatter") << "GP"
                                          << "gga" << QString() << QString();
    QTest::newRow("lower-case PQRV selects the standard registry") << "pqrv"
                                                                   << "PAIR" << QString() << QString();
    QTest::newRow("unregistered") << "GP"
                                  << "XYZ" << QString() << QString();
}

void tst_NmeaMessage::factory()
{
    QFETCH(QString, talker);
    QFETCH(QString, formatter);
    QFETCH(QString, className);
    QFETCH(QString, messageTalker);

    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, formatter));
    if (className.isEmpty()) {
        QVERIFY(!message);
        return;
    }
    QVERIFY(message);
    QCOMPARE(QString::fromLatin1(message->metaObject()->className()), className);
    QCOMPARE(message->talker(), messageTalker);
    QCOMPARE(message->formatter(), formatter);
    QVERIFY(!message->parent());

    std::unique_ptr<NmeaMessage> second(NmeaMessage::create(talker, formatter));
    QVERIFY(second);
    QVERIFY(second.get() != message.get());
}

QTEST_GUILESS_MAIN(tst_NmeaMessage)
#include "tst_nmeamessage.moc"
