#include "common/BuildConfiguration.h"
#include "data/ESLocalSetup.h"

#include <QDir>
#include <QFile>
#include <QMetaClassInfo>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTextStream>
#include <QtTest>

#include <memory>

// The display's local settings tree. Every test runs in a fresh working directory (run-test.sh), so the
// settings folder starts empty; each test removes the files it wrote.
class TstLocalSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void propertiesMatchTheDescription_data();
    void propertiesMatchTheDescription();
    void treeStructure();
    void firstStartDefaults();
    void filesOverrideDefaultsButNotTheSoftwareVersion();
    void localChangeIsSavedAndReadBack();
    void badFileValuesKeepTheOldValue_data();
    void badFileValuesKeepTheOldValue();
    void listedFileValuesAreTaken_data();
    void listedFileValuesAreTaken();
    void sfiSettersChangeOnlyOnNewValue();
    void groupAlwaysEmitsAndKeepsPrevious();
    void everyOtherWriteEmits();
    void presetLettersAndIndexesStayInStep_data();
    void presetLettersAndIndexesStayInStep();
    void remoteDimmingChangeOnlySetters();
    void restoreKeepsIdentityAndResetsPresets();

private:
    static QString settingsFolder()
    {
        return QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName()
            + QLatin1Char('/');
    }
    static void writeSettingsFile(const QString &objectName, const QString &text);
    static QString readSettingsFile(const QString &objectName);
};

void TstLocalSetup::init()
{
    QDir(settingsFolder()).removeRecursively();
}

void TstLocalSetup::writeSettingsFile(const QString &objectName, const QString &text)
{
    QDir().mkpath(settingsFolder());
    QFile file(settingsFolder() + QStringLiteral("CU_") + objectName + QStringLiteral(".txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QString TstLocalSetup::readSettingsFile(const QString &objectName)
{
    QFile file(settingsFolder() + QStringLiteral("CU_") + objectName + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void TstLocalSetup::propertiesMatchTheDescription_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("ESRuntimeScreenSetup") << "ESRuntimeScreenSetup";
    QTest::newRow("CU_R207_Setup") << "CU_R207_Setup";
    QTest::newRow("ESOtherLocalSettings") << "ESOtherLocalSettings";
    QTest::newRow("LocalDimmingSetup") << "LocalDimmingSetup";
    QTest::newRow("RemoteDimmingSetup") << "RemoteDimmingSetup";
}

// Walks the meta-object of a fresh leaf after the class-information defaults and compares every
// property (name, type, order, description, default, change signal) with the table beside the test.
void TstLocalSetup::propertiesMatchTheDescription()
{
    QFETCH(QString, className);

    std::unique_ptr<SerializableClass> object;
    if (className == QLatin1String("ESRuntimeScreenSetup"))
        object.reset(new ESRuntimeScreenSetup(nullptr, QStringLiteral("RuntimeScreenSetupA")));
    else if (className == QLatin1String("CU_R207_Setup"))
        object.reset(new CU_R207_Setup(nullptr, QStringLiteral("DisplaySetup")));
    else if (className == QLatin1String("ESOtherLocalSettings"))
        object.reset(new ESOtherLocalSettings(nullptr, QStringLiteral("OtherLocalSettings")));
    else if (className == QLatin1String("LocalDimmingSetup"))
        object.reset(new LocalDimmingSetup(nullptr, QStringLiteral("DayDimmingSetup")));
    else
        object.reset(new RemoteDimmingSetup(nullptr, QStringLiteral("DimmingSetup")));
    object->setDefaultValueFromClassInfo({});

    QFile golden(
        QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_localsetup_data/") + className + QStringLiteral(".txt"));
    QVERIFY2(golden.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(golden.fileName()));
    QStringList rows = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    rows.removeFirst(); // column header

    const QMetaObject *meta = object->metaObject();
    QCOMPARE(meta->className(), qPrintable(className));
    QCOMPARE(meta->propertyCount() - 1, rows.size());
    QCOMPARE(meta->classInfoCount(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList columns = rows.at(i).split(QLatin1Char('\t'));
        QCOMPARE(columns.size(), 4);
        const QMetaProperty property = meta->property(i + 1);
        const QString name = QString::fromLatin1(property.name());
        QCOMPARE(name, columns.at(0));
        QCOMPARE(QString::fromLatin1(property.typeName()), columns.at(1));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).name()), columns.at(0));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).value()), columns.at(3));
        QVERIFY2(property.isWritable(), qPrintable(name));
        QVERIFY2(property.hasNotifySignal(), qPrintable(name));
        QCOMPARE(QString::fromLatin1(property.notifySignal().name()), name + QStringLiteral("Changed"));
        QCOMPARE(property.read(object.get()).toString(), columns.at(2));
    }
}

