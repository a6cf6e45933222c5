// The status list: one row per property with its displayed name and current text, rows that follow their
// descriptions only while the list is visible, the limit marking of runtime values, the palette colour, the
// font and row height that follow the list's size, and how it looks in the window.

#include "DebugCapture.h"
#include "FreshStores.h"
#include "ScreenStage.h"

#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"
#include "ui/CustomColorDefinitions.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/status/InformationWidget.h"
#include "ui/status/TableItemWrapper.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <optional>

class tst_InformationWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rows_data();
    void rows();
    void rowsByName();
    void remove_data();
    void remove();
    void liveOnlyWhileVisible();
    void rowAddedToVisibleListIsLive();
    void limits();
    void paletteColour();
    void sizeFollows_data();
    void sizeFollows();
    void destroyedDescriptionLeaves();
    void peerTextStaysInItsCell_data();
    void peerTextStaysInItsCell();
    void pictures();

private:
    PropertyInfo *alert(const char *name) const
    {
        return m_registry->registry()->setupPropertyInfo(
            QStringLiteral("es"), QLatin1String(name), QStringLiteral("AlertSetup"));
    }
    PropertyInfo *runtime(const char *name) const
    {
        return m_registry->registry()->runtimePropertyInfo(QLatin1String(name));
    }
    // A runtime value as it arrives in a received runtime text.
    static void receive(const QString &name, const QString &value)
    {
        bool ok = false;
        ESDataClass::instance()->runtime()->applySingleProperty(
            QStringLiteral("Type_Runtime,") + name + QLatin1Char('=') + value, &ok);
        QVERIFY(ok);
    }
    static QString cell(const InformationWidget &list, int row, int column)
    {
        const QTableWidgetItem *item = list.table()->item(row, column);
        return item ? item->text() : QString();
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
};

void tst_InformationWidget::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // As the system does once at start: every setup description shows its value.
    m_registry->registry()->setupDataInfo()->updateAllGUI();
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

void tst_InformationWidget::cleanup()
{
    m_registry.reset();
    m_stores.reset();
}

void tst_InformationWidget::rows_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("two") << QStringList { "AlarmShallow", "AlertType" }
                         << QStringList { "AlarmShallow", "AlertType" };
    QTest::newRow("the same twice") << QStringList { "AlertType", "AlertType" }
                                    << QStringList { "AlertType" };
    QTest::newRow("again after others") << QStringList { "AlarmSFI", "AlertType", "AlarmSFI", "AlertDeep" }
                                        << QStringList { "AlarmSFI", "AlertType", "AlertDeep" };
}

void tst_InformationWidget::rows()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, rows);

    InformationWidget list;
    for (const QString &name : added)
        list.addInformation(alert(qPrintable(name)));
    QCOMPARE(list.table()->rowCount(), rows.size());
    QCOMPARE(list.table()->columnCount(), 3);
    for (int row = 0; row < rows.size(); ++row) {
        PropertyInfo *info = alert(qPrintable(rows.at(row)));
        QCOMPARE(cell(list, row, 0), info->displayedName());
        QVERIFY(!cell(list, row, 0).contains(QLatin1Char('_')));
        QVERIFY(!list.table()->item(row, 1));
        QCOMPARE(cell(list, row, 2), info->text());
        QCOMPARE(list.table()->item(row, 0)->textAlignment(), int(Qt::AlignLeft));
        QCOMPARE(list.table()->item(row, 2)->textAlignment(), int(Qt::AlignLeft));
        QCOMPARE(list.rowOf(rows.at(row)), row);
    }
}

// The pages list their rows by property name: the rows come in the order named, and a name without a
// description (a fault of the page) is logged and left out, the others still listed.
void tst_InformationWidget::rowsByName()
{
    DebugCapture log;
    InformationWidget list;
    list.setObjectName(QStringLiteral("info_widget_alert"));
    list.addInformation(m_registry->registry()->setupDataInfo(), QStringLiteral("AlertSetup"),
        { "AlarmSFI", "NoSuchProperty", "AlertType" });
    QCOMPARE(list.table()->rowCount(), 2);
    QCOMPARE(cell(list, 0, 0), alert("AlarmSFI")->displayedName());
    QCOMPARE(cell(list, 0, 2), alert("AlarmSFI")->text());
    QCOMPARE(cell(list, 1, 0), alert("AlertType")->displayedName());
    QCOMPARE(log.count(QStringLiteral(
                 "Status list info_widget_alert has no description of NoSuchProperty of AlertSetup")),
        1);

    list.addInformation(nullptr, QStringLiteral("AlertSetup"), { "AlarmShallow" });
    QCOMPARE(list.table()->rowCount(), 2);
    QCOMPARE(log.count(QStringLiteral("has no description of AlarmShallow of AlertSetup")), 1);
}

