#include "nmea/NmeaData.h"
#include "nmea/NmeaMessage.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"

#include <QIntValidator>
#include <QMetaProperty>
#include <QtTest>

#include <cmath>
#include <limits>

class tst_NmeaData : public QObject
{
    Q_OBJECT

private slots:
    void properties();
    void startValues();
    void instanceAndChildren();
    void depthChannels_data();
    void depthChannels();
    void positionDegrees_data();
    void positionDegrees();
    void utcDateTime_data();
    void utcDateTime();
    void localTimeOffset_data();
    void localTimeOffset();
    void localDateTime();
    void allFieldsValid();

private:
    // Sets every ZDA field to a valid value.
    static void setZda(
        ZdaData &zda, double utc, int day, int month, int year, int hours = 0, int minutes = 0);
};

void tst_NmeaData::setZda(ZdaData &zda, double utc, int day, int month, int year, int hours, int minutes)
{
    zda.utc()->setValue(utc);
    zda.day()->setValue(day);
    zda.month()->setValue(month);
    zda.year()->setValue(year);
    zda.localHoursOffset()->setValue(hours);
    zda.localMinutesOffset()->setValue(minutes);
}

void tst_NmeaData::properties()
{
    NmeaData data;
    const QMetaObject *meta = data.metaObject();
    QCOMPARE(meta->propertyCount() - 1, 50);
    int floats = 0;
    int strings = 0;
    int ints = 0;
    for (int i = 1; i < meta->propertyCount(); ++i) {
        ValidatedProperty *field = NmeaMessage::fieldOf(&data, meta->property(i).name());
        QVERIFY2(field, meta->property(i).name());
        QCOMPARE(field->parent(), &data);
        QCOMPARE(field->validityLimit(), 10);
        floats += qobject_cast<ValidatedFloatProperty *>(field) ? 1 : 0;
        strings += qobject_cast<ValidatedStringProperty *>(field) ? 1 : 0;
        ints += qobject_cast<ValidatedIntProperty *>(field) ? 1 : 0;
    }
    QCOMPARE(floats, 37);
    QCOMPARE(strings, 12);
    QCOMPARE(ints, 1);
    QCOMPARE(QString::fromLatin1(meta->property(1).name()), QStringLiteral("UtcOfPosition"));
    QCOMPARE(QString::fromLatin1(meta->property(50).name()), QStringLiteral("HorizontalDilutionOfPrecision"));

    auto *satellites
        = qobject_cast<ValidatedIntProperty *>(NmeaMessage::fieldOf(&data, "NumberOfSatellitesInUse"));
    QVERIFY(satellites);
    auto *validator = qobject_cast<QIntValidator *>(satellites->validator());
    QVERIFY(validator);
    QCOMPARE(validator->top(), 12);
    QCOMPARE(NmeaMessage::fieldOf(&data, "True")->fixedLength(), 1);
}

void tst_NmeaData::startValues()
{
    // Only the text values with a default start valid.
    NmeaData data;
    const QStringList withDefault { "ModeIndicator_THS", "StatusWaterSpeed", "StatusSternWaterSpeed",
        "StatusGroundSpeed", "StatusSternGroundSpeed" };
    const QMetaObject *meta = data.metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        ValidatedProperty *field = NmeaMessage::fieldOf(&data, meta->property(i).name());
        QCOMPARE(field->isValid(), withDefault.contains(name));
        if (withDefault.contains(name)) {
            QCOMPARE(field->toNmeaString(), QStringLiteral("V"));
            QVERIFY(!field->canBeNullField());
        }
    }
}

void tst_NmeaData::instanceAndChildren()
{
    NmeaData *data = NmeaData::instance();
    QVERIFY(data);
    QCOMPARE(NmeaData::instance(), data);
    QVERIFY(!data->parent());
    QVERIFY(data->zdaData());
    QCOMPARE(data->zdaData()->parent(), data);
    QVERIFY(data->pqrvDptData(1));
    QVERIFY(data->pqrvDptData(2));
    QVERIFY(data->pqrvDptData(1) != data->pqrvDptData(2));

    ZdaData *zda = data->zdaData();
    const QMetaObject *meta = zda->metaObject();
    QCOMPARE(meta->propertyCount() - 1, 6);
    for (int i = 1; i < meta->propertyCount(); ++i) {
        ValidatedProperty *field = NmeaMessage::fieldOf(zda, meta->property(i).name());
        QVERIFY(field);
        QCOMPARE(field->validityLimit(), 60);
        QVERIFY(!field->isValid());
    }
    QCOMPARE(NmeaMessage::fieldOf(zda, "Utc"), zda->utc());
    QCOMPARE(NmeaMessage::fieldOf(zda, "LocalMinutesOffset"), zda->localMinutesOffset());
}

