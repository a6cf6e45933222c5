// The system setup pages: the stack and its pages, the status lists, the generated port pages, stepping
// through the ports with the communication monitor, what the products change, the bound buttons, and how
// the pages look in the window.

#include "BoundSetupButtons.h"
#include "DebugCapture.h"
#include "FreshStores.h"
#include "PixelCount.h"
#include "ScreenStage.h"

#include "common/BuildConfiguration.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "info/ESDataInfoClass.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "ui/runtime/Radar.h"
#include "ui/setup/EsSetupScreens.h"
#include "ui/setup/EviromentalTestScreen.h"
#include "ui/setup/MirLoxCalibrationWidget.h"
#include "ui/setup/SimpleGenericSetup.h"
#include "ui/setup/UpDownWidget.h"
#include "ui/status/CommunicationInformationTable.h"
#include "ui/status/InformationWidget.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>
#include <optional>

class tst_EsSetupScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pages();
    void calibrationPage();
    void statusLists_data();
    void statusLists();
    void portPages_data();
    void portPages();
    void nextPort();
    void monitorLegend();
    void comNumber_data();
    void comNumber();
    void products_data();
    void products();
    void rows_data();
    void rows();
    void boundButtons();
    void pictures_data();
    void pictures();

private:
    std::unique_ptr<EsSetupScreens> screens() const
    {
        return std::make_unique<EsSetupScreens>(EsSetupScreens::Sources::ofDataClass());
    }
    static QStringList rowNames(const InformationWidget *list)
    {
        QStringList names;
        for (int row = 0; row < list->table()->rowCount(); ++row)
            names.append(list->table()->item(row, 0)->text());
        return names;
    }

    std::optional<FreshStores> m_stores;
    std::optional<ESDataInfoClass::TestOverride> m_registry;
};

void tst_EsSetupScreens::init()
{
    m_stores.emplace();
    m_registry.emplace();
    // As the system does once at start: every setup description shows its value.
    m_registry->registry()->setupDataInfo()->updateAllGUI();
    m_registry->registry()->localSetupDataInfo()->updateAllGUI();
}

void tst_EsSetupScreens::cleanup()
{
    m_registry.reset();
    m_stores.reset();
}

void tst_EsSetupScreens::pages()
{
    const auto page = screens();
    QCOMPARE(page->size(), QSize(800, 448));
    QStackedWidget *stack = page->getStackedEsSetup();
    QCOMPARE(stack->objectName(), QStringLiteral("stacked_es_setup"));
    QCOMPARE(stack->accessibleName(), QStringLiteral("ES System Setup"));
    QCOMPARE(stack->geometry(), QRect(0, 0, 800, 447));
    const QList<QPair<QString, QString>> expected = {
        { "page_es_runtime_setup", "Runtime Screen Setup" },
        { "page_es_alert_setup", "Alert Setup" },
        { "page_es_calibration_setup", "Calibration Setup" },
        { "page_es_es_setup", "System Setup" },
        { "page_es_comms_setup", "Communications Setup" },
        { "page_es_aux_setup", "AUX Setup" },
        { "page_es_tq55_setup", "TQ55 Setup" },
        { "page_es_windowsscreen_setup", "Windows Screen Setup" },
        { "page_es_diagnostics_setup", "" },
        { "page_es_enviromentaltestscreen_setup", "Environmental Setup" },
    };
    QCOMPARE(stack->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QWidget *widget = stack->widget(i);
        QCOMPARE(widget->objectName(), expected.at(i).first);
        QCOMPARE(widget->accessibleName(), expected.at(i).second);
        if (i != 8) {
            QVERIFY(widget->minimumWidth() >= 800);
            QVERIFY(widget->minimumHeight() >= 440);
        }
    }
    // The satellite page is itself a page; it is the one shown first.
    QCOMPARE(stack->currentIndex(), 8);
    QCOMPARE(stack->widget(8), page->satellitePage());
    QVERIFY(qobject_cast<Radar *>(stack->widget(8)));
    QVERIFY(page->findChild<EviromentalTestScreen *>(QStringLiteral("enviromental_test_widget")));
    CommunicationInformationTable *monitor = page->getCommunicationInformationTable();
    QCOMPARE(monitor->objectName(), QStringLiteral("ES_CommunicationInformationWifget"));
    QCOMPARE(monitor->geometry(), QRect(20, 5, 400, 380));
    QCOMPARE(monitor->parentWidget()->objectName(), QStringLiteral("page_es_comms_setup"));
}

