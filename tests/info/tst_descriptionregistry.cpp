// The registry over the real settings tree: every property of the shared setup, the local setup and the
// runtime values has exactly one description of the kind its type names; a sample of descriptions against
// the tables of the settings classes; the lookup rules; received settings texts reaching the descriptions;
// a received scale change that is followed and never sent back; choices written back (sent or saved); the
// choices of the runtime pages; and a faulty description ending the program with a failure status.
//
// Each test case builds a registry of its own over the process-wide settings tree; the values it changes in
// that tree are put back.

#include "core/CentralBaseClass.h"
#include "common/SignalEmitter.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOptionsSetup.h"
#include "data/ESRuntime.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/SerializationController.h"
#include "info/BottomBarsDataInfo.h"
#include "info/DataInfoSingleton.h"
#include "info/ESDataInfoClass.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimeEnumPropertyInfo.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"
#include "tst_descriptionregistry_classes.h"

#include <QFile>
#include <QMetaProperty>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

ESDataClass *data()
{
    return ESDataClass::instance();
}

ESOptionsSetup *options()
{
    return data()->setup()->SetupSetup()->OptionsSetup();
}

// The kind a description's type names.
QString kindOfType(const QString &description)
{
    const QString type = SerializableClassInfo::propertyInfoType(description);
    const auto is
        = [&type](const char *kind) { return type.contains(QLatin1String(kind), Qt::CaseInsensitive); };
    if (is("runtime") && !is("runtimeSetupInfoEnum"))
        return description.contains(QLatin1String("angleProperty="))
            ? QStringLiteral("RuntimePropertyWithAngleInfo")
            : QStringLiteral("RuntimePropertyInfo");
    if (is("valueFromEnum"))
        return QStringLiteral("ValueFromEnumPropertyInfo");
    if (is("enumWithDifferentUnits"))
        return QStringLiteral("EnumWithDifferentUnitsPropertyInfo");
    if (is("runtimeSetupInfoEnum"))
        return QStringLiteral("RuntimeEnumPropertyInfo");
    if (is("value"))
        return QStringLiteral("ValuePropertyInfo");
    return QStringLiteral("EnumPropertyInfo");
}

// Every plain property of every settings object at or below `object`: (object, property name).
void collectProperties(SerializableClass *object, QList<QPair<SerializableClass *, QString>> &properties)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        if (SerializableClass *child = object->childByPropertyName(name))
            collectProperties(child, properties);
        else
            properties.append({ object, name });
    }
}

// The 32 runtime values a page's value button may show, in the order of the runtime values.
const QStringList runtimeChoices = { "SpeedGPS", "SpeedSOGGpsLong", "SpeedSOGGpsTra", "SpeedSOGGpsTraAft",
    "SpeedSOGLog", "SpeedSOGLogLong", "SpeedSOGLogTra", "SpeedSOGLogTraAft", "SpeedSTWLog", "SpeedSTWLogLong",
    "SpeedSTWLogTra", "PositionNS", "PositionEW", "Heading", "ROT", "Temperature", "Total", "Trip",
    "WaterTotal", "WaterTrip", "LOGDepth", "GPS_StatusHdop", "GalileoStatusHdop", "GlonassStatusHdop",
    "GPS_StatusEPE", "GalileoStatusEPE", "GlonassStatusEPE", "CombinedStatusEPE", "StatusSatsNr",
    "DepthSurface", "DepthKeel", "DepthTransducer" };
const QStringList runtimeChoicesShown = { "SOG", "SOG L", "SOG T", "SOG T Aft", "SOG LOG", "SOG L Log",
    "SOG T Log", "SOG T Aft Log", "STW LOG", "STW L Log", "STW T Log", "Lat", "Lon", "Heading °", "ROT °/min",
    "Temperature °C", "Total", "Trip", "WaterTotal", "WaterTrip", "DPTH From LOG", "GPS HDOP", "Galileo HDOP",
    "Glonass HDOP", "GPS EPE", "Galileo EPE", "Glonass EPE", "Combined EPE", "SAT NR", "DPTH Blw Surface",
    "DPTH Blw Keel", "DPTH Blw Trans" };

} // namespace

