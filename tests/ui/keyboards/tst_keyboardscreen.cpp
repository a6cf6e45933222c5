// The value editor screen and the password lock: their geometry in the window at two sizes, the title,
// the password check with its dialog, the re-lock, cancelling, and what the lock keeps of a typed text.

#include "KeyboardTyping.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "ScreensWindow.h"

#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/AlphabeticalKeyboard.h"
#include "ui/keyboards/KeyBoardScreen.h"
#include "ui/keyboards/NumericalKeyboard.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_KeyboardScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editorGeometry_data();
    void editorGeometry();
    void editorTitle_data();
    void editorTitle();
    void lockGeometry_data();
    void lockGeometry();
    void rightPasswordUnlocks();
    void wrongPassword_data();
    void wrongPassword();
    void backspace();
    void cancelKey();
    void inactivityCancelsTheLock();
    void hidingForgetsTheText();
    void passwordNeverShownInClear();
    void pictures();
    void overlaysHideThePageBehind_data();
    void overlaysHideThePageBehind();

private:
    // As the main window does: each overlay covers the window, hidden until used.
    template <typename Overlay> Overlay *addOverlay()
    {
        Overlay *overlay = new Overlay(m_stage->layout);
        overlay->setBaseSize(m_stage->window.size());
        overlay->resize(m_stage->window.size());
        overlay->move(0, 0);
        overlay->hide();
        return overlay;
    }
    void openLock();

    ScreenStage *m_stage = nullptr;
    KeyBoardScreen *m_editor = nullptr;
    PasswordWidget *m_lock = nullptr;
    CustomDialog *m_dialog = nullptr;
};

void tst_KeyboardScreen::init()
{
    m_stage = new ScreenStage;
    m_editor = addOverlay<KeyBoardScreen>();
    m_lock = addOverlay<PasswordWidget>();
    m_dialog = new CustomDialog(m_stage->layout);
    m_dialog->setStyleSheet(QStringLiteral("background-color: transparent;"));
    m_dialog->hide();
    m_lock->setMessageDialog(m_dialog);
    // What the setup controllers do with the lock.
    connect(m_lock, &PasswordWidget::cancel, m_lock, &QWidget::hide);
    connect(m_lock, &PasswordWidget::login, m_lock, &QWidget::hide);
    m_stage->start();
}

void tst_KeyboardScreen::cleanup()
{
    delete m_stage;
}

void tst_KeyboardScreen::openLock()
{
    m_lock->show();
    m_lock->raise();
    m_lock->keyboard()->show();
    m_lock->keyboard()->raise();
}

void tst_KeyboardScreen::editorGeometry_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("keyboard");
    QTest::addColumn<QRect>("title");

    QTest::newRow("800x480") << QSize(800, 480) << QRect(0, 216, 472, 264) << QRect(0, 168, 472, 48);
    QTest::newRow("1024x600") << QSize(1024, 600) << QRect(0, 270, 604, 330) << QRect(0, 210, 604, 60);
}

void tst_KeyboardScreen::editorGeometry()
{
    QFETCH(QSize, window);
    QFETCH(QRect, keyboard);
    QFETCH(QRect, title);

    m_stage->resize(window);
    m_editor->show();
    QCOMPARE(m_editor->geometry(), QRect(QPoint(0, 0), window));
    QCOMPARE(m_editor->keyboard()->geometry(), keyboard);
    QCOMPARE(m_editor->titleLabel()->geometry(), title);
    // The title ends where the keyboard begins.
    QCOMPARE(m_editor->titleLabel()->geometry().bottom() + 1, m_editor->keyboard()->y());
    // The keys fill the keyboard: the last row ends inside it.
    QPushButton *enter = keyOf(m_editor->keyboard(), QStringLiteral("Enter"));
    const QRect enterRect(enter->mapTo(m_editor->keyboard(), QPoint(0, 0)), enter->size());
    QVERIFY(m_editor->keyboard()->rect().contains(enterRect));
    QVERIFY(enterRect.bottom() > keyboard.height() * 3 / 4);
}