// One angle widget on the calibration page, and it is the one that edits the installation angle: a press on
// its arrow reaches the setting.
void tst_EsSetupScreens::calibrationPage()
{
    const auto screen = screens();
    const QList<MirLoxCalibrationWidget *> calibrations = screen->findChildren<MirLoxCalibrationWidget *>();
    QCOMPARE(calibrations.size(), 1);
    MirLoxCalibrationWidget *calibration = calibrations.first();
    QCOMPARE(calibration->objectName(), QStringLiteral("es_calibration_setup"));
    QCOMPARE(calibration->parentWidget()->objectName(), QStringLiteral("page_es_calibration_setup"));
    QCOMPARE(calibration->geometry(), QRect(0, 0, 800, 447));

    ValuePropertyInfo *angle = m_registry->registry()->setupDataInfo()->getValuePropertyInfo(
        QStringLiteral("MirloxInstallationAngle"), QStringLiteral("OptionsSetup"));
    QVERIFY(angle);
    QList<UpDownWidget *> editors;
    for (UpDownWidget *editor : screen->findChildren<UpDownWidget *>()) {
        if (editor->source() == angle)
            editors.append(editor);
    }
    QCOMPARE(editors, QList<UpDownWidget *>({ calibration->angleWidget() }));

    screen->getStackedEsSetup()->setCurrentWidget(calibration->parentWidget());
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    ESOptionsSetup *options = ESDataClass::instance()->setup()->SetupSetup()->OptionsSetup();
    const double before = options->MirloxInstallationAngle();
    auto *up = calibration->angleWidget()->findChild<QWidget *>(QStringLiteral("increaseButton"));
    QVERIFY(up && up->isVisible());
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(options->MirloxInstallationAngle(), before + 0.1);
}

void tst_EsSetupScreens::statusLists_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QStringList>("properties");

    const QStringList alerts = { "AlarmShallow", "AlertDeep", "AlertType", "EscalationTime", "AlarmShallowID",
        "AlertDeepID", "AlertSystemID", "AlarmPowerFailureID", "AlarmSFI" };
    const QStringList junctionBox
        = { "IP", "LocalSFI", "Group", "SystemName", "TQ55SerialNumber", "MacAddress", "SoftwareVersion" };
    const QStringList ownSfis = { "LocalSFI", "PairedSFI" };
    QTest::newRow("alerts") << "WINDOWS"
                            << "MIR_LOX1000"
                            << "info_widget_alert"
                            << "AlertSetup" << alerts;
    QTest::newRow("junction box") << "WINDOWS"
                                  << "MIR_LOX1000"
                                  << "info_widget_jb_setup"
                                  << "TQ55Setup" << junctionBox;
    QTest::newRow("own SFIs, Windows MIR_LOX1000") << "WINDOWS"
                                                   << "MIR_LOX1000"
                                                   << "info_widget_windowsscreen"
                                                   << "DisplaySetup" << ownSfis;
    QTest::newRow("own SFIs, Windows TVR100") << "WINDOWS"
                                              << "TVR100"
                                              << "info_widget_windowsscreen"
                                              << "DisplaySetup" << ownSfis;
    QTest::newRow("no own SFIs, Windows MIR_LOX2000") << "WINDOWS"
                                                      << "MIR_LOX2000"
                                                      << "info_widget_windowsscreen"
                                                      << "DisplaySetup" << QStringList();
    QTest::newRow("no own SFIs, Linux MIR_LOX1000") << "LINUX"
                                                    << "MIR_LOX1000"
                                                    << "info_widget_windowsscreen"
                                                    << "DisplaySetup" << QStringList();
}