class tst_DescriptionRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyPropertyDescribedOnce();
    void sample_data();
    void sample();
    void lookups();
    void sameRegistryEverywhere();

    void receivedTextsReachDescriptions();
    void receivedScaleIsFollowedNotSentBack();
    void choicesWrittenBack();

    void runtimePageChoices();
    void runtimePageChoicesByPage_data();
    void runtimePageChoicesByPage();
    void storedChoiceOutsideTheList();
    void runtimePageFaults_data();
    void runtimePageFaults();

    void faultyDescriptionEndsTheProgram();

private:
    std::unique_ptr<ESDataInfoClass::TestOverride> m_registry;
};

void tst_DescriptionRegistry::init()
{
    m_registry.reset(new ESDataInfoClass::TestOverride);
}

void tst_DescriptionRegistry::cleanup()
{
    m_registry.reset();
}

// ---------------------------------------------------------------------------------------------------------
// The whole tree

void tst_DescriptionRegistry::everyPropertyDescribedOnce()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    QCOMPARE(registry, m_registry->registry());

    struct Tree
    {
        SerializableClass *root;
        QString prefix;
    };
    const QList<Tree> trees
        = { { data()->setup(), "es" }, { data()->localSetup(), "ls" }, { data()->runtime(), "" } };
    QSet<PropertyInfo *> descriptions;
    int propertyCount = 0;
    for (const Tree &tree : trees) {
        QList<QPair<SerializableClass *, QString>> properties;
        collectProperties(tree.root, properties);
        QVERIFY(!properties.isEmpty());
        for (const auto &property : qAsConst(properties)) {
            SerializableClass *object = property.first;
            const QString &name = property.second;
            PropertyInfo *info = tree.prefix.isEmpty()
                ? registry->runtimePropertyInfo(name)
                : registry->setupPropertyInfo(tree.prefix, name, object->objectName());
            QVERIFY2(info, qPrintable(object->objectName() + QLatin1Char('.') + name));
            QCOMPARE(info->name(), name);
            QCOMPARE(info->sourceObject(), object);
            const QString description = QString::fromUtf8(
                object->metaObject()
                    ->classInfo(object->metaObject()->indexOfClassInfo(name.toLatin1().constData()))
                    .value());
            QCOMPARE(QString::fromLatin1(info->metaObject()->className()), kindOfType(description));
            descriptions.insert(info);
            ++propertyCount;
        }
    }
    // One description per property: none is shared.
    QCOMPARE(descriptions.size(), propertyCount);
    QCOMPARE(registry->runtimePropertyNames(), runtimeChoices);
}

