#include "data/SetupFileController.h"

#include "common/LogText.h"
#include "data/ESDataClass.h"
#include "data/ESOptionsSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"

#include <QDebug>
#include <QRegularExpression>

namespace {
const QString idleName = QStringLiteral("_");
const QString listSeparator = QStringLiteral("?");
} // namespace

SetupFileController::SetupFileController(
    ESStorageDeviceController *storage, enum_LogToDevice device, const QString &storeFolder, QObject *parent)
    : QObject(parent)
    , m_storage(storage)
    , m_device(device)
    , m_storeFolder(storeFolder)
    , m_setup(ESDataClass::instance()->setup())
    , m_options(m_setup->SetupSetup()->OptionsSetup())
{
    updateDevice();
    m_directory.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    m_directory.setSorting(QDir::Name | QDir::IgnoreCase);

    if (m_storage)
        connect(m_storage.data(), &ESStorageDeviceController::esDevicePresenceChanged, this,
            &SetupFileController::setDevicePresenceInfo);
    // Queued: a request written by a received setting is handled after the writing code has returned.
    connect(m_options, &ESOptionsSetup::SetupSaveChanged, this, &SetupFileController::saveJbSetups,
        Qt::QueuedConnection);
    connect(m_options, &ESOptionsSetup::SetupRestoreChanged, this, &SetupFileController::loadJbSetups,
        Qt::QueuedConnection);
    connect(m_options, &ESOptionsSetup::RequestAvailableSetupsListChanged, this,
        &SetupFileController::processRequestForAvailableSetups, Qt::QueuedConnection);
}

bool SetupFileController::isValidSetupName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]{2,20}$"));
    return pattern.match(name).hasMatch();
}

void SetupFileController::updateDevice()
{
    m_rootFolder = m_storage ? m_storage->devicePath(m_device) : QString();
    m_devicePresent = m_storage && m_storage->isDevicePresent(m_device);
    m_storePath = m_rootFolder + m_storeFolder;
    m_directory.setPath(m_storePath);
}

void SetupFileController::setDevicePresenceInfo(enum_LogToDevice dev, bool is_present)
{
    if (dev == m_device)
        m_devicePresent = is_present;
}

void SetupFileController::saveJbSetups(QString tag)
{
    if (tag == idleName)
        return;
    m_options->setSetupSave(idleName);
    m_options->serializeSinglePropertyByName(QStringLiteral("SetupSave"));
    m_options->saveToFile();

    if (!m_devicePresent)
        return;
    if (!isValidSetupName(tag)) {
        qDebug() << "Setup not saved, not a setup name:" << logExcerpt(tag);
        return;
    }
    const QString folder = m_storePath + tag + QLatin1Char('/');
    if (!QDir().mkpath(folder)) {
        qDebug() << "Setup not saved, folder cannot be created:" << folder;
        return;
    }
    m_setup->writeAllChildrenToFiles(folder);
}

void SetupFileController::loadJbSetups(QString tag)
{
    if (tag == idleName)
        return;
    m_options->setSetupRestore(idleName);
    m_options->serializeSinglePropertyByName(QStringLiteral("SetupRestore"));
    m_options->saveToFile();

    if (!m_devicePresent)
        return;
    // A name that is no setup name is restored like a name without a folder: nothing is read, and the
    // unchanged setup still answers the request.
    if (isValidSetupName(tag))
        m_setup->readAllChildrenFromFiles(
            m_storePath + tag + QLatin1Char('/'), ESDataClass::instance()->setupExclusionMap());
    else
        qDebug() << "Setup not restored, not a setup name:" << logExcerpt(tag);
    m_setup->serializeAndSend(QStringList());
}

void SetupFileController::processRequestForAvailableSetups(int request)
{
    if (request == 0)
        return;
    qDebug() << "request received";
    m_options->setRequestAvailableSetupsList(0);
    m_options->serializeSinglePropertyByName(QStringLiteral("RequestAvailableSetupsList"));
    m_options->saveToFile();

    m_directory.refresh();
    QString list = listSeparator;
    if (m_devicePresent && m_directory.exists()) {
        QStringList names;
        // Only folders a save could have made are listed; any other name could not be restored and
        // could carry the list's separator.
        for (const QString &name : m_directory.entryList()) {
            if (isValidSetupName(name))
                names.append(name);
        }
        if (!names.isEmpty())
            list = names.join(listSeparator);
    }
    if (m_options->AvailableSetupsList() != list)
        m_options->setAvailableSetupsList(list);
    m_options->serializeSinglePropertyByName(QStringLiteral("AvailableSetupsList"));
}
