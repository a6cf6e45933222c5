#include "data/ClockOffsets.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QtTest>

// The offsets are process-wide; every test starts from "no offset known" (init).
class TstClockOffsets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void withoutOffsetsTheSystemClockIsUsed();
    void utcOffsetThreshold_data();
    void utcOffsetThreshold();
    void utcOffsetKeptWhenCloseToStored();
    void utcOffsetAppliesOnlyWhileValid();
    void localOffsetClearedAndUpdated();
    void updateOffsetsTakesZoneOfReceivedTime();
    void unparsableTimesLeaveOffsets();
    void localOrUtcChoosesBestKnownTime();
    void formatDateTimeWithOffset_data();
    void formatDateTimeWithOffset();
    void currentUtcTextUsesEnglishLocale();
    void buildStamps_data();
    void buildStamps();
    void buildStampsOfThisProgram();

private:
    static qint64 secondsBetween(const QDateTime &a, const QDateTime &b) { return qAbs(a.secsTo(b)); }
};

void TstClockOffsets::init()
{
    setUtcOffsetValid(false);
    setLocalTimeOffsetValid(false);
    // Half a second ahead, so that the whole-second difference is 0 although the clock moves on.
    updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(500));
    QCOMPARE(utcOffsetSeconds(), qint64(0));
    QCOMPARE(localTimeOffsetSeconds(), 0);
}

void TstClockOffsets::withoutOffsetsTheSystemClockIsUsed()
{
    const QDateTime utc = systemDateTimeUtc();
    QCOMPARE(utc.timeSpec(), Qt::UTC);
    QVERIFY(secondsBetween(utc, QDateTime::currentDateTimeUtc()) <= 1);

    const QDateTime local = systemDateTimeLocal();
    QCOMPARE(local.timeSpec(), Qt::LocalTime);
    QVERIFY(secondsBetween(local, QDateTime::currentDateTime()) <= 1);
}

void TstClockOffsets::utcOffsetThreshold_data()
{
    QTest::addColumn<qint64>("aheadMs");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<qint64>("offset");

    // The half second keeps the whole-second difference stable while the clock runs.
    QTest::newRow("31 s ahead") << qint64(31500) << true << qint64(31);
    QTest::newRow("exactly 30 s ahead") << qint64(30500) << false << qint64(0);
    QTest::newRow("31 s behind") << qint64(-31500) << true << qint64(-31);
    QTest::newRow("30 s behind") << qint64(-30500) << false << qint64(0);
    QTest::newRow("one day ahead") << qint64(86400500) << true << qint64(86400);
}

void TstClockOffsets::utcOffsetThreshold()
{
    QFETCH(qint64, aheadMs);
    QFETCH(bool, stored);
    QFETCH(qint64, offset);

    QCOMPARE(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(aheadMs)), stored);
    QCOMPARE(utcOffsetSeconds(), offset);
    QVERIFY(!isUtcOffsetValid());
}

void TstClockOffsets::utcOffsetKeptWhenCloseToStored()
{
    QVERIFY(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(31500)));
    QVERIFY(!updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(20500)));
    QCOMPARE(utcOffsetSeconds(), qint64(31));

    // A received time in another zone counts by its UTC instant.
    const QDateTime inZone
        = QDateTime::currentDateTimeUtc().addMSecs(100500).toTimeZone(QTimeZone(-3 * 3600));
    QVERIFY(updateUtcOffset(inZone));
    QCOMPARE(utcOffsetSeconds(), qint64(100));
}

void TstClockOffsets::utcOffsetAppliesOnlyWhileValid()
{
    QVERIFY(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(3600500)));
    QVERIFY(secondsBetween(systemDateTimeUtc(), QDateTime::currentDateTimeUtc()) <= 1);

    setUtcOffsetValid(true);
    QVERIFY(isUtcOffsetValid());
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().secsTo(systemDateTimeUtc()) - 3600) <= 1);

    setUtcOffsetValid(false);
    QCOMPARE(utcOffsetSeconds(), qint64(3600));
    QVERIFY(secondsBetween(systemDateTimeUtc(), QDateTime::currentDateTimeUtc()) <= 1);

    setUtcOffsetValid(true);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().secsTo(systemDateTimeUtc()) - 3600) <= 1);
}

