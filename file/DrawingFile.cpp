#include "file/DrawingFile.h"

#include "text/StringBuilderA.h"
#include "text/TextFields.h"

std::string DrawingText(const LinkListCollection& shapes) {
    StringBuilderA text;
    const std::int32_t count = shapes.COUNT();
    for (std::int32_t i = 1; i <= count; ++i) {
        if (const auto& shape = shapes.ITEM(i))
            text.ADD(shape->ToText());
        if (i < count)
            text.ADD(kLineEnd);
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
} // namespace

LinkListCollection LoadDrawingText(const std::string& text, const LinkListCollection& prototypes) {
    LinkListCollection shapes;
    const std::int32_t count = CountFields(text, kLineEnd);
    for (const std::string_view line : SplitFields(text, kLineEnd, count)) {
        const std::int32_t comma = FindText(1, line, ",");
        if (comma == 0)
            continue;
        const iShape* prototype = PrototypeNamed(LowerCase(LeftText(line, comma - 1)), prototypes);
        if (!prototype)
            continue;
        // A malformed line reports itself and still adds a shape with random values.
        auto shape = prototype->NewShape();
        shape->FromText(line);
        shapes.ADD(std::move(shape));
    }
    return shapes;
}

std::string SaveFileName(const std::string& typed) {
    return FindText(1, typed, ".") == 0 ? typed + kDrawingExtension : typed;
}
