#include "app/ShapeClipboard.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/Selection.h"
#include "file/DrawingFile.h"
#include "ui/Clipboard.h"

void CopyShape(std::int32_t position) {
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(position);
    if (!shape)
        return;
    const WindowHandle window = Program().MainWindow;
    CopyToClipboard(shape->ToText(), window, kDrawingAreaId, [&] {
        LinkListCollection alone;
        alone.ADD(shape);
        DrawShapeList(window, kDrawingAreaId, alone);
    });
    // The drawing again, the shape still selected.
    RedrawShapes();
    DrawHighlighted(window, kDrawingAreaId, *shape);
}

void CutShape(std::int32_t position) {
    if (!Program().Shapes.ITEM(position))
        return;
    CopyShape(position);
    DeleteShape(position);
}

bool CanPaste() {
    return NamesAKind(WithDrawingLineEnds(ClipboardText()), Program().ShapeTypes);
}

void PasteShapes(WindowHandle dialog, iShapeEditHost& host) {
    const LinkListCollection pasted =
        LoadDrawingText(WithDrawingLineEnds(ClipboardText()), Program().ShapeTypes);
    if (pasted.COUNT() == 0)
        return;
    InsertShapes(pasted);
    SelectShape(dialog, 1, host);
}

void OnClipboardKey(ClipboardKey key, WindowHandle dialog, iShapeEditHost& host) {
    switch (key) {
    case ClipboardKey::Cut:
        return CutShape(SelectedShape());
    case ClipboardKey::Copy:
        return CopyShape(SelectedShape());
    case ClipboardKey::Paste:
        return PasteShapes(dialog, host);
    }
}
