#pragma once

#include "file/iDrawingDocument.h"
#include "shapes/iShapeEditHost.h"

// The program's side of the edit dialogs and of Save and Load: the view manager, the
// redraw and lookup routines and the drawing's changes, behind the interfaces that the
// lower layers were given.
class cProgramHost final : public iShapeEditHost, public iDrawingDocument {
  public:
    WindowHandle ViewPanel() const override;
    void ShowView(WindowHandle dialog) override;
    void CloseView() override;
    std::int32_t FindShape(WindowHandle editDialog) const override;
    void StoreValues(std::int32_t position, const ShapeValues& values) override;
    void Redraw() override;

    const LinkListCollection& Shapes() const override;
    const LinkListCollection& Prototypes() const override;
    void ReplaceShapes(LinkListCollection loaded) override;
};
