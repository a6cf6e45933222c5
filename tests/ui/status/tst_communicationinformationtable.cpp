// The communication monitor page: switching the monitor with the page's visibility, the title, the
// scrolling grid, holding a sentence, the buttons, and channel numbers from the shared settings.

#include "PixelCount.h"

#include "common/SignalEmitter.h"
#include "comms/CommunicationForwardingController.h"
#include "data/ESCommunicationInformation.h"
#include "data/SerializableClass.h"
#include "ui/status/CommunicationInformationTable.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <QtTest>

namespace {

QString gga(int n)
{
    return QStringLiteral("$GPGGA,1200%1.00,5400.000,N,01000.000,E,1,08,1.0,10.0,M,40.0,M,,*47\r\n")
        .arg(n, 2, 10, QLatin1Char('0'));
}

QString hdt(int n)
{
    return QStringLiteral("$GPHDT,%1.0,T*1C\r\n").arg(n);
}

} // namespace

// The page inside a window, fed by the real forwarding controller of the display.
class Monitor
{
public:
    Monitor()
    {
        // Every case starts from the monitor switched off on channel 0, output, headers.
        information->setCommsInfoOn(0);
        information->setChannelNumber(0);
        information->setDataDirection(0);
        information->setDataFormat(0);
        window.resize(400, 380);
        table = new CommunicationInformationTable(information, &window);
        controller.setCommunicationInformation(information);
        table->setCommunicationForwardingController(&controller);
        grid = table->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        title = table->findChild<QLabel *>(QStringLiteral("label"));
        directionButton = table->findChild<QPushButton *>(QStringLiteral("pushButton"));
        formatButton = table->findChild<QPushButton *>(QStringLiteral("pushButton_2"));
    }
    ~Monitor()
    {
        delete table; // before the controller and while the settings are still in reach
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    void feed(const QString &sentence, int status = 0)
    {
        controller.addCommunicationInformation(sentence, status, true);
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = grid->item(row, column);
        return item ? item->text() : QStringLiteral("<no item>");
    }

    void press(int row, int column)
    {
        const QRect rect = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    // The monitor settings the page shows and switches.
    ESCommunicationInformation ownInformation;
    ESCommunicationInformation *information = &ownInformation;
    QWidget window;
    CommunicationForwardingController controller;
    CommunicationInformationTable *table;
    QTableWidget *grid;
    QLabel *title;
    QPushButton *directionButton;
    QPushButton *formatButton;
};

class tst_CommunicationInformationTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void showSwitchesMonitorOn();
    void title_data();
    void title();
    void entriesScrollUp();
    void statusColours_data();
    void statusColours();
    void holdSentence();
    void buttons();
    void batchWhileHidden();
    void turnedOffFromOutside();
    void channelOutsideRange_data();
    void channelOutsideRange();

private:
    SignalEmitter *hub = nullptr;
};

void tst_CommunicationInformationTable::initTestCase()
{
    hub = SerializableClass::signalEmitter();
}

void tst_CommunicationInformationTable::construction()
{
    Monitor monitor;
    QCOMPARE(monitor.table->channelNames(),
        QStringList({ "NMEA 1", "NMEA 2", "NMEA 3", "UDP", "CU NMEA 1", "CU NMEA 2", "CU NMEA 3" }));
    QCOMPARE(monitor.table->communicationForwardingController(), &monitor.controller);
    QCOMPARE(monitor.grid->rowCount(), 10);
    QCOMPARE(monitor.grid->columnCount(), 4);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 4; ++column) {
            QVERIFY(monitor.grid->item(row, column));
            QCOMPARE(monitor.grid->item(row, column)->font().pixelSize(), 14);
        }
    }
    QCOMPARE(monitor.title->text(), QStringLiteral("NMEA 1 Output message headers"));
    QCOMPARE(monitor.table->size(), QSize(400, 380));
    QVERIFY(monitor.formatButton->isCheckable());
    QVERIFY(!monitor.directionButton->isCheckable());
}

