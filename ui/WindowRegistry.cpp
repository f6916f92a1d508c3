#include "ui/WindowRegistry.h"

#include "ui/DialogWindow.h"

#include <QEventLoop>

DialogRecord* WindowRegistry::Dialog(WindowHandle handle) const {
    const auto it = dialogs_.find(handle);
    return it == dialogs_.end() ? nullptr : it->second.get();
}

ControlRecord* WindowRegistry::Control(WindowHandle handle) const {
    const auto it = controls_.find(handle);
    return it == controls_.end() ? nullptr : it->second.get();
}

WindowHandle WindowRegistry::FirstControl(WindowHandle dialog, std::int32_t id) const {
    const DialogRecord* record = Dialog(dialog);
    if (!record)
        return 0;
    for (const WindowHandle control : record->controls) {
        if (const ControlRecord* c = Control(control); c && c->id == id)
            return control;
    }
    return 0;
}

DialogRecord& WindowRegistry::AddDialog(std::unique_ptr<DialogRecord> record) {
    auto& slot = dialogs_[record->handle];
    slot = std::move(record);
    return *slot;
}

ControlRecord& WindowRegistry::AddControl(std::unique_ptr<ControlRecord> record) {
    auto& slot = controls_[record->handle];
    slot = std::move(record);
    return *slot;
}

std::vector<WindowHandle> WindowRegistry::ChildDialogs(WindowHandle parent) const {
    std::vector<WindowHandle> children;
    for (const auto& [child, record] : dialogs_) {
        if (record->parent == parent)
            children.push_back(child);
    }
    return children;
}

void WindowRegistry::DropDialogTree(WindowHandle handle) {
    for (const WindowHandle child : ChildDialogs(handle))
        DropDialogTree(child);
    const auto it = dialogs_.find(handle);
    if (it == dialogs_.end())
        return;
    for (const WindowHandle control : it->second->controls)
        controls_.erase(control);
    if (it->second->modalLoop)
        it->second->modalLoop->quit();
    dialogs_.erase(it);
}

WindowRegistry& Windows() {
    static WindowRegistry registry;
    return registry;
}

QWidget* WindowWidget(WindowHandle window) {
    if (const DialogRecord* dialog = Windows().Dialog(window))
        return dialog->window;
    if (const ControlRecord* control = Windows().Control(window))
        return control->widget;
    return nullptr;
}

QWidget* ClientWidget(WindowHandle dialog) {
    const DialogRecord* record = Windows().Dialog(dialog);
    return record && record->window ? record->window->Client() : nullptr;
}
