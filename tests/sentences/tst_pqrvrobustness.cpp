// Malformed proprietary sentences in both roles: none throws, indexes out of range or changes a
// setting; a message the handler cannot read is reported invalid (counted by the receiving path).

#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvSentences.h"

#include <QtTest>

#include <memory>

using namespace SentenceExchange;

namespace {
const QStringList names { "PAIR", "SFIACK", "SFICHK", "SFITKN", "SFICHANGE", "DEVSTART", "SLP", "GCF", "SCF",
    "CFGR", "ERRORTABLE", "ERRORCODE", "VMPCGTER", "MACA", "REBOOT", "ICM" };
// The handlers that read the fields of their message; the others take any message.
const QStringList readers { "SFIACK", "SFICHANGE", "DEVSTART", "SLP", "SCF", "VMPCGTER", "MACA", "REBOOT",
    "ICM" };
} // namespace

class TestPqrvRobustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void malformedSentences_data();
    void malformedSentences();
    void messagesOfAnotherClass_data();
    void messagesOfAnotherClass();

private:
    QString identity() const;
};

void TestPqrvRobustness::initTestCase()
{
    registerTypes();
    NmeaHandlerContainer::instance();
}

// Everything a received sentence could change of the unit's identity and mode.
QString TestPqrvRobustness::identity() const
{
    ESDataClass *data = ESDataClass::instance();
    return data->localSetup()->DisplaySetup()->serialize() + data->setup()->TQ55Setup()->serialize();
}

void TestPqrvRobustness::malformedSentences_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("received");
    for (const char *device : { "CU", "JB" }) {
        for (const QString &name : names) {
            const QString address = "PQRV" + name;
            QTest::addRow("%s %s no fields", device, qPrintable(name)) << device << sentence(address);
            QTest::addRow("%s %s one empty field", device, qPrintable(name))
                << device << sentence(address + ",");
            QTest::addRow("%s %s twenty fields", device, qPrintable(name))
                << device << sentence(address + QString(",x").repeated(20));
            QTest::addRow("%s %s separators", device, qPrintable(name))
                << device << sentence(address + ",=,;,?,\\,/,..,=x,,,");
        }
    }
}

void TestPqrvRobustness::malformedSentences()
{
    QFETCH(QString, device);
    QFETCH(QString, received);
    BuildConfiguration::TestOverride role(device, "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    const QString before = identity();
    const Outcome outcome = receive(&container, received);
    QVERIFY(outcome == Handled || outcome == Rejected || outcome == NotParsed);
    QCOMPARE(identity(), before);
}

void TestPqrvRobustness::messagesOfAnotherClass_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("name");
    for (const char *device : { "CU", "JB" }) {
        for (const QString &name : names)
            QTest::addRow("%s %s", device, qPrintable(name)) << device << name;
    }
}

// A handler given a message it cannot read (another class, or none) reports it invalid and changes
// nothing; handlers that never read their message take it.
void TestPqrvRobustness::messagesOfAnotherClass()
{
    QFETCH(QString, device);
    QFETCH(QString, name);
    BuildConfiguration::TestOverride role(device, "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    NmeaHandler *handler = container.handler("PQRV", name);
    QVERIFY(handler);
    const QString before = identity();

    MsgPqrvIcm other { QString() };
    other.MessageVersion()->setValue(0);
    other.CommandId()->setValue(98);
    if (name == "ICM") {
        MsgPqrvSlp slp { QString() };
        handler->handleReceivedMessage(&slp);
    } else {
        handler->handleReceivedMessage(&other);
    }
    // The PAIR handler of a display reads nothing; a junction box's does.
    const bool reads = readers.contains(name) || (name == "PAIR" && device == "JB");
    QCOMPARE(handler->isLastMessageValid(), !reads);
    handler->handleReceivedMessage(nullptr);
    QCOMPARE(handler->isLastMessageValid(), !reads);
    QCOMPARE(identity(), before);
}

QTEST_GUILESS_MAIN(TestPqrvRobustness)
#include "tst_pqrvrobustness.moc"
