#pragma once

#include "ui/WindowTypes.h"

#include <functional>

// The platform's Undo keys (Ctrl+Z) and Redo keys (Ctrl+Shift+Z, Ctrl+Y) anywhere in a
// window and the panels inside it, handed to the program's own undo and redo. A text box
// keeps them while it has typing of its own to undo or redo.
void RouteHistoryKeys(WindowHandle window, std::function<void()> undo, std::function<void()> redo);
