// The button that keeps its scaled design position on the runtime pages and moves right while the side
// information is hidden.

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "info/ESDataInfoClass.h"
#include "ui/RuntimeScreenScale.h"
#include "ui/runtime/RuntimeScreens.h"
#include "ui/runtime/UnitButtonMoveFilter.h"

#include <QPushButton>
#include <QtTest>

#include <optional>

class tst_UnitButtonMoveFilter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void position_data();
    void position();
    void otherParent();

private:
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
};

void tst_UnitButtonMoveFilter::init()
{
    ESDataClass::instance()->localSetup()->RuntimeScreenSetupA()->setInformation(0);
    m_descriptions.emplace();
}

void tst_UnitButtonMoveFilter::cleanup()
{
    setRuntimeScreenScaleX(1.0);
    setRuntimeScreenScaleY(1.0);
    m_descriptions.reset();
    ESDataClass::instance()->localSetup()->RuntimeScreenSetupA()->setInformation(0);
}

void tst_UnitButtonMoveFilter::position_data()
{
    QTest::addColumn<bool>("sideInfoHidden");
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("side information shown") << false << 1.0 << 1.0 << QPoint(100, 40);
    QTest::newRow("preview, shown") << false << 0.625 << 0.75 << QPoint(62, 30);
}

void tst_UnitButtonMoveFilter::position()
{
    QFETCH(bool, sideInfoHidden);
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);

    RuntimeScreens screens;
    // As the main window does once the settings have announced their values.
    screens.initializeScreensData();
    auto *button = new QPushButton(QStringLiteral("kn"), &screens);
    button->setGeometry(100, 40, 60, 30);
    UnitButtonMoveFilter filter(button, 50);
    button->installEventFilter(&filter);
    QCOMPARE(filter.designPosition(), QPoint(100, 40));

    if (sideInfoHidden) {
        // Page A slides its side information away after the (shortened) auto-hide time.
        ESDataClass::instance()->localSetup()->RuntimeScreenSetupA()->setInformation(1);
        screens.setSideInfoInterval(100);
    }
    screens.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screens));
    // A press on page A's value area restarts the auto-hide time.
    auto *area = screens.findChild<QWidget *>(QStringLiteral("es_runtime_holder_1"));
    QVERIFY(area);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(100, 100));
    QTRY_COMPARE_WITH_TIMEOUT(screens.isSideInfoShown(), !sideInfoHidden, 2000);

    setRuntimeScreenScaleX(scaleX);
    setRuntimeScreenScaleY(scaleY);
    // Whoever moves the button (the scaling container, a layout), it lands where it belongs.
    button->move(0, 0);
    QTEST(button->pos(), "expected");
    button->move(300, 200);
    QTEST(button->pos(), "expected");
}

void tst_UnitButtonMoveFilter::otherParent()
{
    QWidget page;
    auto *button = new QPushButton(QStringLiteral("kn"), &page);
    button->move(100, 40);
    UnitButtonMoveFilter filter(button, 50);
    button->installEventFilter(&filter);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    button->move(10, 10);
    QCOMPARE(button->pos(), QPoint(100, 40));
}

QTEST_MAIN(tst_UnitButtonMoveFilter)
#include "tst_unitbuttonmovefilter.moc"
