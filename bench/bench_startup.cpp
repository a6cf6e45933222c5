// Start-up of the display unit: the time from "Confirm" in the network-selection dialog to the main window
// being shown (the whole system is built in between), and the resident memory once the system runs.
//
// Each run is a fresh process that does what the program's main does - the application object, the
// MirloxSystem, its dialog, the event loop - and presses "Confirm" on the loopback interface as soon as the
// dialog is on screen; the main window's show event stops the clock. Three seconds later, with the system
// idling in its event loop, the resident set size is read from /proc/self/status. Runs use the offscreen
// platform, each in a fresh working directory (no settings files: the defaults are written on the way).
//
// The system joins multicast groups on the chosen interface, so the bench runs inside a private network
// namespace whose loopback is the only interface. Started outside one, it starts itself again through
// "unshare --net" (root or unprivileged user namespaces needed).
//
// usage: bench_startup [RUNS]   (default 7)

#include "BenchNamespace.h"
#include "core/MirloxSystem.h"
#include "ui/dialogs/NetworkSelectWidget.h"
#include "ui/window/BaseScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

using namespace BenchNamespace;

const char runMark[] = "--single-run";
const int settleMs = 3000;

// A "VmRSS:" style line of /proc/self/status, in kB.
long statusValueKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Stops the clock when the main window receives its show event.
class ShowWatcher : public QObject
{
public:
    QElapsedTimer clock;
    qint64 shownAfterNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && shownAfterNs < 0 && qobject_cast<BaseScreen *>(watched))
            shownAfterNs = clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};

// One start, as the program does it; prints "<ms from Confirm to shown> <VmRSS kB> <VmHWM kB>".
int singleRun(int argc, char *argv[])
{
    qInstallMessageHandler(quietDebugOutput);
    QApplication application(argc, argv);
    ShowWatcher watcher;
    application.installEventFilter(&watcher);

    int result = 0;
    {
        MirloxSystem system;
        system.start();
        QTimer::singleShot(0, [&]() {
            NetworkSelectWidget *dialog = system.networkSelectWidget();
            auto *interfaces = dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
            auto *confirm = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
            interfaces->setCurrentIndex(interfaces->findText(QStringLiteral("lo")));
            watcher.clock.start();
            confirm->click();
            QTimer::singleShot(settleMs, [&]() {
                std::printf("%.3f %ld %ld\n", watcher.shownAfterNs / 1e6, statusValueKb("VmRSS:"),
                    statusValueKb("VmHWM:"));
                std::fflush(stdout);
                result = watcher.shownAfterNs < 0 ? 1 : 0;
                application.quit();
            });
        });
        application.exec();
    }
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], runMark) == 0)
        return singleRun(argc, argv);
    if (const std::optional<int> refused = enterPrivateNetwork(argc, argv, "bench_startup"))
        return *refused;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    QCoreApplication application(argc, argv);

    std::vector<double> times;
    std::vector<double> resident;
    std::vector<double> peak;
    std::printf("run  confirm->shown [ms]  VmRSS [MiB]  VmHWM [MiB]\n");
    for (int i = 0; i < runs; ++i) {
        QByteArray output;
        QByteArray errors;
        if (!runFreshPart({ QLatin1String(runMark) }, 60000, &output, &errors)) {
            std::fprintf(stderr, "bench_startup: run %d failed: %s\n", i + 1, errors.constData());
            return 1;
        }
        const QList<QByteArray> fields = output.trimmed().split(' ');
        if (fields.size() != 3)
            return 1;
        times.push_back(fields.at(0).toDouble());
        resident.push_back(fields.at(1).toDouble() / 1024.0);
        peak.push_back(fields.at(2).toDouble() / 1024.0);
        std::printf("%3d  %19.1f  %11.1f  %11.1f\n", i + 1, times.back(), resident.back(), peak.back());
    }
    std::printf("median  %15.1f  %11.1f  %11.1f\n", median(times), median(resident), median(peak));
    return 0;
}
