#include "sentences/PqrvProtocolSupport.h"

#include "common/ClassInformation.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/Validators.h"

#include <QDebug>
#include <QStringList>

namespace {

// The settings text path judges received values by the non-pattern validators of their descriptions
// only (many patterns are the placeholder "x" of a value that is never typed). A value received in a
// sentence is also held to a real pattern: a system name or a partner's SFI has one.
bool matchesDescribedPattern(const SerializableClass *object, const QString &name, const QString &value)
{
    static const QString prefix = QStringLiteral("validator=regex;");
    const ClassInfoEntry *entry = ClassInformation::of(object->metaObject()).entry(name);
    const ClassInfoItem *item = entry ? entry->itemStartingWith(prefix) : nullptr;
    if (!item)
        return true;
    const QString pattern = item->text.mid(prefix.size()).section(QLatin1Char(';'), 0, 0);
    if (pattern == QLatin1String("x"))
        return true;
    RegexValidator validator(pattern, QString());
    return validator.validate(value);
}

} // namespace

namespace PqrvProtocol {

CU_R207_Setup *displaySetup()
{
    return ESDataClass::instance()->localSetup()->DisplaySetup();
}

ESTQ55Setup *junctionBoxSetup()
{
    return ESDataClass::instance()->setup()->TQ55Setup();
}

QString ownSfi()
{
    return ListOfSfisOnNetwork::instance()->externalLocalSfi();
}

void connectSfi(const QString &sfi)
{
    ListOfSfisOnNetwork::instance()->connectSfi(sfi);
}

void disconnectSfi(const QString &sfi)
{
    ListOfSfisOnNetwork::instance()->disconnectSfi(sfi);
}

void deviceChangedSfi(const QString &newSfi, const QString &oldSfi)
{
    ListOfSfisOnNetwork::instance()->deviceOnNetworkChangedLocalSfi(newSfi, oldSfi);
}

QString textOf(const ValidatedStringProperty *field)
{
    return field && field->isValid() ? field->value() : QString();
}

NmeaHandler *siblingHandler(const NmeaHandler *handler, const QString &name)
{
    return NmeaHandlerContainer::containerOf(handler)->handler(QStringLiteral("PQRV"), name);
}

bool applyReceivedValue(SerializableClass *object, const QString &name, const QString &value)
{
    // The value travels as one item of a single-change text, so it must not carry the item separators
    // (a value cut at them would be taken in part); an empty item would only mark the setting invalid.
    if (value.isEmpty() || value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('='))) {
        if (admitLogLine("Received value not applied"))
            qDebug() << "Received value not applied:" << object->objectName() << name << logExcerpt(value);
        return false;
    }
    if (!matchesDescribedPattern(object, name, value)) {
        if (admitLogLine("Received value not applied"))
            qDebug() << "Received value not applied:" << object->objectName() << name
                     << "refused by its pattern:" << logExcerpt(value);
        return false;
    }
    bool written = false;
    object->applySingleProperty(
        object->type() + QLatin1Char(',') + name + QLatin1Char('=') + value, &written);
    return written;
}

} // namespace PqrvProtocol
