#pragma once

#include "ui/WindowTypes.h"

#include <QPoint>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class DialogWindow;
class QEventLoop;
class QWidget;

struct ControlRecord {
    WindowHandle handle = 0;
    WindowHandle dialog = 0;
    std::int32_t kind = 0;
    std::int32_t id = 0;
    ControlCallback callback;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    QPointer<QWidget> widget;
};

struct DialogRecord {
    WindowHandle handle = 0;
    WindowHandle parent = 0;
    std::int32_t units = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::int32_t showState = ShowState::Show;
    ControlCallback callback;
    std::int32_t* resultVar = nullptr;
    bool shown = false;
    std::array<std::int32_t, 8> userValues{};
    QPointer<DialogWindow> window;
    std::vector<WindowHandle> controls; // in creation order
    QEventLoop* modalLoop = nullptr;
};

// Every window record of the dialog service. Handles count up from a base and are never
// reused, so a handle of a gone window can never name another.
class WindowRegistry {
  public:
    WindowHandle NextHandle() { return nextHandle_++; }
    DialogRecord* Dialog(WindowHandle handle) const;
    ControlRecord* Control(WindowHandle handle) const;
    // The first-created control of the dialog with that ID, or 0.
    WindowHandle FirstControl(WindowHandle dialog, std::int32_t id) const;
    // The dialogs whose parent is that window.
    std::vector<WindowHandle> ChildDialogs(WindowHandle parent) const;
    DialogRecord& AddDialog(std::unique_ptr<DialogRecord> record);
    ControlRecord& AddControl(std::unique_ptr<ControlRecord> record);
    // Drops the records of a dialog and of every dialog inside it, ending their modal
    // loops; the widgets themselves are deleted by the caller or are already gone.
    void DropDialogTree(WindowHandle handle);

    // Where the click being dispatched happened, so a callback reads where the user
    // clicked rather than wherever the pointer has moved since.
    std::optional<QPoint> clickPosition;

  private:
    WindowHandle nextHandle_ = 0x00010000;
    std::unordered_map<WindowHandle, std::unique_ptr<DialogRecord>> dialogs_;
    std::unordered_map<WindowHandle, std::unique_ptr<ControlRecord>> controls_;
};

// The one registry of the process.
WindowRegistry& Windows();

// The whole window of a dialog or control, or nullptr when it is gone: for the ui
// layer's own widgets and for tests that drive windows as a user would.
QWidget* WindowWidget(WindowHandle window);
// The client area of a dialog: where its controls and child dialogs live.
QWidget* ClientWidget(WindowHandle dialog);
