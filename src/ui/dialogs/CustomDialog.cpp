#include "ui/dialogs/CustomDialog.h"

#include "ui_CustomDialog.h"

#include <QMouseEvent>
#include <QTimer>

namespace {

// The picture names without their suffix: the image reader finds the ".png" files.
const QString questionIcon = QStringLiteral(":/Resources/question");
const QString warningIcon = QStringLiteral(":/Resources/warning");
const QString noticeIcon = QStringLiteral(":/Resources/exclamation");

// One touch beside the panel shows the green frame this many times.
const int flashesPerTouch = 3;

} // namespace

CustomDialog::CustomDialog(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::CustomDialog)
{
    m_ui->setupUi(this);
    installEventFilter(this);
    m_ui->dialog_widget->installEventFilter(this);
}

CustomDialog::~CustomDialog()
{
    delete m_ui;
}

void CustomDialog::setText(const QString &text)
{
    m_ui->label->setText(text);
}

void CustomDialog::setIcon(const QString &type)
{
    if (type == QLatin1String("q"))
        m_ui->icon_label->setPixmap(QPixmap(questionIcon));
    else if (type == QLatin1String("x"))
        m_ui->icon_label->setPixmap(QPixmap(warningIcon));
}

void CustomDialog::showMessage(const QString &text, const QString &type)
{
    m_ui->label->setText(text);
    if (type == QLatin1String("q")) {
        m_ui->icon_label->setPixmap(QPixmap(questionIcon));
        m_ui->cancel_btn->setText(QStringLiteral("No"));
        m_ui->ok_btn->setText(QStringLiteral("Yes"));
        m_ui->ok_btn->show();
    } else if (type == QLatin1String("x") || type == QLatin1String("e")) {
        // A message is acknowledged with the right-hand button, which reports a cancel.
        m_ui->icon_label->setPixmap(QPixmap(type == QLatin1String("x") ? warningIcon : noticeIcon));
        m_ui->cancel_btn->setText(QStringLiteral("Ok"));
        m_ui->ok_btn->hide();
    }
    show();
    raise();
    emit overlayShown();
}

void CustomDialog::on_ok_btn_clicked()
{
    hide();
    emit okButtonClicked();
}

void CustomDialog::on_cancel_btn_clicked()
{
    hide();
    emit cancelButtonClicked();
}

bool CustomDialog::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // Presses on the panel itself (not on its buttons) go nowhere; beside it they flash the frame.
        if (obj == m_ui->dialog_widget)
            return true;
        if (obj == this)
            flashFrame();
    }
    return QWidget::eventFilter(obj, event);
}

void CustomDialog::setFrameColored(bool coloured)
{
    m_ui->dialog_widget->setProperty("frameColored", coloured);
    // Set again so that the property selectors are evaluated anew.
    m_ui->dialog_widget->setStyleSheet(m_ui->dialog_widget->styleSheet());
}

// Green, grey, green, grey, green, grey at 100 ms steps; then the count is ready for the next touch.
void CustomDialog::flashFrame()
{
    if (m_flashCount < flashesPerTouch) {
        const bool coloured = m_ui->dialog_widget->property("frameColored").toBool();
        if (!coloured)
            ++m_flashCount;
        setFrameColored(!coloured);
        QTimer::singleShot(flashStepMs, this, &CustomDialog::flashFrame);
        return;
    }
    m_flashCount = 0;
    setFrameColored(false);
}
