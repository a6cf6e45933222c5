// The heading page: the compass on the left and the column of the speed over ground, the speed through
// the water and the water current on the right, each row shown by its setting of page D; the width shared
// between the compass and the column; the compass's mode button pressed on the page.

#include "FreshStores.h"
#include "ReceivedRuntime.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "ui/runtime/CompassImageWidget.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeHeadingScreen.h"
#include "ui/runtime/TitleValueCollectionScreen.h"
#include "ui/runtime/TitleValueWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

namespace {

ESRuntimeScreenSetup *pageD()
{
    return ESDataClass::instance()->localSetup()->RuntimeScreenSetupD();
}

void setRows(int sog, int stw, int wc)
{
    pageD()->setDisplaySOG(sog);
    pageD()->setDisplaySTW(stw);
    pageD()->setDisplayWC(wc);
}

QString labelText(TitleValueWidget *row, const char *name)
{
    auto *label = row->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label>");
}

} // namespace

class tst_RuntimeHeadingScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsShowOnlyTheCompass();
    void rowsShownBySettings_data();
    void rowsShownBySettings();
    void rowsSetBeforeThePageIsBuilt();
    void rowTitlesAndValues();
    void widthShared_data();
    void widthShared();
    void compassButtonOnThePage();
    void pictures();

private:
    void build();
    void start(QSize page = QSize(800, 440));

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
    std::optional<ScreenStage> m_stage;
    RuntimeHeadingScreen *m_page = nullptr;
    QWidget *m_column = nullptr;
    CompassImageWidget *m_compass = nullptr;
};

void tst_RuntimeHeadingScreen::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // The colours of the palette "Green", read from a colour file of this case's own.
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Green"));
    // As at start-up: every setup description takes its setting's value (the maximum speed of the arrows).
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    m_stage.emplace();
}

void tst_RuntimeHeadingScreen::cleanup()
{
    m_stage.reset();
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_RuntimeHeadingScreen::build()
{
    m_page = new RuntimeHeadingScreen(m_stage->layout);
    m_page->setObjectName(QStringLiteral("es_runtime_D"));
    m_page->initializeScreenData();
    m_column = m_page->findChild<TitleValueCollectionScreen *>(QStringLiteral("widget"));
    m_compass = m_page->findChild<CompassImageWidget *>(QStringLiteral("compassWidget"));
    QVERIFY(m_column);
    QVERIFY(m_compass);
}

void tst_RuntimeHeadingScreen::start(QSize page)
{
    m_page->setGeometry(QRect(QPoint(0, 0), page));
    m_stage->start();
    QCoreApplication::processEvents();
}

void tst_RuntimeHeadingScreen::defaultsShowOnlyTheCompass()
{
    build();
    start();
    QCOMPARE(m_page->pageLetter(), QStringLiteral("D"));
    QCOMPARE(m_page->rows().size(), 3);
    for (TitleValueWidget *row : m_page->rows())
        QVERIFY(!row->isVisible());
    QVERIFY(m_compass->isVisible());
    // The column is empty and transparent: the black window shows through.
    const QImage image = m_stage->layout->grab().toImage();
    QCOMPARE(ScreenPictures::pixelsNear(image, m_column->geometry(), Qt::black, 8),
        m_column->width() * m_column->height());
}

void tst_RuntimeHeadingScreen::rowsShownBySettings_data()
{
    QTest::addColumn<QVector<int>>("settings"); // DisplaySOG, DisplaySTW, DisplayWC: 0 ON, 1 Off
    QTest::newRow("all three") << QVector<int> { 0, 0, 0 };
    QTest::newRow("SOG only") << QVector<int> { 0, 1, 1 };
    QTest::newRow("STW only") << QVector<int> { 1, 0, 1 };
    QTest::newRow("SOG and WC") << QVector<int> { 0, 1, 0 };
    QTest::newRow("STW and WC") << QVector<int> { 1, 0, 0 };
}

void tst_RuntimeHeadingScreen::rowsShownBySettings()
{
    QFETCH(QVector<int>, settings);
    build();
    start();
    // Changed while the page is on screen, as from the runtime-page setup.
    setRows(settings.at(0), settings.at(1), settings.at(2));
    QCoreApplication::processEvents();
    m_stage->savePicture(QStringLiteral("rows-") + QString::fromLatin1(QTest::currentDataTag()), m_page);

    // The rows shown keep a third of the column each and follow each other from the top.
    const int third = m_column->height() / 3;
    int expectedTop = 0;
    for (int i = 0; i < 3; ++i) {
        TitleValueWidget *row = m_page->rows().at(i);
        QCOMPARE(row->isVisible(), settings.at(i) == 0);
        if (!row->isVisible())
            continue;
        QVERIFY2(qAbs(row->height() - third) <= 1, qPrintable(QString::number(row->height())));
        QVERIFY2(qAbs(row->y() - expectedTop) <= 1, qPrintable(QString::number(row->y())));
        expectedTop = row->y() + row->height();
    }
}

void tst_RuntimeHeadingScreen::rowsSetBeforeThePageIsBuilt()
{
    // Settings read from the file before the page exists, page built while not on screen: the rows
    // shown still get a third of the column each, not a share squeezed into its upper part.
    setRows(0, 0, 1);
    build();
    start();
    const int third = m_column->height() / 3;
    QVERIFY(m_page->rows().at(0)->isVisible());
    QVERIFY(m_page->rows().at(1)->isVisible());
    QVERIFY(!m_page->rows().at(2)->isVisible());
    QVERIFY(qAbs(m_page->rows().at(0)->height() - third) <= 1);
    QVERIFY(qAbs(m_page->rows().at(1)->height() - third) <= 1);
    QCOMPARE(m_page->rows().at(0)->y(), 0);
}

void tst_RuntimeHeadingScreen::rowTitlesAndValues()
{
    setRows(0, 0, 0);
    build();
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("SpeedGPS=12.3=T"), QStringLiteral("AngleSpeedGPS=5=T"),
        QStringLiteral("SpeedSTWLog=-1.5=T") }));
    QCoreApplication::processEvents();
    const QList<TitleValueWidget *> rows = m_page->rows();
    QCOMPARE(labelText(rows.at(0), "titleLabel").trimmed(), QStringLiteral("SOG"));
    QCOMPARE(labelText(rows.at(1), "titleLabel").trimmed(), QStringLiteral("STW"));
    QCOMPARE(labelText(rows.at(2), "titleLabel").trimmed(), QStringLiteral("WC"));
    QCOMPARE(labelText(rows.at(0), "valueLabel"), QStringLiteral("12.3"));
    QCOMPARE(labelText(rows.at(1), "valueLabel"), QStringLiteral("-1.5"));
    QCOMPARE(labelText(rows.at(2), "valueLabel"), QStringLiteral("-/-"));
    // The texts fit their rows and the rows the column, which stands right of the compass.
    for (TitleValueWidget *row : rows) {
        QVERIFY(m_column->rect().contains(row->geometry()));
        QVERIFY(!m_column->geometry().intersects(m_compass->geometry()));
    }
}

