#include "shapes/cShapeBase.h"

#include "file/NumberText.h"
#include "file/StringBuilderA.h"
#include "file/TextFields.h"
#include "ui/Prompts.h"

std::string cShapeBase::ToText() const {
    StringBuilderA record;
    record.ADD(ShapeName() + ",");
    bool first = true;
    for (const std::int32_t value : Values()) {
        if (!first)
            record.ADD(",");
        record.ADD(FormatNumber(value, "0"));
        first = false;
    }
    return record.STRING();
}

void cShapeBase::FromText(const std::string& record) {
    const std::int32_t count = CountFields(record, ",");
    const std::vector<std::string> fields = SplitFields(record, ",", count);
    if (!TextEquals(LowerCase(fields.front()), ShapeName())) {
        ShowMessage("Invalid setting, s/b " + ShapeName(), kMessageOk, "");
        return;
    }
    const std::vector<std::int32_t> current = Values();
    if (count != static_cast<std::int32_t>(current.size()) + 1) {
        ShowMessage(SettingsMessage(), kMessageOk, "");
        return;
    }
    std::vector<std::int32_t> values;
    values.reserve(current.size());
    for (std::size_t i = 1; i < fields.size(); ++i)
        values.push_back(TextToInteger(fields[i]));
    StoreValues(values);
}

void cShapeBase::Edit() {
    const std::vector<std::int32_t> values = Values();
    editDialog_.Open(Form(), values, Identity());
}
