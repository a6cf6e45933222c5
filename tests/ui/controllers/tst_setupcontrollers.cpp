// The setup controllers driven as a user drives them: real setup buttons bound to the descriptions of a
// fresh settings tree, pressed with the mouse for real times; the value chooser, the value editor, the
// password lock and the message dialog as overlays of the window. What reaches the settings objects is
// checked where it lands: the single-change text for the junction box, or the display's own file.

#include "FreshInstance.h"
#include "FreshStores.h"
#include "ScreenStage.h"
#include "VirtualKeyTyping.h"

#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"
#include "ui/dialogs/CustomDialog.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/PasswordWidget.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

using VirtualKeyTyping::keyOf;
using VirtualKeyTyping::type;

namespace {

// A press held this long is a short press; the long press is 1000 ms.
const int shortHoldMs = 150;

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out.append(call.first().toString());
    return out;
}

QString localFile(SerializableClass *object)
{
    QFile file(object->directory() + object->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

SerializableClass *settingsObject(const QString &name)
{
    ESDataClass *data = ESDataClass::instance();
    if (name == QLatin1String("OptionsSetup"))
        return data->setup()->SetupSetup()->OptionsSetup();
    if (name == QLatin1String("AlertSetup"))
        return data->setup()->AlertSetup();
    if (name == QLatin1String("DisplaySetup"))
        return data->localSetup()->DisplaySetup();
    qFatal("unknown settings object %s", qPrintable(name));
    return nullptr;
}

} // namespace

class tst_SetupControllers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controllersAreSetUp();
    void shortPressSteps_data();
    void shortPressSteps();
    void longPressOpensChooser_data();
    void longPressOpensChooser();
    void chooserLeavesNoConnection();
    void protectedSettingAsksForPassword();
    void wrongPasswordChangesNothing();
    void valueEditor_data();
    void valueEditor();
    void editorKeys();
    void cancelChangesNothing();
    void invalidSourceIgnoresPresses();
    void pictures();

private:
    // A setup button of the page, named by the convention, bound to the description.
    QPushButton *bind(const QString &prefix, const QString &property, const QString &object);
    SetupPropertyInfo *description(
        const QString &prefix, const QString &property, const QString &object) const;
    void shortPress(QPushButton *button);
    // Holds the button until the chooser shows; returns how long that took.
    qint64 holdUntilChooser(QPushButton *button);
    void clickRow(const QString &text);
    void logIn();
    template <typename T> T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_descriptions;
    std::optional<FreshInstance<SetupEnumInterface>> m_enums;
    std::optional<FreshInstance<SetupValueInterface>> m_values;
    ScreenStage *m_stage = nullptr;
    SetupLongPressScreen *m_chooser = nullptr;
    KeyBoardScreen *m_editor = nullptr;
    PasswordWidget *m_lock = nullptr;
    CustomDialog *m_dialog = nullptr;
    QList<QPushButton *> m_buttons;
};

void tst_SetupControllers::init()
{
    m_stores.emplace();
    m_descriptions.emplace();
    m_descriptions->registry()->setupDataInfo()->updateAllGUI();
    m_descriptions->registry()->localSetupDataInfo()->updateAllGUI();
    m_enums.emplace();
    m_values.emplace();

    m_stage = new ScreenStage;
    m_buttons.clear();
    // The overlays as the main window has them: each covers the window and is hidden until used.
    auto overlay = [this](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        widget->setBaseSize(800, 480);
        widget->setGeometry(0, 0, 800, 480);
        widget->hide();
    };
    m_editor = new KeyBoardScreen(m_stage->layout);
    overlay(m_editor, "keyboard_screen");
    m_lock = new PasswordWidget(m_stage->layout);
    overlay(m_lock, "password_widget");
    m_chooser = new SetupLongPressScreen(m_stage->layout);
    m_chooser->setStyleSheet(QStringLiteral("background-color: transparent;"));
    overlay(m_chooser, "setup_long_press_menu");
    m_dialog = new CustomDialog(m_stage->layout);
    m_dialog->setStyleSheet(QStringLiteral("background-color: transparent;"));
    overlay(m_dialog, "custom_dialog");
    m_lock->setMessageDialog(m_dialog);

    // What the main window hands the controllers.
    SetupValueInterface::instance()->setKeyboardScreen(m_editor);
    SetupEnumInterface::instance()->setLoginWidget(m_lock);
    SetupValueInterface::instance()->setLoginWidget(m_lock);
    SetupEnumInterface::instance()->setMessageDialog(m_dialog);
    SetupValueInterface::instance()->setMessageDialog(m_dialog);
    SetupEnumInterface::instance()->setLongPressScreen(m_chooser);
    m_stage->start();
}

