#include "comms/TmpPortsSetupAdapter.h"

#include <QVariant>

TmpPortsSetupAdapter::TmpPortsSetupAdapter(QObject *communicationsSetup, QObject *parent)
    : QObject(parent)
    , m_communicationsSetup(communicationsSetup)
{
}

int TmpPortsSetupAdapter::numberOfPorts()
{
    return 4;
}

bool TmpPortsSetupAdapter::isSentenceEnabledOnPort(const QString &sentence, Port port) const
{
    if (!m_communicationsSetup || sentence.isEmpty())
        return false;
    QString setupName;
    switch (port) {
    case Serial_1:
        setupName = QStringLiteral("NmeaPort1Setup");
        break;
    case Serial_3:
        setupName = QStringLiteral("NmeaPort3Setup");
        break;
    case UDP:
        setupName = QStringLiteral("UdpPortSetup");
        break;
    default:
        // Serial_2 and the additional ports never send standard sentences.
        return false;
    }
    const QObject *portSetup
        = m_communicationsSetup->findChild<QObject *>(setupName, Qt::FindDirectChildrenOnly);
    if (!portSetup)
        return false;
    const QVariant value = portSetup->property(sentence.toLatin1().constData());
    if (!value.isValid())
        return false;
    bool ok = false;
    const int choice = value.toInt(&ok);
    return ok && choice == 0;
}
