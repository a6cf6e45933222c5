#include "alerts/AlertIdentifiers.h"

namespace {

const int alfOffset = 10000;

} // namespace

AlertIdentifiers AlertIdentifiers::forAlertType(const QString &type, AlertIdentifiers current)
{
    auto moved = [&type](int id) {
        if (type.contains(QLatin1String("ALR")))
            return id > alfOffset ? id - alfOffset : id;
        return id <= alfOffset - 1 ? id + alfOffset : id;
    };
    return { moved(current.deep), moved(current.system) };
}
