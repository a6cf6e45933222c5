// A faulty or hostile junction box, end to end: the display's system object started as the program starts
// it and paired with a junction-box peer of this test on the loopback of a private network namespace. The
// peer sends enumerated settings outside their lists and extreme numbers, as a settings text, as a single
// change and (for the display's own runtime pages) through a settings file; the open setup page and the
// runtime pages keep showing what is true, and the window's picture does not change where nothing changed.
// A flood of refused sentences leaves a bounded number of log lines.

#include "DebugCapture.h"
#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
#include "ScreenPictures.h"
#include "StartedSystem.h"

#include "core/MirloxSystem.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/SerializableClass.h"
#include "data/SerializationController.h"
#include "info/PropertyInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <optional>

namespace {

using namespace TestNetwork;

// The window's picture with the rectangles of the widgets left out (painted black), so that two pictures
// compare equal where nothing else changed.
QImage pictureWithout(QWidget *window, const QList<QWidget *> &widgets)
{
    QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QWidget *widget : widgets) {
        const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
        for (int y = qMax(0, area.top()); y <= qMin(picture.height() - 1, area.bottom()); ++y) {
            for (int x = qMax(0, area.left()); x <= qMin(picture.width() - 1, area.right()); ++x)
                picture.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return picture;
}

// The smallest rectangle that holds every pixel in which the two pictures differ; empty when none does.
QRect differingArea(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.rect().united(b.rect());
    QRect area;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                area = area.united(QRect(x, y, 1, 1));
        }
    }
    return area;
}

// Texts of the shared setup as the junction box sends them: one change, or the path as a whole-object text.
QString singleChange(const QString &path, const QString &item)
{
    return QStringLiteral("Type_Setup,SingleProperty,ESSetup,") + path + QLatin1Char(',') + item;
}

QString wholeText(const QString &path, const QString &item)
{
    QString text = QStringLiteral("Type_Setup");
    const QStringList objects = path.split(QLatin1Char(','));
    for (int depth = 0; depth < objects.size(); ++depth)
        text += QStringLiteral(",SerializableClass%1=").arg(depth + 1) + objects.at(depth);
    return text + QLatin1Char(',') + item;
}

} // namespace

class tst_HostileSettingsNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusedSettingLeavesPageAsItWas_data();
    void refusedSettingLeavesPageAsItWas();
    void runtimeChoicesFromFileOutsideTheirLists();
    void floodOfRefusedSentencesIsSummarised();

private:
    void start(const std::function<void()> &beforeStart = {});

    JunctionBoxPeer *m_peer = nullptr;
    std::optional<StartedSystem> m_started;
    BaseScreen *m_window = nullptr;
};

void tst_HostileSettingsNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
}

void tst_HostileSettingsNetns::init() { }

void tst_HostileSettingsNetns::start(const std::function<void()> &beforeStart)
{
    m_started.emplace(StartedSystem::withJunctionBox(beforeStart));
    QVERIFY(m_started->isStarted());
    m_peer = m_started->peer();
    m_window = m_started->get()->mainWindow();
    m_started->pair();
}

void tst_HostileSettingsNetns::cleanup()
{
    m_window = nullptr;
    m_started.reset();
    m_peer = nullptr;
}