void TstLocalSetup::treeStructure()
{
    ESLocalSetup root;
    QFile golden(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_localsetup_data/tree.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList rows = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    rows.removeFirst();

    // Depth-first walk in child order, the order of files and defaults.
    QStringList walked;
    std::function<void(SerializableClass *, int)> walk = [&](SerializableClass *object, int depth) {
        walked << QString(depth * 2, QLatin1Char(' ')) + object->objectName() + QLatin1Char('\t')
                + QString::fromLatin1(object->metaObject()->className());
        for (SerializableClass *child : object->settingsChildren())
            walk(child, depth + 1);
    };
    walk(&root, 0);
    QCOMPARE(walked, rows);

    // Each child is exposed by its owner as a pointer property named after it, in creation order.
    for (SerializableClass *owner : { static_cast<SerializableClass *>(&root),
             static_cast<SerializableClass *>(root.DimmingSetupContainer()) }) {
        const QList<SerializableClass *> children = owner->settingsChildren();
        QCOMPARE(owner->metaObject()->propertyCount() - 1, children.size());
        for (int i = 0; i < children.size(); ++i) {
            const QMetaProperty property = owner->metaObject()->property(i + 1);
            QCOMPARE(QString::fromLatin1(property.name()), children.at(i)->objectName());
            QCOMPARE(owner->childByPropertyName(children.at(i)->objectName()), children.at(i));
        }
    }

    QVERIFY(root.isRoot());
    QCOMPARE(root.type(), QStringLiteral("Type_LocalSetup"));
    QCOMPARE(root.DisplaySetup()->type(), QStringLiteral("Type_LocalSetup"));
    QCOMPARE(root.DisplaySetup()->fileName(), QStringLiteral("CU_DisplaySetup.txt"));
    QCOMPARE(root.DisplaySetup()->directory(), settingsFolder());
    // Every value of the tree starts valid.
    QVERIFY(root.DisplaySetup()->isValid(QStringLiteral("LocalSFI")));
    QVERIFY(root.DimmingSetupContainer()->OffDimmingSetup()->isValid(QStringLiteral("Brightness")));
    QVERIFY(root.RuntimeScreenSetupD()->isValid(QStringLiteral("DisplayWC")));
}

void TstLocalSetup::firstStartDefaults()
{
    ESLocalSetup root;

    // Page B off with its fifth value changed; the other pages keep the class-information defaults.
    QCOMPARE(root.RuntimeScreenSetupB()->ShowPage(), 1);
    QCOMPARE(root.RuntimeScreenSetupB()->Information5(), 17);
    QCOMPARE(root.RuntimeScreenSetupA()->ShowPage(), 0);
    QCOMPARE(root.RuntimeScreenSetupA()->Information5(), 14);
    QCOMPARE(root.RuntimeScreenSetupC()->Information2(), 11);
    QCOMPARE(root.RuntimeScreenSetupD()->AngleCalc(), 1);

    struct Expected
    {
        LocalDimmingSetup *preset;
        int brightness;
        int palette;
        int echogram;
    };
    const LocalDimmingSetupContainer *container = root.DimmingSetupContainer();
    const Expected presets[] = {
        { container->DayDimmingSetup(), 205, 4, 0 },
        { container->TwilightDimmingSetup(), 129, 2, 1 },
        { container->NightDimmingSetup(), 6, 5, 3 },
        { container->OffDimmingSetup(), 1, 5, 3 },
    };
    for (const Expected &expected : presets) {
        QCOMPARE(expected.preset->Brightness(), expected.brightness);
        QCOMPARE(expected.preset->ColorPalette(), expected.palette);
        QCOMPARE(expected.preset->EchogramColorPageA(), expected.echogram);
        QCOMPARE(expected.preset->EchogramColorPageB(), expected.echogram);
        QCOMPARE(expected.preset->EchogramColorPageC(), expected.echogram);
    }

    const CU_R207_Setup *display = root.DisplaySetup();
    QCOMPARE(display->SoftwareVersion(), QStringLiteral("SW-R219-0.2.0"));
    QCOMPARE(display->SystemName(), QStringLiteral("ES1111"));
    QCOMPARE(display->LocalSFI(), QStringLiteral("GN1000"));
    QCOMPARE(display->PairedSFI(), QStringLiteral("GN1001"));
    QCOMPARE(display->Group(), 2);
    QCOMPARE(display->DisplaySerialNumber(), 99999u);
    QCOMPARE(display->IP(), QStringLiteral("-/-"));
    QCOMPARE(display->MacAddress(), QStringLiteral("-/-"));
    QCOMPARE(display->CalibrateTouchScreen(), 0);

    const RemoteDimmingSetup *remote = root.DimmingSetup();
    QCOMPARE(remote->DimmingPreset(), QStringLiteral("D"));
    QCOMPARE(remote->ColorPalette(), QStringLiteral("D"));
    QCOMPARE(remote->DimmingPresetEnum(), 0);
    QCOMPARE(remote->ColorPaletteEnum(), 0);
    QCOMPARE(remote->BrightnessPercentage(), 50);
    QCOMPARE(remote->CurrentBrightnessPercentage(), 50);

    // Nothing is written at construction.
    QVERIFY(!QFile::exists(settingsFolder() + QStringLiteral("CU_DisplaySetup.txt")));
}

void TstLocalSetup::filesOverrideDefaultsButNotTheSoftwareVersion()
{
    writeSettingsFile(QStringLiteral("DisplaySetup"),
        QStringLiteral("SoftwareVersion=SW-OLD-9.9.9,DisplaySerialNumber=4711,IP=192.168.1.20,"
                       "MacAddress=00:11:22:33:44:55,SystemName=Bridge1,LocalSFI=GN2000,"
                       "PairedSFI=GN2001,Group=5,CalibrateTouchScreen=1"));
    writeSettingsFile(QStringLiteral("TwilightDimmingSetup"), QStringLiteral("Brightness=77,ColorPalette=1"));
    writeSettingsFile(QStringLiteral("RuntimeScreenSetupB"), QStringLiteral("ShowPage=0"));
    writeSettingsFile(QStringLiteral("DimmingSetup"), QStringLiteral("DimmingPreset=N,DimmingPresetEnum=2"));

    ESLocalSetup root;
    const CU_R207_Setup *display = root.DisplaySetup();
    QCOMPARE(display->SoftwareVersion(), QStringLiteral("SW-R219-0.2.0"));
    QCOMPARE(display->CalibrateTouchScreen(), 0);
    QCOMPARE(display->DisplaySerialNumber(), 4711u);
    QCOMPARE(display->IP(), QStringLiteral("192.168.1.20"));
    // "validator=regex;x" only makes the value read-only on the setup page: the stored MAC is read.
    QCOMPARE(display->MacAddress(), QStringLiteral("00:11:22:33:44:55"));
    QCOMPARE(display->SystemName(), QStringLiteral("Bridge1"));
    QCOMPARE(display->LocalSFI(), QStringLiteral("GN2000"));
    QCOMPARE(display->PairedSFI(), QStringLiteral("GN2001"));
    QCOMPARE(display->Group(), 5);

    const LocalDimmingSetup *twilight = root.DimmingSetupContainer()->TwilightDimmingSetup();
    QCOMPARE(twilight->Brightness(), 77);
    QCOMPARE(twilight->ColorPalette(), 1);
    QCOMPARE(twilight->EchogramColorPageA(), 1); // not in the file: the custom default stays
    QCOMPARE(root.RuntimeScreenSetupB()->ShowPage(), 0);
    QCOMPARE(root.RuntimeScreenSetupB()->Information5(), 17);
    QCOMPARE(root.DimmingSetup()->DimmingPreset(), QStringLiteral("N"));
    QCOMPARE(root.DimmingSetup()->DimmingPresetEnum(), 2);
}

void TstLocalSetup::localChangeIsSavedAndReadBack()
{
    {
        ESLocalSetup root;
        root.DisplaySetup()->setSystemName(QStringLiteral("Aft42"));
        root.DisplaySetup()->serializeSingleProperty(QStringLiteral("SystemName"), QStringLiteral("Aft42"));
        root.RuntimeScreenSetupC()->setBottomBar2(6);
        root.RuntimeScreenSetupC()->serializeSinglePropertyByName(QStringLiteral("BottomBar2"));
        root.DimmingSetup()->setColorPaletteEnum(2);
        root.DimmingSetup()->serializeSinglePropertyByName(QStringLiteral("ColorPaletteEnum"));
    }
    const QString displayFile = readSettingsFile(QStringLiteral("DisplaySetup"));
    QVERIFY2(displayFile.contains(QStringLiteral(",SystemName=Aft42,")), qPrintable(displayFile));
    QVERIFY(!displayFile.startsWith(QStringLiteral("Type_")));

    ESLocalSetup root;
    QCOMPARE(root.DisplaySetup()->SystemName(), QStringLiteral("Aft42"));
    QCOMPARE(root.RuntimeScreenSetupC()->BottomBar2(), 6);
    QCOMPARE(root.DimmingSetup()->ColorPalette(), QStringLiteral("N"));
    QCOMPARE(root.DimmingSetup()->ColorPaletteEnum(), 2);
    // Only the changed leaves have files.
    QVERIFY(!QFile::exists(settingsFolder() + QStringLiteral("CU_RuntimeScreenSetupA.txt")));
}

void TstLocalSetup::badFileValuesKeepTheOldValue_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("brightness not a number") << "DayDimmingSetup"
                                             << "Brightness=bright"
                                             << "Brightness" << QVariant(205);
    QTest::newRow("brightness above its range") << "DayDimmingSetup"
                                                << "Brightness=300"
                                                << "Brightness" << QVariant(205);
    QTest::newRow("serial number negative") << "DisplaySetup"
                                            << "DisplaySerialNumber=-5"
                                            << "DisplaySerialNumber" << QVariant(99999u);
    QTest::newRow("preset letter lower case") << "DimmingSetup"
                                              << "DimmingPreset=k"
                                              << "DimmingPreset" << QVariant("D");
    QTest::newRow("percentage above 99") << "DimmingSetup"
                                         << "BrightnessPercentage=100"
                                         << "BrightnessPercentage" << QVariant(50);
    QTest::newRow("system name too short") << "DisplaySetup"
                                           << "SystemName=a"
                                           << "SystemName" << QVariant("ES1111");
    QTest::newRow("sfi of wrong form") << "DisplaySetup"
                                       << "LocalSFI=G12345"
                                       << "LocalSFI" << QVariant("GN1000");
    QTest::newRow("integer from a real") << "RuntimeScreenSetupA"
                                         << "Information3=12.7"
                                         << "Information3" << QVariant(12);
    // Enumerations: an index outside the list would show the first choice while the number stays.
    QTest::newRow("runtime value past the choices") << "RuntimeScreenSetupA"
                                                    << "Information3=999"
                                                    << "Information3" << QVariant(12);
    QTest::newRow("runtime value negative") << "RuntimeScreenSetupD"
                                            << "Information1=-1"
                                            << "Information1" << QVariant(0);
    QTest::newRow("runtime data past page B's choices") << "RuntimeScreenSetupB"
                                                        << "RuntimeData1=16"
                                                        << "RuntimeData1" << QVariant(0);
    QTest::newRow("bottom bar past page A's choices") << "RuntimeScreenSetupA"
                                                      << "BottomBar2=10"
                                                      << "BottomBar2" << QVariant(3);
    QTest::newRow("palette past its list") << "DayDimmingSetup"
                                           << "ColorPalette=6"
                                           << "ColorPalette" << QVariant(4);
    QTest::newRow("group, largest int") << "DisplaySetup"
                                        << "Group=2147483647"
                                        << "Group" << QVariant(2);
}

