#include "ui/DialogPlacement.h"

#include "ui/DialogWindow.h"
#include "ui/WindowRegistry.h"

#include <algorithm>

std::int32_t ShowStateFromStyle(std::uint32_t style) {
    if (style & Style::Maximize)
        return ShowState::Maximized;
    if (style & Style::Minimize)
        return ShowState::Minimized;
    return ShowState::Show;
}

std::uint32_t DialogStyle(std::uint32_t style, WindowHandle parent, std::int32_t x,
                          std::int32_t y) {
    if (style == 0)
        style = Style::Popup | Style::Caption | Style::ModalFrame | Style::DialogBasics;
    style |= Style::DialogBasics;
    style &= ~(Style::Visible | Style::SystemModal);
    if (x == kNoPosition || y == kNoPosition)
        style |= Style::Centre;
    if (style & Style::Child) {
        style &= ~(Style::Popup | Style::AbsoluteAlign);
        if (parent == 0)
            style = (style & ~Style::Child) | Style::Popup;
    }
    return style;
}

int FrameWidthFor(std::uint32_t style, std::uint32_t exStyle) {
    return ((style & Style::Border) ? 1 : 0) + ((exStyle & Style::ExClientEdge) ? 2 : 0);
}

Qt::WindowFlags TopLevelFlags(std::uint32_t style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & Style::Caption) == Style::Caption)
        flags |= Qt::WindowTitleHint;
    if (style & Style::SystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & Style::MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

void MoveTopLevel(QWidget& window, WindowHandle owner, QPoint position) {
    QWidget* ownerClient = ClientWidget(owner);
    window.move(ownerClient ? ownerClient->mapToGlobal(position) : position);
}

void PlaceTopLevel(DialogWindow& window, const DialogRecord& record, QPoint position) {
    if (record.style & Style::Centre) {
        window.KeepCentred();
        return;
    }
    MoveTopLevel(window, record.parent, position);
}

void ApplyShowState(DialogWindow& window, std::int32_t state) {
    switch (state) {
    case ShowState::Hide:
        window.hide();
        break;
    case ShowState::Maximized:
        window.isWindow() ? window.showMaximized() : window.show();
        break;
    case ShowState::Minimized:
        window.isWindow() ? window.showMinimized() : window.show();
        break;
    default:
        window.isWindow() ? window.showNormal() : window.show();
        break;
    }
}
