#include "ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor() : set_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (set_)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    if (set_)
        QGuiApplication::restoreOverrideCursor();
}
