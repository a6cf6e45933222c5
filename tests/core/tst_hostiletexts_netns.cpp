// What a hostile or faulty junction box sends never reaches the screens as something untrue, unbounded or
// unsafe. The display's system object started as the program starts it, with its main window, paired
// with a junction-box peer of this test on the loopback of a private network namespace; the peer sends
// texts with markup, control characters and thousands of characters, and runtime numbers too large for
// their fields, as runtime and alert texts (whole objects and single changes).
//
// Texts are shown as plain text, without control characters, cut to their fields; a runtime value whose
// text a field cannot show whole reads "-/-" in the colour of a doubtful value. On the pictures nothing
// changes outside the field that shows the text. The runtime-page setup's preview shows what the runtime
// page shows. Pictures are saved at 800 x 480 and 1024 x 600.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
#include "ScreenPictures.h"
#include "StartedSystem.h"

#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "data/ES_Alerts.h"
#include "data/RuntimeColorStore.h"
#include "data/SerializableAlertInfo.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeDockingWidget.h"
#include "ui/runtime/RuntimeHeadingScreen.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"
#include "ui/runtime/TitleValueWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/AlarmWidget.h"
#include "ui/window/BaseScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest>

#include <optional>

namespace {

using namespace TestNetwork;

const QString ellipsis = QString(QChar(0x2026));

QLabel *label(const QWidget *widget, const QString &name)
{
    return widget->findChild<QLabel *>(name);
}

// What a person reads on a label that may hold rich text.
QString readText(const QLabel *label)
{
    if (label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The width of the glyphs a label draws.
int drawnWidth(const QLabel *label)
{
    return label->fontMetrics().boundingRect(readText(label).trimmed()).width();
}

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// How many pixels differ between two pictures of the same widget outside the allowed rectangles.
int changedOutside(const QImage &before, const QImage &after, const QList<QRect> &allowed)
{
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (lineA[x] == lineB[x])
                continue;
            bool inside = false;
            for (const QRect &rect : allowed)
                inside = inside || rect.contains(x, y);
            count += inside ? 0 : 1;
        }
    }
    return count;
}

// A picture of the widget once the layouts have placed what changed.
QImage settledPicture(QWidget *widget)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return widget->grab().toImage();
}

// A rectangle of a descendant in the coordinates of one of its ancestors.
QRect rectIn(const QWidget *ancestor, const QWidget *widget)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The label shows the printable text whole, or its beginning with an ellipsis; either way within the label.
void verifyShownWithin(const QLabel *label, const QString &printable)
{
    const QString shown = readText(label);
    QVERIFY2(!hasControlCharacters(shown), qPrintable(shown.toLatin1().toHex()));
    if (shown != printable) {
        QVERIFY2(shown.endsWith(ellipsis), qPrintable(shown.left(80)));
        QVERIFY2(printable.startsWith(shown.chopped(1)), qPrintable(shown.left(80)));
    }
    QVERIFY2(drawnWidth(label) <= label->contentsRect().width(),
        qPrintable(
            QStringLiteral("%1 wider than %2").arg(drawnWidth(label)).arg(label->contentsRect().width())));
}

QString fileTag(const char *tag)
{
    return QString::fromLatin1(tag).replace(QLatin1Char(' '), QLatin1Char('-'));
}

} // namespace

class tst_HostileTextsNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void satellitePageTexts_data();
    void satellitePageTexts();
    void alertTexts_data();
    void alertTexts();
    void runtimeTextOnSideButton_data();
    void runtimeTextOnSideButton();
    void hugeRuntimeNumbers_data();
    void hugeRuntimeNumbers();
    void hugeNumbersOnDockingAndHeadingPages_data();
    void hugeNumbersOnDockingAndHeadingPages();
    void leftTitleWithHugeNumber_data();
    void leftTitleWithHugeNumber();
    void previewShowsWhatRuntimePageShows();