void tst_InformationWidget::remove_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("the middle row") << "AlertType" << QStringList { "AlarmShallow", "AlarmSFI" };
    QTest::newRow("the first row") << "AlarmShallow" << QStringList { "AlertType", "AlarmSFI" };
    QTest::newRow("never added") << "EscalationTime"
                                 << QStringList { "AlarmShallow", "AlertType", "AlarmSFI" };
}

void tst_InformationWidget::remove()
{
    QFETCH(QString, removed);
    QFETCH(QStringList, rows);

    InformationWidget list;
    for (const char *name : { "AlarmShallow", "AlertType", "AlarmSFI" })
        list.addInformation(alert(name));
    list.removeInformation(alert(qPrintable(removed)));
    QCOMPARE(list.table()->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(cell(list, row, 0), alert(qPrintable(rows.at(row)))->displayedName());
    QCOMPARE(list.findChildren<TableItemWrapper *>().size(), 2 * rows.size());
    // A removed property can be listed again, at the end.
    list.addInformation(alert(qPrintable(removed)));
    QCOMPARE(list.rowOf(removed), 3 - (rows.size() == 3 ? 0 : 1));
}

void tst_InformationWidget::liveOnlyWhileVisible()
{
    ESAlertSetup *alerts = ESDataClass::instance()->setup()->AlertSetup();
    alerts->setAlertType(0);
    InformationWidget list;
    list.resize(481, 371);
    list.addInformation(alert("AlertType"));
    PropertyInfo *info = alert("AlertType");
    const QString first = info->text();

    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    alerts->setAlertType(1);
    QVERIFY(info->text() != first);
    QCOMPARE(cell(list, 0, 2), info->text());

    list.hide();
    const QString shown = cell(list, 0, 2);
    alerts->setAlertType(0);
    QCOMPARE(info->text(), first);
    QCOMPARE(cell(list, 0, 2), shown);

    // Shown again, the list starts from the current value, with no change announced in between.
    QSignalSpy texts(info, &PropertyInfo::textChanged);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(texts.count(), 0);
    QCOMPARE(cell(list, 0, 2), first);
}

void tst_InformationWidget::rowAddedToVisibleListIsLive()
{
    ESAlertSetup *alerts = ESDataClass::instance()->setup()->AlertSetup();
    alerts->setAlertType(0);
    InformationWidget list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.addInformation(alert("AlertType"));
    alerts->setAlertType(1);
    QCOMPARE(cell(list, 0, 2), alert("AlertType")->text());
}

void tst_InformationWidget::limits()
{
    InformationWidget list;
    list.addInformation(runtime("Cu24V"));
    receive(QStringLiteral("Cu24V"), QStringLiteral("30"));
    auto background = [&list] { return list.table()->item(0, 2)->background(); };
    // Not followed while hidden.
    QCOMPARE(background().style(), Qt::NoBrush);

    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(background().style(), Qt::SolidPattern);
    QCOMPARE(background().color(), QColor(180, 180, 85));
    QCOMPARE(list.table()->item(0, 0)->background().style(), Qt::NoBrush);

    receive(QStringLiteral("Cu24V"), QStringLiteral("24"));
    QCOMPARE(background().style(), Qt::NoBrush);
    QCOMPARE(cell(list, 0, 2), runtime("Cu24V")->text());
    QVERIFY(cell(list, 0, 2).startsWith(QLatin1String("24.0")));

    receive(QStringLiteral("Cu24V"), QStringLiteral("20"));
    QCOMPARE(background().color(), QColor(180, 180, 85));
}

void tst_InformationWidget::paletteColour()
{
    InformationWidget list;
    list.addInformation(alert("AlertType"));
    QCOMPARE(
        list.table()->item(0, 0)->foreground().color(), CustomColorDefinitions::getColorFromColorEnum(Green));
    ThemeColorSingleton::instance()->setColorPalette(Pale_Yellow);
    for (int column : { 0, 2 }) {
        QCOMPARE(list.table()->item(0, column)->foreground().color(),
            CustomColorDefinitions::getColorFromColorEnum(Pale_Yellow));
    }
    // A row made now starts in the current palette's colour.
    list.addInformation(alert("AlarmSFI"));
    QCOMPARE(list.table()->item(1, 2)->foreground().color(),
        CustomColorDefinitions::getColorFromColorEnum(Pale_Yellow));
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

void tst_InformationWidget::sizeFollows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("spacer");

    QTest::newRow("380 high") << QSize(481, 380) << 20 << 29 << 24;
    QTest::newRow("design list") << QSize(481, 371) << 19 << 28 << 24;
    QTest::newRow("scaled to 1024 x 600") << QSize(615, 463) << 24 << 35 << 30;
}

void tst_InformationWidget::sizeFollows()
{
    QFETCH(QSize, size);

    InformationWidget list;
    for (const char *name : { "AlarmShallow", "AlertType", "AlarmSFI" })
        list.addInformation(alert(name));
    list.resize(size);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.table()->size(), size);
    QCOMPARE(list.table()->font().family(), QStringLiteral("Courier New"));
    QTEST(list.table()->font().pixelSize(), "pixelSize");
    for (int row = 0; row < 3; ++row)
        QTEST(list.table()->rowHeight(row), "rowHeight");
    QTEST(list.table()->columnWidth(1), "spacer");
    QCOMPARE(list.table()->accessibleDescription(), QStringLiteral("ExcludeFromCL"));
}

