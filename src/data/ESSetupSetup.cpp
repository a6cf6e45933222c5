#include "data/ESSetupSetup.h"

ESSetupSetup::ESSetupSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_OptionsSetup(new ESOptionsSetup(this, QStringLiteral("OptionsSetup")))
{
}
