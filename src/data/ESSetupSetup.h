#ifndef ESSETUPSETUP_H
#define ESSETUPSETUP_H

#include "data/ESOptionsSetup.h"
#include "data/SerializableClass.h"

// Container of the vessel options ("SetupSetup").
class ESSetupSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(ESOptionsSetup *OptionsSetup READ OptionsSetup)

public:
    ESSetupSetup(QObject *parent, const QString &name);

    ESOptionsSetup *OptionsSetup() const { return m_OptionsSetup; }

private:
    ESOptionsSetup *m_OptionsSetup;
};

#endif // ESSETUPSETUP_H
