#ifndef COMMUNICATIONINFORMATIONTABLE_H
#define COMMUNICATIONINFORMATIONTABLE_H

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class CommunicationForwardingController;
class ESCommunicationInformation;
class QTableWidgetItem;

namespace Ui {
class CommunicationInformationTable;
}

// The communication monitor page: the sentences of one channel (a port of the display or of the junction
// box) in one direction, as headers in four columns or as whole sentences in one, on a grid of ten rows
// that scrolls up as entries arrive; the text colour tells how each sentence fared. Channel, direction,
// format and the on/off switch live in the shared "ComminicationInformation" settings, so the junction box
// learns what the display watches. The monitor runs only while the page is visible. Pressing a cell holds
// its sentence in the first cell, where every later sentence of the same address replaces it.
class CommunicationInformationTable : public QWidget
{
    Q_OBJECT
public:
    // Shows and switches the monitor settings `information` (not owned; null: a table without settings).
    explicit CommunicationInformationTable(
        ESCommunicationInformation *information, QWidget *parent = nullptr);
    ~CommunicationInformationTable() override;

    void setCommunicationForwardingController(CommunicationForwardingController *controller);
    CommunicationForwardingController *communicationForwardingController() const;
    // "NMEA 1", "NMEA 2", "NMEA 3", "UDP", "CU NMEA 1", "CU NMEA 2", "CU NMEA 3": index = channel number.
    QStringList channelNames() const { return m_channelNames; }

    QString displayedChannelName() const { return m_displayedChannelName; }
    bool isHolding() const { return m_holding; }

    // The text colour of a sentence by how it fared: 0 handled, 1 not handled, 2 an error, anything else
    // rejected by its handler; the page's legend shows the same colours on the grid's background.
    static QColor statusColor(int status);
    static QColor gridBackground() { return QColor(245, 245, 245); }
    QString heldAddress() const { return m_heldAddress; }

public slots:
    // The user's channel choice; a number outside 0 to 6 is ignored.
    void changeSourceChannel(int ch_number);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void comsInformationReceivedSlot(QList<QString> info_list, QList<int> status_list);
    void changeDisplayedChannel(int ch);
    void changeDisplayedDirection(int direction);
    void changeDisplayedFormat(int format);
    void changeCommsInfoOnOff(int on);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_tableWidget_cellPressed(int row, int column);

private:
    void appendEntry(const QString &text, int status);
    void scrollRowsUp();
    void clearCells();
    void refreshView();
    void setColumnLayout(int columns);
    void releaseHold();
    bool isValidChannel(int ch) const { return ch >= 0 && ch < m_channelNames.size(); }

    QString m_displayedChannelName;
    QPointer<ESCommunicationInformation> m_information;
    QPointer<CommunicationForwardingController> m_forwardingController;
    int m_cellCount = 0;
    int m_nextCell = 0;
    int m_rows = 10;
    int m_columns = 4;
    QList<QTableWidgetItem *> m_itemPool;
    QString m_heldAddress;
    bool m_holding = false;
    QStringList m_channelNames;
    Ui::CommunicationInformationTable *m_ui;
};

#endif // COMMUNICATIONINFORMATIONTABLE_H
