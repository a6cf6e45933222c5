// The handler sets of every product and device kind, and the look-up by talker and name.

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"

#include <QSet>
#include <QtTest>

#include <memory>

namespace {

const QStringList standardKeys { "ACK", "ACN", "ALC", "ALF", "ALR", "ARC", "DAT", "DBK", "DBS", "DBT", "DDC",
    "DPT", "GGA", "GLL", "GSA", "GST", "GSV", "HBT", "HDT", "RMC", "ROT", "SRP", "THS", "VBW", "VLW", "VTG",
    "XDR", "ZDA" };
const QStringList proprietaryKeys { "CFGR", "DEVSTART", "DPT", "ERRORCODE", "ERRORTABLE", "GCF", "ICM",
    "MACA", "PAIR", "REBOOT", "SCF", "SFIACK", "SFICHANGE", "SFICHK", "SFITKN", "SLP", "VMPCGTER" };
const QStringList commonProprietary { "PAIR", "SFIACK", "SFICHK", "SFITKN", "SFICHANGE", "DEVSTART", "SLP",
    "GCF", "SCF", "CFGR", "ERRORTABLE", "ERRORCODE", "VMPCGTER", "MACA", "REBOOT", "ICM" };
const QStringList setJ { "ACK", "ACN", "DAT", "DDC", "DPT", "GGA", "GLL", "HBT", "HDT", "THS", "VBW", "VTG",
    "ZDA", "RMC", "ROT", "VLW", "GSA", "GST", "GSV" };
const QStringList setD { "ACK", "ACN", "ALC", "ALF", "ALR", "ARC", "DBT", "DDC", "DPT", "GGA", "GLL", "HBT",
    "HDT", "ZDA", "DBS", "DBK", "XDR", "RMC", "ROT", "DAT", "THS", "VBW", "VTG" };

QString handlerClass(const QString &key, bool proprietary)
{
    static const QHash<QString, QString> multiWord { { "SFIACK", "SfiAck" }, { "SFICHK", "SfiChk" },
        { "SFITKN", "SfiTkn" }, { "SFICHANGE", "SfiChange" }, { "DEVSTART", "DevStart" } };
    const QString name = multiWord.value(key, key.left(1) + key.mid(1).toLower());
    return (proprietary ? "HandlerPqrv" : "Handler") + name;
}

} // namespace

class TestNmeaHandlerContainer : public QObject
{
    Q_OBJECT

private slots:
    void handlerSets_data();
    void handlerSets();
    void speedLogDisplayLookups();
    void defaultSetSettings();
    void speedLogJunctionBoxSettings();
    void processWideContainer();
};

void TestNmeaHandlerContainer::handlerSets_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("standard");
    QTest::addColumn<QStringList>("proprietary");

    QTest::newRow("speed-log display") << "CU"
                                       << "MIR_LOX1000" << QStringList { "SRP" } << commonProprietary;
    QTest::newRow("speed-log 2000 display") << "CU"
                                            << "MIR_LOX2000" << QStringList { "SRP" } << commonProprietary;
    QTest::newRow("speed-log junction box")
        << "JB"
        << "MIR_LOX1000" << (setJ + QStringList { "SRP" }) << commonProprietary;
    QTest::newRow("speed-log 2000 junction box")
        << "JB"
        << "MIR_LOX2000" << (setJ + QStringList { "SRP" }) << commonProprietary;
    QTest::newRow("TVR200 display") << "CU"
                                    << "TVR200" << (setD + QStringList { "SRP" })
                                    << (commonProprietary + QStringList { "DPT" });
    QTest::newRow("TVR100 junction box")
        << "JB"
        << "TVR100" << (setD + QStringList { "SRP" }) << (commonProprietary + QStringList { "DPT" });
    QTest::newRow("KW2 display") << "CU"
                                 << "KW2" << (setD + QStringList { "SRP" })
                                 << (commonProprietary + QStringList { "DPT" });
}

