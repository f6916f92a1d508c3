#include "ui/DialogService.h"

#include "text/QtText.h"
#include "ui/ControlFactory.h"
#include "ui/DialogFont.h"
#include "ui/DialogPlacement.h"
#include "ui/DialogWindow.h"
#include "ui/GraphicControl.h"
#include "ui/GraphicService.h"
#include "ui/WindowRegistry.h"

#include <QEventLoop>
#include <QPointer>
#include <QPushButton>

namespace {

void ShowDialog(WindowHandle dialog, const ControlCallback& callback, std::int32_t* result) {
    DialogRecord* record = Windows().Dialog(dialog);
    if (!record || !record->window)
        return;
    if (callback) {
        const std::uint32_t sizeKind = record->showState == ShowState::Maximized   ? 2
                                       : record->showState == ShowState::Minimized ? 1
                                                                                   : 0;
        const QSize client = record->window->Client()->size();
        const ControlCallback copy = callback;
        copy(dialog, Message::Init, dialog, 0);
        copy(dialog, Message::Size, sizeKind, client.width() + 65536 * client.height());
        record = Windows().Dialog(dialog);
        if (!record || !record->window)
            return;
    }
    record->callback = callback;
    record->resultVar = result;
    record->shown = true;
    ApplyShowState(*record->window, record->showState);
}

// Calls a copy of the callback: the record that holds it may go during the call.
std::int32_t Call(ControlCallback callback, WindowHandle dialog, std::uint32_t message,
                  std::uint32_t wParam, std::int32_t lParam) {
    return callback ? callback(dialog, message, wParam, lParam) : 0;
}

void Notify(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam, std::int32_t lParam) {
    if (message == Message::Command &&
        Windows().FirstControl(dialog, static_cast<std::int32_t>(wParam & 0xFFFF))) {
        const ControlRecord* sender = Windows().Control(static_cast<WindowHandle>(lParam));
        if (sender && sender->dialog == dialog &&
            Call(sender->callback, dialog, message, wParam, lParam) != 0)
            return;
    }
    if (const DialogRecord* record = Windows().Dialog(dialog))
        Call(record->callback, dialog, message, wParam, lParam);
    // Default handling: a command whose ID matches no control does nothing.
}

void RouteCommand(WindowHandle control, std::uint32_t code) {
    const ControlRecord* record = Windows().Control(control);
    if (!record)
        return;
    const std::uint32_t wParam = (code << 16) | (static_cast<std::uint32_t>(record->id) & 0xFFFF);
    Notify(record->dialog, Message::Command, wParam, static_cast<std::int32_t>(control));
}

void RouteClick(WindowHandle control, std::uint32_t code, QPoint globalPosition) {
    Windows().clickPosition = globalPosition;
    RouteCommand(control, code);
    Windows().clickPosition.reset();
}

void RouteKey(WindowHandle dialog, std::int32_t id) {
    const WindowHandle sender = Windows().FirstControl(dialog, id);
    Notify(dialog, Message::Command, static_cast<std::uint32_t>(id),
           static_cast<std::int32_t>(sender));
}

// Buttons send a click notification; a graphic control one for each press.
void ConnectNotifications(QWidget& widget, WindowHandle control) {
    if (auto* button = qobject_cast<QPushButton*>(&widget))
        QObject::connect(button, &QPushButton::clicked, button,
                         [control] { RouteCommand(control, Notification::Clicked); });
    if (auto* graphic = qobject_cast<GraphicControl*>(&widget))
        QObject::connect(
            graphic, &GraphicControl::pressed, graphic,
            [control](std::uint32_t code, QPoint at) { RouteClick(control, code, at); });
}

} // namespace

