// Runtime values end to end: the display's system object started as the program starts it, paired with a
// junction-box peer of this test on the loopback of a private network namespace. The peer sends runtime
// values as the unit receives them (settings texts in runtime data datagrams); they appear on page A of the
// real main window, on its value lines (bound by the page's local "RuntimeData" settings) and on its side
// information buttons, with their units and in their colour class's colour; a value that goes invalid
// shows "-/-" in the low-integrity colour. The same is checked on pictures of the main window, which are
// saved at two sizes.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
#include "ScreenPictures.h"
#include "StartedSystem.h"

#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "core/MirloxSystem.h"
#include "data/ESSetup.h"
#include "data/RuntimeColorStore.h"
#include "data/SerializationController.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui/runtime/SingleLineDisplayWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"
#include "ui/window/BaseScreen.h"

#include <QLabel>
#include <QTextDocument>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

using namespace TestNetwork;

QLabel *label(QWidget *widget, const char *name)
{
    return widget->findChild<QLabel *>(QLatin1String(name));
}
QString styleColour(QLabel *label)
{
    return label->styleSheet().mid(QStringLiteral("color : ").size());
}
// What a person reads on a label that may hold rich text (italic units).
QString plainText(QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}
RuntimePropertyInfo *description(const QString &name)
{
    return qobject_cast<RuntimePropertyInfo *>(ESDataInfoClass::instance()->runtimePropertyInfo(name));
}
QColor classColour(const QString &name)
{
    return RuntimeColorStore::instance()->colorFor(description(name)->colorClass());
}
// Whether the colour store holds the current palette's colours: without them every class gives the
// store's fallback colour and valid and doubtful values look alike.
bool storeHasPalette(const QString &name)
{
    return classColour(name) != RuntimeColorStore::instance()->fallbackColor();
}
QColor lowIntegrityColour()
{
    return RuntimeColorStore::instance()->colorFor(QStringLiteral("LOW_integrity"));
}

} // namespace

class tst_RuntimeNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void receivedValuesOnPageA_data();
    void receivedValuesOnPageA();
    void invalidValuesOnPageA_data();
    void invalidValuesOnPageA();
    void valueLineOnThePicture();

private:
    void sendRuntime(const QString &text);
    // Page A of the main window, on screen.
    RuntimeWidget_new *pageA() const;
    // Chooses the value for page A's value line and side information button of the same number.
    void show(int line, const QString &name);
    RuntimeScreenButton *sideButton(int line) const;

    JunctionBoxPeer *m_peer = nullptr;
    std::optional<StartedSystem> m_started;
    BaseScreen *m_window = nullptr;
};

void tst_RuntimeNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
}

void tst_RuntimeNetns::init()
{
    m_started.emplace(StartedSystem::withJunctionBox());
    QVERIFY(m_started->isStarted());
    m_peer = m_started->peer();
    m_window = m_started->get()->mainWindow();
    m_started->pair();
    QTRY_VERIFY(pageA() && pageA()->isVisible());
}

void tst_RuntimeNetns::cleanup()
{
    m_window = nullptr;
    m_started.reset();
    m_peer = nullptr;
}

void tst_RuntimeNetns::sendRuntime(const QString &text)
{
    m_started->sendRuntime(text);
}

RuntimeWidget_new *tst_RuntimeNetns::pageA() const
{
    return m_window->findChild<RuntimeWidget_new *>(QStringLiteral("es_runtime_A"));
}

RuntimeScreenButton *tst_RuntimeNetns::sideButton(int line) const
{
    return m_window->findChild<RuntimeScreenButton *>(
        QStringLiteral("es_rt_Information%1_RuntimeScreenSetupA_btn_1").arg(line));
}

void tst_RuntimeNetns::show(int line, const QString &name)
{
    // The page's own local setting, as its setup page changes it.
    auto *choice = qobject_cast<EnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo(QStringLiteral("ls"),
            QStringLiteral("RuntimeData%1").arg(line), QStringLiteral("RuntimeScreenSetupA")));
    QVERIFY(choice);
    QVERIFY2(choice->indexOfValue(name) >= 0,
        qPrintable(name + QLatin1String(" not in ") + choice->selectableValues().join(QLatin1Char(' '))));
    choice->setCurrentValue(name);
    QCOMPARE(pageA()->lines().at(line - 1)->displayableData()->propertyInfo(), description(name));

    RuntimeScreenButton *button = sideButton(line);
    QVERIFY(button);
    AbstractButtonInfo *binding
        = RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(button);
    QVERIFY(binding);
    binding->choice()->setCurrentValue(name);
    QCOMPARE(binding->propertyInfo(), description(name));
}

