#include "ui/setup/SetupScreens.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/PropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SetupPropertyInfo.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/setup/CuR207Setup.h"
#include "ui/setup/EsSetupScreens.h"
#include "ui/widgets/FieldText.h"
#include "ui/window/BaseScreen.h"

#include "ui_SetupScreens.h"

#include <QDebug>
#include <QRegularExpression>
#include <QScrollArea>

SetupScreens::SetupScreens(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SetupScreens)
{
    m_ui->setupUi(this);
    arrangeMenu();
    connectSignals();
    bindSetupButtons();
}

SetupScreens::~SetupScreens()
{
    delete m_ui;
}

QStackedWidget *SetupScreens::getStackedSystems() const
{
    return m_ui->stacked_systems;
}

QStackedWidget *SetupScreens::getStackedSetupMenus() const
{
    return m_ui->stacked_setup_menus;
}

CommunicationInformationTable *SetupScreens::getCommunicationInformationTable() const
{
    return m_ui->es_setup_screens->getCommunicationInformationTable();
}

void SetupScreens::moveToSlot(QAbstractButton *button, QAbstractButton *slot)
{
    button->move(slot->pos());
    button->setStyleSheet(slot->styleSheet());
}

void SetupScreens::shrinkMenuContents(int height)
{
    QWidget *contents = m_ui->scaContents_es_setup_menu;
    contents->resize(contents->width(), contents->height() - height);
}

// Rows at or below the contents' height lie outside the scroll area's contents and cannot be reached.
void SetupScreens::arrangeMenu()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    Ui::SetupScreens *ui = m_ui;
    if (build->isMirLox1000 || build->isMirLox2000) {
        moveToSlot(ui->es_diagnostics_setup_btn, ui->es_aux_setup_btn);
        moveToSlot(ui->es_aux_setup_btn, ui->es_windowsscreen_setup_btn);
        moveToSlot(ui->es_windowsscreen_setup_btn, ui->cur207_setup_screens_btn);
        moveToSlot(ui->cur207_setup_screens_btn, ui->es_tq55_setup_btn);
        moveToSlot(ui->es_tq55_setup_btn, ui->es_comms_setup_btn);
        moveToSlot(ui->es_comms_setup_btn, ui->es_es_setup_btn);
        moveToSlot(ui->es_es_setup_btn, ui->es_calibration_setup_btn);
        moveToSlot(ui->es_calibration_setup_btn, ui->es_alert_setup_btn);
        shrinkMenuContents(ui->es_alert_setup_btn->height());
        ui->es_alert_setup_btn->hide();
        ui->changeSystemBtn->setEnabled(false);
        ui->changeSystemBtn->hide();
    }
    if (build->isTvr100 || build->isMirLox1000) {
        shrinkMenuContents(3 * ui->es_aux_setup_btn->height());
        if (build->isLinux) {
            moveToSlot(ui->es_diagnostics_setup_btn, ui->cur207_setup_screens_btn);
            ui->es_windowsscreen_setup_btn->setEnabled(false);
            ui->es_windowsscreen_setup_btn->hide();
        } else {
            moveToSlot(ui->es_diagnostics_setup_btn, ui->es_windowsscreen_setup_btn);
            moveToSlot(ui->es_windowsscreen_setup_btn, ui->cur207_setup_screens_btn);
        }
        moveToSlot(ui->cur207_setup_screens_btn, ui->es_tq55_setup_btn);
        ui->es_tq55_setup_btn->setEnabled(false);
        ui->es_tq55_setup_btn->hide();
        qDebug() << "ui->cur207_setup_screens_btn  " << ui->cur207_setup_screens_btn->pos();
        qDebug() << "ui->es_windowsscreen_setup_btn  " << ui->es_windowsscreen_setup_btn->pos();
        qDebug() << "ui->es_diagnostics_setup_btn  " << ui->es_diagnostics_setup_btn->pos();
    } else {
        moveToSlot(ui->es_diagnostics_setup_btn, ui->es_aux_setup_btn);
        moveToSlot(ui->es_aux_setup_btn, ui->es_windowsscreen_setup_btn);
        ui->es_windowsscreen_setup_btn->setEnabled(false);
        ui->es_windowsscreen_setup_btn->hide();
        shrinkMenuContents(2 * ui->es_aux_setup_btn->height());
    }
}

void SetupScreens::connectSignals()
{
    connect(m_ui->setup_btngroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &SetupScreens::esSetupButtonWasClicked);
    connect(m_ui->es_setup_screens, &EsSetupScreens::signalRightTitleLabelText, this,
        &SetupScreens::signalRightTitleLabelText);
    connect(m_ui->cur207_setup_screens, &CuR207Setup::signalRightTitleLabelText, this,
        &SetupScreens::signalRightTitleLabelText);
    connectLeftTitle();
}

