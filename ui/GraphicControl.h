#pragma once

#include "ui/DialogService.h"
#include "ui/GraphicSurface.h"

#include <QWidget>

#include <memory>

// The widget of a graphic control: paints its surface's screen image inside an optional
// 1-pixel border and turns left-button presses into click notifications.
class GraphicControl : public QWidget {
    Q_OBJECT

  public:
    GraphicControl(WindowHandle handle, std::uint32_t style, QWidget* parent);
    ~GraphicControl() override;

    // Made once the control has its size: the bitmap is the client area.
    GraphicSurface& Surface();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int BorderWidth() const;
    // A left-button press: focus, then a click notification with code.
    void Pressed(const QMouseEvent& event, std::uint32_t code);

    WindowHandle handle_;
    std::uint32_t style_;
    std::unique_ptr<GraphicSurface> surface_;
};
