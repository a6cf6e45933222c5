#include "comms/ListOfSfisOnNetwork.h"

#include "common/BuildConfiguration.h"
#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "common/TextChecks.h"
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
    if (TestOverride::isActive())
        return TestOverride::current();
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
        registerSfi(junctionBoxInternal);
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
                registerSfi(displayInternal);
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

bool ListOfSfisOnNetwork::isSfi(const QString &text)
{
    const auto isAsciiLetter = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    };
    return text.size() == 6 && isAsciiLetter(text.at(0)) && isAsciiLetter(text.at(1))
        && isAsciiDigits(QStringView(text).mid(2));
}

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

bool ListOfSfisOnNetwork::registerSfi(const QString &sfi)
{
    if (!isSfi(sfi)) {
        if (admitLogLine("Not an SFI, refused"))
            qDebug().noquote() << "Not an SFI, refused: " + logExcerpt(sfi);
        return false;
    }
    if (m_seenSfis.contains(sfi))
        return true;
    if (m_sfisOnNetwork.size() >= maxSfisOnNetwork) {
        if (!m_fullReported) {
            qDebug() << "Register of SFIs full at" << maxSfisOnNetwork
                     << "SFIs: each new one replaces the oldest that is not connected";
            m_fullReported = true;
        }
        if (!dropOldestUnconnectedSfi()) {
            if (admitLogLine("Register of SFIs full of connected SFIs"))
                qDebug().noquote() << "Register of SFIs full of connected SFIs, refused: " + sfi;
            return false;
        }
    }
    m_sfisOnNetwork.append(sfi);
    m_seenSfis.insert(sfi);
    return true;
}

bool ListOfSfisOnNetwork::dropOldestUnconnectedSfi()
{
    // A display has one partner and a junction box a few displays, so the oldest unconnected SFI is
    // found within the first few entries.
    for (int i = 0; i < m_sfisOnNetwork.size(); ++i) {
        const QString &sfi = m_sfisOnNetwork.at(i);
        if (m_connectedSfis.contains(sfi) || m_externalConnectedSfis.contains(sfi))
            continue;
        m_seenSfis.remove(sfi);
        m_sfisOnNetwork.removeAt(i);
        return true;
    }
    return false;
}

void ListOfSfisOnNetwork::addSfi(const QString &sfi)
{
    registerSfi(sfi);
}

void ListOfSfisOnNetwork::removeSfi(const QString &sfi)
{
    if (!m_seenSfis.remove(sfi))
        return;
    // A renamed device is most often a recent one.
    m_sfisOnNetwork.removeAt(m_sfisOnNetwork.lastIndexOf(sfi));
    m_connectedSfis.removeAll(sfi);
    m_externalConnectedSfis.removeAll(sfi);
}

void ListOfSfisOnNetwork::connectSfi(const QString &sfi)
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (!registerSfi(sfi))
        return;
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
    qDebug().noquote() << "Disconnect SFI: " + logExcerpt(sfi);
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
    // A rename to something that is no SFI would only lose the device.
    if (!isSfi(new_sfi)) {
        if (admitLogLine("SFI change to a text that is not an SFI"))
            qDebug().noquote() << "SFI change to a text that is not an SFI, ignored: " + logExcerpt(new_sfi);
        return;
    }
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
