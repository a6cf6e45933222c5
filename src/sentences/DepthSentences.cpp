#include "sentences/DepthSentences.h"

#include "nmea/NmeaMessageRegistry.h"

#include <QtNumeric>

MsgDbt::MsgDbt(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DBT"))
{
    initializeProperties(this);
}

MsgDbs::MsgDbs(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DBS"))
{
    initializeProperties(this);
}

MsgDbk::MsgDbk(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DBK"))
{
    initializeProperties(this);
}

MsgDpt::MsgDpt(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DPT"))
{
    initializeProperties(this);
}

MsgDat::MsgDat(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DAT"))
{
    initializeProperties(this);
}

MsgXdr::MsgXdr(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("XDR"))
{
    // No field properties: the measurements are kept in the lists.
}

int MsgXdr::deserializeParamaters(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    // A trailing incomplete group is ignored, so fewer than four parts give nothing.
    for (int i = 0; i + 3 < parts.size(); i += 4) {
        const QString &type = parts.at(i);
        const QString &valueText = parts.at(i + 1);
        const QString &unit = parts.at(i + 2);
        const QString &name = parts.at(i + 3);
        bool ok = false;
        const float value = valueText.toFloat(&ok);
        if (type != QLatin1String("D") || valueText.isEmpty() || !ok || !qIsFinite(value) || value < 0.0f
            || unit != QLatin1String("M") || name.isEmpty())
            continue;
        m_types.append(type);
        m_values.append(value);
        m_units.append(unit);
        m_names.append(name);
    }
    return NmeaNoError;
}

void MsgXdr::resetToDefaults()
{
    NmeaMessage::resetToDefaults();
    m_types.clear();
    m_values.clear();
    m_units.clear();
    m_names.clear();
}

namespace {

const bool s_depthSentencesRegistered = registerStandardMessage<MsgDbt>(QStringLiteral("DBT"))
    && registerStandardMessage<MsgDbs>(QStringLiteral("DBS"))
    && registerStandardMessage<MsgDbk>(QStringLiteral("DBK"))
    && registerStandardMessage<MsgDpt>(QStringLiteral("DPT"))
    && registerStandardMessage<MsgDat>(QStringLiteral("DAT"))
    && registerStandardMessage<MsgXdr>(QStringLiteral("XDR"));

} // namespace
