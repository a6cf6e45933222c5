#include "nmea/NmeaMessage.h"

#include "common/ClassInformation.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/SharedPatternValidator.h"
#include "nmea/ValidatedProperty.h"

#include <QDebug>
#include <QDoubleValidator>
#include <QHash>
#include <QIntValidator>
#include <QLocale>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <QVector>

#include <limits>
#include <memory>

namespace {

const int maximumSentenceLength = 82;

// Reads "low;high" (further parts ignored). False when there are fewer than two parts or either does not
// read as a number.
bool readFieldBounds(const QString &text, double *low, double *high)
{
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(';'));
    if (parts.size() < 2)
        return false;
    bool lowOk = false;
    bool highOk = false;
    *low = parts.at(0).toDouble(&lowOk);
    *high = parts.at(1).toDouble(&highOk);
    return lowOk && highOk;
}

// Cut toward zero, kept inside the range of int.
int truncatedBound(double value)
{
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

[[noreturn]] void descriptionError(const char *logged, const QString &detail, const char *thrown)
{
    qDebug() << logged << detail;
    throw thrown;
}

} // namespace

// The validator of a field as values: built from the description once per class, made into a new
// validator object for every field built. Outside the anonymous namespace because NmeaFieldPlan, which
// the header names, holds one.
struct ValidatorPlan
{
    enum Kind { None, Int, Double, Pattern };
    Kind kind = None;
    int intLow = 0;
    int intHigh = 0;
    double low = 0.0;
    double high = 0.0;
    QRegularExpression pattern;
};

