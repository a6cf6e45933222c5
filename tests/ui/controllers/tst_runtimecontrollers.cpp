// The value buttons of the runtime pages bound to what their local settings choose, and the runtime and
// bottom-bar controllers acting on their presses: real RuntimeScreenButtons named as the pages name them,
// registered through the container the main window uses, pressed with the mouse for real times; the
// long-press menu, the value chooser and the value editor as overlays of the window.

#include "FreshControllers.h"
#include "FreshStores.h"
#include "ScreenStage.h"
#include "VirtualKeyTyping.h"

#include "common/SignalEmitter.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESOtherSettings.h"
#include "data/ESRuntime.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "ui/controllers/AbstractButtonInfo.h"
#include "ui/controllers/BottomBarsModelInterface.h"
#include "ui/controllers/ButtonInfoContainer.h"
#include "ui/controllers/ModelInterfaceContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/dialogs/LongPressMenuScreen.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/widgets/RuntimeScreenButton.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <optional>

namespace {

const int shortHoldMs = 150;

QString plain(const QString &html)
{
    QString text = html;
    text.remove(QStringLiteral("<i>")).remove(QStringLiteral("</i>"));
    return text;
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out.append(call.first().toString());
    return out;
}

ESRuntimeScreenSetup *pageA()
{
    return ESDataClass::instance()->localSetup()->RuntimeScreenSetupA();
}

} // namespace

class tst_RuntimeControllers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageButtonsShowTheirChoices();
    void buttonsWithoutChoiceStayUnbound_data();
    void buttonsWithoutChoiceStayUnbound();
    void choiceChangeRebindsButton();
    void tripLongPressResets();
    void shortPressOnRuntimeValueChangesNothing();
    void invalidValueIgnoresPresses();
    void menuChoices_data();
    void menuChoices();
    void menuChoosesAnotherValue();
    void bottomBarValueOpensEditor();
    void bottomBarEnumerationSteps_data();
    void bottomBarEnumerationSteps();
    void bottomBarLongPressOpensChooser();
    void bottomBarNamingNothingThrows();

private:
    RuntimeScreenButton *addButton(const QString &name, int row);
    QString title(RuntimeScreenButton *button) const;
    QString value(RuntimeScreenButton *button) const;
    QPushButton *part(RuntimeScreenButton *button, const char *name) const;
    void press(RuntimeScreenButton *button, const char *partName, int holdMs);
    template <typename T> T *child(QWidget *parent, const char *name) const
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    std::optional<FreshControllers> m_controllers;
    ScreenStage *m_stage = nullptr;
    QList<RuntimeScreenButton *> m_pageA;
    LongPressMenuScreen *m_menu = nullptr;
    SetupLongPressScreen *m_chooser = nullptr;
    KeyBoardScreen *m_editor = nullptr;
};

void tst_RuntimeControllers::init()
{
    m_stores.emplace();
    ESDataClass::instance()->runtime()->initializeValidity(true);
    m_descriptions.emplace();
    m_descriptions->registry()->setupDataInfo()->updateAllGUI();
    m_descriptions->registry()->localSetupDataInfo()->updateAllGUI();
    m_controllers.emplace();

    m_stage = new ScreenStage;
    m_pageA.clear();
    for (int i = 1; i <= 5; ++i)
        m_pageA.append(
            addButton(QStringLiteral("es_rt_Information%1_RuntimeScreenSetupA_btn_1").arg(i), i - 1));
    auto overlay = [this](QWidget *widget) {
        widget->setBaseSize(800, 480);
        widget->setGeometry(0, 0, 800, 480);
        widget->hide();
    };
    m_editor = new KeyBoardScreen(m_stage->layout);
    overlay(m_editor);
    auto *lock = new PasswordWidget(m_stage->layout);
    overlay(lock);
    m_menu = new LongPressMenuScreen(m_stage->layout);
    m_menu->setStyleSheet(QStringLiteral("background-color: transparent;"));
    overlay(m_menu);
    m_chooser = new SetupLongPressScreen(m_stage->layout);
    m_chooser->setStyleSheet(QStringLiteral("background-color: transparent;"));
    overlay(m_chooser);
    auto *dialog = new CustomDialog(m_stage->layout);
    dialog->setStyleSheet(QStringLiteral("background-color: transparent;"));
    overlay(dialog);

    // What the main window does once its pages and overlays exist.
    ModelInterfaceContainer *container = ModelInterfaceContainer::instance();
    container->setKeyboardScreen(m_editor);
    container->setLoginWidget(lock);
    container->setMessageDialog(dialog);
    container->setLongPressMenuScreen(m_menu);
    container->setSetupLongPressScreen(m_chooser);
    container->registerRuntimeButtons(m_pageA);
    m_stage->start();
}

