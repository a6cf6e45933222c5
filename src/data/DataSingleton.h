#ifndef DATASINGLETON_H
#define DATASINGLETON_H

#include <QObject>
#include <QString>

class ESDataClass;

// Holds the data class for the settings-text receiver, which reaches the roots through it.
class DataSingleton : public QObject
{
    Q_OBJECT
public:
    static DataSingleton *instance();

    // The selected data class's process-wide object (or its test override).
    ESDataClass *dataClass() const;
    // A system type text containing "es" (any case) selects ESDataClass; anything else changes nothing.
    void selectDataClass(const QString &systemType);

private:
    explicit DataSingleton(QObject *parent = nullptr);
};

#endif // DATASINGLETON_H
