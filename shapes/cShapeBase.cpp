#include "shapes/cShapeBase.h"

#include "shapes/RandomSource.h"
#include "text/NumberText.h"
#include "text/StringBuilderA.h"
#include "text/TextFields.h"
#include "ui/Prompts.h"

#include <algorithm>
#include <climits>

std::string cShapeBase::ToText() const {
    StringBuilderA record;
    bool whole = record.ADD(std::string(ShapeName()) + ',') == StringBuilderA::Ok;
    const std::size_t count = Kind().values.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            whole = whole && record.ADD(",") == StringBuilderA::Ok;
        whole = whole && record.ADD(FormatNumber(values_[i], "0")) == StringBuilderA::Ok;
    }
    return whole ? record.STRING() : std::string(); // never a part of a record
}

void cShapeBase::FromText(std::string_view record) {
    const std::int32_t count = CountFields(record, ",");
    // The keyword and every value: a record with more fields is refused below.
    std::array<std::string_view, 1 + kMostShapeValues> fields;
    SplitFieldsInto(record, ",", fields);
    if (!TextEquals(LowerCase(fields[0]), ShapeName())) {
        ShowMessage("Invalid setting, s/b " + std::string(ShapeName()), kMessageOk, "");
        return;
    }
    const std::size_t valueCount = Kind().values.size();
    if (count != static_cast<std::int32_t>(valueCount) + 1) {
        ShowMessage(SettingsMessage(Kind()), kMessageOk, "");
        return;
    }
    for (std::size_t i = 0; i < valueCount; ++i)
        values_[i] = TextToInteger(fields[i + 1]);
}

ShapeValues cShapeBase::Values() const {
    return ShapeValues(std::span(values_).first(Kind().values.size()));
}

void cShapeBase::SetValues(const ShapeValues& values) {
    for (std::size_t i = 0; i < values.size() && i < Kind().values.size(); ++i)
        values_[i] = values[i];
}

std::string cShapeBase::SettingsMessage(const ShapeKind& kind) {
    std::string message = "Invalid " + std::string(kind.keyword) + " settings s/b ";
    message += kind.keyword;
    for (const ShapeValue& value : kind.values) {
        message += ',';
        message += value.recordName;
    }
    return message;
}

void cShapeBase::DrawDefaults() {
    const std::span<const ShapeValue> values = Kind().values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const DefaultRange& range = values[i].defaults;
        if (range.rule == DefaultRange::Rule::Between)
            values_[i] = RandomBetween(range.low, range.high);
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const DefaultRange& range = values[i].defaults;
        const std::int32_t extent = values_[range.sizeValue];
        if (range.rule == DefaultRange::Rule::CentredBy)
            values_[i] = RandomBetween(extent + 1, kDrawingSize - extent);
        else if (range.rule == DefaultRange::Rule::CornerBy)
            values_[i] = RandomBetween(1, kDrawingSize - extent);
    }
}

ShapeBox cShapeBase::BoxOf(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    const auto limit = [](std::int64_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return {limit(std::min(x1, x2)), limit(std::min(y1, y2)), limit(std::max(x1, x2)),
            limit(std::max(y1, y2))};
}
