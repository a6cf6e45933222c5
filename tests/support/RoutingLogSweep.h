#ifndef ROUTINGLOGSWEEP_H
#define ROUTINGLOGSWEEP_H

// Test helper: a recorded log through the receiving path of the NMEA controller, one line a group, as a
// junction box of the speed log receives it. Nothing may crash, every faulty line must be counted under
// its error kind on its port and written to the input-error log, and every sound line must reach its
// handler or be reported as not handled. What the path does is compared with a count made here,
// independently of the sentence classes: the framing rules re-done by hand, and the one field fault the
// logs hold (GGA reference station ids above 1023). The monitor is watched on the port, and the logs
// go to a temporary folder. Header only; one sweep object per test program (the communication logs
// are process-wide).

#include "FolderDevice.h"
#include "RecordedLogs.h"

#include "common/BuildConfiguration.h"
#include "comms/BufferedRecorder.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/MessageLogger.h"
#include "comms/NmeaController.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESCommunicationsSetup.h"
#include "nmea/NmeaHandler.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "platform/ESStorageDeviceController.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace RoutingLogSweep {

using ErrorCounts = QMap<int, int>;

// What the path must make of one received text, worked out by hand.
struct Expected
{
    int error = 0; // the error kind, 0 for a sound sentence
    QString text; // the text the logs and the monitor show
    QString formatter;
};

inline int hexValue(QChar c)
{
    return QStringLiteral("0123456789ABCDEF").indexOf(c);
}

inline Expected expectedOf(const QString &received)
{
    Expected result;
    if (received.size() > 256) {
        result.error = 7;
        result.text = received.left(256);
        return result;
    }
    QString text = received;
    const int dollar = text.indexOf(QLatin1Char('$'));
    if (dollar > 0)
        text = text.mid(dollar);
    const int firstStar = text.indexOf(QLatin1Char('*'));
    const int firstLineEnd = text.indexOf(QLatin1String("\r\n"));
    if (firstStar >= 0 && firstLineEnd > firstStar + 3)
        text = text.left(firstStar + 3) + text.mid(firstLineEnd);
    result.text = text;

    if (text.size() > 82 && !text.contains(QLatin1String("GGA,"))) {
        result.error = 7;
        return result;
    }
    if (text.isEmpty() || (text.at(0) != QLatin1Char('$') && text.at(0) != QLatin1Char('!'))
        || !text.endsWith(QLatin1String("\r\n"))) {
        result.error = 2;
        return result;
    }
    const QString body = text.mid(1, text.size() - 3);
    const int star = body.indexOf(QLatin1Char('*'));
    if (star < 0 || body.size() != star + 3) {
        result.error = 1;
        return result;
    }
    int sum = 0;
    for (int i = 0; i < star; ++i)
        sum ^= body.at(i).unicode() & 0xff;
    if (hexValue(body.at(star + 1)) != sum >> 4 || hexValue(body.at(star + 2)) != (sum & 0x0f)) {
        result.error = 1;
        return result;
    }
    const QString fields = body.left(star);
    const QString address = fields.section(QLatin1Char(','), 0, 0);
    if (address.startsWith(QLatin1Char('P')) ? address.size() < 5 : address.size() != 5) {
        result.error = 3;
        return result;
    }
    result.formatter = address.mid(2);
    // The differential reference station id, the last GGA field, is 0 to 1023.
    if (result.formatter == QLatin1String("GGA") && fields.section(QLatin1Char(','), -1).toInt() > 1023)
        result.error = 6;
    return result;
}

// The monitor's header of a text on a junction box: up to the first comma, without "$".
inline QString headerOf(const QString &text)
{
    QString header = text.section(QLatin1Char(','), 0, 0);
    if (header.startsWith(QLatin1Char('$')))
        header.remove(0, 1);
    return header;
}

