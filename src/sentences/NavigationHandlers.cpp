#include "sentences/NavigationHandlers.h"

#include "nmea/NmeaData.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"
#include "sentences/NavigationSentences.h"
#include "sentences/NmeaOutputData.h"

namespace {

// Whether a text field holds exactly the given letters; an empty (invalid) field holds none.
bool holds(const ValidatedStringProperty *field, const char *text)
{
    return field && field->isValid() && field->value() == QLatin1String(text);
}

bool holdsOneOf(const ValidatedStringProperty *field, const char *letters)
{
    if (!field || !field->isValid() || field->value().size() != 1)
        return false;
    return QLatin1String(letters).contains(field->value().at(0));
}

} // namespace

HandlerGga::HandlerGga(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("GGA"), true, parent)
{
    enableRelay();
}

void HandlerGga::handleReceivedMessage(NmeaMessage *message)
{
    const auto *gga = qobject_cast<MsgGga *>(message);
    const ValidatedIntProperty *quality = gga ? gga->GpsQualityIndicator() : nullptr;
    if (!quality || !quality->isValid() || quality->value() < 1 || quality->value() > 5) {
        m_lastMessageValid = false;
        return;
    }
    m_lastMessageValid = true;
    // In relay mode the copy also keeps the field text for the outgoing GGA.
    copyMessageToData(message);
}

HandlerGll::HandlerGll(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("GLL"), true, parent)
{
    enableRelay();
}

void HandlerGll::handleReceivedMessage(NmeaMessage *message)
{
    const auto *gll = qobject_cast<MsgGll *>(message);
    if (!gll || holds(gll->Status(), "V") || !holdsOneOf(gll->ModeIndicator(), "AD")) {
        m_lastMessageValid = false;
        return;
    }
    m_lastMessageValid = true;
    copyMessageToData(message);
}

HandlerVtg::HandlerVtg(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("VTG"), true, parent)
{
    enableRelay();
}

void HandlerVtg::handleReceivedMessage(NmeaMessage *message)
{
    const auto *vtg = qobject_cast<MsgVtg *>(message);
    if (!vtg) {
        m_lastMessageValid = false;
        return;
    }
    // Course and speed are worth having whatever the mode; the mode only decides how the sentence is
    // counted.
    copyMessageToData(message);
    if (auto *data = qobject_cast<NmeaData *>(dataObject()))
        emit data->vtgReceived();
    m_lastMessageValid = holdsOneOf(vtg->ModeIndicator(), "ADP");
}

HandlerHdt::HandlerHdt(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("HDT"), true, parent)
{
    setOutputDataObject(NmeaOutputData::instance());
}

void HandlerHdt::handleReceivedMessage(NmeaMessage *message)
{
    if (!qobject_cast<MsgHdt *>(message)) {
        m_lastMessageValid = false;
        return;
    }
    m_lastMessageValid = true;
    copyMessageToData(message);
    if (auto *data = qobject_cast<NmeaData *>(dataObject()))
        emit data->thsReceived();
}

HandlerThs::HandlerThs(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("THS"), true, parent)
{
    setOutputDataObject(NmeaOutputData::instance());
}

void HandlerThs::handleReceivedMessage(NmeaMessage *message)
{
    const auto *ths = qobject_cast<MsgThs *>(message);
    if (!ths) {
        m_lastMessageValid = false;
        return;
    }
    // A heading arrived, whether or not it is taken.
    if (auto *data = qobject_cast<NmeaData *>(dataObject()))
        emit data->thsReceived();
    m_lastMessageValid = holds(ths->ModeIndicator_THS(), "A");
    if (m_lastMessageValid)
        copyMessageToData(message);
}

HandlerVbw::HandlerVbw(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("VBW"), true, parent)
{
    setOutputDataObject(NmeaOutputData::instance());
}

void HandlerVbw::handleReceivedMessage(NmeaMessage *message)
{
    auto *vbw = qobject_cast<MsgVbw *>(message);
    if (!vbw) {
        m_lastMessageValid = false;
        return;
    }
    // Each pair of speeds is dropped by its own status; the status letters themselves are copied.
    bool allValid = true;
    if (holds(vbw->StatusWaterSpeed(), "V")) {
        vbw->LongitudinalWaterSpeed()->setValid(false);
        vbw->TransverseWaterSpeed()->setValid(false);
        allValid = false;
    }
    if (holds(vbw->StatusGroundSpeed(), "V")) {
        vbw->LongitudinalGroundSpeed()->setValid(false);
        vbw->TransverseGroundSpeed()->setValid(false);
        allValid = false;
    }
    if (holds(vbw->StatusSternWaterSpeed(), "V")) {
        vbw->SternTransverseWaterSpeed()->setValid(false);
        allValid = false;
    }
    if (holds(vbw->StatusSternGroundSpeed(), "V")) {
        vbw->SternTransverseGroundSpeed()->setValid(false);
        allValid = false;
    }
    m_lastMessageValid = allValid;
    copyMessageToData(message);
}

HandlerRot::HandlerRot(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("ROT"), true, parent)
{
    setOutputDataObject(NmeaOutputData::instance());
}

void HandlerRot::handleReceivedMessage(NmeaMessage *message)
{
    const auto *rot = qobject_cast<MsgRot *>(message);
    if (!rot) {
        m_lastMessageValid = false;
        return;
    }
    if (auto *data = qobject_cast<NmeaData *>(dataObject()))
        emit data->rotReceived();
    // An empty status does not say the rate is invalid.
    m_lastMessageValid = !holds(rot->Status(), "V");
    if (m_lastMessageValid)
        copyMessageToData(message);
}

HandlerRmc::HandlerRmc(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("RMC"), false, parent)
{
}

void HandlerRmc::handleReceivedMessage(NmeaMessage *message)
{
    auto *rmc = qobject_cast<MsgRmc *>(message);
    if (!rmc) {
        m_lastMessageValid = false;
        return;
    }
    const bool taken = !holds(rmc->Status(), "V") && !holds(rmc->NavigationalStatus(), "V")
        && holdsOneOf(rmc->ModeIndicator(), "ADFPR");
    m_lastMessageValid = taken;
    if (!taken) {
        rmc->setAllFieldsSafe(false);
        return;
    }
    rmc->setAllFieldsSafe(holds(rmc->NavigationalStatus(), "S"));
    copyMessageToData(message);
}

HandlerZda::HandlerZda(QObject *parent)
    : NmeaHandler(NmeaData::instance()->zdaData(), QStringLiteral("ZDA"), false, parent)
{
}

void HandlerZda::handleReceivedMessage(NmeaMessage *message)
{
    if (!qobject_cast<MsgZda *>(message))
        return;
    copyMessageToData(message);
    if (auto *zda = qobject_cast<ZdaData *>(dataObject()))
        emit zda->signalDateTimeUpdated();
}

HandlerVlw::HandlerVlw(QObject *parent)
    : NmeaHandler(NmeaData::instance(), QStringLiteral("VLW"), true, parent)
{
    setOutputDataObject(NmeaOutputData::instance());
}
