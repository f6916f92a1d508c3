#include "ui/DialogService.h"

#include "ui/ControlFactory.h"
#include "ui/DialogFont.h"
#include "ui/DialogWindow.h"
#include "ui/GraphicControl.h"
#include "ui/GraphicService.h"
#include "ui/QtText.h"
#include "ui/WindowRegistry.h"
#include "ui/WindowWidgets.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace {

constexpr std::int32_t kShowNormal = 5;

// The position of the click being dispatched, so the callback reads where the user
// clicked rather than wherever the pointer has moved since.
std::optional<QPoint> g_clickPosition;

std::int32_t ShowStateFromStyle(std::uint32_t style) {
    if (style & Style::Maximize)
        return 3;
    if (style & Style::Minimize)
        return 6;
    return kShowNormal;
}

std::uint32_t DialogStyle(std::uint32_t style, WindowHandle parent, std::int32_t x,
                          std::int32_t y) {
    if (style == 0)
        style = 0x80C000D4;
    style |= 0x00000054;
    style &= ~(Style::Visible | 0x00000002u);
    if (x == kNoPosition || y == kNoPosition)
        style |= Style::Centre;
    if (style & Style::Child) {
        style &= ~(Style::Popup | 0x00000001u);
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

// A top-level window's position is relative to its owner's client origin on the screen,
// or to the screen itself without an owner.
void MoveTopLevel(QWidget& window, WindowHandle owner, QPoint position) {
    QWidget* ownerClient = ClientWidget(owner);
    window.move(ownerClient ? ownerClient->mapToGlobal(position) : position);
}

void PlaceTopLevel(DialogWindow& window, const DialogRecord& record, QPoint position) {
    if (record.style & Style::Centre) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect work = screen ? screen->availableGeometry() : QRect();
        const QSize outer = window.frameGeometry().size();
        window.move(std::max(0, (work.left() + work.right() + 1 - outer.width()) / 2),
                    std::max(0, (work.top() + work.bottom() + 1 - outer.height()) / 2));
        return;
    }
    MoveTopLevel(window, record.parent, position);
}

void ApplyShowState(DialogWindow& window, std::int32_t state) {
    switch (state) {
    case 0:
        window.hide();
        break;
    case 3:
        window.isWindow() ? window.showMaximized() : window.show();
        break;
    case 6:
        window.isWindow() ? window.showMinimized() : window.show();
        break;
    default:
        window.isWindow() ? window.showNormal() : window.show();
        break;
    }
}

void ShowDialog(WindowHandle dialog, const ControlCallback& callback, std::int32_t* result) {
    DialogRecord* record = Windows().Dialog(dialog);
    if (!record || !record->window)
        return;
    if (callback) {
        const std::uint32_t sizeKind = record->showState == 3 ? 2 : record->showState == 6 ? 1 : 0;
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
        GetControl(dialog, static_cast<std::int32_t>(wParam & 0xFFFF))) {
        const ControlRecord* sender = Windows().Control(static_cast<WindowHandle>(lParam));
        if (sender && sender->dialog == dialog &&
            Call(sender->callback, dialog, message, wParam, lParam) != 0)
            return;
    }
    if (const DialogRecord* record = Windows().Dialog(dialog))
        Call(record->callback, dialog, message, wParam, lParam);
    // Default handling: a command whose ID matches no control does nothing.
}

} // namespace

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

GraphicControl* GraphicControlOf(WindowHandle control) {
    const ControlRecord* record = Windows().Control(control);
    if (!record || record->kind != kGraphicControl)
        return nullptr;
    return qobject_cast<GraphicControl*>(record->widget.data());
}

void RouteCommand(WindowHandle control, std::uint32_t code) {
    const ControlRecord* record = Windows().Control(control);
    if (!record)
        return;
    const std::uint32_t wParam = (code << 16) | (static_cast<std::uint32_t>(record->id) & 0xFFFF);
    Notify(record->dialog, Message::Command, wParam, static_cast<std::int32_t>(control));
}

void RouteClick(WindowHandle control, std::uint32_t code, QPoint globalPosition) {
    g_clickPosition = globalPosition;
    RouteCommand(control, code);
    g_clickPosition.reset();
}