private:
    void sendRuntime(const QString &text) const { m_started->sendRuntime(text); }
    BaseScreen *window() const { return m_started->get()->mainWindow(); }
    JunctionBoxPeer *peer() const { return m_started->peer(); }
    void resizeWindow(const QSize &size);
    QWidget *openSetupPage(const QString &menuButton, const QString &page)
    {
        return m_started->openSetupPage(menuButton, page);
    }
    RuntimeWidget_new *pageA() const;
    RuntimeScreenButton *sideButton(int line) const;
    // Chooses the value of page A's first side button and, where it offers the value, its first line, as
    // the page's setup does.
    void showOnPageA(const QString &name);
    // Every line and side button of page A, as texts and colours (or integrity marks).
    QStringList pageASnapshot() const;

    std::optional<StartedSystem> m_started;
};

void tst_HostileTextsNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
}

void tst_HostileTextsNetns::init()
{
    m_started.emplace(StartedSystem::withJunctionBox());
    QVERIFY(m_started->isStarted());
    m_started->pair();
    QTRY_VERIFY(pageA() && pageA()->isVisible());
}

void tst_HostileTextsNetns::cleanup()
{
    m_started.reset();
}

void tst_HostileTextsNetns::resizeWindow(const QSize &size)
{
    window()->resize(size);
    QTRY_COMPARE(window()->size(), size);
}

RuntimeWidget_new *tst_HostileTextsNetns::pageA() const
{
    return window()->findChild<RuntimeWidget_new *>(QStringLiteral("es_runtime_A"));
}

RuntimeScreenButton *tst_HostileTextsNetns::sideButton(int line) const
{
    return window()->findChild<RuntimeScreenButton *>(
        QStringLiteral("es_rt_Information%1_RuntimeScreenSetupA_btn_1").arg(line));
}

void tst_HostileTextsNetns::showOnPageA(const QString &name)
{
    // Page A's lines choose among speed and distances only; its side buttons among every runtime value.
    auto *choice = qobject_cast<EnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QStringLiteral("RuntimeData1"), QStringLiteral("RuntimeScreenSetupA")));
    QVERIFY(choice);
    if (choice->indexOfValue(name) >= 0)
        choice->setCurrentValue(name);
    AbstractButtonInfo *binding
        = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(sideButton(1));
    QVERIFY(binding && binding->choice()->indexOfValue(name) >= 0);
    binding->choice()->setCurrentValue(name);
    QCOMPARE(binding->propertyInfo(), ESDataInfoClass::instance()->runtimePropertyInfo(name));
}

QStringList tst_HostileTextsNetns::pageASnapshot() const
{
    QStringList texts;
    for (SingleLineDisplayWidget *line : pageA()->lines()) {
        for (const char *name : { "titleLabel", "valueLabel" }) {
            QLabel *shown = label(line, QLatin1String(name));
            texts << shown->text() << shown->styleSheet();
        }
    }
    for (int i = 1; i <= 5; ++i) {
        for (const char *name : { "text_label", "value_label" }) {
            QLabel *shown = label(sideButton(i), QLatin1String(name));
            texts << readText(shown) << shown->property("integrityOk").toString();
        }
    }
    return texts;
}

// ---------------------------------------------------------------------------------------------------------
// Texts: plain, without control characters, inside their fields.

void tst_HostileTextsNetns::satellitePageTexts_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("wholeText");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("printable");

    const QSize small(800, 480);
    const QSize large(1024, 600);
    const QString heading = QStringLiteral("<h1>BIG</h1><br><br>Z");
    QTest::newRow("heading markup") << small << "label_GPS_HDOP_VAL"
                                    << "GPS_StatusHdop" << false << heading << heading;
    const QString table = QStringLiteral("<table><tr><td>A</td></tr><tr><td>B</td></tr></table>");
    QTest::newRow("table markup, whole text") << small << "label_GL_HDOP_VAL"
                                              << "GlonassStatusHdop" << true << table << table;
    const QString wide(3000, QLatin1Char('W'));
    QTest::newRow("3000 characters") << small << "label_GPS_EPE_VAL"
                                     << "GPS_StatusEPE" << false << wide << wide;
    QTest::newRow("control characters") << small << "label_SAT_NR__VAL"
                                        << "StatusSatsNr" << false
                                        << QStringLiteral("1\x01"
                                                          "2\x07\x1b"
                                                          "3\x7f")
                                        << "123";
    QTest::newRow("tab") << small << "label_GL_EPE_VAL"
                         << "GlonassStatusEPE" << true << QStringLiteral("4\t5") << "4 5";
    QTest::newRow("3000 characters, 1024 x 600") << large << "label_GPS_EPE_VAL"
                                                 << "GPS_StatusEPE" << true << wide << wide;
    QTest::newRow("heading markup, 1024 x 600") << large << "label_GPS_HDOP_VAL"
                                                << "GPS_StatusHdop" << false << heading << heading;
}

