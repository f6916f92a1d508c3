#include "ui/MenuKeys.h"

#include "ui/GraphicControl.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPointer>

namespace {

bool IsMenuKey(const QKeyEvent& key) {
    return !key.isAutoRepeat() &&
           (key.key() == Qt::Key_Menu ||
            key.keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10));
}

// Watches every event before it reaches its widget.
class MenuKeyFilter : public QObject {
  public:
    MenuKeyFilter(QWidget* window, GraphicControl* control)
        : QObject(window), window_(window), control_(control) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ContextMenu && type != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || !window_ || !control_ || widget->window() != window_)
            return false;
        if (type == QEvent::ContextMenu)
            return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        if (!IsMenuKey(*static_cast<QKeyEvent*>(event)))
            return false;
        control_->AskForKeyboardMenu();
        return true;
    }

  private:
    QPointer<QWidget> window_;
    QPointer<GraphicControl> control_;
};

} // namespace

void RouteMenuKeys(WindowHandle window, WindowHandle graphicControl) {
    QWidget* widget = WindowWidget(window);
    GraphicControl* control = GraphicControlOf(graphicControl);
    if (!widget || !control)
        return;
    // Owned by the window, so it goes with it.
    qApp->installEventFilter(new MenuKeyFilter(widget, control));
}
