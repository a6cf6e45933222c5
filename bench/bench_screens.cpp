// The screens with the whole system around them: how soon a value or a setting received from the junction box
// is on screen, how soon a press on a setup button reaches the junction box, and what processor time the unit
// spends while runtime values stream in.
//
// Each part runs in a fresh process that starts the system as the program does (the application object, the
// MirloxSystem, "lo" chosen and "Confirm" pressed in its dialog) on the offscreen platform, in a fresh
// working directory, with the default intervals of the protocol timers. The junction box is a peer on a real
// socket:
//  - latencies: a peer object in the same process (tests/support/JunctionBoxPeer.h) pairs with the unit and
//    sends runtime values and settings, and receives the settings the unit sends. A value counts as shown
//    when the widget that shows it receives its first paint event after its text changed (an event filter
//    stops the clock); a press counts as arrived when the peer's socket has delivered the settings text.
//  - processor time: the junction-box peer program runs as a child process (so its work is not counted) and
//    sends one runtime value every 100 ms once paired, once the same value throughout and once a value that
//    changes on every send; the unit's own user and system time over each run are read with getrusage.
//
// The system joins multicast groups on the chosen interface, so the bench runs inside a private network
// namespace whose loopback is the only interface. Started outside one, it starts itself again through
// "unshare --net" (root or unprivileged user namespaces needed).
//
// usage: bench_screens [--seconds N]   (default 60: the length of the processor-time run)

#include "BenchNamespace.h"
#include "JunctionBoxPeer.h"

#include "core/MirloxSystem.h"
#include "data/ESSetup.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupPropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/dialogs/NetworkSelectWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace BenchNamespace;

const char latencyMark[] = "--latency-run";
const char cpuMark[] = "--cpu-run";
const char displaySfi[] = "GN1000";
const char junctionBoxSfi[] = "GN1001";
// The default transmission group SATD.
const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;
const int runtimeValues = 200;
const int setupPresses = 50;
const int setupReceptions = 50;
const int waitLimitMs = 10000;

// Runs the event loop until `done` holds, event by event, so that the moment it first holds is seen as soon
// as the event that made it hold has been handled. False after the limit.
bool waitUntil(const std::function<bool()> &done, int limitMs = waitLimitMs)
{
    QElapsedTimer clock;
    clock.start();
    // Wakes the loop now and then, so that a limit is noticed without any other event.
    QTimer wake;
    wake.start(20);
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The system started as the program starts it, "lo" chosen and "Confirm" pressed.
bool startSystem(MirloxSystem *system)
{
    system->start();
    NetworkSelectWidget *dialog = system->networkSelectWidget();
    if (!waitUntil([dialog]() { return dialog->isVisible(); }))
        return false;
    auto *interfaces = dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *confirm = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
    if (!interfaces || !confirm || interfaces->findText(QStringLiteral("lo")) < 0)
        return false;
    interfaces->setCurrentIndex(interfaces->findText(QStringLiteral("lo")));
    QTest::mouseClick(confirm, Qt::LeftButton);
    BaseScreen *window = system->mainWindow();
    return window && QTest::qWaitForWindowExposed(window);
}

// Stops a clock at the first paint of the watched widget after its text differs from the text it had when
// the clock was started.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *widget, std::function<QString()> text)
        : m_widget(widget)
        , m_text(std::move(text))
    {
        widget->installEventFilter(this);
    }

    void start()
    {
        m_before = m_text();
        m_paintedAfterNs = -1;
        m_clock.start();
    }
    bool painted() const { return m_paintedAfterNs >= 0; }
    double paintedAfterMs() const { return m_paintedAfterNs / 1e6; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint && m_paintedAfterNs < 0 && m_clock.isValid()
            && m_text() != m_before)
            m_paintedAfterNs = m_clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_widget;
    std::function<QString()> m_text;
    QString m_before;
    QElapsedTimer m_clock;
    qint64 m_paintedAfterNs = -1;
};

// The settings text a datagram's "PQRVAVG" sentences carry together.
QString settingsText(const JunctionBoxPeer::Datagram &datagram)
{
    QString text;
    for (const JunctionBoxPeer::Line &line : datagram.lines) {
        if (line.sentence.startsWith(QLatin1String("$PQRVAVG,")))
            text += line.sentence.mid(9).section(QLatin1Char('*'), 0, 0);
    }
    return text;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(share * double(values.size() - 1) + 0.5));
    return values[index];
}

void printFigures(const char *what, const std::vector<double> &times, int asked)
{
    if (times.empty()) {
        std::printf("%s: nothing measured (0 of %d)\n", what, asked);
        return;
    }
    std::printf("%s: median %.1f ms, p95 %.1f ms (%zu of %d)\n", what, percentile(times, 0.5),
        percentile(times, 0.95), times.size(), asked);
}

