// Settings figures: building the whole settings tree from its files (the data class's first use with
// every file present, and the two stored roots built again many times), and writing the whole shared
// setup as settings text and rebuilding it from that text.
//
// Runs in a temporary working directory of its own; usage: bench_settings [rounds]

#include "BenchLog.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>


namespace {

int leafCount(SerializableClass *object)
{
    const QList<SerializableClass *> children = object->settingsChildren();
    if (children.isEmpty())
        return 1;
    int count = 0;
    for (SerializableClass *child : children)
        count += leafCount(child);
    return count;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    QTextStream out(stdout);

    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path())) {
        out << "cannot make a working directory\n";
        return 1;
    }
    qInstallMessageHandler(quiet);

    // Every settings file present, written by trees built from defaults.
    int files = 0;
    {
        ESSetup setup(nullptr, QStringLiteral("ESSetup"));
        ESLocalSetup local(nullptr, QStringLiteral("ESLocalSetup"));
        setup.saveAllChildrenToFiles();
        local.saveAllChildrenToFiles();
        files = leafCount(&setup) + leafCount(&local);
    }

    QElapsedTimer timer;
    timer.start();
    ESDataClass *data = ESDataClass::instance();
    const double firstUse = double(timer.nsecsElapsed()) / 1000.0;

    const BenchLog::Figures rebuild = BenchLog::measure(rounds, [] {
        ESSetup setup(nullptr, QStringLiteral("ESSetup"));
        ESLocalSetup local(nullptr, QStringLiteral("ESLocalSetup"));
    });

    SerializableClass *setup = data->setupObject();
    ESSetup receiver(nullptr, QStringLiteral("ESSetup"));
    const QString text = setup->serialize();
    bool same = true;
    const BenchLog::Figures textRoundTrip = BenchLog::measure(rounds, [&] {
        const QString written = setup->serialize();
        receiver.deserializeAll(written);
    });
    same = receiver.serialize() == text;
    const BenchLog::Figures writeOnly = BenchLog::measure(rounds, [&] { setup->serialize(); });
    const BenchLog::Figures readOnly = BenchLog::measure(rounds, [&] { receiver.deserializeAll(text); });

    qInstallMessageHandler(nullptr);
    out << "settings files present: " << files << "\n";
    out << "ESDataClass first use (whole tree from files): " << firstUse << " us\n";
    out << "ESSetup + ESLocalSetup built from files, " << rounds << " rounds: median " << rebuild.median
        << " us, best " << rebuild.best << " us\n";
    out << "shared setup text: " << text.size() << " characters\n";
    out << "shared setup serialize + rebuild from text: median " << textRoundTrip.median << " us, best "
        << textRoundTrip.best << " us" << (same ? "" : " (TEXT DIFFERS)") << "\n";
    out << "  serialize alone: median " << writeOnly.median << " us; rebuild alone: median "
        << readOnly.median << " us\n";
    return same ? 0 : 1;
}
