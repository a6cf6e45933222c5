#include "core/MirloxSystem.h"

#include <QApplication>
#include <QDebug>
#include <QTime>

namespace {

qint64 millisecondsSinceMidnight()
{
    const QTime now = QTime::currentTime();
    return now.isValid() ? now.msecsSinceStartOfDay() : 0;
}

} // namespace

// The program starts with the network-selection dialog only; the whole system is built inside the event loop
// once the user confirms an interface.
int main(int argc, char *argv[])
{
    const qint64 started = millisecondsSinceMidnight();
    QApplication application(argc, argv);
    return CentralBaseClass::runGuarded([&application, started]() {
        MirloxSystem system;
        system.start();
        qDebug() << "Main total: " << millisecondsSinceMidnight() - started;
        const int result = application.exec();
        return result;
    });
}
