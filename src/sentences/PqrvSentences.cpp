#include "sentences/PqrvSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgPqrvPair::MsgPqrvPair(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("PAIR"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvSfiAck::MsgPqrvSfiAck(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SFIACK"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvSfiChange::MsgPqrvSfiChange(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SFICHANGE"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvDevStart::MsgPqrvDevStart(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("DEVSTART"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvSfiChk::MsgPqrvSfiChk(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SFICHK"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvSfiTkn::MsgPqrvSfiTkn(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SFITKN"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvGcf::MsgPqrvGcf(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("GCF"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvCfgr::MsgPqrvCfgr(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("CFGR"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvScf::MsgPqrvScf(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SCF"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvMaca::MsgPqrvMaca(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("MACA"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvVmpcgter::MsgPqrvVmpcgter(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("VMPCGTER"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvErrorcode::MsgPqrvErrorcode(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("ERRORCODE"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvErrortable::MsgPqrvErrortable(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("ERRORTABLE"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvErrortable::MsgPqrvErrortable(const QList<int> &codes, const QList<int> &counts)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("ERRORTABLE"))
    , m_codeList(codes)
    , m_countList(counts)
{
    initializeProperties(this);
}

void MsgPqrvErrortable::resetToDefaults()
{
    NmeaMessage::resetToDefaults();
    m_codeList.clear();
    m_countList.clear();
}

QString MsgPqrvErrortable::serializeParameters() const
{
    const QString received = NmeaMessage::serializeParameters();
    if (!received.isEmpty())
        return received;
    QString text;
    for (const QList<int> *list : { &m_codeList, &m_countList }) {
        for (int value : *list) {
            if (value != -1)
                text += QString::number(value);
            text += QLatin1Char(',');
        }
    }
    text.chop(1);
    return text;
}

MsgPqrvSlp::MsgPqrvSlp(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("SLP"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvIcm::MsgPqrvIcm(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("ICM"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvReboot::MsgPqrvReboot(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("REBOOT"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

MsgPqrvDpt::MsgPqrvDpt(const QString &talker)
    : NmeaMessage(QStringLiteral("PQRV"), QStringLiteral("DPT"))
{
    Q_UNUSED(talker)
    initializeProperties(this);
}

namespace {

const bool s_pqrvSentencesRegistered = registerProprietaryMessage<MsgPqrvPair>(QStringLiteral("PAIR"))
    && registerProprietaryMessage<MsgPqrvSfiAck>(QStringLiteral("SFIACK"))
    && registerProprietaryMessage<MsgPqrvSfiChange>(QStringLiteral("SFICHANGE"))
    && registerProprietaryMessage<MsgPqrvDevStart>(QStringLiteral("DEVSTART"))
    && registerProprietaryMessage<MsgPqrvSfiChk>(QStringLiteral("SFICHK"))
    && registerProprietaryMessage<MsgPqrvSfiTkn>(QStringLiteral("SFITKN"))
    && registerProprietaryMessage<MsgPqrvGcf>(QStringLiteral("GCF"))
    && registerProprietaryMessage<MsgPqrvCfgr>(QStringLiteral("CFGR"))
    && registerProprietaryMessage<MsgPqrvScf>(QStringLiteral("SCF"))
    && registerProprietaryMessage<MsgPqrvMaca>(QStringLiteral("MACA"))
    && registerProprietaryMessage<MsgPqrvVmpcgter>(QStringLiteral("VMPCGTER"))
    && registerProprietaryMessage<MsgPqrvErrorcode>(QStringLiteral("ERRORCODE"))
    && registerProprietaryMessage<MsgPqrvErrortable>(QStringLiteral("ERRORTABLE"))
    && registerProprietaryMessage<MsgPqrvSlp>(QStringLiteral("SLP"))
    && registerProprietaryMessage<MsgPqrvIcm>(QStringLiteral("ICM"))
    && registerProprietaryMessage<MsgPqrvReboot>(QStringLiteral("REBOOT"))
    && registerProprietaryMessage<MsgPqrvDpt>(QStringLiteral("DPT"));

} // namespace
