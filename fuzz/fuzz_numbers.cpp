// The number reader on any text: it never fails, and the properties the program relies
// on hold.
#include "text/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
// TextToInteger by its definition: the number rounded (ties to even) into 64 bits, then
// the low 32 bits; 0 beyond 64 bits. The real one reads plain integers by a shortcut.
std::int32_t IntegerByDefinition(long double number) {
    const long double rounded = std::nearbyint(number);
    if (!(rounded >= -9223372036854775808.0L && rounded < 9223372036854775808.0L))
        return 0;
    const auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = TextToInteger(text);
    if (value != IntegerByDefinition(TextToNumber(text)))
        std::abort();

    // Leading blanks never change the result.
    if (TextToInteger(" \t\r\n" + text) != value)
        std::abort();
    // Whatever number is read, its formatted form reads back to the same value.
    if (TextToInteger(FormatNumber(value, "0")) != value)
        std::abort();
    // Any 32-bit value survives formatting and reading.
    if (size >= 4) {
        std::int32_t any = 0;
        std::memcpy(&any, data, sizeof any);
        if (TextToInteger(FormatNumber(any, "0")) != any)
            std::abort();
    }
    return 0;
}