// Latencies with a junction-box peer in this process.
int latencyRun(int argc, char *argv[])
{
    qInstallMessageHandler(quietDebugOutput);
    QApplication application(argc, argv);
    JunctionBoxPeer peer(QLatin1String(junctionBoxSfi), QLatin1String(groupAddress), groupPort);
    if (!peer.isBound()) {
        std::fprintf(stderr, "bench_screens: the peer cannot join the group\n");
        return 1;
    }
    // The peer acknowledges every setup datagram of the unit, as a junction box does; otherwise the unit
    // repeats its changes and holds back the next ones.
    int handled = 0;
    auto acknowledge = [&]() {
        const QList<JunctionBoxPeer::Datagram> &received = peer.received();
        for (; handled < received.size(); ++handled) {
            const JunctionBoxPeer::Line &first = received.at(handled).lines.first();
            if (first.textTag.startsWith(QLatin1String("pqrvsetup")))
                peer.acknowledge(received.at(handled).key, first.source);
        }
    };
    QTimer acknowledger;
    QObject::connect(&acknowledger, &QTimer::timeout, acknowledge);
    acknowledger.start(5);

    MirloxSystem system;
    if (!startSystem(&system)) {
        std::fprintf(stderr, "bench_screens: the system did not start\n");
        return 1;
    }
    BaseScreen *window = system.mainWindow();

    // Pairing: the unit asks, the peer acknowledges and sends its whole setup.
    const QString pair
        = QStringLiteral("$PQRVPAIR,%1,%2,P").arg(QLatin1String(displaySfi), QLatin1String(junctionBoxSfi));
    if (!waitUntil([&]() { return peer.countStartingWith(pair) >= 1; }, 30000)) {
        std::fprintf(stderr, "bench_screens: no pairing request\n");
        return 1;
    }
    peer.sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P")
                          .arg(QLatin1String(junctionBoxSfi), QLatin1String(displaySfi)));
    ESSetup junctionBoxSetup(nullptr, QStringLiteral("ESSetup"));
    peer.sendSettingsText(
        junctionBoxSetup.serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    if (!waitUntil([]() { return SerializationController::instance()->isLinkUp(); }, 30000)) {
        std::fprintf(stderr, "bench_screens: the link did not come up\n");
        return 1;
    }

    // 1. Runtime value to page A: the value button of page A that shows the heading.
    RuntimeScreenButton *headingButton = nullptr;
    const QList<RuntimeScreenButton *> buttons = window->findChildren<RuntimeScreenButton *>();
    for (RuntimeScreenButton *button : buttons) {
        if (!button->objectName().contains(QLatin1String("RuntimeScreenSetupA")))
            continue;
        AbstractButtonInfo *binding
            = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(button);
        if (binding && binding->propertyInfo() && binding->propertyInfo()->name() == QLatin1String("Heading"))
            headingButton = button;
    }
    auto *valueLabel
        = headingButton ? headingButton->findChild<QLabel *>(QStringLiteral("value_label")) : nullptr;
    std::vector<double> runtimeTimes;
    if (!valueLabel || !valueLabel->isVisible()) {
        std::fprintf(stderr, "bench_screens: no visible heading value on page A\n");
    } else {
        PaintWatcher watcher(valueLabel, [valueLabel]() { return valueLabel->text(); });
        for (int i = 0; i < runtimeValues; ++i) {
            const QString value = QString::number(100.0 + 0.5 * i, 'f', 1);
            watcher.start();
            peer.sendSettingsText(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Heading=") + value,
                QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));
            if (waitUntil([&]() { return watcher.painted(); }))
                runtimeTimes.push_back(watcher.paintedAfterMs());
        }
    }
    printFigures("runtime value received -> painted on page A", runtimeTimes, runtimeValues);

    // A shared enumerated setting on a button of the window, bound as the setup menu binds its buttons.
    auto *setupButton = new QPushButton(window);
    setupButton->setObjectName(QStringLiteral("es_st_VesselImage_OptionsSetup_btn"));
    setupButton->setGeometry(500, 100, 200, 50);
    setupButton->raise();
    setupButton->show();
    SetupPropertyInfo *vesselImage = ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("es"), QStringLiteral("VesselImage"), QStringLiteral("OptionsSetup"));
    if (!vesselImage) {
        std::fprintf(stderr, "bench_screens: no description of VesselImage\n");
        return 1;
    }
    vesselImage->setButton(setupButton);
    waitUntil([]() { return false; }, 200);

    // 3. Press on the setup button -> the change text at the peer's socket.
    std::vector<double> pressTimes;
    // A repeat of the change before (not acknowledged in time) is not the arrival of this one.
    QString lastArrived;
    const QString changePrefix
        = QStringLiteral("Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,VesselImage=");
    for (int i = 0; i < setupPresses; ++i) {
        const int seen = peer.received().size();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(setupButton, Qt::LeftButton);
        const bool arrived = waitUntil([&]() {
            const QList<JunctionBoxPeer::Datagram> &received = peer.received();
            for (int k = seen; k < received.size(); ++k) {
                const QString text = settingsText(received.at(k));
                if (received.at(k).lines.first().textTag.startsWith(QLatin1String("pqrvsetup"))
                    && text.startsWith(changePrefix) && text != lastArrived) {
                    lastArrived = text;
                    return true;
                }
            }
            return false;
        });
        if (arrived)
            pressTimes.push_back(clock.nsecsElapsed() / 1e6);
    }
    printFigures("setup button pressed -> change text at the peer", pressTimes, setupPresses);

    // 4. Setting received from the peer -> the bound button repainted with its new text.
    std::vector<double> settingTimes;
    {
        PaintWatcher watcher(setupButton, [setupButton]() { return setupButton->text(); });
        for (int i = 0; i < setupReceptions; ++i) {
            // The four images in turn; every value differs from the one shown.
            const QString before = setupButton->text();
            const int value = i % 4;
            watcher.start();
            peer.sendSettingsText(changePrefix + QString::number(value), QLatin1String(displaySfi),
                QStringLiteral("pqrvsetup"));
            if (waitUntil([&]() { return watcher.painted(); }, 3000))
                settingTimes.push_back(watcher.paintedAfterMs());
            else if (setupButton->text() != before)
                std::fprintf(stderr, "bench_screens: text changed but no paint seen\n");
        }
    }
    printFigures("setting received -> bound setup button painted", settingTimes, setupReceptions);
    std::fflush(stdout);
    return 0;
}

