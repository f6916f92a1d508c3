#pragma once

#include "ui/WindowTypes.h"

#include <functional>

enum class ClipboardKey { Cut, Copy, Paste };

// The platform's Cut, Copy and Paste keys (Ctrl+X, Ctrl+C, Ctrl+V) anywhere in a window and
// the panels inside it, handed to the program. A text box keeps them once the user has
// typed in it or moved its cursor or selection; as its dialog filled it (untouched, the
// whole text selected) it hands them on.
void RouteClipboardKeys(WindowHandle window, std::function<void(ClipboardKey)> handle);
