#pragma once

#include "ui/WindowTypes.h"
#include "ui/iDrawingAccess.h"

#include <cstdint>

// A graphic control that shows a drawing, opened to the keyboard and to assistive
// technology: the program says what happened, the control's accessible interface tells.

// Makes graphic control id of the dialog a Tab stop after every control of its window
// built so far (so what has the focus at start-up stays as it was), and readable through
// access, which must outlive the control.
void ExposeDrawing(WindowHandle dialog, std::int32_t id, iDrawingAccess& access);
// Items came, went or changed places.
void ReportDrawingChanged(WindowHandle dialog, std::int32_t id);
// The item at that position got another name (its values changed).
void ReportItemChanged(WindowHandle dialog, std::int32_t id, std::int32_t position);
// The item at that position was selected: the accessible focus goes to it.
void ReportItemSelected(WindowHandle dialog, std::int32_t id, std::int32_t position);
