#pragma once

#include <QFont>
#include <QRect>

#include <cstdint>

// The font of every dialog and control, and the dialog units measured in it.
QFont DialogFont();
// A rectangle given in the units of NewDialog (pixels, or dialog units), in pixels.
QRect ToPixels(std::int32_t units, QRect rect);
