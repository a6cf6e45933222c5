// The setup file store: named copies of the shared setup saved to, listed on and restored from a
// logging device, driven by the request settings of "OptionsSetup".

#include "common/SignalEmitter.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/SetupFileController.h"
#include "platform/ESStorageDeviceController.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A logging device in a temporary folder whose presence the test decides.
class FolderDevice : public ESStorageDeviceController
{
public:
    explicit FolderDevice(const QString &root)
        : m_root(root)
    {
    }
    QString devicePath(enum_LogToDevice) const override { return m_root; }
    bool isDevicePresent(enum_LogToDevice) const override { return present; }

    bool present = true;

private:
    QString m_root;
};

} // namespace

class TestSetupFileController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void idleNameDoesNothing();
    void saveAndList();
    void listWithoutSetups();
    void restoreKeepsExcludedAndMissing();
    void receivedNamesStayInTheStore_data();
    void receivedNamesStayInTheStore();
    void absentDevice();
    void presenceOfOtherDevices();

private:
    // The single changes sent for a setting of "OptionsSetup".
    static QStringList sentValues(const QSignalSpy &texts, const QString &name);

    ESSetup *m_setup = nullptr;
    ESOptionsSetup *m_options = nullptr;
    QTemporaryDir *m_root = nullptr;
    FolderDevice *m_device = nullptr;
    SetupFileController *m_store = nullptr;
};

void TestSetupFileController::initTestCase()
{
    m_setup = ESDataClass::instance()->setup();
    m_options = m_setup->SetupSetup()->OptionsSetup();
}

void TestSetupFileController::init()
{
    m_root = new QTemporaryDir;
    QVERIFY(m_root->isValid());
    m_device = new FolderDevice(m_root->path());
    m_store = new SetupFileController(m_device, LogToUsb, "/store/");
    QCOMPARE(m_store->storePath(), m_root->path() + "/store/");
}

void TestSetupFileController::cleanup()
{
    delete m_store;
    delete m_device;
    delete m_root;
}

QStringList TestSetupFileController::sentValues(const QSignalSpy &texts, const QString &name)
{
    QStringList values;
    for (const QList<QVariant> &text : texts) {
        const QString item = text.at(0).toString().section(',', -1);
        if (item.startsWith(name + "="))
            values << item.mid(name.size() + 1);
    }
    return values;
}

void TestSetupFileController::idleNameDoesNothing()
{
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    m_store->saveJbSetups("_");
    m_store->loadJbSetups("_");
    m_store->processRequestForAvailableSetups(0);
    QCOMPARE(texts.count(), 0);
    QVERIFY(!QDir(m_store->storePath()).exists());
}

void TestSetupFileController::saveAndList()
{
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QFile::remove(m_options->directory() + m_options->fileName());

    m_options->setSetupSave("Harbour");
    QTRY_COMPARE(m_options->SetupSave(), QString("_"));
    QCOMPARE(sentValues(texts, "SetupSave"), QStringList { "_" });
    QVERIFY(QFile::exists(m_options->directory() + m_options->fileName()));
    for (const char *file : { "JB_AlertSetup.txt", "JB_TQ55Setup.txt", "JB_OptionsSetup.txt" })
        QVERIFY2(QFile::exists(m_store->storePath() + "Harbour/" + file), file);

    m_options->setSetupSave("dock");
    QTRY_VERIFY(QDir(m_store->storePath() + "dock").exists());
    // Folders no save could have made are not offered.
    QDir().mkpath(m_store->storePath() + "bad name");

    texts.clear();
    m_options->setRequestAvailableSetupsList(1);
    QTRY_COMPARE(m_options->AvailableSetupsList(), QString("dock?Harbour"));
    QCOMPARE(m_options->RequestAvailableSetupsList(), 0);
    QCOMPARE(sentValues(texts, "RequestAvailableSetupsList"), QStringList { "0" });
    QCOMPARE(sentValues(texts, "AvailableSetupsList"), QStringList { "dock?Harbour" });
}

