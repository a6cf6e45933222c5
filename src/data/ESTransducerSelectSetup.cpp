#include "data/ESTransducerSelectSetup.h"

ESTransducerSelectSetup::ESTransducerSelectSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_TransducerSetup1(new EsTransducerSetup(this, QStringLiteral("TransducerSetup1")))
    , m_TransducerSetup2(new EsTransducerSetup(this, QStringLiteral("TransducerSetup2")))
{
}

void ESTransducerSelectSetup::applyCustomDefaults()
{
    m_TransducerSetup2->setPosition(1);
    m_TransducerSetup2->setPartNumber(0);
    m_TransducerSetup2->setApprovedPrimary(1);
}
