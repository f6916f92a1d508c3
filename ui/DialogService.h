#pragma once

#include "ui/WindowTypes.h"

#include <string>
#include <vector>

// The dialog and control service: every window of the program is built through it and
// every notification reaches the program through it. Windows are named by opaque,
// non-zero 32-bit handles that are never reused during a run; once a window is gone,
// every operation given its handle does nothing.

WindowHandle NewDialog(std::int32_t units, WindowHandle parent, const std::string& caption,
                       std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       std::uint32_t style, std::uint32_t exStyle);
void AddControl(std::int32_t kind, WindowHandle dialog, std::int32_t id, const std::string& caption,
                std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t style, std::uint32_t exStyle, ControlCallback callback = {});

// Shows the dialog and runs the event loop until the dialog is destroyed.
void ShowModal(WindowHandle dialog, ControlCallback callback = {}, std::int32_t* result = nullptr);
// Shows the dialog and returns at once.
void ShowModeless(WindowHandle dialog, ControlCallback callback = {},
                  std::int32_t* result = nullptr);
// Stores the result and destroys the dialog with its children. Safe from inside a
// callback of that very dialog.
void CloseDialog(WindowHandle dialog, std::int32_t result);
// 0 hides, 1 shows normally, 3 maximised, 6 minimised; remembered until the first show.
void SetShowState(WindowHandle dialog, std::int32_t state);

// The first-created control of the dialog with that ID, or 0.
WindowHandle GetControl(WindowHandle dialog, std::int32_t id);
std::string GetText(WindowHandle window);
void SetText(WindowHandle window, const std::string& text);
void FocusControl(WindowHandle dialog, std::int32_t id);
OuterSize GetOuterSize(WindowHandle dialog);
void SetOuterSize(WindowHandle dialog, std::int32_t width, std::int32_t height);
void MoveDialog(WindowHandle dialog, std::int32_t x, std::int32_t y);
void SetUserValue(WindowHandle dialog, std::int32_t index, std::int32_t value);
std::int32_t GetUserValue(WindowHandle dialog, std::int32_t index);
// The live dialogs inside that window.
std::vector<WindowHandle> ChildDialogs(WindowHandle parent);
// -1 while the window exists, 0 after it was destroyed (or was never one).
std::int32_t IsLiveWindow(WindowHandle window);

// The pointer position of the click being handled (else the current cursor position),
// in client coordinates of the dialog.
ClientPoint GetCursorClientPos(WindowHandle dialog);
// How far, in pixels, the pointer must move with a button held before it is a drag.
std::int32_t DragDistance();
// Selects characters start..end of a text box once queued events are processed.
void PostSelectText(WindowHandle textBox, std::int32_t start, std::int32_t end);
