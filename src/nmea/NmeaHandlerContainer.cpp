#include "nmea/NmeaHandlerContainer.h"

#include "data/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaHandler.h"
#include "nmea/sentences/AlertHandlers.h"
#include "nmea/sentences/DepthHandlers.h"
#include "nmea/sentences/DimmingHandlers.h"
#include "nmea/sentences/HandlerSrp.h"
#include "nmea/sentences/NavigationHandlers.h"
#include "nmea/sentences/PqrvConfigurationHandlers.h"
#include "nmea/sentences/PqrvDiagnosticsHandlers.h"
#include "nmea/sentences/PqrvPairingHandlers.h"
#include "nmea/sentences/PqrvStandbyHandlers.h"
#include "nmea/sentences/SatelliteHandlers.h"

NmeaHandlerContainer *NmeaHandlerContainer::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static NmeaHandlerContainer *const container = new NmeaHandlerContainer(nullptr);
    return container;
}

NmeaHandlerContainer::NmeaHandlerContainer(QObject *parent)
    : QObject(parent)
{
    createHandlers();
    m_allHandlers = m_standardHandlers.values();
    m_allHandlers.append(m_proprietaryHandlers.values());
}

NmeaHandlerContainer *NmeaHandlerContainer::containerOf(const QObject *handler)
{
    if (handler) {
        if (auto *container = qobject_cast<NmeaHandlerContainer *>(handler->parent()))
            return container;
    }
    return instance();
}

NmeaHandler *NmeaHandlerContainer::handler(const QString &talker, const QString &name) const
{
    const QHash<QString, NmeaHandler *> &handlers
        = talker == QLatin1String("PQRV") ? m_proprietaryHandlers : m_standardHandlers;
    return handlers.value(name, nullptr);
}

QList<NmeaHandler *> NmeaHandlerContainer::handlers() const
{
    return m_allHandlers;
}

void NmeaHandlerContainer::addStandard(const QString &formatter, NmeaHandler *handler)
{
    m_standardHandlers.insert(formatter, handler);
}

void NmeaHandlerContainer::addProprietary(const QString &name, NmeaHandler *handler)
{
    m_proprietaryHandlers.insert(name, handler);
}

void NmeaHandlerContainer::createHandlers()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const bool speedLog = build->isMirLox1000 || build->isMirLox2000;
    if (!speedLog)
        createDefaultHandlers();
    else if (build->isSoftwareJb)
        createSpeedLogJunctionBoxHandlers();
    // A speed-log display takes in no standard sentence but SRP.

    addStandard(QStringLiteral("SRP"), new HandlerSrp(this));

    addProprietary(QStringLiteral("PAIR"), new HandlerPqrvPair(this));
    addProprietary(QStringLiteral("SFIACK"), new HandlerPqrvSfiAck(this));
    addProprietary(QStringLiteral("SFICHK"), new HandlerPqrvSfiChk(this));
    addProprietary(QStringLiteral("SFITKN"), new HandlerPqrvSfiTkn(this));
    addProprietary(QStringLiteral("SFICHANGE"), new HandlerPqrvSfiChange(this));
    addProprietary(QStringLiteral("DEVSTART"), new HandlerPqrvDevStart(this));
    addProprietary(QStringLiteral("SLP"), new HandlerPqrvSlp(this));
    addProprietary(QStringLiteral("GCF"), new HandlerPqrvGcf(this));
    addProprietary(QStringLiteral("SCF"), new HandlerPqrvScf(this));
    addProprietary(QStringLiteral("CFGR"), new HandlerPqrvCfgr(this));
    addProprietary(QStringLiteral("ERRORTABLE"), new HandlerPqrvErrortable(this));
    addProprietary(QStringLiteral("ERRORCODE"), new HandlerPqrvErrorcode(this));
    addProprietary(QStringLiteral("VMPCGTER"), new HandlerPqrvVmpcgter(this));
    addProprietary(QStringLiteral("MACA"), new HandlerPqrvMaca(this));
    addProprietary(QStringLiteral("REBOOT"), new HandlerPqrvReboot(this));
    addProprietary(QStringLiteral("ICM"), new HandlerPqrvIcm(this));
}