// A hostile value is sent, then a good change of another setting of the same page: once the good one shows,
// the hostile one has been handled. It changed nothing: the setting and its button keep their value, and
// the window's picture is the same but for the button that the good change redrew.
void tst_HostileSettingsNetns::refusedSettingLeavesPageAsItWas_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("hostile");
    QTest::addColumn<bool>("asWholeText");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("goodButton");
    QTest::addColumn<QString>("goodShown");

    const QString options = QStringLiteral("SetupSetup,OptionsSetup");
    const QString port = QStringLiteral("CommunicationsSetup,NmeaPort1Setup");
    const struct
    {
        const char *tag;
        const char *hostile;
        bool whole;
    } vessel[] = {
        { "vessel image, largest int, single change", "VesselImage=2147483647", false },
        { "vessel image, largest int, whole text", "VesselImage=2147483647", true },
        { "vessel image past its list, single change", "VesselImage=99", false },
        { "vessel image negative, whole text", "VesselImage=-1", true },
        { "vessel image, smallest int, single change", "VesselImage=-2147483648", false },
    };
    for (const auto &row : vessel)
        QTest::newRow(row.tag) << "es_es_setup_btn"
                               << "page_es_es_setup" << options << row.hostile << row.whole
                               << "es_st_VesselImage_OptionsSetup_btn"
                               << "Platform "
                               << "AntennaHeight=55.5"
                               << "es_st_AntennaHeight_OptionsSetup_btn"
                               << "55.5 m";
    QTest::newRow("speed scale past its list, whole text")
        << "es_es_setup_btn"
        << "page_es_es_setup" << options << "ScalesSpeed=3" << true << "es_st_ScalesSpeed_OptionsSetup_btn"
        << "kn "
        << "AntennaHeight=55.5"
        << "es_st_AntennaHeight_OptionsSetup_btn"
        << "55.5 m";
    QTest::newRow("sentence switch past its list, single change")
        << "es_comms_setup_btn"
        << "page_es_comms_setup" << port << "VBW=99" << false << "es_st_VBW_NmeaPort1Setup_btn"
        << "off "
        << "VTG=0"
        << "es_st_VTG_NmeaPort1Setup_btn"
        << "ON ";
    QTest::newRow("sentence switch negative, whole text")
        << "es_comms_setup_btn"
        << "page_es_comms_setup" << port << "VBW=-5" << true << "es_st_VBW_NmeaPort1Setup_btn"
        << "off "
        << "VTG=0"
        << "es_st_VTG_NmeaPort1Setup_btn"
        << "ON ";
}

