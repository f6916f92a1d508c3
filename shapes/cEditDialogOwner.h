#pragma once

#include "shapes/ShapeKind.h"
#include "shapes/ShapeValues.h"
#include "shapes/iShape.h"

#include <memory>

class cShapeEditDialog;

// Holds a shape's edit dialog, built on the first Open and destroyed with the shape. The
// dialog stays out of sight of the shape classes' headers, so a kind built outside the
// program needs neither the dialog service nor the program's side of it.
class cEditDialogOwner {
  public:
    cEditDialogOwner();
    ~cEditDialogOwner();
    cEditDialogOwner(const cEditDialogOwner&) = delete;
    cEditDialogOwner& operator=(const cEditDialogOwner&) = delete;

    // As cShapeEditDialog::Open.
    void Open(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
              ShapeIdentity identity);

  private:
    std::unique_ptr<cShapeEditDialog> dialog_;
};