namespace {

// Every validator gets the same locale; one shared value instead of a locale looked up per validator.
const QLocale &validatorLocale()
{
    static const QLocale english(QLocale::English, QLocale::AnyCountry);
    return english;
}

ValidatorPlan readValidator(const QString &type, const QString &validatorText)
{
    ValidatorPlan plan;
    if (validatorText.isEmpty())
        return plan;
    if (type == QLatin1String("float")) {
        if (!readFieldBounds(validatorText, &plan.low, &plan.high))
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error : ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        plan.kind = ValidatorPlan::Double;
    } else if (type == QLatin1String("int")) {
        if (!readFieldBounds(validatorText, &plan.low, &plan.high))
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error: ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        plan.kind = ValidatorPlan::Int;
        plan.intLow = truncatedBound(plan.low);
        plan.intHigh = truncatedBound(plan.high);
    } else if (type == QLatin1String("string")) {
        plan.pattern = SharedPatternValidator::sharedPattern(validatorText);
        // A pattern that does not compile would refuse every text.
        if (!plan.pattern.isValid())
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error: ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        plan.kind = ValidatorPlan::Pattern;
    } else {
        descriptionError("QValidator *NmeaMessage::createValidator: classinfo type error: ", validatorText,
            "QValidator *NmeaMessage::createValidator: classinfo type error!");
    }
    return plan;
}

QValidator *makeValidator(const ValidatorPlan &plan)
{
    QValidator *validator = nullptr;
    switch (plan.kind) {
    case ValidatorPlan::None:
        return nullptr;
    case ValidatorPlan::Double: {
        auto *doubleValidator = new QDoubleValidator(plan.low, plan.high, 1000, nullptr);
        doubleValidator->setNotation(QDoubleValidator::StandardNotation);
        validator = doubleValidator;
        break;
    }
    case ValidatorPlan::Int:
        validator = new QIntValidator(plan.intLow, plan.intHigh, nullptr);
        break;
    case ValidatorPlan::Pattern:
        validator = new SharedPatternValidator(plan.pattern);
        break;
    }
    validator->setLocale(validatorLocale());
    return validator;
}

// Puts a field's validator back to the bounds or pattern of its plan (a copy between fields may have
// changed them).
void restoreValidator(QValidator *validator, const ValidatorPlan &plan)
{
    switch (plan.kind) {
    case ValidatorPlan::None:
        break;
    case ValidatorPlan::Double: {
        auto *doubleValidator = static_cast<QDoubleValidator *>(validator);
        if (doubleValidator->bottom() != plan.low || doubleValidator->top() != plan.high)
            doubleValidator->setRange(plan.low, plan.high, doubleValidator->decimals());
        break;
    }
    case ValidatorPlan::Int: {
        auto *intValidator = static_cast<QIntValidator *>(validator);
        if (intValidator->bottom() != plan.intLow || intValidator->top() != plan.intHigh)
            intValidator->setRange(plan.intLow, plan.intHigh);
        break;
    }
    case ValidatorPlan::Pattern: {
        auto *patternValidator = static_cast<SharedPatternValidator *>(validator);
        if (patternValidator->pattern() != plan.pattern)
            patternValidator->setRegularExpression(plan.pattern);
        break;
    }
    }
}

// The rules of one field, read from its class-information text.
struct FieldDescription
{
    QString type;
    QString validator;
    QString defaultValue;
    bool hasDefault = false;
    int fixedLength = 0;
    int maxFieldLength = 0;
    bool canBeNullField = true;
    int validityLimit = 10;
    int fixedDigitsBeforePoint = 0;
    int leastDecimalsReceived = 0;
    int sendDecimals = 1;
};

int readInteger(const QString &propertyName, const QString &key, const QString &value)
{
    bool ok = false;
    const int result = value.toInt(&ok, 10);
    if (!ok)
        descriptionError("void NmeaMessage::initializeProperties(): classinfo error: ",
            propertyName + QLatin1Char(' ') + key,
            "void NmeaMessage::initializeProperties(): classinfo error!");
    return result;
}

FieldDescription readDescription(const QString &propertyName, const ClassInfoEntry &entry)
{
    FieldDescription description;
    for (const ClassInfoItem &item : entry.items) {
        const QString &key = item.key;
        // An item without "=" (also the empty item between two blanks) has no value to read.
        if (!item.hasValue)
            descriptionError("void NmeaMessage::initializeProperties(): classinfo field error: ",
                propertyName + QLatin1Char(' ') + key,
                "void NmeaMessage::initializeProperties(): classinfo field error!");
        const QString &value = item.value;
        if (key == QLatin1String("type")) {
            description.type = value;
        } else if (key == QLatin1String("fixedLength")) {
            description.fixedLength = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("maxFieldLength")) {
            description.maxFieldLength = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("fixedDigitsBeforePoint")) {
            description.fixedDigitsBeforePoint = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("leastDecimalsReceived")) {
            description.leastDecimalsReceived = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("sendDecimals")) {
            description.sendDecimals = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("validator")) {
            description.validator = value;
        } else if (key == QLatin1String("validityLimit")) {
            description.validityLimit = readInteger(propertyName, key, value);
        } else if (key == QLatin1String("canBeNullField") && value == QLatin1String("false")) {
            description.canBeNullField = false;
        } else if (key == QLatin1String("defaultValue")) {
            description.defaultValue = value;
            description.hasDefault = true;
        } else {
            descriptionError("void NmeaMessage::initializeProperties(): classinfo field error: ",
                propertyName + QLatin1Char(' ') + key,
                "void NmeaMessage::initializeProperties(): classinfo field error!");
        }
    }
    return description;
}

// Writes a field into a property declared with the field's own pointer type, as QMetaProperty::write
// does, without wrapping the pointer in a QVariant and looking its type up by name: this runs for every
// field of every object built.
template <typename Kind> void writeField(QObject *object, int propertyIndex, Kind *field)
{
    int status = -1;
    int flags = 0;
    void *arguments[] = { &field, nullptr, &status, &flags };
    QMetaObject::metacall(object, QMetaObject::WriteProperty, propertyIndex, arguments);
}

// False when the property is read-only or declares another kind than the description asks for.
template <typename Kind> bool storeTypedField(QObject *object, const QMetaProperty &property, Kind *field)
{
    static const QByteArray typeName = QByteArray(Kind::staticMetaObject.className()) + '*';
    if (!property.isWritable() || typeName != property.typeName())
        return false;
    writeField(object, property.propertyIndex(), field);
    return true;
}

bool storeField(QObject *object, const QMetaProperty &property, ValidatedProperty *field)
{
    if (auto *floatField = qobject_cast<ValidatedFloatProperty *>(field))
        return storeTypedField(object, property, floatField);
    if (auto *intField = qobject_cast<ValidatedIntProperty *>(field))
        return storeTypedField(object, property, intField);
    if (auto *stringField = qobject_cast<ValidatedStringProperty *>(field))
        return storeTypedField(object, property, stringField);
    return false;
}

// The default of a field as its kind holds it; a text its kind cannot read is a description error.
void readDefault(ValidatedProperty::Rules *rules, const QString &type, const QString &propertyName,
    const FieldDescription &description)
{
    rules->hasDefault = description.hasDefault;
    rules->defaultText = description.defaultValue;
    if (!description.hasDefault)
        return;
    bool ok = true;
    if (type == QLatin1String("int"))
        rules->intDefault = description.defaultValue.toInt(&ok, 10);
    else if (type == QLatin1String("float"))
        rules->floatDefault = double(description.defaultValue.toFloat(&ok));
    if (!ok)
        descriptionError("void NmeaMessage::initializeProperties(): classinfo error: ",
            propertyName + QLatin1String(" defaultValue"),
            "void NmeaMessage::initializeProperties(): classinfo error!");
}

} // namespace

