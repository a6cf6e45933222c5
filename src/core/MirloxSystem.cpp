#include "core/MirloxSystem.h"

#include "common/BuildConfiguration.h"
#include "data/CU_R207_Setup.h"
#include "data/ClockOffsets.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/window/BaseScreen.h"

#include <cmath>

MirloxSystem::MirloxSystem(QObject *parent)
    : CentralBaseClass(parent)
{
    // In this product values of 100 and more keep their decimals on screen.
    PropertyInfo::setNoDecimalsFrom100(false);
}

MirloxSystem::~MirloxSystem() = default;

void MirloxSystem::constructCentralBaseClass(QString intrfaceName)
{
    CentralBaseClass::constructCentralBaseClass(intrfaceName);

    ESLocalSetup *localSetup = ESDataClass::instance()->localSetup();
    // The settings reset the version to its default at every start, so the date is added once.
    CU_R207_Setup *display = localSetup->DisplaySetup();
    display->setSoftwareVersion(display->SoftwareVersion() + QLatin1Char('.') + buildDateStamp());

    ESDataInfoClass *descriptions = ESDataInfoClass::instance();
    // The address colour of the junction box's setup is wired by the common construction; the display's
    // own address is coloured only in the echo sounder that shows it.
    if (BuildConfiguration::instance()->isTvr200) {
        if (auto *address = qobject_cast<ValuePropertyInfo *>(descriptions->setupPropertyInfo(
                QStringLiteral("ls"), QStringLiteral("IP"), QStringLiteral("DisplaySetup"))))
            connect(address, &PropertyInfo::valueChanged, this, [this, address]() { ipChanged(address); });
    }

    // The speed unit on the main window's unit button. The button and its slot come with the screens; until
    // the window has the slot nothing is connected (and no refused connection is reported).
    PropertyInfo *speedScale = descriptions->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("ScalesSpeed"), QStringLiteral("OptionsSetup"));
    if (speedScale && mainWindow()->metaObject()->indexOfSlot("unitChanged(QString)") >= 0)
        connect(speedScale, SIGNAL(valueChanged(QString)), mainWindow(), SLOT(unitChanged(QString)));

    // The fourth value of runtime page A is fixed to the product's choice 3 at every start, and the others
    // cannot be chosen.
    if (auto *pageAData4 = qobject_cast<EnumPropertyInfo *>(descriptions->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("RuntimeData4"), QStringLiteral("RuntimeScreenSetupA")))) {
        pageAData4->setCurrentIndex(3);
        pageAData4->setInvalidIndexes({ 0, 1, 2, 4 });
    }

    // The hemisphere after the position names: "N" or "S", "E" or "W" by the sign, "N/S" or "E/W" while the
    // position is invalid or no number.
    const struct
    {
        const char *property;
        const char *positive;
        const char *negative;
        const char *unknown;
    } hemispheres[] = { { "PositionNS", "N", "S", "N/S" }, { "PositionEW", "E", "W", "E/W" } };
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    for (const auto &hemisphere : hemispheres) {
        auto *position = qobject_cast<RuntimePropertyInfo *>(
            descriptions->runtimePropertyInfo(QLatin1String(hemisphere.property)));
        if (!position)
            continue;
        connect(position, &PropertyInfo::valueChanged, this, [position, runtime, hemisphere]() {
            QString letters = QLatin1String(hemisphere.unknown);
            bool isNumber = false;
            const double value = position->sourceValue().toDouble(&isNumber);
            if (runtime->isValid(position->name()) && isNumber && std::isfinite(value))
                letters = QLatin1String(value < 0.0 ? hemisphere.negative : hemisphere.positive);
            position->setNameSuffix(QLatin1Char(' ') + letters);
        });
    }
}

void MirloxSystem::reinitializeRuntimePages()
{
    mainWindow()->reinitializeRuntimePages();
}

QList<int> MirloxSystem::getInvalidGroupIndexes()
{
    // Of MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP only SATD, RCOM and PROP may be chosen.
    return { 0, 1, 3, 4, 6 };
}
