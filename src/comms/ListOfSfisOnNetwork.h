#ifndef LISTOFSFISONNETWORK_H
#define LISTOFSFISONNETWORK_H

#include <QObject>
#include <QString>
#include <QStringList>

// Register of the SFIs (system function identifiers, two letters and four digits) that matter to this
// unit on the IEC 61162-450 network: its own SFI on the internal and on the external interface, every SFI
// seen on the network, and the SFIs it is connected (paired) with. SFIs are compared exactly.
//
// How the own SFIs are found and how connections are kept depends on the device kind, platform and
// product of the build (BuildConfiguration), read once at construction.
class ListOfSfisOnNetwork : public QObject
{
    Q_OBJECT
public:
    // The process-wide register, created on first use (after the settings tree, which it reads), never
    // deleted.
    static ListOfSfisOnNetwork *instance();

    // A register for the configuration BuildConfiguration::instance() gives now. The unit uses instance();
    // a second unit in the same process (a test of two units) makes its own.
    explicit ListOfSfisOnNetwork(QObject *parent = nullptr);

    // Does nothing; the start-up calls it once after instance().
    void initialize();

    QString localSfi() const;
    QString externalLocalSfi() const;
    // The object's own list, not a copy: it stays valid for the life of the object and follows every
    // addition and removal (the SFI validator of the setup pages keeps it).
    QStringList *sfisOnNetwork();
    // The live lists, for reading.
    const QStringList &connectedSfis() const;
    const QStringList &externalConnectedSfis() const;
    // The first connected SFI; empty when none is connected.
    QString firstConnectedSfi() const;
    // The placeholder "ERROR", which no operation changes.
    QString errorSfi() const;
    // At least one SFI other than "XX9998" is connected (kept for TVR100 and MIR_LOX1000 only).
    bool hasExternalConnection() const;

    static const char *const internalDisplaySfi; // "XX9998"
    static const char *const internalJunctionBoxSfi; // "ZQ9998"

public slots:
    // Appends the SFI to the SFIs seen unless it is there.
    void addSfi(const QString &sfi);
    // Removes the SFI from the SFIs seen and, only when it was there, from both connected lists.
    void removeSfi(const QString &sfi);
    // A display keeps one partner: both connected lists become [sfi]. A junction box collects its displays.
    void connectSfi(const QString &sfi);
    void disconnectSfi(const QString &sfi);
    // A device on the network changed its SFI from old_sfi to new_sfi.
    void deviceOnNetworkChangedLocalSfi(const QString &new_sfi, const QString &old_sfi);

signals:
    // A TVR200 junction box got its first connected display (true) or lost its last one (false).
    void commsToDisplayStateChanged(bool comms_ok);
    // A junction box connected the SFI.
    void newDisplayConnected(const QString &sfi);

private slots:
    void externalLocalSfiChanged(const QString &sfi);

private:
    void appendOnce(QStringList &list, const QString &sfi);
    void updateExternalConnection();

    bool m_externalConnection = false;
    const QString m_errorSfi;
    QStringList m_sfisOnNetwork;
    QStringList m_connectedSfis;
    QStringList m_externalConnectedSfis;
    QString m_externalLocalSfi;
    QString m_localSfi;
};

#endif // LISTOFSFISONNETWORK_H
