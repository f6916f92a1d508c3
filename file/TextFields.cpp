#include "file/TextFields.h"

std::int32_t CountFields(std::string_view text, std::string_view separator) {
    if (separator.empty())
        return 1;
    std::int32_t count = 1;
    for (auto at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, at + separator.size()))
        ++count;
    return count;
}

std::vector<std::string> SplitFields(std::string_view text, std::string_view separator,
                                     std::int32_t count) {
    std::vector<std::string> fields;
    if (count <= 0)
        return fields;
    fields.reserve(static_cast<std::size_t>(count));
    std::size_t begin = 0;
    while (fields.size() + 1 < static_cast<std::size_t>(count) && !separator.empty()) {
        const auto at = text.find(separator, begin);
        if (at == std::string_view::npos)
            break;
        fields.emplace_back(text.substr(begin, at - begin));
        begin = at + separator.size();
    }
    if (begin <= text.size()) {
        const auto end = separator.empty() ? std::string_view::npos : text.find(separator, begin);
        fields.emplace_back(text.substr(begin, end == std::string_view::npos ? end : end - begin));
    }
    fields.resize(static_cast<std::size_t>(count));
    return fields;
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

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }
