#include "common/SignalEmitter.h"
#include "data/ESBottomBars.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESRuntime.h"
#include "data/SatelliteInfoSerializableData.h"

#include <QFile>
#include <QMetaClassInfo>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The runtime roots received from the junction box: runtime values, bottom-bar description,
// communication information and satellites in view.
class TstRuntimeData : public QObject
{
    Q_OBJECT

private slots:
    void propertiesMatchTheDescription_data();
    void propertiesMatchTheDescription();
    void bottomBarsDescription();
    void runtimeStartsInvalid();
    void runtimeWriteAlwaysEmits();
    void runtimeTextCarriesValidityMarks();
    void receivedRuntimeText_data();
    void receivedRuntimeText();
    void receivedRuntimeSingleChange();
    void invalidatedValuesAreReEmitted();
    void communicationInformationConstruction();
    void communicationInformationSendsWithoutAck();
    void satelliteInfoConstruction();
    void satelliteListFromSingleChange();

private:
    static QStringList goldenRows(const QString &name);
};

QStringList TstRuntimeData::goldenRows(const QString &name)
{
    QFile golden(
        QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_runtimedata_data/") + name + QStringLiteral(".txt"));
    if (!golden.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList rows = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    rows.removeFirst(); // column header
    return rows;
}

void TstRuntimeData::propertiesMatchTheDescription_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("ESRuntime") << "ESRuntime";
    QTest::newRow("ESCommunicationInformation") << "ESCommunicationInformation";
    QTest::newRow("SatelliteInfoSerializableData") << "SatelliteInfoSerializableData";
}

// Walks the meta-object and compares every property (name, type, order, description, change signal)
// with the table beside the test.
void TstRuntimeData::propertiesMatchTheDescription()
{
    QFETCH(QString, className);

    std::unique_ptr<SerializableClass> object;
    if (className == QLatin1String("ESRuntime"))
        object.reset(new ESRuntime);
    else if (className == QLatin1String("ESCommunicationInformation"))
        object.reset(new ESCommunicationInformation);
    else
        object.reset(new SatelliteInfoSerializableData);

    const QStringList rows = goldenRows(className);
    QVERIFY(!rows.isEmpty());
    const QMetaObject *meta = object->metaObject();
    QCOMPARE(meta->className(), qPrintable(className));
    QCOMPARE(meta->propertyCount() - 1, rows.size());
    QCOMPARE(meta->classInfoCount(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList columns = rows.at(i).split(QLatin1Char('\t'));
        QCOMPARE(columns.size(), 3);
        const QMetaProperty property = meta->property(i + 1);
        const QString name = QString::fromLatin1(property.name());
        QCOMPARE(name, columns.at(0));
        QCOMPARE(QString::fromLatin1(property.typeName()), columns.at(1));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).name()), columns.at(0));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).value()), columns.at(2));
        QVERIFY2(property.isWritable(), qPrintable(name));
        QVERIFY2(property.hasNotifySignal(), qPrintable(name));
        const QMetaMethod signal = property.notifySignal();
        QCOMPARE(QString::fromLatin1(signal.name()), name + QStringLiteral("Changed"));
        // The signal carries the new value.
        QCOMPARE(signal.parameterCount(), 1);
        QCOMPARE(signal.parameterType(0), property.userType());
    }
}

void TstRuntimeData::bottomBarsDescription()
{
    ESBottomBars bottomBars;
    QCOMPARE(bottomBars.objectName(), QStringLiteral("ESBottomBars"));
    QVERIFY(!bottomBars.parent());
    QCOMPARE(bottomBars.type(), QStringLiteral("Type_Runtime"));

    const QMetaObject *meta = bottomBars.metaObject();
    QCOMPARE(meta->propertyCount(), 1); // objectName only
    const QStringList rows = goldenRows(QStringLiteral("ESBottomBars"));
    QCOMPARE(rows.size(), 12);
    QCOMPARE(meta->classInfoCount(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList columns = rows.at(i).split(QLatin1Char('\t'));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).name()), columns.at(0));
        QCOMPARE(QString::fromUtf8(meta->classInfo(i).value()), columns.at(1));
    }
    QCOMPARE(bottomBars.serialize(), QStringLiteral("Type_Runtime,"));
}

