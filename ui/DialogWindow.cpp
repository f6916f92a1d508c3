#include "ui/DialogWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

DialogWindow::DialogWindow(WindowHandle handle, QWidget* parent, int frameWidth)
    : QFrame(parent), handle_(handle), client_(new QWidget(this)) {
    if (frameWidth > 0) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(frameWidth);
    }
    client_->move(frameWidth, frameWidth);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The service decides whether and how the dialog goes away.
    event->ignore();
    emit closeRequested();
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
