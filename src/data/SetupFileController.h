#ifndef SETUPFILECONTROLLER_H
#define SETUPFILECONTROLLER_H

#include "platform/ESStorageDeviceController.h"

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QString>

class ESSetup;
class ESOptionsSetup;

// Keeps named copies of the whole shared setup on a logging device. The requests and answers are four
// settings of "OptionsSetup" that travel between the units as single changes: a name written to
// SetupSave saves the setup under it, a name written to SetupRestore restores it (and sends the whole
// setup), RequestAvailableSetupsList 1 lists the saved names in AvailableSetupsList, joined by "?".
// Every request ends with its setting back at its idle value ("_" or 0), sent as a single change.
//
// A saved setup is the folder <device root><store folder><name>/ with one settings file per leaf of
// the setup. Names come from the network, so only names of 2 to 20 letters and digits are taken as
// folder names: nothing received can reach a path outside the store folder.
class SetupFileController : public QObject
{
    Q_OBJECT
public:
    // The store folder text is appended to the device's root folder as it is, so it carries its own
    // leading "/" when the root has none at its end.
    SetupFileController(ESStorageDeviceController *storage, enum_LogToDevice device,
        const QString &storeFolder, QObject *parent = nullptr);

    // Whether a received name may name a saved setup's folder.
    static bool isValidSetupName(const QString &name);
    QString storePath() const { return m_storePath; }
    bool isDevicePresent() const { return m_devicePresent; }

public slots:
    void setDevicePresenceInfo(enum_LogToDevice dev, bool is_present);
    void saveJbSetups(QString tag);
    void loadJbSetups(QString tag);
    void processRequestForAvailableSetups(int request);

private:
    void updateDevice();

    QPointer<ESStorageDeviceController> m_storage;
    enum_LogToDevice m_device;
    QString m_rootFolder;
    bool m_devicePresent = false;
    QString m_storeFolder;
    QString m_storePath;
    QDir m_directory;
    ESSetup *m_setup;
    ESOptionsSetup *m_options;
};

#endif // SETUPFILECONTROLLER_H
