// Description figures: building the whole description registry over the real settings tree (its first
// use, and fresh registries built again many times), and the heap memory one registry holds.
//
// Runs in a temporary working directory of its own; usage: bench_descriptions [rounds]

#include "BenchLog.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/SerializableClass.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/SetupDataInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <QTextStream>

#include <malloc.h>

#include <memory>

namespace {

// Bytes of heap in use.
size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// The plain properties at or below a settings object.
int propertyCount(SerializableClass *object)
{
    int count = 0;
    const QMetaObject *meta = object->metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        if (SerializableClass *child
            = object->childByPropertyName(QString::fromLatin1(meta->property(i).name())))
            count += propertyCount(child);
        else
            ++count;
    }
    return count;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 100;
    QTextStream out(stdout);

    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path())) {
        out << "cannot make a working directory\n";
        return 1;
    }
    qInstallMessageHandler(quiet);

    // The settings tree exists before the registry, as at start-up.
    ESDataClass *data = ESDataClass::instance();
    const int described
        = propertyCount(data->setup()) + propertyCount(data->localSetup()) + propertyCount(data->runtime());

    const size_t heapBefore = heapInUse();
    QElapsedTimer timer;
    timer.start();
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    const double firstUse = double(timer.nsecsElapsed()) / 1000.0;
    const size_t heapAfter = heapInUse();

    // Fresh registries over the same tree, each deleted again (test overrides do exactly this).
    const BenchLog::Figures rebuild = BenchLog::measure(rounds, [] { ESDataInfoClass::TestOverride build; });

    // A second registry alive beside the first: what one more costs once everything is warm.
    const size_t heapWarmBefore = heapInUse();
    std::unique_ptr<ESDataInfoClass::TestOverride> second(new ESDataInfoClass::TestOverride);
    const size_t heapWarmAfter = heapInUse();
    second.reset();

    qInstallMessageHandler(nullptr);
    const bool complete = registry->runtimePropertyInfo(QStringLiteral("SpeedGPS"))
        && registry->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("ShowPage"), QStringLiteral("RuntimeScreenSetupA"));
    out << "descriptions: " << described << " (shared setup, local setup, runtime values)\n";
    out << "ESDataInfoClass first use (whole registry): " << firstUse << " us\n";
    out << "registry built again, " << rounds << " rounds: median " << rebuild.median << " us, best "
        << rebuild.best << " us\n";
    out << "heap held by the first registry: " << (heapAfter - heapBefore) / 1024.0 << " KiB ("
        << double(heapAfter - heapBefore) / described << " bytes per description)\n";
    out << "heap held by one more registry: " << (heapWarmAfter - heapWarmBefore) / 1024.0 << " KiB\n";
    return complete ? 0 : 1;
}