// The satellite page's figures as the junction box sends them, over the sky plot and the satellite rows.
void tst_HostileTextsNetns::satellitePageTexts()
{
    QFETCH(QSize, size);
    QFETCH(QString, labelName);
    QFETCH(QString, property);
    QFETCH(bool, wholeText);
    QFETCH(QString, sent);
    QFETCH(QString, printable);
    resizeWindow(size);
    QWidget *page = openSetupPage(
        QStringLiteral("es_diagnostics_setup_btn"), QStringLiteral("page_es_diagnostics_setup"));
    QVERIFY(page);
    QLabel *field = label(page, labelName);
    QVERIFY(field && field->isVisible());
    QWidget *plot = page->findChild<QWidget *>(QStringLiteral("widget"));
    QVERIFY(plot && plot->isVisible());

    const QString prefix = wholeText ? QStringLiteral("Type_Runtime,%1=%2=T")
                                     : QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,%1=%2");
    sendRuntime(prefix.arg(property, QStringLiteral("1.5")));
    QTRY_COMPARE(field->text(), QStringLiteral("1.5"));
    const QRect fieldBefore = rectIn(page, field);
    const QRect plotBefore = plot->geometry();
    const QImage before = settledPicture(page);

    sendRuntime(prefix.arg(property, sent));
    QTRY_VERIFY(field->text() != QLatin1String("1.5"));
    QCOMPARE(field->textFormat(), Qt::PlainText);
    const QImage after = settledPicture(page);
    verifyShownWithin(field, printable);
    if (QTest::currentTestFailed())
        return;
    // Neither the label nor the sky plot beside it moved or grew.
    QCOMPARE(rectIn(page, field), fieldBefore);
    QCOMPARE(plot->geometry(), plotBefore);
    QCOMPARE(changedOutside(before, after, { fieldBefore }), 0);
    ScreenPictures::save(window(), QStringLiteral("satellites-") + fileTag(QTest::currentDataTag()));
}

void tst_HostileTextsNetns::alertTexts_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("printable");

    const QSize small(800, 480);
    const QString heading = QStringLiteral("<h1>BIG</h1><br><br>Z");
    QTest::newRow("heading markup") << small << heading << heading;
    const QString wide(3000, QLatin1Char('W'));
    QTest::newRow("3000 characters") << small << wide << wide;
    QTest::newRow("control characters") << small << QStringLiteral("Deep\x01\x07 Water\x1b") << "Deep Water";
    QTest::newRow("3000 characters, 1024 x 600") << QSize(1024, 600) << wide << wide;
}

