#include "comms/iec450/ListOfSfisOnNetwork.h"

ListOfSfisOnNetwork::ListOfSfisOnNetwork()
    : QObject(nullptr)
{
}

ListOfSfisOnNetwork *ListOfSfisOnNetwork::instance()
{
    static ListOfSfisOnNetwork *const list = new ListOfSfisOnNetwork();
    return list;
}

QStringList *ListOfSfisOnNetwork::sfisOnNetwork()
{
    return &m_sfisOnNetwork;
}

void ListOfSfisOnNetwork::addSfi(const QString &sfi)
{
    if (!m_sfisOnNetwork.contains(sfi))
        m_sfisOnNetwork.append(sfi);
}

void ListOfSfisOnNetwork::removeSfi(const QString &sfi)
{
    m_sfisOnNetwork.removeAll(sfi);
}