void tst_EsSetupScreens::statusLists()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QString, list);
    QFETCH(QString, object);
    QFETCH(QStringList, properties);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), platform, product);
    const auto page = screens();
    auto *information = page->findChild<InformationWidget *>(list);
    QVERIFY(information);
    QCOMPARE(information->geometry(), QRect(10, 10, 481, 371));
    QStringList names;
    for (const QString &property : properties) {
        SetupDataInfo *holder = object == QLatin1String("DisplaySetup")
            ? m_registry->registry()->localSetupDataInfo()
            : m_registry->registry()->setupDataInfo();
        names.append(holder->propertyInfo(property, object)->displayedName());
    }
    QCOMPARE(rowNames(information), names);
}

void tst_EsSetupScreens::portPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("NMEA 1") << 0 << "NmeaPort1Setup"
                            << QStringList { "Baud", "VBW", "VTG", "VLW", "ROT", "THS", "HDT", "GGA", "GLL" };
    QTest::newRow("NMEA 2") << 1 << "NmeaPort2Setup" << QStringList { "Baud" };
    QTest::newRow("NMEA 3") << 2 << "NmeaPort3Setup" << QStringList { "Baud" };
    QTest::newRow("UDP") << 3 << "UdpPortSetup"
                         << QStringList { "VBW", "VTG", "VLW", "ROT", "THS", "HDT", "GGA", "GLL", "GSA",
                                "GSV" };
}

void tst_EsSetupScreens::portPages()
{
    QFETCH(int, page);
    QFETCH(QString, port);
    QFETCH(QStringList, rows);

    const auto screen = screens();
    auto *ports = screen->findChild<QStackedWidget *>(QStringLiteral("stackedCommunicationsWidget"));
    QVERIFY(ports);
    QCOMPARE(ports->geometry(), QRect(510, 64, 292, 384));
    QCOMPARE(ports->count(), 4);
    QCOMPARE(ports->currentIndex(), 0);
    auto *generated = ports->widget(page)->findChild<SimpleGenericSetup *>();
    QVERIFY(generated);
    QCOMPARE(generated->size(), QSize(292, 384));
    QCOMPARE(generated->buttons().size(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        QCOMPARE(generated->buttons().at(row)->objectName(),
            QStringLiteral("es_st_") + rows.at(row) + QLatin1Char('_') + port + QStringLiteral("_btn"));
        QCOMPARE(generated->buttons().at(row)->y(), 64 * row + 11);
    }
}

void tst_EsSetupScreens::nextPort()
{
    const auto screen = screens();
    screen->getStackedEsSetup()->setCurrentIndex(4);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *ports = screen->findChild<QStackedWidget *>(QStringLiteral("stackedCommunicationsWidget"));
    auto *channel = screen->findChild<QPushButton *>(QStringLiteral("ComNumber_btn"));
    QVERIFY(ports && channel);
    QCOMPARE(channel->text(), QStringLiteral("NMEA 1"));
    QCOMPARE(channel->geometry(), QRect(675, 11, 100, 40));
    QCOMPARE(channel->group()->objectName(), QStringLiteral("es_comportnumber_btn_group"));
    CommunicationInformationTable *monitor = screen->getCommunicationInformationTable();
    ESCommunicationInformation *information = ESDataClass::instance()->communicationInformation();
    QVERIFY(information);

    const QStringList expected = { "NMEA 2", "NMEA 3", "UDP", "NMEA 1", "NMEA 2" };
    for (int press = 0; press < expected.size(); ++press) {
        QTest::mouseClick(channel, Qt::LeftButton);
        const int page = (press + 1) % 4;
        QCOMPARE(ports->currentIndex(), page);
        QCOMPARE(channel->text(), expected.at(press));
        QCOMPARE(monitor->displayedChannelName(), expected.at(press));
        QCOMPARE(information->property("ChannelNumber").toInt(), page);
    }
}

// The legend under the monitor shows each status in the monitor's own colour, readable on its background.
void tst_EsSetupScreens::monitorLegend()
{
    const auto screen = screens();
    screen->getStackedEsSetup()->setCurrentIndex(4);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    const QList<QPair<QString, int>> legend { { "valid_message_lbl", 0 }, { "unrecognized_message_lbl", 1 },
        { "message_with_error_lbl", 2 }, { "invalid_data_lbl", 3 } };
    for (const auto &entry : legend) {
        auto *label = screen->findChild<QLabel *>(entry.first);
        QVERIFY2(label && label->isVisible(), qPrintable(entry.first));
        QCOMPARE(label->palette().color(label->foregroundRole()),
            CommunicationInformationTable::statusColor(entry.second));
        const ReadableFace shown = readableFace(label);
        QVERIFY2(shown.readable >= 20, qPrintable(shown.describe(label->text())));
    }
}

void tst_EsSetupScreens::comNumber_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("logged");

    for (int page = 0; page < 4; ++page)
        QTest::addRow("page %d", page) << page << page << false;
    QTest::newRow("page 4") << 4 << 0 << true;
    QTest::newRow("page -1") << -1 << 0 << true;
}