void tst_RuntimeControllers::cleanup()
{
    delete m_stage;
    m_controllers.reset();
    m_descriptions.reset();
    m_stores.reset();
}

RuntimeScreenButton *tst_RuntimeControllers::addButton(const QString &name, int row)
{
    auto *button = new RuntimeScreenButton(m_stage->layout);
    button->setObjectName(name);
    button->setGeometry(600, 10 + 90 * row, 190, 85);
    button->show();
    button->lower();
    return button;
}

QString tst_RuntimeControllers::title(RuntimeScreenButton *button) const
{
    return plain(child<QLabel>(button, "text_label")->text());
}

QString tst_RuntimeControllers::value(RuntimeScreenButton *button) const
{
    return plain(child<QLabel>(button, "value_label")->text());
}

QPushButton *tst_RuntimeControllers::part(RuntimeScreenButton *button, const char *name) const
{
    return child<QPushButton>(button, name);
}

void tst_RuntimeControllers::press(RuntimeScreenButton *button, const char *partName, int holdMs)
{
    QPushButton *target = part(button, partName);
    QVERIFY2(target->isVisible(), partName);
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(), holdMs);
}

// ---------------------------------------------------------------------------------------------------------

void tst_RuntimeControllers::pageButtonsShowTheirChoices()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    ButtonInfoContainer *bindings = RuntimeModelInterface::instance()->buttonContainer();
    QVERIFY(bindings);
    // The defaults of page A; a value whose unit goes into the title shows it there.
    const QStringList titles = { QStringLiteral("SOG kn"), QStringLiteral("Lat"), QStringLiteral("Lon"),
        QStringLiteral("Heading \u00B0"), QStringLiteral("ROT \u00B0/min") };
    QCOMPARE(m_pageA.size(), titles.size());
    for (int i = 0; i < m_pageA.size(); ++i) {
        RuntimeScreenButton *button = m_pageA.at(i);
        RuntimeButtonInfo *binding = bindings->runtimeButtonInfo(button);
        QVERIFY2(binding, qPrintable(button->objectName()));
        auto *choice
            = qobject_cast<RuntimeEnumPropertyInfo *>(registry->setupPropertyInfo(QStringLiteral("ls"),
                QStringLiteral("Information%1").arg(i + 1), QStringLiteral("RuntimeScreenSetupA")));
        QVERIFY(choice);
        QCOMPARE(binding->choice(), choice);
        PropertyInfo *shown = registry->runtimePropertyInfo(choice->currentValue());
        QCOMPARE(binding->propertyInfo(), shown);
        QCOMPARE(binding->key(), QStringLiteral("Information%1_RuntimeScreenSetupA").arg(i + 1));
        QCOMPARE(binding->prefix(), QStringLiteral("es"));
        QCOMPARE(title(button).trimmed(), titles.at(i));
        QCOMPARE(value(button), shown->text());
        // A runtime value is shown on the single button.
        QVERIFY(part(button, "single_btn")->isVisible());
        QVERIFY(!part(button, "up_btn")->isVisible());
    }
    // A unit in the title follows the speed unit.
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    const int unit = options->ScalesSpeed();
    options->setScalesSpeed(1);
    QCOMPARE(title(m_pageA.first()).trimmed(), QStringLiteral("SOG m/s"));
    options->setScalesSpeed(unit);
    QCOMPARE(title(m_pageA.first()).trimmed(), QStringLiteral("SOG kn"));
    // The defaults of page A: five different values.
    QStringList names;
    for (RuntimeScreenButton *button : m_pageA)
        names.append(bindings->runtimeButtonInfo(button)->propertyInfo()->name());
    QCOMPARE(names.size(), QSet<QString>(names.begin(), names.end()).size());
}

void tst_RuntimeControllers::buttonsWithoutChoiceStayUnbound_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no such setting") << "es_rt_Information6_RuntimeScreenSetupA_btn_1";
    QTest::newRow("no such settings object") << "es_rt_Information1_RuntimeScreenSetupQ_btn_1";
    QTest::newRow("a setting that chooses nothing") << "es_rt_ShowPage_RuntimeScreenSetupA_btn_1";
    QTest::newRow("too few parts") << "es_rt_Information1";
}

void tst_RuntimeControllers::buttonsWithoutChoiceStayUnbound()
{
    QFETCH(QString, name);
    RuntimeScreenButton *button = addButton(name, 5);
    ModelInterfaceContainer::instance()->registerRuntimeButtons({ button });
    QVERIFY(!RuntimeModelInterface::instance()->buttonContainer()->buttonInfo(button));
    QCOMPARE(value(button), child<QLabel>(button, "value_label")->text());
}