// What it takes to build the fields of one class again without reading its description: per field the
// property it is stored in, its kind, its rules and its validator.
struct NmeaFieldPlan
{
    enum Kind { IntField, FloatField, StringField };
    int propertyIndex = 0;
    Kind kind = StringField;
    ValidatedProperty::Rules rules;
    ValidatorPlan validator;
};

namespace {

// The plans of every class built so far. A plan is stored by the first build of its class that succeeds,
// so a class whose description is wrong is read, and refused, at every build. Kept for the life of the
// process, like the meta-objects.
QHash<const QMetaObject *, std::shared_ptr<const QVector<NmeaFieldPlan>>> &fieldPlans()
{
    static QHash<const QMetaObject *, std::shared_ptr<const QVector<NmeaFieldPlan>>> plans;
    return plans;
}

ValidatedProperty *newField(QObject *object, QValidator *validator, const NmeaFieldPlan &plan)
{
    // The field becomes the Qt parent of its validator.
    const ValidatedProperty::Rules &rules = plan.rules;
    switch (plan.kind) {
    case NmeaFieldPlan::FloatField:
        return new ValidatedFloatProperty(object, validator, rules.fixedLength, rules.maxFieldLength,
            rules.canBeNullField, rules.validityLimit, rules.fixedDigitsBeforePoint,
            rules.leastDecimalsReceived, rules.sendDecimals);
    case NmeaFieldPlan::IntField:
        return new ValidatedIntProperty(object, validator, rules.fixedLength, rules.maxFieldLength,
            rules.canBeNullField, rules.validityLimit);
    case NmeaFieldPlan::StringField:
        break;
    }
    return new ValidatedStringProperty(object, validator, rules.fixedLength, rules.maxFieldLength,
        rules.canBeNullField, rules.validityLimit);
}

// Stores a field in its property through the property's own pointer type.
void writePlannedField(QObject *object, const NmeaFieldPlan &plan, ValidatedProperty *field)
{
    switch (plan.kind) {
    case NmeaFieldPlan::FloatField:
        writeField(object, plan.propertyIndex, static_cast<ValidatedFloatProperty *>(field));
        return;
    case NmeaFieldPlan::IntField:
        writeField(object, plan.propertyIndex, static_cast<ValidatedIntProperty *>(field));
        return;
    case NmeaFieldPlan::StringField:
        writeField(object, plan.propertyIndex, static_cast<ValidatedStringProperty *>(field));
        return;
    }
}

// The first build of a class: reads the description property by property, builds each field as it goes
// and stops at the first fault, as a description is checked. Returns the plans of the class.
QVector<NmeaFieldPlan> readPlansAndBuild(QObject *object, QVector<ValidatedProperty *> *fields)
{
    const QMetaObject *meta = object->metaObject();
    const ClassInformation &information = ClassInformation::of(meta);
    QVector<NmeaFieldPlan> plans;
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString propertyName = QString::fromLatin1(property.name());
        if (i - 1 >= information.count() || information.at(i - 1).name != property.name())
            descriptionError(
                "void NmeaMessage::initializeProperties(): classinfo name and property name don't "
                "match: ",
                propertyName,
                "void NmeaMessage::initializeProperties(): classinfo name and property name don't "
                "match!");

        const FieldDescription description = readDescription(propertyName, information.at(i - 1));
        NmeaFieldPlan plan;
        plan.propertyIndex = i;
        plan.validator = readValidator(description.type, description.validator);
        plan.kind = description.type == QLatin1String("float") ? NmeaFieldPlan::FloatField
            : description.type == QLatin1String("int")         ? NmeaFieldPlan::IntField
                                                               : NmeaFieldPlan::StringField;
        ValidatedProperty::Rules &rules = plan.rules;
        rules.fixedLength = description.fixedLength;
        rules.maxFieldLength = description.maxFieldLength;
        rules.canBeNullField = description.canBeNullField;
        rules.validityLimit = description.validityLimit;
        if (plan.kind == NmeaFieldPlan::FloatField) {
            rules.fixedDigitsBeforePoint = description.fixedDigitsBeforePoint;
            rules.leastDecimalsReceived = description.leastDecimalsReceived;
            rules.sendDecimals = description.sendDecimals;
        }
        ValidatedProperty *field = newField(object, makeValidator(plan.validator), plan);
        readDefault(&rules, description.type, propertyName, description);
        if (rules.hasDefault)
            field->restore(rules);

        if (!storeField(object, property, field))
            descriptionError(
                "void NmeaMessage::initializeProperties(): classinfo type and property type don't "
                "match: ",
                propertyName,
                "void NmeaMessage::initializeProperties(): classinfo type and property type don't "
                "match!");
        if (fields)
            fields->append(field);
        plans.append(plan);
    }
    return plans;
}

} // namespace

NmeaMessage::NmeaMessage(const QString &talker, const QString &formatter, QObject *parent)
    : QObject(parent)
    , m_talker(talker)
    , m_formatter(formatter)
{
}

NmeaMessage::~NmeaMessage() = default;

QString NmeaMessage::talker() const
{
    return m_talker;
}

QString NmeaMessage::formatter() const
{
    return m_formatter;
}

QString NmeaMessage::sourcePort() const
{
    return m_sourcePort;
}

void NmeaMessage::setSourcePort(const QString &port)
{
    m_sourcePort = port;
}

QString NmeaMessage::sourceSfi() const
{
    return m_sourceSfi;
}

void NmeaMessage::setSourceSfi(const QString &sfi)
{
    m_sourceSfi = sfi;
}

QString NmeaMessage::parameters() const
{
    return m_rawParameters.isEmpty() ? serializeParameters() : m_rawParameters;
}

void NmeaMessage::setParameters(const QString &text)
{
    m_rawParameters = text;
}

bool NmeaMessage::hasRawParameters() const
{
    return !m_rawParameters.isEmpty();
}

int NmeaMessage::deserializeParamaters(const QString &text)
{
    m_rawParameters = text;
    // Each field reads its part of the text in place; the parts are those of text.split(','), of which
    // the first fieldCount() are read.
    // A field is a few characters long: the comma is looked for here rather than by a search call.
    const QStringView parameters(text);
    const QChar *const characters = text.constData();
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < m_fields.size(); ++i) {
        int end = start;
        while (end < size && characters[end] != QLatin1Char(','))
            ++end;
        const int status = m_fields.at(i)->setFromNmeaString(parameters.mid(start, end - start));
        if (status != ValidatedProperty::FieldOk && status != ValidatedProperty::FieldEmpty)
            return refusedField(i, status);
        if (end == size)
            break;
        start = end + 1;
    }
    return NmeaNoError;
}

