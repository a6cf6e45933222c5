#include "data/ESAutoFunctionsSetup.h"

ESAutoFunctionsSetup::ESAutoFunctionsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_Freq24kSetup(new ESTransducerAutoFunctionsSetup(this, QStringLiteral("Freq24kSetup")))
    , m_Freq30k33k38kSetup(new ESTransducerAutoFunctionsSetup(this, QStringLiteral("Freq30k33k38kSetup")))
    , m_Freq50kSetup(new ESTransducerAutoFunctionsSetup(this, QStringLiteral("Freq50kSetup")))
    , m_Freq100kSetup(new ESTransducerAutoFunctionsSetup(this, QStringLiteral("Freq100kSetup")))
    , m_Freq200k210kSetup(new ESTransducerAutoFunctionsSetup(this, QStringLiteral("Freq200k210kSetup")))
    , m_GainSetup(new GainAutoFunctionSetup(this, QStringLiteral("GainSetup")))
{
}

void ESAutoFunctionsSetup::applyCustomDefaults()
{
    m_Freq24kSetup->setPowerAtLessThan20m(5);
    m_Freq24kSetup->setPowerAt20m(20);
    m_Freq24kSetup->setPowerAt50m(70);
    m_Freq30k33k38kSetup->setPowerAtLessThan20m(5);
    m_Freq30k33k38kSetup->setPowerAt20m(30);
    m_Freq30k33k38kSetup->setPowerAt50m(80);
    m_Freq100kSetup->setPulseWidth2(6000);
    m_Freq200k210kSetup->setPulseWidth2(8000);
}

ESTransducerAutoFunctionsSetup *ESAutoFunctionsSetup::autoFunctionsSetupForFrequency(int frequencyIndex) const
{
    return frequencyIndex == 1 ? m_Freq50kSetup : m_Freq200k210kSetup;
}
