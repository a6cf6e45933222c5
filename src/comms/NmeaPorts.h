#ifndef NMEAPORTS_H
#define NMEAPORTS_H

#include <QList>
#include <QObject>

class SerialReader;

// The unit's three serial lines: creates one reader per port number 0 to 2 with the device name, access
// mode and speed of the build configuration, opens them and hands them out by port number.
//
// The readers have no Qt parent (a reader in polling mode moves to the shared polling thread, which an
// object with a parent cannot); this object owns them and deletes them with itself.
class NmeaPorts : public QObject
{
    Q_OBJECT
public:
    explicit NmeaPorts(QObject *parent = nullptr);
    ~NmeaPorts() override;

    // Creates the readers for the build configuration and, where the configuration lists them, opens
    // them in port order. True only when all three opened (each is tried even after a failure); true as
    // well in the configurations that open nothing (the display). A later call opens the same readers
    // again instead of creating new ones.
    bool openPorts();

    // The listed (opened) reader at the index, or null with the message "Wrong index/name of NMEA
    // port!!!" for an index outside the list.
    SerialReader *port(int index) const;
    // Number of listed readers: 0 on a display, 3 on a junction box.
    int portCount() const;

    // The readers of port numbers 0, 1 and 2, listed or not; null before openPorts.
    SerialReader *serialReader1() const;
    SerialReader *serialReader2() const;
    SerialReader *serialReader3() const;

private:
    void createReaders();

    SerialReader *m_readers[3] = { nullptr, nullptr, nullptr };
    QList<SerialReader *> m_ports;
};

#endif // NMEAPORTS_H
