#pragma once

#include "ui/GraphicSurface.h"
#include "ui/WindowTypes.h"

#include <QWidget>

#include <memory>

// The widget of a graphic control: paints its surface's screen image inside an optional
// 1-pixel border and signals left-button presses, which the service turns into click
// notifications.
class GraphicControl : public QWidget {
    Q_OBJECT

  public:
    GraphicControl(WindowHandle handle, std::uint32_t style, QWidget* parent);
    ~GraphicControl() override;

    // Made once the control has its size: the bitmap is the client area.
    GraphicSurface& Surface();
    // The menu the Menu key asks for, at the control's centre.
    void AskForKeyboardMenu();

  signals:
    // What the pointer did, as a notification code (Clicked for a left press,
    // DoubleClicked, PointerDragged, PointerReleased, MenuAtPointer, MenuFromKeyboard), at a
    // position on the screen.
    void pressed(std::uint32_t code, QPoint globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int BorderWidth() const;
    // A press: focus, then the signal.
    void Pressed(const QMouseEvent& event, std::uint32_t code);
    void Notify(std::uint32_t code, QPoint globalPosition);

    WindowHandle handle_;
    std::uint32_t style_;
    std::unique_ptr<GraphicSurface> surface_;
};

// The graphic control behind a control handle, or nullptr.
GraphicControl* GraphicControlOf(WindowHandle control);
