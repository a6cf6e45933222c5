#include "ui/runtime/RuntimeDisplayableData.h"

#include "data/RuntimeColorStore.h"
#include "info/RuntimePropertyInfo.h"

#include <QDebug>

RuntimeDisplayableData::RuntimeDisplayableData(PropertyInfo *description, QObject *parent)
    : QObject(parent)
    , m_description(description)
{
    if (description)
        connectDescription();
    else
        qDebug() << "Info pair invalid!";
}

void RuntimeDisplayableData::setPropertyInfo(PropertyInfo *description, bool hidden)
{
    disconnectDescription();
    m_description = description;
    if (description) {
        connectDescription();
    } else if (!hidden) {
        qDebug() << "Value not hidden and source property info invalid!";
        throw "Angle property not defined in RuntimeDisplayableData, line 25.";
    }
    emit informationChangeSignal();
    emit changeLayoutDirection();
}

QColor RuntimeDisplayableData::color() const
{
    // "DEFAULT" is no colour name: an unbound feed draws in an invalid colour.
    if (!m_description)
        return QColor(QStringLiteral("DEFAULT"));
    RuntimeColorStore *store = RuntimeColorStore::instance();
    if (!m_description->integrityOk() || !isShowable())
        return store->colorFor(QStringLiteral("LOW_integrity"));
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_description.data());
    return store->colorFor(runtime ? runtime->colorClass() : QStringLiteral("DEFAULT"));
}

bool RuntimeDisplayableData::isShowable() const
{
    if (!m_description)
        return false;
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_description.data());
    return runtime ? runtime->isShowable() : m_description->isValid();
}

RuntimeDisplayableData::FieldValue RuntimeDisplayableData::fieldValue(const QString &text, bool fits) const
{
    if (isShowable() && fits)
        return { text, color(), true };
    return { QStringLiteral("-/-"), RuntimeColorStore::instance()->colorFor(QStringLiteral("LOW_integrity")),
        false };
}

QString RuntimeDisplayableData::speedClass() const
{
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_description.data());
    return runtime ? runtime->speedClass() : QStringLiteral("NONE");
}

QString RuntimeDisplayableData::titleText() const
{
    if (!m_description)
        return QString();
    // The displayed name ends in a blank when it has no suffix; one blank stands before the unit.
    if (const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_description.data()))
        return runtime->title(true).simplified();
    return m_description->displayedName().simplified();
}

QString RuntimeDisplayableData::valueUnit() const
{
    if (!m_description)
        return QString();
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_description.data());
    if (runtime && runtime->unitInTitle())
        return QString();
    return m_description->displayedUnit();
}

void RuntimeDisplayableData::emitInformationChangedSignal()
{
    emit informationChangeSignal();
}

void RuntimeDisplayableData::connectDescription()
{
    connect(m_description.data(), &PropertyInfo::valueChanged, this,
        &RuntimeDisplayableData::emitInformationChangedSignal);
    connect(m_description.data(), &PropertyInfo::integrityChanged, this,
        &RuntimeDisplayableData::emitInformationChangedSignal);
}

void RuntimeDisplayableData::disconnectDescription()
{
    if (!m_description)
        return;
    disconnect(m_description.data(), &PropertyInfo::valueChanged, this,
        &RuntimeDisplayableData::emitInformationChangedSignal);
    disconnect(m_description.data(), &PropertyInfo::integrityChanged, this,
        &RuntimeDisplayableData::emitInformationChangedSignal);
}
