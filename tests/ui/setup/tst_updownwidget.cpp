// The installation-angle page and its arrow widget: when a press is written to the setting, the bounds,
// the repeat that speeds up and then grows the step while a button is held, the other button ignored
// during a burst, the heading label, and pictures.

#include "FreshStores.h"
#include "ScreenPictures.h"

#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/SerializableClass.h"
#include "info/ESDataInfoClass.h"
#include "info/PropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "ui/setup/MirLoxCalibrationWidget.h"
#include "ui/setup/UpDownWidget.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <optional>

class tst_UpDownWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void singlePressIsWrittenAtOnceAndAtBurstEnd();
    void heldButtonStopsAtBound_data();
    void heldButtonStopsAtBound();
    void otherButtonIgnoredDuringBurst();
    void heldButtonSpeedsUpThenGrowsStep_data();
    void heldButtonSpeedsUpThenGrowsStep();
    void headingLabel_data();
    void headingLabel();
    void pictures();

private:
    QPushButton *button(const char *name) const
    {
        return m_page->findChild<QPushButton *>(QLatin1String(name));
    }
    QString valueText() const { return m_page->findChild<QLabel *>(QStringLiteral("labelValue"))->text(); }
    // The texts sent for the installation angle so far.
    int angleWrites() const
    {
        int count = 0;
        for (const QList<QVariant> &arguments : *m_sent) {
            if (arguments.at(0).toString().contains(QLatin1String("MirloxInstallationAngle")))
                ++count;
        }
        return count;
    }
    ESOptionsSetup *options() const { return ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup(); }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    std::unique_ptr<MirLoxCalibrationWidget> m_page;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_UpDownWidget::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_page = std::make_unique<MirLoxCalibrationWidget>();
    m_page->resize(628, 447);
    // As at start-up: the descriptions announce their values once.
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_sent
        = std::make_unique<QSignalSpy>(SerializableClass::signalEmitter(), &SignalEmitter::signalEmitString);
}

void tst_UpDownWidget::cleanup()
{
    m_sent.reset();
    m_page.reset();
    m_registry.reset();
    m_stores.reset();
}

void tst_UpDownWidget::singlePressIsWrittenAtOnceAndAtBurstEnd()
{
    QCOMPARE(valueText(), QStringLiteral("0.0 °"));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button("increaseButton"), Qt::LeftButton);
    QCOMPARE(options()->MirloxInstallationAngle(), 0.1);
    QCOMPARE(angleWrites(), 1);
    QCOMPARE(valueText(), QStringLiteral("0.1 °"));

    // The burst ends 400 + 20 ms after its only press and writes the value again.
    QTRY_COMPARE_WITH_TIMEOUT(angleWrites(), 2, 2000);
    QVERIFY2(clock.elapsed() >= 390, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(options()->MirloxInstallationAngle(), 0.1);
    QCOMPARE(m_page->angleWidget()->multiplier(), 1.0f);
}

void tst_UpDownWidget::heldButtonStopsAtBound_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("bound");

    QTest::newRow("up") << "increaseButton" << 179.5 << 180.0;
    QTest::newRow("down") << "decreaseButton" << -179.6 << -180.0;
}

void tst_UpDownWidget::heldButtonStopsAtBound()
{
    QFETCH(QString, button);
    QFETCH(double, start);
    QFETCH(double, bound);

    options()->setProperty("MirloxInstallationAngle", start);
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    QPushButton *arrow = m_page->findChild<QPushButton *>(button);
    const QString boundText = QString::number(bound, 'f', 1) + QStringLiteral(" °");
    QTest::mousePress(arrow, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(valueText(), boundText, 5000);
    // Held on, it stays at the bound.
    QTest::qWait(300);
    QCOMPARE(valueText(), boundText);
    QTest::mouseRelease(arrow, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->angleWidget()->multiplier(), 1.0f, 2000);
    QTRY_COMPARE(options()->MirloxInstallationAngle(), bound);
    QCOMPARE(valueText(), boundText);
}

void tst_UpDownWidget::otherButtonIgnoredDuringBurst()
{
    QTest::mouseClick(button("increaseButton"), Qt::LeftButton);
    QTest::mouseClick(button("decreaseButton"), Qt::LeftButton);
    QCOMPARE(valueText(), QStringLiteral("0.1 °"));
    QCOMPARE(angleWrites(), 1);
    // Once the up burst has ended, the down button works.
    QTRY_COMPARE_WITH_TIMEOUT(angleWrites(), 2, 2000);
    QTest::mouseClick(button("decreaseButton"), Qt::LeftButton);
    QCOMPARE(valueText(), QStringLiteral("0.0 °"));
    QCOMPARE(options()->MirloxInstallationAngle(), 0.0);
    QCOMPARE(angleWrites(), 3);
}

void tst_UpDownWidget::heldButtonSpeedsUpThenGrowsStep_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("direction");
    QTest::addColumn<float>("largestMultiplier");

    QTest::newRow("up") << "increaseButton" << -170.0 << 1 << 10.0f;
    // The down side grows one step further.
    QTest::newRow("down") << "decreaseButton" << 170.0 << -1 << 11.0f;
}

