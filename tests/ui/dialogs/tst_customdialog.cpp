// The shared message dialog (types, answers, the frame flash on a touch beside the panel) and the system
// options dialog, in the window at two sizes.

#include "PixelCount.h"
#include "ScreenStage.h"

#include "ui/dialogs/CustomDialog.h"
#include "ui/dialogs/SystemResetDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QImage iconImage(const QString &name)
{
    return QPixmap(QStringLiteral(":/Resources/") + name + QStringLiteral(".png")).toImage();
}

bool isGreen(const QColor &c)
{
    return c.red() < 120 && c.green() > 200 && c.blue() < 140;
}

} // namespace

class tst_CustomDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showMessage_data();
    void showMessage();
    void questionAfterWarning();
    void answers_data();
    void answers();
    void flashOnBackdrop();
    void noFlashOnPanel();
    void resetOptions_data();
    void resetOptions();
    void pictures();
    void buttonTextReadable_data();
    void buttonTextReadable();

private:
    template <typename T> T *child(QWidget *parent, const char *name)
    {
        return parent->findChild<T *>(QLatin1String(name));
    }

    ScreenStage *m_stage = nullptr;
    CustomDialog *m_dialog = nullptr;
    SystemResetDialog *m_reset = nullptr;
};

void tst_CustomDialog::init()
{
    m_stage = new ScreenStage;
    m_dialog = new CustomDialog(m_stage->layout);
    m_dialog->setObjectName(QStringLiteral("custom_dialog"));
    m_dialog->setStyleSheet(QStringLiteral("background-color: transparent;"));
    m_dialog->hide();
    m_reset = new SystemResetDialog(m_stage->layout);
    m_reset->hide();
    m_stage->start();
}

void tst_CustomDialog::cleanup()
{
    delete m_stage;
}

void tst_CustomDialog::showMessage_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("okShown");
    QTest::addColumn<QString>("okText");
    QTest::addColumn<QString>("cancelText");

    QTest::newRow("question") << "q"
                              << "question" << true << "Yes"
                              << "No";
    QTest::newRow("warning") << "x"
                             << "warning" << false << "Ok"
                             << "Ok";
    QTest::newRow("notice") << "e"
                            << "exclamation" << false << "Ok"
                            << "Ok";
    // An unknown letter keeps what the form shows.
    QTest::newRow("unknown type") << "Q"
                                  << "warning" << true << "Ok"
                                  << "Cancel";
}

void tst_CustomDialog::showMessage()
{
    QFETCH(QString, type);
    QFETCH(QString, icon);
    QFETCH(bool, okShown);
    QFETCH(QString, okText);
    QFETCH(QString, cancelText);

    QSignalSpy shown(m_dialog, &CustomDialog::overlayShown);
    m_dialog->showMessage(QStringLiteral("Message text"), type);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(child<QLabel>(m_dialog, "label")->text(), QStringLiteral("Message text"));
    QCOMPARE(child<QLabel>(m_dialog, "icon_label")->pixmap(Qt::ReturnByValue).toImage(), iconImage(icon));
    QPushButton *ok = child<QPushButton>(m_dialog, "ok_btn");
    QPushButton *cancel = child<QPushButton>(m_dialog, "cancel_btn");
    QCOMPARE(ok->isVisible(), okShown);
    QCOMPARE(ok->text(), okText);
    QCOMPARE(cancel->text(), cancelText);
    // The single "Ok" of a message is the right-hand button.
    QCOMPARE(cancel->geometry(), QRect(370, 150, 141, 51));
}

void tst_CustomDialog::questionAfterWarning()
{
    m_dialog->showMessage(QStringLiteral("Wrong password!"), QStringLiteral("x"));
    QVERIFY(child<QPushButton>(m_dialog, "ok_btn")->isHidden());
    m_dialog->showMessage(QStringLiteral("Do you want to turn off the auto functions?"), QStringLiteral("q"));
    QVERIFY(child<QPushButton>(m_dialog, "ok_btn")->isVisible());
    QCOMPARE(child<QPushButton>(m_dialog, "ok_btn")->text(), QStringLiteral("Yes"));
    QCOMPARE(child<QLabel>(m_dialog, "icon_label")->pixmap(Qt::ReturnByValue).toImage(),
        iconImage(QStringLiteral("question")));
}