void tst_RuntimeNetns::receivedValuesOnPageA_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("lineTitle");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<QString>("buttonTitle");

    // A speed with its unit in the title; one decimal.
    QTest::newRow("speed over ground") << 1 << "SpeedGPS"
                                       << "12"
                                       << "SOG kn"
                                       << "12.0"
                                       << "12.0"
                                       << "SOG kn";
    // The distances: the total with one decimal, the trip with two.
    QTest::newRow("total distance") << 2 << "Total"
                                    << "1234.56"
                                    << "Total NM"
                                    << "1234.6"
                                    << "1234.6"
                                    << "Total NM";
    QTest::newRow("trip distance") << 3 << "Trip"
                                   << "3.456"
                                   << "Trip NM"
                                   << "3.46"
                                   << "3.46"
                                   << "Trip NM";
    // Rounded to the shown decimals, on another line.
    QTest::newRow("speed rounded down to zero") << 2 << "SpeedGPS"
                                                << "0.04"
                                                << "SOG kn"
                                                << "0.0"
                                                << "0.0"
                                                << "SOG kn";
}

void tst_RuntimeNetns::receivedValuesOnPageA()
{
    QFETCH(int, line);
    QFETCH(QString, name);
    QFETCH(QString, sent);
    QFETCH(QString, lineTitle);
    QFETCH(QString, lineText);
    QFETCH(QString, buttonText);
    QFETCH(QString, buttonTitle);
    show(line, name);
    SingleLineDisplayWidget *row = pageA()->lines().at(line - 1);
    QVERIFY(row->isVisible());
    RuntimeScreenButton *button = sideButton(line);

    sendRuntime(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,%1=%2").arg(name, sent));

    QTRY_COMPARE(label(row, "valueLabel")->text(), lineText);
    QCOMPARE(label(row, "titleLabel")->text(), lineTitle);
    QCOMPARE(styleColour(label(row, "valueLabel")), classColour(name).name());
    QCOMPARE(styleColour(label(row, "titleLabel")), classColour(name).name());
    QTRY_COMPARE(plainText(label(button, "value_label")), buttonText);
    QCOMPARE(label(button, "value_label")->property("integrityOk").toBool(), true);
    // The side button names the value above it, with the unit its value text leaves out.
    QLabel *titleLabel = label(button, "text_label");
    QVERIFY(titleLabel->isVisible());
    QCOMPARE(plainText(titleLabel).trimmed(), buttonTitle);
}

void tst_RuntimeNetns::invalidValuesOnPageA_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("valid");
    QTest::addColumn<QString>("invalid");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QString>("buttonText");

    // A single change without a value: the value is lost.
    QTest::newRow("single change without value") << "Trip"
                                                 << "Type_Runtime,SingleProperty,ESRuntime,Trip=2.5"
                                                 << "Type_Runtime,SingleProperty,ESRuntime,Trip="
                                                 << "-/-"
                                                 << "-/-";
    // The whole runtime text, its item marked not valid by the sender and without a value.
    QTest::newRow("whole text, item not valid") << "SpeedGPS"
                                                << "Type_Runtime,SpeedGPS=4.2=T"
                                                << "Type_Runtime,SpeedGPS==F"
                                                << "-/-"
                                                << "-/-";
    // A value whose sender has no integrity for it: shown, in the low-integrity colour.
    QTest::newRow("value without integrity") << "Total"
                                             << "Type_Runtime,Total=10=T"
                                             << "Type_Runtime,Total=11=F"
                                             << "11.0"
                                             << "11.0";
}