// Every choice of a list is taken from a file, the last one included, and so is a default that the
// page's own list does not reach (pages C and D have one RuntimeData choice, their defaults are 1 to 2).
void TstLocalSetup::listedFileValuesAreTaken_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("expected");

    QTest::newRow("last runtime value") << "RuntimeScreenSetupA"
                                        << "Information3=31"
                                        << "Information3" << 31;
    QTest::newRow("last runtime data of page B") << "RuntimeScreenSetupB"
                                                 << "RuntimeData1=15"
                                                 << "RuntimeData1" << 15;
    QTest::newRow("last bottom bar") << "RuntimeScreenSetupC"
                                     << "BottomBar3=9"
                                     << "BottomBar3" << 9;
    QTest::newRow("default past page C's list") << "RuntimeScreenSetupC"
                                                << "RuntimeData3=2"
                                                << "RuntimeData3" << 2;
    QTest::newRow("last palette") << "NightDimmingSetup"
                                  << "ColorPalette=5"
                                  << "ColorPalette" << 5;
    QTest::newRow("last group") << "DisplaySetup"
                                << "Group=7"
                                << "Group" << 7;
}

void TstLocalSetup::listedFileValuesAreTaken()
{
    QFETCH(QString, objectName);
    QFETCH(QString, fileText);
    QFETCH(QString, property);
    QFETCH(int, expected);

    writeSettingsFile(objectName, fileText);
    ESLocalSetup root;
    SerializableClass *object = root.findChild<SerializableClass *>(objectName);
    QVERIFY(object);
    QCOMPARE(object->property(qPrintable(property)).toInt(), expected);
    QVERIFY(object->isValid(property));
}

