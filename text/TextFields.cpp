#include "text/TextFields.h"

std::int32_t CountFields(std::string_view text, std::string_view separator) {
    if (separator.empty())
        return 1;
    std::int32_t count = 1;
    for (auto at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, at + separator.size()))
        ++count;
    return count;
}

std::vector<std::string_view> SplitFields(std::string_view text, std::string_view separator,
                                          std::int32_t count) {
    std::vector<std::string_view> fields(count > 0 ? static_cast<std::size_t>(count) : 0);
    SplitFieldsInto(text, separator, fields);
    return fields;
}

void SplitFieldsInto(std::string_view text, std::string_view separator,
                     std::span<std::string_view> fields) {
    std::size_t begin = 0;
    bool done = false;
    for (std::string_view& field : fields) {
        if (done) {
            field = {};
            continue;
        }
        const auto at = separator.empty() ? std::string_view::npos : text.find(separator, begin);
        field = text.substr(begin, at == std::string_view::npos ? at : at - begin);
        done = at == std::string_view::npos;
        begin = done ? text.size() : at + separator.size();
    }
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::int32_t FindText(std::int32_t start, std::string_view text, std::string_view pattern) {
    if (text.empty() || pattern.empty())
        return 0;
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size())
        return 0;
    const auto at = text.find(pattern, from);
    return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at + 1);
}

std::string LeftText(std::string_view text, std::int32_t length) {
    if (length <= 0)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

bool TextEquals(std::string_view a, std::string_view b) {
    return a == b;
}