void tst_DescriptionRegistry::sample_data()
{
    QTest::addColumn<QString>("prefix"); // "es", "ls", or empty for a runtime value
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("displayedName");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QStringList>("choices");

    const QStringList none;
    const QStringList groups = { "MISC", "TGTD", "SATD", "NAVD", "VDRD", "RCOM", "TIME", "PROP" };
    QTest::newRow("max speed") << "es"
                               << "OptionsSetup"
                               << "MaxSpeed"
                               << "ValuePropertyInfo"
                               << "Max Speed "
                               << "kn" << 1 << none;
    QTest::newRow("speed scale") << "es"
                                 << "OptionsSetup"
                                 << "ScalesSpeed"
                                 << "EnumPropertyInfo"
                                 << "Scales Speed "
                                 << "" << 1 << QStringList({ "kn", "m/s", "mi/h" });
    QTest::newRow("depth scale") << "es"
                                 << "OptionsSetup"
                                 << "ScalesDepth"
                                 << "EnumPropertyInfo"
                                 << "Scales Depth "
                                 << "" << 1 << QStringList({ "m", "ft", "fm" });
    QTest::newRow("vessel image") << "es"
                                  << "OptionsSetup"
                                  << "VesselImage"
                                  << "EnumPropertyInfo"
                                  << "Vessel Image "
                                  << "" << 1 << QStringList({ "Platform", "Tanker", "Cruise", "Offshore" });
    QTest::newRow("shallow alarm") << "es"
                                   << "AlertSetup"
                                   << "AlarmShallow"
                                   << "ValuePropertyInfo"
                                   << "Alarm Shallow (Keel) "
                                   << "m" << 1 << none;
    QTest::newRow("alert type") << "es"
                                << "AlertSetup"
                                << "AlertType"
                                << "EnumPropertyInfo"
                                << "Alert Type "
                                << "" << 1
                                << QStringList({ "CAT_A_ALR", "CAT_A_ALF", "CAT_B_ALR", "CAT_B_ALF" });
    QTest::newRow("escalation") << "es"
                                << "AlertSetup"
                                << "EscalationTime"
                                << "EnumPropertyInfo"
                                << "Escalation Time "
                                << "min" << 1 << QStringList({ "1", "2", "3", "4", "5" });
    QTest::newRow("junction box group") << "es"
                                        << "TQ55Setup"
                                        << "Group"
                                        << "EnumPropertyInfo"
                                        << "Group "
                                        << "" << 1 << groups;
    QTest::newRow("junction box address") << "es"
                                          << "TQ55Setup"
                                          << "IP"
                                          << "ValuePropertyInfo"
                                          << "IP Address "
                                          << "" << 1 << none;
    QTest::newRow("display group") << "ls"
                                   << "DisplaySetup"
                                   << "Group"
                                   << "EnumPropertyInfo"
                                   << "Group "
                                   << "" << 1 << groups;
    QTest::newRow("display serial number") << "ls"
                                           << "DisplaySetup"
                                           << "DisplaySerialNumber"
                                           << "ValuePropertyInfo"
                                           << "Serial Number "
                                           << "" << 1 << none;
    QTest::newRow("page shown") << "ls"
                                << "RuntimeScreenSetupA"
                                << "ShowPage"
                                << "EnumPropertyInfo"
                                << "ShowPage "
                                << "" << 1 << QStringList({ "ON", "off" });
    QTest::newRow("angle") << "ls"
                           << "RuntimeScreenSetupD"
                           << "AngleCalc"
                           << "EnumPropertyInfo"
                           << "Angle Calc "
                           << "" << 1 << QStringList({ "TRUE", "RELATIVE" });
    QTest::newRow("page value") << "ls"
                                << "RuntimeScreenSetupA"
                                << "Information1"
                                << "RuntimeEnumPropertyInfo"
                                << "Information1 "
                                << "" << 1 << runtimeChoices;
    QTest::newRow("speed over ground") << ""
                                       << "ESRuntime"
                                       << "SpeedGPS"
                                       << "RuntimePropertyWithAngleInfo"
                                       << "SOG "
                                       << "kn" << 1 << none;
    QTest::newRow("trip") << ""
                          << "ESRuntime"
                          << "Trip"
                          << "RuntimePropertyInfo"
                          << "Trip "
                          << "NM" << 2 << none;
    QTest::newRow("latitude") << ""
                              << "ESRuntime"
                              << "PositionNS"
                              << "RuntimePropertyInfo"
                              << "Lat "
                              << "" << 3 << none;
    QTest::newRow("heading") << ""
                             << "ESRuntime"
                             << "Heading"
                             << "RuntimePropertyInfo"
                             << "Heading ° "
                             << "" << 1 << none;
    QTest::newRow("hidden angle") << ""
                                  << "ESRuntime"
                                  << "AngleSpeedGPS"
                                  << "RuntimePropertyInfo"
                                  << "SOG Angle "
                                  << "°" << 1 << none;
    QTest::newRow("hidden speed with angle") << ""
                                             << "ESRuntime"
                                             << "WaterCurrent"
                                             << "RuntimePropertyWithAngleInfo"
                                             << "Water Current "
                                             << "kn" << 1 << none;
}