void tst_CommunicationInformationTable::showSwitchesMonitorOn()
{
    Monitor monitor;
    QSignalSpy whole(hub, &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    QSignalSpy single(hub, &SignalEmitter::signalEmitString);
    monitor.table->changeSourceChannel(3); // hidden: shown at once, nothing written
    QCOMPARE(monitor.information->ChannelNumber(), 0);
    QCOMPARE(whole.count(), 0);

    QVERIFY(monitor.show());
    QCOMPARE(monitor.information->ChannelNumber(), 3);
    QCOMPARE(monitor.information->CommsInfoOn(), 1);
    QCOMPARE(whole.count(), 1);
    QVERIFY(whole.at(0).at(1).toStringList().isEmpty());
    QVERIFY(whole.at(0).at(0).toString().contains(QLatin1String("CommsInfoOn=1")));
    QCOMPARE(monitor.title->text(), QStringLiteral("UDP output message headers:"));
    // The display watches its own port 0 as channel 4.
    monitor.table->changeSourceChannel(4);
    QVERIFY(monitor.controller.isOutputMonitored(0));
    QCOMPARE(single.count(), 1);
    QVERIFY(single.at(0).at(0).toString().endsWith(QLatin1String(",ChannelNumber=4")));

    monitor.window.hide();
    QCOMPARE(monitor.information->CommsInfoOn(), 0);
    QCOMPARE(single.count(), 2);
    QVERIFY(single.at(1).at(0).toString().contains(QLatin1String(",SingleProperty,")));
    QVERIFY(single.at(1).at(0).toString().endsWith(QLatin1String(",CommsInfoOn=0")));
    QVERIFY(!monitor.controller.isOutputMonitored(0));
    QCOMPARE(whole.count(), 1);
}

void tst_CommunicationInformationTable::title_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("output headers") << 0 << 0 << 0 << "NMEA 1 output message headers:";
    QTest::newRow("input full") << 4 << 1 << 1 << "CU NMEA 1 input messages:";
    QTest::newRow("output full") << 6 << 0 << 1 << "CU NMEA 3 output messages:";
    QTest::newRow("input headers") << 2 << 1 << 0 << "NMEA 3 input message headers:";
}

void tst_CommunicationInformationTable::title()
{
    QFETCH(int, channel);
    QFETCH(int, direction);
    QFETCH(int, format);
    QFETCH(QString, expected);

    Monitor monitor;
    QVERIFY(monitor.show());
    // Changes that arrive with the shared settings.
    monitor.information->setChannelNumber(channel);
    monitor.information->setDataDirection(direction);
    monitor.information->setDataFormat(format);
    QCOMPARE(monitor.title->text(), expected);
    QCOMPARE(monitor.directionButton->text(), direction ? QStringLiteral("Input") : QStringLiteral("Output"));
    QCOMPARE(monitor.formatButton->text(),
        format ? QStringLiteral("Full messages") : QStringLiteral("Message headers"));
    QCOMPARE(monitor.grid->columnCount(), format ? 1 : 4);
}

void tst_CommunicationInformationTable::entriesScrollUp()
{
    Monitor monitor;
    QVERIFY(monitor.show());
    for (int i = 0; i < 40; ++i)
        monitor.feed(hdt(i));
    QCOMPARE(monitor.cell(0, 0), QStringLiteral("$GPHDT"));
    QCOMPARE(monitor.cell(9, 3), QStringLiteral("$GPHDT"));
    monitor.feed(QStringLiteral("$GPVTG,1*00\r\n"));
    // The rows moved up by one: the forty-first entry starts the last row, the rest of it is empty.
    QCOMPARE(monitor.cell(9, 0), QStringLiteral("$GPVTG"));
    QCOMPARE(monitor.cell(9, 1), QString());
    QCOMPARE(monitor.cell(8, 3), QStringLiteral("$GPHDT"));

    // In the full format: one sentence per row, without CR LF.
    monitor.information->setDataFormat(1);
    for (int i = 0; i < 12; ++i)
        monitor.feed(hdt(i));
    QCOMPARE(monitor.cell(0, 0), QStringLiteral("$GPHDT,2.0,T*1C"));
    QCOMPARE(monitor.cell(9, 0), QStringLiteral("$GPHDT,11.0,T*1C"));
}

void tst_CommunicationInformationTable::statusColours_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("handled") << 0;
    QTest::newRow("not handled") << 1;
    QTest::newRow("error") << 2;
    QTest::newRow("rejected") << 3;
    QTest::newRow("unknown") << 17;
}

