// The handler sets of the products, installed into the handler registry before main runs.

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/AlertHandlers.h"
#include "sentences/DepthHandlers.h"
#include "sentences/DimmingHandlers.h"
#include "sentences/HandlerSrp.h"
#include "sentences/NavigationHandlers.h"
#include "sentences/PqrvConfigurationHandlers.h"
#include "sentences/PqrvDiagnosticsHandlers.h"
#include "sentences/PqrvPairingHandlers.h"
#include "sentences/PqrvStandbyHandlers.h"
#include "sentences/SatelliteHandlers.h"

namespace {

// The sets, by build configuration:
//   speed-log display (MIR_LOX1000/MIR_LOX2000, "CU"): SRP and the proprietary set;
//   speed-log junction box (MIR_LOX1000/MIR_LOX2000, "JB"): its standard set, SRP and the proprietary set;
//   every other product: its standard set, SRP, the proprietary set and the proprietary DPT.
enum HandlerSet : unsigned {
    SpeedLogDisplay = 1,
    SpeedLogJunctionBox = 2,
    OtherProducts = 4,
    EverySet = SpeedLogDisplay | SpeedLogJunctionBox | OtherProducts
};

using HandlerCreator = NmeaHandler *(*)(QObject *parent);

template <typename Handler> NmeaHandler *plain(QObject *parent)
{
    return new Handler(parent);
}

// The other products keep their own runtime values: DAT and THS store into and send from them, and DAT,
// THS, VBW and VTG are sent only on request, not periodically.
template <typename Handler> NmeaHandler *onRequest(QObject *parent)
{
    NmeaHandler *handler = new Handler(parent);
    handler->setPeriodic(false);
    return handler;
}

template <typename Handler> NmeaHandler *ownRuntimeOnRequest(QObject *parent)
{
    NmeaHandler *handler = onRequest<Handler>(parent);
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    handler->setDataObject(runtime);
    handler->setOutputDataObject(runtime);
    return handler;
}

struct HandlerEntry
{
    const char *name;
    bool proprietary;
    unsigned sets;
    HandlerCreator create;
};

constexpr unsigned JunctionBoxAndOthers = SpeedLogJunctionBox | OtherProducts;

// One row per handler and set; the handlers of a set are created in the order of the rows.
const HandlerEntry s_handlerTable[] = {
    { "ACK", false, JunctionBoxAndOthers, plain<HandlerAck> },
    { "ACN", false, JunctionBoxAndOthers, plain<HandlerAcn> },
    { "ALC", false, OtherProducts, plain<HandlerAlc> },
    { "ALF", false, OtherProducts, plain<HandlerAlf> },
    { "ALR", false, OtherProducts, plain<HandlerAlr> },
    { "ARC", false, OtherProducts, plain<HandlerArc> },
    { "DAT", false, SpeedLogJunctionBox, plain<HandlerDat> },
    { "DBT", false, OtherProducts, plain<HandlerDbt> },
    { "DDC", false, JunctionBoxAndOthers, plain<HandlerDdc> },
    { "DPT", false, JunctionBoxAndOthers, plain<HandlerDpt> },
    { "GGA", false, JunctionBoxAndOthers, plain<HandlerGga> },
    { "GLL", false, JunctionBoxAndOthers, plain<HandlerGll> },
    { "HBT", false, JunctionBoxAndOthers, plain<HandlerHbt> },
    { "HDT", false, JunctionBoxAndOthers, plain<HandlerHdt> },
    { "THS", false, SpeedLogJunctionBox, plain<HandlerThs> },
    { "VBW", false, SpeedLogJunctionBox, plain<HandlerVbw> },
    { "VTG", false, SpeedLogJunctionBox, plain<HandlerVtg> },
    { "ZDA", false, JunctionBoxAndOthers, plain<HandlerZda> },
    { "DBS", false, OtherProducts, plain<HandlerDbs> },
    { "DBK", false, OtherProducts, plain<HandlerDbk> },
    { "XDR", false, OtherProducts, plain<HandlerXdr> },
    { "RMC", false, JunctionBoxAndOthers, plain<HandlerRmc> },
    { "ROT", false, JunctionBoxAndOthers, plain<HandlerRot> },
    { "VLW", false, SpeedLogJunctionBox, plain<HandlerVlw> },
    { "GSA", false, SpeedLogJunctionBox, plain<HandlerGsa> },
    { "GST", false, SpeedLogJunctionBox, plain<HandlerGst> },
    { "GSV", false, SpeedLogJunctionBox, plain<HandlerGsv> },
    { "DPT", true, OtherProducts, plain<HandlerPqrvDpt> },
    { "DAT", false, OtherProducts, ownRuntimeOnRequest<HandlerDat> },
    { "THS", false, OtherProducts, ownRuntimeOnRequest<HandlerThs> },
    { "VBW", false, OtherProducts, onRequest<HandlerVbw> },
    { "VTG", false, OtherProducts, onRequest<HandlerVtg> },
    // A speed-log display takes in no standard sentence but SRP.
    { "SRP", false, EverySet, plain<HandlerSrp> },
    { "PAIR", true, EverySet, plain<HandlerPqrvPair> },
    { "SFIACK", true, EverySet, plain<HandlerPqrvSfiAck> },
    { "SFICHK", true, EverySet, plain<HandlerPqrvSfiChk> },
    { "SFITKN", true, EverySet, plain<HandlerPqrvSfiTkn> },
    { "SFICHANGE", true, EverySet, plain<HandlerPqrvSfiChange> },
    { "DEVSTART", true, EverySet, plain<HandlerPqrvDevStart> },
    { "SLP", true, EverySet, plain<HandlerPqrvSlp> },
    { "GCF", true, EverySet, plain<HandlerPqrvGcf> },
    { "SCF", true, EverySet, plain<HandlerPqrvScf> },
    { "CFGR", true, EverySet, plain<HandlerPqrvCfgr> },
    { "ERRORTABLE", true, EverySet, plain<HandlerPqrvErrortable> },
    { "ERRORCODE", true, EverySet, plain<HandlerPqrvErrorcode> },
    { "VMPCGTER", true, EverySet, plain<HandlerPqrvVmpcgter> },
    { "MACA", true, EverySet, plain<HandlerPqrvMaca> },
    { "REBOOT", true, EverySet, plain<HandlerPqrvReboot> },
    { "ICM", true, EverySet, plain<HandlerPqrvIcm> },
};

HandlerSet configuredSet()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (!build->isMirLox1000 && !build->isMirLox2000)
        return OtherProducts;
    return build->isSoftwareJb ? SpeedLogJunctionBox : SpeedLogDisplay;
}

QList<NmeaHandlerContainer::Registration> createConfiguredHandlerSet(QObject *parent)
{
    const HandlerSet set = configuredSet();
    QList<NmeaHandlerContainer::Registration> handlers;
    for (const HandlerEntry &entry : s_handlerTable) {
        if (entry.sets & set)
            handlers.append({ QLatin1String(entry.name), entry.proprietary, entry.create(parent) });
    }
    return handlers;
}

const bool s_installed = NmeaHandlerContainer::setHandlerSetFactory(&createConfiguredHandlerSet);

} // namespace