// The alarm panel's rows, from the alert texts as the junction box sends them (whole alert objects): the
// alert text within its row, before the row's button; an acknowledgement names the alert by the text as
// received.
void tst_HostileTextsNetns::alertTexts()
{
    QFETCH(QSize, size);
    QFETCH(QString, sent);
    QFETCH(QString, printable);
    resizeWindow(size);

    // A silenced alarm: the panel shows it steadily, and it can be acknowledged.
    ES_Alerts peerAlerts(nullptr, QStringLiteral("ESAlerts"));
    SerializableAlertInfo *shallow = peerAlerts.AlarmShallow();
    shallow->setAlertText(QStringLiteral("Shallow Water"));
    shallow->setAlertPriority(0);
    shallow->setAlertState(1);
    peer()->sendSettingsText(
        peerAlerts.serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QTRY_COMPARE(alerts->AlarmShallow()->AlertState(), 1);

    AlarmWidget *panel = window()->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    auto *open = panel->findChild<QPushButton *>(QStringLiteral("alarmIconButton"));
    QTRY_VERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QLabel *row = label(panel, QStringLiteral("alarmRowLabel0"));
    auto *acknowledge = panel->findChild<QPushButton *>(QStringLiteral("alarmAckButton0"));
    QTRY_VERIFY(row->isVisible() && acknowledge->isVisible());
    QTRY_COMPARE(row->text(), QStringLiteral("Shallow Water"));
    const QImage before = settledPicture(panel);
    // The text's field: from the label's start to the row's button.
    const QRect field(row->pos(), QSize(acknowledge->x() - row->x(), row->height()));

    shallow->setAlertText(sent);
    peer()->sendSettingsText(
        peerAlerts.serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));
    QTRY_COMPARE(alerts->AlarmShallow()->AlertText(), sent);
    QTRY_VERIFY(row->text() != QLatin1String("Shallow Water"));
    QCOMPARE(row->textFormat(), Qt::PlainText);
    const QImage after = settledPicture(panel);
    verifyShownWithin(row, printable);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(field.contains(row->geometry()),
        qPrintable(
            QStringLiteral("%1,%2 %3x%4").arg(row->x()).arg(row->y()).arg(row->width()).arg(row->height())));
    ScreenPictures::save(window(), QStringLiteral("alarm-panel-") + fileTag(QTest::currentDataTag()));
    QCOMPARE(changedOutside(before, after, { field }), 0);

    QSignalSpy written(alerts, &ES_Alerts::AckFromDisplayChanged);
    QTest::mouseClick(acknowledge, Qt::LeftButton);
    QCOMPARE(written.count(), 1);
    QCOMPARE(alerts->AckFromDisplay(), sent);
}

void tst_HostileTextsNetns::runtimeTextOnSideButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("shown");

    // Markup that a rich-text label would take as the start of bold text and draw nothing of.
    QTest::newRow("markup") << "GPS_StatusHdop"
                            << "<b>"
                            << "<b>";
    QTest::newRow("entity") << "GPS_StatusHdop"
                            << "&lt;"
                            << "&lt;";
    QTest::newRow("control characters") << "GPS_StatusHdop"
                                        << QStringLiteral("1\x01"
                                                          "2\x1b")
                                        << "12";
    // The widest texts of the default side buttons, which fill them to the frame.
    QTest::newRow("latitude") << "PositionNS"
                              << "5130.5"
                              << "51°30.5'";
    QTest::newRow("longitude") << "PositionEW"
                               << "12345.678"
                               << "123°46'";
}

// A runtime text chosen for page A's first side button.
void tst_HostileTextsNetns::runtimeTextOnSideButton()
{
    QFETCH(QString, name);
    QFETCH(QString, sent);
    QFETCH(QString, shown);
    showOnPageA(name);
    QLabel *button = label(sideButton(1), QStringLiteral("value_label"));

    sendRuntime(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,%1=%2").arg(name, sent));
    QTRY_COMPARE(readText(button).trimmed(), shown);
    QCOMPARE(button->property("integrityOk").toBool(), true);
    QVERIFY(drawnWidth(button) <= button->width());
}

// ---------------------------------------------------------------------------------------------------------
// Runtime numbers: whole, or "-/-" in the colour of a doubtful value.

void tst_HostileTextsNetns::hugeRuntimeNumbers_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QString>("buttonText");

    const QSize small(800, 480);
    const QSize large(1024, 600);
    QTest::newRow("speed 1e308") << small << "SpeedGPS"
                                 << "Type_Runtime,SingleProperty,ESRuntime,SpeedGPS=1e308"
                                 << "-/-"
                                 << "-/-";
    QTest::newRow("speed 1e308, whole text") << small << "SpeedGPS"
                                             << "Type_Runtime,SpeedGPS=1e308=T"
                                             << "-/-"
                                             << "-/-";
    // Only the side buttons of page A show the heading.
    QTest::newRow("heading 1e308") << small << "Heading"
                                   << "Type_Runtime,SingleProperty,ESRuntime,Heading=1e308"
                                   << ""
                                   << "-/-";
    // The line has room for it, the side button has not.
    QTest::newRow("fits the line, not the button") << small << "Total"
                                                   << "Type_Runtime,SingleProperty,ESRuntime,Total=12345678"
                                                   << "12345678.0"
                                                   << "-/-";
    QTest::newRow("speed 1e308, 1024 x 600") << large << "SpeedGPS"
                                             << "Type_Runtime,SingleProperty,ESRuntime,SpeedGPS=1e308"
                                             << "-/-"
                                             << "-/-";
    QTest::newRow("fits the line, not the button, 1024 x 600") << large << "Total"
                                                               << "Type_Runtime,Total=12345678=T"
                                                               << "12345678.0"
                                                               << "-/-";
}