// A damaged settings file never puts a value into a setting that the setting cannot hold or that its
// description refuses; the setting keeps the value it had.
void TstLocalSetup::badFileValuesKeepTheOldValue()
{
    QFETCH(QString, objectName);
    QFETCH(QString, fileText);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    writeSettingsFile(objectName, fileText);
    ESLocalSetup root;
    SerializableClass *object = root.findChild<SerializableClass *>(objectName);
    QVERIFY(object);
    const QVariant value = object->property(qPrintable(property));
    QCOMPARE(value.toString(), expected.toString());
    QVERIFY(object->isValid(property));
}

void TstLocalSetup::sfiSettersChangeOnlyOnNewValue()
{
    ESLocalSetup root;
    CU_R207_Setup *display = root.DisplaySetup();
    display->setLocalSFI(QStringLiteral("GN3000"));
    QCOMPARE(display->previousLocalSFI(), QStringLiteral("GN1000"));

    QSignalSpy localSpy(display, &CU_R207_Setup::LocalSFIChanged);
    QSignalSpy pairedSpy(display, &CU_R207_Setup::PairedSFIChanged);

    display->setLocalSFI(QStringLiteral("GN3000"));
    QCOMPARE(localSpy.count(), 0);
    QCOMPARE(display->previousLocalSFI(), QStringLiteral("GN1000"));

    display->setLocalSFI(QStringLiteral("GN3001"));
    QCOMPARE(localSpy.count(), 1);
    QCOMPARE(localSpy.at(0).at(0).toString(), QStringLiteral("GN3001"));
    QCOMPARE(display->previousLocalSFI(), QStringLiteral("GN3000"));

    display->setPairedSFI(QStringLiteral("GN1001"));
    QCOMPARE(pairedSpy.count(), 0);
    display->setPairedSFI(QStringLiteral("XY9999"));
    QCOMPARE(pairedSpy.count(), 1);
    QCOMPARE(pairedSpy.at(0).at(0).toString(), QStringLiteral("XY9999"));
    QCOMPARE(display->previousPairedSFI(), QStringLiteral("GN1001"));

    // The same through the property system, as the settings text writes them.
    QVERIFY(display->setProperty("PairedSFI", QStringLiteral("XY9999")));
    QCOMPARE(pairedSpy.count(), 1);
}

