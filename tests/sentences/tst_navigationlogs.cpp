#include "ParsedSentence.h"
#include "RecordedLogs.h"

#include "common/BuildConfiguration.h"
#include "nmea/NmeaHandler.h"
#include "sentences/NavigationHandlers.h"
#include "sentences/SatelliteHandlers.h"

#include <QMap>
#include <QtTest>

#include <map>
#include <memory>

// The recorded logs run through the catalogue's message classes and the handlers of the speed-log junction
// box: nothing crashes, every line ends up parsed and handled or refused, and whether a position or
// course sentence is taken agrees with its status fields read straight from the text.

namespace {

// Whether the handler should take the sentence, read from its text alone; -1 for sentences whose handler
// does not decide (stores or copies whatever comes).
int expectedTaken(const QString &formatter, const QString &sentence)
{
    const QStringList fields = sentence.left(sentence.lastIndexOf(QLatin1Char('*'))).split(QLatin1Char(','));
    if (formatter == QLatin1String("GGA")) {
        const int quality = fields.value(6).toInt();
        return quality >= 1 && quality <= 5;
    }
    if (formatter == QLatin1String("GLL"))
        return fields.value(6) != QLatin1String("V")
            && (fields.value(7) == QLatin1String("A") || fields.value(7) == QLatin1String("D"));
    if (formatter == QLatin1String("VTG"))
        return QStringList { "A", "D", "P" }.contains(fields.value(9));
    return -1;
}

} // namespace

class TestNavigationLogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void replay_data();
    void replay();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void TestNavigationLogs::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
}

void TestNavigationLogs::cleanupTestCase()
{
    m_junctionBox.reset();
}

void TestNavigationLogs::replay_data()
{
    QTest::addColumn<QString>("log");
    // The smaller log only: the larger one (407 092 lines) holds the same kinds of sentence and fault and
    // would add half a minute to every run.
    QTest::newRow("2018-01-19") << "nmea-20180119.log.gz";
}

void TestNavigationLogs::replay()
{
    QFETCH(QString, log);
    if (!RecordedLogs::exists(log))
        QSKIP(qPrintable(QStringLiteral("Recorded logs not found under %1").arg(TESSARY_SHARED_DATA_DIR)));
    const QList<QByteArray> lines = RecordedLogs::lines(log);
    QVERIFY2(!lines.isEmpty(), "gzip could not read the log");

    std::map<QString, std::unique_ptr<NmeaHandler>> handlers;
    handlers["GGA"].reset(new HandlerGga);
    handlers["GLL"].reset(new HandlerGll);
    handlers["VTG"].reset(new HandlerVtg);
    handlers["RMC"].reset(new HandlerRmc);
    handlers["ZDA"].reset(new HandlerZda);
    handlers["GSA"].reset(new HandlerGsa);
    handlers["GSV"].reset(new HandlerGsv);

    int refused = 0;
    QMap<QString, int> taken;
    QMap<QString, int> rejected;
    for (const QByteArray &line : lines) {
        const QString sentence = RecordedLogs::sentenceOfLine(line);
        std::unique_ptr<NmeaMessage> message = ParsedSentence::parse(sentence);
        if (!message) {
            ++refused;
            continue;
        }
        const auto handler = handlers.find(message->formatter());
        QVERIFY2(handler != handlers.end(), qPrintable(sentence));
        handler->second->handleReceivedMessage(message.get());
        const bool valid = handler->second->isLastMessageValid();
        (valid ? taken : rejected)[message->formatter()] += 1;
        const int expected = expectedTaken(message->formatter(), sentence);
        if (expected >= 0 && valid != bool(expected))
            QFAIL(qPrintable(QStringLiteral("taken %1: %2").arg(valid).arg(sentence)));
    }

    int handled = 0;
    for (int count : taken)
        handled += count;
    for (int count : rejected)
        handled += count;
    QCOMPARE(handled + refused, lines.size());
    // The logs hold faulty lines (lost talkers, a lost comma, checksum mismatches, NUL bytes), and hours of
    // fixes.
    QVERIFY(refused > 0);
    QVERIFY(refused < lines.size() / 100);
    QVERIFY(taken.value("GGA") > 0);
    QVERIFY(taken.value("GLL") > 0);
    QVERIFY(taken.value("VTG") > 0);
    QVERIFY(rejected.value("GGA") > 0);
    // The satellite stores hold the latest reports.
    QVERIFY(!handlers["GSA"]->storedSentences().isEmpty());
    QVERIFY(!handlers["GSV"]->storedSentences().isEmpty());
    qDebug() << log << "lines" << lines.size() << "refused" << refused << "taken" << taken << "rejected"
             << rejected;
}

QTEST_GUILESS_MAIN(TestNavigationLogs)
#include "tst_navigationlogs.moc"
