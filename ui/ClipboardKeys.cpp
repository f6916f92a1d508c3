#include "ui/ClipboardKeys.h"

#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <optional>

namespace {

std::optional<ClipboardKey> KeyOf(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Cut))
        return ClipboardKey::Cut;
    if (key.matches(QKeySequence::Copy))
        return ClipboardKey::Copy;
    if (key.matches(QKeySequence::Paste))
        return ClipboardKey::Paste;
    return std::nullopt;
}

bool TouchedByUser(const QLineEdit& box) {
    return box.isModified() || box.isUndoAvailable() || box.selectedText() != box.text();
}

// Watches every key event before it reaches its widget.
class ClipboardKeyFilter : public QObject {
  public:
    ClipboardKeyFilter(QWidget* window, std::function<void(ClipboardKey)> handle)
        : QObject(window), window_(window), handle_(std::move(handle)) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || !window_ || widget->window() != window_)
            return false;
        const std::optional<ClipboardKey> key = KeyOf(static_cast<const QKeyEvent&>(*event));
        if (!key)
            return false;
        if (const auto* box = qobject_cast<QLineEdit*>(widget); box && TouchedByUser(*box))
            return false;
        event->accept();
        if (press)
            handle_(*key);
        return true;
    }

  private:
    QPointer<QWidget> window_;
    std::function<void(ClipboardKey)> handle_;
};

} // namespace

void RouteClipboardKeys(WindowHandle window, std::function<void(ClipboardKey)> handle) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return;
    // Owned by the window, so it goes with it.
    qApp->installEventFilter(new ClipboardKeyFilter(widget, std::move(handle)));
}
