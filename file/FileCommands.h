#pragma once

#include "ui/DialogService.h"

#include <cstdint>

// The "Save" button: asks for a file name and writes the drawing to it.
std::int32_t OnSave(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                    std::int32_t lParam);
// The "Load" button: lets the user choose a drawing file and replaces the drawing with it.
std::int32_t OnLoad(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                    std::int32_t lParam);
