// The satellite page: the request sent when it is shown, the sky plot and the satellite rows built from
// the received list (only while shown), the figures of the receiver, and the bar rows themselves.

#include "DebugCapture.h"
#include "ScreenPictures.h"
#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "data/SatelliteInfoSerializableData.h"
#include "data/SerializableClass.h"
#include "ui/runtime/BarInfo.h"
#include "ui/runtime/Radar.h"
#include "ui/runtime/RadarScrollAreaWidget.h"
#include "ui/runtime/drawRadarSatellite.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

namespace {

// The page shown inside a black window, as on the setup side, over its own settings objects.
struct Page
{
    Page()
        : satellites(nullptr)
        , runtime(nullptr)
    {
        window.setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
        window.resize(800, 447);
        radar = new Radar(&satellites, &runtime, &window);
        radar->resize(window.size());
        plot = radar->findChild<drawRadarSatellite *>(QStringLiteral("widget"));
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    // A list as the junction box sends it: a single change of the satellite object.
    bool receive(const QList<int> &list)
    {
        QStringList values;
        for (int v : list)
            values << QString::number(v);
        return satellites.deserializeSingleProperty(
            QStringLiteral(
                "Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,SatellitePosInfo=")
            + values.join(QLatin1Char(';')));
    }
    QList<BarInfo *> rows() const { return radar->findChildren<BarInfo *>(); }
    QWidget window;
    SatelliteInfoSerializableData satellites;
    ESRuntime runtime;
    Radar *radar;
    drawRadarSatellite *plot;
};

const QList<int> twoSatellites { 5, 40, 90, 30, 0, 33, 60, 200, 80, 0 };

QString chunkColour(const BarInfo *row)
{
    const QString style = row->findChild<QProgressBar *>()->styleSheet();
    const int at = style.indexOf(QStringLiteral("::chunk {\nbackground:")) + 21;
    return style.mid(at, style.indexOf(QLatin1Char(';'), at) - at);
}

} // namespace

class tst_Radar : public QObject
{
    Q_OBJECT

private slots:
    void showingThePageRequestsTheSatellites();
    void listWhileShownBuildsPlotAndRows();
    void listWhileHiddenWaits();
    void listOfWrongLengthIsRefused();
    void invalidListEmptiesThePage();
    void showFlagZeroRedraws();
    void receiverFigures();
    void resetEmptiesThePage();
    void barRow_data();
    void barRow();
    void barSetters();
    void pageOverTheSettingsTree();
    void pictures();
};

void tst_Radar::showingThePageRequestsTheSatellites()
{
    Page page;
    QSignalSpy sent(SerializableClass::signalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy flag(&page.satellites, &SatelliteInfoSerializableData::ShowFlagChanged);
    DebugCapture log;
    QVERIFY(page.show());
    QCOMPARE(flag.count(), 1);
    QCOMPARE(flag.first().first().toInt(), 1);
    QCOMPARE(page.satellites.ShowFlag(), 1);
    QCOMPARE(log.count(QStringLiteral("Show flag:  1")), 1);
    QCOMPARE(sent.count(), 1);
    QVERIFY2(sent.first().first().toString().contains(QStringLiteral("SingleProperty")),
        qPrintable(sent.first().first().toString()));
    QVERIFY(sent.first().first().toString().endsWith(QStringLiteral("ShowFlag=1")));
}

void tst_Radar::listWhileShownBuildsPlotAndRows()
{
    Page page;
    QVERIFY(page.show());
    QVERIFY(page.receive(twoSatellites));
    QCOMPARE(page.radar->satellites(), twoSatellites);
    QCOMPARE(page.plot->radarInfo(), twoSatellites);
    const QList<BarInfo *> rows = page.rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0)->satelliteNumber(), 5);
    QCOMPARE(rows.at(0)->snr(), 30.0f);
    QCOMPARE(rows.at(0)->constellation(), QStringLiteral("GP"));
    QCOMPARE(rows.at(1)->satelliteNumber(), 33);
    QCOMPARE(rows.at(1)->constellation(), QStringLiteral("GL"));
    // First row dark grey, second light grey, on screen.
    QCOMPARE(rows.at(0)->styleSheet(), QStringLiteral("background-color:rgb(149, 149, 149);"));
    QCOMPARE(rows.at(1)->styleSheet(), QStringLiteral("background-color:rgb(206, 206, 206);"));
    // The rows take their height once the list has laid them out.
    QTRY_VERIFY(rows.at(1)->height() > 0);
    const QImage image = page.window.grab().toImage();
    for (int i = 0; i < 2; ++i) {
        const QRect row(rows.at(i)->mapTo(&page.window, QPoint(0, 0)), rows.at(i)->size());
        const QColor grey = i == 0 ? QColor(149, 149, 149) : QColor(206, 206, 206);
        QVERIFY2(ScreenPictures::pixelsNear(image, row, grey, 6) > row.width() * row.height() / 4,
            qPrintable(QStringLiteral("row %1 at %2,%3 %4x%5")
                           .arg(i)
                           .arg(row.x())
                           .arg(row.y())
                           .arg(row.width())
                           .arg(row.height())));
    }
    // The two dots of the plot, in their ratio colours (30: cyan, 80: green).
    const QImage sky = page.plot->grab().toImage();
    QVERIFY(ScreenPictures::pixelsNear(sky, sky.rect(), Qt::cyan, 8) > 100);
    QVERIFY(ScreenPictures::pixelsNear(sky, sky.rect(), Qt::green, 8) > 100);