void tst_RuntimeNetns::invalidValuesOnPageA()
{
    QFETCH(QString, name);
    QFETCH(QString, valid);
    QFETCH(QString, invalid);
    QFETCH(QString, lineText);
    QFETCH(QString, buttonText);
    show(1, name);
    SingleLineDisplayWidget *row = pageA()->lines().at(0);
    RuntimeScreenButton *button = sideButton(1);
    QLabel *value = label(row, "valueLabel");

    sendRuntime(valid);
    QTRY_VERIFY(value->text() != QLatin1String("-/-"));
    QCOMPARE(styleColour(value), classColour(name).name());
    QVERIFY2(storeHasPalette(name), "the palette reached the colour store at start-up");
    QVERIFY(classColour(name) != lowIntegrityColour());

    sendRuntime(invalid);
    QTRY_COMPARE(value->text(), lineText);
    QCOMPARE(styleColour(value), lowIntegrityColour().name());
    QCOMPARE(styleColour(label(row, "titleLabel")), lowIntegrityColour().name());
    QTRY_COMPARE(plainText(label(button, "value_label")).section(QLatin1Char(' '), 0, 0), buttonText);
    QCOMPARE(label(button, "value_label")->property("integrityOk").toBool(), false);
    QCOMPARE(label(button, "text_label")->property("integrityOk").toBool(), false);
}

void tst_RuntimeNetns::valueLineOnThePicture()
{
    const QString name = QStringLiteral("Trip");
    show(1, name);
    SingleLineDisplayWidget *row = pageA()->lines().at(0);
    QLabel *value = label(row, "valueLabel");
    const QColor validColour = classColour(name);
    const QColor lowColour = lowIntegrityColour();

    struct Size
    {
        QSize size;
        QString suffix;
    };
    const QList<Size> sizes { { QSize(800, 480), QStringLiteral("800x480") },
        { QSize(1280, 800), QStringLiteral("1280x800") } };
    for (const Size &size : sizes) {
        m_window->resize(size.size);
        QTRY_COMPARE(m_window->size(), size.size);
        sendRuntime(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=12.34"));
        QTRY_COMPARE(value->text(), QStringLiteral("12.34"));
        QTest::qWait(50);
        const QRect rect(value->mapTo(m_window, QPoint(0, 0)), value->size());
        QVERIFY(rect.intersects(m_window->rect()));
        const QImage valid = ScreenPictures::save(m_window, QStringLiteral("trip_valid_") + size.suffix);
        QCOMPARE(valid.size() / valid.devicePixelRatio(), size.size);

        sendRuntime(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip="));
        QTRY_COMPARE(value->text(), QStringLiteral("-/-"));
        QTest::qWait(50);
        const QImage invalid = ScreenPictures::save(m_window, QStringLiteral("trip_invalid_") + size.suffix);

        const int validBefore = ScreenPictures::pixelsNear(valid, rect, validColour);
        const int lowBefore = ScreenPictures::pixelsNear(valid, rect, lowColour);
        const int validAfter = ScreenPictures::pixelsNear(invalid, rect, validColour);
        const int lowAfter = ScreenPictures::pixelsNear(invalid, rect, lowColour);
        const QByteArray counts = QStringLiteral("%1: valid colour %2 -> %3, low-integrity colour %4 -> %5")
                                      .arg(size.suffix)
                                      .arg(validBefore)
                                      .arg(validAfter)
                                      .arg(lowBefore)
                                      .arg(lowAfter)
                                      .toLatin1();
        // The digits are drawn in the class colour, "-/-" in the low-integrity colour.
        QVERIFY2(validBefore > 20, counts.constData());
        QVERIFY2(lowBefore == 0, counts.constData());
        // A few pixels of the class colour may belong to neighbours that reach into the rectangle; the
        // digits themselves are gone.
        QVERIFY2(validAfter * 50 < validBefore, counts.constData());
        QVERIFY2(lowAfter > 10, counts.constData());
        qInfo("%s", counts.constData());

        // The side button's title is drawn above its button: in the orange of a doubtful value, at the
        // top of the button, over the value.
        RuntimeScreenButton *button = sideButton(1);
        QLabel *buttonTitle = label(button, "text_label");
        const QRect titleBand(button->mapTo(m_window, QPoint(0, 0)),
            QSize(button->width(), QFontMetrics(buttonTitle->font()).height()));
        const int titlePixels = ScreenPictures::pixelsNear(invalid, titleBand, QColor(255, 158, 0));
        QVERIFY2(titlePixels > 10, qPrintable(QString::number(titlePixels)));
    }
}

QTEST_MAIN(tst_RuntimeNetns)
#include "tst_runtime_netns.moc"
