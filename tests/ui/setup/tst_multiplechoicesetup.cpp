// The multiple-choice setup list: its rows, configuring options, presses behind the window's password lock,
// the summary of approved and ignored messages, and how it looks in the window.

#include "KeyboardTyping.h"
#include "ScreenStage.h"

#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/setup/MultipleChoiceSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString light = QStringLiteral("background-color:rgb(206, 206, 206);");
const QString dark = QStringLiteral("background-color:rgb(149, 149, 149);");

} // namespace

class tst_MultipleChoiceSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsAtConstruction();
    void setOptions_data();
    void setOptions();
    void setValues();
    void pressWhileLocked();
    void pressAfterLogin();
    void cancelHidesTheLock();
    void summary_data();
    void summary();
    void pictures();

private:
    void login();

    std::unique_ptr<ScreenStage> m_stage;
    PasswordWidget *m_lock = nullptr;
    MultipleChoiceSetup *m_list = nullptr;
};

void tst_MultipleChoiceSetup::init()
{
    m_stage = std::make_unique<ScreenStage>();
    m_list = new MultipleChoiceSetup(m_stage->layout);
    m_list->move(509, 33);
    // The window's lock, an overlay over the whole window, hidden until used.
    m_lock = new PasswordWidget(m_stage->layout);
    m_lock->setBaseSize(800, 480);
    m_lock->setGeometry(0, 0, 800, 480);
    m_lock->hide();
}

void tst_MultipleChoiceSetup::cleanup()
{
    // The lock's open state is process-wide: close it again for the next case.
    m_lock->setRelockInterval(1);
    QTRY_VERIFY(!PasswordWidget::isUnlocked());
    m_stage.reset();
}

void tst_MultipleChoiceSetup::login()
{
    type(m_lock->keyboard(), QStringLiteral("halyard"), { QStringLiteral("Enter") });
    QVERIFY(PasswordWidget::isUnlocked());
}

void tst_MultipleChoiceSetup::rowsAtConstruction()
{
    QCOMPARE(m_list->baseSize(), QSize(291, 384));
    QCOMPARE(m_list->size(), QSize(291, 384));
    QCOMPARE(m_list->buttons().size(), 15);
    QCOMPARE(m_list->labels().size(), 15);
    for (int row = 0; row < 15; ++row) {
        const QLabel *label = m_list->labels().at(row);
        const QPushButton *button = m_list->buttons().at(row);
        QCOMPARE(label->geometry(), QRect(0, 64 * row, 291, 64));
        QCOMPARE(label->styleSheet(), row % 2 == 0 ? dark : light);
        QCOMPARE(label->indent(), 10);
        QCOMPARE(label->font().pointSizeF(), 14.0);
        QCOMPARE(button->geometry(), QRect(165, 64 * row + 10, 100, 40));
        QCOMPARE(button->font().pointSizeF(), 11.0);
        QVERIFY(label->accessibleDescription().isEmpty());
        QVERIFY(button->accessibleDescription().isEmpty());
    }
    QCOMPARE(m_list->contentHeight(), 64);
}

void tst_MultipleChoiceSetup::setOptions_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("values");
    QTest::addColumn<bool>("keepStyles");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("height");

    QTest::newRow("two") << QStringList { "GGA1", "VTG2" } << QList<bool> { true, false } << false
                         << QStringList { "GGA", "VTG" } << QStringList { "ON", "off" } << 128;
    QTest::newRow("keeping the styles")
        << QStringList { "GGA1", "VTG2", "HDT3" } << QList<bool> { false, false, true } << true
        << QStringList { "GGA", "VTG", "HDT" } << QStringList { "off", "off", "ON" } << 192;
    QTest::newRow("a value missing") << QStringList { "GGA1", "VTG2" } << QList<bool> { true } << false
                                     << QStringList { "GGA", "VTG" } << QStringList { "ON", "off" } << 128;
    QStringList many;
    QList<bool> manyValues;
    for (int i = 0; i < 17; ++i) {
        many.append(QStringLiteral("M%1x").arg(i, 2, 10, QLatin1Char('0')));
        manyValues.append(i % 3 == 0);
    }
    QStringList manyCaptions;
    QStringList manyTexts;
    for (int i = 0; i < 15; ++i) {
        manyCaptions.append(many.at(i).chopped(1));
        manyTexts.append(manyValues.at(i) ? QStringLiteral("ON") : QStringLiteral("off"));
    }
    QTest::newRow("more than fifteen") << many << manyValues << false << manyCaptions << manyTexts << 960;
}

void tst_MultipleChoiceSetup::setOptions()
{
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, values);
    QFETCH(bool, keepStyles);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, texts);
    QFETCH(int, height);

    m_list->setOptions(names, values, keepStyles);
    for (int row = 0; row < captions.size(); ++row) {
        const QLabel *label = m_list->labels().at(row);
        const QPushButton *button = m_list->buttons().at(row);
        QCOMPARE(label->text(), captions.at(row));
        QCOMPARE(button->objectName(), names.at(row));
        QCOMPARE(button->text(), texts.at(row));
        QCOMPARE(button->accessibleDescription(), QStringLiteral("Show"));
        QCOMPARE(label->accessibleDescription(), QStringLiteral("name"));
        // Restriped light first, or left as built (dark first).
        QCOMPARE(label->styleSheet(), (row % 2 == 0) != keepStyles ? light : dark);
    }
    if (captions.size() < 15)
        QVERIFY(m_list->labels().at(captions.size())->accessibleDescription().isEmpty());
    QCOMPARE(m_list->contentHeight(), height);
    QCOMPARE(m_list->size(), QSize(291, height));
    QCOMPARE(m_list->baseSize(), QSize(291, height));
}

