#include "file/DrawingFile.h"

#include "text/StringBuilderA.h"
#include "text/TextFields.h"
#include "ui/MessageBox.h"

std::optional<std::string> DrawingText(const LinkListCollection& shapes, std::size_t most) {
    StringBuilderA text;
    text.SetLimit(most);
    const std::int32_t count = shapes.COUNT();
    for (std::int32_t i = 1; i <= count; ++i) {
        // A record is never empty: an empty one is a record that could not be built.
        const std::string record = shapes.ITEM(i) ? shapes.ITEM(i)->ToText() : std::string();
        if (record.empty() || text.ADD(record) != StringBuilderA::Ok)
            return std::nullopt;
        if (i < count && text.ADD(kLineEnd) != StringBuilderA::Ok)
            return std::nullopt;
    }
    return text.STRING();
}

namespace {
const iShape* PrototypeNamed(const std::string& keyword, const LinkListCollection& prototypes) {
    for (std::int32_t i = 1; i <= prototypes.COUNT(); ++i) {
        const auto& prototype = prototypes.ITEM(i);
        if (prototype && TextEquals(keyword, prototype->ShapeName()))
            return prototype.get();
    }
    return nullptr;
}

// The prototype the line's keyword names, if any.
const iShape* PrototypeOfLine(std::string_view line, const LinkListCollection& prototypes) {
    const std::int32_t comma = FindText(1, line, ",");
    return comma == 0 ? nullptr : PrototypeNamed(LowerCase(LeftText(line, comma - 1)), prototypes);
}
} // namespace

namespace {
// Appends a shape for each line whose keyword names a prototype.
void LoadLines(std::string_view text, const LinkListCollection& prototypes,
               LinkListCollection& shapes) {
    const std::int32_t count = CountFields(text, kLineEnd);
    for (const std::string_view line : SplitFields(text, kLineEnd, count)) {
        const iShape* prototype = PrototypeOfLine(line, prototypes);
        if (!prototype)
            continue;
        // A malformed line reports itself and still adds a shape with random values.
        auto shape = prototype->NewShape();
        shape->FromText(line);
        shapes.ADD(std::move(shape));
    }
}
} // namespace

LinkListCollection LoadDrawingText(std::string_view text, const LinkListCollection& prototypes,
                                   std::size_t mostMessages) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    LinkListCollection shapes;
    std::size_t held = 0;
    {
        const MessageLimit messages(mostMessages);
        LoadLines(text, prototypes, shapes);
        held = messages.Held();
    }
    if (held > 0)
        ShowMessage(std::to_string(held) +
                        " more lines had invalid settings; each was loaded as a shape with "
                        "random values.",
                    kMessageOk, "");
    return shapes;
}

std::string WithDrawingLineEnds(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            lines += text[i];
            continue;
        }
        lines += kLineEnd;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return lines;
}

bool NamesAKind(std::string_view text, const LinkListCollection& prototypes) {
    const std::int32_t count = CountFields(text, kLineEnd);
    for (const std::string_view line : SplitFields(text, kLineEnd, count))
        if (PrototypeOfLine(line, prototypes))
            return true;
    return false;
}

std::string SaveFileName(const std::string& typed) {
    return FindText(1, typed, ".") == 0 ? typed + kDrawingExtension : typed;
}
