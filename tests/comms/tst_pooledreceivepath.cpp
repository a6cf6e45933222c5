// Both recorded logs through the receiving path of the NMEA controller, once with the received messages
// taken from the message pool and once with every message built and deleted; everything the path
// leaves behind must be the same. Each way runs in a child process of this program, so that both start
// from the same process-wide state (settings tree, handler set, navigation data, counters); a child
// writes, every few thousand lines and at the end, every handler's output (its filled sentence, its
// stored group, its relay text and last verdict), the received navigation and runtime data, every error
// counter and a digest of every monitor entry, and the parent compares the two records line by line.
// Run for the junction box of the speed log (set J, which takes every sentence type of the logs) and for
// the display of another product (set D).

#include "RecordedLogs.h"

#include "common/BuildConfiguration.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/ErrorLogger.h"
#include "comms/NmeaController.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/RemoteDimmingSetup.h"
#include "nmea/NmeaData.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessagePool.h"
#include "nmea/PqrvDptData.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMetaProperty>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <algorithm>
#include <cstring>

namespace {

const char childMark[] = "--pool-child";
const int linesBetweenRecords = 20000;
const QStringList logs { QStringLiteral("nmea-20180119.log.gz"), QStringLiteral("nmea-20180120.log.gz") };

// Every field of an object whose properties hold field objects.
void writeFields(QTextStream &out, const char *what, const QObject *object)
{
    if (!object)
        return;
    const QMetaObject *meta = object->metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const ValidatedProperty *field = NmeaMessage::fieldOf(object, meta->property(i).name());
        if (!field)
            continue;
        out << what << ' ' << meta->property(i).name() << " '" << field->toNmeaString() << "' valid "
            << field->isValid() << " safe " << field->isSafe() << " counter " << field->validityCounter()
            << '\n';
    }
}

void writeRecord(QTextStream &out, const QString &where, NmeaHandlerContainer *container,
    const QCryptographicHash &monitor, const QMap<QString, int> &statuses)
{
    out << "== " << where << '\n';
    out << "monitor " << monitor.result().toHex() << '\n';
    for (auto it = statuses.cbegin(); it != statuses.cend(); ++it)
        out << "status " << it.key() << ' ' << it.value() << '\n';
    ErrorLogger *errors = ErrorLogger::instance();
    for (int port = 0; port < 4; ++port) {
        for (int kind = 0; kind <= 8; ++kind)
            out << "error " << port << ' ' << kind << ' ' << errors->nmeaErrorCount(kind, port) << '\n';
    }
    for (int code = 70; code <= 80; ++code)
        out << "udp " << code << ' ' << errors->udpErrorCount(code) << '\n';

    // In key order: the container's order is that of its hashes, which differs between processes.
    QList<NmeaHandler *> handlers = container->handlers();
    std::sort(handlers.begin(), handlers.end(), [](const NmeaHandler *a, const NmeaHandler *b) {
        return a->talker() + a->formatter() < b->talker() + b->formatter();
    });
    for (NmeaHandler *handler : qAsConst(handlers)) {
        out << "handler " << handler->talker() << handler->formatter() << " valid "
            << handler->isLastMessageValid() << " relay '" << handler->relayText() << "'\n";
        if (handler->isProprietary())
            continue;
        const QStringList sentences
            = handler->isMultiSentence() ? handler->storedSentences() : handler->outgoingSentences();
        for (const QString &sentence : sentences)
            out << "  " << sentence.trimmed() << '\n';
    }
    NmeaData *data = NmeaData::instance();
    writeFields(out, "data", data);
    writeFields(out, "zda", data->zdaData());
    writeFields(out, "dpt1", data->pqrvDptData(1));
    writeFields(out, "dpt2", data->pqrvDptData(2));
    out << "runtime " << ESDataClass::instance()->runtime()->serialize() << '\n';
    out << "dimming " << ESDataClass::instance()->localSetup()->DimmingSetup()->serialize() << '\n';
}