static PropertyInfo *leftTitleValue()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const bool satelliteLog = build->isMirLox1000 || build->isMirLox2000;
    return ESDataInfoClass::instance()->runtimePropertyInfo(
        satelliteLog ? QStringLiteral("SpeedGPS") : QStringLiteral("DepthTransducer"));
}

QString SetupScreens::leftTitle() const
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const QString prefix = (build->isMirLox1000 || build->isMirLox2000) ? QStringLiteral("GPS Speed: ")
                                                                        : QStringLiteral("DBT: ");
    PropertyInfo *value = leftTitleValue();
    const QString text = value ? value->text() : QString();
    // A value that the window's title cannot show whole reads as not valid: a slice of its digits would
    // read as another value.
    const auto *runtime = qobject_cast<const RuntimePropertyInfo *>(value);
    const auto *screen = qobject_cast<const BaseScreen *>(window());
    if (runtime)
        return prefix + runtime->shownText(text, !screen || screen->leftTitleFits(prefix + text));
    return prefix + text;
}

void SetupScreens::connectLeftTitle()
{
    PropertyInfo *value = leftTitleValue();
    if (!value)
        return;
    // The title is read again from the description, so only a visible setup side announces it.
    connect(value, &PropertyInfo::valueChanged, this, [this] {
        if (isVisible())
            emit signalLeftTitleLabelText(leftTitle());
    });
}

void SetupScreens::showEvent(QShowEvent *event)
{
    emit signalLeftTitleLabelText(leftTitle());
    QWidget::showEvent(event);
}

// Names are final here: the pages built by the form have renamed the buttons they bind differently or
// keep unbound. A name without a description stays unbound. A bound button's presses reach its
// description, which announces them on the description hub; the two setup controllers listen there and
// step, choose or edit the value, so they are made to exist here, with the first bound button.
void SetupScreens::bindSetupButtons()
{
    SetupEnumInterface::instance();
    SetupValueInterface::instance();
    static const QRegularExpression setupButtonName(QStringLiteral("((es)|(ls))_st_"));
    const ESDataInfoClass *registry = ESDataInfoClass::instance();
    const QList<QPushButton *> buttons = findChildren<QPushButton *>(setupButtonName);
    for (QPushButton *button : buttons) {
        const QStringList parts = button->objectName().split(QLatin1Char('_'));
        if (parts.size() < 4)
            continue;
        if (SetupPropertyInfo *info = registry->setupPropertyInfo(parts.at(0), parts.at(2), parts.at(3))) {
            info->setButton(button);
            // The description writes what it shows, a peer's text too: the button fits it to itself.
            FieldText::follow(button);
        }
    }
}

QStackedWidget *SetupScreens::stackForButton(const QString &buttonName) const
{
    if (buttonName.contains(QLatin1String("es"), Qt::CaseInsensitive))
        return m_ui->es_setup_screens->getStackedEsSetup();
    return m_ui->cur207_setup_screens->getStackedWidget();
}

void SetupScreens::esSetupButtonWasClicked(QAbstractButton *button)
{
    const QString name = button->objectName();
    if (name.contains(QLatin1String("alert")))
        return;
    const QStringList parts = name.split(QLatin1Char('_'));
    if (parts.size() < 3)
        return;
    const QString pageName = QStringLiteral("page_") + parts.at(0) + QLatin1Char('_') + parts.at(1)
        + QLatin1Char('_') + parts.at(2);
    if (name.contains(QLatin1String("cur207_setup_screens"), Qt::CaseInsensitive)) {
        selectDisplay();
        return;
    }
    QStackedWidget *stack = stackForButton(name);
    QWidget *page = stack->currentWidget();
    for (int i = 0; i < stack->count(); ++i) {
        if (stack->widget(i)->objectName() == pageName) {
            page = stack->widget(i);
            break;
        }
    }
    // The page is made current while its page set is still hidden: showing the set first would show
    // the page that was current before for a moment, and pages act when shown (the satellite page sends
    // its request, the runtime setup borrows the runtime pages).
    stack->setCurrentWidget(page);
    m_ui->stacked_systems->setCurrentIndex(m_ui->stacked_setup_menus->currentIndex() + 1);
    emit signalRightTitleLabelText(page ? page->accessibleName() : QString());
}

void SetupScreens::selectDisplay()
{
    m_ui->stacked_systems->setCurrentIndex(2);
    emit signalRightTitleLabelText(m_ui->stacked_systems->currentWidget()->accessibleName());
}

void SetupScreens::changeSystem() { }

// The request is sent also when it is already set: the junction box may have missed the first one.
void SetupScreens::on_system_standby_btn_clicked()
{
    ESTQ55Setup *setup = ESDataClass::instance()->setup()->TQ55Setup();
    setup->setSystemInNormalOrStandbyMode(1);
    setup->serializeSinglePropertyByName(QStringLiteral("SystemInNormalOrStandbyMode"));
}
