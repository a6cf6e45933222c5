// A change made on a setup button, end to end: the display's system object started as the program starts
// it, paired with a junction-box peer of this test on the loopback of a private network namespace; real
// setup buttons in the main window bound to the system's own descriptions and driven through the setup
// controllers with the mouse and the on-screen keyboard. A shared setting arrives at the peer as the
// single-change text in a setup datagram; a local setting is saved to its "CU_" file and not sent.
// The setup side of the real window reached through its own buttons: the system reset of the general setup
// page sends the restart sentences or the restore request, and a setting the junction box sends shows at
// once on the bound button of the open page.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
#include "ScreenPictures.h"
#include "StartedSystem.h"
#include "VirtualKeyTyping.h"

#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "core/MirloxSystem.h"
#include "data/CU_R207_Setup.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/SetupPropertyInfo.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"
#include "sentences/PqrvStandbyHandlers.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/dialogs/SystemResetDialog.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/setup/ESSetupSetupScreen.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

#include <QSet>
#include <QStackedWidget>

#include <memory>
#include <optional>

namespace {

using namespace TestNetwork;
const int rebootRepeatMs = 40;

// The settings text a setup datagram carries: the data pieces of its "PQRVAVG" sentences joined.
QString settingsText(const JunctionBoxPeer::Datagram &datagram)
{
    QString text;
    for (const JunctionBoxPeer::Line &line : datagram.lines) {
        QString piece = line.sentence;
        if (!piece.startsWith(QLatin1String("$PQRVAVG,")))
            continue;
        piece.remove(0, 9);
        const int star = piece.lastIndexOf(QLatin1Char('*'));
        if (star >= 0)
            piece.truncate(star);
        text += piece;
    }
    return text;
}

// The inside of a picture of a widget, without its border and rounded corners, where the page behind
// shows through in the window's picture.
QImage inside(const QImage &picture)
{
    return picture.copy(picture.rect().adjusted(6, 6, -6, -6)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_SetupChangeNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sharedChangesReachJunctionBox_data();
    void sharedChangesReachJunctionBox();
    void localChangeIsSavedNotSent();
    void tripResetFromRuntimePage();
    void systemResetReachesJunctionBox_data();
    void systemResetReachesJunctionBox();
    void restartAnsweredByJunctionBox();
    void restoreRequestedTwiceIsSentTwice();
    void settingFromJunctionBoxShowsOnOpenPage_data();
    void settingFromJunctionBoxShowsOnOpenPage();
    void pageAfterRuntimeSetupLeavesRuntimePagesAlone();

private:
    QWidget *openSetupPage(const QString &menuButton, const QString &page)
    {
        return m_started->openSetupPage(menuButton, page);
    }
    // Reset on the general setup page, then the option's button in the dialog it opens.
    void chooseResetOption(const QString &optionButton);
    // The received REBOOT sentences, in arrival order.
    QStringList receivedReboots() const;
    // The distinct setup datagrams (resends left out) whose settings text is the text.
    int distinctSetupDatagrams(const QString &text) const;
    // The window's picture where the widget lies.
    QImage windowPictureOf(QWidget *widget) const;
    QPushButton *bind(const QString &prefix, const QString &property, const QString &object);
    // The settings texts of every setup datagram the peer received, in arrival order.
    QStringList receivedSetupTexts() const;

    JunctionBoxPeer *m_peer = nullptr;
    std::optional<StartedSystem> m_started;
    BaseScreen *m_window = nullptr;
    KeyBoardScreen *m_editor = nullptr;
    QList<QWidget *> m_added;
};

void tst_SetupChangeNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
}

void tst_SetupChangeNetns::init()
{
    m_started.emplace(StartedSystem::withJunctionBox([]() {
        NmeaHandlerContainer *handlers = NmeaHandlerContainer::instance();
        qobject_cast<HandlerPqrvReboot *>(handlers->handler(QStringLiteral("PQRV"), QStringLiteral("REBOOT")))
            ->setRepeatIntervals(rebootRepeatMs, 2 * rebootRepeatMs);
    }));
    QVERIFY(m_started->isStarted());
    m_peer = m_started->peer();
    m_window = m_started->get()->mainWindow();

    // The controllers took the window's own editors when the system built it.
    m_editor = m_window->keyboardScreen();
    QCOMPARE(SetupValueInterface::instance()->keyboardScreen(), m_editor);
    QVERIFY(SetupEnumInterface::instance()->longPressScreen());
    QCOMPARE(SetupEnumInterface::instance()->longPressScreen(),
        qobject_cast<SetupLongPressScreen *>(m_window->setupLongPressScreen()));
}

void tst_SetupChangeNetns::cleanup()
{
    qDeleteAll(m_added);
    m_added.clear();
    m_window = nullptr;
    m_started.reset();
    m_peer = nullptr;
}

void tst_SetupChangeNetns::chooseResetOption(const QString &optionButton)
{
    auto *general = m_window->findChild<ESSetupSetupScreen *>();
    QVERIFY(general && general->isVisible());
    auto *reset = general->findChild<QPushButton *>(QStringLiteral("reset_btn"));
    QVERIFY(reset && reset->isVisible());
    QTest::mouseClick(reset, Qt::LeftButton);
    QPointer<SystemResetDialog> dialog = general->currentDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->window(), m_window);
    // Over the whole window, and under the dimming overlay, which stays on top.
    QCOMPARE(dialog->geometry(), dialog->parentWidget()->rect());
    auto *overlay = m_window->findChild<QWidget *>(QStringLiteral("brightness_widget"));
    QVERIFY(overlay && overlay->parentWidget() == dialog->parentWidget());
    const QObjectList siblings = overlay->parentWidget()->children();
    QVERIFY(siblings.indexOf(overlay) > siblings.indexOf(dialog.data()));
    ScreenPictures::save(m_window, QStringLiteral("reset-dialog"));
    auto *option = dialog->findChild<QPushButton *>(optionButton);
    QVERIFY(option && option->isVisible());
    QTest::mouseClick(option, Qt::LeftButton);
    QVERIFY(!general->currentDialog());
    QTRY_VERIFY(!dialog);
}

