#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "text/QtText.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const StartRequest request = ReadCommandLine(argc, argv);
    if (request.done)
        return request.status;
    // An export shows no window, and needs no display.
    if (!request.exportTo.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    QApplication::setDesktopFileName(QStringLiteral(KESTRUNE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    const int result = request.exportTo.isEmpty()
                           ? KestruneMain(FromQt(request.file))
                           : ExportDrawingFile(request.exportTo, request.file);
    ReleaseProgram();
    // Windows closed inside the event loop are deleted here, before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
