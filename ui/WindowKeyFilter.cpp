#include "ui/WindowKeyFilter.h"

#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Watches every key event of the application, keeping to those of its window.
class WindowKeyFilter : public QObject {
  public:
    WindowKeyFilter(QWidget* window, KeyTaker take)
        : QObject(window), window_(window), take_(std::move(take)) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || !window_ || widget->window() != window_)
            return false;
        const std::function<void()> action = take_(*widget, static_cast<const QKeyEvent&>(*event));
        if (!action)
            return false;
        event->accept();
        if (press)
            action();
        return true;
    }

  private:
    QPointer<QWidget> window_;
    KeyTaker take_;
};

} // namespace

void FilterWindowKeys(WindowHandle window, KeyTaker take) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return;
    // Owned by the window, so it goes with it.
    qApp->installEventFilter(new WindowKeyFilter(widget, std::move(take)));
}