void tst_EsSetupScreens::comNumber()
{
    QFETCH(int, page);
    QFETCH(bool, logged);

    const auto screen = screens();
    DebugCapture capture;
    QTEST(screen->getNextComNumber(page), "channel");
    QCOMPARE(capture.count(QStringLiteral("Wrong port number: EsSetupScreens::getNextComNumber() !")),
        logged ? 1 : 0);
}

void tst_EsSetupScreens::products_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("junctionBoxButtons");
    QTest::addColumn<QStringList>("windowsButtons");
    QTest::addColumn<bool>("printerShown");
    QTest::addColumn<QString>("shallowLimit");

    const QStringList unused = { "Unused_btn_jb_setup_0", "Unused_btn_jb_setup_1", "Unused_btn_jb_setup_2",
        "Unused_btn_jb_setup_3", "Unused_btn_jb_setup_4" };
    const QStringList bound = { "es_st_IP_TQ55Setup_btn_s", "es_st_LocalSFI_TQ55Setup_btn_s",
        "es_st_Group_TQ55Setup_btn", "es_st_SystemName_TQ55Setup_btn_s", "es_st_Printer_TQ55Setup_btn" };
    const QStringList alternative = { "WindowsLocalSfi_alternative_btn", "WindowsPairedSfi_alternative_btn" };
    const QStringList ownSfis = { "ls_st_LocalSFI_DisplaySetup_btn", "ls_st_PairedSFI_DisplaySetup_btn" };

    QTest::newRow("Windows MIR_LOX1000") << "WINDOWS"
                                         << "MIR_LOX1000" << unused << ownSfis << true << "Shallow Limit";
    QTest::newRow("Windows TVR100") << "WINDOWS"
                                    << "TVR100" << unused << ownSfis << true << "Shallow Limit";
    QTest::newRow("Linux TVR100") << "LINUX"
                                  << "TVR100" << unused << alternative << true << "Shallow Limit";
    QTest::newRow("Windows TVR200") << "WINDOWS"
                                    << "TVR200" << bound << alternative << true << "Shallow Limit";
    QStringList withoutPrinter = bound.mid(0, 4);
    withoutPrinter.append(QStringLiteral("Unused_btn_jb_setup_Printer_btn"));
    QTest::newRow("Windows MIR_LOX2000")
        << "WINDOWS"
        << "MIR_LOX2000" << withoutPrinter << alternative << false << "High Speed Limit";
}

