#ifndef TST_DESCRIPTIONREGISTRY_CLASSES_H
#define TST_DESCRIPTIONREGISTRY_CLASSES_H

#include "data/SerializableClass.h"

// A settings object with a faulty description text (a float validator whose upper bound is no number),
// standing in for the shared setup of a test build.
class FaultySetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double Limit READ Limit WRITE setLimit NOTIFY LimitChanged)
    Q_CLASSINFO("Limit", "type=value name=Limit unit=m validator=float;0;ten defaultValue=1")

public:
    FaultySetup()
        : SetupSerializableClass(nullptr, QStringLiteral("ESSetup"))
    {
    }
    double Limit() const { return m_limit; }
    void setLimit(double value)
    {
        m_limit = value;
        emit LimitChanged(value);
    }

signals:
    void LimitChanged(double);

private:
    double m_limit = 1.0;
};

#endif // TST_DESCRIPTIONREGISTRY_CLASSES_H
