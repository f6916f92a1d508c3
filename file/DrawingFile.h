#pragma once

#include "shapes/LinkListCollection.h"

#include <string>

// The drawing file's text: one record per shape in drawing order, records separated by
// CR LF, none after the last; an empty drawing is an empty text. The file code knows no
// shape kind: records come from ToText, and lines are matched to the prototypes' names.

inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kDrawingExtension[] = ".poly";

std::string DrawingText(const LinkListCollection& shapes);

// A shape for each line whose keyword (the text before its first ",", lower-cased) names
// a prototype, made by it and reading the whole line; other lines are skipped.
LinkListCollection LoadDrawingText(const std::string& text, const LinkListCollection& prototypes);

// The typed name, with ".poly" appended when it has no "." anywhere.
std::string SaveFileName(const std::string& typed);