void tst_MultipleChoiceSetup::setValues()
{
    m_list->setOptions({ QStringLiteral("GGA1"), QStringLiteral("VTG2") }, { false, false }, false);
    m_list->setValues({ true, false, true });
    QCOMPARE(m_list->buttons().at(0)->text(), QStringLiteral("ON"));
    QCOMPARE(m_list->buttons().at(1)->text(), QStringLiteral("off"));
    QCOMPARE(m_list->buttons().at(2)->text(), QStringLiteral("ON"));
}

void tst_MultipleChoiceSetup::pressWhileLocked()
{
    m_list->setOptions({ QStringLiteral("GGA1"), QStringLiteral("VTG2") }, { true, false }, false);
    m_stage->start();
    QSignalSpy changes(m_list, &MultipleChoiceSetup::optionChanged);
    QTest::mouseClick(m_list->buttons().at(1), Qt::LeftButton);
    QCOMPARE(m_list->passwordWidget(), m_lock);
    QVERIFY(m_lock->isVisible());
    QVERIFY(m_lock->keyboard()->isVisible());
    QCOMPARE(changes.count(), 0);
    QCOMPARE(m_list->buttons().at(1)->text(), QStringLiteral("off"));
}

void tst_MultipleChoiceSetup::pressAfterLogin()
{
    m_list->setOptions({ QStringLiteral("GGA1"), QStringLiteral("VTG2") }, { true, false }, false);
    m_stage->start();
    QSignalSpy changes(m_list, &MultipleChoiceSetup::optionChanged);
    QPushButton *vtg = m_list->buttons().at(1);
    QTest::mouseClick(vtg, Qt::LeftButton);
    QVERIFY(m_lock->isVisible());
    login();
    QVERIFY(!m_lock->isVisible());
    QCOMPARE(changes.count(), 0);

    QTest::mouseClick(vtg, Qt::LeftButton);
    QCOMPARE(vtg->text(), QStringLiteral("ON"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0), (QList<QVariant> { QStringLiteral("VTG2"), QStringLiteral("0") }));
    QTest::mouseClick(vtg, Qt::LeftButton);
    QCOMPARE(vtg->text(), QStringLiteral("off"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1), (QList<QVariant> { QStringLiteral("VTG2"), QStringLiteral("1") }));
    QVERIFY(!m_lock->isVisible());
}

void tst_MultipleChoiceSetup::cancelHidesTheLock()
{
    m_list->setOptions({ QStringLiteral("GGA1") }, { true }, false);
    m_stage->start();
    QTest::mouseClick(m_list->buttons().at(0), Qt::LeftButton);
    QVERIFY(m_lock->isVisible());
    type(m_lock->keyboard(), QStringLiteral("hal"), { QStringLiteral("Cancel") });
    QVERIFY(!m_lock->isVisible());
    QVERIFY(!PasswordWidget::isUnlocked());
    QCOMPARE(m_list->buttons().at(0)->text(), QStringLiteral("ON"));
}

void tst_MultipleChoiceSetup::summary_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("values");
    QTest::addColumn<QString>("summary");

    QTest::newRow("both kinds") << "Port 1" << QStringList { "GGA1", "VTG2", "HDT3" }
                                << QList<bool> { true, false, true }
                                << "Port 1\nApproved messages: GGA,HDT\nIgnored messages: VTG\n\n";
    QTest::newRow("none approved") << "Port 2" << QStringList { "GGA1", "VTG2" }
                                   << QList<bool> { false, false }
                                   << "Port 2\nApproved messages:\nIgnored messages: GGA,VTG\n\n";
    QTest::newRow("none ignored") << "" << QStringList { "GGA1" } << QList<bool> { true }
                                  << "\nApproved messages: GGA\nIgnored messages:\n\n";
}

void tst_MultipleChoiceSetup::summary()
{
    QFETCH(QString, description);
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, values);

    m_list->setAccessibleDescription(description);
    m_list->setOptions(names, values, false);
    QTEST(m_list->summaryText(), "summary");
}

void tst_MultipleChoiceSetup::pictures()
{
    m_list->setOptions({ QStringLiteral("GGA1"), QStringLiteral("VTG2"), QStringLiteral("HDT3"),
                           QStringLiteral("ROT4"), QStringLiteral("VBW5") },
        { true, false, true, false, false }, false);
    m_stage->start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        m_stage->resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(m_list->labels().at(4)->geometry(), QRect(0, int(256 * sy), int(291 * sx), int(64 * sy)));
        QCOMPARE(m_list->buttons().at(4)->geometry(),
            QRect(int(165 * sx), int(266 * sy), int(100 * sx), int(40 * sy)));
        m_stage->savePicture(QStringLiteral("multiple_choice_%1x%2").arg(size.width()).arg(size.height()));
    }
    m_stage->resize(QSize(800, 480));
    QTest::mouseClick(m_list->buttons().at(1), Qt::LeftButton);
    m_stage->savePicture(QStringLiteral("multiple_choice_lock_800x480"));
}

QTEST_MAIN(tst_MultipleChoiceSetup)
#include "tst_multiplechoicesetup.moc"
