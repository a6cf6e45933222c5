#include "sentences/PqrvConfigurationHandlers.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "common/Port.h"
#include "data/CU_R207_Setup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/Validators.h"
#include "sentences/PqrvProtocolSupport.h"
#include "sentences/PqrvSentences.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStringList>

namespace {

// What the report says of the unit, taken from the settings object of the role.
struct ReportedIdentity
{
    QString systemName;
    uint serialNumber = 0;
    QString softwareVersion;
    QString ip;
    QString macAddress;
    QString localSfi;
    QString pairedSfi;
    int group = 0;
};

ReportedIdentity reportedIdentity()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const CU_R207_Setup *display = PqrvProtocol::displaySetup();
    const ESTQ55Setup *box = PqrvProtocol::junctionBoxSetup();
    ReportedIdentity identity;
    if (build->isSoftwareCu) {
        identity.serialNumber = display->DisplaySerialNumber();
        identity.softwareVersion = display->SoftwareVersion();
        identity.ip = display->IP();
        identity.macAddress = display->MacAddress();
        identity.localSfi = display->LocalSFI();
        identity.pairedSfi = display->PairedSFI();
        identity.group = display->Group();
    } else {
        identity.serialNumber = box->TQ55SerialNumber();
        identity.softwareVersion = box->SoftwareVersion();
        identity.ip = box->IP();
        identity.macAddress = box->MacAddress();
        identity.localSfi = box->LocalSFI();
        identity.group = box->Group();
    }
    // The system name of a display is its own only where the display has a name of its own to show.
    const bool displayName = build->isSoftwareCu
        && (build->isWindows || build->isTvr200 || build->isTvr300 || build->isMirLox2000);
    identity.systemName = displayName ? display->SystemName() : box->SystemName();
    return identity;
}

