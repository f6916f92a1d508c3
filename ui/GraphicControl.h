#pragma once

#include "ui/ControlKeys.h"
#include "ui/GraphicSurface.h"
#include "ui/WindowTypes.h"
#include "ui/iDrawingAccess.h"

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
    // The last key kept for the program (ControlKeys.h).
    std::uint32_t LastKey() const { return lastKey_; }
    // The focus moves on to the next control in the Tab order, or the previous one.
    void FocusOnward(bool forward) { focusNextPrevChild(forward); }
    // What the control's accessible interface reads; none, unless the program hands it.
    void SetAccess(iDrawingAccess* access) { access_ = access; }
    iDrawingAccess* Access() const { return access_; }
    // Where the picture lies in the control, inside the border.
    QRect PictureRect() const;

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
    // Escape or the window's deactivation while the left button is held.
    bool eventFilter(QObject* receiver, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int BorderWidth() const;
    // A press: focus, then the signal.
    void Pressed(const QMouseEvent& event, std::uint32_t code);
    void Notify(std::uint32_t code, QPoint globalPosition);

    WindowHandle handle_;
    std::uint32_t style_;
    std::unique_ptr<GraphicSurface> surface_;
    bool leftHeld_ = false;
    std::uint32_t lastKey_ = kKeyNone;
    bool keyboardFocus_ = false; // the focus came from the keyboard: the border shows it
    iDrawingAccess* access_ = nullptr;
};

// The graphic control behind a control handle, or nullptr.
GraphicControl* GraphicControlOf(WindowHandle control);
