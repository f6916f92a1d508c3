#include "app/ShapeMenu.h"

#include "app/Commands.h"
#include "app/DrawingHistory.h"
#include "ui/PopupMenu.h"

namespace {
enum Choice : std::int32_t { kDelete = 1, kDuplicate, kFront, kBack, kUndo, kRedo };
} // namespace

void OpenShapeMenu(WindowHandle dialog, ClientPoint at, std::int32_t position) {
    std::vector<MenuItem> items;
    if (position > 0)
        items = {{kDelete, "Delete"},
                 {kDuplicate, "Duplicate"},
                 {kFront, "Bring to Front"},
                 {kBack, "Send to Back"},
                 {0, ""}};
    items.push_back({kUndo, "Undo", CanUndo()});
    items.push_back({kRedo, "Redo", CanRedo()});
    switch (ShowPopupMenu(dialog, at, items)) {
    case kDelete:
        return DeleteShape(position);
    case kDuplicate:
        return SelectShape(dialog, DuplicateShape(position));
    case kFront:
        return BringToFront(position);
    case kBack:
        return SendToBack(position);
    case kUndo:
        return UndoChange();
    case kRedo:
        return RedoChange();
    default:
        return;
    }
}
