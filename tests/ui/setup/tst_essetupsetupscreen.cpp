// The general system setup page: its rows bound through the setup menu, the vessel picture beside them,
// and the Reset dialog with what each of its choices sends to the junction box.

#include "FreshStores.h"
#include "ScreenPictures.h"
#include "ScreensWindow.h"

#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/SerializableClass.h"
#include "hardware/DimmingController.h"
#include "info/ESDataInfoClass.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvStandbyHandlers.h"
#include "ui/dialogs/CustomDialog.h"
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
    void resetDialogScalesWithWindow_data();
    void resetDialogScalesWithWindow();

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

void tst_ESSetupSetupScreen::resetDialogScalesWithWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("resizedTo");

    QTest::newRow("800x480") << QSize(800, 480) << QSize(1024, 600);
    QTest::newRow("1024x600") << QSize(1024, 600) << QSize(800, 480);
}

// In the main window, opened by pressing Reset on the page reached through the setup menu: the dialog's
// 800 x 480 design is scaled to the window, and follows the window when it changes size while open.
void tst_ESSetupSetupScreen::resetDialogScalesWithWindow()
{
    QFETCH(QSize, size);
    QFETCH(QSize, resizedTo);

    ScreensWindow window(size);
    QVERIFY(window.openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    auto *page = window->findChild<ESSetupSetupScreen *>();
    QVERIFY(page);
    QVERIFY(window.press(QStringLiteral("reset_btn")));
    QPointer<SystemResetDialog> dialog = page->currentDialog();
    QVERIFY(dialog && dialog->isVisible());

    const QList<QPair<QString, QRect>> design = {
        { "framed_dialog", QRect(60, 60, 671, 331) },
        { "title_label", QRect(32, 16, 191, 31) },
        { "restart_btn", QRect(30, 60, 171, 51) },
        { "restore_except_io_btn", QRect(30, 120, 171, 51) },
        { "restore_all_btn", QRect(30, 180, 171, 51) },
        { "title_label_3", QRect(210, 70, 431, 31) },
        { "title_label_4", QRect(210, 120, 431, 51) },
        { "title_label_5", QRect(210, 190, 431, 31) },
        { "cancel_btn", QRect(500, 250, 141, 51) },
    };
    for (const QSize &shown : { size, resizedTo }) {
        window.resize(shown);
        const double sx = shown.width() / 800.0;
        const double sy = shown.height() / 480.0;
        QCOMPARE(dialog->geometry(), QRect(QPoint(0, 0), shown));
        for (const auto &widget : design) {
            auto *child = dialog->findChild<QWidget *>(widget.first);
            QVERIFY2(child, qPrintable(widget.first));
            const QRect r = widget.second;
            QCOMPARE(child->geometry(),
                QRect(int(r.x() * sx), int(r.y() * sy), int(r.width() * sx), int(r.height() * sy)));
        }
        // The 14-point captions take the size of the window's other 14-point captions, such as those of
        // its message dialog.
        auto *restart = dialog->findChild<QWidget *>(QStringLiteral("restart_btn"));
        auto *messageButton = window->customDialog()->findChild<QWidget *>(QStringLiteral("ok_btn"));
        QCOMPARE(restart->font().pixelSize(), messageButton->font().pixelSize());

        // The panel's grey frame is drawn along its scaled right edge.
        const QImage picture = ScreenPictures::save(window.window(),
            QStringLiteral("reset-dialog-in-window-%1x%2").arg(shown.width()).arg(shown.height()));
        auto *frame = dialog->findChild<QWidget *>(QStringLiteral("framed_dialog"));
        const QRect panel(frame->mapTo(window.window(), QPoint(0, 0)), frame->size());
        const QRect rightEdge(panel.right() - 4, panel.top() + 5, 5, panel.height() - 10);
        QVERIFY(ScreenPictures::pixelsNear(picture, rightEdge, QColor(170, 170, 170), 4)
            > rightEdge.width() * rightEdge.height() * 9 / 10);
    }

    QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
}

QTEST_MAIN(tst_ESSetupSetupScreen)
#include "tst_essetupsetupscreen.moc"