void TstClockOffsets::localOffsetClearedAndUpdated()
{
    QVERIFY(updateLocalTimeOffset(7200));
    setLocalTimeOffsetValid(true);
    QCOMPARE(localTimeOffsetSeconds(), 7200);
    QCOMPARE(systemDateTimeLocal().offsetFromUtc(), 7200);
    QVERIFY(secondsBetween(systemDateTimeLocal(), QDateTime::currentDateTimeUtc()) <= 1);

    setLocalTimeOffsetValid(false);
    QCOMPARE(localTimeOffsetSeconds(), 0);
    QVERIFY(!updateLocalTimeOffset(20));
    QCOMPARE(localTimeOffsetSeconds(), 0);
    QVERIFY(updateLocalTimeOffset(3600));
    QCOMPARE(localTimeOffsetSeconds(), 3600);
    QVERIFY(!updateLocalTimeOffset(3630));
    QVERIFY(updateLocalTimeOffset(3631));
    QCOMPARE(localTimeOffsetSeconds(), 3631);
    QVERIFY(!isLocalTimeOffsetValid());
    // Without the flag the system's own local clock is used.
    QCOMPARE(systemDateTimeLocal().timeSpec(), Qt::LocalTime);
}

void TstClockOffsets::updateOffsetsTakesZoneOfReceivedTime()
{
    const QDateTime received
        = QDateTime::currentDateTimeUtc().addMSecs(500).toTimeZone(QTimeZone(5 * 3600 + 30 * 60));
    QVERIFY(updateOffsets(received));
    QCOMPARE(localTimeOffsetSeconds(), 19800);
    QCOMPARE(utcOffsetSeconds(), qint64(0));
    QVERIFY(!isLocalTimeOffsetValid());
    QVERIFY(!isUtcOffsetValid());

    // The same again changes nothing.
    QVERIFY(!updateOffsets(QDateTime::currentDateTimeUtc().addMSecs(500).toTimeZone(QTimeZone(19800))));

    // Only the UTC part moved.
    QVERIFY(updateOffsets(QDateTime::currentDateTimeUtc().addMSecs(-99500).toTimeZone(QTimeZone(19800))));
    QCOMPARE(utcOffsetSeconds(), qint64(-99));
    QCOMPARE(localTimeOffsetSeconds(), 19800);
}

void TstClockOffsets::unparsableTimesLeaveOffsets()
{
    QVERIFY(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(600500)));
    QVERIFY(updateLocalTimeOffset(-7200));

    // Texts from the network that do not parse give invalid date-times.
    const QDateTime garbage = QDateTime::fromString(QStringLiteral("2024-13-45T99:00:00"), Qt::ISODate);
    QVERIFY(!garbage.isValid());
    QVERIFY(!updateUtcOffset(garbage));
    QVERIFY(!updateOffsets(garbage));
    QVERIFY(!updateUtcOffset(QDateTime()));
    // Beyond the widest time zone there is no local time to show.
    QVERIFY(!updateLocalTimeOffset(15 * 3600));
    QVERIFY(!updateLocalTimeOffset(-15 * 3600));
    QVERIFY(!updateLocalTimeOffset(std::numeric_limits<int>::min()));

    QCOMPARE(utcOffsetSeconds(), qint64(600));
    QCOMPARE(localTimeOffsetSeconds(), -7200);

    QVERIFY(updateLocalTimeOffset(14 * 3600));
    QCOMPARE(localTimeOffsetSeconds(), 14 * 3600);
}

