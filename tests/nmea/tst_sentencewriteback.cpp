// Written sentences say what they were given. Every sentence class is filled from received text (the
// recorded logs where they have the class, a received sentence of the class otherwise), written from its
// fields alone, and the written sentence must pass the framing check and read back to the same values
// (within the field's decimals; times and degrees with minutes compared in seconds and minutes). Values
// too long for any sentence are not written.

#include "ParsedSentence.h"
#include "RecordedLogs.h"
#include "comms/NmeaController.h"
#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessageRegistry.h"
#include "nmea/ValidatedProperty.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QString sentence(const char *body)
{
    return ParsedSentence::complete(QLatin1String(body));
}

// One received sentence of every class, and sentences whose values round into the next unit.
const QStringList &receivedSentences()
{
    static const QStringList list {
        sentence("GPGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000"),
        sentence("GPGLL,3249.4545,N,07951.5234,W,170328.00,A,A"),
        sentence("GPVTG,213.8,T,,M,0.0,N,0.0,K,A"),
        sentence("HEHDT,123.4,T"),
        sentence("HETHS,123.4,A"),
        sentence("VMVBW,10.5,-0.2,A,10.4,-0.1,A,0.1,A,0.0,V"),
        sentence("TIROT,-3.5,A"),
        sentence("GNRMC,170328.00,A,3249.4545,N,07951.5234,W,12.5,213.8,200118,1.5,W,D,S"),
        sentence("GPZDA,170327.000,20,01,2018,00,00"),
        sentence("VDVLW,1234.5,N,12.3,N,1300.0,N,13.1,N"),
        sentence("SDDBT,32.8,f,10.0,M,5.5,F"),
        sentence("SDDBS,39.4,f,12.0,M,6.6,F"),
        sentence("SDDBK,26.2,f,8.0,M,4.4,F"),
        sentence("IIDPT,10.5,0.5,100"),
        sentence("GNDAT,12.1,10.2,11.0,8.5,8.4,8.1,123.4,-2.5,11.9"),
        sentence("GPGSA,A,3,10,12,14,18,24,25,31,32,48,,,,1.7,0.9,1.5"),
        sentence("GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031"),
        sentence("GPGSV,3,1,12,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27"),
        sentence("IIACK,123"),
        sentence("IIACN,123456.00,KOR,3015,1,A,C"),
        sentence("IIALC,01,01,03,1,KOR,3015,1,2"),
        sentence("IIALF,1,1,0,124304.50,A,W,A,,192,1,1,0,LOST TARGET"),
        sentence("IIALR,124304.50,001,A,V,Depth alarm"),
        sentence("IIARC,124304.50,KOR,3015,1,A"),
        sentence("GNHBT,30,A,9"),
        sentence("GNDDC,K,45,N,C"),
        sentence("GNSRP,0,00-1A-2B-3C-4D-5E,192.168.1.10"),
        sentence("PQRVPAIR,GN1000,GN2000,P"),
        sentence("PQRVSFIACK,GN2000,GN1000,PAIR,P"),
        sentence("PQRVSFICHANGE,GN1001,GN1000"),
        sentence("PQRVDEVSTART,GN1000"),
        sentence("PQRVSFICHK,GN1001,GN1000,1"),
        sentence("PQRVSFITKN,GN1000,GN1001"),
        sentence("PQRVGCF,0"),
        sentence("PQRVCFGR,1,156,Bridge,12345,A-1.2,,,,"),
        sentence("PQRVSCF,Bridge,192,168,1,20,1001,2000,3"),
        sentence("PQRVMACA,00:1A:2B:3C:4D:5E"),
        sentence("PQRVVMPCGTER,9"),
        sentence("PQRVERRORCODE,70,3"),
        sentence("PQRVSLP,GN2000,1"),
        sentence("PQRVICM,0,98,"),
        sentence("PQRVREBOOT,GN1000,C"),
        sentence("PQRVDPT,12.5,0.5,200.0,80,200,FWD"),
        // Seconds and minutes that round to 60 at the decimals the unit writes.
        sentence("GPGGA,155959.96,4859.96,N,17959.97,W,1,08,0.9,15.5,M,-43.8,M,,"),
        sentence("GPRMC,235959.97,A,8959.99,S,00059.96,E,0.0,213.8,200118,,,A"),
        sentence("GPZDA,235959.99,31,12,2018,00,00"),
        sentence("IIALF,1,1,0,125959.99,A,W,A,,192,1,1,0,LOST TARGET"),
    };
    return list;
}

// The classes without field properties keep their values in lists of their own and are written from
// them; the catalogue tests those writers.
bool writtenFromFields(const QString &key)
{
    return key != QLatin1String("XDR") && key != QLatin1String("ERRORTABLE");
}

