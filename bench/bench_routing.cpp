// Throughput of the receiving path of the NMEA controller: one-sentence groups of a recorded log through
// NmeaController::handleReceivedNmeaList, that is the sentence checks, the message parsed, the handler
// found and the message handled, the errors counted, and the sentence recorded in the communication
// logs. Measured with the logs on (the received and the error log of the port take every record, in
// memory; the files are written by the logging timer, which does not run here) and off (the port
// switches of both logs off). The unit is a junction box of the speed log on WINDOWS, whose handler set
// takes every sentence type of the recorded logs; the communication monitor is off, as it is unless a
// user watches the port.
//
// usage: bench_routing [LOG [ROUNDS]]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. ROUNDS: passes over the log per measurement (default 1).

#include "BenchLog.h"
#include "common/BuildConfiguration.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/MessageLogger.h"
#include "comms/NmeaController.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "platform/ESStorageDeviceController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class FolderDevice : public ESStorageDeviceController
{
public:
    explicit FolderDevice(const QString &root)
        : m_root(root)
    {
    }
    QString devicePath(enum_LogToDevice device) const override
    {
        return device == LogToInternal ? m_root : QString();
    }
    bool isDevicePresent(enum_LogToDevice device) const override { return device == LogToInternal; }

private:
    QString m_root;
};

// One group per log line, as the receiving path takes it: tag block removed, CR LF at the end.
QList<NmeaGroupInfo> groupsOf(const QByteArray &text, Port port)
{
    QList<NmeaGroupInfo> groups;
    for (const QString &sentence : BenchLog::sentencesOf(text))
        groups.append(
            NmeaGroupInfo(QString(), QStringList(), QStringList { sentence }, port, StandardSentence));
    return groups;
}

void run(const char *what, NmeaController *controller, const QList<NmeaGroupInfo> &groups, int rounds)
{
    ErrorLogger::instance()->resetCounters();
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        for (const NmeaGroupInfo &group : groups)
            controller->handleReceivedNmeaList(group);
    }
    const qint64 nanoseconds = timer.nsecsElapsed();
    const qint64 total = qint64(groups.size()) * rounds;
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-30s %10.0f groups/s %7.0f ns/group  (%lld groups, %.3f s, %d sentence errors)\n", what,
        seconds > 0 ? double(total) / seconds : 0.0, total > 0 ? double(nanoseconds) / double(total) : 0.0,
        static_cast<long long>(total), seconds, ErrorLogger::instance()->totalNmeaErrorsAllPorts());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = BenchLog::logPath(argc, argv);
    const int rounds = argc > 2 ? qMax(1, QString::fromLocal8Bit(argv[2]).toInt()) : 1;
    QByteArray text;
    if (!BenchLog::readLog(path, &text)) {
        std::fprintf(stderr, "log %s not readable\n", qPrintable(path));
        return 1;
    }
    const QList<NmeaGroupInfo> groups = groupsOf(text, UDP);
    text.clear();
    std::printf("log: %s (%d one-sentence groups, %d rounds)\n", qPrintable(path), groups.size(), rounds);

    qInstallMessageHandler(BenchLog::quietDebugOutput);
    // The whole measurement runs as a speed-log junction box: its handler set is made on first use.
    BuildConfiguration::TestOverride junctionBox(
        QStringLiteral("JB"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
    ESDataClass *data = ESDataClass::instance();
    NmeaHandlerContainer::instance();

    QTemporaryDir folder;
    FolderDevice device(folder.path());
    CommunicationsLogging::create(data->setup()->CommunicationsLoggingSetup(), &device, true);
    CommunicationsLogging *logging = CommunicationsLogging::instance();
    TmpPortsSetupAdapter adapter(data->setup()->CommunicationsSetup());
    setTmpPortsSetupAdapter(&adapter);
    ESCommunicationInformation information;
    CommunicationForwardingController forwarding;
    forwarding.setCommunicationInformation(&information);
    NmeaController controller;
    controller.setCommunicationForwardingController(&forwarding);

    const auto setLogging = [logging](bool on) {
        logging->inputMessageLogger()->setPortLogging(UDP, on);
        logging->inputErrorLogger()->setPortLogging(UDP, on);
    };
    // A first pass so that every handler and cache has met the log before anything is timed.
    setLogging(false);
    run("warm-up", &controller, groups, 1);
    run("logging off", &controller, groups, rounds);
    setLogging(true);
    run("logging on", &controller, groups, rounds);
    setLogging(false);
    run("logging off again", &controller, groups, rounds);

    setTmpPortsSetupAdapter(nullptr);
    return 0;
}
