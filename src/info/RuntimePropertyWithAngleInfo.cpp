#include "info/RuntimePropertyWithAngleInfo.h"

#include "common/ClassInformation.h"

#include <QDebug>

RuntimePropertyWithAngleInfo::RuntimePropertyWithAngleInfo(
    const QString &description, SerializableClass *sourceObject)
    : RuntimePropertyInfo(description, sourceObject)
{
    static const QStringList keys = { QStringLiteral("angleProperty=") };
    readItems(description, keys, [this](int key, const ClassInfoItem &item) {
        if (key == 0)
            m_anglePropertyName = item.value;
    });
    if (m_anglePropertyName.isEmpty()) {
        qDebug() << "Angle property not defined for property: " << name();
        throw "Angle property not defined!";
    }
}

PropertyInfo *RuntimePropertyWithAngleInfo::anglePropertyInfo() const
{
    return m_anglePropertyInfo.data();
}

void RuntimePropertyWithAngleInfo::setAnglePropertyInfo(PropertyInfo *angle)
{
    if (m_anglePropertyInfo) {
        disconnect(m_anglePropertyInfo, SIGNAL(valueChanged(QString)), this, SIGNAL(valueChanged(QString)));
        disconnect(m_anglePropertyInfo, SIGNAL(integrityChanged(bool)), this, SIGNAL(integrityChanged(bool)));
    }
    m_anglePropertyInfo = angle;
    if (angle) {
        connect(angle, SIGNAL(valueChanged(QString)), this, SIGNAL(valueChanged(QString)));
        connect(angle, SIGNAL(integrityChanged(bool)), this, SIGNAL(integrityChanged(bool)));
    }
}
