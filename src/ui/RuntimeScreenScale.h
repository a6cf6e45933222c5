#ifndef RUNTIMESCREENSCALE_H
#define RUNTIMESCREENSCALE_H

// The process-wide factors by which the runtime pages are shrunk while they are shown as the preview of
// the runtime-page setup: 1.0 each, or 0.625 across, 0.75 down and 0.625 overall in the preview. The
// runtime pages set them when they move into or out of the preview; drawings of the runtime pages and
// the unit button's placement read them.
double runtimeScreenScaleX();
double runtimeScreenScaleY();
double runtimeScreenScale();
void setRuntimeScreenScaleX(double scale);
void setRuntimeScreenScaleY(double scale);
void setRuntimeScreenScale(double scale);

#endif // RUNTIMESCREENSCALE_H
