#include "ParsedSentence.h"
#include "TickProbe.h"

#include "common/BuildConfiguration.h"
#include "nmea/NmeaData.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/SatelliteHandlers.h"
#include "sentences/SatelliteSentences.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

// The satellite handlers exist only in the speed-log junction box's handler set; the test runs as one.

namespace {

// A GSV group of three parts from the recorded logs.
const QString gsv1 = "$GPGSV,3,1,12,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27*79\r\n";
const QString gsv2 = "$GPGSV,3,2,12,24,18,044,19,31,33,217,34,32,56,321,38,25,31,122,14*75\r\n";
const QString gsv3 = "$GPGSV,3,3,12,48,22,247,33,21,09,178,,51,41,223,,35,14,254,*71\r\n";
// The first two parts of the next report of the same log (its third part is gsv3 again).
const QString gsv1b = "$GPGSV,3,1,12,14,42,292,33,10,82,063,37,18,53,128,33,12,26,077,25*7C\r\n";
const QString gsv2b = "$GPGSV,3,2,12,24,18,044,20,31,33,217,34,32,56,321,38,25,31,122,13*78\r\n";

void receive(NmeaHandler *handler, const QString &sentence)
{
    std::unique_ptr<NmeaMessage> message = parse(sentence);
    QVERIFY2(message, qPrintable(sentence));
    handler->handleReceivedMessage(message.get());
}

// The GSV sentence as the store writes it again from its fields.
QString rebuilt(const QString &sentence)
{
    std::unique_ptr<NmeaMessage> received = parse(sentence);
    MsgGsv copy(received->talker());
    copy.copyFieldsFrom(received.get());
    return copy.toSentence();
}

} // namespace

class TestSatelliteHandlers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void construction();
    void gsaKey_data();
    void gsaKey();
    void gsaSystemsSideBySide();
    void gsvGroup();
    void gsvNewGroupKeepsCompleted();
    void gsvStoredMessagesAreExactCopies();
    void gsvCompletedAfterEachPart_data();
    void gsvCompletedAfterEachPart();
    void gstPerTalker();
    void ageing();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void TestSatelliteHandlers::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
}

void TestSatelliteHandlers::cleanupTestCase()
{
    m_junctionBox.reset();
}

void TestSatelliteHandlers::construction()
{
    HandlerGsa gsa;
    HandlerGst gst;
    HandlerGsv gsv;
    for (NmeaHandler *handler : std::initializer_list<NmeaHandler *> { &gsa, &gst, &gsv }) {
        QVERIFY(handler->isMultiSentence());
        QVERIFY(handler->isPeriodic());
        QCOMPARE(handler->dataObject(), NmeaData::instance());
        QCOMPARE(handler->talker(), QStringLiteral("GN"));
    }
    QCOMPARE(gsa.ageLimit(), 10);
    QCOMPARE(gst.ageLimit(), 10);
    QCOMPARE(gsv.ageLimit(), 40);
}

void TestSatelliteHandlers::gsaKey_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("key");
    QTest::newRow("GPS (log)") << "$GPGSA,A,3,10,12,14,18,24,25,31,32,48,,,,1.7,0.9,1.5*39\r\n"
                               << "GPS";
    QTest::newRow("5 and 12") << complete("GPGSA,A,3,05,12,,,,,,,,,,,1.7,0.9,1.5") << "GPS";
    QTest::newRow("first GLONASS") << complete("GLGSA,A,3,70,33,,,,,,,,,,,1.7,0.9,1.5") << "GLONASS";
    QTest::newRow("65 and 66") << complete("GNGSA,A,3,65,66,,,,,,,,,,,1.7,0.9,1.5") << "Galileo";
    QTest::newRow("70 and 71") << complete("GAGSA,A,3,70,71,,,,,,,,,,,1.7,0.9,1.5") << "Galileo";
    QTest::newRow("one satellite") << complete("GLGSA,A,3,70,,,,,,,,,,,,1.7,0.9,1.5") << "GPS";
    QTest::newRow("no fix (log)") << "$GPGSA,A,1,,,,,,,,,,,,,,,*1E\r\n"
                                  << "GPS";
}

