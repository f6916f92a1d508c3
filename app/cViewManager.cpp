#include "app/cViewManager.h"

#include "ui/DialogService.h"

namespace {
constexpr std::int32_t kCapacityStep = 10;
} // namespace

void cViewManager::ShowView(WindowHandle dialog) {
    if (!IsLiveWindow(dialog))
        return;
    if (capacity_ < 1)
        EnsureCapacity();
    if (count_ > 0)
        SetShowState(views_[static_cast<std::size_t>(count_ - 1)], ShowState::Hide);
    else
        count_ = 1;
    views_[static_cast<std::size_t>(count_ - 1)] = dialog;
    ShowTop();
}

void cViewManager::CloseView() {
    const std::int32_t lowest = allowEmpty_ != 0 ? 0 : 1;
    if (count_ <= lowest)
        return;
    SetShowState(views_[static_cast<std::size_t>(count_ - 1)], ShowState::Hide);
    --count_;
    if (count_ > 0)
        ShowTop();
}

void cViewManager::EnsureCapacity() {
    if (capacity_ > count_)
        return;
    capacity_ += kCapacityStep;
    views_.resize(static_cast<std::size_t>(capacity_));
}

void cViewManager::ShowTop() {
    const WindowHandle top = views_[static_cast<std::size_t>(count_ - 1)];
    MoveDialog(top, 0, 0);
    const OuterSize size = GetOuterSize(container_);
    SetOuterSize(top, size.width, size.height);
    SetShowState(top, ShowState::Normal);
}