void tst_NmeaData::depthChannels_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("exists");
    QTest::newRow("channel 1") << 1 << true;
    QTest::newRow("channel 2") << 2 << true;
    QTest::newRow("channel 0") << 0 << false;
    QTest::newRow("channel 3") << 3 << false;
    QTest::newRow("negative") << -1 << false;
}

// Two channels of proprietary depth values, children of the store, each with the six fields of the
// proprietary DPT sentence and nothing received yet.
void tst_NmeaData::depthChannels()
{
    QFETCH(int, channel);
    QFETCH(bool, exists);

    NmeaData data;
    PqrvDptData *depth = data.pqrvDptData(channel);
    QCOMPARE(depth != nullptr, exists);
    if (!exists)
        return;
    QCOMPARE(depth->parent(), &data);
    QCOMPARE(data.pqrvDptData(channel), depth);
    QCOMPARE(data.pqrvDptData(3 - channel)->parent(), &data);
    QVERIFY(data.pqrvDptData(3 - channel) != depth);

    const QMetaObject *meta = depth->metaObject();
    QCOMPARE(meta->propertyCount() - 1, 6);
    for (int i = 1; i < meta->propertyCount(); ++i) {
        ValidatedProperty *field = NmeaMessage::fieldOf(depth, meta->property(i).name());
        QVERIFY2(field, meta->property(i).name());
        QCOMPARE(field->parent(), depth);
        QVERIFY(!field->isValid());
    }
    QCOMPARE(NmeaMessage::fieldOf(depth, "DepthBlwTransducerMeters"), depth->DepthBlwTransducerMeters());
    QCOMPARE(NmeaMessage::fieldOf(depth, "TransducerPosition"), depth->TransducerPosition());
}

void tst_NmeaData::positionDegrees_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("northOrSouth");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("eastOrWest");
    QTest::addColumn<double>("latitudeDegrees");
    QTest::addColumn<double>("longitudeDegrees");

    QTest::newRow("north east") << 5130.5 << "N" << 12.25 << "E" << 51.508333 << 0.204167;
    QTest::newRow("south west") << 5130.5 << "S" << 7951.4697 << "W" << -51.508333 << -79.857828;
    // Only "N" and "E" count as positive.
    QTest::newRow("no hemisphere") << 5130.5 << "" << 7951.4697 << "" << -51.508333 << -79.857828;
    QTest::newRow("lower case") << 3249.469 << "n" << 17959.99 << "e" << -32.824483 << -179.999833;
    QTest::newRow("zero") << 0.0 << "N" << 0.0 << "E" << 0.0 << 0.0;
    QTest::newRow("whole degrees") << 9000.0 << "N" << 18000.0 << "W" << 90.0 << -180.0;
}

void tst_NmeaData::positionDegrees()
{
    QFETCH(double, latitude);
    QFETCH(QString, northOrSouth);
    QFETCH(double, longitude);
    QFETCH(QString, eastOrWest);
    QFETCH(double, latitudeDegrees);
    QFETCH(double, longitudeDegrees);

    NmeaData data;
    qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(&data, "Latitude"))->setValue(latitude);
    qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(&data, "Longitude"))->setValue(longitude);
    qobject_cast<ValidatedStringProperty *>(NmeaMessage::fieldOf(&data, "NorthOrSouth"))
        ->setValue(northOrSouth);
    qobject_cast<ValidatedStringProperty *>(NmeaMessage::fieldOf(&data, "EastOrWest"))->setValue(eastOrWest);
    // Taken in single precision: a dddmm.mmmm value is good to about a thousandth of a minute.
    QVERIFY2(qAbs(data.latitudeDegrees() - latitudeDegrees) < 2e-5,
        qPrintable(QString::number(data.latitudeDegrees(), 'f', 8)));
    QVERIFY2(qAbs(data.longitudeDegrees() - longitudeDegrees) < 2e-5,
        qPrintable(QString::number(data.longitudeDegrees(), 'f', 8)));
}

