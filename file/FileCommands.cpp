#include "file/FileCommands.h"

#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QDir>

#include <string>

namespace {

std::string ProgramFolder() {
    const QByteArray folder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/').toLocal8Bit();
    return folder.toStdString();
}

void Report(const std::string& what, const std::string& name, const std::string& reason) {
    ShowMessage(what + " \"" + name + "\": " + reason + ".", kMessageOk, "");
}

} // namespace

std::int32_t OnSave(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    const std::string typed = PromptText("Filename?", "", "", -1, -1);
    if (typed.empty())
        return 0;
    const std::string name = SaveFileName(typed);
    const FileResult result = WriteDrawingFile(name, DrawingText(Program().Shapes));
    if (!result.ok)
        Report("The drawing was not saved to", name, result.reason);
    return 0;
}

std::int32_t OnLoad(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    Program().ViewManager->CloseView();
    const std::string filter = std::string("Poly") + '\0' + "*.poly" + '\0';
    const std::string name =
        ChooseOpenFile(0, kNoPosition, kNoPosition, "Open file", ProgramFolder(), filter, "",
                       kDrawingExtension, 0x00001000);
    if (!name.empty()) {
        // The whole file is read before the drawing is touched, so a file that cannot be
        // read leaves the drawing as it was.
        std::string text;
        const FileResult result = ReadDrawingFile(name, text);
        if (result.ok) {
            Program().Shapes.CLEAR();
            LoadDrawingText(text, Program().ShapeTypes, Program().Shapes);
        } else {
            Report("The drawing was kept; could not load", name, result.reason);
        }
    }
    RedrawShapes();
    return 0;
}
