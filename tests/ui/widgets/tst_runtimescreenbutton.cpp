// The runtime value button: its press signals in both modes, the italic title and unit words, the orange
// text of a value in doubt, the arrows in the palette colour, and how it looks in the window.

#include "PixelCount.h"
#include "ScreenStage.h"

#include "ui/ThemeColorSingleton.h"
#include "ui/widgets/RuntimeScreenButton.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QColor orange(255, 158, 0);

} // namespace

class tst_RuntimeScreenButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void italicWords_data();
    void italicWords();
    void presses_data();
    void presses();
    void singleButtonMode();
    void integrity();
    void arrowsFollowPalette();
    void pictures();

private:
    ScreenStage *m_stage = nullptr;
    RuntimeScreenButton *m_button = nullptr;
};

void tst_RuntimeScreenButton::init()
{
    m_stage = new ScreenStage;
    m_button = new RuntimeScreenButton(m_stage->layout);
    m_button->move(630, 34);
    m_stage->start();
}

void tst_RuntimeScreenButton::cleanup()
{
    delete m_stage;
}

void tst_RuntimeScreenButton::italicWords_data()
{
    QTest::addColumn<bool>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two title words") << true << "DPTH Fwd"
                                     << "<i>DPTH</i> <i>Fwd</i>";
    QTest::newRow("speed over ground") << true << "Speed SOG"
                                       << "<i>Speed</i> <i>SOG</i>";
    QTest::newRow("rate of turn unit") << true << "ROT °/min"
                                       << "<i>ROT</i> <i>°/min</i>";
    QTest::newRow("plain title") << true << "Water Current"
                                 << "Water Current";
    QTest::newRow("glued word") << true << "Speed(SOG)"
                                << "Speed(SOG)";
    QTest::newRow("knots stay plain") << false << "12.3 kn"
                                      << "12.3 kn";
    QTest::newRow("metres") << false << "4.0 m"
                            << "4.0 <i>m</i>";
    QTest::newRow("off") << false << "off"
                         << "<i>off</i>";
    QTest::newRow("OFF is not off") << false << "OFF"
                                    << "OFF";
    QTest::newRow("feet in brackets") << false << "3 (ft)"
                                      << "3 (ft)";
    QTest::newRow("double blank kept") << false << "5  m"
                                       << "5  <i>m</i>";
    QTest::newRow("degrees") << false << "123.4 °"
                             << "123.4 <i>°</i>";
}

void tst_RuntimeScreenButton::italicWords()
{
    QFETCH(bool, title);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    if (title) {
        m_button->setTitleText(text);
        QCOMPARE(m_button->findChild<QLabel *>(QStringLiteral("text_label"))->text(), shown);
    } else {
        m_button->setValueText(text);
        QCOMPARE(m_button->findChild<QLabel *>(QStringLiteral("value_label"))->text(), shown);
    }
}

void tst_RuntimeScreenButton::presses_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("type");

    QTest::newRow("up") << false << "up_btn" << 0;
    QTest::newRow("down") << false << "down_btn" << 1;
    QTest::newRow("single") << true << "single_btn" << 2;
}

