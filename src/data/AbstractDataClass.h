#ifndef ABSTRACTDATACLASS_H
#define ABSTRACTDATACLASS_H

#include <QObject>
#include <QString>
#include <QStringList>

class SerializableClass;

// The one place where settings text leaves the settings layer: every text a settings object emits on
// the settings hub is re-emitted as parseData(text, "PQRVAVG", destination SFIs), which the system object
// connects to the proprietary sentence sender.
class AbstractDataClass : public QObject
{
    Q_OBJECT
public:
    explicit AbstractDataClass(QObject *parent = nullptr);

    virtual void createDataObjects() = 0;
    // The roots the settings-text receiver applies texts to: the shared setup, the runtime values and the
    // display's local settings.
    virtual SerializableClass *setupObject() = 0;
    virtual SerializableClass *runtimeObject() = 0;
    virtual SerializableClass *localSetupObject() = 0;

    // Registers the settings base classes as meta-types (pointer types; harmless when repeated).
    static void registerBaseMetaTypes();

signals:
    void parseData(QString string, QString formatter, QStringList destination_sfis);

private slots:
    void testSlot(QString string, QStringList destination_sfis);
    void testSlot(QString string);
};

#endif // ABSTRACTDATACLASS_H
