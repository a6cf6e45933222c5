#include "ui/setup/ESRuntimeSetupScreen.h"

#include "ui/runtime/RuntimeScreens.h"
#include "ui/window/BaseScreen.h"
#include "ui_ESRuntimeSetupScreen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QStackedWidget>

ESRuntimeSetupScreen::ESRuntimeSetupScreen(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ESRuntimeSetupScreen)
{
    ui->setupUi(this);
    connect(ui->es_rt_st_btn_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &ESRuntimeSetupScreen::navigationButtonClicked);
}

ESRuntimeSetupScreen::~ESRuntimeSetupScreen()
{
    // Destroyed while borrowing: the runtime widget is not ours and goes back while its stack still
    // stands (the stand-in alive). When the whole window is torn down the stack deletes its pages
    // (the stand-in first or this page first; its layout is already gone) and the widget goes with the
    // window.
    if (m_standIn && m_home && m_home->layout() && m_standIn->parentWidget() == m_home)
        giveBack();
    delete ui;
}

void ESRuntimeSetupScreen::navigationButtonClicked(QAbstractButton *button)
{
    if (!button)
        return;
    static const char *const names[] = { "page_a", "page_b", "page_c", "page_d" };
    const QString name = button->objectName();
    for (int index = 0; index < 4; ++index) {
        if (!name.contains(QLatin1String(names[index])))
            continue;
        ui->stacked_es_rt_setup->setCurrentIndex(index);
        if (m_runtime)
            m_runtime->getStackedEsRuntime()->setCurrentIndex(index);
        return;
    }
}

void ESRuntimeSetupScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    auto *mainWindow = qobject_cast<BaseScreen *>(window());
    auto *runtime = mainWindow ? qobject_cast<RuntimeScreens *>(mainWindow->runtimeScreens()) : nullptr;
    // Still borrowed when shown again before the widget went back.
    if (!runtime || runtime->parentWidget() == ui->es_rt_holder)
        return;
    m_runtime = runtime;

    const int index = runtime->getLastPageIndex();
    ui->stacked_es_rt_setup->setCurrentIndex(index);
    const QList<QAbstractButton *> buttons
        = { ui->page_a_btn, ui->page_b_btn, ui->page_c_btn, ui->page_d_btn };
    if (index >= 0 && index < buttons.size())
        buttons.at(index)->setChecked(true);

    m_home = qobject_cast<QStackedWidget *>(runtime->parentWidget());
    if (m_home) {
        // An empty stand-in keeps the runtime side's page index in the main stack, so that the main
        // window's way back to the runtime side (its page 1) still works while the widget is borrowed:
        // showing the stand-in hides this page, which gives the widget back in its place.
        const QSignalBlocker blocker(m_home);
        m_standIn = new QWidget;
        m_standIn->setObjectName(QStringLiteral("runtime_screens_borrowed"));
        m_home->insertWidget(m_home->indexOf(runtime), m_standIn);
    }
    runtime->moveIntoContainer(ui->es_rt_holder);
    runtime->setShownInSetupPreview(true);
    runtime->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    runtime->getStackedSystems()->setCurrentIndex(0);
    runtime->show();
}

void ESRuntimeSetupScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // This page is hidden from inside the stack's page change, which still holds the stand-in as the
    // page it is showing: the swap waits until that change is over.
    QMetaObject::invokeMethod(
        this,
        [this]() {
            if (!isVisible())
                giveBack();
        },
        Qt::QueuedConnection);
}

void ESRuntimeSetupScreen::giveBack()
{
    if (!m_runtime)
        return;
    RuntimeScreens *runtime = m_runtime;
    m_runtime = nullptr;
    if (runtime->parentWidget() != ui->es_rt_holder) {
        if (m_home)
            delete m_standIn;
        m_home = nullptr;
        return;
    }
    if (m_home) {
        const QSignalBlocker blocker(m_home);
        runtime->moveIntoContainer(m_home);
        runtime->setShownInSetupPreview(false);
        const int index = m_standIn ? m_home->indexOf(m_standIn) : -1;
        if (index >= 0) {
            const bool standInShown = m_home->currentWidget() == m_standIn;
            m_home->insertWidget(index, runtime);
            if (standInShown)
                m_home->setCurrentWidget(runtime);
        } else {
            m_home->addWidget(runtime);
        }
        delete m_standIn;
    } else {
        // No stack to go back to (the main window being destroyed): the widget goes with this page.
        runtime->setShownInSetupPreview(false);
    }
    runtime->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    runtime->getStackedSystems()->setCurrentIndex(0);
    runtime->getStackedEsRuntime()->setCurrentIndex(0);
    m_home = nullptr;
}