void tst_RuntimeHeadingScreen::widthShared_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("compass");
    QTest::addColumn<int>("column");
    QTest::newRow("800 x 480") << QSize(800, 480) << 480 << 320;
    QTest::newRow("800 x 440") << QSize(800, 440) << 440 << 360;
    QTest::newRow("design 628 x 447") << QSize(628, 447) << 447 << 181;
    QTest::newRow("400 x 480: 3/4 of the width") << QSize(400, 480) << 300 << 100;
}

void tst_RuntimeHeadingScreen::widthShared()
{
    QFETCH(QSize, page);
    QFETCH(int, compass);
    QFETCH(int, column);
    // With the default settings (no row shown) nothing in the column asks for a width of its own.
    build();
    start(page);
    QCOMPARE(m_compass->width(), compass);
    QCOMPARE(m_column->width(), column);
    QCOMPARE(m_compass->height(), page.height());
    // The rose fills the smaller side of the compass less a fifth.
    QCOMPARE(m_compass->roseImage().height(), qMin(compass, page.height()) * 4 / 5);
}

void tst_RuntimeHeadingScreen::compassButtonOnThePage()
{
    build();
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=200=T") }));
    QSignalSpy spy(pageD(), &ESRuntimeScreenSetup::AngleCalcChanged);
    auto *button = m_compass->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(button->isVisible());
    // The button sits in the compass's lower left corner.
    QVERIFY(button->geometry().left() < m_compass->width() / 4);
    QVERIFY(button->geometry().bottom() > m_compass->height() * 3 / 4);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QVERIFY(m_compass->isTrueMode());
    QCOMPARE(button->text(), QStringLiteral("TRUE"));
}

void tst_RuntimeHeadingScreen::pictures()
{
    setRows(0, 0, 0);
    build();
    start();
    QVERIFY(receiveRuntime({ QStringLiteral("Heading=350=T"), QStringLiteral("SpeedGPS=12.3=T"),
        QStringLiteral("AngleSpeedGPS=20=T"), QStringLiteral("SpeedSTWLog=6.1=T"),
        QStringLiteral("AngleSpeedSTWLog=35=T"), QStringLiteral("WaterCurrent=1.2=T"),
        QStringLiteral("AngleWaterCurrent=120=T") }));
    QTest::mouseClick(m_compass->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    m_stage->savePicture(QStringLiteral("heading-800x480-window"));
    m_stage->savePicture(QStringLiteral("heading-page-800x440"), m_page);
    m_stage->resize(QSize(1024, 600));
    m_stage->savePicture(QStringLiteral("heading-1024x600-window"));
    QVERIFY(m_page->width() > 800);
}

QTEST_MAIN(tst_RuntimeHeadingScreen)
#include "tst_runtimeheadingscreen.moc"
