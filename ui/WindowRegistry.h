#pragma once

#include "ui/DialogService.h"

#include <QPointer>

#include <array>
#include <memory>
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
    std::int32_t showState = 5; // 5: show normally
    ControlCallback callback;
    std::int32_t* resultVar = nullptr;
    bool shown = false;
    bool closeBoxDisabled = false;
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
    DialogRecord* Dialog(WindowHandle handle) {
        const auto it = dialogs_.find(handle);
        return it == dialogs_.end() ? nullptr : it->second.get();
    }
    ControlRecord* Control(WindowHandle handle) {
        const auto it = controls_.find(handle);
        return it == controls_.end() ? nullptr : it->second.get();
    }
    DialogRecord& AddDialog(std::unique_ptr<DialogRecord> record);
    ControlRecord& AddControl(std::unique_ptr<ControlRecord> record);
    // Drops the records of a dialog and of every dialog inside it, ending their modal
    // loops; the widgets themselves are deleted by the caller or are already gone.
    void DropDialogTree(WindowHandle handle);

  private:
    WindowHandle nextHandle_ = 0x00010000;
    std::unordered_map<WindowHandle, std::unique_ptr<DialogRecord>> dialogs_;
    std::unordered_map<WindowHandle, std::unique_ptr<ControlRecord>> controls_;
};

// The one registry of the process.
WindowRegistry& Windows();
