// The title/value row over the real runtime descriptions: the new row, values with sign, unit and colour,
// values that are not valid or not marked valid, the fixed title, rebinding, and pictures at two sizes.

#include "FreshStores.h"
#include "ScreenPictures.h"
#include "data/ESRuntime.h"
#include "data/RuntimeColorStore.h"
#include "info/ESDataInfoClass.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/TitleValueWidget.h"

#include <QLabel>
#include <QtTest>

#include <optional>

namespace {

QLabel *title(TitleValueWidget *row)
{
    return row->findChild<QLabel *>(QStringLiteral("titleLabel"));
}
QLabel *value(TitleValueWidget *row)
{
    return row->findChild<QLabel *>(QStringLiteral("valueLabel"));
}

} // namespace

class tst_TitleValueWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newRow();
    void values_data();
    void values();
    void fixedTitle();
    void rebinding();
    void pictures();

private:
    static PropertyInfo *description(const QString &name)
    {
        return ESDataInfoClass::instance()->runtimePropertyInfo(name);
    }
    static void receive(const QString &name, const QString &text, bool sourceValid = true)
    {
        ESRuntime *runtime = ESDataClass::instance()->runtime();
        runtime->setSourceValid(name, sourceValid);
        bool ok = false;
        runtime->applySingleProperty(QStringLiteral("Type_Runtime,") + name + QLatin1Char('=') + text, &ok);
        QVERIFY(ok);
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::optional<FreshInstance<RuntimeColorStore>> m_colors;
};

void tst_TitleValueWidget::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_colors.emplace();
    (*m_colors)->setColorPreset(QStringLiteral("Yellow"));
}

void tst_TitleValueWidget::cleanup()
{
    m_colors.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_TitleValueWidget::newRow()
{
    TitleValueWidget row;
    QCOMPARE(row.objectName(), QStringLiteral("TitleValueWidget"));
    QCOMPARE(title(&row)->text(), QStringLiteral("SOG"));
    QCOMPARE(value(&row)->text(), QStringLiteral("-/-"));
    QVERIFY(!row.displayableData());
    QCOMPARE(row.fixedTitle(), QString());
}

void tst_TitleValueWidget::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("received"); // empty: nothing received
    QTest::addColumn<bool>("sourceValid");
    QTest::addColumn<QString>("titleText");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<QColor>("colour");

    const QColor sog(0x77, 0xac, 0x31), stw(0x70, 0x91, 0xff), low(0xf0, 0xff, 0x49);
    QTest::newRow("speed") << "SpeedGPS"
                           << "12.44" << true << "SOG"
                           << "12.4" << sog;
    QTest::newRow("negative keeps its sign") << "SpeedSTWLogTra"
                                             << "-0.4" << true << "STW T Log"
                                             << "-0.4" << stw;
    QTest::newRow("no unit after the value") << "SpeedSOGLogTra"
                                             << "-2" << true << "SOG T Log"
                                             << "-2.0" << sog;
    QTest::newRow("heading") << "Heading"
                             << "271" << true << "Heading °"
                             << "271.0" << QColor(204, 102, 0);
    QTest::newRow("marked F") << "SpeedGPS"
                              << "12.44" << false << "SOG"
                              << "12.4" << low;
    QTest::newRow("never received") << "SpeedGPS"
                                    << "" << true << "SOG"
                                    << "-/-" << low;
}

void tst_TitleValueWidget::values()
{
    QFETCH(QString, name);
    QFETCH(QString, received);
    QFETCH(bool, sourceValid);
    TitleValueWidget row;
    RuntimeDisplayableData feed(description(name));
    row.setDisplayableData(&feed);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    // Binding alone does not redraw.
    QCOMPARE(value(&row)->text(), QStringLiteral("-/-"));
    QCOMPARE(title(&row)->text(), QStringLiteral("SOG"));
    // Without a value of its own, a change of a speed's angle redraws it.
    if (received.isEmpty())
        receive(QStringLiteral("AngleSpeedGPS"), QStringLiteral("10"));
    else
        receive(name, received, sourceValid);
    QTEST(title(&row)->text(), "titleText");
    QTEST(value(&row)->text(), "valueText");
    QFETCH(QColor, colour);
    QCOMPARE(value(&row)->styleSheet(), QStringLiteral("color : ") + colour.name());
    QCOMPARE(title(&row)->styleSheet(), QStringLiteral("color : ") + colour.name());
}

void tst_TitleValueWidget::fixedTitle()
{
    TitleValueWidget row;
    RuntimeDisplayableData feed(description(QStringLiteral("SpeedGPS")));
    row.setDisplayableData(&feed);
    row.setFixedTitle(QStringLiteral("Heading"));
    QCOMPARE(row.fixedTitle(), QStringLiteral("Heading"));
    QCOMPARE(title(&row)->text(), QStringLiteral("Heading"));
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("3"));
    QCOMPARE(title(&row)->text(), QStringLiteral("Heading"));
    QCOMPARE(value(&row)->text(), QStringLiteral("3.0"));
    // Without a feed the fixed title stays and the value reads "-/-".
    row.setDisplayableData(nullptr);
    row.setFixedTitle(QStringLiteral("Heading"));
    QCOMPARE(title(&row)->text(), QStringLiteral("Heading"));
    QCOMPARE(value(&row)->text(), QStringLiteral("-/-"));
    // A feed whose line was switched off is shown the same way.
    RuntimeDisplayableData unbound(nullptr);
    row.setDisplayableData(&unbound);
    row.setFixedTitle(QStringLiteral("Heading"));
    QCOMPARE(title(&row)->text(), QStringLiteral("Heading"));
    QCOMPARE(value(&row)->text(), QStringLiteral("-/-"));
}

void tst_TitleValueWidget::rebinding()
{
    TitleValueWidget row;
    RuntimeDisplayableData first(description(QStringLiteral("SpeedGPS")));
    RuntimeDisplayableData second(description(QStringLiteral("SpeedSTWLog")));
    row.setDisplayableData(&first);
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("1"));
    QCOMPARE(value(&row)->text(), QStringLiteral("1.0"));
    row.setDisplayableData(&second);
    QCOMPARE(row.displayableData(), &second);
    receive(QStringLiteral("SpeedGPS"), QStringLiteral("2"));
    QCOMPARE(value(&row)->text(), QStringLiteral("1.0"));
    receive(QStringLiteral("SpeedSTWLog"), QStringLiteral("5"));
    QCOMPARE(title(&row)->text(), QStringLiteral("STW LOG"));
    QCOMPARE(value(&row)->text(), QStringLiteral("5.0"));
}

void tst_TitleValueWidget::pictures()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
    auto *row = new TitleValueWidget(&window);
    RuntimeDisplayableData feed(description(QStringLiteral("SpeedSTWLog")));
    row->setDisplayableData(&feed);
    receive(QStringLiteral("SpeedSTWLog"), QStringLiteral("-12.3"));
    for (const QSize size : { QSize(233, 145), QSize(320, 200) }) {
        window.resize(size);
        row->setGeometry(QRect(QPoint(0, 0), size));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image
            = ScreenPictures::save(row, QStringLiteral("row_%1x%2").arg(size.width()).arg(size.height()));
        QCOMPARE(image.size(), size);
        QVERIFY(ScreenPictures::pixelsNear(image, image.rect(), QColor(0x70, 0x91, 0xff)) > 100);
        QVERIFY(row->rect().contains(value(row)->geometry()));
        QVERIFY(value(row)->geometry().top() >= title(row)->geometry().bottom());
    }
}

QTEST_MAIN(tst_TitleValueWidget)
#include "tst_titlevaluewidget.moc"
