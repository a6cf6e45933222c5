#include "ui/controllers/AbstractButtonInfo.h"

#include "common/SignalEmitter.h"
#include "info/DataInfoSingleton.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/PropertyInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SetupPropertyInfo.h"

#include <QDebug>

namespace {

const char runtimeFault[]
    = "runtime_setup_property_info not initialized (RuntimeButtonInfo::RuntimeButtonInfo())";
const char bottomBarFault[] = "runtime_setup_property_info not initialized (BottomBarInfo::BottomBarInfo())";

} // namespace

AbstractButtonInfo::AbstractButtonInfo(
    RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent)
    : QObject(parent)
    , m_button(button)
    , m_choice(choice)
{
    const QStringList parts = button->objectName().split(QLatin1Char('_'));
    m_prefix = parts.value(0);
    m_key = keyOf(button->objectName());
    connect(choice, SIGNAL(valueChanged(QString)), this, SLOT(changePropertyInfo(QString)));
    connect(button, SIGNAL(buttonPressed(ButtonType)), this, SLOT(buttonPressed(ButtonType)));
    connect(button, SIGNAL(buttonReleased()), this, SLOT(buttonReleased()));
}

QString AbstractButtonInfo::keyOf(const QString &objectName)
{
    const QStringList parts = objectName.split(QLatin1Char('_'));
    if (parts.size() < 4)
        return QString();
    return parts.at(2) + QLatin1Char('_') + parts.at(3);
}

PropertyInfo *AbstractButtonInfo::propertyInfo() const
{
    return m_propertyInfo;
}

RuntimeEnumPropertyInfo *AbstractButtonInfo::choice() const
{
    return m_choice;
}

RuntimeScreenButton *AbstractButtonInfo::button() const
{
    return m_button;
}

PropertyInfo *AbstractButtonInfo::chosenPropertyInfo(ESDataInfoClass *registry) const
{
    if (!m_choice || !registry)
        return nullptr;
    const QString name = m_choice->currentValue();
    const QString object = m_choice->objectNameFor(m_connector);
    if (SetupPropertyInfo *shared = registry->setupPropertyInfo(QStringLiteral("es"), name, object))
        return shared;
    return registry->setupPropertyInfo(QStringLiteral("ls"), name, object);
}

void AbstractButtonInfo::bindChosen(ESDataInfoClass *registry, const char *fault)
{
    PropertyInfo *property = chosenPropertyInfo(registry);
    if (!property) {
        qDebug() << "Property name, runtime setup name:  "
                 << (m_choice ? m_choice->currentValue() : QString()) << ", ";
        throw fault;
    }
    bindPropertyInfo(property);
}

void AbstractButtonInfo::disconnectProperty()
{
    if (m_propertyInfo)
        m_propertyInfo->disconnect(this);
}

void AbstractButtonInfo::connectProperty()
{
    connect(m_propertyInfo, SIGNAL(valueChanged(QString)), this, SLOT(changeValue(QString)));
    connect(m_propertyInfo, SIGNAL(displayedNameChanged(QString)), this, SLOT(changeDisplayedName(QString)));
    connect(m_propertyInfo, SIGNAL(integrityChanged(bool)), this, SLOT(integrityOfPropertyChanged(bool)));
}

namespace {

// A value whose description puts its unit into the title shows its text without the unit, so the
// button's title carries it ("SOG kn"); every other title is the displayed name.
QString buttonTitle(const PropertyInfo *property)
{
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(property);
    if (runtime && runtime->unitInTitle())
        return runtime->title(true).simplified();
    return property->displayedName();
}

} // namespace

void AbstractButtonInfo::showProperty()
{
    if (!m_button || !m_propertyInfo)
        return;
    showValue();
    m_button->setTitleText(buttonTitle(m_propertyInfo));
}

