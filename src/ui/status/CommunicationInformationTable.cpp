#include "ui/status/CommunicationInformationTable.h"

#include "common/ShownText.h"
#include "comms/CommunicationForwardingController.h"
#include "data/ESCommunicationInformation.h"
#include "ui_CommunicationInformationTable.h"

#include <QDebug>
#include <QHeaderView>
#include <QTableWidgetItem>

// Green, blue, red and yellow as the monitor has always meant them, in shades dark enough to read at
// 4.5:1 or more on both grey rows of the grid (the bright green and yellow read at 1.1 to 1.4:1 there).
QColor CommunicationInformationTable::statusColor(int status)
{
    switch (status) {
    case 0: // handled
        return QColor(0, 120, 0);
    case 1: // not handled
        return QColor(0, 0, 255);
    case 2: // error
        return QColor(190, 40, 0);
    default: // rejected by the handler, and anything unknown
        return QColor(110, 100, 0);
    }
}

CommunicationInformationTable::CommunicationInformationTable(
    ESCommunicationInformation *information, QWidget *parent)
    : QWidget(parent)
    , m_displayedChannelName(QStringLiteral("NMEA 1"))
    , m_information(information)
    , m_channelNames({ QStringLiteral("NMEA 1"), QStringLiteral("NMEA 2"), QStringLiteral("NMEA 3"),
          QStringLiteral("UDP"), QStringLiteral("CU NMEA 1"), QStringLiteral("CU NMEA 2"),
          QStringLiteral("CU NMEA 3") })
    , m_ui(new Ui::CommunicationInformationTable)
{
    m_ui->setupUi(this);
    m_ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_ui->tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rows = m_ui->tableWidget->rowCount();
    m_columns = m_ui->tableWidget->columnCount();
    m_cellCount = m_rows * m_columns;

    QFont font = m_ui->tableWidget->font();
    font.setPixelSize(14);
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            QTableWidgetItem *item = new QTableWidgetItem(QString());
            item->setFont(font);
            item->setTextAlignment(Qt::AlignCenter);
            m_ui->tableWidget->setItem(row, column, item);
        }
    }

    if (m_information) {
        connect(m_information, &ESCommunicationInformation::ChannelNumberChanged, this,
            &CommunicationInformationTable::changeDisplayedChannel);
        connect(m_information, &ESCommunicationInformation::DataFormatChanged, this,
            &CommunicationInformationTable::changeDisplayedFormat);
        connect(m_information, &ESCommunicationInformation::DataDirectionChanged, this,
            &CommunicationInformationTable::changeDisplayedDirection);
        connect(m_information, &ESCommunicationInformation::CommsInfoOnChanged, this,
            &CommunicationInformationTable::changeCommsInfoOnOff);
    }
}

CommunicationInformationTable::~CommunicationInformationTable()
{
    QTableWidget *table = m_ui->tableWidget;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem *item = table->takeItem(row, column))
                m_itemPool.append(item);
        }
    }
    qDeleteAll(m_itemPool);
    m_itemPool.clear();
    delete m_ui;
}

void CommunicationInformationTable::setCommunicationForwardingController(
    CommunicationForwardingController *controller)
{
    if (m_forwardingController)
        disconnect(m_forwardingController, nullptr, this, nullptr);
    m_forwardingController = controller;
    if (controller) {
        connect(controller, &CommunicationForwardingController::comsInformationReceived, this,
            &CommunicationInformationTable::comsInformationReceivedSlot);
    }
}

CommunicationForwardingController *CommunicationInformationTable::communicationForwardingController() const
{
    return m_forwardingController;
}

void CommunicationInformationTable::appendEntry(const QString &text, int status)
{
    if (m_nextCell >= m_cellCount)
        scrollRowsUp();
    // A sentence as received may hold characters a font draws as boxes; the cells leave them out.
    const QString shown = ShownText::printable(text);
    QTableWidgetItem *item = m_ui->tableWidget->item(m_nextCell / m_columns, m_nextCell % m_columns);
    if (item) {
        item->setText(shown);
        item->setForeground(statusColor(status));
    }
    if (m_holding && text.contains(m_heldAddress)) {
        if (QTableWidgetItem *first = m_ui->tableWidget->item(0, 0))
            first->setText(shown);
    }
    ++m_nextCell;
}

void CommunicationInformationTable::scrollRowsUp()
{
    QTableWidget *table = m_ui->tableWidget;
    const int firstRow = m_holding ? 1 : 0;
    for (int row = firstRow; row < m_rows - 1; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            QTableWidgetItem *target = table->item(row, column);
            const QTableWidgetItem *source = table->item(row + 1, column);
            if (!target || !source)
                continue;
            target->setText(source->text());
            target->setForeground(source->foreground());
        }
    }
    for (int column = 0; column < m_columns; ++column) {
        if (QTableWidgetItem *item = table->item(m_rows - 1, column))
            item->setText(QString());
    }
    m_nextCell -= m_columns;
}

void CommunicationInformationTable::comsInformationReceivedSlot(
    QList<QString> info_list, QList<int> status_list)
{
    if (!isVisible())
        return;
    // Entries come with a status at the same index; an entry without one is not shown.
    const int count = qMin(info_list.size(), status_list.size());
    for (int i = 0; i < count; ++i)
        appendEntry(info_list.at(i), status_list.at(i));
}

void CommunicationInformationTable::clearCells()
{
    QTableWidget *table = m_ui->tableWidget;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem *item = table->item(row, column))
                item->setText(QString());
        }
    }
    m_cellCount = m_rows * m_columns;
    m_nextCell = m_holding ? 1 : 0;
}

