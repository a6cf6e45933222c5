#include "nmea/NmeaMessage.h"

#include "common/LogText.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/ValidatedProperty.h"

#include <QDebug>
#include <QDoubleValidator>
#include <QHash>
#include <QIntValidator>
#include <QLocale>
#include <QMetaClassInfo>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <QVector>

#include <limits>

namespace {

const int maximumSentenceLength = 82;

// Reads "low;high" (further parts ignored). False when there are fewer than two parts or either does not
// read as a number.
bool readBounds(const QString &text, double *low, double *high)
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

// Every message builds the validators of its fields anew, and compiling a pattern costs more than
// parsing a whole sentence. Copies of a QRegularExpression share their compiled form, so each pattern is
// compiled once and kept; the patterns come from the class descriptions, so the cache stays small.
QRegularExpression sharedPattern(const QString &text)
{
    static QHash<QString, QRegularExpression> patterns;
    auto it = patterns.find(text);
    if (it == patterns.end())
        it = patterns.insert(text, QRegularExpression(text));
    return it.value();
}

// A QRegularExpressionValidator that matches with the shared compiled form of its anchored pattern: the
// toolkit's own validator compiles a private anchored copy of the pattern in every instance. Accepts,
// refuses and reports partial input exactly as the toolkit's validator does, and follows a pattern set
// later with setRegularExpression.
class SharedPatternValidator : public QRegularExpressionValidator
{
public:
    explicit SharedPatternValidator(const QRegularExpression &pattern)
        : QRegularExpressionValidator(pattern, nullptr)
    {
    }

