// The settings tree at start-up after a write that the end of the program cut short: the save files left
// beside the settings files are removed before the settings are read, the settings files themselves are
// read as usual, and nothing else in or around the settings folder is touched.

#include "FileBytes.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/SerializableClass.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class TestSettingsStartup : public QObject
{
    Q_OBJECT

private slots:
    void leftoversRemovedBeforeTheSettingsAreRead();
};

void TestSettingsStartup::leftoversRemovedBeforeTheSettingsAreRead()
{
    const QString folder = SerializableClass::settingsDirectory();
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFileBytes(folder + QStringLiteral("CU_DisplaySetup.txt"), "SystemName=Bridge7"));
    const QStringList leftovers { QStringLiteral("CU_DisplaySetup.txt.aBcDeF"),
        QStringLiteral("JB_AlertSetup.txt.QwErTy") };
    for (const QString &name : leftovers)
        QVERIFY(writeFileBytes(folder + name, "SystemName=Stale9"));
    const QStringList kept { folder + QStringLiteral("notes.txt.aBcDeF"),
        folder + QStringLiteral("CU_DisplaySetup.txt.bak"),
        QStringLiteral("Setup_Files/CU_DisplaySetup.txt.aBcDeF") };
    for (const QString &path : kept)
        QVERIFY(writeFileBytes(path, "not ours"));

    // The first use builds the tree and reads the files.
    ESDataClass *data = ESDataClass::instance();
    QCOMPARE(data->localSetup()->DisplaySetup()->SystemName(), QStringLiteral("Bridge7"));
    for (const QString &name : leftovers)
        QVERIFY2(!QFileInfo::exists(folder + name), qPrintable(name));
    for (const QString &path : kept)
        QCOMPARE(readFileBytes(path), QByteArray("not ours"));
}

QTEST_GUILESS_MAIN(TestSettingsStartup)
#include "tst_settingsstartup.moc"
