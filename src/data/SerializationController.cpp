#include "data/SerializationController.h"

#include "common/LogLineLimiter.h"
#include "data/ClockOffsets.h"
#include "data/DataSingleton.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESOtherSettings.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/MarkClass.h"
#include "data/SatelliteInfoSerializableData.h"
#include "nmea/NmeaData.h"
#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"

#include <QDebug>
#include <QStringList>
#include <QTime>

#include <limits>

namespace {

// The link is lost on the tick after this many ticks without a fresh text.
const int tickLimit = 10;

// The roots of the runtime values and of the shared setup, through the data class the receiver serves.
SerializableClass *runtimeRoot()
{
    ESDataClass *data = DataSingleton::instance()->dataClass();
    return data ? data->runtimeObject() : nullptr;
}

SerializableClass *setupRoot()
{
    ESDataClass *data = DataSingleton::instance()->dataClass();
    return data ? data->setupObject() : nullptr;
}

SerializableClass *singleChangeRoot(const QString &type)
{
    if (type == QLatin1String("Type_Runtime"))
        return runtimeRoot();
    if (type == QLatin1String("Type_Setup"))
        return setupRoot();
    if (type == QLatin1String("Type_Alert"))
        return ESDataClass::instance()->alerts();
    if (type == QLatin1String("Type_SetupCommsInfo"))
        return ESDataClass::instance()->communicationInformation();
    if (type == QLatin1String("Type_SatelliteInfo"))
        return ESDataClass::instance()->satelliteInfo();
    return nullptr;
}

// The complete setup ("Type_Setup") has a procedure of its own and is not in this table.
SerializableClass *wholeObjectRoot(const QString &type)
{
    if (type == QLatin1String("Type_Runtime"))
        return runtimeRoot();
    if (type == QLatin1String("Type_Alert"))
        return ESDataClass::instance()->alerts();
    if (type == QLatin1String("Type_Mark"))
        return ESDataClass::instance()->markObject();
    if (type == QLatin1String("Type_SetupCommsInfo"))
        return ESDataClass::instance()->communicationInformation();
    return nullptr;
}

} // namespace

SerializationController *SerializationController::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static SerializationController *const controller = new SerializationController(nullptr);
    return controller;
}

SerializationController::SerializationController(QObject *parent)
    : QObject(parent)
    , m_supervisionTimer(this)
{
    m_supervisionTimer.setInterval(defaultSupervisionInterval);
    connect(&m_supervisionTimer, &QTimer::timeout, this, &SerializationController::timerTimeout);
}

void SerializationController::startSupervision()
{
    m_supervisionTimer.start();
}

void SerializationController::setConnectingToJb()
{
    m_newConnection = true;
}

void SerializationController::deserializeData(QString data)
{
    if (m_lastSetupAccepted)
        m_tickCounter = 0;

    const QStringList items = data.split(QLatin1Char(','));
    if (items.size() < 2)
        return;
    // Texts that travel unacknowledged carry "NoAck" after their type; the settings objects skip the
    // type item themselves, so only the type read here loses it.
    QString type = items.at(0);
    if (type.endsWith(QLatin1String("NoAck")))
        type.remove(QLatin1String("NoAck"));

    if (items.at(1) == QLatin1String("SingleProperty")) {
        if (SerializableClass *root = singleChangeRoot(type))
            root->deserializeSingleProperty(data);
        return;
    }
    if (type == QLatin1String("Type_Setup")) {
        deserializeCompleteSetup(data);
        return;
    }
    if (SerializableClass *root = wholeObjectRoot(type))
        root->deserializeAll(data);
}

void SerializationController::deserializeCompleteSetup(const QString &data)
{
    // An event mark travels as a setup text; it is not a setup.
    if (data.contains(QLatin1String("Set_Mark")))
        return;
    SerializableClass *setup = setupRoot();
    if (!setup)
        return;
    emit aboutToDeserializeCompleteSetup();
    m_lastSetupAccepted = setup->deserializeAll(data);
    if (m_lastSetupAccepted) {
        if (!m_linkUp) {
            m_linkUp = true;
            emit commsToTQ55StateChanged(true);
        }
        emit finishedDeserializingCompleteSetup(m_newConnection);
        m_newConnection = false;
        return;
    }
    if (admitLogLine("Complete setup refused"))
        qDebug() << "Deserialization of setups failed, sending new PAIR message...";
    m_tickCounter = tickLimit;
    timerTimeout();
}

