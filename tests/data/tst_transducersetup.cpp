#include "SettingsListing.h"

#include "common/SignalEmitter.h"
#include "data/ESAutoFunctionsSetup.h"
#include "data/ESTransducerSelectSetup.h"
#include "data/RangeValueFromEnumCalculator.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace SettingsListing;

// The transducer setups and the automatic-function tables after the defaults pass, the parameter
// marks, the gain split and the range calculator.
class tst_TransducerSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void listingMatchesGolden();
    void metaObjectShape();
    void everyWriteIsAnnounced();
    void parameterMarks_data();
    void parameterMarks();
    void combinedGainMarks();
    void combinedGainFactor_data();
    void combinedGainFactor();
    void applyCombinedGain_data();
    void applyCombinedGain();
    void sensorFrequency();
    void autoFunctionsForFrequency_data();
    void autoFunctionsForFrequency();
    void rangeSteps();
    void rangeConversions_data();
    void rangeConversions();
    void rangeIndexTables_data();
    void rangeIndexTables();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    std::unique_ptr<ESTransducerSelectSetup> m_select;
    std::unique_ptr<ESAutoFunctionsSetup> m_auto;
};

void tst_TransducerSetup::initTestCase()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_TransducerSetup::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

// Nothing builds these objects with their defaults on its own; every test starts from a defaults
// pass, as a restore would run it.
void tst_TransducerSetup::init()
{
    m_select.reset(new ESTransducerSelectSetup(nullptr, QStringLiteral("TransducerSelectSetup")));
    m_auto.reset(new ESAutoFunctionsSetup(nullptr, QStringLiteral("AutoFunctionsSetup")));
    m_select->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(SerializableExclusionMap());
    m_auto->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(SerializableExclusionMap());
}

void tst_TransducerSetup::cleanup()
{
    m_select.reset();
    m_auto.reset();
}

void tst_TransducerSetup::listingMatchesGolden()
{
    const QStringList golden = readGolden(
        QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_transducersetup_data/transducer_setups.txt"), nullptr);
    QVERIFY(!golden.isEmpty());
    const QStringList actual = list(m_select.get()) + list(m_auto.get());
    for (int i = 0; i < qMin(golden.size(), actual.size()); ++i)
        QCOMPARE(actual.at(i), golden.at(i));
    QCOMPARE(actual.size(), golden.size());
}

void tst_TransducerSetup::metaObjectShape()
{
    QStringList faults = shapeFaults(m_select.get()) + shapeFaults(m_auto.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(m_select->TransducerSetup1()->type(), QStringLiteral("Type_Setup"));
    QCOMPARE(m_select->TransducerSetup1()->fileName(), QStringLiteral("JB_TransducerSetup1.txt"));
}

// Every setting of these classes announces every write, also an unchanged value.
void tst_TransducerSetup::everyWriteIsAnnounced()
{
    QList<GoldenSetting> settings;
    readGolden(
        QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_transducersetup_data/transducer_setups.txt"), &settings);
    QVERIFY(settings.size() > 40);
    for (const GoldenSetting &setting : qAsConst(settings)) {
        QCOMPARE(setting.mode, QStringLiteral("always"));
        SerializableClass *object = findObject(m_select.get(), setting.object);
        if (!object)
            object = findObject(m_auto.get(), setting.object);
        QVERIFY2(object, qPrintable(setting.object));
        const QMetaProperty property = object->metaObject()->property(
            object->metaObject()->indexOfProperty(qPrintable(setting.property)));
        QSignalSpy spy(object, property.notifySignal());
        QVERIFY(property.write(object, property.read(object)));
        QCOMPARE(spy.count(), 1);
        const QVariant other = otherValue(property.read(object));
        QVERIFY(property.write(object, other));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0), other);
    }
}

// Range, power, TVG and gain publish the single-change text of a new value as a mark; other
// settings and unchanged values publish nothing. Marks are never sent as setup changes.
void tst_TransducerSetup::parameterMarks_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("mark");

    const QString path = QStringLiteral("Type_Setup,SingleProperty,TransducerSelectSetup,TransducerSetup2,");
    QTest::newRow("range changed") << "Range" << 4 << path + "Range=4";
    QTest::newRow("range unchanged") << "Range" << 6 << QString();
    QTest::newRow("power changed") << "PowerPercentage" << 80 << path + "PowerPercentage=80";
    QTest::newRow("power unchanged") << "PowerPercentage" << 50 << QString();
    QTest::newRow("tvg changed") << "TvgPercentage" << 0 << path + "TvgPercentage=0";
    QTest::newRow("tvg unchanged") << "TvgPercentage" << 50 << QString();
    QTest::newRow("gain changed") << "CombinedGain" << 6 << path + "CombinedGain=6";
    QTest::newRow("gain unchanged") << "CombinedGain" << 1 << QString();
    QTest::newRow("offset") << "Offset" << 3 << QString();
    QTest::newRow("sensor gain") << "SensorGain" << 5 << QString();
    QTest::newRow("max range") << "MaxRange" << 1 << QString();
}