void tst_RuntimeControllers::choiceChangeRebindsButton()
{
    RuntimeScreenButton *second = m_pageA.at(1);
    auto *choice = qobject_cast<RuntimeEnumPropertyInfo *>(ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QStringLiteral("Information2"), QStringLiteral("RuntimeScreenSetupA")));
    choice->setCurrentValue(QStringLiteral("Trip"));
    PropertyInfo *trip = ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("Trip"));
    QCOMPARE(RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(second)->propertyInfo(),
        trip);
    QCOMPARE(title(second), QStringLiteral("Trip NM"));
    QVERIFY(part(second, "single_btn")->isVisible());
    // The choice is saved with the page's settings.
    QFile file(pageA()->directory() + pageA()->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLocal8Bit(file.readAll())
                .contains(QStringLiteral("Information2=%1").arg(choice->currentIndex())));

    // A new value of Trip reaches the button.
    ESDataClass::instance()->runtime()->setTrip(12.34);
    QCOMPARE(value(second), trip->text());
    QVERIFY(value(second).contains(QLatin1String("12.34")));
}

void tst_RuntimeControllers::tripLongPressResets()
{
    RuntimeScreenButton *second = m_pageA.at(1);
    qobject_cast<RuntimeEnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("Information2"), QStringLiteral("RuntimeScreenSetupA")))
        ->setCurrentValue(QStringLiteral("Trip"));
    ESDataClass::instance()->runtime()->setTrip(12.34);
    auto *trip = qobject_cast<RuntimePropertyInfo *>(
        ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("Trip")));
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    QPushButton *single = part(second, "single_btn");
    QTest::mousePress(single, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(sent.count(), 1, 3000);
    QCOMPARE(texts(sent).first(), QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0"));
    QCOMPARE(trip->sourceValue(), QStringLiteral("0"));
    QTest::mouseRelease(single, Qt::LeftButton);
    QCOMPARE(sent.count(), 1);
    QVERIFY(!m_chooser->isVisible());
}

void tst_RuntimeControllers::shortPressOnRuntimeValueChangesNothing()
{
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    const QString before = value(m_pageA.first());
    press(m_pageA.first(), "single_btn", shortHoldMs);
    QVERIFY(!RuntimeModelInterface::instance()->isLongPressTimerActive());
    QCOMPARE(sent.count(), 0);
    QCOMPARE(value(m_pageA.first()), before);
    QVERIFY(!m_editor->isVisible());
    QVERIFY(!m_chooser->isVisible());
}

void tst_RuntimeControllers::invalidValueIgnoresPresses()
{
    qobject_cast<RuntimeEnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("Information2"), QStringLiteral("RuntimeScreenSetupA")))
        ->setCurrentValue(QStringLiteral("Trip"));
    ESDataClass::instance()->runtime()->setValid(QStringLiteral("Trip"), false);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QPushButton *single = part(m_pageA.at(1), "single_btn");
    QTest::mousePress(single, Qt::LeftButton);
    QVERIFY(!RuntimeModelInterface::instance()->isLongPressTimerActive());
    QTest::mouseRelease(single, Qt::LeftButton, {}, QPoint(), 1100);
    QCOMPARE(sent.count(), 0);
}

void tst_RuntimeControllers::menuChoices_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("reset") << "option_1_btn"
                           << QStringList { "Type_Runtime,SingleProperty,ESRuntime,Trip=0" };
    // A runtime value is received, not typed: nothing to modify, and the program goes on.
    QTest::newRow("modify") << "option_2_btn" << QStringList {};
    QTest::newRow("default") << "option_3_btn"
                             << QStringList { "Type_Runtime,SingleProperty,ESRuntime,Trip=0" };
}

void tst_RuntimeControllers::menuChoices()
{
    QFETCH(QString, option);
    RuntimeScreenButton *second = m_pageA.at(1);
    qobject_cast<RuntimeEnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo(
            QStringLiteral("ls"), QStringLiteral("Information2"), QStringLiteral("RuntimeScreenSetupA")))
        ->setCurrentValue(QStringLiteral("Trip"));
    ESDataClass::instance()->runtime()->setTrip(7.5);
    // The press makes Trip the current value; nothing in the system shows the menu, so it is shown here.
    press(second, "single_btn", shortHoldMs);
    PropertyInfo *trip = ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("Trip"));
    m_menu->setOptionsFromProperty(QStringLiteral("Reset;Change;Default:0.0"), trip->displayedName());
    m_menu->show();
    m_menu->raise();
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QTest::mouseClick(child<QPushButton>(m_menu, qPrintable(option)), Qt::LeftButton);
    QTEST(texts(sent), "sent");
    QVERIFY(!m_menu->isVisible());
    QVERIFY(!m_editor->isVisible());
}