void SerializationController::timerTimeout()
{
    ++m_tickCounter;
    if (m_tickCounter <= tickLimit)
        return;
    if (m_linkUp) {
        emit commsToTQ55StateChanged(false);
        if (SerializableClass *runtime = runtimeRoot()) {
            runtime->setAllValid(false);
            runtime->emitAllPropertySignals();
        }
        m_linkUp = false;
        m_lastSetupAccepted = false;
    }
    emit pairingRequested();
    m_tickCounter = 0;
}

void SerializationController::utcTimeUpdated()
{
    NmeaData *nmea = NmeaData::instance();
    const auto *position
        = qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(nmea, "UtcOfPosition"));
    ZdaData *zda = nmea->zdaData();
    if (!position || !position->isValid() || !zda || (zda->utc() && zda->utc()->isValid()))
        return;

    // hhmmss with decimals; the decimals are dropped. A received field holds any number of six digits
    // before the point, or none: outside one day (or not a number) there is no time, and converting it
    // to an integer would not be defined.
    const double hhmmss = position->value();
    const qint64 value = hhmmss >= 0.0 && hhmmss < 240000.0 ? static_cast<qint64>(hhmmss) : -1;
    const int hours = static_cast<int>(value / 10000);
    const int minutes = static_cast<int>((value % 10000) / 100);
    const int seconds = static_cast<int>(value % 100);
    const QTime time(hours, minutes, seconds);
    if (value < 0 || !time.isValid()) {
        qDebug() << "Position time not usable:" << position->value();
        return;
    }
    QDateTime received = systemDateTimeUtc();
    received.setTime(time);

    const bool changed = updateUtcOffset(received);
    if (isUtcOffsetValid()) {
        if (!changed)
            return;
    } else {
        setUtcOffsetValid(true);
    }

    ESDataClass *data = ESDataClass::instance();
    data->runtime()->setUtcDateTime(systemDateTimeUtc().toString(Qt::ISODate));
    ESOtherSettings *other = data->setup()->OtherSettings();
    other->setTimeReceived(1);
    other->serializeSinglePropertyByName(QStringLiteral("TimeReceived"));
}

void SerializationController::utcAndLocaDatelTimeUpdated()
{
    ZdaData *zda = NmeaData::instance()->zdaData();
    if (!zda || !zda->utc()->isValid() || !zda->year()->isValid() || !zda->month()->isValid()
        || !zda->day()->isValid())
        return;
    const QDateTime local = zda->localDateTime();
    if (!local.isValid())
        return;

    const bool changed = updateOffsets(local);
    if (isLocalTimeOffsetValid() && isUtcOffsetValid()) {
        if (!changed && !m_firstTimeUpdate)
            return;
    } else {
        setLocalTimeOffsetValid(true);
        setUtcOffsetValid(true);
    }
    m_firstTimeUpdate = false;

    ESDataClass *data = ESDataClass::instance();
    data->runtime()->setUtcDateTime(systemDateTimeUtc().toString(Qt::ISODate));
    data->runtime()->setUtcToLocalDateTimeSecsOffset(localTimeOffsetSeconds());
    ESOtherSettings *other = data->setup()->OtherSettings();
    // The counter holds whatever the junction box last sent, up to the largest int its description
    // allows; from there it starts again at 0 instead of overflowing.
    const int counter = other->DateTimeReceivedCounter();
    other->setDateTimeReceivedCounter(
        counter >= 0 && counter < std::numeric_limits<int>::max() ? counter + 1 : 0);
    other->setTimeReceived(1);
    other->serializeSinglePropertyByName(QStringLiteral("DateTimeReceivedCounter"));
    other->serializeSinglePropertyByName(QStringLiteral("TimeReceived"));
}
