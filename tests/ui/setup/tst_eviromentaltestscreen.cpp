// The environmental test page: its rows, the buttons the second and third port mirrors lose on products
// with one NMEA port, the values the bound buttons show, and how it looks in the window.

#include "BoundSetupButtons.h"
#include "FreshStores.h"
#include "ScreenStage.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/ESTestScreenSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "ui/setup/EviromentalTestScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

namespace {

const QStringList settings = { "TestDepthLimitH", "TestDepthLimitL", "LedDepthIndication", "LoadTestSettings",
    "Nmea1MirrorToOutput", "Nmea2MirrorToOutput", "Nmea3MirrorToOutput" };

QString buttonName(const QString &setting)
{
    return QStringLiteral("es_st_") + setting + QStringLiteral("_TestScreenSetup_btn");
}

} // namespace

class tst_EviromentalTestScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rows_data();
    void rows();
    void mirrorsByProduct_data();
    void mirrorsByProduct();
    void boundButtonsShowValues();
    void pictures();

private:
    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
};

void tst_EviromentalTestScreen::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // As the system does once at start: every setup description shows its value.
    m_registry->registry()->setupDataInfo()->updateAllGUI();
}

void tst_EviromentalTestScreen::cleanup()
{
    m_registry.reset();
    m_stores.reset();
}

void tst_EviromentalTestScreen::rows_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("grey");
    QTest::addColumn<QString>("setting");

    QTest::newRow("upper limit") << "scope_range_lbl"
                                 << "Depth upper limit" << 0 << 149 << "TestDepthLimitH";
    QTest::newRow("lower limit") << "label_2"
                                 << "Depth lower limit" << 64 << 206 << "TestDepthLimitL";
    QTest::newRow("LED") << "scope_range_lbl_2"
                         << "LED validity indc." << 128 << 149 << "LedDepthIndication";
    QTest::newRow("load") << "label_3"
                          << "*Load test settings" << 192 << 206 << "LoadTestSettings";
    QTest::newRow("NMEA1") << "scope_range_lbl_4"
                           << "NMEA1 mirror" << 255 << 149 << "Nmea1MirrorToOutput";
    QTest::newRow("NMEA2") << "label_4"
                           << "NMEA2 mirror" << 319 << 206 << "Nmea2MirrorToOutput";
    QTest::newRow("NMEA3") << "scope_range_lbl_3"
                           << "NMEA3 mirror" << 383 << 149 << "Nmea3MirrorToOutput";
}

void tst_EviromentalTestScreen::rows()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, grey);
    QFETCH(QString, setting);

    EviromentalTestScreen page;
    QCOMPARE(page.objectName(), QStringLiteral("EviromentalTestScreen"));
    QCOMPARE(page.size(), QSize(800, 447));
    auto *stack = page.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY(stack);
    QCOMPARE(stack->geometry(), QRect(2, 2, 800, 440));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page"));

    auto *rowLabel = page.findChild<QLabel *>(label);
    auto *button = page.findChild<QPushButton *>(buttonName(setting));
    QVERIFY(rowLabel && button);
    QCOMPARE(rowLabel->text(), text);
    QCOMPARE(rowLabel->geometry(), QRect(509, top, 291, 64));
    QCOMPARE(rowLabel->styleSheet(), QStringLiteral("background-color:rgb(%1, %1, %1);").arg(grey));
    QCOMPARE(button->geometry(), QRect(674, top + 11, 100, 40));
    QCOMPARE(button->text(), QStringLiteral("-"));
    QCOMPARE(rowLabel->accessibleName(), QStringLiteral("Local SFI"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Local SFI"));
    // The caption ends before the button.
    QVERIFY(
        rowLabel->indent() + rowLabel->fontMetrics().horizontalAdvance(text) < button->x() - rowLabel->x());
    // The row's button lies on its label, above it.
    QCOMPARE(page.findChild<QWidget *>(QStringLiteral("page"))->childAt(button->geometry().center()), button);

    auto *status = page.findChild<QLabel *>(QStringLiteral("status_label"));
    QVERIFY(status);
    QCOMPARE(status->geometry(), QRect(2, 2, 510, 388));
    // The status text lies below the rows where the two meet.
    QCOMPARE(page.findChild<QWidget *>(QStringLiteral("page"))->childAt(510, top + 5), rowLabel);
}

void tst_EviromentalTestScreen::mirrorsByProduct_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("oneNmeaPort");

    QTest::newRow("TVR100") << "TVR100" << true;
    QTest::newRow("MIR_LOX1000") << "MIR_LOX1000" << true;
    QTest::newRow("MIR_LOX2000") << "MIR_LOX2000" << false;
    QTest::newRow("TVR200") << "TVR200" << false;
}

void tst_EviromentalTestScreen::mirrorsByProduct()
{
    QFETCH(QString, product);
    QFETCH(bool, oneNmeaPort);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), QStringLiteral("WINDOWS"), product);
    EviromentalTestScreen page;
    for (const QString &setting : settings) {
        auto *button = page.findChild<QPushButton *>(buttonName(setting));
        QVERIFY(button);
        const bool disabled = oneNmeaPort
            && (setting == QLatin1String("Nmea2MirrorToOutput")
                || setting == QLatin1String("Nmea3MirrorToOutput"));
        QCOMPARE(button->isEnabled(), !disabled);
    }
}

void tst_EviromentalTestScreen::boundButtonsShowValues()
{
    EviromentalTestScreen page;
    ESTestScreenSetup *test = ESDataClass::instance()->setup()->TestScreenSetup();
    QStringList names;
    for (const QString &setting : settings)
        names.append(buttonName(setting));
    QStringList bound = bindSetupButtons(&page, m_registry->registry());
    bound.sort();
    names.sort();
    QCOMPARE(bound, names);
    for (const QString &setting : settings) {
        auto *button = page.findChild<QPushButton *>(buttonName(setting));
        QVERIFY(button->text() != QLatin1String("-"));
        QCOMPARE(button->text(),
            m_registry->registry()
                ->setupPropertyInfo(QStringLiteral("es"), setting, QStringLiteral("TestScreenSetup"))
                ->text());
    }
    // A change of the setting reaches the bound button.
    auto *led = page.findChild<QPushButton *>(buttonName(QStringLiteral("LedDepthIndication")));
    const QString before = led->text();
    test->setLedDepthIndication(test->LedDepthIndication() == 0 ? 1 : 0);
    QVERIFY(led->text() != before);
}

void tst_EviromentalTestScreen::pictures()
{
    ScreenStage stage;
    auto *page = new EviromentalTestScreen(stage.layout);
    page->move(0, 33);
    bindSetupButtons(page, m_registry->registry());
    stage.start();
    auto *upper = page->findChild<QLabel *>(QStringLiteral("scope_range_lbl"));
    auto *nmea3 = page->findChild<QLabel *>(QStringLiteral("scope_range_lbl_3"));
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(upper->geometry(), QRect(int(509 * sx), 0, int(291 * sx), int(64 * sy)));
        QCOMPARE(nmea3->geometry(), QRect(int(509 * sx), int(383 * sy), int(291 * sx), int(64 * sy)));
        stage.savePicture(QStringLiteral("environmental_test_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_EviromentalTestScreen)
#include "tst_eviromentaltestscreen.moc"