void tst_SetupControllers::cleanup()
{
    delete m_stage;
    m_values.reset();
    m_enums.reset();
    m_descriptions.reset();
    m_stores.reset();
}

SetupPropertyInfo *tst_SetupControllers::description(
    const QString &prefix, const QString &property, const QString &object) const
{
    return m_descriptions->registry()->setupPropertyInfo(prefix, property, object);
}

QPushButton *tst_SetupControllers::bind(const QString &prefix, const QString &property, const QString &object)
{
    auto *button = new QPushButton(m_stage->layout);
    button->setObjectName(
        prefix + QStringLiteral("_st_") + property + QLatin1Char('_') + object + QStringLiteral("_btn"));
    button->setGeometry(560, 60 + 60 * m_buttons.size(), 200, 50);
    // Added after the stage took its widgets in: styled here as a setup page styles its buttons.
    button->setStyleSheet(
        QStringLiteral("QPushButton{color: rgb(82, 255, 96); background-color: rgb(60, 60, 60);}"));
    button->show();
    // Below the overlays, as on a setup page.
    button->lower();
    SetupPropertyInfo *info = description(prefix, property, object);
    if (!info)
        qFatal("no description %s", qPrintable(property));
    info->setButton(button);
    m_buttons.append(button);
    return button;
}

void tst_SetupControllers::shortPress(QPushButton *button)
{
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(), shortHoldMs);
}

qint64 tst_SetupControllers::holdUntilChooser(QPushButton *button)
{
    QElapsedTimer held;
    held.start();
    QTest::mousePress(button, Qt::LeftButton);
    // Waits in the event loop, so that the controller's timer runs.
    const bool shown = QTest::qWaitFor([this]() { return m_chooser->isVisible(); }, 3000);
    const qint64 elapsed = held.elapsed();
    QTest::mouseRelease(button, Qt::LeftButton);
    return shown ? elapsed : -1;
}

void tst_SetupControllers::clickRow(const QString &text)
{
    auto *list = child<QListWidget>(m_chooser, "listWidget");
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void tst_SetupControllers::logIn()
{
    QTRY_VERIFY(m_lock->isVisible());
    type(m_lock->keyboard(), QStringLiteral("halyard"), { QStringLiteral("Enter") });
}

// ---------------------------------------------------------------------------------------------------------

void tst_SetupControllers::controllersAreSetUp()
{
    SetupEnumInterface *enums = SetupEnumInterface::instance();
    SetupValueInterface *values = SetupValueInterface::instance();
    QCOMPARE(enums, m_enums->get());
    QCOMPARE(enums->longPressInterval(), 1000);
    QCOMPARE(enums->longPressScreen(), m_chooser);
    QCOMPARE(values->keyboardScreen(), m_editor);
    QCOMPARE(enums->loginWidget(), m_lock);
    QCOMPARE(values->messageDialog(), m_dialog);
    QVERIFY(!enums->isLoggedIn());
    QVERIFY(!values->isLoggedIn());
    // Nothing was pressed yet.
    QVERIFY(!enums->currentProperty());
    QVERIFY(!values->currentProperty());
}

void tst_SetupControllers::shortPressSteps_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("buttonText");

    QTest::newRow("shared, one step") << "es"
                                      << "VesselImage"
                                      << "OptionsSetup" << 0 << 1 << 1 << "Tanker ";
    QTest::newRow("shared, wraps at the end") << "es"
                                              << "VesselImage"
                                              << "OptionsSetup" << 3 << 1 << 0 << "Platform ";
    QTest::newRow("shared, three steps") << "es"
                                         << "ScalesDistance"
                                         << "OptionsSetup" << 0 << 3 << 0 << "NM ";
    QTest::newRow("local, one step") << "ls"
                                     << "AlarmSounder"
                                     << "DisplaySetup" << 0 << 1 << 1 << "off ";
    QTest::newRow("local, back to the start") << "ls"
                                              << "AlarmSounder"
                                              << "DisplaySetup" << 0 << 2 << 0 << "ON ";
}