void TestSatelliteHandlers::gsaKey()
{
    QFETCH(QString, sentence);
    QFETCH(QString, key);
    HandlerGsa handler;
    receive(&handler, sentence);
    QVERIFY(handler.storedGsaMessage(key));
    QCOMPARE(handler.storedSentences().size(), 1);
    // The same key from the received message, which still has its field text.
    QCOMPARE(handler.sentenceKey(parse(sentence).get()), key);
}

void TestSatelliteHandlers::gsaSystemsSideBySide()
{
    HandlerGsa handler;
    auto *pdop
        = qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(NmeaData::instance(), "GSA_PDOP"));
    pdop->setValue(42.0);

    receive(&handler, complete("GPGSA,A,3,05,12,,,,,,,,,,,1.7,0.9,1.5"));
    receive(&handler, complete("GLGSA,A,3,70,33,,,,,,,,,,,2.7,1.9,2.5"));
    receive(&handler, complete("GAGSA,A,3,70,71,,,,,,,,,,,3.7,2.9,3.5"));
    receive(&handler, complete("GPGSA,A,2,07,08,,,,,,,,,,,4.7,3.9,4.5"));

    QCOMPARE(handler.sentenceCount(), 3);
    QCOMPARE(handler.storedGsaMessage("GPS")->GSA_PDOP()->value(), 4.7);
    QCOMPARE(handler.storedGsaMessage("GLONASS")->GSA_PDOP()->value(), 2.7);
    QCOMPARE(handler.storedGsaMessage("Galileo")->GSA_PDOP()->value(), 3.7);
    QVERIFY(!handler.storedGsaMessage("BeiDou"));
    // The replacement stays at the place of the sentence it replaced.
    QVERIFY(handler.storedSentences().first().startsWith("$GPGSA,A,2,7,8,"));
    // GSA values are only stored, not copied into the navigation data.
    QCOMPARE(pdop->value(), 42.0);
    QVERIFY(handler.isLastMessageValid());
}

void TestSatelliteHandlers::gsvGroup()
{
    HandlerGsv handler;
    QSignalSpy completed(&handler, &NmeaMultiSentenceHandler::sentenceComplete);

    receive(&handler, gsv1);
    receive(&handler, gsv2);
    QCOMPARE(completed.count(), 0);
    QCOMPARE(handler.storedSentences(), QStringList());
    QCOMPARE(handler.satellites(), QList<int>());

    receive(&handler, gsv3);
    QCOMPARE(completed.count(), 1);
    QVERIFY(handler.isLastMessageValid());
    QCOMPARE(handler.storedSentences(), (QStringList { rebuilt(gsv1), rebuilt(gsv2), rebuilt(gsv3) }));
    QVERIFY(handler.storedGsvMessage("3,2"));
    QCOMPARE(handler.storedGsvMessage("3,3")->GSV_SatelliteID_4()->value(), 35);

    // Twelve satellites, five values each; no signal identifier in these sentences.
    const QList<int> satellites = handler.satellites();
    QCOMPARE(satellites.size(), 60);
    QCOMPARE(satellites.mid(0, 5), (QList<int> { 14, 42, 292, 32, 0 }));
    QCOMPARE(satellites.mid(55, 5), (QList<int> { 35, 14, 254, 0, 0 }));

    // A part of the complete group again: completed again, the completed list rebuilt with it.
    const QString newer = complete("GPGSV,3,1,12,14,43,293,33,10,82,062,37,18,53,128,34,12,26,077,27");
    receive(&handler, newer);
    QCOMPARE(completed.count(), 2);
    QCOMPARE(handler.storedSentences().first(), rebuilt(newer));
    QCOMPARE(handler.relayText(), parse(newer)->parameters());
}

void TestSatelliteHandlers::gsvNewGroupKeepsCompleted()
{
    HandlerGsv handler;
    receive(&handler, gsv1);
    receive(&handler, gsv2);
    receive(&handler, gsv3);
    const QStringList completed = handler.storedSentences();

    receive(&handler, complete("GPGSV,2,1,08,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27"));
    QCOMPARE(handler.sentenceCount(), 1);
    QCOMPARE(handler.storedSentences(), completed);

    receive(&handler, complete("GPGSV,2,2,08,24,18,044,19,31,33,217,34,32,56,321,38,25,31,122,14"));
    QCOMPARE(handler.storedSentences().size(), 2);
}