void RouteKey(WindowHandle dialog, std::int32_t id) {
    const WindowHandle sender = GetControl(dialog, id);
    Notify(dialog, Message::Command, static_cast<std::uint32_t>(id),
           static_cast<std::int32_t>(sender));
}

void RequestClose(WindowHandle dialog) {
    const DialogRecord* record = Windows().Dialog(dialog);
    if (record && !record->closeBoxDisabled)
        CloseDialog(dialog, 0);
}

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
    record->closeBoxDisabled = false;
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
        record->showState = (state == 0 || state == 3 || state == 6) ? state : kShowNormal;
        return;
    }
    ApplyShowState(*record->window, state);
    if (state != 0)
        record->window->repaint();
}

WindowHandle GetControl(WindowHandle dialog, std::int32_t id) {
    const DialogRecord* record = Windows().Dialog(dialog);
    if (!record)
        return 0;
    for (const WindowHandle control : record->controls) {
        if (const ControlRecord* c = Windows().Control(control); c && c->id == id)
            return control;
    }
    return 0;
}

std::string GetText(WindowHandle window) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return {};
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return FromQt(box->text());
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return FromQt(button->text());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQt(label->text());
    return FromQt(widget->windowTitle());
}

void SetText(WindowHandle window, const std::string& text) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return;
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        box->setText(ToQt(text));
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(ToQt(text));
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(ToQt(text));
    else
        widget->setWindowTitle(ToQt(text));
}

void FocusControl(WindowHandle dialog, std::int32_t id) {
    QWidget* control = WindowWidget(GetControl(dialog, id));
    if (!control)
        return;
    control->window()->raise();
    control->window()->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

OuterSize GetOuterSize(WindowHandle dialog) {
    QWidget* window = WindowWidget(dialog);
    if (!window)
        return {};
    const QSize size = window->isWindow() ? window->frameGeometry().size() : window->size();
    return {size.width(), size.height()};
}

void SetOuterSize(WindowHandle dialog, std::int32_t width, std::int32_t height) {
    const DialogRecord* record = Windows().Dialog(dialog);
    if (!record || !record->window)
        return;
    DialogWindow& window = *record->window;
    // A top-level window's outer size includes the frame the window manager adds.
    const QSize frame =
        window.isWindow() ? window.frameGeometry().size() - window.size() : QSize(0, 0);
    window.SetOuterSize(
        QSize(std::max(0, width - frame.width()), std::max(0, height - frame.height())));
}

void MoveDialog(WindowHandle dialog, std::int32_t x, std::int32_t y) {
    QWidget* window = WindowWidget(dialog);
    if (!window)
        return;
    if (!window->isWindow()) {
        window->move(x, y);
        return;
    }
    const DialogRecord* record = Windows().Dialog(dialog);
    MoveTopLevel(*window, record ? record->parent : 0, QPoint(x, y));
}

namespace {
// Indexes 1..8 address slots 1..8 and every other index wraps (0 is slot 8).
std::size_t SlotOf(std::int32_t index) {
    return (static_cast<std::uint32_t>(index) - 1u) & 7u;
}
} // namespace

void SetUserValue(WindowHandle dialog, std::int32_t index, std::int32_t value) {
    if (DialogRecord* record = Windows().Dialog(dialog))
        record->userValues[SlotOf(index)] = value;
}

std::int32_t GetUserValue(WindowHandle dialog, std::int32_t index) {
    const DialogRecord* record = Windows().Dialog(dialog);
    return record ? record->userValues[SlotOf(index)] : 0;
}

std::int32_t IsLiveWindow(WindowHandle window) {
    return WindowWidget(window) ? -1 : 0;
}

ClientPoint GetCursorClientPos(WindowHandle dialog) {
    QWidget* client = ClientWidget(dialog);
    const QPoint global = g_clickPosition.value_or(QCursor::pos());
    const QPoint local = client ? client->mapFromGlobal(global) : global;
    return {local.x(), local.y()};
}

void PostSelectText(WindowHandle textBox, std::int32_t start, std::int32_t end) {
    auto* box = qobject_cast<QLineEdit*>(WindowWidget(textBox));
    if (!box)
        return;
    // A timer rather than a posted event: showing a window delivers its children's posted
    // events at once, and the selection must come after the window is up.
    QTimer::singleShot(0, box, [box, start, end] { box->setSelection(start, end - start); });
}
