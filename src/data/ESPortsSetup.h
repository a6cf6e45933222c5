#ifndef ESPORTSSETUP_H
#define ESPORTSSETUP_H

#include "data/SerializableClass.h"

// Baud rates of the three NMEA ports in one object (not part of the tree).
class ESPortsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Baud1 READ Baud1 WRITE setBaud1 NOTIFY Baud1Changed)
    Q_PROPERTY(int Baud2 READ Baud2 WRITE setBaud2 NOTIFY Baud2Changed)
    Q_PROPERTY(int Baud3 READ Baud3 WRITE setBaud3 NOTIFY Baud3Changed)

    Q_CLASSINFO(
        "Baud1", "type=enum name=Baud1 nameToDisplay=Baud_1 enumList=4800;38400;115200 isProtected=true")
    Q_CLASSINFO(
        "Baud2", "type=enum name=Baud2 nameToDisplay=Baud_2 enumList=4800;38400;115200 isProtected=true")
    Q_CLASSINFO(
        "Baud3", "type=enum name=Baud3 nameToDisplay=Baud_3 enumList=4800;38400;115200 isProtected=true")

public:
    ESPortsSetup(QObject *parent, const QString &name);

    int Baud1() const { return m_Baud1; }
    int Baud2() const { return m_Baud2; }
    int Baud3() const { return m_Baud3; }

public slots:
    void setBaud1(int value);
    void setBaud2(int value);
    void setBaud3(int value);

signals:
    void Baud1Changed(int Baud1);
    void Baud2Changed(int Baud2);
    void Baud3Changed(int Baud3);

private:
    int m_Baud1 = 0;
    int m_Baud2 = 0;
    int m_Baud3 = 0;
};

#endif // ESPORTSSETUP_H