void tst_HostileSettingsNetns::refusedSettingLeavesPageAsItWas()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, page);
    QFETCH(QString, path);
    QFETCH(QString, hostile);
    QFETCH(bool, asWholeText);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(QString, good);
    QFETCH(QString, goodButton);
    QFETCH(QString, goodShown);
    start();
    QWidget *opened = m_started->openSetupPage(menuButton, page);
    QVERIFY(opened);
    auto *bound = opened->findChild<QPushButton *>(button);
    auto *goodBound = opened->findChild<QPushButton *>(goodButton);
    QVERIFY(bound && goodBound && goodBound->isVisible());
    QCOMPARE(bound->text(), shown);
    QVERIFY(goodBound->text() != goodShown);
    const QString property = hostile.section(QLatin1Char('='), 0, 0);
    SerializableClass *object = ESDataClass::instance()->setup()->findChild<SerializableClass *>(
        path.section(QLatin1Char(','), -1));
    QVERIFY(object);
    const QVariant value = object->property(qPrintable(property));
    // The clock of the title bar goes on by itself, and the page's scroll bars show themselves while the
    // page changes.
    QList<QWidget *> moving { goodBound, m_window->findChild<QWidget *>(QStringLiteral("clock_label")) };
    QVERIFY(moving.last());
    for (QScrollBar *bar : opened->findChildren<QScrollBar *>())
        moving.append(bar);
    const QImage before = pictureWithout(m_window, moving);

    DebugCapture capture;
    const QString text = asWholeText ? wholeText(path, hostile) : singleChange(path, hostile);
    m_peer->sendSettingsText(text, QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    m_peer->sendSettingsText(
        singleChange(path, good), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    QTRY_COMPARE(goodBound->text(), goodShown);

    QCOMPARE(object->property(qPrintable(property)), value);
    QVERIFY(object->isValid(property));
    QCOMPARE(bound->text(), shown);
    QCOMPARE(capture.count(QStringLiteral("Settings value not applied")), 1);
    // The vessel picture is still drawn: no picture number was made from the refused value.
    QCOMPARE(capture.count(QStringLiteral("Vessel picture missing")), 0);
    QCOMPARE(differingArea(pictureWithout(m_window, moving), before), QRect());
    QVERIFY(SerializationController::instance()->isLinkUp());

    const QString name = QStringLiteral("hostile-")
        + QString::fromLatin1(QTest::currentDataTag())
              .replace(QRegularExpression(QStringLiteral("[ ,]+")), QStringLiteral("-"));
    ScreenPictures::save(m_window, name + QStringLiteral("-800x480"));
    m_window->resize(1024, 600);
    QTRY_COMPARE(m_window->size(), QSize(1024, 600));
    QTRY_COMPARE(opened->window()->size(), QSize(1024, 600));
    QCOMPARE(bound->text(), shown);
    ScreenPictures::save(m_window, name + QStringLiteral("-1024x600"));
}

// Runtime page A's value choices read from a file with indexes past their lists keep their defaults: the
// side buttons show five different values and the lines their three, not the first choice on every one.
void tst_HostileSettingsNetns::runtimeChoicesFromFileOutsideTheirLists()
{
    DebugCapture capture;
    start([]() {
        ESRuntimeScreenSetup *pageA = ESDataClass::instance()->localSetup()->RuntimeScreenSetupA();
        QFile file(SerializableClass::settingsDirectory() + QStringLiteral("CU_RuntimeScreenSetupA.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "Information1=999,Information2=999,Information3=-1,Information4=32,Information5=2147483647,"
            "RuntimeData1=999,RuntimeData2=4,RuntimeData3=-7,BottomBar2=10");
        file.close();
        pageA->loadFromFile({});
    });
    QCOMPARE(capture.count(QStringLiteral("Settings value not applied")), 9);
    ESRuntimeScreenSetup *settings = ESDataClass::instance()->localSetup()->RuntimeScreenSetupA();
    QCOMPARE(settings->Information1(), 0);
    QCOMPARE(settings->Information2(), 11);
    QCOMPARE(settings->Information3(), 12);
    QCOMPARE(settings->Information4(), 13);
    QCOMPARE(settings->Information5(), 14);
    QCOMPARE(settings->RuntimeData1(), 0);
    QCOMPARE(settings->RuntimeData2(), 1);
    QCOMPARE(settings->RuntimeData3(), 2);
    QCOMPARE(settings->BottomBar2(), 3);

    const QStringList sideValues { "SpeedGPS", "PositionNS", "PositionEW", "Heading", "ROT" };
    for (int line = 1; line <= sideValues.size(); ++line) {
        auto *button = m_window->findChild<RuntimeScreenButton *>(
            QStringLiteral("es_rt_Information%1_RuntimeScreenSetupA_btn_1").arg(line));
        QVERIFY(button);
        AbstractButtonInfo *binding
            = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(button);
        QVERIFY(binding && binding->propertyInfo());
        QCOMPARE(binding->propertyInfo()->name(), sideValues.at(line - 1));
    }
    auto *page = m_window->findChild<RuntimeWidget_new *>(QStringLiteral("es_runtime_A"));
    QVERIFY(page);
    const QStringList lineValues { "SpeedGPS", "Total", "Trip" };
    for (int line = 1; line <= lineValues.size(); ++line) {
        const PropertyInfo *shown = page->lines().at(line - 1)->displayableData()->propertyInfo();
        QVERIFY(shown);
        QCOMPARE(shown->name(), lineValues.at(line - 1));
    }
    ScreenPictures::save(m_window, QStringLiteral("runtime-choices-from-file-800x480"));
    m_window->resize(1024, 600);
    QTRY_COMPARE(m_window->size(), QSize(1024, 600));
    ScreenPictures::save(m_window, QStringLiteral("runtime-choices-from-file-1024x600"));
}

// Thousands of SFICHANGE sentences that name no SFI: the first refusals are logged, the rest counted and
// told in one line a second; the link and the screens go on.
void tst_HostileSettingsNetns::floodOfRefusedSentencesIsSummarised()
{
    start();
    DebugCapture capture;
    const int sent = 3000;
    for (int i = 0; i < sent; ++i)
        m_peer->sendSentence(QStringLiteral("PQRVSFICHANGE,NOSFI%1,%2").arg(i).arg(junctionBoxSfi));
    const QString kind = QStringLiteral("SFI change to a text that is not an SFI");
    const QString summary = kind + QStringLiteral(": ");
    QTRY_VERIFY_WITH_TIMEOUT(capture.count(summary) >= 1, 10000);
    const int written = capture.count(kind + QStringLiteral(", ignored: NOSFI"));
    QVERIFY2(written == 100, qPrintable(QString::number(written)));
    // Every refusal of the flood that arrived is either written or counted in the summaries.
    int leftOut = 0;
    const QRegularExpression counted(QStringLiteral("^(\\d+) more lines of this kind left out$"));
    for (const QString &line : capture.messages()) {
        if (line.startsWith(summary))
            leftOut += counted.match(line.mid(summary.size())).captured(1).toInt();
    }
    QVERIFY(written + leftOut <= sent);
    QVERIFY(written + leftOut > 100);
    QVERIFY(SerializationController::instance()->isLinkUp());
}

QTEST_MAIN(tst_HostileSettingsNetns)
#include "tst_hostilesettings_netns.moc"