void tst_DescriptionRegistry::sample()
{
    QFETCH(QString, prefix);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QStringList, choices);
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    PropertyInfo *info = prefix.isEmpty() ? registry->runtimePropertyInfo(property)
                                          : registry->setupPropertyInfo(prefix, property, object);
    QVERIFY(info);
    QCOMPARE(info->sourceObject()->objectName(), object);
    QTEST(QString::fromLatin1(info->metaObject()->className()), "kind");
    QTEST(info->displayedName(), "displayedName");
    QTEST(info->sourceUnit(), "unit");
    QTEST(info->numberOfDecimals(1.0), "decimals");
    if (auto *enumeration = qobject_cast<EnumPropertyInfo *>(info))
        QCOMPARE(enumeration->enumList(), choices);
    if (auto *setting = qobject_cast<SetupPropertyInfo *>(info))
        QCOMPARE(setting->isLocal(), prefix == QLatin1String("ls"));
}

void tst_DescriptionRegistry::lookups()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    QVERIFY(registry->setupPropertyInfo("ls", "ShowPage", "RuntimeScreenSetupA"));
    // Only "ls", exactly, selects the local setup.
    QCOMPARE(registry->setupPropertyInfo("es", "ShowPage", "RuntimeScreenSetupA"), nullptr);
    QCOMPARE(registry->setupPropertyInfo("LS", "ShowPage", "RuntimeScreenSetupA"), nullptr);
    QVERIFY(registry->setupPropertyInfo("es", "Mark", "OtherSettings"));
    QCOMPARE(registry->setupPropertyInfo("xx", "Mark", "OtherSettings"),
        registry->setupPropertyInfo("es", "Mark", "OtherSettings"));
    // Runtime values are no setup descriptions, and bottom bars have none.
    QCOMPARE(registry->setupPropertyInfo("es", "SpeedGPS", "ESRuntime"), nullptr);
    QVERIFY(registry->runtimePropertyInfo("SpeedGPS"));
    QVERIFY(registry->runtimePropertyInfo("AngleSpeedGPS"));
    QCOMPARE(registry->runtimePropertyInfo("MaxSpeed"), nullptr);
    QCOMPARE(registry->bottomBarsPropertyInfo("Range", "TransducerSetup1"), nullptr);
    QCOMPARE(registry->bottomBarsPropertyInfo("Range", "ESBottomBars"), nullptr);
    QCOMPARE(registry->propertyInfoAfter("DepthTransducer"), registry->runtimePropertyInfo("SpeedGPS"));
    // The companions are bound: the shown speed to its hidden angle.
    auto *speed = qobject_cast<RuntimePropertyWithAngleInfo *>(registry->runtimePropertyInfo("SpeedGPS"));
    QVERIFY(speed);
    QCOMPARE(speed->anglePropertyInfo(), registry->runtimePropertyInfo("AngleSpeedGPS"));
    QCOMPARE(registry->setupDataInfo()->objectName(), QStringLiteral("ESSetup"));
    QCOMPARE(registry->localSetupDataInfo()->objectName(), QStringLiteral("ESLocalSetup"));
    QCOMPARE(registry->runtimeDataInfo()->objectName(), QStringLiteral("ESRuntime"));
    QCOMPARE(registry->bottomBarsDataInfo()->objectName(), QStringLiteral("ESBottomBars"));
}

void tst_DescriptionRegistry::sameRegistryEverywhere()
{
    QCOMPARE(ESDataInfoClass::instance(), ESDataInfoClass::instance());
    QCOMPARE(DataInfoSingleton::instance()->dataInfo(), ESDataInfoClass::instance());
    DataInfoSingleton::instance()->setDataInfo(QStringLiteral("nothing"));
    QCOMPARE(DataInfoSingleton::instance()->dataInfo(), ESDataInfoClass::instance());
    // A registry of a nested override, and back.
    ESDataInfoClass *outer = ESDataInfoClass::instance();
    {
        ESDataInfoClass::TestOverride inner;
        QVERIFY(ESDataInfoClass::instance() != outer);
        QCOMPARE(DataInfoSingleton::instance()->dataInfo(), inner.registry());
    }
    QCOMPARE(ESDataInfoClass::instance(), outer);
    QCOMPARE(DataInfoSingleton::instance()->dataInfo(), outer);
}