void TestNmeaHandlerContainer::handlerSets()
{
    QFETCH(QString, device);
    QFETCH(QString, product);
    QFETCH(QStringList, standard);
    QFETCH(QStringList, proprietary);

    BuildConfiguration::TestOverride configuration(device, "WINDOWS", product);
    NmeaHandlerContainer container;

    for (const QString &key : standardKeys) {
        NmeaHandler *handler = container.handler("GN", key);
        QCOMPARE(handler != nullptr, standard.contains(key));
        if (!handler)
            continue;
        QCOMPARE(QString(handler->metaObject()->className()), handlerClass(key, false));
        QCOMPARE(handler->talker(), QString("GN"));
        QCOMPARE(handler->formatter(), key);
        QVERIFY(!handler->isProprietary());
        QVERIFY2(handler->message(), qPrintable(key));
        // The talker plays no part for standard sentences.
        QCOMPARE(container.handler("II", key), handler);
    }
    for (const QString &key : proprietaryKeys) {
        NmeaHandler *handler = container.handler("PQRV", key);
        QCOMPARE(handler != nullptr, proprietary.contains(key));
        if (!handler)
            continue;
        QCOMPARE(QString(handler->metaObject()->className()), handlerClass(key, true));
        QCOMPARE(handler->talker(), QString("PQRV"));
        QVERIFY(handler->isProprietary());
        QVERIFY2(handler->message(), qPrintable(key));
    }

    // Every handler once, the standard ones first.
    const QList<NmeaHandler *> all = container.handlers();
    QCOMPARE(all.size(), standard.size() + proprietary.size());
    QCOMPARE(QSet<NmeaHandler *>(all.begin(), all.end()).size(), all.size());
    for (int i = 0; i < all.size(); ++i)
        QCOMPARE(all.at(i)->isProprietary(), i >= standard.size());
    for (NmeaHandler *handler : all)
        QCOMPARE(handler->parent(), &container);
}

void TestNmeaHandlerContainer::speedLogDisplayLookups()
{
    NmeaHandlerContainer container;
    QVERIFY(!container.handler("GN", "GGA"));
    QVERIFY(container.handler("GN", "SRP"));
    QVERIFY(!container.handler("PQRV", "SRP"));
    // Only the exact talker "PQRV" reaches the proprietary handlers.
    QVERIFY(container.handler("PQRV", "PAIR"));
    QVERIFY(!container.handler("pqrv", "PAIR"));
    QVERIFY(!container.handler("GN", "PAIR"));
    QVERIFY(!container.handler("PQRV", "pair"));
    QVERIFY(!container.handler("PQRV", ""));
}

void TestNmeaHandlerContainer::defaultSetSettings()
{
    BuildConfiguration::TestOverride configuration("CU", "WINDOWS", "TVR200");
    NmeaHandlerContainer container;
    QObject *runtime = ESDataClass::instance()->runtime();

    NmeaHandler *ths = container.handler("GN", "THS");
    QCOMPARE(ths->dataObject(), runtime);
    QCOMPARE(ths->outputDataObject(), runtime);
    QVERIFY(!ths->isPeriodic());
    NmeaHandler *dat = container.handler("GN", "DAT");
    QCOMPARE(dat->dataObject(), runtime);
    QVERIFY(!dat->isPeriodic());
    QVERIFY(!container.handler("GN", "VBW")->isPeriodic());
    QVERIFY(!container.handler("GN", "VTG")->isPeriodic());
    QVERIFY(container.handler("GN", "GGA")->isPeriodic());
    QVERIFY(container.handler("PQRV", "DPT") != container.handler("GN", "DPT"));
}

void TestNmeaHandlerContainer::speedLogJunctionBoxSettings()
{
    BuildConfiguration::TestOverride configuration("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    // In set J the heading and speed handlers keep their own settings: periodic, sending their data.
    QVERIFY(container.handler("GN", "THS")->isPeriodic());
    QVERIFY(container.handler("GN", "VTG")->isPeriodic());
    QVERIFY(container.handler("GN", "THS")->dataObject() != ESDataClass::instance()->runtime());
    QCOMPARE(container.handler("GN", "HBT")->sendInterval(), 30);
    QCOMPARE(container.handler("GN", "HBT")->extraPorts(), QList<int> { 3 });
}

void TestNmeaHandlerContainer::processWideContainer()
{
    NmeaHandlerContainer *container = NmeaHandlerContainer::instance();
    QCOMPARE(NmeaHandlerContainer::instance(), container);
    QVERIFY(!container->parent());
    QCOMPARE(container->handlers().size(), 17);
    NmeaHandler *pair = container->handler("PQRV", "PAIR");
    QCOMPARE(NmeaHandlerContainer::containerOf(pair), container);
    // A handler outside any container belongs to the process-wide one.
    QCOMPARE(NmeaHandlerContainer::containerOf(nullptr), container);
}

QTEST_GUILESS_MAIN(TestNmeaHandlerContainer)
#include "tst_nmeahandlercontainer.moc"
