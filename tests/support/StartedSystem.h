#ifndef STARTEDSYSTEM_H
#define STARTEDSYSTEM_H

#include "FolderDevice.h"
#include "FreshInstance.h"
#include "FreshStores.h"
#include "JunctionBoxPeer.h"

#include "comms/CommunicationsLogging.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "core/MirloxSystem.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"
#include "ui/dialogs/NetworkSelectWidget.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

// The display's system object of one test case, started the way the program starts it: the dialog is
// shown, "lo" chosen and "Confirm" clicked. It stands on process-wide stores of its own (FreshStores), on
// descriptions of its own and on communication logs of its own in the case's working directory, so that no
// case sees what another left behind. Only inside a private network namespace (NetnsGuard): the system joins
// multicast groups.
//
// A test keeps one as a std::optional member, emplaces it in init() and resets it in cleanup(); the system
// goes before the stores it stands on.
class StartedSystem
{
public:
    // `beforeStart` runs on the fresh stores before the dialog is confirmed: settings the start must take
    // over or correct, and intervals of the handlers' timers.
    explicit StartedSystem(const std::function<void()> &beforeStart = {})
    {
        m_stores.emplace();
        m_device = std::make_unique<FolderDevice>(m_stores->directory());
        m_logs.emplace(ESDataClass::instance()->setup()->CommunicationsLoggingSetup(), m_device.get(), true);
        if (beforeStart)
            beforeStart();
        // The descriptions of this case's settings tree: the process-wide registry would still describe
        // the objects of an earlier case.
        m_descriptions.emplace();

        m_system = std::make_unique<MirloxSystem>();
        m_system->start();
        NetworkSelectWidget *dialog = m_system->networkSelectWidget();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *interfaces = dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
        auto *confirm = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
        QVERIFY(interfaces && confirm);
        const int loopback = interfaces->findText(QStringLiteral("lo"));
        QVERIFY(loopback >= 0);
        interfaces->setCurrentIndex(loopback);
        QTest::mouseClick(confirm, Qt::LeftButton);
        m_started = m_system->mainWindow() != nullptr;
    }

    ~StartedSystem()
    {
        // The window and the socket interface go before what they use (the sanitized build checks this).
        m_system.reset();
        m_descriptions.reset();
        m_logs.reset();
        m_device.reset();
        m_stores.reset();
    }

    StartedSystem(const StartedSystem &) = delete;
    StartedSystem &operator=(const StartedSystem &) = delete;

    // Whether "Confirm" built the system (its main window exists).
    bool isStarted() const { return m_started; }
    MirloxSystem *get() const { return m_system.get(); }
    MirloxSystem *operator->() const { return m_system.get(); }

private:
    std::optional<FreshStores> m_stores;
    std::unique_ptr<FolderDevice> m_device;
    std::optional<FreshInstance<CommunicationsLogging>> m_logs;
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    std::unique_ptr<MirloxSystem> m_system;
    bool m_started = false;
};

// For `beforeStart`: the PAIR request repeated every `ms` instead of every few seconds, so that a case pairs
// at once.
inline void shortenPairRepeat(int ms)
{
    NmeaHandlerContainer *handlers = NmeaHandlerContainer::instance();
    qobject_cast<HandlerPqrvPair *>(handlers->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")))
        ->setRepeatInterval(ms);
}

// After the start: unacknowledged setup datagrams sent again every `ms`.
inline void shortenResendPeriod(MirloxSystem *system, int ms)
{
    system->udpController()->nmeaOverUdpController()->nmeaOutputBuffer()->setPeriod(ms);
}

// Pairs a started display with the peer as a junction box does: waits for the display's PAIR request,
// acknowledges it and sends the complete shared setup (the defaults), which the display must apply and
// acknowledge with the link up. A caller checks QTest::currentTestFailed() afterwards.
inline void pairWithJunctionBox(
    JunctionBoxPeer *peer, const QString &displaySfi, const QString &junctionBoxSfi)
{
    const QString pair = QStringLiteral("$PQRVPAIR,%1,%2,P*").arg(displaySfi, junctionBoxSfi);
    QTRY_VERIFY(peer->countStartingWith(pair) >= 1);
    peer->sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P").arg(junctionBoxSfi, displaySfi));
    QSignalSpy accepted(
        SerializationController::instance(), &SerializationController::finishedDeserializingCompleteSetup);
    ESSetup junctionBoxSetup(nullptr, QStringLiteral("ESSetup"));
    peer->sendSettingsText(junctionBoxSetup.serialize(), displaySfi, QStringLiteral("pqrvsetup"));
    QTRY_COMPARE(accepted.count(), 1);
    QVERIFY(SerializationController::instance()->isLinkUp());
}

#endif // STARTEDSYSTEM_H
