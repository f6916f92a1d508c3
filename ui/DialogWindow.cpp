#include "ui/DialogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>

DialogWindow::DialogWindow(WindowHandle handle, QWidget* parent, int frameWidth)
    : QFrame(parent), handle_(handle), client_(new QWidget(this)) {
    if (frameWidth > 0) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(frameWidth);
    }
    client_->move(frameWidth, frameWidth);
}

namespace {
// A menu or message box up over the window, running an event loop of its own.
QWidget* PopupOver(const QWidget* window) {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* modal = QApplication::activeModalWidget();
    return modal != window ? modal : nullptr;
}
} // namespace

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The service decides whether and how the dialog goes away.
    event->ignore();
    if (QWidget* popup = PopupOver(this)) {
        // The popup's loop runs inside one of this window's callbacks: close the popup,
        // and the window once that loop has returned, never from under it.
        popup->close();
        RequestCloseBelow(QThread::currentThread()->loopLevel());
        return;
    }
    emit closeRequested();
}

void DialogWindow::RequestCloseBelow(int loopLevel) {
    QMetaObject::invokeMethod(
        this,
        [this, loopLevel] {
            if (QThread::currentThread()->loopLevel() >= loopLevel)
                RequestCloseBelow(loopLevel);
            else
                emit closeRequested();
        },
        Qt::QueuedConnection);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on a focused button presses it, as on any desktop; elsewhere it is "OK".
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && isAncestorOf(button))
            button->click();
        else
            emit keyCommand(kIdOk);
        return;
    case Qt::Key_Escape:
        emit keyCommand(kIdCancel);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void DialogWindow::SetOuterSize(QSize size) {
    if (isWindow())
        setFixedSize(size);
    else
        resize(size);
    client_->setGeometry(contentsRect());
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    client_->setGeometry(contentsRect());
}

void DialogWindow::KeepCentred() {
    centred_ = true;
    Centre();
}

void DialogWindow::Centre() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect();
    const QSize outer = frameGeometry().size();
    centredFrame_ = outer - size();
    target_ = QPoint(std::max(work.left(), work.left() + (work.width() - outer.width()) / 2),
                     std::max(work.top(), work.top() + (work.height() - outer.height()) / 2));
    // Once the window is up, its own place is the client's: ask for the frame's.
    if (isVisible() && windowHandle())
        windowHandle()->setFramePosition(target_);
    else
        move(target_);
}

void DialogWindow::CentreIfFramedAnew() {
    if (!centred_ || !isWindow())
        return;
    if (frameGeometry().size() - size() != centredFrame_)
        Centre();
}

void DialogWindow::moveEvent(QMoveEvent* event) {
    QFrame::moveEvent(event);
    CentreIfFramedAnew();
}

void DialogWindow::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    CentreIfFramedAnew();
    // Some window managers tell the frame only after the window is up.
    QTimer::singleShot(100, this, [this] { CentreIfFramedAnew(); });
}
