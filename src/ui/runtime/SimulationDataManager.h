#ifndef SIMULATIONDATAMANAGER_H
#define SIMULATIONDATAMANAGER_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QTimer;
class SimulationDataFile;

// The clock of the demonstration aid: every tick (1000 ms) either replays one recorded tick of every
// registered file, in registration order, or appends what each file buffered since the last tick.
// Replay restarts at the beginning of every file whenever one file reaches its end.
class SimulationDataManager : public QObject
{
    Q_OBJECT
public:
    static const int tickIntervalMs = 1000;

    explicit SimulationDataManager(QObject *parent = nullptr);
    ~SimulationDataManager() override;

    // The manager in use: the test override while one lives, else the process-wide manager, created on
    // first use (no parent) and never destroyed.
    static SimulationDataManager *instance();

    // Creates a file (owned by the manager, or by `parent` when one is given). While the manager
    // replays, every file starts again from its beginning; while it records, the new file records too.
    SimulationDataFile *registerFile(
        const QString &name, bool blocks, bool list, qint32 tag, QObject *parent = nullptr);
    SimulationDataFile *fileByName(const QString &name) const;
    QList<SimulationDataFile *> files() const;

    void setReading(bool reading);
    bool isReading() const { return m_reading; }
    // Disabling stops the clock at its next tick; enabling starts it again.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    void setTickInterval(int ms);
    int tickInterval() const;
    bool isTicking() const;

    // Test support only: while an object of this class lives, instance() returns the given manager (not
    // owned). GUI thread only; overrides must be destroyed in reverse order of their creation.
    class TestOverride
    {
    public:
        explicit TestOverride(SimulationDataManager *manager);
        ~TestOverride();
        TestOverride(const TestOverride &) = delete;
        TestOverride &operator=(const TestOverride &) = delete;

    private:
        SimulationDataManager *m_previous;
    };

public slots:
    void readWriteTimerTimeout();

private:
    void forget(QObject *file);

    bool m_enabled = true;
    bool m_reading = true;
    QTimer *m_timer;
    // A file given another parent may be deleted by it: the guarded pointer and its name then go.
    QList<QPointer<SimulationDataFile>> m_files;
    QStringList m_names;

    static SimulationDataManager *s_override;
};

#endif // SIMULATIONDATAMANAGER_H
