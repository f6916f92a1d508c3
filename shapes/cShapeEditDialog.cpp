#include "shapes/cShapeEditDialog.h"

#include "text/NumberText.h"
#include "ui/DialogService.h"

#include <array>

namespace {

constexpr std::uint32_t kPanelStyle = Style::Child | Style::Visible | Style::ControlParent;
constexpr std::uint32_t kBoxStyle = Style::Border | Style::TabStop | Style::AutoHScroll;
constexpr std::uint32_t kCentred = 0x00000F00; // caption centred both ways
constexpr std::uint32_t kButtonStyle = Style::TabStop | kCentred;
constexpr std::int32_t kLeft = 10;
constexpr std::int32_t kWidth = 80;

iShapeEditHost* g_host = nullptr;

std::int32_t BoxId(std::size_t i) {
    return cShapeEditDialog::kFirstBoxId + static_cast<std::int32_t>(i);
}

// Update: the typed values go into the shape, if it is still in the drawing.
std::int32_t OnUpdate(WindowHandle dialog, std::size_t valueCount) {
    const std::int32_t position = g_host ? g_host->FindShape(dialog) : 0;
    if (position == 0)
        return 0;
    std::array<std::int32_t, kMostShapeValues> typed{};
    for (std::size_t i = 0; i < valueCount; ++i)
        typed[i] = TextToInteger(GetText(GetControl(dialog, BoxId(i))));
    g_host->StoreValues(position, ShapeValues(std::span(typed).first(valueCount)));
    g_host->CloseView();
    g_host->Redraw();
    return 0;
}

std::int32_t OnCancel(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    g_host->CloseView();
    g_host->Redraw();
    return 0;
}

} // namespace

void cShapeEditDialog::UseHost(iShapeEditHost* host) {
    g_host = host;
}

cShapeEditDialog::~cShapeEditDialog() {
    if (handle_ != 0)
        CloseDialog(handle_, 0);
}

void cShapeEditDialog::Open(const ShapeKind& kind, const ShapeValues& values,
                            ShapeIdentity identity) {
    if (!g_host)
        return;
    if (handle_ == 0 || !IsLiveWindow(handle_))
        Build(kind, values, identity);
    else
        Refresh(values);
    g_host->ShowView(handle_);
    FocusControl(handle_, kFirstBoxId);
    const WindowHandle xBox = GetControl(handle_, kFirstBoxId);
    PostSelectText(xBox, 0, static_cast<std::int32_t>(GetText(xBox).size()));
}

void cShapeEditDialog::Build(const ShapeKind& kind, const ShapeValues& values,
                             ShapeIdentity identity) {
    handle_ = NewDialog(kPixelUnits, g_host->ViewPanel(), std::string(kind.caption), 0, 0, 100, 300,
                        kPanelStyle, 0);
    SetUserValue(handle_, 0, identity);
    std::int32_t y = 10;
    for (std::size_t i = 0; i < values.size(); ++i) {
        AddControl(kLabel, handle_, kFirstLabelId + static_cast<std::int32_t>(i),
                   std::string(kind.values[i].label), kLeft, y, kWidth, 19, 0, 0);
        y += 20;
        AddControl(kTextBox, handle_, BoxId(i), FormatNumber(values[i], "0"), kLeft, y, kWidth, 23,
                   kBoxStyle, kind.boxExStyle);
        y += 33;
    }
    const std::size_t count = values.size();
    AddControl(kPushButton, handle_, kUpdateId, "Update", kLeft, y, kWidth, 30, kButtonStyle, 0,
               [count](WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
                   return OnUpdate(dialog, count);
               });
    y += 33;
    AddControl(kPushButton, handle_, kCancelId, "Cancel", kLeft, y, kWidth, 30, kButtonStyle, 0,
               OnCancel);
    ShowModeless(handle_);
}

void cShapeEditDialog::Refresh(const ShapeValues& values) const {
    for (std::size_t i = 0; i < values.size(); ++i)
        SetText(GetControl(handle_, BoxId(i)), FormatNumber(values[i], "0"));
}
