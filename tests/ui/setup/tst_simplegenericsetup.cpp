// The setup page generated from a settings object's class information: which rows it builds and in
// which order, their names, geometry and colours, the scrolling contents, and how it looks in the window.

#include "DebugCapture.h"
#include "ScreenStage.h"

#include "data/ESPortSetup.h"
#include "data/LocalDimmingSetup.h"
#include "ui/setup/SimpleGenericSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

class tst_SimpleGenericSetup : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void rowGeometry();
    void localSettingsPrefix();
    void labelText_data();
    void labelText();
    void contentsSize_data();
    void contentsSize();
    void setOptionsEnabled();
    void resizeForRowsFollowsScale();
    void pictures();
};

void tst_SimpleGenericSetup::rows_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("exclude");
    QTest::addColumn<QStringList>("properties"); // in row order, top to bottom

    QTest::newRow("all") << QStringList() << QStringList()
                         << QStringList { "InputEnabled", "Baud", "VBW", "VTG", "VLW", "ROT", "THS", "HDT",
                                "GGA", "GLL", "GSA", "GSV" };
    QTest::newRow("port page") << QStringList() << QStringList { "InputEnabled", "GSA", "GSV" }
                               << QStringList { "Baud", "VBW", "VTG", "VLW", "ROT", "THS", "HDT", "GGA",
                                      "GLL" };
    QTest::newRow("exclusions in the middle")
        << QStringList() << QStringList { "VTG", "THS" }
        << QStringList { "InputEnabled", "Baud", "VBW", "VLW", "ROT", "HDT", "GGA", "GLL", "GSA", "GSV" };
    QTest::newRow("order of one") << QStringList { "Baud" } << QStringList() << QStringList { "Baud" };
    // The second and third serial ports' pages: an excluded entry ahead of the only one asked for.
    QTest::newRow("serial port 2 page")
        << QStringList { "Baud" } << QStringList { "InputEnabled", "GSA", "GSV" } << QStringList { "Baud" };
    QTest::newRow("network port page")
        << QStringList() << QStringList { "InputEnabled", "Baud" }
        << QStringList { "VBW", "VTG", "VLW", "ROT", "THS", "HDT", "GGA", "GLL", "GSA", "GSV" };
    QTest::newRow("order reversed") << QStringList { "GLL", "GGA", "Baud" } << QStringList()
                                    << QStringList { "GLL", "GGA", "Baud" };
    // An excluded name ahead of others in class order once pushed later rows to negative or shared places.
    QTest::newRow("order with an exclusion")
        << QStringList { "GGA", "Baud", "VBW" } << QStringList { "VBW" } << QStringList { "GGA", "Baud" };
    QTest::newRow("order with gaps") << QStringList { "GSV", "Unknown", "VBW", "HDT" }
                                     << QStringList { "GSV" } << QStringList { "VBW", "HDT" };
    QTest::newRow("everything excluded") << QStringList { "Baud" } << QStringList { "Baud" } << QStringList();
}

void tst_SimpleGenericSetup::rows()
{
    QFETCH(QStringList, order);
    QFETCH(QStringList, exclude);
    QFETCH(QStringList, properties);

    ESPortSetup port(nullptr, QStringLiteral("NmeaPort1Setup"));
    SimpleGenericSetup page;
    page.initialize(&port, QSize(291, 384), order, exclude);
    QCOMPARE(page.buttons().size(), properties.size());
    QCOMPARE(page.labels().size(), properties.size());
    for (int row = 0; row < properties.size(); ++row) {
        const QString name = properties.at(row);
        QPushButton *button = page.findChild<QPushButton *>(
            QStringLiteral("es_st_") + name + QStringLiteral("_NmeaPort1Setup_btn"));
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->y(), 64 * row + 11);
        QCOMPARE(button->text(), QString());
        // The label of the same row names the property.
        const QLabel *label = page.labels().at(row);
        QCOMPARE(label->y(), 64 * row);
        QCOMPARE(
            label->text(), name == QLatin1String("InputEnabled") ? QStringLiteral("Input Enabled") : name);
    }
    QCOMPARE(page.contents()->height(), 64 * properties.size());
}

