#ifndef MIRLOXSYSTEM_H
#define MIRLOXSYSTEM_H

#include "core/CentralBaseClass.h"

// The system object of the satellite speed log ("MIRLOX"): the common construction, then the product's own
// wiring: the build date in the software version, the fixed fourth runtime value of page A, the speed unit
// for the unit button, the hemisphere letters after the position names, and the
// transmission groups it may use (SATD, RCOM and PROP).
class MirloxSystem : public CentralBaseClass
{
    Q_OBJECT

public:
    explicit MirloxSystem(QObject *parent = nullptr);
    ~MirloxSystem() override;

public slots:
    void constructCentralBaseClass(QString intrfaceName) override;
    QList<int> getInvalidGroupIndexes() override;

protected:
    // The runtime pages bind to their page settings once the settings have announced their values.
    void reinitializeRuntimePages() override;
};

#endif // MIRLOXSYSTEM_H
