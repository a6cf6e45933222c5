#ifndef LISTOFSFISONNETWORK_H
#define LISTOFSFISONNETWORK_H

#include <QObject>
#include <QString>
#include <QStringList>

// Process-wide register of the SFIs (system function identifiers) seen on the
// IEC 61162-450 network.
class ListOfSfisOnNetwork : public QObject
{
    Q_OBJECT
public:
    // Created on first use, never deleted.
    static ListOfSfisOnNetwork *instance();

    // The object's own list, not a copy: it stays valid for the life of the process and
    // follows every addition and removal (the SFI validator of the setup pages keeps it).
    QStringList *sfisOnNetwork();

public slots:
    void addSfi(const QString &sfi);
    void removeSfi(const QString &sfi);

private:
    ListOfSfisOnNetwork();

    QStringList m_sfisOnNetwork;
};

#endif // LISTOFSFISONNETWORK_H
