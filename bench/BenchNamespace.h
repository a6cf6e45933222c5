#ifndef BENCHNAMESPACE_H
#define BENCHNAMESPACE_H

// What the network benchmarks share: they start themselves again inside a private network namespace whose
// loopback carries multicast, so that nothing they send reaches the machine's real interfaces, and they
// keep the program's debug lines off their output.

#include "NetnsGuard.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
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

// A message handler that drops debug and info lines and prints the rest.
inline void quietDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace BenchNamespace

#endif // BENCHNAMESPACE_H