void TestSetupFileController::listWithoutSetups()
{
    m_store->processRequestForAvailableSetups(1);
    QCOMPARE(m_options->AvailableSetupsList(), QString("?"));
    QDir().mkpath(m_store->storePath());
    m_store->processRequestForAvailableSetups(1);
    QCOMPARE(m_options->AvailableSetupsList(), QString("?"));
}

void TestSetupFileController::restoreKeepsExcludedAndMissing()
{
    ESAlertSetup *alerts = m_setup->AlertSetup();
    ESTQ55Setup *box = m_setup->TQ55Setup();
    alerts->setAlarmShallow(12.5);
    box->setSystemName("Saved1");
    box->setGroup(4);
    m_store->saveJbSetups("Harbour");
    QFile::remove(m_store->storePath() + "Harbour/JB_OptionsSetup.txt");

    alerts->setAlarmShallow(20.0);
    box->setSystemName("Live1");
    box->setGroup(1);
    m_options->setVesselLength(33.0);
    QSignalSpy whole(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);

    m_options->setSetupRestore("Harbour");
    QTRY_COMPARE(whole.count(), 1);
    QCOMPARE(m_options->SetupRestore(), QString("_"));
    QCOMPARE(alerts->AlarmShallow(), 12.5);
    // The junction box's identity survives a restore; a leaf without its file keeps its values.
    QCOMPARE(box->SystemName(), QString("Live1"));
    QCOMPARE(box->Group(), 1);
    QCOMPARE(m_options->VesselLength(), 33.0);
    QVERIFY(whole.at(0).at(0).toString().startsWith("Type_Setup,"));
    QCOMPARE(whole.at(0).at(1).toStringList(), QStringList());
}

void TestSetupFileController::receivedNamesStayInTheStore_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "../escape";
    QTest::newRow("two levels up") << "../../escape";
    QTest::newRow("absolute") << "/tmp/escape";
    QTest::newRow("sub-folder") << "a/b";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("one character") << "x";
    QTest::newRow("21 characters") << "abcdefghijklmnopqrstu";
    QTest::newRow("blank") << "my setup";
    QTest::newRow("list separator") << "a?b";
}

// A name that is no setup name is neither saved nor restored, and the request still ends.
void TestSetupFileController::receivedNamesStayInTheStore()
{
    QFETCH(QString, name);
    QVERIFY(!SetupFileController::isValidSetupName(name));
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy whole(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    const QString before = m_setup->serialize();

    m_store->saveJbSetups(name);
    m_store->loadJbSetups(name);
    QCOMPARE(sentValues(texts, "SetupSave"), QStringList { "_" });
    QCOMPARE(sentValues(texts, "SetupRestore"), QStringList { "_" });
    // Nothing was created anywhere: not in the store, not beside it.
    QVERIFY(!QDir(m_store->storePath()).exists());
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(!QDir("/tmp/escape").exists());
    QCOMPARE(whole.count(), 1);
    QCOMPARE(m_setup->serialize(), before);
}

void TestSetupFileController::absentDevice()
{
    m_device->present = false;
    SetupFileController store(m_device, LogToUsb, "/store/");
    QVERIFY(!store.isDevicePresent());
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QSignalSpy whole(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    store.saveJbSetups("Harbour");
    store.loadJbSetups("Harbour");
    QVERIFY(!QDir(store.storePath()).exists());
    QCOMPARE(whole.count(), 0);
    QCOMPARE(sentValues(texts, "SetupSave"), QStringList { "_" });
    QDir().mkpath(store.storePath() + "Harbour");
    store.processRequestForAvailableSetups(1);
    QCOMPARE(m_options->AvailableSetupsList(), QString("?"));
}

void TestSetupFileController::presenceOfOtherDevices()
{
    QVERIFY(m_store->isDevicePresent());
    emit m_device->esDevicePresenceChanged(LogToSd, false);
    QVERIFY(m_store->isDevicePresent());
    emit m_device->esDevicePresenceChanged(LogToUsb, false);
    QVERIFY(!m_store->isDevicePresent());
    emit m_device->esDevicePresenceChanged(LogToUsb, true);
    QVERIFY(m_store->isDevicePresent());
}

QTEST_GUILESS_MAIN(TestSetupFileController)
#include "tst_setupfilecontroller.moc"
