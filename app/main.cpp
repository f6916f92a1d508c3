#include "app/MainWindow.h"
#include "app/ProgramState.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    QApplication::setDesktopFileName(QStringLiteral("kestrune"));
    QApplication::setQuitOnLastWindowClosed(false);
    const int result = KestruneMain();
    ReleaseProgram();
    // Windows closed inside the event loop are deleted here, before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