void tst_RuntimeControllers::menuChoosesAnotherValue()
{
    RuntimeScreenButton *first = m_pageA.first();
    press(first, "single_btn", shortHoldMs);
    m_menu->setOptionsFromProperty(QStringLiteral("None"), QStringLiteral("SOG"));
    m_menu->show();
    child<QStackedWidget>(m_menu, "stacked_long_press")->setCurrentIndex(1);
    auto *list = child<QListWidget>(m_menu, "listWidget");
    const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("Trip"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QTest::mouseClick(child<QPushButton>(m_menu, "ok_btn"), Qt::LeftButton);

    PropertyInfo *trip = ESDataInfoClass::instance()->runtimePropertyInfo(QStringLiteral("Trip"));
    QCOMPARE(
        RuntimeModelInterface::instance()->buttonContainer()->runtimeButtonInfo(first)->propertyInfo(), trip);
    QCOMPARE(RuntimeModelInterface::instance()->currentProperty(), trip);
    QCOMPARE(title(first), QStringLiteral("Trip NM"));
    QCOMPARE(pageA()->Information1(),
        qobject_cast<RuntimeEnumPropertyInfo *>(
            ESDataInfoClass::instance()->setupPropertyInfo(
                QStringLiteral("ls"), QStringLiteral("Information1"), QStringLiteral("RuntimeScreenSetupA")))
            ->indexOfValue(QStringLiteral("Trip")));
    // The menu now offers what Trip offers.
    QCOMPARE(m_menu->optionTexts(), QStringList({ " Modify Value", " Set to \n Default Value :0.0" }));
}

void tst_RuntimeControllers::bottomBarValueOpensEditor()
{
    pageA()->setBottomBar2(4); // Alarm_Shallow
    RuntimeScreenButton *bar = addButton(QStringLiteral("es_rt_BottomBar2_RuntimeScreenSetupA_btn_1"), 5);
    ModelInterfaceContainer::instance()->registerBottomBarButtons({ bar });
    QVERIFY(BottomBarsModelInterface::instance()->buttonContainer()->bottomBarInfo(bar));
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    QTest::mouseClick(part(bar, "single_btn"), Qt::LeftButton);
    QVERIFY(m_editor->isVisible());
    VirtualKeyTyping::type(m_editor->keyboard(), QStringLiteral("15"), { QStringLiteral("Enter") });
    QCOMPARE(ESDataClass::instance()->setup()->AlertSetup()->AlarmShallow(), 15.0);
    QCOMPARE(sent.count(), 1);
    QVERIFY(texts(sent).first().endsWith(QLatin1String("AlarmShallow=15.0")));
    QVERIFY(value(bar).startsWith(QLatin1String("15.0")));
}

void tst_RuntimeControllers::bottomBarEnumerationSteps_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");

    QTest::newRow("up steps forward") << "up_btn" << 0 << 1;
    QTest::newRow("down steps back") << "down_btn" << 1 << 0;
}

void tst_RuntimeControllers::bottomBarEnumerationSteps()
{
    QFETCH(QString, part);
    QFETCH(int, start);
    ESOtherSettings *other = ESDataClass::instance()->setup()->OtherSettings();
    other->setMark(start);
    pageA()->setBottomBar2(6); // Mark
    RuntimeScreenButton *bar = addButton(QStringLiteral("es_rt_BottomBar2_RuntimeScreenSetupA_btn_1"), 5);
    ModelInterfaceContainer::instance()->registerBottomBarButtons({ bar });
    press(bar, qPrintable(part), shortHoldMs);
    QTEST(other->Mark(), "index");
}

void tst_RuntimeControllers::bottomBarLongPressOpensChooser()
{
    pageA()->setBottomBar2(6); // Mark
    RuntimeScreenButton *bar = addButton(QStringLiteral("es_rt_BottomBar2_RuntimeScreenSetupA_btn_1"), 5);
    ModelInterfaceContainer::instance()->registerBottomBarButtons({ bar });
    QPushButton *up = part(bar, "up_btn");
    QTest::mousePress(up, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_chooser->isVisible(), 3000);
    QTest::mouseRelease(up, Qt::LeftButton);
    QCOMPARE(ESDataClass::instance()->setup()->OtherSettings()->Mark(), 0);
    QCOMPARE(m_chooser->rows(), QStringList({ "Mark", "Mark" }));
}

void tst_RuntimeControllers::bottomBarNamingNothingThrows()
{
    // The default of BottomBar2 names a setting this product does not have.
    RuntimeScreenButton *bar = addButton(QStringLiteral("es_rt_BottomBar2_RuntimeScreenSetupA_btn_1"), 5);
    bool thrown = false;
    try {
        ModelInterfaceContainer::instance()->registerBottomBarButtons({ bar });
    } catch (const char *text) {
        thrown = true;
        QCOMPARE(QString::fromLatin1(text),
            QStringLiteral("runtime_setup_property_info not initialized (BottomBarInfo::BottomBarInfo())"));
    }
    QVERIFY(thrown);
}

QTEST_MAIN(tst_RuntimeControllers)
#include "tst_runtimecontrollers.moc"
