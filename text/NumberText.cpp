#include "text/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

// Leading zeros do not count; digits past this many only move the decimal point.
constexpr int kMaxSignificantDigits = 18;
constexpr int kMaxExponent = 9999;
// At or beyond this decimal scale the value is outside extended precision.
constexpr int kScaleLimit = 4933;
// The value given for a number too large for extended precision: 2^127.
const long double kHugeResult = std::ldexp(1.0L, 127);
constexpr int kLargestPowerOfTen = 4932;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Skip() { ++pos_; }
    bool Take(char c) {
        if (AtEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// acc * 10^power in extended precision, with one multiplication or division where the
// power fits; a tiny result is scaled in two steps rather than blowing up.
// 10^n for n up to 27 is exact in extended precision: no need to compute it each time.
long double PowerOfTen(int n) {
    static const auto table = [] {
        std::array<long double, 28> powers{};
        long double power = 1.0L;
        for (long double& entry : powers) {
            entry = power;
            power *= 10.0L;
        }
        return powers;
    }();
    return n < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(n)]
                                              : std::pow(10.0L, n);
}

long double ScaleByPowerOfTen(long double acc, int power) {
    if (power == 0)
        return acc;
    if (power > 0) {
        if (power > kLargestPowerOfTen)
            return kHugeResult;
        return acc * PowerOfTen(power);
    }
    const int down = -power;
    if (down > kLargestPowerOfTen)
        return acc / std::pow(10.0L, kLargestPowerOfTen) /
               std::pow(10.0L, down - kLargestPowerOfTen);
    return acc / PowerOfTen(down);
}

int ReadExponent(Reader& in) {
    bool negative = false;
    if (!in.Take('+'))
        negative = in.Take('-');
    int exponent = 0;
    while (IsDigit(in.Peek())) {
        exponent = std::min(kMaxExponent, exponent * 10 + (in.Peek() - '0'));
        in.Skip();
    }
    return negative ? -exponent : exponent;
}

long double ReadDecimal(Reader& in) {
    bool negative = false;
    if (!in.Take('+'))
        negative = in.Take('-');
    std::uint64_t digits = 0;
    int significant = 0;
    int power = 0; // value = digits * 10^power
    bool anyDigit = false;
    bool seenPoint = false;
    for (;; in.Skip()) {
        const char c = in.Peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        anyDigit = true;
        const int digit = c - '0';
        if (significant == 0 && digit == 0) {
            if (seenPoint)
                --power;
        } else if (significant < kMaxSignificantDigits) {
            digits = digits * 10 + static_cast<std::uint64_t>(digit);
            ++significant;
            if (seenPoint)
                --power;
        } else if (!seenPoint) {
            ++power;
        }
    }
    const long double sign = negative ? -1.0L : 1.0L;
    if (!anyDigit)
        return sign * 0.0L;
    const char marker = in.Peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        in.Skip();
        power += ReadExponent(in);
    }
    if (digits == 0)
        return sign * 0.0L;
    const int scale = significant + power; // value = 0.d1d2... * 10^scale
    if (scale >= kScaleLimit)
        return sign * kHugeResult;
    if (scale <= -kScaleLimit)
        return sign * 0.0L;
    return sign * ScaleByPowerOfTen(static_cast<long double>(digits), power);
}

int DigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

int ReadRadixBase(Reader& in) {
    switch (in.Peek()) {
    case 'H':
    case 'h':
        in.Skip();
        return 16;
    case 'B':
    case 'b':
        in.Skip();
        return 2;
    case 'O':
    case 'o':
    case 'Q':
    case 'q':
        in.Skip();
        return 8;
    default:
        return 8; // not consumed: "&17" is octal 17
    }
}

std::string ReadRadixSuffix(Reader& in) {
    std::string suffix;
    if (in.Take('%'))
        return "%";
    while (suffix.size() < 2 && in.Take('&'))
        suffix += '&';
    if (!suffix.empty())
        return suffix;
    while (suffix.size() < 3 && in.Take('?'))
        suffix += '?';
    return suffix;
}

std::int64_t SignExtend(std::uint64_t value, int bits) {
    const std::uint64_t signBit = std::uint64_t{1} << (bits - 1);
    const std::uint64_t mask = (signBit << 1) - 1;
    const std::uint64_t low = value & mask;
    return static_cast<std::int64_t>((low ^ signBit) - signBit);
}

long double ReadRadix(Reader& in) {
    const int base = ReadRadixBase(in);
    std::uint64_t value = 0;
    bool anyDigit = false;
    bool overflow = false;
    bool leadingZero = false;
    for (int digit = DigitValue(in.Peek()); digit < base; digit = DigitValue(in.Peek())) {
        if (!anyDigit)
            leadingZero = digit == 0;
        anyDigit = true;
        if (value >
            (UINT64_MAX - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
            overflow = true;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        in.Skip();
    }
    if (!anyDigit || overflow)
        return 0.0L;
    const std::string suffix = ReadRadixSuffix(in);
    if (!suffix.empty() && suffix[0] == '?')
        return (value >> 63) != 0 ? 0.0L : static_cast<long double>(value);
    std::int64_t result = static_cast<std::int64_t>(value);
    if (!leadingZero) {
        if (value <= 0xFFFF) {
            if ((value & 0x8000) != 0 && suffix != "&" && suffix != "&&")
                result = SignExtend(value, 16);
        } else if (value <= 0xFFFFFFFF) {
            if ((value & 0x80000000) != 0 && suffix != "&&")
                result = SignExtend(value, 32);
        }
    }
    return static_cast<long double>(result);
}

} // namespace

std::string FormatNumber(std::int64_t value, std::string_view mask) {
    const auto minimumDigits = static_cast<std::size_t>(std::count(mask.begin(), mask.end(), '0'));
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    std::string text;
    text.reserve(1 + std::max(count, minimumDigits));
    if (value < 0)
        text += '-';
    if (count < minimumDigits)
        text.append(minimumDigits - count, '0');
    text.append(digits, count);
    return text;
}

long double TextToNumber(std::string_view text) {
    Reader in(text);
    while (IsBlank(in.Peek()))
        in.Skip();
    if (in.AtEnd())
        return 0.0L;
    if (in.Take('&'))
        return ReadRadix(in);
    return ReadDecimal(in);
}

namespace {

// Most fields are plain integers: [blanks][sign]digits, ended by anything that is neither
// a digit, a point nor an exponent marker. For those (up to 18 digits, so exact) the
// general reader gives exactly the integer; this reads it without extended precision.
std::optional<std::int64_t> PlainInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t first = i;
    std::int64_t value = 0;
    while (i < text.size() && IsDigit(text[i]) && i - first < kMaxSignificantDigits)
        value = value * 10 + (text[i++] - '0');
    if (i == first)
        return std::nullopt;
    if (i < text.size()) {
        const char next = text[i];
        if (IsDigit(next) || next == '.' || next == 'E' || next == 'e' || next == 'D' ||
            next == 'd')
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::int32_t TextToInteger(std::string_view text) {
    if (const std::optional<std::int64_t> plain = PlainInteger(text))
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(*plain)));
    const long double number = TextToNumber(text);
    const long double rounded = std::nearbyint(number); // the default mode: nearest, ties to even
    constexpr long double kTwoTo63 = 9223372036854775808.0L;
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63))
        return 0;
    const auto whole = static_cast<std::int64_t>(rounded);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}