void TestSatelliteHandlers::gsvStoredMessagesAreExactCopies()
{
    // The store reuses the messages of the completed list and of replaced entries. Whatever a message
    // held before (other talkers, more satellites, other values), what is read out must be exactly what
    // fresh copies of the received sentences give.
    struct Step
    {
        QString sentence;
        QStringList completedGroup; // the sentences of the last complete group, in store order
    };
    const QString gp21 = complete("GPGSV,2,1,08,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27,1");
    const QString gp22 = complete("GPGSV,2,2,08,24,18,044,,1");
    const QString gl21 = complete("GLGSV,2,1,05,65,10,100,20,66,11,101,");
    const QString ga11 = complete("GAGSV,1,1,01,301,45,180,40,7");
    const QString gp22b = complete("GPGSV,2,2,08,24,18,044,19,31,33,217,34,32,56,321,38,25,31,122,14");
    const QString gp21b = complete("GPGSV,2,1,08,14,43,293,");
    const QList<Step> steps {
        { gp21, {} },
        { gp22, { gp21, gp22 } },
        // Same total: replaces part 1 of the group, which is complete again.
        { gl21, { gl21, gp22 } },
        // Another total: a group of its own, complete at once.
        { ga11, { ga11 } },
        { gp22b, { ga11 } },
        { gp21b, { gp22b, gp21b } },
        { gp21, { gp22b, gp21 } },
    };
    HandlerGsv handler;
    for (const Step &step : steps) {
        receive(&handler, step.sentence);
        QStringList expected;
        for (const QString &sentence : step.completedGroup)
            expected << rebuilt(sentence);
        QCOMPARE(handler.storedSentences(), expected);
        for (const QString &sentence : step.completedGroup) {
            const std::unique_ptr<NmeaMessage> received = parse(sentence);
            const auto *gsv = qobject_cast<MsgGsv *>(received.get());
            const QString key = QStringLiteral("%1,%2")
                                    .arg(gsv->GSV_TotalMessages()->value())
                                    .arg(gsv->GSV_MessageNumber()->value());
            QCOMPARE(handler.storedGsvMessage(key)->talker(), received->talker());
            QCOMPARE(handler.storedGsvMessage(key)->sourcePort(), QString());
        }
    }
}

void TestSatelliteHandlers::gsvCompletedAfterEachPart_data()
{
    // Each step is a received sentence, or "change KEY": a reader changes the stored message of that key
    // (through storedGsvMessage). After each step the read-out list must be what fresh copies of the
    // parts of the last complete report give, in store order.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<QStringList>>("completed");

    const QString gp21 = complete("GPGSV,2,1,08,14,42,292,32,10,82,062,37,18,53,128,34,12,26,077,27");
    const QString gp22 = complete("GPGSV,2,2,08,24,18,044,19,31,33,217,34,32,56,321,38,25,31,122,14");

    QTest::newRow("next report part by part")
        << QStringList { gsv1, gsv2, gsv3, gsv1b, gsv2b, gsv3 }
        << QList<QStringList> { {}, {}, { gsv1, gsv2, gsv3 }, { gsv1b, gsv2, gsv3 }, { gsv1b, gsv2b, gsv3 },
               { gsv1b, gsv2b, gsv3 } };
    QTest::newRow("the same part twice")
        << QStringList { gsv1, gsv2, gsv3, gsv3, gsv2b, gsv2b }
        << QList<QStringList> { {}, {}, { gsv1, gsv2, gsv3 }, { gsv1, gsv2, gsv3 }, { gsv1, gsv2b, gsv3 },
               { gsv1, gsv2b, gsv3 } };
    QTest::newRow("report of another size cuts the next one short")
        << QStringList { gsv1, gsv2, gsv3, gsv1b, gp21, gsv2b, gsv3, gsv1b }
        << QList<QStringList> { {}, {}, { gsv1, gsv2, gsv3 }, { gsv1b, gsv2, gsv3 }, { gsv1b, gsv2, gsv3 },
               { gsv1b, gsv2, gsv3 }, { gsv1b, gsv2, gsv3 }, { gsv2b, gsv3, gsv1b } };
    QTest::newRow("smaller report, then the larger again")
        << QStringList { gsv1, gsv2, gsv3, gp21, gp22, gp21, gsv1b, gsv2b, gsv3 }
        << QList<QStringList> { {}, {}, { gsv1, gsv2, gsv3 }, { gsv1, gsv2, gsv3 }, { gp21, gp22 },
               { gp21, gp22 }, { gp21, gp22 }, { gp21, gp22 }, { gsv1b, gsv2b, gsv3 } };
    QTest::newRow("changed by a reader, then made again")
        << QStringList { gsv1, gsv2, gsv3, "change 3,2", gsv1b, "change 3,3", gsv1b, gsv2b }
        << QList<QStringList> { {}, {}, { gsv1, gsv2, gsv3 }, {}, { gsv1b, gsv2, gsv3 }, {},
               { gsv1b, gsv2, gsv3 }, { gsv1b, gsv2b, gsv3 } };
}

