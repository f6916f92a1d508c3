#include "ui/GraphicControl.h"

#include "ui/WindowRegistry.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

GraphicControl::GraphicControl(WindowHandle handle, std::uint32_t style, QWidget* parent)
    : QWidget(parent), handle_(handle), style_(style) {
    setFocusPolicy((style & Style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Drawing area"));
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
        painter.setPen(palette().color(QPalette::Dark));
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
    setFocus(Qt::MouseFocusReason);
    Notify(code, event.globalPosition().toPoint());
}

void GraphicControl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        Notify(Notification::PointerDragged, event->globalPosition().toPoint());
}

void GraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Notify(Notification::PointerReleased, event->globalPosition().toPoint());
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