void tst_InformationWidget::destroyedDescriptionLeaves()
{
    InformationWidget list;
    list.addInformation(alert("AlertType"));
    list.addInformation(alert("AlarmSFI"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    // The registry (and with it every description) goes while the list stays.
    m_registry.reset();
    QCOMPARE(list.table()->rowCount(), 0);
    list.hide();
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.table()->rowCount(), 0);
}

void tst_InformationWidget::peerTextStaysInItsCell_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("shown");

    QTest::newRow("markup") << "<h1>BIG</h1>"
                            << "<h1>BIG</h1>";
    QTest::newRow("control characters") << QStringLiteral("1\x01"
                                                          "2\x1b\x7f")
                                        << "12";
    QTest::newRow("3000 characters") << QString(3000, QLatin1Char('W')) << QString(256, QLatin1Char('W'));
}

// A text from the junction box is shown as written, without control characters, and cut to the list: the
// value column ends at the list's edge and no scroll bar appears.
void tst_InformationWidget::peerTextStaysInItsCell()
{
    QFETCH(QString, received);
    InformationWidget list;
    list.resize(481, 371);
    list.addInformation(alert("AlertType"));
    list.addInformation(runtime("GPS_StatusHdop"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    receive(QStringLiteral("GPS_StatusHdop"), received);
    // A runtime text ends in the blank before its (empty) unit.
    QTEST(cell(list, 1, 2).trimmed(), "shown");
    const QTableWidget *table = list.table();
    const QRect valueCell = table->visualItemRect(table->item(1, 2));
    QVERIFY(table->viewport()->rect().contains(valueCell));
    QVERIFY(!table->horizontalScrollBar()->isVisible());
    // The names keep their column.
    QVERIFY(table->columnWidth(0) >= table->fontMetrics().horizontalAdvance(cell(list, 0, 0)));
}

void tst_InformationWidget::pictures()
{
    ScreenStage stage;
    auto *list = new InformationWidget(stage.layout);
    list->setGeometry(10, 10, 481, 371);
    for (const char *name : { "AlarmShallow", "AlertDeep", "AlertType", "EscalationTime", "AlarmShallowID",
             "AlertDeepID", "AlertSystemID", "AlarmPowerFailureID", "AlarmSFI" })
        list->addInformation(alert(name));
    list->addInformation(runtime("Cu24V"));
    receive(QStringLiteral("Cu24V"), QStringLiteral("30"));
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(list->geometry(), QRect(int(10 * sx), int(10 * sy), int(481 * sx), int(371 * sy)));
        QCOMPARE(list->table()->size(), list->size());
        QCOMPARE(list->table()->rowHeight(0), list->height() / 13);
        // Every row fits the list.
        QVERIFY(list->table()->rowViewportPosition(9) + list->table()->rowHeight(9) <= list->height());
        stage.savePicture(QStringLiteral("status_list_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_InformationWidget)
#include "tst_informationwidget.moc"