QStringList tst_SetupChangeNetns::receivedReboots() const
{
    QStringList found;
    for (const JunctionBoxPeer::Line &line : m_peer->linesStartingWith(QStringLiteral("$PQRVREBOOT,")))
        found.append(line.sentence);
    return found;
}

int tst_SetupChangeNetns::distinctSetupDatagrams(const QString &text) const
{
    QSet<QString> keys;
    for (const JunctionBoxPeer::Datagram &datagram : m_peer->received()) {
        if (!datagram.lines.isEmpty() && datagram.lines.first().textTag.startsWith(QLatin1String("pqrvsetup"))
            && settingsText(datagram) == text)
            keys.insert(datagram.key);
    }
    return keys.size();
}

QImage tst_SetupChangeNetns::windowPictureOf(QWidget *widget) const
{
    QCoreApplication::processEvents();
    return m_window->grab(QRect(widget->mapTo(m_window, QPoint(0, 0)), widget->size())).toImage();
}

QPushButton *tst_SetupChangeNetns::bind(const QString &prefix, const QString &property, const QString &object)
{
    auto *button = new QPushButton(m_window);
    button->setObjectName(
        prefix + QStringLiteral("_st_") + property + QLatin1Char('_') + object + QStringLiteral("_btn"));
    button->setGeometry(500, 100 + 60 * m_added.size(), 200, 50);
    button->raise();
    button->show();
    m_added.prepend(button);
    SetupPropertyInfo *info = ESDataInfoClass::instance()->setupPropertyInfo(prefix, property, object);
    if (!info)
        qFatal("no description %s", qPrintable(property));
    info->setButton(button);
    return button;
}

QStringList tst_SetupChangeNetns::receivedSetupTexts() const
{
    QStringList found;
    for (const JunctionBoxPeer::Datagram &datagram : m_peer->received()) {
        if (!datagram.lines.isEmpty()
            && datagram.lines.first().textTag.startsWith(QLatin1String("pqrvsetup")))
            found.append(settingsText(datagram));
    }
    return found;
}

void tst_SetupChangeNetns::sharedChangesReachJunctionBox_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    // An enumerated setting, stepped by a short press.
    QTest::newRow("enumeration") << "VesselImage"
                                 << "OptionsSetup"
                                 << ""
                                 << "Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,VesselImage=1";
    // A free value, typed in the editor.
    QTest::newRow("value") << "AlarmShallow"
                           << "AlertSetup"
                           << "12.5"
                           << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=12.5";
}