void tst_RuntimeScreenButton::presses()
{
    QFETCH(bool, single);
    QFETCH(QString, button);
    QFETCH(int, type);

    m_button->setSingleButtonMode(single);
    QSignalSpy pressed(m_button, &RuntimeScreenButton::buttonPressed);
    QSignalSpy released(m_button, &RuntimeScreenButton::buttonReleased);
    // Pressed where the user sees it: through the window at the button's centre, over the labels.
    QPushButton *target = m_button->findChild<QPushButton *>(button);
    const QPoint at = target->mapTo(&m_stage->window, target->rect().center());
    QTest::mousePress(m_stage->window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(int(pressed.at(0).at(0).value<ButtonType>()), type);
    QCOMPARE(released.count(), 0);
    QTest::mouseRelease(m_stage->window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(released.count(), 1);
    QCOMPARE(pressed.count(), 1);
}

void tst_RuntimeScreenButton::singleButtonMode()
{
    const char *pair[] = { "up_btn", "down_btn", "arrow_up", "arrow_down" };
    m_button->setSingleButtonMode(true);
    for (const char *name : pair)
        QVERIFY2(m_button->findChild<QWidget *>(QLatin1String(name))->isHidden(), name);
    QVERIFY(m_button->findChild<QWidget *>(QStringLiteral("single_btn"))->isVisible());
    QVERIFY(m_button->findChild<QWidget *>(QStringLiteral("value_label"))->isVisible());

    m_button->setSingleButtonMode(false);
    for (const char *name : pair)
        QVERIFY2(m_button->findChild<QWidget *>(QLatin1String(name))->isVisible(), name);
}

void tst_RuntimeScreenButton::integrity()
{
    m_button->setSingleButtonMode(true);
    m_button->setTitleText(QStringLiteral("STW"));
    m_button->setValueText(QStringLiteral("12.3 kn"));
    QLabel *title = m_button->findChild<QLabel *>(QStringLiteral("text_label"));
    QLabel *value = m_button->findChild<QLabel *>(QStringLiteral("value_label"));
    QCOMPARE(pixelsNear(m_button->grab().toImage(), orange), 0);

    m_button->setIntegrityOk(false);
    for (QWidget *widget : { static_cast<QWidget *>(title), static_cast<QWidget *>(value),
             m_button->findChild<QWidget *>(QStringLiteral("single_btn")) })
        QCOMPARE(widget->property("integrityOk").toBool(), false);
    QVERIFY(pixelsNear(title->grab().toImage(), orange) > 10);
    QVERIFY(pixelsNear(value->grab().toImage(), orange) > 50);

    m_button->setIntegrityOk(true);
    QCOMPARE(pixelsNear(m_button->grab().toImage(), orange), 0);
}

void tst_RuntimeScreenButton::arrowsFollowPalette()
{
    m_button->setSingleButtonMode(false);
    QLabel *up = m_button->findChild<QLabel *>(QStringLiteral("arrow_up"));
    for (enum_ColorPalette palette : { Bright_Yellow, Pale_Green }) {
        ThemeColorSingleton::instance()->setColorPalette(palette);
        const QImage arrow = up->pixmap(Qt::ReturnByValue).toImage();
        const QColor centre = arrow.pixelColor(arrow.width() / 2, arrow.height() / 2);
        QCOMPARE(centre.alpha(), 255);
        QCOMPARE(centre.rgb(), CustomColorDefinitions::getColorFromColorEnum(palette).rgb());
        QCOMPARE(arrow.pixelColor(0, 0).alpha(), 0);
    }
    ThemeColorSingleton::instance()->setColorPalette(Green);
}

void tst_RuntimeScreenButton::pictures()
{
    // A side-information column and a bottom bar as the runtime pages arrange them, on a stage of their own
    // (the container takes its widgets once, when first shown).
    delete m_stage;
    m_stage = new ScreenStage;
    struct Field
    {
        QPoint pos;
        bool single;
        const char *title;
        const char *value;
        bool integrityOk;
    };
    const Field fields[] = { { { 630, 0 }, true, "Speed SOG", "12.3 kn", true },
        { { 630, 63 }, true, "DPTH Fwd", "4.0 m", false }, { { 630, 126 }, false, "Range", "off", true },
        { { 0, 383 }, true, "Heading", "123.4 °", true } };
    // The labels lie under the push buttons (the buttons take the presses), so they show through buttons
    // whose page style leaves them transparent, as a runtime page's does.
    auto *page = new QWidget(m_stage->layout);
    page->setGeometry(0, 34, 800, 446);
    page->setStyleSheet(
        QStringLiteral("QPushButton{background-color: transparent; border: 1px solid rgb(93, 93, 93);}"));
    QList<RuntimeScreenButton *> buttons;
    for (const Field &field : fields) {
        auto *button = new RuntimeScreenButton(page);
        button->move(field.pos);
        button->setSingleButtonMode(field.single);
        button->setTitleText(QString::fromUtf8(field.title));
        button->setValueText(QString::fromUtf8(field.value));
        button->setIntegrityOk(field.integrityOk);
        buttons.append(button);
    }
    buttons.last()->setTranslucentTitleStyle();
    m_stage->start();

    const QList<QSize> sizes = { QSize(800, 480), QSize(1024, 600) };
    for (const QSize &size : sizes) {
        m_stage->resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(buttons.first()->geometry(), QRect(int(630 * sx), 0, int(170 * sx), int(63 * sy)));
        QCOMPARE(buttons.at(1)->y(), int(63 * sy));
        m_stage->savePicture(QStringLiteral("runtime_buttons_%1x%2").arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_RuntimeScreenButton)
#include "tst_runtimescreenbutton.moc"
