#include "ui/ClipboardKeys.h"

#include "ui/WindowKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

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

} // namespace

void RouteClipboardKeys(WindowHandle window, std::function<void(ClipboardKey)> handle) {
    FilterWindowKeys(window,
                     [handle = std::move(handle)](QWidget& target,
                                                  const QKeyEvent& key) -> std::function<void()> {
                         const std::optional<ClipboardKey> clipboardKey = KeyOf(key);
                         if (!clipboardKey)
                             return {};
                         if (const auto* box = qobject_cast<QLineEdit*>(&target);
                             box && TouchedByUser(*box))
                             return {};
                         return [&handle, clipboardKey] { handle(*clipboardKey); };
                     });
}