void CommunicationInformationTable::refreshView()
{
    if (!isVisible())
        return;
    const bool output = m_ui->pushButton->text() == QLatin1String("Output");
    const bool headers = m_ui->pushButton_2->text() == QLatin1String("Message headers");
    m_ui->label->setText(m_displayedChannelName
        + (output ? QStringLiteral(" output") : QStringLiteral(" input"))
        + (headers ? QStringLiteral(" message headers:") : QStringLiteral(" messages:")));
    clearCells();
    if (m_holding) {
        if (QTableWidgetItem *first = m_ui->tableWidget->item(0, 0)) {
            first->setSelected(true);
            first->setText(m_heldAddress + QStringLiteral("..."));
        }
    }
}

void CommunicationInformationTable::setColumnLayout(int columns)
{
    QTableWidget *table = m_ui->tableWidget;
    if (table->columnCount() == columns) {
        clearCells();
        return;
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem *item = table->takeItem(row, column)) {
                item->setText(QString());
                m_itemPool.append(item);
            }
        }
    }
    table->setColumnCount(columns);
    m_columns = columns;
    const Qt::Alignment alignment
        = columns == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignVCenter;
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem *item = m_itemPool.isEmpty() ? new QTableWidgetItem : m_itemPool.takeLast();
            item->setTextAlignment(alignment);
            table->setItem(row, column, item);
        }
    }
    clearCells();
}

void CommunicationInformationTable::changeDisplayedChannel(int ch)
{
    // The number arrives with the shared settings; one without a channel name is no channel to show.
    if (!isValidChannel(ch)) {
        qDebug() << "CommunicationInformationTable: channel number out of range ignored:" << ch;
        return;
    }
    m_displayedChannelName = m_channelNames.at(ch);
    refreshView();
}

void CommunicationInformationTable::changeDisplayedDirection(int direction)
{
    m_ui->pushButton->setText(direction != 0 ? QStringLiteral("Input") : QStringLiteral("Output"));
    refreshView();
}

void CommunicationInformationTable::changeDisplayedFormat(int format)
{
    if (format != 0) {
        m_ui->pushButton_2->setText(QStringLiteral("Full messages"));
        setColumnLayout(1);
    } else {
        if (m_holding)
            releaseHold();
        m_ui->pushButton_2->setText(QStringLiteral("Message headers"));
        setColumnLayout(4);
    }
    refreshView();
}

void CommunicationInformationTable::changeCommsInfoOnOff(int on)
{
    if (on == 0 && isVisible() && m_information) {
        m_information->setCommsInfoOn(1);
        m_information->sendWholeObject(QStringList());
        qDebug() << "Turning on again!!!!!";
    }
}

void CommunicationInformationTable::on_pushButton_clicked()
{
    if (!m_information)
        return;
    const int direction = m_ui->pushButton->text() == QLatin1String("Output") ? 1 : 0;
    m_information->setDataDirection(direction);
    m_information->sendSinglePropertyValue(QStringLiteral("DataDirection"), direction);
}

void CommunicationInformationTable::on_pushButton_2_clicked()
{
    if (!m_information)
        return;
    const int format = m_ui->pushButton_2->text() == QLatin1String("Full messages") ? 0 : 1;
    m_information->setDataFormat(format);
    m_information->sendSinglePropertyValue(QStringLiteral("DataFormat"), format);
}

void CommunicationInformationTable::changeSourceChannel(int ch_number)
{
    if (!isValidChannel(ch_number)) {
        qDebug() << "CommunicationInformationTable: channel number out of range ignored:" << ch_number;
        return;
    }
    m_displayedChannelName = m_channelNames.at(ch_number);
    refreshView();
    if (isVisible() && m_information) {
        m_information->setChannelNumber(ch_number);
        m_information->sendSingleProperty(QStringLiteral("ChannelNumber"));
    }
}

void CommunicationInformationTable::releaseHold()
{
    if (QTableWidgetItem *first = m_ui->tableWidget->item(0, 0))
        first->setSelected(false);
    m_holding = false;
    m_heldAddress.clear();
}

void CommunicationInformationTable::on_tableWidget_cellPressed(int row, int column)
{
    if (m_holding && row == 0) {
        releaseHold();
        return;
    }
    const QTableWidgetItem *pressed = m_ui->tableWidget->item(row, column);
    QString text = pressed ? pressed->text() : QString();
    m_holding = true;
    const int comma = text.indexOf(QLatin1Char(','));
    m_heldAddress = comma < 0 ? text : text.left(comma);
    if (comma < 0)
        text += QStringLiteral("...");
    if (m_ui->tableWidget->columnCount() == 4)
        on_pushButton_2_clicked();
    if (QTableWidgetItem *first = m_ui->tableWidget->item(0, 0)) {
        first->setText(text);
        first->setSelected(true);
    }
}

void CommunicationInformationTable::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_information)
        return;
    if (m_information->CommsInfoOn() == 0) {
        m_information->setChannelNumber(m_channelNames.indexOf(m_displayedChannelName));
        m_information->setCommsInfoOn(1);
        m_information->sendWholeObject(QStringList());
    }
    changeDisplayedChannel(m_information->ChannelNumber());
    changeDisplayedDirection(m_information->DataDirection());
    changeDisplayedFormat(m_information->DataFormat());
    refreshView();
}

void CommunicationInformationTable::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    releaseHold();
    if (!m_information)
        return;
    m_information->setCommsInfoOn(0);
    m_information->sendSinglePropertyValue(QStringLiteral("CommsInfoOn"), 0);
}
