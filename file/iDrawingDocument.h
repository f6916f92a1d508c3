#pragma once

#include "shapes/LinkListCollection.h"

// What Save and Load need from the program that holds the drawing: its shapes and
// prototypes, and its one way of replacing the drawing. The program hands one over
// when it binds the "Save" and "Load" buttons.
class iDrawingDocument {
  public:
    virtual ~iDrawingDocument() = default;
    virtual const LinkListCollection& Shapes() const = 0;
    virtual const LinkListCollection& Prototypes() const = 0;
    // Puts the loaded shapes in place of the drawing.
    virtual void ReplaceShapes(LinkListCollection loaded) = 0;
    virtual void CloseView() = 0;
    virtual void Redraw() = 0;
};
