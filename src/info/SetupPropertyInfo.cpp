#include "info/SetupPropertyInfo.h"

#include "common/ClassInformation.h"
#include "data/SerializableClass.h"

#include <QAbstractButton>

bool SetupPropertyInfo::flagValue(const QString &value, const char *fault)
{
    if (value.contains(QLatin1String("true"), Qt::CaseInsensitive))
        return true;
    if (value.contains(QLatin1String("false"), Qt::CaseInsensitive))
        return false;
    throw fault;
}

SetupPropertyInfo::SetupPropertyInfo(const QString &description, SerializableClass *sourceObject)
    : PropertyInfo(description, sourceObject)
{
    static const QStringList keys = { QStringLiteral("isLocal="), QStringLiteral("isProtected=") };
    readItems(description, keys, [this](int key, const ClassInfoItem &item) {
        if (key == 0)
            m_isLocal = flagValue(item.value, "wrong isLocal parameter");
        else if (key == 1)
            m_isProtected = flagValue(item.value, "wrong isProtected parameter");
    });
    if (sourceObject && sourceObject->inherits("LocalSerializableClass"))
        m_isLocal = true;
}

QAbstractButton *SetupPropertyInfo::button() const
{
    return m_button.data();
}

void SetupPropertyInfo::setButton(QAbstractButton *button)
{
    if (m_button) {
        disconnect(m_button, SIGNAL(pressed()), this, SLOT(buttonPressed()));
        disconnect(m_button, SIGNAL(released()), this, SLOT(buttonReleased()));
    }
    m_button = button;
    if (!button)
        return;
    button->setText(text());
    connect(button, SIGNAL(pressed()), this, SLOT(buttonPressed()));
    connect(button, SIGNAL(released()), this, SLOT(buttonReleased()));
}

void SetupPropertyInfo::setSourceObject(SerializableClass *object)
{
    PropertyInfo::setSourceObject(object);
    // A shared object does not clear the flag: the description item may have set it.
    if (object && object->inherits("LocalSerializableClass"))
        m_isLocal = true;
}

void SetupPropertyInfo::refreshButton()
{
    if (m_button)
        m_button->setText(text());
}
