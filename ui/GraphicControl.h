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

  signals:
    // A left-button press (code Clicked) or the second press of a double click, at a
    // position on the screen.
    void pressed(std::uint32_t code, QPoint globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int BorderWidth() const;
    // A left-button press: focus, then the signal.
    void Pressed(const QMouseEvent& event, std::uint32_t code);

    WindowHandle handle_;
    std::uint32_t style_;
    std::unique_ptr<GraphicSurface> surface_;
};

// The graphic control behind a control handle, or nullptr.
GraphicControl* GraphicControlOf(WindowHandle control);
