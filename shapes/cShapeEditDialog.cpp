#include "shapes/cShapeEditDialog.h"

#include "app/cViewManager.h"

namespace {
constexpr std::uint32_t kPanelStyle = 0x50000400;  // child, visible, behaves as a control
constexpr std::uint32_t kBoxStyle = 0x00810080;    // border, Tab stop, scrolls horizontally
constexpr std::uint32_t kButtonStyle = 0x00010F00; // Tab stop, caption centred
constexpr std::int32_t kLeft = 10;
constexpr std::int32_t kWidth = 80;
} // namespace

cShapeEditDialog::~cShapeEditDialog() {
    if (handle_ != 0)
        CloseDialog(handle_, 0);
}

void cShapeEditDialog::Open(const ShapeForm& form, std::span<const std::int32_t> values,
                            ShapeIdentity identity) {
    if (handle_ == 0 || !IsLiveWindow(handle_))
        Build(form, values, identity);
    else
        Refresh(values);
    Program().ViewManager->ShowView(handle_);
    FocusControl(handle_, kFirstBoxId);
    const WindowHandle xBox = GetControl(handle_, kFirstBoxId);
    PostSelectText(xBox, 0, static_cast<std::int32_t>(GetText(xBox).size()));
}

void cShapeEditDialog::Build(const ShapeForm& form, std::span<const std::int32_t> values,
                             ShapeIdentity identity) {
    handle_ = NewDialog(kPixelUnits, Program().ViewManager->GetContainer(), form.caption, 0, 0, 100,
                        300, kPanelStyle, 0);
    SetUserValue(handle_, 0, identity);
    std::int32_t y = 10;
    for (std::size_t i = 0; i < form.labels.size() && i < values.size(); ++i) {
        const auto offset = static_cast<std::int32_t>(i);
        AddControl(kLabel, handle_, kFirstLabelId + offset, form.labels[i], kLeft, y, kWidth, 19, 0,
                   0);
        y += 20;
        AddControl(kTextBox, handle_, kFirstBoxId + offset, FormatNumber(values[i], "0"), kLeft, y,
                   kWidth, 23, kBoxStyle, form.boxExStyle);
        y += 33;
    }
    AddControl(kPushButton, handle_, kUpdateId, "Update", kLeft, y, kWidth, 30, kButtonStyle, 0,
               form.onUpdate);
    y += 33;
    AddControl(kPushButton, handle_, kCancelId, "Cancel", kLeft, y, kWidth, 30, kButtonStyle, 0,
               OnEditCancel);
    ShowModeless(handle_);
}

void cShapeEditDialog::Refresh(std::span<const std::int32_t> values) const {
    for (std::size_t i = 0; i < values.size(); ++i)
        SetText(GetControl(handle_, kFirstBoxId + static_cast<std::int32_t>(i)),
                FormatNumber(values[i], "0"));
}

std::int32_t OnEditCancel(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    Program().ViewManager->CloseView();
    RedrawShapes();
    return 0;
}
