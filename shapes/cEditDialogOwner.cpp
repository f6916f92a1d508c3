#include "shapes/cEditDialogOwner.h"

#include "shapes/cShapeEditDialog.h"

cEditDialogOwner::cEditDialogOwner() = default;
cEditDialogOwner::~cEditDialogOwner() = default;

void cEditDialogOwner::Open(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
                            ShapeIdentity identity) {
    if (!dialog_)
        dialog_ = std::make_unique<cShapeEditDialog>();
    dialog_->Open(host, kind, values, identity);
}