void tst_TransducerSetup::parameterMarks()
{
    QFETCH(QString, property);
    QFETCH(int, value);
    QFETCH(QString, mark);

    EsTransducerSetup *setup = m_select->TransducerSetup2();
    const QMetaProperty meta
        = setup->metaObject()->property(setup->metaObject()->indexOfProperty(qPrintable(property)));
    QSignalSpy changed(setup, meta.notifySignal());
    QSignalSpy marks(serializableSignalEmitter(), &SignalEmitter::signalMarkString);
    QSignalSpy sent(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QVERIFY(setup->setProperty(qPrintable(property), value));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), value);
    QCOMPARE(marks.count(), mark.isEmpty() ? 0 : 1);
    if (!mark.isEmpty())
        QCOMPARE(marks.at(0).at(0).toString(), mark);
    QCOMPARE(sent.count(), 0);
}

void tst_TransducerSetup::combinedGainMarks()
{
    EsTransducerSetup *setup = m_select->TransducerSetup1();
    const QString path = QStringLiteral("Type_Setup,SingleProperty,TransducerSelectSetup,TransducerSetup1,");
    setup->setCombinedGainWithoutMark(5);
    QSignalSpy changed(setup, &EsTransducerSetup::CombinedGainChanged);
    QSignalSpy marks(serializableSignalEmitter(), &SignalEmitter::signalMarkString);

    setup->setCombinedGain(5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(marks.count(), 0);
    setup->setCombinedGain(6);
    QCOMPARE(marks.count(), 1);
    QCOMPARE(marks.at(0).at(0).toString(), path + QStringLiteral("CombinedGain=6"));
    setup->setCombinedGainAuto(7);
    QCOMPARE(marks.count(), 2);
    QCOMPARE(marks.at(1).at(0).toString(), path + QStringLiteral("CombinedGain=7_auto"));
    setup->setCombinedGainAuto(7);
    QCOMPARE(marks.count(), 2);
    setup->setCombinedGainWithoutMark(9);
    QCOMPARE(marks.count(), 2);
    QCOMPARE(setup->CombinedGain(), 9);
    QCOMPARE(changed.count(), 5);
}

void tst_TransducerSetup::combinedGainFactor_data()
{
    QTest::addColumn<int>("gain");
    QTest::addColumn<float>("factor");

    const float factors[] = { 0.25f, 1, 3, 6, 10, 20, 30, 40, 60, 80, 120, 157 };
    for (int g = 0; g < 12; ++g)
        QTest::newRow(qPrintable(QStringLiteral("g=%1").arg(g))) << g << factors[g];
    QTest::newRow("g=12") << 12 << 1.0f;
    QTest::newRow("g=-1") << -1 << 1.0f;
    QTest::newRow("g=huge") << 2147483647 << 1.0f;
}

void tst_TransducerSetup::combinedGainFactor()
{
    QFETCH(int, gain);
    QFETCH(float, factor);
    EsTransducerSetup *setup = m_select->TransducerSetup1();
    setup->setCombinedGainWithoutMark(gain);
    QCOMPARE(setup->combinedGainFactor(), factor);
}

// Which settings the split changes and sends, in order; a gain outside the twelve options sends
// nothing and leaves both settings alone.
void tst_TransducerSetup::applyCombinedGain_data()
{
    QTest::addColumn<int>("gain");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("sends");
    QTest::addColumn<int>("sensorGain");
    QTest::addColumn<int>("softwareGain");

    // Starting from SensorGain 5 and SoftwareGain 7.
    QTest::newRow("g0") << 0 << false << QStringList { "SensorGain=9" } << 9 << 7;
    QTest::newRow("g0 overwrite") << 0 << true << QStringList { "SoftwareGain=1", "SensorGain=9" } << 9 << 1;
    QTest::newRow("g1") << 1 << false << QStringList { "SensorGain=0" } << 0 << 7;
    QTest::newRow("g1 overwrite") << 1 << true << QStringList { "SoftwareGain=1", "SensorGain=0" } << 0 << 1;
    QTest::newRow("g2") << 2 << false << QStringList { "SensorGain=0", "SoftwareGain=3" } << 0 << 3;
    QTest::newRow("g2 overwrite") << 2 << true << QStringList { "SoftwareGain=3" } << 5 << 3;
    QTest::newRow("g3") << 3 << false << QStringList { "SensorGain=0", "SoftwareGain=6" } << 0 << 6;
    QTest::newRow("g3 overwrite") << 3 << true << QStringList { "SoftwareGain=6" } << 5 << 6;
    QTest::newRow("g4") << 4 << false << QStringList { "SensorGain=1" } << 1 << 7;
    QTest::newRow("g7") << 7 << false << QStringList { "SensorGain=4" } << 4 << 7;
    QTest::newRow("g7 overwrite") << 7 << true << QStringList { "SoftwareGain=1", "SensorGain=4" } << 4 << 1;
    QTest::newRow("g11") << 11 << false << QStringList { "SensorGain=8" } << 8 << 7;
    QTest::newRow("g12 out of range") << 12 << true << QStringList() << 5 << 7;
    QTest::newRow("g20 out of range") << 20 << false << QStringList() << 5 << 7;
    QTest::newRow("g-1 out of range") << -1 << true << QStringList() << 5 << 7;
}

void tst_TransducerSetup::applyCombinedGain()
{
    QFETCH(int, gain);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, sends);
    QFETCH(int, sensorGain);
    QFETCH(int, softwareGain);

    EsTransducerSetup *setup = m_select->TransducerSetup1();
    setup->setSensorGain(5);
    setup->setSoftwareGain(7);
    setup->setCombinedGainWithoutMark(gain);
    QSignalSpy sent(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy marks(serializableSignalEmitter(), &SignalEmitter::signalMarkString);
    setup->applyCombinedGain(overwrite);

    QStringList expected;
    for (const QString &item : qAsConst(sends))
        expected << QStringLiteral("Type_Setup,SingleProperty,TransducerSelectSetup,TransducerSetup1,")
                + item;
    QStringList actual;
    for (const QList<QVariant> &arguments : qAsConst(sent))
        actual << arguments.at(0).toString();
    QCOMPARE(actual, expected);
    QCOMPARE(setup->SensorGain(), sensorGain);
    QCOMPARE(setup->SoftwareGain(), softwareGain);
    QCOMPARE(marks.count(), 0);
}

void tst_TransducerSetup::sensorFrequency()
{
    EsTransducerSetup *setup = m_select->TransducerSetup1();
    QCOMPARE(setup->sensorFrequencyKHz(), 50);
    setup->setSensorFrequency(0);
    QCOMPARE(setup->sensorFrequencyKHz(), 200);
    setup->setSensorFrequency(2);
    QCOMPARE(setup->sensorFrequencyKHz(), 0);
    QCOMPARE(EsTransducerSetup::sensorFrequencyKHz(1), 50);
    QCOMPARE(EsTransducerSetup::sensorFrequencyKHz(-3), 0);
    QCOMPARE(EsTransducerSetup::sensorFrequencyKHz(99), 0);
}

void tst_TransducerSetup::autoFunctionsForFrequency_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("table");
    QTest::newRow("200 kHz") << 0 << "Freq200k210kSetup";
    QTest::newRow("50 kHz") << 1 << "Freq50kSetup";
    QTest::newRow("38 kHz") << 2 << "Freq200k210kSetup";
    QTest::newRow("24 kHz") << 7 << "Freq200k210kSetup";
    QTest::newRow("negative") << -4 << "Freq200k210kSetup";
    QTest::newRow("beyond options") << 8 << "Freq200k210kSetup";
}