void NmeaHandlerContainer::createSpeedLogJunctionBoxHandlers()
{
    addStandard(QStringLiteral("ACK"), new HandlerAck(this));
    addStandard(QStringLiteral("ACN"), new HandlerAcn(this));
    addStandard(QStringLiteral("DAT"), new HandlerDat(this));
    addStandard(QStringLiteral("DDC"), new HandlerDdc(this));
    addStandard(QStringLiteral("DPT"), new HandlerDpt(this));
    addStandard(QStringLiteral("GGA"), new HandlerGga(this));
    addStandard(QStringLiteral("GLL"), new HandlerGll(this));
    addStandard(QStringLiteral("HBT"), new HandlerHbt(this));
    addStandard(QStringLiteral("HDT"), new HandlerHdt(this));
    addStandard(QStringLiteral("THS"), new HandlerThs(this));
    addStandard(QStringLiteral("VBW"), new HandlerVbw(this));
    addStandard(QStringLiteral("VTG"), new HandlerVtg(this));
    addStandard(QStringLiteral("ZDA"), new HandlerZda(this));
    addStandard(QStringLiteral("RMC"), new HandlerRmc(this));
    addStandard(QStringLiteral("ROT"), new HandlerRot(this));
    addStandard(QStringLiteral("VLW"), new HandlerVlw(this));
    addStandard(QStringLiteral("GSA"), new HandlerGsa(this));
    addStandard(QStringLiteral("GST"), new HandlerGst(this));
    addStandard(QStringLiteral("GSV"), new HandlerGsv(this));
}

void NmeaHandlerContainer::createDefaultHandlers()
{
    addStandard(QStringLiteral("ACK"), new HandlerAck(this));
    addStandard(QStringLiteral("ACN"), new HandlerAcn(this));
    addStandard(QStringLiteral("ALC"), new HandlerAlc(this));
    addStandard(QStringLiteral("ALF"), new HandlerAlf(this));
    addStandard(QStringLiteral("ALR"), new HandlerAlr(this));
    addStandard(QStringLiteral("ARC"), new HandlerArc(this));
    addStandard(QStringLiteral("DBT"), new HandlerDbt(this));
    addStandard(QStringLiteral("DDC"), new HandlerDdc(this));
    addStandard(QStringLiteral("DPT"), new HandlerDpt(this));
    addStandard(QStringLiteral("GGA"), new HandlerGga(this));
    addStandard(QStringLiteral("GLL"), new HandlerGll(this));
    addStandard(QStringLiteral("HBT"), new HandlerHbt(this));
    addStandard(QStringLiteral("HDT"), new HandlerHdt(this));
    addStandard(QStringLiteral("ZDA"), new HandlerZda(this));
    addStandard(QStringLiteral("DBS"), new HandlerDbs(this));
    addStandard(QStringLiteral("DBK"), new HandlerDbk(this));
    addStandard(QStringLiteral("XDR"), new HandlerXdr(this));
    addStandard(QStringLiteral("RMC"), new HandlerRmc(this));
    addStandard(QStringLiteral("ROT"), new HandlerRot(this));

    addProprietary(QStringLiteral("DPT"), new HandlerPqrvDpt(this));

    // The other products keep their own runtime values: DAT and THS store into and send from them, and
    // DAT, THS, VBW and VTG are sent only on request, not periodically.
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    auto *dat = new HandlerDat(this);
    dat->setDataObject(runtime);
    dat->setOutputDataObject(runtime);
    dat->setPeriodic(false);
    addStandard(QStringLiteral("DAT"), dat);

    auto *ths = new HandlerThs(this);
    ths->setDataObject(runtime);
    ths->setOutputDataObject(runtime);
    ths->setPeriodic(false);
    addStandard(QStringLiteral("THS"), ths);

    auto *vbw = new HandlerVbw(this);
    vbw->setPeriodic(false);
    addStandard(QStringLiteral("VBW"), vbw);

    auto *vtg = new HandlerVtg(this);
    vtg->setPeriodic(false);
    addStandard(QStringLiteral("VTG"), vtg);
}
