#include "ui/controllers/ButtonInfoContainer.h"

#include "ui/controllers/AbstractButtonInfo.h"

#include <QVariant>
#include <QWidget>

ButtonInfoContainer::ButtonInfoContainer(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<AbstractButtonInfo *>("AbstractButtonInfo *");
    qRegisterMetaType<RuntimeButtonInfo *>("RuntimeButtonInfo *");
    qRegisterMetaType<BottomBarInfo *>("BottomBarInfo *");
}

void ButtonInfoContainer::insert(AbstractButtonInfo *binding)
{
    binding->setParent(this);
    setProperty(binding->key().toLatin1().constData(), QVariant::fromValue<AbstractButtonInfo *>(binding));
}

AbstractButtonInfo *ButtonInfoContainer::buttonInfo(const QWidget *button) const
{
    if (!button)
        return nullptr;
    const QString key = AbstractButtonInfo::keyOf(button->objectName());
    if (key.isEmpty())
        return nullptr;
    return property(key.toLatin1().constData()).value<AbstractButtonInfo *>();
}

RuntimeButtonInfo *ButtonInfoContainer::runtimeButtonInfo(const QWidget *button) const
{
    return qobject_cast<RuntimeButtonInfo *>(buttonInfo(button));
}

BottomBarInfo *ButtonInfoContainer::bottomBarInfo(const QWidget *button) const
{
    return qobject_cast<BottomBarInfo *>(buttonInfo(button));
}
