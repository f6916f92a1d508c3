#include "shapes/cShapeEditDialog.h"

#include "text/NumberText.h"
#include "ui/DialogService.h"

#include <array>

namespace {

constexpr std::uint32_t kPanelStyle = Style::Child | Style::Visible | Style::ControlParent;
constexpr std::uint32_t kBoxStyle = Style::Border | Style::TabStop | Style::AutoHScroll;
constexpr std::uint32_t kButtonStyle = Style::TabStop;
// The dialog fills the view panel; its controls stand in one column.
constexpr std::int32_t kPanelWidth = 100;
constexpr std::int32_t kPanelHeight = 300;
constexpr std::int32_t kLeft = 10;
constexpr std::int32_t kTop = 10;
constexpr std::int32_t kWidth = 80;
constexpr std::int32_t kLabelHeight = 19;
constexpr std::int32_t kLabelToBox = 20;
constexpr std::int32_t kBoxHeight = 23;
constexpr std::int32_t kBoxToNext = 33;
constexpr std::int32_t kButtonHeight = 30;
constexpr std::int32_t kButtonStep = 33;

std::int32_t BoxId(std::size_t i) {
    return cShapeEditDialog::kFirstBoxId + static_cast<std::int32_t>(i);
}

// Update: the typed values go into the shape, if it is still in the drawing.
std::int32_t OnUpdate(iShapeEditHost& host, WindowHandle dialog, std::size_t valueCount) {
    const std::int32_t position = host.FindShape(dialog);
    if (position == 0)
        return 0;
    std::array<std::int32_t, kMostShapeValues> typed{};
    for (std::size_t i = 0; i < valueCount; ++i)
        typed[i] = TextToInteger(GetText(GetControl(dialog, BoxId(i))));
    host.StoreValues(position, ShapeValues(std::span(typed).first(valueCount)));
    host.CloseView();
    host.Redraw();
    return 0;
}

std::int32_t OnCancel(iShapeEditHost& host) {
    host.CloseView();
    host.Redraw();
    return 0;
}

} // namespace

cShapeEditDialog::~cShapeEditDialog() {
    if (handle_ != 0)
        CloseDialog(handle_, 0);
}

void cShapeEditDialog::Open(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
                            ShapeIdentity identity) {
    if (handle_ == 0 || !IsLiveWindow(handle_))
        Build(host, kind, values, identity);
    else
        Refresh(values);
    host.ShowView(handle_);
    FocusControl(handle_, kFirstBoxId);
    const WindowHandle xBox = GetControl(handle_, kFirstBoxId);
    PostSelectText(xBox, 0, static_cast<std::int32_t>(GetText(xBox).size()));
}

void cShapeEditDialog::Build(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
                             ShapeIdentity identity) {
    handle_ = NewDialog(kPixelUnits, host.ViewPanel(), std::string(kind.caption), 0, 0, kPanelWidth,
                        kPanelHeight, kPanelStyle, 0);
    SetUserValue(handle_, 0, identity);
    std::int32_t y = kTop;
    for (std::size_t i = 0; i < values.size(); ++i) {
        AddControl(kLabel, handle_, kFirstLabelId + static_cast<std::int32_t>(i),
                   std::string(kind.values[i].label), kLeft, y, kWidth, kLabelHeight, 0, 0);
        y += kLabelToBox;
        AddControl(kTextBox, handle_, BoxId(i), FormatNumber(values[i], "0"), kLeft, y, kWidth,
                   kBoxHeight, kBoxStyle, 0);
        y += kBoxToNext;
    }
    // The host outlives every shape: it is the program itself.
    iShapeEditHost* const program = &host;
    const std::size_t count = values.size();
    AddControl(kPushButton, handle_, kUpdateId, "Update", kLeft, y, kWidth, kButtonHeight,
               kButtonStyle, 0,
               [program, count](WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
                   return OnUpdate(*program, dialog, count);
               });
    y += kButtonStep;
    AddControl(kPushButton, handle_, kCancelId, "Cancel", kLeft, y, kWidth, kButtonHeight,
               kButtonStyle, 0,
               [program](WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
                   return OnCancel(*program);
               });
    ShowModeless(handle_);
}

void cShapeEditDialog::Refresh(const ShapeValues& values) const {
    for (std::size_t i = 0; i < values.size(); ++i)
        SetText(GetControl(handle_, BoxId(i)), FormatNumber(values[i], "0"));
}
