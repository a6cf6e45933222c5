#ifndef ESTRANSDUCERSELECTSETUP_H
#define ESTRANSDUCERSELECTSETUP_H

#include "data/EsTransducerSetup.h"
#include "data/SerializableClass.h"

// The two transducer channels of an echo sounder.
class ESTransducerSelectSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(EsTransducerSetup *TransducerSetup1 READ TransducerSetup1)
    Q_PROPERTY(EsTransducerSetup *TransducerSetup2 READ TransducerSetup2)

public:
    ESTransducerSelectSetup(QObject *parent, const QString &name);

    EsTransducerSetup *TransducerSetup1() const { return m_TransducerSetup1; }
    EsTransducerSetup *TransducerSetup2() const { return m_TransducerSetup2; }

    // The second channel is mounted aft with another part and is not the approved primary.
    void applyCustomDefaults() override;

private:
    EsTransducerSetup *m_TransducerSetup1;
    EsTransducerSetup *m_TransducerSetup2;
};

#endif // ESTRANSDUCERSELECTSETUP_H