// The child: one way through both logs, the record written to the file named.
int runChild(const QString &device, const QString &product, bool pooled, const QString &outputPath)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 2;
    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return 2;
    QTextStream out(&output);

    BuildConfiguration::TestOverride configuration(device, QStringLiteral("WINDOWS"), product);
    NmeaMessagePool::instance()->setEnabled(pooled);
    ESDataClass *settings = ESDataClass::instance();
    NmeaHandlerContainer *container = NmeaHandlerContainer::instance();
    TmpPortsSetupAdapter adapter(settings->setup()->CommunicationsSetup());
    setTmpPortsSetupAdapter(&adapter);
    ESCommunicationInformation information;
    information.setCommsInfoOn(1);
    information.setDataDirection(1);
    // A display numbers its monitor channels after the junction box's four.
    information.setChannelNumber(BuildConfiguration::instance()->isSoftwareCu ? Serial_1 + 4 : Serial_1);
    CommunicationForwardingController forwarding;
    forwarding.setCommunicationInformation(&information);
    NmeaController controller;
    controller.setCommunicationForwardingController(&forwarding);

    QCryptographicHash monitor(QCryptographicHash::Sha1);
    QMap<QString, int> statuses;
    // A display hands its monitor entries on as they come; a junction box writes them into its text.
    QObject::connect(&forwarding, &CommunicationForwardingController::comsInformationReceived,
        [&](const QList<QString> &entries, const QList<int> &codes) {
            for (int i = 0; i < entries.size(); ++i) {
                monitor.addData((entries.at(i) + QString::number(codes.value(i))).toUtf8());
                ++statuses[QString::number(codes.value(i))];
            }
        });
    for (const QString &log : logs) {
        const QList<QByteArray> lines = RecordedLogs::lines(log);
        if (lines.isEmpty())
            return 3;
        for (int i = 0; i < lines.size(); ++i) {
            information.setCommsDataSilently(QString());
            controller.handleReceivedNmeaList(NmeaGroupInfo(QString(), QStringList(),
                QStringList { RecordedLogs::sentenceOfLine(lines.at(i)) }, Serial_1, StandardSentence));
            const QString entry = information.CommsData();
            if (!entry.isEmpty()) {
                monitor.addData(entry.toUtf8());
                ++statuses[entry.right(1)];
            }
            if ((i + 1) % linesBetweenRecords == 0 || i + 1 == lines.size())
                writeRecord(
                    out, log + QLatin1Char(' ') + QString::number(i + 1), container, monitor, statuses);
        }
    }
    setTmpPortsSetupAdapter(nullptr);
    return out.status() == QTextStream::Ok ? 0 : 2;
}

} // namespace

class TestPooledReceivePath : public QObject
{
    Q_OBJECT

private slots:
    void bothWaysAlike_data();
    void bothWaysAlike();
};

void TestPooledReceivePath::bothWaysAlike_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("product");
    QTest::newRow("set J") << "JB"
                           << "MIR_LOX1000";
    QTest::newRow("set D") << "CU"
                           << "TVR200";
}

void TestPooledReceivePath::bothWaysAlike()
{
    QFETCH(QString, device);
    QFETCH(QString, product);
    for (const QString &log : logs) {
        if (!RecordedLogs::exists(log))
            QSKIP(qPrintable(QStringLiteral("Recorded logs not found under %1")
                                 .arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
    }
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pooledPath = folder.filePath(QStringLiteral("pooled.txt"));
    const QString builtPath = folder.filePath(QStringLiteral("built.txt"));
    QProcess pooled;
    QProcess built;
    const QString program = QCoreApplication::applicationFilePath();
    pooled.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    built.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pooled.start(program, { QLatin1String(childMark), device, product, QStringLiteral("on"), pooledPath });
    built.start(program, { QLatin1String(childMark), device, product, QStringLiteral("off"), builtPath });
    for (QProcess *child : { &pooled, &built }) {
        QVERIFY(child->waitForFinished(850000));
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 0);
    }

    QFile pooledFile(pooledPath);
    QFile builtFile(builtPath);
    QVERIFY(pooledFile.open(QIODevice::ReadOnly));
    QVERIFY(builtFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> pooledLines = pooledFile.readAll().split('\n');
    const QList<QByteArray> builtLines = builtFile.readAll().split('\n');
    // The records hold something: most sentences of the logs were handled (monitor status 0).
    int handled = 0;
    for (const QByteArray &line : pooledLines) {
        if (line.startsWith("status 0 "))
            handled = line.mid(9).toInt();
    }
    QVERIFY2(handled > 200000, qPrintable(QString::number(handled)));
    for (int i = 0; i < qMin(pooledLines.size(), builtLines.size()); ++i) {
        if (pooledLines.at(i) != builtLines.at(i))
            QFAIL(qPrintable(
                QStringLiteral("line %1 differs:\n  pooled: %2\n  built:  %3")
                    .arg(i + 1)
                    .arg(QString::fromUtf8(pooledLines.at(i)), QString::fromUtf8(builtLines.at(i)))));
    }
    QCOMPARE(pooledLines.size(), builtLines.size());
}

int main(int argc, char *argv[])
{
    if (argc == 6 && std::strcmp(argv[1], childMark) == 0) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
            std::strcmp(argv[4], "on") == 0, QString::fromLocal8Bit(argv[5]));
    }
    QCoreApplication app(argc, argv);
    TestPooledReceivePath test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pooledreceivepath.moc"
