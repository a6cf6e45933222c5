#include "hardware/GpioInterrupt.h"

GpioInterrupt::GpioInterrupt(QObject *parent)
    : QThread(parent)
{
}

void GpioInterrupt::run() { }