    State validate(QString &input, int &position) const override
    {
        const QRegularExpression own = regularExpression();
        if (own.patternOptions() != QRegularExpression::NoPatternOption)
            return QRegularExpressionValidator::validate(input, position);
        if (own.pattern().isEmpty())
            return Acceptable;
        const QRegularExpressionMatch match
            = sharedPattern(QRegularExpression::anchoredPattern(own.pattern()))
                  .match(input, 0, QRegularExpression::PartialPreferCompleteMatch);
        if (match.hasMatch())
            return Acceptable;
        if (input.isEmpty() || match.hasPartialMatch())
            return Intermediate;
        position = input.size();
        return Invalid;
    }
};

[[noreturn]] void descriptionError(const char *logged, const QString &detail, const char *thrown)
{
    qDebug() << logged << detail;
    throw thrown;
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

FieldDescription readDescription(const QString &propertyName, const QString &text)
{
    FieldDescription description;
    const QStringList items = text.split(QLatin1Char(' '));
    for (const QString &item : items) {
        const QStringList keyAndValue = item.split(QLatin1Char('='));
        const QString &key = keyAndValue.at(0);
        // An item without "=" (also the empty item between two blanks) has no value to read.
        if (keyAndValue.size() < 2)
            descriptionError("void NmeaMessage::initializeProperties(): classinfo field error: ",
                propertyName + QLatin1Char(' ') + key,
                "void NmeaMessage::initializeProperties(): classinfo field error!");
        const QString &value = keyAndValue.at(1);
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

// Writes a field into a property declared with the field's own pointer type. False when the property is
// read-only or declares another kind than the description asks for.
template <typename Kind> bool storeTypedField(QObject *object, const QMetaProperty &property, Kind *field)
{
    static const QByteArray typeName = QByteArray(Kind::staticMetaObject.className()) + '*';
    if (!property.isWritable() || typeName != property.typeName())
        return false;
    // What QMetaProperty::write does, without wrapping the pointer in a QVariant and looking its type up
    // by name: this runs for every field of every message.
    int status = -1;
    int flags = 0;
    void *arguments[] = { &field, nullptr, &status, &flags };
    QMetaObject::metacall(object, QMetaObject::WriteProperty, property.propertyIndex(), arguments);
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

// Gives a new field its default value, which also makes it valid.
void applyDefault(ValidatedProperty *field, const QString &propertyName, const FieldDescription &description)
{
    bool ok = true;
    if (auto *intField = qobject_cast<ValidatedIntProperty *>(field)) {
        const int value = description.defaultValue.toInt(&ok, 10);
        if (ok)
            intField->setValue(value);
    } else if (auto *floatField = qobject_cast<ValidatedFloatProperty *>(field)) {
        const float value = description.defaultValue.toFloat(&ok);
        if (ok)
            floatField->setValue(double(value));
    } else if (auto *stringField = qobject_cast<ValidatedStringProperty *>(field)) {
        stringField->setValue(description.defaultValue);
    }
    if (!ok)
        descriptionError("void NmeaMessage::initializeProperties(): classinfo error: ",
            propertyName + QLatin1String(" defaultValue"),
            "void NmeaMessage::initializeProperties(): classinfo error!");
    field->setFallbackText(description.defaultValue);
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

int NmeaMessage::deserializeParamaters(const QString &text)
{
    m_rawParameters = text;
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(','));
    const int count = qMin(parts.size(), m_fields.size());
    for (int i = 0; i < count; ++i) {
        const int status = m_fields.at(i)->setFromNmeaString(parts.at(i).toString());
        if (status == ValidatedProperty::FieldOk || status == ValidatedProperty::FieldEmpty)
            continue;
        const char *name = metaObject()->property(i + 1).name();
        if (status == ValidatedProperty::FieldWrongLength) {
            qDebug() << "wrong field length" << name;
            qDebug().noquote() << m_formatter
                    + QLatin1String("  error in NmeaMessage::deserializeParamaters");
            return NmeaFieldLengthError;
        }
        qDebug() << "invalid value" << name;
        qDebug().noquote() << m_formatter + QLatin1String("  error in NmeaMessage::deserializeParamaters");
        return NmeaInvalidValueError;
    }
    return NmeaNoError;
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

QString NmeaMessage::toSentence() const
{
    const QString body = m_talker + m_formatter + QLatin1Char(',') + serializeParameters();
    const QString sentence
        = QLatin1Char('$') + body + QLatin1Char('*') + nmeaStringChecksum(body) + QLatin1String("\r\n");
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
    if (message)
        message->m_fields.clear();

    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString propertyName = QString::fromLatin1(property.name());
        if (i - 1 >= meta->classInfoCount() || qstrcmp(meta->classInfo(i - 1).name(), property.name()) != 0)
            descriptionError(
                "void NmeaMessage::initializeProperties(): classinfo name and property name don't "
                "match: ",
                propertyName,
                "void NmeaMessage::initializeProperties(): classinfo name and property name don't "
                "match!");

        const FieldDescription description
            = readDescription(propertyName, QString::fromLatin1(meta->classInfo(i - 1).value()));
        QValidator *validator = createValidator(description.type, description.validator);

        // The field becomes the Qt parent of its validator.
        ValidatedProperty *field = nullptr;
        if (description.type == QLatin1String("float"))
            field = new ValidatedFloatProperty(object, validator, description.fixedLength,
                description.maxFieldLength, description.canBeNullField, description.validityLimit,
                description.fixedDigitsBeforePoint, description.leastDecimalsReceived,
                description.sendDecimals);
        else if (description.type == QLatin1String("int"))
            field = new ValidatedIntProperty(object, validator, description.fixedLength,
                description.maxFieldLength, description.canBeNullField, description.validityLimit);
        else
            field = new ValidatedStringProperty(object, validator, description.fixedLength,
                description.maxFieldLength, description.canBeNullField, description.validityLimit);

        if (description.hasDefault)
            applyDefault(field, propertyName, description);

        if (!storeField(object, property, field))
            descriptionError(
                "void NmeaMessage::initializeProperties(): classinfo type and property type don't "
                "match: ",
                propertyName,
                "void NmeaMessage::initializeProperties(): classinfo type and property type don't "
                "match!");
        if (message)
            message->m_fields.append(field);
    }
}

QValidator *NmeaMessage::createValidator(const QString &type, const QString &validatorText)
{
    if (validatorText.isEmpty())
        return nullptr;

    QValidator *validator = nullptr;
    double low = 0.0;
    double high = 0.0;
    if (type == QLatin1String("float")) {
        if (!readBounds(validatorText, &low, &high))
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error : ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        auto *doubleValidator = new QDoubleValidator(low, high, 1000, nullptr);
        doubleValidator->setNotation(QDoubleValidator::StandardNotation);
        validator = doubleValidator;
    } else if (type == QLatin1String("int")) {
        if (!readBounds(validatorText, &low, &high))
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error: ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        validator = new QIntValidator(truncatedBound(low), truncatedBound(high), nullptr);
    } else if (type == QLatin1String("string")) {
        const QRegularExpression pattern = sharedPattern(validatorText);
        // A pattern that does not compile would refuse every text.
        if (!pattern.isValid())
            descriptionError("QValidator *NmeaMessage::createValidator: classinfo error: ", validatorText,
                "QValidator *NmeaMessage::createValidator: classinfo error!");
        validator = new SharedPatternValidator(pattern);
    } else {
        descriptionError("QValidator *NmeaMessage::createValidator: classinfo type error: ", validatorText,
            "QValidator *NmeaMessage::createValidator: classinfo type error!");
    }
    validator->setLocale(QLocale(QLocale::English, QLocale::AnyCountry));
    return validator;
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
    sentence.remove(0, 1);
    if (!sentence.endsWith(QLatin1String("\r\n")))
        return NmeaFramingError;
    sentence.remove(QLatin1String("\r\n"));

    const int star = sentence.indexOf(QLatin1Char('*'));
    if (star < 0 || sentence.length() != star + 3)
        return NmeaChecksumError;
    // Case-sensitive: lower-case hexadecimal digits are refused.
    if (nmeaStringChecksum(sentence.left(star)) != sentence.midRef(star + 1, 2))
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
