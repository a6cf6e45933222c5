#ifndef RUNTIMEPROPERTYWITHANGLEINFO_H
#define RUNTIMEPROPERTYWITHANGLEINFO_H

#include "info/RuntimePropertyInfo.h"

#include <QPointer>

// A runtime value with a companion angle value (a speed with its direction, "angleProperty=AngleSpeedGPS"):
// the companion's valueChanged and integrityChanged are re-emitted as this description's own, so every
// receiver of the value also hears a change of its direction; receivers read the value with
// displayedValue() and the angle through anglePropertyInfo(). The companion is bound once the registry
// holds every runtime description. Without an angle property name the constructor throws "Angle property
// not defined!".
class RuntimePropertyWithAngleInfo : public RuntimePropertyInfo
{
    Q_OBJECT

public:
    RuntimePropertyWithAngleInfo(const QString &description, SerializableClass *sourceObject);

    QString anglePropertyName() const { return m_anglePropertyName; }
    PropertyInfo *anglePropertyInfo() const;
    // Replaces the companion (null: none).
    void setAnglePropertyInfo(PropertyInfo *angle);

private:
    QPointer<PropertyInfo> m_anglePropertyInfo;
    QString m_anglePropertyName;
};

#endif // RUNTIMEPROPERTYWITHANGLEINFO_H
