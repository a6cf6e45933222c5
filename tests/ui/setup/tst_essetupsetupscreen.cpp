// The general system setup page: its rows bound through the setup menu, the vessel picture beside them,
// and the Reset dialog with what each of its choices sends to the junction box.

#include "FreshStores.h"
#include "ScreenPictures.h"

#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/SerializableClass.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvStandbyHandlers.h"
#include "ui/dialogs/SystemResetDialog.h"
#include "ui/setup/ESSetupSetupScreen.h"
#include "ui/setup/VesselGeometryWidget.h"
#include "ui/window/BaseScreen.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QtTest>

#include <QPointer>

#include <memory>
#include <optional>

class tst_ESSetupSetupScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void resetOptions_data();
    void resetOptions();
    void restoreRequestSentEveryTime();
    void overlayStaysAboveDialog();

private:
    // Opens the dialog with Reset and presses the option's button.
    void choose(const QString &optionButton)
    {
        QTest::mouseClick(m_page->findChild<QAbstractButton *>(QStringLiteral("reset_btn")), Qt::LeftButton);
        QPointer<SystemResetDialog> dialog = m_page->currentDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QAbstractButton *button = dialog->findChild<QAbstractButton *>(optionButton);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        // Answered: hidden at once and deleted with the next events.
        QVERIFY(!m_page->currentDialog());
        QTRY_VERIFY(dialog.isNull());
    }
    int sentWith(const QString &text) const
    {
        int count = 0;
        for (const QList<QVariant> &arguments : *m_sent)
            count += arguments.at(0).toString().contains(text) ? 1 : 0;
        return count;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
    DimmingController *m_dimming = nullptr;
    BaseScreen *m_window = nullptr;
    ESSetupSetupScreen *m_page = nullptr;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_ESSetupSetupScreen::init()
{
    m_stores.emplace();
    m_registry.emplace();
    m_dimming = new DimmingController;
    m_window = new BaseScreen(ESDataClass::instance()->alerts(), m_dimming);
    QWidget *content = m_window->findChild<QWidget *>(QStringLiteral("custom_layout"));
    QVERIFY(content);
    m_page = new ESSetupSetupScreen(content);
    m_page->setGeometry(0, 34, 800, 447);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_sent
        = std::make_unique<QSignalSpy>(SerializableClass::signalEmitter(), &SignalEmitter::signalEmitString);
}

void tst_ESSetupSetupScreen::cleanup()
{
    m_sent.reset();
    delete m_window;
    delete m_dimming;
    m_registry.reset();
    m_stores.reset();
}

void tst_ESSetupSetupScreen::layout()
{
    VesselGeometryWidget *vessel = m_page->vesselGeometryWidget();
    QCOMPARE(vessel->objectName(), QStringLiteral("vesselGeometryWidget"));
    const QStringList properties { "VesselImage", "VesselLength", "AntennaHeight", "CcrpToAntennaDistance",
        "CcrpToBowDistance", "CcrpToSternDistance", "RotFrom", "RotAverage", "MaxSpeed", "ScalesDepth",
        "ScalesSpeed" };
    const ESDataInfoClass *registry = ESDataInfoClass::instance();
    for (int row = 0; row < properties.size(); ++row) {
        const QString name
            = QStringLiteral("es_st_") + properties.at(row) + QStringLiteral("_OptionsSetup_btn");
        QAbstractButton *button = m_page->findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->parentWidget()->mapTo(m_page, button->pos()), QPoint(510 + 165, 64 * row + 12));
        QVERIFY2(registry->setupPropertyInfo(
                     QStringLiteral("es"), properties.at(row), QStringLiteral("OptionsSetup")),
            qPrintable(name));
    }
    // Beside the rows, not under them.
    QCOMPARE(vessel->geometry(), QRect(0, 0, 510, 384));
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        m_window->resize(size);
        QCoreApplication::processEvents();
        ScreenPictures::save(
            m_window, QStringLiteral("general-setup-%1x%2").arg(size.width()).arg(size.height()));
    }
}

void tst_ESSetupSetupScreen::resetOptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("restoreAll");
    QTest::addColumn<int>("restoreExceptIo");
    QTest::addColumn<bool>("reboot");

    QTest::newRow("restart") << "restart_btn" << 0 << 0 << true;
    QTest::newRow("restore except IO") << "restore_except_io_btn" << 0 << 1 << false;
    QTest::newRow("restore all") << "restore_all_btn" << 1 << 0 << false;
    QTest::newRow("cancel") << "cancel_btn" << 0 << 0 << false;
}

void tst_ESSetupSetupScreen::resetOptions()
{
    QFETCH(QString, button);
    QFETCH(int, restoreAll);
    QFETCH(int, restoreExceptIo);
    QFETCH(bool, reboot);

    auto *rebootHandler = qobject_cast<HandlerPqrvReboot *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("REBOOT")));
    QVERIFY(rebootHandler);
    QVERIFY(!rebootHandler->isRepeating());
    choose(button);
    ESTQ55Setup *setup = ESDataClass::instance()->setup()->TQ55Setup();
    QCOMPARE(setup->RestoreAllSetups(), restoreAll);
    QCOMPARE(setup->RestoreAllSetupsExceptIO(), restoreExceptIo);
    QCOMPARE(sentWith(QStringLiteral("RestoreAllSetups")), restoreAll + restoreExceptIo);
    // The reboot request repeats until the junction box answers.
    QCOMPARE(rebootHandler->isRepeating(), reboot);
}

void tst_ESSetupSetupScreen::restoreRequestSentEveryTime()
{
    ESTQ55Setup *setup = ESDataClass::instance()->setup()->TQ55Setup();
    QSignalSpy changes(setup, &ESTQ55Setup::RestoreAllSetupsChanged);
    choose(QStringLiteral("restore_all_btn"));
    choose(QStringLiteral("restore_all_btn"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(sentWith(QStringLiteral("RestoreAllSetups")), 2);
}

// The dialog lies beneath the window's dimming overlay, which lets every touch through to it.
void tst_ESSetupSetupScreen::overlayStaysAboveDialog()
{
    QTest::mouseClick(m_page->findChild<QAbstractButton *>(QStringLiteral("reset_btn")), Qt::LeftButton);
    SystemResetDialog *dialog = m_page->currentDialog();
    QVERIFY(dialog);
    QWidget *overlay = m_window->findChild<QWidget *>(QStringLiteral("brightness_widget"));
    QVERIFY(overlay->isVisible());
    QCOMPARE(dialog->parentWidget(), overlay->parentWidget());
    const QObjectList siblings = overlay->parentWidget()->children();
    QVERIFY(siblings.indexOf(overlay) > siblings.indexOf(dialog));
    QCOMPARE(dialog->geometry(), overlay->parentWidget()->rect());
    ScreenPictures::save(m_window, QStringLiteral("reset-dialog-800x480"));
    QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
    QVERIFY(!m_page->currentDialog());
}

QTEST_MAIN(tst_ESSetupSetupScreen)
#include "tst_essetupsetupscreen.moc"
