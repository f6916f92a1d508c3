#pragma once

#include "file/iDrawingDocument.h"

#include <cstdint>
#include <string>

// The "Save" button: asks for a file name and writes the drawing to it.
std::int32_t OnSave(const iDrawingDocument& document);
// The "Load" button: lets the user choose a drawing file and replaces the drawing with it.
std::int32_t OnLoad(iDrawingDocument& document);
// Replaces the drawing with the file's, as Load does after its chooser; a file that cannot
// be read is reported and the drawing stays.
void OpenDrawingFile(iDrawingDocument& document, const std::string& name);
// The file named when the program starts, opened the same way; a file that cannot be read
// is reported, and the drawing starts empty.
void OpenStartingFile(iDrawingDocument& document, const std::string& name);
