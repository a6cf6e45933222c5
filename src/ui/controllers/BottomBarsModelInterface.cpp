#include "ui/controllers/BottomBarsModelInterface.h"

#include "common/SignalEmitter.h"
#include "info/EnumPropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/SetupEnumInterface.h"

BottomBarsModelInterface *BottomBarsModelInterface::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static BottomBarsModelInterface *controller = new BottomBarsModelInterface;
    return controller;
}

BottomBarsModelInterface::BottomBarsModelInterface(QObject *parent)
    : AbstractModelInterface(parent)
{
    m_longPressTimer.setInterval(longPressMs);
    connect(buttonSignalEmitter(), SIGNAL(signalBottomBarPressed(BottomBarInfo *)), this,
        SLOT(buttonPressed(BottomBarInfo *)));
    connect(buttonSignalEmitter(), SIGNAL(signalBottomBarReleased(BottomBarInfo *)), this,
        SLOT(buttonReleased(BottomBarInfo *)));
}

void BottomBarsModelInterface::registerButtonInfo(BottomBarInfo *binding)
{
    storeBinding(binding);
}

void BottomBarsModelInterface::buttonPressed(BottomBarInfo *binding)
{
    if (isActiveController())
        pressBoundButton(binding);
}

void BottomBarsModelInterface::buttonReleased(BottomBarInfo *)
{
    if (isActiveController())
        releaseBoundButton();
}

void BottomBarsModelInterface::openLongPressDialog()
{
    if (m_currentProperty && m_currentProperty->isValid()) {
        if (auto *enumerated = qobject_cast<EnumPropertyInfo *>(m_currentProperty))
            SetupEnumInterface::instance()->openChooserFor(enumerated);
    }
}
