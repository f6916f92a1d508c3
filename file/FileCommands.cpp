#include "file/FileCommands.h"

#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "ui/BusyCursor.h"
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

std::int32_t OnSave(const iDrawingDocument& document) {
    const std::string typed = PromptText("Filename?", "", "", -1, -1);
    if (typed.empty())
        return 0;
    const std::string name = SaveFileName(typed);
    FileResult result;
    {
        const BusyCursor busy;
        const std::optional<std::string> text = DrawingText(document.Shapes());
        result = text ? WriteDrawingFile(name, *text)
                      : FileResult{false, "there was not enough memory to assemble its text"};
    }
    if (!result.ok)
        Report("The drawing was not saved to", name, result.reason);
    return 0;
}

std::int32_t OnLoad(iDrawingDocument& document) {
    document.CloseView();
    const std::string name =
        ChooseOpenFile(0, kNoPosition, kNoPosition, "Open file", ProgramFolder(),
                       {{"Poly", "*.poly"}}, "", kDrawingExtension, kFileMustExist);
    if (!name.empty()) {
        // The whole file is read before the drawing is touched, so a file that cannot be
        // read leaves the drawing as it was.
        const BusyCursor busy;
        std::string text;
        const FileResult result = ReadDrawingFile(name, text);
        if (result.ok)
            document.ReplaceShapes(LoadDrawingText(text, document.Prototypes()));
        else
            Report("The drawing was kept; could not load", name, result.reason);
    }
    document.Redraw();
    return 0;
}
