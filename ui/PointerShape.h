#pragma once

#include "ui/WindowTypes.h"

// The pointer's look over a control: as the platform shows it there, or a resize pointer
// along the direction a drag would stretch.
enum class PointerShape { Ordinary, ResizeAcross, ResizeUpDown, ResizeFalling, ResizeRising };

void SetPointerShape(WindowHandle control, PointerShape shape);