void TestSatelliteHandlers::gsvCompletedAfterEachPart()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<QStringList>, completed);
    QCOMPARE(completed.size(), steps.size());

    HandlerGsv handler;
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        if (step.startsWith(QLatin1String("change "))) {
            MsgGsv *stored = handler.storedGsvMessage(step.mid(7));
            QVERIFY(stored);
            const QString before = stored->toSentence();
            stored->GSV_SNR_1()->setValue(77);
            stored->GSV_Azimuth_2()->setValid(false);
            QVERIFY(stored->toSentence() != before);
            continue;
        }
        receive(&handler, step);
        QStringList expected;
        for (const QString &sentence : completed.at(i))
            expected << rebuilt(sentence);
        QCOMPARE(handler.storedSentences(), expected);
    }
}

void TestSatelliteHandlers::gstPerTalker()
{
    HandlerGst handler;
    receive(&handler, complete("GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031"));
    receive(&handler, complete("GLGST,172814.0,0.008,0.023,0.020,273.6,0.023,0.020,0.031"));
    QCOMPARE(handler.sentenceCount(), 2);
    receive(&handler, complete("GPGST,172815.0,0.005,0.023,0.020,273.6,0.023,0.020,0.031"));
    QCOMPARE(handler.sentenceCount(), 2);
    QCOMPARE(handler.storedGstMessage("GP")->GST_UTCtime()->value(), QStringLiteral("172815.0"));
    QCOMPARE(handler.storedGstMessage("GL")->GST_RMS()->value(), 0.008);
    QVERIFY(handler.isLastMessageValid());
    // The RMS of the last GST received goes to the navigation data.
    auto *rms = qobject_cast<ValidatedFloatProperty *>(NmeaMessage::fieldOf(NmeaData::instance(), "GST_RMS"));
    QVERIFY(rms->isValid());
    QCOMPARE(rms->value(), 0.005);
}

// GSA and GST entries are dropped on the tenth tick of the validity timer; a GSV group lives 40 ticks.
void TestSatelliteHandlers::ageing()
{
    HandlerGsa gsa;
    HandlerGst gst;
    HandlerGsv gsv;
    // The ticks come every 20 ms here; what each did is read right after it.
    ScopedTimerInterval fast(ValidatedProperty::validityTimer(), 20);
    receive(&gsa, complete("GPGSA,A,3,05,12,,,,,,,,,,,1.7,0.9,1.5"));
    receive(&gst, complete("GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031"));
    receive(&gsv, gsv1);
    receive(&gsv, gsv2);
    receive(&gsv, gsv3);
    QList<int> gsaCounts;
    QList<int> gstCounts;
    QList<int> gsvCounts;
    QList<int> gsvStored;
    TickProbe probe(ValidatedProperty::validityTimer(), [&](int) {
        gsaCounts << gsa.sentenceCount();
        gstCounts << gst.sentenceCount();
        gsvCounts << gsv.sentenceCount();
        gsvStored << gsv.storedSentences().size();
    });

    QTRY_VERIFY(probe.ticks() >= 10);
    QCOMPARE(gsaCounts.at(8), 1);
    QCOMPARE(gstCounts.at(8), 1);
    QCOMPARE(gsaCounts.at(9), 0);
    QCOMPARE(gstCounts.at(9), 0);
    QCOMPARE(gsvCounts.at(9), 3);
    QCOMPARE(gsvStored.at(9), 3);
    QCOMPARE(gsa.storedSentences(), QStringList());
}

QTEST_GUILESS_MAIN(TestSatelliteHandlers)
#include "tst_satellitehandlers.moc"
