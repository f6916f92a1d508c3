#pragma once

#include "shapes/LinkListCollection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The drawing file's text: one record per shape in drawing order, records separated by
// CR LF, none after the last; an empty drawing is an empty text. The file code knows no
// shape kind: records come from ToText, and lines are matched to the prototypes' names.

inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kDrawingExtension[] = ".poly";

// The whole text, or nothing when it could not be assembled completely (out of memory, or
// beyond most bytes).
std::optional<std::string> DrawingText(const LinkListCollection& shapes,
                                       std::size_t most = SIZE_MAX / 2);

// A shape for each line whose keyword (the text before its first ",", lower-cased) names
// a prototype, made by it and reading the whole line; other lines are skipped. A UTF-8
// byte-order mark before the first line is no part of it. The first mostMessages bad
// records show their messages; one more message counts the rest.
constexpr std::size_t kMostRecordMessages = 10;
LinkListCollection LoadDrawingText(std::string_view text, const LinkListCollection& prototypes,
                                   std::size_t mostMessages = kMostRecordMessages);

// Text from elsewhere, its lines ended by LF, CR or CR LF, with CR LF between its lines as
// a drawing's text has them.
std::string WithDrawingLineEnds(std::string_view text);
// Whether a line of the text names a prototype, so that LoadDrawingText makes a shape of it.
bool NamesAKind(std::string_view text, const LinkListCollection& prototypes);

// The typed name, with ".poly" appended when it has no "." anywhere.
std::string SaveFileName(const std::string& typed);
