// A change made on a setup button, end to end: the display's system object started as the program starts
// it, paired with a junction-box peer of this test on the loopback of a private network namespace; real
// setup buttons in the main window bound to the system's own descriptions and driven through the setup
// controllers with the mouse and the on-screen keyboard. A shared setting arrives at the peer as the
// single-change text in a setup datagram; a local setting is saved to its "CU_" file and not sent.

#include "FreshInstance.h"
#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
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
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupPropertyInfo.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/sentences/PqrvPairingHandlers.h"
#include "ui/BaseScreen.h"
#include "ui/CustomDialog.h"
#include "ui/KeyBoardScreen.h"
#include "ui/PasswordWidget.h"
#include "ui/SetupEnumInterface.h"
#include "ui/SetupLongPressScreen.h"
#include "ui/SetupValueInterface.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const char displaySfi[] = "GN1000";
const char junctionBoxSfi[] = "GN1001";
// The default transmission group SATD.
const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;
const int fastRepeatMs = 50;

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

private:
    void pairWithPeer();
    QPushButton *bind(const QString &prefix, const QString &property, const QString &object);
    // The settings texts of every setup datagram the peer received, in arrival order.
    QStringList receivedSetupTexts() const;

    std::unique_ptr<JunctionBoxPeer> m_peer;
    std::optional<StartedSystem> m_started;
    std::optional<FreshInstance<SetupEnumInterface>> m_enums;
    std::optional<FreshInstance<SetupValueInterface>> m_values;
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
    m_peer.reset(new JunctionBoxPeer(QLatin1String(junctionBoxSfi), QLatin1String(groupAddress), groupPort));
    QVERIFY(m_peer->isBound());
    m_started.emplace([]() {
        NmeaHandlerContainer *handlers = NmeaHandlerContainer::instance();
        qobject_cast<HandlerPqrvPair *>(handlers->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")))
            ->setRepeatInterval(fastRepeatMs);
    });
    QVERIFY(m_started->isStarted());
    MirloxSystem *system = m_started->get();
    system->udpController()->nmeaOverUdpController()->nmeaOutputBuffer()->setPeriod(fastRepeatMs);
    m_window = system->mainWindow();

    // Controllers of this case over the system's descriptions, with the shared editors as overlays of
    // the main window, handed in as the window hands in its own.
    m_enums.emplace();
    m_values.emplace();
    auto overlay = [this](QWidget *widget) {
        widget->setGeometry(0, 0, m_window->width(), m_window->height());
        widget->hide();
        m_added.append(widget);
    };
    m_editor = new KeyBoardScreen(m_window);
    overlay(m_editor);
    auto *lock = new PasswordWidget(m_window);
    overlay(lock);
    auto *chooser = new SetupLongPressScreen(m_window);
    overlay(chooser);
    auto *dialog = new CustomDialog(m_window);
    overlay(dialog);
    lock->setMessageDialog(dialog);
    SetupValueInterface::instance()->setKeyboardScreen(m_editor);
    SetupEnumInterface::instance()->setLoginWidget(lock);
    SetupValueInterface::instance()->setLoginWidget(lock);
    SetupEnumInterface::instance()->setMessageDialog(dialog);
    SetupValueInterface::instance()->setMessageDialog(dialog);
    SetupEnumInterface::instance()->setLongPressScreen(chooser);
}

void tst_SetupChangeNetns::cleanup()
{
    qDeleteAll(m_added);
    m_added.clear();
    m_values.reset();
    m_enums.reset();
    m_window = nullptr;
    m_started.reset();
    m_peer.reset();
}

void tst_SetupChangeNetns::pairWithPeer()
{
    const QString pair
        = QStringLiteral("$PQRVPAIR,%1,%2,P*").arg(QLatin1String(displaySfi), QLatin1String(junctionBoxSfi));
    QTRY_VERIFY(m_peer->countStartingWith(pair) >= 1);
    m_peer->sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P")
                             .arg(QLatin1String(junctionBoxSfi), QLatin1String(displaySfi)));
    QSignalSpy accepted(
        SerializationController::instance(), &SerializationController::finishedDeserializingCompleteSetup);
    ESSetup junctionBoxSetup(nullptr, QStringLiteral("ESSetup"));
    m_peer->sendSettingsText(junctionBoxSetup.serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    QTRY_COMPARE(accepted.count(), 1);
    QVERIFY(SerializationController::instance()->isLinkUp());
}

QPushButton *tst_SetupChangeNetns::bind(const QString &prefix, const QString &property, const QString &object)
{
    auto *button = new QPushButton(m_window);
    button->setObjectName(prefix + QStringLiteral("_st_") + property + QLatin1Char('_') + object
        + QStringLiteral("_btn"));
    button->setGeometry(500, 100 + 60 * m_added.size(), 200, 50);
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
        if (!datagram.lines.isEmpty() && datagram.lines.first().textTag.startsWith(QLatin1String("pqrvsetup")))
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
    QTest::newRow("enumeration") << "VesselImage" << "OptionsSetup" << ""
                                 << "Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,VesselImage=1";
    // A free value, typed in the editor.
    QTest::newRow("value") << "AlarmShallow" << "AlertSetup" << "12.5"
                           << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=12.5";
}

void tst_SetupChangeNetns::sharedChangesReachJunctionBox()
{
    QFETCH(QString, property);
    QFETCH(QString, object);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    pairWithPeer();
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
    pairWithPeer();
    CU_R207_Setup *display = ESDataClass::instance()->localSetup()->DisplaySetup();
    QCOMPARE(display->AlarmSounder(), 0);
    QFile::remove(display->directory() + display->fileName());
    QPushButton *sounder = bind(QStringLiteral("ls"), QStringLiteral("AlarmSounder"), QStringLiteral("DisplaySetup"));
    QPushButton *vessel = bind(QStringLiteral("es"), QStringLiteral("VesselImage"), QStringLiteral("OptionsSetup"));

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

QTEST_MAIN(tst_SetupChangeNetns)
#include "tst_setupchange_netns.moc"