void TstClockOffsets::localOrUtcChoosesBestKnownTime()
{
    QVERIFY(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(120500)));
    QVERIFY(updateLocalTimeOffset(-3 * 3600));

    QCOMPARE(systemDateTimeLocalOrUtc().timeSpec(), Qt::LocalTime);
    QVERIFY(secondsBetween(systemDateTimeLocalOrUtc(), QDateTime::currentDateTime()) <= 1);

    setUtcOffsetValid(true);
    QDateTime chosen = systemDateTimeLocalOrUtc();
    QCOMPARE(chosen.timeSpec(), Qt::UTC);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().secsTo(chosen) - 120) <= 1);

    setLocalTimeOffsetValid(true);
    chosen = systemDateTimeLocalOrUtc();
    QCOMPARE(chosen.offsetFromUtc(), -3 * 3600);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().secsTo(chosen) - 120) <= 1);
}

void TstClockOffsets::formatDateTimeWithOffset_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("expected");

    const QDate date(2021, 3, 4);
    const QTime time(5, 6, 7);
    QTest::newRow("5:30 east") << QDateTime(date, time, QTimeZone(5 * 3600 + 30 * 60))
                               << QStringLiteral("04-03-2021 05:06:07 UTC+05:30");
    QTest::newRow("3 west") << QDateTime(date, time, QTimeZone(-3 * 3600))
                            << QStringLiteral("04-03-2021 05:06:07 UTC-03:00");
    QTest::newRow("utc") << QDateTime(date, time, Qt::UTC) << QStringLiteral("04-03-2021 05:06:07 UTC");
    QTest::newRow("45 min west") << QDateTime(date, time, QTimeZone(-45 * 60))
                                 << QStringLiteral("04-03-2021 05:06:07 UTC-00:45");
}

void TstClockOffsets::formatDateTimeWithOffset()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, expected);
    QCOMPARE(
        ::formatDateTimeWithOffset(dateTime, QStringLiteral("dd-MM-yyyy hh:mm:ss"), QLocale::c()), expected);
}

void TstClockOffsets::currentUtcTextUsesEnglishLocale()
{
    QVERIFY(updateUtcOffset(QDateTime::currentDateTimeUtc().addMSecs(40L * 86400 * 1000 + 500)));
    setUtcOffsetValid(true);
    const QString format = QStringLiteral("MMM yyyy");
    const QString text = currentUtcText(format);
    const QString moved
        = QLocale(QLocale::English).toString(QDateTime::currentDateTimeUtc().addDays(40), format);
    QCOMPARE(text, moved);
}

void TstClockOffsets::buildStamps_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("dateStamp");
    QTest::addColumn<QString>("dateTimeStamp");

    QTest::newRow("two-digit day") << "Dec 19 2018"
                                   << "14:40:21"
                                   << "181219"
                                   << "181219144021";
    QTest::newRow("one-digit day, two blanks") << "Dec  9 2018"
                                               << "04:05:06"
                                               << "181209"
                                               << "181209040506";
    QTest::newRow("one-digit day, one blank") << "Dec 9 2018"
                                              << "04:05:06"
                                              << "181209"
                                              << "181209040506";
    QTest::newRow("unreadable") << "Foo 99 20xx"
                                << "99:99:99"
                                << ""
                                << "";
}

void TstClockOffsets::buildStamps()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, dateStamp);
    QFETCH(QString, dateTimeStamp);
    QCOMPARE(buildDateStampFrom(date), dateStamp);
    QCOMPARE(buildDateTimeStampFrom(date, time), dateTimeStamp);
}

void TstClockOffsets::buildStampsOfThisProgram()
{
    const QString date = buildDateStamp();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{6}$")).match(date).hasMatch(), qPrintable(date));
    const QString dateTime = buildDateTimeStamp();
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d{12}$")).match(dateTime).hasMatch(), qPrintable(dateTime));
    QVERIFY(dateTime.startsWith(date));
}

QTEST_GUILESS_MAIN(TstClockOffsets)
#include "tst_clockoffsets.moc"
