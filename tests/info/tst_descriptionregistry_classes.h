#ifndef TST_DESCRIPTIONREGISTRY_CLASSES_H
#define TST_DESCRIPTIONREGISTRY_CLASSES_H

#include "TestSetting.h"
#include "data/SerializableClass.h"

// A settings object with a faulty description text (a float validator whose upper bound is no number),
// standing in for the shared setup of a test build.
class FaultySetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double Limit READ Limit WRITE setLimit NOTIFY LimitChanged)
    Q_CLASSINFO("Limit", "type=value name=Limit unit=m validator=float;0;ten defaultValue=1")
    TST_SETTING(double, Limit)

public:
    FaultySetup()
        : SetupSerializableClass(nullptr, QStringLiteral("ESSetup"))
    {
    }

signals:
    void LimitChanged(double);
};

#endif // TST_DESCRIPTIONREGISTRY_CLASSES_H