// A runtime value that may not be shown (outside its description's limits), or whose text does not fit
// the button whole, is shown as a value that is not valid: a slice of its digits would read as another
// value.
void AbstractButtonInfo::showValue()
{
    QString text = m_propertyInfo->text();
    bool integrityOk = m_propertyInfo->integrityOk();
    if (const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(m_propertyInfo)) {
        const bool fits = m_button->valueFits(text);
        integrityOk = integrityOk && runtime->isShowable() && fits;
        text = runtime->shownText(text, fits);
    }
    m_button->setValueText(text);
    m_button->setIntegrityOk(integrityOk);
}

void AbstractButtonInfo::bindPropertyInfo(PropertyInfo *property)
{
    if (!property)
        return;
    disconnectProperty();
    m_propertyInfo = property;
    if (m_button)
        m_button->setSingleButtonMode(!qobject_cast<EnumPropertyInfo *>(property));
    showProperty();
    // Selecting the shown value in the choosing setting; when that changes it, its change signal binds
    // this same description again.
    if (m_choice)
        m_choice->setCurrentValue(property->name());
    disconnectProperty();
    connectProperty();
}

void AbstractButtonInfo::changePropertyInfo(QString)
{
    PropertyInfo *property = chosenPropertyInfo(DataInfoSingleton::instance()->dataInfo());
    if (!property) {
        // A choice that names nothing to show leaves the button as it is: a setting changed at run time
        // must not end the program.
        qWarning() << "AbstractButtonInfo: nothing to show for"
                   << (m_choice ? m_choice->currentValue() : QString()) << "on" << m_key;
        return;
    }
    disconnectProperty();
    m_propertyInfo = property;
    if (m_button) {
        auto *enumerated = qobject_cast<EnumPropertyInfo *>(property);
        m_button->setSingleButtonMode(enumerated ? !enumerated->isBidirectionalChange() : true);
    }
    showProperty();
    connectProperty();
}

void AbstractButtonInfo::changeValue(QString)
{
    if (!m_button || !m_propertyInfo)
        return;
    showValue();
    // A change of the speed or distance unit arrives as a new value text: a unit in the title follows it.
    m_button->setTitleText(buttonTitle(m_propertyInfo));
}

void AbstractButtonInfo::changeDisplayedName(QString name)
{
    if (!m_button)
        return;
    m_button->setTitleText(m_propertyInfo ? buttonTitle(m_propertyInfo) : name);
}

void AbstractButtonInfo::setCurrentButtonConnector(QString connector)
{
    m_connector = connector;
    changePropertyInfo(m_propertyInfo ? m_propertyInfo->name() : QString());
}

void AbstractButtonInfo::integrityOfPropertyChanged(bool)
{
    if (m_button && m_propertyInfo)
        showValue();
}

// -------------------------------------------------------------------------------------------------------

RuntimeButtonInfo::RuntimeButtonInfo(
    RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent)
    : AbstractButtonInfo(button, choice, parent)
{
    bindChosen(ESDataInfoClass::instance(), runtimeFault);
}

PropertyInfo *RuntimeButtonInfo::chosenPropertyInfo(ESDataInfoClass *registry) const
{
    if (m_choice && registry) {
        if (PropertyInfo *runtime = registry->runtimePropertyInfo(m_choice->currentValue()))
            return runtime;
    }
    return AbstractButtonInfo::chosenPropertyInfo(registry);
}

void RuntimeButtonInfo::buttonPressed(ButtonType type)
{
    m_buttonType = type;
    emit buttonSignalEmitter()->signalRuntimeButtonPressed(this);
}

void RuntimeButtonInfo::buttonReleased()
{
    emit buttonSignalEmitter()->signalRuntimeButtonReleased(this);
}

// -------------------------------------------------------------------------------------------------------

BottomBarInfo::BottomBarInfo(RuntimeScreenButton *button, RuntimeEnumPropertyInfo *choice, QObject *parent)
    : AbstractButtonInfo(button, choice, parent)
{
    bindChosen(DataInfoSingleton::instance()->dataInfo(), bottomBarFault);
}

void BottomBarInfo::buttonPressed(ButtonType type)
{
    m_buttonType = type;
    emit buttonSignalEmitter()->signalBottomBarPressed(this);
}

void BottomBarInfo::buttonReleased()
{
    emit buttonSignalEmitter()->signalBottomBarReleased(this);
}
