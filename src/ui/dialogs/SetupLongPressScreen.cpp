#include "ui/dialogs/SetupLongPressScreen.h"

#include "ui/widgets/ListRows.h"

#include "ui_SetupLongPressScreen.h"

SetupLongPressScreen::SetupLongPressScreen(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SetupLongPressScreen)
{
    m_ui->setupUi(this);
    // The list never grows past its form height (scaled with the screen); that limit is applied when the
    // rows are set, not as the widget's maximum height, which would keep the scaling container from
    // enlarging the list on a larger screen.
    m_formListHeight = m_ui->listWidget->height();
    hide();
}

SetupLongPressScreen::~SetupLongPressScreen()
{
    delete m_ui;
}

void SetupLongPressScreen::setValues(const QStringList &values, const QString &unit)
{
    m_unitSuffix = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    m_rows.clear();
    for (const QString &value : values)
        m_rows.append(value + m_unitSuffix);
    ListRows::fill(m_ui->listWidget, m_rows, rowHeight, m_formListHeight);
    m_ui->ok_btn->setEnabled(!m_ui->listWidget->selectedItems().isEmpty());
}

void SetupLongPressScreen::setTitle(const QString &name)
{
    setTitleText(QStringLiteral("Select value for ") + name + QLatin1Char(':'));
}

void SetupLongPressScreen::setTitleText(const QString &text)
{
    m_title = text;
    m_ui->title_label_2->setText(text);
}

void SetupLongPressScreen::setAutoButtonVisible(bool visible)
{
    m_ui->auto_btn->setVisible(visible);
}

void SetupLongPressScreen::leave()
{
    m_ui->listWidget->clear();
    m_ui->ok_btn->setEnabled(false);
    emit closed();
}

void SetupLongPressScreen::on_ok_btn_clicked()
{
    hide();
    // "Ok" is enabled only with a selected row; without one there is no value to report (an empty text
    // would select the first value of the list).
    if (QListWidgetItem *current = m_ui->listWidget->currentItem()) {
        QString value = current->text();
        if (!m_unitSuffix.isEmpty()) {
            const int at = value.lastIndexOf(m_unitSuffix);
            if (at >= 0)
                value.truncate(at);
        }
        emit valueChanged(value);
    }
    leave();
}

void SetupLongPressScreen::on_cancel_btn_2_clicked()
{
    hide();
    leave();
}

void SetupLongPressScreen::on_auto_btn_clicked()
{
    hide();
    emit turnOnAutoFunctions();
    leave();
}

void SetupLongPressScreen::on_listWidget_itemSelectionChanged()
{
    m_ui->ok_btn->setEnabled(!m_ui->listWidget->selectedItems().isEmpty());
}