void TstLocalSetup::groupAlwaysEmitsAndKeepsPrevious()
{
    ESLocalSetup root;
    CU_R207_Setup *display = root.DisplaySetup();
    QSignalSpy spy(display, &CU_R207_Setup::GroupChanged);

    display->setGroup(5);
    QCOMPARE(display->previousGroup(), 2);
    display->setGroup(5);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 5);
    QCOMPARE(display->previousGroup(), 5);

    QVERIFY(QMetaObject::invokeMethod(display, "setGroupKeepingPrevious", Q_ARG(int, 7)));
    QCOMPARE(display->Group(), 7);
    QCOMPARE(display->previousGroup(), 5);
    QVERIFY(QMetaObject::invokeMethod(display, "setGroup", Q_ARG(int, 2)));
    QCOMPARE(display->previousGroup(), 7);
    QCOMPARE(spy.count(), 4);
}

void TstLocalSetup::everyOtherWriteEmits()
{
    ESLocalSetup root;
    QSignalSpy pageSpy(root.RuntimeScreenSetupA(), &ESRuntimeScreenSetup::Information2Changed);
    root.RuntimeScreenSetupA()->setInformation2(11);
    root.RuntimeScreenSetupA()->setInformation2(11);
    QCOMPARE(pageSpy.count(), 2);

    QSignalSpy soundSpy(root.DisplaySetup(), &CU_R207_Setup::AlarmSounderChanged);
    root.DisplaySetup()->setAlarmSounder(0);
    QCOMPARE(soundSpy.count(), 1);
    QCOMPARE(soundSpy.at(0).at(0).toInt(), 0);

    QSignalSpy testSpy(root.OtherLocalSettings(), &ESOtherLocalSettings::NmeaPort2StatusChanged);
    root.OtherLocalSettings()->setNmeaPort2Status(0);
    QCOMPARE(testSpy.count(), 1);

    QSignalSpy brightnessSpy(
        root.DimmingSetupContainer()->NightDimmingSetup(), &LocalDimmingSetup::BrightnessChanged);
    root.DimmingSetupContainer()->NightDimmingSetup()->setBrightness(6);
    QCOMPARE(brightnessSpy.count(), 1);

    QSignalSpy modeSpy(root.DimmingSetup(), &RemoteDimmingSetup::OperationModeChanged);
    root.DimmingSetup()->setOperationMode(0);
    root.DimmingSetup()->setOperationMode(0);
    QCOMPARE(modeSpy.count(), 2);
}