void tst_SetupChangeNetns::sharedChangesReachJunctionBox()
{
    QFETCH(QString, property);
    QFETCH(QString, object);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    m_started->pair();
    QPushButton *button = bind(QStringLiteral("es"), property, object);

    if (typed.isEmpty()) {
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(), 150);
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(m_editor->isVisible());
        VirtualKeyTyping::type(m_editor->keyboard(), typed, { QStringLiteral("Enter") });
        QVERIFY(!m_editor->isVisible());
    }

    QTRY_VERIFY(receivedSetupTexts().contains(text));
    // Addressed to the junction box.
    for (const JunctionBoxPeer::Datagram &datagram : m_peer->received()) {
        if (settingsText(datagram) == text)
            QCOMPARE(datagram.lines.first().destinations, QStringList { QLatin1String(junctionBoxSfi) });
    }
}

void tst_SetupChangeNetns::localChangeIsSavedNotSent()
{
    m_started->pair();
    CU_R207_Setup *display = ESDataClass::instance()->localSetup()->DisplaySetup();
    QCOMPARE(display->AlarmSounder(), 0);
    QFile::remove(display->directory() + display->fileName());
    QPushButton *sounder
        = bind(QStringLiteral("ls"), QStringLiteral("AlarmSounder"), QStringLiteral("DisplaySetup"));
    QPushButton *vessel
        = bind(QStringLiteral("es"), QStringLiteral("VesselImage"), QStringLiteral("OptionsSetup"));

    QTest::mousePress(sounder, Qt::LeftButton);
    QTest::mouseRelease(sounder, Qt::LeftButton, {}, QPoint(), 150);
    QCOMPARE(display->AlarmSounder(), 1);
    QFile file(display->directory() + display->fileName());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(file.fileName().contains(QLatin1String("CU_DisplaySetup")));
    QVERIFY(QString::fromLocal8Bit(file.readAll()).contains(QLatin1String("AlarmSounder=1")));

    // A shared change made after it arrives; nothing of the local one came before it.
    QTest::mousePress(vessel, Qt::LeftButton);
    QTest::mouseRelease(vessel, Qt::LeftButton, {}, QPoint(), 150);
    QTRY_VERIFY(!receivedSetupTexts().filter(QStringLiteral("VesselImage=1")).isEmpty());
    for (const JunctionBoxPeer::Datagram &datagram : m_peer->received()) {
        for (const JunctionBoxPeer::Line &line : datagram.lines)
            QVERIFY2(!line.sentence.contains(QLatin1String("AlarmSounder")), qPrintable(line.sentence));
    }
}

