#include "file/FileCommands.h"

#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "text/QtText.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <string>

namespace {

// The program's own folder, unless the user cannot write there (an installed program):
// then the current folder, where Save puts a name typed without one.
std::string ChooserFolder() {
    const QString own = QCoreApplication::applicationDirPath();
    const QString folder = QFileInfo(own).isWritable() ? own : QDir::currentPath();
    return FromQt(QDir::toNativeSeparators(folder + '/'));
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

namespace {

// The whole file is read before the drawing is touched, so a file that cannot be read
// leaves the drawing as it was.
FileResult ReadIntoDrawing(iDrawingDocument& document, const std::string& name) {
    const BusyCursor busy;
    std::string text;
    const FileResult result = ReadDrawingFile(name, text);
    if (result.ok)
        document.ReplaceShapes(LoadDrawingText(text, document.Prototypes()));
    return result;
}

} // namespace

void OpenDrawingFile(iDrawingDocument& document, const std::string& name) {
    const FileResult result = ReadIntoDrawing(document, name);
    if (!result.ok)
        Report("The drawing was kept; could not load", name, result.reason);
}

void OpenStartingFile(iDrawingDocument& document, const std::string& name) {
    const FileResult result = ReadIntoDrawing(document, name);
    if (!result.ok)
        ShowMessage("Could not load \"" + name + "\": " + result.reason +
                        ". The drawing starts empty.",
                    kMessageOk, "");
}

std::int32_t OnLoad(iDrawingDocument& document) {
    document.CloseView();
    const std::string name =
        ChooseOpenFile(0, kNoPosition, kNoPosition, "Open file", ChooserFolder(),
                       {{"Poly", "*.poly"}}, "", kDrawingExtension, kFileMustExist);
    if (!name.empty())
        OpenDrawingFile(document, name);
    document.Redraw();
    return 0;
}