void tst_KeyboardScreen::editorTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");

    QTest::newRow("plain") << "Baud"
                           << "Edit value Baud :";
    // Displayed names end in a blank.
    QTest::newRow("displayed name") << "Max Speed "
                                    << "Edit value Max Speed  :";
}

void tst_KeyboardScreen::editorTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);

    m_editor->setTitle(name);
    QCOMPARE(m_editor->titleLabel()->text(), title);
}

void tst_KeyboardScreen::lockGeometry_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("caption");
    QTest::addColumn<QRect>("keyboard");
    QTest::addColumn<int>("captionPixels");

    QTest::newRow("800x480") << QSize(800, 480) << QRect(0, 96, 800, 48) << QRect(0, 144, 800, 288) << 20;
    QTest::newRow("1024x600") << QSize(1024, 600) << QRect(0, 120, 1024, 60) << QRect(0, 180, 1024, 360)
                              << 25;
}

void tst_KeyboardScreen::lockGeometry()
{
    QFETCH(QSize, window);
    QFETCH(QRect, caption);
    QFETCH(QRect, keyboard);
    QFETCH(int, captionPixels);

    m_stage->resize(window);
    openLock();
    auto *label = m_lock->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("PASSWORD:"));
    QCOMPARE(label->geometry(), caption);
    QCOMPARE(label->font().pixelSize(), captionPixels);
    QCOMPARE(m_lock->keyboard()->geometry(), keyboard);
    QVERIFY(m_lock->passwordField()->isHidden());
}

void tst_KeyboardScreen::rightPasswordUnlocks()
{
    openLock();
    m_lock->setRelockInterval(300);
    QSignalSpy login(m_lock, &PasswordWidget::login);
    QSignalSpy cancel(m_lock, &PasswordWidget::cancel);
    QVERIFY(!PasswordWidget::isUnlocked());

    type(m_lock->keyboard(), QStringLiteral("halyard"), { QStringLiteral("Enter") });
    QCOMPARE(login.count(), 1);
    QCOMPARE(cancel.count(), 0);
    QVERIFY(m_lock->isHidden());
    QVERIFY(m_dialog->isHidden());
    QCOMPARE(m_lock->passwordField()->text(), QString());
    QCOMPARE(m_lock->keyboard()->alphabeticalPage()->text(), QString());
    QCOMPARE(m_lock->keyboard()->numericalPage()->text(), QString());
    QVERIFY(PasswordWidget::isUnlocked());

    // The lock's own flag ends after its hour (shortened here); the real hour is the default.
    QTRY_VERIFY(!PasswordWidget::isUnlocked());
    QCOMPARE(PasswordWidget(nullptr).relockInterval(), 3600000);
}

void tst_KeyboardScreen::wrongPassword_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("upper case") << "HALYARD";
    QTest::newRow("empty") << "";
    QTest::newRow("too short") << "halyar";
    QTest::newRow("too long") << "halyards";
}

void tst_KeyboardScreen::wrongPassword()
{
    QFETCH(QString, typed);

    openLock();
    QSignalSpy login(m_lock, &PasswordWidget::login);
    QSignalSpy shown(m_dialog, &CustomDialog::overlayShown);
    type(m_lock->keyboard(), typed, { QStringLiteral("Enter") });
    QCOMPARE(login.count(), 0);
    QVERIFY(!PasswordWidget::isUnlocked());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(
        m_dialog->findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Wrong password!"));
    QVERIFY(m_dialog->findChild<QPushButton *>(QStringLiteral("ok_btn"))->isHidden());
    // The typed text stays for correction.
    QVERIFY(m_lock->isVisible());
    QCOMPARE(m_lock->passwordField()->text(), typed);
    QCOMPARE(m_lock->keyboard()->text(), typed);

    QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
    QVERIFY(m_dialog->isHidden());
    QVERIFY(m_lock->isVisible());
}

void tst_KeyboardScreen::backspace()
{
    openLock();
    type(m_lock->keyboard(), QStringLiteral("hal"), { QStringLiteral("<BS>") });
    QCOMPARE(m_lock->passwordField()->text(), QStringLiteral("ha"));
    QCOMPARE(m_lock->keyboard()->alphabeticalPage()->text(), QStringLiteral("ha"));
    QCOMPARE(m_lock->keyboard()->numericalPage()->text(), QStringLiteral("ha"));
    type(m_lock->keyboard(), QString(),
        { QStringLiteral("<BS>"), QStringLiteral("<BS>"), QStringLiteral("<BS>") });
    QCOMPARE(m_lock->passwordField()->text(), QString());
}

void tst_KeyboardScreen::cancelKey()
{
    openLock();
    QSignalSpy cancel(m_lock, &PasswordWidget::cancel);
    type(m_lock->keyboard(), QStringLiteral("hal"), { QStringLiteral("Cancel") });
    QCOMPARE(cancel.count(), 1);
    QVERIFY(m_lock->isHidden());
    QCOMPARE(m_lock->passwordField()->text(), QString());
    QCOMPARE(m_lock->keyboard()->text(), QString());
}

void tst_KeyboardScreen::inactivityCancelsTheLock()
{
    m_lock->keyboard()->setInactivityInterval(200);
    openLock();
    QSignalSpy cancel(m_lock, &PasswordWidget::cancel);
    QSignalSpy keys(m_lock->keyboard(), &QVirtualKeyboard::keyPressed);
    type(m_lock->keyboard(), QStringLiteral("ha"));
    QTRY_COMPARE(cancel.count(), 1);
    QVERIFY(m_lock->isHidden());
    QCOMPARE(m_lock->passwordField()->text(), QString());
    // The lock has closed: nothing more arrives from its keyboard.
    const int reported = keys.count();
    QVERIFY(!keys.wait(3 * 200));
    QCOMPARE(keys.count(), reported);
    QCOMPARE(cancel.count(), 1);
}

void tst_KeyboardScreen::hidingForgetsTheText()
{
    openLock();
    type(m_lock->keyboard(), QStringLiteral("haly"));
    m_lock->hide();
    QCOMPARE(m_lock->passwordField()->text(), QString());
    QCOMPARE(m_lock->keyboard()->alphabeticalPage()->text(), QString());
    openLock();
    QSignalSpy login(m_lock, &PasswordWidget::login);
    type(m_lock->keyboard(), QStringLiteral("ard"), { QStringLiteral("Enter") });
    QCOMPARE(login.count(), 0);
}

void tst_KeyboardScreen::passwordNeverShownInClear()
{
    openLock();
    type(m_lock->keyboard(), QStringLiteral("hal"), { QStringLiteral("123") });
    type(m_lock->keyboard(), QStringLiteral("7"));
    QCOMPARE(m_lock->passwordField()->text(), QStringLiteral("hal7"));
    const QList<QLineEdit *> fields = m_lock->findChildren<QLineEdit *>();
    for (QLineEdit *field : fields) {
        if (field->isVisible())
            QVERIFY2(!field->displayText().contains(QLatin1String("hal")), qPrintable(field->displayText()));
    }
    QCOMPARE(m_lock->keyboard()->numericalPage()->textField()->displayText().size(), 4);
}

void tst_KeyboardScreen::pictures()
{
    const QList<QSize> sizes = { QSize(800, 480), QSize(1024, 600) };
    for (const QSize &size : sizes) {
        m_stage->resize(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());

        m_editor->setTitle(QStringLiteral("Max Speed "));
        m_editor->keyboard()->setLayout(QStringLiteral("Alphabetical"));
        m_editor->keyboard()->slotSetText(QStringLiteral("12.5 kn"));
        m_editor->show();
        m_editor->raise();
        m_editor->keyboard()->show();
        QTest::mouseClick(keyOf(m_editor->keyboard(), QStringLiteral("<Shift>")), Qt::LeftButton);
        m_stage->savePicture(QStringLiteral("editor_alphabetical") + suffix);
        QTest::mouseClick(keyOf(m_editor->keyboard(), QStringLiteral("<Shift>")), Qt::LeftButton);
        QTest::mouseClick(keyOf(m_editor->keyboard(), QStringLiteral("<Shift>")), Qt::LeftButton);
        m_editor->keyboard()->setLayout(QStringLiteral("Numerical"));
        m_stage->savePicture(QStringLiteral("editor_numerical") + suffix);
        m_editor->hide();

        openLock();
        type(m_lock->keyboard(), QStringLiteral("hal"));
        m_stage->savePicture(QStringLiteral("password_lock") + suffix);
        type(m_lock->keyboard(), QString(), { QStringLiteral("Enter") });
        m_stage->savePicture(QStringLiteral("password_wrong") + suffix);
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("cancel_btn")), Qt::LeftButton);
        m_lock->hide();
    }
    QVERIFY(QFile::exists(ScreenStage::picturesFolder() + QStringLiteral("/password_lock_1024x600.png")));
}