void tst_HostileTextsNetns::hugeRuntimeNumbers()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, lineText);
    QFETCH(QString, buttonText);
    resizeWindow(size);
    showOnPageA(name);
    SingleLineDisplayWidget *line = pageA()->lines().first();
    QLabel *value = label(line, QStringLiteral("valueLabel"));
    QLabel *title = label(line, QStringLiteral("titleLabel"));
    RuntimeScreenButton *button = sideButton(1);
    QLabel *buttonValue = label(button, QStringLiteral("value_label"));
    QWidget *screens = window()->runtimeScreens();
    auto *description
        = qobject_cast<RuntimePropertyInfo *>(ESDataInfoClass::instance()->runtimePropertyInfo(name));
    const QColor classColour = RuntimeColorStore::instance()->colorFor(description->colorClass());
    const QColor lowColour = RuntimeColorStore::instance()->colorFor(QStringLiteral("LOW_integrity"));
    const bool onLine = !lineText.isEmpty();

    // Every value of page A drawn afresh: a widget takes up the colours of the palette when it redraws.
    sendRuntime(QStringLiteral("Type_Runtime,SpeedGPS=12.5=T,Total=12.5=T,Trip=12.5=T,PositionNS=5130.5=T,"
                               "PositionEW=01030.5=T,Heading=12.5=T,ROT=12.5=T"));
    QTRY_VERIFY(readText(buttonValue).startsWith(QLatin1String("12.5")));
    QCOMPARE(buttonValue->property("integrityOk").toBool(), true);
    if (onLine)
        QTRY_VERIFY(value->text().startsWith(QLatin1String("12.5")));
    // Every line and side button of page A that shows the value.
    QList<QRect> fields;
    for (SingleLineDisplayWidget *shown : pageA()->lines()) {
        if (shown->displayableData()->propertyInfo() == description)
            fields.append(rectIn(screens, shown));
    }
    for (int i = 1; i <= 5; ++i) {
        AbstractButtonInfo *binding
            = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(sideButton(i));
        if (binding->propertyInfo() == description)
            fields.append(rectIn(screens, sideButton(i)));
    }
    const QImage before = settledPicture(screens);

    sendRuntime(text);
    QTRY_VERIFY(!readText(buttonValue).startsWith(QLatin1String("12.5")));
    // Received and valid: only its text decides.
    QVERIFY(description->isValid());
    QCOMPARE(readText(buttonValue).trimmed(), buttonText);
    QCOMPARE(buttonValue->property("integrityOk").toBool(), false);
    if (onLine) {
        QTRY_COMPARE(value->text(), lineText);
        const QColor lineColour = lineText == QLatin1String("-/-") ? lowColour : classColour;
        QCOMPARE(value->styleSheet(), QStringLiteral("color : ") + lineColour.name());
        QCOMPARE(title->styleSheet(), QStringLiteral("color : ") + lineColour.name());
        QTRY_VERIFY(drawnWidth(value) <= value->contentsRect().width());
        // "-/-" is drawn in the colour of a doubtful value, not in the class colour.
        QVERIFY(ScreenPictures::pixelsNear(settledPicture(screens), rectIn(screens, value), lineColour) > 10);
    }

    ScreenPictures::save(window(), QStringLiteral("runtime-") + fileTag(QTest::currentDataTag()));
    QCOMPARE(changedOutside(before, settledPicture(screens), fields), 0);
}

void tst_HostileTextsNetns::hugeNumbersOnDockingAndHeadingPages_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800 x 480") << QSize(800, 480);
    QTest::newRow("1024 x 600") << QSize(1024, 600);
}