void tst_NmeaData::utcDateTime_data()
{
    QTest::addColumn<double>("utc");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDateTime>("expected");

    QTest::newRow("last second of a leap day, fraction dropped")
        << 235959.99 << 29 << 2 << 2024 << QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59), Qt::UTC);
    QTest::newRow("no leading zero") << 93000.0 << 19 << 1 << 2018
                                     << QDateTime(QDate(2018, 1, 19), QTime(9, 30, 0), Qt::UTC);
    QTest::newRow("midnight") << 0.0 << 1 << 1 << 2000
                              << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0), Qt::UTC);
    QTest::newRow("hour 24") << 240000.0 << 19 << 1 << 2018 << QDateTime();
    QTest::newRow("minute 60") << 126000.0 << 19 << 1 << 2018 << QDateTime();
    QTest::newRow("29 February of a common year") << 120000.0 << 29 << 2 << 2023 << QDateTime();
    QTest::newRow("month 13") << 120000.0 << 1 << 13 << 2018 << QDateTime();
    // Received numbers far outside a day must not reach an integer conversion.
    QTest::newRow("negative") << -1.0 << 19 << 1 << 2018 << QDateTime();
    QTest::newRow("huge") << 1e300 << 19 << 1 << 2018 << QDateTime();
    QTest::newRow("not a number") << std::nan("") << 19 << 1 << 2018 << QDateTime();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 19 << 1 << 2018 << QDateTime();
}

void tst_NmeaData::utcDateTime()
{
    QFETCH(double, utc);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QDateTime, expected);

    ZdaData zda;
    setZda(zda, utc, day, month, year);
    const QDateTime result = zda.utcDateTime();
    QCOMPARE(result.isValid(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(result, expected);
        QCOMPARE(result.timeSpec(), Qt::UTC);
        QCOMPARE(result.time().msec(), 0);
    }
}

void tst_NmeaData::localTimeOffset_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("offset");

    QTest::newRow("-5 h 30 min is 5 h 30 min ahead") << -5 << 30 << 19800;
    QTest::newRow("3 h is 3 h behind") << 3 << 0 << -10800;
    QTest::newRow("0 h 30 min") << 0 << 30 << -1800;
    QTest::newRow("zone zero") << 0 << 0 << 0;
    QTest::newRow("15 h") << 15 << 0 << -54000;
    // Received integers of any size give a bounded result instead of an overflow.
    QTest::newRow("largest hours") << std::numeric_limits<int>::max() << 0 << std::numeric_limits<int>::min();
    QTest::newRow("smallest hours") << std::numeric_limits<int>::min() << 0
                                    << std::numeric_limits<int>::max();
}

void tst_NmeaData::localTimeOffset()
{
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, offset);

    ZdaData zda;
    zda.localHoursOffset()->setValue(hours);
    zda.localMinutesOffset()->setValue(minutes);
    QCOMPARE(zda.localTimeOffsetSeconds(), offset);
}

void tst_NmeaData::localDateTime()
{
    ZdaData zda;
    setZda(zda, 120000.0, 19, 1, 2018, -5, 30);
    const QDateTime local = zda.localDateTime();
    QVERIFY(local.isValid());
    QCOMPARE(local.offsetFromUtc(), 5 * 3600 + 30 * 60);
    QCOMPARE(local.time(), QTime(17, 30, 0));
    QCOMPARE(local, zda.utcDateTime());

    // 15 hours is beyond any zone.
    zda.localHoursOffset()->setValue(15);
    QVERIFY(!zda.localDateTime().isValid());
    zda.localHoursOffset()->setValue(-14);
    zda.localMinutesOffset()->setValue(0);
    QVERIFY(zda.localDateTime().isValid());
    zda.localHoursOffset()->setValue(std::numeric_limits<int>::max());
    QVERIFY(!zda.localDateTime().isValid());

    // No local time without a UTC time.
    setZda(zda, 240000.0, 19, 1, 2018);
    QVERIFY(!zda.localDateTime().isValid());
}

void tst_NmeaData::allFieldsValid()
{
    ZdaData zda;
    QVERIFY(!zda.allFieldsValid());
    setZda(zda, 120000.0, 19, 1, 2018);
    QVERIFY(zda.allFieldsValid());
    zda.month()->setValid(false);
    QVERIFY(!zda.allFieldsValid());
    zda.month()->setValue(1);
    QVERIFY(zda.allFieldsValid());
    zda.localMinutesOffset()->setValid(false);
    QVERIFY(!zda.allFieldsValid());
}

QTEST_GUILESS_MAIN(tst_NmeaData)
#include "tst_nmeadata.moc"
