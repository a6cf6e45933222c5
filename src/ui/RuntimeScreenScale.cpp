#include "ui/RuntimeScreenScale.h"

namespace {

double runtimeScaleX = 1.0;
double runtimeScaleY = 1.0;
double scaleAll = 1.0;

} // namespace

double runtimeScreenScaleX()
{
    return runtimeScaleX;
}

double runtimeScreenScaleY()
{
    return runtimeScaleY;
}

double runtimeScreenScale()
{
    return scaleAll;
}

void setRuntimeScreenScaleX(double scale)
{
    runtimeScaleX = scale;
}

void setRuntimeScreenScaleY(double scale)
{
    runtimeScaleY = scale;
}

void setRuntimeScreenScale(double scale)
{
    scaleAll = scale;
}
