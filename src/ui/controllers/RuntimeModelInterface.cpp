#include "ui/controllers/RuntimeModelInterface.h"

#include "common/SignalEmitter.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/LongPressMenuScreen.h"

#include <QDebug>
#include <QLocale>

RuntimeModelInterface *RuntimeModelInterface::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static RuntimeModelInterface *controller = new RuntimeModelInterface;
    return controller;
}

RuntimeModelInterface::RuntimeModelInterface(QObject *parent)
    : AbstractModelInterface(parent)
{
    m_longPressTimer.setInterval(longPressMs);
    connect(buttonSignalEmitter(), SIGNAL(signalRuntimeButtonPressed(RuntimeButtonInfo *)), this,
        SLOT(buttonPressed(RuntimeButtonInfo *)));
    connect(buttonSignalEmitter(), SIGNAL(signalRuntimeButtonReleased(RuntimeButtonInfo *)), this,
        SLOT(buttonReleased(RuntimeButtonInfo *)));
}

void RuntimeModelInterface::setLongPressMenuScreen(LongPressMenuScreen *menu)
{
    if (m_longPressMenu)
        m_longPressMenu->disconnect(this);
    m_longPressMenu = menu;
    if (!menu)
        return;
    connect(menu, SIGNAL(signalRemoteChange(QString)), this, SLOT(modifyPropertyFromLongPress(QString)));
    connect(menu, SIGNAL(informationChanged(QString)), this, SLOT(changeShownInformation(QString)));
}

LongPressMenuScreen *RuntimeModelInterface::longPressMenuScreen() const
{
    return m_longPressMenu;
}

void RuntimeModelInterface::registerButtonInfo(RuntimeButtonInfo *binding)
{
    storeBinding(binding);
}

void RuntimeModelInterface::buttonPressed(RuntimeButtonInfo *binding)
{
    if (isActiveController())
        pressBoundButton(binding);
}

void RuntimeModelInterface::buttonReleased(RuntimeButtonInfo *)
{
    if (isActiveController())
        releaseBoundButton();
}

void RuntimeModelInterface::openLongPressDialog()
{
    if (m_currentProperty && m_currentProperty->name() == QLatin1String("Trip"))
        resetPropertyValue();
    if (m_currentProperty && m_currentProperty->isValid()) {
        if (auto *enumerated = qobject_cast<EnumPropertyInfo *>(m_currentProperty))
            SetupEnumInterface::instance()->openChooserFor(enumerated);
    }
}

void RuntimeModelInterface::resetPropertyValue()
{
    if (auto *runtime = qobject_cast<RuntimePropertyInfo *>(m_currentProperty)) {
        runtime->setSourceValue(QStringLiteral("0"));
        return;
    }
    if (auto *value = qobject_cast<ValuePropertyInfo *>(m_currentProperty)) {
        value->setSourceValue(QStringLiteral("0"));
        return;
    }
    // A menu's reset offered for something that has no reset value does nothing.
    qDebug() << "RuntimeModelInterface::resetPropertyValue: no reset value for"
             << (m_currentProperty ? m_currentProperty->name() : QStringLiteral("no value"));
}

void RuntimeModelInterface::applyDefaultFromLongPress(const QString &details)
{
    if (auto *enumerated = qobject_cast<EnumPropertyInfo *>(m_currentProperty)) {
        enumerated->setCurrentIndex(0);
        return;
    }
    bool isNumber = false;
    const double value = QLocale::c().toDouble(details.split(QLatin1Char(':')).value(1), &isNumber);
    if (!isNumber) {
        // The default comes from a description text; a faulty one changes nothing.
        qDebug() << "ModelInterface::makeLongPressChange -> Default value is not correct (can't be converted "
                    "to a number)!";
        return;
    }
    const QString text = QString::number(value, 'g', 6);
    if (auto *runtime = qobject_cast<RuntimePropertyInfo *>(m_currentProperty))
        runtime->setSourceValue(text);
    if (auto *free = qobject_cast<ValuePropertyInfo *>(m_currentProperty))
        free->setSourceValue(text);
}

void RuntimeModelInterface::makeLongPressChange()
{
    if (qobject_cast<ValuePropertyInfo *>(m_currentProperty)) {
        SetupValueInterface::instance()->edit(m_currentProperty, m_prefix);
        return;
    }
    // A runtime value is received, not typed, and an enumerated value has its own chooser: "Modify Value"
    // has nothing to change for them.
    qDebug() << "RuntimeModelInterface::makeLongPressChange: nothing to modify for"
             << (m_currentProperty ? m_currentProperty->name() : QStringLiteral("no value"));
}

void RuntimeModelInterface::modifyPropertyFromLongPress(QString details)
{
    if (details.contains(QLatin1String("Reset"), Qt::CaseInsensitive))
        resetPropertyValue();
    else if (details.contains(QLatin1String("Default"), Qt::CaseInsensitive))
        applyDefaultFromLongPress(details);
    else
        makeLongPressChange();
    if (m_longPressMenu)
        m_longPressMenu->hide();
}

void RuntimeModelInterface::changeShownInformation(QString name)
{
    PropertyInfo *property = registry() ? registry()->runtimePropertyInfo(name) : nullptr;
    if (!property) {
        qDebug() << "RuntimeModelInterface::changeShownInformation: no runtime value" << name;
        return;
    }
    m_currentProperty = property;
    m_propertyName = property->name();
    if (m_currentButton)
        m_currentButton->bindPropertyInfo(property);
    if (m_longPressMenu)
        m_longPressMenu->setOptionsFromProperty(property->longPress(), property->displayedName());
}

void RuntimeModelInterface::showNextInformation()
{
    PropertyInfo *property = registry() ? registry()->propertyInfoAfter(m_propertyName) : nullptr;
    if (!property)
        return;
    m_currentProperty = property;
    m_propertyName = property->name();
    if (m_currentButton)
        m_currentButton->bindPropertyInfo(property);
}
