#ifndef BOTTOMBARSMODELINTERFACE_H
#define BOTTOMBARSMODELINTERFACE_H

#include "common/ScopedInstanceOverride.h"
#include "ui/controllers/AbstractModelInterface.h"

class BottomBarInfo;

// The process-wide controller of the bottom bars of the runtime pages: presses as on the runtime value
// buttons; a press held for one second opens the value chooser of an enumerated setting.
class BottomBarsModelInterface : public AbstractModelInterface
{
    Q_OBJECT

public:
    using TestOverride = ScopedInstanceOverride<BottomBarsModelInterface>;

    // Created on first use with no parent; never destroyed. While a TestOverride lives, its object.
    static BottomBarsModelInterface *instance();

    // Listens to the button hub. Only the object instance() returns acts on what it hears.
    explicit BottomBarsModelInterface(QObject *parent = nullptr);

    void registerButtonInfo(BottomBarInfo *binding);

public slots:
    void buttonPressed(BottomBarInfo *binding);
    void buttonReleased(BottomBarInfo *binding);
    void openLongPressDialog() override;

private:
    bool isActiveController() const { return instance() == this; }
};

#endif // BOTTOMBARSMODELINTERFACE_H