// Runtime pages C and D, reached with the navigation button, while the values keep arriving: a value whose
// number does not fit its label reads "-/-" and leaves its arrows dark, or is not shown at the side it
// moves to.
void tst_HostileTextsNetns::hugeNumbersOnDockingAndHeadingPages()
{
    QFETCH(QSize, size);
    resizeWindow(size);
    QTimer arriving;
    arriving.setInterval(50);
    connect(&arriving, &QTimer::timeout, this, [this]() {
        sendRuntime(QStringLiteral("Type_Runtime,SpeedSOGGpsLong=1e308=T,SpeedSOGGpsTraFore=12345678901=T,"
                                   "SpeedSOGGpsTraAft=-1.5=T,SpeedGPS=1e308=T,SpeedSTWLog=4.3=T,"
                                   "WaterCurrent=12345678901=T"));
    });
    arriving.start();
    auto *right = window()->findChild<QPushButton *>(QStringLiteral("navigate_right_button"));
    QVERIFY(right && right->isVisible());
    const QColor lowColour = RuntimeColorStore::instance()->colorFor(QStringLiteral("LOW_integrity"));

    auto *docking = window()->findChild<RuntimeDockingWidget *>(QStringLiteral("es_runtime_C"));
    QVERIFY(docking);
    // The pages the settings switch on, to the right of page A.
    for (int i = 0; i < 4 && !docking->isVisible(); ++i)
        QTest::mouseClick(right, Qt::LeftButton);
    QTRY_VERIFY(docking->isVisible());
    QLabel *centre = label(docking, QStringLiteral("labelCenter"));
    QLabel *aftToPort = label(docking, QStringLiteral("labelBottomLeft"));
    QTRY_VERIFY(aftToPort->isVisible());
    QCOMPARE(aftToPort->text(), QStringLiteral("1.5"));
    QCOMPARE(centre->text(), QStringLiteral("-/-"));
    QCOMPARE(centre->styleSheet(), QStringLiteral("color : ") + lowColour.name());
    QVERIFY(
        !docking->isArrowActive(DockingGeometry::Ahead) && !docking->isArrowActive(DockingGeometry::Astern));
    QVERIFY(!label(docking, QStringLiteral("labelTopLeft"))->isVisible());
    QVERIFY(!label(docking, QStringLiteral("labelTopRight"))->isVisible());
    QVERIFY(!docking->isArrowActive(DockingGeometry::ForeToPort));
    QVERIFY(!docking->isArrowActive(DockingGeometry::ForeToStarboard));
    QVERIFY(drawnWidth(centre) <= centre->width());
    ScreenPictures::save(window(), QStringLiteral("docking-") + fileTag(QTest::currentDataTag()));

    auto *heading = window()->findChild<RuntimeHeadingScreen *>();
    QVERIFY(heading);
    for (int i = 0; i < 4 && !heading->isVisible(); ++i)
        QTest::mouseClick(right, Qt::LeftButton);
    QTRY_VERIFY(heading->isVisible());
    QStringList values;
    for (TitleValueWidget *row : heading->rows()) {
        QLabel *value = label(row, QStringLiteral("valueLabel"));
        QVERIFY(drawnWidth(value) <= value->width());
        values << value->text();
        if (value->text() == QLatin1String("-/-"))
            QCOMPARE(value->styleSheet(), QStringLiteral("color : ") + lowColour.name());
    }
    QCOMPARE(values, QStringList({ "-/-", "4.3", "-/-" }));
    ScreenPictures::save(window(), QStringLiteral("heading-") + fileTag(QTest::currentDataTag()));
}

void tst_HostileTextsNetns::leftTitleWithHugeNumber_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("title");

    // The unit of the speed over ground stands in its title, not after its value.
    QTest::newRow("ordinary") << "12.34"
                              << "GPS Speed: 12.3";
    QTest::newRow("1e308") << "1e308"
                           << "GPS Speed: -/-";
    QTest::newRow("too wide for the title") << "12345678901234"
                                            << "GPS Speed: -/-";
}