void tst_TransducerSetup::autoFunctionsForFrequency()
{
    QFETCH(int, index);
    QFETCH(QString, table);
    ESTransducerAutoFunctionsSetup *setup = m_auto->autoFunctionsSetupForFrequency(index);
    QVERIFY(setup);
    QCOMPARE(setup->objectName(), table);
}

// The steps are the Range description's per-unit lists; an index outside them gives 0.
void tst_TransducerSetup::rangeSteps()
{
    RangeValueFromEnumCalculator *calculator = RangeValueFromEnumCalculator::instance();
    QCOMPARE(RangeValueFromEnumCalculator::instance(), calculator);
    const float meters[] = { 5, 10, 20, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650, 700,
        750, 800, 850, 900, 950, 1000, 2000, 3000, 4000, 5000, 6000 };
    for (int i = 0; i < 28; ++i)
        QCOMPARE(calculator->rangeValue(i, 0), meters[i]);
    QCOMPARE(calculator->rangeValue(0, 1), 15.0f);
    QCOMPARE(calculator->rangeValue(27, 1), 19500.0f);
    QCOMPARE(calculator->rangeValue(0, 2), 2.0f);
    QCOMPARE(calculator->rangeValue(27, 2), 3250.0f);
    QCOMPARE(calculator->rangeValue(27, 7), 3250.0f);
    QCOMPARE(calculator->rangeValue(28, 0), 0.0f);
    QCOMPARE(calculator->rangeValue(-1, 1), 0.0f);
    QCOMPARE(calculator->rangeValue(100000, 2), 0.0f);
    QCOMPARE(calculator->rangeInMeters(28, 1), 0.0f);
    QCOMPARE(calculator->rangeInFeet(-5, 0), 0.0f);
    QCOMPARE(calculator->rangeInFathoms(40, 2), 0.0f);
}

