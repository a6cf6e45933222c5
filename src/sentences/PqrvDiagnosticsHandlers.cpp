#include "sentences/PqrvDiagnosticsHandlers.h"

#include "common/Port.h"
#include "comms/ErrorLogger.h"
#include "comms/NmeaOverUdpErrorLogger.h"
#include "comms/UdpErrorLogger.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/PqrvProtocolSupport.h"
#include "sentences/PqrvSentences.h"

namespace {

const int reportLastError = 0;
const int reportTable = 1;
const int reportTableAndReset = 9;
const int codesPerSentence = 8;

} // namespace

HandlerPqrvVmpcgter::HandlerPqrvVmpcgter(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("VMPCGTER"), false, parent, true)
{
}

void HandlerPqrvVmpcgter::handleReceivedMessage(NmeaMessage *message)
{
    m_lastMessageValid = true;
    const auto *request = qobject_cast<const MsgPqrvVmpcgter *>(message);
    if (!request) {
        m_lastMessageValid = false;
        return;
    }
    switch (request->Command()->value()) {
    case reportLastError:
        sendErrorCode();
        break;
    case reportTable:
        sendErrorTable();
        break;
    case reportTableAndReset:
        sendErrorTable();
        ErrorLogger::instance()->resetCounters();
        break;
    default:
        break;
    }
}

void HandlerPqrvVmpcgter::sendErrorCode()
{
    const NmeaOverUdpErrorLogger *logger
        = ErrorLogger::instance()->udpErrorLogger()->nmeaOverUdpErrorLogger();
    MsgPqrvErrorcode message { QString() };
    message.ErrorId()->setValue(logger->lastErrorCode());
    message.ErrorCount()->setValue(logger->lastErrorCount());
    if (NmeaHandler *handler = PqrvProtocol::siblingHandler(this, QStringLiteral("ERRORCODE")))
        handler->sendSentenceOnEnabledPorts(message.toSentence());
}

void HandlerPqrvVmpcgter::sendErrorTable()
{
    const UdpErrorLogger *logger = ErrorLogger::instance()->udpErrorLogger();
    NmeaHandler *handler = PqrvProtocol::siblingHandler(this, QStringLiteral("ERRORTABLE"));
    if (!handler)
        return;
    for (const QString &sentence : errorTableSentences(logger->errorCodes(), logger->errorCounts()))
        handler->sendSentenceOnEnabledPorts(sentence);
}

QStringList HandlerPqrvVmpcgter::errorTableSentences(const QList<int> &codes, const QList<int> &counts)
{
    // One count per code; a count the list lacks goes out as an empty field.
    const auto table = [&](int first, int size) {
        QList<int> tableCounts;
        for (int i = first; i < first + size; ++i)
            tableCounts.append(counts.value(i, -1));
        return MsgPqrvErrortable(codes.mid(first, size), tableCounts);
    };
    QStringList sentences;
    for (int chunk = 0; chunk < codes.size(); chunk += codesPerSentence) {
        const int chunkEnd = qMin(chunk + codesPerSentence, codes.size());
        // Large counts can make a chunk's sentence too long to be written: it then goes out as several
        // sentences, each with as many of the chunk's pairs as fit. One pair always fits: two numbers
        // of at most 11 characters.
        for (int first = chunk; first < chunkEnd;) {
            int size = chunkEnd - first;
            while (size > 1 && !table(first, size).fitsInSentence())
                --size;
            sentences << table(first, size).toSentence();
            first += size;
        }
    }
    return sentences;
}

HandlerPqrvErrorcode::HandlerPqrvErrorcode(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ERRORCODE"), false, parent, true)
{
    addExtraPort(UDP);
}

HandlerPqrvErrortable::HandlerPqrvErrortable(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ERRORTABLE"), false, parent, true)
{
    addExtraPort(UDP);
}