// The value of a real field in the unit its last digits before the point count: seconds of a time
// (hhmmss), minutes of degrees with minutes (ddmm, dddmm), else the value itself.
double baseValue(const ValidatedFloatProperty *field)
{
    const double magnitude = std::fabs(field->value());
    const double sign = field->value() < 0 ? -1.0 : 1.0;
    const double upper = std::floor(magnitude / 100.0);
    const double last = magnitude - upper * 100.0;
    if (field->fixedDigitsBeforePoint() >= 6)
        return sign * (std::floor(upper / 100.0) * 3600.0 + std::fmod(upper, 100.0) * 60.0 + last);
    if (field->fixedDigitsBeforePoint() >= 4)
        return sign * (upper * 60.0 + last);
    return field->value();
}

// Whether the minutes and seconds of a time or of degrees with minutes count to 59 and the hours to 23.
bool unitsInRange(const ValidatedFloatProperty *field)
{
    if (field->fixedDigitsBeforePoint() < 4)
        return true;
    const qint64 whole = static_cast<qint64>(std::fabs(field->value()));
    if (field->fixedDigitsBeforePoint() >= 6 && (whole / 100 % 100 >= 60 || whole / 10000 >= 24))
        return false;
    return whole % 100 < 60;
}

// Empty when the sentence, written back from its fields alone, is well framed and reads back to the
// values it was given; otherwise what went wrong. A sentence the class refuses is no case: "skip".
QString writeBackFault(const QString &received)
{
    const std::unique_ptr<NmeaMessage> given = ParsedSentence::parse(received);
    if (!given || !writtenFromFields(given->formatter()))
        return QStringLiteral("skip");

    std::unique_ptr<NmeaMessage> writer(NmeaMessage::create(given->talker(), given->formatter()));
    writer->copyFieldsFrom(given.get());
    const QString written = writer->toSentence();
    QString checked = written;
    if (written.isEmpty() || NmeaMessage::checkSentence(checked) != NmeaNoError)
        return QStringLiteral("not well framed: ") + written;
    const std::unique_ptr<NmeaMessage> read = ParsedSentence::parse(written);
    if (!read)
        return QStringLiteral("refused when read back: ") + written;
    for (int i = 0; i < given->fieldCount(); ++i) {
        const ValidatedProperty *before = given->field(i);
        const ValidatedProperty *after = read->field(i);
        const QString where = QStringLiteral("field %1 of %2").arg(i + 1).arg(written.trimmed());
        // An invalid field that may not be empty is written as its fallback text, which reads as a value.
        if (!before->isValid() && !before->canBeNullField())
            continue;
        if (before->isValid() != after->isValid())
            return where + QStringLiteral(": validity changed");
        if (!before->isValid())
            continue;
        if (const auto *real = qobject_cast<const ValidatedFloatProperty *>(before)) {
            const auto *realAfter = qobject_cast<const ValidatedFloatProperty *>(after);
            // Rounded, or cut where rounding would carry into the next day: within one last decimal.
            const double step = std::pow(10.0, -qMax(0, real->sendDecimals()));
            if (unitsInRange(real) && !unitsInRange(realAfter))
                return where
                    + QStringLiteral(": %1 read back as %2")
                          .arg(QString::number(real->value(), 'f', 6),
                              QString::number(realAfter->value(), 'f', 6));
            if (std::fabs(baseValue(real) - baseValue(realAfter)) > step * 1.000001)
                return where
                    + QStringLiteral(": %1 read back as %2")
                          .arg(QString::number(real->value(), 'f', 6),
                              QString::number(realAfter->value(), 'f', 6));
        } else if (before->toNmeaString() != after->toNmeaString()) {
            return where + QStringLiteral(": ") + before->toNmeaString() + QStringLiteral(" read back as ")
                + after->toNmeaString();
        }
    }
    return QString();
}

} // namespace

class TestSentenceWriteBack : public QObject
{
    Q_OBJECT

private slots:
    void everyClassIsFilled();
    void writtenBack_data();
    void writtenBack();
    void recordedLogsWrittenBack_data();
    void recordedLogsWrittenBack();
    void tooLongNotWritten_data();
    void tooLongNotWritten();
    void tooLongNotSent();
};

void TestSentenceWriteBack::everyClassIsFilled()
{
    QSet<QString> filled;
    for (const QString &received : receivedSentences()) {
        const std::unique_ptr<NmeaMessage> message = ParsedSentence::parse(received);
        QVERIFY2(message, qPrintable(received));
        filled.insert(message->talker() == QLatin1String("PQRV")
                ? QStringLiteral("PQRV") + message->formatter()
                : message->formatter());
    }
    const QList<QString> standard = standardMessageRegistry()->keys();
    for (const QString &key : standard) {
        if (writtenFromFields(key))
            QVERIFY2(filled.contains(key), qPrintable(key));
    }
    const QList<QString> proprietary = proprietaryMessageRegistry()->keys();
    for (const QString &key : proprietary) {
        if (writtenFromFields(key))
            QVERIFY2(filled.contains(QStringLiteral("PQRV") + key), qPrintable(key));
    }
}