void tst_EsSetupScreens::products()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QStringList, junctionBoxButtons);
    QFETCH(QStringList, windowsButtons);
    QFETCH(bool, printerShown);
    QFETCH(QString, shallowLimit);

    BuildConfiguration::TestOverride build(QStringLiteral("CU"), platform, product);
    const auto screen = screens();
    auto *group = screen->findChild<QWidget *>(QStringLiteral("grpBox_es_tq55_setup"));
    QStringList names;
    for (const QPushButton *button : group->findChildren<QPushButton *>())
        names.append(button->objectName());
    QCOMPARE(names, junctionBoxButtons);
    auto *page = screen->findChild<QWidget *>(QStringLiteral("page_es_windowsscreen_setup"));
    QCOMPARE(page->childAt(724, 31)->objectName(), windowsButtons.at(0));
    QCOMPARE(page->childAt(724, 95)->objectName(), windowsButtons.at(1));

    auto *printer = screen->findChild<QLabel *>(QStringLiteral("jb_printer_lbl"));
    QCOMPARE(printer->isHidden(), !printerShown);
    QCOMPARE(group->height(), printerShown ? 321 : 257);
    auto *printerButton = group->findChildren<QPushButton *>().last();
    QCOMPARE(printerButton->isHidden(), !printerShown);
    QCOMPARE(printerButton->isEnabled(), printerShown);
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("shallow_limit_lbl"))->text(), shallowLimit);
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("deep_limit_lbl"))->text(),
        printerShown ? QStringLiteral("Deep Limit") : QStringLiteral("Low Speed Limit"));
}

void tst_EsSetupScreens::rows_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QRect>("firstButton");

    QTest::newRow("alerts")
        << "grpBox_es_alert_setup"
        << QStringList { "Alarm Shallow", "Alert Deep", "Alert Type", "Escalation time", "Alarm Shallow ID",
               "Alert/Warning \nDeep ID", "Alert/Warning \nSystem ID", "Warning Power \nFail/Reduction ID",
               "Alarm SFI", "Alert/Warning Deep\nand System Error\nEscalation type " }
        << QStringList { "es_st_AlarmShallow_AlertSetup_btn_3", "es_st_AlertDeep_AlertSetup_btn_3",
               "es_st_AlertType_AlertSetup_btn_3", "es_st_EscalationTime_AlertSetup_btn_3",
               "es_st_AlarmShallowID_AlertSetup_btn_3", "es_st_AlertDeepID_AlertSetup_btn_3",
               "es_st_AlertSystemID_AlertSetup_btn_3", "es_st_AlarmPowerFailureID_AlertSetup_btn_3",
               "es_st_AlarmSFI_AlertSetup_btn_3", "es_st_AlertDeepEscType_AlertSetup_btn_4" }
        << QRect(165, 11, 100, 40);
    QTest::newRow("AUX") << "grpBox_es_aux_setup"
                         << QStringList { "Aux 1 Output", "Aux 2 Output", "Aux 3 Relay", "Aux 4 Input",
                                "Shallow Limit", "Deep Limit" }
                         << QStringList { "es_st_AuxOutput1_AUXSetup_btn", "es_st_AuxOutput2_AUXSetup_btn",
                                "es_st_AuxOutput3Relay_AUXSetup_btn", "es_st_AuxInput4_AUXSetup_btn",
                                "es_st_SpeedLimitHigh_AUXSetup_btn", "es_st_SpeedLimitLow_AUXSetup_btn" }
                         << QRect(155, 9, 125, 40);
}