// The SFI without its two letters; an SFI shorter than that gives the empty text.
QString sfiDigits(const QString &sfi)
{
    return sfi.mid(2);
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// GCF and CFGR

HandlerPqrvGcf::HandlerPqrvGcf(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("GCF"), false, parent, true)
{
}

QString HandlerPqrvGcf::reportedSoftwareVersion(const QString &version)
{
    const int underscore = version.indexOf(QLatin1Char('_'));
    if (underscore < 0) {
        if (admitLogLine("Wrong software version format"))
            qDebug() << "Wrong software version format!";
        return version;
    }
    const int start = underscore + 1;
    const int lastDot = version.lastIndexOf(QLatin1Char('.'));
    const QString tail = lastDot < 0 ? version : version.mid(lastDot + 1);
    if (tail.length() > 2 && lastDot >= start)
        return version.mid(start, lastDot - start);
    return version.mid(start);
}

void HandlerPqrvGcf::handleReceivedMessage(NmeaMessage *message)
{
    Q_UNUSED(message)
    m_lastMessageValid = true;
    const ReportedIdentity identity = reportedIdentity();
    const QString productCode = BuildConfiguration::instance()->productCode();

    MsgPqrvCfgr report { QString() };
    const QList<ValidatedStringProperty *> params { report.Param1(), report.Param2(), report.Param3(),
        report.Param4(), report.Param5(), report.Param6(), report.Param7(), report.Param8() };
    const auto fill = [&report, &params](int part, const QStringList &values) {
        report.MessagePartIndex()->setValue(part);
        for (int i = 0; i < params.size(); ++i)
            params.at(i)->setValue(values.value(i));
    };

    QStringList sentences;
    fill(1,
        { productCode.isEmpty() ? QStringLiteral("150") : productCode, identity.systemName,
            QString::number(identity.serialNumber), reportedSoftwareVersion(identity.softwareVersion) });
    sentences.append(report.toSentence());

    // An address that is not yet four parts (a placeholder) sends what parts it has; the rest stay empty.
    const QStringList ip = identity.ip.split(QLatin1Char('.'));
    fill(2,
        { ip.value(0), ip.value(1), ip.value(2), ip.value(3), identity.macAddress,
            sfiDigits(identity.localSfi),
            BuildConfiguration::instance()->isSoftwareCu ? sfiDigits(identity.pairedSfi) : QString(),
            QString::number(qint64(identity.group) + 1) });
    sentences.append(report.toSentence());

    if (NmeaHandler *cfgr = PqrvProtocol::siblingHandler(this, QStringLiteral("CFGR")))
        cfgr->sendSentencesOnEnabledPorts(sentences);
}

HandlerPqrvCfgr::HandlerPqrvCfgr(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("CFGR"), false, parent, true)
{
    addExtraPort(UDP);
}

// ---------------------------------------------------------------------------------------------------------
// SCF

HandlerPqrvScf::HandlerPqrvScf(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SCF"), false, parent, true)
{
}

void HandlerPqrvScf::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *scf = qobject_cast<const MsgPqrvScf *>(message);
    if (!scf) {
        m_lastMessageValid = false;
        return;
    }
    const BuildConfiguration *build = BuildConfiguration::instance();
    const QString talker = build->talker;

    const QString ip = QStringList { PqrvProtocol::textOf(scf->IP1()), PqrvProtocol::textOf(scf->IP2()),
        PqrvProtocol::textOf(scf->IP3()), PqrvProtocol::textOf(scf->IP4()) }
                           .join(QLatin1Char('.'));
    IpValidator ipValidator(QStringLiteral("- Invalid value!"));
    const bool ipValid = ipValidator.validate(ip);

    SerializableClass *target = build->isSoftwareCu
        ? static_cast<SerializableClass *>(PqrvProtocol::displaySetup())
        : static_cast<SerializableClass *>(PqrvProtocol::junctionBoxSetup());

    // Each value goes through the setting's own checks; what one refuses leaves the others to apply.
    if (scf->SystemName()->isValid())
        PqrvProtocol::applyReceivedValue(target, QStringLiteral("SystemName"), scf->SystemName()->value());
    if (ipValid)
        PqrvProtocol::applyReceivedValue(target, QStringLiteral("IP"), ip);
    if (scf->LocalSfi()->isValid())
        PqrvProtocol::applyReceivedValue(
            target, QStringLiteral("LocalSFI"), talker + scf->LocalSfi()->value());
    if (build->isSoftwareCu && scf->PairedSfi()->isValid())
        PqrvProtocol::applyReceivedValue(
            target, QStringLiteral("PairedSFI"), talker + scf->PairedSfi()->value());
    if (scf->Group()->isValid())
        PqrvProtocol::applyReceivedValue(
            target, QStringLiteral("Group"), QString::number(scf->Group()->value() - 1));

    if (!build->isSoftwareCu) {
        for (const char *name : { "SystemName", "IP", "LocalSFI", "Group" })
            target->serializeSinglePropertyByName(QLatin1String(name));
    }
    target->saveToFile();
}

// ---------------------------------------------------------------------------------------------------------
// MACA

HandlerPqrvMaca::HandlerPqrvMaca(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("MACA"), false, parent, true)
{
}

void HandlerPqrvMaca::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *maca = qobject_cast<const MsgPqrvMaca *>(message);
    // The settings describe the MAC address as shown, not typed (its pattern is the placeholder "x"),
    // so the received text is held to the address pattern of the sentence field itself.
    static const QRegularExpression macPattern(QStringLiteral("^([0-9A-F]{2}[:-]){5}([0-9A-F]{2})$"));
    if (!maca || !maca->MacAddress()->isValid()
        || !macPattern.match(maca->MacAddress()->value()).hasMatch()) {
        m_lastMessageValid = false;
        return;
    }
    const QString address = maca->MacAddress()->value();
    if (BuildConfiguration::instance()->isSoftwareCu) {
        CU_R207_Setup *display = PqrvProtocol::displaySetup();
        if (PqrvProtocol::applyReceivedValue(display, QStringLiteral("MacAddress"), address))
            display->saveToFile();
        return;
    }
    ESTQ55Setup *box = PqrvProtocol::junctionBoxSetup();
    if (!PqrvProtocol::applyReceivedValue(box, QStringLiteral("MacAddress"), address))
        return;
    box->serializeSinglePropertyByName(QStringLiteral("MacAddress"));
    box->saveToFile();
}