void tst_SetupControllers::shortPressSteps()
{
    QFETCH(QString, prefix);
    QFETCH(QString, property);
    QFETCH(QString, object);
    QFETCH(int, start);
    QFETCH(int, presses);
    QFETCH(int, index);
    SerializableClass *source = settingsObject(object);
    source->setProperty(qPrintable(property), start);
    QPushButton *button = bind(prefix, property, object);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    for (int i = 0; i < presses; ++i)
        shortPress(button);

    QCOMPARE(source->property(qPrintable(property)).toInt(), index);
    QTEST(button->text(), "buttonText");
    QVERIFY(!m_chooser->isVisible());
    QVERIFY(!SetupEnumInterface::instance()->isLongPressTimerActive());
    const QString change = QLatin1Char(',') + property + QLatin1Char('=') + QString::number(index);
    if (prefix == QLatin1String("es")) {
        // Every step is one single change for the junction box.
        QCOMPARE(sent.count(), presses);
        QVERIFY2(texts(sent).last().startsWith(QLatin1String("Type_Setup,SingleProperty,")),
            qPrintable(texts(sent).last()));
        QVERIFY2(texts(sent).last().endsWith(change), qPrintable(texts(sent).last()));
    } else {
        // A local setting goes to the display's own file and nowhere else.
        QCOMPARE(sent.count(), 0);
        QVERIFY2(localFile(source).contains(change.mid(1)), qPrintable(localFile(source)));
    }
}

void tst_SetupControllers::longPressOpensChooser_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("index");

    const QStringList vessels = { "Platform", "Tanker", "Cruise", "Offshore" };
    QTest::newRow("shared, Ok") << "es"
                                << "VesselImage"
                                << "OptionsSetup" << vessels << "Select value for Vessel Image :"
                                << "Cruise"
                                << "ok_btn" << 2;
    QTest::newRow("shared, Cancel") << "es"
                                    << "VesselImage"
                                    << "OptionsSetup" << vessels << "Select value for Vessel Image :"
                                    << "Cruise"
                                    << "cancel_btn_2" << 0;
    QTest::newRow("local, Ok") << "ls"
                               << "AlarmSounder"
                               << "DisplaySetup" << QStringList { "ON", "off" }
                               << "Select value for Sounder :"
                               << "off"
                               << "ok_btn" << 1;
}

void tst_SetupControllers::longPressOpensChooser()
{
    QFETCH(QString, prefix);
    QFETCH(QString, property);
    QFETCH(QString, object);
    QFETCH(QString, row);
    QFETCH(QString, button);
    QFETCH(int, index);
    SerializableClass *source = settingsObject(object);
    QPushButton *setupButton = bind(prefix, property, object);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    // The long-press timer is a coarse timer, which may fire up to 5 % early.
    const qint64 held = holdUntilChooser(setupButton);
    QVERIFY2(held >= 950, qPrintable(QString::number(held)));
    // The release after the long press steps nothing.
    QCOMPARE(source->property(qPrintable(property)).toInt(), 0);
    QCOMPARE(sent.count(), 0);
    QTEST(m_chooser->rows(), "rows");
    QTEST(child<QLabel>(m_chooser, "title_label_2")->text(), "title");
    QVERIFY(!child<QPushButton>(m_chooser, "auto_btn")->isVisible());

    clickRow(row);
    QTest::mouseClick(child<QPushButton>(m_chooser, qPrintable(button)), Qt::LeftButton);
    QVERIFY(!m_chooser->isVisible());
    QCOMPARE(source->property(qPrintable(property)).toInt(), index);
    const int expectedTexts = (index != 0 && prefix == QLatin1String("es")) ? 1 : 0;
    QCOMPARE(sent.count(), expectedTexts);
    if (expectedTexts)
        QVERIFY(texts(sent).first().endsWith(
            QLatin1Char(',') + property + QLatin1Char('=') + QString::number(index)));
    if (index != 0)
        QCOMPARE(setupButton->text(), row + QLatin1Char(' '));
}

void tst_SetupControllers::chooserLeavesNoConnection()
{
    // A choice on one setting, cancelled; then a choice on another: only the second setting changes.
    QPushButton *vessel = bind("es", "VesselImage", "OptionsSetup");
    QPushButton *distance = bind("es", "ScalesDistance", "OptionsSetup");
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    const int distanceBefore = options->ScalesDistance();
    holdUntilChooser(vessel);
    QTest::mouseClick(child<QPushButton>(m_chooser, "cancel_btn_2"), Qt::LeftButton);
    holdUntilChooser(distance);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    clickRow(QStringLiteral("Mi"));
    QTest::mouseClick(child<QPushButton>(m_chooser, "ok_btn"), Qt::LeftButton);
    QCOMPARE(options->VesselImage(), 0);
    QVERIFY(distanceBefore != 2);
    QCOMPARE(options->ScalesDistance(), 2);
    QCOMPARE(sent.count(), 1);
}