void TstRuntimeData::runtimeStartsInvalid()
{
    ESRuntime runtime;
    QCOMPARE(runtime.objectName(), QStringLiteral("ESRuntime"));
    QVERIFY(!runtime.parent());
    QCOMPARE(runtime.type(), QStringLiteral("Type_Runtime"));
    QVERIFY(runtime.fileName().isEmpty());
    const QMetaObject *meta = runtime.metaObject();
    for (int i = 1; i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        QVERIFY2(!runtime.isValid(name), qPrintable(name));
        QVERIFY2(runtime.isSourceValid(name), qPrintable(name));
    }
    QVERIFY(runtime.PositionNS().isEmpty());
    QVERIFY(runtime.UtcDateTime().isEmpty());
}

void TstRuntimeData::runtimeWriteAlwaysEmits()
{
    ESRuntime runtime;
    QSignalSpy speedSpy(&runtime, &ESRuntime::SpeedGPSChanged);
    QSignalSpy textSpy(&runtime, &ESRuntime::GPS_StatusHdopChanged);
    QSignalSpy offsetSpy(&runtime, &ESRuntime::UtcToLocalDateTimeSecsOffsetChanged);

    runtime.setSpeedGPS(12.5);
    runtime.setSpeedGPS(12.5);
    runtime.setGPS_StatusHdop(QStringLiteral("0.9"));
    runtime.setGPS_StatusHdop(QStringLiteral("0.9"));
    runtime.setUtcToLocalDateTimeSecsOffset(3600);
    runtime.setUtcToLocalDateTimeSecsOffset(3600);

    QCOMPARE(speedSpy.count(), 2);
    QCOMPARE(speedSpy.at(1).at(0).toDouble(), 12.5);
    QCOMPARE(textSpy.count(), 2);
    QCOMPARE(textSpy.at(1).at(0).toString(), QStringLiteral("0.9"));
    QCOMPARE(offsetSpy.count(), 2);
    QCOMPARE(offsetSpy.at(1).at(0).toInt(), 3600);
}

void TstRuntimeData::runtimeTextCarriesValidityMarks()
{
    ESRuntime runtime;
    runtime.setTrip(1.234);
    runtime.setValid(QStringLiteral("Trip"), true);
    runtime.setHeading(270.0);
    runtime.setValid(QStringLiteral("Heading"), true);
    runtime.setSourceValid(QStringLiteral("Heading"), false);

    const QStringList items = runtime.serialize().split(QLatin1Char(','));
    QCOMPARE(items.first(), QStringLiteral("Type_Runtime"));
    QCOMPARE(items.size(), 1 + 57);
    QCOMPARE(items.at(1), QStringLiteral("AngleSpeedGPS==T"));
    QVERIFY(items.contains(QStringLiteral("Trip=1.23=T")));
    QVERIFY(items.contains(QStringLiteral("Heading=270.00=F")));
    QCOMPARE(items.last(), QStringLiteral("LongitudeDegreesSigned==T"));
}

void TstRuntimeData::receivedRuntimeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("sourceValid");

    QTest::newRow("value marked T") << "Type_Runtime,SpeedSTWLog=11.25=T"
                                    << "SpeedSTWLog" << QVariant(11.25) << true << true;
    QTest::newRow("value marked F") << "Type_Runtime,SpeedSTWLog=11.25=F"
                                    << "SpeedSTWLog" << QVariant(11.25) << true << false;
    QTest::newRow("empty value keeps old") << "Type_Runtime,SpeedSTWLog==F"
                                           << "SpeedSTWLog" << QVariant(3.5) << false << false;
    QTest::newRow("text value") << "Type_Runtime,PositionNS=5404.123N=T"
                                << "PositionNS" << QVariant("5404.123N") << true << true;
    QTest::newRow("integer value") << "Type_Runtime,UtcToLocalDateTimeSecsOffset=-7200=T"
                                   << "UtcToLocalDateTimeSecsOffset" << QVariant(-7200) << true << true;
    // A value the property cannot hold keeps the old value and is not marked valid.
    QTest::newRow("speed not a number") << "Type_Runtime,SpeedSTWLog=fast=T"
                                        << "SpeedSTWLog" << QVariant(3.5) << false << true;
    QTest::newRow("offset not an integer") << "Type_Runtime,UtcToLocalDateTimeSecsOffset=1.5=T"
                                           << "UtcToLocalDateTimeSecsOffset" << QVariant(0) << false << true;
}

