#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>
#include <functional>
#include <string>

// Writes what draw paints on a graphic control to a picture file, chosen by the name's
// extension: ".png", the control's pixels at the screen's device pixel ratio; ".svg", the
// same drawing as vectors. draw paints through the graphic service, as it would on screen.
// Empty when the file was written whole, else why it was not, with the system's reason; a
// failed export leaves an old file of the name exactly as it was, and no partial file.
std::string ExportPicture(WindowHandle dialog, std::int32_t id, const std::string& path,
                          const std::function<void()>& draw);