void tst_SimpleGenericSetup::rowGeometry()
{
    ESPortSetup port(nullptr, QStringLiteral("NmeaPort2Setup"));
    SimpleGenericSetup page;
    page.initialize(&port, QSize(291, 384), {},
        { QStringLiteral("InputEnabled"), QStringLiteral("GSA"), QStringLiteral("GSV") });
    QCOMPARE(page.size(), QSize(291, 384));
    QCOMPARE(page.scrollArea()->size(), QSize(291, 384));
    QCOMPARE(page.scrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    const QLabel *baud = page.labels().at(0);
    QCOMPARE(baud->text(), QStringLiteral("Baud"));
    QCOMPARE(baud->geometry(), QRect(0, 0, 291, 64));
    QCOMPARE(baud->styleSheet(), QStringLiteral("background-color:rgb(149, 149, 149);"));
    QCOMPARE(baud->font().pointSize(), 14);
    QCOMPARE(baud->indent(), 10);
    const QLabel *vbw = page.labels().at(1);
    QCOMPARE(vbw->geometry(), QRect(0, 64, 291, 64));
    QCOMPARE(vbw->styleSheet(), QStringLiteral("background-color:rgb(206, 206, 206);"));

    const QPushButton *button = page.buttons().at(1);
    QCOMPARE(button->objectName(), QStringLiteral("es_st_VBW_NmeaPort2Setup_btn"));
    QCOMPARE(button->geometry(), QRect(165, 75, 100, 40));
    QCOMPARE(button->font().pointSize(), 11);
}

void tst_SimpleGenericSetup::localSettingsPrefix()
{
    LocalDimmingSetup day(nullptr, QStringLiteral("DayDimmingSetup"));
    SimpleGenericSetup page;
    page.initialize(&day, QSize(291, 384), {}, {});
    QVERIFY(!page.buttons().isEmpty());
    for (const QPushButton *button : page.buttons()) {
        QVERIFY2(button->objectName().startsWith(QLatin1String("ls_st_")), qPrintable(button->objectName()));
        QVERIFY(button->objectName().endsWith(QLatin1String("_DayDimmingSetup_btn")));
    }
}

void tst_SimpleGenericSetup::labelText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("label");

    QTest::newRow("name to display")
        << "InputEnabled"
        << "type=enum name=InputEnabled nameToDisplay=Input_Enabled enumList=Yes;No"
        << "Input Enabled";
    QTest::newRow("no display name") << "Baud"
                                     << "type=enum name=Baud"
                                     << "Baud";
    QTest::newRow("last key wins") << "X"
                                   << "labelText=First nameToDisplay=Second_Name"
                                   << "Second Name";
    QTest::newRow("entry name underscores") << "Max_Speed"
                                            << "type=value"
                                            << "Max Speed";
}

void tst_SimpleGenericSetup::labelText()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, label);

    QCOMPARE(SimpleGenericSetup::labelText(name, description), label);
}

void tst_SimpleGenericSetup::contentsSize_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("contents");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("six rows fit") << 6 << QSize(291, 384) << false;
    QTest::newRow("seven rows scroll") << 7 << QSize(275, 448) << true;
}

void tst_SimpleGenericSetup::contentsSize()
{
    QFETCH(int, rows);
    QFETCH(QSize, contents);
    QFETCH(bool, scrolls);

    const QStringList all = { QStringLiteral("Baud"), QStringLiteral("VBW"), QStringLiteral("VTG"),
        QStringLiteral("VLW"), QStringLiteral("ROT"), QStringLiteral("THS"), QStringLiteral("HDT") };
    ESPortSetup port(nullptr, QStringLiteral("NmeaPort1Setup"));
    SimpleGenericSetup page;
    page.initialize(&port, QSize(291, 384), all.mid(0, rows), {});
    QCOMPARE(page.sizeForRows(rows), contents);
    QCOMPARE(page.contents()->size(), contents);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.scrollArea()->verticalScrollBar()->isVisible(), scrolls);
}

void tst_SimpleGenericSetup::setOptionsEnabled()
{
    ESPortSetup port(nullptr, QStringLiteral("NmeaPort1Setup"));
    SimpleGenericSetup page;
    page.initialize(&port, QSize(291, 384), {}, {});
    page.setOptionsEnabled({ QStringLiteral("VBW"), QStringLiteral("GGA") }, false);
    for (const QPushButton *button : page.buttons()) {
        const bool off = button->objectName().contains(QLatin1String("_VBW_"))
            || button->objectName().contains(QLatin1String("_GGA_"));
        QCOMPARE(button->isEnabled(), !off);
    }

    DebugCapture capture;
    page.setOptionsEnabled({ QStringLiteral("Nothing") }, false);
    QCOMPARE(capture.count(
                 QStringLiteral("SimpleGenericSetup::setOptionsEnabled(): Option does not exist: Nothing")),
        1);
    int enabled = 0;
    for (const QPushButton *button : page.buttons())
        enabled += button->isEnabled() ? 1 : 0;
    QCOMPARE(enabled, page.buttons().size() - 2);
}

void tst_SimpleGenericSetup::resizeForRowsFollowsScale()
{
    ESPortSetup port(nullptr, QStringLiteral("NmeaPort1Setup"));
    SimpleGenericSetup page;
    page.initialize(&port, QSize(291, 384), {}, {});
    // Rows at 1.25 times their design size, as the window's container leaves them on a larger screen.
    for (QLabel *label : page.labels())
        label->resize(364, 80);
    page.resizeForRows(12);
    QCOMPARE(page.contents()->baseSize(), QSize(275, 768));
    QCOMPARE(page.contents()->size(), QSize(int(275 * 364 / 291.0), 960));
}

void tst_SimpleGenericSetup::pictures()
{
    ESPortSetup port(nullptr, QStringLiteral("NmeaPort1Setup"));
    ScreenStage stage;
    auto *page = new SimpleGenericSetup(stage.layout);
    page->move(100, 50);
    page->initialize(&port, QSize(291, 384), {},
        { QStringLiteral("InputEnabled"), QStringLiteral("GSA"), QStringLiteral("GSV") });
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(page->scrollArea()->size(), QSize(int(291 * sx), int(384 * sy)));
        QCOMPARE(page->labels().at(1)->geometry(), QRect(0, int(64 * sy), int(291 * sx), int(64 * sy)));
        stage.savePicture(QStringLiteral("generated_setup_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_SimpleGenericSetup)
#include "tst_simplegenericsetup.moc"
