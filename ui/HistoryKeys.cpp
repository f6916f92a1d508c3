#include "ui/HistoryKeys.h"

#include "ui/WindowKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool IsUndo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
}

bool IsRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Redo) ||
           key.keyCombination() ==
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

void RouteHistoryKeys(WindowHandle window, std::function<void()> undo, std::function<void()> redo) {
    FilterWindowKeys(window,
                     [undo = std::move(undo), redo = std::move(redo)](
                         QWidget& target, const QKeyEvent& key) -> std::function<void()> {
                         const bool isUndo = IsUndo(key), isRedo = !isUndo && IsRedo(key);
                         if (!isUndo && !isRedo)
                             return {};
                         if (const auto* box = qobject_cast<QLineEdit*>(&target))
                             if (isUndo ? box->isUndoAvailable() : box->isRedoAvailable())
                                 return {}; // the box's own typing first
                         return isUndo ? undo : redo;
                     });
}