inline QStringList recordTexts(const BufferedRecorder *recorder)
{
    QStringList texts;
    const QStringList records = recorder->contents().split(QStringLiteral("<<"), Qt::SkipEmptyParts);
    for (const QString &record : records)
        texts << record.mid(record.indexOf(QLatin1String(" >> ")) + 4);
    return texts;
}

inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The many field refusals of a sweep go to the debug log; counted, not printed.
inline int &debugLineCount()
{
    static int count = 0;
    return count;
}

inline void countDebugLines(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtDebugMsg)
        ++debugLineCount();
}

class Sweep
{
public:
    // Call from initTestCase, before anything makes the process-wide handler set: the junction box's
    // set handles every sentence type of the recorded logs.
    void setUp()
    {
        m_configuration.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
        QVERIFY(m_dir.isValid());
        m_device.reset(new FolderDevice(m_dir.path()));
        m_loggingSetup.reset(new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup")));
        CommunicationsLogging::create(m_loggingSetup.get(), m_device.get(), true);
        QVERIFY(CommunicationsLogging::instance());
        m_information.reset(new ESCommunicationInformation);
        m_information->setCommsInfoOn(1);
        m_information->setDataDirection(1);
        m_communicationsSetup.reset(
            new ESCommunicationsSetup(nullptr, QStringLiteral("CommunicationsSetup")));
        m_adapter.reset(new TmpPortsSetupAdapter(m_communicationsSetup.get()));
        setTmpPortsSetupAdapter(m_adapter.get());
        m_forwarding.reset(new CommunicationForwardingController);
        m_forwarding->setCommunicationInformation(m_information.get());
        m_controller.reset(new NmeaController);
        m_controller->setCommunicationForwardingController(m_forwarding.get());
    }

    void tearDown() { setTmpPortsSetupAdapter(nullptr); }

    // Sends every line of the log through the path on the port, on the platform given (LINUX: the
    // speed log takes only position and heading sentences from serial port 3), and checks what came of
    // each line. knownErrors: the faults the log is known to hold, a cross-check of the count made here.
    void run(const QString &log, int lineCount, Port port, const QString &platform, const QString &logFile,
        const ErrorCounts &knownErrors)
    {
        const QList<QByteArray> lines = RecordedLogs::lines(log);
        if (lines.isEmpty())
            QSKIP(qPrintable(QStringLiteral("Recorded logs not found under %1")
                                 .arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
        QCOMPARE(lines.size(), lineCount);

        BuildConfiguration::TestOverride configuration("JB", platform, "MIR_LOX1000");
        const bool linux = platform == QLatin1String("LINUX");
        const QStringList acceptedOnSerial3 { "GGA", "GLL", "GSA", "GSV", "ROT", "THS", "VTG" };
        m_information->setChannelNumber(port);
        ErrorLogger::instance()->resetCounters();
        MessageLogger *inputLog = CommunicationsLogging::instance()->inputMessageLogger();
        InputErrorLogger *errorLog = CommunicationsLogging::instance()->inputErrorLogger();
        const int errorRecordsBefore = errorLog->recorder(port)->recordCount();

        QMap<int, int> expectedErrors;
        QStringList expectedErrorRecords;
        QStringList expectedLogged;
        int handled = 0;
        int rejected = 0;
        int notHandled = 0;
        int wrongEntries = 0;
        QString firstWrongEntry;

        debugLineCount() = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countDebugLines);
        for (const QByteArray &line : lines) {
            const QString received = RecordedLogs::sentenceOfLine(line);
            const Expected expected = expectedOf(received);
            m_information->setCommsDataSilently(QString());
            m_controller->handleReceivedNmeaList(
                NmeaGroupInfo(QString(), QStringList(), QStringList { received }, port, StandardSentence));
            const QString entry = m_information->CommsData();

            QString status;
            if (expected.error != 0) {
                ++expectedErrors[expected.error];
                expectedErrorRecords << QString::number(expected.error) + QStringLiteral(": ")
                        + expected.text;
                status = QStringLiteral("2");
            } else if (linux && port == Serial_3 && !acceptedOnSerial3.contains(expected.formatter)) {
                status = QStringLiteral("1");
                ++notHandled;
            } else {
                // The handler decides between 0 (taken) and 3 (data refused).
                status = entry.right(1);
                if (status == QLatin1String("0"))
                    ++handled;
                else if (status == QLatin1String("3"))
                    ++rejected;
                else
                    status = QStringLiteral("0 or 3");
                expectedLogged << expected.text;
            }
            if (entry != headerOf(expected.text).replace(QLatin1Char(','), QLatin1Char('<')) + status) {
                if (wrongEntries++ == 0)
                    firstWrongEntry = entry + QStringLiteral(" for ") + received;
            }
        }
        qInstallMessageHandler(previous);

        qInfo() << log << "errors" << expectedErrors << "handled" << handled << "refused by the handler"
                << rejected << "not handled" << notHandled << "debug lines" << debugLineCount();

        // Every line got exactly its monitor entry: the error, the refusal on the port, or the handler's
        // word.
        QVERIFY2(wrongEntries == 0,
            qPrintable(QString::number(wrongEntries) + " wrong, first: " + firstWrongEntry));
        QCOMPARE(handled + rejected + notHandled + expectedErrorRecords.size(), lineCount);
        QVERIFY(handled > lineCount / 2);
        QCOMPARE(notHandled > 0, linux);

        // The count made here agrees with the faults known in the logs.
        QCOMPARE(expectedErrors, knownErrors);

        // Every fault is counted under its kind, on its port only.
        ErrorLogger *errors = ErrorLogger::instance();
        for (int kind = 1; kind <= 8; ++kind)
            QCOMPARE(errors->nmeaErrorCount(kind, port), expectedErrors.value(kind));
        QCOMPARE(errors->totalNmeaErrorsAllPorts(), expectedErrorRecords.size());
        const int tooLong = expectedErrors.value(7);
        QCOMPARE(errors->udpErrorCount(74), port == UDP ? tooLong : 0);
        QCOMPARE(errors->udpErrorCount(76), port == UDP ? expectedErrorRecords.size() - tooLong : 0);

        // Every faulty line is in the input-error log, and the log reaches its file whole.
        QVERIFY(expectedErrorRecords.size() + errorRecordsBefore <= CommunicationsLogging::logCapacity);
        BufferedRecorder *errorRecorder = errorLog->recorder(port);
        QCOMPARE(recordTexts(errorRecorder).mid(errorRecordsBefore), expectedErrorRecords);
        errorLog->flushToFiles();
        const QString errorPath
            = m_dir.path() + QStringLiteral("/Communication_Logs/Input_Errors/") + logFile;
        QCOMPARE(errorRecorder->filePath(), errorPath);
        QCOMPARE(fileContents(errorPath), errorRecorder->contents().toLatin1());

        // The input-message log holds the newest handled sentences, in order.
        BufferedRecorder *inputRecorder = inputLog->recorder(port);
        QCOMPARE(inputRecorder->recordCount(), CommunicationsLogging::logCapacity);
        QCOMPARE(recordTexts(inputRecorder),
            expectedLogged.mid(expectedLogged.size() - CommunicationsLogging::logCapacity));
    }

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_configuration;
    QTemporaryDir m_dir;
    std::unique_ptr<FolderDevice> m_device;
    std::unique_ptr<CommsLoggingSetup> m_loggingSetup;
    std::unique_ptr<ESCommunicationInformation> m_information;
    std::unique_ptr<ESCommunicationsSetup> m_communicationsSetup;
    std::unique_ptr<TmpPortsSetupAdapter> m_adapter;
    std::unique_ptr<CommunicationForwardingController> m_forwarding;
    std::unique_ptr<NmeaController> m_controller;
};

} // namespace RoutingLogSweep

#endif // ROUTINGLOGSWEEP_H
