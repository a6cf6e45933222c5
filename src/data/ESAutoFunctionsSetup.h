#ifndef ESAUTOFUNCTIONSSETUP_H
#define ESAUTOFUNCTIONSSETUP_H

#include "data/ESTransducerAutoFunctionsSetup.h"
#include "data/GainAutoFunctionSetup.h"
#include "data/SerializableClass.h"

// Tables of the automatic functions: pulse width and power by depth for each frequency band, and the
// limits of the automatic gain.
class ESAutoFunctionsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(ESTransducerAutoFunctionsSetup *Freq24kSetup READ Freq24kSetup)
    Q_PROPERTY(ESTransducerAutoFunctionsSetup *Freq30k33k38kSetup READ Freq30k33k38kSetup)
    Q_PROPERTY(ESTransducerAutoFunctionsSetup *Freq50kSetup READ Freq50kSetup)
    Q_PROPERTY(ESTransducerAutoFunctionsSetup *Freq100kSetup READ Freq100kSetup)
    Q_PROPERTY(ESTransducerAutoFunctionsSetup *Freq200k210kSetup READ Freq200k210kSetup)
    Q_PROPERTY(GainAutoFunctionSetup *GainSetup READ GainSetup)

public:
    ESAutoFunctionsSetup(QObject *parent, const QString &name);

    ESTransducerAutoFunctionsSetup *Freq24kSetup() const { return m_Freq24kSetup; }
    ESTransducerAutoFunctionsSetup *Freq30k33k38kSetup() const { return m_Freq30k33k38kSetup; }
    ESTransducerAutoFunctionsSetup *Freq50kSetup() const { return m_Freq50kSetup; }
    ESTransducerAutoFunctionsSetup *Freq100kSetup() const { return m_Freq100kSetup; }
    ESTransducerAutoFunctionsSetup *Freq200k210kSetup() const { return m_Freq200k210kSetup; }
    GainAutoFunctionSetup *GainSetup() const { return m_GainSetup; }

    // The low frequencies need less power in shallow water, the high ones longer pulses at depth.
    void applyCustomDefaults() override;
    // The table of a SensorFrequency index: "Freq50kSetup" for 1 (50 kHz), "Freq200k210kSetup" for
    // every other index.
    ESTransducerAutoFunctionsSetup *autoFunctionsSetupForFrequency(int frequencyIndex) const;

private:
    ESTransducerAutoFunctionsSetup *m_Freq24kSetup;
    ESTransducerAutoFunctionsSetup *m_Freq30k33k38kSetup;
    ESTransducerAutoFunctionsSetup *m_Freq50kSetup;
    ESTransducerAutoFunctionsSetup *m_Freq100kSetup;
    ESTransducerAutoFunctionsSetup *m_Freq200k210kSetup;
    GainAutoFunctionSetup *m_GainSetup;
};

#endif // ESAUTOFUNCTIONSSETUP_H
