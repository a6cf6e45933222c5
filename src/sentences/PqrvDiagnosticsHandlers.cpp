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
    const QList<int> codes = logger->errorCodes();
    const QList<int> counts = logger->errorCounts();
    NmeaHandler *handler = PqrvProtocol::siblingHandler(this, QStringLiteral("ERRORTABLE"));
    if (!handler)
        return;
    // One count per code; a count the list lacks goes out as an empty field.
    for (int first = 0; first < codes.size(); first += codesPerSentence) {
        const QList<int> chunk = codes.mid(first, codesPerSentence);
        QList<int> chunkCounts;
        for (int i = 0; i < chunk.size(); ++i)
            chunkCounts.append(counts.value(first + i, -1));
        const MsgPqrvErrortable message(chunk, chunkCounts);
        handler->sendSentenceOnEnabledPorts(message.toSentence());
    }
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
