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
#include "ui/window/BaseScreen.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSize>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

// The addresses of the display and its junction box in the system tests: the display's and the junction
// box's SFIs and the default transmission group SATD.
namespace TestNetwork {
inline constexpr char displaySfi[] = "GN1000";
inline constexpr char junctionBoxSfi[] = "GN1001";
inline constexpr char groupAddress[] = "239.192.0.3";
inline constexpr quint16 groupPort = 60003;
// The PAIR repeat and the resending of setup datagrams while a case waits for them.
inline constexpr int fastRepeatMs = 50;
} // namespace TestNetwork

inline void shortenPairRepeat(int ms);
inline void shortenResendPeriod(MirloxSystem *system, int ms);

// The display's system object of one test case, started the way the program starts it: the dialog is
// shown, "lo" chosen and "Confirm" clicked. It stands on process-wide stores of its own (FreshStores), on
// descriptions of its own and on communication logs of its own in the case's working directory, so that no
// case sees what another left behind. Only inside a private network namespace (NetnsGuard): the system joins
// multicast groups.
//
// With the options it also brings what the system tests of the link need: a junction-box peer bound on the
// display's group before the system starts (and gone after it), the PAIR repeat and the resending shortened,
// and the main window at a size and exposed. A test keeps one as a std::optional member, emplaces it in
// init() and resets it in cleanup(); the system goes before the stores it stands on and before the peer.
class StartedSystem
{
public:
    struct Options
    {
        // Runs on the fresh stores before the dialog is confirmed: settings the start must take over or
        // correct, and intervals of the handlers' timers.
        std::function<void()> beforeStart;
        // A junction box (TestNetwork::junctionBoxSfi) on the display's group.
        bool withPeer = false;
        // The PAIR repeat and the setup resend period; 0 keeps the system's own.
        int repeatMs = 0;
        // The main window's size, waited for until exposed; empty leaves the window as the system shows it.
        QSize windowSize;
    };

    // The system alone: no peer, its own repeats, its window as it shows it.
    static Options withoutPeer(const std::function<void()> &beforeStart = {})
    {
        Options options;
        options.beforeStart = beforeStart;
        return options;
    }

    // The link fixture of the system tests: a peer, fast repeats and the main window at 800 x 480.
    static Options withJunctionBox(const std::function<void()> &beforeStart = {})
    {
        Options options;
        options.beforeStart = beforeStart;
        options.withPeer = true;
        options.repeatMs = TestNetwork::fastRepeatMs;
        options.windowSize = QSize(800, 480);
        return options;
    }

    explicit StartedSystem(const std::function<void()> &beforeStart = {})
        : StartedSystem(withoutPeer(beforeStart))
    {
    }

    explicit StartedSystem(const Options &options)
    {
        if (options.withPeer) {
            m_peer = std::make_unique<JunctionBoxPeer>(QLatin1String(TestNetwork::junctionBoxSfi),
                QLatin1String(TestNetwork::groupAddress), TestNetwork::groupPort);
            QVERIFY(m_peer->isBound());
        }
        m_stores.emplace();
        m_device = std::make_unique<FolderDevice>(m_stores->directory());
        m_logs.emplace(ESDataClass::instance()->setup()->CommunicationsLoggingSetup(), m_device.get(), true);
        if (options.repeatMs > 0)
            shortenPairRepeat(options.repeatMs);
        if (options.beforeStart)
            options.beforeStart();
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
        if (!m_started)
            return;
        if (options.repeatMs > 0)
            shortenResendPeriod(m_system.get(), options.repeatMs);
        if (!options.windowSize.isEmpty()) {
            m_system->mainWindow()->resize(options.windowSize);
            QVERIFY(QTest::qWaitForWindowExposed(m_system->mainWindow()));
        }
    }

    ~StartedSystem()
    {
        // The window and the socket interface go before what they use (the sanitized build checks this).
        m_system.reset();
        m_descriptions.reset();
        m_logs.reset();
        m_device.reset();
        m_stores.reset();
        m_peer.reset();
    }

    StartedSystem(const StartedSystem &) = delete;
    StartedSystem &operator=(const StartedSystem &) = delete;

    // Whether "Confirm" built the system (its main window exists) and the options were applied.
    bool isStarted() const { return m_started && !QTest::currentTestFailed(); }
    MirloxSystem *get() const { return m_system.get(); }
    MirloxSystem *operator->() const { return m_system.get(); }
    // The junction box of Options::withPeer, or null.
    JunctionBoxPeer *peer() const { return m_peer.get(); }
    // Pairs the display with the peer (pairWithJunctionBox); a caller checks QTest::currentTestFailed().
    void pair() const;
    // A runtime text (a whole object or a single change) from the peer to the display, as the junction box
    // sends its runtime data.
    void sendRuntime(const QString &text) const;
    // The setup page that the menu button opens, reached as a user does: the config button (from the
    // runtime side), the menu scrolled with its scroll bar until the button shows, the button. Null when
    // the page is not shown then.
    QWidget *openSetupPage(const QString &menuButton, const QString &page) const;

private:
    std::unique_ptr<JunctionBoxPeer> m_peer;
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

inline void StartedSystem::pair() const
{
    QVERIFY(m_peer);
    pairWithJunctionBox(
        m_peer.get(), QLatin1String(TestNetwork::displaySfi), QLatin1String(TestNetwork::junctionBoxSfi));
}

inline void StartedSystem::sendRuntime(const QString &text) const
{
    m_peer->sendSettingsText(
        text, QLatin1String(TestNetwork::displaySfi), QLatin1String(NmeaOverUdpController::runtimeTag));
}

inline QWidget *StartedSystem::openSetupPage(const QString &menuButton, const QString &page) const
{
    BaseScreen *window = m_system ? m_system->mainWindow() : nullptr;
    auto *config = window ? window->findChild<QPushButton *>(QStringLiteral("config_button")) : nullptr;
    if (!config)
        return nullptr;
    if (window->runtimeScreens()->isVisible())
        QTest::mouseClick(config, Qt::LeftButton);
    auto *menu = window->findChild<QPushButton *>(menuButton);
    if (!menu || !menu->isVisible())
        return nullptr;
    // A press reaches the widget that is on the screen where it is made.
    for (QWidget *ancestor = menu->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(ancestor);
        if (!area)
            continue;
        QWidget *viewport = area->viewport();
        QScrollBar *bar = area->verticalScrollBar();
        for (int step = 0; step < 10
             && !viewport->rect().contains(QRect(menu->mapTo(viewport, QPoint(0, 0)), menu->size()));
             ++step)
            QTest::mouseClick(
                bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() * 3 / 4));
        break;
    }
    QTest::mouseClick(menu, Qt::LeftButton);
    QWidget *opened = window->setupScreens()->findChild<QWidget *>(page);
    return opened && opened->isVisible() ? opened : nullptr;
}

#endif // STARTEDSYSTEM_H