void TestSentenceWriteBack::writtenBack_data()
{
    QTest::addColumn<QString>("received");
    for (const QString &received : receivedSentences())
        QTest::newRow(qPrintable(received.left(received.indexOf(QLatin1Char('*'))))) << received;
}

void TestSentenceWriteBack::writtenBack()
{
    QFETCH(QString, received);
    const QString fault = writeBackFault(received);
    QVERIFY2(fault != QLatin1String("skip"), "the class does not take the sentence");
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestSentenceWriteBack::recordedLogsWrittenBack_data()
{
    QTest::addColumn<QString>("log");
    // The larger log holds the same sentence classes from the same receiver; the full-log sweeps of
    // the routing tests read it.
    QTest::newRow("small log") << QStringLiteral("nmea-20180119.log.gz");
}

void TestSentenceWriteBack::recordedLogsWrittenBack()
{
    QFETCH(QString, log);
    if (!RecordedLogs::exists(log))
        QSKIP("recorded log not present");
    // A line repeated in the log is written back once.
    QSet<QByteArray> seen;
    int writtenBack = 0;
    QStringList faults;
    const QList<QByteArray> lines = RecordedLogs::lines(log);
    for (const QByteArray &line : lines) {
        const QString received = RecordedLogs::sentenceOfLine(line);
        const QByteArray key = received.toLatin1();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        const QString fault = writeBackFault(received);
        if (fault == QLatin1String("skip"))
            continue;
        ++writtenBack;
        if (!fault.isEmpty() && faults.size() < 10)
            faults << fault;
    }
    QVERIFY(writtenBack > 1000);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestSentenceWriteBack::tooLongNotWritten_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("written");

    const QString vlw = sentence("VDVLW,1234.5,N,12.3,N,1300.0,N,13.1,N");
    const QString cfgr = sentence("PQRVCFGR,1,156,Bridge,12345,A-1.2,,,,");
    const QString gga = sentence("GPGGA,170328.000,3249.4545,N,07951.5234,W,2,08,0.9,15.5,M,-43.8,M,,0000");
    const QByteArray distance("VLW_totalCumulativeWaterDistance");
    // Too long for any field: written as no value, the rest of the sentence stands.
    QTest::newRow("distance of 1e300") << vlw << distance << QVariant(1e300) << true;
    // A field that fits, in a sentence that does not.
    QTest::newRow("distance of 1e50") << vlw << distance << QVariant(1e50) << false;
    QTest::newRow("distance of 1e10") << vlw << distance << QVariant(1e10) << true;
    QTest::newRow("system name of 80 characters")
        << cfgr << QByteArray("Param3") << QVariant(QString(80, QLatin1Char('N'))) << false;
    // The framing check lets a GGA sentence be longer than 82 characters, and so does its writer.
    QTest::newRow("GGA altitude of 1e20") << gga << QByteArray("AntennaAltitude") << QVariant(1e20) << true;
}

void TestSentenceWriteBack::tooLongNotWritten()
{
    QFETCH(QString, received);
    QFETCH(QByteArray, field);
    QFETCH(QVariant, value);
    QFETCH(bool, written);

    const std::unique_ptr<NmeaMessage> message = ParsedSentence::parse(received);
    QVERIFY(message);
    message->setParameters(QString());
    ValidatedProperty *target = message->field(field.constData());
    QVERIFY2(target, field.constData());
    if (auto *real = qobject_cast<ValidatedFloatProperty *>(target))
        real->setValue(value.toDouble());
    else
        qobject_cast<ValidatedStringProperty *>(target)->setValue(value.toString());

    const QString text = message->toSentence();
    QCOMPARE(!text.isEmpty(), written);
    if (written) {
        QString checked = text;
        QCOMPARE(NmeaMessage::checkSentence(checked), int(NmeaNoError));
    }
}

void TestSentenceWriteBack::tooLongNotSent()
{
    NmeaController controller;
    QSignalSpy sent(&controller, &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    const QString fits = sentence("IIALR,124304.50,001,A,V,Depth alarm");
    const QString tooLong
        = sentence(qPrintable(QStringLiteral("IIALR,124304.50,001,A,V,") + QString(70, 'D')));
    QVERIFY(NmeaMessage::isTooLong(tooLong));

    // Put together by hand, as the alert senders do: the long one is left out, an empty one too.
    controller.sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QStringLiteral("ALR"), { fits, tooLong, QString() }, UDP, QString(), QString());
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().at(0).value<NmeaGroupInfo>().messages(), QStringList { fits });
    controller.sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QStringLiteral("ALR"), { tooLong }, UDP, QString(), QString());
    controller.sendPreparedStandardNmeaMessageOverPort(
        QStringLiteral("ALR"), QString(), UDP, false, QString());
    QCOMPARE(sent.count(), 1);
}

QTEST_GUILESS_MAIN(TestSentenceWriteBack)
#include "tst_sentencewriteback.moc"