    // The next list replaces the rows.
    QVERIFY(page.receive({ 7, 10, 10, 55, 0 }));
    QTRY_COMPARE(page.rows().size(), 1);
    QCOMPARE(page.rows().first()->satelliteNumber(), 7);
}

void tst_Radar::listWhileHiddenWaits()
{
    Page page;
    QVERIFY(page.receive(twoSatellites));
    QCOMPARE(page.radar->satellites(), twoSatellites);
    QVERIFY(page.plot->radarInfo().isEmpty());
    QVERIFY(page.rows().isEmpty());
    // Showing alone does not draw the kept list; the next list that arrives does.
    QVERIFY(page.show());
    QVERIFY(page.plot->radarInfo().isEmpty());
    QVERIFY(page.receive({ 7, 10, 10, 55, 0 }));
    QCOMPARE(page.plot->radarInfo(), QList<int>({ 7, 10, 10, 55, 0 }));
    QCOMPARE(page.rows().size(), 1);
}

void tst_Radar::listOfWrongLengthIsRefused()
{
    Page page;
    QVERIFY(page.show());
    QVERIFY(page.receive(twoSatellites));
    DebugCapture log;
    QVERIFY(page.receive({ 1, 2, 3, 4, 5, 6, 7 }));
    QCOMPARE(log.count(QStringLiteral("Bad info!!")), 1);
    QCOMPARE(page.plot->radarInfo(), twoSatellites);
    QCOMPARE(page.rows().size(), 2);
}

void tst_Radar::invalidListEmptiesThePage()
{
    Page page;
    QVERIFY(page.show());
    QVERIFY(page.receive(twoSatellites));
    QCOMPARE(page.rows().size(), 2);
    // The junction box sends an empty value: the list is no longer valid.
    QVERIFY(page.satellites.deserializeSingleProperty(
        QStringLiteral("Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,SatellitePosInfo=")));
    QVERIFY(!page.satellites.isValid(QStringLiteral("SatellitePosInfo")));
    QVERIFY(page.plot->radarInfo().isEmpty());
    QVERIFY(page.rows().isEmpty());
    QVERIFY(page.radar->satellites().isEmpty());
}

void tst_Radar::showFlagZeroRedraws()
{
    Page page;
    QVERIFY(page.receive(twoSatellites));
    QVERIFY(page.show());
    QVERIFY(page.rows().isEmpty());
    DebugCapture log;
    QVERIFY(page.satellites.deserializeSingleProperty(
        QStringLiteral("Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,ShowFlag=0")));
    QCOMPARE(log.count(QStringLiteral("Show flag:  0")), 1);
    QCOMPARE(page.plot->radarInfo(), twoSatellites);
    QCOMPARE(page.rows().size(), 2);
}

void tst_Radar::receiverFigures()
{
    Page page;
    QVERIFY(page.show());
    const QStringList labels { "label_GPS_HDOP_VAL", "label_GL_HDOP_VAL", "label_GPS_EPE_VAL",
        "label_GL_EPE_VAL", "label_SAT_NR__VAL" };
    for (const QString &name : labels)
        QCOMPARE(page.radar->findChild<QLabel *>(name)->text(), QStringLiteral("#VALUE#"));
    page.runtime.setGPS_StatusHdop(QStringLiteral("0.9"));
    page.runtime.setGlonassStatusHdop(QStringLiteral("1.4"));
    page.runtime.setGPS_StatusEPE(QStringLiteral("3.2 m"));
    page.runtime.setGlonassStatusEPE(QStringLiteral("4.8 m"));
    page.runtime.setStatusSatsNr(QStringLiteral("11"));
    const QStringList expected { "0.9", "1.4", "3.2 m", "4.8 m", "11" };
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(page.radar->findChild<QLabel *>(labels.at(i))->text(), expected.at(i));
}

void tst_Radar::resetEmptiesThePage()
{
    // Nothing in the product resets the page; the slot still empties it and asks with 0 next time.
    Page page;
    QVERIFY(page.show());
    QVERIFY(page.receive(twoSatellites));
    DebugCapture log;
    QVERIFY(QMetaObject::invokeMethod(page.radar, "resetRadar"));
    QCOMPARE(log.count(QStringLiteral("RESET")), 1);
    QVERIFY(page.plot->radarInfo().isEmpty());
    QVERIFY(page.rows().isEmpty());
    page.radar->hide();
    page.radar->show();
    QCOMPARE(page.satellites.ShowFlag(), 0);
}

