#ifndef ESPREDEFINEDPARAMETERSETS_H
#define ESPREDEFINEDPARAMETERSETS_H

#include "data/SerializableClass.h"

#include <QList>

// One predefined set of echo-sounder parameters; it holds no settings of its own, since nothing
// reads the predefined sets.
class EsParameterSet : public SetupSerializableClass
{
    Q_OBJECT
public:
    EsParameterSet(QObject *parent, const QString &name);
};

// The predefined parameter sets, one per range step (not part of the tree).
class EsPredefinedParameterSets : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(EsParameterSet *ParametersForRange10 READ ParametersForRange10)
    Q_PROPERTY(EsParameterSet *ParametersForRange20 READ ParametersForRange20)
    Q_PROPERTY(EsParameterSet *ParametersForRange50 READ ParametersForRange50)
    Q_PROPERTY(EsParameterSet *ParametersForRange100 READ ParametersForRange100)
    Q_PROPERTY(EsParameterSet *ParametersForRange200 READ ParametersForRange200)
    Q_PROPERTY(EsParameterSet *ParametersForRange400 READ ParametersForRange400)
    Q_PROPERTY(EsParameterSet *ParametersForRange500 READ ParametersForRange500)
    Q_PROPERTY(EsParameterSet *ParametersForRange1000 READ ParametersForRange1000)
    Q_PROPERTY(EsParameterSet *ParametersForRange2000 READ ParametersForRange2000)
    Q_PROPERTY(EsParameterSet *ParametersForRange3000 READ ParametersForRange3000)
    Q_PROPERTY(EsParameterSet *ParametersForRange4000 READ ParametersForRange4000)
    Q_PROPERTY(EsParameterSet *ParametersForRange5000 READ ParametersForRange5000)
    Q_PROPERTY(EsParameterSet *ParametersForRange6000 READ ParametersForRange6000)

public:
    EsPredefinedParameterSets(QObject *parent, const QString &name);

    EsParameterSet *ParametersForRange10() const { return m_ParametersForRange10; }
    EsParameterSet *ParametersForRange20() const { return m_ParametersForRange20; }
    EsParameterSet *ParametersForRange50() const { return m_ParametersForRange50; }
    EsParameterSet *ParametersForRange100() const { return m_ParametersForRange100; }
    EsParameterSet *ParametersForRange200() const { return m_ParametersForRange200; }
    EsParameterSet *ParametersForRange400() const { return m_ParametersForRange400; }
    EsParameterSet *ParametersForRange500() const { return m_ParametersForRange500; }
    EsParameterSet *ParametersForRange1000() const { return m_ParametersForRange1000; }
    EsParameterSet *ParametersForRange2000() const { return m_ParametersForRange2000; }
    EsParameterSet *ParametersForRange3000() const { return m_ParametersForRange3000; }
    EsParameterSet *ParametersForRange4000() const { return m_ParametersForRange4000; }
    EsParameterSet *ParametersForRange5000() const { return m_ParametersForRange5000; }
    EsParameterSet *ParametersForRange6000() const { return m_ParametersForRange6000; }

    // The sets in range order.
    QList<EsParameterSet *> parameterSets() const { return m_parameterSets; }

private:
    EsParameterSet *m_ParametersForRange10;
    EsParameterSet *m_ParametersForRange20;
    EsParameterSet *m_ParametersForRange50;
    EsParameterSet *m_ParametersForRange100;
    EsParameterSet *m_ParametersForRange200;
    EsParameterSet *m_ParametersForRange400;
    EsParameterSet *m_ParametersForRange500;
    EsParameterSet *m_ParametersForRange1000;
    EsParameterSet *m_ParametersForRange2000;
    EsParameterSet *m_ParametersForRange3000;
    EsParameterSet *m_ParametersForRange4000;
    EsParameterSet *m_ParametersForRange5000;
    EsParameterSet *m_ParametersForRange6000;
    QList<EsParameterSet *> m_parameterSets;
};

#endif // ESPREDEFINEDPARAMETERSETS_H
