#ifndef SCRIPTEDSPIBOARD_H
#define SCRIPTEDSPIBOARD_H

// Test helper: an SPI transport that stands in for a board. It records every message as it was sent
// (before the board's answer overwrites it) and lets a responder write the answer. The record is shared
// with the test and outlives the transport, which the device owns and may destroy in another thread;
// it is guarded by a mutex because the device may run in a worker thread. Header only.

#include "platform/SpiTransport.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

struct SpiBoardRecord
{
    QVector<QVector<QByteArray>> messages() const
    {
        QMutexLocker lock(&mutex);
        return sent;
    }
    int messageCount() const
    {
        QMutexLocker lock(&mutex);
        return sent.size();
    }
    QList<QList<int>> configureCalls() const
    {
        QMutexLocker lock(&mutex);
        return configured;
    }
    bool isDestroyed() const
    {
        QMutexLocker lock(&mutex);
        return destroyed;
    }

    mutable QMutex mutex;
    QVector<QVector<QByteArray>> sent;
    QList<QList<int>> configured;
    bool destroyed = false;
};

class ScriptedSpiBoard : public SpiTransport
{
public:
    // Writes the board's answer into the segments; its result is the transfer's.
    using Responder = std::function<bool(QVector<QByteArray> &segments)>;

    ScriptedSpiBoard(std::shared_ptr<SpiBoardRecord> record, Responder responder)
        : m_record(std::move(record))
        , m_responder(std::move(responder))
    {
    }
    ~ScriptedSpiBoard() override
    {
        QMutexLocker lock(&m_record->mutex);
        m_record->destroyed = true;
    }

    bool configure(const QString &, int mode, int bitsPerWord, int speedHz, int lsbFirst) override
    {
        QMutexLocker lock(&m_record->mutex);
        m_record->configured.append({ mode, bitsPerWord, speedHz, lsbFirst });
        return true;
    }

    bool transfer(QVector<QByteArray> &segments, int, int, bool, int) override
    {
        {
            QMutexLocker lock(&m_record->mutex);
            m_record->sent.append(segments);
        }
        return m_responder(segments);
    }

private:
    std::shared_ptr<SpiBoardRecord> m_record;
    Responder m_responder;
};

namespace TransceiverBoard {

inline QByteArray word(int first, int second = 0xFF)
{
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(first);
    bytes[1] = static_cast<char>(second);
    return bytes;
}

// The sample word k of a channel's measurement: the channel (1 or 2) and the low byte of k.
inline QByteArray sampleWord(int channel, int k)
{
    return word(channel, k & 0xFF);
}

// Answers like the echo-sounder transceiver board: acknowledges pings and parameter writes, frames the
// samples of a measurement and the additional data, and acknowledges a reset.
inline bool answer(QVector<QByteArray> &words)
{
    if (words.isEmpty())
        return true;
    const QByteArray ack = word(0xFE);
    const int command = static_cast<quint8>(words.first().at(0));
    switch (command) {
    case 0xEF: // pings
    case 0xDF:
    case 0xEE: // parameters
    case 0xDE:
        for (int i = 1; i < words.size(); ++i)
            words[i] = ack;
        break;
    case 0xED: // measurements
    case 0xDD: {
        const int channel = command == 0xED ? 1 : 2;
        words[1] = word(0xFB);
        for (int i = 2; i < words.size() - 1; ++i)
            words[i] = sampleWord(channel, i - 2);
        words.last() = word(0xFC);
        break;
    }
    case 0x0D: // additional data
        words[1] = word(0xF9);
        for (int i = 2; i < words.size() - 1; ++i)
            words[i] = word(0xA0 + i - 2, 0x0A);
        words.last() = word(0xFA);
        break;
    case 0x00: // reset
        words[1] = ack;
        break;
    default:
        break;
    }
    return true;
}

// A sent message in a word: "ping1", "ping2", "ping12", "params1", "params2", "read1", "read2",
// "additional", "reset", or the first byte in hexadecimal.
inline QString describe(const QVector<QByteArray> &words)
{
    if (words.isEmpty())
        return QStringLiteral("empty");
    const int command = static_cast<quint8>(words.first().at(0));
    switch (command) {
    case 0xEF:
        return words.size() > 1 && static_cast<quint8>(words.at(1).at(0)) == 0xDF ? QStringLiteral("ping12")
                                                                                  : QStringLiteral("ping1");
    case 0xDF:
        return QStringLiteral("ping2");
    case 0xEE:
        return QStringLiteral("params1");
    case 0xDE:
        return QStringLiteral("params2");
    case 0xED:
        return QStringLiteral("read1");
    case 0xDD:
        return QStringLiteral("read2");
    case 0x0D:
        return QStringLiteral("additional");
    case 0x00:
        return QStringLiteral("reset");
    default:
        return QString::number(command, 16);
    }
}

inline QStringList describeAll(const QVector<QVector<QByteArray>> &messages)
{
    QStringList names;
    for (const auto &message : messages)
        names << describe(message);
    return names;
}

} // namespace TransceiverBoard

#endif // SCRIPTEDSPIBOARD_H
