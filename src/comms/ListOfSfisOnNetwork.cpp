#include "comms/ListOfSfisOnNetwork.h"

#include "common/BuildConfiguration.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"

#include <QDebug>
#include <QTimer>

const char *const ListOfSfisOnNetwork::internalDisplaySfi = "XX9998";
const char *const ListOfSfisOnNetwork::internalJunctionBoxSfi = "ZQ9998";

namespace {

// A TVR200 junction box assumes no display until one pairs: after this delay the placeholder of "any
// display" is disconnected, which reports the state once.
const int tvr200DisconnectDelayMs = 10000;

CU_R207_Setup *displaySetup()
{
    ESLocalSetup *local = ESDataClass::instance()->localSetup();
    return local ? local->DisplaySetup() : nullptr;
}

ESTQ55Setup *junctionBoxSetup()
{
    ESSetup *setup = ESDataClass::instance()->setup();
    return setup ? setup->TQ55Setup() : nullptr;
}

} // namespace

ListOfSfisOnNetwork *ListOfSfisOnNetwork::instance()
{
    static ListOfSfisOnNetwork *const list = new ListOfSfisOnNetwork();
    return list;
}

ListOfSfisOnNetwork::ListOfSfisOnNetwork(QObject *parent)
    : QObject(parent)
    , m_errorSfi(QStringLiteral("ERROR"))
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const bool internalLinkProduct = build->isTvr100 || build->isMirLox1000;
    const QString displayInternal = QLatin1String(internalDisplaySfi);
    const QString junctionBoxInternal = QLatin1String(internalJunctionBoxSfi);

    if (build->isSoftwareCu && internalLinkProduct && build->isLinux) {
        // The embedded display talks to its junction box over the internal link only, under fixed SFIs.
        m_localSfi = displayInternal;
        m_externalLocalSfi = displayInternal;
        if (CU_R207_Setup *display = displaySetup()) {
            display->setLocalSFI(displayInternal);
            display->setPairedSFI(junctionBoxInternal);
        }
        m_sfisOnNetwork.append(junctionBoxInternal);
        m_connectedSfis.append(junctionBoxInternal);
    } else if (build->isSoftwareCu) {
        if (CU_R207_Setup *display = displaySetup()) {
            m_localSfi = display->LocalSFI();
            m_externalLocalSfi = m_localSfi;
            connect(display, &CU_R207_Setup::LocalSFIChanged, this,
                &ListOfSfisOnNetwork::externalLocalSfiChanged);
            connect(display, &CU_R207_Setup::PairedSFIChanged, this, &ListOfSfisOnNetwork::connectSfi);
        } else {
            qDebug() << "ListOfSfisOnNetwork: no display setup; own SFI unknown";
        }
    } else if (ESTQ55Setup *box = junctionBoxSetup()) {
        if (internalLinkProduct) {
            m_externalLocalSfi = box->LocalSFI();
            m_localSfi = junctionBoxInternal;
            if (!build->isWindows) {
                m_sfisOnNetwork.append(displayInternal);
                m_connectedSfis.append(displayInternal);
            }
        } else {
            m_localSfi = box->LocalSFI();
            m_externalLocalSfi = m_localSfi;
        }
        connect(box, &ESTQ55Setup::LocalSFIChanged, this, &ListOfSfisOnNetwork::externalLocalSfiChanged);
        if (build->isTvr200) {
            QTimer::singleShot(
                tvr200DisconnectDelayMs, this, [this] { disconnectSfi(QStringLiteral("XXXXXX")); });
        }
    } else {
        qDebug() << "ListOfSfisOnNetwork: no junction-box setup; own SFI unknown";
    }
}

void ListOfSfisOnNetwork::initialize() { }

QString ListOfSfisOnNetwork::localSfi() const
{
    return m_localSfi;
}

QString ListOfSfisOnNetwork::externalLocalSfi() const
{
    return m_externalLocalSfi;
}

QStringList *ListOfSfisOnNetwork::sfisOnNetwork()
{
    return &m_sfisOnNetwork;
}

const QStringList &ListOfSfisOnNetwork::connectedSfis() const
{
    return m_connectedSfis;
}

const QStringList &ListOfSfisOnNetwork::externalConnectedSfis() const
{
    return m_externalConnectedSfis;
}

QString ListOfSfisOnNetwork::firstConnectedSfi() const
{
    return m_connectedSfis.isEmpty() ? QString() : m_connectedSfis.first();
}

QString ListOfSfisOnNetwork::errorSfi() const
{
    return m_errorSfi;
}

bool ListOfSfisOnNetwork::hasExternalConnection() const
{
    return m_externalConnection;
}

void ListOfSfisOnNetwork::appendOnce(QStringList &list, const QString &sfi)
{
    if (!list.contains(sfi))
        list.append(sfi);
}

void ListOfSfisOnNetwork::updateExternalConnection()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (build->isTvr100 || build->isMirLox1000)
        m_externalConnection = !m_externalConnectedSfis.isEmpty();
}

void ListOfSfisOnNetwork::addSfi(const QString &sfi)
{
    appendOnce(m_sfisOnNetwork, sfi);
}

void ListOfSfisOnNetwork::removeSfi(const QString &sfi)
{
    if (m_sfisOnNetwork.removeAll(sfi) == 0)
        return;
    m_connectedSfis.removeAll(sfi);
    m_externalConnectedSfis.removeAll(sfi);
}

void ListOfSfisOnNetwork::connectSfi(const QString &sfi)
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    addSfi(sfi);
    if (!build->isSoftwareJb) {
        m_connectedSfis = QStringList { sfi };
        m_externalConnectedSfis = QStringList { sfi };
        return;
    }
    if (build->isTvr200 && m_connectedSfis.isEmpty())
        emit commsToDisplayStateChanged(true);
    appendOnce(m_connectedSfis, sfi);
    if (sfi != QLatin1String(internalDisplaySfi))
        appendOnce(m_externalConnectedSfis, sfi);
    updateExternalConnection();
    emit newDisplayConnected(sfi);
}

void ListOfSfisOnNetwork::disconnectSfi(const QString &sfi)
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const bool internalLinkProduct = build->isTvr100 || build->isMirLox1000;
    if (internalLinkProduct && build->isLinux && sfi == m_errorSfi)
        return;
    qDebug().noquote() << "Disconnect SFI: " + sfi;
    m_connectedSfis.removeAll(sfi);
    m_externalConnectedSfis.removeAll(sfi);
    updateExternalConnection();
    // Such a junction box keeps talking to its last display even when told to drop it.
    if (build->isSoftwareJb && build->isWindows && internalLinkProduct && m_connectedSfis.isEmpty())
        connectSfi(sfi);
    if (build->isTvr200 && build->isSoftwareJb && m_connectedSfis.isEmpty())
        emit commsToDisplayStateChanged(false);
}

void ListOfSfisOnNetwork::deviceOnNetworkChangedLocalSfi(const QString &new_sfi, const QString &old_sfi)
{
    if (new_sfi == old_sfi)
        return;
    if (m_connectedSfis.contains(old_sfi))
        connectSfi(new_sfi);
    else
        addSfi(new_sfi);
    removeSfi(old_sfi);
}

void ListOfSfisOnNetwork::externalLocalSfiChanged(const QString &sfi)
{
    m_externalLocalSfi = sfi;
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (!(build->isTvr100 || build->isMirLox1000))
        m_localSfi = sfi;
}
