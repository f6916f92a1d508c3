#pragma once

#include "file/iDrawingDocument.h"

#include <cstdint>

// The "Save" button: asks for a file name and writes the drawing to it.
std::int32_t OnSave(const iDrawingDocument& document);
// The "Load" button: lets the user choose a drawing file and replaces the drawing with it.
std::int32_t OnLoad(iDrawingDocument& document);
