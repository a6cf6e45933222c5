#include "ui/runtime/SimulationDataManager.h"

#include "ui/runtime/SimulationDataFile.h"

#include <QTimer>

SimulationDataManager *SimulationDataManager::s_override = nullptr;

SimulationDataManager::SimulationDataManager(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(tickIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &SimulationDataManager::readWriteTimerTimeout);
    m_timer->start();
}

SimulationDataManager::~SimulationDataManager()
{
    m_timer->stop();
    for (const QPointer<SimulationDataFile> &file : qAsConst(m_files)) {
        if (file && file->parent() == this)
            continue; // deleted with this object
        delete file.data();
    }
}

SimulationDataManager *SimulationDataManager::instance()
{
    if (s_override)
        return s_override;
    static SimulationDataManager *const manager = new SimulationDataManager;
    return manager;
}

SimulationDataFile *SimulationDataManager::registerFile(
    const QString &name, bool blocks, bool list, qint32 tag, QObject *parent)
{
    auto *file = new SimulationDataFile(name, blocks, list, tag, parent ? parent : this);
    m_files.append(file);
    m_names.append(name);
    connect(file, &QObject::destroyed, this, &SimulationDataManager::forget);
    connect(file, &SimulationDataFile::endOfFileReached, this, [this]() {
        if (m_reading)
            setReading(true);
    });
    // A file registered while recording joins the recording instead of ending it for every file.
    if (m_reading)
        setReading(true);
    else
        file->setReading(false);
    return file;
}

void SimulationDataManager::forget(QObject *file)
{
    for (int i = m_files.size() - 1; i >= 0; --i) {
        if (m_files.at(i).isNull() || m_files.at(i).data() == file) {
            m_files.removeAt(i);
            m_names.removeAt(i);
        }
    }
}

SimulationDataFile *SimulationDataManager::fileByName(const QString &name) const
{
    const int index = m_names.indexOf(name);
    return index < 0 ? nullptr : m_files.at(index).data();
}

QList<SimulationDataFile *> SimulationDataManager::files() const
{
    QList<SimulationDataFile *> result;
    for (const QPointer<SimulationDataFile> &file : m_files) {
        if (file)
            result.append(file.data());
    }
    return result;
}

void SimulationDataManager::setReading(bool reading)
{
    const QList<SimulationDataFile *> all = files();
    for (SimulationDataFile *file : all)
        file->setReading(reading); // logs and closes; emits nothing
    m_reading = reading;
}

void SimulationDataManager::setEnabled(bool enabled)
{
    const QList<SimulationDataFile *> all = files();
    for (SimulationDataFile *file : all)
        file->setEnabled(enabled);
    m_enabled = enabled;
    if (enabled && !m_timer->isActive())
        m_timer->start();
}

void SimulationDataManager::setTickInterval(int ms)
{
    m_timer->setInterval(ms);
}

int SimulationDataManager::tickInterval() const
{
    return m_timer->interval();
}

bool SimulationDataManager::isTicking() const
{
    return m_timer->isActive();
}

void SimulationDataManager::readWriteTimerTimeout()
{
    if (!m_enabled) {
        m_timer->stop();
        return;
    }
    // A replayed signal may lead to a registration or a deletion: walk a copy of the guarded list.
    const QList<QPointer<SimulationDataFile>> all = m_files;
    for (const QPointer<SimulationDataFile> &file : all) {
        if (!file)
            continue;
        if (m_reading)
            file->readData();
        else
            file->flush();
    }
}

SimulationDataManager::TestOverride::TestOverride(SimulationDataManager *manager)
    : m_previous(s_override)
{
    s_override = manager;
}

SimulationDataManager::TestOverride::~TestOverride()
{
    s_override = m_previous;
}
