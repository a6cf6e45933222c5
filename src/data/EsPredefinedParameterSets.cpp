#include "data/EsPredefinedParameterSets.h"

EsParameterSet::EsParameterSet(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

EsPredefinedParameterSets::EsPredefinedParameterSets(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_ParametersForRange10(new EsParameterSet(this, QStringLiteral("ParametersForRange10")))
    , m_ParametersForRange20(new EsParameterSet(this, QStringLiteral("ParametersForRange20")))
    , m_ParametersForRange50(new EsParameterSet(this, QStringLiteral("ParametersForRange50")))
    , m_ParametersForRange100(new EsParameterSet(this, QStringLiteral("ParametersForRange100")))
    , m_ParametersForRange200(new EsParameterSet(this, QStringLiteral("ParametersForRange200")))
    , m_ParametersForRange400(new EsParameterSet(this, QStringLiteral("ParametersForRange400")))
    , m_ParametersForRange500(new EsParameterSet(this, QStringLiteral("ParametersForRange500")))
    , m_ParametersForRange1000(new EsParameterSet(this, QStringLiteral("ParametersForRange1000")))
    , m_ParametersForRange2000(new EsParameterSet(this, QStringLiteral("ParametersForRange2000")))
    , m_ParametersForRange3000(new EsParameterSet(this, QStringLiteral("ParametersForRange3000")))
    , m_ParametersForRange4000(new EsParameterSet(this, QStringLiteral("ParametersForRange4000")))
    , m_ParametersForRange5000(new EsParameterSet(this, QStringLiteral("ParametersForRange5000")))
    , m_ParametersForRange6000(new EsParameterSet(this, QStringLiteral("ParametersForRange6000")))
{
    m_parameterSets = { m_ParametersForRange10, m_ParametersForRange20, m_ParametersForRange50,
        m_ParametersForRange100, m_ParametersForRange200, m_ParametersForRange400, m_ParametersForRange500,
        m_ParametersForRange1000, m_ParametersForRange2000, m_ParametersForRange3000,
        m_ParametersForRange4000, m_ParametersForRange5000, m_ParametersForRange6000 };
}