int NmeaMessage::refusedField(int index, int status) const
{
    const char *name = metaObject()->property(index + 1).name();
    // A peer that repeats a faulty sentence gets these lines summarised.
    const bool logged = admitLogLine("Sentence field refused");
    if (status == ValidatedProperty::FieldWrongLength) {
        if (logged) {
            qDebug() << "wrong field length" << name;
            qDebug().noquote() << m_formatter
                    + QLatin1String("  error in NmeaMessage::deserializeParamaters");
        }
        return NmeaFieldLengthError;
    }
    if (logged) {
        qDebug() << "invalid value" << name;
        qDebug().noquote() << m_formatter + QLatin1String("  error in NmeaMessage::deserializeParamaters");
    }
    return NmeaInvalidValueError;
}

QString NmeaMessage::serializeParameters() const
{
    if (!m_rawParameters.isEmpty())
        return m_rawParameters;
    QString text;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += m_fields.at(i)->toNmeaString();
    }
    return text;
}

QString NmeaMessage::completeSentence() const
{
    const QString body = m_talker + m_formatter + QLatin1Char(',') + serializeParameters();
    return QLatin1Char('$') + body + QLatin1Char('*') + nmeaStringChecksum(body) + QLatin1String("\r\n");
}

bool NmeaMessage::fitsInSentence() const
{
    return !isTooLong(completeSentence());
}

QString NmeaMessage::toSentence() const
{
    const QString sentence = completeSentence();
    if (isTooLong(sentence)) {
        qDebug().noquote()
            << QStringLiteral("Sentence of %1 characters is too long, not written: ").arg(sentence.size())
                + logExcerpt(sentence);
        return QString();
    }
    return sentence;
}

void NmeaMessage::copyFieldsFrom(const NmeaMessage *other)
{
    // Fields are matched by index, which only means the same thing within one class.
    if (!other || other->metaObject() != metaObject()) {
        qDebug() << "void NmeaMessage::copyFieldsFrom(): messages of different classes:" << m_formatter
                 << (other ? other->formatter() : QString());
        throw "void NmeaMessage::copyFieldsFrom(): messages of different classes!";
    }
    for (int i = 0; i < m_fields.size() && i < other->m_fields.size(); ++i)
        m_fields.at(i)->assign(other->m_fields.at(i));
}

void NmeaMessage::becomeCopyOf(const NmeaMessage *other)
{
    resetToDefaults();
    copyFieldsFrom(other);
    m_talker = other->m_talker;
}

void NmeaMessage::setAllFieldsSafe(bool safe)
{
    for (ValidatedProperty *field : qAsConst(m_fields))
        field->setSafe(safe);
}

int NmeaMessage::fieldCount() const
{
    return m_fields.size();
}

ValidatedProperty *NmeaMessage::field(int index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields.at(index) : nullptr;
}

ValidatedProperty *NmeaMessage::field(const char *name) const
{
    const int index = metaObject()->indexOfProperty(name);
    return index >= 1 ? field(index - 1) : nullptr;
}

void NmeaMessage::initializeProperties(QObject *object)
{
    static const bool metaTypesRegistered = (ValidatedProperty::registerMetaTypes(), true);
    Q_UNUSED(metaTypesRegistered)
    const QMetaObject *meta = object->metaObject();
    auto *message = qobject_cast<NmeaMessage *>(object);
    QVector<ValidatedProperty *> *fields = message ? &message->m_fields : nullptr;
    if (fields)
        fields->clear();

    std::shared_ptr<const QVector<NmeaFieldPlan>> classPlans = fieldPlans().value(meta);
    if (!classPlans) {
        classPlans = std::make_shared<const QVector<NmeaFieldPlan>>(readPlansAndBuild(object, fields));
        fieldPlans().insert(meta, classPlans);
    } else {
        if (fields)
            fields->reserve(classPlans->size());
        for (const NmeaFieldPlan &plan : *classPlans) {
            ValidatedProperty *field = newField(object, makeValidator(plan.validator), plan);
            if (plan.rules.hasDefault)
                field->restore(plan.rules);
            writePlannedField(object, plan, field);
            if (fields)
                fields->append(field);
        }
    }
    if (message)
        message->m_plans = classPlans.get();
}