void tst_SetupControllers::protectedSettingAsksForPassword()
{
    ESAlertSetup *alerts = ESDataClass::instance()->setup()->AlertSetup();
    QPushButton *escalation = bind("es", "EscalationTime", "AlertSetup");
    QPushButton *alarmId = bind("es", "AlarmShallowID", "AlertSetup");
    const int before = alerts->EscalationTime();
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    // Not logged in: the lock instead of a step, and the release steps nothing.
    shortPress(escalation);
    QVERIFY(m_lock->isVisible());
    QVERIFY(m_lock->keyboard()->isVisible());
    QCOMPARE(alerts->EscalationTime(), before);
    QVERIFY(!SetupEnumInterface::instance()->isLongPressTimerActive());
    // Nor does holding open the chooser.
    QTest::qWait(1100);
    QVERIFY(!m_chooser->isVisible());
    QCOMPARE(sent.count(), 0);

    // What is typed into the lock is never shown in clear.
    type(m_lock->keyboard(), QStringLiteral("halyard"));
    const QList<QLineEdit *> fields = m_lock->findChildren<QLineEdit *>();
    QVERIFY(!fields.isEmpty());
    for (QLineEdit *field : fields) {
        QVERIFY(field->echoMode() == QLineEdit::Password);
        QVERIFY(field->displayText().isEmpty() || !field->displayText().contains(QLatin1String("hal")));
    }
    type(m_lock->keyboard(), QString(), { QStringLiteral("Enter") });
    QVERIFY(!m_lock->isVisible());
    QVERIFY(SetupEnumInterface::instance()->isLoggedIn());
    QVERIFY(SetupValueInterface::instance()->isLoggedIn());

    // Logged in: the next short press steps, the protected free value opens its editor at once.
    shortPress(escalation);
    QCOMPARE(alerts->EscalationTime(), (before + 1) % 5);
    QCOMPARE(sent.count(), 1);
    QTest::mouseClick(alarmId, Qt::LeftButton);
    QVERIFY(m_editor->isVisible());
    QVERIFY(!m_lock->isVisible());
    type(m_editor->keyboard(), QStringLiteral("321"), { QStringLiteral("Enter") });
    QCOMPARE(alerts->AlarmShallowID(), 321);
    QCOMPARE(sent.count(), 2);
    QVERIFY(texts(sent).last().endsWith(QLatin1String(",AlarmShallowID=321")));
}

void tst_SetupControllers::wrongPasswordChangesNothing()
{
    ESAlertSetup *alerts = ESDataClass::instance()->setup()->AlertSetup();
    QPushButton *alarmId = bind("es", "AlarmShallowID", "AlertSetup");
    const int before = alerts->AlarmShallowID();
    QTest::mouseClick(alarmId, Qt::LeftButton);
    QVERIFY(m_lock->isVisible());
    QVERIFY(!m_editor->isVisible());
    type(m_lock->keyboard(), QStringLiteral("harbour"), { QStringLiteral("Enter") });
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(child<QLabel>(m_dialog, "label")->text(), QStringLiteral("Wrong password!"));
    QTest::mouseClick(child<QPushButton>(m_dialog, "cancel_btn"), Qt::LeftButton);
    type(m_lock->keyboard(), QString(), { QStringLiteral("Cancel") });
    QVERIFY(!m_lock->isVisible());
    QVERIFY(!SetupValueInterface::instance()->isLoggedIn());
    QVERIFY(!SetupEnumInterface::instance()->isLoggedIn());
    // Pressed again, the value still asks for the password.
    QTest::mouseClick(alarmId, Qt::LeftButton);
    QVERIFY(m_lock->isVisible());
    QCOMPARE(alerts->AlarmShallowID(), before);
}

