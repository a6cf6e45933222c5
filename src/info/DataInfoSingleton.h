#ifndef DATAINFOSINGLETON_H
#define DATAINFOSINGLETON_H

#include "info/ESDataInfoClass.h"

#include <QObject>
#include <QString>

// A thin process-wide holder of the description registry, through which the button bindings and the
// interaction controllers reach it.
class DataInfoSingleton : public QObject
{
    Q_OBJECT

public:
    // Created on first use, holding ESDataInfoClass::instance(); never destroyed. While an
    // ESDataInfoClass::TestOverride lives, a holder of the override's registry.
    static DataInfoSingleton *instance();

    ESDataInfoClass *dataInfo() const { return m_dataInfo; }
    // A name containing "es" (any case) selects ESDataInfoClass::instance(); any other changes nothing.
    void setDataInfo(const QString &name);

private:
    friend class ESDataInfoClass::TestOverride;

    DataInfoSingleton();

    ESDataInfoClass *m_dataInfo;

    static DataInfoSingleton *s_override;
};

#endif // DATAINFOSINGLETON_H