WindowHandle NewDialog(std::int32_t units, WindowHandle parent, const std::string& caption,
                       std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       std::uint32_t style, std::uint32_t exStyle) {
    QWidget* parentClient = nullptr;
    if (parent != 0) {
        parentClient = ClientWidget(parent);
        if (!parentClient)
            parent = 0;
    }
    auto record = std::make_unique<DialogRecord>();
    record->handle = Windows().NextHandle();
    record->parent = parent;
    record->units = units;
    record->style = DialogStyle(style, parent, x, y);
    record->exStyle = exStyle;
    record->showState = ShowStateFromStyle(record->style);

    const bool child = (record->style & Style::Child) != 0;
    const int frame = child ? FrameWidthFor(record->style, exStyle) : 0;
    auto* window = new DialogWindow(record->handle, child ? parentClient : nullptr, frame);
    if (!child) {
        window->setWindowFlags(TopLevelFlags(record->style));
        if (parentClient)
            window->setParent(parentClient->window(), window->windowFlags());
    }
    window->setFont(DialogFont());
    window->setWindowTitle(ToQt(caption));
    window->setAccessibleName(ToQt(caption));
    const QRect rect =
        ToPixels(units, QRect(x == kNoPosition ? 0 : x, y == kNoPosition ? 0 : y, width, height));
    const QSize outer = rect.size() + QSize(2 * frame, 2 * frame);
    window->SetOuterSize(outer);
    if (child) {
        const bool asControl = (record->style & Style::ControlParent) != 0;
        window->move(asControl ? rect.x() : std::max(0, rect.x()),
                     asControl ? rect.y() : std::max(0, rect.y()));
    } else {
        PlaceTopLevel(*window, *record, rect.topLeft());
    }
    record->window = window;
    const WindowHandle handle = record->handle;
    QObject::connect(window, &QObject::destroyed, [handle] { Windows().DropDialogTree(handle); });
    QObject::connect(window, &DialogWindow::closeRequested, [handle] { CloseDialog(handle, 0); });
    QObject::connect(window, &DialogWindow::keyCommand,
                     [handle](std::int32_t id) { RouteKey(handle, id); });
    Windows().AddDialog(std::move(record));
    return handle;
}

void AddControl(std::int32_t kind, WindowHandle dialog, std::int32_t id, const std::string& caption,
                std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t style, std::uint32_t exStyle, ControlCallback callback) {
    DialogRecord* owner = Windows().Dialog(dialog);
    if (!owner || !owner->window)
        return;
    auto record = std::make_unique<ControlRecord>();
    record->handle = Windows().NextHandle();
    record->dialog = dialog;
    record->kind = kind;
    record->id = id;
    record->callback = std::move(callback);
    record->style = ControlStyle(kind, style, exStyle);
    record->exStyle = exStyle;
    QWidget* widget = CreateControlWidget(*record, caption, owner->window->Client());
    if (!widget)
        return;
    widget->setFont(DialogFont());
    widget->setGeometry(ToPixels(owner->units, QRect(x, y, width, height)));
    LinkToPrecedingLabel(*owner, widget);
    widget->show();
    ConnectNotifications(*widget, record->handle);
    record->widget = widget;
    owner->controls.push_back(record->handle);
    const WindowHandle handle = Windows().AddControl(std::move(record)).handle;
    if (kind == kGraphicControl)
        AdoptAsTargetIfNone(handle);
}

void ShowModal(WindowHandle dialog, ControlCallback callback, std::int32_t* result) {
    DialogRecord* record = Windows().Dialog(dialog);
    if (!record || !record->window)
        return;
    record->window->raise();
    const WindowHandle parent = record->parent;
    ShowDialog(dialog, callback, result);
    record = Windows().Dialog(dialog);
    if (!record)
        return;
    if (QWidget* owner = WindowWidget(parent))
        owner->setEnabled(false);
    record->window->activateWindow();
    // Blocks in the toolkit's event loop until CloseDialog (or the parent's end) quits it.
    QEventLoop loop;
    record->modalLoop = &loop;
    loop.exec();
    if (DialogRecord* still = Windows().Dialog(dialog))
        still->modalLoop = nullptr;
    if (QWidget* owner = WindowWidget(parent))
        owner->setFocus();
}

void ShowModeless(WindowHandle dialog, ControlCallback callback, std::int32_t* result) {
    ShowDialog(dialog, callback, result);
    if (QWidget* window = WindowWidget(dialog); window && window->isVisible())
        window->repaint();
}

void CloseDialog(WindowHandle dialog, std::int32_t result) {
    DialogRecord* record = Windows().Dialog(dialog);
    if (!record)
        return;
    if (record->resultVar)
        *record->resultVar = result;
    Call(record->callback, dialog, Message::Close, 0, 0);
    record = Windows().Dialog(dialog);
    if (!record)
        return;
    if (QWidget* owner = WindowWidget(record->parent))
        owner->setEnabled(true);
    const QPointer<DialogWindow> window = record->window;
    Windows().DropDialogTree(dialog);
    if (window) {
        window->hide();
        // Deleted once control is back in the event loop: the caller may be one of its
        // own callbacks, still running inside a signal of a widget of this dialog.
        window->deleteLater();
    }
}

void SetShowState(WindowHandle dialog, std::int32_t state) {
    DialogRecord* record = Windows().Dialog(dialog);
    if (!record || !record->window)
        return;
    if (!record->shown) {
        const bool kept = state == ShowState::Hide || state == ShowState::Maximized ||
                          state == ShowState::Minimized;
        record->showState = kept ? state : ShowState::Show;
        return;
    }
    ApplyShowState(*record->window, state);
    if (state != ShowState::Hide)
        record->window->repaint();
}