void tst_EsSetupScreens::rows()
{
    QFETCH(QString, group);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, buttons);
    QFETCH(QRect, firstButton);

    const auto screen = screens();
    auto *box = screen->findChild<QWidget *>(group);
    QVERIFY(box);
    const QList<QLabel *> rowLabels = box->findChildren<QLabel *>();
    const QList<QPushButton *> rowButtons = box->findChildren<QPushButton *>();
    QCOMPARE(rowLabels.size(), labels.size());
    for (int row = 0; row < labels.size(); ++row) {
        QCOMPARE(rowLabels.at(row)->text(), labels.at(row));
        QCOMPARE(rowLabels.at(row)->geometry(), QRect(0, 64 * row, 291, 64));
        QCOMPARE(rowLabels.at(row)->indent(), 10);
        QCOMPARE(rowButtons.at(row)->objectName(), buttons.at(row));
        QCOMPARE(rowButtons.at(row)->geometry(), firstButton.translated(0, 64 * row));
        // Every line of the caption ends before the button.
        for (const QString &line : labels.at(row).split(QLatin1Char('\n'))) {
            QVERIFY2(10 + rowLabels.at(row)->fontMetrics().horizontalAdvance(line) < firstButton.x(),
                qPrintable(line));
        }
        QVERIFY(
            rowLabels.at(row)->fontMetrics().lineSpacing() * labels.at(row).count(QLatin1Char('\n')) < 64);
    }
}

void tst_EsSetupScreens::boundButtons()
{
    const auto screen = screens();
    const QStringList bound = bindSetupButtons(screen.get(), m_registry->registry());
    // The alert rows, AUX rows, port rows, environmental rows and the display's SFIs; the junction box's
    // renamed buttons stay unbound in this build.
    QVERIFY(bound.contains(QStringLiteral("es_st_AlarmShallow_AlertSetup_btn_3")));
    QVERIFY(bound.contains(QStringLiteral("es_st_Baud_NmeaPort2Setup_btn")));
    QVERIFY(bound.contains(QStringLiteral("ls_st_LocalSFI_DisplaySetup_btn")));
    QVERIFY(!bound.contains(QStringLiteral("es_st_IP_TQ55Setup_btn_s")));
    auto *alertType = screen->findChild<QPushButton *>(QStringLiteral("es_st_AlertType_AlertSetup_btn_3"));
    QCOMPARE(alertType->text(),
        m_registry->registry()
            ->setupPropertyInfo(
                QStringLiteral("es"), QStringLiteral("AlertType"), QStringLiteral("AlertSetup"))
            ->text());
    QVERIFY(!alertType->text().isEmpty());
}

void tst_EsSetupScreens::pictures_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("alerts") << "page_es_alert_setup";
    QTest::newRow("communications") << "page_es_comms_setup";
    QTest::newRow("AUX") << "page_es_aux_setup";
    QTest::newRow("junction box") << "page_es_tq55_setup";
    QTest::newRow("own SFIs") << "page_es_windowsscreen_setup";
}

void tst_EsSetupScreens::pictures()
{
    QFETCH(QString, page);

    ESDataClass::instance()->setup()->TQ55Setup()->setSoftwareVersion(QStringLiteral("1.4.2"));
    ScreenStage stage;
    auto *screen = new EsSetupScreens(EsSetupScreens::Sources::ofDataClass(), stage.layout);
    screen->move(0, 33);
    bindSetupButtons(screen, m_registry->registry());
    QStackedWidget *stack = screen->getStackedEsSetup();
    stack->setCurrentWidget(stack->findChild<QWidget *>(page));
    stage.start();
    for (const QSize &size : { QSize(800, 480), QSize(1024, 600) }) {
        stage.resize(size);
        const double sx = size.width() / 800.0;
        const double sy = size.height() / 480.0;
        QCOMPARE(stack->geometry(), QRect(0, 0, int(800 * sx), int(447 * sy)));
        for (auto *list : stack->currentWidget()->findChildren<InformationWidget *>())
            QCOMPARE(list->geometry(), QRect(int(10 * sx), int(10 * sy), int(481 * sx), int(371 * sy)));
        stage.savePicture(QStringLiteral("%1_%2x%3").arg(page).arg(size.width()).arg(size.height()));
    }
}

QTEST_MAIN(tst_EsSetupScreens)
#include "tst_essetupscreens.moc"