void tst_KeyboardScreen::overlaysHideThePageBehind_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("setupButton");
    QTest::addColumn<QString>("overlay");
    QTest::addColumn<QSize>("size");

    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        const QByteArray suffix = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
        // A free value opens the value editor; a protected one the password lock.
        QTest::newRow("value editor " + suffix) << "es_es_setup_btn"
                                                << "page_es_es_setup"
                                                << "es_st_VesselLength_OptionsSetup_btn"
                                                << "keyboard_screen" << size;
        QTest::newRow("password lock " + suffix) << "es_comms_setup_btn"
                                                 << "page_es_comms_setup"
                                                 << "es_st_Baud_NmeaPort1Setup_btn"
                                                 << "password_widget" << size;
    }
}

// In the main window, opened by a press on a setup button of a page full of rows: the overlay covers the
// whole window in white, and nothing of the page behind shows beside its own title and keyboard.
void tst_KeyboardScreen::overlaysHideThePageBehind()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, page);
    QFETCH(QString, setupButton);
    QFETCH(QString, overlay);
    QFETCH(QSize, size);

    ScreensWindow window(size);
    QVERIFY(window.openSetupPage(menuButton, page));
    QVERIFY(window.press(setupButton));
    auto *shown = window->findChild<QWidget *>(overlay);
    QVERIFY(shown);
    QTRY_VERIFY(shown->isVisible());
    QCOMPARE(shown->geometry(), QRect(QPoint(0, 0), size));
    QCOMPARE(shown->palette().color(QPalette::Window), QColor(Qt::white));

    const QImage picture = ScreenPictures::save(
        window.window(), overlay + QStringLiteral("_over_page_%1x%2").arg(size.width()).arg(size.height()));
    QRegion background(shown->geometry());
    for (QWidget *child : shown->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            background -= QRect(child->mapTo(window.window(), QPoint(0, 0)), child->size());
    }
    // What is left of the overlay beside its title and keyboard is a good part of the window.
    int area = 0;
    int notWhite = 0;
    for (const QRect &rect : background) {
        area += rect.width() * rect.height();
        notWhite += rect.width() * rect.height() - ScreenPictures::pixelsNear(picture, rect, Qt::white, 1);
    }
    QVERIFY2(area > size.width() * size.height() / 5, qPrintable(QString::number(area)));
    QCOMPARE(notWhite, 0);
}

QTEST_MAIN(tst_KeyboardScreen)
#include "tst_keyboardscreen.moc"