QValidator *NmeaMessage::createValidator(const QString &type, const QString &validatorText)
{
    return makeValidator(readValidator(type, validatorText));
}

void NmeaMessage::resetToDefaults()
{
    m_rawParameters.clear();
    m_sourcePort.clear();
    m_sourceSfi.clear();
    if (!m_plans || m_plans->size() != m_fields.size())
        return;
    for (int i = 0; i < m_fields.size(); ++i) {
        ValidatedProperty *field = m_fields.at(i);
        const NmeaFieldPlan &plan = m_plans->at(i);
        // The plans never change, so a field left untouched since its last restore with them is in
        // their state already: most fields of a received sentence are refused, empty or never reached.
        if (!field->isRestoredTo(plan.rules))
            field->restore(plan.rules);
        restoreValidator(field->validator(), plan.validator);
    }
}

ValidatedProperty *NmeaMessage::fieldOf(const QObject *object, const char *propertyName)
{
    if (!object)
        return nullptr;
    const int index = object->metaObject()->indexOfProperty(propertyName);
    if (index < 0)
        return nullptr;
    return object->metaObject()->property(index).read(object).value<ValidatedProperty *>();
}

int NmeaMessage::checkSentence(QString &sentence)
{
    if (isTooLong(sentence))
        return NmeaTooLongError;
    if (sentence.isEmpty())
        return NmeaFramingError;
    if (sentence.at(0) != QLatin1Char('$') && sentence.at(0) != QLatin1Char('!'))
        return NmeaFramingError;
    const int size = sentence.size();
    if (size < 3 || !sentence.endsWith(QLatin1String("\r\n"))) {
        sentence.remove(0, 1);
        return NmeaFramingError;
    }
    // A line feed before the last character is rare; only then is a search for the pair needed.
    if (sentence.indexOf(QLatin1Char('\n'), 1) < size - 1
        && sentence.indexOf(QLatin1String("\r\n"), 1) < size - 2) {
        // CR LF inside the sentence too: every pair goes.
        sentence.remove(0, 1);
        sentence.remove(QLatin1String("\r\n"));
    } else if (sentence.isDetached()) {
        sentence.remove(0, 1);
        sentence.chop(2);
    } else {
        // A shared text would be copied whole by an edit in place; one copy of the part kept does.
        sentence = sentence.mid(1, size - 3);
    }

    const int star = sentence.indexOf(QLatin1Char('*'));
    if (star < 0 || sentence.length() != star + 3)
        return NmeaChecksumError;
    // Case-sensitive: lower-case hexadecimal digits are refused.
    const QStringView text(sentence);
    if (!isNmeaStringChecksum(text.left(star), text.mid(star + 1, 2)))
        return NmeaChecksumError;

    const int comma = sentence.indexOf(QLatin1Char(','));
    const int addressLength = comma < 0 ? sentence.length() : comma;
    if (sentence.startsWith(QLatin1Char('P'))) {
        if (addressLength < 5)
            return NmeaAddressError;
    } else if (addressLength != 5) {
        return NmeaAddressError;
    }
    return NmeaNoError;
}

bool NmeaMessage::isTooLong(const QString &sentence)
{
    // GGA sentences are allowed to be longer: receivers write more decimals than the standard allows.
    return sentence.length() > maximumSentenceLength && !sentence.contains(QLatin1String("GGA,"));
}

NmeaMessage *NmeaMessage::create(const QString &talker, const QString &formatter)
{
    const NmeaMessageRegistry *registry
        = talker == QLatin1String("PQRV") ? proprietaryMessageRegistry() : standardMessageRegistry();
    const NmeaMessageCreator creator = registry->value(formatter, nullptr);
    return creator ? creator(talker) : nullptr;
}