void TstLocalSetup::presetLettersAndIndexesStayInStep_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("dimmingPreset");
    QTest::addColumn<int>("dimmingPresetEnum");
    QTest::addColumn<QString>("colorPalette");
    QTest::addColumn<int>("colorPaletteEnum");

    QTest::newRow("preset K") << "DimmingPreset" << QVariant("K") << "K" << 1 << "D" << 0;
    QTest::newRow("preset O") << "DimmingPreset" << QVariant("O") << "O" << 3 << "D" << 0;
    QTest::newRow("preset k lower case") << "DimmingPreset" << QVariant("k") << "U" << -1 << "D" << 0;
    QTest::newRow("preset index 2") << "DimmingPresetEnum" << QVariant(2) << "N" << 2 << "D" << 0;
    QTest::newRow("preset index 4") << "DimmingPresetEnum" << QVariant(4) << "U" << -1 << "D" << 0;
    QTest::newRow("palette N") << "ColorPalette" << QVariant("N") << "D" << 0 << "N" << 2;
    QTest::newRow("palette index 3") << "ColorPaletteEnum" << QVariant(3) << "D" << 0 << "O" << 3;
    QTest::newRow("palette empty") << "ColorPalette" << QVariant("") << "D" << 0 << "U" << -1;
}

void TstLocalSetup::presetLettersAndIndexesStayInStep()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, dimmingPreset);
    QFETCH(int, dimmingPresetEnum);
    QFETCH(QString, colorPalette);
    QFETCH(int, colorPaletteEnum);

    ESLocalSetup root;
    RemoteDimmingSetup *remote = root.DimmingSetup();
    QSignalSpy letterSpy(remote, &RemoteDimmingSetup::DimmingPresetChanged);
    QSignalSpy paletteSpy(remote, &RemoteDimmingSetup::ColorPaletteChanged);
    QVERIFY(remote->setProperty(qPrintable(property), value));

    QCOMPARE(remote->DimmingPreset(), dimmingPreset);
    QCOMPARE(remote->DimmingPresetEnum(), dimmingPresetEnum);
    QCOMPARE(remote->ColorPalette(), colorPalette);
    QCOMPARE(remote->ColorPaletteEnum(), colorPaletteEnum);
    // The exchange ends: each letter is announced at most twice (the value written, then "U").
    QVERIFY(letterSpy.count() <= 2);
    QVERIFY(paletteSpy.count() <= 2);
}