void tst_SetupControllers::valueEditor_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("dialogType");

    QTest::newRow("shared number") << "es"
                                   << "MaxSpeed"
                                   << "OptionsSetup"
                                   << "12.5"
                                   << "Numerical"
                                   << "12.5 kn" << true << "12.5"
                                   << "";
    QTest::newRow("shared number out of range") << "es"
                                                << "MaxSpeed"
                                                << "OptionsSetup"
                                                << "150"
                                                << "Numerical"
                                                << "150 kn" << false << "20"
                                                << "x";
    QTest::newRow("shared integer, not a number") << "es"
                                                  << "RotAverage"
                                                  << "OptionsSetup"
                                                  << "1.5"
                                                  << "Numerical"
                                                  << "1.5 s" << false << "1"
                                                  << "x";
    QTest::newRow("local name") << "ls"
                                << "SystemName"
                                << "DisplaySetup"
                                << "deck"
                                << "Alphabetical"
                                << "deck " << true << "deck"
                                << "";
    QTest::newRow("local name too short") << "ls"
                                          << "SystemName"
                                          << "DisplaySetup"
                                          << "d"
                                          << "Alphabetical"
                                          << "d " << false << "ES1111"
                                          << "x";
    QTest::newRow("address in a private range") << "ls"
                                                << "IP"
                                                << "DisplaySetup"
                                                << "10.0.0.7"
                                                << "Numerical"
                                                << "10.0.0.7 " << true << "10.0.0.7"
                                                << "";
    // Stored all the same, then named.
    QTest::newRow("address outside the private ranges") << "ls"
                                                        << "IP"
                                                        << "DisplaySetup"
                                                        << "8.8.4.4"
                                                        << "Numerical"
                                                        << "8.8.4.4 " << true << "8.8.4.4"
                                                        << "e";
    QTest::newRow("not an address") << "ls"
                                    << "IP"
                                    << "DisplaySetup"
                                    << "300.1.1.1"
                                    << "Numerical"
                                    << "300.1.1.1 " << false << ""
                                    << "x";
}

void tst_SetupControllers::valueEditor()
{
    QFETCH(QString, prefix);
    QFETCH(QString, property);
    QFETCH(QString, object);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);
    QFETCH(QString, dialogType);
    SerializableClass *source = settingsObject(object);
    if (property == QLatin1String("IP"))
        source->setProperty("IP", QString());
    const QString before = source->property(qPrintable(property)).toString();
    QPushButton *button = bind(prefix, property, object);
    auto *info = qobject_cast<ValuePropertyInfo *>(description(prefix, property, object));
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(m_editor->isVisible());
    QTEST(m_editor->keyboard()->currentLayoutName(), "page");
    QCOMPARE(m_editor->keyboard()->text(), QStringLiteral(" ") + info->displayedUnit());
    QVERIFY(m_editor->titleLabel()->text().contains(info->displayedName()));
    type(m_editor->keyboard(), typed);
    QTEST(m_editor->keyboard()->text(), "shown");
    type(m_editor->keyboard(), QString(), { QStringLiteral("Enter") });

    QVERIFY(!m_editor->isVisible());
    QString stored_now = source->property(qPrintable(property)).toString();
    if (!accepted) {
        QCOMPARE(stored_now, before);
        QCOMPARE(sent.count(), 0);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(child<QLabel>(m_dialog, "label")->text(),
            info->displayedName() + QLatin1Char(' ') + info->validator()->message());
        return;
    }
    if (property == QLatin1String("MaxSpeed"))
        stored_now = QString::number(source->property("MaxSpeed").toDouble());
    QCOMPARE(stored_now, stored);
    if (prefix == QLatin1String("es")) {
        QCOMPARE(sent.count(), 1);
        QVERIFY(texts(sent).first().startsWith(QLatin1String("Type_Setup,SingleProperty,")));
    } else {
        QCOMPARE(sent.count(), 0);
        QVERIFY(localFile(source).contains(property + QLatin1Char('=') + stored));
    }
    QCOMPARE(m_dialog->isVisible(), !dialogType.isEmpty());
    if (dialogType == QLatin1String("e")) {
        IpValidator reference { QString() };
        QCOMPARE(child<QLabel>(m_dialog, "label")->text(), reference.unapprovedRangeMessage());
    }
}

