#include "core/MirloxSystem.h"

#include "data/CU_R207_Setup.h"
#include "data/ClockOffsets.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"

MirloxSystem::MirloxSystem(QObject *parent)
    : CentralBaseClass(parent)
{
}

MirloxSystem::~MirloxSystem() = default;

void MirloxSystem::constructCentralBaseClass(QString intrfaceName)
{
    CentralBaseClass::constructCentralBaseClass(intrfaceName);

    ESLocalSetup *localSetup = ESDataClass::instance()->localSetup();
    // The settings reset the version to its default at every start, so the date is added once.
    CU_R207_Setup *display = localSetup->DisplaySetup();
    display->setSoftwareVersion(display->SoftwareVersion() + QLatin1Char('.') + buildDateStamp());

    // The fourth value of runtime page A is fixed to the product's choice 3 at every start.
    ESRuntimeScreenSetup *pageA = localSetup->RuntimeScreenSetupA();
    pageA->setRuntimeData4(3);
    pageA->serializeSinglePropertyByName(QStringLiteral("RuntimeData4"));
}

QList<int> MirloxSystem::getInvalidGroupIndexes()
{
    // Of MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP only SATD, RCOM and PROP may be chosen.
    return { 0, 1, 3, 4, 6 };
}
