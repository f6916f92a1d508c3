#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Small byte-string services for records and the drawing file. Texts are byte strings
// with explicit length (NUL bytes allowed); positions count from 1.

// Occurrences of separator (left to right, without overlap) plus 1: an empty text has
// one empty field.
std::int32_t CountFields(std::string_view text, std::string_view separator);

// The fields between separators, empty ones kept, no quoting; exactly count entries
// (surplus entries are empty). The fields are views into text.
std::vector<std::string_view> SplitFields(std::string_view text, std::string_view separator,
                                          std::int32_t count);
// The same into fields, as many as it has room for, without allocating.
void SplitFieldsInto(std::string_view text, std::string_view separator,
                     std::span<std::string_view> fields);

// Copy with "A"-"Z" mapped to "a"-"z"; every other byte kept (multi-byte characters
// of the system encoding stay intact).
std::string LowerCase(std::string_view text);

// 1-based position of the first occurrence of pattern at or after start; 0 if none.
std::int32_t FindText(std::int32_t start, std::string_view text, std::string_view pattern);

// The first length bytes (all of them when the text is shorter).
std::string LeftText(std::string_view text, std::int32_t length);

// Same length and same bytes: no case folding, no trimming.
bool TextEquals(std::string_view a, std::string_view b);
