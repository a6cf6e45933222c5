#include "ui/dialogs/LongPressMenuScreen.h"

#include "info/DataInfoSingleton.h"
#include "info/ESDataInfoClass.h"
#include "ui/widgets/ListRows.h"

#include "ui_LongPressMenuScreen.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QTimer>

LongPressMenuScreen::LongPressMenuScreen(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LongPressMenuScreen)
    , m_optionGroup(new QButtonGroup(this))
{
    m_ui->setupUi(this);
    m_optionGroup->addButton(m_ui->option_1_btn);
    m_optionGroup->addButton(m_ui->option_2_btn);
    m_optionGroup->addButton(m_ui->option_3_btn);

    connect(m_optionGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &LongPressMenuScreen::optionClicked);
    connect(m_ui->cancel_btn, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_ui->cancel_btn_2, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_ui->tab_btn_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &LongPressMenuScreen::navigationButtonClicked);
    connect(m_ui->apply_btn, &QPushButton::clicked, this, &LongPressMenuScreen::applyButtonClicked);
    connect(m_ui->ok_btn, &QPushButton::clicked, this, &LongPressMenuScreen::okButtonClicked);

    hide();
    // The list of value names is reached only by a page change made in code.
    m_ui->page_b_btn->hide();
    // Limits the list's height when it is filled (see SetupLongPressScreen).
    m_formListHeight = m_ui->listWidget->height();
    installEventFilter(this);
    m_ui->stacked_long_press->installEventFilter(this);
}

LongPressMenuScreen::~LongPressMenuScreen()
{
    delete m_ui;
}

void LongPressMenuScreen::setOptionsFromProperty(const QString &longPress, const QString &displayedName)
{
    const QStringList parts = longPress.split(QLatin1Char(';'));
    m_optionTexts.clear();
    QString message;
    if (!parts.first().isEmpty()) {
        const int count = parts.size();
        message = count == 1 ? QStringLiteral(" You have 1 option for ") + displayedName + QLatin1Char(':')
                             : QStringLiteral(" You have ") + QString::number(count)
                + QStringLiteral(" options for ") + displayedName + QStringLiteral(": ");
        for (const QString &part : parts) {
            const QStringList pieces = part.split(QLatin1Char(':'));
            const QString &word = pieces.first();
            if (word == QLatin1String("Reset"))
                m_optionTexts.append(QStringLiteral(" Reset Value"));
            else if (word == QLatin1String("Change"))
                m_optionTexts.append(QStringLiteral(" Modify Value"));
            else if (word == QLatin1String("Default"))
                m_optionTexts.append(QStringLiteral(" Set to \n Default Value :")
                    + (pieces.size() > 1 ? pieces.at(1) : QStringLiteral("0.0")));
        }
    } else {
        message = displayedName + QStringLiteral(" cannot be changed.");
    }
    m_ui->title_label->setText(message);
}

void LongPressMenuScreen::refillOptionButtons()
{
    const QList<QAbstractButton *> buttons = m_optionGroup->buttons();
    for (QAbstractButton *button : buttons)
        button->hide();
    // There are three buttons: further options (no description gives more) are not shown.
    for (int i = 0; i < m_optionTexts.size() && i < buttons.size(); ++i) {
        buttons.at(i)->setText(m_optionTexts.at(i));
        buttons.at(i)->show();
    }
}

void LongPressMenuScreen::showEvent(QShowEvent *event)
{
    refillOptionButtons();
    m_ui->ok_btn->setEnabled(false);
    m_ui->apply_btn->setEnabled(false);
    m_ui->listWidget->clearSelection();
    m_ui->stacked_long_press->setCurrentIndex(0);
    m_ui->page_a_btn->setChecked(true);
    ListRows::fill(m_ui->listWidget, DataInfoSingleton::instance()->dataInfo()->runtimePropertyNames(),
        rowHeight, m_formListHeight);
    QWidget::showEvent(event);
}

void LongPressMenuScreen::optionClicked(QAbstractButton *button)
{
    emit signalRemoteChange(button->text());
}

void LongPressMenuScreen::navigationButtonClicked(QAbstractButton *button)
{
    if (button->objectName().contains(QLatin1String("page_a")))
        m_ui->stacked_long_press->setCurrentIndex(0);
    else if (button->objectName().contains(QLatin1String("page_b")))
        m_ui->stacked_long_press->setCurrentIndex(1);
}

QString LongPressMenuScreen::currentInformation() const
{
    QListWidgetItem *item = m_ui->listWidget->currentItem();
    return item ? item->text() : QString();
}

void LongPressMenuScreen::okButtonClicked()
{
    emit informationChanged(currentInformation());
    hide();
}

void LongPressMenuScreen::applyButtonClicked()
{
    emit informationChanged(currentInformation());
    m_ui->apply_btn->setEnabled(false);
}

void LongPressMenuScreen::on_stacked_long_press_currentChanged(int)
{
    refillOptionButtons();
}

void LongPressMenuScreen::on_listWidget_itemSelectionChanged()
{
    const bool selected = !m_ui->listWidget->selectedItems().isEmpty();
    m_ui->ok_btn->setEnabled(selected);
    m_ui->apply_btn->setEnabled(selected);
}

bool LongPressMenuScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // Presses on the panel itself (not on its buttons) go nowhere; beside it they flash the frame.
        if (watched == m_ui->stacked_long_press)
            return true;
        if (watched == this)
            flashFrame();
    }
    return QWidget::eventFilter(watched, event);
}

void LongPressMenuScreen::setFrameColored(bool coloured)
{
    m_ui->stacked_long_press->setProperty("frameColored", coloured);
    // Set again so that the property selectors are evaluated anew.
    m_ui->stacked_long_press->setStyleSheet(m_ui->stacked_long_press->styleSheet());
}

// Green, grey, green, grey at 100 ms steps; then the count is ready for the next touch.
void LongPressMenuScreen::flashFrame()
{
    if (m_flashCount < flashesPerTouch) {
        const bool coloured = m_ui->stacked_long_press->property("frameColored").toBool();
        if (!coloured)
            ++m_flashCount;
        setFrameColored(!coloured);
        QTimer::singleShot(flashStepMs, this, &LongPressMenuScreen::flashFrame);
        return;
    }
    m_flashCount = 0;
    setFrameColored(false);
}
