// The start-up dialog: what it offers, and what "Confirm" does before and while the system is built.

#include "core/MirloxSystem.h"
#include "platform/NetworkInterfaceList.h"
#include "ui/dialogs/NetworkSelectWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_NetworkSelectWidget : public QObject
{
    Q_OBJECT

private slots:
    void showsChoiceOfInterfacesThatAreUp();
    void confirmShowsLoadingBeforeEmitting();
    void closingWithoutConfirmBuildsNothing();
};

void tst_NetworkSelectWidget::showsChoiceOfInterfacesThatAreUp()
{
    // Interfaces that are down are not offered; one that is up is offered under its human-readable name,
    // in the system's order, also without an address and also when another one has the same name.
    NetworkInterfaceList machine(
        { { "lo", "lo", 1, true }, { "eth0", "Ethernet", 2, false }, { "enp3s0", "Ethernet", 3, true },
            { "wlan0", "WLAN", 4, true }, { "br0", "Bridge", 7, false }, { "enp4s0", "Ethernet", 5, true } });
    NetworkInterfaceList::TestOverride useMachine(&machine);
    NetworkSelectWidget dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("NetworkSelectWidget"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Korvane Tessary: Network Selection"));
    // A title bar only: the dialog cannot be closed, minimised or maximised from it.
    QCOMPARE(dialog.windowFlags() & (Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
        Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));

    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    auto *interfaces = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *confirm = dialog.findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(label && interfaces && confirm);
    QCOMPARE(label->text(),
        QStringLiteral("Please select network connection for\n communication with Korvane products."));
    QCOMPARE(confirm->text(), QStringLiteral("Confirm"));
    QCOMPARE(interfaces->geometry(), QRect(20, 50, 200, 30));
    QCOMPARE(confirm->geometry(), QRect(20, 90, 100, 30));

    QStringList offered;
    for (int i = 0; i < interfaces->count(); ++i)
        offered.append(interfaces->itemText(i));
    QCOMPARE(offered, QStringList({ "lo", "Ethernet", "WLAN", "Ethernet" }));

    // No interface up: nothing to choose.
    NetworkInterfaceList nothingUp({ { "eth0", "Ethernet", 2, false } });
    NetworkInterfaceList::TestOverride useNothingUp(&nothingUp);
    NetworkSelectWidget empty;
    QCOMPARE(empty.findChild<QComboBox *>(QStringLiteral("comboBox"))->count(), 0);
}

void tst_NetworkSelectWidget::confirmShowsLoadingBeforeEmitting()
{
    NetworkSelectWidget dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    auto *interfaces = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *confirm = dialog.findChild<QPushButton *>(QStringLiteral("pushButton"));
    const QString chosen = interfaces->currentText();

    // What a receiver of the name sees: the system is built inside the emission.
    QString titleDuring;
    QString textDuring;
    bool choiceHiddenDuring = false;
    bool labelCoversDialog = false;
    connect(&dialog, &NetworkSelectWidget::networkName, this, [&]() {
        titleDuring = dialog.windowTitle();
        textDuring = label->text();
        choiceHiddenDuring = !interfaces->isVisible() && !confirm->isVisible() && !confirm->isEnabled()
            && !interfaces->isEnabled();
        labelCoversDialog = label->geometry() == QRect(QPoint(0, 0), dialog.size());
    });
    QSignalSpy names(&dialog, &NetworkSelectWidget::networkName);

    QTest::mouseClick(confirm, Qt::LeftButton);
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first().first().toString(), chosen);
    QCOMPARE(titleDuring, QStringLiteral("Korvane Tessary"));
    QCOMPARE(textDuring, QStringLiteral("Loading..."));
    QVERIFY(choiceHiddenDuring);
    QVERIFY(labelCoversDialog);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(label->styleSheet(), QStringLiteral("font-size: 30px"));
    QVERIFY(!dialog.isVisible());

    // Confirmed once: the button is gone.
    QTest::mouseClick(confirm, Qt::LeftButton);
    QCOMPARE(names.count(), 1);
}

void tst_NetworkSelectWidget::closingWithoutConfirmBuildsNothing()
{
    auto *system = new MirloxSystem;
    system->start();
    NetworkSelectWidget *dialog = system->networkSelectWidget();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy names(dialog, &NetworkSelectWidget::networkName);
    dialog->close();
    QCOMPARE(names.count(), 0);
    QVERIFY(!system->mainWindow());
    QVERIFY(!system->hardware());
    QVERIFY(!system->nmeaController());
    QVERIFY(!system->udpController());
    QVERIFY(!system->beepGenerator());
    delete system;
}

QTEST_MAIN(tst_NetworkSelectWidget)
#include "tst_networkselectwidget.moc"