// Each status is told by its own text colour, and that text reads on both grey rows of the grid (the
// contrast measured on the rendered cells).
void tst_CommunicationInformationTable::statusColours()
{
    QFETCH(int, status);
    Monitor monitor;
    QVERIFY(monitor.show());
    for (int i = 0; i < 8; ++i)
        monitor.feed(hdt(i), status);
    const QColor colour = CommunicationInformationTable::statusColor(status);
    QCOMPARE(monitor.grid->item(0, 0)->foreground().color(), colour);
    const QList<int> others = QList<int> { 0, 1, 2, 3 };
    for (int other : others) {
        if (other != qMin(status, 3))
            QVERIFY(CommunicationInformationTable::statusColor(other) != colour);
    }
    const QImage picture = monitor.grid->viewport()->grab().toImage();
    for (int row = 0; row < 2; ++row) {
        const QRect cell = monitor.grid->visualItemRect(monitor.grid->item(row, 0));
        const QImage inside = picture.copy(cell.adjusted(1, 1, -1, -1));
        const QColor background = mostFrequentColour(inside);
        QVERIFY2(pixelsReadableOn(inside, background) >= 20,
            qPrintable(QStringLiteral("row %1: %2 on %3").arg(row).arg(colour.name(), background.name())));
    }
}

void tst_CommunicationInformationTable::holdSentence()
{
    Monitor monitor;
    QVERIFY(monitor.show());
    QSignalSpy single(hub, &SignalEmitter::signalEmitString);
    monitor.feed(hdt(1));
    monitor.feed(gga(1));
    QCOMPARE(monitor.cell(0, 1), QStringLiteral("$GPGGA"));

    // Pressing a header switches to whole sentences and holds the address in the first cell.
    monitor.press(0, 1);
    QVERIFY(monitor.table->isHolding());
    QCOMPARE(monitor.table->heldAddress(), QStringLiteral("$GPGGA"));
    QCOMPARE(monitor.information->DataFormat(), 1);
    QCOMPARE(single.count(), 1);
    QVERIFY(single.at(0).at(0).toString().endsWith(QLatin1String(",DataFormat=1")));
    QCOMPARE(monitor.grid->columnCount(), 1);
    QCOMPARE(monitor.cell(0, 0), QStringLiteral("$GPGGA..."));
    QVERIFY(monitor.grid->item(0, 0)->isSelected());

    // Every new GGA sentence also replaces the first cell; row 0 never scrolls away.
    for (int i = 0; i < 15; ++i)
        monitor.feed(i % 3 == 0 ? gga(i) : hdt(i));
    QCOMPARE(monitor.cell(0, 0), gga(12).chopped(2));
    QCOMPARE(monitor.cell(9, 0), hdt(14).chopped(2));
    QCOMPARE(monitor.cell(8, 0), hdt(13).chopped(2));
    QCOMPARE(monitor.cell(7, 0), gga(12).chopped(2));
    monitor.feed(hdt(99));
    QCOMPARE(monitor.cell(0, 0), gga(12).chopped(2));

    // Pressing a whole sentence holds its address; a press on row 0 releases.
    monitor.press(8, 0);
    QCOMPARE(monitor.table->heldAddress(), QStringLiteral("$GPHDT"));
    QCOMPARE(monitor.cell(0, 0), hdt(14).chopped(2));
    monitor.press(0, 0);
    QVERIFY(!monitor.table->isHolding());
    QVERIFY(monitor.table->heldAddress().isEmpty());
    QVERIFY(!monitor.grid->item(0, 0)->isSelected());

    // Back to headers releases a hold too.
    monitor.press(3, 0);
    QVERIFY(monitor.table->isHolding());
    QTest::mouseClick(monitor.formatButton, Qt::LeftButton);
    QCOMPARE(monitor.information->DataFormat(), 0);
    QVERIFY(!monitor.table->isHolding());
    QCOMPARE(monitor.grid->columnCount(), 4);
    QCOMPARE(monitor.cell(0, 0), QString());
}