void tst_TransducerSetup::rangeConversions_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("expected");

    QTest::newRow("feet from metres") << "feet" << 22 << 0 << float(1000 / 0.3048);
    QTest::newRow("feet unchanged") << "feet" << 22 << 1 << 3250.0f;
    QTest::newRow("feet from fathoms") << "feet" << 22 << 2 << float(540 * 1.8288 / 0.3048);
    QTest::newRow("metres unchanged") << "meters" << 4 << 0 << 100.0f;
    QTest::newRow("metres from feet") << "meters" << 22 << 1 << float(3250 * 0.3048);
    QTest::newRow("metres from fathoms") << "meters" << 22 << 2 << float(540 * 1.8288);
    QTest::newRow("fathoms from metres") << "fathoms" << 22 << 0 << float(1000 / 1.8288);
    QTest::newRow("fathoms from feet") << "fathoms" << 22 << 1 << float(3250 * 0.3048 / 1.8288);
    QTest::newRow("fathoms unchanged") << "fathoms" << 4 << 2 << 50.0f;
    QTest::newRow("max range 1000 m") << "maxRange" << 3 << 0 << 1000.0f;
    QTest::newRow("max range 200 m") << "maxRange" << 0 << 0 << 200.0f;
    QTest::newRow("max range 5000 m in feet list") << "maxRange" << 7 << 1 << float(16000 * 0.3048);
    QTest::newRow("max range out of range") << "maxRange" << 9 << 0 << 1000.0f;
    QTest::newRow("max range negative") << "maxRange" << -1 << 0 << 1000.0f;
}

void tst_TransducerSetup::rangeConversions()
{
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(int, unit);
    QFETCH(float, expected);

    RangeValueFromEnumCalculator *calculator = RangeValueFromEnumCalculator::instance();
    float actual = 0;
    if (operation == QLatin1String("feet"))
        actual = calculator->rangeInFeet(index, unit);
    else if (operation == QLatin1String("meters"))
        actual = calculator->rangeInMeters(index, unit);
    else if (operation == QLatin1String("fathoms"))
        actual = calculator->rangeInFathoms(index, unit);
    else
        actual = calculator->maxRangeInMeters(index, unit);
    QCOMPARE(actual, expected);
}

void tst_TransducerSetup::rangeIndexTables_data()
{
    QTest::addColumn<int>("maxRangeIndex");
    QTest::addColumn<int>("rangeIndex");

    const int ranges[] = { 6, 10, 12, 22, 23, 24, 25, 26 };
    for (int i = 0; i < 8; ++i)
        QTest::newRow(qPrintable(QStringLiteral("max range %1").arg(i))) << i << ranges[i];
}

void tst_TransducerSetup::rangeIndexTables()
{
    QFETCH(int, maxRangeIndex);
    QFETCH(int, rangeIndex);
    QCOMPARE(RangeValueFromEnumCalculator::rangeIndexFromMaxRangeIndex(maxRangeIndex), rangeIndex);
    QCOMPARE(RangeValueFromEnumCalculator::maxRangeIndexFromRangeIndex(rangeIndex), maxRangeIndex);
    // Both tables pair the MaxRange and Range options of the same metre value.
    const QMetaObject &meta = EsTransducerSetup::staticMetaObject;
    const QString info = QString::fromUtf8(meta.classInfo(meta.indexOfClassInfo("MaxRange")).value());
    QStringList maxRangeMeters;
    for (const QString &item : info.split(QLatin1Char(' ')))
        if (item.startsWith(QLatin1String("enumListMeters=")))
            maxRangeMeters = item.mid(15).split(QLatin1Char(';'));
    QCOMPARE(maxRangeMeters.size(), 8);
    QCOMPARE(RangeValueFromEnumCalculator::instance()->rangeValue(rangeIndex, 0),
        maxRangeMeters.at(maxRangeIndex).toFloat());

    for (int outside : { -1, 8, 9, 1000 })
        QCOMPARE(RangeValueFromEnumCalculator::rangeIndexFromMaxRangeIndex(outside), 22);
    for (int outside : { -1, 0, 5, 7, 11, 21, 27, 28 })
        QCOMPARE(RangeValueFromEnumCalculator::maxRangeIndexFromRangeIndex(outside), 3);
}

QTEST_GUILESS_MAIN(tst_TransducerSetup)
#include "tst_transducersetup.moc"
