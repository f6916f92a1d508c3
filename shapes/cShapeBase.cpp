#include "shapes/cShapeBase.h"

#include "file/NumberText.h"
#include "file/StringBuilderA.h"
#include "file/TextFields.h"
#include "ui/Prompts.h"

#include <array>

std::string cShapeBase::ToText() const {
    StringBuilderA record;
    record.ADD(ShapeName());
    for (const std::int32_t value : Values())
        record.ADD("," + FormatNumber(value, "0"));
    return record.STRING();
}

void cShapeBase::FromText(std::string_view record) {
    const std::int32_t count = CountFields(record, ",");
    // The keyword and every value: a record with more fields is refused below.
    std::array<std::string_view, 1 + ShapeValues::kMost> fields;
    SplitFieldsInto(record, ",", fields);
    if (!TextEquals(LowerCase(fields[0]), ShapeName())) {
        ShowMessage("Invalid setting, s/b " + std::string(ShapeName()), kMessageOk, "");
        return;
    }
    const std::size_t valueCount = Values().size();
    if (count != static_cast<std::int32_t>(valueCount) + 1) {
        ShowMessage(SettingsMessage(), kMessageOk, "");
        return;
    }
    ShapeValues values;
    for (std::size_t i = 1; i <= valueCount; ++i)
        values.push_back(TextToInteger(fields[i]));
    StoreValues(values.span());
}

void cShapeBase::Edit() {
    editDialog_.Open(Form(), Values().span(), Identity());
}
