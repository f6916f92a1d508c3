#include "ui/DialogService.h"

#include "text/QtText.h"
#include "ui/DialogPlacement.h"
#include "ui/DialogWindow.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// What the service does to windows that exist: their texts, focus, size, place, user
// values and the text box selection.

WindowHandle GetControl(WindowHandle dialog, std::int32_t id) {
    return Windows().FirstControl(dialog, id);
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
    if (record && record->window)
        record->window->StopCentring(); // placed where the caller says, from now on
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

std::vector<WindowHandle> ChildDialogs(WindowHandle parent) {
    return Windows().ChildDialogs(parent);
}

std::int32_t IsLiveWindow(WindowHandle window) {
    return WindowWidget(window) ? -1 : 0;
}

ClientPoint GetCursorClientPos(WindowHandle dialog) {
    QWidget* client = ClientWidget(dialog);
    const QPoint global = Windows().clickPosition.value_or(QCursor::pos());
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

std::int32_t DragDistance() {
    return QApplication::startDragDistance();
}
