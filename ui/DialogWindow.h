#pragma once

#include "ui/WindowTypes.h"

#include <QFrame>

// The window of one dialog: a top-level window or a panel inside its parent. Its frame
// (border and sunken edge) lies outside the client area, which is a child widget that
// holds the dialog's controls, so client coordinates are those the program gives.
// What the user asks of the window (close it, Enter, Esc) it signals to the service.
class DialogWindow : public QFrame {
    Q_OBJECT

  public:
    DialogWindow(WindowHandle handle, QWidget* parent, int frameWidth);

    WindowHandle Handle() const { return handle_; }
    QWidget* Client() const { return client_; }
    // Sets the outer size; the client area follows at once, shown or not.
    void SetOuterSize(QSize size);
    // Centres the whole window, frame included, in the work area: now, and again once
    // the window manager has framed it (the frame is not known before).
    void KeepCentred();
    void StopCentring() { centred_ = false; }

  signals:
    // The close box or Alt+F4.
    void closeRequested();
    // Enter (kIdOk) or Esc (kIdCancel).
    void keyCommand(std::int32_t id);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Asks for the close once the event loops from this level inwards have returned.
    void RequestCloseBelow(int loopLevel);
    // The frame's extra size, once it is known and differs from the one centred for.
    void CentreIfFramedAnew();
    void Centre();

    WindowHandle handle_;
    QWidget* client_;
    bool centred_ = false;
    QSize centredFrame_; // what the frame added to the size when last centred
    QPoint target_;      // where the frame's top-left corner is to be
};
