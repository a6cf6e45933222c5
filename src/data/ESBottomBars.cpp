#include "data/ESBottomBars.h"

ESBottomBars::ESBottomBars(QObject *parent, const QString &name)
    : RuntimeSerializableClass(parent, name)
{
}
