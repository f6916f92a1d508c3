#pragma once

#include "ui/DialogService.h"

#include <QPoint>

class QWidget;
class GraphicControl;

// The link between service handles and the Qt widgets behind them, for the ui layer's
// own widgets and for tests that drive windows as a user would. Code above ui/ uses
// the handles only.

// The whole window of a dialog or control, or nullptr when it is gone.
QWidget* WindowWidget(WindowHandle window);
// The client area of a dialog: where its controls and child dialogs live.
QWidget* ClientWidget(WindowHandle dialog);
// The graphic control behind a control handle, or nullptr.
GraphicControl* GraphicControlOf(WindowHandle control);

// Sends a command notification from a control to its dialog. A click carries the
// pointer position, which the callback can read with GetCursorClientPos.
void RouteCommand(WindowHandle control, std::uint32_t code);
void RouteClick(WindowHandle control, std::uint32_t code, QPoint globalPosition);
// Enter (kIdOk) and Esc (kIdCancel) pressed in a dialog.
void RouteKey(WindowHandle dialog, std::int32_t id);
// The close box or Alt+F4 on a dialog.
void RequestClose(WindowHandle dialog);
