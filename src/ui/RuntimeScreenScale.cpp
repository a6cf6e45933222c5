#include "ui/RuntimeScreenScale.h"

namespace {

double scaleX = 1.0;
double scaleY = 1.0;
double scaleAll = 1.0;

} // namespace

double runtimeScreenScaleX()
{
    return scaleX;
}

double runtimeScreenScaleY()
{
    return scaleY;
}

double runtimeScreenScale()
{
    return scaleAll;
}

void setRuntimeScreenScaleX(double scale)
{
    scaleX = scale;
}

void setRuntimeScreenScaleY(double scale)
{
    scaleY = scale;
}

void setRuntimeScreenScale(double scale)
{
    scaleAll = scale;
}
