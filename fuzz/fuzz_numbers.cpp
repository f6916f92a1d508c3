// The number reader on any text: it never fails, and the properties the program relies
// on hold.
#include "file/NumberText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = TextToInteger(text);
    static_cast<void>(TextToNumber(text));

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