// ---------------------------------------------------------------------------------------------------------
// Following the settings

void tst_DescriptionRegistry::receivedTextsReachDescriptions()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    SerializationController *receiver = SerializationController::instance();

    PropertyInfo *shallow = registry->setupPropertyInfo("es", "AlarmShallow", "AlertSetup");
    QSignalSpy shallowValues(shallow, &PropertyInfo::valueChanged);
    QSignalSpy shallowTexts(shallow, &PropertyInfo::textChanged);
    receiver->deserializeData(QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=20"));
    QCOMPARE(shallowValues.count(), 1);
    QCOMPARE(shallowValues.at(0).at(0).toString(), QStringLiteral("20.0"));
    QCOMPARE(shallowTexts.at(0).at(0).toString(), QStringLiteral("20.0 m"));

    PropertyInfo *speed = registry->runtimePropertyInfo("SpeedSTWLogTra");
    QSignalSpy values(speed, &PropertyInfo::valueChanged);
    QSignalSpy texts(speed, &PropertyInfo::textChanged);
    QSignalSpy integrity(speed, &PropertyInfo::integrityChanged);
    receiver->deserializeData(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,SpeedSTWLogTra=12.34"));
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toString(), QStringLiteral("12.3"));
    QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("12.3"));
    QCOMPARE(integrity.count(), 1);
    QCOMPARE(integrity.at(0).at(0).toBool(), true);
    // An empty value: invalid, shown as the placeholder.
    receiver->deserializeData(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,SpeedSTWLogTra="));
    QCOMPARE(texts.last().at(0).toString(), QStringLiteral("-/-"));
    QCOMPARE(integrity.last().at(0).toBool(), false);

    receiver->deserializeData(QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=10"));
}

void tst_DescriptionRegistry::receivedScaleIsFollowedNotSentBack()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    SerializationController *receiver = SerializationController::instance();
    auto *shallow
        = qobject_cast<ValuePropertyInfo *>(registry->setupPropertyInfo("es", "AlarmShallow", "AlertSetup"));
    QVERIFY(shallow);
    shallow->updateGUI();
    data()->runtime()->setLOGDepth(10.0);
    PropertyInfo *depth = registry->runtimePropertyInfo("LOGDepth");
    auto *scale
        = qobject_cast<EnumPropertyInfo *>(registry->setupPropertyInfo("es", "ScalesDepth", "OptionsSetup"));
    QVERIFY(scale);

    QSignalSpy sent(data(), &AbstractDataClass::parseData);
    QSignalSpy single(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy whole(settingsSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    receiver->deserializeData(
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,ScalesDepth=1"));

    QCOMPARE(options()->ScalesDepth(), 1);
    QCOMPARE(scale->currentIndex(), 1);
    QCOMPARE(shallow->displayedUnit(), QStringLiteral("ft"));
    QCOMPARE(shallow->displayedValue(), QStringLiteral("32.8"));
    QCOMPARE(depth->displayedUnit(), QStringLiteral("ft"));
    // Nothing leaves the unit: the scale came from the junction box.
    QCOMPARE(sent.count(), 0);
    QCOMPARE(single.count(), 0);
    QCOMPARE(whole.count(), 0);

    receiver->deserializeData(
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,SetupSetup,OptionsSetup,ScalesDepth=0"));
    QCOMPARE(shallow->displayedUnit(), QStringLiteral("m"));
    QCOMPARE(sent.count(), 0);
}

void tst_DescriptionRegistry::choicesWrittenBack()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    ESTQ55Setup *junctionBox = data()->setup()->TQ55Setup();
    const int group = junctionBox->Group();
    auto *groups = qobject_cast<EnumPropertyInfo *>(registry->setupPropertyInfo("es", "Group", "TQ55Setup"));
    QVERIFY(groups);
    groups->setInvalidIndexes({ 0, 1, 3, 4, 6 });
    groups->setCurrentIndex(2);
    QSignalSpy sent(data(), &AbstractDataClass::parseData);
    groups->next();
    QCOMPARE(junctionBox->Group(), 5);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(
        sent.at(0).at(0).toString(), QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,Group=5"));
    QCOMPARE(sent.at(0).at(1).toString(), QStringLiteral("PQRVAVG"));
    groups->previous();
    QCOMPARE(junctionBox->Group(), 2);
    groups->setCurrentIndex(group);

    ESRuntimeScreenSetup *pageB = data()->localSetup()->RuntimeScreenSetupB();
    const int shownBefore = pageB->ShowPage();
    auto *shown = qobject_cast<EnumPropertyInfo *>(
        registry->setupPropertyInfo("ls", "ShowPage", "RuntimeScreenSetupB"));
    QVERIFY(shown);
    sent.clear();
    shown->next();
    const int shownAfter = 1 - shownBefore;
    QCOMPARE(pageB->ShowPage(), shownAfter);
    QCOMPARE(sent.count(), 0);
    QFile file(pageB->directory() + pageB->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLocal8Bit(file.readAll()).contains(QStringLiteral("ShowPage=%1").arg(shownAfter)));
    shown->setCurrentIndex(shownBefore);
}

// ---------------------------------------------------------------------------------------------------------
// The choices of the runtime pages

void tst_DescriptionRegistry::runtimePageChoices()
{
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    auto *pageA = qobject_cast<RuntimeEnumPropertyInfo *>(
        registry->setupPropertyInfo("ls", "Information1", "RuntimeScreenSetupA"));
    auto *pageD = qobject_cast<RuntimeEnumPropertyInfo *>(
        registry->setupPropertyInfo("ls", "Information1", "RuntimeScreenSetupD"));
    QVERIFY(pageA && pageD);
    QCOMPARE(pageA->enumList(), runtimeChoices);
    QCOMPARE(pageA->enumListToDisplay(), runtimeChoicesShown);
    QCOMPARE(pageD->enumList(), runtimeChoices);
    QCOMPARE(pageD->selectableDisplayedValues(), runtimeChoicesShown);
    QCOMPARE(pageD->objectNameFor("1"), QStringLiteral("ESRuntime"));
    // The defaults of Information1 to Information5.
    QStringList defaults;
    for (const char *name :
        { "Information1", "Information2", "Information3", "Information4", "Information5" })
        defaults << qobject_cast<EnumPropertyInfo *>(
            registry->setupPropertyInfo("ls", name, "RuntimeScreenSetupA"))
                        ->currentDisplayedValue();
    QCOMPARE(defaults, QStringList({ "SOG", "Lat", "Lon", "Heading °", "ROT °/min" }));
}

void tst_DescriptionRegistry::runtimePageChoicesByPage_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("firstObject");
    QTest::addColumn<QString>("secondObject");

    QTest::newRow("page A data") << "RuntimeScreenSetupA"
                                 << "RuntimeData3" << 4 << "Trip"
                                 << "Trip"
                                 << "ESRuntime"
                                 << "ESRuntime";
    QTest::newRow("page B data") << "RuntimeScreenSetupB"
                                 << "RuntimeData1" << 16 << "SpeedSOGGpsLong"
                                 << "SOG L Gps"
                                 << "ESRuntime"
                                 << "ESRuntime";
    QTest::newRow("page C data") << "RuntimeScreenSetupC"
                                 << "RuntimeData3" << 1 << ""
                                 << ""
                                 << "ESRuntime"
                                 << "ESRuntime";
    QTest::newRow("page A range") << "RuntimeScreenSetupA"
                                  << "BottomBar1" << 1 << "Range"
                                  << "Range"
                                  << "TransducerSetup1"
                                  << "TransducerSetup1";
    QTest::newRow("page C range, both transducers") << "RuntimeScreenSetupC"
                                                    << "BottomBar1" << 1 << "Range"
                                                    << "Range"
                                                    << "TransducerSetup1"
                                                    << "TransducerSetup2";
    QTest::newRow("page A bar") << "RuntimeScreenSetupA"
                                << "BottomBar2" << 10 << "PicSpeed"
                                << "Pic Speed"
                                << "RuntimeScreenSetupA"
                                << "RuntimeScreenSetupA";
    QTest::newRow("page C bar") << "RuntimeScreenSetupC"
                                << "BottomBar3" << 10 << "AutoFunctions"
                                << "Auto Functions"
                                << "OptionsSetup"
                                << "OptionsSetup";
    QTest::newRow("page D bar: one empty choice") << "RuntimeScreenSetupD"
                                                  << "BottomBar2" << 1 << ""
                                                  << ""
                                                  << ""
                                                  << "";
}

void tst_DescriptionRegistry::runtimePageChoicesByPage()
{
    QFETCH(QString, object);
    QFETCH(QString, property);
    auto *info = qobject_cast<RuntimeEnumPropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo("ls", property, object));
    QVERIFY(info);
    QTEST(info->enumList().size(), "count");
    QTEST(info->currentValue(), "current");
    QTEST(info->currentDisplayedValue(), "shown");
    QTEST(info->objectNameFor("1"), "firstObject");
    QTEST(info->objectNameFor("2"), "secondObject");
}

void tst_DescriptionRegistry::storedChoiceOutsideTheList()
{
    ESRuntimeScreenSetup page(nullptr, QStringLiteral("RuntimeScreenSetupB"));
    page.setInformation2(40);
    RuntimeEnumPropertyInfo info(
        QStringLiteral("name=Information2 enumList=RuntimeInformation isLocal=true defaultValue=11"), &page);
    QCOMPARE(info.currentIndex(), 0);
    QCOMPARE(info.currentValue(), QStringLiteral("SpeedGPS"));
    QCOMPARE(page.Information2(), 40);
}

void tst_DescriptionRegistry::runtimePageFaults_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<QString>("fault");

    const QString constructor
        = QStringLiteral("RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor exception");
    QTest::newRow("wrong source object")
        << "OtherLocalSettings"
        << "name=Information1 enumList=RuntimeInformation"
        << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo - Wrong source class" << constructor;
    QTest::newRow("no list name") << "RuntimeScreenSetupA"
                                  << "name=Information1 enumList="
                                  << "RuntimeEnumPropertyInfo::RuntimeEnumPropertyInfo constructor mistake"
                                  << constructor;
    QTest::newRow("unlisted") << "RuntimeScreenSetupA"
                              << "name=Information1 enumList=Unlisted"
                              << "wrong enum property info parameters!"
                              << "wrong enum property info parameters";
}

void tst_DescriptionRegistry::runtimePageFaults()
{
    QFETCH(QString, objectName);
    QFETCH(QString, description);
    QFETCH(QString, logged);
    ESRuntimeScreenSetup page(nullptr, objectName);
    QTest::ignoreMessage(QtDebugMsg, logged.toUtf8().constData());
    try {
        RuntimeEnumPropertyInfo info(description, &page);
        QFAIL("no exception");
    } catch (const char *text) {
        QTEST(QString::fromLatin1(text), "fault");
    }
}

// ---------------------------------------------------------------------------------------------------------
// A faulty description

void tst_DescriptionRegistry::faultyDescriptionEndsTheProgram()
{
    FaultySetup faulty;
    ESDataInfoClass::Sources sources = ESDataInfoClass::Sources::ofDataClass();
    sources.setup = &faulty;
    ESDataInfoClass *before = ESDataInfoClass::instance();
    // The program's own guard: the message in the log, a failure status.
    QTest::ignoreMessage(QtDebugMsg, "wrong max parameter");
    const int status = CentralBaseClass::runGuarded([&sources]() {
        ESDataInfoClass::TestOverride build(sources);
        return 0;
    });
    QCOMPARE(status, EXIT_FAILURE);
    // Nothing of the failed build is left behind.
    QCOMPARE(ESDataInfoClass::instance(), before);
}

QTEST_MAIN(tst_DescriptionRegistry)
#include "tst_descriptionregistry.moc"
