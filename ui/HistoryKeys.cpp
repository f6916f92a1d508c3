#include "ui/HistoryKeys.h"

#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

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

// Watches every key event before it reaches its widget.
class HistoryKeyFilter : public QObject {
  public:
    HistoryKeyFilter(QWidget* window, std::function<void()> undo, std::function<void()> redo)
        : QObject(window), window_(window), undo_(std::move(undo)), redo_(std::move(redo)) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || !window_ || widget->window() != window_)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool undo = IsUndo(key), redo = !undo && IsRedo(key);
        if (!undo && !redo)
            return false;
        if (const auto* box = qobject_cast<QLineEdit*>(widget))
            if (undo ? box->isUndoAvailable() : box->isRedoAvailable())
                return false; // the box's own typing first
        event->accept();
        if (press)
            (undo ? undo_ : redo_)();
        return true;
    }

  private:
    QPointer<QWidget> window_;
    std::function<void()> undo_;
    std::function<void()> redo_;
};

} // namespace

void RouteHistoryKeys(WindowHandle window, std::function<void()> undo, std::function<void()> redo) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return;
    // Owned by the window, so it goes with it.
    qApp->installEventFilter(new HistoryKeyFilter(widget, std::move(undo), std::move(redo)));
}