// The setup side's title carries the speed over ground, which keeps arriving.
void tst_HostileTextsNetns::leftTitleWithHugeNumber()
{
    QFETCH(QString, sent);
    QFETCH(QString, title);
    QTimer arriving;
    arriving.setInterval(50);
    connect(&arriving, &QTimer::timeout, this,
        [this, sent]() { sendRuntime(QStringLiteral("Type_Runtime,SpeedGPS=%1=T").arg(sent)); });
    arriving.start();
    auto *speed = qobject_cast<RuntimePropertyInfo *>(
        ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("SpeedGPS")));
    QTRY_VERIFY(speed->isValid() && speed->sourceValue() != QLatin1String("-/-"));
    QVERIFY(openSetupPage(QStringLiteral("es_es_setup_btn"), QStringLiteral("page_es_es_setup")));
    QLabel *left = label(window(), QStringLiteral("title_label_left"));
    QTRY_COMPARE(left->text(), title);
    QVERIFY(speed->isValid());
    QVERIFY(drawnWidth(left) <= left->contentsRect().width());
    ScreenPictures::save(window(), QStringLiteral("left-title-") + fileTag(QTest::currentDataTag()));
}

// ---------------------------------------------------------------------------------------------------------
// The runtime-page setup's live preview.

// With runtime values arriving, the preview shows the runtime page's values, units and validity: before a
// change of the speed unit and after it, for a valid value and for one that becomes not valid.
void tst_HostileTextsNetns::previewShowsWhatRuntimePageShows()
{
    QTimer arriving;
    arriving.setInterval(50);
    connect(&arriving, &QTimer::timeout, this,
        [this]() { sendRuntime(QStringLiteral("Type_Runtime,SpeedGPS=12.34=T,Total=99.5=T,Trip=1.25=F")); });
    arriving.start();
    QLabel *speed = label(pageA()->lines().first(), QStringLiteral("valueLabel"));
    QTRY_COMPARE(speed->text(), QStringLiteral("12.3"));
    const QStringList runtimePage = pageASnapshot();

    QWidget *setup
        = openSetupPage(QStringLiteral("es_runtime_setup_btn"), QStringLiteral("page_es_runtime_setup"));
    QVERIFY(setup);
    QVERIFY(setup->isAncestorOf(window()->runtimeScreens()));
    QTRY_VERIFY(pageA()->isVisible());
    QCOMPARE(pageASnapshot(), runtimePage);
    ScreenPictures::save(window(), QStringLiteral("preview-kn"));

    // The junction box changes the speed unit while the preview is shown.
    peer()->sendSettingsText(
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,ScalesSpeed=1"),
        QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    QLabel *speedTitle = label(pageA()->lines().first(), QStringLiteral("titleLabel"));
    QTRY_COMPARE(speedTitle->text(), QStringLiteral("SOG m/s"));
    QTRY_COMPARE(speed->text(), QStringLiteral("6.3"));
    const QStringList preview = pageASnapshot();
    ScreenPictures::save(window(), QStringLiteral("preview-m-per-s"));

    QTest::mouseClick(window()->findChild<QPushButton *>(QStringLiteral("config_button")), Qt::LeftButton);
    QTRY_VERIFY(!setup->isVisible());
    QTest::mouseClick(window()->findChild<QPushButton *>(QStringLiteral("config_button")), Qt::LeftButton);
    QTRY_VERIFY(pageA()->isVisible() && !setup->isAncestorOf(window()->runtimeScreens()));
    QCOMPARE(pageASnapshot(), preview);

    // The speed becomes not valid while the preview is shown again.
    arriving.stop();
    QVERIFY(openSetupPage(QStringLiteral("es_runtime_setup_btn"), QStringLiteral("page_es_runtime_setup")));
    sendRuntime(QStringLiteral("Type_Runtime,SpeedGPS==F,Total=99.5=T,Trip=1.25=F"));
    QTRY_COMPARE(speed->text(), QStringLiteral("-/-"));
    const QStringList notValid = pageASnapshot();
    QTest::mouseClick(window()->findChild<QPushButton *>(QStringLiteral("config_button")), Qt::LeftButton);
    QTRY_VERIFY(!setup->isVisible());
    QTest::mouseClick(window()->findChild<QPushButton *>(QStringLiteral("config_button")), Qt::LeftButton);
    QTRY_VERIFY(pageA()->isVisible() && !setup->isAncestorOf(window()->runtimeScreens()));
    QCOMPARE(pageASnapshot(), notValid);
}

QTEST_MAIN(tst_HostileTextsNetns)
#include "tst_hostiletexts_netns.moc"
