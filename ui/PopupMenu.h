#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// A pop-up menu of commands, as a context menu shows them.

struct MenuItem {
    std::int32_t id = 0; // 0: a separator
    std::string text;
    bool enabled = true;
};

// Shows the items at a point of the dialog's client area and waits for the user: the ID
// of the item chosen, or 0 when the menu was closed without a choice.
std::int32_t ShowPopupMenu(WindowHandle dialog, ClientPoint at, const std::vector<MenuItem>& items);
