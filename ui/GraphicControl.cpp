#include "ui/GraphicControl.h"

#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

GraphicControl::GraphicControl(WindowHandle handle, std::uint32_t style, QWidget* parent)
    : QWidget(parent), handle_(handle), style_(style) {
    setFocusPolicy((style & Style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Drawing area"));
    // A drag must hear of its end even when the release never comes here.
    if (style & Style::NotifyClicks) {
        qApp->installEventFilter(this);
        setMouseTracking(true); // the pointer's look may depend on where it is
    }
}

GraphicControl::~GraphicControl() = default;

int GraphicControl::BorderWidth() const {
    return (style_ & Style::Border) ? 1 : 0;
}

GraphicSurface& GraphicControl::Surface() {
    if (!surface_) {
        const int border = BorderWidth();
        const QSize client = size() - QSize(2 * border, 2 * border);
        surface_ = std::make_unique<GraphicSurface>(this, client.expandedTo(QSize(0, 0)),
                                                    QPoint(border, border), devicePixelRatioF());
    }
    return *surface_;
}

void GraphicControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int border = BorderWidth();
    if (border > 0) {
        const bool marked = keyboardFocus_ && hasFocus();
        painter.setPen(palette().color(marked ? QPalette::Highlight : QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(border, border), Surface().ScreenImage());
}

void GraphicControl::mousePressEvent(QMouseEvent* event) {
    Pressed(*event, Notification::Clicked);
}

// The second press of a double click arrives here instead of as a press.
void GraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
    Pressed(*event, Notification::DoubleClicked);
}

void GraphicControl::Pressed(const QMouseEvent& event, std::uint32_t code) {
    if (event.button() == Qt::RightButton)
        code = Notification::MenuAtPointer;
    else if (event.button() != Qt::LeftButton)
        return;
    if (event.button() == Qt::LeftButton)
        leftHeld_ = true;
    setFocus(Qt::MouseFocusReason);
    if (std::exchange(keyboardFocus_, false))
        update();
    Notify(code, event.globalPosition().toPoint());
}

void GraphicControl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        Notify(Notification::PointerDragged, event->globalPosition().toPoint());
    else if (event->buttons() == Qt::NoButton)
        Notify(Notification::PointerHovered, event->globalPosition().toPoint());
}

void GraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    leftHeld_ = false;
    Notify(Notification::PointerReleased, event->globalPosition().toPoint());
}

bool GraphicControl::eventFilter(QObject* receiver, QEvent* event) {
    if (!leftHeld_ || !receiver->isWidgetType())
        return false;
    if (event->type() == QEvent::WindowDeactivate && receiver == window()) {
        leftHeld_ = false;
        Notify(Notification::PointerLost, QCursor::pos());
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QWidget*>(receiver)->window() == window() &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        leftHeld_ = false;
        Notify(Notification::DragCancelled, QCursor::pos());
    }
    return false; // the event goes on as ever
}

// The Menu key or Shift+F10; a right press has asked already.
void GraphicControl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        Notify(Notification::MenuFromKeyboard, mapToGlobal(rect().center()));
}

void GraphicControl::AskForKeyboardMenu() {
    Notify(Notification::MenuFromKeyboard, mapToGlobal(rect().center()));
}

QRect GraphicControl::PictureRect() const {
    const int border = BorderWidth();
    return rect().adjusted(border, border, -border, -border);
}

// Tab and Shift+Tab go to the program first: they step through the drawing.
bool GraphicControl::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && (style_ & Style::NotifyClicks)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((ControlKeyOf(*key) & ~kKeyShift) == kKeyTab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void GraphicControl::keyPressEvent(QKeyEvent* event) {
    const std::uint32_t key = ControlKeyOf(*event);
    if (key == kKeyNone || !(style_ & Style::NotifyClicks))
        return QWidget::keyPressEvent(event);
    lastKey_ = key;
    Notify(Notification::KeyPressed, mapToGlobal(rect().center()));
}

// Focus from Tab shows the mark; from the pointer it does not; returning to the window
// keeps what was shown before.
void GraphicControl::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardFocus_ = true;
    else if (event->reason() == Qt::MouseFocusReason)
        keyboardFocus_ = false;
    update();
}

void GraphicControl::focusOutEvent(QFocusEvent*) {
    update();
}

void GraphicControl::Notify(std::uint32_t code, QPoint globalPosition) {
    if (style_ & Style::NotifyClicks)
        emit pressed(code, globalPosition);
}

GraphicControl* GraphicControlOf(WindowHandle control) {
    const ControlRecord* record = Windows().Control(control);
    if (!record || record->kind != kGraphicControl)
        return nullptr;
    return qobject_cast<GraphicControl*>(record->widget.data());
}
