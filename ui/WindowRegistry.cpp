#include "ui/WindowRegistry.h"

#include <QEventLoop>

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

void WindowRegistry::DropDialogTree(WindowHandle handle) {
    std::vector<WindowHandle> children;
    for (const auto& [child, record] : dialogs_) {
        if (record->parent == handle)
            children.push_back(child);
    }
    for (const WindowHandle child : children)
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
