#include "ui/dialogs/NetworkSelectWidget.h"

#include "ui_NetworkSelectWidget.h"

#include "platform/NetworkInterfaceList.h"

NetworkSelectWidget::NetworkSelectWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::NetworkSelectWidget)
{
    m_ui->setupUi(this);
    // A title bar without close, minimise or maximise buttons: the dialog is left only by "Confirm".
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);

    const QList<NetworkInterfaceList::Entry> interfaces = NetworkInterfaceList::instance()->interfaces();
    for (const NetworkInterfaceList::Entry &candidate : interfaces) {
        if (candidate.up)
            m_ui->comboBox->addItem(candidate.humanReadableName);
    }
}

NetworkSelectWidget::~NetworkSelectWidget()
{
    delete m_ui;
}

void NetworkSelectWidget::showLoadingScreen()
{
    setWindowTitle(QStringLiteral("Korvane Tessary"));
    m_ui->comboBox->setEnabled(false);
    m_ui->comboBox->hide();
    m_ui->pushButton->setEnabled(false);
    m_ui->pushButton->hide();
    m_ui->label->setGeometry(0, 0, width(), height());
    m_ui->label->setWordWrap(true);
    m_ui->label->setAlignment(Qt::AlignCenter);
    m_ui->label->setText(QStringLiteral("Loading..."));
    m_ui->label->setStyleSheet(QStringLiteral("font-size: 30px"));
    // The construction that follows blocks the event loop; paint now or the text never shows.
    repaint();
}

void NetworkSelectWidget::on_pushButton_clicked()
{
    showLoadingScreen();
    emit networkName(m_ui->comboBox->currentText());
    close();
}
