#pragma once

#include "ui/ControlKeys.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// The program's side of a graphic control's keys.

// The last key the graphic control id of the dialog kept, kKeyNone before any.
std::uint32_t GraphicLastKey(WindowHandle dialog, std::int32_t id);
// Moves the focus from that graphic control to the next control (or the previous one),
// as Tab would if the control did not keep it.
void GraphicFocusOnward(WindowHandle dialog, std::int32_t id, bool forward);