void tst_UpDownWidget::heldButtonSpeedsUpThenGrowsStep()
{
    QFETCH(QString, button);
    QFETCH(double, start);
    QFETCH(int, direction);
    QFETCH(float, largestMultiplier);

    options()->setProperty("MirloxInstallationAngle", start);
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    UpDownWidget *widget = m_page->angleWidget();
    QPushButton *arrow = m_page->findChild<QPushButton *>(button);
    QCOMPARE(arrow->autoRepeatInterval(), 160);

    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(arrow, Qt::LeftButton);
    // The interval halves every fifth press down to 20 ms; only then does the step grow, at the
    // 20th press: 400 + 4 x 160 + 5 x 80 + 5 x 40 + 5 x 20 ms after the first.
    QTRY_COMPARE_WITH_TIMEOUT(arrow->autoRepeatInterval(), 20, 5000);
    QCOMPARE(widget->multiplier(), 1.0f);
    QTRY_COMPARE_WITH_TIMEOUT(widget->multiplier(), 2.0f, 5000);
    QVERIFY2(clock.elapsed() >= 1600, qPrintable(QString::number(clock.elapsed())));
    // Twenty presses of 0.1 each, and maybe a few of 0.2 since (a press every 20 ms), written only at the
    // first press so far.
    const double moved = direction * (double(widget->value()) - start);
    QVERIFY2(moved > 1.95 && moved < 3.05, qPrintable(QString::number(moved)));
    QCOMPARE(angleWrites(), 1);
    QCOMPARE(options()->MirloxInstallationAngle(), start + direction * 0.1);

    QTRY_COMPARE_WITH_TIMEOUT(widget->multiplier(), largestMultiplier, 8000);
    QTest::qWait(300);
    QCOMPARE(widget->multiplier(), largestMultiplier);
    QTest::mouseRelease(arrow, Qt::LeftButton);

    // The end of the burst writes the value shown and restores the first speed.
    QTRY_COMPARE_WITH_TIMEOUT(angleWrites(), 2, 2000);
    QCOMPARE(widget->multiplier(), 1.0f);
    QCOMPARE(arrow->autoRepeatInterval(), 160);
    QCOMPARE(
        QString::number(options()->MirloxInstallationAngle(), 'f', 1) + QStringLiteral(" °"), valueText());
}

void tst_UpDownWidget::headingLabel_data()
{
    QTest::addColumn<double>("antenna");
    QTest::addColumn<double>("vessel");

    QTest::newRow("small") << 12.3 << 10.0;
    QTest::newRow("large") << 359.9 << 181.25;
}

void tst_UpDownWidget::headingLabel()
{
    QFETCH(double, antenna);
    QFETCH(double, vessel);

    QLabel *upper = m_page->findChild<QLabel *>(QStringLiteral("upperLabel"));
    QCOMPARE(upper->text(), QStringLiteral("GPS Antenna installation angle:"));
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    runtime->setValid(QStringLiteral("HeadingFromAntenna"), true);
    runtime->setValid(QStringLiteral("Heading"), true);
    runtime->setHeadingFromAntenna(antenna);
    const ESDataInfoClass *registry = ESDataInfoClass::instance();
    const QString antennaText = registry->runtimePropertyInfo(QStringLiteral("HeadingFromAntenna"))->text();
    QCOMPARE(upper->text(),
        QStringLiteral("Antenna heading: ") + antennaText + QStringLiteral("\nVessel heading: ")
            + registry->runtimePropertyInfo(QStringLiteral("Heading"))->text());
    runtime->setHeading(vessel);
    const QString vesselText = registry->runtimePropertyInfo(QStringLiteral("Heading"))->text();
    QVERIFY(vesselText.startsWith(QString::number(vessel, 'f', 0).left(2)));
    QCOMPARE(upper->text(),
        QStringLiteral("Antenna heading: ") + antennaText + QStringLiteral("\nVessel heading: ")
            + vesselText);
}

void tst_UpDownWidget::pictures()
{
    UpDownWidget *widget = m_page->angleWidget();
    for (const QSize &size : { QSize(628, 447), QSize(800, 480), QSize(1024, 600) }) {
        m_page->resize(size);
        QCoreApplication::processEvents();
        const QImage image = ScreenPictures::save(
            m_page.get(), QStringLiteral("calibration-%1x%2").arg(size.width()).arg(size.height()));
        // The border lies inside the widget's edge, two pixels in.
        const QRect frame = widget->geometry();
        QVERIFY(ScreenPictures::isNear(
            image, frame.topLeft() + QPoint(3, frame.height() / 2), QColor(144, 255, 112)));
        QVERIFY(ScreenPictures::isNear(
            image, frame.topLeft() + QPoint(frame.width() / 2, 2), QColor(144, 255, 112)));
        // The label, the arrows and the value share the row without overlapping.
        const QWidget *title = m_page->findChild<QWidget *>(QStringLiteral("labelTitle"));
        const QWidget *up = button("increaseButton");
        const QWidget *value = m_page->findChild<QWidget *>(QStringLiteral("labelValue"));
        const QWidget *down = button("decreaseButton");
        QVERIFY(title->geometry().right() < up->geometry().left());
        QVERIFY(up->geometry().right() < value->geometry().left());
        QVERIFY(value->geometry().right() < down->geometry().left());
        QVERIFY(down->geometry().right() < widget->width());
        QVERIFY(up->height() > 40);
    }
}

QTEST_MAIN(tst_UpDownWidget)
#include "tst_updownwidget.moc"