void tst_CommunicationInformationTable::buttons()
{
    Monitor monitor;
    QVERIFY(monitor.show());
    QSignalSpy single(hub, &SignalEmitter::signalEmitString);
    QTest::mouseClick(monitor.directionButton, Qt::LeftButton);
    QCOMPARE(monitor.information->DataDirection(), 1);
    QCOMPARE(monitor.directionButton->text(), QStringLiteral("Input"));
    QCOMPARE(monitor.title->text(), QStringLiteral("NMEA 1 input message headers:"));
    QTest::mouseClick(monitor.directionButton, Qt::LeftButton);
    QCOMPARE(monitor.information->DataDirection(), 0);
    QTest::mouseClick(monitor.formatButton, Qt::LeftButton);
    QCOMPARE(monitor.information->DataFormat(), 1);
    QCOMPARE(monitor.formatButton->text(), QStringLiteral("Full messages"));

    QCOMPARE(single.count(), 3);
    QVERIFY(single.at(0).at(0).toString().endsWith(QLatin1String(",DataDirection=1")));
    QVERIFY(single.at(1).at(0).toString().endsWith(QLatin1String(",DataDirection=0")));
    QVERIFY(single.at(2).at(0).toString().endsWith(QLatin1String(",DataFormat=1")));
}

void tst_CommunicationInformationTable::batchWhileHidden()
{
    Monitor monitor;
    QVERIFY(monitor.show());
    monitor.feed(hdt(1));
    monitor.window.hide();
    monitor.feed(gga(1));
    QCOMPARE(monitor.cell(0, 0), QStringLiteral("$GPHDT"));
    QCOMPARE(monitor.cell(0, 1), QString());
}

void tst_CommunicationInformationTable::turnedOffFromOutside()
{
    Monitor monitor;
    QVERIFY(monitor.show());
    QSignalSpy whole(hub, &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    QSignalSpy switched(monitor.information, &ESCommunicationInformation::CommsInfoOnChanged);
    QTest::ignoreMessage(QtDebugMsg, "Turning on again!!!!!");
    monitor.information->setCommsInfoOn(0);
    QCOMPARE(monitor.information->CommsInfoOn(), 1);
    // The page answers inside the announcement of the 0, so the spy, connected after the page, records
    // the 1 first.
    QCOMPARE(switched.count(), 2);
    QCOMPARE(switched.at(0).at(0).toInt(), 1);
    QCOMPARE(switched.at(1).at(0).toInt(), 0);
    QCOMPARE(whole.count(), 1);
}

void tst_CommunicationInformationTable::channelOutsideRange_data()
{
    QTest::addColumn<int>("channel");
    QTest::newRow("-1") << -1;
    QTest::newRow("7") << 7;
    QTest::newRow("large") << 100000;
}

void tst_CommunicationInformationTable::channelOutsideRange()
{
    QFETCH(int, channel);
    Monitor monitor;
    QVERIFY(monitor.show());
    monitor.table->changeSourceChannel(5);
    monitor.feed(QStringLiteral("$GPZDA,1*00\r\n"));
    QSignalSpy single(hub, &SignalEmitter::signalEmitString);

    // From the shared settings: ignored, the page stays on its channel with its entries.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("channel number out of range")));
    monitor.information->setChannelNumber(channel);
    QCOMPARE(monitor.table->displayedChannelName(), QStringLiteral("CU NMEA 2"));
    QCOMPARE(monitor.title->text(), QStringLiteral("CU NMEA 2 output message headers:"));
    QCOMPARE(monitor.cell(0, 0), QStringLiteral("$GPZDA"));

    // As a choice: ignored, nothing written or sent.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("channel number out of range")));
    monitor.table->changeSourceChannel(channel);
    QCOMPARE(monitor.information->ChannelNumber(), channel);
    QCOMPARE(single.count(), 0);
    QCOMPARE(monitor.table->displayedChannelName(), QStringLiteral("CU NMEA 2"));

    // Shown again with the monitor off, the page announces its own channel.
    monitor.window.hide();
    monitor.window.show();
    QCOMPARE(monitor.information->ChannelNumber(), 5);
    QCOMPARE(monitor.information->CommsInfoOn(), 1);
}

QTEST_MAIN(tst_CommunicationInformationTable)
#include "tst_communicationinformationtable.moc"
