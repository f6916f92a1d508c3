#include "shapes/ShapeWords.h"

#include "shapes/cShapeBase.h"
#include "text/NumberText.h"

std::string ShapeInWords(const iShape& shape) {
    const auto* declared = dynamic_cast<const cShapeBase*>(&shape);
    if (!declared)
        return shape.ToText();
    const ShapeKind& kind = declared->Declaration();
    const ShapeValues values = shape.Values();
    std::string words = std::string(kind.keyword) + ':';
    for (std::size_t i = 0; i < kind.values.size() && i < values.size(); ++i)
        words += (i == 0 ? " " : ", ") + std::string(kind.values[i].label) + ' ' +
                 FormatNumber(values[i], "0");
    return words;
}