void TstRuntimeData::receivedRuntimeText()
{
    QFETCH(QString, text);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(bool, valid);
    QFETCH(bool, sourceValid);

    ESRuntime runtime;
    runtime.setSpeedSTWLog(3.5);
    runtime.deserializeAll(text);
    QCOMPARE(runtime.property(qPrintable(property)).toString(), value.toString());
    QCOMPARE(runtime.isValid(property), valid);
    QCOMPARE(runtime.isSourceValid(property), sourceValid);
}

void TstRuntimeData::receivedRuntimeSingleChange()
{
    ESRuntime runtime;
    runtime.setTrip(5.0);
    QSignalSpy spy(&runtime, &ESRuntime::TripChanged);
    QVERIFY(
        runtime.deserializeSingleProperty(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0")));
    QCOMPARE(runtime.Trip(), 0.0);
    QVERIFY(runtime.isValid(QStringLiteral("Trip")));
    QCOMPARE(spy.count(), 1);
    QVERIFY(
        !runtime.deserializeSingleProperty(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,NoSuch=0")));

    // The single change of a runtime value made here goes to the hub as it is.
    QSignalSpy hub(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    const QString text = runtime.serializeSingleProperty(QStringLiteral("Trip"), 0);
    QCOMPARE(text, QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,Trip=0"));
    QCOMPARE(hub.count(), 1);
    QCOMPARE(hub.at(0).at(0).toString(), text);
}

// After the link to the junction box is lost every runtime value is marked invalid and its signal is
// re-emitted with the value it holds.
void TstRuntimeData::invalidatedValuesAreReEmitted()
{
    ESRuntime runtime;
    QVERIFY(runtime.deserializeAll(QStringLiteral("Type_Runtime,Heading=12.50=T,StatusSatsNr=9=T")));
    QSignalSpy headingSpy(&runtime, &ESRuntime::HeadingChanged);
    QSignalSpy satsSpy(&runtime, &ESRuntime::StatusSatsNrChanged);

    runtime.setAllValid(false);
    runtime.emitAllPropertySignals();

    QVERIFY(!runtime.isValid(QStringLiteral("Heading")));
    QCOMPARE(headingSpy.count(), 1);
    QCOMPARE(headingSpy.at(0).at(0).toDouble(), 12.5);
    QCOMPARE(satsSpy.count(), 1);
    QCOMPARE(satsSpy.at(0).at(0).toString(), QStringLiteral("9"));
}

void TstRuntimeData::communicationInformationConstruction()
{
    QObject owner;
    ESCommunicationInformation info(&owner);
    QCOMPARE(info.objectName(), QStringLiteral("ComminicationInformation"));
    QCOMPARE(info.type(), QStringLiteral("Type_SetupCommsInfo"));
    QVERIFY(!info.relayReceivedChanges());
    QVERIFY(info.isRoot());
    QCOMPARE(info.CommsInfoOn(), 0);
    QCOMPARE(info.ChannelNumber(), 0);
    QCOMPARE(info.DataDirection(), 0);
    QCOMPARE(info.DataFormat(), 0);
    QCOMPARE(info.AuxStates(), 0);
    QVERIFY(info.CommsData().isEmpty());
    QVERIFY(info.CuPortsIn().isEmpty());
    QVERIFY(info.CuPort1Out().isEmpty());
    QVERIFY(info.CuPort3Out().isEmpty());
    QVERIFY(info.isValid(QStringLiteral("CommsInfoOn")));
    QVERIFY(info.isValid(QStringLiteral("CuPort3Out")));

    // A received whole text is applied; the auxiliary-state word reaches its listeners.
    QSignalSpy auxSpy(&info, &ESCommunicationInformation::AuxStatesChanged);
    QVERIFY(
        info.deserializeAll(QStringLiteral("Type_SetupCommsInfo,CommsInfoOn=1,ChannelNumber=2,AuxStates=5")));
    QCOMPARE(info.CommsInfoOn(), 1);
    QCOMPARE(info.ChannelNumber(), 2);
    QCOMPARE(auxSpy.count(), 1);
    QCOMPARE(auxSpy.at(0).at(0).toInt(), 5);
}

void TstRuntimeData::communicationInformationSendsWithoutAck()
{
    ESCommunicationInformation info;
    QSignalSpy dataSpy(&info, &ESCommunicationInformation::CommsDataChanged);
    QSignalSpy portsSpy(&info, &ESCommunicationInformation::CuPortsInChanged);
    QSignalSpy hub(serializableSignalEmitter(), &SignalEmitter::signalEmitString);

    info.setCommsDataSilently(QStringLiteral("GPGGA0|GPVTG1"));
    info.setCuPortsInSilently(QStringLiteral("GPHDT<1.0<T2A"));
    QCOMPARE(dataSpy.count(), 0);
    QCOMPARE(portsSpy.count(), 0);
    QCOMPARE(info.CommsData(), QStringLiteral("GPGGA0|GPVTG1"));

    const QString text = info.sendSinglePropertyNoAck(QStringLiteral("CommsData"));
    QCOMPARE(text,
        QStringLiteral("Type_SetupCommsInfoNoAck,SingleProperty,ComminicationInformation,"
                       "CommsData=GPGGA0|GPVTG1"));
    QCOMPARE(hub.count(), 1);
    QCOMPARE(hub.at(0).at(0).toString(), text);

    // Every write through the setter emits, also an unchanged one.
    info.setCuPort1Out(QStringLiteral("A"));
    QSignalSpy outSpy(&info, &ESCommunicationInformation::CuPort1OutChanged);
    info.setCuPort1Out(QStringLiteral("A"));
    QCOMPARE(outSpy.count(), 1);
}

void TstRuntimeData::satelliteInfoConstruction()
{
    QObject owner;
    SatelliteInfoSerializableData satellites(&owner);
    QCOMPARE(satellites.objectName(), QStringLiteral("SatelliteInfoSerializableData"));
    QCOMPARE(satellites.type(), QStringLiteral("Type_SatelliteInfo"));
    QVERIFY(!satellites.relayReceivedChanges());
    QCOMPARE(satellites.validityLimit(), 40000);
    QVERIFY(satellites.SatellitePosInfo().isEmpty());
    QVERIFY(!satellites.isValid(QStringLiteral("SatellitePosInfo")));
    QVERIFY(!satellites.isValid(QStringLiteral("ShowFlag")));
    QVERIFY(satellites.isSourceValid(QStringLiteral("SatellitePosInfo")));

    QSignalSpy flagSpy(&satellites, &SatelliteInfoSerializableData::ShowFlagChanged);
    satellites.setShowFlag(1);
    satellites.setShowFlag(1);
    QCOMPARE(flagSpy.count(), 2);
}

void TstRuntimeData::satelliteListFromSingleChange()
{
    SatelliteInfoSerializableData satellites;
    QSignalSpy listSpy(&satellites, &SatelliteInfoSerializableData::SatellitePosInfoChanged);
    QSignalSpy hub(serializableSignalEmitter(), &SignalEmitter::signalEmitString);

    QVERIFY(satellites.deserializeSingleProperty(QStringLiteral(
        "Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,SatellitePosInfo=12;45;180;38;1")));
    const QList<int> expected { 12, 45, 180, 38, 1 };
    QCOMPARE(satellites.SatellitePosInfo(), expected);
    QVERIFY(satellites.isValid(QStringLiteral("SatellitePosInfo")));
    QCOMPARE(listSpy.count(), 1);
    QCOMPARE(listSpy.at(0).at(0).value<QList<int>>(), expected);
    // Received texts are applied, never relayed.
    QCOMPARE(hub.count(), 0);

    // The page asks for the flag by name; the single change goes to the junction box.
    satellites.setShowFlag(1);
    const QString text = satellites.serializeSinglePropertyByName(QStringLiteral("ShowFlag"));
    QCOMPARE(
        text, QStringLiteral("Type_SatelliteInfo,SingleProperty,SatelliteInfoSerializableData,ShowFlag=1"));
    QCOMPARE(hub.count(), 1);
}

QTEST_GUILESS_MAIN(TstRuntimeData)
#include "tst_runtimedata.moc"
