#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The only ways a shape value becomes text and text becomes a shape value. Records,
// edit boxes and the drawing file all go through these, so a saved drawing always
// reads back to the same values.

// Shortest decimal form of value: "-" before the digits when negative, no leading
// zeros. Each "0" of the mask is one mandatory digit position; the drawing uses "0".
std::string FormatNumber(std::int64_t value, std::string_view mask);

// Reads a number by the tolerant grammar: leading blanks, a sign, a fraction, an
// exponent (E or D) or a radix prefix (&H, &B, &O); anything after it is ignored.
// Unreadable text gives 0. The result keeps 64 significant bits (x86 extended).
long double TextToNumber(std::string_view text);

// TextToNumber rounded to the nearest integer (ties to even) into 64 bits, then the
// low 32 bits. A magnitude beyond 64 bits gives 0.
std::int32_t TextToInteger(std::string_view text);