void tst_Radar::barRow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("ratio");
    QTest::addColumn<QString>("constellation");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("text");
    QTest::newRow("25 gray") << 32 << 25.0f << "GP"
                             << "US-United-States"
                             << "gray" << 25 << "25";
    QTest::newRow("25.5 cyan") << 33 << 25.5f << "GL"
                               << "RU-Russia"
                               << "cyan" << 25 << "25.5";
    QTest::newRow("75 blue") << 1 << 75.0f << "GP"
                             << "US-United-States"
                             << "blue" << 75 << "75";
    QTest::newRow("76 green") << 60 << 76.0f << "GL"
                              << "RU-Russia"
                              << "green" << 76 << "76";
    // Received ratios far outside the bar: the bar is held to its ends, the text tells the number.
    QTest::newRow("largest int") << 7 << float(std::numeric_limits<int>::max()) << "GP"
                                 << "US-United-States"
                                 << "green" << 100 << "2.14748e+09";
    QTest::newRow("negative") << 8 << -40.0f << "GP"
                              << "US-United-States"
                              << "gray" << 0 << "-40";
}

void tst_Radar::barRow()
{
    QFETCH(int, number);
    QFETCH(float, ratio);
    QFETCH(QString, constellation);
    QFETCH(QString, flag);
    QFETCH(QString, chunk);
    QFETCH(int, bar);
    QFETCH(QString, text);
    // Built through the list, as the page builds its rows.
    RadarScrollAreaWidget list;
    list.resize(291, 447);
    list.addBar(number, ratio);
    const BarInfo *row = list.findChild<BarInfo *>();
    QVERIFY(row);
    QCOMPARE(row->constellation(), constellation);
    QCOMPARE(row->findChild<QLabel *>(QStringLiteral("label"))->text(), QString::number(number));
    QCOMPARE(row->findChild<QLabel *>(QStringLiteral("label_3"))->text(), constellation);
    QVERIFY(row->findChild<QLabel *>(QStringLiteral("label_2"))->styleSheet().contains(flag));
    QCOMPARE(chunkColour(row), chunk);
    QCOMPARE(row->findChild<QProgressBar *>()->value(), bar);
    QCOMPARE(row->findChild<QLabel *>(QStringLiteral("label_4"))->text(), text);
    QCOMPARE(row->accessibleDescription(), QStringLiteral("ExcludeFromCL"));
}

void tst_Radar::barSetters()
{
    BarInfo row(5, 20.0f, QStringLiteral("GL"));
    row.setSatelliteNumber(12);
    row.setSnr(88.21f);
    row.setConstellation(QStringLiteral("GP"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("12"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_4"))->text(), QStringLiteral("88.2"));
    QCOMPARE(row.findChild<QProgressBar *>()->value(), 88);
    QCOMPARE(chunkColour(&row), QStringLiteral("gray"));
    QVERIFY(row.findChild<QLabel *>(QStringLiteral("label_2"))
                ->styleSheet()
                .contains(QStringLiteral("US-United-States")));
}

void tst_Radar::pageOverTheSettingsTree()
{
    // Created as the setup pages' form creates it: bound to the process-wide settings objects.
    SatelliteInfoSerializableData *satellites = ESDataClass::instance()->satelliteInfo();
    QWidget window;
    auto *radar = new Radar(&window);
    window.resize(800, 447);
    radar->resize(window.size());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(satellites->ShowFlag(), 1);
    ESDataClass::instance()->runtime()->setStatusSatsNr(QStringLiteral("9"));
    QCOMPARE(radar->findChild<QLabel *>(QStringLiteral("label_SAT_NR__VAL"))->text(), QStringLiteral("9"));
}

void tst_Radar::pictures()
{
    const QList<int> sky { 3, 5, 40, 20, 0, 12, 35, 100, 45, 0, 17, 62, 210, 70, 0, 33, 80, 300, 88, 0, 45,
        18, 330, 30, 0, 7, 50, 150, 60, 0, 21, 25, 250, 38, 0 };
    for (const QSize &size : { QSize(800, 447), QSize(1024, 560) }) {
        Page page;
        page.window.resize(size);
        page.radar->resize(size);
        QVERIFY(page.show());
        QVERIFY(page.receive(sky));
        page.runtime.setGPS_StatusHdop(QStringLiteral("0.9"));
        page.runtime.setGlonassStatusHdop(QStringLiteral("1.4"));
        page.runtime.setGPS_StatusEPE(QStringLiteral("3.2"));
        page.runtime.setGlonassStatusEPE(QStringLiteral("4.8"));
        page.runtime.setStatusSatsNr(QStringLiteral("7"));
        QTRY_VERIFY(page.rows().size() == 7 && page.rows().last()->height() > 0);
        ScreenPictures::save(
            &page.window, QStringLiteral("radar_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_Radar)
#include "tst_radar.moc"