void tst_SetupChangeNetns::tripResetFromRuntimePage()
{
    m_started->pair();
    // The second value button of page A, bound by the window, made to show the trip counter.
    auto *button = m_window->findChild<RuntimeScreenButton *>(
        QStringLiteral("es_rt_Information2_RuntimeScreenSetupA_btn_1"));
    QVERIFY(button);
    AbstractButtonInfo *binding
        = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(button);
    QVERIFY(binding);
    binding->choice()->setCurrentValue(QStringLiteral("Trip"));
    QCOMPARE(binding->propertyInfo()->name(), QStringLiteral("Trip"));
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    runtime->setValid(QStringLiteral("Trip"), true);
    runtime->setTrip(8.25);

    // Held for the long press on the real button.
    auto *single = button->findChild<QPushButton *>(QStringLiteral("single_btn"));
    QVERIFY(single && single->isVisible());
    QTest::mousePress(single, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(binding->propertyInfo()->text().startsWith(QLatin1String("0")), 3000);
    QTest::mouseRelease(single, Qt::LeftButton);
    QTRY_VERIFY(!m_peer->datagramsWith(QString(), QStringLiteral("Trip=0")).isEmpty());
    const QString text = settingsText(m_peer->datagramsWith(QString(), QStringLiteral("Trip=0")).first());
    QCOMPARE(text, QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0"));
}

void tst_SetupChangeNetns::systemResetReachesJunctionBox_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("reboots");
    QTest::addColumn<QString>("text");

    // Unanswered, the restart request goes out once and is repeated ten times.
    QTest::newRow("restart") << "restart_btn" << 11 << "";
    QTest::newRow("restore except IO")
        << "restore_except_io_btn" << 0
        << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,RestoreAllSetupsExceptIO=1";
    QTest::newRow("restore all") << "restore_all_btn" << 0
                                 << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,RestoreAllSetups=1";
    QTest::newRow("cancel") << "cancel_btn" << 0 << "";
}

// "System Setup" opened through the real menu, Reset pressed and an option chosen in the real dialog: the
// junction box receives the restart sentences or the restore request, and nothing else of the kind.
void tst_SetupChangeNetns::systemResetReachesJunctionBox()
{
    QFETCH(QString, option);
    QFETCH(int, reboots);
    QFETCH(QString, text);
    m_started->pair();
    QVERIFY(openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    chooseResetOption(option);

    if (reboots > 0)
        QTRY_COMPARE(receivedReboots().size(), reboots);
    if (!text.isEmpty())
        QTRY_COMPARE(distinctSetupDatagrams(text), 1);
    // Long enough for a further repetition or a stray send to arrive.
    QTest::qWait(8 * qMax(rebootRepeatMs, fastRepeatMs));

    QString request
        = JunctionBoxPeer::sentence(QStringLiteral("PQRVREBOOT,%1,C").arg(QLatin1String(displaySfi)));
    request.chop(2);
    QCOMPARE(receivedReboots(), QStringList(QVector<QString>(reboots, request).toList()));
    for (const JunctionBoxPeer::Line &line : m_peer->linesStartingWith(QStringLiteral("$PQRVREBOOT,")))
        QCOMPARE(line.source, QLatin1String(displaySfi));
    const QStringList restores = receivedSetupTexts().filter(QStringLiteral("RestoreAllSetups"));
    if (text.isEmpty()) {
        QVERIFY2(restores.isEmpty(), qPrintable(restores.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(QSet<QString>(restores.begin(), restores.end()), QSet<QString> { text });
        for (const JunctionBoxPeer::Datagram &datagram : m_peer->received()) {
            if (settingsText(datagram) == text)
                QCOMPARE(datagram.lines.first().destinations, QStringList { QLatin1String(junctionBoxSfi) });
        }
    }
    // Opening the page showed no other page on the way: the satellite page, current before, sent nothing.
    for (const JunctionBoxPeer::Datagram &datagram : m_peer->received())
        QVERIFY2(
            !settingsText(datagram).contains(QLatin1String("ShowFlag")), qPrintable(settingsText(datagram)));
}

// The junction box answers the restart request: the display replies once and then repeats its request ten
// more times at the longer interval, and stops.
void tst_SetupChangeNetns::restartAnsweredByJunctionBox()
{
    m_started->pair();
    QCOMPARE(
        ESDataClass::instance()->localSetup()->DisplaySetup()->PairedSFI(), QLatin1String(junctionBoxSfi));
    QVERIFY(openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    chooseResetOption(QStringLiteral("restart_btn"));
    QTRY_VERIFY(!receivedReboots().isEmpty());
    m_peer->sendSentence(QStringLiteral("PQRVREBOOT,%1,R").arg(QLatin1String(junctionBoxSfi)));

    auto withoutEnd = [](QString sentence) {
        sentence.chop(2);
        return sentence;
    };
    const QString request = withoutEnd(
        JunctionBoxPeer::sentence(QStringLiteral("PQRVREBOOT,%1,C").arg(QLatin1String(displaySfi))));
    const QString reply = withoutEnd(
        JunctionBoxPeer::sentence(QStringLiteral("PQRVREBOOT,%1,R").arg(QLatin1String(displaySfi))));
    auto afterReply = [&]() { return receivedReboots().mid(receivedReboots().indexOf(reply) + 1); };
    QTRY_VERIFY(receivedReboots().contains(reply));
    QTRY_COMPARE(afterReply().size(), 10);
    QTest::qWait(8 * 2 * rebootRepeatMs);

    const QStringList reboots = receivedReboots();
    QCOMPARE(reboots.count(reply), 1);
    const int answeredAt = reboots.indexOf(reply);
    // Before the answer only requests, at most the unanswered series.
    QVERIFY(answeredAt >= 1 && answeredAt <= 11);
    QCOMPARE(reboots.mid(0, answeredAt), QStringList(QVector<QString>(answeredAt, request).toList()));
    QCOMPARE(afterReply(), QStringList(QVector<QString>(10, request).toList()));
}

// The junction box may have missed the first request: the second is sent as well, as a datagram of its own.
void tst_SetupChangeNetns::restoreRequestedTwiceIsSentTwice()
{
    m_started->pair();
    const QString text = QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,RestoreAllSetups=1");
    QVERIFY(openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    chooseResetOption(QStringLiteral("restore_all_btn"));
    QTRY_COMPARE(distinctSetupDatagrams(text), 1);
    chooseResetOption(QStringLiteral("restore_all_btn"));
    QTRY_COMPARE(distinctSetupDatagrams(text), 2);
    QCOMPARE(ESDataClass::instance()->setup()->TQ55Setup()->RestoreAllSetups(), 1);
}

void tst_SetupChangeNetns::settingFromJunctionBoxShowsOnOpenPage_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    // A widget of the page whose picture must change as well, or none.
    QTest::addColumn<QString>("redrawn");

    // The vessel picture follows the length and the vessel choice at once.
    QTest::newRow("value") << "es_es_setup_btn"
                           << "page_es_es_setup"
                           << "Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,VesselLength=123.4"
                           << "es_st_VesselLength_OptionsSetup_btn"
                           << "123.4 m"
                           << "vesselGeometryWidget";
    QTest::newRow("choice") << "es_es_setup_btn"
                            << "page_es_es_setup"
                            << "Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,VesselImage=2"
                            << "es_st_VesselImage_OptionsSetup_btn"
                            << "Cruise "
                            << "vesselGeometryWidget";
    // The depth scale changes the unit of the vessel length shown beside it: 50 m in feet.
    QTest::newRow("scale of another value")
        << "es_es_setup_btn"
        << "page_es_es_setup"
        << "Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,ScalesDepth=1"
        << "es_st_VesselLength_OptionsSetup_btn"
        << "164.0 ft"
        << "";
    // A port page built by the communications page.
    QTest::newRow("port setting")
        << "es_comms_setup_btn"
        << "page_es_comms_setup"
        << "Type_Setup,SingleProperty,ESSetup,CommunicationsSetup,NmeaPort1Setup,Baud=2"
        << "es_st_Baud_NmeaPort1Setup_btn"
        << "115200 "
        << "";
}

void tst_SetupChangeNetns::settingFromJunctionBoxShowsOnOpenPage()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, page);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(QString, redrawn);
    m_started->pair();
    QWidget *opened = openSetupPage(menuButton, page);
    QVERIFY(opened);
    auto *bound = opened->findChild<QPushButton *>(button);
    QVERIFY(bound && bound->isVisible());
    QVERIFY(bound->text() != shown);
    const QImage before = windowPictureOf(bound);
    QWidget *other = redrawn.isEmpty() ? nullptr : opened->findChild<QWidget *>(redrawn);
    QVERIFY(redrawn.isEmpty() || (other && other->isVisible()));
    const QImage otherBefore = other ? windowPictureOf(other) : QImage();

    m_peer->sendSettingsText(text, QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    QTRY_COMPARE(bound->text(), shown);
    QVERIFY(opened->isVisible());
    // The window's picture shows the button as it now draws itself.
    const QImage after = windowPictureOf(bound);
    QCOMPARE(inside(after), inside(bound->grab().toImage()));
    QVERIFY(inside(after) != inside(before));
    if (other)
        QVERIFY(windowPictureOf(other) != otherBefore);
    ScreenPictures::save(m_window,
        QStringLiteral("received-")
            + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
}

// The runtime-page setup borrows the window's runtime pages while it is shown. Back in the menu, opening
// another page must not show it again on the way: the runtime pages stay where they are.
void tst_SetupChangeNetns::pageAfterRuntimeSetupLeavesRuntimePagesAlone()
{
    QWidget *runtimePages = m_window->runtimeScreens();
    QWidget *home = runtimePages->parentWidget();
    QWidget *preview
        = openSetupPage(QStringLiteral("es_runtime_setup_btn"), QStringLiteral("page_es_runtime_setup"));
    QVERIFY(preview);
    QVERIFY(preview->isAncestorOf(runtimePages));
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("config_button")), Qt::LeftButton);
    QTRY_COMPARE(runtimePages->parentWidget(), home);
    QVERIFY(!preview->isVisible());

    struct ParentChanges : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::ParentChange ? 1 : 0;
            return false;
        }
    } moves;
    runtimePages->installEventFilter(&moves);
    QVERIFY(openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    QTest::qWait(4 * fastRepeatMs);
    runtimePages->removeEventFilter(&moves);
    QCOMPARE(moves.count, 0);
    QCOMPARE(runtimePages->parentWidget(), home);
    QVERIFY(!preview->isVisible());
}

QTEST_MAIN(tst_SetupChangeNetns)
#include "tst_setupchange_netns.moc"
