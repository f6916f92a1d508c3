#pragma once

#include "ui/WindowTypes.h"

#include <functional>
#include <string>

// Lets one local file be dropped on a window: open is called with its name. Anything else
// (several files, a folder, a remote address, text) is refused at the drag, so the pointer
// shows that it cannot be dropped. A text box keeps its own drops.
void AcceptFileDrops(WindowHandle window, std::function<void(const std::string&)> open);