void tst_SetupControllers::editorKeys()
{
    QPushButton *button = bind("es", "MaxSpeed", "OptionsSetup");
    QTest::mouseClick(button, Qt::LeftButton);
    QVirtualKeyboard *keyboard = m_editor->keyboard();
    // Backspace with nothing typed leaves nothing typed.
    type(keyboard, QString(), { QStringLiteral("<BS>") });
    QCOMPARE(keyboard->text(), QStringLiteral(" kn"));
    QCOMPARE(SetupValueInterface::instance()->typedText(), QString());
    type(keyboard, QStringLiteral("42"), { QStringLiteral("<BS>") });
    QCOMPARE(keyboard->text(), QStringLiteral("4 kn"));
    // The page switch types nothing, on either page.
    type(keyboard, QString(), { QStringLiteral("ABC") });
    QCOMPARE(keyboard->currentLayoutName(), QStringLiteral("Alphabetical"));
    type(keyboard, QString(), { QStringLiteral("123") });
    QCOMPARE(SetupValueInterface::instance()->typedText(), QStringLiteral("4"));
    type(keyboard, QStringLiteral("7"), { QStringLiteral("Enter") });
    QCOMPARE(ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup()->MaxSpeed(), 47.0);
    QCOMPARE(button->text(), QStringLiteral("47.0 kn"));
}

void tst_SetupControllers::cancelChangesNothing()
{
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    QPushButton *button = bind("es", "MaxSpeed", "OptionsSetup");
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QTest::mouseClick(button, Qt::LeftButton);
    type(m_editor->keyboard(), QStringLiteral("55"), { QStringLiteral("Cancel") });
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(options->MaxSpeed(), 20.0);
    QCOMPARE(SetupValueInterface::instance()->typedText(), QString());

    // The keyboard's own Cancel after 15 s without a key (shortened here) ends the edit the same way.
    m_editor->keyboard()->setInactivityInterval(100);
    QTest::mouseClick(button, Qt::LeftButton);
    type(m_editor->keyboard(), QStringLiteral("66"));
    QTRY_VERIFY(!m_editor->isVisible());
    QCOMPARE(options->MaxSpeed(), 20.0);
    QCOMPARE(SetupValueInterface::instance()->typedText(), QString());
    QCOMPARE(sent.count(), 0);
}

void tst_SetupControllers::invalidSourceIgnoresPresses()
{
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    QPushButton *vessel = bind("es", "VesselImage", "OptionsSetup");
    QPushButton *speed = bind("es", "MaxSpeed", "OptionsSetup");
    options->setValid(QStringLiteral("VesselImage"), false);
    options->setValid(QStringLiteral("MaxSpeed"), false);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    shortPress(vessel);
    QTest::mousePress(vessel, Qt::LeftButton);
    QVERIFY(!SetupEnumInterface::instance()->isLongPressTimerActive());
    QTest::mouseRelease(vessel, Qt::LeftButton, {}, QPoint(), 1100);
    QVERIFY(!m_chooser->isVisible());
    QTest::mouseClick(speed, Qt::LeftButton);
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(options->VesselImage(), 0);
    QCOMPARE(sent.count(), 0);
}

void tst_SetupControllers::pictures()
{
    QPushButton *vessel = bind("es", "VesselImage", "OptionsSetup");
    QPushButton *speed = bind("es", "MaxSpeed", "OptionsSetup");
    QPushButton *escalation = bind("es", "EscalationTime", "AlertSetup");
    const QList<QSize> sizes = { QSize(800, 480), QSize(1024, 600) };
    for (const QSize &size : sizes) {
        m_stage->resize(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        m_stage->savePicture(QStringLiteral("buttons") + suffix);

        holdUntilChooser(vessel);
        clickRow(QStringLiteral("Tanker"));
        m_stage->savePicture(QStringLiteral("chooser_by_long_press") + suffix);
        QTest::mouseClick(child<QPushButton>(m_chooser, "cancel_btn_2"), Qt::LeftButton);

        QTest::mouseClick(speed, Qt::LeftButton);
        type(m_editor->keyboard(), QStringLiteral("150"), { QStringLiteral("Enter") });
        m_stage->savePicture(QStringLiteral("value_refused") + suffix);
        QTest::mouseClick(child<QPushButton>(m_dialog, "cancel_btn"), Qt::LeftButton);

        QTest::mouseClick(speed, Qt::LeftButton);
        type(m_editor->keyboard(), QStringLiteral("12.5"));
        m_stage->savePicture(QStringLiteral("value_editor") + suffix);
        type(m_editor->keyboard(), QString(), { QStringLiteral("Cancel") });

        if (size == sizes.first()) {
            shortPress(escalation);
            type(m_lock->keyboard(), QStringLiteral("hal"));
            m_stage->savePicture(QStringLiteral("login") + suffix);
            type(m_lock->keyboard(), QString(), { QStringLiteral("Cancel") });
        }
    }
}

QTEST_MAIN(tst_SetupControllers)
#include "tst_setupcontrollers.moc"
