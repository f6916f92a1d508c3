#include "app/ShapeMenu.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/Selection.h"
#include "app/ShapeClipboard.h"
#include "ui/PictureExport.h"
#include "ui/PopupMenu.h"
#include "ui/Prompts.h"

namespace {
enum Choice : std::int32_t {
    kDelete = 1,
    kDuplicate,
    kFront,
    kBack,
    kUndo,
    kRedo,
    kExport,
    kCut,
    kCopy,
    kPaste
};

// The drawing as it is painted, without a highlight, as a PNG or SVG picture.
void ExportImage(WindowHandle dialog) {
    const std::string name =
        ChooseSaveFile("Export Image", {{"PNG image", "*.png"}, {"SVG image", "*.svg"}});
    if (name.empty())
        return;
    const std::string error = ExportPicture(dialog, kDrawingAreaId, name, RedrawShapes);
    if (!error.empty())
        ShowMessage("The drawing was not exported to \"" + name + "\": " + error + ".", kMessageOk,
                    "");
}
} // namespace

void OpenShapeMenu(WindowHandle dialog, ClientPoint at, std::int32_t position,
                   iShapeEditHost& host) {
    std::vector<MenuItem> items;
    if (position > 0)
        items = {{kDelete, "Delete"},
                 {kDuplicate, "Duplicate"},
                 {kCut, "Cut"},
                 {kCopy, "Copy"},
                 {kPaste, "Paste", CanPaste()},
                 {kFront, "Bring to Front"},
                 {kBack, "Send to Back"},
                 {0, ""}};
    else
        items = {{kPaste, "Paste", CanPaste()}, {0, ""}};
    items.push_back({kUndo, "Undo", CanUndo()});
    items.push_back({kRedo, "Redo", CanRedo()});
    items.push_back({0, ""});
    items.push_back({kExport, "Export Image\u2026"});
    switch (ShowPopupMenu(dialog, at, items)) {
    case kDelete:
        return DeleteShape(position);
    case kDuplicate:
        return SelectShape(dialog, DuplicateShape(position), host);
    case kCut:
        return CutShape(position);
    case kCopy:
        return CopyShape(position);
    case kPaste:
        return PasteShapes(dialog, host);
    case kFront:
        return BringToFront(position);
    case kBack:
        return SendToBack(position);
    case kUndo:
        return UndoChange();
    case kRedo:
        return RedoChange();
    case kExport:
        return ExportImage(dialog);
    default:
        return;
    }
}