void tst_CustomDialog::answers_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("oks");
    QTest::addColumn<int>("cancels");

    QTest::newRow("warning acknowledged") << "x"
                                          << "cancel_btn" << 0 << 1;
    QTest::newRow("notice acknowledged") << "e"
                                         << "cancel_btn" << 0 << 1;
    QTest::newRow("question yes") << "q"
                                  << "ok_btn" << 1 << 0;
    QTest::newRow("question no") << "q"
                                 << "cancel_btn" << 0 << 1;
}

void tst_CustomDialog::answers()
{
    QFETCH(QString, type);
    QFETCH(QString, button);
    QFETCH(int, oks);
    QFETCH(int, cancels);

    QSignalSpy ok(m_dialog, &CustomDialog::okButtonClicked);
    QSignalSpy cancel(m_dialog, &CustomDialog::cancelButtonClicked);
    m_dialog->showMessage(QStringLiteral("Text"), type);
    QTest::mouseClick(m_dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    QVERIFY(m_dialog->isHidden());
    QCOMPARE(ok.count(), oks);
    QCOMPARE(cancel.count(), cancels);
}

// A touch beside the panel: green, grey, green, grey, green, grey at 100 ms steps.
void tst_CustomDialog::flashOnBackdrop()
{
    m_dialog->showMessage(QStringLiteral("Wrong password!"), QStringLiteral("x"));
    QWidget *panel = child<QWidget>(m_dialog, "dialog_widget");
    QCOMPARE(panel->property("frameColored").toBool(), false);

    QTest::mouseClick(m_dialog, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QVERIFY(m_dialog->isVisible());
    QElapsedTimer clock;
    clock.start();
    for (int flash = 1; flash <= 3; ++flash) {
        QTRY_VERIFY(panel->property("frameColored").toBool());
        QCOMPARE(m_dialog->flashCount(), flash);
        // The frame is drawn green at the panel's edge while coloured.
        QVERIFY(isGreen(panel->grab().toImage().pixelColor(2, panel->height() / 2)));
        QTRY_VERIFY(!panel->property("frameColored").toBool());
        QVERIFY(!isGreen(panel->grab().toImage().pixelColor(2, panel->height() / 2)));
    }
    QTRY_COMPARE(m_dialog->flashCount(), 0);
    // Five steps of 100 ms between the first green and the last grey (Qt's timers may fire 5 % early).
    QVERIFY2(clock.elapsed() >= 5 * 95, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(panel->property("frameColored").toBool(), false);
}

void tst_CustomDialog::noFlashOnPanel()
{
    m_dialog->showMessage(QStringLiteral("Question"), QStringLiteral("q"));
    QWidget *panel = child<QWidget>(m_dialog, "dialog_widget");
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(child<QLabel>(m_dialog, "label"), Qt::LeftButton);
    QCOMPARE(m_dialog->flashCount(), 0);
    QCOMPARE(panel->property("frameColored").toBool(), false);
    QVERIFY(m_dialog->isVisible());
}

void tst_CustomDialog::resetOptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("option");

    QTest::newRow("restart") << "restart_btn" << 0;
    QTest::newRow("restore except IO") << "restore_except_io_btn" << 1;
    QTest::newRow("restore all") << "restore_all_btn" << 2;
    QTest::newRow("cancel") << "cancel_btn" << 3;
}

void tst_CustomDialog::resetOptions()
{
    QFETCH(QString, button);
    QFETCH(int, option);

    m_reset->show();
    QSignalSpy spy(m_reset, &SystemResetDialog::optionClicked);
    QTest::mouseClick(m_reset->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(int(spy.at(0).at(0).value<SystemResetOption>()), option);
    QVERIFY(m_reset->isVisible());
}

void tst_CustomDialog::pictures()
{
    const QList<QSize> sizes = { QSize(800, 480), QSize(1024, 600) };
    for (const QSize &size : sizes) {
        m_stage->resize(size);
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QWidget *panel = child<QWidget>(m_dialog, "dialog_widget");
        QCOMPARE(panel->mapTo(&m_stage->window, QPoint(0, 0)), QPoint(int(90 * sx), int(130 * sy)));

        m_dialog->showMessage(
            QStringLiteral("Do you want to turn off the auto functions?"), QStringLiteral("q"));
        m_stage->savePicture(QStringLiteral("dialog_question") + suffix);
        m_dialog->showMessage(QStringLiteral("Max Speed  value must be a real number between 0 and 99.9!"),
            QStringLiteral("x"));
        m_stage->savePicture(QStringLiteral("dialog_warning") + suffix);
        m_dialog->showMessage(
            QStringLiteral("Unapproved IP address, approved ranges are:\n(10.0.0.0 - "
                           "10.255.255.255),\n(172.16.0.0 - 172.31.255.255),\n(192.168.0.0 - "
                           "192.168.255.255)"),
            QStringLiteral("e"));
        m_stage->savePicture(QStringLiteral("dialog_notice") + suffix);
        QTest::mouseClick(m_dialog, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTRY_VERIFY(panel->property("frameColored").toBool());
        m_stage->savePicture(QStringLiteral("dialog_flash") + suffix);
        QTRY_COMPARE(m_dialog->flashCount(), 0);
        m_dialog->hide();

        m_reset->show();
        m_reset->raise();
        QWidget *frame = child<QWidget>(m_reset, "framed_dialog");
        QCOMPARE(frame->geometry(), QRect(int(60 * sx), int(60 * sy), int(671 * sx), int(331 * sy)));
        m_stage->savePicture(QStringLiteral("system_reset") + suffix);
        m_reset->hide();
    }
}

void tst_CustomDialog::buttonTextReadable_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("button");

    QTest::newRow("question, yes") << false << "ok_btn";
    QTest::newRow("question, no") << false << "cancel_btn";
    QTest::newRow("restart") << true << "restart_btn";
    QTest::newRow("restore except IO") << true << "restore_except_io_btn";
    QTest::newRow("restore all") << true << "restore_all_btn";
    QTest::newRow("reset, cancel") << true << "cancel_btn";
}

// The buttons' texts stand out from their grey face, released and held down, by the contrast text needs
// (the green of the held button's frame and text reads on its darker face). The press is released off
// the button, so that it chooses nothing.
void tst_CustomDialog::buttonTextReadable()
{
    QFETCH(bool, reset);
    QFETCH(QString, button);

    QWidget *dialog = reset ? static_cast<QWidget *>(m_reset) : static_cast<QWidget *>(m_dialog);
    if (reset) {
        m_reset->show();
        m_reset->raise();
    } else {
        m_dialog->showMessage(
            QStringLiteral("Do you want to turn off the auto functions?"), QStringLiteral("q"));
    }
    auto *pushButton = dialog->findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QTRY_VERIFY(pushButton->isVisible());
    for (const bool pressed : { false, true }) {
        if (pressed)
            QTest::mousePress(pushButton, Qt::LeftButton);
        QTRY_COMPARE(pushButton->isDown(), pressed);
        // The face within the frame and the rounded corners.
        const ReadableFace shown = readableFace(pushButton, 8);
        QVERIFY2(shown.readable > 20,
            qPrintable(shown.describe(pushButton->text()) + QStringLiteral(", pressed %1").arg(pressed)));
    }
    QSignalSpy clicks(pushButton, &QPushButton::clicked);
    QTest::mouseRelease(pushButton, Qt::LeftButton, Qt::NoModifier, QPoint(-10, -10));
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(tst_CustomDialog)
#include "tst_customdialog.moc"
