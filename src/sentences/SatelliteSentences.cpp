#include "sentences/SatelliteSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgGsa::MsgGsa(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("GSA"))
{
    initializeProperties(this);
}

MsgGst::MsgGst(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("GST"))
{
    initializeProperties(this);
}

MsgGsv::MsgGsv(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("GSV"))
{
    initializeProperties(this);
}

namespace {

// The fields after the three of the header: four per satellite, and one more when the sentence carries
// a signal identifier (only senders of the newer sentence version do).
int fieldsAfterHeader(const QString &text)
{
    return qMax(0, text.split(QLatin1Char(',')).size() - 3);
}

} // namespace

int MsgGsv::satelliteBlockCount() const
{
    return qMin(4, fieldsAfterHeader(parameters()) / 4);
}

QList<int> MsgGsv::satellites()
{
    ValidatedIntProperty *const ids[]
        = { m_GSV_SatelliteID_1, m_GSV_SatelliteID_2, m_GSV_SatelliteID_3, m_GSV_SatelliteID_4 };
    ValidatedIntProperty *const elevations[]
        = { m_GSV_Elevation_1, m_GSV_Elevation_2, m_GSV_Elevation_3, m_GSV_Elevation_4 };
    ValidatedIntProperty *const azimuths[]
        = { m_GSV_Azimuth_1, m_GSV_Azimuth_2, m_GSV_Azimuth_3, m_GSV_Azimuth_4 };
    ValidatedIntProperty *const snrs[] = { m_GSV_SNR_1, m_GSV_SNR_2, m_GSV_SNR_3, m_GSV_SNR_4 };

    const int blocks = satelliteBlockCount();
    if (blocks < 4) {
        // A signal identifier after fewer than four satellites was parsed into the identifier field of
        // the first unused block. A block cut short carries no satellite.
        const bool hasSignalId = fieldsAfterHeader(parameters()) % 4 == 1;
        if (hasSignalId && ids[blocks]->isValid())
            m_GSV_SignalID->setValue(ids[blocks]->value());
        for (int i = blocks; i < 4; ++i)
            ids[i]->setValid(false);
    }

    QList<int> result;
    for (int i = 0; i < 4; ++i) {
        if (!ids[i]->isValid())
            continue;
        result << ids[i]->value() << elevations[i]->value() << azimuths[i]->value() << snrs[i]->value()
               << m_GSV_SignalID->value();
    }
    return result;
}

namespace {

const bool s_satelliteSentencesRegistered = registerStandardMessage<MsgGsa>(QStringLiteral("GSA"))
    && registerStandardMessage<MsgGst>(QStringLiteral("GST"))
    && registerStandardMessage<MsgGsv>(QStringLiteral("GSV"));

} // namespace
