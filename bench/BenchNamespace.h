#ifndef BENCHNAMESPACE_H
#define BENCHNAMESPACE_H

// What the network benchmarks share: they start themselves again inside a private network namespace whose
// loopback carries multicast, so that nothing they send reaches the machine's real interfaces, and they
// keep the program's debug lines off their output.

#include "NetnsGuard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>

namespace BenchNamespace {

// The first argument of the run inside the namespace.
constexpr char insideMark[] = "--inside-namespace";

inline bool isInside(int argc, char *argv[])
{
    return argc > 1 && std::strcmp(argv[1], insideMark) == 0;
}

// Starts this program again, with insideMark before its own arguments, in a new network namespace with a
// multicast loopback; returns only on failure.
inline int reexecuteInNamespace(int argc, char *argv[])
{
    std::vector<const char *> args { "unshare", "--net" };
    if (getuid() != 0)
        args.push_back("--map-root-user");
    args.insert(args.end(),
        { "--", "sh", "-c",
            "ip link set lo up && ip link set lo multicast on && ip route add 224.0.0.0/4 dev lo && exec "
            "\"$@\"",
            "sh", argv[0], insideMark });
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execvp("unshare", const_cast<char *const *>(args.data()));
    std::fprintf(stderr, "%s: cannot start unshare: %s\n", argv[0], std::strerror(errno));
    return 1;
}

// The interfaces other than "lo" that are up: inside the namespace there are none.
using NetnsGuard::foreignInterfacesUp;

// The start of a benchmark that runs in the namespace: outside it, the program starts itself again inside
// one (and the exit code of that run is returned); inside it, the run is refused while an interface other
// than "lo" is up. An empty answer: the caller is inside and goes on.
inline std::optional<int> enterPrivateNetwork(int argc, char *argv[], const char *name)
{
    if (!isInside(argc, argv))
        return reexecuteInNamespace(argc, argv);
    if (!foreignInterfacesUp().isEmpty()) {
        std::fprintf(stderr, "%s: an interface other than \"lo\" is up; refusing to run\n", name);
        return 1;
    }
    return std::nullopt;
}

// Runs one part of a benchmark: this program again with `arguments`, in a fresh process and a fresh
// temporary working directory (settings files are written relative to it), on the offscreen platform.
// With `output` its standard output is collected there and its errors in `errors`; without, both are
// passed on. True when it ended by itself within `limitMs` with exit code 0.
inline bool runFreshPart(
    const QStringList &arguments, int limitMs, QByteArray *output = nullptr, QByteArray *errors = nullptr)
{
    QTemporaryDir workingDirectory;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess part;
    part.setProcessEnvironment(environment);
    part.setWorkingDirectory(workingDirectory.path());
    part.setProcessChannelMode(output ? QProcess::SeparateChannels : QProcess::ForwardedChannels);
    part.start(QCoreApplication::applicationFilePath(), arguments);
    const bool ended = part.waitForFinished(limitMs);
    if (output)
        *output = part.readAllStandardOutput();
    if (errors)
        *errors = part.readAllStandardError();
    return ended && part.exitStatus() == QProcess::NormalExit && part.exitCode() == 0;
}

// A message handler that drops debug and info lines and prints the rest.
inline void quietDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace BenchNamespace

#endif // BENCHNAMESPACE_H
