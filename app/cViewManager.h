#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>
#include <vector>

// Decides which edit dialog is visible in the view panel: one at a time, fitted to the
// panel. It never creates or destroys dialogs, and ignores handles of dialogs that are gone.
class cViewManager {
  public:
    void SetAllowEmpty(std::int32_t flag) { allowEmpty_ = flag; }
    WindowHandle GetContainer() const { return container_; }
    void SetContainer(WindowHandle container) { container_ = container; }
    // Makes the dialog the current view, hiding the one it replaces.
    void ShowView(WindowHandle dialog);
    // Hides and drops the current view (never the last one unless empty is allowed).
    void CloseView();

    std::int32_t Count() const { return count_; }
    WindowHandle Current() const {
        return count_ > 0 ? views_[static_cast<std::size_t>(count_ - 1)] : 0;
    }

  private:
    void EnsureCapacity();
    void ShowTop();

    WindowHandle container_ = 0;
    std::vector<WindowHandle> views_;
    std::int32_t count_ = 0;
    std::int32_t capacity_ = 0;
    std::int32_t allowEmpty_ = 0;
};