// Processor time of the unit while a peer program streams runtime values: the same heading on every send,
// or (varying) a heading that changes on every send, so that each one is also repainted on page A.
int cpuRun(int argc, char *argv[], int seconds, const QString &peerProgram, bool varying)
{
    qInstallMessageHandler(quietDebugOutput);
    QApplication application(argc, argv);
    MirloxSystem system;
    if (!startSystem(&system)) {
        std::fprintf(stderr, "bench_screens: the system did not start\n");
        return 1;
    }
    QProcess peer;
    peer.setProcessChannelMode(QProcess::SeparateChannels);
    QStringList peerArguments { QStringLiteral("--interval"), QStringLiteral("100"),
        QStringLiteral("--value"), QStringLiteral("Heading=87.5") };
    if (varying)
        peerArguments << QStringLiteral("--vary");
    peer.start(peerProgram, peerArguments);
    QByteArray output;
    const bool paired = waitUntil(
        [&]() {
            output += peer.readAllStandardOutput();
            return output.contains("PAIRED\n");
        },
        30000);
    if (!paired) {
        std::fprintf(stderr, "bench_screens: the peer program did not pair: %s\n",
            peer.readAllStandardError().constData());
        return 1;
    }
    // The standard output of the peer is read off while it runs, so that its pipe never fills.
    QObject::connect(&peer, &QProcess::readyReadStandardOutput, [&]() { peer.readAllStandardOutput(); });
    rusage before {};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer clock;
    clock.start();
    waitUntil([&]() { return clock.elapsed() >= qint64(seconds) * 1000; }, seconds * 1000 + 1000);
    rusage after {};
    getrusage(RUSAGE_SELF, &after);
    const double wall = clock.nsecsElapsed() / 1e9;
    auto secondsOf = [](const timeval &time) { return double(time.tv_sec) + time.tv_usec / 1e6; };
    const double user = secondsOf(after.ru_utime) - secondsOf(before.ru_utime);
    const double kernel = secondsOf(after.ru_stime) - secondsOf(before.ru_stime);
    std::printf(
        "processor time receiving 10 runtime values/s (%s) for %.0f s: user %.2f s + system %.2f s = %.2f %% "
        "of one processor\n",
        varying ? "each a change" : "the same value", wall, user, kernel, 100.0 * (user + kernel) / wall);
    std::fflush(stdout);
    peer.kill();
    peer.waitForFinished(3000);
    return 0;
}

// One part in a fresh process and a fresh working directory; its output is passed on.
bool runPart(const QStringList &arguments, int limitMs)
{
    if (runFreshPart(arguments, limitMs))
        return true;
    std::fprintf(stderr, "bench_screens: part %s failed\n", qPrintable(arguments.first()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], latencyMark) == 0)
        return latencyRun(argc, argv);
    if (argc > 4 && std::strcmp(argv[1], cpuMark) == 0) {
        return cpuRun(argc, argv, std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]),
            std::strcmp(argv[4], "vary") == 0);
    }
    if (const std::optional<int> refused = enterPrivateNetwork(argc, argv, "bench_screens"))
        return *refused;
    int seconds = 60;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[i + 1]));
    }

    QCoreApplication application(argc, argv);
    std::fflush(stdout);
    bool ok = runPart({ QLatin1String(latencyMark) }, 600000);
    std::fflush(stdout);
    for (const char *values : { "same", "vary" }) {
        ok = runPart({ QLatin1String(cpuMark), QString::number(seconds),
                         QStringLiteral(TESSARY_JUNCTION_BOX_PEER), QLatin1String(values) },
                 (seconds + 120) * 1000)
            && ok;
        std::fflush(stdout);
    }
    return ok ? 0 : 1;
}