void TstLocalSetup::remoteDimmingChangeOnlySetters()
{
    ESLocalSetup root;
    RemoteDimmingSetup *remote = root.DimmingSetup();
    QSignalSpy brightnessSpy(remote, &RemoteDimmingSetup::BrightnessPercentageChanged);
    QSignalSpy currentSpy(remote, &RemoteDimmingSetup::CurrentBrightnessPercentageChanged);
    QSignalSpy presetSpy(remote, &RemoteDimmingSetup::DimmingPresetChanged);
    QSignalSpy presetEnumSpy(remote, &RemoteDimmingSetup::DimmingPresetEnumChanged);

    remote->setBrightnessPercentage(50);
    remote->setCurrentBrightnessPercentage(50);
    remote->setDimmingPreset(QStringLiteral("D"));
    remote->setDimmingPresetEnum(0);
    QCOMPARE(brightnessSpy.count(), 0);
    QCOMPARE(currentSpy.count(), 0);
    QCOMPARE(presetSpy.count(), 0);
    QCOMPARE(presetEnumSpy.count(), 0);

    remote->setCurrentBrightnessPercentage(80);
    QCOMPARE(currentSpy.count(), 1);
    QCOMPARE(currentSpy.at(0).at(0).toInt(), 80);

    remote->setDimmingPreset(QStringLiteral("N"));
    QCOMPARE(presetSpy.count(), 1);
    QCOMPARE(presetEnumSpy.count(), 1);
    QCOMPARE(presetEnumSpy.at(0).at(0).toInt(), 2);
}

// The restore of the local defaults: the defaults walk with the exclusion map the data class keeps.
void TstLocalSetup::restoreKeepsIdentityAndResetsPresets()
{
    ESLocalSetup root;
    CU_R207_Setup *display = root.DisplaySetup();
    display->setDisplaySerialNumber(1234);
    display->setLocalSFI(QStringLiteral("GN7000"));
    display->setPairedSFI(QStringLiteral("GN7001"));
    display->setIP(QStringLiteral("10.0.0.2"));
    display->setMacAddress(QStringLiteral("aa:bb:cc:dd:ee:ff"));
    display->setSystemName(QStringLiteral("Fore1"));
    display->setGroup(5);
    display->setButtonBeep(1);
    root.OtherLocalSettings()->setNmeaPort1Status(1);
    root.OtherLocalSettings()->setNmeaPort3Status(2);
    root.OtherLocalSettings()->setTimeMode(2);
    root.DimmingSetupContainer()->DayDimmingSetup()->setBrightness(17);
    root.RuntimeScreenSetupB()->setShowPage(0);

    SerializableExclusionMap exclusions;
    exclusions.insert(display,
        { QStringLiteral("DisplaySerialNumber"), QStringLiteral("LocalSFI"), QStringLiteral("PairedSFI"),
            QStringLiteral("IP"), QStringLiteral("MacAddress"), QStringLiteral("SystemName"),
            QStringLiteral("Group") });
    exclusions.insert(root.OtherLocalSettings(),
        { QStringLiteral("NmeaPort1Status"), QStringLiteral("NmeaPort2Status"),
            QStringLiteral("NmeaPort3Status") });
    root.setDefaultValuesFromClassInfo_RecursivelyForAllChildren(exclusions);

    QCOMPARE(display->DisplaySerialNumber(), 1234u);
    QCOMPARE(display->LocalSFI(), QStringLiteral("GN7000"));
    QCOMPARE(display->PairedSFI(), QStringLiteral("GN7001"));
    QCOMPARE(display->IP(), QStringLiteral("10.0.0.2"));
    QCOMPARE(display->MacAddress(), QStringLiteral("aa:bb:cc:dd:ee:ff"));
    QCOMPARE(display->SystemName(), QStringLiteral("Fore1"));
    QCOMPARE(display->Group(), 5);
    QCOMPARE(display->ButtonBeep(), 0);
    QCOMPARE(root.OtherLocalSettings()->NmeaPort1Status(), 1);
    QCOMPARE(root.OtherLocalSettings()->NmeaPort3Status(), 2);
    QCOMPARE(root.OtherLocalSettings()->TimeMode(), 0);
    QCOMPARE(root.DimmingSetupContainer()->DayDimmingSetup()->Brightness(), 205);
    QCOMPARE(root.RuntimeScreenSetupB()->ShowPage(), 1);
    QCOMPARE(root.RuntimeScreenSetupB()->Information5(), 17);
}

QTEST_GUILESS_MAIN(TstLocalSetup)
#include "tst_localsetup.moc"
